// The container's answers to the platform's messages: colour and font set
// from outside or inherited from the parent, the cursor and the drag
// settings shared with the inner control, Tab moving on, the window's
// creation, the tab order, and the region that cuts the inner control to the
// client rectangle.
#include "framework/cxContainer.h"

#include "framework/cxContainerServices.h"
#include "framework/cxControlsUtils.h"
#include "framework/cxGeometry.h"
#include "platform/controls/Forms.h"
#include "platform/controls/Screen.h"
#include "platform/rtl/FlagScope.h"
#include "platform/rtl/ScopeGuards.h"
#include "platform/rtl/WideText.h"

namespace {

// The inner control's protected drag hooks, reached through member pointers
// of the class that declares them.
class TControlDragAccess : public TControl {
public:
  using TControl::DragCanceled;
  using TControl::GetDragImages;
};

} // namespace

void SetWindowRegion(TWinControl* AControl, const TcxContainerInnerControlBounds& ABounds) {
  HRGN region = nullptr;
  if (!ABounds.Whole)
    region = ::CreateRectRgn(ABounds.Rect.Left, ABounds.Rect.Top, ABounds.Rect.Right,
                             ABounds.Rect.Bottom);
  // The window owns the region from here on.
  ::SetWindowRgn(AControl->Handle(), region, TRUE);
}

// ---------------------------------------------------------------------------
// Colour and font

void TcxContainer::ColorChanged() {
  if (m_internalSetting) {
    inherited::ColorChanged();
    ShortRefreshContainer(false);
  } else {
    Style()->SetColor(Color());
  }
}

void TcxContainer::CMFontChanged(TMessage& Message) {
  if (m_internalSetting) {
    inherited::Dispatch(Message);
    SetSize();
    SetScrollBarsParameters(false);
    ShortRefreshContainer(false);
    return;
  }
  const bool assigned = Style()->GetAssignedValues().Contains(csvFont);
  Style()->SetFont(Font());
  if (!assigned)
    Style()->ForgetAssignedValue(csvFont);
  inherited::Dispatch(Message);
}

void TcxContainer::CMParentColorChanged(TMessage& Message) {
  const bool assigned = Style()->GetAssignedValues().Contains(csvColor);
  TControlLife life(this);
  inherited::Dispatch(Message);
  if (!life)
    return;
  if (!assigned || ParentColor())
    Style()->ForgetAssignedValue(csvColor);
  if (Style()->GetColor() != Color())
    ContainerStyleChanged(Style());
  if (IsTransparentBackground() && !ParentColor())
    Invalidate();
}

void TcxContainer::CMParentFontChanged(TMessage& Message) {
  const bool assigned = Style()->GetAssignedValues().Contains(csvFont);
  TControlLife life(this);
  inherited::Dispatch(Message);
  if (!life)
    return;
  if (!ParentFont())
    Style()->UpdateFont();
  if (!assigned || ParentFont())
    Style()->ForgetAssignedValue(csvFont);
}

// CM_CTL3DCHANGED and CM_SYSCOLORCHANGE: the frame's colours may differ now.
void TcxContainer::CMRefreshingMessage(TMessage& Message) {
  TControlLife life(this);
  inherited::Dispatch(Message);
  if (life)
    ShortRefreshContainer(false);
}

void TcxContainer::Loaded() {
  inherited::Loaded();
  ContainerStyleChanged(Style());
}

// ---------------------------------------------------------------------------
// Cursor, keys and the context menu

void TcxContainer::CursorChanged() {
  inherited::CursorChanged();
  if (m_innerControl)
    m_innerControl->SetCursor(Cursor());
}

void TcxContainer::SetDragMode(TDragMode Value) {
  inherited::SetDragMode(Value);
  if (m_innerControl)
    m_innerControl->SetDragMode(Value);
}

void TcxContainer::SetDragKind(TDragKind Value) {
  inherited::SetDragKind(Value);
  if (m_innerControl)
    m_innerControl->SetDragKind(Value);
}

void TcxContainer::DragCanceled() {
  inherited::DragCanceled();
  if (m_innerControl)
    (m_innerControl->*(&TControlDragAccess::DragCanceled))();
}

TDragImageList* TcxContainer::GetDragImages() {
  if (m_innerControl)
    return (m_innerControl->*(&TControlDragAccess::GetDragImages))();
  return inherited::GetDragImages();
}

// The border around the inner control shows the arrow.
void TcxContainer::WMSetCursor(TWMSetCursor Message) {
  if (m_innerControl && HandleAllocated() && Message.CursorWnd() == Handle() &&
      Message.HitTest() == HTCLIENT &&
      !cxRectPtIn(m_viewInfo->ClientRect, ScreenToClient(GetMouseCursorPos()))) {
    ::SetCursor(Screen->Cursors(crArrow));
    Message.SetResult(1);
    return;
  }
  inherited::Dispatch(Message.Message());
}

void TcxContainer::KeyDown(WORD& Key, TShiftState Shift) {
  TControlLife life(this);
  inherited::KeyDown(Key, Shift);
  if (!life || Key != VK_TAB || !IsContainerFocused() || Shift.Contains(TShiftStateItem::ssAlt) ||
      Shift.Contains(TShiftStateItem::ssCtrl) || !CanContainerHandleTabs())
    return;
  Key = 0;
  TCustomForm* form = GetParentForm(this);
  if (!form)
    return;
  form->SelectNext(form->ActiveControl(), !Shift.Contains(TShiftStateItem::ssShift), true);
  if (life && HandleAllocated() && ::GetFocus() == Handle() && m_innerControl)
    m_innerControl->SetFocus();
}

bool TcxContainer::InnerControlMenuHandler(TMessage& Message) {
  if (Message.Msg != CN_KEYDOWN && Message.Msg != CN_SYSKEYDOWN)
    return false;
  const bool menuKey = !IsDesigning() && IsMenuKey(Message);
  if (menuKey)
    Message.Result = 1;
  return menuKey;
}

void TcxContainer::DoContextPopup(TPoint MousePos, bool& Handled) {
  if (!IsPopupMenuLocked() && (MousePos == Point(-1, -1) || CanShowPopupMenu(MousePos)))
    inherited::DoContextPopup(MousePos, Handled);
  else
    Handled = true;
}

void TcxContainer::LockPopupMenu(bool ALock) {
  if (ALock)
    ++m_popupMenuLockCount;
  else if (m_popupMenuLockCount > 0)
    --m_popupMenuLockCount;
}

// ---------------------------------------------------------------------------
// Focus and the tab order

bool TcxContainer::MayFocus() {
  return !(m_innerControl && m_innerControl->HandleAllocated() && m_innerControl->Focused());
}

bool TcxContainer::CanFocusOnClick() {
  return inherited::CanFocusOnClick() && MayFocus() && !m_innerControlMouseDown;
}

void TcxContainer::SafeSelectionFocusInnerControl() { m_innerControl->SetFocus(); }

void TcxContainer::GetTabOrderList(std::vector<TWinControl*>& list) {
  if (IsContainerClass()) {
    inherited::GetTabOrderList(list);
    return;
  }
  TCustomForm* form = GetParentForm(this);
  if (!form || !m_innerControl || form->ActiveControl() == this || !CanFocus() ||
      form->ActiveControl() != m_innerControl)
    return;
  std::erase(list, static_cast<TWinControl*>(this));
  list.push_back(m_innerControl);
}

// While the container holds the focus, the inner control should.
void TcxContainer::WMWindowPosChanging(TMessage& Message) {
  if (IsContainerDestroying()) {
    Message.Result = 0;
    return;
  }
  TControlLife life(this);
  inherited::Dispatch(Message);
  if (!life || !HandleAllocated() || ::GetFocus() != Handle() || !m_innerControl ||
      !m_innerControl->HandleAllocated() || !m_innerControl->CanFocus())
    return;
  if (TCustomForm* form = GetParentForm(this))
    form->FocusControl(m_innerControl);
}

// ---------------------------------------------------------------------------
// The window and the inner control's place

void TcxContainer::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  Params.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TcxContainer::CreateWindowHandle(const TCreateParams& Params) {
  TCreateParams params = Params;
  params.Caption.clear();
  inherited::CreateWindowHandle(params);
  if (HandleAllocated() && !Params.Caption.empty()) {
    const std::u16string text = AnsiToWide(Params.Caption);
    CallDefWndProc(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
}

void TcxContainer::AdjustClientRect(TRect& Rect) {
  if (!IsContainerDestroying())
    Rect = m_viewInfo->ClientRect;
}

TRect TcxContainer::GetClientBounds() { return m_viewInfo->ClientRect; }

void TcxContainer::LockAlignControls(bool ALock) {
  if (ALock)
    ++m_alignControlsLockCount;
  else if (m_alignControlsLockCount > 0)
    --m_alignControlsLockCount;
}

void TcxContainer::AlignControls(TControl* AControl, TRect& Rect) {
  if (IsContainerClass()) {
    TWinControl::AlignControls(AControl, Rect);
    return;
  }
  if (IsAlignControlsLocked() || (AControl && IsInternalControl(AControl)))
    return;
  if (!AControl)
    inherited::AlignControls(AControl, Rect);
  auto* windowed = dynamic_cast<TWinControl*>(AControl);
  if (m_creating || !windowed || !windowed->HandleAllocated())
    return;
  const TcxContainerInnerControlBounds bounds = GetInnerControlBounds(Rect, windowed);
  if (!IsInnerControlBoundsChanged(windowed, bounds))
    return;
  SetWindowRegion(windowed, bounds);
  SaveInnerControlBounds(windowed, bounds);
}

TcxContainerInnerControlBounds TcxContainer::GetInnerControlBounds(const TRect& AArea,
                                                                   TControl* AControl) {
  TcxContainerInnerControlBounds result;
  if (!AControl)
    return result;
  const TRect control = AControl->BoundsRect();
  result.Rect = Rect(0, 0, AControl->Width(), AControl->Height());
  if (control.Left < AArea.Left)
    result.Rect.Left = AArea.Left - control.Left;
  if (control.Top < AArea.Top)
    result.Rect.Top = AArea.Top - control.Top;
  if (control.Right > AArea.Right)
    result.Rect.Right -= control.Right - AArea.Right;
  if (control.Bottom > AArea.Bottom)
    result.Rect.Bottom -= control.Bottom - AArea.Bottom;
  result.Whole = result.Rect == Rect(0, 0, AControl->Width(), AControl->Height());
  return result;
}

bool TcxContainer::IsInnerControlBoundsChanged(
    TWinControl* AControl, const TcxContainerInnerControlBounds& ABounds) const {
  if (AControl != m_innerControl)
    return true;
  if (m_innerControlBounds.Whole && ABounds.Whole)
    return false;
  if (m_innerControlBounds.Whole != ABounds.Whole)
    return true;
  return m_innerControlBounds.Rect != ABounds.Rect;
}

void TcxContainer::SaveInnerControlBounds(TWinControl*,
                                          const TcxContainerInnerControlBounds& ABounds) {
  m_innerControlBounds = ABounds;
}
