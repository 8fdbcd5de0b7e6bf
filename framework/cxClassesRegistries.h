// Class registries of the library.
//
// TcxRegisteredClassList maps item classes to registered classes (an editor
// kind to its helper, say) and answers, for any class, the entry of its
// nearest registered ancestor. TcxRegisteredClasses lists classes with a
// "description|hint" text each, such as the editor properties classes a
// designer offers.
//
// Classes in this file: TcxRegisteredClassListItemData, TcxRegisteredClassList,
// TcxRegisteredClasses.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/objects/Objects.h"

struct TcxRegisteredClassListItemData {
  TClass ItemClass = nullptr;
  TClass RegisteredClass = nullptr;
};

// Entries stay ordered so that an ancestor's entry comes before the entries
// of its descendants.
class TcxRegisteredClassList {
public:
  TcxRegisteredClassList() = default;
  TcxRegisteredClassList(const TcxRegisteredClassList&) = delete;
  TcxRegisteredClassList& operator=(const TcxRegisteredClassList&) = delete;
  virtual ~TcxRegisteredClassList() = default;

  // True when itemClass or one of its ancestors is registered, with 'index'
  // at the nearest such entry (of one class, the last registered). Otherwise
  // 'index' is the first entry of a registered descendant, or unchanged when
  // there is none.
  virtual bool Find(TClass itemClass, int& index) const;
  // The class registered for itemClass or its nearest registered ancestor; nil when none.
  TClass FindClass(TClass itemClass) const;
  // Adds an entry right after the nearest ancestor's entry, or before the
  // first descendant's. Registering a pair twice makes two entries.
  virtual void Register(TClass itemClass, TClass registeredClass);
  // Removes every entry of exactly this pair.
  virtual void Unregister(TClass itemClass, TClass registeredClass);
  void Clear() { m_items.clear(); }

  int Count() const { return static_cast<int>(m_items.size()); }
  // Raises EListError for a bad index.
  const TcxRegisteredClassListItemData& Items(int index) const;

private:
  std::vector<TcxRegisteredClassListItemData> m_items;
};

class TcxRegisteredClasses {
public:
  // With registerClasses set, every class registered here is also registered
  // with the class registry of form definitions.
  explicit TcxRegisteredClasses(bool registerClasses = false);
  TcxRegisteredClasses(const TcxRegisteredClasses&) = delete;
  TcxRegisteredClasses& operator=(const TcxRegisteredClasses&) = delete;
  virtual ~TcxRegisteredClasses() = default;

  int Count() const { return static_cast<int>(m_entries.size()); }
  // Raises EListError for a bad index.
  TClass Items(int index) const;
  // The text before the first "|", or the whole text without one.
  std::string GetDescription(int index) const;
  // The text after the first "|", or the whole text without one.
  std::string GetHint(int index) const;

  // Does nothing when the class is registered already.
  void Register(TClass cls, const std::string& description);
  // Removes the class's entry; a registration with the class registry stays.
  void Unregister(TClass cls);
  void Clear() { m_entries.clear(); }

  int GetIndexByClass(TClass cls) const;
  std::string GetDescriptionByClass(TClass cls) const;
  std::string GetHintByClass(TClass cls) const;
  // Exact, case-sensitive matches; nil when none.
  TClass FindByClassName(std::string_view name) const;
  TClass FindByDescription(std::string_view description) const;

  bool Sorted() const { return m_sorted; }
  // Turning sorting on sorts at once; turning it off keeps the order.
  void SetSorted(bool value);

protected:
  // Compares two entries by their descriptions, locale-aware and ignoring case.
  virtual int CompareItems(int index1, int index2) const;
  // Quick sort by CompareItems: entries with equal descriptions have no fixed order.
  virtual void Sort();

private:
  struct TEntry {
    std::string Text;
    TClass Class = nullptr;
  };

  const TEntry& Entry(int index) const;

  std::vector<TEntry> m_entries;
  bool m_registerClasses = false;
  bool m_sorted = false;
};
