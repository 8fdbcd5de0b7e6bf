#include "framework/cxClassesComponentCollection.h"

#include <algorithm>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/ScopeGuards.h"

namespace {

using enum TcxComponentCollectionNotification;

[[noreturn]] void RaiseIndexError(int index) {
  throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}

} // namespace

TcxComponentCollectionItem::~TcxComponentCollectionItem() { SetCollection(nullptr); }

void TcxComponentCollectionItem::BeforeDestruction() {
  inherited::BeforeDestruction();
  SetCollection(nullptr);
}

void TcxComponentCollectionItem::SetCollection(TcxComponentCollection* value) {
  if (value == m_collection)
    return;
  if (m_collection)
    m_collection->RemoveItem(this);
  if (value)
    value->InsertItem(this);
}

int TcxComponentCollectionItem::Index() const {
  return m_collection ? m_collection->IndexOf(this) : -1;
}

void TcxComponentCollectionItem::SetIndex(int value) {
  if (!m_collection || value == Index())
    return;
  m_collection->MoveItem(this, value);
  Changed(true);
}

TComponent* TcxComponentCollectionItem::GetParentComponent() const {
  return m_collection ? m_collection->ParentComponent() : inherited::GetParentComponent();
}

void TcxComponentCollectionItem::SetParentComponent(TComponent* parent) {
  SetCollection(GetCollectionFromParent(parent));
}

void TcxComponentCollectionItem::Changed(bool allItems) {
  if (ComponentState().Contains(TComponentStateItem::csDestroying) || !m_collection)
    return;
  m_collection->Changed(allItems ? nullptr : this, ccnChanged);
}

TcxComponentCollection::~TcxComponentCollection() {
  m_updateCount = 1;
  Clear();
}

void TcxComponentCollection::BeforeDestruction() {
  inherited::BeforeDestruction();
  m_updateCount = 1;
  Clear();
}

TcxComponentCollectionItem* TcxComponentCollection::Items(int index) const {
  if (index < 0 || index >= Count())
    RaiseIndexError(index);
  return m_items[index];
}

void TcxComponentCollection::SetItems(int index, TcxComponentCollectionItem* value) {
  Items(index)->Assign(value);
}

TcxComponentCollectionItem* TcxComponentCollection::Add() {
  if (!m_parentComponent)
    throw EInvalidOperation("A component collection without a parent component cannot add items");
  TcxComponentCollectionItem* item = m_itemClass.Create(m_parentComponent->Owner());
  item->SetParentComponent(m_parentComponent);
  SetItemName(item);
  return item;
}

TcxComponentCollectionItem* TcxComponentCollection::Insert(int index) {
  TcxComponentCollectionItem* item = Add();
  item->SetIndex(index);
  return item;
}

void TcxComponentCollection::Delete(int index) {
  TcxComponentCollectionItem* item = Items(index);
  Notify(item, ccnDeleting);
  item->Free();
}

void TcxComponentCollection::Remove(TcxComponentCollectionItem* item) {
  const int index = IndexOf(item);
  if (index >= 0)
    Delete(index);
}

void TcxComponentCollection::Clear() {
  if (m_items.empty())
    return;
  BeginUpdate();
  const TScopeExit update([this] { EndUpdate(true); });
  while (!m_items.empty())
    m_items.back()->Free();
}

TcxComponentCollectionItem* TcxComponentCollection::FindItemByID(int id) const {
  auto found = std::find_if(m_items.begin(), m_items.end(),
                            [id](const TcxComponentCollectionItem* item) { return item->ID() == id; });
  return found == m_items.end() ? nullptr : *found;
}

void TcxComponentCollection::InsertItem(TcxComponentCollectionItem* item) {
  if (!item || !m_itemClass || !item->InheritsFrom(m_itemClass))
    return;
  m_items.push_back(item);
  item->m_collection = this;
  item->m_id = m_nextID++;
  Notify(item, ccnAdded);
  Changed(item, ccnAdded);
}

void TcxComponentCollection::RemoveItem(TcxComponentCollectionItem* item) {
  Notify(item, ccnExtracting);
  std::erase(m_items, item);
  item->m_collection = nullptr;
  Notify(item, ccnExtracted);
  Changed(item, ccnExtracted);
}

void TcxComponentCollection::EndUpdate(bool forceUpdate) {
  if (m_updateCount > 0)
    --m_updateCount;
  if (forceUpdate)
    Changed(nullptr, ccnChanged);
}

void TcxComponentCollection::Changed(TcxComponentCollectionItem* item,
                                     TcxComponentCollectionNotification action) {
  if (m_updateCount == 0)
    Update(item, action);
}

void TcxComponentCollection::Assign(TPersistent* source) {
  auto sourceCollection = dynamic_cast<TcxComponentCollection*>(source);
  if (!sourceCollection) {
    inherited::Assign(source);
    return;
  }
  BeginUpdate();
  const TScopeExit update([this] { EndUpdate(true); });
  Clear();
  for (int i = 0; i < sourceCollection->Count(); ++i)
    Add()->Assign(sourceCollection->Items(i));
}

void TcxComponentCollection::Notify(TcxComponentCollectionItem*, TcxComponentCollectionNotification) {}

void TcxComponentCollection::SetItemName(TcxComponentCollectionItem*) {}

void TcxComponentCollection::Update(TcxComponentCollectionItem* item,
                                    TcxComponentCollectionNotification action) {
  if (m_onChange)
    m_onChange(this, item, action);
}

int TcxComponentCollection::IndexOf(const TcxComponentCollectionItem* item) const {
  auto found = std::find(m_items.begin(), m_items.end(), item);
  return found == m_items.end() ? -1 : static_cast<int>(found - m_items.begin());
}

void TcxComponentCollection::MoveItem(TcxComponentCollectionItem* item, int newIndex) {
  if (newIndex < 0 || newIndex >= Count())
    RaiseIndexError(newIndex);
  const int oldIndex = IndexOf(item);
  m_items.erase(m_items.begin() + oldIndex);
  m_items.insert(m_items.begin() + newIndex, item);
}
