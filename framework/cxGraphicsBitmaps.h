// 32-bit bitmaps and their per-pixel transformations: TcxBitmap, a bitmap that
// is always 32 bits per pixel, keeps colours that count as transparent and can
// turn itself grey, faded, disabled, dingy, into a mask or a checkerboard
// hatch; plus the pixel routines the canvas and the image drawing share
// (reading and writing the pixels of any bitmap, colour to pixel, the blend of
// one pixel over another, bitmap creation).
//
// A pixel is the platform's RGBQUAD (blue, green, red, reserved in memory);
// the reserved byte is the alpha (0 transparent, 255 opaque). Colour channels
// are premultiplied by the alpha wherever pixels are blended.
//
// Classes in this file: TcxColorList, TcxBitmap.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "platform/graphics/Bitmaps.h"
#include "platform/graphics/GdiHandles.h"
#include "platform/graphics/ImageLists.h"
#include "platform/rtl/Types.h"
#include "platform/rtl/WinApi.h"

using TRGBColors = std::vector<RGBQUAD>;

// A checkerboard of two colours, each blended with its own opacity.
struct TcxHatchData {
  RGBQUAD Color1;
  std::uint8_t Alpha1;
  RGBQUAD Color2;
  std::uint8_t Alpha2;
  std::uint8_t Step; // cell size in pixels
};

// Weights that turn a colour into a grey, and the opacities the image drawing
// uses with the result.
struct TcxColorTransitionMap {
  float RedScale;
  float GreenScale;
  float BlueScale;
  std::uint8_t SrcAlpha;
  std::uint8_t SrcConstantAlpha;
};

// Red and blue weights are exchanged against the usual luminance on purpose:
// this is the library's disabled look.
inline constexpr TcxColorTransitionMap DisableMap{0.0729f, 0.7146f, 0.2125f, 105, 151};
inline constexpr TcxColorTransitionMap FadeMap{0.299f, 0.587f, 0.114f, 192, 64};
inline constexpr TcxColorTransitionMap GrayMap{0.299f, 0.587f, 0.114f, 255, 255};

enum class TcxBitmapTransformationMode {
  btmDingy,
  btmDirty,
  btmGrayScale,
  btmSetOpaque,
  btmMakeMask,
  btmFade,
  btmDisable,
  btmCorrectBlend,
  btmHatch,
  btmClear,
};

// 24-bit pixel values (blue, green, red in the low bytes) that count as
// transparent.
class TcxColorList {
public:
  // Appends the colour (system colours resolved); clNone and clDefault name
  // no colour and add nothing.
  void Add(TColor color);
  void Clear() { m_items.clear(); }
  int Count() const { return static_cast<int>(m_items.size()); }
  std::uint32_t Items(int index) const { return m_items.at(static_cast<std::size_t>(index)); }
  bool Contains(std::uint32_t value) const;

private:
  std::vector<std::uint32_t> m_items;
};

class TcxBitmap : public TBitmap {
  OBJECT_CLASS(TcxBitmap, TBitmap)
public:
  // A width x height bitmap of 32 bits per pixel, cleared; EInvalidGraphic
  // for a negative size.
  TcxBitmap(int width, int height);
  explicit TcxBitmap(const TRect& r);
  TcxBitmap();

  TRect ClientRect() const { return {0, 0, Width(), Height()}; }

  // The pixels, bottom row first, Width x Height of them.
  void GetBitmapColors(TRGBColors& colors);
  // Writes such pixels back; EInvalidGraphic when their number is not
  // Width x Height.
  void SetBitmapColors(const TRGBColors& colors);
  // Whether any pixel's alpha is not 0.
  bool IsAlphaUsed();

  // Every pixel becomes the transparent background colour when it has an
  // alpha, otherwise all bytes 0.
  void Clear();
  // Copies 'bitmap' over the client area with the raster operation.
  void CopyBitmap(TBitmap* bitmap, DWORD copyMode = SRCCOPY);
  void Invert();
  // Clears the bits the mask has set (destination AND NOT mask).
  void Filter(TBitmap* mask);
  // Blends the whole bitmap onto 'rect' of 'destination', stretched when the
  // sizes differ.
  void AlphaBlend(TBitmap* destination, const TRect& rect, bool smoothImage,
                  std::uint8_t constantAlpha = 255);
  // The transparent colour becomes exactly 'transparentColor'; every other
  // pixel without alpha becomes opaque.
  void RecoverAlphaChannel(TColor transparentColor);
  // A checkerboard of 'step' x 'step' cells anchored at the bottom-left
  // corner; EInvalidGraphic for a step of 0.
  void DrawHatch(const TcxHatchData& hatchData);
  void DrawHatch(TColor color1, TColor color2, int step, std::uint8_t alpha1, std::uint8_t alpha2);
  // An embossed look drawn from 'mask' (which is inverted in place).
  void Shade(TBitmap* mask);
  // A shadow of the shape of 'mask', 'shadowSize' pixels down and right.
  void DrawShadow(TcxBitmap* mask, int shadowSize, TColor shadowColor);

  bool IsColorTransparent(const RGBQUAD& pixel) const;
  void TransformBitmap(TcxBitmapTransformationMode mode);

  // The per-pixel operations TransformBitmap runs.
  void Dingy(RGBQUAD& color);
  void Dirty(RGBQUAD& color);
  void GrayScale(RGBQUAD& color);
  void SetOpaque(RGBQUAD& color);
  void MakeMask(RGBQUAD& color);
  void Fade(RGBQUAD& color);
  void Disable(RGBQUAD& color);
  void CorrectBlend(RGBQUAD& color);
  void Hatch(RGBQUAD& color);
  void ClearColor(RGBQUAD& color);
  static void Scale(RGBQUAD& color, const TcxColorTransitionMap& map);

  RGBQUAD TransparentBkColor() const { return m_transparentBkColor; }
  void SetTransparentBkColor(const RGBQUAD& color) { m_transparentBkColor = color; }
  TcxColorList& TransparentPixels() { return m_transparentPixels; }

protected:
  void Changed(TObject* sender) override;

private:
  using TPixelOperation = void (TcxBitmap::*)(RGBQUAD&);

  void ZeroPixels();

  BITMAPINFOHEADER m_bitmapInfo{};
  TMemoryDC m_dc;
  RGBQUAD m_transparentBkColor{};
  TcxColorList m_transparentPixels;
  TPoint m_currentPixelPos{};
  TcxHatchData m_hatchData{};
};

// The pixels of any bitmap, 32 bits each: top row first when topDownDIB.
TRGBColors GetBitmapBits(TBitmap* bitmap, bool topDownDIB);
// Writes such pixels into the bitmap and empties the array; EInvalidGraphic
// when their number is not Width x Height.
void SetBitmapBits(TBitmap* bitmap, TRGBColors& colors, bool topDownDIB);

RGBQUAD cxColorToRGBQuad(TColor color, std::uint8_t reserved = 0);
// 'source' (premultiplied) over 'dest' with the extra opacity
// 'sourceConstantAlpha', in single precision, rounded half to even.
void cxBlendFunction(const RGBQUAD& source, RGBQUAD& dest, std::uint8_t sourceConstantAlpha);

// A new bitmap of the size and format, owned by the caller.
TBitmap* cxCreateBitmap(int width, int height, TPixelFormat format = TPixelFormat::pf24bit);
TBitmap* cxCreateBitmap(const TSize& size, TPixelFormat format = TPixelFormat::pf24bit);
TBitmap* cxCreateBitmap(const TRect& r, TPixelFormat format = TPixelFormat::pf24bit);
// A device-dependent bitmap handle of one plane, owned by the caller.
HBITMAP cxCreateTrueColorBitmapHandle(int width, int height, int bitCount = 32);
TBitmap* cxCreateTrueColorBitmap(int width, int height);
TBitmap* cxCreateTrueColorBitmap(const TSize& size);

bool IsGlyphAssigned(TBitmap* bitmap);
bool IsImageAssigned(TCustomImageList* imageList, int index);
