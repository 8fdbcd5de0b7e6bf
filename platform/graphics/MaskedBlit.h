// Copies that leave out one colour of the source, through a monochrome mask
// (white where the source has that colour). Used by bitmaps drawn
// transparently and by the canvas's BrushCopy.
#pragma once

#include "platform/graphics/GdiHandles.h"
#include "platform/rtl/Types.h"
#include "platform/rtl/WinApi.h"

// A mask of 'source' of the size of 'rect': white where the pixels equal
// 'color' (an RGB value), black elsewhere.
TOwnedBitmap CreateColorMask(HDC source, const TRect& rect, COLORREF color);

// Stretches 'sourceRect' of 'source' into 'destRect' of 'dest', leaving the
// destination as it was where 'mask' (selected in a DC, of the source's
// size, origin at sourceRect's top-left) is white.
void MaskedStretchBlt(HDC dest, const TRect& destRect, HDC source, const TRect& sourceRect,
                      HDC mask);
