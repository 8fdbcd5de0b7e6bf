#include "tests/support/GTest.h"

#include <bit>
#include <cfloat>
#include <cmath>
#include <limits>
#include <string>

#include "data/cxVariants.h"
#include "data/cxVariantsExtended.h"
#include "tests/data/DataValuesTestSupport.h"

namespace {

using data_test::Bytes;
using data_test::Content;
using data_test::Fill;

Bytes Written(const Variant& value) {
  TMemoryStream stream;
  WriteVariantProc(stream, value);
  return Content(stream);
}

Variant ReadBack(const Bytes& bytes) {
  TMemoryStream stream;
  Fill(stream, bytes);
  Variant value = ReadVariantFunc(stream);
  EXPECT_EQ(stream.Position(), stream.Size()) << "every byte is read";
  return value;
}

struct TEncodingCase {
  const char* Name;
  Variant Value;
  Bytes Encoded;
  TVarType ReadBackType;
};

class TaggedVariantTest : public testing::TestWithParam<TEncodingCase> {};

TEST_P(TaggedVariantTest, WritesTheBytesAndReadsTheValueBack) {
  const TEncodingCase& c = GetParam();
  EXPECT_EQ(Written(c.Value), c.Encoded);
  const Variant back = ReadBack(c.Encoded);
  EXPECT_EQ(VarType(back), c.ReadBackType);
  EXPECT_EQ(VarCompare(back, c.Value), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TaggedVariantTest,
    testing::Values(
        TEncodingCase{"Zero", 0, {0x02, 0x00}, varShortInt},
        TEncodingCase{"Int8High", 127, {0x02, 0x7F}, varShortInt},
        TEncodingCase{"Int8Low", -128, {0x02, 0x80}, varShortInt},
        TEncodingCase{"Int16Low", 128, {0x03, 0x80, 0x00}, varSmallint},
        TEncodingCase{"Int16Negative", -129, {0x03, 0x7F, 0xFF}, varSmallint},
        TEncodingCase{"Int16High", 32767, {0x03, 0xFF, 0x7F}, varSmallint},
        TEncodingCase{"Int32", 32768, {0x04, 0x00, 0x80, 0x00, 0x00}, varInteger},
        TEncodingCase{"Int64", std::int64_t{2147483648},
                      {0x13, 0x00, 0x00, 0x00, 0x80, 0x00, 0x00, 0x00, 0x00}, varInt64},
        TEncodingCase{"WordComesBackSigned", std::uint16_t{200}, {0x03, 0xC8, 0x00}, varSmallint},
        TEncodingCase{"LongWordAboveInt32", std::uint32_t{3000000000u},
                      {0x13, 0x00, 0x5E, 0xD0, 0xB2, 0x00, 0x00, 0x00, 0x00}, varInt64},
        TEncodingCase{"True", true, {0x09}, varBoolean},
        TEncodingCase{"False", false, {0x08}, varBoolean},
        TEncodingCase{"Null", Null(), {0x00}, varNull},
        TEncodingCase{"Empty", Variant(), {0x0D}, varEmpty},
        TEncodingCase{"EmptyString", "", {0x06, 0x00}, varString},
        TEncodingCase{"ShortString", "ab", {0x06, 0x02, 0x61, 0x62}, varString},
        TEncodingCase{"TurkishString", "\xFE\xF0", {0x06, 0x02, 0xFE, 0xF0}, varString},
        TEncodingCase{"Array", VarArrayOf({1, "a"}), {0x01, 0x02, 0x02, 0x02, 0x01, 0x06, 0x01, 0x61},
                      varArray | varVariant},
        TEncodingCase{"EmptyArray", VarArrayOf({}), {0x01, 0x02, 0x00}, varArray | varVariant},
        TEncodingCase{"Single", 1.5f, {0x0F, 0x00, 0x00, 0xC0, 0x3F}, varSingle},
        TEncodingCase{"Double", 1.5,
                      {0x05, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xC0, 0xFF, 0x3F}, varDouble},
        TEncodingCase{"Currency", Currency::FromScaled(15000),
                      {0x10, 0x98, 0x3A, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}, varCurrency},
        TEncodingCase{"Date", VarFromDateTime(1.0),
                      {0x11, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF0, 0x3F}, varDate},
        TEncodingCase{"OleStr", u"ab", {0x12, 0x02, 0x00, 0x00, 0x00, 0x61, 0x00, 0x62, 0x00},
                      varOleStr}),
    [](const testing::TestParamInfo<TEncodingCase>& info) { return std::string(info.param.Name); });

TEST(TaggedVariant, StringsBeyond255BytesTakeAFourByteLength) {
  const Bytes at255 = Written(std::string(255, 'x'));
  EXPECT_EQ(at255.size(), 2u + 255u);
  EXPECT_EQ(at255[0], 0x06);
  EXPECT_EQ(at255[1], 0xFF);
  const Bytes at256 = Written(std::string(256, 'x'));
  EXPECT_EQ(Bytes(at256.begin(), at256.begin() + 5), (Bytes{0x0C, 0x00, 0x01, 0x00, 0x00}));
  EXPECT_EQ(ReadBack(at256).ToString(), std::string(256, 'x'));
}

TEST(TaggedVariant, NestedArraysRoundTrip) {
  const Variant nested = VarArrayOf({VarArrayOf({1, 2}), Null(), VarArrayOf({})});
  EXPECT_EQ(VarCompare(ReadBack(Written(nested)), nested), 0);
}

TEST(TaggedVariant, DoublesComeBackBitForBit) {
  const double values[] = {0.0,  -0.0,    1.5,      0.1,     -123.456e300,
                           DBL_MIN, 5e-324, DBL_MAX, -DBL_MAX, std::numeric_limits<double>::infinity(),
                           -std::numeric_limits<double>::infinity(), 2.2250738585072009e-308};
  for (double value : values) {
    const Variant back = ReadBack(Written(value));
    ASSERT_EQ(VarType(back), varDouble);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(back.ToDouble()), std::bit_cast<std::uint64_t>(value))
        << value;
  }
  EXPECT_TRUE(std::isnan(ReadBack(Written(std::nan(""))).ToDouble()));
}

TEST(TaggedVariant, WritingAValueWithoutTextOrATwoDimensionalArrayWritesNothing) {
  for (const Variant& value : {VarArrayCreate({0, 1, 0, 1}, varVariant), VarAsError(5)}) {
    TMemoryStream stream;
    try {
      WriteVariantProc(stream, value);
      ADD_FAILURE() << "no write error";
    } catch (const EWriteError& error) {
      EXPECT_EQ(error.Message(), "Stream write error");
    }
    EXPECT_EQ(stream.Size(), 0);
  }
}

TEST(TaggedVariant, ArraysNestedTooDeepAreRefusedBothWays) {
  Variant deep = 1;
  for (int i = 0; i <= cxMaxVariantNesting; ++i)
    deep = VarArrayOf({deep});
  TMemoryStream stream;
  EXPECT_THROW(WriteVariantProc(stream, deep), EWriteError);

  Bytes bytes;
  for (int i = 0; i <= cxMaxVariantNesting; ++i)
    bytes.insert(bytes.end(), {0x01, 0x02, 0x01});
  bytes.push_back(0x00);
  EXPECT_THROW(ReadBack(bytes), EReadError);
}

// Nested arrays share the bytes left: an array's count must leave a byte for
// every element still to come of the arrays around it.
TEST(TaggedVariant, NestedArraysShareTheBytesLeft) {
  const Variant fits = ReadBack({0x01, 0x02, 0x02, 0x01, 0x02, 0x01, 0x0D, 0x0D});
  EXPECT_EQ(VarArrayHighBound(VarArrayGet(fits, {0}), 1), 0);

  TMemoryStream stream;
  Fill(stream, {0x01, 0x02, 0x02, 0x01, 0x02, 0x02, 0x0D, 0x0D});
  EXPECT_THROW(ReadVariantFunc(stream), EReadError);
  EXPECT_EQ(stream.Position(), 6) << "refused at the inner count, before its elements";
}

// Each of many nested arrays claiming every byte left after its own header
// would make the reader hold the stream's size in elements at every level.
TEST(TaggedVariant, ArraysClaimingTheSameBytesAreRefusedAtTheSecondCount) {
  constexpr int kSize = 4096;
  Bytes bytes;
  for (int level = 0; level < cxMaxVariantNesting; ++level) {
    const int left = kSize - static_cast<int>(bytes.size()) - 6;
    bytes.insert(bytes.end(), {0x01, 0x04});
    for (int shift = 0; shift < 32; shift += 8)
      bytes.push_back(static_cast<std::uint8_t>(left >> shift));
  }
  bytes.resize(kSize, 0x0D);
  TMemoryStream stream;
  Fill(stream, bytes);
  try {
    ReadVariantFunc(stream);
    ADD_FAILURE() << "no read error";
  } catch (const EReadError& error) {
    EXPECT_EQ(error.Message(), "Stream read error");
  }
  EXPECT_EQ(stream.Position(), 12);
}

struct TBadInputCase {
  const char* Name;
  Bytes Encoded;
};

class TaggedVariantBadInputTest : public testing::TestWithParam<TBadInputCase> {};

TEST_P(TaggedVariantBadInputTest, RaisesAReadError) {
  TMemoryStream stream;
  Fill(stream, GetParam().Encoded);
  Variant value;
  try {
    ReadVariantProc(stream, value);
    ADD_FAILURE() << "no read error";
  } catch (const EReadError& error) {
    EXPECT_EQ(error.Message(), "Stream read error");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, TaggedVariantBadInputTest,
    testing::Values(
        TBadInputCase{"Tag7", {0x07}}, TBadInputCase{"Tag10", {0x0A}}, TBadInputCase{"Tag11", {0x0B}},
        TBadInputCase{"Tag14", {0x0E}}, TBadInputCase{"Tag20", {0x14}},
        TBadInputCase{"Tag255", {0xFF}}, TBadInputCase{"NothingAtAll", {}},
        TBadInputCase{"ShortInteger", {0x04, 0x01, 0x00}},
        TBadInputCase{"ShortString", {0x06, 0x05, 0x61}},
        TBadInputCase{"NegativeLength", {0x0C, 0xFF, 0xFF, 0xFF, 0xFF}},
        TBadInputCase{"HugeLength", {0x0C, 0xFF, 0xFF, 0xFF, 0x7F, 0x61}},
        TBadInputCase{"HugeWideLength", {0x12, 0x00, 0x00, 0x00, 0x40, 0x61, 0x00}},
        TBadInputCase{"OddWideBytes", {0x12, 0x02, 0x00, 0x00, 0x00, 0x61, 0x00, 0x62}},
        TBadInputCase{"NegativeCount", {0x01, 0x02, 0xFF}},
        TBadInputCase{"HugeCount", {0x01, 0x13, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}},
        TBadInputCase{"CountBeyondTheBytes", {0x01, 0x02, 0x03, 0x00, 0x00}},
        TBadInputCase{"ExtendedTooLarge",
                      {0x05, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x80, 0xFE, 0x7F}},
        TBadInputCase{"ExtendedWithoutIntegerBit",
                      {0x05, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x40, 0xFF, 0x3F}}),
    [](const testing::TestParamInfo<TBadInputCase>& info) { return std::string(info.param.Name); });

TEST(TaggedVariant, AFailureInsideAnArrayKeepsTheElementsReadSoFar) {
  TMemoryStream stream;
  Fill(stream, {0x01, 0x02, 0x02, 0x02, 0x01, 0x07});
  Variant value = "old";
  EXPECT_THROW(ReadVariantProc(stream, value), EReadError);
  ASSERT_TRUE(VarIsArray(value));
  EXPECT_EQ(VarCompare(VarArrayGet(value, {0}), 1), 0);
  EXPECT_TRUE(VarIsEmpty(VarArrayGet(value, {1})));
}

TEST(TaggedVariant, TheCountMayComeInAnyIntegerForm) {
  EXPECT_EQ(VarArrayHighBound(ReadBack({0x01, 0x04, 0x01, 0x00, 0x00, 0x00, 0x00}), 1), 0);
  EXPECT_EQ(VarArrayHighBound(ReadBack({0x01, 0x03, 0x01, 0x00, 0x00}), 1), 0);
}

// ---- Typed procedures ----------------------------------------------------------

TEST(TypedStream, WritesLittleEndianValuesOfTheirWidth) {
  TMemoryStream stream;
  WriteStringProc(stream, "abc");
  WriteWideStringProc(stream, u"ab");
  WriteIntegerProc(stream, -2);
  WriteSmallIntProc(stream, 0x1234);
  WriteBooleanProc(stream, true);
  WriteCharProc(stream, '\xFD');
  WriteLargeIntProc(stream, 1);
  EXPECT_EQ(Content(stream),
            (Bytes{0x03, 0x00, 0x00, 0x00, 0x61, 0x62, 0x63, 0x02, 0x00, 0x00, 0x00, 0x61, 0x00,
                   0x62, 0x00, 0xFE, 0xFF, 0xFF, 0xFF, 0x34, 0x12, 0x01, 0xFD, 0x01, 0x00, 0x00,
                   0x00, 0x00, 0x00, 0x00, 0x00}));
}

TEST(TypedStream, ReaderAndWriterCarryEveryType) {
  TMemoryStream stream;
  TOwned<TcxWriter> writer(Create<TcxWriter>(&stream));
  writer->WriteBoolean(true);
  writer->WriteByte(200);
  writer->WriteCardinal(4000000000u);
  writer->WriteChar('z');
  writer->WriteCurrency(Currency::FromScaled(-12345));
  writer->WriteDateTime(45000.25);
  writer->WriteFloat(-0.1);
  writer->WriteInteger(-7);
  writer->WriteLargeInt(-9000000000);
  writer->WriteShortInt(-1);
  writer->WriteSingle(0.25f);
  writer->WriteSmallInt(-300);
  writer->WriteString("\xDD\xFD");
  writer->WriteVariant(VarArrayOf({"x", 2.5}));
  writer->WriteWideString(u"\x011F");
  writer->WriteWord(65535);
  EXPECT_EQ(stream.Size(), 1 + 1 + 4 + 1 + 8 + 8 + 10 + 4 + 8 + 1 + 4 + 2 + 6 + 17 + 6 + 2);

  stream.SetPosition(0);
  TOwned<TcxReader> reader(Create<TcxReader>(&stream));
  EXPECT_TRUE(reader->ReadBoolean());
  EXPECT_EQ(reader->ReadByte(), 200);
  EXPECT_EQ(reader->ReadCardinal(), 4000000000u);
  EXPECT_EQ(reader->ReadChar(), 'z');
  EXPECT_EQ(reader->ReadCurrency(), Currency::FromScaled(-12345));
  EXPECT_EQ(reader->ReadDateTime(), 45000.25);
  EXPECT_EQ(reader->ReadFloat(), -0.1);
  EXPECT_EQ(reader->ReadInteger(), -7);
  EXPECT_EQ(reader->ReadLargeInt(), -9000000000);
  EXPECT_EQ(reader->ReadShortInt(), -1);
  EXPECT_EQ(reader->ReadSingle(), 0.25f);
  EXPECT_EQ(reader->ReadSmallInt(), -300);
  EXPECT_EQ(reader->ReadString(), "\xDD\xFD");
  EXPECT_EQ(VarCompare(reader->ReadVariant(), VarArrayOf({"x", 2.5})), 0);
  EXPECT_EQ(reader->ReadWideString(), u"\x011F");
  EXPECT_EQ(reader->ReadWord(), 65535);
  EXPECT_EQ(stream.Position(), stream.Size());
}

TEST(TypedStream, ABooleanByteOtherThanZeroIsTrue) {
  TMemoryStream stream;
  Fill(stream, {0x00, 0x02});
  EXPECT_FALSE(ReadBooleanFunc(stream));
  EXPECT_TRUE(ReadBooleanFunc(stream));
}

TEST(TypedStream, BadLengthsRaiseAndLeaveTheTargetAlone) {
  for (const Bytes& bytes : {Bytes{0xFF, 0xFF, 0xFF, 0xFF}, Bytes{0x10, 0x00, 0x00, 0x00, 0x61}}) {
    TMemoryStream stream;
    Fill(stream, bytes);
    std::string text = "kept";
    EXPECT_THROW(ReadStringProc(stream, text), EReadError);
    EXPECT_EQ(text, "kept");
  }
  TMemoryStream stream;
  Fill(stream, {0x00, 0x00, 0x00, 0x80});
  std::u16string wide = u"kept";
  EXPECT_THROW(ReadWideStringProc(stream, wide), EReadError);
  EXPECT_EQ(wide, u"kept");
}

// ---- The 80-bit codec ----------------------------------------------------------

TExtended80 Extended(std::uint64_t significand, unsigned signAndExponent) {
  TExtended80 bytes{};
  for (int i = 0; i < 8; ++i)
    bytes[i] = static_cast<std::uint8_t>(significand >> (8 * i));
  bytes[8] = static_cast<std::uint8_t>(signAndExponent);
  bytes[9] = static_cast<std::uint8_t>(signAndExponent >> 8);
  return bytes;
}

struct TExtendedCase {
  const char* Name;
  std::uint64_t Significand;
  unsigned SignAndExponent;
  double Expected;
};

class ExtendedCodecTest : public testing::TestWithParam<TExtendedCase> {};

TEST_P(ExtendedCodecTest, RoundsToTheNearestDouble) {
  const TExtendedCase& c = GetParam();
  double value = 0.0;
  ASSERT_TRUE(TryExtendedToDouble(Extended(c.Significand, c.SignAndExponent), value));
  EXPECT_EQ(std::bit_cast<std::uint64_t>(value), std::bit_cast<std::uint64_t>(c.Expected));
}

INSTANTIATE_TEST_SUITE_P(
    Table, ExtendedCodecTest,
    testing::Values(
        TExtendedCase{"One", 0x8000000000000000, 0x3FFF, 1.0},
        TExtendedCase{"MinusTwo", 0x8000000000000000, 0xC000, -2.0},
        TExtendedCase{"BelowHalfUnitRoundsDown", 0x8000000000000008, 0x3FFF, 1.0},
        TExtendedCase{"TieToEvenDown", 0x8000000000000400, 0x3FFF, 1.0},
        TExtendedCase{"TieToEvenUp", 0x8000000000000C00, 0x3FFF, 1.0 + std::ldexp(1.0, -51)},
        TExtendedCase{"CarryIntoTheExponent", 0xFFFFFFFFFFFFFFFF, 0x3FFF, 2.0},
        TExtendedCase{"SmallestSubnormal", 0x8000000000000000, 0x3BCD, 5e-324},
        TExtendedCase{"HalfTheSmallestSubnormal", 0x8000000000000000, 0x3BCC, 0.0},
        TExtendedCase{"FarBelowTheRange", 0x8000000000000000, 0x0001, 0.0},
        TExtendedCase{"NegativeUnderflow", 0x8000000000000000, 0x8001, -0.0},
        TExtendedCase{"Infinity", 0x8000000000000000, 0x7FFF,
                      std::numeric_limits<double>::infinity()},
        TExtendedCase{"Zero", 0, 0, 0.0}),
    [](const testing::TestParamInfo<TExtendedCase>& info) { return std::string(info.param.Name); });

TEST(ExtendedCodec, KnownEncodings) {
  EXPECT_EQ(DoubleToExtended(1.0), Extended(0x8000000000000000, 0x3FFF));
  EXPECT_EQ(DoubleToExtended(-0.0), Extended(0, 0x8000));
  EXPECT_EQ(DoubleToExtended(5e-324), Extended(0x8000000000000000, 0x3BCD));
}

TEST(ExtendedCodec, RefusesWhatNoDoubleHoldsAndInvalidEncodings) {
  double value = 7.0;
  EXPECT_FALSE(TryExtendedToDouble(Extended(0x8000000000000000, 0x43FF), value));
  EXPECT_FALSE(TryExtendedToDouble(Extended(0x4000000000000000, 0x3FFF), value));
  EXPECT_FALSE(TryExtendedToDouble(Extended(0x0000000000000000, 0x7FFF), value));
  EXPECT_EQ(value, 7.0);
}

} // namespace
