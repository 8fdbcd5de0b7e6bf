#include "tests/support/GTest.h"

#include <cmath>

#include "data/cxVariants.h"

namespace {

Variant Date(double days) { return VarFromDateTime(days); }

struct TCompareCase {
  const char* Name;
  Variant A;
  Variant B;
  int Expected;
};

class VarCompareTest : public testing::TestWithParam<TCompareCase> {};

TEST_P(VarCompareTest, AnswersTheRuleOfTheFirstMatchingKind) {
  const TCompareCase& c = GetParam();
  EXPECT_EQ(VarCompare(c.A, c.B), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, VarCompareTest,
    testing::Values(
        TCompareCase{"StringLess", "abc", "abd", -1}, TCompareCase{"StringGreater", "b", "a", 1},
        TCompareCase{"StringRawDifference", "a", "c", -2},
        TCompareCase{"LongerString", "abc", "ab", 1}, TCompareCase{"ShorterString", "ab", "abc", -1},
        TCompareCase{"EmptyBeforeLonger", "", "abc", -3},
        TCompareCase{"PrefixLengthDifference", "abcd", "a", 3},
        TCompareCase{"HighBytesUnsigned", "\xFE", "a", 0xFE - 'a'},
        TCompareCase{"CaseMatters", "a", "A", 32}, TCompareCase{"EqualStrings", "ab", "ab", 0},
        TCompareCase{"NullNull", Null(), Null(), 0}, TCompareCase{"NullFirst", Null(), 5, -1},
        TCompareCase{"NullLast", 5, Null(), 1}, TCompareCase{"DateBefore", Date(100), Date(101), -1},
        TCompareCase{"DateAfter", Date(101), Date(100), 1},
        TCompareCase{"SameDate", Date(100.5), Date(100.5), 0},
        TCompareCase{"NumbersByValue", 1, 1.0, 0}, TCompareCase{"IntegerLess", 2, 3.5, -1},
        TCompareCase{"EmptyBeforeZero", Variant(), 0, -1},
        TCompareCase{"TextAgainstNumberFails", "abc", 5, -1},
        TCompareCase{"NumberAgainstTextFails", 5, "abc", -1},
        TCompareCase{"NumericTextAgainstNumber", "7", 7, 0},
        TCompareCase{"ArrayAfterScalar", VarArrayOf({1}), 5, 1},
        TCompareCase{"ScalarBeforeArray", 5, VarArrayOf({1}), -1},
        TCompareCase{"ShorterArray", VarArrayOf({1, 2}), VarArrayOf({1, 2, 3}), -1},
        TCompareCase{"HighBoundDifference", VarArrayOf({1, 2, 3, 4}), VarArrayOf({1}), 3},
        TCompareCase{"FirstDifferingElement", VarArrayOf({1, 5}), VarArrayOf({1, 3}), 1},
        TCompareCase{"ElementsCompareRaw", VarArrayOf({"a"}), VarArrayOf({"c"}), -2},
        TCompareCase{"EqualArrays", VarArrayOf({1, "x"}), VarArrayOf({1, "x"}), 0},
        TCompareCase{"EmptyArrays", VarArrayOf({}), VarArrayOf({}), 0}),
    [](const testing::TestParamInfo<TCompareCase>& info) { return std::string(info.param.Name); });

TEST(VarCompare, NotANumberAnswersOneInBothOrders) {
  const Variant nan = std::nan("");
  EXPECT_EQ(VarCompare(nan, 1.0), 1);
  EXPECT_EQ(VarCompare(1.0, nan), 1);
}

TEST(VarCompare, ElementsOutsideAnArrayThatIsNotZeroBasedRaise) {
  const Variant shifted = VarArrayCreate({1, 2}, varVariant);
  EXPECT_THROW(VarCompare(shifted, VarArrayOf({1, 2, 3})), EVariantError);
}

TEST(VarEquals, FollowsVarCompare) {
  EXPECT_TRUE(VarEquals(Null(), Null()));
  EXPECT_TRUE(VarEquals(3, 3.0));
  EXPECT_FALSE(VarEquals("abc", 5));
}

struct TExactCase {
  const char* Name;
  Variant A;
  Variant B;
  bool Expected;
};

class VarEqualsExactTest : public testing::TestWithParam<TExactCase> {};

TEST_P(VarEqualsExactTest, ComparesBooleansByText) {
  const TExactCase& c = GetParam();
  EXPECT_EQ(VarEqualsExact(c.A, c.B), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, VarEqualsExactTest,
    testing::Values(TExactCase{"TrueAgainstOne", true, 1, false},
                    TExactCase{"IntegerAgainstDouble", 1, 1.0, true},
                    TExactCase{"NullAgainstFalse", Null(), false, false},
                    TExactCase{"NullAgainstNull", Null(), Null(), true},
                    TExactCase{"TrueAgainstItsText", true, "True", true},
                    TExactCase{"TrueAgainstTrue", true, true, true},
                    TExactCase{"FalseAgainstZero", false, 0, false},
                    TExactCase{"BooleanAgainstArray", true, VarArrayOf({1}), false}),
    [](const testing::TestParamInfo<TExactCase>& info) { return std::string(info.param.Name); });

TEST(VarTests, SoftNullIsNullOrAnEmptyString) {
  EXPECT_TRUE(VarIsSoftNull(Null()));
  EXPECT_TRUE(VarIsSoftNull(""));
  EXPECT_TRUE(VarIsSoftNull(u""));
  EXPECT_FALSE(VarIsSoftNull(Variant()));
  EXPECT_FALSE(VarIsSoftNull(" "));
  EXPECT_FALSE(VarIsSoftNull(0));
  EXPECT_TRUE(VarEqualsSoft(Null(), ""));
  EXPECT_FALSE(VarEqualsSoft(Variant(), ""));
}

TEST(VarTests, KindsOfValues) {
  EXPECT_TRUE(VarIsNumericEx(true));
  EXPECT_TRUE(VarIsNumericEx(Currency::FromScaled(15000)));
  EXPECT_TRUE(VarIsNumericEx(std::int8_t{1}));
  EXPECT_FALSE(VarIsNumericEx(Date(1)));
  EXPECT_FALSE(VarIsNumericEx("123"));
  EXPECT_TRUE(VarIsDate(Date(1)));
  EXPECT_FALSE(VarIsDate(1.0));
  EXPECT_TRUE(VarTypeIsCurrency(varCurrency));
  EXPECT_FALSE(VarTypeIsCurrency(varDouble));
  EXPECT_EQ(VarToStrEx(Null()), "");
  EXPECT_EQ(VarToStrEx(Variant()), "");
  EXPECT_EQ(VarToStrEx(12), "12");
}

TEST(VarIndex, FindsTheFirstEqualElement) {
  EXPECT_EQ(VarIndex({}, 1), -1);
  EXPECT_EQ(VarIndex({1, 2, 2.0}, 2), 1);
  EXPECT_EQ(VarIndex({1, "x"}, "y"), -1);
}

TEST(VarArrays, BetweenAndListArraysAreZeroBased) {
  const Variant between = VarBetweenArrayCreate(1, "z");
  EXPECT_EQ(VarType(between), varArray | varVariant);
  EXPECT_EQ(VarArrayLowBound(between, 1), 0);
  EXPECT_EQ(VarArrayHighBound(between, 1), 1);
  EXPECT_EQ(VarCompare(between, VarArrayOf({1, "z"})), 0);

  Variant list = VarListArrayCreate(1);
  VarListArrayAddValue(list, "a");
  VarListArrayAddValue(list, 3);
  EXPECT_EQ(VarArrayLowBound(list, 1), 0);
  EXPECT_EQ(VarArrayHighBound(list, 1), 2);
  EXPECT_EQ(VarCompare(list, VarArrayOf({1, "a", 3})), 0);
}

TEST(VarArrays, AddingToAListThatStartsElsewhereGivesAZeroBasedList) {
  Variant list = VarArrayCreate({5, 6}, varVariant);
  VarArrayPut(list, 7, {5});
  VarArrayPut(list, 8, {6});
  VarListArrayAddValue(list, 9);
  EXPECT_EQ(VarCompare(list, VarArrayOf({7, 8, 9})), 0);
}

} // namespace
