#include "platform/controls/Menus.h"

#include <algorithm>
#include <set>

#include "platform/controls/Application.h"
#include "platform/rtl/AnsiStrings.h"
#include "platform/rtl/WideText.h"

namespace {

using enum TShiftStateItem;

// Command ids in use; menus take the lowest free one.
std::set<UINT>& UsedCommands() {
  static std::set<UINT> used;
  return used;
}

UINT AllocateCommand() {
  UINT command = 1;
  for (UINT used : UsedCommands()) {
    if (used != command)
      break;
    ++command;
  }
  UsedCommands().insert(command);
  return command;
}

} // namespace

std::string StripHotKey(const std::string& caption) {
  std::string result;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&')
      ++i;
    if (i < caption.size())
      result += caption[i];
  }
  return result;
}

bool IsAccel(WORD key, const std::string& caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&')
      continue;
    if (caption[i + 1] != '&')
      return AnsiCompareText(std::string(1, WideToAnsiChar(static_cast<char16_t>(key))),
                             std::string(1, caption[i + 1])) == 0;
    ++i;
  }
  return false;
}

TShortCut ShortCut(WORD key, TShiftState shift) {
  if (key & 0xFF00)
    return scNone;
  TShortCut result = key;
  if (shift.Contains(ssShift))
    result |= scShift;
  if (shift.Contains(ssCtrl))
    result |= scCtrl;
  if (shift.Contains(ssAlt))
    result |= scAlt;
  return result;
}

void ShortCutToKey(TShortCut shortCut, WORD& key, TShiftState& shift) {
  key = shortCut & 0xFF;
  shift = {};
  if (shortCut & scShift)
    shift.Include(ssShift);
  if (shortCut & scCtrl)
    shift.Include(ssCtrl);
  if (shortCut & scAlt)
    shift.Include(ssAlt);
}

void TMenuItem::Publish(TPublisher& p) {
  p.Property("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption);
  p.Property("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked).Default(false);
  p.Property("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled).Default(true);
  p.Property("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible).Default(true);
  p.Property("ShortCut", &TMenuItem::ShortCut, &TMenuItem::SetShortCut).Default(scNone);
  p.Property("OnClick", &TMenuItem::OnClick, &TMenuItem::SetOnClick);
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), m_command(AllocateCommand()) {}

TMenuItem::~TMenuItem() { UsedCommands().erase(m_command); }

void TMenuItem::BeforeDestruction() {
  inherited::BeforeDestruction();
  while (!m_items.empty()) {
    TMenuItem* item = m_items.back();
    Remove(item);
    item->Free();
  }
  if (m_parent)
    m_parent->Remove(this);
}

void TMenuItem::SetCaption(const std::string& caption) {
  if (m_caption == caption)
    return;
  m_caption = caption;
  Changed();
}

void TMenuItem::SetChecked(bool value) {
  if (m_checked == value)
    return;
  m_checked = value;
  Changed();
}

void TMenuItem::SetEnabled(bool value) {
  if (m_enabled == value)
    return;
  m_enabled = value;
  Changed();
}

void TMenuItem::SetVisible(bool value) {
  if (m_visible == value)
    return;
  m_visible = value;
  Changed();
}

void TMenuItem::SetShortCut(TShortCut value) { m_shortCut = value; }

TMenuItem* TMenuItem::Items(int index) const {
  if (index < 0 || index >= Count())
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  return m_items[static_cast<std::size_t>(index)];
}

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (item->m_parent)
    throw EInvalidOperation("Menu inserted twice");
  index = std::clamp(index, 0, Count());
  m_items.insert(m_items.begin() + index, item);
  item->m_parent = this;
  Changed();
}

void TMenuItem::Remove(TMenuItem* item) {
  const int index = IndexOf(item);
  if (index < 0)
    throw EInvalidOperation("Sub-menu is not in menu");
  m_items.erase(m_items.begin() + index);
  item->m_parent = nullptr;
  Changed();
}

int TMenuItem::IndexOf(TMenuItem* item) const {
  const auto found = std::find(m_items.begin(), m_items.end(), item);
  return found == m_items.end() ? -1 : static_cast<int>(found - m_items.begin());
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* item = this;
  while (item->m_parent)
    item = item->m_parent;
  return item->m_menu;
}

void TMenuItem::Click() {
  if (m_enabled && m_onClick)
    m_onClick(this);
}

TComponent* TMenuItem::GetParentComponent() const {
  if (m_parent && m_parent->m_menu)
    return m_parent->m_menu;
  return m_parent;
}

void TMenuItem::SetParentComponent(TComponent* parent) {
  if (m_parent)
    m_parent->Remove(this);
  if (auto* menu = dynamic_cast<TMenu*>(parent))
    menu->Items()->Add(this);
  else if (auto* item = dynamic_cast<TMenuItem*>(parent))
    item->Add(this);
}

void TMenuItem::GetChildren(const TGetChildProc& proc, TComponent* root) {
  for (TMenuItem* item : m_items)
    if (item->Owner() == root)
      proc(item);
}

void TMenuItem::Changed() {
  if (TMenu* menu = GetParentMenu())
    menu->MenuChanged();
}

TMenuItem* TMenuItem::FindCommand(UINT command) {
  if (m_command == command && m_parent)
    return this;
  for (TMenuItem* item : m_items)
    if (TMenuItem* found = item->FindCommand(command))
      return found;
  return nullptr;
}

TMenuItem* TMenuItem::FindShortCut(TShortCut shortCut) {
  if (!m_visible || !m_enabled)
    return nullptr;
  if (m_parent && m_shortCut == shortCut)
    return this;
  for (TMenuItem* item : m_items)
    if (TMenuItem* found = item->FindShortCut(shortCut))
      return found;
  return nullptr;
}

TMenu::TMenu(TComponent* owner) : TComponent(owner), m_items(Create<TMenuItem>(nullptr)) {
  m_items->m_menu = this;
}

TMenu::~TMenu() { DestroyHandle(); }

void TMenu::BeforeDestruction() {
  inherited::BeforeDestruction();
  if (m_window)
    ::SetMenu(m_window, nullptr);
  m_window = nullptr;
  DestroyHandle();
  if (m_items) {
    m_items->m_menu = nullptr;
    FreeAndNil(m_items);
  }
}

HMENU TMenu::Handle() {
  if (!m_handle) {
    m_handle = CreateMenuHandle();
    AppendItems(m_handle, m_items);
  }
  return m_handle;
}

void TMenu::AppendItems(HMENU menu, TMenuItem* parent) {
  for (TMenuItem* item : parent->m_items) {
    if (!item->Visible())
      continue;
    if (item->IsLine()) {
      ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    UINT flags = MF_STRING | (item->Enabled() ? MF_ENABLED : MF_GRAYED) |
                 (item->Checked() ? MF_CHECKED : MF_UNCHECKED);
    UINT_PTR id = item->Command();
    if (item->Count() > 0) {
      HMENU submenu = ::CreatePopupMenu();
      AppendItems(submenu, item);
      flags |= MF_POPUP;
      id = reinterpret_cast<UINT_PTR>(submenu);
    }
    const std::u16string caption = AnsiToWide(item->Caption());
    ::AppendMenuW(menu, flags, id, WidePtr(caption));
  }
}

void TMenu::DestroyHandle() {
  if (m_handle)
    ::DestroyMenu(std::exchange(m_handle, nullptr));
}

void TMenu::MenuChanged() {
  if (!m_handle || ComponentState().Contains(TComponentStateItem::csDestroying))
    return;
  HMENU old = std::exchange(m_handle, nullptr);
  if (m_window) {
    ::SetMenu(m_window, Handle());
    ::DrawMenuBar(m_window);
  }
  ::DestroyMenu(old);
}

bool TMenu::DispatchCommand(UINT command) {
  TMenuItem* item = FindItem(command);
  if (!item)
    return false;
  item->Click();
  return true;
}

bool TMenu::IsShortCut(TWMKey message) {
  const TShortCut shortCut = ::ShortCut(message.CharCode(), message.Shift());
  if (shortCut == scNone)
    return false;
  TMenuItem* item = m_items->FindShortCut(shortCut);
  if (!item)
    return false;
  item->Click();
  return true;
}

void TMenu::GetChildren(const TGetChildProc& proc, TComponent* root) {
  m_items->GetChildren(proc, root);
}

void TPopupMenu::Publish(TPublisher& p) {
  p.Property("AutoPopup", &TPopupMenu::AutoPopup, &TPopupMenu::SetAutoPopup).Default(true);
  p.Property("OnPopup", &TPopupMenu::OnPopup, &TPopupMenu::SetOnPopup);
}

void TPopupMenu::Popup(int x, int y) {
  if (m_onPopup)
    m_onPopup(this);
  HWND owner = Application ? Application->Handle() : ::GetActiveWindow();
  const UINT command = static_cast<UINT>(::TrackPopupMenuEx(
      Handle(), TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, x, y, owner,
      nullptr));
  if (command != 0)
    DispatchCommand(command);
}
