// The container's drop-down window: a positioning popup form that paints its
// frame with a container style, can run a modal loop while it is open, and
// closes itself when the user clicks elsewhere, switches applications, hides
// or closes the owner, or presses Alt keys that belong to the owner's form.
// Three thread hooks of the GUI thread do the closing; they are installed
// while at least one popup is open and removed with the last one, so no hook
// outlives its popup.
//
// Classes in this file: TcxCustomPopupWindow.
#pragma once

#include <vector>

#include "framework/cxContainerStyles.h"
#include "framework/cxContainerViewInfo.h"
#include "framework/cxControlsPopup.h"

// Posted to a popup: close it (and give the owner the focus back), show it.
constexpr UINT CM_CLOSEPOPUPWINDOW = 0x8065;
constexpr UINT CM_SHOWPOPUPWINDOW = 0x8066;

class TcxCustomPopupWindow;
using TcxCustomPopupWindowMeta =
    TClassOf<TcxCustomPopupWindow, TcxPopupWindow::TMeta, TWinControl*>;

class TcxCustomPopupWindow : public TcxPopupWindow {
  OBJECT_CLASS_META(TcxCustomPopupWindow, TcxPopupWindow, TcxCustomPopupWindowMeta)
public:
  explicit TcxCustomPopupWindow(TWinControl* AOwnerControl);
  void AfterConstruction() override;
  ~TcxCustomPopupWindow() override;

  // Opens the popup and focuses 'AFocusedControl' (or its first tab stop);
  // a capturing popup in modal mode returns only once it is closed.
  virtual void Popup(TWinControl* AFocusedControl);
  void Popup() override { Popup(nullptr); }
  void CloseUp() override;
  // Posts CM_CLOSEPOPUPWINDOW to itself.
  void ClosePopup();
  // Open: in the list of open popups.
  bool IsVisible() const;
  bool HasCapture();
  bool IsOwnerControlVisible();
  bool IsDeactivateLocked() const { return m_deactivateLocked; }
  void LockDeactivate(bool AValue) { m_deactivateLocked = AValue; }
  // Whether a click on the owner closed the popup; reading clears it.
  bool GetJustClosed();
  TWinControl* GetFirstFocusControl(TWinControl* AControl);
  bool CaptureFocus() const { return m_captureFocus; }
  void SetCaptureFocus(bool AValue);
  bool IsTopMost() const { return m_isTopMost; }
  void SetIsTopMost(bool AValue);
  bool ModalMode() const { return m_modalMode; }
  void RecreateWindow();
  TWinControl* OwnerControl() const { return m_ownerControl; }
  TWinControl* FocusedControl() const { return m_focusedControl; }
  TcxContainerStyle* Style() const { return m_style.get(); }
  TcxContainerViewInfo* ViewInfo() const { return m_viewInfo.get(); }

  bool Focused() override;
  bool CanFocus() override { return Visible(); }
  TRect GetOwnerScreenBounds() override;
  // Only for popups that accept any size: pulls P inside the work area and
  // shrinks the popup to fit.
  virtual void CorrectBoundsWithDesktopWorkArea(TPoint& P);
  virtual bool IsSysKeyAccepted(WORD AKey);
  virtual bool NeedIgnoreMouseMessageAfterCloseUp(UINT AMessage, TShiftState AShift, int X, int Y) {
    return false;
  }

  const TNotifyEvent& OnClosed() const { return m_onClosed; }
  void SetOnClosed(const TNotifyEvent& e) { m_onClosed = e; }
  const TNotifyEvent& OnClosing() const { return m_onClosing; }
  void SetOnClosing(const TNotifyEvent& e) { m_onClosing = e; }
  const TNotifyEvent& OnShowed() const { return m_onShowed; }
  void SetOnShowed(const TNotifyEvent& e) { m_onShowed = e; }
  const TNotifyEvent& OnShowing() const { return m_onShowing; }
  void SetOnShowing(const TNotifyEvent& e) { m_onShowing = e; }

  void Dispatch(TMessage& message) override;

  // Unit state shared with the closing hooks.
  static const std::vector<TcxCustomPopupWindow*>& OpenPopups();
  static bool HooksInstalled();
  // The click test of the mouse hook: false discards the click.
  static bool AcceptClick(UINT AMessage, HWND AWindow, const TPoint& AScreenPoint);

protected:
  void AdjustClientRect(TRect& rect) override;
  void CreateHandle() override;
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void InitPopup() override {}
  virtual bool AcceptsAnySize() { return false; }
  virtual void DoClosed();
  virtual void DoClosing();
  virtual void DoShowed();
  virtual void DoShowing();
  virtual bool HasBackground() { return false; }
  virtual void ModalCloseUp() { CloseUp(); }
  virtual void PopupWindowStyleChanged(TObject* Sender) {}
  virtual TcxContainerStyleClass GetStyleClass() const;
  virtual TcxContainerViewInfoClass GetViewInfoClass() const;
  virtual void MouseEnter(TControl* AControl) {}
  virtual void MouseLeave(TControl* AControl) {}
  void SetModalMode(bool AValue) { m_modalMode = AValue; }

  void Deactivate() override;
  void KeyDown(WORD& key, TShiftState shift) override;
  void Paint() override;
  void VisibleChanged() override;

private:
  friend class TcxPopupHooks;

  void RunModalLoop();
  void ReopenWith(TWinControl* AFocusedControl);
  bool NeedTopMost();
  void StyleChanged(TObject* Sender);
  void CMClosePopupWindow();

  bool m_captureFocus = true;
  TWinControl* m_focusedControl = nullptr;
  bool m_deactivateLocked = false;
  bool m_isTopMost = false;
  bool m_justClosed = false;
  bool m_modalMode = true;
  TWinControl* m_ownerControl = nullptr;
  TNotifyEvent m_onClosed;
  TNotifyEvent m_onClosing;
  TNotifyEvent m_onShowed;
  TNotifyEvent m_onShowing;
  TOwned<TcxContainerStyle> m_style;
  TOwned<TcxContainerViewInfo> m_viewInfo;
};

// Whether non-capturing popups open above every window.
extern bool TopMostComboBoxes;

// Window identity: whether W is C's window, or (with children) one of its
// windows, counting popups opened from C as part of it.
bool HasNativeHandle(TWinControl* C, HWND W, bool AIncludeChildren = false);
bool HasHandle(TWinControl* C, HWND W);
bool IsChildWindow(TWinControl* C, HWND W);
// Whether W is C's form or a window of the chain of windows that holds it.
bool CheckParentsNativeHandle(TWinControl* C, HWND W);
HWND FindFirstNonChildParentWindow(HWND W);
// The owner control's window of the popup holding W, else W.
HWND GetPopupOwnerControl(HWND W);
