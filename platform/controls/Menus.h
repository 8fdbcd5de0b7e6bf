// Menus: the main menu of a form, popup menus and their items (captions,
// separators "-", submenus, check marks, short-cuts, OnClick). The platform
// menu is built from the items on demand and again whenever they change.
//
// Classes in this file: TMenuItem, TMenu, TMainMenu, TPopupMenu.
#pragma once

#include <string>
#include <vector>

#include "platform/controls/ControlTypes.h"
#include "platform/controls/MessageRecords.h"
#include "platform/controls/Messages.h"
#include "platform/objects/Components.h"

class TMenu;

// A key with its shift keys, as menus store it: the virtual key in the low
// byte, Shift, Ctrl and Alt in the high bits.
using TShortCut = WORD;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;
constexpr TShortCut scNone = 0;

TShortCut ShortCut(WORD key, TShiftState shift);
void ShortCutToKey(TShortCut shortCut, WORD& key, TShiftState& shift);
// The caption without its '&' marks ("&&" gives one '&').
std::string StripHotKey(const std::string& caption);
// Whether the character 'key' is the caption's short-cut letter (the one
// after a single '&'), letter case aside (the user's locale's).
bool IsAccel(WORD key, const std::string& caption);

class TMenuItem : public TComponent {
  OBJECT_CLASS(TMenuItem, TComponent)
public:
  static void Publish(TPublisher& p);

  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;

  void BeforeDestruction() override;

  const std::string& Caption() const { return m_caption; }
  void SetCaption(const std::string& caption);
  bool IsLine() const { return m_caption == "-"; }
  bool Checked() const { return m_checked; }
  void SetChecked(bool value);
  bool Enabled() const { return m_enabled; }
  void SetEnabled(bool value);
  bool Visible() const { return m_visible; }
  void SetVisible(bool value);
  TShortCut ShortCut() const { return m_shortCut; }
  void SetShortCut(TShortCut value);
  const TNotifyEvent& OnClick() const { return m_onClick; }
  void SetOnClick(const TNotifyEvent& e) { m_onClick = e; }

  // Submenu items.
  int Count() const { return static_cast<int>(m_items.size()); }
  TMenuItem* Items(int index) const;
  void Add(TMenuItem* item);
  void Insert(int index, TMenuItem* item);
  void Remove(TMenuItem* item);
  int IndexOf(TMenuItem* item) const;
  TMenuItem* Parent() const { return m_parent; }
  // The menu the item belongs to, nil when it is in none.
  TMenu* GetParentMenu() const;
  // The platform's command id of the item.
  UINT Command() const { return m_command; }

  // Runs OnClick when the item is enabled.
  virtual void Click();

  bool HasParent() const override { return true; }
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* parent) override;
  void GetChildren(const TGetChildProc& proc, TComponent* root) override;

private:
  friend class TMenu;

  void Changed();
  TMenuItem* FindCommand(UINT command);
  TMenuItem* FindShortCut(TShortCut shortCut);

  std::string m_caption;
  bool m_checked = false;
  bool m_enabled = true;
  bool m_visible = true;
  TShortCut m_shortCut = scNone;
  TNotifyEvent m_onClick;
  std::vector<TMenuItem*> m_items;
  TMenuItem* m_parent = nullptr;
  TMenu* m_menu = nullptr;
  UINT m_command = 0;
};

class TMenu : public TComponent {
  OBJECT_CLASS(TMenu, TComponent)
public:
  explicit TMenu(TComponent* owner);
  ~TMenu() override;

  void BeforeDestruction() override;

  // The top-level items.
  TMenuItem* Items() const { return m_items; }
  // The platform menu, built from the items on first use.
  HMENU Handle();
  // The window showing the menu (a form's menu bar), nil for none.
  HWND WindowHandle() const { return m_window; }
  void SetWindowHandle(HWND window) { m_window = window; }
  // Clicks the item with that command id; false when there is none.
  bool DispatchCommand(UINT command);
  // Clicks the enabled item whose short-cut the key message is; false when
  // there is none.
  bool IsShortCut(TWMKey message);
  TMenuItem* FindItem(UINT command) const { return m_items->FindCommand(command); }

  void GetChildren(const TGetChildProc& proc, TComponent* root) override;

protected:
  friend class TMenuItem;

  virtual HMENU CreateMenuHandle() = 0;
  // Builds the platform menu again after the items changed.
  void MenuChanged();

private:
  void AppendItems(HMENU menu, TMenuItem* parent);
  void DestroyHandle();

  TMenuItem* m_items = nullptr;
  HMENU m_handle = nullptr;
  HWND m_window = nullptr;
};

class TMainMenu : public TMenu {
  OBJECT_CLASS(TMainMenu, TMenu)
public:
  using TMenu::TMenu;

protected:
  HMENU CreateMenuHandle() override { return ::CreateMenu(); }
};

class TPopupMenu : public TMenu {
  OBJECT_CLASS(TPopupMenu, TMenu)
public:
  static void Publish(TPublisher& p);
  using TMenu::TMenu;

  bool AutoPopup() const { return m_autoPopup; }
  void SetAutoPopup(bool value) { m_autoPopup = value; }
  // The component whose context menu opened the popup.
  TComponent* PopupComponent() const { return m_popupComponent; }
  void SetPopupComponent(TComponent* component) { m_popupComponent = component; }
  const TNotifyEvent& OnPopup() const { return m_onPopup; }
  void SetOnPopup(const TNotifyEvent& e) { m_onPopup = e; }

  // Shows the menu at the screen point and runs the item chosen.
  virtual void Popup(int x, int y);

protected:
  HMENU CreateMenuHandle() override { return ::CreatePopupMenu(); }

private:
  bool m_autoPopup = true;
  TComponent* m_popupComponent = nullptr;
  TNotifyEvent m_onPopup;
};
