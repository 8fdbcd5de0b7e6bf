#include "framework/cxClassesMRU.h"

#include <algorithm>
#include <string>

#include "platform/rtl/Exceptions.h"

void TcxMRUItems::Add(std::unique_ptr<TcxMRUItem> item) {
  const int index = IndexOf(item.get());
  if (index < 0) {
    m_items.insert(m_items.begin(), std::move(item));
    UpdateCount();
    return;
  }
  // The list keeps its own instance; when the caller passed that very
  // instance, it must not be freed.
  if (m_items[index].get() == item.get())
    item.release();
  std::rotate(m_items.begin(), m_items.begin() + index, m_items.begin() + index + 1);
}

int TcxMRUItems::IndexOf(const TcxMRUItem* item) const {
  for (int i = 0; i < Count(); ++i)
    if (m_items[i]->Equals(item))
      return i;
  return -1;
}

void TcxMRUItems::Delete(int index) {
  CheckIndex(index);
  m_items.erase(m_items.begin() + index);
}

void TcxMRUItems::ClearItems() {
  for (int i = Count() - 1; i >= 0; --i)
    Delete(i);
}

void TcxMRUItems::SetCount(int count) {
  for (int i = Count() - 1; i >= std::max(count, 0); --i)
    Delete(i);
}

TcxMRUItem* TcxMRUItems::Items(int index) const {
  CheckIndex(index);
  return m_items[index].get();
}

void TcxMRUItems::SetMaxCount(int value) {
  value = std::max(value, 0);
  if (value == m_maxCount)
    return;
  m_maxCount = value;
  UpdateCount();
}

void TcxMRUItems::CheckIndex(int index) const {
  if (index < 0 || index >= Count())
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}

void TcxMRUItems::UpdateCount() {
  if (m_maxCount != 0)
    SetCount(m_maxCount);
}
