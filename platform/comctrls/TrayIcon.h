// The application's icon in the notification area of the task bar.
//
// While Visible, the icon shows the application's icon (the program's
// icon resource MAINICON, else the platform's application icon), without a
// tooltip or a menu. With Hide, minimising the application hides its
// windows, so only the icon is left (and no task-bar button); the mouse
// action RestoreOn names on the icon (a double click by default) shows them
// again, restores the application and brings it to the foreground. The icon
// goes away when the component does, so it never outlives the program.
// Where the platform has no notification area the icon is not shown and
// minimising hides nothing, so the application stays within reach.
//
// Classes in this file: TTrayIcon.
#pragma once

#include <functional>
#include <vector>

#include "platform/controls/Messages.h"
#include "platform/objects/Components.h"
#include "platform/objects/PropertyRegistry.h"
#include "platform/rtl/WinApi.h"

#include <shellapi.h>

// A mouse action on the icon.
enum class TTrayIconMessage { imClick, imDoubleClick, imNone };
ENUM_NAMES(TTrayIconMessage, "imClick", "imDoubleClick", "imNone");

// How the icon talks to the platform's notification area (Shell_NotifyIconW
// unless replaced, as tests do).
using TNotifyIconFunction = std::function<BOOL(DWORD message, NOTIFYICONDATAW& data)>;
// Replaces the function; answers the one it replaces. An empty function
// puts the platform's back.
TNotifyIconFunction SetNotifyIconFunction(TNotifyIconFunction function);

class TTrayIcon : public TComponent {
  OBJECT_CLASS(TTrayIcon, TComponent)
public:
  static void Publish(TPublisher& p);
  // The message the notification area sends the icon's window on mouse
  // actions (lParam: the mouse message).
  static constexpr UINT CallbackMessage = WM_APP + 0x54;

  explicit TTrayIcon(TComponent* owner);
  ~TTrayIcon() override;

  void BeforeDestruction() override;

  bool Visible() const { return m_visible; }
  void SetVisible(bool visible);
  // Whether minimising the application leaves only the icon.
  bool Hide() const { return m_hide; }
  void SetHide(bool hide);
  TTrayIconMessage RestoreOn() const { return m_restoreOn; }
  void SetRestoreOn(TTrayIconMessage action) { m_restoreOn = action; }
  // When the icon would show a menu; the icon has none, so it is kept for
  // form definitions only.
  TTrayIconMessage PopupMenuOn() const { return m_popupMenuOn; }
  void SetPopupMenuOn(TTrayIconMessage action) { m_popupMenuOn = action; }

  // The window the notification area reports the mouse actions to.
  HWND Handle() const { return m_window; }
  HICON Icon() const { return m_icon; }
  // Whether the notification area holds the icon now.
  bool IconShown() const { return m_iconShown; }
  // Shows the windows minimising hid, restores the application and brings
  // it to the foreground.
  void Restore();

protected:
  void Loaded() override;

private:
  bool Active() const;
  void UpdateIcon();
  NOTIFYICONDATAW IconData() const;
  void UpdateMinimizeHook();
  void ApplicationMinimized(TObject* sender);
  void HideApplicationWindows();
  void WndProc(TMessage& message);
  void MouseAction(UINT mouseMessage);

  HWND m_window = nullptr;
  HICON m_icon = nullptr;
  bool m_visible = false;
  bool m_hide = false;
  bool m_iconShown = false;
  bool m_hooked = false;
  TTrayIconMessage m_restoreOn = TTrayIconMessage::imDoubleClick;
  TTrayIconMessage m_popupMenuOn = TTrayIconMessage::imNone;
  TNotifyEvent m_previousOnMinimize;
  std::vector<HWND> m_hiddenWindows;
};
