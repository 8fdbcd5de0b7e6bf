#include "tests/support/GTest.h"

#include "platform/rtl/Sets.h"

namespace {
enum class Border { Left, Top, Right, Bottom };
using Borders = Set<Border>;
} // namespace

TEST(Set, ElementsTakeFixedBitPositions) {
  EXPECT_EQ((Borders{Border::Left, Border::Bottom}).ToMask(), 0b1001u);
  EXPECT_EQ(Borders::FromMask(0b0110), (Borders{Border::Top, Border::Right}));
  EXPECT_TRUE(Borders{}.Empty());
}

TEST(Set, Operators) {
  const Borders a{Border::Left, Border::Top};
  const Borders b{Border::Top, Border::Right};
  EXPECT_EQ(a + b, (Borders{Border::Left, Border::Top, Border::Right}));
  EXPECT_EQ(a - b, Borders{Border::Left});
  EXPECT_EQ(a * b, Borders{Border::Top});
  EXPECT_TRUE(Borders{Border::Top} <= a);
  EXPECT_FALSE(b <= a);
  EXPECT_TRUE(a >= Borders{});
  EXPECT_EQ((a + b).Count(), 3);

  Borders c = a;
  c.Include(Border::Bottom).Exclude(Border::Left);
  EXPECT_TRUE(c.Contains(Border::Bottom));
  EXPECT_FALSE(c.Contains(Border::Left));
}
