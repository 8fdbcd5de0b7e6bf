#include "platform/objects/InterfaceList.h"

#include <algorithm>
#include <string>
#include <utility>

#include "platform/rtl/Exceptions.h"

namespace {

void AddRef(IInterface* item) {
  if (item)
    item->_AddRef();
}

void Release(IInterface* item) {
  if (item)
    item->_Release();
}

} // namespace

TInterfaceList::~TInterfaceList() { Clear(); }

int TInterfaceList::Add(IInterface* item) {
  Insert(Count(), item);
  return Count() - 1;
}

void TInterfaceList::Insert(int index, IInterface* item) {
  if (index != Count())
    CheckIndex(index);
  AddRef(item);
  m_items.insert(m_items.begin() + index, item);
}

void TInterfaceList::Delete(int index) {
  CheckIndex(index);
  IInterface* item = m_items[static_cast<std::size_t>(index)];
  m_items.erase(m_items.begin() + index);
  Release(item);
}

int TInterfaceList::Remove(IInterface* item) {
  const int index = IndexOf(item);
  if (index >= 0)
    Delete(index);
  return index;
}

int TInterfaceList::IndexOf(IInterface* item) const {
  const auto found = std::find(m_items.begin(), m_items.end(), item);
  return found == m_items.end() ? -1 : static_cast<int>(found - m_items.begin());
}

void TInterfaceList::Exchange(int index1, int index2) {
  CheckIndex(index1);
  CheckIndex(index2);
  std::swap(m_items[static_cast<std::size_t>(index1)], m_items[static_cast<std::size_t>(index2)]);
}

// Entries are released from the end, and the list is empty before any
// release runs: a release that frees an object which then reaches this list
// finds it consistent.
void TInterfaceList::Clear() {
  std::vector<IInterface*> items;
  items.swap(m_items);
  for (auto it = items.rbegin(); it != items.rend(); ++it)
    Release(*it);
}

IInterface* TInterfaceList::Items(int index) const {
  CheckIndex(index);
  return m_items[static_cast<std::size_t>(index)];
}

void TInterfaceList::SetItems(int index, IInterface* item) {
  CheckIndex(index);
  AddRef(item);
  std::swap(m_items[static_cast<std::size_t>(index)], item);
  Release(item);
}

void TInterfaceList::CheckIndex(int index) const {
  if (index < 0 || index >= Count())
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}
