#include "tests/support/GTest.h"

#include <string>
#include <vector>

#include "framework/cxClasses.h"
#include "platform/rtl/Exceptions.h"

namespace {

using enum TcxComponentCollectionNotification;

std::vector<std::string> g_events;

std::string ActionName(TcxComponentCollectionNotification action) {
  static const char* const kNames[] = {"added", "changed", "extracting", "extracted", "deleting"};
  return kNames[static_cast<int>(action)];
}

std::string ItemName(TcxComponentCollectionItem* item) {
  return item ? std::to_string(item->ID()) : std::string("nil");
}

class TTestCollection : public TcxComponentCollection {
  OBJECT_CLASS(TTestCollection, TcxComponentCollection)
public:
  using TcxComponentCollection::TcxComponentCollection;

protected:
  void Notify(TcxComponentCollectionItem* item, TcxComponentCollectionNotification action) override {
    g_events.push_back("notify " + ActionName(action) + " " + ItemName(item));
  }
};

// The parent component: holds the collection its items belong to.
class TGrid : public TComponent {
  OBJECT_CLASS(TGrid, TComponent)
public:
  explicit TGrid(TComponent* owner);
  TcxComponentCollection* Columns() const { return m_columns.get(); }

private:
  TOwned<TcxComponentCollection> m_columns;
};

class TColumn : public TcxComponentCollectionItem {
  OBJECT_CLASS(TColumn, TcxComponentCollectionItem)
public:
  using TcxComponentCollectionItem::TcxComponentCollectionItem;

  void Assign(TPersistent* source) override {
    if (auto column = dynamic_cast<TColumn*>(source))
      m_caption = column->m_caption;
    else
      inherited::Assign(source);
  }
  void Touch() { Changed(false); }

  std::string m_caption;

protected:
  TcxComponentCollection* GetCollectionFromParent(TComponent* parent) override {
    auto grid = dynamic_cast<TGrid*>(parent);
    return grid ? grid->Columns() : nullptr;
  }
};

class TOtherItem : public TColumn {
  OBJECT_CLASS(TOtherItem, TColumn)
public:
  using TColumn::TColumn;
};

class TRow : public TcxComponentCollectionItem {
  OBJECT_CLASS(TRow, TcxComponentCollectionItem)
public:
  using TcxComponentCollectionItem::TcxComponentCollectionItem;

protected:
  TcxComponentCollection* GetCollectionFromParent(TComponent*) override { return nullptr; }
};

TGrid::TGrid(TComponent* owner)
    : TComponent(owner), m_columns(Create<TTestCollection>(this, TColumn::StaticClass())) {}

class ComponentCollectionTest : public testing::Test {
protected:
  void SetUp() override {
    g_events.clear();
    m_form = Create<TComponent>(nullptr);
    m_grid = Create<TGrid>(m_form);
    Columns()->SetOnChange(
        [](TObject*, TcxComponentCollectionItem* item, TcxComponentCollectionNotification action) {
          g_events.push_back("change " + ActionName(action) + " " + ItemName(item));
        });
  }
  void TearDown() override { m_form->Free(); }

  TcxComponentCollection* Columns() const { return m_grid->Columns(); }

  TComponent* m_form = nullptr;
  TGrid* m_grid = nullptr;
};

TEST_F(ComponentCollectionTest, AddedItemsAreOwnedByTheFormAndNestedInTheParent) {
  TcxComponentCollectionItem* item = Columns()->Add();
  EXPECT_TRUE(Is<TColumn>(item));
  EXPECT_EQ(m_form, item->Owner());
  EXPECT_EQ(Columns(), item->Collection());
  EXPECT_EQ(m_grid, item->GetParentComponent());
  EXPECT_TRUE(item->HasParent());
  EXPECT_EQ((std::vector<std::string>{"notify added 0", "change added 0"}), g_events);
  item->SetName("Column1");
  EXPECT_EQ("Column1", item->GetDisplayName());
}

TEST_F(ComponentCollectionTest, IDsAreNeverReused) {
  for (int i = 0; i < 3; ++i)
    Columns()->Add();
  Columns()->Remove(Columns()->FindItemByID(2));
  EXPECT_EQ(3, Columns()->Add()->ID());
  EXPECT_EQ(nullptr, Columns()->FindItemByID(2));
  EXPECT_EQ(Columns()->Items(0), Columns()->FindItemByID(0));
}

TEST_F(ComponentCollectionTest, DeleteReportsInOrder) {
  Columns()->Add();
  g_events.clear();
  Columns()->Delete(0);
  EXPECT_EQ((std::vector<std::string>{"notify deleting 0", "notify extracting 0",
                                      "notify extracted 0", "change extracted 0"}),
            g_events);
  EXPECT_EQ(0, Columns()->Count());
  EXPECT_EQ(0, m_form->ComponentCount() - 1);  // only the grid is left
}

TEST_F(ComponentCollectionTest, UpdatesHoldBackChangeReports) {
  Columns()->Add();
  g_events.clear();
  Columns()->BeginUpdate();
  Columns()->Add();
  static_cast<TColumn*>(Columns()->Items(0))->Touch();
  Columns()->EndUpdate(false);
  EXPECT_EQ((std::vector<std::string>{"notify added 1"}), g_events);
  g_events.clear();
  Columns()->BeginUpdate();
  Columns()->BeginUpdate();
  Columns()->EndUpdate(true);
  EXPECT_TRUE(g_events.empty());
  Columns()->EndUpdate(true);
  EXPECT_EQ((std::vector<std::string>{"change changed nil"}), g_events);
  // An unmatched end does not stop later reports.
  Columns()->EndUpdate(false);
  g_events.clear();
  static_cast<TColumn*>(Columns()->Items(0))->Touch();
  EXPECT_EQ((std::vector<std::string>{"change changed 0"}), g_events);
}

TEST_F(ComponentCollectionTest, ItemsOfAnotherClassAreIgnored) {
  TRow* row = Create<TRow>(m_form);
  g_events.clear();
  Columns()->InsertItem(row);
  EXPECT_EQ(0, Columns()->Count());
  EXPECT_EQ(nullptr, row->Collection());
  EXPECT_TRUE(g_events.empty());
  EXPECT_FALSE(row->HasParent());
  TOtherItem* derived = Create<TOtherItem>(m_form);
  Columns()->InsertItem(derived);
  EXPECT_EQ(derived, Columns()->Items(0));
}

TEST_F(ComponentCollectionTest, MovingReportsAllItemsOnlyWhenTheIndexChanges) {
  TcxComponentCollectionItem* first = Columns()->Add();
  TcxComponentCollectionItem* second = Columns()->Add();
  g_events.clear();
  second->SetIndex(1);
  EXPECT_TRUE(g_events.empty());
  second->SetIndex(0);
  EXPECT_EQ(0, second->Index());
  EXPECT_EQ(1, first->Index());
  EXPECT_EQ((std::vector<std::string>{"change changed nil"}), g_events);
  EXPECT_THROW(second->SetIndex(2), EListError);
  TcxComponentCollectionItem* inserted = Columns()->Insert(0);
  EXPECT_EQ(inserted, Columns()->Items(0));
}

TEST_F(ComponentCollectionTest, AssignRebuildsTheItemsInOneUpdate) {
  TGrid* source = Create<TGrid>(m_form);
  for (const char* caption : {"Ad", "Soyad"})
    static_cast<TColumn*>(source->Columns()->Add())->m_caption = caption;
  Columns()->Add();
  g_events.clear();
  Columns()->Assign(source->Columns());
  ASSERT_EQ(2, Columns()->Count());
  EXPECT_EQ("Ad", static_cast<TColumn*>(Columns()->Items(0))->m_caption);
  EXPECT_EQ("Soyad", static_cast<TColumn*>(Columns()->Items(1))->m_caption);
  std::vector<std::string> changes;
  for (const std::string& e : g_events)
    if (e.starts_with("change"))
      changes.push_back(e);
  EXPECT_EQ((std::vector<std::string>{"change changed nil"}), changes);
}

TEST_F(ComponentCollectionTest, FreeingTheOwnerOrTheParentFreesTheItems) {
  Columns()->Add();
  Columns()->Add();
  m_grid->Free();
  EXPECT_EQ(0, m_form->ComponentCount());

  m_grid = Create<TGrid>(m_form);
  Columns()->Add();
  Columns()->Add();
}

} // namespace
