#include "framework/cxGraphicsColors.h"

#include <algorithm>
#include <array>
#include <climits>

#include "framework/cxGeometry.h"
#include "platform/graphics/GdiHandles.h"

namespace {

struct TSharedObjects {
  std::array<TOwned<TBrush>, kLastSystemColorIndex + 1> systemBrushes;
  TOwned<TBrush> halfTone;
};

TSharedObjects* g_shared = nullptr;

TOwned<TBrush> MakeHalfToneBrush() {
  static const WORD kPattern[8] = {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55};
  TOwnedBitmap pattern(::CreateBitmap(8, 8, 1, 1, kPattern));
  HBRUSH handle = pattern ? ::CreatePatternBrush(pattern.Get()) : nullptr;
  if (!handle)
    throw EOutOfMemory("Out of system resources");
  TOwned<TBrush> brush(Create<TBrush>());
  brush->SetHandle(handle, THandleOwnership::Owned);
  return brush;
}

TSharedObjects& Shared() {
  if (!g_shared)
    throw EInvalidOperation("The graphics unit is not started");
  return *g_shared;
}

int Channel(TColor rgb, int shift) { return (rgb >> shift) & 0xFF; }

TColor FromChannels(int red, int green, int blue) {
  return static_cast<TColor>(red | (green << 8) | (blue << 16));
}

TRect MeasureText(HDC dc, const std::string& text, const TRect& bounds, UINT format) {
  TRect r = bounds;
  cxDrawText(dc, text, r, DT_CALCRECT | format);
  return r;
}

} // namespace

// ---------------------------------------------------------------- colours

TColor GetRealColor(TColor color) {
  TWindowDC screen;
  return static_cast<TColor>(
      ::GetNearestColor(screen.Get(), static_cast<COLORREF>(ColorToRGB(color)) & 0xFFFFFF) &
      0xFFFFFF);
}

TColor GetLightColor(TcxColorPart btnFacePart, TcxColorPart highlightPart,
                     TcxColorPart windowPart) {
  TColor face = ColorToRGB(clBtnFace);
  TColor highlight = ColorToRGB(clHighlight);
  TColor window = ColorToRGB(clWindow);
  if (face == clBlack || face == clWhite)
    return highlight;
  int channels[3];
  for (int i = 0; i < 3; ++i) {
    int shift = 8 * i;
    int mixed = ::MulDiv(Channel(face, shift), btnFacePart, 100) +
                ::MulDiv(Channel(highlight, shift), highlightPart, 100) +
                ::MulDiv(Channel(window, shift), windowPart, 100);
    channels[i] = std::clamp(mixed, 0, 255);
  }
  return FromChannels(channels[0], channels[1], channels[2]);
}

TColor GetLightBtnFaceColor() {
  TColor face = ColorToRGB(clBtnFace);
  int channels[3];
  for (int i = 0; i < 3; ++i) {
    int c = Channel(face, 8 * i);
    channels[i] = c + ::MulDiv(255 - c, 16, 100);
  }
  return GetRealColor(FromChannels(channels[0], channels[1], channels[2]));
}

TColor GetLightDownedColor() { return GetRealColor(GetLightColor(11, 9, 73)); }

TColor GetLightDownedSelColor() { return GetRealColor(GetLightColor(14, 44, 40)); }

TColor GetLightSelColor() { return GetRealColor(GetLightColor(-2, 30, 72)); }

// ---------------------------------------------------------------- text measuring

TSize cxTextExtent(TFont* font, const std::string& text, int fontSize) {
  TcxScreenCanvas* canvas = cxScreenCanvas();
  if (font)
    canvas->Font()->Assign(font);
  if (fontSize != 0)
    canvas->Font()->SetSize(fontSize);
  return canvas->TextExtent(text);
}

int cxTextWidth(TFont* font, const std::string& text, int fontSize) {
  return cxTextExtent(font, text, fontSize).cx;
}

int cxTextHeight(TFont* font, const std::string& text, int fontSize) {
  return cxTextExtent(font, text, fontSize).cy;
}

TSize cxTextSize(HDC dc, const std::string& text) {
  TRect r = cxGetTextRect(dc, text, 1);
  return {cxRectWidth(r), cxRectHeight(r)};
}

// A binary search between the widest unbreakable word and the single-line
// width, relying on the wrapped height never growing with the width.
TRect cxGetTextRect(HDC dc, const std::string& text, int rowCount, bool clipHeight) {
  if (rowCount <= 0)
    return cxEmptyRect;
  if (rowCount == 1)
    return MeasureText(dc, text, cxEmptyRect, DT_SINGLELINE);
  long long limit64 = static_cast<long long>(rowCount) * cxTextSize(dc, "Wg").cy;
  int limit = static_cast<int>(std::min<long long>(limit64, INT_MAX));
  int low = cxRectWidth(MeasureText(dc, text, Rect(0, 0, 1, 1), DT_WORDBREAK));
  int high = cxRectWidth(MeasureText(dc, text, cxEmptyRect, DT_SINGLELINE));
  while (high - low > 1) {
    int middle = low + (high - low) / 2;
    if (cxRectHeight(MeasureText(dc, text, Rect(0, 0, middle, 1), DT_WORDBREAK)) > limit)
      low = middle;
    else
      high = middle;
  }
  TRect result = MeasureText(dc, text, Rect(0, 0, low, 1), DT_WORDBREAK);
  if (cxRectHeight(result) > limit)
    result = MeasureText(dc, text, Rect(0, 0, high, 1), DT_WORDBREAK);
  if (clipHeight)
    result.Bottom = limit;
  return result;
}

TRect cxGetTextRect(TFont* font, const std::string& text, int rowCount) {
  TcxScreenCanvas* canvas = cxScreenCanvas();
  if (font)
    canvas->Font()->Assign(font);
  return cxGetTextRect(canvas->Handle(), text, rowCount);
}

// ---------------------------------------------------------------- small drawing routines

void ExtendRect(TRect& r, const TRect& extension) {
  r.Left += extension.Left;
  r.Top += extension.Top;
  r.Right -= extension.Right;
  r.Bottom -= extension.Bottom;
}

void cxDrawArrows(TCanvas* canvas, const TRect& r, TcxBorder side, TColor color,
                  TColor penColor) {
  static constexpr TPoint kDownOntoAnchor[7] = {{0, -1}, {-5, -6}, {-2, -6}, {-2, -9},
                                                {2, -9}, {2, -6},  {5, -6}};
  static constexpr TPoint kUpOntoAnchor[7] = {{0, 0}, {5, 5}, {2, 5}, {2, 8},
                                              {-2, 8}, {-2, 5}, {-5, 5}};
  static constexpr TPoint kRightOntoAnchor[7] = {{-1, 0}, {-6, -5}, {-6, -2}, {-9, -2},
                                                 {-9, 2}, {-6, 2},  {-6, 5}};
  static constexpr TPoint kLeftOntoAnchor[7] = {{0, 0}, {5, 5},  {5, 2},  {8, 2},
                                                {8, -2}, {5, -2}, {5, -5}};
  bool vertical = side == TcxBorder::bLeft || side == TcxBorder::bRight;
  TPoint first;
  TPoint second;
  switch (side) {
  case TcxBorder::bLeft:
    first = {r.Left, r.Top};
    second = {r.Left, r.Bottom};
    break;
  case TcxBorder::bTop:
    first = {r.Left, r.Top};
    second = {r.Right, r.Top};
    break;
  case TcxBorder::bRight:
    first = {r.Right, r.Top};
    second = {r.Right, r.Bottom};
    break;
  case TcxBorder::bBottom:
    first = {r.Left, r.Bottom};
    second = {r.Right, r.Bottom};
    break;
  }
  canvas->Brush()->SetColor(color);
  canvas->Pen()->SetColor(penColor == clDefault ? (ColorToRGB(color) ^ 0xFFFFFF) : penColor);
  auto drawArrow = [canvas](TPoint anchor, const TPoint (&shape)[7]) {
    TPoint points[7];
    for (int i = 0; i < 7; ++i)
      points[i] = {anchor.X + shape[i].X, anchor.Y + shape[i].Y};
    canvas->Polygon(points);
  };
  drawArrow(first, vertical ? kDownOntoAnchor : kRightOntoAnchor);
  drawArrow(second, vertical ? kUpOntoAnchor : kLeftOntoAnchor);
}

void cxFillHalfToneRect(TCanvas* canvas, const TRect& r, TColor bkColor, TColor color) {
  HDC dc = canvas->Handle();
  COLORREF oldBk = ::SetBkColor(dc, static_cast<COLORREF>(ColorToRGB(bkColor)) & 0xFFFFFF);
  COLORREF oldText = ::SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(color)) & 0xFFFFFF);
  ::FillRect(dc, AsRECT(r), cxHalfToneBrush()->Handle());
  ::SetBkColor(dc, oldBk);
  ::SetTextColor(dc, oldText);
}

void cxSetCanvasOrg(TCanvas* canvas, TRect& org) {
  POINT previous{};
  ::SetWindowOrgEx(canvas->Handle(), org.Left, org.Top, &previous);
  org.Left = previous.x;
  org.Top = previous.y;
}

void cxInvalidateRect(HWND window, const TRect& r, bool eraseBackground) {
  ::InvalidateRect(window, AsRECT(r), eraseBackground);
}

void cxInvalidateRect(HWND window, bool eraseBackground) {
  ::InvalidateRect(window, nullptr, eraseBackground);
}

// ---------------------------------------------------------------- object data

bool cxGetBitmapData(HBITMAP bitmap, BITMAP& data) {
  return ::GetObjectW(bitmap, sizeof(data), &data) != 0;
}

bool cxGetBrushData(HBRUSH brush, LOGBRUSH& data) {
  return ::GetObjectW(brush, sizeof(data), &data) != 0;
}

LOGBRUSH cxGetBrushData(HBRUSH brush) {
  LOGBRUSH data{};
  cxGetBrushData(brush, data);
  return data;
}

bool cxGetFontData(HFONT font, LOGFONTW& data) {
  return ::GetObjectW(font, sizeof(data), &data) != 0;
}

// ---------------------------------------------------------------- shared objects

TBrush* cxGetSystemBrush(int index) {
  if (index < 0 || index > kLastSystemColorIndex)
    throw ERangeError("System colour index out of range");
  return Shared().systemBrushes[static_cast<size_t>(index)].get();
}

TBrush* cxHalfToneBrush() { return Shared().halfTone.get(); }

void cxGraphicsColorsInitialize() {
  if (g_shared)
    return;
  auto shared = std::make_unique<TSharedObjects>();
  shared->halfTone = MakeHalfToneBrush();
  for (int index = 0; index <= kLastSystemColorIndex; ++index) {
    TOwned<TBrush> brush(Create<TBrush>());
    if (HBRUSH handle = ::GetSysColorBrush(index))
      brush->SetHandle(handle, THandleOwnership::Borrowed);
    else
      brush->SetColor(SystemColor(index));
    shared->systemBrushes[static_cast<size_t>(index)] = std::move(brush);
  }
  g_shared = shared.release();
}

void cxGraphicsColorsFinalize() {
  if (!g_shared)
    return;
  delete g_shared;
  g_shared = nullptr;
}
