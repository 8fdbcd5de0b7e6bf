#include "tests/support/GTest.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "framework/dxOffice11.h"
#include "framework/dxThemeManager.h"
#include "tests/framework/ThemeTestSupport.h"
#include "tests/platform/graphics/GraphicsTestHelpers.h"
#include "tests/support/Pictures.h"

namespace {

using theme_test::TThemeUnits;
using theme_test::TVisualStyles;

std::string Hex(TColor color) {
  char text[16];
  std::snprintf(text, sizeof(text), "%06X", static_cast<unsigned>(color));
  return text;
}

// Classic system colours (COLORREF values, 0x00BBGGRR).
const std::map<int, COLORREF> kClassicColors = {
    {COLOR_BTNFACE, 0xC0C0C0},   {COLOR_WINDOW, 0xFFFFFF},        {COLOR_BTNSHADOW, 0x808080},
    {COLOR_HIGHLIGHT, 0x6A240A}, {COLOR_HIGHLIGHTTEXT, 0xFFFFFF}, {COLOR_BTNTEXT, 0x000000},
    {COLOR_GRAYTEXT, 0x808080},  {COLOR_BTNHIGHLIGHT, 0xFFFFFF},
};

std::map<int, COLORREF> ClassicColorsWith(int index, COLORREF color) {
  std::map<int, COLORREF> colors = kClassicColors;
  colors[index] = color;
  return colors;
}

// The colours in use while it lives.
class TOffice11ColorsUse {
public:
  TOffice11ColorsUse() { CreateOffice11Colors(); }
  ~TOffice11ColorsUse() { ReleaseOffice11Colors(); }
  TOffice11ColorsUse(const TOffice11ColorsUse&) = delete;
  TOffice11ColorsUse& operator=(const TOffice11ColorsUse&) = delete;
};

struct TExpectedColor {
  const char* Name;
  const TColor* Variable;
  TColor Expected;
};

std::string Mismatches(const std::vector<TExpectedColor>& table) {
  std::string result;
  for (const TExpectedColor& entry : table)
    if (*entry.Variable != entry.Expected)
      result += std::string(entry.Name) + " is " + Hex(*entry.Variable) + ", expected " +
                Hex(entry.Expected) + "\n";
  return result;
}

#define COLOR_ROW(variable, expected) {#variable, &variable, expected}

class Office11Test : public testing::TestWithParam<TVisualStyles>,
                     protected theme_test::TGdiCountedTest {
protected:
  static void SetUpTestSuite() { RecordGdiObjects(); }
  static void TearDownTestSuite() { ExpectGdiObjectsUnchanged(); }

  bool StylesOn() const { return GetParam() == TVisualStyles::On; }
  // Makes the current theme a Luna scheme (when styles are on).
  void UseLuna(const std::u16string& colorName) {
    m_units.Log().ThemeFileName = u"C:\\WINDOWS\\Resources\\Themes\\Luna\\Luna.msstyles";
    m_units.Log().ColorName = colorName;
  }

  TThemeUnits m_units{GetParam()};
  TPinnedSystemColors m_colors{kClassicColors};
};

INSTANTIATE_TEST_SUITE_P(Styles, Office11Test,
                         testing::Values(TVisualStyles::On, TVisualStyles::ForcedOff),
                         theme_test::StylesName);

// Wine's own theme is no Luna scheme: the colours come from the system
// colours, with styles on or off.
TEST_P(Office11Test, WithoutLunaTheColoursAreMixedFromTheSystemColours) {
  TOffice11ColorsUse use;
  EXPECT_EQ(GetOffice11Scheme(), TOffice11Scheme::schUnknown);
  EXPECT_FALSE(IsXPStandardScheme());
  EXPECT_EQ(dxOffice11TubeGradientPercent(), 75);
  const std::vector<TExpectedColor> table = {
      COLOR_ROW(dxOffice11ToolbarsColor1, 0xF1F1F1),
      COLOR_ROW(dxOffice11ToolbarsColor2, 0xC2C2C2),
      COLOR_ROW(dxOffice11DockColor1, 0xC0C0C0),
      COLOR_ROW(dxOffice11DockColor2, 0xF2F2F2),
      COLOR_ROW(dxOffice11BarMarkColors2[0], 0x808080),
      COLOR_ROW(dxOffice11BarMarkColors1[1], 0xDDC8C1),
      COLOR_ROW(dxOffice11BarMarkColors2[1], 0xDDC8C1),
      COLOR_ROW(dxOffice11BarBorderColors[1], 0xC0C0C0),
      COLOR_ROW(dxOffice11BarBorderMarkColors[0], 0xC0C0C0),
      COLOR_ROW(dxOffice11BarFingerColor2, 0xFFFFFF),
      COLOR_ROW(dxOffice11BarSeparatorColor2, 0xFFFFFF),
      COLOR_ROW(dxOffice11BarFloatingBorderColor2, 0xC2C2C2),
      COLOR_ROW(dxOffice11BarFloatingBorderColor3, 0xF1F1F1),
      COLOR_ROW(dxOffice11BarFloatingCaptionColor, 0x808080),
      COLOR_ROW(dxOffice11BarFloatingCaptionTextColor1, 0xFFFFFF),
      COLOR_ROW(dxOffice11BarMarkArrowColor1, 0x000000),
      COLOR_ROW(dxOffice11DropDownBorderColor2, 0xFFFFFF),
      COLOR_ROW(dxOffice11ToolbarSelectedColor, 0xD4BFB7),
      COLOR_ROW(dxOffice11SelectedColor2, 0xD4BFB7),
      COLOR_ROW(dxOffice11SelectedBorderColor, 0x6A240A),
      COLOR_ROW(dxOffice11DownedColor, 0xD5CDCA),
      COLOR_ROW(dxOffice11DetachableColor, 0xC2C2C2),
      COLOR_ROW(dxOffice11TextDisabledColor, 0x808080),
      COLOR_ROW(dxOffice11GroupIndentColor, 0xC0C0C0),
      COLOR_ROW(dxOffice11GroupRowSeparatorColor, 0x808080),
      COLOR_ROW(dxOffice11MenuNonRecentIndentColor1, 0xDEDEDE),
      COLOR_ROW(dxOffice11NavPaneBorder, 0x808080),
      COLOR_ROW(dxOffice11NavPaneGroupCaptionColor1, 0xDFDFDF),
      COLOR_ROW(dxOffice11NavPaneGroupCaptionColor2, 0xC1C1C1),
      COLOR_ROW(dxOffice11NavPaneGroupCaptionPressedHotColor2, dxOffice11DownedSelectedColor),
      COLOR_ROW(dxOffice11NavPaneHeaderFontColor, 0xFFFFFF),
      COLOR_ROW(dxOffice11NavPaneSplitterColor1, 0xC0C0C0),
      COLOR_ROW(dxOffice11InPlaceSubItemColor, dxOffice11BarBorderMarkColors[3]),
  };
  EXPECT_EQ(Mismatches(table), "");
}

// The three Luna schemes take their colours from the table, whatever the
// letter case of the scheme's name; forced off, the theme is not asked.
TEST_P(Office11Test, LunaSchemesTakeTheirTable) {
  struct Case {
    std::u16string ColorName;
    TOffice11Scheme Scheme;
    int TubePercent;
    std::vector<TExpectedColor> Colors;
  };
  const Case cases[] = {
      {u"NormalColor",
       TOffice11Scheme::schNormalColor,
       41,
       {COLOR_ROW(dxOffice11ToolbarsColor1, 0xFEECDD), COLOR_ROW(dxOffice11DockColor1, 0xF5BE9E),
        COLOR_ROW(dxOffice11BarMarkColors2[0], 0x913500),
        COLOR_ROW(dxOffice11BarBorderMarkColors[3], 0xB96D3E),
        COLOR_ROW(dxOffice11InPlaceSubItemColor, 0xB96D3E),
        COLOR_ROW(dxOffice11MenuNonRecentIndentColor1, 0xEAD9CB),
        COLOR_ROW(dxOffice11SelectedBorderColor, 0x800000),
        COLOR_ROW(dxOffice11GroupIndentColor, 0xC9EEFD),
        COLOR_ROW(dxOffice11GroupRowSeparatorColor, 0xE0A47B),
        COLOR_ROW(dxOffice11NavPaneSplitterColor2, 0x933803),
        COLOR_ROW(dxOffice11BarFloatingCaptionTextColor1, 0xFFFFFF),
        COLOR_ROW(dxOffice11NavPaneHeaderFontColor, 0xFFFFFF)}},
      {u"HOMESTEAD",
       TOffice11Scheme::schHomestead,
       125,
       {COLOR_ROW(dxOffice11ToolbarsColor1, 0xDEF7F4),
        COLOR_ROW(dxOffice11BarSeparatorColor2, 0xDEF7F4),
        COLOR_ROW(dxOffice11GroupColor, 0x91BAAF), COLOR_ROW(dxOffice11DateHeaderColor, 0xA7D9D9),
        COLOR_ROW(dxOffice11ControlBorderColor, 0x5E8D75),
        COLOR_ROW(dxOffice11BarFloatingBorderColor3, 0xDEF7F4)}},
      {u"metallic",
       TOffice11Scheme::schMetallic,
       40,
       {COLOR_ROW(dxOffice11ToolbarsColor2, 0xB59799), COLOR_ROW(dxOffice11MenuColor, 0xFFFAFD),
        COLOR_ROW(dxOffice11DropDownBorderColor2, 0xFFFAFD),
        COLOR_ROW(dxOffice11DownedSelectedColor, 0x3E80FE),
        COLOR_ROW(dxOffice11NavPaneHeaderColor1, 0xBFA7A8),
        COLOR_ROW(dxOffice11MenuDownedColor2, 0xB59799)}},
  };
  for (const Case& c : cases) {
    UseLuna(c.ColorName);
    TOffice11ColorsUse use;
    if (!StylesOn()) {
      EXPECT_EQ(GetOffice11Scheme(), TOffice11Scheme::schUnknown);
      continue;
    }
    EXPECT_EQ(GetOffice11Scheme(), c.Scheme);
    EXPECT_TRUE(IsXPStandardScheme());
    EXPECT_EQ(dxOffice11TubeGradientPercent(), c.TubePercent);
    EXPECT_EQ(Mismatches(c.Colors), "") << static_cast<int>(c.Scheme);
  }
}

// Luna Homestead, then a switch to the classic look (styles off) and the
// system-colour change that comes with it: every colour is mixed again.
TEST_P(Office11Test, SwitchFromLunaToClassicRecomputesFromTheSystemColours) {
  if (!StylesOn())
    return;
  UseLuna(u"HomeStead");
  TOffice11ColorsUse use;
  EXPECT_EQ(dxOffice11ToolbarsColor1, 0xDEF7F4);
  EXPECT_EQ(dxOffice11TubeGradientPercent(), 125);
  TOwned<TBitmap> tube = MakeBitmap(1, 100, clFuchsia);
  FillTubeGradientRect(tube->Canvas()->Handle(), Rect(0, 0, 1, 100), clWhite, false, clBlack);
  EXPECT_EQ(tube->Canvas()->Pixels(0, 50), 0x606060);  // 255 - MulDiv(255, 125, 200)

  m_units.Log().ThemeActive = FALSE;
  ::SendMessageW(dxThemeManager_detail::ReceiverWindow(), WM_THEMECHANGED, 0, 0);
  RefreshOffice11Colors();
  EXPECT_EQ(GetOffice11Scheme(), TOffice11Scheme::schUnknown);
  EXPECT_FALSE(IsXPStandardScheme());
  EXPECT_EQ(dxOffice11TubeGradientPercent(), 75);
  EXPECT_EQ(dxOffice11ToolbarsColor1, 0xF1F1F1);
  EXPECT_EQ(dxOffice11GroupIndentColor, 0xC0C0C0);
  LOGBRUSH brush{};
  ASSERT_NE(::GetObjectW(dxOffice11MenuBrush, sizeof(brush), &brush), 0);
  EXPECT_EQ(brush.lbColor, 0xFFFFFFu);
}

TEST_P(Office11Test, OtherThemesAndSchemesAreUnknown) {
  if (!StylesOn())
    return;
  const std::pair<std::u16string, std::u16string> themes[] = {
      {u"C:\\themes\\Royale.msstyles", u"NormalColor"},
      {u"C:\\themes\\luna.msstyles", u"Blue"},
      {u"C:\\themes\\light.msstyles", u"Metallic"},
  };
  for (const auto& [fileName, colorName] : themes) {
    m_units.Log().ThemeFileName = fileName;
    m_units.Log().ColorName = colorName;
    RefreshOffice11Colors();
    EXPECT_EQ(GetOffice11Scheme(), TOffice11Scheme::schUnknown);
    EXPECT_EQ(dxOffice11TubeGradientPercent(), 75);
  }
}

// In high contrast (a black button face) every light colour is the
// highlight colour.
TEST_P(Office11Test, HighContrastBlackMakesEveryLightColourTheHighlight) {
  TPinnedSystemColors black(ClassicColorsWith(COLOR_BTNFACE, 0x000000));
  TOffice11ColorsUse use;
  EXPECT_TRUE(IsHighContrastBlack());
  EXPECT_TRUE(IsHighContrast2());
  const std::vector<TExpectedColor> table = {
      COLOR_ROW(dxOffice11BarMarkColors1[1], 0x6A240A),
      COLOR_ROW(dxOffice11BarMarkColors1[2], 0x6A240A),
      COLOR_ROW(dxOffice11ToolbarSelectedColor, 0x6A240A),
      COLOR_ROW(dxOffice11DownedColor, 0x6A240A),
      COLOR_ROW(dxOffice11DownedSelectedColor, 0x6A240A),
  };
  EXPECT_EQ(Mismatches(table), "");
}

// A system-colour change followed by the refresh reaches the colours and
// the brushes.
TEST_P(Office11Test, RefreshFollowsTheSystemColours) {
  TOffice11ColorsUse use;
  EXPECT_EQ(dxOffice11DockColor1, 0xC0C0C0);
  TPinnedSystemColors changed(ClassicColorsWith(COLOR_BTNSHADOW, 0x404040));
  RefreshOffice11Colors();
  EXPECT_EQ(dxOffice11BarFingerColor1, GetMiddleRGB(0x404040, clWhite, 76));
  LOGBRUSH brush{};
  ASSERT_NE(::GetObjectW(dxOffice11DropDownBorderBrush1, sizeof(brush), &brush), 0);
  EXPECT_EQ(brush.lbColor, 0x404040u);
  ASSERT_NE(::GetObjectW(dxOffice11BarFingerBrush1, sizeof(brush), &brush), 0);
  EXPECT_EQ(static_cast<TColor>(brush.lbColor), dxOffice11BarFingerColor1);
}

// Brushes and bitmaps live from the first create to the last release;
// shared brushes are one handle; a refresh without users only recomputes.
TEST_P(Office11Test, BrushesLiveBetweenFirstCreateAndLastRelease) {
  EXPECT_EQ(dxOffice11MenuBrush, nullptr);
  ReleaseOffice11Colors();  // without a user: nothing happens
  CreateOffice11Colors();
  CreateOffice11Colors();
  HBRUSH menu = dxOffice11MenuBrush;
  EXPECT_EQ(::GetObjectType(menu), static_cast<DWORD>(OBJ_BRUSH));
  EXPECT_EQ(dxOffice11DropDownBorderBrush2, dxOffice11MenuBrush);
  EXPECT_EQ(dxOffice11StaticBorderBrush, dxOffice11DropDownBorderBrush1);
  EXPECT_EQ(dxOffice11DetachableSelectedBrush, dxOffice11ToolbarSelectedBrush);
  const std::set<HBRUSH> distinct = {
      dxOffice11BarFingerBrush1,     dxOffice11BarFingerBrush2,
      dxOffice11BarSeparatorBrush1,  dxOffice11BarSeparatorBrush2,
      dxOffice11DropDownBorderBrush1, dxOffice11MenuBrush,
      dxOffice11SelectedBorderBrush, dxOffice11OwnerControlDownedBrush,
      dxOffice11DownedBrush,         dxOffice11DownedSelectedBrush,
      dxOffice11DetachableBrush,     dxOffice11ToolbarSelectedBrush,
      dxOffice11InPlaceSubItemBrush};
  EXPECT_EQ(distinct.size(), 13u);
  ASSERT_NE(dxOffice11ExpandButtonBitmap1, nullptr);
  EXPECT_EQ(dxOffice11ExpandButtonBitmap1->Width(), 11);
  EXPECT_EQ(dxOffice11ExpandButtonBitmap2->Height(), 11);
  EXPECT_EQ(dxOffice11ExpandButtonColor2, static_cast<TColor>(RGB(46, 70, 95)));

  ReleaseOffice11Colors();
  EXPECT_EQ(dxOffice11MenuBrush, menu);
  ReleaseOffice11Colors();
  EXPECT_EQ(dxOffice11MenuBrush, nullptr);
  EXPECT_EQ(dxOffice11StaticBorderBrush, nullptr);
  EXPECT_EQ(dxOffice11SubMenuExpandBitmap, nullptr);
  EXPECT_EQ(::GetObjectType(menu), 0u);

  TPinnedSystemColors changed(ClassicColorsWith(COLOR_WINDOW, 0xE0E0E0));
  RefreshOffice11Colors();
  EXPECT_EQ(dxOffice11MenuColor, 0xE0E0E0);
  EXPECT_EQ(dxOffice11MenuBrush, nullptr);
}

// The submenu picture's greys become the shades between the two toolbar
// colours (lightest grey: the first, darkest: the second); its background
// and black stay.
TEST_P(Office11Test, SubMenuPictureTakesTheToolbarColours) {
  TOffice11ColorsUse use;
  TCanvas* canvas = dxOffice11SubMenuExpandBitmap->Canvas();
  std::set<TColor> colors;
  for (int y = 0; y < dxOffice11SubMenuExpandBitmap->Height(); ++y)
    for (int x = 0; x < dxOffice11SubMenuExpandBitmap->Width(); ++x)
      colors.insert(canvas->Pixels(x, y));
  EXPECT_EQ(canvas->Pixels(0, 0), 0xFF00FF);
  EXPECT_TRUE(colors.contains(clBlack));
  EXPECT_TRUE(colors.contains(dxOffice11ToolbarsColor1));
  EXPECT_TRUE(colors.contains(dxOffice11ToolbarsColor2));
  EXPECT_EQ(canvas->Pixels(8, 1), dxOffice11ToolbarsColor1);  // the lightest grey
  EXPECT_EQ(canvas->Pixels(1, 1), dxOffice11ToolbarsColor2);  // the darkest
  // The greys between become greys between the two (classic) greys.
  for (TColor color : colors) {
    if (color != 0xFF00FF && color != clBlack) {
      EXPECT_EQ(color & 0xFF, (color >> 8) & 0xFF) << Hex(color);
    }
  }
}

TEST(Office11Colors, MiddleDarkAndLight) {
  struct Case {
    const char* Name;
    TColor Actual, Expected;
  };
  const Case cases[] = {
      {"middle 50", GetMiddleRGB(clWhite, clBlack, 50), 0x808080},
      {"middle 100 is the first", GetMiddleRGB(0x123456, 0xABCDEF, 100), 0x123456},
      {"middle 0 is the second", GetMiddleRGB(0x123456, 0xABCDEF, 0), 0xABCDEF},
      {"middle -1 stays white", GetMiddleRGB(clBlack, clWhite, -1), 0xFFFFFF},
      {"middle -1 stays black", GetMiddleRGB(clWhite, clBlack, -1), 0x000000},
      {"dark 50 halves to even", Dark(0x80FF40, 50), 0x408020},
      {"dark 100", Dark(0x80FF40, 100), 0x80FF40},
      {"light 0 is white", Light(0x123456, 0), 0xFFFFFF},
      {"light 100 is the colour", Light(0x123456, 100), 0x123456},
      {"light 50 of black", Light(clBlack, 50), 0x808080},
      {"light 50 of white stays white", Light(clWhite, 50), 0xFFFFFF},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Hex(c.Actual), Hex(c.Expected)) << c.Name;
}

// ---- drawing, read back from 32-bit DIB sections

class Office11DrawingTest : public testing::Test, protected theme_test::TGdiCountedTest {
protected:
  static void SetUpTestSuite() { RecordGdiObjects(); }
  static void TearDownTestSuite() { ExpectGdiObjectsUnchanged(); }

  TThemeUnits m_units{TVisualStyles::ForcedOff};
  TPinnedSystemColors m_colors{kClassicColors};
  TOffice11ColorsUse m_use;
};

std::vector<TColor> Row(TBitmap* bitmap, int y) {
  std::vector<TColor> row;
  for (int x = 0; x < bitmap->Width(); ++x)
    row.push_back(bitmap->Canvas()->Pixels(x, y));
  return row;
}

std::vector<TColor> Column(TBitmap* bitmap, int x) {
  std::vector<TColor> column;
  for (int y = 0; y < bitmap->Height(); ++y)
    column.push_back(bitmap->Canvas()->Pixels(x, y));
  return column;
}

// Every pixel is the colour GetGradientColorRect names for it, across
// widths below, at and above the 256-band limit, both ways.
TEST_F(Office11DrawingTest, GradientPixelsAreTheColoursGetGradientColorRectNames) {
  const int extents[] = {1, 2, 3, 10, 255, 256, 257, 300, 600};
  for (bool horizontal : {true, false})
    for (int extent : extents) {
      const int width = horizontal ? extent : 2, height = horizontal ? 2 : extent;
      TOwned<TBitmap> bitmap = MakeBitmap(width, height, clFuchsia);
      const TRect rect{0, 0, width, height};
      FillGradientRect(bitmap->Canvas()->Handle(), rect, 0x204000, horizontal, 0xF080FF);
      const std::vector<TColor> pixels =
          horizontal ? Row(bitmap.get(), 1) : Column(bitmap.get(), 1);
      int wrong = 0;
      for (int p = 0; p < extent; ++p)
        wrong += pixels[p] != GetGradientColorRect(rect, p, 0x204000, horizontal, 0xF080FF);
      EXPECT_EQ(wrong, 0) << extent << (horizontal ? " across" : " down");
      EXPECT_EQ(pixels.front(), 0x204000);
      EXPECT_EQ(pixels.back(), extent == 1 ? 0x204000 : 0xF080FF);
      EXPECT_EQ(std::set<TColor>(pixels.begin(), pixels.end()).size(),
                static_cast<std::size_t>(std::min(extent, 256)));
    }
}

TEST_F(Office11DrawingTest, GradientBandsAreExact) {
  TOwned<TBitmap> bitmap = MakeBitmap(10, 3, clFuchsia);
  FillGradientRect(bitmap->Canvas()->Handle(), Rect(0, 0, 10, 3), clBlack, true, clWhite);
  // Ten bands of one pixel: band i is MulDiv(i, 255, 9).
  const std::vector<TColor> expected = {0x000000, 0x1C1C1C, 0x393939, 0x555555, 0x717171,
                                        0x8E8E8E, 0xAAAAAA, 0xC6C6C6, 0xE3E3E3, 0xFFFFFF};
  EXPECT_EQ(Row(bitmap.get(), 2), expected);
  // 600 pixels: 256 bands of 2 or 3 pixels.
  TOwned<TBitmap> wide = MakeBitmap(600, 1, clFuchsia);
  FillGradientRect(wide->Canvas()->Handle(), Rect(0, 0, 600, 1), clBlack, true, clWhite);
  const std::vector<TColor> row = Row(wide.get(), 0);
  EXPECT_EQ(row[0], 0x000000);
  EXPECT_EQ(row[1], 0x000000);
  EXPECT_EQ(row[2], 0x010101);  // band 1 starts at MulDiv(1, 600, 256) = 2
  EXPECT_EQ(row[599], 0xFFFFFF);
}

TEST_F(Office11DrawingTest, DegenerateGradients) {
  TOwned<TBitmap> bitmap = MakeBitmap(20, 20, clFuchsia);
  HDC dc = bitmap->Canvas()->Handle();
  // One pixel high, down: the first colour.
  FillGradientRect(dc, Rect(0, 0, 20, 1), clRed, false, clBlue);
  EXPECT_EQ(Row(bitmap.get(), 0), std::vector<TColor>(20, clRed));
  // Equal colours (a system colour and its value): one solid fill.
  FillGradientRect(dc, Rect(0, 1, 20, 2), clBtnFace, true, 0xC0C0C0);
  FillTubeGradientRect(dc, Rect(0, 2, 20, 3), clBtnFace, true, 0xC0C0C0);
  EXPECT_EQ(Row(bitmap.get(), 1), std::vector<TColor>(20, 0xC0C0C0));
  EXPECT_EQ(Row(bitmap.get(), 2), std::vector<TColor>(20, 0xC0C0C0));
  // Empty and turned-over rectangles paint nothing.
  FillGradientRect(dc, Rect(5, 5, 5, 10), clRed, true, clBlue);
  FillTubeGradientRect(dc, Rect(9, 5, 5, 10), clRed, true, clBlue);
  EXPECT_FALSE(HasInk(bitmap->Canvas(), Rect(0, 3, 20, 20), clFuchsia));
}

// The tube runs from the first colour to the middle (75 % of the way to
// the second, halved: MulDiv(255, 75, 200) = 96 below white) and on to the
// second.
TEST_F(Office11DrawingTest, TubeGradientBendsAtTheMiddle) {
  TOwned<TBitmap> bitmap = MakeBitmap(1, 100, clFuchsia);
  FillTubeGradientRect(bitmap->Canvas()->Handle(), Rect(0, 0, 1, 100), clWhite, false, clBlack);
  const std::vector<TColor> column = Column(bitmap.get(), 0);
  EXPECT_EQ(column[0], 0xFFFFFF);
  EXPECT_EQ(column[50], 0x9F9F9F);
  EXPECT_EQ(column[99], 0x000000);
  for (int y = 1; y < 100; ++y)
    EXPECT_LE(column[y] & 0xFF, column[y - 1] & 0xFF) << y;  // never lighter going down
}

TEST_F(Office11DrawingTest, FramesAndFills) {
  TOwned<TBitmap> bitmap = MakeBitmap(10, 10, clFuchsia);
  HDC dc = bitmap->Canvas()->Handle();
  Office11FrameSelectedRect(dc, Rect(0, 0, 10, 10));
  FillRectByColor(dc, Rect(2, 2, 8, 8), clBtnShadow);
  FrameRectByColor(dc, Rect(3, 3, 7, 7), clHighlight);
  EXPECT_EQ(MismatchedProbes(bitmap->Canvas(), {{0, 0, 0x6A240A},
                                                {9, 9, 0x6A240A},
                                                {1, 1, clFuchsia},
                                                {2, 2, 0x808080},
                                                {3, 3, 0x6A240A},
                                                {4, 4, 0x808080}}),
            "");
  // In high contrast the selected frame is the highlight text colour.
  TPinnedSystemColors black(ClassicColorsWith(COLOR_BTNFACE, 0x000000));
  Office11FrameSelectedRect(dc, Rect(0, 0, 10, 10));
  EXPECT_EQ(bitmap->Canvas()->Pixels(0, 5), 0xFFFFFF);
}

// Each dot is a dark 2 x 2 square with the light one a pixel down and right
// showing beside it; one dot per 4 pixels.
TEST_F(Office11DrawingTest, FingerDotsAndSizeGrip) {
  TOwned<TBitmap> bitmap = MakeBitmap(13, 12, clFuchsia);
  HDC dc = bitmap->Canvas()->Handle();
  Office11DrawFingerElements(dc, Rect(0, 0, 13, 4), false);  // 13 mod 4 = 1: shifted by 1
  const TColor dark = dxOffice11BarFingerColor1, light = dxOffice11BarFingerColor2;
  EXPECT_EQ(MismatchedProbes(bitmap->Canvas(), {{0, 0, clFuchsia},
                                                {1, 0, dark},
                                                {2, 1, dark},
                                                {3, 1, light},
                                                {2, 2, light},
                                                {3, 2, light},
                                                {4, 0, clFuchsia},
                                                {5, 0, dark},
                                                {9, 0, dark},
                                                {12, 3, clFuchsia}}),
            "");
  TOwned<TBitmap> grip = MakeBitmap(12, 12, clFuchsia);
  Office11DrawSizeGrip(grip->Canvas()->Handle(), Rect(0, 0, 12, 12));
  int dots = 0;
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 12; ++x)
      dots += grip->Canvas()->Pixels(x, y) == dark && x % 4 == 0 && y % 4 == 1;
  EXPECT_EQ(dots, 6);  // rows of 3, 2 and 1
  EXPECT_EQ(grip->Canvas()->Pixels(0, 9), dark);
  EXPECT_EQ(grip->Canvas()->Pixels(0, 5), clFuchsia);
  EXPECT_EQ(grip->Canvas()->Pixels(8, 1), dark);
  SavePicture(grip.get(), "office11-size-grip");
}

// The triangle's size follows the rectangle: a down arrow in 16 x 16 has
// size (16 - 8 - 1) / 2 = 3, five pixels wide from (5, 6) to (9, 6) and its
// tip at (7, 8).
TEST_F(Office11DrawingTest, ItemArrows) {
  struct Case {
    bool Down, Selected, Enabled;
    TPoint Inside[3];
    TPoint Outside[2];
    TColor Color;
  };
  const Case cases[] = {
      {true, false, true, {{5, 6}, {9, 6}, {7, 8}}, {{4, 6}, {7, 9}}, 0x000000},
      // A right arrow in 16 x 16: size (16 - 6 - 1) / 2 = 4, from (6, 4) to
      // (6, 10), tip at (9, 7).
      {false, false, false, {{6, 4}, {6, 10}, {9, 7}}, {{5, 7}, {10, 7}}, 0x808080},
  };
  for (const Case& c : cases) {
    TOwned<TBitmap> bitmap = MakeBitmap(16, 16, clFuchsia);
    Office11DrawItemArrow(bitmap->Canvas()->Handle(), Rect(0, 0, 16, 16), c.Down, c.Selected,
                          c.Enabled, false);
    for (const TPoint& p : c.Inside)
      EXPECT_EQ(bitmap->Canvas()->Pixels(p.X, p.Y), c.Color) << p.X << "," << p.Y;
    for (const TPoint& p : c.Outside)
      EXPECT_EQ(bitmap->Canvas()->Pixels(p.X, p.Y), clFuchsia) << p.X << "," << p.Y;
  }
  // Selected in high-contrast white: a white arrow; at least size 3 in a
  // small rectangle.
  TPinnedSystemColors white(ClassicColorsWith(COLOR_BTNFACE, 0xFFFFFF));
  TOwned<TBitmap> narrow = MakeBitmap(10, 10, clFuchsia);
  Office11DrawItemArrow(narrow->Canvas()->Handle(), Rect(0, 0, 10, 10), true, true, true, true);
  EXPECT_EQ(narrow->Canvas()->Pixels(2, 3), 0xFFFFFF);  // (10 - 5) / 2, (10 - 3) / 2
  EXPECT_EQ(narrow->Canvas()->Pixels(6, 3), 0xFFFFFF);
  EXPECT_EQ(narrow->Canvas()->Pixels(4, 5), 0xFFFFFF);
}

// A sheet of what the routines draw, for people to look at (TEST_PICTURES).
TEST_F(Office11DrawingTest, PictureOfTheRoutines) {
  TOwned<TBitmap> sheet = MakeBitmap(200, 120, dxOffice11DockColor1);
  HDC dc = sheet->Canvas()->Handle();
  FillGradientRect(dc, Rect(0, 0, 200, 20), dxOffice11ToolbarsColor1, false,
                   dxOffice11ToolbarsColor2);
  FillTubeGradientRect(dc, Rect(0, 24, 200, 44), dxOffice11SelectedColor1, false,
                       dxOffice11SelectedColor2);
  FillGradientRect(dc, Rect(0, 48, 200, 68), clBlack, true, clWhite);
  Office11DrawFingerElements(dc, Rect(4, 72, 8, 116), true);
  Office11DrawItemArrow(dc, Rect(20, 72, 36, 88), true, false, true, false);
  Office11DrawItemArrow(dc, Rect(40, 72, 56, 88), false, false, false, false);
  Office11FrameSelectedRect(dc, Rect(60, 72, 100, 92));
  ::BitBlt(dc, 110, 72, dxOffice11SubMenuExpandBitmap->Width(),
           dxOffice11SubMenuExpandBitmap->Height(),
           dxOffice11SubMenuExpandBitmap->Canvas()->Handle(), 0, 0, SRCCOPY);
  Office11DrawSizeGrip(dc, Rect(0, 0, 200, 120));
  SavePicture(sheet.get(), "office11-routines");
  EXPECT_EQ(sheet->Canvas()->Pixels(0, 0), dxOffice11ToolbarsColor1);
}

} // namespace
