// The text editor's keys, the mouse over its inner edit, selection,
// clipboard, clear and undo.
#include "editors/cxTextEdit.h"

#include <algorithm>

#include "editors/cxEditDataBinding.h"
#include "editors/cxEditValue.h"
#include "framework/cxControlsUtils.h"
#include "platform/controls/Clipboard.h"
#include "platform/rtl/AnsiStrings.h"
#include "platform/rtl/ScopeGuards.h"
#include "platform/rtl/WideText.h"

namespace {

using enum TcxEditEditingStyle;

// Holds a flag at a value for the scope, then gives it back its old value.
class TFlagValue {
public:
  TFlagValue(bool& flag, bool value) : m_flag(flag), m_old(flag) { m_flag = value; }
  ~TFlagValue() { m_flag = m_old; }
  TFlagValue(const TFlagValue&) = delete;
  TFlagValue& operator=(const TFlagValue&) = delete;

private:
  bool& m_flag;
  bool m_old;
};

bool IsListStyle(TcxEditEditingStyle style) { return style == esFixedList || style == esNoEdit; }

} // namespace

// ---- editing permission and accepted characters

bool TcxCustomTextEdit::InternalDoEditing() { return EditingStyle() != esNoEdit; }

bool TcxCustomTextEdit::IsValidChar(char AKey) {
  return TcxCustomEdit::IsValidChar(AKey) ||
         ActiveProperties()->AcceptedChars().test(static_cast<unsigned char>(AKey));
}

bool TcxCustomTextEdit::CanKeyPressModifyEdit(char AKey) {
  return AKey == '\b' || AKey == '\x16' || AKey == '\x18' || IsTextChar(AKey);
}

// Keys that scroll the lookup items change the value.
bool TcxCustomTextEdit::CanKeyDownModifyEdit(WORD AKey, TShiftState AShift) {
  if (TcxCustomEdit::CanKeyDownModifyEdit(AKey, AShift) || AKey == VK_DELETE)
    return true;
  if (!GetScrollLookupDataList(TcxEditScrollCause::escKeyboard) || HasPopupWindow())
    return false;
  return AKey == VK_PRIOR || AKey == VK_NEXT ||
         ((AKey == VK_UP || AKey == VK_DOWN) && !AShift.Contains(TShiftStateItem::ssAlt));
}

// ---- keys

// The platform's EDIT changes letter case by rules that know no Turkish i;
// what reaches it is in the case asked for already.
std::string TcxCustomTextEdit::InLetterCase(const std::string& AText) {
  return ActiveProperties()->CheckCharsRegister(AText);
}

// Without lookup items the incremental search can find nothing; a typed
// character then only ends a proposed completion.
bool TcxCustomTextEdit::HasLookupItems() { return m_lookupData && LookupItems()->Count() > 0; }

void TcxCustomTextEdit::KeyPress(char& Key) {
  if (Key == '\x1B' && IsEditValueResetting() && m_popupClosedRecently && !HasPopupWindow())
    m_popupClosedRecently = false;
  TcxCustomEdit::KeyPress(Key);
}

void TcxCustomTextEdit::DoEditKeyPress(char& Key) {
  IcxInnerTextEdit* inner = InnerTextEdit();
  if (inner)
    inner->SetInternalUpdating(true);
  TcxCustomEdit::DoEditKeyPress(Key);
  if (Key != '\0' && HasLookupItems())
    cxTextEditIncrementalSearch(*this, m_lookupData.get(), Key);
  else if (Key != '\0')
    m_findSelection = false;
  if (Key != '\0' && inner)
    inner->SetInternalUpdating(false);
}

void TcxCustomTextEdit::DoEditKeyDown(WORD& Key, TShiftState Shift) {
  const TcxEditEditingStyle style = EditingStyle();
  if (style == esFixedList && !IsSpecialKey(Key, Shift) &&
      (Key == VK_LEFT || Key == VK_RIGHT || Key == VK_DELETE)) {
    SetFindSelection(false);
    DoAfterKeyDown(Key, Shift);
    Key = 0;
    return;
  }
  IcxInnerTextEdit* inner = InnerTextEdit();
  if (inner)
    inner->SetInternalUpdating(true);
  const WORD key = Key;
  const bool findSelection = m_findSelection;
  TControlLife life(this);
  TcxCustomEdit::DoEditKeyDown(Key, Shift);
  if (!life)
    return;
  if (TranslateKey(key) == VK_RETURN && findSelection)
    SelectAll();
  const bool withShift = Shift.Contains(TShiftStateItem::ssShift);
  switch (Key) {
  case VK_LEFT:
  case VK_RIGHT:
    if (!withShift && GetSelLength() > 0) {
      const int caret = Key == VK_RIGHT ? GetSelStart() + GetSelLength() : GetSelStart();
      SetSelection(caret, 0);
      Key = 0;
    }
    SetFindSelection(false);
    break;
  case VK_DELETE:
    if (style == esEditList) {
      DoAfterKeyDown(Key, Shift);
      Key = 0;
    } else {
      SetFindSelection(false);
    }
    break;
  case VK_PRIOR:
  case VK_NEXT:
  case VK_UP:
  case VK_DOWN:
    EatNavigationKey(Key, Shift);
    break;
  case VK_HOME:
  case VK_END:
    if (style == esFixedList && ScrollLookupData(Key, Shift))
      Key = 0;
    else if (Key == VK_END && style != esFixedList && GetSelLength() == 0)
      SetFindSelection(false);
    break;
  default:
    break;
  }
  if (Key != 0 && inner)
    inner->SetInternalUpdating(false);
}

// The single-line text has no use for vertical keys: what lookup scrolling
// leaves of them is eaten, after the after-key-down notification.
void TcxCustomTextEdit::EatNavigationKey(WORD& Key, TShiftState Shift) {
  TControlLife life(this);
  if (ScrollLookupData(Key, Shift) || !life) {
    Key = 0;
    return;
  }
  DoAfterKeyDown(Key, Shift);
  Key = 0;
}

namespace {

TcxEditLookupDataGoDirection ScrollDirection(WORD Key, TShiftState Shift) {
  using enum TcxEditLookupDataGoDirection;
  const bool withCtrl = Shift.Contains(TShiftStateItem::ssCtrl);
  switch (Key) {
  case VK_HOME:
    return egdBegin;
  case VK_END:
    return egdEnd;
  case VK_PRIOR:
    return withCtrl ? egdBegin : egdPageUp;
  case VK_NEXT:
    return withCtrl ? egdEnd : egdPageDown;
  case VK_UP:
    return egdPrev;
  default:
    return egdNext;
  }
}

} // namespace

bool TcxCustomTextEdit::ScrollLookupData(WORD Key, TShiftState Shift) {
  if (!CanScrollLookupData(TcxEditScrollCause::escKeyboard))
    return false;
  MoveLookupItem(ScrollDirection(Key, Shift));
  return true;
}

bool TcxCustomTextEdit::CanScrollLookupData(TcxEditScrollCause ACause) {
  return GetScrollLookupDataList(ACause) && ActiveProperties()->UseLookupData() && m_lookupData &&
         !m_lookupData->IsEmpty();
}

// Moves the current lookup item with the change events held back until the
// end and no click before the move is over.
void TcxCustomTextEdit::MoveLookupItem(TcxEditLookupDataGoDirection ADirection) {
  TControlLife life(this);
  LockChangeEvents(true);
  const TScopeExit unlockChangeEvents([&] {
    if (life)
      LockChangeEvents(false);
  });
  m_lookupScrollInProgress = true;
  const TScopeExit endScrolling([&] {
    if (life)
      m_lookupScrollInProgress = false;
  });
  const Variant oldKey = m_lookupData->GetCurrentKey();
  {
    LockClick(true);
    const TScopeExit unlockClick([&] {
      if (life)
        LockClick(false);
    });
    m_lookupData->Go(ADirection, false);
  }
  if (life && !InternalVarEqualsExact(oldKey, m_lookupData->GetCurrentKey()))
    PostScrolledValue();
}

// The item scrolled to is a click, and posted at once when the properties
// ask for that.
void TcxCustomTextEdit::PostScrolledValue() {
  TControlLife life(this);
  DoClick();
  if (life && CanPostEditValue() && ActiveProperties()->PostImmediately() && ValidateEdit(true))
    InternalPostEditValue(false);
}

// A wheel turn nothing else took moves the current lookup item one step,
// when the editor scrolls its items with the wheel and may be edited.
bool TcxCustomTextEdit::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  TControlLife life(this);
  if (TcxCustomEdit::DoMouseWheel(Shift, WheelDelta, MousePos) || !life)
    return true;
  if (!CanScrollLookupData(TcxEditScrollCause::escMouseWheel) || HasPopupWindow() ||
      !HandleMouseWheel(Shift) || !DoEditing() || !life)
    return false;
  using enum TcxEditLookupDataGoDirection;
  MoveLookupItem(WheelDelta > 0 ? egdPrev : egdNext);
  return true;
}

void TcxCustomTextEdit::InnerEditKeyDown(WORD& key, TShiftState shift) { KeyDown(key, shift); }

// Enter and Escape are swallowed by an in-place editor, after a popup
// closed, and Enter when the editor is not to beep on it.
void TcxCustomTextEdit::InnerEditKeyPress(char& key) {
  TControlLife life(this);
  KeyPress(key);
  if (!life)
    return;
  if (IsTextChar(key))
    key = InLetterCase(std::string(1, key))[0];
  const bool swallow = IsInplace() || m_popupClosedRecently || (!m_beepOnEnter && key == '\r');
  if (swallow && (key == '\r' || key == '\x1B')) {
    key = '\0';
    m_popupClosedRecently = false;
  }
}

void TcxCustomTextEdit::InnerEditKeyUp(WORD& key, TShiftState shift) { KeyUp(key, shift); }

// The state of Ctrl is asked only when it matters.
LRESULT TcxCustomTextEdit::InnerEditDialogCode() {
  LRESULT code = 0;
  if (TabsNeeded() && ::GetKeyState(VK_CONTROL) >= 0)
    code |= DLGC_WANTTAB;
  if (IsInplace() || HasPopupWindow())
    code |= DLGC_WANTALLKEYS;
  return code;
}

void TcxCustomTextEdit::InnerEditKeyDownIgnored(WORD& key, TShiftState shift) {
  DoAfterKeyDown(key, shift);
}

void TcxCustomTextEdit::InnerEditCharProcessed(bool changed) {
  m_lookupTextChangeLock = false;
  if (changed)
    SetFindSelection(false);
}

// ---- the mouse over the inner edit

// While the press the inner edit had is the editor's, clicking does not
// move the focus from the inner edit to the editor.
void TcxCustomTextEdit::InnerEditMouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  SetInnerControlMouseDown(true);
  TControlLife life(this);
  const TScopeExit clear([this, &life] {
    if (life)
      SetInnerControlMouseDown(false);
  });
  MouseDown(button, shift, x, y);
}

bool TcxCustomTextEdit::InnerEditBeginAutoDrag() {
  if (DragMode() != TDragMode::dmAutomatic || IsDesigning())
    return false;
  BeginAutoDrag();
  return true;
}

// ---- selection

int TcxCustomTextEdit::GetSelStart() {
  IcxInnerTextEdit* inner = InnerTextEdit();
  const TcxEditEditingStyle style = EditingStyle();
  if (!inner || style == esNoEdit || (style == esFixedList && !m_findSelection))
    return 0;
  return inner->GetSelStart();
}

void TcxCustomTextEdit::SetSelStart(int Value) {
  if (IcxInnerTextEdit* inner = InnerTextEdit(); inner && EditingStyle() != esNoEdit)
    inner->SetSelStart(Value);
}

int TcxCustomTextEdit::GetSelLength() {
  IcxInnerTextEdit* inner = InnerTextEdit();
  const TcxEditEditingStyle style = EditingStyle();
  if (!inner || style == esNoEdit || (style == esFixedList && !m_findSelection))
    return 0;
  return inner->GetSelLength();
}

void TcxCustomTextEdit::SetSelLength(int Value) {
  if (IcxInnerTextEdit* inner = InnerTextEdit(); inner && EditingStyle() != esNoEdit)
    inner->SetSelLength(Value);
}

std::string TcxCustomTextEdit::GetSelText() {
  IcxInnerTextEdit* inner = InnerTextEdit();
  const TcxEditEditingStyle style = EditingStyle();
  if (!inner || style == esNoEdit || (style == esFixedList && !m_findSelection))
    return {};
  return inner->GetSelText();
}

void TcxCustomTextEdit::SetSelection(int AStart, int ALength) {
  SetSelStart(AStart);
  SetSelLength(ALength);
}

void TcxCustomTextEdit::SelectAll() {
  if (IcxInnerTextEdit* inner = InnerTextEdit())
    inner->SelectAll();
}

int TcxCustomTextEdit::GetCursorPos() {
  auto* inner = dynamic_cast<TcxCustomInnerTextEdit*>(InnerControl());
  return inner ? inner->GetCursorPos() : 0;
}

// ---- replacing the selection

bool TcxCustomTextEdit::CanChangeSelText(const std::string& AText, std::string& ANewText,
                                         int& ANewCaret) {
  ANewText.clear();
  ANewCaret = 0;
  const TcxEditEditingStyle style = EditingStyle();
  const bool keyboard = KeyboardAction();
  if (style == esNoEdit && keyboard)
    return false;
  if (IsListStyle(style))
    SelectAll();
  const std::string text = InternalGetText();
  const int selStart = std::clamp(GetSelStart(), 0, static_cast<int>(text.size()));
  const int selLength = std::clamp(GetSelLength(), 0, static_cast<int>(text.size()) - selStart);
  const int maxLength = ActiveProperties()->MaxLength();
  if (keyboard && style == esEdit && maxLength > 0) {
    // What is typed or pasted is cut to the room the maximum length leaves;
    // text already there is never dropped for it.
    const std::string before = text.substr(0, static_cast<size_t>(selStart));
    const std::string after = text.substr(static_cast<size_t>(selStart + selLength));
    const int room = maxLength - static_cast<int>(before.size() + after.size());
    if (static_cast<int>(before.size()) > maxLength || (!AText.empty() && room <= 0))
      return false;
    const std::string inserted = AText.substr(0, static_cast<size_t>(std::max(room, 0)));
    ANewText = before + inserted + after;
    ANewCaret = static_cast<int>(before.size() + inserted.size());
  } else {
    ANewText = style == esFixedList ? AText
                                    : text.substr(0, static_cast<size_t>(selStart)) + AText +
                                          text.substr(static_cast<size_t>(selStart + selLength));
    ANewCaret = selStart + static_cast<int>(AText.size());
  }
  Variant value(ANewText);
  if (!ActiveProperties()->IsDisplayValueValid(value, InternalFocused()))
    return false;
  if (keyboard && !DoEditing())
    return false;
  ANewText = VarToStr(value);
  return true;
}

void TcxCustomTextEdit::SetSelText(const std::string& AText) {
  TFlagValue keyboard(KeyboardActionFlag(), Focused());
  std::string newText;
  int caret = 0;
  if (CanChangeSelText(AText, newText, caret))
    SetTextBySelText(newText, caret);
}

void TcxCustomTextEdit::SetTextBySelText(const std::string& ANewText, int ACaret) {
  InternalSetDisplayValue(Variant(ANewText));
  SetSelection(ACaret, 0);
}

void TcxCustomTextEdit::ClearSelection() {
  const int selLength = GetSelLength();
  if (selLength <= 0)
    return;
  TFlagValue keyboard(KeyboardActionFlag(), Focused());
  const int selStart = GetSelStart();
  std::string text = InternalGetText();
  text.erase(static_cast<size_t>(selStart), static_cast<size_t>(selLength));
  if (AcceptDisplayText(text))
    SetSelection(selStart, 0);
}

void TcxCustomTextEdit::WMClear() {
  TFlagValue keyboard(KeyboardActionFlag(), true);
  if (!ActiveProperties()->ReadOnly() && DataBinding()->GetIsDataAvailable())
    ClearSelection();
}

// ---- clipboard and undo

// A masked text never reaches the clipboard.
bool TcxCustomTextEdit::IsPassword() {
  return ActiveProperties()->EchoMode() == TcxEditEchoMode::eemPassword;
}

void TcxCustomTextEdit::CopyToClipboard() {
  IcxInnerTextEdit* inner = InnerTextEdit();
  if (!inner || IsPassword())
    return;
  if (IsListStyle(EditingStyle()))
    SelectAll();
  if (GetSelLength() > 0)
    inner->CopyToClipboard();
}

void TcxCustomTextEdit::CutToClipboard() {
  IcxInnerTextEdit* inner = InnerTextEdit();
  if (!inner || IsPassword() || GetSelLength() <= 0)
    return;
  if (!Focused()) {
    inner->CopyToClipboard();
    SetSelText(std::string());
    return;
  }
  TFlagValue keyboard(KeyboardActionFlag(), true);
  std::string newText;
  int caret = 0;
  if (CanChangeSelText(std::string(), newText, caret))
    inner->CallDefWndProc(WM_CUT, 0, 0);
}

// The clipboard's text as a single-line EDIT pastes it: its first line.
// False when that holds characters the code page cannot show, which the
// display text could not return as they were pasted.
bool TcxCustomTextEdit::ClipboardText(std::string& AText) {
  std::u16string wide = Clipboard()->AsWideText();
  const size_t lineBreak = wide.find_first_of(u"\r\n");
  if (lineBreak != std::u16string::npos)
    wide.erase(lineBreak);
  AText = WideToAnsi(wide);
  return AnsiToWide(AText) == wide;
}

// A focused editor lets the EDIT insert the text once the whole change is
// known to be accepted, so the EDIT's own limit and undo apply; an
// unfocused one replaces the selection at once. Text the code page cannot
// hold is refused with a beep.
void TcxCustomTextEdit::PasteFromClipboard() {
  IcxInnerTextEdit* inner = InnerTextEdit();
  if (!inner || !Clipboard()->HasFormat(CF_UNICODETEXT))
    return;
  std::string text;
  if (!ClipboardText(text)) {
    ::MessageBeep(MB_OK);
    return;
  }
  if (!Focused()) {
    SetSelText(text);
    return;
  }
  TFlagValue keyboard(KeyboardActionFlag(), true);
  std::string newText;
  int caret = 0;
  if (!CanChangeSelText(text, newText, caret))
    return;
  const std::u16string wide = AnsiToWide(InLetterCase(text));
  inner->CallDefWndProc(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(wide.c_str()));
}

void TcxCustomTextEdit::Undo() { DataBinding()->Reset(); }
