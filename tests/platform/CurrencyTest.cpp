#include "tests/support/GTest.h"

#include <cmath>
#include <limits>

#include "platform/rtl/Currency.h"
#include "platform/rtl/Exceptions.h"

namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

TFormatSettings PointSettings() {
  TFormatSettings s;
  s.DecimalSeparator = '.';
  s.ThousandSeparator = ',';
  s.CurrencyString = "$";
  s.CurrencyFormat = 0;
  s.NegCurrFormat = 1;
  return s;
}

} // namespace

// 0.03125 and 0.09375 are exact in binary, so they are true ties at the
// fourth decimal: half to even.
TEST(Currency, FromDoubleRoundsHalfToEven) {
  const struct { double value; std::int64_t scaled; } cases[] = {
      {1.5, 15000},      {-1.5, -15000},     {0.03125, 312},  {0.09375, 938},
      {-0.03125, -312},  {0.00006, 1},       {0.00004, 0},    {922337203685477.0, 9223372036854770000},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Currency::FromDouble(c.value).Scaled(), c.scaled) << c.value;
  EXPECT_EQ(Currency::FromScaled(25000).ToDouble(), 2.5);
}

TEST(Currency, OutOfRangeRaisesMathErrors) {
  EXPECT_THROW(Currency::FromDouble(1e15), EOverflow);
  EXPECT_THROW(Currency::FromDouble(-1e15), EOverflow);
  EXPECT_THROW(Currency::FromDouble(std::numeric_limits<double>::infinity()), EOverflow);
  EXPECT_THROW(Currency::FromDouble(std::nan("")), EMathError);
  EXPECT_THROW(Currency::FromScaled(kMax) + Currency::FromScaled(1), EOverflow);
  EXPECT_THROW(Currency::FromScaled(kMin) - Currency::FromScaled(1), EOverflow);
  EXPECT_THROW(-Currency::FromScaled(kMin), EOverflow);
}

TEST(Currency, ArithmeticAndOrder) {
  const Currency a = Currency::FromScaled(15000);
  const Currency b = Currency::FromScaled(2500);
  EXPECT_EQ((a + b).Scaled(), 17500);
  EXPECT_EQ((a - b).Scaled(), 12500);
  EXPECT_EQ((-a).Scaled(), -15000);
  EXPECT_LT(b, a);
  EXPECT_EQ(a, Currency::FromDouble(1.5));
  Currency sum;
  sum += a;
  sum -= b;
  EXPECT_EQ(sum.Scaled(), 12500);
}

TEST(Currency, CurrToStrShowsEveryDigit) {
  const struct { std::int64_t scaled; const char* text; } cases[] = {
      {0, "0"},           {15000, "1.5"},  {-1, "-0.0001"}, {1000000, "100"},
      {12345671234, "1234567.1234"},       {kMax, "922337203685477.5807"},
      {kMin, "-922337203685477.5808"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(CurrToStr(Currency::FromScaled(c.scaled), PointSettings()), c.text) << c.text;
  EXPECT_EQ(CurrToStr(Currency::FromScaled(15000)), "1,5");
}

TEST(Currency, CurrToStrFFormats) {
  using enum TFloatFormat;
  const struct { std::int64_t scaled; TFloatFormat format; int digits; const char* text; } cases[] = {
      {12345000, ffFixed, 2, "1234.50"},     {12345000, ffNumber, 2, "1,234.50"},
      {12346, ffFixed, 2, "1.23"},           {1250, ffFixed, 2, "0.13"},
      {-1250, ffFixed, 1, "-0.1"},           {12345000, ffCurrency, 2, "$1,234.50"},
      {-12345000, ffCurrency, 0, "-$1,235"}, {kMax, ffNumber, 4, "922,337,203,685,477.5807"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(CurrToStrF(Currency::FromScaled(c.scaled), c.format, c.digits, PointSettings()), c.text)
        << c.text;
}

// Text converts exactly, with ties at the fourth decimal to even.
TEST(Currency, StrToCurrReadsExactly) {
  const struct { const char* text; std::int64_t scaled; } cases[] = {
      {"1.5", 15000},    {" -2.25 ", -22500},  {"0.00005", 0},  {"0.00015", 2},
      {"0.000151", 2},   {"-0.00015", -2},     {"1e3", 10000000},
      {"922337203685477.5807", kMax},          {"-922337203685477.5808", kMin},
      {"0.000000000000000000001", 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(StrToCurr(c.text, PointSettings()).Scaled(), c.scaled) << c.text;
  EXPECT_EQ(StrToCurr("1,5").Scaled(), 15000);
}

TEST(Currency, StrToCurrRefusesMalformedAndOutOfRange) {
  for (const char* text : {"", "abc", "1,5", "922337203685477.5808", "-922337203685477.58086", "1e15"}) {
    Currency value = Currency::FromScaled(7);
    EXPECT_FALSE(TryStrToCurr(text, value, PointSettings())) << text;
    EXPECT_EQ(value.Scaled(), 7) << text;
  }
  try {
    StrToCurr("1.2.3", PointSettings());
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "'1.2.3' is not a valid floating point value");
  }
}
