#include "platform/objects/Components.h"

#include <algorithm>

#include "platform/objects/FormReader.h"
#include "platform/objects/FormWriter.h"
#include "platform/objects/PropertyRegistry.h"
#include "platform/rtl/AnsiStrings.h"

namespace {

using enum TComponentStateItem;

TComponentState& PendingInitialState() {
  static TComponentState state;
  return state;
}

[[noreturn]] void RaiseIndexError(int index) {
  throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}

void EraseOnce(std::vector<TComponent*>& list, TComponent* component) {
  auto found = std::find(list.begin(), list.end(), component);
  if (found != list.end())
    list.erase(found);
}

} // namespace

namespace objects_detail {

TInitialComponentState::TInitialComponentState(TComponentState state)
    : m_previous(PendingInitialState()) {
  PendingInitialState() = state;
}

TInitialComponentState::~TInitialComponentState() { PendingInitialState() = m_previous; }

TComponentState TInitialComponentState::Take() {
  const TComponentState state = PendingInitialState();
  PendingInitialState() = {};
  return state;
}

} // namespace objects_detail

void TComponent::Publish(TPublisher& publisher) {
  publisher.Property("Tag", &TComponent::Tag, &TComponent::SetTag).Default(0);
}

TComponent::TComponent(TComponent* owner)
    : m_componentState(objects_detail::TInitialComponentState::Take()) {
  if (owner)
    owner->InsertComponent(this);
}

TComponent::~TComponent() {
  Destroying();
  RemoveFreeNotifications();
  DestroyComponents();
  if (m_owner)
    m_owner->RemoveComponent(this);
}

void TComponent::BeforeDestruction() {
  inherited::BeforeDestruction();
  Destroying();
}

void TComponent::SetName(const std::string& name) {
  if (m_name == name)
    return;
  if (!name.empty() && !IsValidIdent(name))
    throw EComponentError("'" + name + "' is not a valid component name");
  if (m_owner)
    m_owner->ValidateRename(this, m_name, name);
  else
    ValidateRename(nullptr, m_name, name);
  ChangeName(name);
}

TComponent* TComponent::Components(int index) const {
  if (index < 0 || index >= ComponentCount())
    RaiseIndexError(index);
  return m_components[static_cast<std::size_t>(index)];
}

int TComponent::ComponentIndex() const {
  if (!m_owner)
    return -1;
  const auto& siblings = m_owner->m_components;
  return static_cast<int>(std::find(siblings.begin(), siblings.end(), this) - siblings.begin());
}

void TComponent::SetComponentIndex(int index) {
  const int current = ComponentIndex();
  if (current < 0)
    return;
  auto& siblings = m_owner->m_components;
  index = std::clamp(index, 0, static_cast<int>(siblings.size()) - 1);
  if (index == current)
    return;
  siblings.erase(siblings.begin() + current);
  siblings.insert(siblings.begin() + index, this);
}

TComponent* TComponent::FindComponent(std::string_view name) const {
  if (name.empty())
    return nullptr;
  for (TComponent* component : m_components)
    if (SameText(component->m_name, name))
      return component;
  return nullptr;
}

void TComponent::InsertComponent(TComponent* component) {
  ValidateRename(component, std::string(), component->m_name);
  if (component->m_owner)
    component->m_owner->RemoveComponent(component);
  Insert(component);
  if (m_componentState.Contains(csDesigning))
    component->SetDesigning(true);
  Notification(component, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
  Notification(component, TOperation::opRemove);
  Remove(component);
}

void TComponent::DestroyComponents() {
  while (!m_components.empty()) {
    TComponent* component = m_components.back();
    if (component->m_componentState.Contains(csFreeNotification))
      RemoveComponent(component);
    else
      Remove(component);
    component->Free();
  }
}

void TComponent::Destroying() {
  if (m_componentState.Contains(csDestroying))
    return;
  m_componentState.Include(csDestroying);
  for (TComponent* component : m_components)
    component->Destroying();
}

void TComponent::SetDesigning(bool designing, bool includeOwned) {
  if (designing)
    m_componentState.Include(csDesigning);
  else
    m_componentState.Exclude(csDesigning);
  if (includeOwned)
    for (TComponent* component : m_components)
      component->SetDesigning(designing);
}

void TComponent::FreeNotification(TComponent* component) {
  if (!component || component == this)
    return;
  if (!m_owner || component->m_owner != m_owner) {
    if (std::find(m_freeNotifies.begin(), m_freeNotifies.end(), component) ==
        m_freeNotifies.end()) {
      m_freeNotifies.push_back(component);
      component->FreeNotification(this);
    }
  }
  m_componentState.Include(csFreeNotification);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
  ForgetPeer(component);
  component->ForgetPeer(this);
}

void TComponent::Notification(TComponent* component, TOperation operation) {
  if (operation == TOperation::opRemove && component)
    RemoveFreeNotification(component);
  // Each owned component hears the news; the list may shrink meanwhile.
  for (int i = ComponentCount() - 1; i >= 0; --i) {
    if (i >= ComponentCount())
      i = ComponentCount() - 1;
    if (i < 0)
      break;
    m_components[static_cast<std::size_t>(i)]->Notification(component, operation);
  }
}

void TComponent::Loaded() { m_componentState.Exclude(csLoading); }

void TComponent::ReadState(TReader& reader) { reader.ReadData(this); }

void TComponent::WriteState(TWriter& writer) { writer.WriteData(this); }

void TComponent::GetChildren(const TGetChildProc&, TComponent*) {}

bool TComponent::QueryInterface(const TInterfaceQuery& query, void*& intf) {
  return GetInterface(query, intf);
}

void TComponent::ValidateRename(TComponent* component, const std::string& currentName,
                                const std::string& newName) {
  if (!component || SameText(currentName, newName))
    return;
  const TComponent* existing = FindComponent(newName);
  if (existing && existing != component)
    throw EComponentError("A component named " + newName + " already exists");
}

void TComponent::Insert(TComponent* component) {
  m_components.push_back(component);
  component->m_owner = this;
}

void TComponent::Remove(TComponent* component) {
  EraseOnce(m_components, component);
  component->m_owner = nullptr;
}

void TComponent::RemoveFreeNotifications() {
  while (!m_freeNotifies.empty()) {
    TComponent* peer = m_freeNotifies.back();
    m_freeNotifies.pop_back();
    peer->ForgetPeer(this);
    peer->Notification(this, TOperation::opRemove);
  }
}

void TComponent::ForgetPeer(TComponent* component) {
  EraseOnce(m_freeNotifies, component);
}
