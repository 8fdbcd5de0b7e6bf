// Repositories of shared editor settings: an item owns one properties object
// that any number of editors use instead of their own, and tells them when
// the properties change or the item goes away.
//
// Classes in this file: IcxEditRepositoryItemListener, TcxEditRepositoryItem,
// TcxEditRepository.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "editors/cxEditProperties.h"
#include "platform/objects/Components.h"

class TcxEditRepository;
class TcxEditRepositoryItem;

// What an editor hears from the repository item it uses.
class IcxEditRepositoryItemListener : public virtual IInterface {
public:
  static constexpr TGUID IID = StringToGUID("{4E27D642-022B-4CD2-AB96-64C7CF9B3299}");

  virtual void ItemRemoved(TcxEditRepositoryItem* Sender) = 0;
  virtual void PropertiesChanged(TcxEditRepositoryItem* Sender) = 0;

protected:
  ~IcxEditRepositoryItemListener() = default;
};

// The class-level answer of an item class: the class of its properties.
class TcxEditRepositoryItemMeta : public TComponentMeta {
public:
  using TComponentMeta::TComponentMeta;
  virtual TcxCustomEditPropertiesClass GetEditPropertiesClass() const;
};
using TcxEditRepositoryItemClass = TClassRef<TcxEditRepositoryItem>;

class TcxEditRepositoryItem : public TComponent {
  OBJECT_CLASS_META(TcxEditRepositoryItem, TComponent, TcxEditRepositoryItemMeta)
public:
  static void Publish(TPublisher& p);

  explicit TcxEditRepositoryItem(TComponent* AOwner) : TComponent(AOwner) {}
  ~TcxEditRepositoryItem() override;
  // Makes the properties of the actual class's kind.
  void AfterConstruction() override;

  // Joins the repository that the form definition nests the item in.
  void ReadState(TReader& reader) override;
  bool HasParent() const override { return m_repository != nullptr; }
  TComponent* GetParentComponent() const override;
  // Unless loading, joins the component as repository; another class than a
  // repository raises EInvalidCast.
  void SetParentComponent(TComponent* AParent) override;

  void AddListener(IcxEditRepositoryItemListener* AListener);
  void RemoveListener(IcxEditRepositoryItemListener* AListener);
  int ListenerCount() const { return static_cast<int>(m_listeners.size()); }

  // The repository's name followed by what the class name adds to
  // "TcxEditRepository"; the class name's part alone without a repository.
  std::string GetBaseName() const;

  TcxCustomEditProperties* Properties() const { return m_properties.get(); }
  void SetProperties(TcxCustomEditProperties* Value) { m_properties->Assign(Value); }
  TcxEditRepository* Repository() const { return m_repository; }
  void SetRepository(TcxEditRepository* Value);
  // Stored by form definitions for designers; never called.
  const TNotifyEvent& PropertiesEvents() const { return m_propertiesEvents; }
  void SetPropertiesEvents(const TNotifyEvent& Value) { m_propertiesEvents = Value; }

protected:
  // Tells the listeners, last added first, that the properties changed.
  virtual void PropertiesChanged(TObject* Sender);

private:
  std::vector<IcxEditRepositoryItemListener*> m_listeners;
  TOwned<TcxCustomEditProperties> m_properties;
  TcxEditRepository* m_repository = nullptr;
  TNotifyEvent m_propertiesEvents;
};

class TcxEditRepository : public TComponent {
  OBJECT_CLASS(TcxEditRepository, TComponent)
public:
  explicit TcxEditRepository(TComponent* AOwner) : TComponent(AOwner) {}
  ~TcxEditRepository() override;

  // An item of that class owned by the repository and in it.
  virtual TcxEditRepositoryItem* CreateItem(TcxEditRepositoryItemClass ARepositoryItemClass);
  // An item of that class owned by AOwner and in the repository.
  virtual TcxEditRepositoryItem* CreateItemEx(TcxEditRepositoryItemClass ARepositoryItemClass,
                                              TComponent* AOwner);
  // The first item of that name, ignoring the case of ASCII letters; nil when none.
  TcxEditRepositoryItem* ItemByName(std::string_view ARepositoryItemName) const;
  // Frees the items, the last first.
  void Clear();

  int Count() const { return static_cast<int>(m_items.size()); }
  // Raises EListError for a bad index.
  TcxEditRepositoryItem* Items(int Index) const;

  void GetChildren(const TGetChildProc& proc, TComponent* root) override;

private:
  friend class TcxEditRepositoryItem;

  void AddItem(TcxEditRepositoryItem* AItem);
  void RemoveItem(TcxEditRepositoryItem* AItem);

  std::vector<TcxEditRepositoryItem*> m_items;
};

// The repository of the process, made without owner on first use.
TcxEditRepository* GetDefaultEditRepository();
// Frees the default repository (at the editors' shut-down).
void FreeDefaultEditRepository();
