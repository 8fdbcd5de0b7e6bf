#include "tests/support/GTest.h"

#include <string>
#include <vector>

#include "platform/objects/Collections.h"

namespace {

std::vector<std::string> g_log;

class TLogItem : public TCollectionItem {
  OBJECT_CLASS(TLogItem, TCollectionItem)
public:
  using TCollectionItem::TCollectionItem;
  ~TLogItem() override { g_log.push_back("~item"); }

  int Value() const { return m_value; }
  void SetValue(int value) {
    if (m_value == value)
      return;
    m_value = value;
    Changed(false);
  }
  void Assign(TPersistent* source) override {
    if (auto* other = dynamic_cast<TLogItem*>(source))
      SetValue(other->m_value);
    else
      inherited::Assign(source);
  }

private:
  int m_value = 0;
};

class TOtherItem : public TCollectionItem {
  OBJECT_CLASS(TOtherItem, TCollectionItem)
public:
  using TCollectionItem::TCollectionItem;
};

class TLogCollection : public TCollection {
  OBJECT_CLASS(TLogCollection, TCollection)
public:
  TLogCollection() : TCollection(TLogItem::StaticClass()) {}
  TLogItem* Item(int index) const { return static_cast<TLogItem*>(Items(index)); }

protected:
  void Update(TCollectionItem* item) override {
    g_log.push_back(item ? "Update " + std::to_string(item->Index()) : "Update all");
  }
  void Notify(TCollectionItem* item, TCollectionNotification action) override {
    static const char* const kNames[] = {"added", "extracting", "deleting"};
    g_log.push_back(std::string(kNames[static_cast<int>(action)]) + " " +
                    std::to_string(static_cast<TLogItem*>(item)->Value()));
  }
};

using Log = std::vector<std::string>;

class TCollectionTest : public testing::Test {
protected:
  void SetUp() override { g_log.clear(); }

  // Adds items with the values 1..count without logging.
  void Fill(int count) {
    for (int i = 1; i <= count; ++i)
      static_cast<TLogItem*>(m_items->Add())->SetValue(i);
    g_log.clear();
  }

  TOwned<TLogCollection> m_items{Create<TLogCollection>()};
};

} // namespace

TEST_F(TCollectionTest, AddingAnnouncesTheWholeItem) {
  TCollectionItem* item = m_items->Add();
  EXPECT_EQ(g_log, (Log{"added 0", "Update all"}));
  EXPECT_EQ(item->Collection(), m_items.get());
  EXPECT_EQ(item->GetOwner(), m_items.get());
  EXPECT_EQ(item->Index(), 0);
  EXPECT_EQ(item->DisplayName(), "TLogItem");
  g_log.clear();
  static_cast<TLogItem*>(item)->SetValue(5);
  EXPECT_EQ(g_log, (Log{"Update 0"}));

  g_log.clear();
  TLogItem* direct = Create<TLogItem>(m_items.get());
  EXPECT_EQ(direct->Index(), 1);
  EXPECT_EQ(g_log, (Log{"added 0", "Update all"}));
}

TEST_F(TCollectionTest, UpdatesWaitForTheOutermostEndUpdate) {
  Fill(1);
  m_items->BeginUpdate();
  m_items->BeginUpdate();
  m_items->Add();
  m_items->Item(0)->SetValue(9);
  m_items->EndUpdate();
  EXPECT_EQ(g_log, (Log{"added 0"}));
  m_items->EndUpdate();
  EXPECT_EQ(g_log, (Log{"added 0", "Update all"}));
}

TEST_F(TCollectionTest, RemovalOrders) {
  struct Case {
    const char* what;
    void (*act)(TLogCollection&);
    Log expected;
  };
  const Case cases[] = {
      {"Delete", [](TLogCollection& c) { c.Delete(1); },
       Log{"deleting 2", "extracting 2", "Update all", "~item"}},
      {"Free", [](TLogCollection& c) { c.Items(1)->Free(); },
       Log{"extracting 2", "Update all", "~item"}},
      {"Clear", [](TLogCollection& c) { c.Clear(); },
       Log{"extracting 3", "~item", "extracting 2", "~item", "extracting 1", "~item",
           "Update all"}},
      {"Move out", [](TLogCollection& c) { c.Items(0)->SetCollection(nullptr); },
       Log{"extracting 1", "Update all"}},
  };
  for (const Case& c : cases) {
    m_items->BeginUpdate();
    m_items->Clear();
    m_items->EndUpdate();
    Fill(3);
    TCollectionItem* first = m_items->Items(0);
    c.act(*m_items);
    EXPECT_EQ(g_log, c.expected) << c.what;
    if (first->Collection() == nullptr)
      first->Free();
  }
}

TEST_F(TCollectionTest, MovingAnItemAnnouncesAllItems) {
  Fill(3);
  m_items->Item(2)->SetIndex(0);
  EXPECT_EQ(m_items->Item(0)->Value(), 3);
  EXPECT_EQ(m_items->Item(2)->Value(), 2);
  EXPECT_EQ(g_log, (Log{"Update all"}));
  g_log.clear();
  m_items->Item(0)->SetIndex(0);
  EXPECT_TRUE(g_log.empty());
  EXPECT_THROW(m_items->Item(0)->SetIndex(3), EListError);

  TCollectionItem* inserted = m_items->Insert(1);
  EXPECT_EQ(inserted->Index(), 1);
}

TEST_F(TCollectionTest, IDsAreNeverReused) {
  Fill(3);
  m_items->Delete(2);
  TCollectionItem* added = m_items->Add();
  EXPECT_EQ(added->ID(), 3);
  EXPECT_EQ(m_items->FindItemID(1), m_items->Items(1));
  EXPECT_EQ(m_items->FindItemID(2), nullptr);
}

TEST_F(TCollectionTest, AssignReplacesTheItemsInOneUpdate) {
  Fill(1);
  TOwned<TLogCollection> source(Create<TLogCollection>());
  static_cast<TLogItem*>(source->Add())->SetValue(7);
  static_cast<TLogItem*>(source->Add())->SetValue(8);
  g_log.clear();
  m_items->Assign(source.get());
  EXPECT_EQ(g_log, (Log{"extracting 1", "~item", "added 0", "added 0", "Update all"}));
  ASSERT_EQ(m_items->Count(), 2);
  EXPECT_EQ(m_items->Item(1)->Value(), 8);
  EXPECT_NE(m_items->Items(0), source->Items(0));

  TOwned<TPersistent> plain(Create<TPersistent>());
  EXPECT_THROW(m_items->Assign(plain.get()), EConvertError);
  m_items->SetItem(0, source->Items(1));
  EXPECT_EQ(m_items->Item(0)->Value(), 8);
}

TEST_F(TCollectionTest, RefusesItemsOfAnotherClass) {
  EXPECT_THROW(Create<TOtherItem>(m_items.get()), EInvalidCast);
  EXPECT_EQ(m_items->Count(), 0);
  try {
    m_items->Items(0);
    FAIL();
  } catch (const EListError& error) {
    EXPECT_EQ(error.Message(), "List index out of bounds (0)");
  }
}

TEST_F(TCollectionTest, FreeingTheCollectionFreesItsItemsQuietly) {
  Fill(2);
  m_items.reset();
  EXPECT_EQ(g_log, (Log{"extracting 2", "~item", "extracting 1", "~item"}));
}

TEST(OwnedCollection, AnswersItsOwner) {
  TOwned<TPersistent> owner(Create<TPersistent>());
  TOwned<TOwnedCollection> items(
      Create<TOwnedCollection>(owner.get(), TCollectionItemClass(TLogItem::StaticClass())));
  EXPECT_EQ(items->Owner(), owner.get());
  EXPECT_EQ(items->Add()->GetOwner(), items.get());
}
