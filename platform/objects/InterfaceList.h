// A list of interface references that keeps each one alive while listed: it
// takes a reference (_AddRef) on every interface it stores and gives it back
// (_Release) when the entry is removed, replaced or the list is freed.
// Interfaces are compared by identity: an object's IInterface is one
// subobject, so the same object found through any of its interfaces is the
// same entry.
//
// Classes in this file: TInterfaceList.
#pragma once

#include <vector>

#include "platform/objects/Interfaces.h"

class TInterfaceList {
public:
  TInterfaceList() = default;
  TInterfaceList(const TInterfaceList&) = delete;
  TInterfaceList& operator=(const TInterfaceList&) = delete;
  ~TInterfaceList();

  // Answers the index of the new entry.
  int Add(IInterface* item);
  void Insert(int index, IInterface* item);
  void Delete(int index);
  // Removes the first entry of item; answers its former index or -1.
  int Remove(IInterface* item);
  int IndexOf(IInterface* item) const;
  void Exchange(int index1, int index2);
  void Clear();

  IInterface* First() const { return Items(0); }
  IInterface* Last() const { return Items(Count() - 1); }
  int Count() const { return static_cast<int>(m_items.size()); }
  IInterface* Items(int index) const;
  void SetItems(int index, IInterface* item);

private:
  void CheckIndex(int index) const;

  std::vector<IInterface*> m_items;
};
