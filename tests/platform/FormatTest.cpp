#include "tests/support/GTest.h"

#include <cstdint>
#include <string>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Format.h"

namespace {

TFormatSettings PointSettings() {
  TFormatSettings s;
  s.DecimalSeparator = '.';
  s.ThousandSeparator = ',';
  s.CurrencyString = "$";
  s.CurrencyFormat = 0;
  s.NegCurrFormat = 1;
  s.CurrencyDecimals = 2;
  return s;
}

struct Case {
  std::string actual;
  const char* expected;
};

std::string Us(std::string_view format, std::initializer_list<TVarRec> args) {
  return Format(PointSettings(), format, args);
}

} // namespace

TEST(Format, Integers) {
  const Case cases[] = {
      {Us("%d", {42}), "42"},
      {Us("%d", {-42}), "-42"},
      {Us("[%5d]", {42}), "[   42]"},
      {Us("[%-5d]", {42}), "[42   ]"},
      {Us("%.4d", {-42}), "-0042"},
      {Us("%d", {INT64_MAX}), "9223372036854775807"},
      {Us("%d", {3000000000u}), "3000000000"},
      {Us("%u", {-1}), "4294967295"},
      {Us("%u", {std::int64_t{-1}}), "18446744073709551615"},
      {Us("%x", {255}), "FF"},
      {Us("%.4x", {255}), "00FF"},
      {Us("%x", {-1}), "FFFFFFFF"},
      {Us("%x", {std::int64_t{-1}}), "FFFFFFFFFFFFFFFF"},
      {Us("%D", {7}), "7"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.actual, c.expected);
}

TEST(Format, StringsIndexesAndStars) {
  const std::string owned = "owned";
  const Case cases[] = {
      {Us("%s", {"abc"}), "abc"},
      {Us("%s", {owned}), "owned"},
      {Us("%s", {std::string_view("view")}), "view"},
      {Us("%s", {'c'}), "c"},
      {Us("%.2s", {"abc"}), "ab"},
      {Us("[%5s][%-5s]", {"ab", "cd"}), "[   ab][cd   ]"},
      {Us("%1:s %0:s", {"a", "b"}), "b a"},
      {Us("%1:s %s %0:s", {"a", "b", "c"}), "b c a"},
      {Us("[%*d]", {5, 42}), "[   42]"},
      {Us("[%-*.*f]", {7, 1, 2.25}), "[2.3    ]"},
      {Us("100%% %s", {"sure"}), "100% sure"},
      {Us("no arguments", {}), "no arguments"},
      {Us("List index out of bounds (%d)", {7}), "List index out of bounds (7)"},
      {Us("Size mismatch for field '%s', expecting: %d actual: %d", {"Resim", 11, 4}),
       "Size mismatch for field 'Resim', expecting: 11 actual: 4"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.actual, c.expected);
}

TEST(Format, FloatsAndCurrency) {
  const Currency money = Currency::FromScaled(12345000);
  const Case cases[] = {
      {Us("%f", {1.5}), "1.50"},
      {Us("%.3f", {2.0 / 3}), "0.667"},
      {Us("%.0f", {2.5}), "3"},
      {Us("%n", {1234567.891}), "1,234,567.89"},
      {Us("%e", {1234.5}), "1.23450000000000E+003"},
      {Us("%.3e", {-1234.5}), "-1.23E+003"},
      {Us("%g", {1.5}), "1.5"},
      {Us("%g", {1e20}), "1E020"},
      {Us("%m", {1234.5}), "$1,234.50"},
      {Us("%m", {-1234.5}), "-$1,234.50"},
      {Us("%f", {money}), "1234.50"},
      {Us("%.1m", {money}), "$1,234.5"},
      {Us("%f", {1e300 * 1e300}), "INF"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.actual, c.expected);
  EXPECT_EQ(Format("%n", {1234.5}), "1.234,50");
  EXPECT_EQ(Format("%.1f", {0.25}), "0,3");
}

TEST(Format, Pointer) {
  int object = 0;
  const std::string text = Us("%p", {static_cast<const void*>(&object)});
  EXPECT_EQ(text.size(), sizeof(void*) * 2);
  EXPECT_EQ(Us("%p", {nullptr}), std::string(sizeof(void*) * 2, '0'));
  EXPECT_EQ(text, IntToHex(static_cast<std::int64_t>(reinterpret_cast<std::uintptr_t>(&object)),
                           static_cast<int>(sizeof(void*) * 2)));
}

TEST(Format, BadFormatsAndMismatchesRaise) {
  EXPECT_THROW(Us("%d", {}), EConvertError);
  EXPECT_THROW(Us("%d %d", {1}), EConvertError);
  EXPECT_THROW(Us("%d", {1.5}), EConvertError);
  EXPECT_THROW(Us("%f", {1}), EConvertError);
  EXPECT_THROW(Us("%s", {1}), EConvertError);
  EXPECT_THROW(Us("%p", {"text"}), EConvertError);
  EXPECT_THROW(Us("%x", {1.0}), EConvertError);
  EXPECT_THROW(Us("50%", {}), EConvertError);
  EXPECT_THROW(Us("%q", {1}), EConvertError);
  EXPECT_THROW(Us("%.d", {1}), EConvertError);
  EXPECT_THROW(Us("%*d", {"x", 1}), EConvertError);
  EXPECT_THROW(Us("%*d", {-5, 1}), EConvertError);
  EXPECT_THROW(Us("%5:d", {1}), EConvertError);
  EXPECT_THROW(Us("%99999999999d", {1}), EConvertError);
  try {
    Us("Value %d", {"x"});
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "Format 'Value %d' invalid or incompatible with argument");
  }
}

TEST(Format, CreateFmtBuildsARunTimeException) {
  const EConvertError error = CreateFmt<EConvertError>("'%s' is not a valid integer value", {"x"});
  EXPECT_EQ(error.Message(), "'x' is not a valid integer value");
}
