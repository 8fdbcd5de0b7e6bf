#include "framework/cxControlsPopup.h"

#include <algorithm>

#include "framework/cxControlsUtils.h"
#include "framework/cxGeometry.h"
#include "platform/controls/Messages.h"
#include "platform/graphics/DCScopes.h"

namespace {

// The popup's corner for one pair of alignments, and the owner's edge at
// which it opens (the point whose monitor gives the work area).
struct TPopupPlace {
  TPoint corner;
  TPoint reference;
};

int PlaceHorz(const TRect& owner, int width, TcxPopupAlignHorz align, TcxPopupDirection direction,
              int& reference) {
  const bool beside = direction == TcxPopupDirection::pdHorizontal;
  switch (align) {
  case TcxPopupAlignHorz::pahLeft:
    reference = owner.Left;
    return beside ? owner.Left - width : owner.Left;
  case TcxPopupAlignHorz::pahRight:
    reference = owner.Right;
    return beside ? owner.Right : owner.Right - width;
  case TcxPopupAlignHorz::pahCenter: break;
  }
  reference = (owner.Left + owner.Right - width) / 2;
  return reference;
}

int PlaceVert(const TRect& owner, int height, TcxPopupAlignVert align, TcxPopupDirection direction,
              int& reference) {
  const bool beside = direction == TcxPopupDirection::pdVertical;
  switch (align) {
  case TcxPopupAlignVert::pavTop:
    reference = owner.Top;
    return beside ? owner.Top - height : owner.Top;
  case TcxPopupAlignVert::pavBottom:
    reference = owner.Bottom;
    return beside ? owner.Bottom : owner.Bottom - height;
  case TcxPopupAlignVert::pavCenter: break;
  }
  reference = (owner.Top + owner.Bottom - height) / 2;
  return reference;
}

TPopupPlace Place(const TRect& owner, const TSize& size, TcxPopupAlignHorz alignHorz,
                  TcxPopupAlignVert alignVert, TcxPopupDirection direction) {
  TPopupPlace place;
  place.corner.X = PlaceHorz(owner, size.cx, alignHorz, direction, place.reference.X);
  place.corner.Y = PlaceVert(owner, size.cy, alignVert, direction, place.reference.Y);
  return place;
}

// The side with more room wins; on a tie the popup keeps to the right or
// below.
TcxPopupAlignHorz FlipHorz(TcxPopupAlignHorz align, int x, int width, const TRect& owner,
                           const TRect& area) {
  const bool moreRoomLeft = owner.Left - area.Left > area.Right - owner.Right;
  if (align == TcxPopupAlignHorz::pahRight && x + width > area.Right && moreRoomLeft)
    return TcxPopupAlignHorz::pahLeft;
  if (align == TcxPopupAlignHorz::pahLeft && x < area.Left && !moreRoomLeft)
    return TcxPopupAlignHorz::pahRight;
  return align;
}

TcxPopupAlignVert FlipVert(TcxPopupAlignVert align, int y, int height, const TRect& owner,
                           const TRect& area) {
  const bool moreRoomAbove = owner.Top - area.Top > area.Bottom - owner.Bottom;
  if (align == TcxPopupAlignVert::pavBottom && y + height > area.Bottom && moreRoomAbove)
    return TcxPopupAlignVert::pavTop;
  if (align == TcxPopupAlignVert::pavTop && y < area.Top && !moreRoomAbove)
    return TcxPopupAlignVert::pavBottom;
  return align;
}

int Clamp(int position, int extent, int low, int high) {
  if (position + extent > high)
    position = high - extent;
  if (position < low)
    position = low;
  return position;
}

} // namespace

TPoint cxCalculatePopupPosition(const TRect& owner, const TSize& size, TcxPopupAlignHorz alignHorz,
                                TcxPopupAlignVert alignVert, TcxPopupDirection direction,
                                const TcxWorkAreaFunc& workAreaOf) {
  TPopupPlace place = Place(owner, size, alignHorz, alignVert, direction);
  const TRect area = workAreaOf(place.reference);
  const bool vertical = direction == TcxPopupDirection::pdVertical;
  if (vertical)
    alignVert = FlipVert(alignVert, place.corner.Y, size.cy, owner, area);
  else
    alignHorz = FlipHorz(alignHorz, place.corner.X, size.cx, owner, area);
  place = Place(owner, size, alignHorz, alignVert, direction);

  TPoint corner = place.corner;
  if (vertical || alignHorz == TcxPopupAlignHorz::pahCenter)
    corner.X = Clamp(corner.X, size.cx, area.Left, area.Right);
  if (!vertical || alignVert == TcxPopupAlignVert::pavCenter)
    corner.Y = Clamp(corner.Y, size.cy, area.Top, area.Bottom);
  return corner;
}

TcxPopupWindow::TcxPopupWindow(TComponent* owner)
    : TForm(owner, 0), m_canvas(Create<TControlCanvas>()) {
  m_canvas->SetControl(this);
  m_cxCanvas.reset(Create<TcxCanvas>(m_canvas.get()));
  TForm::SetBorderStyle(TFormBorderStyle::bsNone);
  SetFormStyle(TFormStyle::fsStayOnTop);
}

TcxPopupWindow::~TcxPopupWindow() { SetOwnerParent(nullptr); }

void TcxPopupWindow::SetOwnerParent(TControl* value) {
  if (m_ownerParent == value)
    return;
  if (m_ownerParent)
    m_ownerParent->RemoveFreeNotification(this);
  m_ownerParent = value;
  if (m_ownerParent)
    m_ownerParent->FreeNotification(this);
}

void TcxPopupWindow::Notification(TComponent* component, TOperation operation) {
  inherited::Notification(component, operation);
  if (operation == TOperation::opRemove && component == m_ownerParent)
    m_ownerParent = nullptr;
}

void TcxPopupWindow::SetBorderSpace(int value) {
  RestoreControlsBounds();
  m_borderSpace = value;
  Invalidate();
}

void TcxPopupWindow::SetBorderStyle(TcxPopupBorderStyle value) {
  RestoreControlsBounds();
  m_borderStyle = value;
  Invalidate();
}

int TcxPopupWindow::GetFrameWidth(TcxBorder) {
  switch (m_borderStyle) {
  case TcxPopupBorderStyle::pbsNone: return 0;
  case TcxPopupBorderStyle::pbsUltraFlat:
  case TcxPopupBorderStyle::pbsFlat: return 1;
  case TcxPopupBorderStyle::pbs3D: return 2;
  }
  return 0;
}

int TcxPopupWindow::GetBorderWidth(TcxBorder side) { return GetFrameWidth(side) + m_borderSpace; }

int TcxPopupWindow::GetNCWidth() {
  return GetBorderWidth(TcxBorder::bLeft) + GetBorderWidth(TcxBorder::bRight);
}

int TcxPopupWindow::GetNCHeight() {
  return GetBorderWidth(TcxBorder::bTop) + GetBorderWidth(TcxBorder::bBottom);
}

TRect TcxPopupWindow::GetClientBounds() {
  const TRect r = ClientRect();
  return TRect{r.Left + GetBorderWidth(TcxBorder::bLeft), r.Top + GetBorderWidth(TcxBorder::bTop),
               r.Right - GetBorderWidth(TcxBorder::bRight),
               r.Bottom - GetBorderWidth(TcxBorder::bBottom)};
}

void TcxPopupWindow::RestoreControlsBounds() {
  if (!m_controlsShifted)
    return;
  const int dx = GetBorderWidth(TcxBorder::bLeft);
  const int dy = GetBorderWidth(TcxBorder::bTop);
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* control = Controls(i);
    control->SetBounds(control->Left() - dx, control->Top() - dy, control->Width(),
                       control->Height());
  }
  m_controlsShifted = false;
}

void TcxPopupWindow::CalculateSize() {
  if (!m_adjustable)
    return;
  // A second opening starts again from the children's own places.
  RestoreControlsBounds();
  const int dx = GetBorderWidth(TcxBorder::bLeft);
  const int dy = GetBorderWidth(TcxBorder::bTop);
  int right = 0;
  int bottom = 0;
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* control = Controls(i);
    const TRect r = control->BoundsRect();
    right = std::max(right, r.Right);
    bottom = std::max(bottom, r.Bottom);
    control->SetBounds(r.Left + dx, r.Top + dy, control->Width(), control->Height());
  }
  m_controlsShifted = ControlCount() > 0;
  if (ControlCount() > 0 || right != 0 || bottom != 0)
    SetBounds(Left(), Top(), dx + right + GetBorderWidth(TcxBorder::bRight),
              dy + bottom + GetBorderWidth(TcxBorder::bBottom));
}

TRect TcxPopupWindow::GetOwnerScreenBounds() {
  if (!m_ownerParent)
    return m_ownerBounds;
  const TPoint topLeft = m_ownerParent->ClientToScreen({m_ownerBounds.Left, m_ownerBounds.Top});
  const TPoint bottomRight =
      m_ownerParent->ClientToScreen({m_ownerBounds.Right, m_ownerBounds.Bottom});
  return TRect{topLeft.X, topLeft.Y, bottomRight.X, bottomRight.Y};
}

TPoint TcxPopupWindow::CalculatePosition() {
  return cxCalculatePopupPosition(GetOwnerScreenBounds(), TSize{Width(), Height()}, m_alignHorz,
                                  m_alignVert, m_direction, GetDesktopWorkArea);
}

void TcxPopupWindow::InitPopup() {
  if (m_ownerParent)
    SetFont(m_ownerParent->Font());
}

void TcxPopupWindow::Popup() {
  InitPopup();
  CalculateSize();
  const TPoint corner = CalculatePosition();
  SetBounds(corner.X, corner.Y, Width(), Height());
  Show();
}

void TcxPopupWindow::CloseUp() { Hide(); }

void TcxPopupWindow::Deactivate() {
  inherited::Deactivate();
  CloseUp();
}

void TcxPopupWindow::PaintWindow(HDC dc) {
  const TCanvasLoan loan(*m_canvas, dc);
  Paint();
}

void TcxPopupWindow::Paint() { DrawFrame(); }

void TcxPopupWindow::DrawFrame() {
  const TRect r{0, 0, Width(), Height()};
  switch (m_borderStyle) {
  case TcxPopupBorderStyle::pbsNone: break;
  case TcxPopupBorderStyle::pbsUltraFlat: m_cxCanvas->FrameRect(r, m_frameColor, 1); break;
  case TcxPopupBorderStyle::pbsFlat: m_cxCanvas->DrawEdge(r, false, false); break;
  case TcxPopupBorderStyle::pbs3D:
    m_cxCanvas->DrawEdge(r, false, true);
    m_cxCanvas->DrawEdge(cxRectInflate(r, -1, -1), false, false);
    break;
  }
}

void TcxPopupWindow::Dispatch(TMessage& message) {
  switch (message.Msg) {
  case WM_ACTIVATE:
    inherited::Dispatch(message);
    WMActivate(TWMActivate(message));
    break;
  case WM_ACTIVATEAPP:
    inherited::Dispatch(message);
    WMActivateApp(TWMActivateApp(message));
    break;
  case CM_VISIBLECHANGED:
    inherited::Dispatch(message);
    VisibleChanged();
    break;
  default: inherited::Dispatch(message); break;
  }
}

// The window that was active keeps its active caption while the popup has
// the activation.
void TcxPopupWindow::WMActivate(TWMActivate message) {
  if (message.Active() == WA_INACTIVE)
    return;
  m_prevActiveWindow = message.ActiveWindow();
  if (m_prevActiveWindow)
    ::SendMessageA(m_prevActiveWindow, WM_NCACTIVATE, TRUE, 0);
}

void TcxPopupWindow::WMActivateApp(TWMActivateApp message) {
  if (message.Active())
    return;
  if (m_prevActiveWindow && ::IsWindow(m_prevActiveWindow))
    ::SendMessageA(m_prevActiveWindow, WM_NCACTIVATE, FALSE, 0);
  CloseUp();
}
