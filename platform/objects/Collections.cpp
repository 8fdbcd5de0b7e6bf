#include "platform/objects/Collections.h"

#include <algorithm>

namespace {

[[noreturn]] void RaiseIndexError(int index) {
  throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}

// Ends an update on every way out of a scope.
class TUpdateScope {
public:
  explicit TUpdateScope(TCollection& collection) : m_collection(collection) {
    m_collection.BeginUpdate();
  }
  ~TUpdateScope() { m_collection.EndUpdate(); }
  TUpdateScope(const TUpdateScope&) = delete;
  TUpdateScope& operator=(const TUpdateScope&) = delete;

private:
  TCollection& m_collection;
};

} // namespace

TCollectionItem::TCollectionItem(TCollection* collection) : m_joining(collection) {}

TCollectionItem::~TCollectionItem() {
  if (m_collection)
    m_collection->RemoveItem(this);
}

void TCollectionItem::AfterConstruction() {
  inherited::AfterConstruction();
  TCollection* collection = m_joining;
  m_joining = nullptr;
  SetCollection(collection);
}

void TCollectionItem::BeforeDestruction() {
  inherited::BeforeDestruction();
  SetCollection(nullptr);
}

void TCollectionItem::SetCollection(TCollection* collection) {
  if (m_collection == collection)
    return;
  if (m_collection)
    m_collection->RemoveItem(this);
  if (collection)
    collection->InsertItem(this);
}

int TCollectionItem::Index() const {
  if (!m_collection)
    return -1;
  const auto& items = m_collection->m_items;
  return static_cast<int>(std::find(items.begin(), items.end(), this) - items.begin());
}

void TCollectionItem::SetIndex(int index) {
  const int current = Index();
  if (current < 0 || current == index)
    return;
  auto& items = m_collection->m_items;
  if (index < 0 || index >= static_cast<int>(items.size()))
    RaiseIndexError(index);
  items.erase(items.begin() + current);
  items.insert(items.begin() + index, this);
  Changed(true);
}

std::string TCollectionItem::GetDisplayName() const { return ClassName(); }

void TCollectionItem::SetDisplayName(const std::string&) { Changed(false); }

TPersistent* TCollectionItem::GetOwner() { return m_collection; }

void TCollectionItem::Changed(bool allItems) {
  if (m_collection && m_collection->m_updateCount == 0)
    m_collection->Update(allItems ? nullptr : this);
}

TCollection::TCollection(TCollectionItemClass itemClass) : m_itemClass(itemClass) {}

TCollection::~TCollection() { FreeItems(); }

void TCollection::BeforeDestruction() {
  inherited::BeforeDestruction();
  FreeItems();
}

void TCollection::FreeItems() {
  m_updateCount = 1;
  while (!m_items.empty())
    m_items.back()->Free();
}

TCollectionItem* TCollection::Items(int index) const {
  if (index < 0 || index >= Count())
    RaiseIndexError(index);
  return m_items[static_cast<std::size_t>(index)];
}

void TCollection::SetItem(int index, TCollectionItem* value) { Items(index)->Assign(value); }

TCollectionItem* TCollection::Add() { return m_itemClass.Create(this); }

TCollectionItem* TCollection::Insert(int index) {
  TCollectionItem* item = Add();
  item->SetIndex(index);
  return item;
}

void TCollection::Delete(int index) {
  TCollectionItem* item = Items(index);
  Notify(item, TCollectionNotification::cnDeleting);
  item->Free();
}

void TCollection::Clear() {
  if (m_items.empty())
    return;
  TUpdateScope update(*this);
  while (!m_items.empty())
    m_items.back()->Free();
}

TCollectionItem* TCollection::FindItemID(int id) const {
  for (TCollectionItem* item : m_items)
    if (item->m_id == id)
      return item;
  return nullptr;
}

void TCollection::BeginUpdate() { ++m_updateCount; }

void TCollection::EndUpdate() {
  --m_updateCount;
  Changed();
}

void TCollection::Assign(TPersistent* source) {
  auto* other = dynamic_cast<TCollection*>(source);
  if (!other) {
    inherited::Assign(source);
    return;
  }
  TUpdateScope update(*this);
  Clear();
  for (TCollectionItem* item : other->m_items)
    Add()->Assign(item);
}

void TCollection::Changed() {
  if (m_updateCount == 0)
    Update(nullptr);
}

void TCollection::Update(TCollectionItem*) {}

void TCollection::Notify(TCollectionItem*, TCollectionNotification) {}

void TCollection::SetItemName(TCollectionItem*) {}

void TCollection::InsertItem(TCollectionItem* item) {
  if (!item->InheritsFrom(m_itemClass))
    throw EInvalidCast("Invalid class typecast");
  m_items.push_back(item);
  item->m_collection = this;
  item->m_id = m_nextID++;
  SetItemName(item);
  Notify(item, TCollectionNotification::cnAdded);
  Changed();
}

void TCollection::RemoveItem(TCollectionItem* item) {
  Notify(item, TCollectionNotification::cnExtracting);
  auto found = std::find(m_items.begin(), m_items.end(), item);
  if (found != m_items.end())
    m_items.erase(found);
  item->m_collection = nullptr;
  Changed();
}

TOwnedCollection::TOwnedCollection(TPersistent* owner, TCollectionItemClass itemClass)
    : TCollection(itemClass), m_owner(owner) {}
