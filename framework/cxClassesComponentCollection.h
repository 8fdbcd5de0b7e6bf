// Collections whose items are components: each item has its own name in a
// form and is stored nested in the collection's parent component, while the
// collection keeps the order, hands out item IDs (never reused) and reports
// every change.
//
// Classes in this file: TcxComponentCollectionItem, TcxComponentCollection.
//
// Items are owned by the parent component's owner; freeing an item takes it
// out of its collection first, while it is still whole, so that Notify and
// OnChange see a complete item.
#pragma once

#include <string>
#include <vector>

#include "platform/objects/Components.h"
#include "platform/objects/Events.h"
#include "platform/objects/Persistent.h"

class TcxComponentCollection;
class TcxComponentCollectionItem;

enum class TcxComponentCollectionNotification {
  ccnAdded,
  ccnChanged,
  ccnExtracting,
  ccnExtracted,
  ccnDeleting,
};

using TcxComponentCollectionChangeEvent =
    TDelegate<void(TObject* Sender, TcxComponentCollectionItem* AItem,
                   TcxComponentCollectionNotification AAction)>;

class TcxComponentCollectionItem : public TComponent {
  OBJECT_CLASS(TcxComponentCollectionItem, TComponent)
public:
  explicit TcxComponentCollectionItem(TComponent* owner) : TComponent(owner) {}
  ~TcxComponentCollectionItem() override;

  void BeforeDestruction() override;

  TcxComponentCollection* Collection() const { return m_collection; }
  // Leaves the old collection (if any), then joins the new one (if any).
  virtual void SetCollection(TcxComponentCollection* value);
  int ID() const { return m_id; }
  // The position in the collection, -1 when in none.
  int Index() const;
  // Moves the item within its collection and reports all items changed.
  virtual void SetIndex(int value);
  // The component name.
  virtual std::string GetDisplayName() const { return Name(); }

  // The streaming parent is the collection's parent component.
  bool HasParent() const override { return GetParentComponent() != nullptr; }
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* parent) override;

protected:
  // The collection of 'parent' that items of this class belong to.
  virtual TcxComponentCollection* GetCollectionFromParent(TComponent* parent) = 0;
  // Reports the item (or, with allItems, every item) as changed, unless the
  // item is being destroyed.
  void Changed(bool allItems);

private:
  friend class TcxComponentCollection;

  TcxComponentCollection* m_collection = nullptr;
  int m_id = 0;
};

using TcxComponentCollectionItemClass = TClassRef<TcxComponentCollectionItem>;
using TcxComponentCollectionMeta = TClassOf<TcxComponentCollection, TPersistent::TMeta,
                                            TComponent*, TcxComponentCollectionItemClass>;

class TcxComponentCollection : public TPersistent {
  OBJECT_CLASS_META(TcxComponentCollection, TPersistent, TcxComponentCollectionMeta)
public:
  TcxComponentCollection(TComponent* parentComponent, TcxComponentCollectionItemClass itemClass)
      : m_itemClass(itemClass), m_parentComponent(parentComponent) {}
  ~TcxComponentCollection() override;

  // Frees the items without reporting anything more.
  void BeforeDestruction() override;

  TComponent* ParentComponent() const { return m_parentComponent; }
  TcxComponentCollectionItemClass ItemClass() const { return m_itemClass; }
  int Count() const { return static_cast<int>(m_items.size()); }
  // Raises EListError for a bad index.
  TcxComponentCollectionItem* Items(int index) const;
  // Assigns 'value' onto the item at 'index'.
  void SetItems(int index, TcxComponentCollectionItem* value);

  // A new item of the item class, owned by the parent component's owner and
  // nested in the parent component. Raises EInvalidOperation without a
  // parent component.
  TcxComponentCollectionItem* Add();
  TcxComponentCollectionItem* Insert(int index);
  // Reports ccnDeleting, then frees the item.
  void Delete(int index);
  // Deletes the item; one that is not in the collection is ignored.
  void Remove(TcxComponentCollectionItem* item);
  void Clear();
  TcxComponentCollectionItem* FindItemByID(int id) const;

  // Takes in an item of the item class (others are ignored) with the next ID.
  void InsertItem(TcxComponentCollectionItem* item);
  void RemoveItem(TcxComponentCollectionItem* item);

  virtual void BeginUpdate() { ++m_updateCount; }
  // Ends one update (an unmatched end is ignored); with forceUpdate, reports
  // a change of every item unless an outer update is still open.
  virtual void EndUpdate(bool forceUpdate = true);
  // Reports the change through Update unless an update is open.
  void Changed(TcxComponentCollectionItem* item, TcxComponentCollectionNotification action);

  // From another component collection: the same number of items, each
  // assigned from the source's, in one update.
  void Assign(TPersistent* source) override;

  const TcxComponentCollectionChangeEvent& OnChange() const { return m_onChange; }
  void SetOnChange(TcxComponentCollectionChangeEvent handler) { m_onChange = std::move(handler); }

protected:
  virtual void Notify(TcxComponentCollectionItem* item, TcxComponentCollectionNotification action);
  // Gives a new item its name (nothing in the base).
  virtual void SetItemName(TcxComponentCollectionItem* item);
  virtual void Update(TcxComponentCollectionItem* item, TcxComponentCollectionNotification action);

private:
  friend class TcxComponentCollectionItem;

  int IndexOf(const TcxComponentCollectionItem* item) const;
  void MoveItem(TcxComponentCollectionItem* item, int newIndex);

  TcxComponentCollectionItemClass m_itemClass;
  std::vector<TcxComponentCollectionItem*> m_items;
  int m_nextID = 0;
  TcxComponentCollectionChangeEvent m_onChange;
  TComponent* m_parentComponent = nullptr;
  int m_updateCount = 0;
};
