#include "framework/cxScrollBar.h"

#include <algorithm>
#include <cstdint>

#include "framework/cxGeometry.h"
#include "framework/dxUxTheme.h"

namespace {

using enum TcxScrollBarPart;

constexpr unsigned kFirstRepeatDelay = 400;
constexpr unsigned kRepeatInterval = 60;
constexpr int kDefaultThumbnailMinSize = 8;
// How far the mouse may stray from the bar while the thumb follows it:
// beyond the ends and to either side.
constexpr int kTrackingMarginAlong = 34;
constexpr int kTrackingMarginAcross = 136;

// The visual style's gripper parts; each is asked for the bar of the other
// direction.
constexpr int kGripperHorzPart = 8;
constexpr int kGripperVertPart = 9;

int Clamp(int value, int low, int high) { return std::max(low, std::min(value, high)); }

// Positions and ranges are worked out in 64 bits: the distance between two
// 32-bit positions (and one more for the item count) does not fit in 32.
int Clamp(std::int64_t value, int low, int high) {
  return static_cast<int>(std::clamp<std::int64_t>(value, low, high));
}

// A * B / C rounded to the nearest integer, halves away from zero, as the
// platform's MulDiv does it but over 64-bit operands; C is never 0 here.
std::int64_t MulDiv64(std::int64_t a, std::int64_t b, std::int64_t c) {
  std::int64_t product = a * b;
  if (c < 0) {
    product = -product;
    c = -c;
  }
  return product >= 0 ? (product + c / 2) / c : (product - c / 2) / c;
}

} // namespace

TPoint GetScrollBarSize() {
  return {::GetSystemMetrics(SM_CXVSCROLL), ::GetSystemMetrics(SM_CYHSCROLL)};
}

void TcxScrollBar::Publish(TPublisher& p) {
  p.Property("Kind", &TcxScrollBar::Kind, &TcxScrollBar::SetKind)
      .Default(TScrollBarKind::sbHorizontal);
  p.Property("LargeChange", &TcxScrollBar::LargeChange, &TcxScrollBar::SetLargeChange)
      .Default(TScrollBarInc{1});
  p.Property("LookAndFeel", &TcxScrollBar::LookAndFeel);
  p.Property("Max", &TcxScrollBar::Max, &TcxScrollBar::SetMax).Default(100);
  p.Property("Min", &TcxScrollBar::Min, &TcxScrollBar::SetMin).Default(0);
  p.Property("PageSize", &TcxScrollBar::PageSize, &TcxScrollBar::SetPageSize);
  p.Property("Position", &TcxScrollBar::Position, &TcxScrollBar::SetPosition).Default(0);
  p.Property("SmallChange", &TcxScrollBar::SmallChange, &TcxScrollBar::SetSmallChange)
      .Default(TScrollBarInc{1});
  p.Property("UnlimitedTracking", &TcxScrollBar::UnlimitedTracking,
             &TcxScrollBar::SetUnlimitedTracking)
      .Default(false);
  p.Property("OnChange", &TcxScrollBar::OnChange, &TcxScrollBar::SetOnChange);
  p.Property("OnScroll", &TcxScrollBar::OnScroll, &TcxScrollBar::SetOnScroll);
}

TcxScrollBar::TcxScrollBar(TComponent* AOwner)
    : TCustomControl(AOwner), m_bitmap(Create<TBitmap>()) {
  m_bitmap->SetPixelFormat(TPixelFormat::pfDevice);
  m_canvas.reset(Create<TcxCanvas>(m_bitmap->Canvas()));
  m_lookAndFeel.reset(Create<TcxLookAndFeel>(this));
  m_lookAndFeel->SetOnChanged(TcxLookAndFeelChangedEvent(this, &TcxScrollBar::LookAndFeelChanged));
  SetWidth(121);
  SetControlStyle({TControlStyleItem::csCaptureMouse, TControlStyleItem::csFramed,
                   TControlStyleItem::csOpaque});
  SetHeight(::GetSystemMetrics(SM_CYHSCROLL));
  m_themeChangedNotificator.reset(Create<TdxThemeChangedNotificator>());
  m_themeChangedNotificator->SetOnThemeChanged(
      TdxThemeChangedEvent(this, &TcxScrollBar::ThemeChanged));
  m_timer.reset(Create<TcxTimer>(nullptr));
  m_timer->SetEnabled(false);
  m_timer->SetInterval(kFirstRepeatDelay);
  m_timer->SetOnTimer(TNotifyEvent(this, &TcxScrollBar::OnTimer));
  CalcMinThumnailSize();
  CalculateRects();
}

TcxScrollBar::~TcxScrollBar() = default;

TcxCustomLookAndFeelPainterClass TcxScrollBar::GetPainter() const {
  return m_lookAndFeel->GetAvailablePainter(TdxThemedObjectType::totScrollBar);
}

// ---- Values

void TcxScrollBar::SetScrollParams(int AMin, int AMax, int APosition, int APageSize, bool ARedraw) {
  if (AMax < AMin || APageSize < 0)
    throw EInvalidOperation("Scrollbar property out of range");
  bool redraw = ARedraw && HandleAllocated();
  APosition = Clamp(APosition, AMin, AMax);
  if (m_min == AMin && m_max == AMax && m_pageSize == APageSize && m_position == APosition) {
    redraw = false;
  } else {
    m_min = AMin;
    m_max = AMax;
    m_pageSize = APageSize;
  }
  if (m_position == APosition) {
    CalculateThumbnailRect();
    if (redraw)
      Repaint();
    return;
  }
  SetEnabled(true);
  m_position = APosition;
  CalculateThumbnailRect();
  if (redraw)
    Repaint();
  Change();
}

void TcxScrollBar::SetParams(int APosition, int AMin, int AMax) {
  SetScrollParams(AMin, AMax, APosition, m_pageSize, true);
}

void TcxScrollBar::SetPosition(int Value) {
  SetScrollParams(m_min, m_max, Value, m_pageSize, true);
}

void TcxScrollBar::SetMin(int Value) {
  SetScrollParams(Value, m_max, m_position, m_pageSize, true);
}

void TcxScrollBar::SetMax(int Value) {
  SetScrollParams(m_min, Value, m_position, m_pageSize, true);
}

void TcxScrollBar::SetPageSize(int Value) {
  SetScrollParams(m_min, m_max, m_position, Value, true);
}

// A bar whose width equals its height keeps its bounds when turned, so the
// layout is worked out again whatever SetBounds does; the thumb's minimum
// length comes from the gripper of the new direction.
void TcxScrollBar::SetKind(TScrollBarKind Value) {
  if (m_kind == Value)
    return;
  m_kind = Value;
  CalcMinThumnailSize();
  if (!Loading())
    SetBounds(Left(), Top(), Height(), Width());
  CalculateRects();
  Invalidate();
}

void TcxScrollBar::Change() {
  Perform(CM_CHANGED, 0, reinterpret_cast<LPARAM>(this));
  if (m_onChange)
    m_onChange(this);
}

void TcxScrollBar::Scroll(TScrollCode ScrollCode, int& ScrollPos) {
  if (m_onScroll)
    m_onScroll(this, ScrollCode, ScrollPos);
}

void TcxScrollBar::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  const TRect previous = BoundsRect();
  inherited::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (BoundsRect() == previous || Width() <= 0 || Height() <= 0)
    return;
  m_bitmap->SetSize(Width(), Height());
  CalculateRects();
}

// ---- Layout

void TcxScrollBar::CalculateRects() {
  const TPoint size = GetScrollBarSize();
  if (IsHorizontal()) {
    const int length = std::min(size.Y, Width() / 2);
    m_firstButtonRect = Bounds(0, 0, length, Height());
    m_secondButtonRect = Bounds(Width() - length, 0, length, Height());
  } else {
    const int length = std::min(size.X, Height() / 2);
    m_firstButtonRect = Bounds(0, 0, Width(), length);
    m_secondButtonRect = Bounds(0, Height() - length, Width(), length);
  }
  CalculateThumbnailRect();
}

// Works along the bar: 'start' is where the track begins (the first
// button's far edge), the thumb's offset and length are placed there.
void TcxScrollBar::CalculateThumbnailRect() {
  m_thumbnailRect = {};
  AdjustPagesRects();
  if (!Enabled())
    return;
  const bool horizontal = IsHorizontal();
  const int start = horizontal ? m_firstButtonRect.Right : m_firstButtonRect.Bottom;
  const int track = (horizontal ? m_secondButtonRect.Left : m_secondButtonRect.Top) - start;
  const std::int64_t span = std::int64_t{m_max} - m_min;
  const std::int64_t advance = std::int64_t{m_position} - m_min;
  int length;
  std::int64_t offset;
  if (m_pageSize != 0) {
    length = static_cast<int>(std::min<std::int64_t>(track, MulDiv64(m_pageSize, track, span + 1)));
    if (track < m_thumbnailMinSize || m_max == m_min)
      return;
    length = std::max(length, m_thumbnailMinSize);
    // A page as large as the range (or larger) leaves no room to move: the
    // thumb stays at the start instead of MulDiv's -1 for a zero divisor.
    const std::int64_t steps = span - m_pageSize + 1;
    offset = steps <= 0 ? 0 : MulDiv64(track - length, std::min(advance, steps), steps);
  } else {
    length = ::GetSystemMetrics(horizontal ? SM_CXHTHUMB : SM_CYVTHUMB);
    if (track < length)
      return;
    offset = track - length <= 0 || m_max == m_min ? 0 : MulDiv64(track - length, advance, span);
  }
  const int thumbStart = start + static_cast<int>(offset);
  m_thumbnailRect = horizontal ? Bounds(thumbStart, 0, length, Height())
                               : Bounds(0, thumbStart, Width(), length);
  AdjustPagesRects();
}

void TcxScrollBar::AdjustPagesRects() {
  if (cxRectIsEmpty(m_thumbnailRect)) {
    m_pageUpRect = {};
    m_pageDownRect = {};
  } else if (IsHorizontal()) {
    m_pageUpRect = Rect(m_firstButtonRect.Right, 0, m_thumbnailRect.Left, Height());
    m_pageDownRect = Rect(m_thumbnailRect.Right, 0, m_secondButtonRect.Left, Height());
  } else {
    m_pageUpRect = Rect(0, m_firstButtonRect.Bottom, Width(), m_thumbnailRect.Top);
    m_pageDownRect = Rect(0, m_thumbnailRect.Bottom, Width(), m_secondButtonRect.Top);
  }
}

// A thumb that fills the whole track stands for the minimum, not for
// MulDiv's -1 of a zero divisor.
int TcxScrollBar::GetPositionFromThumbnail() const {
  std::int64_t range = std::int64_t{m_max} - m_min;
  if (m_pageSize > 0)
    range += 1 - m_pageSize;
  const bool horizontal = IsHorizontal();
  const int start = horizontal ? m_firstButtonRect.Right : m_firstButtonRect.Bottom;
  const int track = (horizontal ? m_secondButtonRect.Left : m_secondButtonRect.Top) - start;
  const int thumbStart = horizontal ? m_thumbnailRect.Left : m_thumbnailRect.Top;
  const int thumbLength = horizontal ? m_thumbnailRect.Right - m_thumbnailRect.Left
                                     : m_thumbnailRect.Bottom - m_thumbnailRect.Top;
  const int room = track - thumbLength;
  if (room <= 0)
    return m_min;
  return Clamp(m_min + MulDiv64(range, thumbStart - start, room), m_min, m_max);
}

// 8 pixels, or with the visual-style painter the length of the scroll-bar
// gripper: its minimum size, or its true size plus 4 when that is larger.
void TcxScrollBar::CalcMinThumnailSize() {
  m_thumbnailMinSize = kDefaultThumbnailMinSize;
  if (!(GetPainter() ==
        TcxCustomLookAndFeelPainterClass(TcxWinXPLookAndFeelPainter::StaticClass())))
    return;
  const HTHEME theme = OpenTheme(TdxThemedObjectType::totScrollBar);
  if (!theme)
    return;
  const bool horizontal = IsHorizontal();
  const int part = horizontal ? kGripperVertPart : kGripperHorzPart;
  SIZE minimum{};
  if (FAILED(dxUxTheme::GetThemePartSize(theme, m_canvas->Handle(), part, 1, TS_MIN, minimum)))
    return;
  int length = horizontal ? minimum.cx : minimum.cy;
  SIZE trueSize{};
  if (SUCCEEDED(dxUxTheme::GetThemePartSize(theme, m_canvas->Handle(), part, 1, TS_TRUE, trueSize)))
    length = std::max(length, (horizontal ? trueSize.cx : trueSize.cy) + 4);
  m_thumbnailMinSize = std::max(length, kDefaultThumbnailMinSize);
}

TcxScrollBarPart TcxScrollBar::GetScrollBarPart(const TPoint& P) const {
  if (!cxRectPtIn(Rect(0, 0, Width(), Height()), P))
    return sbpNone;
  if (cxRectPtIn(m_firstButtonRect, P))
    return sbpLineUp;
  if (cxRectPtIn(m_secondButtonRect, P))
    return sbpLineDown;
  if (cxRectIsEmpty(m_thumbnailRect))
    return sbpNone;
  if (cxRectPtIn(m_thumbnailRect, P))
    return sbpThumbnail;
  if (cxRectPtIn(m_pageUpRect, P))
    return sbpPageUp;
  if (cxRectPtIn(m_pageDownRect, P))
    return sbpPageDown;
  return sbpNone;
}

// ---- Scrolling

void TcxScrollBar::DoScroll(TcxScrollBarPart APart) {
  switch (APart) {
  case sbpLineUp:
    InternalScroll(TScrollCode::scLineUp);
    break;
  case sbpLineDown:
    InternalScroll(TScrollCode::scLineDown);
    break;
  case sbpThumbnail:
    InternalScroll(TScrollCode::scTrack);
    break;
  case sbpPageUp:
    InternalScroll(TScrollCode::scPageUp);
    break;
  case sbpPageDown:
    InternalScroll(TScrollCode::scPageDown);
    break;
  case sbpNone:
    break;
  }
}

void TcxScrollBar::InternalScroll(TScrollCode AScrollCode) {
  std::int64_t stepped = m_position;
  switch (AScrollCode) {
  case TScrollCode::scLineUp:
    stepped -= m_smallChange;
    break;
  case TScrollCode::scLineDown:
    stepped += m_smallChange;
    break;
  case TScrollCode::scPageUp:
    stepped -= m_largeChange;
    break;
  case TScrollCode::scPageDown:
    stepped += m_largeChange;
    break;
  case TScrollCode::scTop:
    stepped = m_min;
    break;
  case TScrollCode::scBottom:
    stepped = m_max;
    break;
  default:
    break;
  }
  int position = Clamp(stepped, m_min, m_max);
  TControlLife life(this);
  Scroll(AScrollCode, position);
  if (!life)
    return;
  position = Clamp(position, m_min, m_max);
  if (position == m_position)
    return;
  if (AScrollCode == TScrollCode::scTrack) {
    // The thumb stays where the mouse put it.
    m_position = position;
    Repaint();
  } else {
    SetPosition(position);
  }
}

// Ends a press: a dragged thumb reports where it was let go, then every
// press reports its end. A drag that moved the position tells OnChange once
// here, since the positions tracked on the way were stored directly.
void TcxScrollBar::CancelScroll() {
  if (m_pressedPart == sbpNone)
    return;
  TControlLife life(this);
  if (m_pressedPart == sbpThumbnail) {
    const int position = TrackedPosition();
    const bool moved = position != m_savedPosition;
    m_position = position;
    if (moved)
      Change();
    if (!life)
      return;
    InternalScroll(TScrollCode::scPosition);
    if (!life)
      return;
  }
  m_timer->SetEnabled(false);
  m_pressedPart = sbpNone;
  m_hotPart = sbpNone;
  InternalScroll(TScrollCode::scEndScroll);
  if (!life)
    return;
  CalculateThumbnailRect();
  Invalidate();
}

// Where the dragged thumb stands for. A thumb back where the drag began
// keeps the position the drag began with: going from position to pixels and
// back rounds, and a click on the thumb must not scroll.
int TcxScrollBar::TrackedPosition() const {
  if (m_thumbnailRect.TopLeft() == m_savedThumbnailPos)
    return m_savedPosition;
  return Clamp(GetPositionFromThumbnail(), m_min, m_max);
}

bool TcxScrollBar::IsRepeatingPart(TcxScrollBarPart APart) {
  return APart == sbpLineUp || APart == sbpLineDown || APart == sbpPageUp || APart == sbpPageDown;
}

TcxScrollBarPart TcxScrollBar::PartUnderCursor() {
  TPoint cursor;
  ::GetCursorPos(AsPOINT(cursor));
  return GetScrollBarPart(ScreenToClient(cursor));
}

void TcxScrollBar::OnTimer(TObject*) {
  if (!MouseCapture() || !IsRepeatingPart(m_pressedPart)) {
    CancelScroll();
    return;
  }
  if (m_timer->Interval() == kFirstRepeatDelay)
    m_timer->SetInterval(kRepeatInterval);
  TControlLife life(this);
  DoScroll(m_pressedPart);
  if (life)
    m_timer->SetEnabled(PartUnderCursor() == m_pressedPart);
}

// ---- Mouse

void TcxScrollBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TControlLife life(this);
  inherited::MouseDown(Button, Shift, X, Y);
  if (!life || Button != TMouseButton::mbLeft)
    return;
  const TcxScrollBarPart part = GetScrollBarPart({X, Y});
  if (part == sbpNone)
    return;
  if (part == sbpThumbnail) {
    m_mouseDownPos = {X, Y};
    m_savedPosition = m_position;
    m_savedThumbnailPos = m_thumbnailRect.TopLeft();
    InternalScroll(TScrollCode::scTrack);
    if (!life)
      return;
  }
  m_pressedPart = part;
  m_hotPart = part;
  Repaint();
  if (part == sbpThumbnail)
    return;
  DoScroll(part);
  if (!life)
    return;
  m_timer->SetInterval(kFirstRepeatDelay);
  m_timer->SetEnabled(true);
}

void TcxScrollBar::MouseMove(TShiftState Shift, int X, int Y) {
  TControlLife life(this);
  inherited::MouseMove(Shift, X, Y);
  if (!life)
    return;
  if (m_pressedPart == sbpThumbnail) {
    TrackThumbnail({X, Y});
    return;
  }
  const TcxScrollBarPart part = GetScrollBarPart({X, Y});
  if (m_pressedPart != sbpNone)
    m_timer->SetEnabled(part == m_pressedPart);
  if (part == m_hotPart)
    return;
  m_hotPart = part;
  // A pressed part is drawn pressed only while the mouse is over it.
  if (GetPainter()->IsButtonHotTrack() || m_pressedPart != sbpNone)
    Repaint();
}

// The thumb follows the mouse along the bar inside the tracking area (or
// anywhere, with UnlimitedTracking) and jumps back where the drag began
// outside it.
void TcxScrollBar::TrackThumbnail(const TPoint& P) {
  const bool horizontal = IsHorizontal();
  const TRect area = horizontal
                         ? cxRectInflate(ClientRect(), kTrackingMarginAlong, kTrackingMarginAcross)
                         : cxRectInflate(ClientRect(), kTrackingMarginAcross, kTrackingMarginAlong);
  if (!m_unlimitedTracking && !cxRectPtIn(area, P)) {
    if (m_position != m_savedPosition) {
      TControlLife life(this);
      SetPosition(m_savedPosition);
      if (life)
        DoScroll(sbpThumbnail);
    } else if (m_thumbnailRect.TopLeft() != m_savedThumbnailPos) {
      CalculateThumbnailRect();
      Repaint();
    }
    return;
  }
  const int length = horizontal ? m_thumbnailRect.Right - m_thumbnailRect.Left
                                : m_thumbnailRect.Bottom - m_thumbnailRect.Top;
  const int first = horizontal ? m_firstButtonRect.Right : m_firstButtonRect.Bottom;
  const int last = (horizontal ? m_secondButtonRect.Left : m_secondButtonRect.Top) - length;
  const int saved = horizontal ? m_savedThumbnailPos.X : m_savedThumbnailPos.Y;
  const int moved = horizontal ? P.X - m_mouseDownPos.X : P.Y - m_mouseDownPos.Y;
  const int start = Clamp(saved + moved, first, std::max(first, last));
  const TRect thumb =
      horizontal ? Bounds(start, 0, length, Height()) : Bounds(0, start, Width(), length);
  if (thumb == m_thumbnailRect)
    return;
  m_thumbnailRect = thumb;
  AdjustPagesRects();
  Repaint();
  const int position = TrackedPosition();
  if (position == m_position)
    return;
  m_position = position;
  DoScroll(sbpThumbnail);
}

void TcxScrollBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TControlLife life(this);
  inherited::MouseUp(Button, Shift, X, Y);
  if (!life)
    return;
  CancelScroll();
  if (life)
    m_hotPart = GetScrollBarPart({X, Y});
}

void TcxScrollBar::MouseEnter() { RepaintWhenTracked(false); }

void TcxScrollBar::MouseLeave() {
  if (m_pressedPart != sbpThumbnail)
    m_hotPart = sbpNone;
  RepaintWhenTracked(true);
}

void TcxScrollBar::RepaintWhenTracked(bool AInvalidateOnly) {
  if (!GetPainter()->IsButtonHotTrack() && !IsRepeatingPart(m_pressedPart))
    return;
  if (AInvalidateOnly)
    Invalidate();
  else
    Repaint();
}

// ---- Painting

TcxButtonState TcxScrollBar::GetPartState(TcxScrollBarPart APart) const {
  if (!Enabled())
    return TcxButtonState::cxbsDisabled;
  if (APart == sbpThumbnail && !GetPainter()->IsButtonHotTrack())
    return TcxButtonState::cxbsNormal;
  if (m_pressedPart != sbpNone)
    return APart == m_pressedPart && APart == m_hotPart ? TcxButtonState::cxbsPressed
                                                        : TcxButtonState::cxbsNormal;
  if (APart == m_hotPart && !ComponentState().Contains(TComponentStateItem::csDesigning))
    return TcxButtonState::cxbsHot;
  return TcxButtonState::cxbsNormal;
}

void TcxScrollBar::DrawPart(const TRect& R, TcxScrollBarPart APart, TcxButtonState AState) {
  GetPainter()->DrawScrollBarPart(m_canvas.get(), IsHorizontal(), R, APart, AState);
}

void TcxScrollBar::Paint() {
  if (cxRectIsEmpty(m_thumbnailRect))
    DrawPart(Rect(0, 0, Width(), Height()), sbpPageUp, TcxButtonState::cxbsNormal);
  else
    DrawPart(m_thumbnailRect, sbpThumbnail, GetPartState(sbpThumbnail));
  DrawPart(m_firstButtonRect, sbpLineUp, GetPartState(sbpLineUp));
  DrawPart(m_secondButtonRect, sbpLineDown, GetPartState(sbpLineDown));
  if (!cxRectIsEmpty(m_pageUpRect))
    DrawPart(m_pageUpRect, sbpPageUp, GetPartState(sbpPageUp));
  if (!cxRectIsEmpty(m_pageDownRect))
    DrawPart(m_pageDownRect, sbpPageDown, GetPartState(sbpPageDown));
  ::BitBlt(Canvas()->Handle(), 0, 0, m_bitmap->Width(), m_bitmap->Height(), m_canvas->Handle(), 0,
           0, SRCCOPY);
}

// ---- Notices

void TcxScrollBar::LookAndFeelChanged(TcxLookAndFeel*, TcxLookAndFeelValues) {
  CalcMinThumnailSize();
  CalculateRects();
  Invalidate();
}

void TcxScrollBar::ThemeChanged() {
  CalcMinThumnailSize();
  CalculateRects();
  UpdateScrollBarBitmaps();
  Invalidate();
  if (Parent())
    Parent()->Realign();
}

void TcxScrollBar::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
  case CM_ENABLEDCHANGED:
    inherited::Dispatch(Message);
    CalculateRects();
    if (!Enabled())
      CancelScroll();
    Invalidate();
    break;
  case CM_MOUSEENTER:
  case CM_MOUSELEAVE: {
    TControlLife life(this);
    inherited::Dispatch(Message);
    TControl* child = TCMMouseEnterLeave(Message).Control();
    if (!life || (child && child != this))
      break;
    if (Message.Msg == CM_MOUSEENTER)
      MouseEnter();
    else
      MouseLeave();
    break;
  }
  case CM_SYSCOLORCHANGE:
    UpdateScrollBarBitmaps();
    inherited::Dispatch(Message);
    break;
  case CM_VISIBLECHANGED:
    if (!Visible())
      CancelScroll();
    inherited::Dispatch(Message);
    break;
  case CN_HSCROLL:
  case CN_VSCROLL: {
    const int code = TWMScroll(Message).ScrollCode();
    if (code <= static_cast<int>(TScrollCode::scEndScroll))
      InternalScroll(static_cast<TScrollCode>(code));
    break;
  }
  case CN_CTLCOLORSCROLLBAR:
    UpdateScrollBarBitmaps();
    DefaultHandler(Message);
    break;
  case WM_ERASEBKGND:
    Message.Result = 1;
    break;
  case WM_CANCELMODE:
    CancelScroll();
    inherited::Dispatch(Message);
    break;
  default:
    inherited::Dispatch(Message);
    break;
  }
}
