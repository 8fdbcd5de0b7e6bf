#include "tests/support/GTest.h"

#include <array>
#include <cstring>
#include <string>

#include "data/cxDataStorage.h"
#include "data/cxVariants.h"
#include "tests/data/DataValuesTestSupport.h"

namespace {

using data_test::Bytes;
using data_test::Content;
using data_test::Fill;

// The data bytes of one value, as inside a record buffer, followed by guard
// bytes that nothing may touch.
class TValueSlot {
public:
  static constexpr std::uint8_t kGuard = 0xA5;

  explicit TValueSlot(TcxValueTypeClass valueType) : m_valueType(valueType) {
    m_bytes.fill(0);
    std::memset(m_bytes.data() + Size(), kGuard, kGuardSize);
  }
  TValueSlot(TcxValueTypeClass valueType, const Variant& value) : TValueSlot(valueType) {
    m_valueType->SetDataValue(Data(), value);
  }
  ~TValueSlot() { m_valueType->FreeBuffer(Data()); }
  TValueSlot(const TValueSlot&) = delete;
  TValueSlot& operator=(const TValueSlot&) = delete;

  void* Data() { return m_bytes.data(); }
  const void* Data() const { return m_bytes.data(); }
  Variant Value() const { return m_valueType->GetDataValue(Data()); }
  bool GuardsIntact() const {
    for (std::size_t i = 0; i < kGuardSize; ++i)
      if (m_bytes[Size() + i] != kGuard)
        return false;
    return true;
  }

private:
  static constexpr std::size_t kGuardSize = 8;
  std::size_t Size() const { return static_cast<std::size_t>(m_valueType->GetDataSize()); }

  TcxValueTypeClass m_valueType;
  std::array<std::uint8_t, 64> m_bytes{};
};

class ValueTypesTest : public testing::Test {
protected:
  static void SetUpTestSuite() { data_test::StartDataStorageUnit(); }
};

// ---- Registry and captions -----------------------------------------------------

class TTestDateTimeValueType : public TcxDateTimeValueType {
  OBJECT_CLASS(TTestDateTimeValueType, TcxDateTimeValueType)
};

TEST_F(ValueTypesTest, TheFourteenTypesAreRegisteredInOrderUnderTheirCaptions) {
  const char* captions[] = {"String",   "WideString", "Smallint", "Integer",      "Word",
                            "Boolean",  "Float",      "Currency", "DateTime",     "LargeInt",
                            "FMTBcd",   "SQLTimeStamp", "Variant", "Object"};
  TcxValueTypeClassList& registry = cxValueTypeClassList();
  ASSERT_EQ(registry.Count(), 14);
  for (int i = 0; i < 14; ++i) {
    EXPECT_EQ(registry.Items(i)->Caption(), captions[i]);
    EXPECT_EQ(registry.ItemByCaption(captions[i]), registry.Items(i));
  }
  EXPECT_EQ(registry.Items(3), TcxValueTypeClass(TcxIntegerValueType::StaticClass()));
  EXPECT_FALSE(registry.ItemByCaption("integer"));
  EXPECT_FALSE(registry.ItemByCaption("Unknown"));
  EXPECT_THROW(registry.Items(14), EListError);
}

TEST_F(ValueTypesTest, CaptionDropsOnlyALeadingTcx) {
  EXPECT_EQ(TcxValueTypeClass(TTestDateTimeValueType::StaticClass())->Caption(), "TTestDateTime");
  EXPECT_EQ(TcxValueTypeClass(TcxValueType::StaticClass())->Caption(), "");
}

TEST_F(ValueTypesTest, RegisteringIsIdempotentAndShutDownEmptiesTheRegistry) {
  TcxValueTypeClassList& registry = cxValueTypeClassList();
  registry.RegisterItem(TcxIntegerValueType::StaticClass());
  EXPECT_EQ(registry.Count(), 14);
  registry.RegisterItem(TTestDateTimeValueType::StaticClass());
  EXPECT_EQ(registry.Count(), 15);
  registry.UnregisterItem(TTestDateTimeValueType::StaticClass());

  cxDataStorageUnit.Finalization();
  EXPECT_EQ(cxValueTypeClassList().Count(), 0);
  cxDataStorageUnit.Initialization();
  EXPECT_EQ(cxValueTypeClassList().Count(), 14);
}

TEST_F(ValueTypesTest, OnlyTheTwoDateTypesThemselvesAreDateTimeTypes) {
  EXPECT_TRUE(IsDateTimeValueTypeClass(TcxDateTimeValueType::StaticClass()));
  EXPECT_TRUE(IsDateTimeValueTypeClass(TcxSQLTimeStampValueType::StaticClass()));
  EXPECT_FALSE(IsDateTimeValueTypeClass(TTestDateTimeValueType::StaticClass()));
  EXPECT_FALSE(IsDateTimeValueTypeClass(TcxFloatValueType::StaticClass()));
}

// ---- Values and comparison -----------------------------------------------------

struct TValueCase {
  const char* Name;
  TcxValueTypeClass ValueType;
  Variant Value;
  TVarType VarType;
  int DataSize;
};

class ValueTypeValuesTest : public ValueTypesTest,
                            public testing::WithParamInterface<TValueCase> {};

TEST_P(ValueTypeValuesTest, KeepsTheValueInItsDataBytes) {
  const TValueCase& c = GetParam();
  EXPECT_EQ(c.ValueType->GetDataSize(), c.DataSize);
  TValueSlot slot(c.ValueType, c.Value);
  const Variant value = slot.Value();
  EXPECT_EQ(VarType(value), c.VarType);
  EXPECT_EQ(VarCompare(value, c.Value), 0);
  EXPECT_TRUE(slot.GuardsIntact());
}

TEST_P(ValueTypeValuesTest, StreamsTheValueAndReadsItBack) {
  const TValueCase& c = GetParam();
  TValueSlot slot(c.ValueType, c.Value);
  TMemoryStream stream;
  c.ValueType->WriteDataValue(slot.Data(), stream);
  stream.SetPosition(0);
  TValueSlot copy(c.ValueType);
  c.ValueType->ReadDataValue(copy.Data(), stream);
  EXPECT_EQ(stream.Position(), stream.Size());
  EXPECT_EQ(c.ValueType->Compare(slot.Data(), copy.Data()), 0);
  EXPECT_TRUE(copy.GuardsIntact());
}

INSTANTIATE_TEST_SUITE_P(
    Table, ValueTypeValuesTest,
    testing::Values(
        TValueCase{"String", TcxStringValueType::StaticClass(), "\xC7" "ay", varString, cxHolderSlotSize},
        TValueCase{"WideString", TcxWideStringValueType::StaticClass(), u"\x0416\x011F", varOleStr,
                   cxHolderSlotSize},
        TValueCase{"Smallint", TcxSmallintValueType::StaticClass(), -300, varSmallint, 2},
        TValueCase{"Integer", TcxIntegerValueType::StaticClass(), -70000, varInteger, 4},
        TValueCase{"Word", TcxWordValueType::StaticClass(), 65535, varWord, 2},
        TValueCase{"Boolean", TcxBooleanValueType::StaticClass(), true, varBoolean, 1},
        TValueCase{"Float", TcxFloatValueType::StaticClass(), 0.1, varDouble, 8},
        TValueCase{"Currency", TcxCurrencyValueType::StaticClass(), Currency::FromScaled(-12345),
                   varCurrency, 8},
        TValueCase{"DateTime", TcxDateTimeValueType::StaticClass(), VarFromDateTime(45000.75),
                   varDate, 8},
        TValueCase{"LargeInt", TcxLargeIntValueType::StaticClass(), std::int64_t{-9000000000},
                   varInt64, 8},
        TValueCase{"FMTBcd", TcxFMTBcdValueType::StaticClass(),
                   "-12345678901234567890,000000000000000000001", varString, 34},
        TValueCase{"SQLTimeStamp", TcxSQLTimeStampValueType::StaticClass(),
                   VarFromDateTime(45000.5 + 1.0 / 86400000), varDate, 16},
        TValueCase{"Variant", TcxVariantValueType::StaticClass(), VarArrayOf({1, "a"}),
                   varArray | varVariant, cxHolderSlotSize}),
    [](const testing::TestParamInfo<TValueCase>& info) { return std::string(info.param.Name); });

struct TCompareCase {
  const char* Name;
  TcxValueTypeClass ValueType;
  Variant A;
  Variant B;
  int Expected;
};

class ValueTypeCompareTest : public ValueTypesTest,
                             public testing::WithParamInterface<TCompareCase> {};

TEST_P(ValueTypeCompareTest, ComparesTwoStoredValues) {
  const TCompareCase& c = GetParam();
  TValueSlot a(c.ValueType);
  TValueSlot b(c.ValueType);
  if (!VarIsEmpty(c.A))
    c.ValueType->SetDataValue(a.Data(), c.A);
  if (!VarIsEmpty(c.B))
    c.ValueType->SetDataValue(b.Data(), c.B);
  EXPECT_EQ(c.ValueType->Compare(a.Data(), b.Data()), c.Expected);
}

// Empty in a case means "nothing stored" (no holder).
INSTANTIATE_TEST_SUITE_P(
    Table, ValueTypeCompareTest,
    testing::Values(
        TCompareCase{"IntegerExtremes", TcxIntegerValueType::StaticClass(), 2147483647, -1, 1},
        TCompareCase{"IntegerLowest", TcxIntegerValueType::StaticClass(), INT32_MIN, 1, -1},
        TCompareCase{"SmallintDifference", TcxSmallintValueType::StaticClass(), -5, 3, -8},
        TCompareCase{"WordDifference", TcxWordValueType::StaticClass(), 65535, 0, 65535},
        TCompareCase{"BooleanDifference", TcxBooleanValueType::StaticClass(), true, false, 1},
        TCompareCase{"StringMissingFirst", TcxStringValueType::StaticClass(), Variant(), "a", -1},
        TCompareCase{"StringBothMissing", TcxStringValueType::StaticClass(), Variant(), Variant(), 0},
        TCompareCase{"StringOrdinal", TcxStringValueType::StaticClass(), "B", "a", -1},
        TCompareCase{"StringGreater", TcxStringValueType::StaticClass(), "abc", "a", 1},
        TCompareCase{"WideCodeUnits", TcxWideStringValueType::StaticClass(), u"b", u"a", 1},
        TCompareCase{"WideMissingLast", TcxWideStringValueType::StaticClass(), u"", Variant(), 1},
        TCompareCase{"FloatEqual", TcxFloatValueType::StaticClass(), 1.5, 1.5, 0},
        TCompareCase{"FloatLess", TcxFloatValueType::StaticClass(), 1.5, 2.5, -1},
        TCompareCase{"Currency", TcxCurrencyValueType::StaticClass(), Currency::FromScaled(1),
                     Currency::FromScaled(0), 1},
        TCompareCase{"DateTime", TcxDateTimeValueType::StaticClass(), VarFromDateTime(1),
                     VarFromDateTime(2), -1},
        TCompareCase{"LargeIntBeyond32Bits", TcxLargeIntValueType::StaticClass(),
                     std::int64_t{1} << 40, 1, 1},
        TCompareCase{"BcdByValue", TcxFMTBcdValueType::StaticClass(), "12,5", 3, 1},
        TCompareCase{"BcdNegatives", TcxFMTBcdValueType::StaticClass(), "-1", "-0,5", -1},
        TCompareCase{"BcdEqualScales", TcxFMTBcdValueType::StaticClass(), "2,50", 2.5, 0},
        TCompareCase{"TimeStampDays", TcxSQLTimeStampValueType::StaticClass(),
                     VarFromDateTime(45000), VarFromDateTime(45003), -3},
        TCompareCase{"TimeStampMilliseconds", TcxSQLTimeStampValueType::StaticClass(),
                     VarFromDateTime(45000.5), VarFromDateTime(45000.5 + 2.0 / 86400000), -1},
        TCompareCase{"VariantMissingFirst", TcxVariantValueType::StaticClass(), Variant(), 1, -1},
        TCompareCase{"VariantByVarCompare", TcxVariantValueType::StaticClass(), "a", "c", -2},
        TCompareCase{"ObjectHandles", TcxObjectValueType::StaticClass(), 0, 0, 0}),
    [](const testing::TestParamInfo<TCompareCase>& info) { return std::string(info.param.Name); });

TEST_F(ValueTypesTest, PreparedPointersAreTheHoldersOfHolderTypes) {
  TValueSlot slot(TcxStringValueType::StaticClass(), "x");
  const void* pointer = slot.Data();
  TcxValueTypeClass(TcxStringValueType::StaticClass())->PrepareValueBuffer(pointer);
  EXPECT_EQ(*static_cast<const std::string*>(pointer), "x");
  EXPECT_EQ(VarCompare(TcxValueTypeClass(TcxStringValueType::StaticClass())->GetValue(pointer), "x"), 0);

  TValueSlot number(TcxIntegerValueType::StaticClass(), 5);
  const void* same = number.Data();
  TcxValueTypeClass(TcxIntegerValueType::StaticClass())->PrepareValueBuffer(same);
  EXPECT_EQ(same, number.Data());
}

TEST_F(ValueTypesTest, NarrowTypesRefuseValuesThatDoNotFit) {
  TValueSlot smallint(TcxSmallintValueType::StaticClass(), 1);
  EXPECT_THROW(TcxValueTypeClass(TcxSmallintValueType::StaticClass())->SetDataValue(smallint.Data(), 70000),
               EVariantOverflowError);
  EXPECT_EQ(VarCompare(smallint.Value(), 1), 0);
  TValueSlot word(TcxWordValueType::StaticClass());
  EXPECT_THROW(TcxValueTypeClass(TcxWordValueType::StaticClass())->SetDataValue(word.Data(), -1),
               EVariantOverflowError);
  TValueSlot integer(TcxIntegerValueType::StaticClass());
  EXPECT_THROW(TcxValueTypeClass(TcxIntegerValueType::StaticClass())->SetDataValue(integer.Data(), "x"),
               EVariantTypeCastError);
}

struct TValidCase {
  const char* Name;
  TcxValueTypeClass ValueType;
  Variant Value;
  bool Valid;
  Variant After;
};

class IsValueValidTest : public ValueTypesTest, public testing::WithParamInterface<TValidCase> {};

TEST_P(IsValueValidTest, ConvertsTheValueToTheTypeInPlace) {
  const TValidCase& c = GetParam();
  Variant value = c.Value;
  EXPECT_EQ(c.ValueType->IsValueValid(value), c.Valid);
  EXPECT_EQ(VarType(value), VarType(c.After));
  EXPECT_TRUE(VarEquals(value, c.After));
}

INSTANTIATE_TEST_SUITE_P(
    Table, IsValueValidTest,
    testing::Values(
        TValidCase{"IntegerText", TcxIntegerValueType::StaticClass(), "12", true, 12},
        TValidCase{"NotAnInteger", TcxIntegerValueType::StaticClass(), "x", false, "x"},
        TValidCase{"NullIsValid", TcxIntegerValueType::StaticClass(), Null(), true, Null()},
        TValidCase{"VariantTakesAnything", TcxVariantValueType::StaticClass(), "x", true, "x"},
        TValidCase{"SmallintOverflow", TcxSmallintValueType::StaticClass(), 70000, false, 70000},
        TValidCase{"BcdText", TcxFMTBcdValueType::StaticClass(), "012,50", true, "12,5"},
        TValidCase{"BcdNumber", TcxFMTBcdValueType::StaticClass(), 0.25, true, "0,25"},
        TValidCase{"NotABcd", TcxFMTBcdValueType::StaticClass(), "1,2,3", false, "1,2,3"},
        TValidCase{"TimeStampText", TcxSQLTimeStampValueType::StaticClass(), "02.01.1900", true,
                   VarFromDateTime(3)}),
    [](const testing::TestParamInfo<TValidCase>& info) { return std::string(info.param.Name); });

// ---- Streams -------------------------------------------------------------------

TEST_F(ValueTypesTest, StreamFormsOfTheTypes) {
  struct TCase {
    TcxValueTypeClass ValueType;
    Variant Value;
    Bytes Encoded;
  };
  const TCase cases[] = {
      {TcxIntegerValueType::StaticClass(), -2, {0xFE, 0xFF, 0xFF, 0xFF}},
      {TcxStringValueType::StaticClass(), "ab", {0x02, 0x00, 0x00, 0x00, 0x61, 0x62}},
      {TcxWideStringValueType::StaticClass(), u"\x0416", {0x01, 0x00, 0x00, 0x00, 0x16, 0x04}},
      {TcxFloatValueType::StaticClass(), 1.0, {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}},
      {TcxBooleanValueType::StaticClass(), true, {0x01}},
      {TcxFMTBcdValueType::StaticClass(), 2.5, {0x06, 0x03, '2', ',', '5'}},
      {TcxSQLTimeStampValueType::StaticClass(), VarFromDateTime(1),
       {0x11, 0, 0, 0, 0, 0, 0, 0xF0, 0x3F}},
      {TcxVariantValueType::StaticClass(), 5, {0x02, 0x05}},
      {TcxObjectValueType::StaticClass(), 0, {}},
  };
  for (const TCase& c : cases) {
    TValueSlot slot(c.ValueType, c.Value);
    TMemoryStream stream;
    c.ValueType->WriteDataValue(slot.Data(), stream);
    EXPECT_EQ(Content(stream), c.Encoded) << c.ValueType->Caption();
  }
}

TEST_F(ValueTypesTest, AFloatIsReadThroughATemporaryNeverPastItsEightBytes) {
  TMemoryStream stream;
  Fill(stream, {0, 0, 0, 0, 0, 0, 0, 0xC0, 0xFF, 0x3F});
  TValueSlot slot(TcxFloatValueType::StaticClass());
  TcxValueTypeClass(TcxFloatValueType::StaticClass())->ReadDataValue(slot.Data(), stream);
  EXPECT_EQ(slot.Value().ToDouble(), 1.5);
  EXPECT_TRUE(slot.GuardsIntact());
}

TEST_F(ValueTypesTest, ABooleanByteFromAStreamIsKeptAsItIs) {
  TMemoryStream stream;
  Fill(stream, {0x02});
  const TcxValueTypeClass boolean = TcxBooleanValueType::StaticClass();
  TValueSlot two(boolean);
  boolean->ReadDataValue(two.Data(), stream);
  TValueSlot one(boolean, true);
  EXPECT_EQ(boolean->Compare(two.Data(), one.Data()), 1);
  EXPECT_TRUE(two.Value().ToBoolean());
  TMemoryStream out;
  boolean->WriteDataValue(two.Data(), out);
  EXPECT_EQ(Content(out), Bytes{0x02});
}

// ---- Display texts -------------------------------------------------------------

TEST_F(ValueTypesTest, TextSlotsHoldATextOrNothing) {
  const TcxValueTypeClass base = TcxValueType::StaticClass();
  void* slot = nullptr;
  EXPECT_EQ(base->GetDisplayText(&slot), "");
  base->SetDisplayText(&slot, "metin");
  EXPECT_EQ(base->GetDisplayText(&slot), "metin");
  TMemoryStream stream;
  base->WriteDisplayText(&slot, stream);
  EXPECT_EQ(Content(stream), (Bytes{0x05, 0, 0, 0, 'm', 'e', 't', 'i', 'n'}));
  base->FreeTextBuffer(&slot);
  EXPECT_EQ(slot, nullptr);
  stream.SetPosition(0);
  base->ReadDisplayText(&slot, stream);
  EXPECT_EQ(base->GetDisplayText(&slot), "metin");
  base->FreeTextBuffer(&slot);
}

TEST_F(ValueTypesTest, DefaultDisplayTexts) {
  struct TCase {
    TcxValueTypeClass ValueType;
    Variant Value;
    const char* Text;
  };
  const TCase cases[] = {
      {TcxBooleanValueType::StaticClass(), false, "False"},
      {TcxFloatValueType::StaticClass(), 1.5, "1,5"},
      {TcxDateTimeValueType::StaticClass(), VarFromDateTime(45000), "15.03.2023"},
      {TcxFMTBcdValueType::StaticClass(), "1000,100", "1000,1"},
      {TcxStringValueType::StaticClass(), "\xFE", "\xFE"},
      {TcxVariantValueType::StaticClass(), VarArrayOf({1}), ""},
  };
  for (const TCase& c : cases) {
    TValueSlot slot(c.ValueType, c.Value);
    EXPECT_EQ(c.ValueType->GetDefaultDisplayText(slot.Data()), c.Text) << c.ValueType->Caption();
  }
}

// ---- Objects -------------------------------------------------------------------

class TCountedObject : public TObject {
  OBJECT_CLASS(TCountedObject, TObject)
public:
  explicit TCountedObject(int& freed) : m_freed(freed) {}
  ~TCountedObject() override { ++m_freed; }

private:
  int& m_freed;
};

TEST_F(ValueTypesTest, ObjectsAreKeptByHandleAndFreedWithTheirValue) {
  const TcxValueTypeClass objects = TcxObjectValueType::StaticClass();
  int freed = 0;
  TCountedObject* first = Create<TCountedObject>(freed);
  TCountedObject* second = Create<TCountedObject>(freed);
  const Variant firstValue = cxObjectToVariant(first);
  EXPECT_EQ(VarType(firstValue), varInteger);
  EXPECT_EQ(cxVariantToObject(firstValue), first);
  {
    TValueSlot slot(objects, firstValue);
    EXPECT_EQ(VarCompare(slot.Value(), firstValue), 0);
    objects->SetDataValue(slot.Data(), cxObjectToVariant(second));
    EXPECT_EQ(freed, 1) << "the object stored over is freed";
    EXPECT_EQ(cxVariantToObject(firstValue), nullptr);
  }
  EXPECT_EQ(freed, 2);
  EXPECT_EQ(cxObjectToVariant(nullptr).ToInteger(), 0);
}

TEST_F(ValueTypesTest, ANumberThatIsNoObjectHandleIsRefused) {
  TValueSlot slot(TcxObjectValueType::StaticClass());
  EXPECT_THROW(TcxValueTypeClass(TcxObjectValueType::StaticClass())->SetDataValue(slot.Data(), 5),
               EVariantTypeCastError);
  EXPECT_EQ(slot.Value().ToInteger(), 0);
}

} // namespace
