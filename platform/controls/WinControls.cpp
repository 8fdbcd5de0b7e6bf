#include "platform/controls/WinControls.h"

#include <algorithm>
#include <optional>

#include "platform/controls/Application.h"
#include "platform/controls/ControlCanvas.h"
#include "platform/controls/Forms.h"
#include "platform/controls/Screen.h"
#include "platform/controls/WindowProcs.h"
#include "platform/graphics/DCScopes.h"
#include "platform/objects/FormReader.h"
#include "platform/rtl/ScopeGuards.h"
#include "platform/rtl/WideText.h"

namespace {

using enum TControlStyleItem;
using enum TControlStateItem;
using controls_detail::RaiseLastWindowError;

bool IsWindowed(const TControl* control) {
  return dynamic_cast<const TWinControl*>(control) != nullptr;
}

} // namespace

void TWinControl::Publish(TPublisher& p) {
  p.Property("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder).Default(-1);
  p.Property("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop).Default(false);
  p.Property("Ctl3D", &TWinControl::Ctl3D, &TWinControl::SetCtl3D)
      .Default(true)
      .Stored([](TWinControl* c) { return !c->ParentCtl3D(); });
  p.Property("ParentCtl3D", &TWinControl::ParentCtl3D, &TWinControl::SetParentCtl3D)
      .Default(true);
  p.Property("OnEnter", &TWinControl::OnEnter, &TWinControl::SetOnEnter);
  p.Property("OnExit", &TWinControl::OnExit, &TWinControl::SetOnExit);
  p.Property("OnKeyDown", &TWinControl::OnKeyDown, &TWinControl::SetOnKeyDown);
  p.Property("OnKeyPress", &TWinControl::OnKeyPress, &TWinControl::SetOnKeyPress);
  p.Property("OnKeyUp", &TWinControl::OnKeyUp, &TWinControl::SetOnKeyUp);
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner), m_brush(Create<TBrush>()) {
  m_brush->SetColor(Color());
}

TWinControl::~TWinControl() {
  if (m_handle) {
    controls_detail::UnbindWindow(m_handle);
    ::DestroyWindow(m_handle);
    m_handle = nullptr;
  }
}

void TWinControl::BeforeDestruction() {
  Destroying();
  if (Parent())
    RemoveFocus(true);
  while (!m_controls.empty()) {
    TControl* child = m_controls.back();
    RemoveControl(child);
    child->Free();
  }
  if (m_handle) {
    HWND window = std::exchange(m_handle, nullptr);
    controls_detail::UnbindWindow(window);
    ::DestroyWindow(window);
  }
  inherited::BeforeDestruction();
}

HWND TWinControl::Handle() {
  HandleNeeded();
  return m_handle;
}

void TWinControl::HandleNeeded() {
  if (m_handle)
    return;
  if (Parent())
    Parent()->HandleNeeded();
  CreateHandle();
}

void TWinControl::SetParentWindow(HWND window) {
  if (m_parentWindow == window)
    return;
  if (m_handle && window)
    ::SetParent(m_handle, window);
  else if (m_handle)
    DestroyHandle();
  m_parentWindow = window;
  UpdateControlState();
}

void TWinControl::CreateParams(TCreateParams& params) {
  params.Caption = WideToAnsi(StoredText());
  params.Style = WS_CHILD | WS_CLIPSIBLINGS;
  if (ControlStyle().Contains(csAcceptsControls)) {
    params.Style |= WS_CLIPCHILDREN;
    params.ExStyle |= WS_EX_CONTROLPARENT;
  }
  if (!Enabled())
    params.Style |= WS_DISABLED;
  if (m_tabStop)
    params.Style |= WS_TABSTOP;
  params.X = Left();
  params.Y = Top();
  params.Width = Width();
  params.Height = Height();
  params.WndParent = Parent() ? Parent()->m_handle : m_parentWindow;
  params.WindowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
  params.WindowClass.lpfnWndProc = ::DefWindowProcW;
  params.WindowClass.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  params.WindowClass.hbrBackground = nullptr;
  params.WindowClass.hInstance = ::GetModuleHandleW(nullptr);
  params.WinClassName = ClassName();
}

void TWinControl::CreateSubClass(TCreateParams& params, const char* className) {
  const std::u16string name = AnsiToWide(className);
  HINSTANCE instance = params.WindowClass.hInstance;
  WNDCLASSW systemClass{};
  if (!::GetClassInfoW(instance, WidePtr(name), &systemClass) &&
      !::GetClassInfoW(nullptr, WidePtr(name), &systemClass))
    RaiseLastWindowError();
  systemClass.hInstance = instance;
  systemClass.style &= ~(CS_OWNDC | CS_CLASSDC | CS_PARENTDC | CS_GLOBALCLASS);
  params.WindowClass = systemClass;
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  if ((params.Style & WS_CHILD) && !params.WndParent)
    throw EInvalidOperation("Control '" + Name() + "' has no parent window");
  m_defWndProc = params.WindowClass.lpfnWndProc;
  controls_detail::RegisterControlClass(params);
  {
    controls_detail::TCreationBinding binding(this, m_defWndProc);
    CreateWindowHandle(params);
  }
  if (!m_handle)
    RaiseLastWindowError();
  SetStoredText({});
  UpdateBoundsFromWindow();
  ApplyFont();
}

void TWinControl::CreateWindowHandle(const TCreateParams& params) {
  const std::u16string className = AnsiToWide(params.WinClassName);
  const std::u16string caption = AnsiToWide(params.Caption);
  HWND window = ::CreateWindowExW(params.ExStyle, WidePtr(className), WidePtr(caption),
                                  params.Style, params.X, params.Y, params.Width, params.Height,
                                  params.WndParent, nullptr, params.WindowClass.hInstance,
                                  params.Param);
  if (window && !m_handle)
    m_handle = window;
}

void TWinControl::CreateHandle() {
  if (m_handle)
    return;
  CreateWnd();
  if (Parent()) {
    HWND after = HWND_TOP;
    auto self = std::find(Parent()->m_controls.begin(), Parent()->m_controls.end(), this);
    for (auto next = self + 1; next < Parent()->m_controls.end(); ++next) {
      auto* sibling = dynamic_cast<TWinControl*>(*next);
      if (sibling && sibling->m_handle) {
        after = sibling->m_handle;
        break;
      }
    }
    ::SetWindowPos(m_handle, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

void TWinControl::DestroyWnd() {
  std::u16string text(static_cast<std::size_t>(::GetWindowTextLengthW(m_handle)) + 1, u'\0');
  text.resize(static_cast<std::size_t>(
      ::GetWindowTextW(m_handle, WidePtr(text), static_cast<int>(text.size()))));
  SetStoredText(std::move(text));
  DestroyWindowHandle();
}

void TWinControl::DestroyWindowHandle() {
  IncludeControlState(csDestroyingHandle);
  HWND window = m_handle;
  ::DestroyWindow(window);
  m_handle = nullptr;
  m_showing = false;
  ExcludeControlState(csDestroyingHandle);
}

void TWinControl::DestroyHandle() {
  if (!m_handle)
    return;
  for (TControl* control : m_controls)
    if (auto* child = dynamic_cast<TWinControl*>(control))
      child->DestroyHandle();
  DestroyWnd();
}

void TWinControl::RecreateWnd() {
  if (m_handle)
    Perform(CM_RECREATEWND);
}

void TWinControl::CMRecreateWnd() {
  const bool wasFocused = Focused();
  // Destroying the focused window would hand the focus to the form, and the
  // control would seem to leave and enter again.
  if (wasFocused)
    ::SetFocus(nullptr);
  DestroyHandle();
  UpdateControlState();
  if (wasFocused && m_handle)
    ::SetFocus(m_handle);
}

void TWinControl::AddBorder(TCreateParams& params) {
  m_ctl3DBorder = true;
  if (Ctl3D())
    params.ExStyle |= WS_EX_CLIENTEDGE;
  else
    params.Style |= WS_BORDER;
}

void TWinControl::CMCtl3DChanged() {
  if (m_handle && m_ctl3DBorder)
    RecreateWnd();
  NotifyControls(CM_PARENTCTL3DCHANGED);
}

void TWinControl::UpdateShowing() {
  const bool show = Visible() && !ControlState().Contains(csReadingState);
  if (show) {
    if (!m_handle)
      CreateHandle();
    for (TControl* control : std::vector<TControl*>(m_controls))
      if (auto* child = dynamic_cast<TWinControl*>(control))
        child->UpdateShowing();
  }
  if (m_handle && m_showing != show) {
    m_showing = show;
    try {
      Perform(CM_SHOWINGCHANGED);
    } catch (...) {
      m_showing = !show;
      throw;
    }
  }
}

void TWinControl::UpdateControlState() {
  TWinControl* top = this;
  while (top->Parent()) {
    top = top->Parent();
    if (!top->Showing())
      return;
  }
  if (dynamic_cast<TCustomForm*>(top) || top->m_parentWindow)
    UpdateShowing();
}

void TWinControl::CMShowingChanged() {
  const UINT show = m_showing ? SWP_SHOWWINDOW : SWP_HIDEWINDOW;
  ::SetWindowPos(m_handle, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | show);
}

void TWinControl::CMVisibleChanged() {
  if (!Visible() && Parent())
    RemoveFocus(false);
  UpdateControlState();
}

void TWinControl::CMEnabledChanged() {
  if (!Enabled() && Parent())
    RemoveFocus(false);
  if (m_handle)
    ::EnableWindow(m_handle, Enabled());
}

void TWinControl::CMColorChanged() {
  m_brush->SetColor(Color());
  Invalidate();
  NotifyControls(CM_PARENTCOLORCHANGED);
}

void TWinControl::CMFontChanged() {
  Invalidate();
  ApplyFont();
  NotifyControls(CM_PARENTFONTCHANGED);
}

void TWinControl::ApplyFont() {
  if (m_handle)
    CallDefWndProc(WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), 0);
}

TControl* TWinControl::Controls(int index) const {
  if (index < 0 || index >= ControlCount())
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  return m_controls[static_cast<std::size_t>(index)];
}

void TWinControl::InsertControl(TControl* control) {
  m_controls.push_back(control);
  if (auto* windowed = dynamic_cast<TWinControl*>(control))
    m_tabList.push_back(windowed);
  control->m_parent = this;
  const TComponentState state = control->ComponentState();
  if (state.Contains(TComponentStateItem::csReading) ||
      state.Contains(TComponentStateItem::csLoading))
    return;
  TControlLife life(control);
  control->TakeParentValues();
  if (!life)
    return;
  control->UpdateAnchorRules();
  if (auto* windowed = dynamic_cast<TWinControl*>(control))
    windowed->UpdateControlState();
  else
    control->Invalidate();
  AlignControl(control);
}

void TWinControl::RemoveControl(TControl* control) {
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
    windowed->RemoveFocus(true);
    windowed->DestroyHandle();
  } else {
    control->Invalidate();
  }
  std::erase(m_controls, control);
  if (auto* windowed = dynamic_cast<TWinControl*>(control))
    std::erase(m_tabList, windowed);
  control->m_parent = nullptr;
  if (!ComponentState().Contains(TComponentStateItem::csDestroying))
    Realign();
}

bool TWinControl::ContainsControl(TControl* control) const {
  for (TControl* c = control; c; c = c->Parent())
    if (c == this)
      return true;
  return false;
}

TControl* TWinControl::ControlAtPos(TPoint pos, bool allowDisabled, bool allowWinControls) {
  for (auto it = m_controls.rbegin(); it != m_controls.rend(); ++it) {
    TControl* control = *it;
    if (!allowWinControls && IsWindowed(control))
      continue;
    if (!control->Visible() || (!allowDisabled && !control->Enabled()))
      continue;
    const TRect r = control->BoundsRect();
    if (pos.X < r.Left || pos.X >= r.Right || pos.Y < r.Top || pos.Y >= r.Bottom)
      continue;
    if (control->Perform(CM_HITTEST, 0, PointToLParam({pos.X - r.Left, pos.Y - r.Top})) != 0)
      return control;
  }
  return nullptr;
}

void TWinControl::Broadcast(TMessage& message) {
  for (TControl* control : std::vector<TControl*>(m_controls)) {
    if (std::find(m_controls.begin(), m_controls.end(), control) == m_controls.end())
      continue;
    control->m_windowProc(message);
    if (message.Result != 0)
      return;
  }
}

void TWinControl::NotifyControls(UINT msg) {
  TMessage message{msg, 0, 0, 0};
  Broadcast(message);
}

TRect TWinControl::ClientRect() {
  if (m_handle) {
    TRect r;
    ::GetClientRect(m_handle, AsRECT(r));
    return r;
  }
  TCreateParams params;
  CreateParams(params);
  RECT frame{0, 0, 0, 0};
  ::AdjustWindowRectEx(&frame, params.Style, HasMenuBar(), params.ExStyle);
  return Rect(0, 0, std::max(0, Width() - (frame.right - frame.left)),
              std::max(0, Height() - (frame.bottom - frame.top)));
}

TPoint TWinControl::ClientOrigin() {
  if (!m_handle)
    return inherited::ClientOrigin();
  POINT origin{0, 0};
  ::ClientToScreen(m_handle, &origin);
  return {origin.x, origin.y};
}

void TWinControl::BoundsChanged(const TRect& oldBounds) {
  if (m_handle) {
    if (!::IsIconic(m_handle))
      ::SetWindowPos(m_handle, nullptr, Left(), Top(), Width(), Height(),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    return;
  }
  if (oldBounds.Right - oldBounds.Left != Width() || oldBounds.Bottom - oldBounds.Top != Height()) {
    Realign();
    Resize();
  }
}

void TWinControl::UpdateBoundsFromWindow() {
  if (!m_handle || ::IsIconic(m_handle))
    return;
  RECT r;
  ::GetWindowRect(m_handle, &r);
  if (::GetWindowLongW(m_handle, GWL_STYLE) & WS_CHILD)
    ::MapWindowPoints(nullptr, ::GetParent(m_handle), reinterpret_cast<POINT*>(&r), 2);
  SetBoundsFields(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

void TWinControl::WMSize(TWMSize message) {
  UpdateBoundsFromWindow();
  DefaultHandler(message.Message());
  TControlLife life(this);
  Realign();
  if (life && !Loading())
    Resize();
}

void TWinControl::WMGetMinMaxInfo(TWMGetMinMaxInfo message) {
  DefaultHandler(message.Message());
  const TSizeConstraints* limits = Constraints();
  MINMAXINFO* info = message.MinMaxInfo();
  if (limits->MinWidth() > 0)
    info->ptMinTrackSize.x = limits->MinWidth();
  if (limits->MinHeight() > 0)
    info->ptMinTrackSize.y = limits->MinHeight();
  if (limits->MaxWidth() > 0)
    info->ptMaxTrackSize.x = limits->MaxWidth();
  if (limits->MaxHeight() > 0)
    info->ptMaxTrackSize.y = limits->MaxHeight();
}

void TWinControl::WMMove(TWMMove message) {
  UpdateBoundsFromWindow();
  DefaultHandler(message.Message());
}

void TWinControl::SetParent(TWinControl* parent) {
  if (Parent() == parent)
    return;
  if (!parent && m_handle && !m_parentWindow)
    DestroyHandle();
  inherited::SetParent(parent);
}

void TWinControl::SetZOrder(bool topMost) {
  inherited::SetZOrder(topMost);
  if (m_handle && !(topMost && AtTop()))
    ::SetWindowPos(m_handle, topMost ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE);
}

// Nothing above the window but topmost windows (which stay above one that
// is not); a top-level one is also the active window, which moving it to the
// top would make it. Moving it would change nothing.
bool TWinControl::AtTop() const {
  const bool topmost = (::GetWindowLongW(m_handle, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
  for (HWND above = ::GetWindow(m_handle, GW_HWNDPREV); above;
       above = ::GetWindow(above, GW_HWNDPREV))
    if (topmost || (::GetWindowLongW(above, GWL_EXSTYLE) & WS_EX_TOPMOST) == 0)
      return false;
  return Parent() || ::GetActiveWindow() == m_handle;
}

void TWinControl::Invalidate() {
  if (m_handle)
    ::InvalidateRect(m_handle, nullptr, !ControlStyle().Contains(csOpaque));
}

void TWinControl::Update() {
  if (m_handle)
    ::UpdateWindow(m_handle);
}

void TWinControl::Repaint() {
  Invalidate();
  Update();
}

LRESULT TWinControl::CallDefWndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!m_handle || !m_defWndProc)
    return 0;
  return ::CallWindowProcW(m_defWndProc, m_handle, msg, wParam, lParam);
}

void TWinControl::DefaultHandler(TMessage& message) {
  if (!m_handle) {
    inherited::DefaultHandler(message);
    return;
  }
  switch (message.Msg) {
  case WM_CTLCOLORMSGBOX:
  case WM_CTLCOLOREDIT:
  case WM_CTLCOLORLISTBOX:
  case WM_CTLCOLORBTN:
  case WM_CTLCOLORDLG:
  case WM_CTLCOLORSCROLLBAR:
  case WM_CTLCOLORSTATIC:
    WMReflect(message, TWMCtlColor(message).ChildWnd());
    return;
  case CN_CTLCOLORMSGBOX:
  case CN_CTLCOLOREDIT:
  case CN_CTLCOLORLISTBOX:
  case CN_CTLCOLORBTN:
  case CN_CTLCOLORDLG:
  case CN_CTLCOLORSCROLLBAR:
  case CN_CTLCOLORSTATIC: {
    HDC dc = TWMCtlColor(message).ChildDC();
    ::SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(Font()->Color())));
    ::SetBkColor(dc, static_cast<COLORREF>(ColorToRGB(m_brush->Color())));
    message.Result = reinterpret_cast<LRESULT>(m_brush->Handle());
    return;
  }
  case WM_CONTEXTMENU:
    if (Parent()) {
      message.Result = Parent()->Perform(message.Msg, message.WParam, message.LParam);
      if (message.Result != 0)
        return;
    }
    break;
  }
  message.Result = CallDefWndProc(message.Msg, message.WParam, message.LParam);
}

void TWinControl::WMReflect(TMessage& message, HWND child) {
  if (TWinControl* control = FindControl(child)) {
    message.Result = control->Perform(CN_BASE + message.Msg, message.WParam, message.LParam);
    return;
  }
  message.Result = CallDefWndProc(message.Msg, message.WParam, message.LParam);
}

void TWinControl::WMCommand(TWMCommand message) {
  if (message.Ctl())
    WMReflect(message.Message(), message.Ctl());
  else
    DefaultHandler(message.Message());
}

void TWinControl::WMNotify(TWMNotify message) {
  if (const NMHDR* header = message.NMHdr())
    WMReflect(message.Message(), header->hwndFrom);
  else
    DefaultHandler(message.Message());
}

void TWinControl::WMScroll(TWMScroll message) {
  if (message.ScrollBar())
    WMReflect(message.Message(), message.ScrollBar());
  else
    DefaultHandler(message.Message());
}

void TWinControl::WMCharToItem(TWMCharToItem message) {
  if (message.ListBox())
    WMReflect(message.Message(), message.ListBox());
  else
    DefaultHandler(message.Message());
}

void TWinControl::WMItemMessage(TMessage& message) {
  HWND child = nullptr;
  switch (message.Msg) {
  case WM_DRAWITEM: child = TWMDrawItem(message).DrawItemStruct()->hwndItem; break;
  case WM_DELETEITEM: child = TWMDeleteItem(message).DeleteItemStruct()->hwndItem; break;
  case WM_COMPAREITEM: child = TWMCompareItem(message).CompareItemStruct()->hwndItem; break;
  case WM_MEASUREITEM: {
    const UINT id = TWMMeasureItem(message).MeasureItemStruct()->CtlID;
    child = ::GetDlgItem(m_handle, static_cast<int>(id));
    break;
  }
  }
  if (child)
    WMReflect(message, child);
  else
    DefaultHandler(message);
}

void TWinControl::WMPaint(TWMPaint message) { PaintHandler(message); }

void TWinControl::PaintHandler(TWMPaint message) {
  std::optional<TPaintDC> paint;
  HDC dc = message.DC();
  if (!dc)
    dc = paint.emplace(m_handle).DC();
  {
    const TSavedDC saved(dc);
    for (TControl* control : m_controls) {
      if (IsWindowed(control) || !control->Visible() ||
          !control->ControlStyle().Contains(csOpaque))
        continue;
      const TRect r = control->BoundsRect();
      ::ExcludeClipRect(dc, r.Left, r.Top, r.Right, r.Bottom);
    }
    PaintWindow(dc);
  }
  PaintControls(dc, nullptr);
}

void TWinControl::PaintWindow(HDC dc) {
  TMessage message{WM_PAINT, reinterpret_cast<WPARAM>(dc), 0, 0};
  DefaultHandler(message);
}

void TWinControl::PaintControls(HDC dc, TControl* first) {
  auto start = first ? std::find(m_controls.begin(), m_controls.end(), first) : m_controls.begin();
  for (auto it = start; it != m_controls.end(); ++it) {
    TControl* control = *it;
    if (IsWindowed(control) || !control->Visible())
      continue;
    const TRect r = control->BoundsRect();
    if (!::RectVisible(dc, AsRECT(r)))
      continue;
    const TSavedDC saved(dc);
    MoveWindowOrg(dc, r.Left, r.Top);
    ::IntersectClipRect(dc, 0, 0, r.Right - r.Left, r.Bottom - r.Top);
    control->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc));
  }
}

// Painting into a given device context (a child's visual style drawing its
// parent's background, PrintWindow): the control paints as for WM_PAINT.
void TWinControl::WMPrintClient(TWMPrintClient message) {
  const bool hidden = (message.Flags() & PRF_CHECKVISIBLE) && !Visible();
  if (!message.DC() || hidden) {
    DefaultHandler(message.Message());
    return;
  }
  PaintHandler(TWMPaint(message.Message()));
}

void TWinControl::WMEraseBkgnd(TWMEraseBkgnd message) {
  const TRect client = ClientRect();
  ::FillRect(message.DC(), AsRECT(client), m_brush->Handle());
  message.SetResult(1);
}

void TWinControl::WMSetCursor(TWMSetCursor message) {
  if (message.CursorWnd() == m_handle && message.HitTest() == HTCLIENT) {
    TCursor cursor = Screen ? Screen->Cursor() : crDefault;
    if (cursor == crDefault) {
      POINT pos;
      ::GetCursorPos(&pos);
      if (TControl* control = ControlAtPos(ScreenToClient({pos.x, pos.y}), false))
        cursor = control->Cursor();
      if (cursor == crDefault)
        cursor = Cursor();
    }
    if (cursor != crDefault && Screen) {
      ::SetCursor(Screen->Cursors(cursor));
      message.SetResult(1);
      return;
    }
  }
  DefaultHandler(message.Message());
}

bool TWinControl::IsControlMouseMsg(TWMMouse message) {
  TControl* control = nullptr;
  if (::GetCapture() == m_handle) {
    TControl* capture = GetCaptureControl();
    if (capture && capture != this && capture->Parent() == this)
      control = capture;
  } else {
    control = ControlAtPos(message.Pos(), false);
  }
  if (!control)
    return false;
  const TPoint pos{message.XPos() - control->Left(), message.YPos() - control->Top()};
  message.SetResult(control->Perform(message.Msg(), message.Message().WParam, PointToLParam(pos)));
  return true;
}

void TWinControl::WndProc(TMessage& message) {
  switch (message.Msg) {
  case WM_SETFOCUS: {
    TCustomForm* form = GetParentForm(this);
    TControlLife life(this);
    if (form && !form->SetFocusedControl(this))
      return;
    if (!life)
      return;
    break;
  }
  case WM_KILLFOCUS:
    if (ControlState().Contains(csFocusing))
      return;
    break;
  case WM_CANCELMODE: {
    TControl* capture = GetCaptureControl();
    if (::GetCapture() == m_handle && capture && capture != this && capture->Parent() == this)
      capture->Perform(WM_CANCELMODE);
    break;
  }
  default:
    if (message.Msg >= WM_MOUSEFIRST && message.Msg <= WM_MOUSELAST && m_handle &&
        message.Msg != WM_MOUSEWHEEL) {
      TControlLife life(this);
      if (IsControlMouseMsg(TWMMouse(message))) {
        if (life && message.Result == 0 && m_handle)
          ::DefWindowProcW(m_handle, message.Msg, message.WParam, message.LParam);
        return;
      }
    }
    break;
  }
  inherited::WndProc(message);
}

void TWinControl::Dispatch(TMessage& message) {
  switch (message.Msg) {
  case WM_PAINT: WMPaint(TWMPaint(message)); break;
  case WM_ERASEBKGND: WMEraseBkgnd(TWMEraseBkgnd(message)); break;
  case WM_PRINTCLIENT: WMPrintClient(TWMPrintClient(message)); break;
  case WM_SETFOCUS: WMSetFocus(message); break;
  case WM_KILLFOCUS: DefaultHandler(message); break;
  case WM_KEYDOWN:
  case WM_SYSKEYDOWN: WMKeyDown(TWMKey(message)); break;
  case WM_KEYUP:
  case WM_SYSKEYUP: WMKeyUp(TWMKey(message)); break;
  case WM_CHAR: WMChar(TWMKey(message)); break;
  case WM_SETCURSOR: WMSetCursor(TWMSetCursor(message)); break;
  case WM_SIZE: WMSize(TWMSize(message)); break;
  case WM_MOVE: WMMove(TWMMove(message)); break;
  case WM_GETMINMAXINFO: WMGetMinMaxInfo(TWMGetMinMaxInfo(message)); break;
  case WM_NCDESTROY: WMNCDestroy(message); break;
  case WM_COMMAND: WMCommand(TWMCommand(message)); break;
  case WM_NOTIFY: WMNotify(TWMNotify(message)); break;
  case WM_HSCROLL:
  case WM_VSCROLL: WMScroll(TWMScroll(message)); break;
  case WM_CHARTOITEM:
  case WM_VKEYTOITEM: WMCharToItem(TWMCharToItem(message)); break;
  case WM_DRAWITEM:
  case WM_MEASUREITEM:
  case WM_DELETEITEM:
  case WM_COMPAREITEM: WMItemMessage(message); break;
  case WM_SYSCOLORCHANGE:
    DefaultHandler(message);
    Perform(CM_SYSCOLORCHANGE);
    break;
  case CN_KEYDOWN:
  case CN_SYSKEYDOWN: CNKeyDown(TWMKey(message)); break;
  case CN_CHAR:
  case CN_SYSCHAR: CNChar(TWMKey(message)); break;
  case CM_DIALOGKEY:
  case CM_DIALOGCHAR:
  case CM_FOCUSCHANGED:
  case CM_SYSCOLORCHANGE:
  case CM_WININICHANGE: Broadcast(message); break;
  case CM_ENTER: DoEnter(); break;
  case CM_EXIT: DoExit(); break;
  case CM_SHOWINGCHANGED: CMShowingChanged(); break;
  case CM_VISIBLECHANGED: CMVisibleChanged(); break;
  case CM_ENABLEDCHANGED: CMEnabledChanged(); break;
  case CM_COLORCHANGED: CMColorChanged(); break;
  case CM_FONTCHANGED: CMFontChanged(); break;
  case CM_RECREATEWND: CMRecreateWnd(); break;
  case CM_SHOWHINTCHANGED: NotifyControls(CM_PARENTSHOWHINTCHANGED); break;
  case CM_CTL3DCHANGED: CMCtl3DChanged(); break;
  default: inherited::Dispatch(message); break;
  }
}

void TWinControl::WMNCDestroy(TMessage& message) {
  DefaultHandler(message);
  m_showing = false;
}

void TWinControl::ReadState(TReader& reader) {
  {
    DisableAlign();
    const TScopeExit enable([this] { EnableAlign(); });
    inherited::ReadState(reader);
  }
  FixupTabList();
  UpdateControlState();
}

void TWinControl::GetChildren(const TGetChildProc& proc, TComponent* root) {
  for (TControl* control : m_controls)
    if (control->Owner() == root)
      proc(control);
}

void TWinControl::Loaded() {
  inherited::Loaded();
  FixupTabList();
  Realign();
}

TCustomControl::TCustomControl(TComponent* owner)
    : TWinControl(owner), m_canvas(Create<TControlCanvas>()) {
  m_canvas->SetControl(this);
}

TCustomControl::~TCustomControl() = default;

TCanvas* TCustomControl::Canvas() const { return m_canvas.get(); }

void TCustomControl::DestroyWnd() {
  m_canvas->FreeHandle();
  inherited::DestroyWnd();
}

void TCustomControl::PaintWindow(HDC dc) {
  const TCanvasLoan loan(*m_canvas, dc);
  Paint();
}

TGraphicControl::TGraphicControl(TComponent* owner)
    : TControl(owner), m_canvas(Create<TControlCanvas>()) {
  m_canvas->SetControl(this);
}

TGraphicControl::~TGraphicControl() = default;

TCanvas* TGraphicControl::Canvas() const { return m_canvas.get(); }

void TGraphicControl::Dispatch(TMessage& message) {
  if (message.Msg == WM_PAINT)
    WMPaint(message);
  else
    inherited::Dispatch(message);
}

void TGraphicControl::WMPaint(TMessage& message) {
  HDC dc = TWMPaint(message).DC();
  if (!dc)
    return;
  const TCanvasLoan loan(*m_canvas, dc);
  Paint();
}
