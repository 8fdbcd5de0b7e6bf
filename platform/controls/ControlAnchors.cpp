#include "platform/controls/ControlAnchors.h"

#include <algorithm>

#include "platform/rtl/WinApi.h"

namespace {

// A control's start and end along one axis.
struct TSpan {
  int Start;
  int End;
};

// The span along one axis in a parent now 'extent' long, placed when it was
// 'placedExtent' long.
TSpan Anchored(TSpan placed, int placedExtent, bool nearAnchor, bool farAnchor, int extent) {
  const int size = placed.End - placed.Start;
  const int growth = extent - placedExtent;
  if (nearAnchor && farAnchor)
    return {placed.Start, std::max(placed.Start, placed.End + growth)};
  if (farAnchor)
    return {placed.Start + growth, placed.End + growth};
  if (nearAnchor || placedExtent <= 0)
    return placed;
  const int start = ::MulDiv(placed.Start + size / 2, extent, placedExtent) - size / 2;
  return {start, start + size};
}

} // namespace

TRect AnchoredBounds(const TAnchorPlacement& placed, TAnchors anchors, TPoint parentSize) {
  using enum TAnchorKind;
  const TRect& r = placed.Bounds;
  const TSpan x = Anchored({r.Left, r.Right}, placed.ParentSize.X, anchors.Contains(akLeft),
                           anchors.Contains(akRight), parentSize.X);
  const TSpan y = Anchored({r.Top, r.Bottom}, placed.ParentSize.Y, anchors.Contains(akTop),
                           anchors.Contains(akBottom), parentSize.Y);
  return Rect(x.Start, y.Start, x.End, y.End);
}
