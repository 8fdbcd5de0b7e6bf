// Putting images on device contexts: a glyph or an image-list image drawn in
// one of six looks, alpha blending with the platform's AlphaBlend or an
// equivalent software blend, a two-pass Lanczos-3 resampler, hatch fills and
// rectangle copies.
//
// The platform's AlphaBlend (msimg32.dll) is bound by name when the unit
// starts (cxBindAlphaBlend); every blend has a software path for a system
// without it, which tests reach by replacing the binding (cxSetAlphaBlendProc).
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "framework/cxGraphicsBitmaps.h"
#include "framework/cxGraphicsResize.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/ImageLists.h"
#include "platform/rtl/Types.h"
#include "platform/rtl/WinApi.h"

enum class TcxImageDrawMode {
  idmNormal,
  idmDisabled,
  idmFaded,
  idmGrayScale,
  idmDingy,
  idmShadowed
};

// Takes over the drawing of an image when it answers true: it draws on the
// canvas of the background, where 'rect' is the image's place.
using TcxDrawImageProc =
    std::function<bool(TCanvas* canvas, TCustomImageList* images, int imageIndex, TBitmap* glyph,
                       const TRect& rect, TcxImageDrawMode drawMode)>;
// Empty unless the application sets it.
extern TcxDrawImageProc CustomDrawImageProc;

// -------------------------------------------------------- AlphaBlend binding

using TcxAlphaBlendProc = BOOL(WINAPI*)(HDC destDC, int destX, int destY, int destWidth,
                                        int destHeight, HDC srcDC, int srcX, int srcY, int srcWidth,
                                        int srcHeight, BLENDFUNCTION blend);

// Loads msimg32.dll and looks AlphaBlend up in it (nil when either fails);
// nested calls are counted, the last cxUnbindAlphaBlend frees the library.
void cxBindAlphaBlend();
void cxUnbindAlphaBlend();
// The bound AlphaBlend; nil when the platform has none.
TcxAlphaBlendProc cxAlphaBlendProc();
// Replaces the bound function (nil: behave as without msimg32.dll) and
// answers the previous one; for tests of the software blends.
TcxAlphaBlendProc cxSetAlphaBlendProc(TcxAlphaBlendProc proc);

// ---------------------------------------------------------------- drawing

// Draws 'glyph' (when assigned) or image 'imageIndex' of 'images' into
// 'glyphRect' in the look 'drawMode', over a background covering
// 'backgroundRect': the context's own pixels when 'brush' is nil, else the
// brush. Pixels of 'transparentColor' (unless clNone), and with
// 'useLeftBottomPixelAsTransparent' those of a glyph's bottom-left colour,
// are left out of an image without alpha. Nothing is drawn without an image.
void cxDrawImage(HDC dc, const TRect& glyphRect, const TRect& backgroundRect, TBitmap* glyph,
                 TCustomImageList* images, int imageIndex, TcxImageDrawMode drawMode,
                 bool smoothImage = false, HBRUSH brush = nullptr, TColor transparentColor = clNone,
                 bool useLeftBottomPixelAsTransparent = true);
// The platform's ImageList_Draw with the flags of the style and image type.
void cxDrawImageList(HIMAGELIST imageList, int index, HDC dc, const TPoint& point,
                     TDrawingStyle drawingStyle, TImageType imageType);
// A hatch (see TcxBitmap::DrawHatch) blended over the context's pixels in r.
void cxDrawHatch(HDC dc, const TRect& r, TColor color1, TColor color2, int step,
                 std::uint8_t alpha1 = 255, std::uint8_t alpha2 = 255);
// BitBlt of destRect's size from srcTopLeft to destRect's top-left.
void cxBitBlt(HDC destDC, HDC srcDC, const TRect& destRect, const TPoint& srcTopLeft, DWORD rop);
// From source's r moved by offset2 to destination's r moved by offset1.
void cxCopyImage(TBitmap* source, TBitmap* destination, const TPoint& offset1,
                 const TPoint& offset2, const TRect& r);
// The other way round: from source's r moved by offset1 to destination's r
// moved by offset2.
void cxCopyImage(TCanvas* source, TCanvas* destination, const TPoint& offset1,
                 const TPoint& offset2, const TRect& r);

// ---------------------------------------------------------------- blending

// Blends srcRect of srcDC (per-pixel alpha, premultiplied, and the constant
// alpha) onto destRect of destDC, stretched when the sizes differ; smoothed
// by cxSmoothResizeBitmap when asked and the sizes differ.
void cxAlphaBlend(HDC destDC, HDC srcDC, const TRect& destRect, const TRect& srcRect,
                  bool smoothImage = false, std::uint8_t constantAlpha = 255);
void cxAlphaBlend(HDC destDC, TBitmap* source, const TRect& destRect, const TRect& srcRect,
                  bool smoothImage = false, std::uint8_t constantAlpha = 255);
void cxAlphaBlend(TBitmap* destination, TBitmap* source, const TRect& destRect,
                  const TRect& srcRect, bool smoothImage = false, std::uint8_t constantAlpha = 255);
// Tints r of a 32-bit bitmap (in its canvas's logical coordinates; Bottom and
// Right exclusive) with 'color' at opacity 'alpha'; EInvalidGraphic for
// another pixel format.
void cxAlphaBlend(TBitmap* bitmap, const TRect& r, TColor color, std::uint8_t alpha);
// 'result' becomes 'foreground' over 'background' at constant opacity
// 'alpha'. Without the platform's AlphaBlend the three must have one size
// (EInvalidGraphic otherwise).
void cxAlphaBlend(TBitmap* result, TBitmap* background, TBitmap* foreground, std::uint8_t alpha);

// ---------------------------------------------------------------- cursor

// The size of the current mouse cursor: its mask's width, and the height from
// the hot spot down to the last row its AND mask (or, for a monochrome
// cursor drawn only by its XOR mask, that mask) leaves visible; the system's
// cursor size when the cursor cannot be read.
TSize cxGetCursorSize();
