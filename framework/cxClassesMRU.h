// Most-recently-used lists: the most recent item first, equal items held
// once, trimmed to a maximum count.
//
// Classes in this file: TcxMRUItem, TcxMRUItems.
#pragma once

#include <memory>
#include <vector>

// An entry of a most-recently-used list; each kind says when two are equal.
class TcxMRUItem {
public:
  TcxMRUItem() = default;
  TcxMRUItem(const TcxMRUItem&) = delete;
  TcxMRUItem& operator=(const TcxMRUItem&) = delete;
  virtual ~TcxMRUItem() = default;

  virtual bool Equals(const TcxMRUItem* item) const = 0;
};

class TcxMRUItems {
public:
  TcxMRUItems() = default;
  TcxMRUItems(const TcxMRUItems&) = delete;
  TcxMRUItems& operator=(const TcxMRUItems&) = delete;
  virtual ~TcxMRUItems() = default;

  // Puts 'item' first. When the list holds an equal item already, that one
  // moves to the front instead and 'item' is freed (unless it is that very
  // item); otherwise 'item' goes in and the list is trimmed to MaxCount.
  void Add(std::unique_ptr<TcxMRUItem> item);
  // The first index whose item equals 'item', or -1.
  int IndexOf(const TcxMRUItem* item) const;
  void Delete(int index);
  void ClearItems();

  int Count() const { return static_cast<int>(m_items.size()); }
  // A smaller count deletes items from the last one down; a larger one does nothing.
  void SetCount(int count);
  TcxMRUItem* Items(int index) const;

  // 0 means unlimited; a negative value becomes 0.
  int MaxCount() const { return m_maxCount; }
  void SetMaxCount(int value);

private:
  void CheckIndex(int index) const;
  void UpdateCount();

  std::vector<std::unique_ptr<TcxMRUItem>> m_items;
  int m_maxCount = 0;
};
