#include "framework/cxGraphicsImages.h"

#include <algorithm>
#include <cmath>
#include <numbers>

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

// The pixels of a bottom-up 32-bit DIB section, bottom row first.
RGBQUAD* PixelsOf(TBitmap* bitmap) {
  return static_cast<RGBQUAD*>(bitmap->ScanLine(bitmap->Height() - 1));
}

// Round half to even for 0 <= value < 2^22: adding 1.5 x 2^23 leaves no
// fraction bits, so the addition rounds as the processor does (to nearest,
// ties to even), without a library call.
inline float RoundHalfEven(float value) {
  constexpr float kMagic = 12582912.0f;
  return (value + kMagic) - kMagic;
}

// Blends every pixel of 'source' onto the pixel of 'dest' at the same place
// exactly as cxBlendFunction does, with the per-value products looked up.
void BlendPixels(TBitmap* source, TBitmap* dest, std::uint8_t constantAlpha) {
  const float k = static_cast<float>(constantAlpha) / 255.0f;
  float sourceTerm[256];
  float destFactor[256];
  for (int v = 0; v < 256; ++v) {
    sourceTerm[v] = static_cast<float>(v) * k;
    destFactor[v] = 1.0f - (static_cast<float>(v) * k) / 255.0f;
  }
  auto channel = [&](BYTE s, BYTE d, float m) -> BYTE {
    float value = sourceTerm[s] + static_cast<float>(d) * m;
    return value >= 255.0f ? 255 : static_cast<BYTE>(RoundHalfEven(value));
  };
  dest->Canvas()->Changing();
  const RGBQUAD* from = PixelsOf(source);
  RGBQUAD* to = PixelsOf(dest);
  const std::size_t count =
      static_cast<std::size_t>(dest->Width()) * static_cast<std::size_t>(dest->Height());
  for (std::size_t i = 0; i < count; ++i) {
    const RGBQUAD s = from[i];
    RGBQUAD& d = to[i];
    const float m = destFactor[s.rgbReserved];
    d.rgbBlue = channel(s.rgbBlue, d.rgbBlue, m);
    d.rgbGreen = channel(s.rgbGreen, d.rgbGreen, m);
    d.rgbRed = channel(s.rgbRed, d.rgbRed, m);
    d.rgbReserved = channel(s.rgbReserved, d.rgbReserved, m);
  }
  dest->Canvas()->Changed();
}

HDC DCOf(TBitmap* bitmap) { return bitmap->Canvas()->Handle(); }

// The software path of the context-to-context blend.
void SoftwareAlphaBlend(HDC destDC, HDC srcDC, const TRect& destRect, const TRect& srcRect,
                        bool smooth, std::uint8_t constantAlpha) {
  TOwned<TcxBitmap> source(Create<TcxBitmap>(Width(srcRect), Height(srcRect)));
  cxBitBlt(DCOf(source.get()), srcDC, source->ClientRect(), TPoint{srcRect.Left, srcRect.Top},
           SRCCOPY);
  TOwned<TcxBitmap> dest(Create<TcxBitmap>(Width(destRect), Height(destRect)));
  cxBitBlt(DCOf(dest.get()), destDC, dest->ClientRect(), TPoint{destRect.Left, destRect.Top},
           SRCCOPY);
  TOwned<TcxBitmap> resized;
  TcxBitmap* top = source.get();
  if (Width(srcRect) != Width(destRect) || Height(srcRect) != Height(destRect)) {
    resized.reset(Create<TcxBitmap>(Width(destRect), Height(destRect)));
    if (smooth) {
      cxSmoothResizeBitmap(source.get(), resized.get(), true);
    } else {
      HDC resizedDC = DCOf(resized.get());
      int oldMode = ::SetStretchBltMode(resizedDC, COLORONCOLOR);
      ::StretchBlt(resizedDC, 0, 0, resized->Width(), resized->Height(), DCOf(source.get()), 0, 0,
                   source->Width(), source->Height(), SRCCOPY);
      ::SetStretchBltMode(resizedDC, oldMode);
    }
    top = resized.get();
  }
  if (TcxAlphaBlendProc proc = cxAlphaBlendProc()) {
    HDC destBitmapDC = DCOf(dest.get());
    proc(destBitmapDC, 0, 0, dest->Width(), dest->Height(), DCOf(top), 0, 0, top->Width(),
         top->Height(), BlendFunction(constantAlpha, true));
  } else {
    BlendPixels(top, dest.get(), constantAlpha);
  }
  cxBitBlt(destDC, DCOf(dest.get()), destRect, TPoint{0, 0}, SRCCOPY);
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

// ---------------------------------------------------------------- Lanczos-3

float Sinc(float x) {
  if (x == 0.0f)
    return 1.0f;
  const float px = std::numbers::pi_v<float> * x;
  return std::sin(px) / px;
}

float Lanczos3(float x) {
  if (std::fabs(x) >= 3.0f)
    return 0.0f;
  return Sinc(x) * Sinc(x / 3.0f);
}

// A position outside the source, mirrored at the edges (j < 0 uses -j, j >= S
// uses 2S - 1 - j) as often as it takes to land inside: a small source can be
// narrower than the kernel's reach.
int MirrorIntoSource(int j, int size) {
  while (j < 0 || j >= size) {
    if (j < 0)
      j = -j;
    else
      j = 2 * size - 1 - j;
  }
  return j;
}

// One pass along one axis: 'lines' lines of 'count' pixels each, 'stride'
// pixels apart from one line to the next and 'step' pixels apart within one.
struct TResizeAxis {
  int Lines;
  std::size_t SourceLineStride;
  std::size_t SourceStep;
  std::size_t DestLineStride;
  std::size_t DestStep;
};

BYTE ClampSum(int sum) {
  if (sum < 0)
    return 0;
  return static_cast<BYTE>(std::min(sum / 256, 255));
}

void ResamplePass(const RGBQUAD* source, RGBQUAD* dest, const TcxResizeContributors& contributors,
                  const TResizeAxis& axis) {
  for (int line = 0; line < axis.Lines; ++line) {
    const RGBQUAD* sourceLine = source + static_cast<std::size_t>(line) * axis.SourceLineStride;
    RGBQUAD* destLine = dest + static_cast<std::size_t>(line) * axis.DestLineStride;
    for (std::size_t i = 0; i < contributors.size(); ++i) {
      int blue = 0;
      int green = 0;
      int red = 0;
      int alpha = 0;
      for (const TcxResizeContributor& c : contributors[i]) {
        const RGBQUAD& p = sourceLine[static_cast<std::size_t>(c.Pixel) * axis.SourceStep];
        blue += c.Weight * p.rgbBlue;
        green += c.Weight * p.rgbGreen;
        red += c.Weight * p.rgbRed;
        alpha += c.Weight * p.rgbReserved;
      }
      destLine[i * axis.DestStep] = {ClampSum(blue), ClampSum(green), ClampSum(red),
                                     ClampSum(alpha)};
    }
  }
}

void Lanczos3Resize(TBitmap* source, TBitmap* destination) {
  const int sw = source->Width();
  const int sh = source->Height();
  const int dw = destination->Width();
  const int dh = destination->Height();
  TRGBColors pixels = GetBitmapBits(source, false);
  TRGBColors between(static_cast<std::size_t>(dw) * static_cast<std::size_t>(sh));
  ResamplePass(pixels.data(), between.data(), cxLanczos3Contributors(sw, dw),
               {sh, static_cast<std::size_t>(sw), 1, static_cast<std::size_t>(dw), 1});
  TRGBColors result(static_cast<std::size_t>(dw) * static_cast<std::size_t>(dh));
  ResamplePass(between.data(), result.data(), cxLanczos3Contributors(sh, dh),
               {dw, 1, static_cast<std::size_t>(dw), 1, static_cast<std::size_t>(dw)});
  SetBitmapBits(destination, result, false);
}

// Programs of this system run on the NT family only.
constexpr bool kIsWinNT = true;

void HalftoneResize(TBitmap* source, TBitmap* destination) {
  TCanvas* canvas = destination->Canvas();
  canvas->Changing();
  HDC sourceDC = DCOf(source);
  HDC destDC = canvas->Handle();
  int oldMode = ::SetStretchBltMode(destDC, HALFTONE);
  POINT oldOrigin{};
  ::SetBrushOrgEx(destDC, 0, 0, &oldOrigin);
  ::StretchBlt(destDC, 0, 0, destination->Width(), destination->Height(), sourceDC, 0, 0,
               source->Width(), source->Height(), SRCCOPY);
  ::SetStretchBltMode(destDC, oldMode);
  ::SetBrushOrgEx(destDC, oldOrigin.x, oldOrigin.y, nullptr);
  canvas->Changed();
}

// Holds a canvas locked while it lives.
class TCanvasLock {
public:
  explicit TCanvasLock(TCanvas* canvas) : m_canvas(canvas) { m_canvas->Lock(); }
  ~TCanvasLock() { m_canvas->Unlock(); }
  TCanvasLock(const TCanvasLock&) = delete;
  TCanvasLock& operator=(const TCanvasLock&) = delete;

private:
  TCanvas* m_canvas;
};

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

TcxAlphaBlendProc cxAlphaBlendProc() {
  return Binding().Proc;
}

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
  const TRect rect = Rect(glyphRect.Left - backgroundRect.Left, glyphRect.Top - backgroundRect.Top,
                          glyphRect.Right - backgroundRect.Left,
                          glyphRect.Bottom - backgroundRect.Top);

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
  UINT flags = kStyles[static_cast<int>(drawingStyle)] |
               (imageType == TImageType::itMask ? ILD_MASK : 0);
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
  if (Width(destRect) <= 0 || Height(destRect) <= 0 || Width(srcRect) <= 0 ||
      Height(srcRect) <= 0)
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

// ---------------------------------------------------------------- resizing

TcxResizeContributors cxLanczos3Contributors(int sourceSize, int destSize) {
  TcxResizeContributors result(static_cast<std::size_t>(std::max(destSize, 0)));
  if (sourceSize <= 0 || destSize <= 0)
    return result;
  const float ratio = (sourceSize == 1 || destSize == 1)
                          ? static_cast<float>(destSize) / static_cast<float>(sourceSize)
                          : static_cast<float>(destSize - 1) / static_cast<float>(sourceSize - 1);
  const float widen = ratio >= 1.0f ? 1.0f : 1.0f / ratio;
  const float radius = 3.0f * widen;
  for (int i = 0; i < destSize; ++i) {
    const float centre = static_cast<float>(i) / ratio;
    const int first = static_cast<int>(std::floor(centre - radius));
    const int last = static_cast<int>(std::ceil(centre + radius));
    auto& list = result[static_cast<std::size_t>(i)];
    for (int j = first; j <= last; ++j) {
      const float x = (centre - static_cast<float>(j)) / widen;
      const int weight = static_cast<int>(std::nearbyint(Lanczos3(x) / widen * 256.0f));
      if (weight != 0)
        list.push_back({MirrorIntoSource(j, sourceSize), weight});
    }
  }
  return result;
}

void cxSmoothResizeBitmap(TBitmap* source, TBitmap* destination, bool forceUseLanczos3Filter) {
  if (!IsGlyphAssigned(source) || !IsGlyphAssigned(destination))
    return;
  TCanvasLock sourceLock(source->Canvas());
  TCanvasLock destLock(destination->Canvas());
  if (kIsWinNT && !forceUseLanczos3Filter)
    HalftoneResize(source, destination);
  else
    Lanczos3Resize(source, destination);
}
