// Regions of the drawing layer: one owned platform region with the
// arithmetic the library clips and invalidates with.
//
// Classes in this file: TcxRegion.
#pragma once

#include "platform/objects/Objects.h"
#include "platform/rtl/Types.h"
#include "platform/rtl/WinApi.h"

// How a region is combined with another; the values follow the platform's
// combine modes through cxRegionCombineMode.
enum class TcxRegionOperation { roSet, roAdd, roSubtract, roIntersect };

// RGN_COPY, RGN_OR, RGN_DIFF or RGN_AND.
int cxRegionCombineMode(TcxRegionOperation operation);

// Owns one region handle, deleted with the object. A region handed to
// Combine (or to a canvas's SetClipRegion) with the destroy flag becomes the
// callee's: the caller never touches it again.
class TcxRegion : public TObject {
  OBJECT_CLASS(TcxRegion, TObject)
public:
  // Takes ownership of an existing handle (nil: none, every query answers
  // as for an empty region and Combine makes a handle first).
  explicit TcxRegion(HRGN handle);
  explicit TcxRegion(const TRect& r);
  TcxRegion(int left, int top, int right, int bottom);
  // The empty region (0, 0, 0, 0).
  TcxRegion();
  ~TcxRegion() override;

  HRGN Handle() const { return m_handle; }
  // Deletes the handle (if any) and forgets it.
  void DestroyHandle();

  bool IsEmpty() const;
  // roSet makes this region a copy of 'region'; the others combine in place
  // (this := this op region). 'region' is freed afterwards when 'destroy'.
  // A nil region changes nothing.
  void Combine(TcxRegion* region, TcxRegionOperation operation, bool destroy = true);
  // False for nil; true when both are empty or the platform finds them equal.
  bool IsEqual(TcxRegion* region) const;
  // The platform's equality with a raw handle.
  bool IsEqual(HRGN handle) const;
  void Offset(int dx, int dy);
  bool PtInRegion(const TPoint& p) const { return PtInRegion(p.X, p.Y); }
  bool PtInRegion(int x, int y) const;
  // Whether any part of the rectangle lies in the region.
  bool RectInRegion(const TRect& r) const;
  bool RectInRegion(int left, int top, int right, int bottom) const {
    return RectInRegion(Rect(left, top, right, bottom));
  }

private:
  HRGN m_handle = nullptr;
};
