// Edit boxes: TCustomEdit and TEdit.
#include "platform/stdctrls/StdCtrls.h"

#include <algorithm>
#include <utility>

#include "platform/rtl/FlagScope.h"
#include "platform/rtl/WideText.h"

namespace {

using enum TControlStateItem;

constexpr DWORD kCharCaseStyles[] = {0, ES_UPPERCASE, ES_LOWERCASE};

} // namespace

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
  SetBounds(Left(), Top(), 121, 21);
  SetParentColor(false);
  SetTabStop(true);
}

TCustomEdit::~TCustomEdit() = default;

void TCustomEdit::PublishBoxProperties(TPublisher& p) {
  p.Property<TCustomEdit>("Color", &TCustomEdit::Color, &TCustomEdit::SetColor)
      .Idents(ColorIdents())
      .Default(clWindow)
      .Stored([](TCustomEdit* e) { return !e->ParentColor(); });
  p.Property("HideSelection", &TCustomEdit::HideSelection, &TCustomEdit::SetHideSelection)
      .Default(true);
  p.Property("MaxLength", &TCustomEdit::MaxLength, &TCustomEdit::SetMaxLength).Default(0);
  p.Property("ParentColor", &TCustomEdit::ParentColor, &TCustomEdit::SetParentColor)
      .Default(false);
  p.Property("ReadOnly", &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly).Default(false);
  p.Property("TabStop", &TCustomEdit::TabStop, &TCustomEdit::SetTabStop).Default(true);
}

void TCustomEdit::PublishEditProperties(TPublisher& p) {
  PublishBoxProperties(p);
  p.Property("AutoSelect", &TCustomEdit::AutoSelect, &TCustomEdit::SetAutoSelect).Default(true);
  p.Property("CharCase", &TCustomEdit::CharCase, &TCustomEdit::SetCharCase)
      .Default(TEditCharCase::ecNormal);
  p.Property("PasswordChar", &TCustomEdit::PasswordChar, &TCustomEdit::SetPasswordChar)
      .Default('\0');
}

void TEdit::Publish(TPublisher& p) {
  PublishEditProperties(p);
  p.Property<TEdit>("Text", &TEdit::Text, &TEdit::SetText);
  p.Property("OnChange", &TEdit::OnChange, &TEdit::SetOnChange);
}

void TCustomEdit::SetCharCase(TEditCharCase value) {
  if (m_charCase == value)
    return;
  m_charCase = value;
  RecreateWnd();
}

void TCustomEdit::SetHideSelection(bool value) {
  if (m_hideSelection == value)
    return;
  m_hideSelection = value;
  RecreateWnd();
}

void TCustomEdit::SetMaxLength(int value) {
  if (value < 0)
    throw ERangeError("MaxLength cannot be negative (" + std::to_string(value) + ")");
  if (m_maxLength == value)
    return;
  m_maxLength = value;
  if (HandleAllocated())
    Perform(EM_LIMITTEXT, static_cast<WPARAM>(value));
}

void TCustomEdit::SetPasswordChar(char value) {
  if (m_passwordChar == value)
    return;
  m_passwordChar = value;
  if (!HandleAllocated())
    return;
  Perform(EM_SETPASSWORDCHAR, AnsiToWideChar(value));
  Invalidate();
}

void TCustomEdit::SetReadOnly(bool value) {
  if (m_readOnly == value)
    return;
  m_readOnly = value;
  if (HandleAllocated())
    Perform(EM_SETREADONLY, value ? TRUE : FALSE);
}

bool TCustomEdit::Modified() {
  if (HandleAllocated())
    return Perform(EM_GETMODIFY) != 0;
  return m_modified;
}

void TCustomEdit::SetModified(bool value) {
  if (HandleAllocated())
    Perform(EM_SETMODIFY, value ? TRUE : FALSE);
  else
    m_modified = value;
}

int TCustomEdit::SelStart() {
  DWORD start = 0;
  HandleNeeded();
  Perform(EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
  return static_cast<int>(start);
}

void TCustomEdit::SetSelStart(int value) { SetSelection(value, value); }

int TCustomEdit::SelLength() {
  DWORD start = 0;
  DWORD end = 0;
  HandleNeeded();
  Perform(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(end - start);
}

void TCustomEdit::SetSelLength(int value) {
  const int start = SelStart();
  SetSelection(start, start + value);
}

void TCustomEdit::SetSelection(int start, int end) {
  HandleNeeded();
  Perform(EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
}

std::string TCustomEdit::SelText() {
  const int start = SelStart();
  const int length = SelLength();
  const std::u16string text = WindowText();
  const auto first = std::min(static_cast<std::size_t>(start), text.size());
  return WideToAnsi(std::u16string_view(text).substr(first, static_cast<std::size_t>(length)));
}

void TCustomEdit::SetSelText(const std::string& value) {
  const std::u16string wide = AnsiToWide(value);
  HandleNeeded();
  Perform(EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

std::u16string TCustomEdit::WindowText() {
  std::u16string text(static_cast<std::size_t>(GetTextLen()) + 1, u'\0');
  const auto copied = Perform(WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(std::max<LRESULT>(0, copied)));
  return text;
}

void TCustomEdit::SelectAll() { SetSelection(0, -1); }

void TCustomEdit::ClearSelection() {
  HandleNeeded();
  Perform(WM_CLEAR);
}

void TCustomEdit::CopyToClipboard() {
  HandleNeeded();
  Perform(WM_COPY);
}

void TCustomEdit::CutToClipboard() {
  HandleNeeded();
  Perform(WM_CUT);
}

void TCustomEdit::PasteFromClipboard() {
  HandleNeeded();
  Perform(WM_PASTE);
}

bool TCustomEdit::IsMultiLine() {
  return HandleAllocated() && (::GetWindowLongW(Handle(), GWL_STYLE) & ES_MULTILINE) != 0;
}

void TCustomEdit::CreateParams(TCreateParams& params) {
  inherited::CreateParams(params);
  CreateSubClass(params, "EDIT");
  params.Style |= ES_AUTOHSCROLL | ES_AUTOVSCROLL |
                  kCharCaseStyles[static_cast<std::size_t>(m_charCase)];
  if (m_passwordChar != '\0')
    params.Style |= ES_PASSWORD;
  if (m_readOnly)
    params.Style |= ES_READONLY;
  if (!m_hideSelection)
    params.Style |= ES_NOHIDESEL;
  AddBorder(params);
}

void TCustomEdit::CreateWnd() {
  {
    TFlagScope creating(m_creating);
    inherited::CreateWnd();
  }
  Perform(EM_LIMITTEXT, static_cast<WPARAM>(m_maxLength));
  if (m_passwordChar != '\0')
    Perform(EM_SETPASSWORDCHAR, AnsiToWideChar(m_passwordChar));
  Perform(EM_SETMODIFY, m_modified ? TRUE : FALSE);
}

void TCustomEdit::DestroyWnd() {
  m_modified = Perform(EM_GETMODIFY) != 0;
  inherited::DestroyWnd();
}

void TCustomEdit::DoEnter() {
  if (m_autoSelect && !ControlState().Contains(csLButtonDown) && !IsMultiLine())
    SelectAll();
  inherited::DoEnter();
}

void TCustomEdit::KeyDown(WORD& key, TShiftState shift) {
  TControlLife life(this);
  inherited::KeyDown(key, shift);
  if (!life)
    return;
  // The platform's EDIT copies (Ctrl+Insert) and cuts (Shift+Delete)
  // without asking the window, so these keys go only where the text may
  // be copied.
  using enum TShiftStateItem;
  const bool copyKey = key == VK_INSERT && shift.Contains(ssCtrl) && !shift.Contains(ssShift);
  const bool cutKey = key == VK_DELETE && shift.Contains(ssShift);
  if (m_passwordChar != '\0' && (copyKey || cutKey))
    key = 0;
}

void TCustomEdit::Change() {
  if (m_onChange)
    m_onChange(this);
}

void TCustomEdit::Dispatch(TMessage& message) {
  switch (message.Msg) {
  case CN_COMMAND: CNCommand(TWMCommand(message)); break;
  case WM_SETTEXT: WMSetText(TWMSetText(message)); break;
  case CM_TEXTCHANGED: CMTextChanged(); break;
  case WM_COPY:
  case WM_CUT:
    if (m_passwordChar == '\0')
      inherited::Dispatch(message);
    break;
  default: inherited::Dispatch(message); break;
  }
}

void TCustomEdit::CNCommand(TWMCommand message) {
  if (message.NotifyCode() != EN_CHANGE || m_creating)
    return;
  m_changeReported = true;
  ReportChange();
}

// Changes made while the control is being read from a form definition are
// its starting state, not changes.
void TCustomEdit::ReportChange() {
  ++m_textChanges;
  if (!Loading())
    Change();
}

void TCustomEdit::WMSetText(TWMSetText message) {
  m_changeReported = false;
  inherited::Dispatch(message.Message());
}

// Text set from code: reported here unless the platform reported it already
// (a multi-line EDIT and a control without window do not).
void TCustomEdit::CMTextChanged() {
  if (!std::exchange(m_changeReported, false))
    ReportChange();
}

void TCustomEdit::ReplaceText(int start, int end, const std::string& text) {
  if (!HandleAllocated()) {
    std::string whole = Text();
    whole.replace(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start), text);
    SetText(whole);
    return;
  }
  const std::u16string wide = AnsiToWide(text);
  SetSelection(start, end);
  Perform(EM_LIMITTEXT, 0);
  m_changeReported = false;
  TControlLife life(this);
  Perform(EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(wide.c_str()));
  if (!life)
    return;
  Perform(EM_LIMITTEXT, static_cast<WPARAM>(m_maxLength));
  if (!std::exchange(m_changeReported, false))
    ReportChange();
}
