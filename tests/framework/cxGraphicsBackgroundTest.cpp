#include "tests/support/GTest.h"

#include "framework/cxGraphicsBackground.h"
#include "tests/platform/controls/ControlsTestSupport.h"
#include "tests/platform/graphics/GraphicsTestHelpers.h"

namespace {

using controls_test::TTestBox;

// A form painted white with, in child order: a red box, a lime box, the
// control whose background is painted, and a blue box above it all.
class BackgroundTest : public controls_test::TControlsTest {
protected:
  void SetUp() override {
    TControlsTest::SetUp();
    m_form = Create<TForm>(Application, 0);
    m_form->SetBounds(0, 0, 200, 200);
    m_form->SetColor(clWhite);
    m_red = Box(Rect(40, 40, 60, 60), clRed);
    m_lime = Box(Rect(50, 50, 70, 70), clLime);
    m_control = Box(Rect(40, 40, 80, 80), clNone);
    m_blue = Box(Rect(45, 45, 85, 85), clBlue);
  }
  void TearDown() override {
    m_form->Free();
    TControlsTest::TearDown();
  }

  TTestBox* Box(const TRect& bounds, TColor color) {
    TTestBox* box = Create<TTestBox>(m_form);
    box->SetParent(m_form);
    box->SetBounds(bounds.Left, bounds.Top, bounds.Right - bounds.Left, bounds.Bottom - bounds.Top);
    box->paintColor = color;
    box->HandleNeeded();
    return box;
  }

  TForm* m_form = nullptr;
  TTestBox* m_red = nullptr;
  TTestBox* m_lime = nullptr;
  TTestBox* m_control = nullptr;
  TTestBox* m_blue = nullptr;
};

// The parent, then the earlier siblings, never the later one; the pixel under
// the control's (x, y) lands at the canvas's (x, y).
TEST_F(BackgroundTest, PaintsTheParentAndTheSiblingsBelow) {
  TOwned<TBitmap> target = MakeBitmap(40, 40, clBlack);
  cxDrawTransparentControlBackground(m_control, target->Canvas(), Rect(0, 0, 40, 40));
  EXPECT_EQ(
      MismatchedProbes(target->Canvas(),
                       {{5, 5, clRed}, {15, 15, clLime}, {35, 35, clWhite}, {35, 2, clWhite}}),
      "");
  EXPECT_FALSE(m_form->ControlState().Contains(TControlStateItem::csPaintCopy));
  EXPECT_FALSE(m_red->ControlState().Contains(TControlStateItem::csPaintCopy));
}

TEST_F(BackgroundTest, WithoutChildrenOnlyTheParentUnderTheRectangle) {
  TOwned<TBitmap> target = MakeBitmap(40, 40, clBlack);
  POINT before{};
  ::GetWindowOrgEx(target->Canvas()->Handle(), &before);
  cxDrawTransparentControlBackground(m_control, target->Canvas(), Rect(10, 10, 30, 30), false);
  POINT after{};
  ::GetWindowOrgEx(target->Canvas()->Handle(), &after);
  EXPECT_EQ(after.x, before.x);
  EXPECT_EQ(after.y, before.y);
  EXPECT_EQ(
      MismatchedProbes(target->Canvas(),
                       {{5, 5, clBlack}, {15, 15, clWhite}, {29, 29, clWhite}, {30, 30, clBlack}}),
      "");
}

TEST_F(BackgroundTest, ThemeParentBackgroundOfADoubleBufferedParent) {
  m_form->SetDoubleBuffered(true);
  TOwned<TBitmap> target = MakeBitmap(40, 40, clBlack);
  TOwned<TcxCanvas> canvas(Create<TcxCanvas>(target->Canvas()));
  cxDrawThemeParentBackground(m_control, canvas.get(), Rect(0, 0, 40, 40));
  EXPECT_EQ(MismatchedProbes(target->Canvas(), {{5, 5, clWhite}, {35, 35, clWhite}}), "");
}

TEST_F(BackgroundTest, NothingWithoutAParent) {
  TTestBox* orphan = Create<TTestBox>(m_form);
  TOwned<TBitmap> target = MakeBitmap(10, 10, clBlack);
  cxDrawTransparentControlBackground(orphan, target->Canvas(), Rect(0, 0, 10, 10));
  cxDrawThemeParentBackground(orphan, target->Canvas(), Rect(0, 0, 10, 10));
  cxDrawTransparentControlBackground(nullptr, target->Canvas(), Rect(0, 0, 10, 10));
  EXPECT_FALSE(HasInk(target->Canvas(), Rect(0, 0, 10, 10), clBlack));
}

} // namespace
