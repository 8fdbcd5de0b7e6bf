// The list behind a filter drop-down: recently used entries and their
// separator, special entries ((All), (Custom...), (Blanks), ...), and the
// distinct data values in ascending order, each with its display text.
//
// Classes in this file: TcxFilterValueList.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/objects/Objects.h"
#include "platform/rtl/Variants.h"

class TcxFilterCriteria;
class TcxFilterCriteriaItem;

enum class TcxFilterValueItemKind : std::uint8_t {
  fviAll,
  fviCustom,
  fviBlanks,
  fviNonBlanks,
  fviUser,
  fviValue,
  fviMRU,
  fviMRUSeparator,
  fviSpecial,
};

struct TcxFilterValueItem {
  TcxFilterValueItemKind Kind = TcxFilterValueItemKind::fviValue;
  Variant Value;
  std::string DisplayText;
};
using PcxFilterValueItem = TcxFilterValueItem*;

class TcxFilterValueList;
using TcxFilterValueListMeta = TClassOf<TcxFilterValueList, TObject::TMeta, TcxFilterCriteria*>;
using TcxFilterValueListClass = TClassRef<TcxFilterValueList>;

class TcxFilterValueList : public TObject {
  OBJECT_CLASS_META(TcxFilterValueList, TObject, TcxFilterValueListMeta)
public:
  explicit TcxFilterValueList(TcxFilterCriteria* criteria) : m_criteria(criteria) {}

  // Adds an entry in its block: a recently used one before the separator
  // (made when missing); a special one after the specials; a value in order
  // unless it is there already or the list is full, or at the end with
  // 'append' (the caller keeps the order).
  virtual void Add(TcxFilterValueItemKind kind, const Variant& value,
                   const std::string& displayText, bool append = false);
  virtual void Clear();
  void Delete(int index);
  // Searches the recently used block, then the values (binary search); the
  // index answered is the first equal entry, or where the value belongs.
  virtual bool Find(const Variant& value, const std::string& displayText, int& index) const;
  // The first entry of the kind, -1 when none.
  int FindItemByKind(TcxFilterValueItemKind kind) const;
  // The first entry of the kind whose value equals 'value' (any value when
  // 'value' is Null), -1 when none.
  int FindItemByKind(TcxFilterValueItemKind kind, const Variant& value) const;
  // The entry of the value (found by its text too), -1 when none.
  int FindItemByValue(const Variant& value) const;
  // The entry that stands for a condition: (All) for none, (Blanks) or
  // (NonBlanks) for a blank (in)equality, the value of an equality, (Custom...)
  // otherwise; -1 when that entry does not exist.
  virtual int GetIndexByCriteriaItem(TcxFilterCriteriaItem* item) const;
  // The separator's index when only recently used entries precede it, else -1.
  int GetMRUSeparatorIndex() const;
  // The first value entry, or Count when there is none.
  int GetStartValueIndex() const;

  int Count() const { return static_cast<int>(m_items.size()); }
  // EListError for an index outside the list.
  PcxFilterValueItem Items(int index) const;
  TcxFilterCriteria* Criteria() const { return m_criteria; }
  // The criteria's MaxValueListCount; 0 means no limit.
  int MaxCount() const;
  bool SortByDisplayText() const { return m_sortByDisplayText; }
  void SetSortByDisplayText(bool value) { m_sortByDisplayText = value; }

protected:
  // Compares entry 'index' with a value and its display text, by text when
  // SortByDisplayText is set, else by the prepared values.
  virtual int CompareItem(int index, const Variant& value, const std::string& displayText) const;

private:
  void Insert(int index, TcxFilterValueItemKind kind, const Variant& value,
              const std::string& displayText);
  int AddPosition(TcxFilterValueItemKind kind, const Variant& value,
                  const std::string& displayText, bool append);

  TcxFilterCriteria* m_criteria = nullptr;
  std::vector<std::unique_ptr<TcxFilterValueItem>> m_items;
  bool m_sortByDisplayText = false;
};
