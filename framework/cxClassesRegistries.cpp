#include "framework/cxClassesRegistries.h"

#include <algorithm>
#include <utility>

#include "platform/rtl/AnsiStrings.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Lists.h"

namespace {

void CheckClass(TClass cls) {
  if (!cls)
    throw EInvalidOperation("A class registry cannot hold a nil class");
}

[[noreturn]] void RaiseIndexError(int index) {
  throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}

std::string DescriptionOf(const std::string& text) {
  const auto bar = text.find('|');
  return bar == std::string::npos ? text : text.substr(0, bar);
}

std::string HintOf(const std::string& text) {
  const auto bar = text.find('|');
  return bar == std::string::npos ? text : text.substr(bar + 1);
}

} // namespace

bool TcxRegisteredClassList::Find(TClass itemClass, int& index) const {
  if (!itemClass)
    return false;
  for (int i = Count() - 1; i >= 0; --i) {
    const TClass entryClass = m_items[i].ItemClass;
    if (itemClass->InheritsFrom(entryClass)) {
      index = i;
      return true;
    }
    if (entryClass->InheritsFrom(itemClass))
      index = i;
  }
  return false;
}

TClass TcxRegisteredClassList::FindClass(TClass itemClass) const {
  int index = -1;
  return Find(itemClass, index) ? m_items[index].RegisteredClass : nullptr;
}

void TcxRegisteredClassList::Register(TClass itemClass, TClass registeredClass) {
  CheckClass(itemClass);
  const TcxRegisteredClassListItemData entry{itemClass, registeredClass};
  int position = -1;
  if (Find(itemClass, position))
    m_items.insert(m_items.begin() + position + 1, entry);
  else if (position == -1)
    m_items.push_back(entry);
  else
    m_items.insert(m_items.begin() + position, entry);
}

void TcxRegisteredClassList::Unregister(TClass itemClass, TClass registeredClass) {
  std::erase_if(m_items, [&](const TcxRegisteredClassListItemData& entry) {
    return entry.ItemClass == itemClass && entry.RegisteredClass == registeredClass;
  });
}

const TcxRegisteredClassListItemData& TcxRegisteredClassList::Items(int index) const {
  if (index < 0 || index >= Count())
    RaiseIndexError(index);
  return m_items[index];
}

TcxRegisteredClasses::TcxRegisteredClasses(bool registerClasses)
    : m_registerClasses(registerClasses) {}

TClass TcxRegisteredClasses::Items(int index) const { return Entry(index).Class; }

std::string TcxRegisteredClasses::GetDescription(int index) const {
  return DescriptionOf(Entry(index).Text);
}

std::string TcxRegisteredClasses::GetHint(int index) const { return HintOf(Entry(index).Text); }

void TcxRegisteredClasses::Register(TClass cls, const std::string& description) {
  CheckClass(cls);
  if (GetIndexByClass(cls) >= 0)
    return;
  m_entries.push_back({description, cls});
  if (m_sorted)
    Sort();
  if (m_registerClasses)
    RegisterClass(cls);
}

void TcxRegisteredClasses::Unregister(TClass cls) {
  const int index = GetIndexByClass(cls);
  if (index >= 0)
    m_entries.erase(m_entries.begin() + index);
}

int TcxRegisteredClasses::GetIndexByClass(TClass cls) const {
  for (int i = 0; i < Count(); ++i)
    if (m_entries[i].Class == cls)
      return i;
  return -1;
}

std::string TcxRegisteredClasses::GetDescriptionByClass(TClass cls) const {
  const int index = GetIndexByClass(cls);
  return index < 0 ? std::string() : GetDescription(index);
}

std::string TcxRegisteredClasses::GetHintByClass(TClass cls) const {
  const int index = GetIndexByClass(cls);
  return index < 0 ? std::string() : GetHint(index);
}

TClass TcxRegisteredClasses::FindByClassName(std::string_view name) const {
  for (const TEntry& entry : m_entries)
    if (entry.Class->ClassName() == name)
      return entry.Class;
  return nullptr;
}

TClass TcxRegisteredClasses::FindByDescription(std::string_view description) const {
  for (const TEntry& entry : m_entries)
    if (DescriptionOf(entry.Text) == description)
      return entry.Class;
  return nullptr;
}

void TcxRegisteredClasses::SetSorted(bool value) {
  if (m_sorted == value)
    return;
  m_sorted = value;
  if (m_sorted)
    Sort();
}

int TcxRegisteredClasses::CompareItems(int index1, int index2) const {
  return AnsiCompareText(GetDescription(index1), GetDescription(index2));
}

void TcxRegisteredClasses::Sort() {
  QuickSortIndexes(
      0, Count() - 1, [this](int i, int j) { return CompareItems(i, j); },
      [this](int i, int j) { std::swap(m_entries[i], m_entries[j]); });
}

const TcxRegisteredClasses::TEntry& TcxRegisteredClasses::Entry(int index) const {
  if (index < 0 || index >= Count())
    RaiseIndexError(index);
  return m_entries[index];
}
