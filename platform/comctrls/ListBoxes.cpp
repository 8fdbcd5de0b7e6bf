#include "platform/comctrls/ListBoxes.h"

#include <atomic>

#include "platform/controls/ControlCanvas.h"
#include "platform/controls/Timers.h"
#include "platform/graphics/DCScopes.h"
#include "platform/rtl/AnsiStrings.h"
#include "platform/rtl/WideText.h"

namespace {

using enum TListBoxStyle;

// Keys this far apart (milliseconds) start a new incremental search.
constexpr DWORD kSearchPause = 500;

// Every list box window gets an identifier of its own, so that the
// platform's item-measuring message (which names its list box by
// identifier) reaches the right list box.
int NextListBoxId() {
  static std::atomic<int> next = 0x4C00;
  return next++;
}

std::string ListIndexError(int index) {
  return "List index out of bounds (" + std::to_string(index) + ")";
}

} // namespace

// ---- TListBoxStrings ------------------------------------------------------

int TListBoxStrings::Add(const std::string& s) { return InsertItem(GetCount(), s, nullptr, true); }

int TListBoxStrings::AddObject(const std::string& s, TObject* object) {
  return InsertItem(GetCount(), s, object, true);
}

void TListBoxStrings::Insert(int index, const std::string& s) {
  InsertItem(index, s, nullptr, false);
}

void TListBoxStrings::InsertObject(int index, const std::string& s, TObject* object) {
  InsertItem(index, s, object, false);
}

int TListBoxStrings::InsertItem(int index, const std::string& s, TObject* object, bool append) {
  if (m_listBox->IsVirtual())
    throw EInvalidOperation("A virtual list box holds no strings");
  if (index < 0 || index > GetCount())
    IndexError(index);
  if (!m_listBox->HandleAllocated()) {
    if (append || m_saved.Sorted())
      index = m_saved.AddObject(s, object);
    else
      m_saved.InsertObject(index, s, object);
    m_listBox->SavedItemMoved(index, 1);
    return index;
  }
  const std::u16string wide = AnsiToWide(s);
  const LPARAM text = reinterpret_cast<LPARAM>(WidePtr(wide));
  const LRESULT result = append ? m_listBox->SendToWindow(LB_ADDSTRING, 0, text)
                                : m_listBox->SendToWindow(LB_INSERTSTRING, index, text);
  if (result < 0)
    throw EOutOfResources("Unable to insert a line");
  if (object)
    m_listBox->SetItemData(static_cast<int>(result), reinterpret_cast<LRESULT>(object));
  return static_cast<int>(result);
}

void TListBoxStrings::Delete(int index) {
  CheckIndex(index);
  if (m_listBox->HandleAllocated()) {
    m_listBox->SendToWindow(LB_DELETESTRING, index);
    return;
  }
  if (m_listBox->IsVirtual())
    --m_listBox->m_count;
  else
    m_saved.Delete(index);
  m_listBox->SavedItemMoved(index, -1);
}

void TListBoxStrings::Clear() {
  m_listBox->m_count = 0;
  m_listBox->m_itemIndex = -1;
  m_listBox->m_topIndex = 0;
  m_saved.Clear();
  if (m_listBox->HandleAllocated())
    m_listBox->SendToWindow(LB_RESETCONTENT);
}

std::string TListBoxStrings::Get(int index) const {
  CheckIndex(index);
  if (m_listBox->IsVirtual())
    return m_listBox->DoGetData(index);
  if (!m_listBox->HandleAllocated())
    return m_saved.Strings(index);
  const LRESULT length = m_listBox->SendToWindow(LB_GETTEXTLEN, index);
  std::u16string text(static_cast<std::size_t>(std::max<LRESULT>(0, length)) + 1, u'\0');
  const LRESULT copied =
      m_listBox->SendToWindow(LB_GETTEXT, index, reinterpret_cast<LPARAM>(WidePtr(text)));
  text.resize(static_cast<std::size_t>(std::max<LRESULT>(0, copied)));
  return WideToAnsi(text);
}

int TListBoxStrings::GetCount() const {
  if (m_listBox->HandleAllocated())
    return static_cast<int>(m_listBox->SendToWindow(LB_GETCOUNT));
  return m_listBox->IsVirtual() ? m_listBox->m_count : m_saved.Count();
}

TObject* TListBoxStrings::GetObjectAt(int index) const {
  CheckIndex(index);
  if (!m_listBox->HandleAllocated())
    return m_listBox->IsVirtual() ? nullptr : m_saved.Objects(index);
  return reinterpret_cast<TObject*>(m_listBox->GetItemData(index));
}

void TListBoxStrings::PutObjectAt(int index, TObject* object) {
  CheckIndex(index);
  if (m_listBox->HandleAllocated())
    m_listBox->SetItemData(index, reinterpret_cast<LRESULT>(object));
  else if (!m_listBox->IsVirtual())
    m_saved.SetObjects(index, object);
}

void TListBoxStrings::SetUpdateState(bool updating) {
  if (!m_listBox->HandleAllocated())
    return;
  m_listBox->SendToWindow(WM_SETREDRAW, updating ? FALSE : TRUE);
  if (!updating)
    m_listBox->Invalidate();
}

void TListBoxStrings::CheckIndex(int index) const {
  if (index < 0 || index >= GetCount())
    IndexError(index);
}

// ---- TCustomListBox -------------------------------------------------------

TCustomListBox::TCustomListBox(TComponent* owner)
    : TWinControl(owner), m_items(std::make_unique<TListBoxStrings>(this)),
      m_canvas(Create<TControlCanvas>()) {
  m_canvas->SetControl(this);
  SetControlStyle({TControlStyleItem::csSetCaption, TControlStyleItem::csDoubleClicks,
                   TControlStyleItem::csOpaque});
  SetBounds(0, 0, 121, 97);
  SetTabStop(true);
  SetParentColor(false);
}

TCustomListBox::~TCustomListBox() = default;

TCanvas* TCustomListBox::Canvas() const { return m_canvas.get(); }

LRESULT TCustomListBox::SendToWindow(UINT msg, WPARAM wParam, LPARAM lParam) const {
  HWND window = const_cast<TCustomListBox*>(this)->Handle();
  return ::SendMessageW(window, msg, wParam, lParam);
}

bool TCustomListBox::IsVirtual() const {
  return m_style == lbVirtual || m_style == lbVirtualOwnerDraw;
}

int TCustomListBox::Count() const { return m_items->GetCount(); }

void TCustomListBox::SetCount(int count) {
  if (!IsVirtual())
    throw EInvalidOperation("Only a virtual list box takes its count of items");
  if (count < 0)
    throw ERangeError("The count of items cannot be negative (" + std::to_string(count) + ")");
  if (count == Count())
    return;
  m_count = count;
  if (HandleAllocated())
    SendToWindow(LB_SETCOUNT, count);
}

void TCustomListBox::CheckItemIndex(int index) const {
  if (index < -1 || index >= Count())
    throw EListError(ListIndexError(index));
}

int TCustomListBox::ItemIndex() const {
  if (!HandleAllocated())
    return m_itemIndex;
  if (m_multiSelect)
    return Count() == 0 ? -1 : static_cast<int>(SendToWindow(LB_GETCARETINDEX));
  return static_cast<int>(SendToWindow(LB_GETCURSEL));
}

void TCustomListBox::SetItemIndex(int index) {
  CheckItemIndex(index);
  if (ItemIndex() == index)
    return;
  if (!HandleAllocated())
    m_itemIndex = index;
  else if (m_multiSelect)
    SendToWindow(LB_SETCARETINDEX, index, FALSE);
  else
    SendToWindow(LB_SETCURSEL, index);
}

bool TCustomListBox::Selected(int index) const {
  m_items->CheckIndex(index);
  if (HandleAllocated() && m_multiSelect)
    return SendToWindow(LB_GETSEL, index) > 0;
  return ItemIndex() == index;
}

void TCustomListBox::SetSelected(int index, bool selected) {
  m_items->CheckIndex(index);
  if (HandleAllocated() && m_multiSelect)
    SendToWindow(LB_SETSEL, selected ? TRUE : FALSE, index);
  else if (selected)
    SetItemIndex(index);
  else if (ItemIndex() == index)
    SetItemIndex(-1);
}

int TCustomListBox::SelCount() const {
  if (HandleAllocated() && m_multiSelect)
    return static_cast<int>(SendToWindow(LB_GETSELCOUNT));
  return ItemIndex() >= 0 ? 1 : 0;
}

int TCustomListBox::TopIndex() const {
  return HandleAllocated() ? static_cast<int>(SendToWindow(LB_GETTOPINDEX)) : m_topIndex;
}

void TCustomListBox::SetTopIndex(int index) {
  if (TopIndex() == index)
    return;
  if (HandleAllocated())
    SendToWindow(LB_SETTOPINDEX, index);
  else
    m_topIndex = index;
}

// Items of the virtual styles and of the others do not carry over to each
// other: a change between them empties the list.
void TCustomListBox::SetStyle(TListBoxStyle style) {
  if (m_style == style)
    return;
  const bool toVirtual = style == lbVirtual || style == lbVirtualOwnerDraw;
  if (toVirtual != IsVirtual())
    Clear();
  m_style = style;
  RecreateWnd();
}

// The selected item follows an item added (count 1) or deleted (count -1)
// at 'index' while there is no window, as the platform's list does.
void TCustomListBox::SavedItemMoved(int index, int count) {
  if (count < 0 && m_itemIndex == index)
    m_itemIndex = -1;
  else if (m_itemIndex >= index)
    m_itemIndex += count;
}

void TCustomListBox::SetBorderStyle(TBorderStyle style) {
  if (m_borderStyle == style)
    return;
  m_borderStyle = style;
  RecreateWnd();
}

int TCustomListBox::ItemHeight() const {
  if (HandleAllocated() && m_style == lbStandard)
    return static_cast<int>(SendToWindow(LB_GETITEMHEIGHT));
  return m_itemHeight;
}

void TCustomListBox::SetItemHeight(int height) {
  if (height < 1 || height > 255)
    throw ERangeError("Item height must lie between 1 and 255 (" + std::to_string(height) + ")");
  if (m_itemHeight == height)
    return;
  m_itemHeight = height;
  if (!HandleAllocated() || m_style == lbStandard)
    return;
  if (m_style == lbOwnerDrawVariable) {
    RecreateWnd();
    return;
  }
  SendToWindow(LB_SETITEMHEIGHT, 0, height);
  Invalidate();
}

void TCustomListBox::SetSorted(bool sorted) {
  if (m_sorted == sorted)
    return;
  m_sorted = sorted;
  SavedItems().SetSorted(sorted);
  RecreateWnd();
}

void TCustomListBox::SetMultiSelect(bool value) {
  if (m_multiSelect == value)
    return;
  m_multiSelect = value;
  RecreateWnd();
}

void TCustomListBox::SetExtendedSelect(bool value) {
  if (m_extendedSelect == value)
    return;
  m_extendedSelect = value;
  RecreateWnd();
}

void TCustomListBox::SetIntegralHeight(bool value) {
  if (m_integralHeight == value)
    return;
  m_integralHeight = value;
  RecreateWnd();
}

// ---- the window -----------------------------------------------------------

void TCustomListBox::CreateParams(TCreateParams& params) {
  inherited::CreateParams(params);
  CreateSubClass(params, "LISTBOX");
  params.WindowClass.style &= ~static_cast<UINT>(CS_HREDRAW | CS_VREDRAW);
  params.Style |= WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY;
  switch (m_style) {
  case lbStandard: break;
  case lbOwnerDrawFixed: params.Style |= LBS_OWNERDRAWFIXED | LBS_HASSTRINGS; break;
  case lbOwnerDrawVariable: params.Style |= LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS; break;
  case lbVirtual:
  case lbVirtualOwnerDraw: params.Style |= LBS_OWNERDRAWFIXED | LBS_NODATA; break;
  }
  if (m_sorted && !IsVirtual())
    params.Style |= LBS_SORT;
  if (m_multiSelect)
    params.Style |= m_extendedSelect ? LBS_EXTENDEDSEL : LBS_MULTIPLESEL;
  if (!m_integralHeight)
    params.Style |= LBS_NOINTEGRALHEIGHT;
  if (m_borderStyle == TBorderStyle::bsSingle)
    AddBorder(params);
}

void TCustomListBox::CreateWnd() {
  inherited::CreateWnd();
  ::SetWindowLongPtrW(Handle(), GWLP_ID, NextListBoxId());
  if (m_style != lbStandard && m_style != lbOwnerDrawVariable)
    SendToWindow(LB_SETITEMHEIGHT, 0, m_itemHeight);
  RestoreItems();
}

void TCustomListBox::DestroyWnd() {
  SaveItems();
  m_canvas->FreeHandle();
  inherited::DestroyWnd();
}

void TCustomListBox::RestoreItems() {
  if (IsVirtual()) {
    SendToWindow(LB_SETCOUNT, m_count);
  } else {
    TStringList items;
    items.Assign(SavedItems());
    SavedItems().Clear();
    SendToWindow(WM_SETREDRAW, FALSE);
    for (int i = 0; i < items.Count(); ++i)
      m_items->InsertItem(i, items.Strings(i), items.Objects(i), true);
    SendToWindow(WM_SETREDRAW, TRUE);
  }
  if (m_itemIndex >= 0 && m_itemIndex < Count())
    SendToWindow(m_multiSelect ? LB_SETCARETINDEX : LB_SETCURSEL, m_itemIndex);
  SendToWindow(LB_SETTOPINDEX, m_topIndex);
}

void TCustomListBox::SaveItems() {
  m_itemIndex = ItemIndex();
  m_topIndex = TopIndex();
  const int count = Count();
  TStringList& saved = SavedItems();
  saved.Clear();
  if (IsVirtual()) {
    m_count = count;
    return;
  }
  for (int i = 0; i < count; ++i)
    saved.AddObject(m_items->Get(i), m_items->GetObjectAt(i));
}

LRESULT TCustomListBox::GetItemData(int index) const {
  return SendToWindow(LB_GETITEMDATA, index);
}

void TCustomListBox::SetItemData(int index, LRESULT data) {
  SendToWindow(LB_SETITEMDATA, index, data);
}

// ---- geometry -------------------------------------------------------------

TRect TCustomListBox::ItemRect(int index) const {
  const int count = Count();
  TRect rect;
  if ((index >= 0 && index < count) || (index == 0 && count == 0)) {
    SendToWindow(LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(AsRECT(rect)));
  } else if (index == count) {
    SendToWindow(LB_GETITEMRECT, index - 1, reinterpret_cast<LPARAM>(AsRECT(rect)));
    const int height = rect.Bottom - rect.Top;
    rect.Top += height;
    rect.Bottom += height;
  }
  return rect;
}

int TCustomListBox::ItemAtPos(TPoint pos, bool existing) const {
  TRect client;
  ::GetClientRect(const_cast<TCustomListBox*>(this)->Handle(), AsRECT(client));
  if (pos.X < client.Left || pos.X >= client.Right || pos.Y < client.Top ||
      pos.Y >= client.Bottom)
    return -1;
  const int count = Count();
  for (int index = TopIndex(); index < count; ++index) {
    const TRect rect = ItemRect(index);
    if (pos.X >= rect.Left && pos.X < rect.Right && pos.Y >= rect.Top && pos.Y < rect.Bottom)
      return index;
  }
  return existing ? -1 : count;
}

// ---- messages -------------------------------------------------------------

void TCustomListBox::Dispatch(TMessage& message) {
  switch (message.Msg) {
  case CN_COMMAND: CNCommand(TWMCommand(message)); break;
  case CN_DRAWITEM: CNDrawItem(TWMDrawItem(message)); break;
  case CN_MEASUREITEM: CNMeasureItem(TWMMeasureItem(message)); break;
  default: inherited::Dispatch(message); break;
  }
}

void TCustomListBox::CNCommand(TWMCommand message) {
  switch (message.NotifyCode()) {
  case LBN_SELCHANGE: Click(); break;
  case LBN_DBLCLK: DblClick(); break;
  default: break;
  }
}

void TCustomListBox::CNDrawItem(TWMDrawItem message) {
  const DRAWITEMSTRUCT& item = *message.DrawItemStruct();
  const auto state = TOwnerDrawState::FromMask(LOWORD(item.itemState));
  const TRect rect{item.rcItem.left, item.rcItem.top, item.rcItem.right, item.rcItem.bottom};
  const int index = static_cast<int>(item.itemID);
  {
    const TCanvasLoan loan(*m_canvas, item.hDC);
    m_canvas->SetFont(Font());
    m_canvas->SetBrush(Brush());
    if (index >= 0 && state.Contains(TOwnerDrawStateItem::odSelected)) {
      m_canvas->Brush()->SetColor(clHighlight);
      m_canvas->Font()->SetColor(clHighlightText);
    }
    if (index >= 0)
      DrawItem(index, rect, state);
    else
      m_canvas->FillRect(rect);
    if (state.Contains(TOwnerDrawStateItem::odFocused))
      ::DrawFocusRect(item.hDC, &item.rcItem);
  }
  message.SetResult(TRUE);
}

void TCustomListBox::CNMeasureItem(TWMMeasureItem message) {
  MEASUREITEMSTRUCT& item = *message.MeasureItemStruct();
  int height = m_itemHeight;
  if (m_style == lbOwnerDrawVariable)
    MeasureItem(static_cast<int>(item.itemID), height);
  item.itemHeight = static_cast<UINT>(std::max(1, height));
  message.SetResult(TRUE);
}

void TCustomListBox::DrawItem(int index, const TRect& rect, TOwnerDrawState state) {
  if (m_onDrawItem) {
    m_onDrawItem(this, index, rect, state);
    return;
  }
  m_canvas->FillRect(rect);
  if (index < Count())
    m_canvas->TextOut(rect.Left + 2, rect.Top, m_items->Get(index));
}

void TCustomListBox::MeasureItem(int index, int& height) {
  if (m_onMeasureItem)
    m_onMeasureItem(this, index, height);
}

std::string TCustomListBox::DoGetData(int index) {
  std::string data;
  if (m_onData)
    m_onData(this, index, data);
  return data;
}

int TCustomListBox::DoFindData(const std::string& text) {
  return m_onDataFind ? m_onDataFind(this, text) : -1;
}

// ---- incremental search ---------------------------------------------------

void TCustomListBox::KeyPress(char& key) {
  inherited::KeyPress(key);
  if (key != '\0' && m_autoComplete && HandleAllocated())
    IncrementalSearch(key);
}

void TCustomListBox::IncrementalSearch(char& key) {
  if (key == '\b' || key == '\x1B') {
    m_searchText.clear();
    return;
  }
  if (static_cast<unsigned char>(key) < ' ')
    return;
  const DWORD now = ::GetTickCount();
  if (now - m_lastSearchKey >= kSearchPause)
    m_searchText.clear();
  m_lastSearchKey = now;
  m_searchText += key;
  key = '\0';
  const int index = FindPrefix(m_searchText);
  if (index < 0)
    return;
  if (m_multiSelect) {
    SendToWindow(LB_SETSEL, FALSE, -1);
    SendToWindow(LB_SETSEL, TRUE, index);
  }
  SetItemIndex(index);
  Click();
}

// Compared here rather than by the platform's LB_FINDSTRING, which (under
// Wine) misses items whose start differs from the text in the case of a
// letter outside ASCII, or holds such a letter at all.
int TCustomListBox::FindPrefix(const std::string& text) {
  if (IsVirtual())
    return DoFindData(text);
  const int count = Count();
  for (int index = 0; index < count; ++index) {
    const std::string item = m_items->Get(index);
    if (AnsiSameText(std::string_view(item).substr(0, text.size()), text))
      return index;
  }
  return -1;
}

// ---- TListBox -------------------------------------------------------------

void TListBox::Publish(TPublisher& p) {
  p.Property("AutoComplete", &TCustomListBox::AutoComplete, &TCustomListBox::SetAutoComplete)
      .Default(true);
  p.Property("BorderStyle", &TCustomListBox::BorderStyle, &TCustomListBox::SetBorderStyle)
      .Default(TBorderStyle::bsSingle);
  p.Property("ExtendedSelect", &TCustomListBox::ExtendedSelect,
             &TCustomListBox::SetExtendedSelect)
      .Default(true);
  p.Property("IntegralHeight", &TCustomListBox::IntegralHeight,
             &TCustomListBox::SetIntegralHeight)
      .Default(false);
  p.Property("ItemHeight", &TCustomListBox::ItemHeight, &TCustomListBox::SetItemHeight)
      .Default(16)
      .Stored([](TCustomListBox* box) { return box->Style() != lbStandard; });
  p.Property("MultiSelect", &TCustomListBox::MultiSelect, &TCustomListBox::SetMultiSelect)
      .Default(false);
  p.Property("Color", &TControl::Color, &TControl::SetColor)
      .Idents(ColorIdents())
      .Default(clWindow)
      .Stored([](TControl* c) { return !c->ParentColor(); });
  p.Property("ParentColor", &TControl::ParentColor, &TControl::SetParentColor).Default(false);
  p.Property("Sorted", &TCustomListBox::Sorted, &TCustomListBox::SetSorted).Default(false);
  p.Property("Style", &TCustomListBox::Style, &TCustomListBox::SetStyle).Default(lbStandard);
  p.Property("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop).Default(true);
  p.Property("Items", &TCustomListBox::Items, &TCustomListBox::SetItems);
  p.Property("OnData", &TCustomListBox::OnData, &TCustomListBox::SetOnData);
  p.Property("OnDataFind", &TCustomListBox::OnDataFind, &TCustomListBox::SetOnDataFind);
  p.Property("OnDrawItem", &TCustomListBox::OnDrawItem, &TCustomListBox::SetOnDrawItem);
  p.Property("OnMeasureItem", &TCustomListBox::OnMeasureItem, &TCustomListBox::SetOnMeasureItem);
}
