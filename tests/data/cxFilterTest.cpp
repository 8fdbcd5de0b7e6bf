#include "tests/support/GTest.h"

#include <vector>

#include "tests/data/cxFilterTestSupport.h"

namespace {

using namespace filter_test;
using enum TcxFilterOperatorKind;
using enum TcxFilterBoolOperatorKind;
using enum TcxFilterCriteriaOption;

class FilterCriteriaTest : public testing::Test, public TFilterFixtureData {
protected:
  TTestRow Row(const Variant& name, const Variant& age) {
    return TTestRow{{NameField(), name}, {AgeField(), age}};
  }
  bool Passes(const Variant& name, const Variant& age) {
    TTestRow row = Row(name, age);
    return Criteria().DoFilterData(&row);
  }
  TcxFilterCriteriaItem* Add(TcxFilterCriteriaItemList* parent, TTestField* field,
                             TcxFilterOperatorKind kind, const Variant& value) {
    return Criteria().AddItem(parent, field, kind, value, VarToStr(value));
  }
  TcxFilterCriteriaItemList* Root() { return Criteria().Root(); }
};

TEST_F(FilterCriteriaTest, AnEmptyFilterAcceptsEveryRowWhateverItsKind) {
  EXPECT_TRUE(Criteria().IsEmpty());
  EXPECT_TRUE(Passes("x", 1));
  Root()->SetBoolOperatorKind(fboNotAnd);
  EXPECT_TRUE(Passes("x", 1));
  Root()->SetBoolOperatorKind(fboNotOr);
  EXPECT_TRUE(Passes(Null(), Null()));
}

TEST_F(FilterCriteriaTest, ListKindsCombineTheirChildren) {
  Add(nullptr, NameField(), foEqual, "a");
  Add(nullptr, AgeField(), foEqual, 2);
  struct TCase {
    TcxFilterBoolOperatorKind Kind;
    bool BothHold, FirstHolds, NoneHolds;
  } const cases[] = {
      {fboAnd, true, false, false},
      {fboOr, true, true, false},
      {fboNotAnd, false, true, true},
      {fboNotOr, false, false, true},
  };
  for (const TCase& c : cases) {
    Root()->SetBoolOperatorKind(c.Kind);
    EXPECT_EQ(c.BothHold, Passes("a", 2)) << static_cast<int>(c.Kind);
    EXPECT_EQ(c.FirstHolds, Passes("a", 3)) << static_cast<int>(c.Kind);
    EXPECT_EQ(c.NoneHolds, Passes("b", 3)) << static_cast<int>(c.Kind);
  }
}

TEST_F(FilterCriteriaTest, ANestedTreeSelectsRowsOfASmallRecordSet) {
  // Name LIKE 'A%' AND (Age >= 18 OR Age is blank) AND NOT (Name = 'Ayla')
  Add(nullptr, NameField(), foLike, "A%");
  TcxFilterCriteriaItemList* ages = Root()->AddItemList(fboOr);
  Add(ages, AgeField(), foGreaterEqual, 18);
  Add(ages, AgeField(), foEqual, Null());
  Add(Root()->AddItemList(fboNotAnd), NameField(), foEqual, "Ayla");
  const std::vector<std::pair<Variant, Variant>> rows = {
      {"Ahmet", 30}, {"Ali", 12}, {"Ay\xFE" "e", Null()}, {"Ayla", 40},
      {"Bur\xE7" "ak", 25}, {Null(), 50}, {"Arda", 18},
  };
  std::vector<int> passing;
  for (std::size_t i = 0; i < rows.size(); ++i)
    if (Passes(rows[i].first, rows[i].second))
      passing.push_back(static_cast<int>(i));
  EXPECT_EQ((std::vector<int>{0, 2, 6}), passing);
}

TEST_F(FilterCriteriaTest, BlankConditionValuesChooseTheBlankOperators) {
  const TcxFilterCriteriaItem* isBlank = Add(nullptr, NameField(), foEqual, Null());
  EXPECT_TRUE(Is<TcxFilterNullOperator>(isBlank->Operator()));
  EXPECT_EQ("blank", isBlank->DisplayValue());
  EXPECT_EQ("is blank", isBlank->Operator()->DisplayText());
  const TcxFilterCriteriaItem* notBlank = Add(nullptr, NameField(), foNotLike, Null());
  EXPECT_TRUE(Is<TcxFilterNotNullOperator>(notBlank->Operator()));
  const TcxFilterCriteriaItem* emptyText = Add(nullptr, NameField(), foEqual, "");
  EXPECT_TRUE(Is<TcxFilterEqualOperator>(emptyText->Operator()));
  EXPECT_FALSE(Is<TcxFilterNullOperator>(emptyText->Operator()));
  Criteria().SetOptions({fcoSoftNull});
  const TcxFilterCriteriaItem* softBlank = Add(nullptr, NameField(), foEqual, "");
  EXPECT_TRUE(Is<TcxFilterNullOperator>(softBlank->Operator()));
  EXPECT_EQ("blank", softBlank->DisplayValue());
  // Refresh lets earlier conditions follow the options.
  EXPECT_FALSE(Is<TcxFilterNullOperator>(emptyText->Operator()));
  Criteria().Refresh();
  EXPECT_TRUE(Is<TcxFilterNullOperator>(emptyText->Operator()));
}

TEST_F(FilterCriteriaTest, IgnoreNullFailsEveryConditionButTheBlankOnesOnBlankData) {
  TcxFilterCriteriaItem* item = Add(nullptr, NameField(), foNotEqual, "x");
  EXPECT_TRUE(Passes(Null(), 1));
  Criteria().SetOptions({fcoIgnoreNull});
  EXPECT_FALSE(Passes(Null(), 1));
  item->SetValue(Null());
  item->SetOperatorKind(foEqual);
  EXPECT_TRUE(Passes(Null(), 1));
  Criteria().SetOptions({});
  EXPECT_TRUE(Passes(Null(), 1));
}

TEST_F(FilterCriteriaTest, CaseInsensitiveComparisonUpperCasesBothSidesTheLocalesWay) {
  TcxFilterCriteriaItem* item = Add(nullptr, NameField(), foEqual, "abc");
  EXPECT_FALSE(Passes("ABC", 1));
  item->SetOperatorKind(foLike);
  item->SetValue("a%");
  EXPECT_FALSE(Passes("ABC", 1));
  Criteria().SetOptions({fcoCaseInsensitive});
  EXPECT_TRUE(Passes("ABC", 1));
  item->SetOperatorKind(foEqual);
  item->SetValue("istanbul");
  EXPECT_TRUE(Passes("\xDDSTANBUL", 1));
  EXPECT_FALSE(Passes("ISTANBUL", 1));
  EXPECT_EQ("\xDDSTANBUL", VarToStr(Criteria().PrepareValue(u"istanbul")));
}

TEST_F(FilterCriteriaTest, PrepareValueTurnsCurrencyIntoDoubleAndPreparesArrays) {
  const Variant currency = Variant(Currency::FromDouble(2.5));
  EXPECT_EQ(varDouble, VarType(Criteria().PrepareValue(currency)));
  Add(nullptr, AgeField(), foEqual, 2.5);
  EXPECT_TRUE(Passes("x", currency));
  Criteria().SetOptions({fcoCaseInsensitive});
  const Variant prepared = Criteria().PrepareValue(VarArrayOf({"ab", currency, 3}));
  EXPECT_EQ("AB", VarToStr(VarArrayGet(prepared, {0})));
  EXPECT_EQ(varDouble, VarType(VarArrayGet(prepared, {1})));
  EXPECT_EQ(varInteger, VarType(VarArrayGet(prepared, {2})));
}

TEST_F(FilterCriteriaTest, VariantErrorsFailTheConditionOnlyWithSoftCompare) {
  Add(nullptr, AgeField(), foBetween, 5);  // a between value that is no array
  EXPECT_THROW(Passes("x", 5), EVariantError);
  Criteria().SetOptions({fcoSoftCompare});
  EXPECT_FALSE(Passes("x", 5));
  Criteria().Clear();
  // Comparison operators never raise: a pair that cannot be compared is "less".
  Criteria().SetOptions({});
  Add(nullptr, AgeField(), foLess, 5);
  EXPECT_TRUE(Passes("x", "abc"));
}

TEST_F(FilterCriteriaTest, OtherErrorsAlwaysPass) {
  const TOwned<TcxFilterCriteria> plain(Create<TcxFilterCriteria>());
  plain->AddItem(nullptr, NameField(), foEqual, 1, "1");
  plain->SetOptions({fcoSoftCompare});
  TTestRow row;
  EXPECT_THROW(plain->DoFilterData(&row), EInvalidOperation);
}

TEST_F(FilterCriteriaTest, ChangesInsideAnUpdateBracketAreAnnouncedOnce) {
  Criteria().BeginUpdate();
  for (int i = 0; i < 10; ++i)
    Add(nullptr, AgeField(), foEqual, i);
  EXPECT_EQ(0, ChangeCount);
  Criteria().EndUpdate();
  EXPECT_EQ(1, ChangeCount);
  Criteria().BeginUpdate();
  Criteria().Clear();
  Criteria().CancelUpdate();
  EXPECT_EQ(1, ChangeCount);
  // The cancelled change is still pending and goes with the next bracket.
  Criteria().BeginUpdate();
  Criteria().EndUpdate();
  EXPECT_EQ(2, ChangeCount);
}

TEST_F(FilterCriteriaTest, SettersAnnounceOnlyRealChanges) {
  TcxFilterCriteriaItem* item = Add(nullptr, AgeField(), foEqual, 1);
  ChangeCount = 0;
  item->SetValue(1.0);
  item->SetOperatorKind(foEqual);
  item->SetDisplayValue("1");
  Root()->SetBoolOperatorKind(fboAnd);
  Criteria().SetOptions({});
  Criteria().SetPercentWildcard('%');
  EXPECT_EQ(0, ChangeCount);
  EXPECT_EQ(varInteger, VarType(item->Value()));
  // A value equal after conversion is not stored either.
  item->SetValue("1");
  EXPECT_EQ(varInteger, VarType(item->Value()));
  item->SetValue(2);
  item->SetOperatorKind(foLess);
  item->SetDisplayValue("two");
  Root()->SetBoolOperatorKind(fboOr);
  Criteria().SetOptions({fcoSoftNull});
  Criteria().SetUnderscoreWildcard('?');
  Criteria().SetDateTimeFormat("yyyy");
  EXPECT_EQ(7, ChangeCount);
  // Item links and the plain fields announce nothing.
  item->SetItemLink(NameField());
  Criteria().SetMaxValueListCount(5);
  Criteria().BetweenAsExpression = true;
  EXPECT_EQ(7, ChangeCount);
}

TEST_F(FilterCriteriaTest, ClearAndRestoreDefaults) {
  Add(nullptr, AgeField(), foEqual, 1);
  Root()->SetBoolOperatorKind(fboNotOr);
  Criteria().SetOptions({fcoCaseInsensitive});
  Criteria().SetPercentWildcard('*');
  Criteria().SetUnderscoreWildcard('?');
  Criteria().SetMaxValueListCount(9);
  Criteria().LikeSupported = false;
  Criteria().InListAsExpression = true;
  EXPECT_TRUE(Criteria().IsStore());
  ChangeCount = 0;
  Criteria().RestoreDefaults();
  EXPECT_EQ(1, ChangeCount);
  EXPECT_TRUE(Criteria().Options().Empty());
  EXPECT_EQ('%', Criteria().PercentWildcard());
  EXPECT_EQ('_', Criteria().UnderscoreWildcard());
  EXPECT_TRUE(Criteria().LikeSupported);
  EXPECT_FALSE(Criteria().InListAsExpression);
  EXPECT_EQ(9, Criteria().MaxValueListCount());
  EXPECT_EQ(1, Root()->Count());
  Criteria().Clear();
  EXPECT_EQ(2, ChangeCount);
  EXPECT_TRUE(Criteria().IsEmpty());
  EXPECT_EQ(fboAnd, Root()->BoolOperatorKind());
  EXPECT_FALSE(Criteria().IsStore());
  Root()->SetBoolOperatorKind(fboOr);
  EXPECT_TRUE(Criteria().IsStore());
}

TEST_F(FilterCriteriaTest, ItemsOutsideTheListAreNone) {
  Add(nullptr, AgeField(), foEqual, 1);
  EXPECT_NE(nullptr, Root()->Items(0));
  EXPECT_EQ(nullptr, Root()->Items(1));
  EXPECT_EQ(nullptr, Root()->Items(-1));
}

TEST_F(FilterCriteriaTest, FindItemByItemLinkSearchesDepthFirst) {
  TcxFilterCriteriaItemList* inner = Root()->AddItemList(fboOr);
  const TcxFilterCriteriaItem* nested = Add(inner, AgeField(), foEqual, 1);
  Add(nullptr, AgeField(), foEqual, 2);
  EXPECT_EQ(nested, Criteria().FindItemByItemLink(AgeField()));
  EXPECT_EQ(nullptr, Criteria().FindItemByItemLink(BornField()));
}

TEST_F(FilterCriteriaTest, RemovingTheOnlyLeafOfAListFreesTheEmptyListsAbove) {
  Add(nullptr, NameField(), foEqual, "a");
  TcxFilterCriteriaItemList* outer = Root()->AddItemList(fboOr);
  TcxFilterCriteriaItemList* inner = outer->AddItemList(fboAnd);
  Add(inner, AgeField(), foEqual, 1);
  ChangeCount = 0;
  Criteria().RemoveItemByItemLink(AgeField());
  EXPECT_EQ(1, ChangeCount);
  ASSERT_EQ(1, Root()->Count());
  EXPECT_FALSE(Root()->Items(0)->IsItemList());
}

TEST_F(FilterCriteriaTest, RemovingOneOfTwoLeavesMovesTheOtherToTheEndOfTheGrandparent) {
  TcxFilterCriteriaItemList* inner = Root()->AddItemList(fboOr);
  Add(inner, AgeField(), foEqual, 1);
  const TcxFilterCriteriaItem* survivor = Add(inner, NameField(), foEqual, "a");
  Add(nullptr, BornField(), foEqual, 3);
  Criteria().RemoveItemByItemLink(AgeField());
  ASSERT_EQ(2, Root()->Count());
  EXPECT_EQ(survivor, Root()->Items(1));
  EXPECT_EQ(Root(), survivor->Parent());
}

TEST_F(FilterCriteriaTest, RemovingAConditionKeepsTheNegationOfANotList) {
  // NOT (Age = 1 AND Name = 'a'): without the age condition it must read
  // NOT (Name = 'a'), not Name = 'a'.
  TcxFilterCriteriaItemList* negation = Root()->AddItemList(fboNotAnd);
  Add(negation, AgeField(), foEqual, 1);
  Add(negation, NameField(), foEqual, "a");
  Criteria().RemoveItemByItemLink(AgeField());
  EXPECT_EQ("(NOT ((Name = 'a')))", Criteria().GetFilterText());
  EXPECT_FALSE(Passes("a", 1));
  EXPECT_TRUE(Passes("b", 1));
}

TEST_F(FilterCriteriaTest, RemovingEveryConditionOfALinkAnnouncesOnceAndNothingWhenNoneExists) {
  Add(nullptr, AgeField(), foEqual, 1);
  Add(Root()->AddItemList(fboOr), AgeField(), foEqual, 2);
  Add(nullptr, NameField(), foEqual, "a");
  ChangeCount = 0;
  Criteria().RemoveItemByItemLink(AgeField());
  EXPECT_EQ(1, ChangeCount);
  EXPECT_EQ(nullptr, Criteria().FindItemByItemLink(AgeField()));
  EXPECT_EQ("(Name = 'a')", Criteria().GetFilterText());
  Criteria().RemoveItemByItemLink(BornField());
  EXPECT_EQ(1, ChangeCount);
  EXPECT_EQ(0, Criteria().LockCount());
}

TEST_F(FilterCriteriaTest, FreeingANodeTakesItOutOfItsList) {
  TcxFilterCriteriaItemList* inner = Root()->AddItemList(fboOr);
  Add(inner, AgeField(), foEqual, 1);
  Add(nullptr, NameField(), foEqual, "a");
  ChangeCount = 0;
  inner->Free();
  EXPECT_EQ(1, ChangeCount);
  EXPECT_EQ(1, Root()->Count());
  EXPECT_EQ(-1, Root()->IndexOf(inner));
}

TEST_F(FilterCriteriaTest, FreeingTheCriteriaAnnouncesNothing) {
  int calls = 0;
  TcxFilterCriteria* criteria = Create<TTestCriteria>();
  criteria->SetOnChanged([&calls](TObject*) { ++calls; });
  criteria->AddItem(nullptr, AgeField(), foEqual, 1, "1");
  criteria->Free();
  EXPECT_EQ(1, calls);
}

TEST_F(FilterCriteriaTest, WithoutADataSideConditionsRaiseTheAbstractError) {
  const TOwned<TcxFilterCriteria> plain(Create<TcxFilterCriteria>());
  const TcxFilterCriteriaItem* item = plain->AddItem(nullptr, nullptr, foEqual, 1, "1");
  EXPECT_THROW(item->GetFieldName(), EInvalidOperation);
  EXPECT_THROW(item->GetFieldCaption(), EInvalidOperation);
  EXPECT_THROW(plain->GetIDByItemLink(nullptr), EInvalidOperation);
  EXPECT_THROW(plain->GetItemLinkByName("x"), EInvalidOperation);
}

} // namespace
