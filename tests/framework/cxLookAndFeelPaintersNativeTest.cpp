#include "tests/support/GTest.h"

#include <string>

#include "framework/cxGraphics.h"
#include "framework/cxLookAndFeelPainters.h"
#include "framework/cxLookAndFeelPaintersNative.h"
#include "framework/cxLookAndFeelPaintersRadio.h"
#include "framework/dxThemeManager.h"
#include "tests/framework/ThemeTestSupport.h"
#include "tests/framework/cxGraphicsCanvasTestSupport.h"
#include "tests/support/Pictures.h"

namespace {

using theme_test::TThemeUnits;
using theme_test::TVisualStyles;

constexpr TColor Paper = 0xFF00FF;

// Wine loads a theme part's images on first use and keeps them for the life
// of the process: each part the tests use is drawn once before the count.
void LoadThemeImagesOnce() {
  TThemeUnits units(TVisualStyles::On);
  TSurface scratch(60, 60);
  const struct {
    TdxThemedObjectType Type;
    int Part;
    int State;
  } parts[] = {
      {TdxThemedObjectType::totButton, BP_PUSHBUTTON, PBS_NORMAL},
      {TdxThemedObjectType::totButton, BP_CHECKBOX, CBS_CHECKEDNORMAL},
      {TdxThemedObjectType::totButton, BP_RADIOBUTTON, RBS_CHECKEDHOT},
      {TdxThemedObjectType::totTab, TABP_TABITEM, TIS_NORMAL},
      {TdxThemedObjectType::totTab, TABP_TABITEM, TIS_HOT},
      {TdxThemedObjectType::totTab, TABP_PANE, 0},
      {TdxThemedObjectType::totHeader, HP_HEADERITEM, HIS_NORMAL},
      {TdxThemedObjectType::totListView, 5, 0},
      {TdxThemedObjectType::totButton, BP_PUSHBUTTON, PBS_HOT},
      {TdxThemedObjectType::totHeader, HP_HEADERITEM, HIS_PRESSED},
      {TdxThemedObjectType::totTreeview, 2, 2},
      {TdxThemedObjectType::totScrollBar, SBP_ARROWBTN, ABS_DOWNHOT},
  };
  for (const auto& part : parts) {
    const HTHEME theme = OpenTheme(part.Type);
    SIZE size{};
    dxUxTheme::GetThemePartSize(theme, nullptr, part.Part, part.State, TS_TRUE, size);
    dxUxTheme::DrawThemeBackground(theme, scratch->Handle(), part.Part, part.State,
                                   *AsRECT(Rect(0, 0, 60, 60)), nullptr);
  }
}

// The painters' shared caches fill on first use too: each look draws a
// border and a scroll-bar arrow once before the count.
void FillPainterCachesOnce() {
  for (TVisualStyles styles : {TVisualStyles::On, TVisualStyles::ForcedOff}) {
    TThemeUnits units(styles);
    TSurface scratch(30, 30);
    for (const TcxCustomLookAndFeelPainterMeta* painter :
         {static_cast<const TcxCustomLookAndFeelPainterMeta*>(
              TcxWinXPLookAndFeelPainter::StaticClass()),
          static_cast<const TcxCustomLookAndFeelPainterMeta*>(
              TcxStandardLookAndFeelPainter::StaticClass())}) {
      painter->DrawBorder(scratch.Canvas(), Rect(0, 0, 20, 20));
      painter->DrawScrollBarPart(scratch.Canvas(), false, Rect(0, 0, 20, 20),
                                 TcxScrollBarPart::sbpLineDown, TcxButtonState::cxbsHot);
    }
  }
}

// The theme routines with the platform's visual styles and forced off; the
// themed drawing is checked against the platform's own calls, not against
// fixed pixels of one theme.
class NativePainterDrawingTest : public testing::TestWithParam<TVisualStyles>,
                                 protected theme_test::TGdiCountedTest {
protected:
  static void SetUpTestSuite() {
    cxGraphicsUnit.Initialization();
    cxScreenCanvas()->Handle();
    LoadThemeImagesOnce();
    FillPainterCachesOnce();
    PrepareRadioButtonImageList();
    RecordGdiObjects();
  }
  static void TearDownTestSuite() {
    ExpectGdiObjectsUnchanged();
    cxFreeRadioButtonImageList();
    cxGraphicsUnit.Finalization();
  }

  bool StylesOn() const { return GetParam() == TVisualStyles::On; }

  TThemeUnits m_units{GetParam()};
};

INSTANTIATE_TEST_SUITE_P(Styles, NativePainterDrawingTest,
                         testing::Values(TVisualStyles::On, TVisualStyles::ForcedOff),
                         theme_test::StylesName);

bool SamePixels(TBitmap* a, TBitmap* b) {
  for (int y = 0; y < a->Height(); ++y)
    for (int x = 0; x < a->Width(); ++x)
      if (a->Canvas()->Pixels(x, y) != b->Canvas()->Pixels(x, y))
        return false;
  return true;
}

TEST(NativePainterStates, ScrollBarArrowStatesByDirectionAndButtonState) {
  enum { Default, Normal, Hot, Pressed, Disabled };
  enum { Up, Down, Left, Right };
  struct Case {
    int Direction;
    int State;
    int Expected;
  };
  const Case cases[] = {
      {Up, Default, 1},  {Up, Normal, 1},     {Up, Hot, 2},       {Up, Pressed, 3},
      {Up, Disabled, 4}, {Down, Default, 5},  {Down, Hot, 6},     {Left, Hot, 10},
      {Left, Normal, 9}, {Right, Hot, 14},    {Right, Pressed, 15}, {Right, Disabled, 16},
  };
  for (const Case& c : cases)
    EXPECT_EQ(cxXPScrollBarArrowState(c.Direction, c.State), c.Expected)
        << c.Direction << "/" << c.State;
  EXPECT_EQ(cxXPPushButtonStates, (TcxThemeStates{5, 1, 2, 3, 4}));
  EXPECT_EQ(cxXPHeaderItemStates[4], 1);
  EXPECT_EQ(cxXPToolBarButtonStates, (TcxThemeStates{2, 2, 5, 3, 4}));
  EXPECT_EQ(cxXPScrollBarStates, (TcxThemeStates{1, 1, 2, 3, 4}));
}

TEST(NativePainterStates, ThemedTextFlags) {
  using A = TAlignment;
  using V = TcxAlignmentVert;
  struct Case {
    A Horz;
    V Vert;
    bool MultiLine;
    bool Ellipsis;
    bool Prefix;
    DWORD Expected;
  };
  const Case cases[] = {
      {A::taLeftJustify, V::vaTop, false, false, false, 0x2000 | 0x20 | 0x800},
      {A::taRightJustify, V::vaBottom, false, false, false, 0x2000 | 0x20 | 0x800 | 2 | 8},
      {A::taCenter, V::vaCenter, false, false, true, 0x2000 | 0x20 | 1 | 4},
      {A::taLeftJustify, V::vaTop, true, true, false, 0x2000 | 0x10 | 0x8000 | 0x800},
  };
  for (const Case& c : cases)
    EXPECT_EQ(cxThemedTextFlags(c.Horz, c.Vert, c.MultiLine, c.Ellipsis, c.Prefix), c.Expected)
        << static_cast<int>(c.Horz) << "/" << static_cast<int>(c.Vert);
}

TEST_P(NativePainterDrawingTest, ThemesOpenOnlyWithVisualStyles) {
  for (TdxThemedObjectType type :
       {TdxThemedObjectType::totButton, TdxThemedObjectType::totListView,
        TdxThemedObjectType::totTab, TdxThemedObjectType::totScrollBar})
    EXPECT_EQ(OpenTheme(type) != nullptr, StylesOn()) << static_cast<int>(type);
  EXPECT_EQ(OpenTheme(TdxThemedObjectType::totExplorerBar), nullptr);
}

// Margins and sizes are what the platform reports; without a theme the
// margins are zero and the size is the fallback.
TEST_P(NativePainterDrawingTest, MeasuredMarginsAndSizes) {
  const HTHEME button = OpenTheme(TdxThemedObjectType::totButton);
  const TRect margins = cxThemeContentMargins(button, BP_PUSHBUTTON, PBS_NORMAL);
  const TSize check = cxThemePartSize(button, BP_CHECKBOX, CBS_CHECKEDNORMAL, {99, 98});
  if (!StylesOn()) {
    EXPECT_EQ(margins, TRect{});
    EXPECT_EQ(check, (TSize{99, 98}));
    return;
  }
  RECT bounds{0, 0, 100, 100}, content{};
  ASSERT_EQ(dxUxTheme::GetThemeBackgroundContentRect(button, nullptr, BP_PUSHBUTTON, PBS_NORMAL,
                                                     &bounds, &content),
            S_OK);
  EXPECT_EQ(margins, Rect(content.left, content.top, 100 - content.right, 100 - content.bottom));
  EXPECT_GT(margins.Left, 0);
  SIZE size{};
  ASSERT_EQ(dxUxTheme::GetThemePartSize(button, nullptr, BP_CHECKBOX, CBS_CHECKEDNORMAL, TS_TRUE,
                                        size),
            S_OK);
  EXPECT_EQ(check, (TSize{size.cx, size.cy}));
}

// A themed radio button is the button theme's radio part at the theme's
// size; without the theme it is the Standard look's image.
TEST_P(NativePainterDrawingTest, RadioButtonThemedOrStandard) {
  const auto native = TcxWinXPLookAndFeelPainter::StaticClass();
  const auto standard = TcxStandardLookAndFeelPainter::StaticClass();
  const HTHEME button = OpenTheme(TdxThemedObjectType::totButton);
  const TSize size = native->RadioButtonSize();
  TSurface drawn(30, 30, Paper), expected(30, 30, Paper);
  native->DrawRadioButton(drawn.Canvas(), 2, 3, TcxButtonState::cxbsHot, true, false, clDefault);
  if (StylesOn()) {
    SIZE part{};
    ASSERT_EQ(dxUxTheme::GetThemePartSize(button, nullptr, BP_RADIOBUTTON, RBS_UNCHECKEDNORMAL,
                                          TS_TRUE, part),
              S_OK);
    EXPECT_EQ(size, (TSize{part.cx, part.cy}));
    const TRect r = Rect(2, 3, 2 + size.cx, 3 + size.cy);
    dxUxTheme::DrawThemeBackground(button, expected->Handle(), BP_RADIOBUTTON, RBS_CHECKEDHOT,
                                   *AsRECT(r), nullptr);
  } else {
    EXPECT_EQ(size, standard->RadioButtonSize());
    standard->DrawRadioButton(expected.Canvas(), 2, 3, TcxButtonState::cxbsHot, true, false,
                              clDefault);
  }
  EXPECT_TRUE(HasInk(drawn.Bitmap()->Canvas(), Rect(0, 0, 30, 30), Paper));
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 30; ++x)
      ASSERT_EQ(drawn.Pixel(x, y), expected.Pixel(x, y)) << x << "," << y;
}

// A header with no font of its own draws its text in the canvas's font.
TEST_P(NativePainterDrawingTest, HeaderTextWithoutAFontUsesTheCanvasFont) {
  TSurface surface(60, 20, Paper);
  surface->Font()->SetColor(clBlack);
  EXPECT_NO_THROW(TcxWinXPLookAndFeelPainter::StaticClass()->DrawHeader(
      surface.Canvas(), Rect(0, 0, 60, 20), Rect(2, 0, 58, 20), {}, cxBordersAll,
      TcxButtonState::cxbsNormal, TAlignment::taLeftJustify, TcxAlignmentVert::vaCenter, false,
      false, "Ad", nullptr, clRed, clWindow, {}));
  EXPECT_GT(surface.Count(clRed), 0);
}

// The ring is the full themed border less its inside, which keeps what lay
// there.
TEST_P(NativePainterDrawingTest, BorderRingLeavesTheInside) {
  const HTHEME listView = OpenTheme(TdxThemedObjectType::totListView);
  const TRect r = Rect(2, 2, 30, 20);
  TSurface ring(32, 22, Paper), full(32, 22, Paper);
  cxDrawThemedBorderRing(*ring.Canvas(), listView, r);
  dxUxTheme::DrawThemeBackground(listView, full->Handle(), 5, 0, *AsRECT(r), nullptr);
  EXPECT_FALSE(HasInk(ring.Bitmap()->Canvas(), Rect(3, 3, 29, 19), Paper));
  for (int y = 0; y < 22; ++y)
    for (int x = 0; x < 32; ++x) {
      const bool inside = x >= 3 && x < 29 && y >= 3 && y < 19;
      if (!inside)
        ASSERT_EQ(ring.Pixel(x, y), full.Pixel(x, y)) << x << "," << y;
    }
  EXPECT_EQ(HasInk(ring.Bitmap()->Canvas(), Rect(0, 0, 32, 22), Paper), StylesOn());
  // The canvas's clip is whole again.
  ring->FillRect(Rect(0, 0, 32, 22), clRed);
  EXPECT_EQ(ring.Count(clRed), 32 * 22);
}

// Themed text equals the platform's DrawThemeText with the flags the
// alignments map to; wrapped text is first moved down by its alignment.
TEST_P(NativePainterDrawingTest, ThemedTextIsThePlatformsWithTheMappedFlags) {
  const HTHEME header = OpenTheme(TdxThemedObjectType::totHeader);
  TOwned<TFont> font(Create<TFont>());
  font->SetColor(clBlack);
  struct Case {
    const char* Name;
    TAlignment Horz;
    TcxAlignmentVert Vert;
    bool MultiLine;
    std::string Text;
  };
  const Case cases[] = {
      {"right, bottom", TAlignment::taRightJustify, TcxAlignmentVert::vaBottom, false,
       "Ba\xFEl\xFDk"},
      {"centre", TAlignment::taCenter, TcxAlignmentVert::vaCenter, false, "Ad"},
      {"wrapped, bottom", TAlignment::taLeftJustify, TcxAlignmentVert::vaBottom, true,
       "iki sat\xFDr metin burada"},
  };
  const TRect area = Rect(2, 2, 62, 46);
  for (const Case& c : cases) {
    TSurface drawn(64, 48, clWhite), expected(64, 48, clWhite);
    cxDrawThemedText(*drawn.Canvas(), header, HP_HEADERITEM, HIS_NORMAL, area, c.Horz, c.Vert,
                     c.MultiLine, false, false, c.Text, font.get(), clBlack);
    expected->SetFont(font.get());
    TRect r = area;
    if (c.MultiLine)
      expected->AlignMultiLineTextRectVertically(r, c.Text, c.Vert, true, false);
    dxUxTheme::DrawThemeText(header, expected->Handle(), HP_HEADERITEM, HIS_NORMAL, c.Text, -1,
                             cxThemedTextFlags(c.Horz, c.Vert, c.MultiLine, false, false), 0,
                             *AsRECT(r));
    EXPECT_TRUE(SamePixels(drawn.Bitmap(), expected.Bitmap())) << c.Name;
    EXPECT_EQ(HasInk(drawn.Bitmap()->Canvas(), area, clWhite), StylesOn()) << c.Name;
  }
  TSurface empty(20, 20, clWhite);
  cxDrawThemedText(*empty.Canvas(), header, HP_HEADERITEM, HIS_NORMAL, Rect(0, 0, 20, 20),
                   TAlignment::taLeftJustify, TcxAlignmentVert::vaTop, false, false, false, "",
                   font.get(), clBlack);
  EXPECT_FALSE(HasInk(empty.Bitmap()->Canvas(), Rect(0, 0, 20, 20), clWhite));
}

// Only the pane's near edge shows, inside r.
TEST_P(NativePainterDrawingTest, TabsRootDrawsThePaneEdgeInsideItsRectangle) {
  const HTHEME tab = OpenTheme(TdxThemedObjectType::totTab);
  for (bool vertical : {false, true}) {
    TSurface surface(40, 40, Paper);
    const TRect r = vertical ? Rect(10, 5, 14, 35) : Rect(5, 10, 35, 14);
    cxDrawThemedTabsRoot(*surface.Canvas(), tab, r, vertical);
    EXPECT_EQ(HasInk(surface.Bitmap()->Canvas(), Rect(0, 0, 40, 40), Paper), StylesOn());
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 40; ++x)
        if (x < r.Left || x >= r.Right || y < r.Top || y >= r.Bottom)
          ASSERT_EQ(surface.Pixel(x, y), Paper) << vertical << " " << x << "," << y;
  }
}

// A horizontal tab is the platform's tab item in the widened rectangle,
// clipped to the tab less its last row (a pressed tab: one row further down,
// unclipped below).
TEST_P(NativePainterDrawingTest, HorizontalTabIsTheItemWidenedAtItsInnerEnds) {
  const HTHEME tab = OpenTheme(TdxThemedObjectType::totTab);
  const TRect r = Rect(10, 4, 50, 24);
  struct Case {
    const char* Name;
    TcxBorders Borders;
    bool Pressed;
    TRect Drawing;
    TRect Clip;
    TRect Caption;
  };
  const Case cases[] = {
      {"all borders", cxBordersAll, false, r, Rect(10, 4, 50, 23), r},
      {"no borders", {}, false, Rect(8, 4, 52, 24), Rect(10, 4, 50, 23), Rect(8, 4, 52, 24)},
      {"pressed, left border", {TcxBorder::bLeft}, true, Rect(10, 4, 52, 25), r,
       Rect(10, 4, 52, 23)},
  };
  for (const Case& c : cases) {
    TSurface drawn(60, 30, Paper), expected(60, 30, Paper);
    const TRect caption = cxDrawThemedTab(*drawn.Canvas(), tab, r, c.Borders,
                                          TIS_NORMAL, c.Pressed, false);
    dxUxTheme::DrawThemeBackground(tab, expected->Handle(), TABP_TABITEM, TIS_NORMAL,
                                   *AsRECT(c.Drawing), *AsRECT(c.Clip));
    EXPECT_EQ(caption, c.Caption) << c.Name;
    EXPECT_TRUE(SamePixels(drawn.Bitmap(), expected.Bitmap())) << c.Name;
    EXPECT_EQ(HasInk(drawn.Bitmap()->Canvas(), r, Paper), StylesOn()) << c.Name;
  }
}

// A vertical tab is the horizontal drawing of the turned tab turned back: its
// pane side on the right, its bottom end where the turned tab began; nothing
// outside the tab changes.
TEST_P(NativePainterDrawingTest, VerticalTabIsTheTurnedDrawingTurnedBack) {
  const HTHEME tab = OpenTheme(TdxThemedObjectType::totTab);
  const TRect r = Rect(6, 10, 26, 50);
  TSurface drawn(32, 60, Paper);
  const TRect caption =
      cxDrawThemedTab(*drawn.Canvas(), tab, r, {TcxBorder::bTop}, TIS_HOT, true, true);
  // Turned: 40 wide, 20 high; the bottom end (left) widened, one row more.
  TOwned<TBitmap> turned = MakeBitmap(40, 20, Paper);
  dxUxTheme::DrawThemeBackground(tab, turned->Canvas()->Handle(), TABP_TABITEM, TIS_HOT,
                                 *AsRECT(Rect(-2, 0, 40, 21)), *AsRECT(Rect(0, 0, 40, 20)));
  TcxCanvas::RotateBitmap(turned.get(), TcxRotationAngle::raPlus90);
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 32; ++x) {
      const bool inside = x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom;
      const TColor expected =
          inside ? turned->Canvas()->Pixels(x - r.Left, y - r.Top) : Paper;
      ASSERT_EQ(drawn.Pixel(x, y), expected) << x << "," << y;
    }
  // Turned caption (-2, 0, 40, 19) turned back into r.
  EXPECT_EQ(caption, Rect(6, 10, 25, 52));
}

// The hit test follows the part's region; without a theme, the rectangle.
TEST_P(NativePainterDrawingTest, PointOverABackgroundRegion) {
  const HTHEME button = OpenTheme(TdxThemedObjectType::totButton);
  const TRect r = Rect(10, 10, 40, 30);
  EXPECT_TRUE(cxIsPointInThemeBackground(button, BP_PUSHBUTTON, PBS_NORMAL, r, Point(25, 20)));
  EXPECT_FALSE(cxIsPointInThemeBackground(button, BP_PUSHBUTTON, PBS_NORMAL, r, Point(5, 20)));
  EXPECT_FALSE(cxIsPointInThemeBackground(button, BP_PUSHBUTTON, PBS_NORMAL, r, Point(40, 20)));
}

TEST_P(NativePainterDrawingTest, Picture) {
  TSurface surface(160, 60, clWindow);
  cxDrawThemedBorderRing(*surface.Canvas(), OpenTheme(TdxThemedObjectType::totListView),
                         Rect(4, 4, 60, 30));
  cxDrawThemedTabsRoot(*surface.Canvas(), OpenTheme(TdxThemedObjectType::totTab),
                       Rect(70, 20, 150, 26), false);
  TOwned<TFont> font(Create<TFont>());
  cxDrawThemedText(*surface.Canvas(), OpenTheme(TdxThemedObjectType::totHeader), HP_HEADERITEM,
                   HIS_NORMAL, Rect(4, 34, 150, 56), TAlignment::taCenter,
                   TcxAlignmentVert::vaCenter, false, false, false, "Ba\xFEl\xFDk metni",
                   font.get(), clWindowText);
  SavePicture(surface.Bitmap(), std::string("native-painter-pieces-") +
                                    (StylesOn() ? "themed" : "unthemed"));
}

} // namespace

// ---- the native painter class

namespace {

const TcxWinXPLookAndFeelPainterMeta* Native() { return TcxWinXPLookAndFeelPainter::StaticClass(); }
const TcxStandardLookAndFeelPainterMeta* Standard() {
  return TcxStandardLookAndFeelPainter::StaticClass();
}

// With visual styles forced off every metric is the Standard painter's; with
// them on, the themed value (measured ones as the platform reports them).
TEST_P(NativePainterDrawingTest, PainterMetricsThemedOrStandard) {
  const HTHEME button = OpenTheme(TdxThemedObjectType::totButton);
  const HTHEME tree = OpenTheme(TdxThemedObjectType::totTreeview);
  struct Case {
    const char* Name;
    int Native;
    int Standard;
    int Themed;
  };
  const Case cases[] = {
      {"BorderSize", Native()->BorderSize(), Standard()->BorderSize(), 1},
      {"CheckBorderSize", Native()->CheckBorderSize(), Standard()->CheckBorderSize(), 0},
      {"FooterBorderSize", Native()->FooterBorderSize(), Standard()->FooterBorderSize(), 1},
      {"FooterCellOffset", Native()->FooterCellOffset(), Standard()->FooterCellOffset(), 1},
      {"TabBorderSize", Native()->TabBorderSize(false), Standard()->TabBorderSize(false), 1},
      {"ButtonBorderSize hot", Native()->ButtonBorderSize(TcxButtonState::cxbsHot),
       Standard()->ButtonBorderSize(TcxButtonState::cxbsNormal),
       cxThemeContentMargins(button, BP_PUSHBUTTON, PBS_HOT).Left},
      {"ExpandButtonSize", Native()->ExpandButtonSize(), Standard()->ExpandButtonSize(),
       cxThemePartSize(tree, 2, 2, {}).cx},
      {"SmallExpandButtonSize", Native()->SmallExpandButtonSize(),
       Standard()->SmallExpandButtonSize(), cxThemePartSize(tree, 2, 2, {}).cx},
      // The explorer bar class does not open under Wine.
      {"GroupExpandButtonSize", Native()->GroupExpandButtonSize(),
       Standard()->GroupExpandButtonSize(), 15},
      {"IsDrawTabImplemented", Native()->IsDrawTabImplemented(false),
       Standard()->IsDrawTabImplemented(false), 1},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.Native, StylesOn() ? c.Themed : c.Standard) << c.Name;
  EXPECT_EQ(Native()->LookAndFeelStyle(), TcxLookAndFeelStyle::lfsNative);
  EXPECT_EQ(Native()->ButtonTextOffset(), 2);
  EXPECT_TRUE(Native()->IsButtonHotTrack());
}

// Forced off, the border and a scroll-bar arrow are the Standard painter's
// pixels; with styles on, the themed ring and the hot arrow state 6 (down).
TEST_P(NativePainterDrawingTest, PainterBorderAndScrollArrowThemedOrStandard) {
  const TRect r = Rect(2, 2, 22, 20);
  TSurface border(24, 22, Paper), expectedBorder(24, 22, Paper);
  Native()->DrawBorder(border.Canvas(), r);
  TSurface arrow(24, 22, Paper), expectedArrow(24, 22, Paper);
  Native()->DrawScrollBarPart(arrow.Canvas(), false, r, TcxScrollBarPart::sbpLineDown,
                              TcxButtonState::cxbsHot);
  if (StylesOn()) {
    cxDrawThemedBorderRing(*expectedBorder.Canvas(), OpenTheme(TdxThemedObjectType::totListView),
                           r);
    dxUxTheme::DrawThemeBackground(OpenTheme(TdxThemedObjectType::totScrollBar),
                                   expectedArrow->Handle(), SBP_ARROWBTN, ABS_DOWNHOT,
                                   *AsRECT(r), nullptr);
  } else {
    Standard()->DrawBorder(expectedBorder.Canvas(), r);
    Standard()->DrawScrollBarPart(expectedArrow.Canvas(), false, r,
                                  TcxScrollBarPart::sbpLineDown, TcxButtonState::cxbsHot);
  }
  EXPECT_TRUE(SamePixels(border.Bitmap(), expectedBorder.Bitmap()));
  EXPECT_TRUE(SamePixels(arrow.Bitmap(), expectedArrow.Bitmap()));
  EXPECT_TRUE(HasInk(arrow.Bitmap()->Canvas(), r, Paper));
}

// A pressed themed header draws its caption one pixel right and down.
TEST_P(NativePainterDrawingTest, PressedHeaderCaptionMovesByOne) {
  if (!StylesOn())
    GTEST_SKIP() << "themed drawing only";
  const HTHEME header = OpenTheme(TdxThemedObjectType::totHeader);
  TOwned<TFont> font(Create<TFont>());
  const TRect r = Rect(0, 0, 60, 20);
  TSurface drawn(60, 20, Paper), expected(60, 20, Paper);
  Native()->DrawHeader(drawn.Canvas(), r, r, {}, cxBordersAll, TcxButtonState::cxbsPressed,
                       TAlignment::taLeftJustify, TcxAlignmentVert::vaTop, false, false, "Ad",
                       font.get(), clBlack, clBtnFace, {}, false);
  dxUxTheme::DrawThemeBackground(header, expected->Handle(), HP_HEADERITEM, HIS_PRESSED,
                                 *AsRECT(r), nullptr);
  cxDrawThemedText(*expected.Canvas(), header, HP_HEADERITEM, HIS_PRESSED, Rect(1, 1, 61, 21),
                   TAlignment::taLeftJustify, TcxAlignmentVert::vaTop, false, false, false, "Ad",
                   font.get(), clBlack);
  EXPECT_TRUE(SamePixels(drawn.Bitmap(), expected.Bitmap()));
}

} // namespace
