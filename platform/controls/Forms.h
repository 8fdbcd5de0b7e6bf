// Forms: the top-level windows of the program. A form class reads its
// components and properties from the form definition registered under its
// class name when it is made, and starts hidden.
//
// Activation: a form becomes the application's active form when one of its
// controls (or itself) takes the focus while another form had it; it then
// gets CM_ACTIVATE (OnActivate) and the previous one CM_DEACTIVATE
// (OnDeactivate). Switching to another program and back, or closing a modal
// form it opened, does not change the active form and fires nothing.
//
// Classes in this file: TCustomForm, TForm.
#pragma once

#include <string>
#include <string_view>

#include "platform/controls/WinControls.h"

class TControlCanvas;
class TMainMenu;

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
ENUM_NAMES(TFormBorderStyle, "bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow",
           "bsSizeToolWin");

enum class TPosition { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter,
                       poDesktopCenter, poMainFormCenter, poOwnerFormCenter };
ENUM_NAMES(TPosition, "poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly",
           "poScreenCenter", "poDesktopCenter", "poMainFormCenter", "poOwnerFormCenter");

enum class TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
ENUM_NAMES(TFormStyle, "fsNormal", "fsMDIChild", "fsMDIForm", "fsStayOnTop");

enum class TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = Set<TBorderIcon>;
ENUM_NAMES(TBorderIcon, "biSystemMenu", "biMinimize", "biMaximize", "biHelp");

// The monitor a form centred on the screen opens on: any (the whole
// desktop), the primary one, the main form's or the active form's.
enum class TDefaultMonitor { dmDesktop, dmPrimary, dmMainForm, dmActiveForm };
ENUM_NAMES(TDefaultMonitor, "dmDesktop", "dmPrimary", "dmMainForm", "dmActiveForm");

enum class TCloseAction { caNone, caHide, caFree, caMinimize };

enum class TFormStateItem { fsCreating, fsVisible, fsShowing, fsModal, fsCreatedMDIChild,
                            fsActivated };
using TFormState = Set<TFormStateItem>;

using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = IDOK;
constexpr TModalResult mrCancel = IDCANCEL;
constexpr TModalResult mrAbort = IDABORT;
constexpr TModalResult mrRetry = IDRETRY;
constexpr TModalResult mrIgnore = IDIGNORE;
constexpr TModalResult mrYes = IDYES;
constexpr TModalResult mrNo = IDNO;
constexpr TModalResult mrAll = mrNo + 1;
constexpr TModalResult mrNoToAll = mrAll + 1;
constexpr TModalResult mrYesToAll = mrNoToAll + 1;

using TCloseEvent = TDelegate<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = TDelegate<void(TObject* Sender, bool& CanClose)>;

class TCustomForm : public TWinControl {
  OBJECT_CLASS(TCustomForm, TWinControl)
public:
  static void Publish(TPublisher& p);

  // Makes the form and, for classes derived from TForm, reads its form
  // definition (EResNotFound when none is registered).
  explicit TCustomForm(TComponent* owner);
  // Makes the form without reading any definition ("CreateNew").
  TCustomForm(TComponent* owner, int);
  ~TCustomForm() override;

  void AfterConstruction() override;
  void BeforeDestruction() override;

  TFormBorderStyle BorderStyle() const { return m_borderStyle; }
  void SetBorderStyle(TFormBorderStyle style);
  TBorderIcons BorderIcons() const { return m_borderIcons; }
  void SetBorderIcons(TBorderIcons icons);
  TPosition Position() const { return m_position; }
  void SetPosition(TPosition position) { m_position = position; }
  TDefaultMonitor DefaultMonitor() const { return m_defaultMonitor; }
  void SetDefaultMonitor(TDefaultMonitor value) { m_defaultMonitor = value; }
  TFormStyle FormStyle() const { return m_formStyle; }
  void SetFormStyle(TFormStyle style);
  bool AlphaBlend() const { return m_alphaBlend; }
  void SetAlphaBlend(bool value);
  int AlphaBlendValue() const { return m_alphaBlendValue; }
  void SetAlphaBlendValue(int value);
  TMainMenu* Menu() const { return m_menu; }
  void SetMenu(TMainMenu* menu);
  bool KeyPreview() const { return m_keyPreview; }
  void SetKeyPreview(bool value) { m_keyPreview = value; }
  // The screen resolution the form is laid out for (the screen's unless a
  // definition said otherwise). A form read from a definition laid out for
  // another resolution is scaled to the screen's when Scaled, and is at the
  // screen's from then on.
  int PixelsPerInch() const;
  void SetPixelsPerInch(int value);
  bool Scaled() const { return m_scaled; }
  void SetScaled(bool value) { m_scaled = value; }
  void SetClientWidth(int value) override;
  void SetClientHeight(int value) override;
  void SetVisible(bool visible) override;
  TFormState FormState() const { return m_formState; }
  // The canvas Paint and OnPaint draw the form's client area on.
  TCanvas* Canvas() const;

  // Focus within the form.
  TWinControl* ActiveControl() const { return m_activeControl; }
  void SetActiveControl(TWinControl* control);
  void FocusControl(TWinControl* control);
  void DefocusControl(TWinControl* control, bool removing);
  // Records that 'control' took the focus and runs the enter, exit and
  // activation notifications; false when one of them moved the focus on.
  bool SetFocusedControl(TWinControl* control);
  bool Active() const { return m_active; }
  void SetFocus() override;
  bool CanFocus() override { return Visible() && Enabled(); }
  bool IsShortCut(TWMKey message);

  // Showing and closing.
  void Show();
  void Hide() { SetVisible(false); }
  void Close();
  bool CloseQuery();
  // Shows the form modally and answers its ModalResult once it is set.
  TModalResult ShowModal();
  TModalResult ModalResult() const { return m_modalResult; }
  void SetModalResult(TModalResult value) { m_modalResult = value; }
  // Frees the form once the messages already queued are handled.
  void Release();

  void GetChildren(const TGetChildProc& proc, TComponent* root) override;
  void ReadState(TReader& reader) override;

  // Events.
  const TNotifyEvent& OnActivate() const { return m_onActivate; }
  void SetOnActivate(const TNotifyEvent& e) { m_onActivate = e; }
  const TNotifyEvent& OnDeactivate() const { return m_onDeactivate; }
  void SetOnDeactivate(const TNotifyEvent& e) { m_onDeactivate = e; }
  const TCloseEvent& OnClose() const { return m_onClose; }
  void SetOnClose(const TCloseEvent& e) { m_onClose = e; }
  const TCloseQueryEvent& OnCloseQuery() const { return m_onCloseQuery; }
  void SetOnCloseQuery(const TCloseQueryEvent& e) { m_onCloseQuery = e; }
  const TNotifyEvent& OnCreate() const { return m_onCreate; }
  void SetOnCreate(const TNotifyEvent& e) { m_onCreate = e; }
  const TNotifyEvent& OnDestroy() const { return m_onDestroy; }
  void SetOnDestroy(const TNotifyEvent& e) { m_onDestroy = e; }
  const TNotifyEvent& OnShow() const { return m_onShow; }
  void SetOnShow(const TNotifyEvent& e) { m_onShow = e; }
  const TNotifyEvent& OnHide() const { return m_onHide; }
  void SetOnHide(const TNotifyEvent& e) { m_onHide = e; }
  const TNotifyEvent& OnPaint() const { return m_onPaint; }
  void SetOnPaint(const TNotifyEvent& e) { m_onPaint = e; }

  void Dispatch(TMessage& message) override;

protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;
  bool HasMenuBar() override;
  virtual void Activate();
  virtual void Deactivate();
  virtual void DoClose(TCloseAction& action);
  virtual void DoCreate();
  virtual void DoDestroy();
  virtual void DoShow();
  virtual void DoHide();
  // Draws the client area on Canvas; the base fires OnPaint.
  virtual void Paint();
  void PaintWindow(HDC dc) override;

private:
  friend class TApplication;

  void ReadDefinition();
  // Scales what was read to the screen's resolution when it was laid out
  // for another one; clears every scaling flag either way.
  void ScaleToScreen();
  // The form's font and client size, as far as they were read, by m / d.
  void ScaleOwnReadValues(int m, int d);
  void CloseModal();
  TModalResult RunModalLoop(HWND& activeWindow);
  bool NotifyFocusChange(TWinControl* control);
  void DetachMenu();
  void SetActive(bool active);
  void SetWindowFocus();
  void PlaceForShowing();
  void HideWindow();
  // The bounds of the monitor DefaultMonitor names: the whole screen for
  // dmDesktop, the primary monitor when the form it names has no window.
  TRect CentringBounds();
  void ApplyAlphaBlend();
  void WMActivate(TWMActivate message);
  void WMClose();
  void WMCommand(TWMCommand message);
  void WMSysCommand(TWMSysCommand message);
  void CMShowingChanged();
  void CMDialogKey(TCMDialogKey message);
  void CMActivate();
  void CMDeactivate();

  TFormBorderStyle m_borderStyle = TFormBorderStyle::bsSizeable;
  TBorderIcons m_borderIcons{TBorderIcon::biSystemMenu, TBorderIcon::biMinimize,
                             TBorderIcon::biMaximize};
  TPosition m_position = TPosition::poDesigned;
  TFormStyle m_formStyle = TFormStyle::fsNormal;
  TDefaultMonitor m_defaultMonitor = TDefaultMonitor::dmActiveForm;
  TOwned<TControlCanvas> m_canvas;
  bool m_alphaBlend = false;
  int m_alphaBlendValue = 255;
  TMainMenu* m_menu = nullptr;
  bool m_keyPreview = false;
  int m_pixelsPerInch = 0;
  bool m_scaled = true;
  int m_pendingClientWidth = 0;
  int m_pendingClientHeight = 0;
  TFormState m_formState;
  TWinControl* m_activeControl = nullptr;
  TWinControl* m_focusedControl = nullptr;
  bool m_active = false;
  bool m_readDefinition = true;
  TModalResult m_modalResult = mrNone;

  TNotifyEvent m_onActivate;
  TNotifyEvent m_onDeactivate;
  TCloseEvent m_onClose;
  TCloseQueryEvent m_onCloseQuery;
  TNotifyEvent m_onCreate;
  TNotifyEvent m_onDestroy;
  TNotifyEvent m_onShow;
  TNotifyEvent m_onHide;
  TNotifyEvent m_onPaint;
};

class TForm : public TCustomForm {
  OBJECT_CLASS(TForm, TCustomForm)
public:
  using TCustomForm::TCustomForm;
};

// The form a control sits on, nil when none.
TCustomForm* GetParentForm(TControl* control);

// Form definitions by class name: a form class reads the definition
// registered under its name, else the RCDATA resource of that name.
void RegisterFormDefinition(std::string_view className, std::string definition);
void UnregisterFormDefinition(std::string_view className);
