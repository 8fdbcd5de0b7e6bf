#include "framework/cxBrushCache.h"

#include "framework/cxGraphicsColors.h"

namespace {

constexpr const char* kReleaseUnusedBrush = "Release unused brush";

// Grows the capacity when full: by a quarter above 31 entries, else by 8.
void GrowWhenFull(std::vector<TcxBrushData>& data) {
  if (data.size() < data.capacity())
    return;
  const std::size_t capacity = data.capacity();
  data.reserve(capacity + (capacity > 31 ? capacity / 4 : 8));
}

} // namespace

TcxBrushCache::~TcxBrushCache() {
  for (TcxBrushData& entry : m_data)
    entry.Brush->Free();
}

TBrush* TcxBrushCache::Add(TColor color) {
  if (IsSystemColor(color))
    return cxGetSystemBrush(SystemColorIndex(color));
  return AddItemAt(FindNearestItem(color), color);
}

TBrush* TcxBrushCache::AddItemAt(int index, TColor color) {
  auto position = m_data.begin() + index;
  if (index >= Count() || position->Color != color) {
    GrowWhenFull(m_data);
    TOwned<TBrush> brush(Create<TBrush>());
    brush->SetColor(color);
    position = m_data.insert(m_data.begin() + index, TcxBrushData{brush.release(), color, 0});
  } else if (position->RefCount == 0) {
    --m_deferredCount;
  }
  ++position->RefCount;
  return position->Brush;
}

void TcxBrushCache::ReleaseBrush(TBrush*& brush) {
  const int index = IndexOfBrush(brush);
  if (index < 0)
    return;
  brush = nullptr;
  Release(index);
}

void TcxBrushCache::SetBrushColor(TBrush*& brush, TColor color) {
  ReleaseBrush(brush);
  brush = Add(color);
}

bool TcxBrushCache::IsSystemBrush(TBrush* brush) {
  if (!brush || IsSystemColor(brush->Color()))
    return true;
  for (int index = 0; index <= kLastSystemColorIndex; ++index)
    if (cxGetSystemBrush(index) == brush)
      return true;
  return false;
}

void TcxBrushCache::EndUpdate() {
  if (m_lockCount == 0)
    return;
  if (--m_lockCount == 0 && m_deferredCount > 0)
    Pack();
}

void TcxBrushCache::Recreate() {
  for (TcxBrushData& entry : m_data)
    entry.Brush->SetColor(entry.Color);
}

bool TcxBrushCache::IndexOf(TColor color, int& index) const {
  if (IsSystemColor(color)) {
    index = -1;
    return false;
  }
  index = FindNearestItem(color);
  return index < Count() && m_data[static_cast<std::size_t>(index)].Color == color;
}

void TcxBrushCache::Delete(int index) {
  if (m_lockCount > 0) {
    ++m_deferredCount;
    return;
  }
  m_data[static_cast<std::size_t>(index)].Brush->Free();
  m_data.erase(m_data.begin() + index);
}

void TcxBrushCache::Release(int index) {
  TcxBrushData& entry = m_data[static_cast<std::size_t>(index)];
  --entry.RefCount;
  CacheCheck(entry.RefCount < 0, kReleaseUnusedBrush);
  if (entry.RefCount == 0)
    Delete(index);
}

int TcxBrushCache::FindNearestItem(TColor color) const {
  int low = 0;
  int high = Count();
  while (low < high) {
    const int middle = low + (high - low) / 2;
    if (m_data[static_cast<std::size_t>(middle)].Color < color)
      low = middle + 1;
    else
      high = middle;
  }
  return low;
}

void TcxBrushCache::Pack() {
  struct TResetDeferred {
    int& Count;
    ~TResetDeferred() { Count = 0; }
  } reset{m_deferredCount};
  int remaining = m_deferredCount;
  for (int index = Count() - 1; index >= 0 && remaining > 0; --index) {
    if (m_data[static_cast<std::size_t>(index)].RefCount == 0) {
      m_data[static_cast<std::size_t>(index)].Brush->Free();
      m_data.erase(m_data.begin() + index);
      --remaining;
    }
  }
}

void TcxBrushCache::CacheCheck(bool condition, const char* message) {
  if (condition)
    throw EBrushCache(message);
}

// By identity only: the brush given may be anyone's (even one already freed),
// so it is never asked anything.
int TcxBrushCache::IndexOfBrush(TBrush* brush) const {
  for (int i = 0; i < Count(); ++i)
    if (m_data[static_cast<std::size_t>(i)].Brush == brush)
      return i;
  return -1;
}
