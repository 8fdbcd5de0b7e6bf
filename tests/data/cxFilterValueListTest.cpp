#include "tests/support/GTest.h"

#include <string>
#include <vector>

#include "tests/data/cxFilterTestSupport.h"

namespace {

using namespace filter_test;
using enum TcxFilterValueItemKind;
using enum TcxFilterOperatorKind;

class FilterValueListTest : public testing::Test, public TFilterFixtureData {
protected:
  FilterValueListTest() : m_list(Criteria().GetValueListClass().Create(&Criteria())) {}

  TcxFilterValueList& List() { return *m_list; }

  void AddValue(const Variant& value, bool append = false) {
    List().Add(fviValue, value, VarToStr(value), append);
  }

  // The entries as "kind:text", the separator as "--".
  std::vector<std::string> Entries() {
    std::vector<std::string> entries;
    for (int i = 0; i < List().Count(); ++i) {
      const TcxFilterValueItem& item = *List().Items(i);
      entries.push_back(item.Kind == fviMRUSeparator
                            ? "--"
                            : std::to_string(static_cast<int>(item.Kind)) + ":" + item.DisplayText);
    }
    return entries;
  }

private:
  TOwned<TcxFilterValueList> m_list;
};

using TEntries = std::vector<std::string>;

TEST_F(FilterValueListTest, ValuesAreKeptInOrderAndOnce) {
  for (int value : {3, 1, 2, 2})
    AddValue(value);
  EXPECT_EQ((TEntries{"5:1", "5:2", "5:3"}), Entries());
}

TEST_F(FilterValueListTest, MaxValueListCountCapsValuesUnlessAppended) {
  Criteria().SetMaxValueListCount(2);
  AddValue(1);
  AddValue(2);
  AddValue(3);
  EXPECT_EQ(2, List().Count());
  AddValue(3, true);
  EXPECT_EQ((TEntries{"5:1", "5:2", "5:3"}), Entries());
}

TEST_F(FilterValueListTest, BlocksKeepRecentThenSpecialThenValueEntries) {
  List().Add(fviAll, Null(), "(All)");
  AddValue(2);
  AddValue(1);
  List().Add(fviCustom, Null(), "(Custom...)");
  List().Add(fviMRU, 7, "7");
  List().Add(fviMRU, 8, "8");
  EXPECT_EQ((TEntries{"6:7", "6:8", "--", "0:(All)", "1:(Custom...)", "5:1", "5:2"}), Entries());
  EXPECT_EQ(2, List().GetMRUSeparatorIndex());
  EXPECT_EQ(5, List().GetStartValueIndex());
}

TEST_F(FilterValueListTest, PositionsOfAnEmptyOrPlainList) {
  EXPECT_EQ(-1, List().GetMRUSeparatorIndex());
  EXPECT_EQ(0, List().GetStartValueIndex());
  List().Add(fviAll, Null(), "(All)");
  EXPECT_EQ(-1, List().GetMRUSeparatorIndex());
  EXPECT_EQ(1, List().GetStartValueIndex());
}

TEST_F(FilterValueListTest, CaseInsensitiveCriteriaTreatDifferentlyCasedTextAsOne) {
  List().Add(fviValue, "ABC", "ABC");
  List().Add(fviValue, "abc", "abc");
  EXPECT_EQ((TEntries{"5:ABC", "5:abc"}), Entries());
  List().Clear();
  Criteria().SetOptions({TcxFilterCriteriaOption::fcoCaseInsensitive});
  List().Add(fviValue, "ABC", "ABC");
  List().Add(fviValue, "abc", "abc");
  EXPECT_EQ((TEntries{"5:ABC"}), Entries());
}

TEST_F(FilterValueListTest, SortingByDisplayTextUsesTheLocalesCollation) {
  List().SetSortByDisplayText(true);
  List().Add(fviValue, 1, "\xE7" "am");  // çam sorts between c and d
  List().Add(fviValue, 2, "dal");
  List().Add(fviValue, 3, "can");
  List().Add(fviValue, 4, "dal");
  EXPECT_EQ((TEntries{"5:can", "5:\xE7" "am", "5:dal"}), Entries());
}

TEST_F(FilterValueListTest, FindSearchesTheRecentBlockThenTheValues) {
  List().Add(fviMRU, 9, "9");
  AddValue(1);
  AddValue(5);
  int index = -1;
  EXPECT_TRUE(List().Find(9, "9", index));
  EXPECT_EQ(0, index);
  EXPECT_TRUE(List().Find(5, "5", index));
  EXPECT_EQ(3, index);
  EXPECT_FALSE(List().Find(3, "3", index));
  EXPECT_EQ(3, index);
  EXPECT_FALSE(List().Find(7, "7", index));
  EXPECT_EQ(4, index);
  EXPECT_EQ(0, List().FindItemByValue(9));
  EXPECT_EQ(-1, List().FindItemByValue(4));
  // A value already among the recent entries is not added again.
  AddValue(9);
  EXPECT_EQ(4, List().Count());
}

TEST_F(FilterValueListTest, FindItemByKindWithAndWithoutAValue) {
  List().Add(fviUser, 1, "one");
  List().Add(fviUser, 2, "two");
  EXPECT_EQ(0, List().FindItemByKind(fviUser));
  EXPECT_EQ(-1, List().FindItemByKind(fviBlanks));
  EXPECT_EQ(1, List().FindItemByKind(fviUser, 2));
  EXPECT_EQ(0, List().FindItemByKind(fviUser, Null()));
  EXPECT_EQ(-1, List().FindItemByKind(fviUser, 3));
}

TEST_F(FilterValueListTest, TheEntryThatStandsForACondition) {
  List().Add(fviAll, Null(), "(All)");
  List().Add(fviCustom, Null(), "(Custom...)");
  List().Add(fviBlanks, Null(), "(Blanks)");
  List().Add(fviNonBlanks, Null(), "(NonBlanks)");
  AddValue(10);
  AddValue(20);
  TcxFilterCriteria& c = Criteria();
  EXPECT_EQ(0, List().GetIndexByCriteriaItem(nullptr));
  EXPECT_EQ(2, List().GetIndexByCriteriaItem(c.AddItem(nullptr, AgeField(), foEqual, Null(), "")));
  EXPECT_EQ(3,
            List().GetIndexByCriteriaItem(c.AddItem(nullptr, AgeField(), foNotEqual, Null(), "")));
  EXPECT_EQ(5, List().GetIndexByCriteriaItem(c.AddItem(nullptr, AgeField(), foEqual, 20, "20")));
  EXPECT_EQ(1, List().GetIndexByCriteriaItem(c.AddItem(nullptr, AgeField(), foEqual, 30, "30")));
  EXPECT_EQ(1, List().GetIndexByCriteriaItem(
                   c.AddItem(nullptr, AgeField(), foBetween, VarBetweenArrayCreate(1, 2), "1;2")));
  List().Delete(1);
  EXPECT_EQ(-1, List().GetIndexByCriteriaItem(c.AddItem(nullptr, AgeField(), foLess, 5, "5")));
}

TEST_F(FilterValueListTest, ItemsAndDeleteCheckTheIndex) {
  AddValue(1);
  EXPECT_THROW(List().Items(1), EListError);
  EXPECT_THROW(List().Delete(-1), EListError);
  List().Delete(0);
  EXPECT_EQ(0, List().Count());
}

} // namespace
