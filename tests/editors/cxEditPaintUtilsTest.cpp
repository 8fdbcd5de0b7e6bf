// The solid brush cache: system colours answered with the platform's own
// brushes, cached colours found again, the least asked-for colour evicted
// first, and every cached brush deleted when the system colours change.
#include "editors/cxEditPaintUtils.h"

#include "platform/controls/Application.h"
#include "platform/controls/ControlsUnits.h"
#include "tests/support/GTest.h"
#include "tests/support/SystemColours.h"
#include "tests/support/GdiObjects.h"

namespace {

class SolidBrushCacheTest : public testing::Test {
protected:
  static void SetUpTestSuite() {
    ProgramUnits().Start(ControlsUnits());
    ProgramUnits().Start({&cxEditPaintUtilsUnit, 1});
  }
  void SetUp() override { m_gdiObjects = CountGdiObjects(); }
  void TearDown() override {
    ResetSolidBrushCache();
    EXPECT_EQ(CountGdiObjects(), m_gdiObjects) << "every cached brush deleted";
  }

  int m_gdiObjects = 0;
};

bool IsSolidBrushOf(HBRUSH brush, COLORREF colour) {
  LOGBRUSH info{};
  return ::GetObjectW(brush, sizeof(info), &info) == sizeof(info) &&
         info.lbStyle == BS_SOLID && info.lbColor == colour;
}

TEST_F(SolidBrushCacheTest, SystemColoursUseThePlatformsBrushes) {
  const HBRUSH face = GetSolidBrush(clBtnFace);
  EXPECT_EQ(face, ::GetSysColorBrush(COLOR_BTNFACE));
  EXPECT_EQ(GetSolidBrush(nullptr, clBtnFace), face);
  ResetSolidBrushCache();
  EXPECT_EQ(::GetObjectType(face), static_cast<DWORD>(OBJ_BRUSH)) << "never deleted";
  EXPECT_EQ(GetSolidBrush(clScrollBar), ::GetSysColorBrush(COLOR_SCROLLBAR));
  EXPECT_EQ(GetSolidBrush(SystemColor(30)), ::GetSysColorBrush(30));
}

TEST_F(SolidBrushCacheTest, ColoursAreCachedWithTheirHits) {
  TOwned<TcxSolidBrushCache> cache(Create<TcxSolidBrushCache>(8));
  const HBRUSH red = cache->GetBrush(clRed);
  EXPECT_TRUE(IsSolidBrushOf(red, RGB(255, 0, 0)));
  EXPECT_EQ(cache->HitCount(clRed), 0);
  EXPECT_EQ(cache->GetBrush(clRed), red);
  EXPECT_EQ(cache->HitCount(clRed), 1);
  // A system colour beyond the platform's table gets a brush of its value.
  const HBRUSH beyond = cache->GetBrush(SystemColor(31));
  EXPECT_TRUE(IsSolidBrushOf(beyond, static_cast<COLORREF>(ColorToRGB(SystemColor(31)))));
  EXPECT_EQ(cache->Count(), 2);
}

// Capacity 2: red, red, blue, green: blue (asked once) goes before red
// (asked twice), and green takes its place.
TEST_F(SolidBrushCacheTest, TheLeastAskedForColourIsEvicted) {
  TOwned<TcxSolidBrushCache> cache(Create<TcxSolidBrushCache>(2));
  const HBRUSH red = cache->GetBrush(clRed);
  cache->GetBrush(clRed);
  const HBRUSH blue = cache->GetBrush(clBlue);
  const HBRUSH green = cache->GetBrush(clGreen);
  EXPECT_EQ(cache->Count(), 2);
  EXPECT_EQ(cache->HitCount(clBlue), -1);
  EXPECT_EQ(::GetObjectType(blue), 0u) << "the evicted brush is deleted";
  EXPECT_EQ(cache->GetBrush(clRed), red);
  EXPECT_EQ(cache->GetBrush(clGreen), green);

  cache->GetBrush(clYellow);
  EXPECT_EQ(cache->HitCount(clGreen), -1) << "one hit against red's two";
  EXPECT_EQ(cache->HitCount(clRed), 2);
}

TEST_F(SolidBrushCacheTest, AmongEqualHitsTheFirstColourGoes) {
  TOwned<TcxSolidBrushCache> cache(Create<TcxSolidBrushCache>(2));
  cache->GetBrush(clGreen); // 0x008000
  cache->GetBrush(clRed);   // 0x0000FF, first in colour order
  cache->GetBrush(clBlue);
  EXPECT_EQ(cache->HitCount(clRed), -1);
  EXPECT_EQ(cache->HitCount(clGreen), 0);
  EXPECT_EQ(cache->HitCount(clBlue), 0);
}

TEST_F(SolidBrushCacheTest, ASystemColourChangeDeletesTheCachedBrushes) {
  const HBRUSH red = GetSolidBrush(clRed);
  AnnounceSystemColourChange();
  EXPECT_EQ(::GetObjectType(red), 0u);
  // The platform deletes its own brush and pen of the colour set and makes
  // system objects again as windows repaint: the count starts afresh here.
  m_gdiObjects = CountGdiObjects();
  const HBRUSH again = GetSolidBrush(clRed);
  EXPECT_TRUE(IsSolidBrushOf(again, RGB(255, 0, 0)));
}

TEST(SolidBrushCache, CapacityBelowOneIsRefused) {
  EXPECT_THROW(TOwned<TcxSolidBrushCache>(Create<TcxSolidBrushCache>(0)), EListError);
}

} // namespace
