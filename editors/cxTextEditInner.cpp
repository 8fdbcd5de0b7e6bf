// The inner edit of a text editor and its helper.
#include "editors/cxTextEditInner.h"

#include <algorithm>

#include "platform/rtl/AnsiStrings.h"
#include "platform/rtl/ScopeGuards.h"
#include "platform/rtl/WideText.h"

namespace {

constexpr DWORD kAlignmentStyles[] = {ES_LEFT, ES_RIGHT, ES_CENTER};

// The signed x position EM_POSFROMCHAR answers.
int PositionX(LRESULT position) { return static_cast<short>(LOWORD(position)); }

// How many text changes the edit reported; -1 when it does not count them.
int ReportedTextChanges(TCustomEdit* edit) {
  auto* inner = dynamic_cast<TcxCustomInnerTextEdit*>(edit);
  return inner ? inner->ReportedTextChanges() : -1;
}

std::string TextOf(TCustomEdit* edit) {
  auto* inner = dynamic_cast<TcxCustomInnerTextEdit*>(edit);
  return inner ? inner->CurrentText() : edit->Text();
}

} // namespace

void SaveTextEditState(TCustomEdit* edit, bool saveText, TcxCustomInnerTextEditPrevState& state) {
  state.TextSaved = saveText;
  if (saveText)
    state.SavedText = TextOf(edit);
  state.SavedSelStart = edit->SelStart();
  state.SavedSelLength = edit->SelLength();
  state.SavedTextChanges = ReportedTextChanges(edit);
}

// The text is read again only when the edit reported a change since; a key
// that typed a letter changes the length, which needs no letter-case pass.
bool CheckTextEditState(TCustomEdit* edit, const TcxCustomInnerTextEditPrevState& state) {
  if (!edit->HandleAllocated())
    return true;
  if (edit->SelStart() != state.SavedSelStart || edit->SelLength() != state.SavedSelLength)
    return true;
  if (!state.TextSaved)
    return false;
  const int changes = ReportedTextChanges(edit);
  if (changes != -1 && changes == state.SavedTextChanges)
    return false;
  const std::string text = TextOf(edit);
  if (text.size() != state.SavedText.size())
    return true;
  return text != state.SavedText && AnsiUpperCase(state.SavedText) != AnsiUpperCase(text);
}

// ---- TcxCustomInnerTextEdit ----

TcxCustomInnerTextEdit::TcxCustomInnerTextEdit(TComponent* owner)
    : TCustomEdit(owner), m_helper(std::make_unique<TcxCustomInnerTextEditHelper>(this)) {
  SetControlStyle(ControlStyle() + TControlStyle{TControlStyleItem::csDoubleClicks});
  SetParentColor(true);
  SetParentFont(false);
  UpdateEchoMode();
}

TcxCustomInnerTextEdit::~TcxCustomInnerTextEdit() = default;

TWinControl* TcxCustomInnerTextEdit::GetControlContainer() {
  return dynamic_cast<TWinControl*>(Owner());
}

std::string TcxCustomInnerTextEdit::CurrentText() {
  const HWND window = HandleAllocated() ? Handle() : nullptr;
  if (!window || window != m_textReadWindow || TextChanges() != m_textReadChanges ||
      GetTextLen() != static_cast<int>(m_textRead.size())) {
    m_textRead = Text();
    m_textReadChanges = TextChanges();
    m_textReadWindow = window;
  }
  return m_textRead;
}

void TcxCustomInnerTextEdit::SetControlAlignment(TAlignment value) {
  if (m_controlAlignment == value)
    return;
  m_controlAlignment = value;
  RecreateWnd();
}

void TcxCustomInnerTextEdit::SetInnerEchoMode(TcxEditEchoMode value) {
  if (m_echoMode == value)
    return;
  m_echoMode = value;
  UpdateEchoMode();
}

void TcxCustomInnerTextEdit::SetInnerPasswordChar(char value) {
  if (m_innerPasswordChar == value)
    return;
  m_innerPasswordChar = value;
  if (m_echoMode == TcxEditEchoMode::eemPassword)
    UpdateEchoMode();
}

// The platform's password character is set without rewriting the text, so
// changing the echo reports no change of the text.
void TcxCustomInnerTextEdit::UpdateEchoMode() {
  if (m_echoMode == TcxEditEchoMode::eemNormal)
    SetPasswordChar('\0');
  else
    SetPasswordChar(m_innerPasswordChar == '\0' ? '*' : m_innerPasswordChar);
}

void TcxCustomInnerTextEdit::LockBounds(bool lock) {
  if (lock)
    ++m_boundsLockCount;
  else if (m_boundsLockCount > 0)
    --m_boundsLockCount;
}

void TcxCustomInnerTextEdit::SetBounds(int left, int top, int width, int height) {
  if (m_boundsLockCount == 0)
    TCustomEdit::SetBounds(left, top, width, height);
}

void TcxCustomInnerTextEdit::CreateParams(TCreateParams& params) {
  inherited::CreateParams(params);
  params.Style |= kAlignmentStyles[static_cast<std::size_t>(m_controlAlignment)] | ES_AUTOHSCROLL;
  params.Style &= ~static_cast<DWORD>(WS_BORDER | WS_DLGFRAME | WS_THICKFRAME);
  params.ExStyle &= ~static_cast<DWORD>(WS_EX_CLIENTEDGE);
}

// The window starts empty and gets its text from the platform's own
// procedure, so no library handler sees the text arrive.
void TcxCustomInnerTextEdit::CreateWindowHandle(const TCreateParams& params) {
  TCreateParams empty = params;
  empty.Caption.clear();
  inherited::CreateWindowHandle(empty);
  if (!HandleAllocated() || params.Caption.empty())
    return;
  const std::u16string text = AnsiToWide(params.Caption);
  CallDefWndProc(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void TcxCustomInnerTextEdit::CreateWnd() {
  inherited::CreateWnd();
  AdjustMargins();
}

void TcxCustomInnerTextEdit::AdjustMargins() {
  if (HandleAllocated())
    CallDefWndProc(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(0, 1));
}

IcxInnerTextEditHost* TcxCustomInnerTextEdit::Host() {
  return dynamic_cast<IcxInnerTextEditHost*>(Owner());
}

void TcxCustomInnerTextEdit::KeyDown(WORD& key, TShiftState shift) {
  m_internalUpdating = false;
  m_keyDownShift = shift;
  TControlLife life(this);
  if (IcxInnerTextEditHost* host = Host())
    host->InnerEditKeyDown(key, shift);
  if (life && key != 0)
    inherited::KeyDown(key, shift);
  if (!life)
    return;
  if (key == 0) {
    m_internalUpdating = true;
    return;
  }
  const UINT message = ClipboardKeyMessage(key, shift);
  if (message == 0)
    return;
  key = 0;
  Perform(message);
}

// The message for the clipboard key the platform's EDIT would act on itself.
UINT TcxCustomInnerTextEdit::ClipboardKeyMessage(WORD key, TShiftState shift) {
  using enum TShiftStateItem;
  const bool withShift = shift.Contains(ssShift);
  const bool withCtrl = shift.Contains(ssCtrl);
  if (key == VK_INSERT && withShift)
    return WM_PASTE;
  if (key == VK_INSERT && withCtrl)
    return WM_COPY;
  if (key == VK_DELETE && withShift && !withCtrl && SelLength() > 0)
    return WM_CUT;
  return 0;
}

void TcxCustomInnerTextEdit::KeyPress(char& key) {
  m_internalUpdating = false;
  if (key == '\t')
    key = '\0';
  TControlLife life(this);
  if (IcxInnerTextEditHost* host = Host(); host && key != '\0')
    host->InnerEditKeyPress(key);
  if (life && key != '\0')
    inherited::KeyPress(key);
  if (life && key == '\0')
    m_internalUpdating = true;
}

void TcxCustomInnerTextEdit::KeyUp(WORD& key, TShiftState shift) {
  m_internalUpdating = false;
  if (key == VK_TAB)
    key = 0;
  TControlLife life(this);
  if (IcxInnerTextEditHost* host = Host(); host && key != 0)
    host->InnerEditKeyUp(key, shift);
  if (life && key != 0)
    inherited::KeyUp(key, shift);
  if (life && key == 0)
    m_internalUpdating = true;
}

int TcxCustomInnerTextEdit::CharLeft(int index) {
  return PositionX(Perform(EM_POSFROMCHAR, static_cast<WPARAM>(index)));
}

// Binary search of the character whose left edge is at the caret.
int TcxCustomInnerTextEdit::GetCursorPos() {
  if (!HandleAllocated())
    return 0;
  const int length = GetTextLen();
  if (length == 0)
    return 0;
  if (::GetFocus() != Handle())
    return SelStart() + SelLength();
  POINT caret{};
  ::GetCaretPos(&caret);
  int lo = 0;
  int hi = length - 1;
  while (hi - lo >= 2) {
    const int mid = (lo + hi) / 2;
    if (CharLeft(mid) < caret.x)
      lo = mid;
    else
      hi = mid;
  }
  if (CharLeft(lo) == caret.x)
    return lo;
  if (CharLeft(hi) == caret.x)
    return hi;
  return hi + 1;
}

// The editor sees every message first: a short-cut of a menu around the
// edit runs there and never reaches the EDIT. A left press while the editor
// drags automatically starts the editor's drag instead.
void TcxCustomInnerTextEdit::WndProc(TMessage& message) {
  IcxInnerTextEditHost* host = Host();
  if (host && host->InnerEditMenuHandler(message))
    return;
  if (message.Msg == WM_LBUTTONDOWN || message.Msg == WM_LBUTTONDBLCLK)
    if (host && host->InnerEditBeginAutoDrag())
      return;
  inherited::WndProc(message);
}

void TcxCustomInnerTextEdit::DefaultHandler(TMessage& message) {
  if (IcxInnerTextEditHost* host = Host(); host && host->InnerEditDefaultHandler(message))
    return;
  inherited::DefaultHandler(message);
}

void TcxCustomInnerTextEdit::Dispatch(TMessage& message) {
  switch (message.Msg) {
  case WM_ERASEBKGND:
    message.Result = 1;
    break;
  case WM_NCPAINT:
    message.Result = 0;
    break;
  case WM_GETDLGCODE:
    inherited::Dispatch(message);
    message.Result |= DLGC_WANTCHARS;
    if (IcxInnerTextEditHost* host = Host())
      message.Result |= host->InnerEditDialogCode();
    break;
  case WM_KEYDOWN:
    WMKeyDown(message);
    break;
  case WM_CUT:
  case WM_PASTE:
  case WM_CLEAR:
    if (!ClipboardToHost(message))
      inherited::Dispatch(message);
    break;
  case WM_SIZE:
    inherited::Dispatch(message);
    AdjustMargins();
    break;
  case CM_FONTCHANGED:
    // The platform's EDIT takes margins from every new font.
    inherited::Dispatch(message);
    AdjustMargins();
    break;
  case EM_SETSEL:
    inherited::Dispatch(message);
    if (m_onSelChange)
      m_onSelChange(this);
    break;
  case WM_IME_CHAR:
    WMImeChar(message);
    break;
  case WM_IME_COMPOSITION:
    WMImeComposition(message);
    break;
  case WM_CHAR:
    WMChar(message);
    break;
  default:
    inherited::Dispatch(message);
    break;
  }
}

// The platform's EDIT would insert an IME character itself, without the
// WM_CHAR the key handling counts on; the window default turns it into a
// WM_CHAR instead. The character counts as double-byte when the process
// code page needs two bytes for it.
void TcxCustomInnerTextEdit::WMImeChar(TMessage& message) {
  const std::string bytes = WideToAnsi(std::u16string(1, static_cast<char16_t>(message.WParam)));
  m_imeCharState = bytes.size() > 1 ? 2 : 1;
  if (m_imeCharState == 2)
    m_imeLastCharByte = bytes[0];
  m_helper->SaveImeSelection();
  message.Result = ::DefWindowProcW(Handle(), message.Msg, message.WParam, message.LParam);
}

// A composition the editor does not allow is dropped: the EDIT would
// otherwise delete the selection for it, even in a read-only editor.
void TcxCustomInnerTextEdit::WMImeComposition(TMessage& message) {
  if (IcxInnerTextEditHost* host = Host(); host && !host->InnerEditCanCompose()) {
    message.Result = 0;
    return;
  }
  inherited::Dispatch(message);
}

// Saves the EDIT's text and selection while it is hosted, lets the EDIT take
// the message, and answers whether the control outlived it.
bool TcxCustomInnerTextEdit::DispatchSavingState(TMessage& message,
                                                 TcxCustomInnerTextEditPrevState& state) {
  if (Host() && HandleAllocated())
    SaveTextEditState(this, true, state);
  m_internalUpdating = false;
  TControlLife life(this);
  inherited::Dispatch(message);
  return static_cast<bool>(life);
}

// A key the EDIT took without changing anything is the editor's to act on,
// with the shift state the key handler got (each reading of a key's state
// asks the window system).
void TcxCustomInnerTextEdit::WMKeyDown(TMessage& message) {
  IcxInnerTextEditHost* host = Host();
  TcxCustomInnerTextEditPrevState state;
  m_keyDownShift.reset();
  if (!DispatchSavingState(message, state) || !host || m_internalUpdating ||
      CheckTextEditState(this, state))
    return;
  WORD key = static_cast<WORD>(message.WParam);
  if (key == 0)
    return;
  const TShiftState shift =
      m_keyDownShift ? *m_keyDownShift : KeyDataToShiftState(message.LParam);
  host->InnerEditKeyDownIgnored(key, shift);
  message.WParam = key;
}

void TcxCustomInnerTextEdit::WMChar(TMessage& message) {
  IcxInnerTextEditHost* host = Host();
  TcxCustomInnerTextEditPrevState state;
  if (!DispatchSavingState(message, state))
    return;
  if (m_imeCharState > 0 && --m_imeCharState == 0 && host && host->InnerEditFindSelection())
    RestoreImeSelection();
  if (host)
    host->InnerEditCharProcessed(!m_internalUpdating && CheckTextEditState(this, state));
}

// The selection the editor set while the IME character was on its way,
// kept by the helper until now.
void TcxCustomInnerTextEdit::RestoreImeSelection() {
  SetSelStart(m_helper->ImeSelStart());
  SetSelLength(m_helper->ImeSelLength());
}

// Cut, paste and clear are the hosting editor's: it checks them first.
bool TcxCustomInnerTextEdit::ClipboardToHost(TMessage& message) {
  IcxInnerTextEditHost* host = Host();
  if (!host)
    return false;
  if (message.Msg == WM_CUT)
    host->InnerEditCut();
  else if (message.Msg == WM_PASTE)
    host->InnerEditPaste();
  else
    host->InnerEditClear();
  return true;
}

// ---- the mouse and dragging, handed on to the editor in its coordinates

void TcxCustomInnerTextEdit::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TControlLife life(this);
  inherited::MouseDown(button, shift, x, y);
  if (IcxInnerTextEditHost* host = life ? Host() : nullptr)
    host->InnerEditMouseDown(button, shift, x + Left(), y + Top());
}

void TcxCustomInnerTextEdit::MouseMove(TShiftState shift, int x, int y) {
  TControlLife life(this);
  inherited::MouseMove(shift, x, y);
  if (IcxInnerTextEditHost* host = life ? Host() : nullptr)
    host->InnerEditMouseMove(shift, x + Left(), y + Top());
}

void TcxCustomInnerTextEdit::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TControlLife life(this);
  inherited::MouseUp(button, shift, x, y);
  if (IcxInnerTextEditHost* host = life ? Host() : nullptr)
    host->InnerEditMouseUp(button, shift, x + Left(), y + Top());
}

void TcxCustomInnerTextEdit::Click() {
  TControlLife life(this);
  inherited::Click();
  if (IcxInnerTextEditHost* host = life ? Host() : nullptr)
    host->InnerEditClick();
}

void TcxCustomInnerTextEdit::DblClick() {
  TControlLife life(this);
  inherited::DblClick();
  if (IcxInnerTextEditHost* host = life ? Host() : nullptr)
    host->InnerEditDblClick();
}

void TcxCustomInnerTextEdit::DragOver(TObject* source, int x, int y, TDragState state,
                                      bool& accept) {
  accept = false;
  if (IcxInnerTextEditHost* host = Host())
    host->InnerEditDragOver(source, x + Left(), y + Top(), state, accept);
}

void TcxCustomInnerTextEdit::DragDrop(TObject* source, int x, int y) {
  if (IcxInnerTextEditHost* host = Host())
    host->InnerEditDragDrop(source, x + Left(), y + Top());
}

// ---- TcxCustomInnerTextEditHelper ----

TWinControl* TcxCustomInnerTextEditHelper::GetControl() { return m_edit; }

TWinControl* TcxCustomInnerTextEditHelper::GetControlContainer() {
  return m_edit->GetControlContainer();
}

LRESULT TcxCustomInnerTextEditHelper::CallDefWndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  return m_edit->CallDefWndProc(msg, wParam, lParam);
}

Variant TcxCustomInnerTextEditHelper::GetEditValue() { return Variant(m_edit->CurrentText()); }

TNotifyEvent TcxCustomInnerTextEditHelper::GetOnChange() { return m_edit->OnChange(); }

bool TcxCustomInnerTextEditHelper::GetReadOnly() { return m_edit->ReadOnly(); }

void TcxCustomInnerTextEditHelper::LockBounds(bool lock) { m_edit->LockBounds(lock); }

void TcxCustomInnerTextEditHelper::SafelySetFocus() {
  const bool autoSelect = m_edit->AutoSelect();
  m_edit->SetAutoSelect(false);
  TControlLife life(m_edit);
  const TScopeExit restore([&] {
    if (life)
      m_edit->SetAutoSelect(autoSelect);
  });
  m_edit->SetFocus();
}

void TcxCustomInnerTextEditHelper::SetEditValue(const Variant& value) {
  m_edit->SetText(VarToStr(value));
}

void TcxCustomInnerTextEditHelper::SetParent(TWinControl* parent) { m_edit->SetParent(parent); }

void TcxCustomInnerTextEditHelper::SetOnChange(const TNotifyEvent& value) {
  m_edit->SetOnChange(value);
}

void TcxCustomInnerTextEditHelper::SetReadOnly(bool value) { m_edit->SetReadOnly(value); }

void TcxCustomInnerTextEditHelper::ClearSelection() { m_edit->ClearSelection(); }

void TcxCustomInnerTextEditHelper::CopyToClipboard() { m_edit->CopyToClipboard(); }

TAlignment TcxCustomInnerTextEditHelper::GetAlignment() { return m_edit->ControlAlignment(); }

bool TcxCustomInnerTextEditHelper::GetAutoSelect() { return m_edit->AutoSelect(); }

TEditCharCase TcxCustomInnerTextEditHelper::GetCharCase() { return m_edit->CharCase(); }

TcxEditEchoMode TcxCustomInnerTextEditHelper::GetEchoMode() { return m_edit->InnerEchoMode(); }

bool TcxCustomInnerTextEditHelper::GetHideSelection() { return m_edit->HideSelection(); }

char TcxCustomInnerTextEditHelper::GetImeLastChar() {
  return m_edit->ImeCharState() == 2 ? m_edit->ImeLastCharByte() : '\0';
}

TImeMode TcxCustomInnerTextEditHelper::GetImeMode() { return m_edit->ImeMode(); }

TImeName TcxCustomInnerTextEditHelper::GetImeName() { return m_edit->ImeName(); }

bool TcxCustomInnerTextEditHelper::GetInternalUpdating() { return m_edit->InternalUpdating(); }

int TcxCustomInnerTextEditHelper::GetMaxLength() { return m_edit->MaxLength(); }

TNotifyEvent TcxCustomInnerTextEditHelper::GetOnSelChange() { return m_edit->OnSelChange(); }

char TcxCustomInnerTextEditHelper::GetPasswordChar() { return m_edit->InnerPasswordChar(); }

int TcxCustomInnerTextEditHelper::GetSelLength() {
  return m_edit->ImeCharState() > 0 ? m_imeSelLength : m_edit->SelLength();
}

int TcxCustomInnerTextEditHelper::GetSelStart() {
  return m_edit->ImeCharState() > 0 ? m_imeSelStart : m_edit->SelStart();
}

std::string TcxCustomInnerTextEditHelper::GetSelText() { return m_edit->SelText(); }

void TcxCustomInnerTextEditHelper::SelectAll() {
  if (m_edit->HandleAllocated())
    m_edit->SelectAll();
}

void TcxCustomInnerTextEditHelper::SetAlignment(TAlignment value) {
  m_edit->SetControlAlignment(value);
}

void TcxCustomInnerTextEditHelper::SetAutoSelect(bool value) { m_edit->SetAutoSelect(value); }

void TcxCustomInnerTextEditHelper::SetCharCase(TEditCharCase value) { m_edit->SetCharCase(value); }

void TcxCustomInnerTextEditHelper::SetEchoMode(TcxEditEchoMode value) {
  m_edit->SetInnerEchoMode(value);
}

void TcxCustomInnerTextEditHelper::SetHideSelection(bool value) { m_edit->SetHideSelection(value); }

void TcxCustomInnerTextEditHelper::SetInternalUpdating(bool value) {
  m_edit->SetInternalUpdating(value);
}

void TcxCustomInnerTextEditHelper::SetImeMode(TImeMode value) { m_edit->SetImeMode(value); }

void TcxCustomInnerTextEditHelper::SetImeName(const TImeName& value) { m_edit->SetImeName(value); }

void TcxCustomInnerTextEditHelper::SetMaxLength(int value) { m_edit->SetMaxLength(value); }

void TcxCustomInnerTextEditHelper::SetOnSelChange(const TNotifyEvent& value) {
  m_edit->SetOnSelChange(value);
}

void TcxCustomInnerTextEditHelper::SetPasswordChar(char value) {
  m_edit->SetInnerPasswordChar(value);
}

void TcxCustomInnerTextEditHelper::SetSelLength(int value) {
  if (!m_edit->HandleAllocated())
    return;
  if (m_edit->ImeCharState() > 0)
    m_imeSelLength = value;
  else
    m_edit->SetSelLength(value);
}

void TcxCustomInnerTextEditHelper::SetSelStart(int value) {
  if (!m_edit->HandleAllocated())
    return;
  if (m_edit->ImeCharState() > 0)
    m_imeSelStart = value;
  else
    m_edit->SetSelStart(value);
}

void TcxCustomInnerTextEditHelper::SetSelText(const std::string& value) {
  m_edit->SetSelText(value);
}

void TcxCustomInnerTextEditHelper::SaveImeSelection() {
  m_imeSelStart = m_edit->SelStart();
  m_imeSelLength = m_edit->SelLength();
}
