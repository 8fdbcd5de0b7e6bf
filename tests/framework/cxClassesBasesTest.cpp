#include "tests/support/GTest.h"

#include <string>
#include <vector>

#include "framework/cxClasses.h"
#include "framework/cxGeometry.h"
#include "platform/rtl/Exceptions.h"

namespace {

std::vector<std::string> g_log;

// An owner whose interface counts references, to see where counting goes.
class TCountingOwner : public TPersistent, public virtual IInterface {
  OBJECT_CLASS(TCountingOwner, TPersistent)
public:
  bool QueryInterface(const TInterfaceQuery& query, void*& intf) override {
    return GetInterface(query, intf);
  }
  int _AddRef() override { return ++m_count; }
  int _Release() override { return --m_count; }

  int m_count = 0;
};

class TTestProperties : public TcxInterfacedPersistent {
  OBJECT_CLASS(TTestProperties, TcxInterfacedPersistent)
public:
  using TcxInterfacedPersistent::TcxInterfacedPersistent;
};

TEST(InterfacedPersistentTest, IsMadeThroughItsClassWithAnOwnerAndForwardsCounting) {
  TOwned<TCountingOwner> owner(Create<TCountingOwner>());
  const TcxInterfacedPersistentClass cls = TTestProperties::StaticClass();
  TOwned<TcxInterfacedPersistent> properties(cls.Create(owner.get()));
  EXPECT_TRUE(Is<TTestProperties>(properties.get()));
  EXPECT_EQ(owner.get(), properties->Owner());
  EXPECT_EQ(owner.get(), GetPersistentOwner(properties.get()));
  EXPECT_EQ(1, properties->_AddRef());
  EXPECT_EQ(0, properties->_Release());

  TOwned<TcxInterfacedPersistent> unowned(Create<TTestProperties>(nullptr));
  EXPECT_EQ(-1, unowned->_AddRef());
  EXPECT_EQ(nullptr, GetPersistentOwner(unowned.get()));
  EXPECT_EQ(nullptr, GetPersistentOwner(nullptr));
}

class TLinkedComponent : public TcxComponent {
  OBJECT_CLASS(TLinkedComponent, TcxComponent)
public:
  using TcxComponent::TcxComponent;
  std::vector<TComponent*> m_links;

protected:
  void GetFakeComponentLinks(std::vector<TComponent*>& links) override { links = m_links; }
};

// Links to components freed in every order: before the link is removed,
// after it, and between the removals of two links.
TEST(ComponentLinksTest, LinksBecomeNilWhenTheComponentIsFreed) {
  TcxComponent* first = Create<TcxComponent>(nullptr);
  TcxComponent* second = Create<TcxComponent>(nullptr);
  TcxObjectLink* early = cxAddObjectLink(first);
  TcxObjectLink* late = cxAddObjectLink(first);
  TcxObjectLink* other = cxAddObjectLink(second);

  cxRemoveObjectLink(early);
  first->Free();
  EXPECT_EQ(nullptr, late->Object());
  EXPECT_EQ(second, other->Object());
  cxRemoveObjectLink(late);
  cxRemoveObjectLink(other);
  second->Free();
  EXPECT_EQ(0, cxObjectLinkCount());
}

TEST(ComponentLinksTest, OwnedComponentsClearTheirLinksWhenTheOwnerGoes) {
  TComponent* owner = Create<TComponent>(nullptr);
  TcxComponent* child = Create<TcxComponent>(owner);
  TcxObjectLink* link = cxAddObjectLink(child);
  owner->Free();
  EXPECT_EQ(nullptr, link->Object());
  cxRemoveObjectLink(link);
  EXPECT_EQ(0, cxObjectLinkCount());
}

TEST(ComponentFakeLinksTest, SetByIndexAndForgottenWhenTheLinkedComponentGoes) {
  TComponent* owner = Create<TComponent>(nullptr);
  TcxComponent* component = Create<TcxComponent>(owner);
  TComponent* sibling = Create<TComponent>(owner);
  TComponent* stranger = Create<TComponent>(nullptr);
  EXPECT_EQ(3, component->GetFakeComponentLinkCount());
  component->SetFakeComponentLink(0, sibling);
  component->SetFakeComponentLink(2, stranger);
  component->SetFakeComponentLink(3, sibling);
  EXPECT_EQ(sibling, component->FakeComponentLink(0));
  EXPECT_EQ(nullptr, component->FakeComponentLink(1));
  EXPECT_EQ(stranger, component->FakeComponentLink(2));
  EXPECT_EQ(nullptr, component->FakeComponentLink(3));
  stranger->Free();
  sibling->Free();
  EXPECT_EQ(nullptr, component->FakeComponentLink(0));
  EXPECT_EQ(nullptr, component->FakeComponentLink(2));
  owner->Free();
}

TEST(ComponentFakeLinksTest, LoadedRefreshesTheLinksOnlyAtDesignTime) {
  TComponent* owner = Create<TComponent>(nullptr);
  TLinkedComponent* component = Create<TLinkedComponent>(owner);
  TComponent* a = Create<TComponent>(owner);
  TComponent* b = Create<TComponent>(owner);
  component->m_links = {a, b};
  component->Loaded();
  EXPECT_EQ(nullptr, component->FakeComponentLink(0));
  EXPECT_FALSE(component->IsDesigning());

  owner->SetDesigning(true);
  EXPECT_TRUE(component->IsDesigning());
  component->SetFakeComponentLink(2, a);
  component->Loaded();
  EXPECT_EQ(a, component->FakeComponentLink(0));
  EXPECT_EQ(b, component->FakeComponentLink(1));
  EXPECT_EQ(nullptr, component->FakeComponentLink(2));
  EXPECT_FALSE(component->IsDestroying());
  owner->Free();
}

class TLoggedItem : public TCollectionItem {
  OBJECT_CLASS(TLoggedItem, TCollectionItem)
public:
  using TCollectionItem::TCollectionItem;
  ~TLoggedItem() override { g_log.push_back("free " + m_value); }

  void Assign(TPersistent* source) override {
    if (auto item = dynamic_cast<TLoggedItem*>(source))
      m_value = item->m_value;
    else
      inherited::Assign(source);
  }

  std::string m_value;
};

TEST(CxCollectionTest, AssignKeepsExistingItemsAndDeletesTheSurplusFromTheEnd) {
  TOwned<TcxCollection> source(Create<TcxCollection>(TLoggedItem::StaticClass()));
  TOwned<TcxCollection> target(Create<TcxCollection>(TLoggedItem::StaticClass()));
  for (const char* value : {"a", "b"})
    static_cast<TLoggedItem*>(source->Add())->m_value = value;
  for (int i = 0; i < 5; ++i)
    static_cast<TLoggedItem*>(target->Add())->m_value = std::to_string(i);
  TCollectionItem* first = target->Items(0);
  TCollectionItem* second = target->Items(1);
  g_log.clear();

  target->Assign(source.get());
  EXPECT_EQ((std::vector<std::string>{"free 4", "free 3", "free 2"}), g_log);
  ASSERT_EQ(2, target->Count());
  EXPECT_EQ(first, target->Items(0));
  EXPECT_EQ(second, target->Items(1));
  EXPECT_EQ("a", static_cast<TLoggedItem*>(first)->m_value);
  EXPECT_EQ("b", static_cast<TLoggedItem*>(second)->m_value);

  TOwned<TcxCollection> grown(Create<TcxCollection>(TLoggedItem::StaticClass()));
  grown->Assign(source.get());
  EXPECT_EQ(2, grown->Count());
  TOwned<TcxRect> unrelated(Create<TcxRect>(nullptr));
  EXPECT_THROW(grown->Assign(unrelated.get()), EConvertError);
}

class TNamed : public TObject {
  OBJECT_CLASS(TNamed, TObject)
public:
  explicit TNamed(std::string name) : m_name(std::move(name)) {}
  ~TNamed() override { g_log.push_back(m_name); }

private:
  std::string m_name;
};

TEST(ObjectListTest, FreesItsObjectsInIndexOrder) {
  g_log.clear();
  {
    TcxObjectList list;
    list.Add(Create<TNamed>("first"));
    list.Add(nullptr);
    list.Add(Create<TNamed>("second"));
    EXPECT_TRUE(Is<TNamed>(list.Items(0)));
    list.Clear();
    EXPECT_EQ(0, list.Count());
    list.Add(Create<TNamed>("third"));
  }
  EXPECT_EQ((std::vector<std::string>{"first", "second", "third"}), g_log);
}

TEST(OpenListTest, SettingAnItemGrowsTheList) {
  TcxOpenList list;
  int value = 0;
  list.SetItems(5, &value);
  EXPECT_EQ(6, list.Count());
  for (int i = 0; i < 5; ++i)
    EXPECT_EQ(nullptr, list.Items(i));
  EXPECT_EQ(&value, list.Items(5));
  list.SetItems(2, &value);
  EXPECT_EQ(6, list.Count());
  EXPECT_THROW(list.SetItems(-1, &value), EListError);

  TList copy;
  copy.Add(nullptr);
  CopyList(list, copy);
  EXPECT_EQ(6, copy.Count());
  EXPECT_EQ(&value, copy.Items(2));
  EXPECT_EQ(&value, copy.Items(5));
}

TEST(FreeNotificatorTest, RelaysTheFreeingOfWatchedComponents) {
  TcxFreeNotificator* notificator = Create<TcxFreeNotificator>(nullptr);
  std::vector<TComponent*> freed;
  notificator->SetOnFreeNotification([&](TComponent* sender) { freed.push_back(sender); });
  TComponent* watched = Create<TComponent>(nullptr);
  TComponent* dropped = Create<TComponent>(nullptr);
  notificator->AddSender(watched);
  notificator->AddSender(dropped);
  notificator->AddSender(nullptr);
  notificator->RemoveSender(dropped);
  notificator->RemoveSender(nullptr);
  dropped->Free();
  EXPECT_TRUE(freed.empty());
  watched->Free();
  EXPECT_EQ((std::vector<TComponent*>{watched}), freed);
  notificator->Free();
}

} // namespace
