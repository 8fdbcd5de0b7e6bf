#include "tests/support/GTest.h"

#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>

#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Variants.h"

namespace {

// Turkish formats, pinned so that the tests do not depend on the machine.
class VariantTest : public testing::Test {
protected:
  void SetUp() override {
    m_saved = FormatSettings();
    TFormatSettings& settings = FormatSettings();
    settings.DecimalSeparator = ',';
    settings.ThousandSeparator = '.';
    settings.DateSeparator = '.';
    settings.TimeSeparator = ':';
    settings.ShortDateFormat = "dd.MM.yyyy";
    settings.LongTimeFormat = "HH:mm:ss";
  }
  void TearDown() override { FormatSettings() = m_saved; }

private:
  TFormatSettings m_saved;
};

enum class TErr { Cast, Overflow, BadType, InvalidOp, BadIndex, NotArray, ArrayCreate, InvalidArg };

bool IsKind(const EVariantError& e, TErr kind) {
  switch (kind) {
  case TErr::Cast: return dynamic_cast<const EVariantTypeCastError*>(&e) != nullptr;
  case TErr::Overflow: return dynamic_cast<const EVariantOverflowError*>(&e) != nullptr;
  case TErr::BadType: return dynamic_cast<const EVariantBadVarTypeError*>(&e) != nullptr;
  case TErr::InvalidOp: return dynamic_cast<const EVariantInvalidOpError*>(&e) != nullptr;
  case TErr::BadIndex: return dynamic_cast<const EVariantBadIndexError*>(&e) != nullptr;
  case TErr::NotArray: return dynamic_cast<const EVariantNotAnArrayError*>(&e) != nullptr;
  case TErr::ArrayCreate: return dynamic_cast<const EVariantArrayCreateError*>(&e) != nullptr;
  case TErr::InvalidArg: return dynamic_cast<const EVariantInvalidArgError*>(&e) != nullptr;
  }
  return false;
}

// Runs 'action' and expects a variant error of that kind (and message, when
// one is given); any other exception fails the test.
void ExpectVariantError(const std::function<void()>& action, TErr kind,
                        const char* message = nullptr) {
  try {
    action();
    ADD_FAILURE() << "no exception";
  } catch (const EVariantError& e) {
    EXPECT_TRUE(IsKind(e, kind)) << e.Message();
    if (message) {
      EXPECT_EQ(e.Message(), message);
    }
  }
}

TDateTime Day(int year, int month, int day) { return EncodeDate(year, month, day); }

// ---- Construction and type tests ------------------------------------------

enum TFlag : unsigned {
  fNull = 1,
  fEmpty = 2,
  fArray = 4,
  fStr = 8,
  fOrdinal = 16,
  fFloat = 32,
  fNumeric = 64,
};

struct TTypeCase {
  Variant value;
  TVarType code;
  unsigned flags;
};

TEST_F(VariantTest, EveryTypeHasItsCodeAndAnswersTheTypeTests) {
  const TTypeCase cases[] = {
      {Variant(), 0x0000, fEmpty},
      {Unassigned(), 0x0000, fEmpty},
      {Null(), 0x0001, fNull},
      {std::int16_t{-5}, 0x0002, fOrdinal | fNumeric},
      {-5, 0x0003, fOrdinal | fNumeric},
      {1.5f, 0x0004, fFloat | fNumeric},
      {1.5, 0x0005, fFloat | fNumeric},
      {Currency::FromScaled(15000), 0x0006, fFloat | fNumeric},
      {VarFromDateTime(Day(2024, 3, 10)), 0x0007, 0},
      {u"wide", 0x0008, fStr},
      {VarAsError(5), 0x000A, 0},
      {true, 0x000B, fOrdinal | fNumeric},
      {std::int8_t{-5}, 0x0010, fOrdinal | fNumeric},
      {std::uint8_t{200}, 0x0011, fOrdinal | fNumeric},
      {std::uint16_t{60000}, 0x0012, fOrdinal | fNumeric},
      {4000000000u, 0x0013, fOrdinal | fNumeric},
      {std::int64_t{1} << 40, 0x0014, fOrdinal | fNumeric},
      {"text", 0x0100, fStr},
      {std::string("text"), 0x0100, fStr},
      {std::string_view("text"), 0x0100, fStr},
      {VarArrayOf({1, 2}), 0x200C, fArray},
      {VarArrayCreate({0, 1}, varInteger), 0x2003, fArray},
  };
  for (const TTypeCase& c : cases) {
    SCOPED_TRACE(VarTypeAsText(c.code));
    EXPECT_EQ(VarType(c.value), c.code);
    EXPECT_EQ(VarIsNull(c.value), (c.flags & fNull) != 0);
    EXPECT_EQ(VarIsEmpty(c.value), (c.flags & fEmpty) != 0);
    EXPECT_EQ(VarIsClear(c.value), (c.flags & fEmpty) != 0);
    EXPECT_EQ(VarIsArray(c.value), (c.flags & fArray) != 0);
    EXPECT_EQ(VarIsStr(c.value), (c.flags & fStr) != 0);
    EXPECT_EQ(VarIsOrdinal(c.value), (c.flags & fOrdinal) != 0);
    EXPECT_EQ(VarIsFloat(c.value), (c.flags & fFloat) != 0);
    EXPECT_EQ(VarIsNumeric(c.value), (c.flags & fNumeric) != 0);
  }
}

TEST_F(VariantTest, TypeNames) {
  const std::pair<TVarType, const char*> cases[] = {
      {varEmpty, "Empty"},          {varSmallint, "Smallint"},
      {varOleStr, "OleStr"},        {varLongWord, "LongWord"},
      {varString, "String"},        {varArray | varVariant, "Array Variant"},
      {0x000F, "$000F"},            {varByRef | varInteger, "ByRef Integer"},
  };
  for (const auto& [code, name] : cases)
    EXPECT_EQ(VarTypeAsText(code), name);
}

TEST_F(VariantTest, ClearAndNullPointerText) {
  Variant value = "abc";
  VarClear(value);
  EXPECT_TRUE(VarIsEmpty(value));
  EXPECT_EQ(VarType(Variant(static_cast<const char*>(nullptr))), varString);
  EXPECT_EQ(VarToStr(Variant(static_cast<const char*>(nullptr))), "");
}

// ---- Conversions -------------------------------------------------------------

struct TConversionCase {
  Variant from;
  TVarType to;
  Variant expected;
};

TEST_F(VariantTest, ConversionsFollowThePlatformRules) {
  const TDateTime march10 = Day(2024, 3, 10);
  const TConversionCase cases[] = {
      // To text, with the regional settings.
      {42, varString, "42"},
      {2.5, varString, "2,5"},
      {0.1f, varString, "0,1"},
      {Currency::FromScaled(123456), varString, "12,3456"},
      {true, varString, "True"},
      {false, varString, "False"},
      {VarFromDateTime(march10), varString, "10.03.2024"},
      {VarFromDateTime(march10 + 0.5), varString, "10.03.2024 12:00:00"},
      {u"\u015Fi\u011F", varString, "\xFEi\xF0"},
      {Variant(), varString, ""},
      {"\xFE\xDD", varOleStr, u"\u015F\u0130"},
      {7, varOleStr, u"7"},
      // To integers: half to even, text as integer or number.
      {2.5, varInteger, 2},
      {3.5, varInteger, 4},
      {-2.5, varInteger, -2},
      {Currency::FromScaled(25000), varInteger, 2},
      {Currency::FromScaled(-35000), varInteger, -4},
      {"12", varInteger, 12},
      {" 12 ", varInteger, 12},
      {"1,5", varInteger, 2},
      {"-3", varShortInt, std::int8_t{-3}},
      {true, varInteger, -1},
      {false, varSmallint, std::int16_t{0}},
      {Variant(), varInteger, 0},
      {std::uint8_t{255}, varWord, std::uint16_t{255}},
      {4000000000u, varInt64, std::int64_t{4000000000}},
      {VarFromDateTime(march10 + 0.75), varInteger, 45362},
      // To floating point and currency.
      {"2,5", varDouble, 2.5},
      {true, varDouble, -1.0},
      {Currency::FromScaled(25000), varDouble, 2.5},
      {std::int64_t{1} << 53, varDouble, 9007199254740992.0},
      {2.5, varSingle, 2.5f},
      {1.23456, varCurrency, Currency::FromScaled(12346)},
      {"12,345", varCurrency, Currency::FromScaled(123450)},
      {-7, varCurrency, Currency::FromScaled(-70000)},
      // To Boolean.
      {"True", varBoolean, true},
      {"false", varBoolean, false},
      {"0", varBoolean, false},
      {"2", varBoolean, true},
      {0.0, varBoolean, false},
      {0.1, varBoolean, true},
      {Variant(), varBoolean, false},
      // To date.
      {"10.03.2024", varDate, VarFromDateTime(march10)},
      {"10.03.2024 18:00:00", varDate, VarFromDateTime(march10 + 0.75)},
      {5, varDate, VarFromDateTime(5.0)},
      // The same type gives a copy.
      {Null(), varNull, Null()},
  };
  for (const TConversionCase& c : cases) {
    SCOPED_TRACE(VarTypeAsText(VarType(c.from)) + " '" + VarToStr(c.from) + "' to " +
                 VarTypeAsText(c.to));
    const Variant result = VarAsType(c.from, c.to);
    EXPECT_EQ(VarType(result), c.to);
    EXPECT_TRUE(result == c.expected) << VarToStr(result);
  }
}

TEST_F(VariantTest, TextFollowsTheDecimalSeparator) {
  FormatSettings().DecimalSeparator = '.';
  FormatSettings().ThousandSeparator = ',';
  EXPECT_EQ(VarToStr(2.5), "2.5");
  EXPECT_EQ(Variant("2.5").ToDouble(), 2.5);
  ExpectVariantError([] { Variant("2,5").ToDouble(); }, TErr::Cast);
}

TEST_F(VariantTest, MemberConversions) {
  const Variant text = "12";
  EXPECT_EQ(text.ToInteger(), 12);
  EXPECT_EQ(text.ToInt64(), 12);
  EXPECT_EQ(text.ToDouble(), 12.0);
  EXPECT_TRUE(text.ToBoolean());
  EXPECT_EQ(text.ToCurrency(), Currency::FromScaled(120000));
  EXPECT_EQ(Variant("10.03.2024").ToDateTime(), Day(2024, 3, 10));
  EXPECT_EQ(Variant(12).ToDateTime(), 12.0);
  EXPECT_EQ(text.ToString(), "12");
  EXPECT_EQ(text.ToWideString(), u"12");
}

struct TBadConversionCase {
  Variant from;
  TVarType to;
  TErr error;
  const char* message;
};

TEST_F(VariantTest, FailedConversionsRaiseVariantErrors) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const TBadConversionCase cases[] = {
      {Null(), varInteger, TErr::Cast, "Could not convert variant of type (Null) into type (Integer)"},
      {Null(), varString, TErr::Cast, "Could not convert variant of type (Null) into type (String)"},
      {Null(), varEmpty, TErr::Cast, nullptr},
      {"x", varInteger, TErr::Cast, "Could not convert variant of type (String) into type (Integer)"},
      {u"x", varInteger, TErr::Cast, "Could not convert variant of type (OleStr) into type (Integer)"},
      {"abc", varDouble, TErr::Cast, nullptr},
      {"abc", varCurrency, TErr::Cast, nullptr},
      {"yes", varBoolean, TErr::Cast, nullptr},
      {"31.02.2024", varDate, TErr::Cast, nullptr},
      {"2.5", varDouble, TErr::Cast, nullptr},
      {VarArrayOf({1}), varString, TErr::Cast,
       "Could not convert variant of type (Array Variant) into type (String)"},
      {VarAsError(5), varString, TErr::Cast, nullptr},
      {VarAsError(5), varInteger, TErr::Cast, nullptr},
      {5, varNull, TErr::Cast, nullptr},
      {5, varError, TErr::Cast, nullptr},
      {1e10, varInteger, TErr::Overflow,
       "Overflow while converting variant of type (Double) into type (Integer)"},
      {"99999999999", varInteger, TErr::Overflow, nullptr},
      {std::int64_t{1} << 40, varInteger, TErr::Overflow, nullptr},
      {70000, varSmallint, TErr::Overflow, nullptr},
      {70000, varWord, TErr::Overflow, nullptr},
      {-1, varLongWord, TErr::Overflow, nullptr},
      {-129, varShortInt, TErr::Overflow, nullptr},
      {256, varByte, TErr::Overflow, nullptr},
      {nan, varInt64, TErr::Overflow, nullptr},
      {1e300, varSingle, TErr::Overflow, nullptr},
      {1e300, varCurrency, TErr::Overflow, nullptr},
      {std::int64_t{1} << 62, varCurrency, TErr::Overflow, nullptr},
      {1e300, varDate, TErr::Overflow, nullptr},
      {5, varVariant, TErr::BadType, "Invalid variant type"},
      {5, varDispatch, TErr::BadType, nullptr},
      {5, varArray | varInteger, TErr::BadType, nullptr},
  };
  for (const TBadConversionCase& c : cases) {
    SCOPED_TRACE(VarTypeAsText(VarType(c.from)) + " to " + VarTypeAsText(c.to));
    ExpectVariantError([&] { VarAsType(c.from, c.to); }, c.error, c.message);
  }
}

TEST_F(VariantTest, VarToStrTreatsNullAsEmptyText) {
  EXPECT_EQ(VarToStr(Null()), "");
  EXPECT_EQ(VarToStr(Unassigned()), "");
  EXPECT_EQ(VarToStrDef(Null(), "yok"), "yok");
  EXPECT_EQ(VarToStrDef(Unassigned(), "yok"), "");
  EXPECT_EQ(VarToStrDef(5, "yok"), "5");
  ExpectVariantError([] { Null().ToString(); }, TErr::Cast);
  ExpectVariantError([] { VarToStr(VarArrayOf({})); }, TErr::Cast);
}

// ---- Comparisons -------------------------------------------------------------

// How A relates to B. NullEqual / NullUnequal: equality answers, ordering
// raises an invalid-operation error. Raises: every operator raises 'error'.
enum class TRel { Less, Equal, Greater, Unordered, NullEqual, NullUnequal, Raises };

struct TCompareCase {
  Variant a;
  Variant b;
  TRel relation;
  TErr error = TErr::InvalidOp;
};

TRel Reversed(TRel relation) {
  switch (relation) {
  case TRel::Less: return TRel::Greater;
  case TRel::Greater: return TRel::Less;
  default: return relation;
  }
}

// VarCompareValue answers the relation the operators show, in one pass.
void ExpectCompareValue(const Variant& a, const Variant& b, TRel relation, TErr error) {
  using enum TVariantRelationship;
  switch (relation) {
  case TRel::Raises: ExpectVariantError([&] { VarCompareValue(a, b); }, error); return;
  case TRel::Less: EXPECT_EQ(VarCompareValue(a, b), vrLessThan); return;
  case TRel::Greater: EXPECT_EQ(VarCompareValue(a, b), vrGreaterThan); return;
  case TRel::Equal:
  case TRel::NullEqual: EXPECT_EQ(VarCompareValue(a, b), vrEqual); return;
  default: EXPECT_EQ(VarCompareValue(a, b), vrNotEqual);
  }
}

void ExpectRelation(const Variant& a, const Variant& b, TRel relation, TErr error) {
  ExpectCompareValue(a, b, relation, error);
  const std::function<bool()> orderings[] = {[&] { return a < b; }, [&] { return a > b; },
                                             [&] { return a <= b; }, [&] { return a >= b; }};
  switch (relation) {
  case TRel::NullEqual:
  case TRel::NullUnequal:
    EXPECT_EQ(a == b, relation == TRel::NullEqual);
    EXPECT_EQ(a != b, relation != TRel::NullEqual);
    for (const auto& ordering : orderings)
      ExpectVariantError([&] { ordering(); }, TErr::InvalidOp);
    return;
  case TRel::Raises:
    ExpectVariantError([&] { (void)(a == b); }, error);
    for (const auto& ordering : orderings)
      ExpectVariantError([&] { ordering(); }, error);
    return;
  default:
    EXPECT_EQ(a == b, relation == TRel::Equal);
    EXPECT_EQ(a < b, relation == TRel::Less);
    EXPECT_EQ(a > b, relation == TRel::Greater);
    EXPECT_EQ(a <= b, relation == TRel::Less || relation == TRel::Equal);
    EXPECT_EQ(a >= b, relation == TRel::Greater || relation == TRel::Equal);
  }
}

TEST_F(VariantTest, EqualityAndOrderingAcrossTypes) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const TDateTime day = Day(2024, 3, 10);
  const std::int64_t big = std::numeric_limits<std::int64_t>::max();
  const TCompareCase cases[] = {
      // Null and Empty.
      {Null(), Null(), TRel::NullEqual},
      {Null(), 5, TRel::NullUnequal},
      {Null(), Unassigned(), TRel::NullUnequal},
      {Null(), "", TRel::NullUnequal},
      {Unassigned(), Unassigned(), TRel::Equal},
      {Unassigned(), 0, TRel::Less},
      {Unassigned(), -5, TRel::Less},
      {Unassigned(), "", TRel::Less},
      {Unassigned(), false, TRel::Less},
      // 8-bit strings: bytes, case-sensitive, unsigned.
      {"a", "c", TRel::Less},
      {"a", "A", TRel::Greater},
      {"abc", "ab", TRel::Greater},
      {"abc", "abc", TRel::Equal},
      {"\xFE", "z", TRel::Greater},
      // Wide strings, and wide against 8-bit through UTF-16.
      {u"\u015F", "\xFE", TRel::Equal},
      {u"a", "b", TRel::Less},
      {u"b", u"a", TRel::Greater},
      // Numbers by value; integers exactly.
      {1, 1.0, TRel::Equal},
      {1, 2.5, TRel::Less},
      {std::int16_t{3}, std::uint8_t{3}, TRel::Equal},
      {big, big - 1, TRel::Greater},
      {4000000000u, -1, TRel::Greater},
      {Currency::FromScaled(25000), 2.5, TRel::Equal},
      {Currency::FromScaled(25000), 2, TRel::Greater},
      {Currency::FromScaled(-25000), -2, TRel::Less},
      {Currency::FromScaled(30000), 3, TRel::Equal},
      {1.5f, 1.5, TRel::Equal},
      {nan, 1, TRel::Unordered},
      {nan, nan, TRel::Unordered},
      // Booleans as -1 / 0.
      {true, -1, TRel::Equal},
      {true, 1, TRel::Less},
      {false, 0, TRel::Equal},
      {true, false, TRel::Less},
      {true, true, TRel::Equal},
      // Dates by their number.
      {VarFromDateTime(day), VarFromDateTime(day + 1), TRel::Less},
      {VarFromDateTime(day), day, TRel::Equal},
      // Text against another kind: converted to that kind.
      {"1", 1, TRel::Equal},
      {"1,5", 1, TRel::Greater},
      {"10", 9, TRel::Greater},
      {"2,5", Currency::FromScaled(25000), TRel::Equal},
      {"True", true, TRel::Equal},
      {"10.03.2024", VarFromDateTime(day), TRel::Equal},
      {"abc", 5, TRel::Raises, TErr::Cast},
      {"abc", true, TRel::Raises, TErr::Cast},
      {"abc", VarFromDateTime(day), TRel::Raises, TErr::Cast},
      // No order at all.
      {VarArrayOf({1}), VarArrayOf({1}), TRel::Raises},
      {VarArrayOf({1}), 1, TRel::Raises},
      {Unassigned(), VarArrayOf({}), TRel::Raises},
      {VarAsError(1), 1, TRel::Raises},
      {VarAsError(1), VarAsError(1), TRel::Raises},
      // Two values of one type.
      {Currency::FromScaled(25000), Currency::FromScaled(30000), TRel::Less},
      {2.5, -1.5, TRel::Greater},
      {1.5f, 1.5f, TRel::Equal},
      {std::uint8_t{200}, std::uint8_t{7}, TRel::Greater},
      {"", "a", TRel::Less},
  };
  for (const TCompareCase& c : cases) {
    SCOPED_TRACE(VarTypeAsText(VarType(c.a)) + " against " + VarTypeAsText(VarType(c.b)));
    ExpectRelation(c.a, c.b, c.relation, c.error);
    ExpectRelation(c.b, c.a, Reversed(c.relation), c.error);
  }
}

// ---- Arrays -------------------------------------------------------------------

TEST_F(VariantTest, VariantArrayHoldsAnyValues) {
  Variant array = VarArrayCreate({1, 3}, varVariant);
  EXPECT_EQ(VarType(array), varArray | varVariant);
  EXPECT_EQ(VarArrayDimCount(array), 1);
  EXPECT_EQ(VarArrayLowBound(array, 1), 1);
  EXPECT_EQ(VarArrayHighBound(array, 1), 3);
  EXPECT_TRUE(VarIsEmpty(VarArrayGet(array, {2})));
  VarArrayPut(array, "a", {1});
  VarArrayPut(array, Null(), {3});
  EXPECT_EQ(VarType(VarArrayGet(array, {1})), varString);
  EXPECT_TRUE(VarIsNull(VarArrayGet(array, {3})));
}

TEST_F(VariantTest, ArraysWithoutElements) {
  for (const Variant& array : {VarArrayCreate({0, -1}, varVariant), VarArrayOf({})}) {
    EXPECT_EQ(VarArrayDimCount(array), 1);
    EXPECT_EQ(VarArrayLowBound(array, 1), 0);
    EXPECT_EQ(VarArrayHighBound(array, 1), -1);
    ExpectVariantError([&] { VarArrayGet(array, {0}); }, TErr::BadIndex);
  }
}

TEST_F(VariantTest, VarArrayOfKeepsTheValuesInOrder) {
  const Variant array = VarArrayOf({1, "a", Null()});
  EXPECT_EQ(VarArrayHighBound(array, 1), 2);
  EXPECT_EQ(VarType(VarArrayGet(array, {0})), varInteger);
  EXPECT_EQ(VarToStr(VarArrayGet(array, {1})), "a");
  EXPECT_TRUE(VarIsNull(VarArrayGet(array, {2})));
}

TEST_F(VariantTest, TypedArrayConvertsWhatItStores) {
  Variant array = VarArrayCreate({0, 1}, varInteger);
  EXPECT_EQ(VarType(VarArrayGet(array, {0})), varInteger);
  EXPECT_EQ(VarArrayGet(array, {0}).ToInteger(), 0);
  VarArrayPut(array, "12", {1});
  EXPECT_EQ(VarType(VarArrayGet(array, {1})), varInteger);
  EXPECT_EQ(VarArrayGet(array, {1}).ToInteger(), 12);
  ExpectVariantError([&] { VarArrayPut(array, "x", {1}); }, TErr::Cast);
  EXPECT_EQ(VarArrayGet(array, {1}).ToInteger(), 12);
  EXPECT_EQ(VarToStr(VarArrayGet(VarArrayCreate({0, 0}, varOleStr), {0})), "");
}

TEST_F(VariantTest, TwoDimensionalArray) {
  Variant array = VarArrayCreate({0, 1, 5, 7}, varVariant);
  EXPECT_EQ(VarArrayDimCount(array), 2);
  EXPECT_EQ(VarArrayLowBound(array, 2), 5);
  EXPECT_EQ(VarArrayHighBound(array, 2), 7);
  VarArrayPut(array, 10, {1, 5});
  VarArrayPut(array, 20, {0, 7});
  EXPECT_EQ(VarArrayGet(array, {1, 5}).ToInteger(), 10);
  EXPECT_EQ(VarArrayGet(array, {0, 7}).ToInteger(), 20);
  EXPECT_TRUE(VarIsEmpty(VarArrayGet(array, {1, 7})));
  ExpectVariantError([&] { VarArrayGet(array, {1}); }, TErr::BadIndex);
}

TEST_F(VariantTest, ArrayMisuseRaisesVariantErrors) {
  Variant array = VarArrayOf({1, 2});
  Variant scalar = 5;
  const std::pair<std::function<void()>, TErr> cases[] = {
      {[&] { VarArrayGet(array, {2}); }, TErr::BadIndex},
      {[&] { VarArrayGet(array, {-1}); }, TErr::BadIndex},
      {[&] { VarArrayPut(array, 1, {2}); }, TErr::BadIndex},
      {[&] { VarArrayLowBound(array, 0); }, TErr::BadIndex},
      {[&] { VarArrayHighBound(array, 2); }, TErr::BadIndex},
      {[&] { VarArrayGet(scalar, {0}); }, TErr::NotArray},
      {[&] { VarArrayPut(scalar, 1, {0}); }, TErr::NotArray},
      {[&] { VarArrayLowBound(scalar, 1); }, TErr::NotArray},
      {[&] { VarArrayHighBound(Null(), 1); }, TErr::NotArray},
      {[] { VarArrayCreate({0}, varVariant); }, TErr::InvalidArg},
      {[] { VarArrayCreate({}, varVariant); }, TErr::InvalidArg},
      {[] { VarArrayCreate({0, -2}, varVariant); }, TErr::ArrayCreate},
      {[] { VarArrayCreate({0, 70000, 0, 70000}, varVariant); }, TErr::ArrayCreate},
      {[] { VarArrayCreate({0, 1}, varString); }, TErr::BadType},
      {[] { VarArrayCreate({0, 1}, varNull); }, TErr::BadType},
  };
  for (const auto& [action, error] : cases)
    ExpectVariantError(action, error);
  EXPECT_EQ(VarArrayDimCount(scalar), 0);
  ExpectVariantError([&] { VarArrayGet(array, {2}); }, TErr::BadIndex,
                     "Variant or safe array index out of bounds");
  ExpectVariantError([&] { VarArrayGet(scalar, {0}); }, TErr::NotArray, "Variant is not an array");
}

// ---- Copying -----------------------------------------------------------------

TEST_F(VariantTest, CopyingCopiesArraysWhole) {
  const Variant inner = VarArrayOf({1, 2});
  Variant original = VarArrayOf({"a", inner});
  Variant copy = original;
  VarArrayPut(copy, "b", {0});
  Variant innerCopy = VarArrayGet(copy, {1});
  VarArrayPut(innerCopy, 9, {0});
  VarArrayPut(copy, innerCopy, {1});

  EXPECT_EQ(VarToStr(VarArrayGet(original, {0})), "a");
  EXPECT_EQ(VarArrayGet(VarArrayGet(original, {1}), {0}).ToInteger(), 1);
  EXPECT_EQ(VarArrayGet(VarArrayGet(copy, {1}), {0}).ToInteger(), 9);

  original = copy;
  EXPECT_EQ(VarToStr(VarArrayGet(original, {0})), "b");
}

TEST_F(VariantTest, ArrayStoredIntoItselfKeepsTheOldValue) {
  Variant array = VarArrayOf({1, 2});
  VarArrayPut(array, array, {0});
  const Variant stored = VarArrayGet(array, {0});
  ASSERT_TRUE(VarIsArray(stored));
  EXPECT_EQ(VarArrayGet(stored, {0}).ToInteger(), 1);
  EXPECT_EQ(VarArrayGet(array, {1}).ToInteger(), 2);
}

} // namespace
