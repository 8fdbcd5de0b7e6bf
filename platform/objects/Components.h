// Components: named persistents that own other components, free what they
// own, and tell each other when one goes away.
//
// Classes in this file: TComponent, EComponentError.
//
// Ownership: a component made with an owner is inserted into the owner's
// list by its constructor and freed by the owner's destructor (last owned
// first). Freeing a component (Free) first marks it and everything it owns
// csDestroying (BeforeDestruction), then its destructor tells its
// free-notification peers (Notification(this, opRemove)), frees what it owns
// and leaves its owner, which tells its other components.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/objects/Persistent.h"
#include "platform/rtl/Sets.h"

class TReader;
class TWriter;

class EComponentError : public Exception {
public:
  using Exception::Exception;
};

enum class TOperation { opInsert, opRemove };

enum class TComponentStateItem {
  csLoading,
  csReading,
  csWriting,
  csDestroying,
  csDesigning,
  csAncestor,
  csUpdating,
  csFixups,
  csFreeNotification,
};
using TComponentState = Set<TComponentStateItem>;

class TComponent;
using TComponentMeta = TClassOf<TComponent, TPersistent::TMeta, TComponent*>;
using TGetChildProc = std::function<void(TComponent* child)>;

class TComponent : public TPersistent, public virtual IInterface {
  OBJECT_CLASS_META(TComponent, TPersistent, TComponentMeta)
public:
  static void Publish(TPublisher& publisher);

  explicit TComponent(TComponent* owner);
  ~TComponent() override;

  void BeforeDestruction() override;

  TComponent* Owner() const { return m_owner; }
  TPersistent* GetOwner() override { return m_owner; }

  const std::string& Name() const { return m_name; }
  // An identifier or empty, unique (ASCII case-insensitive) among the
  // owner's components; raises EComponentError otherwise.
  virtual void SetName(const std::string& name);
  std::intptr_t Tag() const { return m_tag; }
  void SetTag(std::intptr_t tag) { m_tag = tag; }

  int ComponentCount() const { return static_cast<int>(m_components.size()); }
  // Raises EListError "List index out of bounds (%d)" for a bad index.
  TComponent* Components(int index) const;
  // The index in the owner's list, -1 without an owner.
  int ComponentIndex() const;
  void SetComponentIndex(int index);
  // The owned component of that name (ASCII case-insensitive), nil when none
  // or when 'name' is empty.
  TComponent* FindComponent(std::string_view name) const;

  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);
  void DestroyComponents();
  // Marks this component and everything it owns csDestroying.
  void Destroying();

  TComponentState ComponentState() const { return m_componentState; }
  void SetDesigning(bool designing, bool includeOwned = true);

  // Asks that 'component' tells this one (Notification opRemove) when it goes
  // away, and the other way round. Components of one owner need not ask:
  // their owner tells them.
  void FreeNotification(TComponent* component);
  void RemoveFreeNotification(TComponent* component);

  // Told when a component is inserted into or removed from this one's owned
  // components, and when a free-notification peer goes away. The base
  // forgets a removed peer and passes the news to every owned component.
  virtual void Notification(TComponent* component, TOperation operation);
  // Called once the whole form definition has been read; the base ends
  // csLoading.
  virtual void Loaded();
  // Reads this component's properties and children from the reader.
  virtual void ReadState(TReader& reader);
  virtual void WriteState(TWriter& writer);

  // The streaming parent: the component a form definition nests this one in.
  virtual bool HasParent() const { return false; }
  virtual TComponent* GetParentComponent() const { return nullptr; }
  virtual void SetParentComponent(TComponent*) {}
  // Lists the components that a form definition stores nested in this one.
  virtual void GetChildren(const TGetChildProc& proc, TComponent* root);
  // Owner and streaming parent of the components nested in this one while
  // reading; a nil owner means the root.
  virtual TComponent* GetChildOwner() { return nullptr; }
  virtual TComponent* GetChildParent() { return this; }

  bool QueryInterface(const TInterfaceQuery& query, void*& intf) override;
  int _AddRef() override { return -1; }
  int _Release() override { return -1; }

protected:
  virtual void ValidateRename(TComponent* component, const std::string& currentName,
                              const std::string& newName);
  virtual void ChangeName(const std::string& name) { m_name = name; }
  void IncludeState(TComponentStateItem item) { m_componentState.Include(item); }
  void ExcludeState(TComponentStateItem item) { m_componentState.Exclude(item); }

private:
  friend class TReader;
  friend class TWriter;

  void Insert(TComponent* component);
  void Remove(TComponent* component);
  void RemoveFreeNotifications();
  void ForgetPeer(TComponent* component);

  TComponent* m_owner = nullptr;
  std::string m_name;
  std::intptr_t m_tag = 0;
  std::vector<TComponent*> m_components;
  std::vector<TComponent*> m_freeNotifies;
  TComponentState m_componentState;
};

namespace objects_detail {
// While alive, the next component constructed starts in these states (the
// form reader makes components that know from their constructor on that
// they are being loaded).
class TInitialComponentState {
public:
  explicit TInitialComponentState(TComponentState state);
  ~TInitialComponentState();
  TInitialComponentState(const TInitialComponentState&) = delete;
  TInitialComponentState& operator=(const TInitialComponentState&) = delete;

  static TComponentState Take();

private:
  TComponentState m_previous;
};
} // namespace objects_detail
