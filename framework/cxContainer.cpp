#include "framework/cxContainer.h"

#include "framework/cxContainerServices.h"
#include "framework/cxControlsUtils.h"
#include "framework/cxGeometry.h"
#include "framework/cxScrollBar.h"
#include "platform/rtl/FlagScope.h"
#include "platform/rtl/ScopeGuards.h"

namespace {

using enum TcxContainerStateItem;

bool IsKeyMessage(UINT message) {
  switch (message) {
  case WM_KEYDOWN:
  case WM_KEYUP:
  case WM_CHAR:
  case CN_BASE + WM_KEYDOWN:
  case CN_BASE + WM_KEYUP:
  case CN_BASE + WM_CHAR:
    return true;
  default:
    return false;
  }
}

} // namespace

void TcxContainer::Publish(TPublisher& p) {
  p.Property("FakeStyleController", &TcxContainer::FakeStyleController,
             &TcxContainer::SetFakeStyleController)
      .Stored(false);
  p.Property("TabStop", &TcxContainer::TabStop, &TcxContainer::SetTabStop).Default(true);
}

TcxContainer::TcxContainer(TComponent* AOwner) : TcxControl(AOwner) { m_creating = true; }

void TcxContainer::AfterConstruction() {
  inherited::AfterConstruction();
  m_styles.reset(::Create<TcxContainerStyles>(this, GetStyleClass()));
  m_styles->SetOnChanged(TNotifyEvent(this, &TcxContainer::ContainerStyleChanged));
  m_activeStyle = Style();
  m_viewInfo.reset(GetViewInfoClass().Create());
  LookAndFeel()->SetMasterLookAndFeel(Style()->GetLookAndFeel());
  TControlStyle style = ControlStyle();
  style.Include(TControlStyleItem::csCaptureMouse);
  style.Include(TControlStyleItem::csSetCaption);
  SetControlStyle(style);
  SetTabStop(true);
  TColor color;
  SetParentColor(DefaultParentColor() && !IsInplace() && !Style()->InternalGetColor(color));
  if (!ParentColor())
    SetColor(clWindow);
  m_creating = false;
}

TcxContainer::~TcxContainer() {
  EndMouseTracking(this);
  m_isDestroying = true;
  m_viewInfo.reset();
  if (m_styles)
    m_styles->SetOnChanged(nullptr);
  m_styles.reset();
}

TcxContainerStyleClass TcxContainer::GetStyleClass() const {
  return TcxContainerStyle::StaticClass();
}

TcxContainerViewInfoClass TcxContainer::GetViewInfoClass() const {
  return TcxContainerViewInfo::StaticClass();
}

TcxContainerStyle* TcxContainer::GetActiveStyle() {
  if (m_viewInfo->ContainerState != m_activeStyleState || !m_activeStyle) {
    m_activeStyleState = m_viewInfo->ContainerState;
    m_activeStyle = InternalGetActiveStyle();
  }
  return m_activeStyle;
}

TcxLookAndFeel* TcxContainer::GetLookAndFeelValue() {
  return m_styles ? Style()->GetLookAndFeel() : inherited::GetLookAndFeelValue();
}

TcxContainerStyle* TcxContainer::InternalGetActiveStyle() {
  return cxContainerActiveStyle(m_styles.get(), m_activeStyleState);
}

bool TcxContainer::IsStylePropertyPublished(const std::string& APropertyName, bool AExtended) {
  if (AExtended && !Style()->IsExtendedStylePropertyPublished(APropertyName))
    return false;
  TcxContainerStyleValue value;
  return !Style()->GetStyleValue(APropertyName, value) ||
         !InternalGetNotPublishedStyleValues().Contains(value);
}

TWinControl* TcxContainer::GetActiveControl() {
  return m_innerControl ? m_innerControl : static_cast<TWinControl*>(this);
}

// ---------------------------------------------------------------------------
// Computing and refreshing

bool TcxContainer::IsNativeStyle() {
  return AreVisualStylesMustBeUsed(Style()->GetLookAndFeel()->NativeStyle(),
                                   GetBackgroundThemedObjectType());
}

int TcxContainer::GetBackgroundNativeState() {
  return cxContainerBackgroundNativeState(Enabled(), Focused(), m_viewInfo->ContainerState);
}

bool TcxContainer::CanHaveTransparentBorder() {
  return !(m_viewInfo->NativeStyle && m_viewInfo->BorderStyle != TcxContainerBorderStyle::cbsNone);
}

TRect TcxContainer::GetShadowBounds() {
  return cxContainerShadowBounds(m_viewInfo->Bounds, GetBorderExtent(),
                                 m_viewInfo->GetContainerBorderStyle(),
                                 GetActiveStyle()->GetEdges());
}

bool TcxContainer::HasShadow() { return GetActiveStyle()->GetShadow() && !IsNativeStyle(); }

TRect TcxContainer::GetBorderExtent() {
  return cxContainerBorderExtent(*m_viewInfo, Style(), GetActiveStyle(), HasShadow());
}

TRect TcxContainer::GetVisibleBounds() {
  return cxContainerVisibleBounds(*m_viewInfo, Width(), Height(), IsInplace(), Style());
}

void TcxContainer::CalculateViewInfo(const TPoint& P, bool AMouseTracking) {
  TcxContainerViewInfo& viewInfo = *m_viewInfo;
  viewInfo.NativeStyle = IsNativeStyle();
  viewInfo.Painter = Style()->GetLookAndFeel()->SkinPainter();
  const int previousWidth = GetContainerBorderWidth(viewInfo.BorderStyle);
  // The hot test reads the visible bounds, which depend on the border drawn.
  auto calculateState = [&] {
    const bool inside = AMouseTracking && cxRectPtIn(GetVisibleBounds(), P);
    viewInfo.ContainerState = cxContainerStateOf(Enabled(), IsDesigning(), Focused(), inside);
    viewInfo.HotState = cxContainerHotStateOf(viewInfo.ContainerState, GetActiveStyle());
    viewInfo.BorderStyle =
        cxContainerDrawnBorderStyle(viewInfo.NativeStyle, Style(), GetActiveStyle());
  };
  calculateState();
  if (!viewInfo.NativeStyle && GetContainerBorderWidth(viewInfo.BorderStyle) < previousWidth)
    calculateState();
  if (viewInfo.NativeStyle) {
    viewInfo.ThemedObjectType = GetBackgroundThemedObjectType();
    viewInfo.NativePart = GetBackgroundNativePart();
    viewInfo.NativeState = GetBackgroundNativeState();
  }
  viewInfo.Bounds = Rect(0, 0, Width(), Height());
  const TRect extent = GetBorderExtent();
  viewInfo.BorderRect =
      Rect(extent.Left, extent.Top, Width() - extent.Right, Height() - extent.Bottom);
  viewInfo.ClientRect = viewInfo.BorderRect;
  viewInfo.BorderWidth = viewInfo.Painter ? 1 : GetContainerBorderWidth(viewInfo.BorderStyle);
  viewInfo.Edges = GetActiveStyle()->GetEdges();
  viewInfo.Shadow = HasShadow();
  viewInfo.BorderColor = cxContainerBorderColor(viewInfo.ContainerState, GetActiveStyle(),
                                                viewInfo.Painter, IsDesigning() && Enabled());
  viewInfo.SetBackgroundColor(cxContainerBackgroundColor(viewInfo, Enabled(), GetActiveStyle()));
}

bool TcxContainer::ShortRefreshContainer(bool AIsMouseEvent) {
  if (!HandleAllocated() || IsContainerDestroying() || m_refreshing)
    return false;
  TFlagScope refreshing(m_refreshing);
  TPoint p = GetMouseCursorPos();
  HWND under = ::WindowFromPoint(*AsPOINT(p));
  if (under == Handle() || IsChildEx(Handle(), under))
    p = ScreenToClient(p);
  else
    p = Point(-1, -1);
  return RefreshContainer(p, TcxMouseButton::cxmbNone, InternalGetShiftState(), AIsMouseEvent);
}

bool TcxContainer::RefreshContainer(const TPoint& P, TcxMouseButton, TShiftState AShift, bool) {
  if (m_refreshLocked || IsContainerDestroying())
    return true;
  CalculateViewInfo(P, AShift.Empty() && GetActiveStyle()->GetHotTrack());
  SetSize();
  AdjustInnerControl();
  SetShadowRegion();
  if (HandleAllocated()) {
    const TRect bounds = Rect(0, 0, Width(), Height());
    if (m_innerControl)
      InternalInvalidate(Handle(), bounds, m_viewInfo->BorderRect, false);
    else
      InvalidateRect(bounds, false);
  }
  if (m_viewInfo->ContainerState.Contains(csHotTrack))
    BeginMouseTracking(this, GetVisibleBounds(), this);
  return true;
}

void TcxContainer::SetSize() {
  if (!m_innerControl || m_innerControl->BoundsRect() == m_viewInfo->ClientRect)
    return;
  TFlagScope locked(m_refreshLocked);
  m_innerControl->SetBoundsRect(m_viewInfo->ClientRect);
}

void TcxContainer::AdjustInnerControl() {
  if (!m_innerControl)
    return;
  m_innerControl->SetColor(m_viewInfo->BackgroundColor());
  m_innerControl->Font()->Assign(GetActiveStyle()->GetVisibleFont());
}

void TcxContainer::SetShadowRegion() {
  if (!HandleAllocated())
    return;
  SetWindowShadowRegion(Handle(), GetShadowBounds(), !CanHaveTransparentBorder(),
                        m_viewInfo->Shadow, TRect{});
}

void TcxContainer::SetVisibleBoundsClipRect() {
  HRGN region = cxCreateShadowRegion(GetShadowBounds(), !CanHaveTransparentBorder(),
                                     m_viewInfo->Shadow, TRect{});
  if (region)
    Canvas()->SetClipRegion(Create<TcxRegion>(region), TcxRegionOperation::roIntersect);
}

void TcxContainer::ContainerStyleChanged(TObject*) {
  if (m_creating || IsLoading())
    return;
  ShortRefreshContainer(false);
  if (!ParentColor() || Style()->GetAssignedValues().Contains(csvColor)) {
    TFlagScope internal(m_internalSetting);
    SetColor(Style()->GetStyleColor());
  }
  {
    TFlagScope internal(m_internalSetting);
    Font()->Assign(Style()->GetFont());
  }
  if (Style()->IsValueAssigned(csvFont))
    SetParentFont(false);
}

void TcxContainer::ChangeScale(int M, int D) {
  TcxContainerStyle* style = Style();
  const bool scaleFont = M != D && style->IsValueAssigned(csvFont) &&
                         (!IsLoading() || ScalingFlags().Contains(TScalingFlag::sfFont));
  {
    m_internalSetting = !ParentFont();
    const TScopeExit settled([this] { m_internalSetting = false; });
    inherited::ChangeScale(M, D);
  }
  if (!scaleFont)
    return;
  if (style->GetAssignedValues().Contains(csvFont))
    style->GetFont()->SetSize(::MulDiv(style->GetFont()->Size(), M, D));
  else if (TcxStyleController* controller = style->GetActiveStyleController();
           controller && IsLoading())
    controller->ChangeFontScale(M, D);
}

void TcxContainer::Paint() {
  if (!Canvas()->RectVisible(m_viewInfo->Bounds))
    return;
  if (ControlState().Contains(TControlStateItem::csPaintCopy))
    SetVisibleBoundsClipRect();
  m_viewInfo->Paint(Canvas());
}

// ---------------------------------------------------------------------------
// Focus, keys and the mouse

bool TcxContainer::Focused() {
  if (IsDesigning() || ControlState().Contains(TControlStateItem::csDestroyingHandle))
    return false;
  // One question to the window system, however many windows are compared.
  const HWND focus = ::GetFocus();
  return (focus && HandleAllocated() && focus == Handle()) ||
         (focus && m_innerControl && m_innerControl->HandleAllocated() &&
          focus == m_innerControl->Handle());
}

void TcxContainer::SetFocus() {
  if (IsDesigning() || Focused())
    return;
  inherited::SetFocus();
  if (m_innerControl && m_innerControl->HandleAllocated() && HandleAllocated() &&
      ::GetFocus() == Handle())
    m_innerControl->SetFocus();
}

void TcxContainer::Invalidate() {
  inherited::Invalidate();
  if (m_innerControl)
    m_innerControl->Invalidate();
}

void TcxContainer::Update() {
  inherited::Update();
  if (m_innerControl)
    m_innerControl->Update();
}

void TcxContainer::EnabledChanged() {
  for (int i = 0; i < ControlCount(); ++i)
    if (auto* scrollBar = dynamic_cast<TcxScrollBar*>(Controls(i)))
      scrollBar->SetEnabled(Enabled());
  ShortRefreshContainer(false);
}

void TcxContainer::FocusChanged() {
  inherited::FocusChanged();
  ShortRefreshContainer(false);
}

void TcxContainer::Resize() {
  inherited::Resize();
  if (m_creating)
    return;
  m_refreshing = false;
  ShortRefreshContainer(false);
}

void TcxContainer::CreateHandle() {
  inherited::CreateHandle();
  ::PostMessageW(Handle(), CM_SHORTREFRESHCONTAINER, 0, 0);
}

void TcxContainer::MouseEnter(TControl* AControl) {
  inherited::MouseEnter(AControl);
  ShortRefreshContainer(true);
  BeginMouseTracking(this, GetVisibleBounds(), this);
}

void TcxContainer::MouseLeave(TControl* AControl) {
  inherited::MouseLeave(AControl);
  ShortRefreshContainer(true);
  EndMouseTracking(this);
}

void TcxContainer::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TControlLife life(this);
  inherited::MouseDown(Button, Shift, X, Y);
  if (life)
    RefreshContainer(Point(X, Y), ButtonTocxButton(Button), Shift, true);
}

void TcxContainer::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TControlLife life(this);
  inherited::MouseUp(Button, Shift, X, Y);
  if (life)
    RefreshContainer(Point(X, Y), ButtonTocxButton(Button), Shift, true);
}

void TcxContainer::MouseMove(TShiftState Shift, int X, int Y) {
  inherited::MouseMove(Shift, X, Y);
  RefreshContainer(Point(X, Y), TcxMouseButton::cxmbNone, Shift, true);
  BeginMouseTracking(this, GetVisibleBounds(), this);
}

void TcxContainer::MouseLeave() {
  MouseLeave(static_cast<TControl*>(nullptr));
  EndMouseTracking(this);
}

// Keys typed into the container are the inner control's.
bool TcxContainer::ForwardKey(TMessage& Message) {
  if (!IsKeyMessage(Message.Msg) || !m_innerControl || !m_innerControl->HandleAllocated())
    return false;
  Message.Result =
      ::SendMessageW(m_innerControl->Handle(), Message.Msg, Message.WParam, Message.LParam);
  return true;
}

// Focus given to the container passes on to the inner control; focus coming
// back from it is dropped so that it does not bounce.
bool TcxContainer::WMSetFocus(TMessage& Message) {
  if (IsContainerDestroying() || !m_innerControl || !m_innerControl->HandleAllocated())
    return false;
  if (TWMSetFocus(Message).FocusedWnd() == m_innerControl->Handle()) {
    Message.Result = 0;
    return true;
  }
  inherited::WndProc(Message);
  if (m_innerControl->CanFocus())
    m_innerControl->SetFocus();
  return true;
}

bool TcxContainer::WMKillFocus(TMessage& Message) {
  if (!m_innerControl || !m_innerControl->HandleAllocated() ||
      TWMKillFocus(Message).FocusedWnd() != m_innerControl->Handle())
    return false;
  Message.Result = 0;
  return true;
}

void TcxContainer::WndProc(TMessage& Message) {
  switch (Message.Msg) {
  case WM_SETFOCUS:
    if (!Visible() || WMSetFocus(Message))
      return;
    break;
  case WM_KILLFOCUS:
    if (WMKillFocus(Message))
      return;
    break;
  case WM_NCPAINT:
    Message.Result = 0;
    return;
  case CM_SHORTREFRESHCONTAINER:
    ShortRefreshContainer(false);
    return;
  case CM_UPDATESCROLLBARS:
    SetScrollBarsParameters(false);
    return;
  case CM_ENABLEDCHANGED: {
    TControlLife life(this);
    inherited::WndProc(Message);
    if (life)
      EnabledChanged();
    return;
  }
  case WM_LBUTTONDOWN:
  case WM_LBUTTONDBLCLK:
    // In the automatic mode a press drags the container instead of focusing it.
    if (DragMode() == TDragMode::dmAutomatic && !IsDesigning()) {
      BeginAutoDrag();
      return;
    }
    break;
  default:
    if (ForwardKey(Message))
      return;
  }
  inherited::WndProc(Message);
}

void TcxContainer::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
  case WM_SETCURSOR:
    WMSetCursor(TWMSetCursor(Message));
    break;
  case WM_WINDOWPOSCHANGING:
    WMWindowPosChanging(Message);
    break;
  case WM_WINDOWPOSCHANGED: {
    TControlLife life(this);
    inherited::Dispatch(Message);
    if (life && !IsContainerDestroying() && IsTransparentBackground())
      ShortRefreshContainer(false);
    break;
  }
  case CM_FONTCHANGED:
    CMFontChanged(Message);
    break;
  case CM_PARENTCOLORCHANGED:
    CMParentColorChanged(Message);
    break;
  case CM_PARENTFONTCHANGED:
    CMParentFontChanged(Message);
    break;
  case CM_CTL3DCHANGED:
  case CM_SYSCOLORCHANGE:
    CMRefreshingMessage(Message);
    break;
  default:
    inherited::Dispatch(Message);
    break;
  }
}
