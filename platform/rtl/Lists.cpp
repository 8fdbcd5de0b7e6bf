#include "platform/rtl/Lists.h"

#include "platform/rtl/Exceptions.h"

#include <algorithm>
#include <new>
#include <string>

namespace {

[[noreturn]] void ListError(const char* text, int value) {
  throw EListError(std::string(text) + " (" + std::to_string(value) + ")");
}

// Growth steps of the platform's lists: small lists by 4, then 16, then a quarter.
int GrowthDelta(int capacity) {
  if (capacity > 64)
    return capacity / 4;
  return capacity > 8 ? 16 : 4;
}

} // namespace

void QuickSortIndexes(int left, int right, const std::function<int(int, int)>& compare,
                      const std::function<void(int, int)>& exchange) {
  while (left < right) {
    int i = left;
    int j = right;
    int pivot = left + (right - left) / 2;
    do {
      while (i < right && compare(i, pivot) < 0)
        ++i;
      while (j > left && compare(j, pivot) > 0)
        --j;
      if (i <= j) {
        if (i != j)
          exchange(i, j);
        if (pivot == i)
          pivot = j;
        else if (pivot == j)
          pivot = i;
        ++i;
        --j;
      }
    } while (i <= j);
    // Recurse into the smaller part and loop over the larger, so that the
    // depth stays logarithmic whatever the input.
    if (j - left < right - i) {
      QuickSortIndexes(left, j, compare, exchange);
      left = i;
    } else {
      QuickSortIndexes(i, right, compare, exchange);
      right = j;
    }
  }
}

void TList::CheckIndex(int index) const {
  if (index < 0 || index >= Count())
    IndexError(index);
}

void TList::IndexError(int index) { ListError("List index out of bounds", index); }

void TList::Grow() {
  SetCapacity(m_capacity + GrowthDelta(m_capacity));
}

int TList::Add(void* item) {
  const int index = Count();
  if (index == m_capacity)
    Grow();
  m_items.push_back(item);
  return index;
}

void TList::Insert(int index, void* item) {
  if (index < 0 || index > Count())
    ListError("List index out of bounds", index);
  if (Count() == m_capacity)
    Grow();
  m_items.insert(m_items.begin() + index, item);
}

void TList::Delete(int index) {
  CheckIndex(index);
  m_items.erase(m_items.begin() + index);
}

int TList::Remove(void* item) {
  const int index = IndexOf(item);
  if (index >= 0)
    Delete(index);
  return index;
}

void* TList::Extract(void* item) {
  return Remove(item) >= 0 ? item : nullptr;
}

int TList::IndexOf(void* item) const {
  const auto found = std::find(m_items.begin(), m_items.end(), item);
  return found == m_items.end() ? -1 : static_cast<int>(found - m_items.begin());
}

void TList::Exchange(int index1, int index2) {
  CheckIndex(index1);
  CheckIndex(index2);
  std::swap(m_items[index1], m_items[index2]);
}

void TList::Move(int curIndex, int newIndex) {
  if (curIndex == newIndex)
    return;
  CheckIndex(newIndex);
  void* item = Items(curIndex);
  m_items.erase(m_items.begin() + curIndex);
  m_items.insert(m_items.begin() + newIndex, item);
}

void TList::Sort(const TListSortCompare& compare) {
  QuickSortIndexes(
      0, Count() - 1, [&](int a, int b) { return compare(m_items[a], m_items[b]); },
      [&](int a, int b) { std::swap(m_items[a], m_items[b]); });
}

void TList::Pack() {
  std::erase(m_items, nullptr);
}

void TList::Clear() {
  SetCount(0);
  SetCapacity(0);
}

TList* TList::Expand() {
  if (Count() == m_capacity)
    Grow();
  return this;
}

void* TList::First() const {
  return Items(0);
}

void* TList::Last() const {
  return Items(Count() - 1);
}

void TList::SetCount(int count) {
  if (count < 0 || count > MaxListSize)
    ListError("List count out of bounds", count);
  if (count > m_capacity)
    SetCapacity(count);
  m_items.resize(count, nullptr);
}

void TList::SetCapacity(int capacity) {
  if (capacity < Count() || capacity > MaxListSize)
    ListError("List capacity out of bounds", capacity);
  if (capacity == m_capacity)
    return;
  if (capacity > m_capacity) {
    try {
      m_items.reserve(capacity);
    } catch (const std::bad_alloc&) {
      throw EOutOfMemory("Out of memory");
    }
  } else
    m_items.shrink_to_fit();
  m_capacity = capacity;
}

void TList::SetItems(int index, void* item) {
  CheckIndex(index);
  m_items[index] = item;
}
