// The container's scroll bars following the inner control's own: each of
// the control's library bars is laid exactly over the inner control's system
// bar of its direction and takes that bar's range, page and position. A
// descendant that hosts a scrolling control answers NeedsScrollBars and
// calls UpdateScrollBarsParameters when the inner control's bars may have
// moved or changed.
#include "framework/cxContainer.h"

#include "framework/cxContainerServices.h"
#include "framework/cxControlsScrollBars.h"
#include "platform/rtl/FlagScope.h"

namespace {

constexpr DWORD kHiddenStates = STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN;

} // namespace

// One update waits at a time: the inner control may report many changes
// before the queue reaches it. A report while the bars follow the inner
// control is their own echo and asks for nothing.
void TcxContainer::UpdateScrollBarsParameters() {
  if (IsContainerDestroying() || !HandleAllocated() || !m_innerControl || m_scrollBarsCalculating)
    return;
  KillMessages(Handle(), CM_UPDATESCROLLBARS, CM_UPDATESCROLLBARS, true);
  ::PostMessageW(Handle(), CM_UPDATESCROLLBARS, 0, 0);
}

void TcxContainer::SetScrollBarsParameters(bool AIsScrolling) {
  if (!m_innerControl || !NeedsScrollBars() || IsContainerDestroying() || !UsecxScrollBars() ||
      m_scrollBarsCalculating)
    return;
  const TFlagScope calculating(m_scrollBarsCalculating);
  FollowInnerScrollBar(HScrollBar(), SB_HORZ, AIsScrolling);
  FollowInnerScrollBar(VScrollBar(), SB_VERT, AIsScrolling);
}

void TcxContainer::FollowInnerScrollBar(TcxScrollBar* AScrollBar, int ABar, bool AIsScrolling) {
  if (!AScrollBar)
    return;
  TControlLife life(this);
  if (!AIsScrolling)
    AdjustScrollBarPosition(AScrollBar);
  if (!life || !AScrollBar->Visible() || !m_innerControl->HandleAllocated())
    return;
  TcxScrollBarParams params;
  if (cxGetScrollBarParams(m_innerControl->Handle(), ABar, params))
    AScrollBar->SetScrollParams(params.Min, params.Max, params.Position, params.PageSize, true);
}

void TcxContainer::AdjustScrollBarPosition(TcxScrollBar* AScrollBar) {
  SCROLLBARINFO info{};
  if (!GetScrollBarInfo(info, AScrollBar->Kind()) || !IsAdjustingScrollBarPositionNeeded(info)) {
    SetScrollBarVisible(AScrollBar, false);
    return;
  }
  AScrollBar->SetEnabled(GetScrollBarEnabled(AScrollBar, info));
  const TcxScrollBarBounds bounds =
      GetScrollBarBounds(TRect{info.rcScrollBar.left, info.rcScrollBar.top, info.rcScrollBar.right,
                               info.rcScrollBar.bottom});
  AScrollBar->SetBounds(bounds.Left, bounds.Top, bounds.Width, bounds.Height);
  SetScrollBarVisible(AScrollBar, bounds.Width > 0 && bounds.Height > 0);
}

bool TcxContainer::GetScrollBarInfo(SCROLLBARINFO& AInfo, TScrollBarKind AKind) {
  if (IsContainerDestroying() || !Parent() || !HandleAllocated() || !m_innerControl ||
      !m_innerControl->HandleAllocated())
    return false;
  const LONG object = AKind == TScrollBarKind::sbHorizontal ? OBJID_HSCROLL : OBJID_VSCROLL;
  return cxGetScrollBarInfo(m_innerControl->Handle(), object, AInfo) != 0;
}

bool TcxContainer::IsAdjustingScrollBarPositionNeeded(const SCROLLBARINFO& AInfo) {
  return (AInfo.rgstate[0] & kHiddenStates) == 0;
}

bool TcxContainer::GetScrollBarEnabled(TcxScrollBar* AScrollBar, const SCROLLBARINFO& AInfo) {
  return AScrollBar->Parent() && AScrollBar->Parent()->Enabled() &&
         (AInfo.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) == 0;
}

// A bar that would reach outside the container, or start left of or above
// it, has no place.
TcxScrollBarBounds TcxContainer::GetScrollBarBounds(const TRect& AScreenRect) {
  const TPoint corner = ScreenToClient(AScreenRect.TopLeft());
  const int width = AScreenRect.Right - AScreenRect.Left;
  const int height = AScreenRect.Bottom - AScreenRect.Top;
  if (corner.X < 0 || corner.Y < 0 || width > Width() || height > Height())
    return {};
  return {corner.X, corner.Y, width, height};
}

void TcxContainer::SetScrollBarVisible(TcxScrollBar* AScrollBar, bool AVisible) {
  AScrollBar->SetVisible(AVisible);
  if (AVisible)
    AScrollBar->BringToFront();
}
