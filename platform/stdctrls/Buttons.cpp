#include "platform/stdctrls/Buttons.h"

#include "platform/graphics/DCScopes.h"
#include "platform/graphics/GdiHandles.h"
#include "platform/graphics/MaskedBlit.h"
#include "platform/rtl/WideText.h"

namespace {

using enum TControlStyleItem;

// Space between picture and caption.
constexpr int kSpacing = 4;
// The raster operation that paints the brush where the mask is black and
// keeps the destination where it is white.
constexpr DWORD kPaintMaskedBrush = 0x00B8074A;

TSize CaptionSize(HDC dc, const std::u16string& caption) {
  if (caption.empty())
    return {0, 0};
  RECT r{0, 0, 0, 0};
  ::DrawTextW(dc, WidePtr(caption), static_cast<int>(caption.size()), &r,
              DT_SINGLELINE | DT_CALCRECT);
  return {r.right, r.bottom};
}

} // namespace

TButtonGlyph::TButtonGlyph(TNotifyEvent onChange) : m_glyph(Create<TBitmap>()) {
  m_glyph->SetOnChange(std::move(onChange));
}

TButtonGlyph::~TButtonGlyph() = default;

void TButtonGlyph::Draw(TCanvas* canvas, const TRect& client, TPoint offset,
                        const std::string& caption, bool enabled) {
  canvas->RequiredState({TCanvasStates::csHandleValid, TCanvasStates::csFontValid});
  HDC dc = canvas->Handle();
  const std::u16string text = AnsiToWide(caption);
  const TSize textSize = CaptionSize(dc, text);
  const TSize glyphSize{m_glyph->Width(), m_glyph->Height()};
  const int spacing = textSize.cx > 0 && glyphSize.cx > 0 ? kSpacing : 0;
  const int total = glyphSize.cx + spacing + textSize.cx;
  const int left = client.Left + (client.Right - client.Left - total) / 2 + offset.X;
  const int middle = (client.Top + client.Bottom) / 2 + offset.Y;
  if (!m_glyph->Empty())
    DrawPicture(dc, {left, middle - glyphSize.cy / 2}, enabled);
  if (text.empty())
    return;
  const int textLeft = left + glyphSize.cx + spacing;
  const int textTop = middle - textSize.cy / 2;
  DrawCaption(dc, Rect(textLeft, textTop, textLeft + textSize.cx, textTop + textSize.cy), text,
              enabled, canvas->Font()->Color());
}

void TButtonGlyph::DrawPicture(HDC dc, TPoint at, bool enabled) {
  const int width = m_glyph->Width();
  const int height = m_glyph->Height();
  TMemoryDC maskDC;
  TSelectObject selectMask(maskDC.Get(), m_glyph->MaskHandle());
  if (enabled) {
    MaskedStretchBlt(dc, Rect(at.X, at.Y, at.X + width, at.Y + height),
                     m_glyph->Canvas()->Handle(), Rect(0, 0, width, height), maskDC.Get());
    return;
  }
  const COLORREF oldText = ::SetTextColor(dc, RGB(0, 0, 0));
  const COLORREF oldBack = ::SetBkColor(dc, RGB(255, 255, 255));
  const TColor shades[] = {clBtnHighlight, clBtnShadow};
  for (int shade = 0; shade < 2; ++shade) {
    TOwnedBrush brush(::CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(shades[shade]))));
    TSelectObject selectBrush(dc, brush.Get());
    const int shift = shade == 0 ? 1 : 0;
    ::BitBlt(dc, at.X + shift, at.Y + shift, width, height, maskDC.Get(), 0, 0,
             kPaintMaskedBrush);
  }
  ::SetBkColor(dc, oldBack);
  ::SetTextColor(dc, oldText);
}

void TButtonGlyph::DrawCaption(HDC dc, const TRect& bounds, const std::u16string& caption,
                               bool enabled, TColor color) {
  const int oldMode = ::SetBkMode(dc, TRANSPARENT);
  RECT r = *AsRECT(bounds);
  const auto size = static_cast<int>(caption.size());
  if (!enabled) {
    RECT raised = r;
    ::OffsetRect(&raised, 1, 1);
    ::SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(clBtnHighlight)));
    ::DrawTextW(dc, WidePtr(caption), size, &raised, DT_SINGLELINE);
    color = clBtnShadow;
  }
  ::SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(color)));
  ::DrawTextW(dc, WidePtr(caption), size, &r, DT_SINGLELINE);
  ::SetBkMode(dc, oldMode);
}

TBitBtn::TBitBtn(TComponent* owner)
    : TButton(owner), m_glyph(TNotifyEvent(this, &TBitBtn::GlyphChanged)),
      m_canvas(Create<TCanvas>()) {}

TBitBtn::~TBitBtn() = default;

void TBitBtn::Publish(TPublisher& p) {
  PublishButtonProperties(p);
  p.Property("Glyph", &TBitBtn::Glyph, &TBitBtn::SetGlyph);
}

void TBitBtn::GlyphChanged(TObject*) { Invalidate(); }

void TBitBtn::CreateParams(TCreateParams& params) {
  inherited::CreateParams(params);
  params.Style |= BS_OWNERDRAW;
}

void TBitBtn::Dispatch(TMessage& message) {
  switch (message.Msg) {
  case CN_DRAWITEM:
    DrawItem(*TWMDrawItem(message).DrawItemStruct());
    message.Result = TRUE;
    break;
  case CM_TEXTCHANGED:
  case CM_FONTCHANGED:
    inherited::Dispatch(message);
    Invalidate();
    break;
  default: inherited::Dispatch(message); break;
  }
}

// The face as the platform's push button draws it, then picture and
// caption, moved down and right while pressed, and the focus frame.
void TBitBtn::DrawItem(const DRAWITEMSTRUCT& item) {
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  RECT face = item.rcItem;
  ::DrawFrameControl(item.hDC, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
  {
    const TCanvasLoan loan(*m_canvas, item.hDC);
    m_canvas->SetFont(Font());
    const TPoint offset = pressed ? TPoint{1, 1} : TPoint{0, 0};
    const TRect client = Rect(item.rcItem.left, item.rcItem.top, item.rcItem.right,
                              item.rcItem.bottom);
    m_glyph.Draw(m_canvas.get(), client, offset, Caption(), (item.itemState & ODS_DISABLED) == 0);
  }
  if (item.itemState & ODS_FOCUS) {
    RECT focus = item.rcItem;
    ::InflateRect(&focus, -4, -4);
    ::DrawFocusRect(item.hDC, &focus);
  }
}

TSpeedButton::TSpeedButton(TComponent* owner)
    : TGraphicControl(owner), m_glyph(TNotifyEvent(this, &TSpeedButton::GlyphChanged)) {
  // A quick second press is a second click, as for push buttons.
  SetControlStyle(ControlStyle() - TControlStyle{csDoubleClicks, csSetCaption} +
                  TControlStyle{csReplicatable});
  SetBounds(Left(), Top(), 23, 22);
}

TSpeedButton::~TSpeedButton() = default;

void TSpeedButton::Publish(TPublisher& p) {
  p.Property<TSpeedButton>("Caption", &TSpeedButton::Caption, &TSpeedButton::SetCaption);
  p.Property("Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat).Default(false);
  p.Property("Glyph", &TSpeedButton::Glyph, &TSpeedButton::SetGlyph);
}

void TSpeedButton::SetFlat(bool value) {
  if (m_flat == value)
    return;
  m_flat = value;
  Invalidate();
}

void TSpeedButton::SetPressed(bool value) {
  if (m_pressed == value)
    return;
  m_pressed = value;
  Invalidate();
}

void TSpeedButton::SetMouseInControl(bool value) {
  if (m_mouseInControl == value)
    return;
  m_mouseInControl = value;
  if (m_flat)
    Invalidate();
}

void TSpeedButton::GlyphChanged(TObject*) { Invalidate(); }

void TSpeedButton::Click() {
  SetPressed(false);
  inherited::Click();
}

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == TMouseButton::mbLeft && Enabled())
    SetPressed(true);
  inherited::MouseDown(button, shift, x, y);
}

void TSpeedButton::MouseMove(TShiftState shift, int x, int y) {
  if (MouseCapture() && shift.Contains(TShiftStateItem::ssLeft))
    SetPressed(HasClientPoint({x, y}));
  inherited::MouseMove(shift, x, y);
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == TMouseButton::mbLeft)
    SetPressed(false);
  inherited::MouseUp(button, shift, x, y);
}

void TSpeedButton::Dispatch(TMessage& message) {
  switch (message.Msg) {
  case CM_MOUSEENTER:
  case CM_MOUSELEAVE: {
    TControlLife life(this);
    inherited::Dispatch(message);
    if (life && !TCMMouseEnterLeave(message).Control())
      SetMouseInControl(message.Msg == CM_MOUSEENTER);
    break;
  }
  case CM_TEXTCHANGED: Invalidate(); break;
  default: inherited::Dispatch(message); break;
  }
}

void TSpeedButton::Paint() {
  RECT face = *AsRECT(ClientRect());
  HDC dc = Canvas()->Handle();
  if (!m_flat)
    ::DrawFrameControl(dc, &face, DFC_BUTTON,
                       DFCS_BUTTONPUSH | (m_pressed ? DFCS_PUSHED : 0));
  else if (m_pressed)
    ::DrawEdge(dc, &face, BDR_SUNKENOUTER, BF_RECT);
  else if (m_mouseInControl && Enabled())
    ::DrawEdge(dc, &face, BDR_RAISEDINNER, BF_RECT);
  Canvas()->SetFont(Font());
  const TPoint offset = m_pressed ? TPoint{1, 1} : TPoint{0, 0};
  m_glyph.Draw(Canvas(), ClientRect(), offset, Caption(), Enabled());
}
