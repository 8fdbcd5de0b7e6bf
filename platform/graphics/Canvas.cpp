#include "platform/graphics/Canvas.h"

#include "platform/graphics/Bitmaps.h"
#include "platform/graphics/GdiHandles.h"
#include "platform/graphics/Graphic.h"
#include "platform/graphics/MaskedBlit.h"
#include "platform/rtl/WideText.h"

namespace {

COLORREF RGBOf(TColor color) {
  return static_cast<COLORREF>(ColorToRGB(color)) & 0xFFFFFF;
}

} // namespace

TCanvas::TCanvas()
    : m_font(Create<TFont>()), m_brush(Create<TBrush>()), m_pen(Create<TPen>()) {
  m_font->SetOnChange(TNotifyEvent(this, &TCanvas::FontChanged));
  m_brush->SetOnChange(TNotifyEvent(this, &TCanvas::BrushChanged));
  m_pen->SetOnChange(TNotifyEvent(this, &TCanvas::PenChanged));
}

TCanvas::~TCanvas() {
  SetHandle(nullptr);
}

HDC TCanvas::Handle() {
  if (!m_handle)
    CreateHandle();
  if (!m_handle)
    throw EInvalidOperation("Canvas does not allow drawing");
  return m_handle;
}

void TCanvas::SetHandle(HDC dc) {
  if (m_handle == dc)
    return;
  if (m_handle)
    DeselectHandles();
  m_handle = dc;
  m_state = dc ? TCanvasState{TCanvasStates::csHandleValid} : TCanvasState{};
}

void TCanvas::RequiredState(TCanvasState required) {
  TCanvasState needed = required - m_state;
  if (needed.Empty())
    return;
  if (needed.Contains(TCanvasStates::csHandleValid)) {
    Handle();
    needed = required - m_state;
  }
  if (needed.Contains(TCanvasStates::csFontValid))
    SelectFont();
  if (needed.Contains(TCanvasStates::csPenValid))
    SelectPen();
  if (needed.Contains(TCanvasStates::csBrushValid))
    SelectBrush();
}

void TCanvas::Refresh() {
  if (m_handle)
    DeselectHandles();
}

void TCanvas::DeselectHandles() {
  TCanvasState selected = m_state * TCanvasState{TCanvasStates::csFontValid,
                                                 TCanvasStates::csPenValid,
                                                 TCanvasStates::csBrushValid};
  if (selected.Empty())
    return;
  ::SelectObject(m_handle, ::GetStockObject(BLACK_PEN));
  ::SelectObject(m_handle, ::GetStockObject(HOLLOW_BRUSH));
  ::SelectObject(m_handle, ::GetStockObject(SYSTEM_FONT));
  m_state -= selected;
}

void TCanvas::SelectFont() {
  Handle();
  ::SelectObject(m_handle, m_font->Handle());
  ::SetTextColor(m_handle, RGBOf(m_font->Color()));
  m_state.Include(TCanvasStates::csFontValid);
}

void TCanvas::SelectPen() {
  Handle();
  ::SelectObject(m_handle, m_pen->Handle());
  ::SetROP2(m_handle, PenModeToROP2(m_pen->Mode()));
  m_state.Include(TCanvasStates::csPenValid);
}

void TCanvas::SelectBrush() {
  Handle();
  ::UnrealizeObject(m_brush->Handle());
  ::SelectObject(m_handle, m_brush->Handle());
  if (m_brush->Style() == TBrushStyle::bsClear && !m_brush->Bitmap()) {
    ::SetBkMode(m_handle, TRANSPARENT);
  } else {
    ::SetBkColor(m_handle, RGBOf(m_brush->Color()));
    ::SetBkMode(m_handle, OPAQUE);
  }
  m_state.Include(TCanvasStates::csBrushValid);
}

void TCanvas::FontChanged(TObject*) {
  if (m_state.Contains(TCanvasStates::csFontValid)) {
    ::SelectObject(m_handle, ::GetStockObject(SYSTEM_FONT));
    m_state.Exclude(TCanvasStates::csFontValid);
  }
}

void TCanvas::PenChanged(TObject*) {
  if (m_state.Contains(TCanvasStates::csPenValid)) {
    ::SelectObject(m_handle, ::GetStockObject(BLACK_PEN));
    m_state.Exclude(TCanvasStates::csPenValid);
  }
}

void TCanvas::BrushChanged(TObject*) {
  if (m_state.Contains(TCanvasStates::csBrushValid)) {
    ::SelectObject(m_handle, ::GetStockObject(HOLLOW_BRUSH));
    m_state.Exclude(TCanvasStates::csBrushValid);
  }
}

void TCanvas::SetFont(TFont* font) {
  m_font->Assign(font);
}

void TCanvas::SetBrush(TBrush* brush) {
  m_brush->Assign(brush);
}

void TCanvas::SetPen(TPen* pen) {
  m_pen->Assign(pen);
}

void TCanvas::Changing() {
  if (m_onChanging)
    m_onChanging(this);
}

void TCanvas::Changed() {
  if (m_onChange)
    m_onChange(this);
}

// ---------------------------------------------------------------- pixels and pen

TColor TCanvas::Pixels(int x, int y) {
  RequiredState({TCanvasStates::csHandleValid});
  COLORREF value = ::GetPixel(m_handle, x, y);
  return value == CLR_INVALID ? clNone : static_cast<TColor>(value & 0xFFFFFF);
}

void TCanvas::SetPixels(int x, int y, TColor color) {
  Changing();
  RequiredState({TCanvasStates::csHandleValid, TCanvasStates::csPenValid});
  ::SetPixel(m_handle, x, y, RGBOf(color));
  Changed();
}

TPoint TCanvas::PenPos() {
  RequiredState({TCanvasStates::csHandleValid});
  POINT position{};
  ::GetCurrentPositionEx(m_handle, &position);
  return {position.x, position.y};
}

void TCanvas::SetPenPos(TPoint position) {
  MoveTo(position.X, position.Y);
}

void TCanvas::MoveTo(int x, int y) {
  RequiredState({TCanvasStates::csHandleValid});
  ::MoveToEx(m_handle, x, y, nullptr);
}

void TCanvas::LineTo(int x, int y) {
  Changing();
  RequiredState({TCanvasStates::csHandleValid, TCanvasStates::csPenValid,
                 TCanvasStates::csBrushValid});
  ::LineTo(m_handle, x, y);
  Changed();
}

// ---------------------------------------------------------------- shapes

void TCanvas::FillRect(const TRect& rect) {
  Changing();
  RequiredState({TCanvasStates::csHandleValid, TCanvasStates::csBrushValid});
  ::FillRect(m_handle, AsRECT(rect), m_brush->Handle());
  Changed();
}

void TCanvas::FrameRect(const TRect& rect) {
  Changing();
  RequiredState({TCanvasStates::csHandleValid, TCanvasStates::csBrushValid});
  ::FrameRect(m_handle, AsRECT(rect), m_brush->Handle());
  Changed();
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  Changing();
  RequiredState({TCanvasStates::csHandleValid, TCanvasStates::csPenValid,
                 TCanvasStates::csBrushValid});
  ::Rectangle(m_handle, x1, y1, x2, y2);
  Changed();
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2) {
  Changing();
  RequiredState({TCanvasStates::csHandleValid, TCanvasStates::csPenValid,
                 TCanvasStates::csBrushValid});
  ::Ellipse(m_handle, x1, y1, x2, y2);
  Changed();
}

void TCanvas::RoundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight) {
  Changing();
  RequiredState({TCanvasStates::csHandleValid, TCanvasStates::csPenValid,
                 TCanvasStates::csBrushValid});
  ::RoundRect(m_handle, x1, y1, x2, y2, cornerWidth, cornerHeight);
  Changed();
}

void TCanvas::Polygon(std::span<const TPoint> points) {
  Changing();
  RequiredState({TCanvasStates::csHandleValid, TCanvasStates::csPenValid,
                 TCanvasStates::csBrushValid});
  if (!points.empty())
    ::Polygon(m_handle, AsPOINT(points.front()), static_cast<int>(points.size()));
  Changed();
}

void TCanvas::Polyline(std::span<const TPoint> points) {
  Changing();
  RequiredState({TCanvasStates::csHandleValid, TCanvasStates::csPenValid,
                 TCanvasStates::csBrushValid});
  if (!points.empty())
    ::Polyline(m_handle, AsPOINT(points.front()), static_cast<int>(points.size()));
  Changed();
}

void TCanvas::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  Changing();
  RequiredState({TCanvasStates::csHandleValid, TCanvasStates::csPenValid,
                 TCanvasStates::csBrushValid});
  ::Pie(m_handle, x1, y1, x2, y2, x3, y3, x4, y4);
  Changed();
}

// ---------------------------------------------------------------- text

void TCanvas::TextOut(int x, int y, const std::string& text) {
  Changing();
  RequiredState({TCanvasStates::csHandleValid, TCanvasStates::csFontValid,
                 TCanvasStates::csBrushValid});
  std::u16string wide = AnsiToWide(text);
  ::ExtTextOutW(m_handle, x, y, 0, nullptr, WidePtr(wide), static_cast<UINT>(wide.size()),
                nullptr);
  ::MoveToEx(m_handle, x + TextWidth(text), y, nullptr);
  Changed();
}

void TCanvas::TextRect(const TRect& rect, int x, int y, const std::string& text) {
  Changing();
  RequiredState({TCanvasStates::csHandleValid, TCanvasStates::csFontValid,
                 TCanvasStates::csBrushValid});
  UINT options = ETO_CLIPPED;
  if (m_brush->Style() != TBrushStyle::bsClear)
    options |= ETO_OPAQUE;
  std::u16string wide = AnsiToWide(text);
  ::ExtTextOutW(m_handle, x, y, options, AsRECT(rect), WidePtr(wide),
                static_cast<UINT>(wide.size()), nullptr);
  Changed();
}

TSize TCanvas::TextExtent(const std::string& text) {
  RequiredState({TCanvasStates::csHandleValid, TCanvasStates::csFontValid});
  std::u16string wide = AnsiToWide(text);
  TSize size;
  ::GetTextExtentPoint32W(m_handle, WidePtr(wide), static_cast<int>(wide.size()), AsSIZE(size));
  return size;
}

// ---------------------------------------------------------------- pictures

void TCanvas::Draw(int x, int y, TGraphic* graphic) {
  if (!graphic || graphic->Empty())
    return;
  StretchDraw(Bounds(x, y, graphic->Width(), graphic->Height()), graphic);
}

void TCanvas::StretchDraw(const TRect& rect, TGraphic* graphic) {
  if (!graphic || graphic->Empty())
    return;
  Changing();
  RequiredState({TCanvasStates::csHandleValid});
  graphic->Draw(this, rect);
  Changed();
}

void TCanvas::CopyRect(const TRect& dest, TCanvas* canvas, const TRect& source) {
  if (!canvas)
    return;
  Changing();
  RequiredState({TCanvasStates::csHandleValid, TCanvasStates::csFontValid,
                 TCanvasStates::csBrushValid});
  canvas->RequiredState({TCanvasStates::csHandleValid, TCanvasStates::csFontValid,
                         TCanvasStates::csBrushValid});
  ::StretchBlt(m_handle, dest.Left, dest.Top, dest.Right - dest.Left, dest.Bottom - dest.Top,
               canvas->Handle(), source.Left, source.Top, source.Right - source.Left,
               source.Bottom - source.Top, m_copyMode);
  Changed();
}

void TCanvas::BrushCopy(const TRect& dest, TBitmap* bitmap, const TRect& source, TColor color) {
  if (!bitmap || bitmap->Empty())
    return;
  Changing();
  RequiredState({TCanvasStates::csHandleValid, TCanvasStates::csBrushValid});
  HDC sourceDC = bitmap->Canvas()->Handle();
  TOwnedBitmap mask = CreateColorMask(sourceDC, source, RGBOf(color));
  if (m_brush->Style() != TBrushStyle::bsClear || m_brush->Bitmap())
    ::FillRect(m_handle, AsRECT(dest), m_brush->Handle());
  TMemoryDC maskDC;
  TSelectObject select(maskDC.Get(), mask.Get());
  MaskedStretchBlt(m_handle, dest, sourceDC, source, maskDC.Get());
  Changed();
}
