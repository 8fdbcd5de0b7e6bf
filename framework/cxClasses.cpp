#include "framework/cxClasses.h"

#include "platform/objects/PropertyRegistry.h"
#include "platform/rtl/ScopeGuards.h"

namespace {

using enum TComponentStateItem;

void Finalize() { cxFreeResourceStringRepository(); }

} // namespace

const TUnitInfo cxClassesUnit{"cxClasses", nullptr, Finalize};

TPersistent* GetPersistentOwner(TPersistent* persistent) {
  return persistent ? persistent->GetOwner() : nullptr;
}

void TcxComponent::Publish(TPublisher& publisher) {
  publisher.Property<TcxComponent>(
      "FakeComponentLink1", [](TcxComponent* c) { return c->FakeComponentLink(0); },
      [](TcxComponent* c, TComponent* link) { c->SetFakeComponentLink(0, link); });
  publisher.Property<TcxComponent>(
      "FakeComponentLink2", [](TcxComponent* c) { return c->FakeComponentLink(1); },
      [](TcxComponent* c, TComponent* link) { c->SetFakeComponentLink(1, link); });
  publisher.Property<TcxComponent>(
      "FakeComponentLink3", [](TcxComponent* c) { return c->FakeComponentLink(2); },
      [](TcxComponent* c, TComponent* link) { c->SetFakeComponentLink(2, link); });
}

TcxComponent::~TcxComponent() { cxClearObjectLinks(this); }

void TcxComponent::Loaded() {
  inherited::Loaded();
  UpdateFakeLinks();
}

void TcxComponent::Notification(TComponent* component, TOperation operation) {
  inherited::Notification(component, operation);
  if (operation == TOperation::opRemove)
    for (TComponent*& link : m_fakeComponentLinks)
      if (link == component)
        link = nullptr;
}

bool TcxComponent::IsDesigning() const { return ComponentState().Contains(csDesigning); }
bool TcxComponent::IsDestroying() const { return ComponentState().Contains(csDestroying); }

TComponent* TcxComponent::FakeComponentLink(int index) const {
  return index >= 0 && index < GetFakeComponentLinkCount() ? m_fakeComponentLinks[index] : nullptr;
}

void TcxComponent::SetFakeComponentLink(int index, TComponent* component) {
  if (index < 0 || index >= GetFakeComponentLinkCount())
    return;
  m_fakeComponentLinks[index] = component;
  // A linked component that is freed first must not stay reachable here.
  if (component)
    component->FreeNotification(this);
}

void TcxComponent::GetFakeComponentLinks(std::vector<TComponent*>&) {}

void TcxComponent::UpdateFakeLinks() {
  if (!IsDesigning() || IsDestroying() || !Owner())
    return;
  std::vector<TComponent*> links;
  GetFakeComponentLinks(links);
  for (int i = 0; i < GetFakeComponentLinkCount(); ++i)
    SetFakeComponentLink(i, i < static_cast<int>(links.size()) ? links[i] : nullptr);
}

void TcxCollection::Assign(TPersistent* source) {
  auto sourceCollection = dynamic_cast<TCollection*>(source);
  if (!sourceCollection) {
    inherited::Assign(source);
    return;
  }
  if (Count() == 0 && sourceCollection->Count() == 0)
    return;
  const TUpdateScope update(*this);
  for (int i = 0; i < sourceCollection->Count(); ++i) {
    TCollectionItem* item = i < Count() ? Items(i) : Add();
    item->Assign(sourceCollection->Items(i));
  }
  for (int i = Count() - 1; i >= sourceCollection->Count(); --i)
    Delete(i);
}

TcxObjectList::~TcxObjectList() { Clear(); }

void TcxObjectList::Clear() {
  for (int i = 0; i < Count(); ++i)
    if (TObject* object = Items(i))
      object->Free();
  TList::Clear();
}

void TcxOpenList::SetItems(int index, void* item) {
  if (index >= Count())
    SetCount(index + 1);
  TList::SetItems(index, item);
}

void TcxFreeNotificator::AddSender(TComponent* component) {
  if (component)
    component->FreeNotification(this);
}

void TcxFreeNotificator::RemoveSender(TComponent* component) {
  if (component)
    component->RemoveFreeNotification(this);
}

void TcxFreeNotificator::Notification(TComponent* component, TOperation operation) {
  inherited::Notification(component, operation);
  if (operation == TOperation::opRemove && m_onFreeNotification)
    m_onFreeNotification(component);
}

bool ClassInheritsFrom(TClass cls, std::string_view parentClassName) {
  for (; cls; cls = cls->ClassParent())
    if (cls->ClassName() == parentClassName)
      return true;
  return false;
}

void CopyList(const TList& source, TList& destination) {
  destination.SetCount(source.Count());
  for (int i = 0; i < source.Count(); ++i)
    destination.SetItems(i, source.Items(i));
}
