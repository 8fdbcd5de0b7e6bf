#include "tests/support/GTest.h"

#include <vector>

#include "framework/cxClasses.h"

namespace {

struct ItemSpec {
  int width;
  int minWidth;
  bool fixed;
};

struct AutoWidthCase {
  const char* name;
  int available;
  std::vector<ItemSpec> items;
  std::vector<int> expected;
};

TEST(AutoWidthTest, DistributesTheAvailableWidth) {
  const AutoWidthCase cases[] = {
      {"proportional", 100, {{50, 0, false}, {50, 0, false}}, {50, 50}},
      {"clamped to a minimum", 100, {{10, 20, false}, {90, 0, false}}, {20, 80}},
      {"shares add up exactly", 100, {{1, 0, false}, {1, 0, false}, {1, 0, false}}, {33, 34, 33}},
      {"fixed items keep their width", 100, {{20, 0, true}, {40, 0, false}, {40, 0, false}},
       {20, 40, 40}},
      {"all fixed", 100, {{30, 0, true}, {40, 0, true}}, {30, 40}},
      {"no natural width: minimums", 100, {{0, 5, false}, {0, 0, false}}, {5, 0}},
      {"minimums wider than available", 10, {{10, 8, false}, {10, 8, false}}, {8, 8}},
      {"an item never reached stays -1", 50, {{0, -1, false}, {50, 60, false}}, {-1, 60}},
  };
  for (const AutoWidthCase& c : cases) {
    SCOPED_TRACE(c.name);
    TcxAutoWidthObject object(static_cast<int>(c.items.size()));
    object.SetAvailableWidth(c.available);
    for (const ItemSpec& spec : c.items) {
      TcxAutoWidthItem* item = object.AddItem();
      item->Width = spec.width;
      item->MinWidth = spec.minWidth;
      item->Fixed = spec.fixed;
      EXPECT_EQ(-1, item->AutoWidth);
    }
    object.Calculate();
    std::vector<int> results;
    for (int i = 0; i < object.Count(); ++i)
      results.push_back(object.Items(i)->AutoWidth);
    EXPECT_EQ(c.expected, results);
  }
}

TEST(AutoWidthTest, WidthIsTheSumOfNaturalWidths) {
  TcxAutoWidthObject object(0);
  object.AddItem()->Width = 7;
  object.AddItem()->Width = 5;
  EXPECT_EQ(12, object.Width());
  object.Clear();
  EXPECT_EQ(0, object.Count());
  EXPECT_EQ(0, object.Width());
}

} // namespace
