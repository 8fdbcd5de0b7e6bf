#include "tests/support/GTest.h"

#include <climits>

#include "platform/rtl/Exceptions.h"

TEST(IntegerDivision, DividesAndTruncatesTowardZero) {
  struct Case { int dividend, divisor, quotient, remainder; };
  const Case cases[] = {{7, 2, 3, 1}, {-7, 2, -3, -1}, {7, -2, -3, 1}, {0, 5, 0, 0}};
  for (const Case& c : cases) {
    EXPECT_EQ(Div(c.dividend, c.divisor), c.quotient) << c.dividend << "/" << c.divisor;
    EXPECT_EQ(Mod(c.dividend, c.divisor), c.remainder) << c.dividend << "%" << c.divisor;
  }
}

TEST(IntegerDivision, ByZeroRaisesInsteadOfTrapping) {
  EXPECT_THROW(Div(1, 0), EDivByZero);
  EXPECT_THROW(Mod(1, 0), EDivByZero);
  EXPECT_THROW(Div64(1, 0), EDivByZero);
  EXPECT_THROW(Div(INT_MIN, -1), EIntOverflow);
  EXPECT_THROW(Mod64(LLONG_MIN, -1), EIntOverflow);
}

TEST(Exceptions, CarryTheirMessageAndFamily) {
  try {
    throw EReadError("Stream read error");
  } catch (const EStreamError& e) {
    EXPECT_EQ(e.Message(), "Stream read error");
    EXPECT_STREQ(e.what(), "Stream read error");
  }
  EXPECT_THROW(Abort(), EAbort);
}
