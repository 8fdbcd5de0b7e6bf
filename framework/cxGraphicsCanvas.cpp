#include "framework/cxGraphicsCanvas.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

#include "framework/cxGeometry.h"
#include "framework/cxGraphicsColors.h"
#include "framework/cxGraphicsImages.h"
#include "platform/graphics/Graphic.h"
#include "platform/graphics/ScreenCanvas.h"
#include "platform/rtl/WideText.h"

namespace {

const TCanvasState kAllCanvasStates{TCanvasStates::csHandleValid, TCanvasStates::csFontValid,
                                    TCanvasStates::csPenValid, TCanvasStates::csBrushValid};

// The region a device context reports when it has no clip region.
const TRect kNoClipRegion{0, 0, 30000, 30000};

std::u16string WidePart(const std::string& text, int charCount) {
  if (charCount < -1 || charCount > static_cast<int>(text.size()))
    throw ERangeError("Character count out of range");
  if (charCount == -1)
    return AnsiToWide(text);
  return AnsiToWide(std::string_view(text).substr(0, static_cast<size_t>(charCount)));
}

// Drops the hot-key marks: "&x" shows "x", "&&" shows "&".
std::string StripHotKey(const std::string& text) {
  std::string result;
  result.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size())
      ++i;
    else if (text[i] == '&')
      continue;
    result += text[i];
  }
  return result;
}

int FloorDiv(int a, int b) {
  int quotient = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? quotient - 1 : quotient;
}

// A 32-bit bitmap of the size, black.
TOwned<TBitmap> NewBitmap32(int width, int height) {
  TOwned<TBitmap> bitmap(Create<TBitmap>());
  bitmap->SetPixelFormat(TPixelFormat::pf32bit);
  bitmap->SetSize(width, height);
  return bitmap;
}

RGBQUAD* Row(TBitmap* bitmap32, int y) { return static_cast<RGBQUAD*>(bitmap32->ScanLine(y)); }

BYTE MixChannel(BYTE under, BYTE over, int alpha) {
  return static_cast<BYTE>(::MulDiv(under, 255 - alpha, 255) + ::MulDiv(over, alpha, 255));
}

bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }

} // namespace

// ---------------------------------------------------------------- module routines

UINT cxFlagsToDTFlags(int flags) {
  UINT result = DT_NOPREFIX;
  if (flags & cxcfAlignRight)
    result |= DT_RIGHT;
  if (flags & cxcfAlignHCenter)
    result |= DT_CENTER;
  if (flags & cxcfAlignBottom)
    result |= DT_BOTTOM;
  if (flags & cxcfAlignVCenter)
    result |= DT_VCENTER;
  if (flags & cxcfSingleLine)
    result |= DT_SINGLELINE;
  if (flags & cxcfDontClip)
    result |= DT_NOCLIP;
  if (flags & cxcfExpandTabs)
    result |= DT_EXPANDTABS;
  if (flags & cxcfShowPrefix)
    result &= ~static_cast<UINT>(DT_NOPREFIX);
  if (flags & cxcfWordBreak) {
    result |= DT_WORDBREAK;
    if (!(flags & cxcfDontBreakChars))
      result |= DT_EDITCONTROL;
  }
  if (flags & cxcfShowEndEllipsis)
    result |= DT_END_ELLIPSIS;
  if (flags & cxcfCalcRect)
    result |= DT_CALCRECT;
  if (flags & cxcfShowPathEllipsis)
    result |= DT_PATH_ELLIPSIS;
  return result;
}

void cxApplyViewParams(TCanvas* canvas, const TcxViewParams& params) {
  if (params.Font)
    canvas->Font()->Assign(params.Font);
  canvas->Font()->SetColor(params.TextColor);
  canvas->Brush()->SetColor(params.Color);
}

int cxDrawText(HDC dc, const std::string& text, TRect& r, UINT format, int charCount) {
  std::u16string wide = WidePart(text, charCount);
  return ::DrawTextW(dc, WidePtr(wide), static_cast<int>(wide.size()), AsRECT(r), format);
}

bool cxExtTextOut(HDC dc, const std::string& text, const TPoint& point, const TRect& r,
                  UINT options, int charCount) {
  std::u16string wide = WidePart(text, charCount);
  return ::ExtTextOutW(dc, point.X, point.Y, options, AsRECT(r), WidePtr(wide),
                       static_cast<UINT>(wide.size()), nullptr) != 0;
}

bool cxExtTextOut(HDC dc, const std::string& text, const TPoint& point, UINT options,
                  int charCount) {
  std::u16string wide = WidePart(text, charCount);
  return ::ExtTextOutW(dc, point.X, point.Y, options, nullptr, WidePtr(wide),
                       static_cast<UINT>(wide.size()), nullptr) != 0;
}

bool cxGetWritingDirection(TFontCharset charset, const std::string& text) {
  if (charset == DEFAULT_CHARSET) {
    CHARSETINFO info{};
    auto codePage = static_cast<ULONG_PTR>(::GetACP());
    if (::TranslateCharsetInfo(reinterpret_cast<DWORD*>(codePage), &info, TCI_SRCCODEPAGE))
      charset = static_cast<TFontCharset>(info.ciCharset);
  }
  if (text.empty() || static_cast<unsigned char>(text[0]) < 128)
    return false;
  return charset == HEBREW_CHARSET || charset == ARABIC_CHARSET;
}

// ---------------------------------------------------------------- TcxCanvas

TcxCanvas::TcxCanvas(TCanvas* canvas) : m_canvas(canvas) {}

TcxCanvas::~TcxCanvas() = default;

HDC TcxCanvas::Handle() const {
  m_canvas->RequiredState(kAllCanvasStates);
  return m_canvas->Handle();
}

TPoint TcxCanvas::WindowOrg() const {
  POINT origin{};
  ::GetWindowOrgEx(Handle(), &origin);
  return {origin.x, origin.y};
}

void TcxCanvas::SetWindowOrg(const TPoint& origin) {
  ::SetWindowOrgEx(Handle(), origin.X, origin.Y, nullptr);
}

TPoint TcxCanvas::ViewportOrg() const {
  POINT origin{};
  ::GetViewportOrgEx(Handle(), &origin);
  return {origin.x, origin.y};
}

void TcxCanvas::SetViewportOrg(const TPoint& origin) {
  ::SetViewportOrgEx(Handle(), origin.X, origin.Y, nullptr);
}

TPoint TcxCanvas::DCOrigin() const {
  TPoint viewport = ViewportOrg();
  TPoint window = WindowOrg();
  return {viewport.X - window.X, viewport.Y - window.Y};
}

void TcxCanvas::SetBrushColor(TColor color) {
  if (Brush()->Color() != color)
    Brush()->SetColor(color);
}

void TcxCanvas::GetParams(TcxViewParams& params) const {
  params.Color = Brush()->Color();
  params.Font = Font();
  params.TextColor = Font()->Color();
}

void TcxCanvas::SetParams(const TcxViewParams& params) {
  SetBrushColor(params.Color);
  if (params.Font)
    Font()->Assign(params.Font);
  Font()->SetColor(params.TextColor);
}

void TcxCanvas::SetFontAngle(int angle) {
  LOGFONTW data = Font()->LogFont();
  data.lfEscapement = angle * 10;
  if (angle != 0)
    data.lfOutPrecision = OUT_TT_ONLY_PRECIS;
  HFONT handle = ::CreateFontIndirectW(&data);
  if (!handle)
    throw EOutOfMemory("Out of system resources");
  Font()->SetHandle(handle);
}

// ---------------------------------------------------------------- fills and frames

void TcxCanvas::FillRect(const TRect& r, TColor color) {
  if (color == clNone)
    return;
  if (color != clDefault)
    SetBrushColor(color);
  m_canvas->FillRect(r);
}

void TcxCanvas::FillRect(const TRect& r, TBitmap* bitmap, bool excludeRect) {
  if (::IsRectEmpty(AsRECT(r)))
    return;
  if (!bitmap || bitmap->Empty())
    m_canvas->FillRect(r);
  else
    TileRect(r, bitmap);
  if (excludeRect)
    ExcludeFromClip(r);
}

void TcxCanvas::FillRect(const TRect& r, const TcxViewParams& params, TcxBorders borders,
                         TColor borderColor, int lineWidth, bool excludeRect) {
  FrameRect(r, borderColor, lineWidth, borders, excludeRect);
  TRect inner = r;
  if (borders.Contains(TcxBorder::bLeft))
    inner.Left += lineWidth;
  if (borders.Contains(TcxBorder::bTop))
    inner.Top += lineWidth;
  if (borders.Contains(TcxBorder::bRight))
    inner.Right -= lineWidth;
  if (borders.Contains(TcxBorder::bBottom))
    inner.Bottom -= lineWidth;
  SetBrushColor(params.Color);
  FillRect(inner, params.Bitmap, excludeRect);
}

// The tiles are anchored at the logical origin (also left of and above it),
// so neighbouring fills line up; only the visible part of each is copied.
void TcxCanvas::TileRect(const TRect& r, TBitmap* bitmap) {
  int width = bitmap->Width();
  int height = bitmap->Height();
  int firstColumn = FloorDiv(r.Left, width);
  int lastColumn = FloorDiv(r.Right - 1, width);
  int firstRow = FloorDiv(r.Top, height);
  int lastRow = FloorDiv(r.Bottom - 1, height);
  for (int row = firstRow; row <= lastRow; ++row)
    for (int column = firstColumn; column <= lastColumn; ++column) {
      TRect tile;
      cxRectIntersect(tile, Bounds(column * width, row * height, width, height), r);
      m_canvas->CopyRect(tile, bitmap->Canvas(),
                         cxRectOffset(tile, -column * width, -row * height));
    }
}

void TcxCanvas::ExcludeFromClip(const TRect& r) {
  SetClipRegion(Create<TcxRegion>(r), TcxRegionOperation::roSubtract, true, true);
}

void TcxCanvas::FrameRect(const TRect& r, TColor color, int lineWidth, TcxBorders borders,
                          bool excludeFrame) {
  if (::IsRectEmpty(AsRECT(r)))
    return;
  if (color != clDefault)
    SetBrushColor(color);
  if (borders.Contains(TcxBorder::bLeft))
    FillRect(Rect(r.Left, r.Top, std::min(r.Left + lineWidth, r.Right), r.Bottom), nullptr,
             excludeFrame);
  if (borders.Contains(TcxBorder::bRight))
    FillRect(Rect(std::max(r.Right - lineWidth, r.Left), r.Top, r.Right, r.Bottom), nullptr,
             excludeFrame);
  if (borders.Contains(TcxBorder::bTop))
    FillRect(Rect(r.Left, r.Top, r.Right, std::min(r.Top + lineWidth, r.Bottom)), nullptr,
             excludeFrame);
  if (borders.Contains(TcxBorder::bBottom))
    FillRect(Rect(r.Left, std::max(r.Bottom - lineWidth, r.Top), r.Right, r.Bottom), nullptr,
             excludeFrame);
}

void TcxCanvas::DrawComplexFrame(const TRect& r, TColor leftTopColor, TColor rightBottomColor,
                                 TcxBorders borders, int borderWidth) {
  if (borders.Contains(TcxBorder::bLeft)) {
    SetBrushColor(leftTopColor);
    FillRect(Rect(r.Left, r.Top, r.Left + borderWidth, r.Bottom), nullptr, false);
  }
  if (borders.Contains(TcxBorder::bTop)) {
    SetBrushColor(leftTopColor);
    FillRect(Rect(r.Left, r.Top, r.Right, r.Top + borderWidth), nullptr, false);
  }
  if (borders.Contains(TcxBorder::bRight)) {
    SetBrushColor(rightBottomColor);
    FillRect(Rect(r.Right - borderWidth, r.Top, r.Right, r.Bottom), nullptr, false);
  }
  if (borders.Contains(TcxBorder::bBottom)) {
    SetBrushColor(rightBottomColor);
    FillRect(Rect(r.Left, r.Bottom - borderWidth, r.Right, r.Bottom), nullptr, false);
  }
}

void TcxCanvas::DrawEdge(const TRect& r, bool sunken, bool outer, TcxBorders borders) {
  if (sunken && outer)
    DrawComplexFrame(r, clBtnShadow, clBtnHighlight, borders);
  else if (sunken)
    DrawComplexFrame(r, cl3DDkShadow, cl3DLight, borders);
  else if (outer)
    DrawComplexFrame(r, cl3DLight, cl3DDkShadow, borders);
  else
    DrawComplexFrame(r, clBtnHighlight, clBtnShadow, borders);
}

void TcxCanvas::DrawFocusRect(const TRect& r) {
  SetBrushColor(clWhite);
  Font()->SetColor(clBlack);
  ::DrawFocusRect(Handle(), AsRECT(r));
}

void TcxCanvas::DrawDesignSelection(const TRect& r, int width) {
  TRect current = r;
  for (int i = 0; i < width; ++i) {
    DrawFocusRect(current);
    current = cxRectInflate(current, -1, -1);
  }
}

void TcxCanvas::InvertRect(const TRect& r) {
  SetCopyMode(cmDstInvert);
  m_canvas->CopyRect(r, m_canvas, r);
  SetCopyMode(cmSrcCopy);
}

void TcxCanvas::InvertFrame(const TRect& r, int width) {
  InvertRect(Rect(r.Left, r.Top, r.Left + width, r.Bottom));
  InvertRect(Rect(r.Right - width, r.Top, r.Right, r.Bottom));
  InvertRect(Rect(r.Left + width, r.Top, r.Right - width, r.Top + width));
  InvertRect(Rect(r.Left + width, r.Bottom - width, r.Right - width, r.Bottom));
}

void TcxCanvas::FillRegion(TcxRegion* region, TColor color) {
  if (region)
    FillRegion(region->Handle(), color);
}

void TcxCanvas::FillRegion(HRGN region, TColor color) {
  SetBrushColor(color);
  ::FillRgn(Handle(), region, Brush()->Handle());
}

void TcxCanvas::FrameRegion(TcxRegion* region, TColor color, int borderWidth, int borderHeight) {
  if (region)
    FrameRegion(region->Handle(), color, borderWidth, borderHeight);
}

void TcxCanvas::FrameRegion(HRGN region, TColor color, int borderWidth, int borderHeight) {
  SetBrushColor(color);
  ::FrameRgn(Handle(), region, Brush()->Handle(), borderWidth, borderHeight);
}

void TcxCanvas::DrawRegion(TcxRegion* region, TColor contentColor, TColor borderColor,
                           int borderWidth, int borderHeight) {
  if (region)
    DrawRegion(region->Handle(), contentColor, borderColor, borderWidth, borderHeight);
}

void TcxCanvas::DrawRegion(HRGN region, TColor contentColor, TColor borderColor, int borderWidth,
                           int borderHeight) {
  FillRegion(region, contentColor);
  FrameRegion(region, borderColor, borderWidth, borderHeight);
}

// ---------------------------------------------------------------- shapes and images

void TcxCanvas::Pie(const TRect& r, const TPoint& radial1, const TPoint& radial2) {
  m_canvas->Pie(r.Left, r.Top, r.Right, r.Bottom, radial1.X, radial1.Y, radial2.X, radial2.Y);
}

// The platform draws a pie counter-clockwise from the first radial to the
// second, so a clockwise (negative) sweep draws from its end to its start.
void TcxCanvas::Pie(const TRect& r, int startAngle, int sweepAngle) {
  if (::IsRectEmpty(AsRECT(r)) || sweepAngle == 0)
    return;
  int a = cxRectWidth(r) / 2;
  int b = cxRectHeight(r) / 2;
  TPoint centre{r.Left + a, r.Top + b};
  auto pointAt = [&](int degrees) {
    double t = degrees * std::numbers::pi / 180.0;
    double s = std::sin(t);
    double c = std::cos(t);
    double rho = (a != 0 && b != 0)
                     ? static_cast<double>(a) * b / std::sqrt(double(a) * a * s * s +
                                                              double(b) * b * c * c)
                     : 0.0;
    return TPoint{centre.X + static_cast<int>(std::nearbyint(rho * c)),
                  centre.Y - static_cast<int>(std::nearbyint(rho * s))};
  };
  TPoint first = pointAt(startAngle);
  TPoint second = std::abs(sweepAngle) == 360 ? first : pointAt(startAngle + sweepAngle);
  if (first == second && std::abs(sweepAngle) <= 180)
    return;
  if (sweepAngle < 0)
    std::swap(first, second);
  Pie(r, first, second);
}

void TcxCanvas::DrawGlyph(int x, int y, TBitmap* glyph, bool enabled, TColor backgroundColor) {
  if (!glyph || glyph->Empty())
    return;
  int width = glyph->Width();
  int height = glyph->Height();
  if (enabled) {
    TBrushStyle savedStyle = Brush()->Style();
    if (backgroundColor == clNone)
      Brush()->SetStyle(TBrushStyle::bsClear);
    else
      Brush()->SetColor(backgroundColor);
    m_canvas->BrushCopy(Bounds(x, y, width, height), glyph, Rect(0, 0, width, height),
                        glyph->TransparentColor());
    Brush()->SetStyle(savedStyle);
    return;
  }
  TOwned<TImageList> images(Create<TImageList>(nullptr));
  images->SetSize(width, height);
  images->AddMasked(glyph, glyph->TransparentMode() == TTransparentMode::tmFixed
                               ? glyph->TransparentColor()
                               : clDefault);
  if (backgroundColor == clNone) {
    images->Draw(m_canvas, x, y, 0, false);
    return;
  }
  TOwned<TBitmap> background = NewBitmap32(width, height);
  background->Canvas()->Brush()->SetColor(backgroundColor);
  background->Canvas()->FillRect(Rect(0, 0, width, height));
  images->Draw(background->Canvas(), 0, 0, 0, false);
  m_canvas->Draw(x, y, background.get());
}

void TcxCanvas::DrawImage(TCustomImageList* images, int x, int y, int index, bool enabled) {
  if (!images || index < 0 || index >= images->Count())
    return;
  SaveDC();
  try {
    images->Draw(m_canvas, x, y, index, enabled);
  } catch (...) {
    RestoreDC();
    throw;
  }
  RestoreDC();
}

void TcxCanvas::TransparentDraw(int x, int y, TBitmap* bitmap, std::uint8_t alpha,
                                TBitmap* background) {
  if (!bitmap || bitmap->Empty())
    return;
  int width = bitmap->Width();
  int height = bitmap->Height();
  TOwned<TBitmap> mixed = NewBitmap32(width, height);
  HDC mixedDC = mixed->Canvas()->Handle();
  if (background)
    mixed->Canvas()->Draw(0, 0, background);
  else
    ::BitBlt(mixedDC, 0, 0, width, height, Handle(), x, y, SRCCOPY);
  if (TcxAlphaBlendProc alphaBlend = cxAlphaBlendProc()) {
    BLENDFUNCTION blend{AC_SRC_OVER, 0, alpha, 0};
    alphaBlend(mixedDC, 0, 0, width, height, bitmap->Canvas()->Handle(), 0, 0, width, height,
               blend);
  } else {
    TRGBColors source = GetBitmapBits(bitmap, true);
    for (int row = 0; row < height; ++row) {
      RGBQUAD* pixel = Row(mixed.get(), row);
      const RGBQUAD* over = &source[static_cast<size_t>(row) * width];
      for (int column = 0; column < width; ++column, ++pixel, ++over) {
        pixel->rgbBlue = MixChannel(pixel->rgbBlue, over->rgbBlue, alpha);
        pixel->rgbGreen = MixChannel(pixel->rgbGreen, over->rgbGreen, alpha);
        pixel->rgbRed = MixChannel(pixel->rgbRed, over->rgbRed, alpha);
      }
    }
  }
  m_canvas->Draw(x, y, mixed.get());
}

void TcxCanvas::FlipHorizontally(TBitmap* bitmap) {
  if (!bitmap || bitmap->Empty())
    return;
  TRGBColors pixels = GetBitmapBits(bitmap, true);
  int width = bitmap->Width();
  for (auto row = pixels.begin(); row != pixels.end(); row += width)
    std::reverse(row, row + width);
  SetBitmapBits(bitmap, pixels, true);
}

void TcxCanvas::RotateBitmap(TBitmap* bitmap, TcxRotationAngle angle, bool flipVertically) {
  if (!bitmap || bitmap->Empty() || (angle == TcxRotationAngle::ra0 && !flipVertically))
    return;
  int width = bitmap->Width();
  int height = bitmap->Height();
  bool quarterTurn =
      angle == TcxRotationAngle::raPlus90 || angle == TcxRotationAngle::raMinus90;
  int newWidth = quarterTurn ? height : width;
  int newHeight = quarterTurn ? width : height;
  TRGBColors source = GetBitmapBits(bitmap, true);
  TRGBColors turned(source.size());
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      TPoint to;
      switch (angle) {
      case TcxRotationAngle::ra0:
        to = {x, y};
        break;
      case TcxRotationAngle::raPlus90:
        to = {y, width - 1 - x};
        break;
      case TcxRotationAngle::raMinus90:
        to = {height - 1 - y, x};
        break;
      case TcxRotationAngle::ra180:
        to = {width - 1 - x, height - 1 - y};
        break;
      }
      if (flipVertically)
        to.Y = newHeight - 1 - to.Y;
      turned[static_cast<size_t>(to.Y) * newWidth + to.X] =
          source[static_cast<size_t>(y) * width + x];
    }
  if (quarterTurn)
    bitmap->SetSize(newWidth, newHeight);
  SetBitmapBits(bitmap, turned, true);
}

// ---------------------------------------------------------------- text

TSize TcxCanvas::TextExtent(const std::string& text) {
  return m_canvas->TextExtent(text);
}

int TcxCanvas::FontHeight(TFont* font) {
  SetFont(font);
  return TextHeight("Qq");
}

void TcxCanvas::TextExtent(const std::string& text, TRect& r, int flags) {
  int width = cxRectWidth(r);
  int height = cxRectHeight(r);
  UINT format = cxFlagsToDTFlags(flags);
  if (width <= 0 && !text.empty())
    r.Right = r.Left + 1;
  // Measured without vertical placement (Wine's measurement of bottom-aligned
  // single lines keeps the rectangle's height); step 4 places it.
  UINT measuring = format & ~static_cast<UINT>(DT_VCENTER | DT_BOTTOM);
  if (cxDrawText(Handle(), text, r, measuring | DT_CALCRECT) == 0)
    r = Rect(r.Left, r.Top, r.Left, r.Top);
  int measuredWidth = cxRectWidth(r);
  int measuredHeight = cxRectHeight(r);
  if (format & DT_CENTER)
    r = cxRectOffset(r, (width - measuredWidth) / 2, 0);
  else if (format & DT_RIGHT)
    r = cxRectOffset(r, width - measuredWidth, 0);
  if (format & DT_VCENTER)
    r = cxRectOffset(r, 0, (height - measuredHeight) / 2);
  else if (format & DT_BOTTOM)
    r = cxRectOffset(r, 0, height - measuredHeight);
}

// A text that fits R as one line is drawn without clipping, unless it holds
// line breaks (its further lines would then run below R unclipped).
void TcxCanvas::DrawTexT(const std::string& text, const TRect& rect, int flags, bool enabled) {
  if (text.empty())
    return;
  bool drawTextWay = !(flags & cxcfSingleLine) ||
                     (flags & (cxcfShowPrefix | cxcfShowEndEllipsis | cxcfShowPathEllipsis));
  TRect r = rect;
  TSize size = TextExtent(text);
  bool oneLine = (flags & cxcfSingleLine) || text.find_first_of("\r\n") == std::string::npos;
  if (cxRectWidth(r) >= size.cx && cxRectHeight(r) >= size.cy && oneLine)
    flags |= cxcfDontClip;
  int offset = enabled ? 0 : 1;
  UINT format = 0;
  UINT options = 0;
  if (drawTextWay) {
    if (!(flags & cxcfSingleLine) && (flags & (cxcfAlignBottom | cxcfAlignVCenter)))
      AlignMultiLineTextRectVertically(
          r, text,
          (flags & cxcfAlignBottom) ? TcxAlignmentVert::vaBottom : TcxAlignmentVert::vaCenter,
          flags & cxcfWordBreak, flags & cxcfShowPrefix, enabled, flags & cxcfDontBreakChars);
    format = cxFlagsToDTFlags(flags);
  } else {
    if (size.cx < cxRectWidth(r)) {
      if ((flags & 7) == cxcfAlignRight)
        r.Left = r.Right - size.cx - offset;
      else if ((flags & 7) == cxcfAlignHCenter)
        r.Left = (r.Left + r.Right - size.cx) / 2;
    }
    if (size.cy < cxRectHeight(r)) {
      if ((flags & 0x38) == cxcfAlignBottom)
        r.Top = r.Bottom - size.cy - offset;
      else if ((flags & 0x38) == cxcfAlignVCenter)
        r.Top = (r.Top + r.Bottom - size.cy) / 2;
    }
    options = (flags & cxcfDontClip) ? 0 : ETO_CLIPPED;
  }
  auto output = [&] {
    if (drawTextWay)
      cxDrawText(Handle(), text, r, format);
    else
      cxExtTextOut(Handle(), text, r.TopLeft(), r, options);
  };
  TBrushStyle savedStyle = Brush()->Style();
  TColor savedColor = Font()->Color();
  if (!enabled) {
    ++r.Left;
    ++r.Top;
    Brush()->SetStyle(TBrushStyle::bsClear);
    Font()->SetColor(clBtnHighlight);
    output();
    r = cxRectOffset(r, -1, -1);
    Font()->SetColor(clBtnShadow);
  }
  output();
  if (Brush()->Style() != savedStyle)
    Brush()->SetStyle(savedStyle);
  Font()->SetColor(savedColor);
}

void TcxCanvas::AlignMultiLineTextRectVertically(TRect& r, const std::string& text,
                                                 TcxAlignmentVert alignmentVert, bool wordBreak,
                                                 bool showPrefix, bool enabled,
                                                 bool dontBreakChars) {
  if (alignmentVert == TcxAlignmentVert::vaTop)
    return;
  int offset = enabled ? 0 : 1;
  TRect measure = Rect(0, 0, cxRectWidth(r) - offset, 0);
  int flags = cxcfAlignLeft | cxcfAlignTop;
  if (wordBreak)
    flags |= cxcfWordBreak;
  if (showPrefix)
    flags |= cxcfShowPrefix;
  if (dontBreakChars)
    flags |= cxcfDontBreakChars;
  TextExtent(text, measure, flags);
  int textHeight = cxRectHeight(measure);
  if (alignmentVert == TcxAlignmentVert::vaBottom)
    r.Top = r.Bottom - textHeight - offset;
  else
    r.Top = (r.Top + r.Bottom - textHeight) / 2;
}

// Lines end at a line break, else at the last space that fits, else where
// the width ends; a line takes at least one character, so a rectangle
// narrower than a character still ends. Vertically centred text is centred
// once, as a block.
void TcxCanvas::GetTextStringsBounds(std::string text, TRect r, int flags, bool enabled,
                                     TRectArray& rects) {
  if (text.empty())
    return;
  if (flags & cxcfShowPrefix) {
    text = StripHotKey(text);
    flags &= ~cxcfShowPrefix;
  }
  if (!enabled) {
    --r.Right;
    --r.Bottom;
  }
  TRect block = r;
  TextExtent(text, block, flags);
  int horizontal = flags & 7;
  HDC dc = Handle();
  while (!text.empty()) {
    std::u16string wide = AnsiToWide(text);
    INT fit = 0;
    SIZE extent{};
    ::GetTextExtentExPointW(dc, WidePtr(wide), static_cast<int>(wide.size()),
                            std::max(cxRectWidth(r), 0), &fit, nullptr, &extent);
    size_t fitting = std::min(static_cast<size_t>(std::max(fit, 0)), text.size());
    size_t lineLength = fitting;
    size_t consumed = fitting;
    size_t lineBreak = text.find_first_of("\r\n");
    if (lineBreak < fitting) {
      lineLength = lineBreak;
      consumed = lineBreak + 1;
      if (consumed < text.size() && IsLineBreak(text[consumed]) &&
          text[consumed] != text[lineBreak])
        ++consumed;
    } else if (fitting < text.size()) {
      size_t space = text.rfind(' ', fitting);
      if (space != std::string::npos && space + 1 < fitting) {
        consumed = space + 1;
        lineLength = horizontal == cxcfAlignLeft ? space + 1 : space;
      }
    }
    if (consumed == 0)
      lineLength = consumed = 1;
    std::string line = text.substr(0, lineLength);
    int lineWidth = line.empty() ? 0 : m_canvas->TextWidth(line);
    TRect lineRect = block;
    if (horizontal == cxcfAlignLeft) {
      lineRect.Right = lineRect.Left + lineWidth;
    } else if (horizontal == cxcfAlignRight) {
      lineRect.Left = lineRect.Right - lineWidth;
    } else if (horizontal == cxcfAlignHCenter) {
      lineRect.Left = (lineRect.Left + lineRect.Right - lineWidth) / 2;
      lineRect.Right = lineRect.Left + lineWidth;
    }
    lineRect.Bottom = lineRect.Top + extent.cy;
    rects.push_back(lineRect);
    block.Top = lineRect.Bottom;
    text.erase(0, consumed);
  }
}

// ---------------------------------------------------------------- state and clipping

void TcxCanvas::SaveDC() { m_savedDCs.push_back(::SaveDC(Handle())); }

void TcxCanvas::RestoreDC() {
  if (m_savedDCs.empty())
    return;
  ::RestoreDC(Handle(), m_savedDCs.back());
  m_savedDCs.pop_back();
  m_canvas->Refresh();
}

TcxRegion* TcxCanvas::GetClipRegion(bool considerOrigin) {
  TOwned<TcxRegion> region(Create<TcxRegion>());
  if (::GetClipRgn(Handle(), region->Handle()) != 1)
    ::SetRectRgn(region->Handle(), kNoClipRegion.Left, kNoClipRegion.Top, kNoClipRegion.Right,
                 kNoClipRegion.Bottom);
  if (considerOrigin) {
    TPoint origin = DCOrigin();
    region->Offset(-origin.X, -origin.Y);
  }
  return region.release();
}

void TcxCanvas::SetClipRegion(TcxRegion* region, TcxRegionOperation operation, bool destroy,
                              bool considerOrigin) {
  if (!region)
    return;
  if (operation != TcxRegionOperation::roSet) {
    TcxRegion* clip = GetClipRegion(considerOrigin);
    clip->Combine(region, operation, destroy);
    SetClipRegion(clip, TcxRegionOperation::roSet, true, considerOrigin);
    return;
  }
  TOwned<TcxRegion> owned(destroy ? region : nullptr);
  TPoint origin = considerOrigin ? DCOrigin() : TPoint{};
  region->Offset(origin.X, origin.Y);
  ::SelectClipRgn(Handle(), region->Handle());
  region->Offset(-origin.X, -origin.Y);
}

void TcxCanvas::SaveClipRegion() { m_savedClipRegions.emplace_back(GetClipRegion(true)); }

void TcxCanvas::RestoreClipRegion() {
  if (m_savedClipRegions.empty())
    return;
  TcxRegion* region = m_savedClipRegions.back().release();
  m_savedClipRegions.pop_back();
  SetClipRegion(region, TcxRegionOperation::roSet, true, true);
}

void TcxCanvas::ExcludeClipRect(const TRect& r) {
  ::ExcludeClipRect(Handle(), r.Left, r.Top, r.Right, r.Bottom);
}

void TcxCanvas::IntersectClipRect(const TRect& r) {
  ::IntersectClipRect(Handle(), r.Left, r.Top, r.Right, r.Bottom);
}

bool TcxCanvas::RectVisible(const TRect& r) { return ::RectVisible(Handle(), AsRECT(r)); }

bool TcxCanvas::RectFullyVisible(const TRect& r) {
  TOwned<TcxRegion> clip(GetClipRegion(true));
  TOwned<TcxRegion> whole(Create<TcxRegion>(r));
  TOwned<TcxRegion> visible(Create<TcxRegion>(r));
  visible->Combine(clip.get(), TcxRegionOperation::roIntersect, false);
  return visible->IsEqual(whole.get());
}

void TcxCanvas::BeginPath() { ::BeginPath(Handle()); }

void TcxCanvas::EndPath() { ::EndPath(Handle()); }

void TcxCanvas::WidenPath() { ::WidenPath(Handle()); }

TcxRegion* TcxCanvas::PathToRegion() { return Create<TcxRegion>(::PathToRegion(Handle())); }

// ---------------------------------------------------------------- screen canvas

TcxScreenCanvas::TcxScreenCanvas() : TcxCanvas(Create<TScreenCanvas>()) {}

TcxScreenCanvas::~TcxScreenCanvas() { Canvas()->Free(); }

namespace {
TcxScreenCanvas* g_screenCanvas = nullptr;
} // namespace

TcxScreenCanvas* cxScreenCanvas() {
  if (!g_screenCanvas)
    g_screenCanvas = Create<TcxScreenCanvas>();
  return g_screenCanvas;
}

void cxFreeScreenCanvas() { FreeAndNil(g_screenCanvas); }
