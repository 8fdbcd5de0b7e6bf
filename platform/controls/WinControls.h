// Controls with a window of their own, and the two bases descendants draw
// on: TCustomControl (a window painted through its canvas) and
// TGraphicControl (windowless, painted by its parent).
//
// A windowed control creates its window when it first shows (or when its
// handle is asked for), from CreateParams; system controls (EDIT, LISTBOX,
// BUTTON) are superclassed with CreateSubClass, their own procedure staying
// the default handler. The window is destroyed and made again by
// RecreateWnd, keeping the text and what the control stores itself.
//
// Children: windowless controls are painted and given the mouse by their
// parent; windowed ones hold the tab order. Notifications a child sends to
// its parent (WM_COMMAND, WM_CTLCOLOR*, WM_DRAWITEM, scroll messages...) come
// back to the child as CN_* messages. Key messages reach the focused control
// first as CN_KEYDOWN/CN_CHAR from the application's message loop, where
// Tab, arrows, Enter and Esc turn into dialog keys unless the control wants
// them (WM_GETDLGCODE, CM_WANTSPECIALKEY).
//
// Classes in this file: TCreateParams, TWinControl, TCustomControl,
// TGraphicControl.
#pragma once

#include <string>
#include <vector>

#include "platform/controls/Controls.h"
#include "platform/controls/InputMethods.h"
#include "platform/graphics/Canvas.h"

class TControlCanvas;
namespace controls_detail {
struct TWindowAccess;
}

struct TCreateParams {
  std::string Caption;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  int X = 0;
  int Y = 0;
  int Width = 0;
  int Height = 0;
  HWND WndParent = nullptr;
  void* Param = nullptr;
  WNDCLASSW WindowClass{};
  std::string WinClassName;
};

class TWinControl : public TControl {
  OBJECT_CLASS(TWinControl, TControl)
public:
  static void Publish(TPublisher& p);

  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  void BeforeDestruction() override;

  // The window, made on demand.
  HWND Handle();
  bool HandleAllocated() const { return m_handle != nullptr; }
  void HandleNeeded();
  // The window a control without a windowed parent is placed in.
  HWND ParentWindow() const { return m_parentWindow; }
  void SetParentWindow(HWND window);
  // Destroys the window and makes it again (when it exists), keeping state.
  void RecreateWnd();
  // Whether the control paints through an off-screen bitmap; drawing that
  // shows through to the parent then paints the parent itself.
  bool DoubleBuffered() const { return m_doubleBuffered; }
  void SetDoubleBuffered(bool value) { m_doubleBuffered = value; }

  // Children.
  int ControlCount() const { return static_cast<int>(m_controls.size()); }
  TControl* Controls(int index) const;
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  bool ContainsControl(TControl* control) const;
  // The topmost enabled (or any, with allowDisabled) child under 'pos'
  // (client coordinates); windowed children only with allowWinControls.
  TControl* ControlAtPos(TPoint pos, bool allowDisabled, bool allowWinControls = false);
  // Sends the message to every child control, stopping at the first that
  // answers non-zero.
  void Broadcast(TMessage& message);
  // Sends the message with wParam 0 and lParam 0 to every child.
  void NotifyControls(UINT msg);

  // Scales the control's size and its children by m / d; the control stays
  // where it is.
  void ScaleBy(int m, int d);

  // Alignment of the children.
  virtual void AdjustClientRect(TRect& rect);
  void Realign();
  void DisableAlign() { ++m_alignLevel; }
  void EnableAlign();

  // Tab order and focus.
  int TabOrder() const;
  void SetTabOrder(int order);
  bool TabStop() const { return m_tabStop; }
  void SetTabStop(bool value);
  // The windowed children in tab order, descending into containers.
  virtual void GetTabOrderList(std::vector<TWinControl*>& list);
  TWinControl* FindNextControl(TWinControl* current, bool goForward, bool checkTabStop,
                               bool checkParent);
  void SelectNext(TWinControl* current, bool goForward, bool checkTabStop);
  void SelectFirst();
  virtual void SetFocus();
  virtual bool Focused();
  virtual bool CanFocus();
  // The input method's mode and name, given to the window whenever it gets
  // the focus.
  TImeMode ImeMode() const { return m_imeMode; }
  void SetImeMode(TImeMode value) { m_imeMode = value; }
  const TImeName& ImeName() const { return m_imeName; }
  void SetImeName(const TImeName& value) { m_imeName = value; }

  bool Showing() const override { return m_showing; }
  TRect ClientRect() override;
  TPoint ClientOrigin() override;
  void SetParent(TWinControl* parent) override;
  void Invalidate() override;
  void Update() override;
  void Repaint() override;

  TBrush* Brush() const { return m_brush.get(); }

  void WndProc(TMessage& message) override;
  void Dispatch(TMessage& message) override;
  void DefaultHandler(TMessage& message) override;
  // Calls the window's default procedure (the system class's for
  // superclassed controls), bypassing the library's handling.
  LRESULT CallDefWndProc(UINT msg, WPARAM wParam, LPARAM lParam);

  // Events.
  const TNotifyEvent& OnEnter() const { return m_onEnter; }
  void SetOnEnter(const TNotifyEvent& e) { m_onEnter = e; }
  const TNotifyEvent& OnExit() const { return m_onExit; }
  void SetOnExit(const TNotifyEvent& e) { m_onExit = e; }
  const TKeyEvent& OnKeyDown() const { return m_onKeyDown; }
  void SetOnKeyDown(const TKeyEvent& e) { m_onKeyDown = e; }
  const TKeyPressEvent& OnKeyPress() const { return m_onKeyPress; }
  void SetOnKeyPress(const TKeyPressEvent& e) { m_onKeyPress = e; }
  const TKeyEvent& OnKeyUp() const { return m_onKeyUp; }
  void SetOnKeyUp(const TKeyEvent& e) { m_onKeyUp = e; }

  void ReadState(TReader& reader) override;
  void GetChildren(const TGetChildProc& proc, TComponent* root) override;

protected:
  friend class TCustomForm;
  friend struct controls_detail::TWindowAccess;

  // Window life.
  virtual void CreateParams(TCreateParams& params);
  virtual void CreateWnd();
  virtual void CreateWindowHandle(const TCreateParams& params);
  virtual void CreateHandle();
  virtual void DestroyWnd();
  virtual void DestroyWindowHandle();
  void DestroyHandle();
  // Superclasses the system window class 'className' (EDIT, LISTBOX...):
  // its class settings go into 'params' and its procedure becomes the
  // default handler.
  void CreateSubClass(TCreateParams& params, const char* className);
  // Gives a bordered window its border: sunken with Ctl3D, a line without.
  void AddBorder(TCreateParams& params);
  // Shows or hides the window as Showing says, making it when needed.
  void UpdateShowing();
  void UpdateControlState();
  virtual void AlignControls(TControl* control, TRect& rect);
  void AlignControl(TControl* control);
  // Scales the children, then the control itself; the children's anchors
  // then measure from the scaled client area.
  void ChangeScale(int m, int d) override;
  void ScaleControls(int m, int d);

  // Keys and focus, overridable by descendants.
  virtual void KeyDown(WORD& key, TShiftState shift);
  virtual void KeyPress(char& key);
  virtual void KeyUp(WORD& key, TShiftState shift);
  virtual void DoEnter();
  virtual void DoExit();
  // Runs the key events (the form's first when it previews keys); true when
  // the key was swallowed.
  bool DoKeyDown(TWMKey message);
  bool DoKeyPress(TWMKey message);
  bool DoKeyUp(TWMKey message);
  // Whether a key message is a short-cut of a popup menu or the form's menu
  // (which then ran it).
  bool IsMenuKey(TWMKey message);
  // DoKeyDown and DoKeyUp: 'step' is the one running, 'handler' the event
  // it raises.
  bool DoKeyStroke(TWMKey message, bool (TWinControl::*step)(TWMKey),
                   void (TWinControl::*handler)(WORD&, TShiftState));

  // Painting: the windowless children over the window's own painting.
  virtual void PaintWindow(HDC dc);
  void PaintControls(HDC dc, TControl* first);
  void PaintHandler(TWMPaint message);

  void Loaded() override;
  void BoundsChanged(const TRect& oldBounds) override;
  void SetZOrder(bool topMost) override;
  bool AtTop() const;
  // Whether the window has a menu bar (for the client size without a window).
  virtual bool HasMenuBar() { return false; }
  // Keeps the focus out of this control and its children (before they go).
  void RemoveFocus(bool removing);

private:
  friend class TControl;

  void WMPaint(TWMPaint message);
  void WMEraseBkgnd(TWMEraseBkgnd message);
  void WMPrintClient(TWMPrintClient message);
  void WMKeyDown(TWMKey message);
  void WMKeyUp(TWMKey message);
  void WMChar(TWMKey message);
  void WMSetCursor(TWMSetCursor message);
  void WMSize(TWMSize message);
  void WMMove(TWMMove message);
  void WMGetMinMaxInfo(TWMGetMinMaxInfo message);
  void WMNCDestroy(TMessage& message);
  void WMSetFocus(TMessage& message);
  void WMCommand(TWMCommand message);
  void WMNotify(TWMNotify message);
  void WMScroll(TWMScroll message);
  void WMCharToItem(TWMCharToItem message);
  // Sends the message back to the child control 'child' as its CN_* form;
  // a window of no control gets the default handling.
  void WMReflect(TMessage& message, HWND child);
  void WMItemMessage(TMessage& message);
  void CNKeyDown(TWMKey message);
  void CNChar(TWMKey message);
  void CMShowingChanged();
  void CMVisibleChanged();
  void CMEnabledChanged();
  void CMColorChanged();
  void CMFontChanged();
  void CMRecreateWnd();
  void CMCtl3DChanged();
  bool IsControlMouseMsg(TWMMouse message);
  void UpdateBoundsFromWindow();
  void FixupTabList();
  void UpdateTabOrder(int order);
  void ApplyFont();

  HWND m_handle = nullptr;
  HWND m_parentWindow = nullptr;
  WNDPROC m_defWndProc = nullptr;
  bool m_showing = false;
  bool m_tabStop = false;
  bool m_doubleBuffered = false;
  // The window was made with the border Ctl3D chooses (AddBorder).
  bool m_ctl3DBorder = false;
  int m_tabOrder = -1;
  int m_alignLevel = 0;
  TImeMode m_imeMode = TImeMode::imDontCare;
  TImeName m_imeName;
  // The window's input context was taken away at its last focus.
  bool m_imeContextTaken = false;
  std::vector<TControl*> m_controls;
  std::vector<TWinControl*> m_tabList;
  TOwned<TBrush> m_brush;
  std::u16string m_savedText;

  TNotifyEvent m_onEnter;
  TNotifyEvent m_onExit;
  TKeyEvent m_onKeyDown;
  TKeyPressEvent m_onKeyPress;
  TKeyEvent m_onKeyUp;
};

// A windowed control the library paints itself, through Canvas in Paint.
class TCustomControl : public TWinControl {
  OBJECT_CLASS(TCustomControl, TWinControl)
public:
  explicit TCustomControl(TComponent* owner);
  ~TCustomControl() override;

  TCanvas* Canvas() const;

protected:
  virtual void Paint() {}
  void PaintWindow(HDC dc) override;
  void DestroyWnd() override;

private:
  TOwned<TControlCanvas> m_canvas;
};

// A windowless control: it draws on its parent's window, in Paint.
class TGraphicControl : public TControl {
  OBJECT_CLASS(TGraphicControl, TControl)
public:
  explicit TGraphicControl(TComponent* owner);
  ~TGraphicControl() override;

  TCanvas* Canvas() const;
  void Dispatch(TMessage& message) override;

protected:
  virtual void Paint() {}

private:
  void WMPaint(TMessage& message);

  TOwned<TControlCanvas> m_canvas;
};

// The control whose window this is, nil for windows of no control.
TWinControl* FindControl(HWND window);
// The control under the screen point, nil when none.
TWinControl* FindVCLWindow(TPoint pos);
// Whether the window belongs to a control of the library.
bool IsVCLControl(HWND window);
