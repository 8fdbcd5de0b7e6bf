#include "editors/cxEditViewData.h"

#include <algorithm>
#include <cstdint>

#include "framework/cxGeometry.h"

namespace {

bool IsLeftClickShift(TShiftState shift) {
  using enum TShiftStateItem;
  return shift == TShiftState{ssLeft} || shift == TShiftState{ssLeft, ssDouble};
}

void MoveHorizontally(TcxEditButtonViewInfo& button, int dx) {
  button.Bounds.Left += dx;
  button.Bounds.Right += dx;
  button.VisibleBounds.Left += dx;
  button.VisibleBounds.Right += dx;
}

} // namespace

TcxEditButtonsLayout::TcxEditButtonsLayout(IcxEditButtonsLayoutOwner& AOwner,
                                           std::vector<TcxEditButtonViewInfo*> AButtons,
                                           TcxEditButtons* AItems)
    : m_owner(AOwner), m_buttons(std::move(AButtons)), m_items(AItems) {}

void TcxEditButtonsLayout::CalculateBounds(const TRect& R, bool AButtonsOnly) {
  m_buttonsOnly = AButtonsOnly;
  m_leftOutermost = m_leftInnermost = m_rightInnermost = m_rightOutermost = -1;
  TRect room = R;
  for (int v = static_cast<int>(m_buttons.size()) - 1; v >= 0; --v)
    PlaceButton(room, v);
  const int remaining = cxRectWidth(room);
  if (AButtonsOnly && remaining > 0)
    Stretch(remaining, cxRectWidth(R) - remaining);
}

void TcxEditButtonsLayout::PlaceButton(TRect& R, int v) {
  TcxEditButtonViewInfo& button = *m_buttons[v];
  button.LeftEdge = button.RightEdge = false;
  if (cxRectIsEmpty(R)) {
    button.Bounds = button.VisibleBounds = TRect{};
    return;
  }
  const int width = m_owner.CalculateButtonWidth(button);
  const int visibleWidth = std::min(width, cxRectWidth(R));
  button.Bounds.Top = button.VisibleBounds.Top = R.Top;
  button.Bounds.Bottom = button.VisibleBounds.Bottom = R.Bottom;
  if (button.LeftAlignment) {
    button.Bounds.Left = button.VisibleBounds.Left = R.Left;
    button.Bounds.Right = R.Left + width;
    button.VisibleBounds.Right = R.Left + visibleWidth;
    R.Left += visibleWidth;
    if (m_leftOutermost == -1)
      m_leftOutermost = v;
    m_leftInnermost = v;
  } else {
    button.Bounds.Right = button.VisibleBounds.Right = R.Right;
    button.Bounds.Left = R.Right - width;
    button.VisibleBounds.Left = R.Right - visibleWidth;
    R.Right -= visibleWidth;
    if (m_rightOutermost == -1)
      m_rightOutermost = v;
    m_rightInnermost = v;
  }
}

void TcxEditButtonsLayout::Stretch(int ARoom, int AUsedWidth) {
  const bool anyStretchable = std::any_of(m_buttons.begin(), m_buttons.end(),
                                          [](auto* button) { return button->Stretchable; });
  auto inSet = [&](int v) { return !anyStretchable || m_buttons[v]->Stretchable; };
  std::int64_t total = anyStretchable ? 0 : AUsedWidth;
  int lowest = -1;
  for (int v = 0; v < static_cast<int>(m_buttons.size()); ++v)
    if (inSet(v)) {
      if (anyStretchable)
        total += cxRectWidth(m_buttons[v]->Bounds);
      if (lowest == -1)
        lowest = v;
    }
  if (total <= 0)
    return;
  int left = ARoom;
  for (int v = static_cast<int>(m_buttons.size()) - 1; v >= 0; --v) {
    if (!inSet(v))
      continue;
    int share =
        v == lowest
            ? left
            : static_cast<int>(std::int64_t{ARoom} * cxRectWidth(m_buttons[v]->Bounds) / total);
    left -= share;
    Grow(v, share);
  }
}

void TcxEditButtonsLayout::Grow(int v, int AShare) {
  TcxEditButtonViewInfo& button = *m_buttons[v];
  const bool leftSide = button.LeftAlignment;
  if (leftSide) {
    button.Bounds.Right += AShare;
    button.VisibleBounds.Right += AShare;
  } else {
    button.Bounds.Left -= AShare;
    button.VisibleBounds.Left -= AShare;
  }
  for (int inner = 0; inner < v; ++inner)
    if (m_buttons[inner]->LeftAlignment == leftSide)
      MoveHorizontally(*m_buttons[inner], leftSide ? AShare : -AShare);
}

bool TcxEditButtonsLayout::ItemEnabled(int v) const {
  const int index = m_buttons[v]->ButtonIndex;
  return !m_items || index < 0 || index >= m_items->Count() || m_items->Items(index)->Enabled();
}

void TcxEditButtonsLayout::CalculateStates(const TcxEditButtonsMouse& AMouse, bool AEnabled,
                                           bool ADesigning) {
  m_pressed = m_selected = -1;
  m_tracking = false;
  for (int v = 0; v < static_cast<int>(m_buttons.size()); ++v) {
    TcxEditButtonState state = ButtonState(v, AMouse, AEnabled, ADesigning);
    m_owner.DoGetButtonState(v, state);
    m_buttons[v]->State = state;
    m_owner.CalculateButtonNativeInfo(*m_buttons[v]);
  }
}

TcxEditButtonState TcxEditButtonsLayout::ButtonState(int v, const TcxEditButtonsMouse& AMouse,
                                                     bool AEnabled, bool ADesigning) {
  using enum TcxEditButtonState;
  const TcxEditButtonViewInfo& button = *m_buttons[v];
  const bool pressed = m_owner.IsButtonPressed(v);
  if (!AEnabled || !ItemEnabled(v))
    return ebsDisabled;
  if (!pressed && (ADesigning || !cxRectPtIn(button.VisibleBounds, AMouse.Point)))
    return ebsNormal;
  const bool leftHeld = AMouse.Shift.Contains(TShiftStateItem::ssLeft);
  const bool captureMove = !AMouse.ButtonEvent && leftHeld && button.State == ebsNormal &&
                           v == AMouse.CaptureButtonIndex;
  const bool leftDown = AMouse.LeftButtonEvent && IsLeftClickShift(AMouse.Shift);
  const bool wasPressed = button.State == ebsPressed && leftHeld;
  if (pressed || leftDown || wasPressed || captureMove)
    m_tracking = true;
  if (!pressed && AMouse.Shift.Empty() && !captureMove) {
    m_selected = v;
    return ebsSelected;
  }
  const bool pressesNow =
      pressed || (captureMove && m_owner.CanPressButton()) ||
      (IsLeftClickShift(AMouse.Shift) && ((AMouse.LeftButtonEvent && m_owner.CanPressButton()) ||
                                          v == AMouse.PreviousPressedIndex)) ||
      wasPressed;
  if (!pressesNow)
    return ebsNormal;
  m_pressed = v;
  return ebsPressed;
}

void TcxEditButtonsLayout::CalculateEdges() {
  const bool hasLeft = m_leftOutermost != -1;
  const bool hasRight = m_rightOutermost != -1;
  if (hasLeft) {
    m_buttons[m_leftOutermost]->LeftEdge = true;
    if (!(m_buttonsOnly && hasRight))
      m_buttons[m_leftInnermost]->RightEdge = true;
  }
  if (hasRight) {
    if (!(m_buttonsOnly && hasLeft))
      m_buttons[m_rightInnermost]->LeftEdge = true;
    m_buttons[m_rightOutermost]->RightEdge = true;
  }
  if (m_buttonsOnly)
    for (TcxEditButtonViewInfo* button : m_buttons)
      button->LeftAlignment = false;
}
