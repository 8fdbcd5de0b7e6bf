#include "tests/support/GTest.h"

#include <set>
#include <string_view>

#include "platform/graphics/Colors.h"

namespace {

// Pins the system colours for one test: index i answers 0x010000 * i + 7.
class ColorsTest : public testing::Test {
protected:
  void SetUp() override {
    m_previous = SetSysColorFunction([](int index) { return COLORREF(0x010000 * index + 7); });
  }
  void TearDown() override { SetSysColorFunction(m_previous); }

private:
  TSysColorFunction m_previous;
};

TEST_F(ColorsTest, ColorToRGBResolvesSystemColoursAndKeepsOthers) {
  struct Case {
    TColor color;
    TColor expected;
  };
  const Case cases[] = {
      {clBtnFace, 0x0F0007},
      {clScrollBar, 0x000007},
      {clMenuBar, 0x1E0007},
      {clRed, clRed},
      {clWhite, clWhite},
      {clNone, clNone},
      {clDefault, clDefault},
      {static_cast<TColor>(0x800000FF), clBlack},
      {static_cast<TColor>(0xFFFFFFFF), clBlack},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ColorToRGB(c.color), c.expected) << std::hex << c.color;
}

TEST(Colors, PlatformSourceIsRestored) {
  SetSysColorFunction([](int) { return COLORREF(0x123456); });
  SetSysColorFunction({});
  EXPECT_EQ(ColorToRGB(clWindow), static_cast<TColor>(::GetSysColor(COLOR_WINDOW)));
}

TEST(Colors, SystemColoursCarryTheirIndex) {
  EXPECT_EQ(static_cast<std::uint32_t>(clBtnFace), 0x8000000Fu);
  EXPECT_EQ(static_cast<std::uint32_t>(clHighlight), 0x8000000Du);
  EXPECT_TRUE(IsSystemColor(clWindowText));
  EXPECT_FALSE(IsSystemColor(clNone));
  EXPECT_FALSE(IsSystemColor(clDefault));
}

TEST(Colors, FormDefinitionNamesAreUniqueBothWays) {
  std::set<std::int64_t> values;
  std::set<std::string_view> names;
  for (const TIdentMapEntry& entry : ColorIdents()) {
    EXPECT_TRUE(values.insert(entry.Value).second) << entry.Name;
    EXPECT_TRUE(names.insert(entry.Name).second) << entry.Name;
    EXPECT_EQ(entry.Name.substr(0, 2), "cl");
  }
  EXPECT_TRUE(values.count(clBtnFace));
  EXPECT_TRUE(values.count(clNone));
  EXPECT_TRUE(values.count(clDefault));
}

} // namespace
