#include "data/cxFilterValueList.h"

#include "data/cxFilter.h"
#include "data/cxVariants.h"
#include "platform/rtl/AnsiStrings.h"

using enum TcxFilterValueItemKind;

void TcxFilterValueList::Add(TcxFilterValueItemKind kind, const Variant& value,
                             const std::string& displayText, bool append) {
  const int position = AddPosition(kind, value, displayText, append);
  if (position >= 0)
    Insert(position, kind, value, displayText);
}

// Where a new entry goes; -1 when it is not to be added.
int TcxFilterValueList::AddPosition(TcxFilterValueItemKind kind, const Variant& value,
                                    const std::string& displayText, bool append) {
  if (kind == fviMRU) {
    const int separator = GetMRUSeparatorIndex();
    if (separator != -1)
      return separator;
    Insert(0, fviMRUSeparator, Null(), std::string());
    return 0;
  }
  if (kind != fviValue)
    return GetStartValueIndex();
  if (append)
    return Count();
  if (MaxCount() != 0 && Count() >= MaxCount())
    return -1;
  int position = 0;
  return Find(value, displayText, position) ? -1 : position;
}

void TcxFilterValueList::Insert(int index, TcxFilterValueItemKind kind, const Variant& value,
                                const std::string& displayText) {
  auto item = std::make_unique<TcxFilterValueItem>();
  item->Kind = kind;
  item->Value = value;
  item->DisplayText = displayText;
  m_items.insert(m_items.begin() + index, std::move(item));
}

void TcxFilterValueList::Clear() { m_items.clear(); }

void TcxFilterValueList::Delete(int index) {
  Items(index);
  m_items.erase(m_items.begin() + index);
}

PcxFilterValueItem TcxFilterValueList::Items(int index) const {
  if (index < 0 || index >= Count())
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  return m_items[static_cast<std::size_t>(index)].get();
}

int TcxFilterValueList::MaxCount() const {
  return m_criteria ? m_criteria->MaxValueListCount() : 0;
}

int TcxFilterValueList::CompareItem(int index, const Variant& value,
                                    const std::string& displayText) const {
  const TcxFilterValueItem& item = *Items(index);
  if (m_sortByDisplayText) {
    if (m_criteria &&
        m_criteria->Options().Contains(TcxFilterCriteriaOption::fcoCaseInsensitive))
      return AnsiCompareStr(AnsiUpperCase(item.DisplayText), AnsiUpperCase(displayText));
    return AnsiCompareStr(item.DisplayText, displayText);
  }
  if (!m_criteria)
    return VarCompare(item.Value, value);
  return VarCompare(m_criteria->PrepareValue(item.Value), m_criteria->PrepareValue(value));
}

bool TcxFilterValueList::Find(const Variant& value, const std::string& displayText,
                              int& index) const {
  const int separator = GetMRUSeparatorIndex();
  for (int i = 0; i < separator; ++i)
    if (CompareItem(i, value, displayText) == 0) {
      index = i;
      return true;
    }
  bool found = false;
  int low = GetStartValueIndex();
  int high = Count() - 1;
  while (low <= high) {
    const int middle =
        static_cast<int>((static_cast<unsigned>(low) + static_cast<unsigned>(high)) >> 1);
    const int compared = CompareItem(middle, value, displayText);
    if (compared < 0) {
      low = middle + 1;
    } else {
      high = middle - 1;
      if (compared == 0) {
        found = true;
        low = middle;
      }
    }
  }
  index = low;
  return found;
}

int TcxFilterValueList::FindItemByKind(TcxFilterValueItemKind kind) const {
  for (int i = 0; i < Count(); ++i)
    if (m_items[static_cast<std::size_t>(i)]->Kind == kind)
      return i;
  return -1;
}

int TcxFilterValueList::FindItemByKind(TcxFilterValueItemKind kind, const Variant& value) const {
  for (int i = 0; i < Count(); ++i) {
    const TcxFilterValueItem& item = *m_items[static_cast<std::size_t>(i)];
    if (item.Kind == kind && (VarIsNull(value) || VarEquals(item.Value, value)))
      return i;
  }
  return -1;
}

int TcxFilterValueList::FindItemByValue(const Variant& value) const {
  int index = -1;
  return Find(value, VarToStr(value), index) ? index : -1;
}

int TcxFilterValueList::GetIndexByCriteriaItem(TcxFilterCriteriaItem* item) const {
  using enum TcxFilterOperatorKind;
  if (!item)
    return FindItemByKind(fviAll);
  const TcxFilterOperatorKind kind = item->OperatorKind();
  if (item->ValueIsNull(item->Value()) && (kind == foEqual || kind == foNotEqual))
    return FindItemByKind(kind == foEqual ? fviBlanks : fviNonBlanks);
  int index = -1;
  if (kind == foEqual && Find(item->Value(), item->DisplayValue(), index))
    return index;
  return FindItemByKind(fviCustom);
}

int TcxFilterValueList::GetMRUSeparatorIndex() const {
  for (int i = 0; i < Count(); ++i) {
    const TcxFilterValueItemKind kind = m_items[static_cast<std::size_t>(i)]->Kind;
    if (kind == fviMRUSeparator)
      return i;
    if (kind != fviMRU)
      return -1;
  }
  return -1;
}

int TcxFilterValueList::GetStartValueIndex() const {
  const int found = FindItemByKind(fviValue);
  return found == -1 ? Count() : found;
}
