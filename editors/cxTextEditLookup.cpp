#include "editors/cxTextEditLookup.h"

#include "data/cxVariants.h"
#include "framework/cxGeometry.h"
#include "platform/rtl/AnsiStrings.h"
#include "platform/rtl/ScopeGuards.h"

namespace {

using enum TcxEditEditingStyle;
using enum TcxEditLookupDataGoDirection;

int KeyToIndex(const Variant& key) {
  if (VarIsNull(key) || VarIsEmpty(key))
    return -1;
  return key.ToInteger();
}

bool IsListStyle(TcxEditEditingStyle style) { return style == esEditList || style == esFixedList; }

} // namespace

TcxCustomTextEditLookupData::TcxCustomTextEditLookupData(TPersistent* owner)
    : TcxInterfacedPersistent(owner) {
  m_edit = dynamic_cast<IcxTextEditLookupOwner*>(owner);
  if (!m_edit)
    RaiseInvalidCast();
}

TcxCustomTextEditLookupData::~TcxCustomTextEditLookupData() {
  if (TcxCustomEditListBox* list = ListBox())
    list->SetOnSelectItem(TNotifyEvent());
}

// ---- items ------------------------------------------------------------------

TStrings* TcxCustomTextEditLookupData::GetItems() { return m_edit->LookupItems(); }

void TcxCustomTextEditLookupData::SetItems(const TStrings& items) { GetItems()->Assign(items); }

std::string TcxCustomTextEditLookupData::GetItem(int index) { return GetItems()->Strings(index); }

int TcxCustomTextEditLookupData::GetItemCount() {
  const TStrings* items = GetItems();
  return items ? items->Count() : 0;
}

bool TcxCustomTextEditLookupData::IsEmpty() { return GetItemCount() == 0; }

// Both sides upper-cased as the user's locale does (Turkish: i with İ, ı with I).
int TcxCustomTextEditLookupData::IndexOf(const std::string& text) {
  const std::string wanted = AnsiUpperCase(text);
  for (int i = 0; i < GetItemCount(); ++i)
    if (AnsiUpperCase(GetItem(i)) == wanted)
      return i;
  return -1;
}

bool TcxCustomTextEditLookupData::Find(const std::string& text) { return IndexOf(text) != -1; }

std::string TcxCustomTextEditLookupData::GetDisplayText(const Variant& key) {
  const int index = KeyToIndex(key);
  return index >= 0 && index < GetItemCount() ? GetItem(index) : std::string();
}

// ---- prefix search ------------------------------------------------------------

bool TcxCustomTextEditLookupData::Locate(std::string& text, std::string& tail, bool next) {
  return InternalLocate(text, tail, next, false);
}

bool TcxCustomTextEditLookupData::InternalLocate(std::string& text, std::string& tail, bool next,
                                                 bool wholeText) {
  if (GetItemCount() == 0) {
    LocateFailed(text, wholeText);
    return false;
  }
  if (wholeText && m_edit->MRUMode()) {
    const int index = IndexOf(text);
    InternalSetCurrentKey(index);
    if (index != -1)
      tail.clear();
    return index != -1;
  }
  const std::size_t length = text.size();
  if (length > 0) {
    const std::string wanted = AnsiUpperCase(text);
    for (int i = (next ? m_itemIndex : -1) + 1; i < GetItemCount(); ++i) {
      const std::string item = GetItem(i);
      if (item.size() >= length && AnsiUpperCase(item.substr(0, length)) == wanted) {
        text = item.substr(0, length);
        tail = item.substr(length);
        InternalSetCurrentKey(i);
        return true;
      }
    }
  }
  LocateFailed(text, wholeText);
  return false;
}

// A list style keeps the current item through a failed search of part of a text.
void TcxCustomTextEditLookupData::LocateFailed(const std::string& text, bool wholeText) {
  bool reset = true;
  switch (m_edit->EditingStyle()) {
  case esEditList:
    reset = wholeText || (text.empty() && IndexOf("") == -1);
    break;
  case esFixedList:
    reset = wholeText;
    break;
  default:
    break;
  }
  if (reset)
    InternalSetCurrentKey(-1);
}

// ---- current key and item index ----------------------------------------------

void TcxCustomTextEditLookupData::InternalSetCurrentKey(int index) {
  if (index < -1 || index >= GetItemCount())
    return;
  m_currentKey = index;
  InternalSetItemIndex(index);
}

// The list scrolls back to its first row before its selection is cleared.
void TcxCustomTextEditLookupData::InternalSetItemIndex(int index) {
  if (index < -1 || index >= GetItemCount() || (index == m_itemIndex && index != -1))
    return;
  TcxCustomEditListBox* list = ListBox();
  if (list && GetItemCount() > 0) {
    if (index == -1)
      list->SetItemIndex(0);
    list->SetItemIndex(index);
  }
  m_itemIndex = index;
}

Variant TcxCustomTextEditLookupData::GetCurrentKey() { return Variant(m_currentKey); }

void TcxCustomTextEditLookupData::SetCurrentKey(const Variant& key) {
  const Variant oldKey = GetCurrentKey();
  InternalSetCurrentKey(KeyToIndex(key));
  m_edit->SetLookupTextChangeLock(true);
  TScopeExit unlock([this] { m_edit->SetLookupTextChangeLock(false); });
  if (!VarEqualsExact(oldKey, GetCurrentKey())) {
    DoSelectItem();
    return;
  }
  if (m_currentKey >= 0 && m_currentKey < GetItemCount() &&
      AnsiCompareStr(m_edit->Text(), GetItem(m_currentKey)) != 0)
    DoSelectItem();
}

void TcxCustomTextEditLookupData::SetItemIndex(int index) {
  if (IsListVisible() && !m_edit->UpdateTextImmediately())
    InternalSetItemIndex(index);
  else
    SetCurrentKey(Variant(index));
}

void TcxCustomTextEditLookupData::CloseUp() { InternalSetItemIndex(m_currentKey); }

void TcxCustomTextEditLookupData::SelectItem() {
  if (m_itemIndex == -1 || !(m_currentKey == m_itemIndex || m_edit->DoEditing()))
    return;
  const Variant oldKey = GetCurrentKey();
  SetCurrentKey(Variant(m_itemIndex));
  if (VarEqualsExact(oldKey, GetCurrentKey()))
    DoSelectItem();
}

void TcxCustomTextEditLookupData::DoCurrentKeyChanged() {
  if (m_onCurrentKeyChanged)
    m_onCurrentKeyChanged(this);
}

void TcxCustomTextEditLookupData::DoSelectItem() {
  if (m_onSelectItem)
    m_onSelectItem(this);
}

// ---- moving through the items ---------------------------------------------------

int TcxCustomTextEditLookupData::GoTarget(TcxEditLookupDataGoDirection direction, bool cycle) {
  const int count = GetItemCount();
  const int page = m_edit->DropDownPageRowCount();
  const int from = m_itemIndex != -1 ? m_itemIndex : m_currentKey;
  switch (direction) {
  case egdBegin:
    return 0;
  case egdEnd:
    return count - 1;
  case egdNext:
    if (from + 1 < count)
      return from + 1;
    return cycle ? 0 : from;
  case egdPrev:
    if (from - 1 >= 0)
      return from - 1;
    return cycle ? count - 1 : from;
  case egdPageUp:
    if (from == -1)
      return cycle ? count - 1 : -1;
    if (from - page + 1 >= 0)
      return from - page + 1;
    return cycle && from == 0 ? count - 1 : 0;
  case egdPageDown: {
    const int target = from == -1 ? page - 1 : from + page - 1;
    if (target < count)
      return target;
    return cycle && from == count - 1 ? 0 : count - 1;
  }
  }
  return from;
}

void TcxCustomTextEditLookupData::Go(TcxEditLookupDataGoDirection direction, bool cycle) {
  if (GetItemCount() == 0)
    return;
  const int target = GoTarget(direction, cycle);
  if (!IsListVisible() || (m_edit->UpdateTextImmediately() && m_edit->DoEditing()))
    SetCurrentKey(Variant(target));
  else
    InternalSetItemIndex(target);
}

// ---- the editor's text -----------------------------------------------------------

void TcxCustomTextEditLookupData::TextChanged() {
  if (m_edit->EditModeSetting())
    return;
  const std::string text = m_edit->Text();
  if (m_itemIndex < GetItemCount() &&
      AnsiUpperCase(GetDisplayText(Variant(m_itemIndex))) == AnsiUpperCase(text))
    return;
  std::string found = text;
  std::string tail;
  InternalLocate(found, tail, false, true);
}

// ---- the list box ----------------------------------------------------------------

TcxCustomEditListBox* TcxCustomTextEditLookupData::ListBox() const {
  return m_listBoxLife && *m_listBoxLife ? m_listBox : nullptr;
}

bool TcxCustomTextEditLookupData::IsListVisible() const {
  TcxCustomEditListBox* list = ListBox();
  return list && list->IsVisible();
}

void TcxCustomTextEditLookupData::Initialize(TWinControl* visualControlsParent) {
  const TcxCustomEditListBoxClass listClass = GetListBoxClass();
  if (listClass && !ListBox()) {
    m_listBox = listClass.Create(visualControlsParent);
    m_listBoxLife.emplace(m_listBox);
  }
  if (TcxCustomEditListBox* list = ListBox()) {
    list->SetColor(m_edit->ActiveStyleColor());
    list->Font()->Assign(m_edit->ActiveStyleFont());
    list->Canvas()->Font()->Assign(m_edit->ActiveStyleFont());
    list->SetParent(visualControlsParent);
    list->SetOnSelectItem(TNotifyEvent(this, &TcxCustomTextEditLookupData::HandleSelectItem));
    list->SetItemCount(GetItemCount());
    list->SetItemIndex(m_itemIndex);
    list->RecreateWindow();
  }
  TextChanged();
}

void TcxCustomTextEditLookupData::HandleSelectItem(TObject*) {
  if (TcxCustomEditListBox* list = ListBox())
    m_itemIndex = list->ItemIndex();
}

void TcxCustomTextEditLookupData::ListChanged() {
  if (TcxCustomEditListBox* list = ListBox())
    list->SetItemCount(GetItemCount());
}

void TcxCustomTextEditLookupData::PositionVisualArea(const TRect& clientRect) {
  if (TcxCustomEditListBox* list = ListBox())
    list->SetBounds(clientRect.Left, clientRect.Top, cxRectWidth(clientRect),
                    cxRectHeight(clientRect));
}

// The point is compared with the list's bounds in its parent's coordinates,
// so the answer holds wherever the list sits in its parent.
bool TcxCustomTextEditLookupData::IsMouseOverList(const TPoint& p) {
  TcxCustomEditListBox* list = ListBox();
  if (!list || !list->Parent() || !list->Parent()->HandleAllocated())
    return false;
  return cxRectPtIn(list->BoundsRect(), list->Parent()->ScreenToClient(p));
}

bool TcxCustomTextEditLookupData::CanResizeVisualArea(TSize&, int, int) { return true; }

TSize TcxCustomTextEditLookupData::GetVisualAreaPreferredSize(int, int) { return TSize{0, 0}; }

// ---- incremental search -----------------------------------------------------------

namespace {

// One key press of the incremental search, with the editor's state around it.
class TIncrementalSearch {
public:
  TIncrementalSearch(IcxTextEditLookupOwner& edit, TcxCustomTextEditLookupData* lookupData)
      : m_edit(edit), m_lookupData(lookupData), m_style(edit.EditingStyle()) {}

  // Answers whether a completion took the key.
  bool Backspace();
  bool Character(char key);
  // Whether a character that found nothing is eaten.
  bool EatsUnmatched() const { return IsListStyle(m_style); }
  void AfterUnmatchedCharacter(bool findSelectionBefore);

private:
  bool SearchCondition();
  bool SearchAndComplete(std::string text);

  IcxTextEditLookupOwner& m_edit;
  TcxCustomTextEditLookupData* m_lookupData;
  TcxEditEditingStyle m_style;
};

bool TIncrementalSearch::Backspace() {
  if (!m_lookupData || !m_edit.CanIncrementalSearch())
    return false;
  const std::string text = m_edit.Text();
  if (m_style == esEditList && !text.empty() && !m_edit.FindSelection()) {
    const int caret = m_edit.CursorPos();
    m_edit.SetSelection(caret, static_cast<int>(text.size()) - caret);
    m_edit.SetFindSelectionActive(true);
  }
  if (!m_edit.FindSelection())
    return false;
  std::string typed = text.substr(0, static_cast<std::size_t>(m_edit.SelStart()));
  if (!typed.empty())
    typed.pop_back();
  m_edit.SetLookupTextChangeLock(true);
  return SearchAndComplete(typed);
}

bool TIncrementalSearch::SearchCondition() {
  const std::size_t length = m_edit.Text().size();
  const bool caretAtEnd =
      m_edit.SelLength() == 0 && static_cast<std::size_t>(m_edit.CursorPos()) == length;
  return IsListStyle(m_style) || caretAtEnd || m_edit.FindSelection() || m_edit.SelLength() > 0;
}

bool TIncrementalSearch::Character(char key) {
  if (!m_edit.CanIncrementalSearch() || !SearchCondition())
    return false;
  m_edit.SetLookupTextChangeLock(true);
  const std::string text = m_edit.Text();
  const std::string alone(1, key);
  std::string typed;
  bool found = false;
  if (m_edit.SelLength() > 0) {
    typed = text.substr(0, static_cast<std::size_t>(m_edit.SelStart())) + key;
  } else if (m_style == esFixedList) {
    typed = alone;
    if (m_edit.FindSelection()) {
      found = SearchAndComplete(text + key);
      typed = alone;
    }
  } else {
    typed = text;
    typed.insert(static_cast<std::size_t>(m_edit.CursorPos()), 1, key);
  }
  if (!found)
    found = SearchAndComplete(typed);
  if (!found && m_style == esFixedList && !m_edit.FixedListSelection())
    found = SearchAndComplete(alone);
  return found;
}

void TIncrementalSearch::AfterUnmatchedCharacter(bool findSelectionBefore) {
  if (m_style == esEditList && !m_edit.Text().empty())
    m_edit.SetFindSelection(true);
  else if (m_style == esFixedList && m_edit.FixedListSelection() && findSelectionBefore)
    m_edit.SetFindSelection(true);
}

// Completes the text from the first item starting with 'text'; answers
// whether one was found.
bool TIncrementalSearch::SearchAndComplete(std::string text) {
  const char imeChar = m_edit.ImeLastChar();
  if (imeChar != '\0')
    text += imeChar;
  std::string tail;
  const bool found = m_lookupData->Locate(text, tail, false);
  if (found && imeChar != '\0' && !text.empty()) {
    tail.insert(tail.begin(), text.back());
    text.pop_back();
  }
  m_edit.SetFindSelectionActive(found);
  if (text.empty() && m_style != esFixedList) {
    m_edit.InternalSetDisplayValue(Variant(std::string()));
    m_edit.SetFindSelectionActive(false);
  }
  if (found) {
    m_edit.SetBindingDisplayValue(text + tail);
    m_edit.SetSelection(static_cast<int>(text.size()), static_cast<int>(tail.size()));
  }
  m_edit.UpdateDrawValue();
  return found;
}

} // namespace

namespace {

// The search proper, with the click events locked and the keyboard-action
// flag set by the caller; answers whether a completion took the key.
bool RunIncrementalSearch(IcxTextEditLookupOwner& edit, TcxCustomTextEditLookupData* lookupData,
                          char& key, bool findSelectionBefore) {
  TIncrementalSearch search(edit, lookupData);
  if (key == '\b') {
    const bool found = search.Backspace();
    if (edit.EditingStyle() == esFixedList)
      key = '\0';
    return found;
  }
  if (static_cast<unsigned char>(key) < ' ' || !lookupData)
    return false;
  const bool found = search.Character(key);
  if (!found && search.EatsUnmatched()) {
    key = '\0';
    search.AfterUnmatchedCharacter(findSelectionBefore);
  }
  return found;
}

} // namespace

void cxTextEditIncrementalSearch(IcxTextEditLookupOwner& edit,
                                 TcxCustomTextEditLookupData* lookupData, char& key) {
  edit.SetLookupTextChangeLock(false);
  edit.SetKeyboardAction(true);
  if (edit.EditingStyle() == esFixedList && key == '\b' && !edit.FixedListSelection()) {
    key = '\0';
    edit.SetFindSelection(false);
  }
  const int oldKey = lookupData ? KeyToIndex(lookupData->GetCurrentKey()) : -1;
  const bool findSelectionBefore = edit.FindSelection();
  bool found = false;
  {
    edit.LockClick(true);
    TScopeExit restore([&] {
      edit.LockClick(false);
      edit.SetKeyboardAction(false);
    });
    if (key != '\0')
      found = RunIncrementalSearch(edit, lookupData, key, findSelectionBefore);
  }
  if (lookupData && KeyToIndex(lookupData->GetCurrentKey()) != oldKey)
    edit.DoClick();
  if (found)
    key = '\0';
}
