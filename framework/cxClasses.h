// The library's class foundations: persistent and component bases, owning
// and growing lists, the free-notification relay, and (in the cxClasses*
// headers included here) class registries, the resource-string repository,
// object links, most-recently-used lists, proportional widths, component
// naming, component collections and small shared services.
//
// Classes in this file: TcxInterfacedPersistent, TcxComponent, TcxCollection,
// TcxObjectList, TcxOpenList, TcxFreeNotificator; TcxAlignment is in
// cxClassesAlignment.h.
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "platform/objects/Collections.h"
#include "platform/objects/Components.h"
#include "platform/objects/Events.h"
#include "platform/objects/Interfaces.h"
#include "platform/objects/Persistent.h"
#include "platform/objects/PropertyRegistry.h"
#include "platform/rtl/Lists.h"
#include "platform/rtl/UnitStartup.h"

#include "framework/cxClassesAlignment.h"
#include "framework/cxClassesAutoWidth.h"
#include "framework/cxClassesComponentCollection.h"
#include "framework/cxClassesLinks.h"
#include "framework/cxClassesMRU.h"
#include "framework/cxClassesNaming.h"
#include "framework/cxClassesRegistries.h"
#include "framework/cxClassesResources.h"
#include "framework/cxClassesUtils.h"

// Interfaces through which design-time tools talk to the library's
// components; nothing in the program implements them.
class IcxDesignHelper : public virtual IInterface {
public:
  static constexpr TGUID IID = StringToGUID("{4C78CC4F-699B-43BD-94AC-E3BD2233F7A1}");
};

class IcxDesignSelectionChanged : public virtual IInterface {
public:
  static constexpr TGUID IID = StringToGUID("{66B3AA59-1EBD-4135-AB18-E980F9C970F3}");
};

// A persistent with an owner that hands out interfaces without ever being
// freed by reference counting (the counting goes to the owner's interface,
// if it has one); the owner frees it. Descendants are made through class
// references with their owner.
class TcxInterfacedPersistent;
using TcxInterfacedPersistentMeta =
    TClassOf<TcxInterfacedPersistent, TInterfacedPersistent::TMeta, TPersistent*>;
using TcxInterfacedPersistentClass = TClassRef<TcxInterfacedPersistent>;

class TcxInterfacedPersistent : public TInterfacedPersistent {
  OBJECT_CLASS_META(TcxInterfacedPersistent, TInterfacedPersistent, TcxInterfacedPersistentMeta)
public:
  explicit TcxInterfacedPersistent(TPersistent* owner) : m_owner(owner) {}

  TPersistent* Owner() const { return m_owner; }
  TPersistent* GetOwner() override { return m_owner; }

private:
  TPersistent* m_owner = nullptr;
};

// The owner a persistent names (nil for nil or a plain persistent).
TPersistent* GetPersistentOwner(TPersistent* persistent);

// A component that clears the object links to itself when it is destroyed
// and keeps three design-time component links that form definitions store.
class TcxComponent : public TComponent {
  OBJECT_CLASS(TcxComponent, TComponent)
public:
  static void Publish(TPublisher& publisher);

  explicit TcxComponent(TComponent* owner) : TComponent(owner) {}
  ~TcxComponent() override;

  void Loaded() override;
  // Forgets a linked component that goes away.
  void Notification(TComponent* component, TOperation operation) override;

  bool IsDesigning() const;
  bool IsDestroying() const;

  int GetFakeComponentLinkCount() const { return static_cast<int>(m_fakeComponentLinks.size()); }
  // Indexes 0..2; nil for another index.
  TComponent* FakeComponentLink(int index) const;
  // Indexes 0..2; another index does nothing.
  void SetFakeComponentLink(int index, TComponent* component);

protected:
  // The components a designer should see linked to this one (none in the base).
  virtual void GetFakeComponentLinks(std::vector<TComponent*>& links);
  // At design time, refreshes the links from GetFakeComponentLinks.
  void UpdateFakeLinks();

private:
  std::array<TComponent*, 3> m_fakeComponentLinks{};
};

// A collection whose Assign keeps its existing items (only their values
// change), adds what is missing and deletes the surplus from the end.
class TcxCollection : public TCollection {
  OBJECT_CLASS(TcxCollection, TCollection)
public:
  explicit TcxCollection(TCollectionItemClass itemClass) : TCollection(itemClass) {}

  void Assign(TPersistent* source) override;
};

// A list that owns its objects: Clear and the destructor free them in index order.
class TcxObjectList : public TList {
public:
  TcxObjectList() = default;
  ~TcxObjectList() override;

  void Clear() override;
  TObject* Items(int index) const { return static_cast<TObject*>(TList::Items(index)); }
};

// A list whose item setter grows the list (with nil slots) as needed.
class TcxOpenList : public TList {
public:
  void* Items(int index) const { return TList::Items(index); }
  // Raises EListError for a negative index.
  void SetItems(int index, void* item);
};

using TcxFreeNotificationEvent = TDelegate<void(TComponent* Sender)>;

// Relays the free notifications of the components it watches to OnFreeNotification.
class TcxFreeNotificator : public TComponent {
  OBJECT_CLASS(TcxFreeNotificator, TComponent)
public:
  explicit TcxFreeNotificator(TComponent* owner) : TComponent(owner) {}

  // Starts or stops watching a component; nil is ignored.
  void AddSender(TComponent* component);
  void RemoveSender(TComponent* component);

  void Notification(TComponent* component, TOperation operation) override;

  const TcxFreeNotificationEvent& OnFreeNotification() const { return m_onFreeNotification; }
  void SetOnFreeNotification(TcxFreeNotificationEvent handler) {
    m_onFreeNotification = std::move(handler);
  }

private:
  TcxFreeNotificationEvent m_onFreeNotification;
};

// Whether the class or one of its ancestors has exactly this name (case-sensitive).
bool ClassInheritsFrom(TClass cls, std::string_view parentClassName);
// Makes the destination hold the same pointers as the source.
void CopyList(const TList& source, TList& destination);


// Start-up and shut-down of the unit: shut-down frees the resource-string replacements.
extern const TUnitInfo cxClassesUnit;
