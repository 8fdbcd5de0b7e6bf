#include "tests/support/GTest.h"

#include <string>

#include "framework/cxGraphics.h"
#include "framework/cxLookAndFeelPainters.h"
#include "framework/cxLookAndFeelPaintersOffice11.h"
#include "framework/dxOffice11.h"
#include "tests/framework/ThemeTestSupport.h"
#include "tests/framework/cxGraphicsCanvasTestSupport.h"
#include "tests/support/Pictures.h"

namespace {

using theme_test::TThemeUnits;
using theme_test::TVisualStyles;

constexpr TColor Paper = 0xFF00FF;

// Distinct colours, so every pixel tells which rule drew it.
const TcxOffice11HeaderColors kColors{0x0000C0, 0x00C000, 0xC00000, 0x808000};

// The painters' shared caches fill on first use: one button and one
// scroll-bar arrow are drawn before the count.
void FillPainterCachesOnce() {
  TThemeUnits units(TVisualStyles::ForcedOff);
  TSurface scratch(30, 30);
  TcxOffice11LookAndFeelPainter::StaticClass()->DrawButton(scratch.Canvas(), Rect(0, 0, 20, 20),
                                                           "", TcxButtonState::cxbsNormal);
  TcxStandardLookAndFeelPainter::StaticClass()->DrawScrollBarPart(
      scratch.Canvas(), false, Rect(0, 0, 20, 20), TcxScrollBarPart::sbpLineUp,
      TcxButtonState::cxbsNormal);
}

class Office11PainterDrawingTest : public testing::Test, protected theme_test::TGdiCountedTest {
protected:
  static void SetUpTestSuite() {
    cxGraphicsUnit.Initialization();
    cxScreenCanvas()->Handle();
    FillPainterCachesOnce();
    RecordGdiObjects();
  }
  static void TearDownTestSuite() {
    ExpectGdiObjectsUnchanged();
    cxGraphicsUnit.Finalization();
  }

  TThemeUnits m_units{TVisualStyles::ForcedOff};
};

std::string RowMismatches(const TSurface& surface, int y, int left, int right, TColor expected) {
  std::string result;
  for (int x = left; x < right; ++x)
    if (surface.Pixel(x, y) != expected)
      result += DescribeProbe({x, y, expected}, surface.Pixel(x, y)) + "\n";
  return result;
}

// A 20-row header: 16 flat rows, then the last 4 rows graded from the
// first colour to the second (the flat part's last row is the gradient's
// first); nothing outside the bounds.
TEST_F(Office11PainterDrawingTest, HeaderBackgroundIsFlatThenGradedOverItsLastFourRows) {
  CreateOffice11Colors();
  struct Case {
    const char* Name;
    bool Hot;
    bool Footer;
    TColor First;
    TColor Second;
  };
  const Case cases[] = {
      {"normal", false, false, kColors.Top, kColors.Bottom},
      {"hot", true, false, dxOffice11ToolbarsColor1, dxOffice11ToolbarsColor1},
      {"footer", false, true, kColors.Top, kColors.Top},
  };
  const TRect bounds = Rect(2, 2, 28, 22);
  for (const Case& c : cases) {
    TSurface surface(30, 24, Paper);
    cxOffice11FillHeaderBackground(surface->Handle(), bounds, c.Hot, c.Footer, kColors);
    const TRect gradient = Rect(2, 18, 28, 22);
    for (int y = 2; y < 22; ++y) {
      const TColor expected =
          c.Footer || y < 18 ? c.First
                             : GetGradientColorRect(gradient, y, c.First, false, c.Second);
      EXPECT_EQ(RowMismatches(surface, y, 2, 28, expected), "") << c.Name << " row " << y;
    }
    EXPECT_EQ(RowMismatches(surface, 1, 0, 30, Paper), "") << c.Name;
    EXPECT_EQ(RowMismatches(surface, 22, 0, 30, Paper), "") << c.Name;
    EXPECT_EQ(surface.Mismatches({{1, 10, Paper}, {28, 10, Paper}}), "") << c.Name;
  }
  EXPECT_NE(kColors.Top, GetGradientColorRect(Rect(2, 18, 28, 22), 21, kColors.Top, false,
                                              kColors.Bottom));
  ReleaseOffice11Colors();
}

TEST_F(Office11PainterDrawingTest, HotUnderlineRunsFromLeftOfTheBoundsToBelowThem) {
  CreateOffice11Colors();
  TSurface surface(30, 24, Paper);
  cxOffice11DrawHotUnderline(surface->Handle(), Rect(2, 2, 28, 20));
  const TRect band = Rect(1, 18, 28, 21);
  for (int y = 18; y < 21; ++y)
    EXPECT_EQ(RowMismatches(surface, y, 1, 28,
                            GetGradientColorRect(band, y, dxOffice11SelectedColor1, false,
                                                 dxOffice11SelectedColor2)),
              "")
        << y;
  EXPECT_EQ(surface.Mismatches({{0, 19, Paper}, {28, 19, Paper}, {5, 17, Paper}, {5, 21, Paper}}),
            "");
  ReleaseOffice11Colors();
}

// Rect (2, 2, 12, 22): x 2 and 11 are the sides, rows 2 and 21 the edges.
TEST_F(Office11PainterDrawingTest, HeaderBorderPixelsByNeighboursAndBorders) {
  const TColor T = kColors.Top, B = kColors.Bottom, D = kColors.DarkEdge,
               H = kColors.HighlightEdge;
  const TColor topBottom = GetMiddleRGB(T, B, 25);
  struct Case {
    const char* Name;
    bool Left;
    bool Right;
    TcxBorders Borders;
    std::initializer_list<TProbe> Probes;
  };
  const Case cases[] = {
      {"alone, all borders", false, false, cxBordersAll,
       {{5, 2, T}, {5, 21, D}, {2, 2, T}, {2, 3, H}, {2, 19, H}, {2, 20, B}, {2, 21, D},
        {11, 2, GetMiddleRGB(T, D, 50)}, {11, 3, D}, {11, 19, D},
        {11, 20, GetMiddleRGB(B, D, 50)}, {11, 21, D}, {5, 10, Paper}}},
      {"between neighbours", true, true, cxBordersAll,
       {{2, 2, T}, {2, 3, T}, {2, 4, H}, {2, 18, H}, {2, 19, topBottom}, {2, 20, B},
        {11, 2, T}, {11, 3, T}, {11, 4, D}, {11, 18, D}, {11, 19, topBottom}, {11, 20, B},
        {11, 21, D}}},
      {"top and bottom only", false, false, {TcxBorder::bTop, TcxBorder::bBottom},
       {{2, 2, T}, {11, 2, T}, {2, 21, D}, {11, 21, D}, {2, 10, Paper}, {11, 10, Paper}}},
      {"sides only", false, false, {TcxBorder::bLeft, TcxBorder::bRight},
       {{5, 2, Paper}, {5, 21, Paper}, {2, 2, Paper}, {2, 3, H}, {11, 2,
        GetMiddleRGB(T, D, 50)}, {11, 21, Paper}}},
  };
  for (const Case& c : cases) {
    TSurface surface(14, 24, Paper);
    cxOffice11DrawHeaderBorder(*surface.Canvas(), Rect(2, 2, 12, 22), c.Left, c.Right,
                               c.Borders, kColors);
    EXPECT_EQ(surface.Mismatches(c.Probes), "") << c.Name;
    EXPECT_EQ(RowMismatches(surface, 1, 0, 14, Paper) + RowMismatches(surface, 22, 0, 14, Paper),
              "")
        << c.Name;
  }
}

TEST_F(Office11PainterDrawingTest, HeaderColoursComeFromTheScheme) {
  CreateOffice11Colors();
  const TcxOffice11HeaderColors colors = cxOffice11HeaderColors();
  EXPECT_EQ(colors.Top, GetMiddleRGB(dxOffice11ToolbarsColor1, dxOffice11ToolbarsColor2, 50));
  EXPECT_EQ(colors.Bottom, dxOffice11ToolbarsColor2);
  EXPECT_EQ(colors.DarkEdge, dxOffice11BarSeparatorColor1);
  EXPECT_EQ(colors.HighlightEdge, dxOffice11BarSeparatorColor2);
  ReleaseOffice11Colors();
}

// The button's corners take a quarter of the expand-button colours and the
// rest from what lay under the top-left and bottom-right pixels.
TEST_F(Office11PainterDrawingTest, ExpandButtonCornersBlendWithTheCanvas) {
  CreateOffice11Colors();
  for (bool expanded : {true, false}) {
    TSurface surface(15, 15, Paper);
    const TColor under = 0x00FF00;
    surface->FillRect(Rect(12, 12, 13, 13), under);
    cxOffice11DrawExpandButton(*surface.Canvas(), Rect(2, 2, 13, 13), expanded);
    TBitmap* source = expanded ? dxOffice11ExpandButtonBitmap1 : dxOffice11ExpandButtonBitmap2;
    const TColor nearCorner = GetMiddleRGB(dxOffice11ExpandButtonColor1, Paper, 25);
    const TColor farCorner = GetMiddleRGB(dxOffice11ExpandButtonColor2, under, 25);
    EXPECT_EQ(surface.Mismatches({{2, 2, nearCorner}, {12, 12, farCorner}, {2, 12, farCorner},
                                  {12, 2, farCorner}, {1, 1, Paper}, {13, 13, Paper}}),
              "")
        << expanded;
    for (int y = 1; y < 10; ++y)
      for (int x = 1; x < 10; ++x)
        ASSERT_EQ(surface.Pixel(2 + x, 2 + y), source->Canvas()->Pixels(x, y)) << x << "," << y;
  }
  // Minus and plus differ in the vertical bar.
  EXPECT_NE(dxOffice11ExpandButtonBitmap1->Canvas()->Pixels(5, 3),
            dxOffice11ExpandButtonBitmap2->Canvas()->Pixels(5, 3));
  ReleaseOffice11Colors();
}

// Drawn while nobody holds the scheme's bitmaps, the button takes them for
// the call and frees them after.
TEST_F(Office11PainterDrawingTest, ExpandButtonWithoutColoursInUseHoldsThemForTheCall) {
  ASSERT_EQ(dxOffice11ExpandButtonBitmap1, nullptr);
  TSurface surface(15, 15, Paper);
  cxOffice11DrawExpandButton(*surface.Canvas(), Rect(2, 2, 13, 13), true);
  EXPECT_TRUE(HasInk(surface.Bitmap()->Canvas(), Rect(3, 3, 12, 12), Paper));
  EXPECT_EQ(dxOffice11ExpandButtonBitmap1, nullptr);
}

TEST_F(Office11PainterDrawingTest, Picture) {
  CreateOffice11Colors();
  const TcxOffice11HeaderColors colors = cxOffice11HeaderColors();
  TSurface surface(200, 70, clWindow);
  const int width = 60;
  for (int i = 0; i < 3; ++i) {
    const TRect r = Rect(4 + i * width, 4, 4 + (i + 1) * width, 24);
    cxOffice11FillHeaderBackground(surface->Handle(), r, i == 1, i == 2, colors);
    cxOffice11DrawHeaderBorder(*surface.Canvas(), r, i > 0, i < 2, cxBordersAll, colors);
    if (i == 1)
      cxOffice11DrawHotUnderline(surface->Handle(), r);
  }
  cxOffice11DrawExpandButton(*surface.Canvas(), Rect(10, 40, 21, 51), true);
  cxOffice11DrawExpandButton(*surface.Canvas(), Rect(30, 40, 41, 51), false);
  SavePicture(surface.Bitmap(), "office11-painter-pieces");
  ReleaseOffice11Colors();
}

const TcxOffice11LookAndFeelPainterMeta* Office11() {
  return TcxOffice11LookAndFeelPainter::StaticClass();
}

// A normal button is the dock colour in a button-text frame; hot, the
// selected colour in the selected-border frame.
TEST_F(Office11PainterDrawingTest, PainterButtonsByState) {
  CreateOffice11Colors();
  struct Case {
    TcxButtonState State;
    TColor Frame;
    TColor Face;
  };
  const Case cases[] = {
      {TcxButtonState::cxbsNormal, ColorToRGB(clBtnText), dxOffice11DockColor1},
      {TcxButtonState::cxbsHot, dxOffice11SelectedBorderColor, dxOffice11SelectedColor1},
      {TcxButtonState::cxbsPressed, dxOffice11SelectedBorderColor, dxOffice11SelectedDownColor1},
      {TcxButtonState::cxbsDisabled, dxOffice11TextDisabledColor, ColorToRGB(clBtnFace)},
  };
  for (const Case& c : cases) {
    TSurface surface(24, 20, Paper);
    Office11()->DrawButton(surface.Canvas(), Rect(2, 2, 22, 18), "", c.State);
    EXPECT_EQ(surface.Mismatches({{2, 2, c.Frame}, {21, 17, c.Frame}, {12, 10, c.Face},
                                  {1, 1, Paper}}),
              "")
        << static_cast<int>(c.State);
  }
  EXPECT_EQ(Office11()->ButtonSymbolColor(TcxButtonState::cxbsPressed), clHighlightText);
  EXPECT_EQ(Office11()->CheckButtonColor(TcxButtonState::cxbsNormal), clWindow);
  EXPECT_EQ(Office11()->ExpandButtonSize(), 11);
  EXPECT_EQ(Office11()->SmallExpandButtonSize(), 11);
  EXPECT_FALSE(Office11()->DrawExpandButtonFirst());
  EXPECT_EQ(Office11()->HeaderTopColor(), cxOffice11HeaderColors().Top);
  ReleaseOffice11Colors();
}

// Without the scroll-bar theme the parts are the Standard painter's; the
// header border follows the painter's header colours.
TEST_F(Office11PainterDrawingTest, PainterScrollBarAndHeaderBorder) {
  CreateOffice11Colors();
  const TRect r = Rect(2, 2, 22, 20);
  TSurface drawn(24, 22, Paper), expected(24, 22, Paper);
  Office11()->DrawScrollBarPart(drawn.Canvas(), false, r, TcxScrollBarPart::sbpLineUp,
                                TcxButtonState::cxbsNormal);
  TcxStandardLookAndFeelPainter::StaticClass()->DrawScrollBarPart(
      expected.Canvas(), false, r, TcxScrollBarPart::sbpLineUp, TcxButtonState::cxbsNormal);
  EXPECT_TRUE(HasInk(drawn.Bitmap()->Canvas(), Rect(0, 0, 24, 22), Paper));
  for (int y = 0; y < 22; ++y)
    for (int x = 0; x < 24; ++x)
      ASSERT_EQ(drawn.Pixel(x, y), expected.Pixel(x, y)) << x << "," << y;
  TSurface header(24, 22, Paper), helper(24, 22, Paper);
  Office11()->DrawHeaderBorder(header.Canvas(), r, {TcxNeighbor::nLeft}, cxBordersAll);
  cxOffice11DrawHeaderBorder(*helper.Canvas(), r, true, false, cxBordersAll,
                             cxOffice11HeaderColors());
  for (int y = 0; y < 22; ++y)
    for (int x = 0; x < 24; ++x)
      ASSERT_EQ(header.Pixel(x, y), helper.Pixel(x, y)) << x << "," << y;
  ReleaseOffice11Colors();
}

bool SamePixels(const TSurface& a, const TSurface& b, int width, int height) {
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if (a.Pixel(x, y) != b.Pixel(x, y))
        return false;
  return true;
}

// Fills the rectangle in a colour no painter uses and says it drew it.
bool DrawGreenBackground(TcxCanvas* canvas, const TRect& r) {
  canvas->FillRect(r, TColor(0x00FF00));
  return true;
}

// The content is the header background (a footer's flat), the background
// event replacing it when it says it drew; a hot content gets the
// underline below its bounds.
TEST_F(Office11PainterDrawingTest, PainterContentBackgroundByStateAndEvent) {
  CreateOffice11Colors();
  const TRect bounds = Rect(2, 2, 28, 22);
  const TcxOffice11HeaderColors colors = cxOffice11HeaderColors();
  struct Case {
    const char* Name;
    int State;
    bool Footer;
    bool Event;
  };
  const Case cases[] = {{"normal", 1, false, false}, {"hot", 2, false, false},
                        {"footer", 1, true, false},  {"event", 1, false, true},
                        {"hot event", 2, false, true}};
  for (const Case& c : cases) {
    TSurface drawn(30, 26, Paper), expected(30, 26, Paper);
    const TcxDrawBackgroundEvent event =
        c.Event ? TcxDrawBackgroundEvent(&DrawGreenBackground) : TcxDrawBackgroundEvent();
    Office11()->DrawContent(drawn.Canvas(), bounds, bounds, c.State, TAlignment::taLeftJustify,
                            TcxAlignmentVert::vaTop, false, false, "", nullptr, clBlack, clRed,
                            event, c.Footer);
    if (c.Event)
      DrawGreenBackground(expected.Canvas(), bounds);
    else
      cxOffice11FillHeaderBackground(expected->Handle(), bounds, c.State == 2, c.Footer, colors);
    if (c.State == 2)
      cxOffice11DrawHotUnderline(expected->Handle(), bounds);
    EXPECT_TRUE(SamePixels(drawn, expected, 30, 26)) << c.Name;
  }
  ReleaseOffice11Colors();
}

// A header ignores the background event; its section inverts when pressed.
TEST_F(Office11PainterDrawingTest, PainterHeaderAndSection) {
  CreateOffice11Colors();
  const TRect bounds = Rect(2, 2, 28, 22);
  auto header = [&](TSurface& surface, TcxButtonState state, const TcxDrawBackgroundEvent& event) {
    Office11()->DrawHeader(surface.Canvas(), bounds, bounds, {}, cxBordersAll, state,
                           TAlignment::taLeftJustify, TcxAlignmentVert::vaTop, false, false, "",
                           nullptr, clBlack, clRed, event);
  };
  TSurface plain(30, 26, Paper), withEvent(30, 26, Paper);
  header(plain, TcxButtonState::cxbsNormal, {});
  header(withEvent, TcxButtonState::cxbsNormal, &DrawGreenBackground);
  EXPECT_TRUE(SamePixels(plain, withEvent, 30, 26));
  EXPECT_EQ(plain.Count(0x00FF00), 0);
  EXPECT_EQ(plain.Pixel(10, 10), cxOffice11HeaderColors().Top);

  for (TcxButtonState state : {TcxButtonState::cxbsNormal, TcxButtonState::cxbsPressed}) {
    TSurface section(30, 26, Paper), expected(30, 26, Paper);
    Office11()->DrawHeaderControlSection(section.Canvas(), bounds, bounds, {}, cxBordersAll, state,
                                         TAlignment::taLeftJustify, TcxAlignmentVert::vaTop, false,
                                         false, "", nullptr, clBlack, clRed);
    header(expected, state, {});
    if (state == TcxButtonState::cxbsPressed)
      expected->InvertRect(bounds);
    EXPECT_TRUE(SamePixels(section, expected, 30, 26)) << static_cast<int>(state);
  }
  ReleaseOffice11Colors();
}

// The sorting mark is the shared engraved arrow in the header edge colours.
TEST_F(Office11PainterDrawingTest, PainterSortingMarkInHeaderEdgeColours) {
  CreateOffice11Colors();
  for (bool ascending : {true, false}) {
    TSurface drawn(20, 20, Paper), expected(20, 20, Paper);
    Office11()->DrawSortingMark(drawn.Canvas(), Rect(2, 2, 18, 18), ascending);
    Office11()->DrawSortingArrow(expected.Canvas(), Rect(2, 2, 18, 18),
                                 dxOffice11BarSeparatorColor1, dxOffice11BarSeparatorColor2,
                                 ascending);
    EXPECT_TRUE(SamePixels(drawn, expected, 20, 20)) << ascending;
    EXPECT_GT(drawn.Count(dxOffice11BarSeparatorColor1), 0) << ascending;
  }
  ReleaseOffice11Colors();
}

// The month header fills inside a one-pixel margin, which stays untouched,
// and puts its arrows in the window-text colour.
TEST_F(Office11PainterDrawingTest, PainterMonthHeaderAndSchedulerBorder) {
  CreateOffice11Colors();
  TcxViewParams params;
  params.Color = 0x00C0C0;
  params.TextColor = clBlack;
  TSurface surface(60, 24, Paper);
  Office11()->DrawMonthHeader(surface.Canvas(), Rect(2, 2, 58, 22), "", {}, params,
                              TcxHeaderArrows::haBoth, 8);
  EXPECT_EQ(surface.Mismatches({{2, 2, Paper}, {57, 21, Paper}, {30, 2, Paper}, {3, 3, 0x00C0C0},
                                {30, 12, 0x00C0C0}, {56, 20, 0x00C0C0}}),
            "");
  EXPECT_GT(surface.Count(ColorToRGB(clWindowText)), 0);
  EXPECT_LT(surface.InkBox(ColorToRGB(clWindowText)).Left, 14);
  EXPECT_GT(surface.InkBox(ColorToRGB(clWindowText)).Right, 46);

  TSurface border(20, 20, Paper);
  Office11()->DrawSchedulerBorder(border.Canvas(), Rect(2, 2, 18, 18));
  EXPECT_EQ(border.Mismatches({{2, 2, dxOffice11OutlookBorderColor},
                               {17, 17, dxOffice11OutlookBorderColor}, {3, 3, Paper}}),
            "");
  ReleaseOffice11Colors();
}

// The filter button is framed in the header's dark edge when normal and in
// the selected border otherwise, filled with the button colour.
TEST_F(Office11PainterDrawingTest, PainterFilterDropDownButtonAndFooterCell) {
  CreateOffice11Colors();
  for (TcxButtonState state : {TcxButtonState::cxbsNormal, TcxButtonState::cxbsHot}) {
    TSurface surface(20, 20, Paper);
    Office11()->DrawFilterDropDownButton(surface.Canvas(), Rect(2, 2, 17, 18), state, false);
    const TColor frame = state == TcxButtonState::cxbsNormal ? dxOffice11BarSeparatorColor1
                                                              : dxOffice11SelectedBorderColor;
    const TColor face = Office11()->ButtonColor(state);
    EXPECT_EQ(surface.Mismatches({{2, 2, frame}, {16, 17, frame}, {3, 3, face}}), "")
        << static_cast<int>(state);
  }
  TSurface cell(20, 20, Paper);
  Office11()->DrawFooterCellBorder(cell.Canvas(), Rect(2, 2, 18, 18));
  EXPECT_EQ(cell.Mismatches({{2, 2, dxOffice11BarSeparatorColor1}, {3, 3, Paper}}), "");
  ReleaseOffice11Colors();
}

TEST_F(Office11PainterDrawingTest, PainterColourTable) {
  CreateOffice11Colors();
  auto p = Office11();
  struct Row {
    const char* Name;
    TColor Actual;
    TColor Expected;
  };
  const Row rows[] = {
      {"HeaderDarkEdge", p->HeaderDarkEdgeColor(), dxOffice11BarSeparatorColor1},
      {"HeaderHighlightEdge", p->HeaderHighlightEdgeColor(), dxOffice11BarSeparatorColor2},
      {"HeaderBottom", p->HeaderBottomColor(), dxOffice11ToolbarsColor2},
      {"BorderHighlight", p->BorderHighlightColor(), dxOffice11SelectedBorderColor},
      {"FooterSeparator", p->FooterSeparatorColor(), dxOffice11BarSeparatorColor1},
      {"TabBorderHighlight", p->TabBorderHighlightColor(), dxOffice11BarSeparatorColor1},
      {"TabBorderDark", p->TabBorderDarkColor(), clBtnText},
      {"FilterBorderNormal", p->FilterDropDownButtonBorderColor(TcxButtonState::cxbsNormal),
       dxOffice11BarSeparatorColor1},
      {"FilterBorderPressed", p->FilterDropDownButtonBorderColor(TcxButtonState::cxbsPressed),
       dxOffice11SelectedBorderColor},
      {"DateNavigatorHeader", p->DefaultDateNavigatorHeaderColor(), dxOffice11DockColor1},
      {"Footer", p->DefaultFooterColor(), dxOffice11DockColor1},
      {"TimeGridMinorScale", p->DefaultTimeGridMinorScaleColor(), dxOffice11DockColor1},
      {"DateNavigatorSelection", p->DefaultDateNavigatorSelectionColor(),
       dxOffice11DayNavigatorSelectedColor},
      {"DateNavigatorSelectionText", p->DefaultDateNavigatorSelectionTextColor(), clWindowText},
      {"FilterBox", p->DefaultFilterBoxColor(), dxOffice11BarFloatingBorderColor1},
      {"FilterBoxText", p->DefaultFilterBoxTextColor(), dxOffice11BarFloatingCaptionTextColor1},
      {"FooterText", p->DefaultFooterTextColor(), clBtnText},
      {"Group", p->DefaultGroupColor(), dxOffice11GroupColor},
      {"GroupByBox", p->DefaultGroupByBoxColor(), dxOffice11InPlaceSubItemColor},
      {"GroupByBoxText", p->DefaultGroupByBoxTextColor(), dxOffice11ToolbarsColor1},
      {"Header", p->DefaultHeaderColor(), cxOffice11HeaderColors().Top},
      {"HeaderBackground", p->DefaultHeaderBackgroundColor(), dxOffice11InPlaceSubItemColor},
      {"SchedulerBorder", p->DefaultSchedulerBorderColor(), dxOffice11OutlookBorderColor},
      {"SchedulerControl", p->DefaultSchedulerControlColor(), dxOffice11OutlookControlColor},
      {"Tab", p->DefaultTabColor(), dxOffice11DockColor2},
      {"TabsBackground", p->DefaultTabsBackgroundColor(), dxOffice11DockColor2},
      {"TimeGridSelectionBar", p->DefaultTimeGridSelectionBarColor(),
       dxOffice11OutlookControlColor},
      {"Content (root)", p->DefaultContentColor(), clWindow},
  };
  for (const Row& row : rows)
    EXPECT_EQ(row.Actual, row.Expected) << row.Name;
  ReleaseOffice11Colors();
}

} // namespace
