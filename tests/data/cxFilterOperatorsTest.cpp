#include "tests/support/GTest.h"

#include "framework/cxClasses.h"
#include "tests/data/cxFilterTestSupport.h"

namespace {

using namespace filter_test;
using enum TcxFilterOperatorKind;

class FilterOperatorsTest : public testing::Test, public TFilterFixtureData {
protected:
  TcxFilterCriteriaItem* AddName(TcxFilterOperatorKind kind, const Variant& value,
                                 const std::string& displayValue = {}) {
    return Criteria().AddItem(nullptr, NameField(), kind, value, displayValue);
  }
};

Variant Pair(const Variant& a, const Variant& b) { return VarBetweenArrayCreate(a, b); }

struct TCompareCase {
  TcxFilterOperatorKind Kind;
  Variant Data;
  Variant Condition;
  bool Expected;
};

TEST_F(FilterOperatorsTest, CompareValuesAnswersTheTableOfCases) {
  const Variant ab = VarArrayOf({"a", "b"});
  const TCompareCase cases[] = {
      {foEqual, 1, 1, true},
      {foEqual, 1, 2, false},
      {foEqual, Null(), Null(), true},
      {foEqual, "abc", "ABC", false},
      {foEqual, 1, "1", true},
      {foNotEqual, 1, 2, true},
      {foNotEqual, 1, 1, false},
      {foLess, Null(), 1, true},
      {foLess, 1, 2, true},
      {foLess, 1, 1, false},
      {foLess, "abc", 5, true},  // a pair that cannot be compared counts as less
      {foLessEqual, 1, 1, true},
      {foLessEqual, 2, 1, false},
      {foGreater, 2, 1, true},
      {foGreater, Null(), 1, false},
      {foGreaterEqual, 1, 1, true},
      {foGreaterEqual, 0, 1, false},
      {foLike, "abc", "a%", true},
      {foLike, "abc", "A%", false},
      {foLike, "abc", "a_c", true},
      {foNotLike, "abc", "a%", false},
      {foNotLike, "xbc", "a%", true},
      {foBetween, 1, Pair(1, 5), true},
      {foBetween, 5, Pair(1, 5), true},
      {foBetween, 3, Pair(1, 5), true},
      {foBetween, 0, Pair(1, 5), false},
      {foBetween, 6, Pair(1, 5), false},
      {foBetween, 3, Pair(5, 1), false},
      {foBetween, 5, Pair(5, 1), false},
      {foNotBetween, 0, Pair(1, 5), true},
      {foNotBetween, 3, Pair(1, 5), false},
      {foInList, "b", ab, true},
      {foInList, "c", ab, false},
      {foNotInList, "c", ab, true},
      {foNotInList, "a", ab, false},
  };
  for (const TCompareCase& c : cases) {
    const TcxFilterCriteriaItem* item = AddName(c.Kind, c.Condition);
    EXPECT_EQ(c.Expected, item->Operator()->CompareValues(c.Data, c.Condition))
        << item->Operator()->ClassName() << " data " << VarToStr(c.Data);
  }
}

TEST_F(FilterOperatorsTest, BlankOperatorsTestTheDataValueOnly) {
  const TcxFilterOperator* isBlank = AddName(foEqual, Null())->Operator();
  const TcxFilterOperator* isNotBlank = AddName(foNotEqual, Null())->Operator();
  ASSERT_TRUE(Is<TcxFilterNullOperator>(isBlank));
  ASSERT_TRUE(Is<TcxFilterNotNullOperator>(isNotBlank));
  EXPECT_TRUE(isBlank->CompareValues(Null(), 1));
  EXPECT_FALSE(isBlank->CompareValues(1, Null()));
  EXPECT_FALSE(isBlank->CompareValues("", Null()));
  EXPECT_FALSE(isNotBlank->CompareValues(Null(), Null()));
  EXPECT_TRUE(isNotBlank->CompareValues("", Null()));
  Criteria().SetOptions({TcxFilterCriteriaOption::fcoSoftNull});
  EXPECT_TRUE(isBlank->CompareValues("", Null()));
  EXPECT_TRUE(isBlank->IsNullOperator());
  EXPECT_FALSE(AddName(foEqual, 1)->Operator()->IsNullOperator());
}

TEST_F(FilterOperatorsTest, BetweenAndInListRaiseAVariantErrorForAValueThatIsNoArray) {
  const TcxFilterOperator* between = AddName(foBetween, Pair(1, 5))->Operator();
  const TcxFilterOperator* inList = AddName(foInList, VarArrayOf({1}))->Operator();
  EXPECT_THROW(between->CompareValues(3, 5), EVariantError);
  EXPECT_THROW(inList->CompareValues(3, 5), EVariantError);
}

struct TSymbolCase {
  TcxFilterOperatorKind Kind;
  Variant Value;
  const char* FilterText;
  const char* Caption;
  bool IsDescription;
};

TEST_F(FilterOperatorsTest, EveryOperatorHasItsSymbolAndCaption) {
  const TSymbolCase cases[] = {
      {foEqual, 1, "=", "equals", false},
      {foNotEqual, 1, "<>", "does not equal", false},
      {foLess, 1, "<", "is less than", false},
      {foLessEqual, 1, "<=", "is less than or equal to", false},
      {foGreater, 1, ">", "is greater than", false},
      {foGreaterEqual, 1, ">=", "is greater than or equal to", false},
      {foLike, "a_c", "LIKE", "like", false},
      {foLike, "abc%", "LIKE", "begins with", false},
      {foLike, "%abc", "LIKE", "ends with", false},
      {foLike, "%%b%", "LIKE", "contains", false},
      {foNotLike, "a%c", "NOT LIKE", "not like", false},
      {foNotLike, "abc%", "NOT LIKE", "does not begin with", false},
      {foNotLike, "%abc", "NOT LIKE", "does not end with", false},
      {foNotLike, "%b%", "NOT LIKE", "does not contain", false},
      {foBetween, Pair(1, 2), "BETWEEN", "between", true},
      {foNotBetween, Pair(1, 2), "NOT BETWEEN", "not between", true},
      {foInList, VarArrayOf({1}), "IN", "in", true},
      {foNotInList, VarArrayOf({1}), "NOT IN", "not in", true},
      {foEqual, Null(), "=", "is blank", false},
      {foNotEqual, Null(), "<>", "is not blank", false},
      {foLike, Null(), "=", "is blank", false},
      {foNotLike, Null(), "<>", "is not blank", false},
  };
  for (const TSymbolCase& c : cases) {
    const TcxFilterOperator* op = AddName(c.Kind, c.Value)->Operator();
    EXPECT_EQ(c.FilterText, op->FilterText()) << op->ClassName();
    EXPECT_EQ(c.Caption, op->DisplayText()) << op->ClassName();
    EXPECT_EQ(c.IsDescription, op->IsDescription()) << op->ClassName();
  }
}

TEST_F(FilterOperatorsTest, CaptionsGoThroughTheHookWhenItIsSet) {
  cxSetResourceStringNet("equals", "e\xFEittir");
  cxSetResourceStringNet("blank", "bo\xFE");
  const TcxFilterCriteriaItem* equal = AddName(foEqual, 1);
  EXPECT_EQ("equals", equal->Operator()->DisplayText());
  cxFilterGetResourceStringFunc = cxGetResourceStringNet;
  EXPECT_EQ("e\xFEittir", equal->Operator()->DisplayText());
  EXPECT_EQ("bo\xFE", AddName(foEqual, Null())->DisplayValue());
  cxSetResourceStringNet("and", "ve");
  EXPECT_EQ("1 ve 2", VarBetweenArrayToStr(Pair(1, 2)));
  cxFilterGetResourceStringFunc = nullptr;
  cxFreeResourceStringRepository();
}

struct TLiteralCase {
  Variant Value;
  const char* Literal;
};

TEST_F(FilterOperatorsTest, ValuesBecomeLiteralsOfFilterText) {
  const TLiteralCase cases[] = {
      {"O'Neil", "'O''Neil'"},
      {u"\u015Eubat", "'\xDE" "ubat'"},
      {Null(), "NULL"},
      {3.5, "3,5"},
      {42, "42"},
      {true, "True"},
      {VarFromDateTime(EncodeDate(2024, 3, 10)), "'10.03.2024'"},
      {Pair(1, "x"), "1 AND 'x'"},  // the between operator's own literal
  };
  const TcxFilterOperator* between = AddName(foBetween, Pair(1, 2))->Operator();
  for (const TLiteralCase& c : cases)
    EXPECT_EQ(c.Literal, between->GetExpressionValue(c.Value)) << c.Literal;
  const TcxFilterOperator* inList = AddName(foInList, VarArrayOf({1}))->Operator();
  EXPECT_EQ("('a', 2, NULL)", inList->GetExpressionValue(VarArrayOf({"a", 2, Null()})));
  Criteria().SetDateTimeFormat("yyyy-mm-dd");
  EXPECT_EQ("'2024-03-10'", between->GetExpressionValue(VarFromDateTime(EncodeDate(2024, 3, 10))));
}

// Criteria that append a marker to every literal, to show where the hook runs.
class TMarkingCriteria : public TTestCriteria {
  OBJECT_CLASS(TMarkingCriteria, TTestCriteria)
public:
  using TTestCriteria::TTestCriteria;
  void FormatFilterTextValue(TcxFilterCriteriaItem*, const Variant&,
                             std::string& text) const override {
    text += "!";
  }
};

TEST_F(FilterOperatorsTest, FormatFilterTextValueRewritesEachPlainLiteral) {
  const TOwned<TMarkingCriteria> criteria(Create<TMarkingCriteria>());
  const TcxFilterOperator* between =
      criteria->AddItem(nullptr, AgeField(), foBetween, Pair(1, 2), "")->Operator();
  EXPECT_EQ("7!", between->GetExpressionValue(7));
  EXPECT_EQ("1! AND 2!", between->GetExpressionValue(Pair(1, 2)));
}

struct TExpressionCase {
  TcxFilterOperatorKind Kind;
  Variant Value;
  const char* Text;
};

TEST_F(FilterOperatorsTest, ExpressionOperatorsWriteTheWholeCondition) {
  Criteria().BetweenAsExpression = true;
  Criteria().InListAsExpression = true;
  Criteria().NotLikeAsExpression = true;
  const TExpressionCase cases[] = {
      {foNotLike, "A%", " NOT (Name LIKE 'A%')"},
      {foBetween, Pair(1, 5), "(Name >= 1) AND (Name <= 5)"},
      {foNotBetween, Pair(1, 5), "NOT ((Name >= 1) AND (Name <= 5))"},
      {foInList, VarArrayOf({"a", "b"}), "(Name = 'a') OR (Name = 'b')"},
      {foNotInList, VarArrayOf({"a"}), "NOT ((Name = 'a'))"},
  };
  for (const TExpressionCase& c : cases) {
    const TcxFilterOperator* op = AddName(c.Kind, c.Value)->Operator();
    EXPECT_TRUE(op->IsExpression()) << c.Text;
    EXPECT_EQ(c.Text, op->GetExpressionFilterText(c.Value));
  }
}

TEST_F(FilterOperatorsTest, ExpressionSwitchesDecideWhichOperatorsAreExpressions) {
  EXPECT_FALSE(AddName(foNotLike, "A%")->Operator()->IsExpression());
  EXPECT_FALSE(AddName(foBetween, Pair(1, 5))->Operator()->IsExpression());
  EXPECT_FALSE(AddName(foInList, VarArrayOf({1}))->Operator()->IsExpression());
  EXPECT_FALSE(AddName(foLike, "A%")->Operator()->IsExpression());
  EXPECT_FALSE(AddName(foEqual, 1)->Operator()->IsExpression());
  EXPECT_TRUE(AddName(foEqual, VarArrayOf({1, 2}))->Operator()->IsExpression());
}

TEST_F(FilterOperatorsTest, EqualityWithAnArrayPairsElementsWithTheFieldsOfItsName) {
  const TOwned<TTestField> names(Create<TTestField>(" First ; Last", "", 9));
  const Variant value = VarArrayOf({"x", 1, "z"});
  const TcxFilterCriteriaItem* equal = Criteria().AddItem(nullptr, names.get(), foEqual, value, "");
  const TcxFilterCriteriaItem* notEqual =
      Criteria().AddItem(nullptr, names.get(), foNotEqual, value, "");
  EXPECT_EQ("(First = 'x') AND (Last = 1) AND ( = 'z')",
            equal->Operator()->GetExpressionFilterText(value));
  EXPECT_EQ("NOT ((First = 'x') AND (Last = 1) AND ( = 'z'))",
            notEqual->Operator()->GetExpressionFilterText(value));
}

struct TDisplayCase {
  TcxFilterOperatorKind Kind;
  Variant Value;
  const char* DisplayValue;
  const char* Plain;
  const char* WithDescriptions;
};

TEST_F(FilterOperatorsTest, DisplayValuesAreShownTheOperatorsWay) {
  const TDisplayCase cases[] = {
      {foBetween, Pair(1, 5), "1;5", "1 and 5", "1 and 5"},
      {foBetween, Pair(1, 5), " 1 ", "1 and ", "1 and "},
      {foInList, VarArrayOf({1}), "a; b ;c", "(a, b, c)", "(a, b, c)"},
      {foInList, VarArrayOf({1}), "", "", ""},
      {foLike, "abc%", "abc%", "abc%", "abc"},
      {foNotLike, "%%b%", "%%b%", "%%b%", "b"},
      {foEqual, Null(), "", "blank", ""},
      {foEqual, 1, "one", "one", "one"},
  };
  for (const TDisplayCase& c : cases) {
    Criteria().SetOptions({});
    const TcxFilterCriteriaItem* item = AddName(c.Kind, c.Value, c.DisplayValue);
    EXPECT_EQ(c.Plain, item->GetDisplayValue()) << c.DisplayValue;
    Criteria().SetOptions({TcxFilterCriteriaOption::fcoShowOperatorDescription});
    EXPECT_EQ(c.WithDescriptions, item->GetDisplayValue()) << c.DisplayValue;
  }
}

TEST(FilterDisplayValueTest, ExtractFilterDisplayValueTakesTrimmedPartsBetweenSemicolons) {
  const std::string text = " a ;\tb;;c ";
  int position = 1;
  EXPECT_EQ("a", ExtractFilterDisplayValue(text, position));
  EXPECT_EQ(5, position);
  EXPECT_EQ("b", ExtractFilterDisplayValue(text, position));
  EXPECT_EQ("", ExtractFilterDisplayValue(text, position));
  EXPECT_EQ("c", ExtractFilterDisplayValue(text, position));
  EXPECT_GT(position, static_cast<int>(text.size()));
  EXPECT_EQ("", ExtractFilterDisplayValue(text, position));
}

TEST(FilterDisplayValueTest, ArrayTextsShowNullElementsAsBlank) {
  EXPECT_EQ("blank and 5", VarBetweenArrayToStr(VarBetweenArrayCreate(Null(), 5)));
  EXPECT_EQ("(a, blank, 2,5)", VarListArrayToStr(VarArrayOf({"a", Null(), 2.5})));
  EXPECT_EQ("(a)", VarListArrayToStr(VarArrayOf({"a"})));
}

TEST(FilterOperatorTableTest, HoldsAClassPerKindThenTheBlankOperators) {
  const char* const names[] = {
      "TcxFilterEqualOperator",        "TcxFilterNotEqualOperator",
      "TcxFilterLessOperator",         "TcxFilterLessEqualOperator",
      "TcxFilterGreaterOperator",      "TcxFilterGreaterEqualOperator",
      "TcxFilterLikeOperator",         "TcxFilterNotLikeOperator",
      "TcxFilterBetweenOperator",      "TcxFilterNotBetweenOperator",
      "TcxFilterInListOperator",       "TcxFilterNotInListOperator",
      "TcxFilterYesterdayOperator",    "TcxFilterTodayOperator",
      "TcxFilterTomorrowOperator",     "TcxFilterLast7DaysOperator",
      "TcxFilterLastWeekOperator",     "TcxFilterLast14DaysOperator",
      "TcxFilterLastTwoWeeksOperator", "TcxFilterLast30DaysOperator",
      "TcxFilterLastMonthOperator",    "TcxFilterLastYearOperator",
      "TcxFilterInPastOperator",       "TcxFilterThisWeekOperator",
      "TcxFilterThisMonthOperator",    "TcxFilterThisYearOperator",
      "TcxFilterNext7DaysOperator",    "TcxFilterNextWeekOperator",
      "TcxFilterNext14DaysOperator",   "TcxFilterNextTwoWeeksOperator",
      "TcxFilterNext30DaysOperator",   "TcxFilterNextMonthOperator",
      "TcxFilterNextYearOperator",     "TcxFilterInFutureOperator",
      "TcxFilterNullOperator",         "TcxFilterNotNullOperator",
  };
  for (int i = 0; i < 36; ++i) {
    EXPECT_EQ(names[i], cxFilterOperatorClass(i)->ClassName());
    EXPECT_FALSE(cxFilterOperatorClass(i)->IsAbstract()) << names[i];
  }
  EXPECT_TRUE(cxFilterOperatorClass(foToday)->InheritsFrom(TcxFilterDateOperator::StaticClass()));
  EXPECT_THROW(cxFilterOperatorClass(36), EListError);
}

} // namespace
