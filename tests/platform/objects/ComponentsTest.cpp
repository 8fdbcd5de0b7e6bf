#include "tests/support/GTest.h"

#include <string>
#include <vector>

#include "platform/objects/Components.h"

namespace {

using enum TComponentStateItem;

std::vector<std::string> g_log;

// Logs what it is told; the name of a component stands for it.
class TLogged : public TComponent {
  OBJECT_CLASS(TLogged, TComponent)
public:
  using TComponent::TComponent;
  ~TLogged() override { g_log.push_back("~" + Name()); }
  void BeforeDestruction() override {
    inherited::BeforeDestruction();
    g_log.push_back("BeforeDestruction " + Name());
  }
  void Notification(TComponent* component, TOperation operation) override {
    g_log.push_back(Name() + (operation == TOperation::opInsert ? " +" : " -") +
                    (component ? component->Name() : std::string("?")));
    inherited::Notification(component, operation);
    if (operation == TOperation::opRemove && component == link)
      link = nullptr;
  }
  TComponent* link = nullptr;
};

TLogged* Make(TComponent* owner, const std::string& name) {
  TLogged* component = Create<TLogged>(owner);
  component->SetName(name);
  return component;
}

class TComponentTest : public testing::Test {
protected:
  void SetUp() override { g_log.clear(); }
};

} // namespace

TEST_F(TComponentTest, OwnerKeepsItsComponentsInOrderAndFindsThemByName) {
  TOwned<TComponent> owner(Create<TComponent>(nullptr));
  TLogged* a = Make(owner.get(), "Alpha");
  TLogged* b = Make(owner.get(), "Beta");
  EXPECT_EQ(owner->ComponentCount(), 2);
  EXPECT_EQ(owner->Components(1), b);
  EXPECT_EQ(a->Owner(), owner.get());
  EXPECT_EQ(b->ComponentIndex(), 1);
  EXPECT_EQ(owner->FindComponent("bETA"), b);
  EXPECT_EQ(owner->FindComponent(""), nullptr);
  EXPECT_EQ(owner->FindComponent("Gamma"), nullptr);
  b->SetComponentIndex(0);
  EXPECT_EQ(owner->Components(0), b);
  EXPECT_EQ(a->GetOwner(), owner.get());
  try {
    owner->Components(2);
    FAIL();
  } catch (const EListError& error) {
    EXPECT_EQ(error.Message(), "List index out of bounds (2)");
  }
}

TEST_F(TComponentTest, NamesMustBeIdentifiersUniqueAmongSiblings) {
  TOwned<TComponent> owner(Create<TComponent>(nullptr));
  TLogged* a = Make(owner.get(), "Edit1");
  TLogged* b = Make(owner.get(), "Edit2");
  struct Case {
    const char* name;
    const char* message;
  };
  const Case cases[] = {
      {"EDIT1", "A component named EDIT1 already exists"},
      {"1Edit", "'1Edit' is not a valid component name"},
      {"Edit 3", "'Edit 3' is not a valid component name"},
  };
  for (const Case& c : cases) {
    try {
      b->SetName(c.name);
      ADD_FAILURE() << c.name;
    } catch (const EComponentError& error) {
      EXPECT_EQ(error.Message(), c.message);
    }
    EXPECT_EQ(b->Name(), "Edit2");
  }
  a->SetName("EDIT1");
  EXPECT_EQ(a->Name(), "EDIT1");
  b->SetName("");
  EXPECT_EQ(b->Name(), "");
  TOwned<TComponent> other(Create<TComponent>(nullptr));
  TLogged* c = Make(other.get(), "Edit1");
  EXPECT_THROW(owner->InsertComponent(c), EComponentError);
  EXPECT_EQ(c->Owner(), other.get());
}

TEST_F(TComponentTest, InsertAndRemoveAreAnnouncedToTheOwnedComponents) {
  TOwned<TLogged> owner(Make(nullptr, "Form"));
  TLogged* a = Make(owner.get(), "A");
  g_log.clear();
  TLogged* b = Create<TLogged>(nullptr);
  b->SetName("B");
  owner->InsertComponent(b);
  EXPECT_EQ(g_log, (std::vector<std::string>{"Form +B", "B +B", "A +B"}));
  g_log.clear();
  owner->RemoveComponent(a);
  EXPECT_EQ(g_log, (std::vector<std::string>{"Form -A", "B -A", "A -A"}));
  EXPECT_EQ(a->Owner(), nullptr);
  a->Free();
}

TEST_F(TComponentTest, FreeingAnOwnerFreesWhatItOwnsLastFirst) {
  TLogged* owner = Make(nullptr, "Form");
  TLogged* a = Make(owner, "A");
  Make(owner, "B");
  Make(a, "A1");
  g_log.clear();
  owner->Free();
  EXPECT_EQ(g_log, (std::vector<std::string>{"BeforeDestruction Form", "~Form",
                                             "BeforeDestruction B", "~B", "BeforeDestruction A",
                                             "~A", "BeforeDestruction A1", "~A1"}));
}

TEST_F(TComponentTest, BeforeDestructionMarksEverythingOwnedAsDestroying) {
  TLogged* owner = Make(nullptr, "Form");
  TLogged* a = Make(owner, "A");
  TLogged* a1 = Make(a, "A1");
  owner->BeforeDestruction();
  EXPECT_TRUE(owner->ComponentState().Contains(csDestroying));
  EXPECT_TRUE(a1->ComponentState().Contains(csDestroying));
  delete owner;
}

TEST_F(TComponentTest, FreeNotificationTellsPeersOfOtherOwnersBothWays) {
  TOwned<TComponent> form1(Create<TComponent>(nullptr));
  TOwned<TComponent> form2(Create<TComponent>(nullptr));
  TLogged* source = Make(form1.get(), "Source");
  TLogged* user = Make(form2.get(), "User");
  user->link = source;
  source->FreeNotification(user);
  EXPECT_TRUE(source->ComponentState().Contains(csFreeNotification));
  g_log.clear();
  source->Free();
  EXPECT_EQ(user->link, nullptr);
  EXPECT_EQ(g_log, (std::vector<std::string>{"BeforeDestruction Source", "~Source", "User -Source"}));

  TLogged* other = Make(form1.get(), "Other");
  other->FreeNotification(user);
  g_log.clear();
  user->Free();
  EXPECT_EQ(g_log, (std::vector<std::string>{"BeforeDestruction User", "~User", "Other -User"}));
}

TEST_F(TComponentTest, RemovedFreeNotificationIsNotTold) {
  TOwned<TComponent> form1(Create<TComponent>(nullptr));
  TOwned<TComponent> form2(Create<TComponent>(nullptr));
  TLogged* source = Make(form1.get(), "Source");
  TLogged* user = Make(form2.get(), "User");
  source->FreeNotification(user);
  user->RemoveFreeNotification(source);
  g_log.clear();
  source->Free();
  EXPECT_EQ(g_log, (std::vector<std::string>{"BeforeDestruction Source", "~Source"}));
}

TEST_F(TComponentTest, SiblingsHearOfAFreedSiblingThroughTheirOwner) {
  TOwned<TLogged> form(Make(nullptr, "Form"));
  TLogged* a = Make(form.get(), "A");
  TLogged* b = Make(form.get(), "B");
  b->link = a;
  a->FreeNotification(b);
  g_log.clear();
  a->Free();
  EXPECT_EQ(b->link, nullptr);
  EXPECT_EQ(g_log, (std::vector<std::string>{"BeforeDestruction A", "~A", "Form -A", "B -A"}));
}

TEST_F(TComponentTest, DesigningSpreadsToOwnedComponents) {
  TOwned<TComponent> form(Create<TComponent>(nullptr));
  TLogged* a = Make(form.get(), "A");
  form->SetDesigning(true);
  EXPECT_TRUE(a->ComponentState().Contains(csDesigning));
  TLogged* b = Make(form.get(), "B");
  EXPECT_TRUE(b->ComponentState().Contains(csDesigning));
  form->SetDesigning(false, false);
  EXPECT_FALSE(form->ComponentState().Contains(csDesigning));
  EXPECT_TRUE(b->ComponentState().Contains(csDesigning));
}

TEST_F(TComponentTest, ComponentsAnswerIInterfaceWithoutCounting) {
  TOwned<TComponent> form(Create<TComponent>(nullptr));
  IInterface* unknown = nullptr;
  ASSERT_TRUE(Supports<IInterface>(form.get(), unknown));
  EXPECT_EQ(unknown->_AddRef(), -1);
  EXPECT_EQ(unknown->_Release(), -1);
}
