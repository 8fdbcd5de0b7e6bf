#include "framework/cxControlsControl.h"

#include <algorithm>

#include "framework/cxClassesLinks.h"
#include "framework/cxControlsScrollBars.h"
#include "framework/cxControlsSettings.h"
#include "framework/cxGeometry.h"
#include "platform/controls/Forms.h"
#include "platform/controls/Screen.h"
#include "platform/rtl/ScopeGuards.h"

namespace {

constexpr TControlStateItem csLButtonDown = TControlStateItem::csLButtonDown;
constexpr TControlStateItem csClicked = TControlStateItem::csClicked;

bool IsKeyboardRequest(TPoint screen) { return screen.X == -1 && screen.Y == -1; }

bool IsPopupComponent(TComponent* component) {
  return dynamic_cast<TPopupMenu*>(component) || Supports<IcxPopupMenu>(component);
}

} // namespace

TcxControl::TcxControl(TComponent* owner)
    : TCustomControl(owner), m_canvas(Create<TcxCanvas>(TCustomControl::Canvas())),
      m_lookAndFeel(Create<TcxLookAndFeel>(this)) {
  m_defaultCursor = Cursor();
  m_lookAndFeel->SetOnChanged(
      TcxLookAndFeelChangedEvent(this, &TcxControl::LookAndFeelChangedHandler));
}

TcxControl::~TcxControl() {
  m_lookAndFeel.reset();
  m_activeCanvas.reset();
  cxClearObjectLinks(this);
}

void TcxControl::AfterConstruction() {
  inherited::AfterConstruction();
  if (NeedsScrollBars())
    CreateScrollBars();
  if (HasDragImages()) {
    TControlStyle style = ControlStyle();
    style.Include(TControlStyleItem::csDisplayDragImage);
    SetControlStyle(style);
  }
  SetTabStop(MayFocus());
}

// The scroll bars go before the platform frees the remaining children.
void TcxControl::BeforeDestruction() {
  if (!ComponentState().Contains(TComponentStateItem::csDestroying))
    Destroying();
  DestroyScrollBars();
  inherited::BeforeDestruction();
}

TcxCanvas* TcxControl::GetActiveCanvas() {
  if (HandleAllocated()) {
    m_activeCanvas.reset();
    return m_canvas.get();
  }
  if (!m_activeCanvas)
    m_activeCanvas.reset(Create<TcxScreenCanvas>());
  return m_activeCanvas.get();
}

void TcxControl::SetBorderStyle(TcxControlBorderStyle value) {
  if (m_borderStyle == value)
    return;
  m_borderStyle = value;
  BoundsChanged();
  Invalidate();
}

void TcxControl::SetPopupMenu(TComponent* value) {
  if (!IsPopupComponent(value))
    value = nullptr;
  if (m_popupMenu == value)
    return;
  if (m_popupMenu)
    m_popupMenu->RemoveFreeNotification(this);
  m_popupMenu = value;
  if (m_popupMenu)
    m_popupMenu->FreeNotification(this);
}

void TcxControl::SetScrollBars(TScrollStyle value) {
  if (m_scrollBars == value)
    return;
  m_scrollBars = value;
  BoundsChanged();
}

void TcxControl::SetParentBackground(bool value) {
  if (m_parentBackground == value)
    return;
  m_parentBackground = value;
  Invalidate();
}

void TcxControl::SetMouseCaptureObject(TObject* value) {
  if (m_mouseCaptureObject == value)
    return;
  IcxMouseCaptureObject* previous = nullptr;
  TControlLife life(this);
  if (Supports<IcxMouseCaptureObject>(m_mouseCaptureObject, previous))
    previous->DoCancelMode();
  if (!life)
    return;
  m_mouseCaptureObject = value;
  const bool hadCapture = MouseCapture();
  SetMouseCapture(value != nullptr);
  if (hadCapture && !MouseCapture() && m_dragAndDropState == TcxDragAndDropState::ddsStarting)
    Perform(WM_CANCELMODE);
}

bool TcxControl::GetIsLoading() const {
  return ComponentState().Contains(TComponentStateItem::csLoading);
}

bool TcxControl::GetIsDestroying() const {
  return ComponentState().Contains(TComponentStateItem::csDestroying);
}

bool TcxControl::GetIsDesigning() {
  return ComponentState().Contains(TComponentStateItem::csDesigning);
}

bool TcxControl::IsMenuKey(TMessage& message) {
  if (IsDesigning())
    return false;
  for (TControl* control = this; control; control = control->Parent())
    if (auto* cxControl = dynamic_cast<TcxControl*>(control))
      if (IsPopupMenuShortCut(cxControl->m_popupMenu, message))
        return true;
  return false;
}

void TcxControl::InvalidateRect(const TRect& rect, bool erase) {
  if (HandleAllocated())
    ::InvalidateRect(Handle(), AsRECT(rect), erase);
}

void TcxControl::InvalidateRgn(HRGN region, bool erase) {
  RECT box;
  if (HandleAllocated() && region && ::GetRgnBox(region, &box) != NULLREGION)
    ::InvalidateRgn(Handle(), region, erase);
}

void TcxControl::InvalidateWithChildren() {
  if (HandleAllocated())
    ::RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void TcxControl::UpdateWithChildren() {
  if (HandleAllocated())
    ::RedrawWindow(Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void TcxControl::PostMouseMove() {
  if (HandleAllocated())
    PostMouseMove(ScreenToClient(GetMouseCursorPos()));
}

void TcxControl::PostMouseMove(TPoint mousePos) {
  if (HandleAllocated())
    ::PostMessageW(Handle(), WM_MOUSEMOVE, 0, PointToLParam(mousePos));
}

void TcxControl::ScrollContent(TcxDirection direction) {
  if (direction == TcxDirection::dirNone || !NeedsScrollBars())
    return;
  const bool vertical = direction == TcxDirection::dirUp || direction == TcxDirection::dirDown;
  const bool back = direction == TcxDirection::dirLeft || direction == TcxDirection::dirUp;
  const TScrollBarKind kind = vertical ? TScrollBarKind::sbVertical : TScrollBarKind::sbHorizontal;
  int position = ScrollBarPosition(kind);
  TControlLife life(this);
  Scroll(kind, back ? TScrollCode::scLineUp : TScrollCode::scLineDown, position);
  if (life)
    Update();
}

void TcxControl::ScrollWindow(int dx, int dy, const TRect& scroll) {
  if (!HandleAllocated())
    return;
  HideDragImage();
  const TScopeExit show([this] { ShowDragImage(); });
  ::ScrollWindowEx(Handle(), dx, dy, AsRECT(scroll), nullptr, nullptr, nullptr,
                   SW_INVALIDATE | SW_ERASE);
}

void TcxControl::AddFontListener(IcxFontListener* listener) {
  if (std::find(m_fontListeners.begin(), m_fontListeners.end(), listener) == m_fontListeners.end())
    m_fontListeners.push_back(listener);
}

void TcxControl::RemoveFontListener(IcxFontListener* listener) {
  std::erase(m_fontListeners, listener);
}

void TcxControl::FinishDragAndDrop(bool accepted) {
  if (m_finishingDragAndDrop)
    return;
  m_finishingDragAndDrop = true;
  TControlLife life(this);
  const TScopeExit finished([this, &life] {
    if (life)
      m_finishingDragAndDrop = false;
  });
  const TcxDragAndDropState state = std::exchange(m_dragAndDropState, TcxDragAndDropState::ddsNone);
  if (state == TcxDragAndDropState::ddsInProcess)
    EndDragAndDrop(accepted);
  if (life)
    m_dragAndDropObject.reset();
}

void TcxControl::WndProc(TMessage& message) {
  TControlLife life(this);
  if (IsOwnDragPress(message))
    DispatchOwnDragPress(message);
  else if (message.Msg == WM_PAINT)
    PaintHidingDragImage(message);
  else
    inherited::WndProc(message);
  if (!life)
    return;
  switch (message.Msg) {
  case WM_SETFOCUS:
  case WM_KILLFOCUS:
    FocusChanged();
    break;
  case WM_PAINT:
    if (m_parentBackground != m_lastParentBackground) {
      m_lastParentBackground = m_parentBackground;
      ParentBackgroundChanged();
    }
    break;
  case WM_LBUTTONDOWN:
    CallAfterMouseDown(TWMMouse(message), TMouseButton::mbLeft);
    break;
  case WM_RBUTTONDOWN:
    CallAfterMouseDown(TWMMouse(message), TMouseButton::mbRight);
    break;
  case WM_MBUTTONDOWN:
    CallAfterMouseDown(TWMMouse(message), TMouseButton::mbMiddle);
    break;
  }
}

void TcxControl::CallAfterMouseDown(TWMMouse press, TMouseButton button) {
  TPoint point = press.Pos();
  if (Width() > 32768 || Height() > 32768)
    point = ScreenToClient(GetMouseCursorPos());
  AfterMouseDown(button, point.X, point.Y);
}

void TcxControl::Dispatch(TMessage& message) {
  TControlLife life(this);
  switch (message.Msg) {
  case WM_ERASEBKGND:
    if (HasBackground())
      inherited::Dispatch(message);
    else
      message.Result = 1;
    break;
  case WM_GETDLGCODE:
    WMGetDlgCode(message);
    break;
  case WM_CONTEXTMENU:
    WMContextMenu(message);
    break;
  case WM_CANCELMODE:
    inherited::Dispatch(message);
    if (life)
      FinishDragAndDrop(false);
    if (life)
      DoCancelMode();
    break;
  case WM_SETCURSOR:
    if (IsDesigning() && m_dragAndDropState == TcxDragAndDropState::ddsNone) {
      const TPoint p = ScreenToClient(GetMouseCursorPos());
      if (GetDesignHitTest(p.X, p.Y, {TShiftStateItem::ssLeft})) {
        ::SetCursor(Screen->Cursors(GetCursor(p.X, p.Y)));
        message.Result = 1;
        break;
      }
    }
    inherited::Dispatch(message);
    break;
  case WM_NCCALCSIZE:
    inherited::Dispatch(message);
    if (life && HandleAllocated())
      ::PostMessageW(Handle(), CM_NCSIZECHANGED, 0, 0);
    break;
  case CM_NCSIZECHANGED:
    CMNCSizeChanged();
    break;
  case CN_KEYDOWN:
  case CN_SYSKEYDOWN:
    CNKeyDown(message);
    break;
  case CM_COLORCHANGED:
    ColorChanged();
    if (life)
      inherited::Dispatch(message);
    break;
  case CM_CURSORCHANGED:
    CursorChanged();
    if (life)
      inherited::Dispatch(message);
    break;
  case CM_FONTCHANGED:
    inherited::Dispatch(message);
    if (life)
      FontChanged();
    break;
  case CM_MOUSEENTER:
    CMMouseEnterLeave(message, true);
    break;
  case CM_MOUSELEAVE:
    CMMouseEnterLeave(message, false);
    break;
  case CM_TEXTCHANGED:
    DefaultHandler(message);
    if (life)
      TextChanged();
    break;
  case CM_VISIBLECHANGED:
    inherited::Dispatch(message);
    if (life)
      VisibleChanged();
    break;
  case CM_DESIGNHITTEST:
    CMDesignHitTest(message);
    break;
  default:
    inherited::Dispatch(message);
    break;
  }
}

void TcxControl::WMGetDlgCode(TMessage& message) {
  LRESULT code = 0;
  if (m_keys.Contains(TcxKey::kAll))
    code += DLGC_WANTALLKEYS;
  if (m_keys.Contains(TcxKey::kArrows))
    code += DLGC_WANTARROWS;
  if (m_keys.Contains(TcxKey::kChars))
    code += DLGC_WANTCHARS;
  if (m_keys.Contains(TcxKey::kTab) && ::GetKeyState(VK_CONTROL) >= 0)
    code += DLGC_WANTTAB;
  message.Result = code;
}

void TcxControl::CNKeyDown(TMessage& message) {
  TControlLife life(this);
  if (IsMenuKey(message)) {
    message.Result = 1;
    return;
  }
  if (!life)
    return;
  if (message.Msg == CN_KEYDOWN && m_dragAndDropState == TcxDragAndDropState::ddsInProcess) {
    message.Result = 1;
    if (message.WParam == VK_ESCAPE && HandleAllocated())
      ::SendMessageW(Handle(), WM_KEYDOWN, message.WParam, message.LParam);
    return;
  }
  inherited::Dispatch(message);
}

void TcxControl::WMContextMenu(TMessage& message) {
  if (message.Result != 0)
    return;
  if (IsDesigning()) {
    inherited::Dispatch(message);
    return;
  }
  const TPoint screen = TWMContextMenu(message).Pos();
  TPoint point = screen;
  if (!IsKeyboardRequest(screen)) {
    point = ScreenToClient(screen);
    if (!HasClientPoint(point)) {
      DefaultHandler(message);
      return;
    }
  }
  bool handled = false;
  TControlLife life(this);
  DoContextPopup(point, handled);
  if (!life)
    return;
  message.Result = handled ? 1 : 0;
  if (!handled)
    DefaultHandler(message);
}

void TcxControl::DoContextPopup(TPoint mousePos, bool& handled) {
  TControlLife life(this);
  inherited::DoContextPopup(mousePos, handled);
  if (handled || !life)
    return;
  if (mousePos.X == -1 && mousePos.Y == -1)
    mousePos = {0, 0};
  const TPoint screen = ClientToScreen(mousePos);
  handled = DoShowPopupMenu(m_popupMenu, screen.X, screen.Y);
}

bool TcxControl::DoShowPopupMenu(TComponent* menu, int x, int y) {
  return ShowPopupMenu(this, menu, x, y);
}

TPopupMenu* TcxControl::GetPopupMenu() { return dynamic_cast<TPopupMenu*>(m_popupMenu); }

void TcxControl::CMMouseEnterLeave(TMessage& message, bool enter) {
  TControlLife life(this);
  if (Parent())
    Parent()->Perform(message.Msg, 0, reinterpret_cast<LPARAM>(this));
  if (!life)
    return;
  TControl* control = TCMMouseEnterLeave(message).ControlOr(this);
  if (enter)
    MouseEnter(control);
  else
    MouseLeave(control);
}

void TcxControl::CMDesignHitTest(TMessage& message) {
  TControlLife life(this);
  inherited::Dispatch(message);
  if (!life || message.Result != 0)
    return;
  const TWMMouse hit(message);
  message.Result = GetDesignHitTest(hit.XPos(), hit.YPos(), hit.Shift());
}

void TcxControl::MouseEnter(TControl*) {
  if (OnMouseEnter())
    OnMouseEnter()(this);
}

void TcxControl::MouseLeave(TControl*) {
  if (OnMouseLeave())
    OnMouseLeave()(this);
}

void TcxControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  m_mouseDownPos = {x, y};
  TControlLife life(this);
  const bool doubleClick = shift.Contains(TShiftStateItem::ssDouble);
  if (CanFocusOnClick(x, y) && !doubleClick) {
    const TRect before = BoundsRect();
    SetFocus();
    if (!life)
      return;
    TCustomForm* form = GetParentForm(this);
    if (form && form->ActiveControl() == this && !Focused())
      ::SetFocus(Handle());
    if (!life)
      return;
    if (!Focused() && !AllowDragAndDropWithoutFocus()) {
      SetMouseCapture(false);
      return;
    }
    x += before.Left - Left();
    y += before.Top - Top();
  }
  if (button == TMouseButton::mbLeft && !doubleClick && StartDragAndDrop({x, y})) {
    if (GetDragAndDropObject()->GetImmediateStart())
      BeginDragAndDrop();
    else
      m_dragAndDropState = TcxDragAndDropState::ddsStarting;
  } else
    FinishDragAndDrop(false);
  if (!life)
    return;
  BeforeMouseDown(button, shift, x, y);
  if (!life)
    return;
  inherited::MouseDown(button, shift, x, y);
  if (life && MouseCapture())
    m_mouseButtonPressed = true;
}


void TcxControl::MouseMove(TShiftState shift, int x, int y) {
  const TCursor defaultCursor = m_defaultCursor;
  TControlLife life(this);
  SetCursor(GetCursor(x, y));
  if (!life)
    return;
  m_defaultCursor = defaultCursor;
  inherited::MouseMove(shift, x, y);
  if (!life)
    return;
  if (m_dragAndDropState == TcxDragAndDropState::ddsStarting && !IsMouseInPressedArea(x, y)) {
    BeginDragAndDrop();
  } else if (m_dragAndDropState == TcxDragAndDropState::ddsInProcess) {
    bool accepted = false;
    DragAndDrop({x, y}, accepted);
  }
}

void TcxControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  m_mouseButtonPressed = false;
  TControlLife life(this);
  CancelMouseOperations();
  if (life)
    inherited::MouseUp(button, shift, x, y);
}

void TcxControl::CancelMouseOperations() {
  TControlLife life(this);
  FinishDragAndDrop(true);
  if (life)
    SetMouseCaptureObject(nullptr);
}

void TcxControl::DoCancelMode() {
  m_mouseButtonPressed = false;
  SetMouseCaptureObject(nullptr);
}

bool TcxControl::IsMouseInPressedArea(int x, int y) {
  return IsPointInDragDetectArea(m_mouseDownPos, x, y);
}

void TcxControl::KeyDown(WORD& key, TShiftState shift) {
  TControlLife life(this);
  if (key == VK_ESCAPE && m_dragAndDropState != TcxDragAndDropState::ddsNone)
    FinishDragAndDrop(false);
  if (life)
    inherited::KeyDown(key, shift);
}

bool TcxControl::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) {
  TControlLife life(this);
  if (inherited::DoMouseWheel(shift, wheelDelta, mousePos) || !life)
    return true;
  return ScrollByWheel(wheelDelta);
}

bool TcxControl::ScrollByWheel(int wheelDelta) {
  const TcxMouseWheelScrollingKind kind = GetMouseWheelScrollingKind();
  if (kind == TcxMouseWheelScrollingKind::mwskNone)
    return false;
  const bool back = wheelDelta >= 0;
  const bool horizontal = kind == TcxMouseWheelScrollingKind::mwskHorizontal;
  if (Mouse->WheelScrollsPage()) {
    const TScrollBarKind kind =
        horizontal ? TScrollBarKind::sbHorizontal : TScrollBarKind::sbVertical;
    int position = ScrollBarPosition(kind);
    TControlLife life(this);
    Scroll(kind, back ? TScrollCode::scPageUp : TScrollCode::scPageDown, position);
    if (life)
      Update();
    return true;
  }
  const TcxDirection direction = horizontal
                                     ? (back ? TcxDirection::dirLeft : TcxDirection::dirRight)
                                     : (back ? TcxDirection::dirUp : TcxDirection::dirDown);
  TControlLife life(this);
  for (int i = Mouse->WheelScrollLines(); i > 0 && life; --i)
    ScrollContent(direction);
  return true;
}

TcxMouseWheelScrollingKind TcxControl::GetMouseWheelScrollingKind() {
  return GetVScrollBarVisible() ? TcxMouseWheelScrollingKind::mwskVertical
                                : TcxMouseWheelScrollingKind::mwskNone;
}

bool TcxControl::CanFocusOnClick() {
  return !IsDesigning() && m_focusOnClick && MayFocus() && CanFocus();
}

bool TcxControl::CanFocusEx() {
  if (!CanFocus())
    return false;
  TCustomForm* form = GetParentForm(this);
  return !form || (form->CanFocus() && form->Enabled() && form->Visible());
}

bool TcxControl::AcceptMousePosForClick(int x, int y) { return IsMouseInPressedArea(x, y); }

int TcxControl::GetBorderSize() {
  return m_borderStyle == TcxControlBorderStyle::cxcbsNone ? 0
                                                           : GetLookAndFeelPainter()->BorderSize();
}

TRect TcxControl::GetBounds() {
  return HandleAllocated() ? ClientRect() : TRect{0, 0, Width(), Height()};
}

TRect TcxControl::GetClientBounds() {
  TRect r = cxRectInflate(GetBounds(), -GetBorderSize(), -GetBorderSize());
  if (GetHScrollBarVisible())
    r.Bottom -= m_hScrollBar->Height();
  if (GetVScrollBarVisible())
    r.Right -= m_vScrollBar->Width();
  return r;
}

TcxCustomLookAndFeelPainterClass TcxControl::GetLookAndFeelPainter() {
  return m_lookAndFeel->Painter();
}

void TcxControl::LookAndFeelChangedHandler(TcxLookAndFeel* sender, TcxLookAndFeelValues values) {
  LookAndFeelChanged(sender, values);
}

void TcxControl::AddChildComponent(TcxControlChildComponent* child) { child->SetControl(this); }

void TcxControl::RemoveChildComponent(TcxControlChildComponent* child) {
  child->SetControl(nullptr);
}

void TcxControl::FocusChanged() {
  if (m_onFocusChanged)
    m_onFocusChanged(this);
}

void TcxControl::FontChanged() {
  TControlLife life(this);
  const std::vector<IcxFontListener*> listeners = m_fontListeners;
  for (IcxFontListener* listener : listeners) {
    listener->Changed(this, Font());
    if (!life)
      return;
  }
  Invalidate();
}

bool TcxControl::GetDesignHitTest(int, int, TShiftState) {
  return m_dragAndDropState != TcxDragAndDropState::ddsNone || m_mouseButtonPressed;
}

void TcxControl::Resize() {
  TControlLife life(this);
  inherited::Resize();
  if (life)
    BoundsChanged();
}

void TcxControl::Notification(TComponent* component, TOperation operation) {
  inherited::Notification(component, operation);
  if (operation != TOperation::opRemove)
    return;
  if (component == m_popupMenu)
    m_popupMenu = nullptr;
  ForgetInternalControl(component);
}

void TcxControl::CreateParams(TCreateParams& params) {
  inherited::CreateParams(params);
  params.Style |= WS_CLIPCHILDREN;
}

void TcxControl::CreateWnd() {
  inherited::CreateWnd();
  CheckNeedsScrollBars();
  InitControl();
}

void TcxControl::DestroyWindowHandle() {
  ExcludeControlState(csClicked);
  inherited::DestroyWindowHandle();
}

void TcxControl::Paint() {
  if (m_borderStyle == TcxControlBorderStyle::cxcbsDefault) {
    GetLookAndFeelPainter()->DrawBorder(m_canvas.get(), GetBounds());
    m_canvas->IntersectClipRect(GetClientBounds());
  }
  inherited::Paint();
  UpdateInternalControlsState();
}

TcxControlChildComponent::TcxControlChildComponent(TComponent* owner) : TcxComponent(owner) {}

TcxControlChildComponent::TcxControlChildComponent(TcxControl* control, bool assignOwner)
    : TcxComponent(assignOwner && control ? control->Owner() : nullptr), m_control(control) {}

TcxControlChildComponent::~TcxControlChildComponent() {
  if (m_control)
    m_control->RemoveChildComponent(this);
}

void TcxControlChildComponent::AfterConstruction() {
  inherited::AfterConstruction();
  Initialize();
  if (TcxControl* control = std::exchange(m_control, nullptr))
    SetControl(control);
}

void TcxControlChildComponent::SetControl(TcxControl* value) {
  if (m_control == value)
    return;
  if (m_control)
    m_control->RemoveFreeNotification(this);
  m_control = value;
  if (m_control)
    m_control->FreeNotification(this);
}

void TcxControlChildComponent::Notification(TComponent* component, TOperation operation) {
  inherited::Notification(component, operation);
  if (operation == TOperation::opRemove && component == m_control)
    m_control = nullptr;
}

void TcxControlChildComponent::SetParentComponent(TComponent* value) {
  inherited::SetParentComponent(value);
  if (auto* control = dynamic_cast<TcxControl*>(value))
    control->AddChildComponent(this);
}
