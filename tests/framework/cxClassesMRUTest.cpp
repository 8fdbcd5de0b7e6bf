#include "tests/support/GTest.h"

#include <memory>
#include <string>
#include <vector>

#include "framework/cxClasses.h"
#include "platform/rtl/Exceptions.h"

namespace {

std::vector<std::string> g_freed;

class TTextItem : public TcxMRUItem {
public:
  explicit TTextItem(std::string text) : m_text(std::move(text)) {}
  ~TTextItem() override { g_freed.push_back(m_text); }

  bool Equals(const TcxMRUItem* item) const override {
    auto other = dynamic_cast<const TTextItem*>(item);
    return other && other->m_text == m_text;
  }
  const std::string& Text() const { return m_text; }

private:
  std::string m_text;
};

std::unique_ptr<TcxMRUItem> Item(const char* text) { return std::make_unique<TTextItem>(text); }

using TextList = std::vector<std::string>;

TextList Texts(const TcxMRUItems& items) {
  TextList texts;
  for (int i = 0; i < items.Count(); ++i)
    texts.push_back(static_cast<TTextItem*>(items.Items(i))->Text());
  return texts;
}

class MRUItemsTest : public testing::Test {
protected:
  void SetUp() override {
    g_freed.clear();
    for (const char* text : {"C", "B", "A"})
      m_items.Add(Item(text));
  }

  TcxMRUItems m_items;
};

TEST_F(MRUItemsTest, AnEqualItemMovesToTheFrontAndTheAddedOneIsFreed) {
  m_items.SetMaxCount(3);
  EXPECT_EQ((TextList{"A", "B", "C"}), Texts(m_items));
  m_items.Add(Item("C"));
  EXPECT_EQ((TextList{"C", "A", "B"}), Texts(m_items));
  EXPECT_EQ((TextList{"C"}), g_freed);
  m_items.Add(Item("D"));
  EXPECT_EQ((TextList{"D", "C", "A"}), Texts(m_items));
  EXPECT_EQ((TextList{"C", "B"}), g_freed);
}

TEST_F(MRUItemsTest, AddingAnItemTheListHoldsKeepsItAlive) {
  TcxMRUItem* b = m_items.Items(1);
  m_items.Add(std::unique_ptr<TcxMRUItem>(b));
  EXPECT_EQ((TextList{"B", "A", "C"}), Texts(m_items));
  EXPECT_EQ(b, m_items.Items(0));
  EXPECT_TRUE(g_freed.empty());
  m_items.ClearItems();
  EXPECT_EQ((TextList{"C", "A", "B"}), g_freed);
}

TEST_F(MRUItemsTest, MaximumTrimsFromTheEnd) {
  m_items.Add(Item("D"));
  m_items.Add(Item("E"));
  m_items.SetMaxCount(2);
  EXPECT_EQ((TextList{"E", "D"}), Texts(m_items));
  EXPECT_EQ((TextList{"C", "B", "A"}), g_freed);
  m_items.SetMaxCount(-1);
  EXPECT_EQ(0, m_items.MaxCount());
  EXPECT_EQ(2, m_items.Count());
  m_items.SetCount(5);
  EXPECT_EQ(2, m_items.Count());
}

TEST_F(MRUItemsTest, IndexOfAndDelete) {
  TTextItem b("B");
  EXPECT_EQ(1, m_items.IndexOf(&b));
  TTextItem x("X");
  EXPECT_EQ(-1, m_items.IndexOf(&x));
  g_freed.clear();
  m_items.Delete(1);
  EXPECT_EQ((TextList{"B"}), g_freed);
  EXPECT_THROW(m_items.Delete(2), EListError);
  EXPECT_THROW(m_items.Items(-1), EListError);
}

} // namespace
