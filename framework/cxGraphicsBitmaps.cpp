#include "framework/cxGraphicsBitmaps.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "framework/cxGraphicsImages.h"

namespace {

// Opacity of the shadow colour a dirty pixel is blended with, and the blend's
// constant alpha.
constexpr std::uint8_t kDirtyShadowAlpha = 0xC0;
constexpr std::uint8_t kDirtyConstantAlpha = 0xEE;
// Raster operations: destination AND NOT source; where the source bit is 1
// the pattern, else the destination; destination AND pattern AND NOT source.
constexpr DWORD kDestAndNotSource = 0x220326;
constexpr DWORD kPatternWhereSource = 0xE20746;
constexpr DWORD kDestAndPatternAndNotSource = 0x200F09;

BITMAPINFO PixelHeader(int width, int height, bool topDown) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = topDown ? -height : height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

std::size_t PixelCount(TBitmap* bitmap) {
  return static_cast<std::size_t>(bitmap->Width()) * static_cast<std::size_t>(bitmap->Height());
}

TRGBColors ReadPixels(HDC dc, TBitmap* bitmap, bool topDown) {
  TRGBColors colors(PixelCount(bitmap));
  if (colors.empty())
    return colors;
  BITMAPINFO info = PixelHeader(bitmap->Width(), bitmap->Height(), topDown);
  ::GetDIBits(dc, bitmap->Handle(), 0, static_cast<UINT>(bitmap->Height()), colors.data(), &info,
              DIB_RGB_COLORS);
  return colors;
}

void WritePixels(HDC dc, TBitmap* bitmap, const TRGBColors& colors, bool topDown) {
  if (colors.size() != PixelCount(bitmap))
    throw EInvalidGraphic("Pixel count does not match the bitmap size");
  if (colors.empty())
    return;
  TCanvas* canvas = bitmap->Canvas();
  canvas->Changing();
  BITMAPINFO info = PixelHeader(bitmap->Width(), bitmap->Height(), topDown);
  ::SetDIBits(dc, bitmap->Handle(), 0, static_cast<UINT>(bitmap->Height()), colors.data(), &info,
              DIB_RGB_COLORS);
  canvas->Changed();
}

std::uint32_t Rgb24(const RGBQUAD& pixel) {
  return pixel.rgbBlue | (pixel.rgbGreen << 8) | (static_cast<std::uint32_t>(pixel.rgbRed) << 16);
}

bool SamePixel(const RGBQUAD& a, const RGBQUAD& b) {
  return std::memcmp(&a, &b, sizeof(RGBQUAD)) == 0;
}

// Round half to even, as the platform's Round does.
std::uint8_t RoundToByte(float value) { return static_cast<std::uint8_t>(std::nearbyint(value)); }

std::uint8_t DingyChannel(std::uint8_t c) {
  return static_cast<std::uint8_t>(c + ::MulDiv(255 - c, 3, 10));
}

void SelectBrush(TCanvas* canvas) {
  canvas->RequiredState({TCanvasStates::csHandleValid, TCanvasStates::csBrushValid});
}

} // namespace

// ---------------------------------------------------------------- TcxColorList

void TcxColorList::Add(TColor color) {
  if (color == clNone || color == clDefault)
    return;
  RGBQUAD pixel = cxColorToRGBQuad(color);
  m_items.push_back(Rgb24(pixel));
}

bool TcxColorList::Contains(std::uint32_t value) const {
  return std::find(m_items.begin(), m_items.end(), value) != m_items.end();
}

// ---------------------------------------------------------------- TcxBitmap

TcxBitmap::TcxBitmap(int width, int height) {
  if (width < 0 || height < 0)
    throw EInvalidGraphic("Invalid bitmap size");
  m_bitmapInfo = PixelHeader(0, 0, false).bmiHeader;
  SetPixelFormat(TPixelFormat::pf32bit);
  // A new DIB section is all zero, as Clear leaves it.
  SetSize(width, height);
}

TcxBitmap::TcxBitmap(const TRect& r) : TcxBitmap(r.Right - r.Left, r.Bottom - r.Top) {}

TcxBitmap::TcxBitmap() : TcxBitmap(0, 0) {}

void TcxBitmap::Changed(TObject* sender) {
  inherited::Changed(sender);
  m_bitmapInfo.biWidth = Width();
  m_bitmapInfo.biHeight = Height();
}

void TcxBitmap::GetBitmapColors(TRGBColors& colors) {
  colors = ReadPixels(m_dc.Get(), this, false);
}

void TcxBitmap::SetBitmapColors(const TRGBColors& colors) {
  WritePixels(m_dc.Get(), this, colors, false);
}

bool TcxBitmap::IsAlphaUsed() {
  TRGBColors colors;
  GetBitmapColors(colors);
  return std::any_of(colors.begin(), colors.end(),
                     [](const RGBQUAD& pixel) { return pixel.rgbReserved != 0; });
}

void TcxBitmap::Clear() {
  if (m_transparentBkColor.rgbReserved != 0)
    TransformBitmap(TcxBitmapTransformationMode::btmClear);
  else
    ZeroPixels();
}

void TcxBitmap::ZeroPixels() {
  if (Empty())
    return;
  DIBSECTION section{};
  ::GetObjectW(Handle(), sizeof(section), &section);
  if (!section.dsBm.bmBits)
    return;
  Canvas()->Changing();
  ::GdiFlush();
  std::memset(section.dsBm.bmBits, 0,
              static_cast<std::size_t>(section.dsBm.bmWidthBytes) * section.dsBm.bmHeight);
  Canvas()->Changed();
}

void TcxBitmap::CopyBitmap(TBitmap* bitmap, DWORD copyMode) {
  if (!bitmap || bitmap->Empty() || Empty())
    return;
  TCanvas* canvas = Canvas();
  canvas->Changing();
  HDC source = bitmap->Canvas()->Handle();
  cxBitBlt(canvas->Handle(), source, ClientRect(), TPoint{0, 0}, copyMode);
  canvas->Changed();
}

void TcxBitmap::Invert() { CopyBitmap(this, NOTSRCCOPY); }

void TcxBitmap::Filter(TBitmap* mask) { CopyBitmap(mask, kDestAndNotSource); }

void TcxBitmap::AlphaBlend(TBitmap* destination, const TRect& rect, bool smoothImage,
                           std::uint8_t constantAlpha) {
  cxAlphaBlend(destination, this, rect, ClientRect(), smoothImage, constantAlpha);
}

void TcxBitmap::RecoverAlphaChannel(TColor transparentColor) {
  m_transparentPixels.Clear();
  m_transparentPixels.Add(transparentColor);
  m_transparentBkColor = cxColorToRGBQuad(transparentColor, 0);
  TransformBitmap(TcxBitmapTransformationMode::btmCorrectBlend);
}

void TcxBitmap::DrawHatch(const TcxHatchData& hatchData) {
  if (hatchData.Step == 0)
    throw EInvalidGraphic("Hatch step must be at least 1");
  m_hatchData = hatchData;
  TransformBitmap(TcxBitmapTransformationMode::btmHatch);
}

void TcxBitmap::DrawHatch(TColor color1, TColor color2, int step, std::uint8_t alpha1,
                          std::uint8_t alpha2) {
  if (step < 1 || step > 255)
    throw EInvalidGraphic("Hatch step must be from 1 to 255");
  TcxHatchData data{cxColorToRGBQuad(color1, 255), alpha1, cxColorToRGBQuad(color2, 255), alpha2,
                    static_cast<std::uint8_t>(step)};
  DrawHatch(data);
}

void TcxBitmap::Shade(TBitmap* mask) {
  TCanvas* maskCanvas = mask->Canvas();
  maskCanvas->SetCopyMode(PATINVERT);
  SelectBrush(maskCanvas);
  maskCanvas->Draw(0, 0, mask);
  Canvas()->SetCopyMode(SRCCOPY);
  Canvas()->Draw(1, 1, mask);
  Canvas()->SetCopyMode(kPatternWhereSource);
  Canvas()->Brush()->SetColor(clBtnShadow);
  SelectBrush(Canvas());
  Canvas()->Draw(0, 0, mask);
  TransformBitmap(TcxBitmapTransformationMode::btmCorrectBlend);
}

void TcxBitmap::DrawShadow(TcxBitmap* mask, int shadowSize, TColor shadowColor) {
  const int s = shadowSize;
  TOwned<TcxBitmap> shadow(Create<TcxBitmap>(mask->Width(), mask->Height()));
  shadow->CopyBitmap(mask);
  shadow->Canvas()->Brush()->SetColor(shadowColor);
  shadow->Canvas()->SetCopyMode(kDestAndPatternAndNotSource);
  SelectBrush(shadow->Canvas());
  shadow->Canvas()->Draw(s, s, mask);
  shadow->TransformBitmap(TcxBitmapTransformationMode::btmCorrectBlend);

  TCanvas* canvas = Canvas();
  canvas->Changing();
  HDC shadowDC = shadow->Canvas()->Handle();
  HDC dc = canvas->Handle();
  cxBitBlt(dc, shadowDC, Bounds(s, s, Width(), Height()), TPoint{s, s}, SRCPAINT);
  const int half = s / 2;
  cxBitBlt(dc, dc, Bounds(-half, -half, Width(), Height()), TPoint{0, 0}, SRCCOPY);
  canvas->Changed();
  canvas->Brush()->SetColor(clBlack);
  canvas->FillRect(Rect(0, Height() - half, Width(), Height()));
  canvas->FillRect(Rect(Width() - half, 0, Width(), Height()));
}

bool TcxBitmap::IsColorTransparent(const RGBQUAD& pixel) const {
  return SamePixel(pixel, m_transparentBkColor) || m_transparentPixels.Contains(Rgb24(pixel));
}

void TcxBitmap::TransformBitmap(TcxBitmapTransformationMode mode) {
  static constexpr std::array<TPixelOperation, 10> kOperations = {
      &TcxBitmap::Dingy,    &TcxBitmap::Dirty,      &TcxBitmap::GrayScale, &TcxBitmap::SetOpaque,
      &TcxBitmap::MakeMask, &TcxBitmap::Fade,       &TcxBitmap::Disable,   &TcxBitmap::CorrectBlend,
      &TcxBitmap::Hatch,    &TcxBitmap::ClearColor,
  };
  if (Empty())
    return;
  TPixelOperation operation = kOperations[static_cast<std::size_t>(mode)];
  TRGBColors colors;
  GetBitmapColors(colors);
  const int width = Width();
  const int height = Height();
  for (int y = 0; y < height; ++y) {
    RGBQUAD* row = colors.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
    for (int x = 0; x < width; ++x) {
      m_currentPixelPos = {x, y};
      (this->*operation)(row[x]);
    }
  }
  SetBitmapColors(colors);
}

void TcxBitmap::Dingy(RGBQUAD& color) {
  if (IsColorTransparent(color))
    return;
  color.rgbRed = DingyChannel(color.rgbRed);
  color.rgbGreen = DingyChannel(color.rgbGreen);
  color.rgbBlue = DingyChannel(color.rgbBlue);
  color.rgbReserved = DingyChannel(color.rgbReserved);
}

void TcxBitmap::Dirty(RGBQUAD& color) {
  if (IsColorTransparent(color))
    return;
  Scale(color, GrayMap);
  cxBlendFunction(cxColorToRGBQuad(clBtnShadow, kDirtyShadowAlpha), color, kDirtyConstantAlpha);
}

void TcxBitmap::GrayScale(RGBQUAD& color) {
  if (IsColorTransparent(color))
    return;
  auto grey = static_cast<std::uint8_t>((color.rgbRed + color.rgbGreen + color.rgbBlue) / 3);
  color.rgbRed = color.rgbGreen = color.rgbBlue = grey;
}

void TcxBitmap::SetOpaque(RGBQUAD& color) { color.rgbReserved = 255; }

void TcxBitmap::MakeMask(RGBQUAD& color) {
  color = IsColorTransparent(color) ? RGBQUAD{255, 255, 255, 255} : RGBQUAD{0, 0, 0, 0};
}

void TcxBitmap::Fade(RGBQUAD& color) {
  if (!IsColorTransparent(color))
    Scale(color, FadeMap);
}

void TcxBitmap::Disable(RGBQUAD& color) {
  if (!IsColorTransparent(color))
    Scale(color, DisableMap);
}

void TcxBitmap::CorrectBlend(RGBQUAD& color) {
  if (!IsColorTransparent(color) && color.rgbReserved == 0)
    color.rgbReserved = 255;
}

void TcxBitmap::Hatch(RGBQUAD& color) {
  const int step = m_hatchData.Step;
  if ((m_currentPixelPos.X / step + m_currentPixelPos.Y / step) % 2 != 0)
    cxBlendFunction(m_hatchData.Color2, color, m_hatchData.Alpha2);
  else
    cxBlendFunction(m_hatchData.Color1, color, m_hatchData.Alpha1);
}

void TcxBitmap::ClearColor(RGBQUAD& color) { color = m_transparentBkColor; }

void TcxBitmap::Scale(RGBQUAD& color, const TcxColorTransitionMap& map) {
  float grey = static_cast<float>(color.rgbRed) * map.RedScale +
               static_cast<float>(color.rgbGreen) * map.GreenScale +
               static_cast<float>(color.rgbBlue) * map.BlueScale;
  color.rgbRed = color.rgbGreen = color.rgbBlue = RoundToByte(grey);
}

// -------------------------------------------------------- module routines

TRGBColors GetBitmapBits(TBitmap* bitmap, bool topDownDIB) {
  if (!bitmap || bitmap->Empty())
    return {};
  TWindowDC screen;
  return ReadPixels(screen.Get(), bitmap, topDownDIB);
}

void SetBitmapBits(TBitmap* bitmap, TRGBColors& colors, bool topDownDIB) {
  if (!bitmap)
    throw EInvalidGraphic("No bitmap to write pixels into");
  TWindowDC screen;
  WritePixels(screen.Get(), bitmap, colors, topDownDIB);
  colors.clear();
}

RGBQUAD cxColorToRGBQuad(TColor color, std::uint8_t reserved) {
  auto rgb = static_cast<std::uint32_t>(ColorToRGB(color));
  return RGBQUAD{static_cast<BYTE>((rgb >> 16) & 0xFF), static_cast<BYTE>((rgb >> 8) & 0xFF),
                 static_cast<BYTE>(rgb & 0xFF), reserved};
}

void cxBlendFunction(const RGBQUAD& source, RGBQUAD& dest, std::uint8_t sourceConstantAlpha) {
  const float k = static_cast<float>(sourceConstantAlpha) / 255.0f;
  const float m = 1.0f - (static_cast<float>(source.rgbReserved) * k) / 255.0f;
  auto blend = [k, m](BYTE s, BYTE d) -> BYTE {
    float value = static_cast<float>(s) * k + static_cast<float>(d) * m;
    return value >= 255.0f ? 255 : RoundToByte(value);
  };
  dest.rgbBlue = blend(source.rgbBlue, dest.rgbBlue);
  dest.rgbGreen = blend(source.rgbGreen, dest.rgbGreen);
  dest.rgbRed = blend(source.rgbRed, dest.rgbRed);
  dest.rgbReserved = blend(source.rgbReserved, dest.rgbReserved);
}

TBitmap* cxCreateBitmap(int width, int height, TPixelFormat format) {
  TOwned<TBitmap> bitmap(Create<TBitmap>());
  bitmap->SetPixelFormat(format);
  bitmap->SetSize(width, height);
  return bitmap.release();
}

TBitmap* cxCreateBitmap(const TSize& size, TPixelFormat format) {
  return cxCreateBitmap(size.cx, size.cy, format);
}

TBitmap* cxCreateBitmap(const TRect& r, TPixelFormat format) {
  return cxCreateBitmap(r.Right - r.Left, r.Bottom - r.Top, format);
}

HBITMAP cxCreateTrueColorBitmapHandle(int width, int height, int bitCount) {
  return ::CreateBitmap(width, height, 1, static_cast<UINT>(bitCount), nullptr);
}

TBitmap* cxCreateTrueColorBitmap(int width, int height) {
  TOwned<TBitmap> bitmap(Create<TBitmap>());
  bitmap->SetHandle(cxCreateTrueColorBitmapHandle(width, height));
  return bitmap.release();
}

TBitmap* cxCreateTrueColorBitmap(const TSize& size) {
  return cxCreateTrueColorBitmap(size.cx, size.cy);
}

bool IsGlyphAssigned(TBitmap* bitmap) { return bitmap && !bitmap->Empty(); }

bool IsImageAssigned(TCustomImageList* imageList, int index) {
  return imageList && index >= 0 && index < imageList->Count();
}
