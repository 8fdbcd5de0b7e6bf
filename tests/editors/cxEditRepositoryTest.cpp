// Edit repositories: items found by name, the properties class an item
// class names, listeners told (last first) of changes and of the item going
// away, editors that stop listening when freed, and items nested in their
// repository in form definitions.
#include "editors/cxEditRepository.h"

#include <string>
#include <vector>

#include "platform/objects/FormReader.h"
#include "platform/objects/FormWriter.h"
#include "tests/editors/EditPropertiesTestSupport.h"
#include "tests/support/GTest.h"

namespace {

using editors_test::TTestEditProperties;

class TcxEditRepositoryTestItemMeta : public TcxEditRepositoryItemMeta {
public:
  using TcxEditRepositoryItemMeta::TcxEditRepositoryItemMeta;
  TcxCustomEditPropertiesClass GetEditPropertiesClass() const override {
    return TTestEditProperties::StaticClass();
  }
};

class TcxEditRepositoryTestItem : public TcxEditRepositoryItem {
  OBJECT_CLASS_META(TcxEditRepositoryTestItem, TcxEditRepositoryItem, TcxEditRepositoryTestItemMeta)
public:
  static void Publish(TPublisher& p) {
    p.Property<TcxEditRepositoryTestItem>("Properties", [](TcxEditRepositoryTestItem* o) {
      return static_cast<TTestEditProperties*>(o->Properties());
    });
  }
  using TcxEditRepositoryItem::TcxEditRepositoryItem;
};

// Stands for an editor using an item: it forgets the item when told it is
// gone and stops listening when freed itself.
class TListeningEditor : public TComponent, public IcxEditRepositoryItemListener {
  OBJECT_CLASS(TListeningEditor, TComponent)
public:
  TListeningEditor(TComponent* owner, TcxEditRepositoryItem* item, std::string name,
                   std::vector<std::string>& log)
      : TComponent(owner), item(item), m_name(std::move(name)), m_log(log) {
    item->AddListener(this);
  }
  ~TListeningEditor() override {
    if (item)
      item->RemoveListener(this);
  }
  bool QueryInterface(const TInterfaceQuery& query, void*& intf) override {
    return TComponent::QueryInterface(query, intf);
  }
  int _AddRef() override { return -1; }
  int _Release() override { return -1; }

  void ItemRemoved(TcxEditRepositoryItem* Sender) override {
    m_log.push_back(m_name + " removed " + Sender->Name());
    item = nullptr;
  }
  void PropertiesChanged(TcxEditRepositoryItem* Sender) override {
    m_log.push_back(m_name + " changed " + Sender->Name());
  }

  TcxEditRepositoryItem* item;

private:
  std::string m_name;
  std::vector<std::string>& m_log;
};

// A form: lists the components it owns that have no streaming parent.
class TRepositoryForm : public TComponent {
  OBJECT_CLASS(TRepositoryForm, TComponent)
public:
  using TComponent::TComponent;
  void GetChildren(const TGetChildProc& proc, TComponent* root) override {
    for (int i = 0; i < ComponentCount(); ++i)
      if (!Components(i)->HasParent() && Components(i)->Owner() == root)
        proc(Components(i));
  }
};

class EditRepositoryTest : public testing::Test {
protected:
  EditRepositoryTest() : m_repository(Create<TcxEditRepository>(nullptr)) {
    m_repository->SetName("Repo");
  }
  TcxEditRepositoryItem* NewItem(const std::string& name) {
    TcxEditRepositoryItem* item =
        m_repository->CreateItem(TcxEditRepositoryTestItem::StaticClass());
    item->SetName(name);
    return item;
  }

  TOwned<TcxEditRepository> m_repository;
  std::vector<std::string> m_log;
};

TEST_F(EditRepositoryTest, ItemsAreMadeInTheRepositoryWithPropertiesOfTheirKind) {
  TcxEditRepositoryItem* item = NewItem("TextA");
  EXPECT_EQ(item->Owner(), m_repository.get());
  EXPECT_EQ(item->Repository(), m_repository.get());
  EXPECT_TRUE(item->HasParent());
  EXPECT_EQ(item->GetParentComponent(), m_repository.get());
  EXPECT_EQ(item->Properties()->ClassType(), TTestEditProperties::StaticClass());
  EXPECT_EQ(item->Properties()->Owner(), item);
  EXPECT_EQ(m_repository->Count(), 1);
  EXPECT_EQ(m_repository->Items(0), item);
  EXPECT_THROW(m_repository->Items(1), EListError);

  TOwned<TcxEditRepositoryItem> plain(Create<TcxEditRepositoryItem>(nullptr));
  EXPECT_EQ(plain->Properties()->ClassType(), TcxCustomEditProperties::StaticClass());
  EXPECT_FALSE(plain->HasParent());
}

TEST_F(EditRepositoryTest, ItemByNameIgnoresLetterCase) {
  NewItem("TextA");
  TcxEditRepositoryItem* second = NewItem("MemoEdt");
  EXPECT_EQ(m_repository->ItemByName("MEMOEDT"), second);
  EXPECT_EQ(m_repository->ItemByName("memoedt"), second);
  EXPECT_EQ(m_repository->ItemByName("Memo"), nullptr);
  EXPECT_EQ(m_repository->ItemByName(""), nullptr);
}

TEST_F(EditRepositoryTest, ListenersHearOfChangesAndRemovalLastFirst) {
  TcxEditRepositoryItem* item = NewItem("Shared");
  TOwned<TListeningEditor> first(Create<TListeningEditor>(nullptr, item, "first", m_log));
  TOwned<TListeningEditor> second(Create<TListeningEditor>(nullptr, item, "second", m_log));
  item->AddListener(first.get());
  EXPECT_EQ(item->ListenerCount(), 2);

  item->Properties()->SetTransparent(true);
  EXPECT_EQ(m_log, (std::vector<std::string>{"second changed Shared", "first changed Shared"}));
  m_log.clear();
  item->Free();
  EXPECT_EQ(m_log, (std::vector<std::string>{"second removed Shared", "first removed Shared"}));
  EXPECT_EQ(first->item, nullptr);
  EXPECT_EQ(second->item, nullptr);
  EXPECT_EQ(m_repository->Count(), 0);
}

TEST_F(EditRepositoryTest, AFreedEditorStopsListening) {
  TcxEditRepositoryItem* item = NewItem("Shared");
  TOwned<TListeningEditor> first(Create<TListeningEditor>(nullptr, item, "first", m_log));
  auto* second = Create<TListeningEditor>(nullptr, item, "second", m_log);
  second->Free();
  EXPECT_EQ(item->ListenerCount(), 1);
  item->Properties()->SetTransparent(true);
  item->Free();
  EXPECT_EQ(m_log, (std::vector<std::string>{"first changed Shared", "first removed Shared"}));
}

TEST_F(EditRepositoryTest, ClearAndTheRepositoryFreeTheItemsLastFirst) {
  std::vector<TOwned<TListeningEditor>> editors;
  for (const char* name : {"One", "Two", "Three"})
    editors.emplace_back(Create<TListeningEditor>(nullptr, NewItem(name), name, m_log));
  m_repository->Clear();
  EXPECT_EQ(m_log, (std::vector<std::string>{"Three removed Three", "Two removed Two",
                                             "One removed One"}));
  EXPECT_EQ(m_repository->Count(), 0);

  m_log.clear();
  TOwned<TListeningEditor> editor(
      Create<TListeningEditor>(nullptr, NewItem("Last"), "editor", m_log));
  m_repository.reset();
  EXPECT_EQ(m_log, (std::vector<std::string>{"editor removed Last"}));
}

TEST_F(EditRepositoryTest, AnItemOwnedElsewhereLeavesTheRepositoryWhenFreed) {
  TOwned<TComponent> form(Create<TComponent>(nullptr));
  TcxEditRepositoryItem* item =
      m_repository->CreateItemEx(TcxEditRepositoryTestItem::StaticClass(), form.get());
  EXPECT_EQ(item->Owner(), form.get());
  EXPECT_EQ(m_repository->Count(), 1);
  form.reset();
  EXPECT_EQ(m_repository->Count(), 0);
}

TEST_F(EditRepositoryTest, RepositoryIsJoinedAndLeftThroughTheStreamingParent) {
  TOwned<TcxEditRepositoryItem> item(Create<TcxEditRepositoryTestItem>(nullptr));
  item->SetParentComponent(m_repository.get());
  EXPECT_EQ(item->Repository(), m_repository.get());
  TOwned<TComponent> other(Create<TComponent>(nullptr));
  EXPECT_THROW(item->SetParentComponent(other.get()), EInvalidCast);
  EXPECT_EQ(item->Repository(), m_repository.get());
  TOwned<TcxEditRepository> next(Create<TcxEditRepository>(nullptr));
  item->SetRepository(next.get());
  EXPECT_EQ(m_repository->Count(), 0);
  EXPECT_EQ(next->Count(), 1);
  item->SetRepository(nullptr);
  EXPECT_EQ(next->Count(), 0);
}

TEST_F(EditRepositoryTest, BaseNameJoinsTheRepositoryNameAndTheKind) {
  TcxEditRepositoryItem* item = NewItem("Any");
  EXPECT_EQ(item->GetBaseName(), "RepoTestItem");
  TOwned<TcxEditRepositoryItem> loose(Create<TcxEditRepositoryTestItem>(nullptr));
  EXPECT_EQ(loose->GetBaseName(), "TestItem");
}

TEST_F(EditRepositoryTest, ItemsRoundTripNestedInTheirRepository) {
  RegisterClasses({TcxEditRepository::StaticClass(), TcxEditRepositoryTestItem::StaticClass()});
  TOwned<TRepositoryForm> form(Create<TRepositoryForm>(nullptr));
  auto* repository = Create<TcxEditRepository>(form.get());
  repository->SetName("Repository1");
  for (const char* name : {"Plain", "Strict"}) {
    TcxEditRepositoryItem* item =
        repository->CreateItemEx(TcxEditRepositoryTestItem::StaticClass(), form.get());
    item->SetName(name);
  }
  repository->Items(1)->Properties()->SetReadOnly(true);
  const std::string text = WriteFormDefinition(form.get());
  EXPECT_EQ(text, "object TRepositoryForm\r\n"
                  "  object Repository1: TcxEditRepository\r\n"
                  "    object Plain: TcxEditRepositoryTestItem\r\n"
                  "    end\r\n"
                  "    object Strict: TcxEditRepositoryTestItem\r\n"
                  "      Properties.ReadOnly = True\r\n"
                  "    end\r\n"
                  "  end\r\n"
                  "end\r\n");

  TOwned<TRepositoryForm> copy(Create<TRepositoryForm>(nullptr));
  ReadFormDefinition(text, copy.get());
  auto* read = As<TcxEditRepository>(copy->FindComponent("Repository1"));
  ASSERT_NE(read, nullptr);
  ASSERT_EQ(read->Count(), 2);
  EXPECT_EQ(read->Items(0)->Name(), "Plain");
  EXPECT_EQ(read->Items(1)->Owner(), copy.get());
  EXPECT_TRUE(read->Items(1)->Properties()->GetReadOnly());
  EXPECT_EQ(WriteFormDefinition(copy.get()), text);
  copy.reset();
  form.reset();
  UnRegisterClasses({TcxEditRepository::StaticClass(), TcxEditRepositoryTestItem::StaticClass()});
}

TEST(DefaultEditRepositoryTest, IsMadeOnceWithoutOwner) {
  TcxEditRepository* repository = GetDefaultEditRepository();
  EXPECT_EQ(repository->Owner(), nullptr);
  EXPECT_EQ(GetDefaultEditRepository(), repository);
  FreeDefaultEditRepository();
  FreeDefaultEditRepository();
}

} // namespace
