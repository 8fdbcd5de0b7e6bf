// Collections: ordered lists of items of one class that the collection owns,
// stored in form definitions as `Items = < item ... end >`.
//
// Classes in this file: TCollectionItem, TCollection, TOwnedCollection.
//
// Notification order: an item made for a collection (Add, Insert, or
// Create<TItem>(collection)) enters it once it is whole: Notify(item,
// cnAdded), then Changed. An item leaving it (freed, or moved to another
// collection) first has Notify(item, cnExtracting), then Changed; Delete
// adds Notify(item, cnDeleting) before that. Changed calls Update(nil)
// unless an update is in progress (BeginUpdate); EndUpdate of the outermost
// update calls Changed.
#pragma once

#include <vector>

#include "platform/objects/Persistent.h"

class TCollection;
class TCollectionItem;

enum class TCollectionNotification { cnAdded, cnExtracting, cnDeleting };

using TCollectionItemMeta = TClassOf<TCollectionItem, TPersistent::TMeta, TCollection*>;
using TCollectionItemClass = TClassRef<TCollectionItem>;

class TCollectionItem : public TPersistent {
  OBJECT_CLASS_META(TCollectionItem, TPersistent, TCollectionItemMeta)
public:
  // The item joins 'collection' (if any) in AfterConstruction.
  explicit TCollectionItem(TCollection* collection);
  ~TCollectionItem() override;

  void AfterConstruction() override;
  void BeforeDestruction() override;

  TCollection* Collection() const { return m_collection; }
  // Moves the item to another collection (nil: out of any).
  virtual void SetCollection(TCollection* collection);
  int ID() const { return m_id; }
  // The position in the collection, -1 when in none.
  int Index() const;
  // Moves the item; announces all items as changed when it moved.
  virtual void SetIndex(int index);
  // The text a designer lists the item by; the class name unless overridden.
  virtual std::string GetDisplayName() const;
  std::string DisplayName() const { return GetDisplayName(); }
  virtual void SetDisplayName(const std::string& name);

  TPersistent* GetOwner() override;

protected:
  // Announces the item (or, with allItems, the whole collection) as changed,
  // unless the collection is being updated.
  void Changed(bool allItems);

private:
  friend class TCollection;

  TCollection* m_collection = nullptr;
  TCollection* m_joining = nullptr;
  int m_id = 0;
};

class TCollection;
using TCollectionMeta = TClassOf<TCollection, TPersistent::TMeta, TCollectionItemClass>;

class TCollection : public TPersistent {
  OBJECT_CLASS_META(TCollection, TPersistent, TCollectionMeta)
public:
  explicit TCollection(TCollectionItemClass itemClass);
  ~TCollection() override;

  // Frees the items (last first) while the collection is whole; no update
  // is announced any more.
  void BeforeDestruction() override;

  TCollectionItemClass ItemClass() const { return m_itemClass; }
  int Count() const { return static_cast<int>(m_items.size()); }
  // Raises EListError "List index out of bounds (%d)" for a bad index.
  TCollectionItem* Items(int index) const;
  // Assigns 'value' onto the item at 'index'.
  void SetItem(int index, TCollectionItem* value);
  int UpdateCount() const { return m_updateCount; }
  // The owner (TOwnedCollection answers it; nil here).
  TPersistent* Owner() { return GetOwner(); }

  TCollectionItem* Add();
  TCollectionItem* Insert(int index);
  void Delete(int index);
  void Clear();
  TCollectionItem* FindItemID(int id) const;

  virtual void BeginUpdate();
  virtual void EndUpdate();

  // From another collection: clears this one, then adds a copy of each of
  // the source's items, in one update.
  void Assign(TPersistent* source) override;

protected:
  // Update(nil) unless an update is in progress.
  void Changed();
  // Called for every change: item is the one changed, nil for all of them.
  virtual void Update(TCollectionItem* item);
  virtual void Notify(TCollectionItem* item, TCollectionNotification action);
  virtual void SetItemName(TCollectionItem* item);

private:
  friend class TCollectionItem;

  void InsertItem(TCollectionItem* item);
  void RemoveItem(TCollectionItem* item);
  void FreeItems();

  TCollectionItemClass m_itemClass;
  std::vector<TCollectionItem*> m_items;
  int m_updateCount = 0;
  int m_nextID = 0;
};

class TOwnedCollection;
using TOwnedCollectionMeta =
    TClassOf<TOwnedCollection, TCollection::TMeta, TPersistent*, TCollectionItemClass>;

// A collection whose owner is the persistent that holds it.
class TOwnedCollection : public TCollection {
  OBJECT_CLASS_META(TOwnedCollection, TCollection, TOwnedCollectionMeta)
public:
  TOwnedCollection(TPersistent* owner, TCollectionItemClass itemClass);

  TPersistent* GetOwner() override { return m_owner; }

private:
  TPersistent* m_owner = nullptr;
};
