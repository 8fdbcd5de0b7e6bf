#include "tests/support/GTest.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Lists.h"

#include <algorithm>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

// Items of the lists under test point into this array, so that an item's
// value tells which item it is.
int g_values[32];

void* Item(int value) {
  return &g_values[value];
}

int ValueOf(void* item) {
  return item == nullptr ? -1 : static_cast<int>(static_cast<int*>(item) - g_values);
}

std::vector<int> Values(const TList& list) {
  std::vector<int> values;
  for (int i = 0; i < list.Count(); ++i)
    values.push_back(ValueOf(list.Items(i)));
  return values;
}

void Fill(TList& list, const std::vector<int>& values) {
  for (const int value : values)
    list.Add(value < 0 ? nullptr : Item(value));
}

int CompareValues(void* a, void* b) {
  return ValueOf(a) - ValueOf(b);
}

} // namespace

TEST(ListTest, EditingOperationsKeepTheOrder) {
  struct Case {
    const char* name;
    std::function<void(TList&)> edit;
    std::vector<int> expected;
  };
  const Case cases[] = {
      {"Insert at start", [](TList& l) { l.Insert(0, Item(9)); }, {9, 0, 1, 2, 1}},
      {"Insert at end", [](TList& l) { l.Insert(4, Item(9)); }, {0, 1, 2, 1, 9}},
      {"Delete", [](TList& l) { l.Delete(1); }, {0, 2, 1}},
      {"Remove first occurrence", [](TList& l) { EXPECT_EQ(l.Remove(Item(1)), 1); }, {0, 2, 1}},
      {"Remove absent", [](TList& l) { EXPECT_EQ(l.Remove(Item(7)), -1); }, {0, 1, 2, 1}},
      {"Extract", [](TList& l) { EXPECT_EQ(l.Extract(Item(2)), Item(2)); }, {0, 1, 1}},
      {"Extract absent", [](TList& l) { EXPECT_EQ(l.Extract(Item(7)), nullptr); }, {0, 1, 2, 1}},
      {"Exchange", [](TList& l) { l.Exchange(0, 2); }, {2, 1, 0, 1}},
      {"Move forward", [](TList& l) { l.Move(0, 3); }, {1, 2, 1, 0}},
      {"Move back", [](TList& l) { l.Move(3, 0); }, {1, 0, 1, 2}},
      {"SetItems", [](TList& l) { l.SetItems(2, Item(5)); }, {0, 1, 5, 1}},
      {"SetCount grows with nil", [](TList& l) { l.SetCount(6); }, {0, 1, 2, 1, -1, -1}},
      {"SetCount shrinks", [](TList& l) { l.SetCount(1); }, {0}},
      {"Clear", [](TList& l) { l.Clear(); }, {}},
  };
  for (const Case& c : cases) {
    TList list;
    Fill(list, {0, 1, 2, 1});
    c.edit(list);
    EXPECT_EQ(Values(list), c.expected) << c.name;
  }
}

TEST(ListTest, QueriesAnswerFromBothEnds) {
  TList list;
  Fill(list, {3, -1, 4, 3});
  EXPECT_EQ(list.IndexOf(Item(3)), 0);
  EXPECT_EQ(list.IndexOf(nullptr), 1);
  EXPECT_EQ(list.IndexOf(Item(8)), -1);
  EXPECT_EQ(list.First(), Item(3));
  EXPECT_EQ(list.Last(), Item(3));
  list.Pack();
  EXPECT_EQ(Values(list), (std::vector<int>{3, 4, 3}));
}

TEST(ListTest, BadIndexesRaiseAndLeaveTheListAlone) {
  struct Case {
    std::function<void(TList&)> call;
    const char* message;
  };
  const Case cases[] = {
      {[](TList& l) { l.Items(-1); }, "List index out of bounds (-1)"},
      {[](TList& l) { l.Items(3); }, "List index out of bounds (3)"},
      {[](TList& l) { l.SetItems(3, nullptr); }, "List index out of bounds (3)"},
      {[](TList& l) { l.Insert(4, nullptr); }, "List index out of bounds (4)"},
      {[](TList& l) { l.Delete(3); }, "List index out of bounds (3)"},
      {[](TList& l) { l.Exchange(0, 5); }, "List index out of bounds (5)"},
      {[](TList& l) { l.Move(0, 3); }, "List index out of bounds (3)"},
      {[](TList& l) { l.Move(-2, 0); }, "List index out of bounds (-2)"},
      {[](TList& l) { l.SetCount(-1); }, "List count out of bounds (-1)"},
      {[](TList& l) { l.SetCapacity(-1); }, "List capacity out of bounds (-1)"},
      {[](TList& l) { l.SetCapacity(2); }, "List capacity out of bounds (2)"},
      {[](TList& l) { l.SetCapacity(MaxListSize + 1); }, "List capacity out of bounds (134217728)"},
  };
  for (const Case& c : cases) {
    TList list;
    Fill(list, {0, 1, 2});
    try {
      c.call(list);
      ADD_FAILURE() << "no error for " << c.message;
    } catch (const EListError& e) {
      EXPECT_EQ(e.Message(), c.message);
    }
    EXPECT_EQ(Values(list), (std::vector<int>{0, 1, 2})) << c.message;
  }
  TList empty;
  EXPECT_THROW(empty.First(), EListError);
  EXPECT_THROW(empty.Last(), EListError);
}

TEST(ListTest, CapacityFollowsTheContent) {
  TList list;
  list.SetCapacity(10);
  EXPECT_EQ(list.Capacity(), 10);
  Fill(list, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
  EXPECT_GE(list.Capacity(), 11);
  EXPECT_EQ(list.Expand(), &list);
  list.Clear();
  EXPECT_EQ(list.Capacity(), 0);
}

TEST(ListTest, SortOrdersByTheCompareFunction) {
  const std::vector<std::vector<int>> inputs = {
      {}, {5}, {2, 1}, {1, 2, 3}, {3, 2, 1}, {4, 4, 4}, {5, 1, 4, 1, 5, 9, 2, 6, 5, 3, 5},
  };
  for (const auto& input : inputs) {
    TList list;
    Fill(list, input);
    list.Sort(CompareValues);
    std::vector<int> expected = input;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Values(list), expected);
  }
  std::mt19937 random(7);
  TList list;
  std::vector<int> values;
  for (int i = 0; i < 500; ++i)
    values.push_back(static_cast<int>(random() % 32));
  Fill(list, values);
  list.Sort(CompareValues);
  std::sort(values.begin(), values.end());
  EXPECT_EQ(Values(list), values);
}

TEST(ListTest, SortWithAContradictoryCompareStaysInsideTheList) {
  for (const int answer : {-1, 1}) {
    TList list;
    std::vector<int> values = {3, 1, 2, 0, 5, 4, 7, 6};
    Fill(list, values);
    list.Sort([answer](void*, void*) { return answer; });
    std::vector<int> sorted = Values(list);
    std::sort(sorted.begin(), sorted.end());
    std::sort(values.begin(), values.end());
    EXPECT_EQ(sorted, values);
  }
}
