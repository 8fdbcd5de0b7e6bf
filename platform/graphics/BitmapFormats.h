// Pixel formats of bitmaps and the DIB sections that hold them.
#pragma once

#include "platform/graphics/GdiHandles.h"
#include "platform/rtl/WinApi.h"

enum class TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };

// The bits per pixel of a pixel format (pfDevice: the screen's);
// EInvalidGraphic for pfCustom.
int PixelFormatBits(TPixelFormat format);
// The format of the screen: pf16bit, pf24bit or pf32bit.
TPixelFormat DevicePixelFormat();
// A bottom-up DIB section of a size and format, all pixels zero (nil for an
// empty size). Palette formats get a fixed colour table: 1 bit black and
// white; 4 bits the 16 classic colours; 8 bits those, a 6 x 6 x 6 colour cube
// and 24 greys. pf15bit is 5-5-5, pf16bit 5-6-5.
HBITMAP CreateDIBSectionBitmap(int width, int height, TPixelFormat format);
// The pixel format of a bitmap handle; EInvalidGraphic for an invalid one.
TPixelFormat PixelFormatOf(HBITMAP bitmap);
bool IsDIBSection(HBITMAP bitmap);
// A new DIB section of the size and format with the source's pixels copied
// in (those that fit; the rest black).
HBITMAP ConvertBitmap(HBITMAP source, int width, int height, TPixelFormat format);
