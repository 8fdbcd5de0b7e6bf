#include "tests/support/GTest.h"

#include "platform/rtl/DateTime.h"

TEST(EncodeDate, CountsDaysFrom30December1899) {
  EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
}
