#include "editors/cxEditRepository.h"

#include <algorithm>
#include <memory>

#include "platform/objects/FormReader.h"
#include "platform/rtl/AnsiStrings.h"

namespace {

TcxEditRepository*& DefaultEditRepository() {
  static TcxEditRepository* repository = nullptr;
  return repository;
}

constexpr std::string_view kRepositoryClassPrefix = "TcxEditRepository";

} // namespace

TcxEditRepository* GetDefaultEditRepository() {
  TcxEditRepository*& repository = DefaultEditRepository();
  if (!repository)
    repository = Create<TcxEditRepository>(nullptr);
  return repository;
}

void FreeDefaultEditRepository() { FreeAndNil(DefaultEditRepository()); }

// TcxEditRepositoryItem

TcxCustomEditPropertiesClass TcxEditRepositoryItemMeta::GetEditPropertiesClass() const {
  return TcxCustomEditProperties::StaticClass();
}

void TcxEditRepositoryItem::Publish(TPublisher& p) {
  p.Property("PropertiesEvents", &TcxEditRepositoryItem::PropertiesEvents,
             &TcxEditRepositoryItem::SetPropertiesEvents);
}

void TcxEditRepositoryItem::AfterConstruction() {
  TComponent::AfterConstruction();
  m_properties.reset(ClassType()->GetEditPropertiesClass().Create(this));
  m_properties->SetOnPropertiesChanged(
      TNotifyEvent(this, &TcxEditRepositoryItem::PropertiesChanged));
}

// A listener may stop listening while it hears the news, so the list is
// walked by index from its end.
TcxEditRepositoryItem::~TcxEditRepositoryItem() {
  for (int i = ListenerCount() - 1; i >= 0; --i)
    if (i < ListenerCount())
      m_listeners[i]->ItemRemoved(this);
  SetRepository(nullptr);
  m_properties.reset();
}

void TcxEditRepositoryItem::PropertiesChanged(TObject*) {
  for (int i = ListenerCount() - 1; i >= 0; --i)
    if (i < ListenerCount())
      m_listeners[i]->PropertiesChanged(this);
}

void TcxEditRepositoryItem::AddListener(IcxEditRepositoryItemListener* AListener) {
  if (AListener &&
      std::find(m_listeners.begin(), m_listeners.end(), AListener) == m_listeners.end())
    m_listeners.push_back(AListener);
}

void TcxEditRepositoryItem::RemoveListener(IcxEditRepositoryItemListener* AListener) {
  m_listeners.erase(std::remove(m_listeners.begin(), m_listeners.end(), AListener),
                    m_listeners.end());
}

void TcxEditRepositoryItem::SetRepository(TcxEditRepository* Value) {
  if (m_repository == Value)
    return;
  if (m_repository)
    m_repository->RemoveItem(this);
  m_repository = Value;
  if (m_repository)
    m_repository->AddItem(this);
}

void TcxEditRepositoryItem::ReadState(TReader& reader) {
  TComponent::ReadState(reader);
  SetRepository(dynamic_cast<TcxEditRepository*>(reader.Parent()));
}

TComponent* TcxEditRepositoryItem::GetParentComponent() const { return m_repository; }

void TcxEditRepositoryItem::SetParentComponent(TComponent* AParent) {
  if (!ComponentState().Contains(TComponentStateItem::csLoading))
    SetRepository(As<TcxEditRepository>(AParent));
}

std::string TcxEditRepositoryItem::GetBaseName() const {
  const std::string& className = ClassName();
  const std::size_t at = className.find(kRepositoryClassPrefix);
  std::string result = m_repository ? m_repository->Name() : std::string();
  if (at != std::string::npos)
    result += className.substr(at + kRepositoryClassPrefix.size());
  return result;
}

// TcxEditRepository

TcxEditRepository::~TcxEditRepository() { Clear(); }

TcxEditRepositoryItem*
TcxEditRepository::CreateItem(TcxEditRepositoryItemClass ARepositoryItemClass) {
  return CreateItemEx(ARepositoryItemClass, this);
}

TcxEditRepositoryItem*
TcxEditRepository::CreateItemEx(TcxEditRepositoryItemClass ARepositoryItemClass,
                                TComponent* AOwner) {
  TcxEditRepositoryItem* item = ARepositoryItemClass.Create(AOwner);
  item->SetRepository(this);
  return item;
}

TcxEditRepositoryItem* TcxEditRepository::ItemByName(std::string_view ARepositoryItemName) const {
  for (TcxEditRepositoryItem* item : m_items)
    if (SameText(item->Name(), ARepositoryItemName))
      return item;
  return nullptr;
}

void TcxEditRepository::Clear() {
  while (!m_items.empty())
    m_items.back()->Free();
}

TcxEditRepositoryItem* TcxEditRepository::Items(int Index) const {
  if (Index < 0 || Index >= Count())
    throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
  return m_items[Index];
}

void TcxEditRepository::GetChildren(const TGetChildProc& proc, TComponent* root) {
  for (TcxEditRepositoryItem* item : m_items)
    if (item->Owner() == root)
      proc(item);
}

void TcxEditRepository::AddItem(TcxEditRepositoryItem* AItem) {
  if (std::find(m_items.begin(), m_items.end(), AItem) == m_items.end())
    m_items.push_back(AItem);
}

void TcxEditRepository::RemoveItem(TcxEditRepositoryItem* AItem) {
  m_items.erase(std::remove(m_items.begin(), m_items.end(), AItem), m_items.end());
}
