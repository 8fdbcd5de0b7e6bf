#include "framework/cxGraphicsImages.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>

#include <emmintrin.h>

#include "framework/cxImageList.h"

TcxDrawImageProc CustomDrawImageProc;

namespace {

// ---------------------------------------------------------------- binding

struct TAlphaBlendBinding {
  HMODULE Library = nullptr;
  TcxAlphaBlendProc Proc = nullptr;
  int Count = 0;
};

TAlphaBlendBinding& Binding() {
  static TAlphaBlendBinding binding;
  return binding;
}

// ---------------------------------------------------------------- helpers

int Width(const TRect& r) { return r.Right - r.Left; }
int Height(const TRect& r) { return r.Bottom - r.Top; }

BLENDFUNCTION BlendFunction(std::uint8_t constantAlpha, bool perPixelAlpha) {
  return BLENDFUNCTION{AC_SRC_OVER, 0, constantAlpha,
                       static_cast<BYTE>(perPixelAlpha ? AC_SRC_ALPHA : 0)};
}

// The blend of cxBlendFunction for every channel of four pixels at once, in
// the same single-precision operations (so the results are identical):
// value = s x k + d x m, rounded as the processor rounds (to nearest, ties to
// even, as nearbyint does); the packing to bytes saturates values from 255 up
// to 255.
class TPixelBlender {
public:
  explicit TPixelBlender(std::uint8_t constantAlpha)
      : m_k(_mm_set1_ps(static_cast<float>(constantAlpha) / 255.0f)) {
    const float k = static_cast<float>(constantAlpha) / 255.0f;
    for (int v = 0; v < 256; ++v)
      m_destFactor[v] = 1.0f - (static_cast<float>(v) * k) / 255.0f;
  }

  // Blends 'count' pixels of 'source' onto 'dest'.
  void Blend(const RGBQUAD* source, RGBQUAD* dest, std::size_t count) const {
    std::size_t i = 0;
    for (; i + 4 <= count; i += 4) {
      __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(source + i));
      __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(dest + i));
      __m128i s16lo = _mm_unpacklo_epi8(s, _mm_setzero_si128());
      __m128i s16hi = _mm_unpackhi_epi8(s, _mm_setzero_si128());
      __m128i d16lo = _mm_unpacklo_epi8(d, _mm_setzero_si128());
      __m128i d16hi = _mm_unpackhi_epi8(d, _mm_setzero_si128());
      __m128i r0 = BlendOne(s16lo, d16lo, source[i].rgbReserved, false);
      __m128i r1 = BlendOne(s16lo, d16lo, source[i + 1].rgbReserved, true);
      __m128i r2 = BlendOne(s16hi, d16hi, source[i + 2].rgbReserved, false);
      __m128i r3 = BlendOne(s16hi, d16hi, source[i + 3].rgbReserved, true);
      __m128i packed = _mm_packus_epi16(_mm_packs_epi32(r0, r1), _mm_packs_epi32(r2, r3));
      _mm_storeu_si128(reinterpret_cast<__m128i*>(dest + i), packed);
    }
    for (; i < count; ++i) {
      __m128i s = _mm_unpacklo_epi8(_mm_cvtsi32_si128(Bits(source[i])), _mm_setzero_si128());
      __m128i d = _mm_unpacklo_epi8(_mm_cvtsi32_si128(Bits(dest[i])), _mm_setzero_si128());
      __m128i r = BlendOne(s, d, source[i].rgbReserved, false);
      __m128i packed = _mm_packus_epi16(_mm_packs_epi32(r, r), _mm_setzero_si128());
      int bits = _mm_cvtsi128_si32(packed);
      std::memcpy(&dest[i], &bits, sizeof(bits));
    }
  }

private:
  static int Bits(const RGBQUAD& pixel) {
    int bits;
    std::memcpy(&bits, &pixel, sizeof(bits));
    return bits;
  }

  // One pixel of two held as 16-bit channels (the high one when 'high').
  __m128i BlendOne(__m128i source16, __m128i dest16, BYTE sourceAlpha, bool high) const {
    const __m128i zero = _mm_setzero_si128();
    __m128i s32 = high ? _mm_unpackhi_epi16(source16, zero) : _mm_unpacklo_epi16(source16, zero);
    __m128i d32 = high ? _mm_unpackhi_epi16(dest16, zero) : _mm_unpacklo_epi16(dest16, zero);
    const __m128 m = _mm_set1_ps(m_destFactor[sourceAlpha]);
    __m128 value =
        _mm_add_ps(_mm_mul_ps(_mm_cvtepi32_ps(s32), m_k), _mm_mul_ps(_mm_cvtepi32_ps(d32), m));
    return _mm_cvtps_epi32(value);
  }

  __m128 m_k;
  float m_destFactor[256];
};

HDC DCOf(TBitmap* bitmap) { return bitmap->Canvas()->Handle(); }

// An area of a 32-bit DIB section reached in place: its top row and the
// distance from one row to the next (negative for a bottom-up picture).
struct TPixelArea {
  BYTE* Top;
  std::ptrdiff_t Stride;

  RGBQUAD* Row(int y) const { return reinterpret_cast<RGBQUAD*>(Top + y * Stride); }
};

// The pixels under 'r' when the context has a 32-bit DIB section selected,
// maps logical to device pixels by an offset only and holds all of 'r'
// (and, for writing, clips none of it away); otherwise nothing, and callers
// copy the pixels out with the platform's blits.
std::optional<TPixelArea> DirectPixels(HDC dc, const TRect& r, bool forWriting) {
  if (::GetMapMode(dc) != MM_TEXT || ::GetGraphicsMode(dc) != GM_COMPATIBLE)
    return std::nullopt;
  auto bitmap = static_cast<HBITMAP>(::GetCurrentObject(dc, OBJ_BITMAP));
  DIBSECTION section{};
  if (!bitmap || ::GetObjectW(bitmap, sizeof(section), &section) != sizeof(section) ||
      section.dsBm.bmBitsPixel != 32 || section.dsBmih.biCompression != BI_RGB ||
      !section.dsBm.bmBits)
    return std::nullopt;
  POINT corners[2] = {{r.Left, r.Top}, {r.Right, r.Bottom}};
  ::LPtoDP(dc, corners, 2);
  const int width = section.dsBm.bmWidth;
  const int height = section.dsBm.bmHeight;
  if (corners[0].x < 0 || corners[0].y < 0 || corners[1].x > width || corners[1].y > height)
    return std::nullopt;
  if (forWriting) {
    RECT box{};
    if (::GetClipBox(dc, &box) != SIMPLEREGION || box.left > r.Left || box.top > r.Top ||
        box.right < r.Right || box.bottom < r.Bottom)
      return std::nullopt;
  }
  ::GdiFlush();
  const std::ptrdiff_t stride = section.dsBm.bmWidthBytes;
  const bool bottomUp = section.dsBmih.biHeight > 0;
  auto* bits = static_cast<BYTE*>(section.dsBm.bmBits);
  const int row = bottomUp ? height - 1 - corners[0].y : corners[0].y;
  return TPixelArea{bits + row * stride + corners[0].x * 4, bottomUp ? -stride : stride};
}

TPixelArea PixelAreaOf(TBitmap* bitmap) {
  return *DirectPixels(DCOf(bitmap), Rect(0, 0, bitmap->Width(), bitmap->Height()), false);
}

// Blends the pixels of 'source' onto those of 'dest' exactly as
// cxBlendFunction does, row by row.
void BlendPixels(const TPixelArea& source, const TPixelArea& dest, int width, int height,
                 std::uint8_t constantAlpha) {
  const TPixelBlender blender(constantAlpha);
  for (int y = 0; y < height; ++y)
    blender.Blend(source.Row(y), dest.Row(y), static_cast<std::size_t>(width));
}

// A copy of srcRect of the context in a bitmap of 'size', stretched (smoothly
// when asked) when the sizes differ.
TOwned<TcxBitmap> CopyPixels(HDC srcDC, const TRect& srcRect, const TSize& size, bool smooth) {
  TOwned<TcxBitmap> source(Create<TcxBitmap>(Width(srcRect), Height(srcRect)));
  cxBitBlt(DCOf(source.get()), srcDC, source->ClientRect(), TPoint{srcRect.Left, srcRect.Top},
           SRCCOPY);
  if (size.cx == source->Width() && size.cy == source->Height())
    return source;
  TOwned<TcxBitmap> resized(Create<TcxBitmap>(size.cx, size.cy));
  if (smooth) {
    cxSmoothResizeBitmap(source.get(), resized.get(), true);
  } else {
    HDC resizedDC = DCOf(resized.get());
    int oldMode = ::SetStretchBltMode(resizedDC, COLORONCOLOR);
    ::StretchBlt(resizedDC, 0, 0, size.cx, size.cy, DCOf(source.get()), 0, 0, source->Width(),
                 source->Height(), SRCCOPY);
    ::SetStretchBltMode(resizedDC, oldMode);
  }
  return resized;
}

// The software path of the context-to-context blend: the source pixels (of
// the destination's size) are blended onto the destination's, in place where
// both contexts allow it, through copies otherwise.
void SoftwareAlphaBlend(HDC destDC, HDC srcDC, const TRect& destRect, const TRect& srcRect,
                        bool smooth, std::uint8_t constantAlpha) {
  const TSize size{Width(destRect), Height(destRect)};
  const bool resize = size.cx != Width(srcRect) || size.cy != Height(srcRect);
  TcxAlphaBlendProc proc = cxAlphaBlendProc();
  std::optional<TPixelArea> top =
      resize || proc ? std::nullopt : DirectPixels(srcDC, srcRect, false);
  TOwned<TcxBitmap> topCopy;
  if (!top) {
    topCopy = CopyPixels(srcDC, srcRect, size, smooth);
    top = PixelAreaOf(topCopy.get());
  }
  if (!proc) {
    if (std::optional<TPixelArea> dest = DirectPixels(destDC, destRect, true)) {
      BlendPixels(*top, *dest, size.cx, size.cy, constantAlpha);
      return;
    }
  }
  TOwned<TcxBitmap> dest(Create<TcxBitmap>(size.cx, size.cy));
  HDC destCopyDC = DCOf(dest.get());
  cxBitBlt(destCopyDC, destDC, dest->ClientRect(), TPoint{destRect.Left, destRect.Top}, SRCCOPY);
  if (proc)
    proc(destCopyDC, 0, 0, size.cx, size.cy, DCOf(topCopy.get()), 0, 0, size.cx, size.cy,
         BlendFunction(constantAlpha, true));
  else
    BlendPixels(*top, PixelAreaOf(dest.get()), size.cx, size.cy, constantAlpha);
  cxBitBlt(destDC, destCopyDC, destRect, TPoint{0, 0}, SRCCOPY);
}

bool SameSize(TBitmap* a, TBitmap* b) {
  return a->Width() == b->Width() && a->Height() == b->Height();
}

// Every byte of 'result' becomes round(k x foreground) + round((1 - k) x
// background), capped at 255 (the two roundings can add up to 256).
void MixBitmaps(TBitmap* result, TBitmap* background, TBitmap* foreground, std::uint8_t alpha) {
  if (!SameSize(result, background) || !SameSize(result, foreground))
    throw EInvalidGraphic("Bitmaps to mix must have the same size");
  const double k = alpha / 255.0;
  std::uint8_t foregroundTerm[256];
  std::uint8_t backgroundTerm[256];
  for (int v = 0; v < 256; ++v) {
    foregroundTerm[v] = static_cast<std::uint8_t>(std::nearbyint(k * v));
    backgroundTerm[v] = static_cast<std::uint8_t>(std::nearbyint(v * (1.0 - k)));
  }
  TRGBColors front = GetBitmapBits(foreground, false);
  TRGBColors back = GetBitmapBits(background, false);
  TRGBColors mixed(front.size());
  auto mix = [&](BYTE f, BYTE b) {
    return static_cast<BYTE>(std::min(foregroundTerm[f] + backgroundTerm[b], 255));
  };
  for (std::size_t i = 0; i < mixed.size(); ++i) {
    mixed[i] = {mix(front[i].rgbBlue, back[i].rgbBlue), mix(front[i].rgbGreen, back[i].rgbGreen),
                mix(front[i].rgbRed, back[i].rgbRed),
                mix(front[i].rgbReserved, back[i].rgbReserved)};
  }
  SetBitmapBits(result, mixed, false);
}

int ScreenBitsPerPixel() {
  TWindowDC screen;
  return ::GetDeviceCaps(screen.Get(), BITSPIXEL) * ::GetDeviceCaps(screen.Get(), PLANES);
}

// ---------------------------------------------------------------- cxDrawImage

// Reads the image to draw into a bitmap of its own size: the glyph, or the
// image-list image.
TOwned<TcxBitmap> ReadImage(TBitmap* glyph, TCustomImageList* images, int imageIndex) {
  if (glyph) {
    TOwned<TcxBitmap> image(Create<TcxBitmap>(glyph->Width(), glyph->Height()));
    image->CopyBitmap(glyph);
    return image;
  }
  TOwned<TcxBitmap> image(Create<TcxBitmap>(images->Width(), images->Height()));
  TcxImageList::GetImageInfo(images->Handle(), imageIndex, image.get(), nullptr);
  return image;
}

// The mask of 'image': white where it is transparent, black elsewhere.
TOwned<TcxBitmap> MakeImageMask(TcxBitmap* image, bool alphaUsed, TBitmap* glyph,
                                TCustomImageList* images, int imageIndex, TColor transparentColor,
                                bool useLeftBottomPixelAsTransparent) {
  TOwned<TcxBitmap> mask(Create<TcxBitmap>(image->Width(), image->Height()));
  mask->CopyBitmap(image);
  if (!alphaUsed) {
    if (!glyph) {
      TOwned<TcxBitmap> listMask(Create<TcxBitmap>(image->Width(), image->Height()));
      TcxImageList::GetImageInfo(images->Handle(), imageIndex, nullptr, listMask.get());
      listMask->TransformBitmap(TcxBitmapTransformationMode::btmCorrectBlend);
      mask->Filter(listMask.get());
    }
    mask->TransparentPixels().Add(transparentColor);
    if (useLeftBottomPixelAsTransparent && glyph)
      mask->TransparentPixels().Add(mask->TransparentColor());
  }
  mask->TransformBitmap(TcxBitmapTransformationMode::btmMakeMask);
  return mask;
}

// Applies the look of the draw mode to 'image'; answers the opacity to blend
// it with.
std::uint8_t ApplyDrawMode(TcxBitmap* image, TcxBitmap* mask, bool alphaUsed,
                           TcxImageDrawMode drawMode) {
  using enum TcxBitmapTransformationMode;
  switch (drawMode) {
    case TcxImageDrawMode::idmNormal:
      return 255;
    case TcxImageDrawMode::idmDisabled:
      if (alphaUsed) {
        image->TransformBitmap(btmDisable);
        return DisableMap.SrcConstantAlpha;
      }
      image->TransformBitmap(btmDirty);
      image->DrawShadow(mask, 1, clBtnHighlight);
      return 255;
    case TcxImageDrawMode::idmFaded:
      image->TransformBitmap(btmFade);
      return FadeMap.SrcConstantAlpha;
    case TcxImageDrawMode::idmGrayScale:
      image->TransformBitmap(btmGrayScale);
      return 255;
    case TcxImageDrawMode::idmDingy:
      image->TransformBitmap(btmDingy);
      return 255;
    case TcxImageDrawMode::idmShadowed:
      image->DrawShadow(mask, 2, clBtnShadow);
      return 255;
  }
  return 255;
}

} // namespace

// ---------------------------------------------------------------- binding

void cxBindAlphaBlend() {
  TAlphaBlendBinding& binding = Binding();
  if (binding.Count++ > 0)
    return;
  binding.Library = ::LoadLibraryA("msimg32.dll");
  FARPROC proc = binding.Library ? ::GetProcAddress(binding.Library, "AlphaBlend") : nullptr;
  binding.Proc = reinterpret_cast<TcxAlphaBlendProc>(reinterpret_cast<void*>(proc));
}

void cxUnbindAlphaBlend() {
  TAlphaBlendBinding& binding = Binding();
  if (binding.Count == 0 || --binding.Count > 0)
    return;
  binding.Proc = nullptr;
  if (binding.Library)
    ::FreeLibrary(std::exchange(binding.Library, nullptr));
}

TcxAlphaBlendProc cxAlphaBlendProc() { return Binding().Proc; }

TcxAlphaBlendProc cxSetAlphaBlendProc(TcxAlphaBlendProc proc) {
  return std::exchange(Binding().Proc, proc);
}

// ---------------------------------------------------------------- drawing

void cxDrawImage(HDC dc, const TRect& glyphRect, const TRect& backgroundRect, TBitmap* glyph,
                 TCustomImageList* images, int imageIndex, TcxImageDrawMode drawMode,
                 bool smoothImage, HBRUSH brush, TColor transparentColor,
                 bool useLeftBottomPixelAsTransparent) {
  if (!IsGlyphAssigned(glyph)) {
    glyph = nullptr;
    if (!IsImageAssigned(images, imageIndex))
      return;
  }
  if (Width(backgroundRect) <= 0 || Height(backgroundRect) <= 0)
    return;
  TOwned<TcxBitmap> background(Create<TcxBitmap>(backgroundRect));
  HDC backgroundDC = DCOf(background.get());
  if (brush)
    ::FillRect(backgroundDC, AsRECT(background->ClientRect()), brush);
  else
    cxBitBlt(backgroundDC, dc, background->ClientRect(),
             TPoint{backgroundRect.Left, backgroundRect.Top}, SRCCOPY);
  const TRect rect =
      Rect(glyphRect.Left - backgroundRect.Left, glyphRect.Top - backgroundRect.Top,
           glyphRect.Right - backgroundRect.Left, glyphRect.Bottom - backgroundRect.Top);

  bool drawn = CustomDrawImageProc &&
               CustomDrawImageProc(background->Canvas(), images, imageIndex, glyph, rect, drawMode);
  if (!drawn) {
    TOwned<TcxBitmap> image = ReadImage(glyph, images, imageIndex);
    const bool alphaUsed = image->IsAlphaUsed();
    if (!alphaUsed)
      image->TransformBitmap(TcxBitmapTransformationMode::btmSetOpaque);
    TOwned<TcxBitmap> mask = MakeImageMask(image.get(), alphaUsed, glyph, images, imageIndex,
                                           transparentColor, useLeftBottomPixelAsTransparent);
    image->Filter(mask.get());
    std::uint8_t alpha = ApplyDrawMode(image.get(), mask.get(), alphaUsed, drawMode);
    image->AlphaBlend(background.get(), rect, smoothImage, alpha);
  }
  cxBitBlt(dc, DCOf(background.get()), backgroundRect, TPoint{0, 0}, SRCCOPY);
}

void cxDrawImageList(HIMAGELIST imageList, int index, HDC dc, const TPoint& point,
                     TDrawingStyle drawingStyle, TImageType imageType) {
  static constexpr UINT kStyles[] = {ILD_FOCUS, ILD_SELECTED, ILD_NORMAL, ILD_TRANSPARENT};
  UINT flags =
      kStyles[static_cast<int>(drawingStyle)] | (imageType == TImageType::itMask ? ILD_MASK : 0);
  ImageList_Draw(imageList, index, dc, point.X, point.Y, flags);
}

void cxDrawHatch(HDC dc, const TRect& r, TColor color1, TColor color2, int step,
                 std::uint8_t alpha1, std::uint8_t alpha2) {
  if (Width(r) <= 0 || Height(r) <= 0)
    return;
  TOwned<TcxBitmap> bitmap(Create<TcxBitmap>(r));
  cxBitBlt(DCOf(bitmap.get()), dc, bitmap->ClientRect(), TPoint{r.Left, r.Top}, SRCCOPY);
  bitmap->DrawHatch(color1, color2, step, alpha1, alpha2);
  cxBitBlt(dc, DCOf(bitmap.get()), r, TPoint{0, 0}, SRCCOPY);
}

void cxBitBlt(HDC destDC, HDC srcDC, const TRect& destRect, const TPoint& srcTopLeft, DWORD rop) {
  ::BitBlt(destDC, destRect.Left, destRect.Top, Width(destRect), Height(destRect), srcDC,
           srcTopLeft.X, srcTopLeft.Y, rop);
}

namespace {
TRect Moved(const TRect& r, const TPoint& offset) {
  return Rect(r.Left + offset.X, r.Top + offset.Y, r.Right + offset.X, r.Bottom + offset.Y);
}
} // namespace

void cxCopyImage(TBitmap* source, TBitmap* destination, const TPoint& offset1,
                 const TPoint& offset2, const TRect& r) {
  destination->Canvas()->CopyRect(Moved(r, offset1), source->Canvas(), Moved(r, offset2));
}

void cxCopyImage(TCanvas* source, TCanvas* destination, const TPoint& offset1,
                 const TPoint& offset2, const TRect& r) {
  destination->CopyRect(Moved(r, offset2), source, Moved(r, offset1));
}

// ---------------------------------------------------------------- blending

void cxAlphaBlend(HDC destDC, HDC srcDC, const TRect& destRect, const TRect& srcRect,
                  bool smoothImage, std::uint8_t constantAlpha) {
  if (Width(destRect) <= 0 || Height(destRect) <= 0 || Width(srcRect) <= 0 || Height(srcRect) <= 0)
    return;
  const bool smooth =
      smoothImage && (Width(destRect) != Width(srcRect) || Height(destRect) != Height(srcRect));
  TcxAlphaBlendProc proc = cxAlphaBlendProc();
  if (proc && !smooth) {
    proc(destDC, destRect.Left, destRect.Top, Width(destRect), Height(destRect), srcDC,
         srcRect.Left, srcRect.Top, Width(srcRect), Height(srcRect),
         BlendFunction(constantAlpha, true));
    return;
  }
  SoftwareAlphaBlend(destDC, srcDC, destRect, srcRect, smooth, constantAlpha);
}

void cxAlphaBlend(HDC destDC, TBitmap* source, const TRect& destRect, const TRect& srcRect,
                  bool smoothImage, std::uint8_t constantAlpha) {
  if (!IsGlyphAssigned(source))
    return;
  TCanvas* canvas = source->Canvas();
  TCanvasLock lock(canvas);
  cxAlphaBlend(destDC, canvas->Handle(), destRect, srcRect, smoothImage, constantAlpha);
}

void cxAlphaBlend(TBitmap* destination, TBitmap* source, const TRect& destRect,
                  const TRect& srcRect, bool smoothImage, std::uint8_t constantAlpha) {
  if (!IsGlyphAssigned(destination))
    return;
  TCanvas* canvas = destination->Canvas();
  canvas->Changing();
  cxAlphaBlend(canvas->Handle(), source, destRect, srcRect, smoothImage, constantAlpha);
  canvas->Changed();
}

void cxAlphaBlend(TBitmap* bitmap, const TRect& r, TColor color, std::uint8_t alpha) {
  if (!IsGlyphAssigned(bitmap))
    return;
  if (bitmap->PixelFormat() != TPixelFormat::pf32bit)
    throw EInvalidGraphic("Tinting needs a 32-bit bitmap");
  const double k = alpha / 255.0;
  const double m = 1.0 - k;
  const auto rgb = static_cast<std::uint32_t>(ColorToRGB(color));
  const int addend[4] = {static_cast<int>(std::nearbyint(((rgb >> 16) & 0xFF) * k)),
                         static_cast<int>(std::nearbyint(((rgb >> 8) & 0xFF) * k)),
                         static_cast<int>(std::nearbyint((rgb & 0xFF) * k)), 0};
  int scaled[256];
  for (int v = 0; v < 256; ++v)
    scaled[v] = static_cast<int>(std::nearbyint(v * m));
  POINT origin{};
  ::GetWindowOrgEx(bitmap->Canvas()->Handle(), &origin);
  const int left = std::max(r.Left - origin.x, 0);
  const int right = std::min(r.Right - origin.x, bitmap->Width());
  const int top = std::max(r.Top - origin.y, 0);
  const int bottom = std::min(r.Bottom - origin.y, bitmap->Height());
  bitmap->Canvas()->Changing();
  for (int y = top; y < bottom; ++y) {
    auto* line = static_cast<BYTE*>(bitmap->ScanLine(y));
    for (int i = 4 * left; i < 4 * right; ++i)
      line[i] = static_cast<BYTE>(std::min(scaled[line[i]] + addend[i % 4], 255));
  }
  bitmap->Canvas()->Changed();
}

void cxAlphaBlend(TBitmap* result, TBitmap* background, TBitmap* foreground, std::uint8_t alpha) {
  if (!result || !background || !foreground)
    throw EInvalidGraphic("No bitmap to mix");
  if (TcxAlphaBlendProc proc = cxAlphaBlendProc(); proc && !result->Empty()) {
    TCanvas* canvas = result->Canvas();
    canvas->Changing();
    const TRect area = Rect(0, 0, result->Width(), result->Height());
    HDC backgroundDC = IsGlyphAssigned(background) ? DCOf(background) : nullptr;
    HDC foregroundDC = IsGlyphAssigned(foreground) ? DCOf(foreground) : nullptr;
    HDC dc = canvas->Handle();
    if (backgroundDC)
      cxBitBlt(dc, backgroundDC, Rect(0, 0, background->Width(), background->Height()),
               TPoint{0, 0}, SRCCOPY);
    bool done = foregroundDC && proc(dc, 0, 0, Width(area), Height(area), foregroundDC, 0, 0,
                                     Width(area), Height(area), BlendFunction(alpha, false));
    canvas->Changed();
    if (done)
      return;
  }
  const int bits = ScreenBitsPerPixel();
  if (bits == 16 || bits == 24 || bits == 32) {
    MixBitmaps(result, background, foreground, alpha);
    return;
  }
  result->Canvas()->Draw(0, 0, foreground);
}

// ---------------------------------------------------------------- cursor

namespace {

// The number of bytes after the first of 'bytes' that differs from 'blank'
// (0 when all equal it).
std::size_t BytesAfterFirstDifferent(const BYTE* bytes, std::size_t count, BYTE blank) {
  for (std::size_t i = 0; i < count; ++i)
    if (bytes[i] != blank)
      return count - i - 1;
  return 0;
}

// The mask's rows bottom row first (as a DIB holds them), 32-bit aligned.
std::vector<BYTE> MaskRowsBottomUp(HBITMAP mask, int width, int height) {
  const std::size_t rowSize = static_cast<std::size_t>((width + 31) / 32 * 4);
  std::vector<BYTE> bits(rowSize * static_cast<std::size_t>(height));
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colors[2];
  } info{};
  info.header.biSize = sizeof(BITMAPINFOHEADER);
  info.header.biWidth = width;
  info.header.biHeight = height;
  info.header.biPlanes = 1;
  info.header.biBitCount = 1;
  info.header.biCompression = BI_RGB;
  TWindowDC screen;
  if (!::GetDIBits(screen.Get(), mask, 0, static_cast<UINT>(height), bits.data(),
                   reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS))
    bits.clear();
  return bits;
}

} // namespace

TSize cxGetCursorSize() {
  TSize size{::GetSystemMetrics(SM_CXCURSOR), ::GetSystemMetrics(SM_CYCURSOR)};
  ICONINFO info{};
  HCURSOR cursor = ::GetCursor();
  if (!cursor || !::GetIconInfo(cursor, &info))
    return size;
  TOwnedBitmap mask(info.hbmMask);
  TOwnedBitmap color(info.hbmColor);
  BITMAP data{};
  if (!mask || !::GetObjectW(mask.Get(), sizeof(data), &data) || data.bmBitsPixel != 1 ||
      data.bmWidth <= 0 || data.bmHeight <= 0)
    return size;
  // A monochrome cursor's mask holds the AND mask above the XOR mask; a
  // colour cursor's holds the AND mask only. Read bottom row first, the AND
  // mask comes last.
  const int andHeight = color ? data.bmHeight : data.bmHeight / 2;
  const std::size_t rowSize = static_cast<std::size_t>((data.bmWidth + 31) / 32 * 4);
  std::vector<BYTE> bits = MaskRowsBottomUp(mask.Get(), data.bmWidth, data.bmHeight);
  if (bits.empty() || andHeight <= 0)
    return size;
  const std::size_t andBytes = rowSize * static_cast<std::size_t>(andHeight);
  const BYTE* andMask = bits.data() + bits.size() - andBytes;
  std::size_t after = BytesAfterFirstDifferent(andMask, andBytes, 0xFF);
  if (after == 0 && !color)
    after = BytesAfterFirstDifferent(andMask - andBytes, andBytes, 0x00);
  size.cx = data.bmWidth;
  size.cy = static_cast<int>(after / rowSize) - static_cast<int>(info.yHotspot);
  return size;
}
