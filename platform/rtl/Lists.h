// Lists of the class library: TList, an ordered list of untyped pointers, and
// the index-based quick sort that TList and the string lists share.
//
// Classes in this file: TList.
#pragma once

#include <functional>
#include <vector>

// The largest number of entries a list may hold, as on the platform.
constexpr int MaxListSize = 0x7FFFFFFF / 16;

// Negative, zero or positive as item1 sorts before, with or after item2.
using TListSortCompare = std::function<int(void* item1, void* item2)>;

// Sorts the entries left..right in place by quick sort: 'compare' compares
// two entries by index, 'exchange' swaps two. Not stable: equal entries end
// up in no fixed order. A compare function that contradicts itself leaves the
// range in some order, but never reaches outside it.
void QuickSortIndexes(int left, int right, const std::function<int(int, int)>& compare,
                      const std::function<void(int, int)>& exchange);

class TList {
public:
  TList() = default;
  TList(const TList&) = delete;
  TList& operator=(const TList&) = delete;
  virtual ~TList() = default;

  int Add(void* item);
  void Insert(int index, void* item);
  void Delete(int index);
  // Removes the first occurrence of item; answers its former index or -1.
  int Remove(void* item);
  // Removes the first occurrence of item; answers item, or nullptr when absent.
  void* Extract(void* item);
  int IndexOf(void* item) const;
  void Exchange(int index1, int index2);
  void Move(int curIndex, int newIndex);
  void Sort(const TListSortCompare& compare);
  // Removes every nullptr entry.
  void Pack();
  virtual void Clear();
  // Grows the capacity when the list is full; answers this list.
  TList* Expand();

  void* First() const;
  void* Last() const;

  int Count() const { return static_cast<int>(m_items.size()); }
  // Growing fills the new slots with nullptr; shrinking deletes from the end.
  void SetCount(int count);
  int Capacity() const { return m_capacity; }
  void SetCapacity(int capacity);

  // Inline: lists are read in inner loops.
  void* Items(int index) const {
    if (index < 0 || index >= Count())
      IndexError(index);
    return m_items[static_cast<std::size_t>(index)];
  }
  void SetItems(int index, void* item);

private:
  void Grow();
  void CheckIndex(int index) const;
  [[noreturn]] static void IndexError(int index);

  std::vector<void*> m_items;
  int m_capacity = 0;
};
