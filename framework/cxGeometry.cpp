#include "framework/cxGeometry.h"

#include <algorithm>
#include <climits>

#include "platform/objects/PropertyRegistry.h"
#include "platform/rtl/WinApi.h"

namespace {

// -delta <= value - edge < delta: the value lies in the zone around an edge.
bool IsNearEdge(int value, int edge, int delta) {
  const int distance = value - edge;
  return -delta <= distance && distance < delta;
}

// The band of 'r' next to its near edge (Top or Left) that the far one does
// not share when the rectangle moved by 'shift' (negative: it lies before the
// other), and the matching band of the other rectangle.
struct TBandPair {
  TRect First;
  TRect Second;
};

TBandPair VerticalBands(const TRect& r1, const TRect& r2, int shift) {
  TBandPair bands{cxNullRect, cxNullRect};
  if (shift < 0) {
    bands.First = r1;
    bands.First.Bottom = r1.Top - shift;
    bands.Second = r2;
    bands.Second.Top = r2.Bottom + shift;
  } else if (shift > 0) {
    bands.First = r1;
    bands.First.Top = r1.Bottom - shift;
    bands.Second = r2;
    bands.Second.Bottom = r2.Top + shift;
  }
  return bands;
}

TBandPair HorizontalBands(const TRect& r1, const TRect& r2, int shift) {
  TBandPair bands{cxNullRect, cxNullRect};
  if (shift < 0) {
    bands.First = r1;
    bands.First.Right = r1.Left - shift;
    bands.Second = r2;
    bands.Second.Left = r2.Right + shift;
  } else if (shift > 0) {
    bands.First = r1;
    bands.First.Left = r1.Right - shift;
    bands.Second = r2;
    bands.Second.Right = r2.Left + shift;
  }
  return bands;
}

void InitializeGeometry() { RegisterClass(TcxRect::StaticClass()); }
void FinalizeGeometry() { UnRegisterClass(TcxRect::StaticClass()); }

} // namespace

const TUnitInfo cxGeometryUnit{"cxGeometry", InitializeGeometry, FinalizeGeometry};

TRect cxRect(int left, int top, int right, int bottom) { return {left, top, right, bottom}; }

TRect cxRect(const TPoint& topLeft, const TPoint& bottomRight) {
  return {topLeft.X, topLeft.Y, bottomRight.X, bottomRight.Y};
}

TRect cxRectBounds(int left, int top, int width, int height) {
  return {left, top, left + width, top + height};
}

int cxRectWidth(const TRect& r) { return r.Right - r.Left; }
int cxRectHeight(const TRect& r) { return r.Bottom - r.Top; }
TSize cxRectSize(const TRect& r) { return {cxRectWidth(r), cxRectHeight(r)}; }

int cxRectGetSize(const TRect& r, int index) {
  return index == 0 ? cxRectWidth(r) : cxRectHeight(r);
}

int cxRectGetItem(const TRect& r, int index) {
  switch (index) {
    case 0: return r.Left;
    case 1: return r.Top;
    case 2: return r.Right;
    case 3: return r.Bottom;
    default: return 0;
  }
}

TPoint cxRectLeftBottom(const TRect& r) { return {r.Left, r.Bottom}; }
TPoint cxRectRightTop(const TRect& r) { return {r.Right, r.Top}; }

TPoint cxRectCenter(const TRect& r) {
  return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
}

TRect cxRectCenter(const TRect& r, int width, int height) {
  const int left = (r.Left + r.Right - width) / 2;
  const int top = (r.Top + r.Bottom - height) / 2;
  return {left, top, left + width, top + height};
}

TRect cxRectCenter(const TRect& r, const TSize& size) { return cxRectCenter(r, size.cx, size.cy); }

bool cxRectIsEmpty(const TRect& r) { return !(r.Left < r.Right && r.Top < r.Bottom); }
bool cxRectIsNull(const TRect& r) { return r == cxNullRect; }
bool cxRectIsInvalid(const TRect& r) { return r == cxInvalidRect; }
bool cxRectIsEqual(const TRect& r1, const TRect& r2) { return r1 == r2; }
bool cxRectCompare(const TRect& r1, const TRect& r2) { return r1 == r2; }

bool cxRectContain(const TRect& bounds, const TRect& inner) {
  return bounds.Left <= inner.Left && inner.Right <= bounds.Right && bounds.Top <= inner.Top &&
         inner.Bottom <= bounds.Bottom;
}

bool cxRectPtIn(const TRect& r, const TPoint& p) { return cxRectPtIn(r, p.X, p.Y); }

bool cxRectPtIn(const TRect& r, int x, int y) {
  return r.Left <= x && x < r.Right && r.Top <= y && y < r.Bottom;
}

TcxPtInRectType cxRectPtInEx(const TRect& r, int x, int y, int left, int top, int right,
                             int bottom) {
  if (cxRectPtIn(r, x, y))
    return TcxPtInRectType::ptrtArea;
  if (!cxRectPtIn(cxRectInflate(r, left, top, right, bottom), x, y))
    return TcxPtInRectType::ptrtNone;
  if (IsNearEdge(x, r.Right, right))
    return TcxPtInRectType::ptrtRight;
  if (IsNearEdge(y, r.Bottom, bottom))
    return TcxPtInRectType::ptrtBottom;
  if (IsNearEdge(x, r.Left, left))
    return TcxPtInRectType::ptrtLeft;
  return TcxPtInRectType::ptrtTop;
}

TcxPtInRectType cxRectPtInEx(const TRect& r, int x, int y, int delta) {
  return cxRectPtInEx(r, x, y, delta, delta, delta, delta);
}

TcxPtInRectType cxRectPtInEx(const TRect& r, int x, int y, int horz, int vert) {
  return cxRectPtInEx(r, x, y, horz, vert, horz, vert);
}

bool cxRectIntersect(const TRect& r1, const TRect& r2) {
  TRect unused;
  return cxRectIntersect(unused, r1, r2);
}

bool cxRectIntersect(TRect& dest, const TRect& r1, const TRect& r2) {
  const TRect result{std::max(r1.Left, r2.Left), std::max(r1.Top, r2.Top),
                     std::min(r1.Right, r2.Right), std::min(r1.Bottom, r2.Bottom)};
  const bool intersects = !cxRectIsEmpty(result);
  dest = intersects ? result : cxNullRect;
  return intersects;
}

TRect cxRectUnion(const TRect& r1, const TRect& r2) {
  if (cxRectWidth(r2) <= 0 || cxRectHeight(r2) <= 0)
    return r1;
  return {std::min(r1.Left, r2.Left), std::min(r1.Top, r2.Top), std::max(r1.Right, r2.Right),
          std::max(r1.Bottom, r2.Bottom)};
}

TRect cxRectInflate(const TRect& r, int dx, int dy) { return cxRectInflate(r, dx, dy, dx, dy); }

TRect cxRectInflate(const TRect& r, int left, int top, int right, int bottom) {
  return {r.Left - left, r.Top - top, r.Right + right, r.Bottom + bottom};
}

TRect cxRectContent(const TRect& r, const TRect& margins) {
  return {r.Left + margins.Left, r.Top + margins.Top, r.Right - margins.Right,
          r.Bottom - margins.Bottom};
}

TRect cxRectInvert(const TRect& r) { return {-r.Left, -r.Top, -r.Right, -r.Bottom}; }

TRect cxRectOffset(const TRect& r, int dx, int dy) {
  return {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
}

TRect cxRectOffset(const TRect& r, const TPoint& delta) { return cxRectOffset(r, delta.X, delta.Y); }

TRect cxRectOffset(const TRect& r, std::span<const TPoint> deltas) {
  return cxRectOffset(r, cxPointSum(deltas));
}

TRect cxRectOffsetHorz(const TRect& r, int dx) { return cxRectOffset(r, dx, 0); }
TRect cxRectOffsetVert(const TRect& r, int dy) { return cxRectOffset(r, 0, dy); }

TRect cxRectSetLeft(const TRect& r, int x) { return cxRectSetLeft(r, x, cxRectWidth(r)); }

TRect cxRectSetLeft(const TRect& r, int x, int width) {
  TRect result = r;
  result.Left = x;
  result.Right = x + width;
  return result;
}

TRect cxRectSetTop(const TRect& r, int y) { return cxRectSetTop(r, y, cxRectHeight(r)); }

TRect cxRectSetTop(const TRect& r, int y, int height) {
  TRect result = r;
  result.Top = y;
  result.Bottom = y + height;
  return result;
}

TRect cxRectSetRight(const TRect& r, int x) { return cxRectSetRight(r, x, cxRectWidth(r)); }

TRect cxRectSetRight(const TRect& r, int x, int width) {
  TRect result = r;
  result.Right = x;
  result.Left = x - width;
  return result;
}

TRect cxRectSetBottom(const TRect& r, int y) { return cxRectSetBottom(r, y, cxRectHeight(r)); }

TRect cxRectSetBottom(const TRect& r, int y, int height) {
  TRect result = r;
  result.Bottom = y;
  result.Top = y - height;
  return result;
}

TRect cxRectSetWidth(const TRect& r, int width) { return cxRectSetLeft(r, r.Left, width); }
TRect cxRectSetWidth(const TRect& r, int x, int width) { return cxRectSetLeft(r, x, width); }
TRect cxRectSetHeight(const TRect& r, int height) { return cxRectSetTop(r, r.Top, height); }

TRect cxRectSetSize(const TRect& r, int width, int height) {
  return cxRectSetHeight(cxRectSetWidth(r, width), height);
}

TRect cxRectSetXPos(const TRect& r, int x1, int x2) { return {x1, r.Top, x2, r.Bottom}; }
TRect cxRectSetYPos(const TRect& r, int y1, int y2) { return {r.Left, y1, r.Right, y2}; }

void cxRectSplitHorz(const TRect& r, TRect& leftPart, TRect& rightPart) {
  const TRect source = r;
  const int middle = (source.Left + source.Right) / 2;
  leftPart = source;
  leftPart.Right = middle;
  rightPart = source;
  rightPart.Left = middle;
}

void cxRectSplitVert(const TRect& r, TRect& topPart, TRect& bottomPart) {
  const TRect source = r;
  const int middle = (source.Top + source.Bottom) / 2;
  topPart = source;
  topPart.Bottom = middle;
  bottomPart = source;
  bottomPart.Top = middle;
}

void cxRectMinMaxInit(int& min, int& max) {
  min = INT_MAX;
  max = -1;
}

void cxRectMinMaxWidth(const TRect& r, int& max, int& min) {
  max = std::max(max, r.Right);
  min = std::min(min, r.Left);
}

void cxRectMinMaxHeight(const TRect& r, int& max, int& min) {
  max = std::max(max, r.Bottom);
  min = std::min(min, r.Top);
}

void cxRectOverlapped(const TRect& r1, const TRect& r2, TRect& r1Vert, TRect& r1Horz,
                      TRect& r2Vert, TRect& r2Horz) {
  const TBandPair vert = VerticalBands(r1, r2, r1.Bottom - r2.Bottom);
  const TBandPair horz = HorizontalBands(r1, r2, r1.Right - r2.Right);
  r1Vert = vert.First;
  r2Vert = vert.Second;
  r1Horz = horz.First;
  r2Horz = horz.Second;
}

TRect cxRectScaleHeight(const TRect& r, int from, int to, int fromSize, int toSize) {
  const int height = ::MulDiv(r.Bottom - r.Top, toSize, fromSize);
  TRect result = r;
  result.Top = to + ::MulDiv(r.Top - from, toSize, fromSize);
  result.Bottom = result.Top + height;
  return result;
}

TRect cxRectScaleWidth(const TRect& r, int from, int to, int fromSize, int toSize) {
  const int width = ::MulDiv(r.Right - r.Left, toSize, fromSize);
  TRect result = r;
  result.Left = to + ::MulDiv(r.Left - from, toSize, fromSize);
  result.Right = result.Left + width;
  return result;
}

TPoint cxPoint(int x, int y) { return {x, y}; }
TPoint cxPoint(const TSize& size) { return {size.cx, size.cy}; }
TSize cxSize(int cx, int cy) { return {cx, cy}; }
bool cxPointIsEqual(const TPoint& p1, const TPoint& p2) { return p1 == p2; }
bool cxPointIsNull(const TPoint& p) { return p == cxNullPoint; }
TPoint cxPointInvert(const TPoint& p) { return {-p.X, -p.Y}; }
int cxPointGetItem(const TPoint& p, int index) { return index == 0 ? p.X : p.Y; }

TPoint cxPointReplaceItem(const TPoint& p, int index, int value) {
  TPoint result = p;
  (index == 0 ? result.X : result.Y) = value;
  return result;
}

TPoint cxPointOffset(const TPoint& p, int dx, int dy) { return {p.X + dx, p.Y + dy}; }
TPoint cxPointOffset(const TPoint& p, const TPoint& delta) { return cxPointOffset(p, delta.X, delta.Y); }

TPoint cxPointOffset(const TPoint& p, std::span<const TPoint> deltas) {
  return cxPointOffset(p, cxPointSum(deltas));
}

TPoint cxPointSum(std::span<const TPoint> points) {
  TPoint sum = cxNullPoint;
  for (const TPoint& p : points)
    sum = cxPointOffset(sum, p);
  return sum;
}

void TcxRect::Publish(TPublisher& publisher) {
  publisher.Property("Left", &TcxRect::Left, &TcxRect::SetLeft);
  publisher.Property("Top", &TcxRect::Top, &TcxRect::SetTop);
  publisher.Property("Right", &TcxRect::Right, &TcxRect::SetRight);
  publisher.Property("Bottom", &TcxRect::Bottom, &TcxRect::SetBottom);
  publisher.Property("OnChange", &TcxRect::OnChange, &TcxRect::SetOnChange);
}

void TcxRect::Assign(TPersistent* source) {
  if (auto rect = dynamic_cast<TcxRect*>(source))
    SetRect(rect->m_rect);
  else
    inherited::Assign(source);
}

void TcxRect::SetRect(const TRect& value) {
  if (cxRectIsEqual(m_rect, value))
    return;
  m_rect = value;
  DoChange();
}

int TcxRect::GetValue(int index) const {
  switch (index) {
    case 0: return m_rect.Left;
    case 1: return m_rect.Top;
    case 2: return m_rect.Right;
    default: return m_rect.Bottom;
  }
}

void TcxRect::SetValue(int index, int value) {
  TRect rect = m_rect;
  switch (index) {
    case 0: rect.Left = value; break;
    case 1: rect.Top = value; break;
    case 2: rect.Right = value; break;
    case 3: rect.Bottom = value; break;
    default: break;
  }
  SetRect(rect);
}

TPoint TcxRect::GetVertex(int index) const {
  switch (index) {
    case 0: return m_rect.TopLeft();
    case 1: return cxRectRightTop(m_rect);
    case 2: return cxRectLeftBottom(m_rect);
    default: return m_rect.BottomRight();
  }
}

void TcxRect::SetVertex(int index, const TPoint& value) {
  TRect rect = m_rect;
  const bool left = index == 0 || index == 2;
  const bool top = index == 0 || index == 1;
  if (index >= 0 && index <= 3) {
    (left ? rect.Left : rect.Right) = value.X;
    (top ? rect.Top : rect.Bottom) = value.Y;
  }
  SetRect(rect);
}

void TcxRect::DoChange() {
  if (m_onChange)
    m_onChange(this);
}
