// Rectangle and point geometry: the constants and free routines over TRect,
// TPoint and TSize that the whole library measures and moves with, and
// TcxRect, a rectangle that can be stored in form definitions.
//
// Left and Top lie inside a rectangle, Right and Bottom outside. Every routine
// is a pure function: it returns a new value and never changes its input
// (the routines with reference outputs compute into temporaries first, so an
// output may alias an input). Integer division truncates toward zero; scaling
// uses the platform's MulDiv, which rounds halves away from zero.
#pragma once

#include <span>

#include "platform/objects/Events.h"
#include "platform/objects/Persistent.h"
#include "platform/rtl/Types.h"
#include "platform/rtl/UnitStartup.h"

inline constexpr TRect cxNullRect{0, 0, 0, 0};
inline constexpr TSize cxNullSize{0, 0};
inline constexpr TPoint cxNullPoint{0, 0};
inline constexpr TRect cxInvalidRect{-1, -1, -1, -1};
inline constexpr TPoint cxInvalidPoint{-1, -1};
inline constexpr TRect cxSimpleRect{1, 1, 1, 1};

// Answer of the border-zone hit test cxRectPtInEx.
enum class TcxPtInRectType { ptrtNone, ptrtArea, ptrtLeft, ptrtTop, ptrtRight, ptrtBottom };

// Construction and measurement. A side index is 0 Left, 1 Top, 2 Right, 3 Bottom.
TRect cxRect(int left, int top, int right, int bottom);
TRect cxRect(const TPoint& topLeft, const TPoint& bottomRight);
TRect cxRectBounds(int left, int top, int width, int height);
int cxRectWidth(const TRect& r);
int cxRectHeight(const TRect& r);
TSize cxRectSize(const TRect& r);
// Width for index 0, height for any other index.
int cxRectGetSize(const TRect& r, int index);
// The side of the index; 0 for an index outside 0..3.
int cxRectGetItem(const TRect& r, int index);
TPoint cxRectLeftBottom(const TRect& r);
TPoint cxRectRightTop(const TRect& r);
TPoint cxRectCenter(const TRect& r);
// A width x height rectangle centred in r.
TRect cxRectCenter(const TRect& r, int width, int height);
TRect cxRectCenter(const TRect& r, const TSize& size);

// Tests.
bool cxRectIsEmpty(const TRect& r);
bool cxRectIsNull(const TRect& r);
bool cxRectIsInvalid(const TRect& r);
bool cxRectIsEqual(const TRect& r1, const TRect& r2);
bool cxRectCompare(const TRect& r1, const TRect& r2);
// Whether inner lies within bounds; edges may coincide.
bool cxRectContain(const TRect& bounds, const TRect& inner);
bool cxRectPtIn(const TRect& r, const TPoint& p);
bool cxRectPtIn(const TRect& r, int x, int y);
// Hit test with a border zone around r. In a corner zone Right wins over
// Bottom, and both win over Left and Top.
TcxPtInRectType cxRectPtInEx(const TRect& r, int x, int y, int left, int top, int right,
                             int bottom);
TcxPtInRectType cxRectPtInEx(const TRect& r, int x, int y, int delta);
TcxPtInRectType cxRectPtInEx(const TRect& r, int x, int y, int horz, int vert);

// Combination.
bool cxRectIntersect(const TRect& r1, const TRect& r2);
// dest becomes the intersection, or cxNullRect when that is empty (answer false).
bool cxRectIntersect(TRect& dest, const TRect& r1, const TRect& r2);
// r1 itself when r2 has no area; r1 is not tested for emptiness.
TRect cxRectUnion(const TRect& r1, const TRect& r2);
TRect cxRectInflate(const TRect& r, int dx, int dy);
TRect cxRectInflate(const TRect& r, int left, int top, int right, int bottom);
TRect cxRectContent(const TRect& r, const TRect& margins);
TRect cxRectInvert(const TRect& r);

// Moving.
TRect cxRectOffset(const TRect& r, int dx, int dy);
TRect cxRectOffset(const TRect& r, const TPoint& delta);
TRect cxRectOffset(const TRect& r, std::span<const TPoint> deltas);
TRect cxRectOffsetHorz(const TRect& r, int dx);
TRect cxRectOffsetVert(const TRect& r, int dy);

// Copies of r with some sides replaced. The one-value forms of SetLeft,
// SetTop, SetRight and SetBottom move r and keep its width or height.
TRect cxRectSetLeft(const TRect& r, int x);
TRect cxRectSetLeft(const TRect& r, int x, int width);
TRect cxRectSetTop(const TRect& r, int y);
TRect cxRectSetTop(const TRect& r, int y, int height);
TRect cxRectSetRight(const TRect& r, int x);
TRect cxRectSetRight(const TRect& r, int x, int width);
TRect cxRectSetBottom(const TRect& r, int y);
TRect cxRectSetBottom(const TRect& r, int y, int height);
TRect cxRectSetWidth(const TRect& r, int width);
TRect cxRectSetWidth(const TRect& r, int x, int width);
TRect cxRectSetHeight(const TRect& r, int height);
TRect cxRectSetSize(const TRect& r, int width, int height);
TRect cxRectSetXPos(const TRect& r, int x1, int x2);
TRect cxRectSetYPos(const TRect& r, int y1, int y2);

// Halves of r split at the middle of its width or height.
void cxRectSplitHorz(const TRect& r, TRect& leftPart, TRect& rightPart);
void cxRectSplitVert(const TRect& r, TRect& topPart, TRect& bottomPart);

// Accumulators of the extent of several rectangles (maximum first).
void cxRectMinMaxInit(int& min, int& max);
void cxRectMinMaxWidth(const TRect& r, int& max, int& min);
void cxRectMinMaxHeight(const TRect& r, int& max, int& min);

// The bands that two equally sized rectangles offset from each other (as when
// scrolling) do not share: each Vert band spans its rectangle's full width,
// each Horz band its full height; cxNullRect where there is no offset.
void cxRectOverlapped(const TRect& r1, const TRect& r2, TRect& r1Vert, TRect& r1Horz,
                      TRect& r2Vert, TRect& r2Horz);

// r's vertical (or horizontal) coordinates mapped from the system starting at
// 'from' with extent fromSize onto the one starting at 'to' with extent toSize.
TRect cxRectScaleHeight(const TRect& r, int from, int to, int fromSize, int toSize);
TRect cxRectScaleWidth(const TRect& r, int from, int to, int fromSize, int toSize);

// Points and sizes.
TPoint cxPoint(int x, int y);
TPoint cxPoint(const TSize& size);
TSize cxSize(int cx, int cy);
bool cxPointIsEqual(const TPoint& p1, const TPoint& p2);
bool cxPointIsNull(const TPoint& p);
TPoint cxPointInvert(const TPoint& p);
// X for index 0, Y for any other index.
int cxPointGetItem(const TPoint& p, int index);
TPoint cxPointReplaceItem(const TPoint& p, int index, int value);
TPoint cxPointOffset(const TPoint& p, int dx, int dy);
TPoint cxPointOffset(const TPoint& p, const TPoint& delta);
TPoint cxPointOffset(const TPoint& p, std::span<const TPoint> deltas);
TPoint cxPointSum(std::span<const TPoint> points);

// A rectangle held by a persistent owner, stored in form definitions as its
// four sides (always written). A side or corner index is 0 Left, 1 Top,
// 2 Right, 3 Bottom; a corner index 0 (Left, Top), 1 (Right, Top),
// 2 (Left, Bottom), 3 (Right, Bottom).
class TcxRect;
using TcxRectMeta = TClassOf<TcxRect, TPersistent::TMeta, TPersistent*>;

class TcxRect : public TPersistent {
  OBJECT_CLASS_META(TcxRect, TPersistent, TcxRectMeta)
public:
  static void Publish(TPublisher& publisher);

  explicit TcxRect(TPersistent* owner) : m_owner(owner) {}

  // From another TcxRect; anything else cannot be assigned.
  void Assign(TPersistent* source) override;
  TPersistent* GetOwner() override { return m_owner; }

  const TRect& Rect() const { return m_rect; }
  // Stores a rectangle that differs in any side, then announces the change.
  void SetRect(const TRect& value);
  // Reading answers Bottom for any index outside 0..2; writing an index
  // outside 0..3 changes nothing.
  int GetValue(int index) const;
  void SetValue(int index, int value);
  TPoint GetVertex(int index) const;
  void SetVertex(int index, const TPoint& value);

  int Left() const { return GetValue(0); }
  void SetLeft(int value) { SetValue(0, value); }
  int Top() const { return GetValue(1); }
  void SetTop(int value) { SetValue(1, value); }
  int Right() const { return GetValue(2); }
  void SetRight(int value) { SetValue(2, value); }
  int Bottom() const { return GetValue(3); }
  void SetBottom(int value) { SetValue(3, value); }
  int Width() const { return cxRectWidth(m_rect); }
  void SetWidth(int value) { SetValue(2, m_rect.Left + value); }
  int Height() const { return cxRectHeight(m_rect); }
  void SetHeight(int value) { SetValue(3, m_rect.Top + value); }

  bool IsEqual(const TRect& rect) const { return cxRectIsEqual(m_rect, rect); }
  bool IsEqual(const TcxRect& rect) const { return cxRectIsEqual(m_rect, rect.m_rect); }
  // The stored rectangle itself, for reading without a copy.
  const TRect* GetData() const { return &m_rect; }

  const TNotifyEvent& OnChange() const { return m_onChange; }
  void SetOnChange(TNotifyEvent handler) { m_onChange = std::move(handler); }

protected:
  virtual void DoChange();

private:
  TPersistent* m_owner = nullptr;
  TRect m_rect;
  TNotifyEvent m_onChange;
};

// Start-up registers TcxRect with the class registry so that form
// definitions can name it; shut-down unregisters it.
extern const TUnitInfo cxGeometryUnit;
