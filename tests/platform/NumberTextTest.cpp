#include "tests/support/GTest.h"

#include <cmath>
#include <limits>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/NumberText.h"

namespace {

TFormatSettings PointSettings() {
  TFormatSettings s;
  s.DecimalSeparator = '.';
  s.ThousandSeparator = ',';
  s.CurrencyString = "$";
  s.CurrencyFormat = 0;
  s.NegCurrFormat = 0;
  return s;
}

TFormatSettings LiraSettings() {
  TFormatSettings s;
  s.DecimalSeparator = ',';
  s.ThousandSeparator = '.';
  s.CurrencyString = "TL";
  s.CurrencyFormat = 3;
  s.NegCurrFormat = 8;
  return s;
}

constexpr double kInf = std::numeric_limits<double>::infinity();

} // namespace

TEST(IntText, IntToStrAndIntToHex) {
  EXPECT_EQ(IntToStr(0), "0");
  EXPECT_EQ(IntToStr(-42), "-42");
  EXPECT_EQ(IntToStr(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808");
  EXPECT_EQ(IntToHex(255, 4), "00FF");
  EXPECT_EQ(IntToHex(0x1A2B, 1), "1A2B");
  EXPECT_EQ(IntToHex(0, 0), "0");
  EXPECT_EQ(IntToHex(-1, 2), "FFFFFFFFFFFFFFFF");
}

TEST(IntText, StrToIntAcceptsThePlatformSyntax) {
  const struct { const char* text; int value; } cases[] = {
      {"0", 0},         {"  42", 42},      {"+7", 7},        {"-2147483648", -2147483648},
      {"2147483647", 2147483647},          {"$FF", 255},     {"0x1f", 31},  {"0X1F", 31},
      {"-$10", -16},    {"$FFFFFFFF", -1}, {"$80000000", -2147483647 - 1},  {"007", 7},
  };
  for (const auto& c : cases) {
    int value = 0;
    EXPECT_TRUE(TryStrToInt(c.text, value)) << c.text;
    EXPECT_EQ(value, c.value) << c.text;
    EXPECT_EQ(StrToInt(c.text), c.value) << c.text;
  }
}

TEST(IntText, StrToIntRefusesMalformedAndOutOfRange) {
  for (const char* text : {"", " ", "-", "12 ", "1 2", "12a", "abc", "1.5", "+-1", "2147483648",
                           "-2147483649", "$", "0x", "$100000000", "$G", "99999999999999999999"}) {
    int value = 5;
    EXPECT_FALSE(TryStrToInt(text, value)) << text;
    EXPECT_EQ(value, 5) << text;
    EXPECT_EQ(StrToIntDef(text, -3), -3) << text;
    EXPECT_THROW(StrToInt(text), EConvertError) << text;
  }
  try {
    StrToInt("12a");
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "'12a' is not a valid integer value");
  }
}

TEST(IntText, Int64Range) {
  EXPECT_EQ(StrToInt64("9223372036854775807"), std::numeric_limits<std::int64_t>::max());
  EXPECT_EQ(StrToInt64("-9223372036854775808"), std::numeric_limits<std::int64_t>::min());
  EXPECT_EQ(StrToInt64(" 2147483648"), 2147483648LL);
  EXPECT_EQ(StrToInt64("$FFFFFFFFFFFFFFFF"), -1);
  EXPECT_EQ(StrToInt64Def("9223372036854775808", 9), 9);
  std::int64_t value = 0;
  EXPECT_FALSE(TryStrToInt64("-9223372036854775809", value));
  EXPECT_THROW(StrToInt64("x"), EConvertError);
}

TEST(FloatText, FloatToStrGeneralFifteenDigits) {
  const struct { double value; const char* text; } cases[] = {
      {0, "0"},
      {-0.0, "0"},
      {1.5, "1.5"},
      {-1.5, "-1.5"},
      {100, "100"},
      {0.1 + 0.2, "0.3"},
      {1.0 / 3, "0.333333333333333"},
      {2.0 / 3, "0.666666666666667"},
      {999999999999999, "999999999999999"},
      {1e15, "1E15"},
      {123456789012345678.0, "1.23456789012346E17"},
      {0.0001, "0.0001"},
      {1e-5, "1E-5"},
      {-1.5e-7, "-1.5E-7"},
      {1e100, "1E100"},
      {1.7976931348623157e308, "1.79769313486232E308"},
      {5e-324, "4.94065645841247E-324"},
      {std::nan(""), "NAN"},
      {kInf, "INF"},
      {-kInf, "-INF"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FloatToStr(c.value, PointSettings()), c.text) << c.text;
}

// Rounding is half away from zero on the exact binary value: 0.15 is stored
// just below 0.15, 0.125 is exact.
TEST(FloatText, FloatToStrFFormats) {
  using enum TFloatFormat;
  const struct { double value; TFloatFormat format; int precision, digits; const char* text; } cases[] = {
      {0.5, ffFixed, 15, 0, "1"},
      {1.5, ffFixed, 15, 0, "2"},
      {2.5, ffFixed, 15, 0, "3"},
      {-2.5, ffFixed, 15, 0, "-3"},
      {0.15, ffFixed, 15, 1, "0.1"},
      {0.125, ffFixed, 15, 2, "0.13"},
      {1.005, ffFixed, 15, 2, "1.00"},
      {999.996, ffFixed, 15, 2, "1000.00"},
      {-0.001, ffFixed, 15, 2, "0.00"},
      {1.0 / 3, ffFixed, 5, 8, "0.33333000"},
      {1e20, ffFixed, 15, 2, "1E20"},
      {1234567.891, ffNumber, 15, 2, "1,234,567.89"},
      {-1234.5, ffNumber, 15, 0, "-1,235"},
      {123, ffNumber, 15, 1, "123.0"},
      {1234.5, ffExponent, 4, 2, "1.235E+03"},
      {0.00012, ffExponent, 3, 0, "1.20E-4"},
      {0, ffExponent, 3, 2, "0.00E+00"},
      {123.456, ffGeneral, 4, 0, "123.5"},
      {123456, ffGeneral, 4, 0, "1.235E5"},
      {123456, ffGeneral, 4, 2, "1.235E05"},
      {1234.5, ffCurrency, 15, 2, "$1,234.50"},
      {-1234.5, ffCurrency, 15, 2, "($1,234.50)"},
      {kInf, ffFixed, 15, 2, "INF"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FloatToStrF(c.value, c.format, c.precision, c.digits, PointSettings()), c.text) << c.text;
}

TEST(FloatText, TurkishSeparatorsAndCurrency) {
  using enum TFloatFormat;
  EXPECT_EQ(FloatToStrF(1234.5, ffNumber, 15, 2, LiraSettings()), "1.234,50");
  EXPECT_EQ(FloatToStrF(1234.5, ffCurrency, 15, 2, LiraSettings()), "1.234,50 TL");
  EXPECT_EQ(FloatToStrF(-1234.5, ffCurrency, 15, 2, LiraSettings()), "-1.234,50 TL");
  // The process-wide settings come from the Turkish locale.
  EXPECT_EQ(FloatToStr(1234.5), "1234,5");
  EXPECT_EQ(FloatToStrF(1234567.891, ffNumber, 15, 2), "1.234.567,89");
  EXPECT_EQ(StrToFloat("1,5"), 1.5);
  EXPECT_THROW(StrToFloat("1.5"), EConvertError);
}

TEST(FloatText, FormatFloatPictures) {
  const struct { const char* format; double value; const char* text; } cases[] = {
      {"0.00", 1234.567, "1234.57"},
      {"#,##0.00", 1234567.891, "1,234,567.89"},
      {"#,##0.00", 0, "0.00"},
      {"#,##0", -1234567, "-1,234,567"},
      {"#.##", 0.5, ".5"},
      {"#.##", 1, "1"},
      {"#", 0, ""},
      {"0.###", 2.5, "2.5"},
      {"000", 7, "007"},
      {"0", 2.5, "3"},
      {"0", -2.5, "-3"},
      {"0", 123456, "123456"},
      {"0.0", 0.05, "0.1"},
      {"00-00", 1234, "12-34"},
      {"0.00;(0.00)", -5, "(5.00)"},
      {"0.00;(0.00);'nil'", 0, "nil"},
      {"0.00;(0.00);'nil'", -0.001, "nil"},
      {"0.00;;'nil'", -5, "-5.00"},
      {"0.00E+00", 1234, "1.23E+03"},
      {"0.00E-00", 1234, "1.23E03"},
      {"0.00e-0", 0.000123, "1.23e-4"},
      {"00.0E+0", 1234, "12.3E+2"},
      {"'$'#,##0.00", -5, "-$5.00"},
      {"\"Total: \"0", 42, "Total: 42"},
      {",0.00 TL", 1234.5, "1,234.50 TL"},
      {",0.TL", 1234, "1,234TL"},
      {"kr'.',0.00", 2, "kr.2.00"},
      {"0", 1e20, "1E20"},
      {"", 1.5, "1.5"},
      {"0.00", std::nan(""), "NAN"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FormatFloat(c.format, c.value, PointSettings()), c.text) << c.format << " " << c.value;
  EXPECT_EQ(FormatFloat(",0.00 TL", -1234.5), "-1.234,50 TL");
}

TEST(FloatText, StrToFloatAcceptsThePlatformSyntax) {
  const struct { const char* text; double value; } cases[] = {
      {"1.5", 1.5},     {"  -2.25  ", -2.25}, {"+3", 3},         {"1e3", 1000},
      {"1.5E-2", 0.015}, {".5", 0.5},         {"5.", 5},         {"0.1", 0.1},
      {"1e-400", 0},    {"00012.50", 12.5},   {"1.7976931348623157e308", 1.7976931348623157e308},
  };
  for (const auto& c : cases)
    EXPECT_EQ(StrToFloat(c.text, PointSettings()), c.value) << c.text;
}

TEST(FloatText, StrToFloatRefusesMalformed) {
  for (const char* text : {"", " ", "abc", "1,5", "1.2.3", "e5", ".", "1e", "1e+", "- 1", "1e400",
                           "0x10", "NAN", "INF", "1 000"}) {
    double value = 7;
    EXPECT_FALSE(TryStrToFloat(text, value, PointSettings())) << text;
    EXPECT_EQ(value, 7) << text;
    EXPECT_EQ(StrToFloatDef(text, -1, PointSettings()), -1) << text;
  }
  try {
    StrToFloat("abc", PointSettings());
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "'abc' is not a valid floating point value");
  }
}

TEST(FloatText, GeneralTextReadsBackToTheSameDigits) {
  for (double value : {0.1, 1.0 / 3, 123456.789, 1e-10, 6.02214076e23, -42.0}) {
    const std::string text = FloatToStr(value, PointSettings());
    EXPECT_EQ(FloatToStr(StrToFloat(text, PointSettings()), PointSettings()), text);
  }
}
