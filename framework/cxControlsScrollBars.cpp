#include "framework/cxControlsScrollBars.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "framework/cxControlsControl.h"
#include "framework/cxControlsSettings.h"
#include "platform/rtl/FlagScope.h"
#include "platform/rtl/ScopeGuards.h"

namespace {

// A descendant whose reports never settle would otherwise keep the
// calculation going for ever; two bars settle within three rounds.
constexpr int kMaxCalculationRounds = 8;

// The steps are 16-bit: a larger page would wrap round to a negative step.
TScrollBarInc ToScrollBarInc(int value) {
  return static_cast<TScrollBarInc>(std::clamp(value, 0, 32767));
}

bool StyleAllows(TScrollStyle style, TScrollBarKind kind) {
  if (style == TScrollStyle::ssBoth)
    return true;
  return style == (kind == TScrollBarKind::sbHorizontal ? TScrollStyle::ssHorizontal
                                                        : TScrollStyle::ssVertical);
}

// Everything fits, or the report makes no sense: the bar has nothing to do.
bool NothingToScroll(int min, int max, int page, int position) {
  const std::int64_t range = std::int64_t{max} - min + 1;
  return min > max || page >= range || position < min;
}

// Whether the bar's content would fit if the other bar, 'otherThickness'
// thick, left its room to it.
bool FitsWithout(const TcxScrollBarData& data, int otherThickness) {
  return std::int64_t{otherThickness} + data.PageSize >= std::int64_t{data.Max} - data.Min + 1;
}

} // namespace

// ---- TcxControlScrollBar

TcxControlScrollBar::TcxControlScrollBar(TComponent* AOwner) : TcxScrollBar(AOwner) {
  SetColor(clBtnFace);
  SetControlStyle(ControlStyle() - TControlStyle{TControlStyleItem::csFramed} +
                  TControlStyle{TControlStyleItem::csNoDesignVisible});
  SetTabStop(false);
  SetVisible(false);
  if (auto* control = dynamic_cast<TcxControl*>(AOwner))
    LookAndFeel()->SetMasterLookAndFeel(control->LookAndFeel());
}

void TcxControlScrollBar::ApplyData() {
  if (m_data.Visible) {
    SetScrollParams(m_data.Min, m_data.Max, m_data.Position, m_data.PageSize, true);
    SetSmallChange(m_data.SmallChange);
    SetLargeChange(m_data.LargeChange);
  }
  SetEnabled(m_data.Enabled);
  SetVisible(m_data.Visible);
}

void TcxControlScrollBar::WndProc(TMessage& Message) {
  if (Message.Msg == WM_LBUTTONDOWN) {
    TControlLife life(this);
    FocusParent();
    if (!life)
      return;
  }
  if (Message.Msg == CM_DESIGNHITTEST) {
    Message.Result = 1;
    return;
  }
  inherited::WndProc(Message);
}

void TcxControlScrollBar::FocusParent() {
  TWinControl* parent = Parent();
  if (!parent)
    return;
  if (auto* control = dynamic_cast<TcxControl*>(parent)) {
    if (control->FocusWhenChildIsClicked(this))
      control->SetFocus();
  } else if (parent->CanFocus()) {
    parent->SetFocus();
  }
}

// ---- TcxSizeGrip

TcxSizeGrip::TcxSizeGrip(TComponent* AOwner) : TCustomControl(AOwner) {
  SetColor(clBtnFace);
  SetControlStyle(ControlStyle() + TControlStyle{TControlStyleItem::csNoDesignVisible});
}

void TcxSizeGrip::Paint() {
  Canvas()->Brush()->SetColor(Color());
  Canvas()->FillRect(ClientRect());
}

// ---- The control's side: creation

void TcxControl::CreateScrollBars() {
  if (!NeedsScrollBars() || HasScrollBars())
    return;
  DestroyScrollBars();
  const TScrollEvent onScroll(this, &TcxControl::ScrollBarScroll);
  const TPoint size = GetScrollBarSize();
  m_hScrollBar = Create<TcxControlScrollBar>(this);
  m_hScrollBar->SetKind(TScrollBarKind::sbHorizontal);
  m_hScrollBar->SetHeight(size.Y);
  m_hScrollBar->SetOnScroll(onScroll);
  m_vScrollBar = Create<TcxControlScrollBar>(this);
  m_vScrollBar->SetKind(TScrollBarKind::sbVertical);
  m_vScrollBar->SetWidth(size.X);
  m_vScrollBar->SetOnScroll(onScroll);
  m_sizeGrip = Create<TcxSizeGrip>(this);
  m_sizeGrip->SetVisible(false);
  cxAddSettingsListener(this);
}

void TcxControl::DestroyScrollBars() {
  if (!m_hScrollBar && !m_vScrollBar && !m_sizeGrip)
    return;
  cxRemoveSettingsListener(this);
  for (TControl* control : {static_cast<TControl*>(std::exchange(m_sizeGrip, nullptr)),
                            static_cast<TControl*>(std::exchange(m_vScrollBar, nullptr)),
                            static_cast<TControl*>(std::exchange(m_hScrollBar, nullptr))})
    if (control)
      control->Free();
}

void TcxControl::CheckNeedsScrollBars() {
  if (!NeedsScrollBars()) {
    DestroyScrollBars();
    return;
  }
  CreateScrollBars();
  if (HandleAllocated())
    InitScrollBars();
}

void TcxControl::InitScrollBars() {
  if (!HasScrollBars())
    return;
  m_hScrollBar->SetParent(this);
  m_vScrollBar->SetParent(this);
  m_sizeGrip->SetParent(this);
}

void TcxControl::ForgetInternalControl(TComponent* component) {
  if (component == m_hScrollBar)
    m_hScrollBar = nullptr;
  else if (component == m_vScrollBar)
    m_vScrollBar = nullptr;
  else if (component == m_sizeGrip)
    m_sizeGrip = nullptr;
}

bool TcxControl::IsInternalControl(TControl* control) {
  return control && (control == m_hScrollBar || control == m_vScrollBar || control == m_sizeGrip);
}

// ---- Reports and visibility

TcxControlScrollBar* TcxControl::ScrollBarOf(TScrollBarKind kind) const {
  return kind == TScrollBarKind::sbHorizontal ? m_hScrollBar : m_vScrollBar;
}

int TcxControl::ScrollBarPosition(TScrollBarKind kind) const {
  const TcxControlScrollBar* bar = ScrollBarOf(kind);
  return bar ? bar->Position() : 0;
}

void TcxControl::ScrollBarScroll(TObject* sender, TScrollCode code, int& position) {
  Scroll(static_cast<TcxScrollBar*>(sender)->Kind(), code, position);
}

void TcxControl::SetScrollBarInfo(TScrollBarKind kind, int min, int max, int step, int page,
                                  int position, bool allowShow, bool allowHide) {
  TcxControlScrollBar* bar = ScrollBarOf(kind);
  if (!bar)
    return;
  TcxScrollBarData& data = bar->Data();
  data.AllowShow = allowShow && StyleAllows(m_scrollBars, kind);
  data.AllowHide = allowHide;
  if (!data.AllowShow) {
    data.Visible = false;
  } else if (NothingToScroll(min, max, page, position)) {
    data.Visible = !allowHide;
    if (!allowHide)
      data.Enabled = false;
  } else {
    data.Min = min;
    data.Max = max;
    data.Position = position;
    data.PageSize = page;
    data.SmallChange = ToScrollBarInc(step);
    data.LargeChange = ToScrollBarInc(page);
    data.Enabled = true;
    data.Visible = true;
  }
}

bool TcxControl::GetHScrollBarVisible() {
  if (!NeedsScrollBars() || !m_hScrollBar)
    return false;
  return m_calculatingScrollBarsParams ? m_hScrollBar->Data().Visible : m_hScrollBar->GetVisible();
}

bool TcxControl::GetVScrollBarVisible() {
  if (!NeedsScrollBars() || !m_vScrollBar)
    return false;
  return m_calculatingScrollBarsParams ? m_vScrollBar->Data().Visible : m_vScrollBar->GetVisible();
}

void TcxControl::LockScrollBars() {
  if (m_scrollBarsLockCount == 0)
    m_scrollBarsUpdateNeeded = false;
  ++m_scrollBarsLockCount;
}

void TcxControl::UnlockScrollBars() {
  if (m_scrollBarsLockCount == 0)
    return;
  --m_scrollBarsLockCount;
  if (m_scrollBarsLockCount == 0 && m_scrollBarsUpdateNeeded)
    UpdateScrollBars();
}

// Showing one bar narrows the room of the other, so the descendant reports
// again until neither visibility changes.
void TcxControl::CalculateScrollBarsParams() {
  const TFlagScope calculating(m_calculatingScrollBarsParams);
  TcxScrollBarData& h = m_hScrollBar->Data();
  TcxScrollBarData& v = m_vScrollBar->Data();
  h.Visible = false;
  v.Visible = false;
  for (int round = 0; round < kMaxCalculationRounds; ++round) {
    const bool hWasVisible = h.Visible;
    const bool vWasVisible = v.Visible;
    InitScrollBarsParameters();
    if (h.Visible == hWasVisible && v.Visible == vWasVisible)
      break;
  }
  JoinPixelScrollBars();
}

// Two pixel bars that each fit once the other is gone would keep each other
// shown: both are reported again with the other's room added to the page,
// so that they hide together.
void TcxControl::JoinPixelScrollBars() {
  const TcxScrollBarData h = m_hScrollBar->Data();
  const TcxScrollBarData v = m_vScrollBar->Data();
  const auto hideable = [](const TcxScrollBarData& d) {
    return d.Visible && d.Enabled && d.AllowHide;
  };
  if (!hideable(h) || !hideable(v))
    return;
  const int vWidth = m_vScrollBar->Width();
  const int hHeight = m_hScrollBar->Height();
  if (!IsPixelScrollBar(TScrollBarKind::sbHorizontal) || !FitsWithout(h, vWidth) ||
      !IsPixelScrollBar(TScrollBarKind::sbVertical) || !FitsWithout(v, hHeight))
    return;
  SetScrollBarInfo(TScrollBarKind::sbHorizontal, h.Min, h.Max, h.SmallChange, h.PageSize + vWidth,
                   h.Position, h.AllowShow, h.AllowHide);
  SetScrollBarInfo(TScrollBarKind::sbVertical, v.Min, v.Max, v.SmallChange, v.PageSize + hHeight,
                   v.Position, v.AllowShow, v.AllowHide);
}

// A bar that the nested updates keep showing and hiding stays shown and
// inert instead of flickering.
void TcxControl::ShowOscillatingScrollBars() {
  const auto steady = [](TcxControlScrollBar* bar, bool initial) {
    if (bar->GetVisible() == initial)
      return;
    bar->SetEnabled(false);
    bar->SetVisible(true);
  };
  steady(m_hScrollBar, m_initialHScrollBarVisible);
  steady(m_vScrollBar, m_initialVScrollBarVisible);
}

// Showing or hiding a bar changes the client bounds, which updates the bars
// again from inside BoundsChanged. When such a nested update comes back to
// the visibility the outermost one started from, the bars oscillate.
void TcxControl::UpdateScrollBars() {
  if (!NeedsScrollBars() || !HasScrollBars())
    return;
  if (m_scrollBarsLockCount > 0) {
    m_scrollBarsUpdateNeeded = true;
    return;
  }
  const bool outermost = !m_updatingScrollBars;
  if (outermost) {
    m_initialHScrollBarVisible = m_hScrollBar->GetVisible();
    m_initialVScrollBarVisible = m_vScrollBar->GetVisible();
  }
  const TScopeExit restore([this, outermost] {
    m_updatingScrollBars = !outermost;
    if (outermost)
      m_scrollBarsOscillating = false;
  });
  m_updatingScrollBars = true;
  const bool hWasVisible = m_hScrollBar->GetVisible();
  const bool vWasVisible = m_vScrollBar->GetVisible();
  if (!m_scrollBarsOscillating) {
    CalculateScrollBarsParams();
    m_scrollBarsOscillating = !outermost &&
                              m_hScrollBar->Data().Visible == m_initialHScrollBarVisible &&
                              m_vScrollBar->Data().Visible == m_initialVScrollBarVisible;
  }
  if (m_scrollBarsOscillating) {
    ShowOscillatingScrollBars();
  } else {
    m_hScrollBar->ApplyData();
    m_vScrollBar->ApplyData();
  }
  if (m_hScrollBar->GetVisible() != hWasVisible || m_vScrollBar->GetVisible() != vWasVisible)
    BoundsChanged();
  else
    PlaceInternalControls();
}

void TcxControl::PlaceInternalControls() {
  m_sizeGrip->SetVisible(m_hScrollBar->GetVisible() && m_vScrollBar->GetVisible());
  SetInternalControlsBounds();
  if (NeedsToBringInternalControlsToFront())
    BringInternalControlsToFront();
}

// ---- Geometry

TRect TcxControl::GetHScrollBarBounds() {
  TRect r = GetClientBounds();
  r.Top = r.Bottom;
  r.Bottom = r.Top + (m_hScrollBar ? m_hScrollBar->Height() : 0);
  return r;
}

TRect TcxControl::GetVScrollBarBounds() {
  TRect r = GetClientBounds();
  r.Left = r.Right;
  r.Right = r.Left + (m_vScrollBar ? m_vScrollBar->Width() : 0);
  return r;
}

TRect TcxControl::GetSizeGripBounds() {
  const TRect h = GetHScrollBarBounds();
  const TRect v = GetVScrollBarBounds();
  return {v.Left, h.Top, v.Right, h.Bottom};
}

void TcxControl::SetInternalControlsBounds() {
  if (!HasScrollBars())
    return;
  if (m_hScrollBar->GetVisible())
    m_hScrollBar->SetBoundsRect(GetHScrollBarBounds());
  if (m_vScrollBar->GetVisible())
    m_vScrollBar->SetBoundsRect(GetVScrollBarBounds());
  if (m_sizeGrip->Visible())
    m_sizeGrip->SetBoundsRect(GetSizeGripBounds());
}

void TcxControl::BringInternalControlsToFront() {
  if (!HasScrollBars())
    return;
  m_hScrollBar->BringToFront();
  m_vScrollBar->BringToFront();
  m_sizeGrip->BringToFront();
}

void TcxControl::UpdateInternalControlsState() {
  if (!HasScrollBars())
    return;
  for (TControl* control :
       {static_cast<TControl*>(m_hScrollBar), static_cast<TControl*>(m_vScrollBar),
        static_cast<TControl*>(m_sizeGrip)})
    if (control->Visible())
      control->Repaint();
}

// The system's scroll-bar sizes may have changed.
void TcxControl::CMNCSizeChanged() {
  if (!HasScrollBars())
    return;
  const TPoint size = GetScrollBarSize();
  if (m_hScrollBar->Height() == size.Y && m_vScrollBar->Width() == size.X)
    return;
  m_hScrollBar->SetHeight(size.Y);
  m_vScrollBar->SetWidth(size.X);
  BoundsChanged();
}
