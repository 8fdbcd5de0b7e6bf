#include "framework/cxGraphicsRegions.h"

namespace {

HRGN NewRectRegion(int left, int top, int right, int bottom) {
  HRGN handle = ::CreateRectRgn(left, top, right, bottom);
  if (!handle)
    throw EOutOfMemory("Out of system resources");
  return handle;
}

} // namespace

int cxRegionCombineMode(TcxRegionOperation operation) {
  switch (operation) {
  case TcxRegionOperation::roSet:
    return RGN_COPY;
  case TcxRegionOperation::roAdd:
    return RGN_OR;
  case TcxRegionOperation::roSubtract:
    return RGN_DIFF;
  case TcxRegionOperation::roIntersect:
    return RGN_AND;
  }
  return RGN_COPY;
}

TcxRegion::TcxRegion(HRGN handle) : m_handle(handle) {}

TcxRegion::TcxRegion(const TRect& r) : TcxRegion(r.Left, r.Top, r.Right, r.Bottom) {}

TcxRegion::TcxRegion(int left, int top, int right, int bottom)
    : m_handle(NewRectRegion(left, top, right, bottom)) {}

TcxRegion::TcxRegion() : TcxRegion(0, 0, 0, 0) {}

TcxRegion::~TcxRegion() { DestroyHandle(); }

void TcxRegion::DestroyHandle() {
  if (m_handle) {
    ::DeleteObject(m_handle);
    m_handle = nullptr;
  }
}

bool TcxRegion::IsEmpty() const {
  RECT box;
  return !m_handle || ::GetRgnBox(m_handle, &box) == NULLREGION;
}

void TcxRegion::Combine(TcxRegion* region, TcxRegionOperation operation, bool destroy) {
  if (!region)
    return;
  if (!m_handle)
    m_handle = NewRectRegion(0, 0, 0, 0);
  if (region->m_handle) {
    if (operation == TcxRegionOperation::roSet)
      ::CombineRgn(m_handle, region->m_handle, nullptr, RGN_COPY);
    else
      ::CombineRgn(m_handle, m_handle, region->m_handle, cxRegionCombineMode(operation));
  } else if (operation == TcxRegionOperation::roSet || operation == TcxRegionOperation::roIntersect) {
    ::SetRectRgn(m_handle, 0, 0, 0, 0);
  }
  if (destroy)
    region->Free();
}

bool TcxRegion::IsEqual(TcxRegion* region) const {
  if (!region)
    return false;
  if (IsEmpty() && region->IsEmpty())
    return true;
  return m_handle && region->m_handle && IsEqual(region->m_handle);
}

bool TcxRegion::IsEqual(HRGN handle) const {
  return m_handle && handle && ::EqualRgn(m_handle, handle);
}

void TcxRegion::Offset(int dx, int dy) {
  if (m_handle)
    ::OffsetRgn(m_handle, dx, dy);
}

bool TcxRegion::PtInRegion(int x, int y) const {
  return m_handle && ::PtInRegion(m_handle, x, y);
}

bool TcxRegion::RectInRegion(const TRect& r) const {
  return m_handle && ::RectInRegion(m_handle, AsRECT(r));
}
