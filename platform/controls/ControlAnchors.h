// Anchoring: where a control goes when its parent's client area changes
// size. A control remembers where it stood when it was last placed (its
// bounds and its parent's client size then); its anchored edges keep their
// distances to the parent's edges, both anchors of an axis stretch it, and
// with neither anchor of an axis its centre keeps its share of the parent.
//
// Classes in this file: TAnchorPlacement.
#pragma once

#include "platform/controls/ControlTypes.h"
#include "platform/rtl/Types.h"

struct TAnchorPlacement {
  TRect Bounds{};
  // The parent's client width (X) and height (Y).
  TPoint ParentSize{};
};

// The bounds of a control placed as 'placed' says, anchored by 'anchors', in
// a parent whose client area is now 'parentSize'.
TRect AnchoredBounds(const TAnchorPlacement& placed, TAnchors anchors, TPoint parentSize);
