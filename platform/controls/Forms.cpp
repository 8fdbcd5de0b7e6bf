#include "platform/controls/Forms.h"

#include <map>

#include "platform/controls/Application.h"
#include "platform/controls/ControlCanvas.h"
#include "platform/controls/Menus.h"
#include "platform/controls/Screen.h"
#include "platform/graphics/DCScopes.h"
#include "platform/graphics/Graphic.h"
#include "platform/objects/FormReader.h"
#include "platform/rtl/AnsiStrings.h"
#include "platform/rtl/ScopeGuards.h"
#include "platform/rtl/WideText.h"

namespace {

using enum TControlStyleItem;
using enum TFormStateItem;

std::map<std::string, std::string>& FormDefinitions() {
  static std::map<std::string, std::string> definitions;
  return definitions;
}

// The definition text of a form class: registered, else an RCDATA resource.
bool FindFormDefinition(const std::string& className, std::string& text) {
  const auto& definitions = FormDefinitions();
  if (const auto found = definitions.find(UpperCase(className)); found != definitions.end()) {
    text = found->second;
    return true;
  }
  const std::u16string name = AnsiToWide(className);
  HRSRC resource = ::FindResourceW(nullptr, WidePtr(name), reinterpret_cast<LPCWSTR>(RT_RCDATA));
  HGLOBAL loaded = resource ? ::LoadResource(nullptr, resource) : nullptr;
  const void* bytes = loaded ? ::LockResource(loaded) : nullptr;
  if (!bytes)
    return false;
  text.assign(static_cast<const char*>(bytes), ::SizeofResource(nullptr, resource));
  return true;
}

HICON ProgramIcon() {
  HINSTANCE instance = ::GetModuleHandleW(nullptr);
  static constexpr WCHAR kMainIcon[] = {'M', 'A', 'I', 'N', 'I', 'C', 'O', 'N', 0};
  if (HICON icon = ::LoadIconW(instance, kMainIcon))
    return icon;
  return ::LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
}

} // namespace

void RegisterFormDefinition(std::string_view className, std::string definition) {
  FormDefinitions()[UpperCase(std::string(className))] = std::move(definition);
}

void UnregisterFormDefinition(std::string_view className) {
  FormDefinitions().erase(UpperCase(std::string(className)));
}

TCustomForm* GetParentForm(TControl* control) {
  while (control && control->Parent())
    control = control->Parent();
  return dynamic_cast<TCustomForm*>(control);
}

void TCustomForm::Publish(TPublisher& p) {
  p.Property<TCustomForm>("Caption", &TCustomForm::Caption, &TCustomForm::SetCaption);
  p.Property<TCustomForm>("Visible", &TCustomForm::Visible, &TCustomForm::SetVisible).Default(false);
  p.Property<TCustomForm>("ClientWidth", &TCustomForm::ClientWidth, &TCustomForm::SetClientWidth);
  p.Property<TCustomForm>("ClientHeight", &TCustomForm::ClientHeight, &TCustomForm::SetClientHeight);
  p.Property("BorderStyle", &TCustomForm::BorderStyle, &TCustomForm::SetBorderStyle)
      .Default(TFormBorderStyle::bsSizeable);
  p.Property("BorderIcons", &TCustomForm::BorderIcons, &TCustomForm::SetBorderIcons)
      .Default(TBorderIcons{TBorderIcon::biSystemMenu, TBorderIcon::biMinimize,
                            TBorderIcon::biMaximize});
  p.Property("Position", &TCustomForm::Position, &TCustomForm::SetPosition)
      .Default(TPosition::poDesigned);
  p.Property("FormStyle", &TCustomForm::FormStyle, &TCustomForm::SetFormStyle)
      .Default(TFormStyle::fsNormal);
  p.Property("DefaultMonitor", &TCustomForm::DefaultMonitor, &TCustomForm::SetDefaultMonitor)
      .Default(TDefaultMonitor::dmActiveForm);
  p.Property("AlphaBlend", &TCustomForm::AlphaBlend, &TCustomForm::SetAlphaBlend).Default(false);
  p.Property("AlphaBlendValue", &TCustomForm::AlphaBlendValue, &TCustomForm::SetAlphaBlendValue)
      .Default(255);
  p.Property("Menu", &TCustomForm::Menu, &TCustomForm::SetMenu);
  p.Property("ActiveControl", &TCustomForm::ActiveControl, &TCustomForm::SetActiveControl);
  p.Property("KeyPreview", &TCustomForm::KeyPreview, &TCustomForm::SetKeyPreview).Default(false);
  p.Property("Scaled", &TCustomForm::Scaled, &TCustomForm::SetScaled).Default(true);
  p.Property("OnActivate", &TCustomForm::OnActivate, &TCustomForm::SetOnActivate);
  p.Property("OnDeactivate", &TCustomForm::OnDeactivate, &TCustomForm::SetOnDeactivate);
  p.Property("OnClose", &TCustomForm::OnClose, &TCustomForm::SetOnClose);
  p.Property("OnCloseQuery", &TCustomForm::OnCloseQuery, &TCustomForm::SetOnCloseQuery);
  p.Property("OnCreate", &TCustomForm::OnCreate, &TCustomForm::SetOnCreate);
  p.Property("OnDestroy", &TCustomForm::OnDestroy, &TCustomForm::SetOnDestroy);
  p.Property("OnShow", &TCustomForm::OnShow, &TCustomForm::SetOnShow);
  p.Property("OnHide", &TCustomForm::OnHide, &TCustomForm::SetOnHide);
  p.Property("OnPaint", &TCustomForm::OnPaint, &TCustomForm::SetOnPaint);
  p.Property("PixelsPerInch", &TCustomForm::PixelsPerInch, &TCustomForm::SetPixelsPerInch);
}

TCustomForm::TCustomForm(TComponent* owner)
    : TWinControl(owner), m_canvas(Create<TControlCanvas>()) {
  m_canvas->SetControl(this);
  SetControlStyle({csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption,
                   csDoubleClicks});
  SetBoundsFields(0, 0, 320, 240);
  TControl::SetVisible(false);
  SetColor(clBtnFace);
  SetParentFont(false);
  if (Screen)
    Screen->AddForm(this);
}

TCustomForm::TCustomForm(TComponent* owner, int) : TCustomForm(owner) {
  m_readDefinition = false;
}

TCustomForm::~TCustomForm() {
  if (Screen)
    Screen->RemoveForm(this);
}

void TCustomForm::AfterConstruction() {
  inherited::AfterConstruction();
  controls_detail::TFormReferenceScope::AssignPending(this);
  if (m_readDefinition && ClassType() != TForm::StaticClass()) {
    m_formState.Include(fsCreating);
    const TScopeExit created([this] { m_formState.Exclude(fsCreating); });
    ReadDefinition();
  }
  DoCreate();
  if (m_formState.Contains(fsVisible))
    SetVisible(true);
}

void TCustomForm::ReadDefinition() {
  std::string text;
  if (!FindFormDefinition(ClassName(), text))
    throw EResNotFound("Resource " + ClassName() + " not found");
  ReadFormDefinition(text, this, ClassName());
}

void TCustomForm::BeforeDestruction() {
  if (Screen)
    Screen->RemoveForm(this);
  try {
    DoDestroy();
  } catch (...) {
    HandleCallbackException(this);
  }
  DetachMenu();
  inherited::BeforeDestruction();
}

void TCustomForm::DoCreate() {
  if (!m_onCreate)
    return;
  try {
    m_onCreate(this);
  } catch (...) {
    HandleCallbackException(this);
  }
}

void TCustomForm::DoDestroy() {
  if (m_onDestroy)
    m_onDestroy(this);
}

void TCustomForm::DoShow() {
  if (m_onShow)
    m_onShow(this);
}

void TCustomForm::DoHide() {
  if (m_onHide)
    m_onHide(this);
}

void TCustomForm::Activate() {
  if (m_onActivate)
    m_onActivate(this);
}

void TCustomForm::Deactivate() {
  if (m_onDeactivate)
    m_onDeactivate(this);
}

void TCustomForm::DoClose(TCloseAction& action) {
  if (m_onClose)
    m_onClose(this, action);
}

void TCustomForm::CreateParams(TCreateParams& params) {
  inherited::CreateParams(params);
  if (Parent())
    return;
  params.Style &= ~(WS_CHILD | WS_GROUP | WS_TABSTOP);
  params.Style |= WS_CLIPCHILDREN;
  params.WndParent = nullptr;
  params.WindowClass.hIcon = ProgramIcon();
  const bool sizeable = m_borderStyle == TFormBorderStyle::bsSizeable ||
                        m_borderStyle == TFormBorderStyle::bsSizeToolWin;
  switch (m_borderStyle) {
  case TFormBorderStyle::bsNone: params.Style |= WS_POPUP; break;
  case TFormBorderStyle::bsDialog:
    params.Style |= WS_POPUP | WS_CAPTION;
    params.ExStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
    break;
  case TFormBorderStyle::bsToolWindow:
  case TFormBorderStyle::bsSizeToolWin: params.ExStyle |= WS_EX_TOOLWINDOW; [[fallthrough]];
  default: params.Style |= WS_CAPTION | (sizeable ? WS_THICKFRAME : WS_BORDER); break;
  }
  if ((params.Style & WS_CAPTION) == WS_CAPTION &&
      m_borderIcons.Contains(TBorderIcon::biSystemMenu)) {
    params.Style |= WS_SYSMENU;
    const bool iconsAllowed = m_borderStyle == TFormBorderStyle::bsSingle ||
                              m_borderStyle == TFormBorderStyle::bsSizeable;
    if (iconsAllowed && m_borderIcons.Contains(TBorderIcon::biMinimize))
      params.Style |= WS_MINIMIZEBOX;
    if (iconsAllowed && m_borderIcons.Contains(TBorderIcon::biMaximize))
      params.Style |= WS_MAXIMIZEBOX;
  }
  if (m_formStyle == TFormStyle::fsStayOnTop)
    params.ExStyle |= WS_EX_TOPMOST;
  if (m_alphaBlend)
    params.ExStyle |= WS_EX_LAYERED;
}

void TCustomForm::CreateWnd() {
  inherited::CreateWnd();
  if (m_menu) {
    m_menu->SetWindowHandle(Handle());
    ::SetMenu(Handle(), m_menu->Handle());
  }
  ApplyAlphaBlend();
}

TCanvas* TCustomForm::Canvas() const { return m_canvas.get(); }

void TCustomForm::PaintWindow(HDC dc) {
  const TCanvasLoan loan(*m_canvas, dc);
  Paint();
}

void TCustomForm::Paint() {
  if (m_onPaint)
    m_onPaint(this);
}

void TCustomForm::DestroyWnd() {
  m_canvas->FreeHandle();
  DetachMenu();
  inherited::DestroyWnd();
}

// Takes the menu off the window first: destroying a window destroys the
// menu it shows, which belongs to the menu component.
void TCustomForm::DetachMenu() {
  if (!m_menu)
    return;
  if (HandleAllocated() && !Parent())
    ::SetMenu(Handle(), nullptr);
  m_menu->SetWindowHandle(nullptr);
}

bool TCustomForm::HasMenuBar() { return m_menu != nullptr && !Parent(); }

void TCustomForm::ReadState(TReader& reader) {
  m_pixelsPerInch = 0;
  SetScalingFlags({});
  inherited::ReadState(reader);
}

// Runs before the components read call their Loaded: references between
// them are set (a style controller's font can be scaled through its
// users), and each still scales only what the definition set.
void TCustomForm::Loaded() {
  ScaleToScreen();
  inherited::Loaded();
  if (m_pendingClientWidth > 0)
    inherited::SetClientWidth(std::exchange(m_pendingClientWidth, 0));
  if (m_pendingClientHeight > 0)
    inherited::SetClientHeight(std::exchange(m_pendingClientHeight, 0));
  if (m_activeControl && m_active)
    SetWindowFocus();
}

int TCustomForm::PixelsPerInch() const {
  return m_pixelsPerInch ? m_pixelsPerInch : ScreenPixelsPerInch();
}

void TCustomForm::SetPixelsPerInch(int value) {
  if (value < 1)
    throw ERangeError("Pixels per inch must be positive (" + std::to_string(value) + ")");
  m_pixelsPerInch = value;
}

void TCustomForm::ScaleToScreen() {
  const int screen = ScreenPixelsPerInch();
  const int design = PixelsPerInch();
  if (m_scaled && design != screen && !Parent()) {
    DisableAlign();
    const TScopeExit enable([this] { EnableAlign(); });
    ScaleOwnReadValues(screen, design);
    ScaleControls(screen, design);
    m_pixelsPerInch = screen;
  } else {
    ScaleControls(1, 1);
  }
  SetScalingFlags({});
}

// The font by its height, so that it keeps its pixel proportions; a size
// read as the outer size becomes the client size it gave.
void TCustomForm::ScaleOwnReadValues(int m, int d) {
  using enum TScalingFlag;
  const TScalingFlags read = ScalingFlags();
  if (read.Contains(sfFont))
    Font()->SetHeight(::MulDiv(Font()->Height(), m, d));
  if (m_pendingClientWidth > 0)
    m_pendingClientWidth = ::MulDiv(m_pendingClientWidth, m, d);
  else if (read.Contains(sfWidth))
    m_pendingClientWidth = ::MulDiv(ClientWidth(), m, d);
  if (m_pendingClientHeight > 0)
    m_pendingClientHeight = ::MulDiv(m_pendingClientHeight, m, d);
  else if (read.Contains(sfHeight))
    m_pendingClientHeight = ::MulDiv(ClientHeight(), m, d);
}

void TCustomForm::Notification(TComponent* component, TOperation operation) {
  inherited::Notification(component, operation);
  if (operation != TOperation::opRemove)
    return;
  if (component == m_menu)
    m_menu = nullptr;
  if (component == m_activeControl)
    m_activeControl = nullptr;
  if (component == m_focusedControl)
    m_focusedControl = nullptr;
}

void TCustomForm::SetClientWidth(int value) {
  if (Loading() || ControlState().Contains(TControlStateItem::csReadingState))
    m_pendingClientWidth = value;
  else
    inherited::SetClientWidth(value);
}

void TCustomForm::SetClientHeight(int value) {
  if (Loading() || ControlState().Contains(TControlStateItem::csReadingState))
    m_pendingClientHeight = value;
  else
    inherited::SetClientHeight(value);
}

void TCustomForm::SetVisible(bool visible) {
  if (m_formState.Contains(fsCreating) || Loading()) {
    if (visible)
      m_formState.Include(fsVisible);
    else
      m_formState.Exclude(fsVisible);
    return;
  }
  if (m_formState.Contains(fsShowing))
    throw EInvalidOperation("Cannot change Visible in OnShow or OnHide");
  inherited::SetVisible(visible);
}

void TCustomForm::SetBorderStyle(TFormBorderStyle style) {
  if (m_borderStyle == style)
    return;
  m_borderStyle = style;
  RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons icons) {
  if (m_borderIcons == icons)
    return;
  m_borderIcons = icons;
  RecreateWnd();
}

void TCustomForm::SetFormStyle(TFormStyle style) {
  if (m_formStyle == style)
    return;
  m_formStyle = style;
  if (HandleAllocated())
    ::SetWindowPos(Handle(), style == TFormStyle::fsStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST,
                   0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TCustomForm::SetAlphaBlend(bool value) {
  if (m_alphaBlend == value)
    return;
  m_alphaBlend = value;
  ApplyAlphaBlend();
}

void TCustomForm::SetAlphaBlendValue(int value) {
  value = std::clamp(value, 0, 255);
  if (m_alphaBlendValue == value)
    return;
  m_alphaBlendValue = value;
  ApplyAlphaBlend();
}

void TCustomForm::ApplyAlphaBlend() {
  if (!HandleAllocated())
    return;
  HWND window = Handle();
  const LONG exStyle = ::GetWindowLongW(window, GWL_EXSTYLE);
  if (!m_alphaBlend) {
    if (exStyle & WS_EX_LAYERED)
      ::SetWindowLongW(window, GWL_EXSTYLE, exStyle & ~WS_EX_LAYERED);
    return;
  }
  if (!(exStyle & WS_EX_LAYERED))
    ::SetWindowLongW(window, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
  ::SetLayeredWindowAttributes(window, 0, static_cast<BYTE>(m_alphaBlendValue), LWA_ALPHA);
}

void TCustomForm::SetMenu(TMainMenu* menu) {
  if (m_menu == menu)
    return;
  if (m_menu) {
    m_menu->SetWindowHandle(nullptr);
    m_menu->RemoveFreeNotification(this);
  }
  m_menu = menu;
  if (menu)
    menu->FreeNotification(this);
  if (!HandleAllocated() || Parent())
    return;
  if (menu)
    menu->SetWindowHandle(Handle());
  ::SetMenu(Handle(), menu ? menu->Handle() : nullptr);
}

bool TCustomForm::IsShortCut(TWMKey message) { return m_menu && m_menu->IsShortCut(message); }

void TCustomForm::GetChildren(const TGetChildProc& proc, TComponent* root) {
  inherited::GetChildren(proc, root);
  if (root != this)
    return;
  for (int i = 0; i < ComponentCount(); ++i)
    if (!Components(i)->HasParent())
      proc(Components(i));
}

void TCustomForm::Dispatch(TMessage& message) {
  switch (message.Msg) {
  case WM_ACTIVATE: WMActivate(TWMActivate(message)); break;
  case WM_CLOSE: WMClose(); break;
  case WM_COMMAND: WMCommand(TWMCommand(message)); break;
  case WM_SYSCOMMAND: WMSysCommand(TWMSysCommand(message)); break;
  case CM_SHOWINGCHANGED: CMShowingChanged(); break;
  case CM_DIALOGKEY: CMDialogKey(TCMDialogKey(message)); break;
  case CM_ACTIVATE: CMActivate(); break;
  case CM_DEACTIVATE: CMDeactivate(); break;
  case CM_RELEASE: Free(); break;
  default: inherited::Dispatch(message); break;
  }
}

void TCustomForm::WMCommand(TWMCommand message) {
  if (!message.Ctl() && m_menu && m_menu->DispatchCommand(message.ItemID()))
    return;
  inherited::Dispatch(message.Message());
}

void TCustomForm::WMSysCommand(TWMSysCommand message) {
  const UINT command = message.CmdType();
  if (Application && Application->MainForm() == this) {
    if (command == SC_MINIMIZE) {
      Application->Minimize();
      return;
    }
    if (command == SC_RESTORE && ::IsIconic(Handle())) {
      Application->Restore();
      return;
    }
  }
  DefaultHandler(message.Message());
}

void TCustomForm::WMClose() { Close(); }

void TCustomForm::Release() {
  if (HandleAllocated())
    ::PostMessageW(Handle(), CM_RELEASE, 0, 0);
}
