// Labels: TCustomLabel and TLabel.
#include "platform/stdctrls/StdCtrls.h"

#include "platform/graphics/GdiHandles.h"
#include "platform/rtl/AnsiStrings.h"
#include "platform/rtl/WideText.h"

namespace {

using enum TControlStyleItem;

constexpr UINT kAlignmentFlags[] = {DT_LEFT, DT_RIGHT, DT_CENTER};

// The letter after the single '&' of a caption ("&&" stands for '&'
// itself), '\0' when there is none.
char AccelChar(const std::string& caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&')
      continue;
    if (caption[i + 1] != '&')
      return caption[i + 1];
    ++i;
  }
  return '\0';
}

} // namespace

TCustomLabel::TCustomLabel(TComponent* owner) : TGraphicControl(owner) {
  SetControlStyle(ControlStyle() + TControlStyle{csOpaque, csReplicatable});
  SetBounds(Left(), Top(), 65, 17);
}

TCustomLabel::~TCustomLabel() = default;

void TCustomLabel::PublishLabelProperties(TPublisher& p) {
  p.Property("Alignment", &TCustomLabel::Alignment, &TCustomLabel::SetAlignment)
      .Default(TAlignment::taLeftJustify);
  p.Property("AutoSize", &TCustomLabel::AutoSize, &TCustomLabel::SetAutoSize).Default(true);
  p.Property<TCustomLabel>("Caption", &TCustomLabel::Caption, &TCustomLabel::SetCaption);
  p.Property("ShowAccelChar", &TCustomLabel::ShowAccelChar, &TCustomLabel::SetShowAccelChar)
      .Default(true);
  p.Property("Transparent", &TCustomLabel::Transparent, &TCustomLabel::SetTransparent)
      .Default(false);
}

void TLabel::Publish(TPublisher& p) {
  PublishLabelProperties(p);
  p.Property("FocusControl", &TLabel::FocusControl, &TLabel::SetFocusControl);
}

void TCustomLabel::SetAlignment(TAlignment value) {
  if (m_alignment == value)
    return;
  m_alignment = value;
  Invalidate();
}

void TCustomLabel::SetAutoSize(bool value) {
  if (m_autoSize == value)
    return;
  m_autoSize = value;
  AdjustBounds();
}

void TCustomLabel::SetFocusControl(TWinControl* value) {
  if (m_focusControl == value)
    return;
  if (m_focusControl)
    RemoveFreeNotification(m_focusControl);
  m_focusControl = value;
  if (value)
    FreeNotification(value);
}

void TCustomLabel::SetShowAccelChar(bool value) {
  if (m_showAccelChar == value)
    return;
  m_showAccelChar = value;
  Invalidate();
  AdjustBounds();
}

void TCustomLabel::SetTransparent(bool value) {
  if (m_transparent == value)
    return;
  m_transparent = value;
  if (value)
    SetControlStyle(ControlStyle() - TControlStyle{csOpaque});
  else
    SetControlStyle(ControlStyle() + TControlStyle{csOpaque});
  Invalidate();
}

void TCustomLabel::Notification(TComponent* component, TOperation operation) {
  inherited::Notification(component, operation);
  if (operation == TOperation::opRemove && component == m_focusControl)
    m_focusControl = nullptr;
}

void TCustomLabel::Loaded() {
  inherited::Loaded();
  AdjustBounds();
}

UINT TCustomLabel::DrawTextFlags() const {
  UINT flags = DT_EXPANDTABS | kAlignmentFlags[static_cast<std::size_t>(m_alignment)];
  if (!m_showAccelChar)
    flags |= DT_NOPREFIX;
  return flags;
}

// The caption as drawn; an empty one (or a lone '&') measures as a blank,
// so an empty label keeps the height of a line.
std::u16string TCustomLabel::DrawnCaption() {
  std::u16string text = AnsiToWide(Caption());
  if (text.empty() || (m_showAccelChar && text == u"&"))
    text += u' ';
  return text;
}

void TCustomLabel::AdjustBounds() {
  if (!m_autoSize || Loading())
    return;
  TWindowDC screen;
  TSelectObject selectFont(screen.Get(), Font()->Handle());
  const std::u16string text = DrawnCaption();
  RECT r{0, 0, 0, 0};
  ::DrawTextW(screen.Get(), WidePtr(text), static_cast<int>(text.size()), &r,
              DrawTextFlags() | DT_CALCRECT);
  int left = Left();
  if (m_alignment == TAlignment::taRightJustify)
    left += Width() - r.right;
  SetBounds(left, Top(), r.right, r.bottom);
}

void TCustomLabel::Paint() {
  TCanvas* canvas = Canvas();
  const TRect client = ClientRect();
  if (!m_transparent) {
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(client);
  }
  canvas->SetFont(Font());
  canvas->RequiredState({TCanvasStates::csHandleValid, TCanvasStates::csFontValid});
  HDC dc = canvas->Handle();
  const std::u16string text = AnsiToWide(Caption());
  const int savedMode = ::SetBkMode(dc, TRANSPARENT);
  RECT r = *AsRECT(client);
  if (!Enabled()) {
    RECT raised = r;
    ::OffsetRect(&raised, 1, 1);
    ::SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(clBtnHighlight)));
    ::DrawTextW(dc, WidePtr(text), static_cast<int>(text.size()), &raised, DrawTextFlags());
    ::SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(clBtnShadow)));
  } else {
    ::SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(Font()->Color())));
  }
  ::DrawTextW(dc, WidePtr(text), static_cast<int>(text.size()), &r, DrawTextFlags());
  ::SetBkMode(dc, savedMode);
}

void TCustomLabel::Dispatch(TMessage& message) {
  switch (message.Msg) {
  case CM_TEXTCHANGED:
    Invalidate();
    AdjustBounds();
    break;
  case CM_FONTCHANGED:
    inherited::Dispatch(message);
    AdjustBounds();
    break;
  case CM_DIALOGCHAR: CMDialogChar(TCMDialogChar(message)); break;
  default: inherited::Dispatch(message); break;
  }
}

// Alt and the caption's short-cut letter (or the letter alone where the
// focused control takes no characters) focuses FocusControl.
void TCustomLabel::CMDialogChar(TCMDialogChar message) {
  if (!m_focusControl || !Enabled() || !m_showAccelChar)
    return;
  const char accel = AccelChar(Caption());
  const auto wide = static_cast<char16_t>(message.CharCode());
  const std::string key(1, WideToAnsiChar(wide));
  if (accel == '\0' || AnsiUpperCase(key) != AnsiUpperCase(std::string(1, accel)))
    return;
  if (!m_focusControl->CanFocus())
    return;
  m_focusControl->SetFocus();
  message.SetResult(1);
}
