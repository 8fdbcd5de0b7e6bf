// The editors' drawing helpers: fills around an inner rectangle, lines by
// pen and by brush, button borders, arrows and glyphs checked by pixels in
// 32-bit bitmaps, and the metrics, colours, painters and text flags they
// answer. Every test leaves the process's GDI objects as it found them.
#include "editors/cxEditUtils.h"

#include "editors/cxEditProperties.h"
#include "editors/cxEditViewInfo.h"

#include "framework/dxOffice11.h"
#include "framework/dxThemeManager.h"
#include "platform/controls/ControlsUnits.h"
#include "tests/framework/ThemeTestSupport.h"
#include "tests/framework/cxGraphicsCanvasTestSupport.h"
#include "tests/support/Pictures.h"
#include <vector>

#include <vssym32.h>

namespace {

using theme_test::TThemeUnits;
using theme_test::TVisualStyles;

constexpr TColor Ink = clRed;

class EditUtilsTest : public testing::Test {
protected:
  static void SetUpTestSuite() {
    ProgramUnits().Start(ControlsUnits());
    ProgramUnits().Start({&cxEditPaintUtilsUnit, 1});
    ProgramUnits().Start({&cxEditUtilsUnit, 1});
  }
  void SetUp() override { m_objects = CountGdiObjects(); }
  void TearDown() override {
    ResetSolidBrushCache();
    EXPECT_EQ(CountGdiObjects(), m_objects) << "GDI objects leaked";
  }

  int m_objects = 0;
};

TEST_F(EditUtilsTest, InternalFillRectFillsTheBandsAroundTheInnerRectangle) {
  struct Case {
    const char* name;
    TRect inner;
    int inked;
    TRect box;
  };
  const TRect r = Rect(2, 2, 18, 18);
  const Case cases[] = {
      {"bands", Rect(5, 6, 12, 14), 16 * 16 - 7 * 8, r},
      {"empty inner", Rect(0, 0, 0, 0), 16 * 16, r},
      {"inner equal to R", r, 0, Rect(0, 0, 0, 0)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TSurface surface(20, 20);
    InternalFillRect(surface.Canvas(), r, c.inner, GetSolidBrush(Ink));
    EXPECT_EQ(surface.Count(Ink), c.inked);
    EXPECT_EQ(surface.InkBox(Ink), c.box);
  }
  TSurface surface(20, 20);
  InternalFillRect(surface.Canvas(), Rect(5, 5, 5, 9), Rect(0, 0, 0, 0), GetSolidBrush(Ink));
  EXPECT_EQ(surface.Count(Ink), 0);
  InternalFillRect(surface.Canvas(), r, Rect(5, 6, 12, 14), GetSolidBrush(Ink));
  EXPECT_EQ(surface.Mismatches({{5, 6, clWhite},
                                {11, 13, clWhite},
                                {4, 10, Ink},
                                {8, 5, Ink},
                                {12, 10, Ink},
                                {8, 14, Ink}}),
            "");
}

TEST_F(EditUtilsTest, PolylineByPenAndByBrushPaintTheSamePixelsWithTheLastPoint) {
  const TPoint points[] = {{2, 2}, {2, 10}, {12, 10}, {12, 4}};
  TSurface byPen(16, 14);
  TSurface byBrush(16, 14);
  InternalPolyLine(byPen.Canvas(), points, Ink);
  InternalPolyLine(byBrush.Canvas(), points, Ink, true);
  EXPECT_EQ(byPen.Count(Ink), 9 + 10 + 6);
  for (int y = 0; y < 14; ++y)
    for (int x = 0; x < 16; ++x)
      ASSERT_EQ(byPen.Pixel(x, y), byBrush.Pixel(x, y)) << x << ", " << y;
  EXPECT_EQ(byPen.Mismatches({{12, 4, Ink}, {2, 2, Ink}, {12, 3, clWhite}}), "");
}

TEST_F(EditUtilsTest, ButtonBorderDrawsTheChosenSidesAndShrinksTheRectangle) {
  using B = TcxBorder;
  struct Case {
    TcxBorders borders;
    TRect after;
    int inked;
  };
  const Case cases[] = {
      {cxBordersAll, Rect(1, 1, 9, 7), 2 * 10 + 2 * 8 - 4},
      {{B::bLeft}, Rect(1, 0, 10, 8), 8},
      {{B::bRight}, Rect(0, 0, 9, 8), 8},
      {{B::bTop, B::bBottom}, Rect(0, 1, 10, 7), 20},
      {{}, Rect(0, 0, 10, 8), 0},
  };
  for (const Case& c : cases) {
    TSurface surface(12, 10);
    TRect r = Rect(0, 0, 10, 8);
    DrawButtonBorder(surface.Canvas(), r, c.borders, Ink);
    EXPECT_EQ(r, c.after);
    EXPECT_EQ(surface.Count(Ink), c.inked);
    EXPECT_FALSE(HasInk(surface.Bitmap()->Canvas(), Rect(10, 0, 12, 10), clWhite));
    EXPECT_FALSE(HasInk(surface.Bitmap()->Canvas(), Rect(0, 8, 12, 10), clWhite));
  }
}

TEST_F(EditUtilsTest, ArrowsAreCentredTrianglesOfOnePixelLines) {
  using D = TcxArrowDirection;
  struct Case {
    const char* name;
    TRect bounds;
    int size;
    D direction;
    bool twice, offset;
    TRect box;
    TProbe apex, base;
  };
  const Case cases[] = {
      {"down",
       Rect(0, 0, 15, 10),
       4,
       D::adDown,
       false,
       false,
       Rect(4, 3, 11, 7),
       {7, 6, Ink},
       {4, 3, Ink}},
      {"up",
       Rect(0, 0, 15, 10),
       4,
       D::adUp,
       false,
       false,
       Rect(4, 3, 11, 7),
       {7, 3, Ink},
       {10, 6, Ink}},
      {"left",
       Rect(0, 0, 10, 15),
       4,
       D::adLeft,
       false,
       false,
       Rect(3, 4, 7, 11),
       {3, 7, Ink},
       {6, 4, Ink}},
      {"right",
       Rect(0, 0, 10, 15),
       4,
       D::adRight,
       false,
       false,
       Rect(3, 4, 7, 11),
       {6, 7, Ink},
       {3, 10, Ink}},
      {"down, halves toward zero",
       Rect(0, 0, 14, 9),
       4,
       D::adDown,
       false,
       false,
       Rect(3, 2, 10, 6),
       {6, 5, Ink},
       {3, 2, Ink}},
      {"down, offset",
       Rect(0, 0, 15, 10),
       4,
       D::adDown,
       false,
       true,
       Rect(5, 4, 12, 8),
       {8, 7, Ink},
       {5, 4, Ink}},
      {"down, twice",
       Rect(0, 0, 11, 12),
       3,
       D::adDown,
       true,
       false,
       Rect(3, 3, 8, 9),
       {5, 8, Ink},
       {3, 6, Ink}},
      {"right, twice",
       Rect(0, 0, 12, 11),
       3,
       D::adRight,
       true,
       false,
       Rect(3, 3, 9, 8),
       {8, 5, Ink},
       {6, 3, Ink}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TSurface surface(16, 16);
    DrawArrow(surface.Canvas(), c.size, c.bounds, c.direction, c.twice, c.offset, Ink);
    EXPECT_EQ(surface.InkBox(Ink), c.box);
    EXPECT_EQ(surface.Count(Ink), (c.twice ? 2 : 1) * c.size * c.size);
    EXPECT_EQ(surface.Mismatches({c.apex, c.base}), "");
    SavePicture(surface.Bitmap(), std::string("edit-arrow-") + c.name);
  }
}

TEST_F(EditUtilsTest, ArrowSizeFitsTheSmallerSide) {
  struct Case {
    TSize size;
    TcxArrowDirection direction;
    TSize arrow;
  };
  const Case cases[] = {
      {{15, 21}, TcxArrowDirection::adDown, {7, 4}}, {{15, 21}, TcxArrowDirection::adRight, {4, 7}},
      {{21, 15}, TcxArrowDirection::adUp, {7, 4}},   {{10, 10}, TcxArrowDirection::adLeft, {3, 5}},
      {{9, 9}, TcxArrowDirection::adDown, {5, 3}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(GetArrowSize(c.size, c.direction), c.arrow)
        << c.size.cx << "x" << c.size.cy << " " << static_cast<int>(c.direction);
}

// A 6 x 6 glyph: fuchsia (its transparent colour) round a black 2 x 2 centre.
TOwned<TBitmap> MakeGlyph() {
  TOwned<TBitmap> glyph = MakeBitmap(6, 6, clFuchsia);
  glyph->Canvas()->Brush()->SetColor(clBlack);
  glyph->Canvas()->FillRect(Rect(2, 2, 4, 4));
  glyph->SetTransparentColor(clFuchsia);
  return glyph;
}

TEST_F(EditUtilsTest, EnabledGlyphTakesTheBackgroundInItsTransparentColour) {
  TOwned<TBitmap> glyph = MakeGlyph();
  TSurface coloured(12, 12);
  DrawGlyph(coloured.Canvas(), 3, 3, glyph.get(), true, clYellow);
  EXPECT_EQ(coloured.Mismatches({{3, 3, clYellow},
                                 {8, 8, clYellow},
                                 {5, 5, clBlack},
                                 {6, 6, clBlack},
                                 {2, 2, clWhite},
                                 {9, 9, clWhite}}),
            "");
  EXPECT_EQ(coloured.Canvas()->Brush()->Style(), TBrushStyle::bsSolid);

  TSurface clear(12, 12);
  DrawGlyph(clear.Canvas(), 3, 3, glyph.get(), true, clNone);
  EXPECT_EQ(clear.Mismatches({{3, 3, clWhite}, {5, 5, clBlack}}), "");
  EXPECT_EQ(clear.Count(clBlack), 4);

  TOwned<TBitmap> background = MakeBitmap(8, 8, clLime);
  TSurface onBitmap(12, 12);
  DrawGlyph(onBitmap.Canvas(), 2, 2, glyph.get(), true, clYellow, background.get());
  EXPECT_EQ(
      onBitmap.Mismatches({{2, 2, clLime}, {9, 9, clLime}, {4, 4, clBlack}, {10, 10, clWhite}}),
      "");
}

TEST_F(EditUtilsTest, DisabledGlyphIsGreyedOnItsBackground) {
  TOwned<TBitmap> glyph = MakeGlyph();
  TSurface coloured(12, 12);
  DrawGlyph(coloured.Canvas(), 3, 3, glyph.get(), false, clYellow);
  EXPECT_EQ(coloured.Mismatches({{3, 3, clYellow}, {8, 8, clYellow}, {2, 2, clWhite}}), "");
  EXPECT_NE(coloured.Pixel(5, 5), clBlack);
  EXPECT_NE(coloured.Pixel(5, 5), clYellow);

  TSurface clear(12, 12);
  DrawGlyph(clear.Canvas(), 3, 3, glyph.get(), false, clNone);
  EXPECT_EQ(clear.Mismatches({{3, 3, clWhite}, {8, 8, clWhite}}), "");
  EXPECT_NE(clear.Pixel(5, 5), clBlack);
  EXPECT_NE(clear.Pixel(5, 5), clWhite);

  TSurface empty(4, 4);
  TOwned<TBitmap> none(Create<TBitmap>());
  DrawGlyph(empty.Canvas(), 0, 0, none.get(), false, clYellow);
  DrawGlyph(empty.Canvas(), 0, 0, nullptr, true, clYellow);
  EXPECT_EQ(empty.Count(clWhite), 16);
}

TEST_F(EditUtilsTest, ImageListGlyphIsDrawnOnABackgroundOfTheListsSize) {
  TOwned<TBitmap> glyph = MakeGlyph();
  TOwned<TCustomImageList> images(Create<TCustomImageList>(nullptr));
  images->SetSize(6, 6);
  images->AddMasked(glyph.get(), clFuchsia);
  for (bool enabled : {true, false}) {
    SCOPED_TRACE(enabled);
    TSurface surface(12, 12);
    DrawGlyph(surface.Canvas(), images.get(), 0, Rect(2, 3, 20, 20), clYellow, enabled);
    EXPECT_EQ(surface.InkBox(clYellow), Rect(2, 3, 8, 9));
    if (enabled)
      EXPECT_EQ(surface.Count(clYellow), 32);
    EXPECT_EQ(surface.Pixel(4, 5) == clBlack, enabled);
  }
  EXPECT_FALSE(VerifyImages(nullptr));
  EXPECT_TRUE(VerifyImages(images.get()));
}

TEST_F(EditUtilsTest, CanvasFontIsSavedAndRestored) {
  TSurface surface(4, 4);
  surface->Font()->SetName("Tahoma");
  surface->Font()->SetSize(13);
  LOGFONTW saved{};
  SaveCanvasFont(surface.Canvas(), saved);
  surface->Font()->SetName("Courier New");
  surface->Font()->SetSize(8);
  RestoreCanvasFont(surface.Canvas(), saved);
  EXPECT_EQ(surface->Font()->Name(), "Tahoma");
  EXPECT_EQ(surface->Font()->Size(), 13);
}

TEST_F(EditUtilsTest, ButtonStylesTakeTheirContentOffset) {
  using S = TcxEditButtonStyle;
  const std::pair<S, int> table[] = {{S::btsDefault, 0}, {S::bts3D, 4},      {S::btsFlat, 2},
                                     {S::btsSimple, 2},  {S::btsHotFlat, 2}, {S::btsUltraFlat, 2},
                                     {S::btsOffice11, 2}};
  TSurface surface(4, 4);
  for (const auto& [style, offset] : table)
    EXPECT_EQ(GetEditButtonsContentVerticalOffset(surface.Canvas(), style, false), offset);
}

TEST_F(EditUtilsTest, NativeButtonOffsetIsTheThemesContentMargins) {
  TSurface surface(4, 4);
  for (TVisualStyles styles : {TVisualStyles::On, TVisualStyles::ForcedOff}) {
    SCOPED_TRACE(styles);
    TThemeUnits units(styles);
    int expected = 0;
    if (const HTHEME theme = OpenTheme(TdxThemedObjectType::totButton)) {
      RECT bounds{0, 0, 100, 100};
      RECT content{};
      dxUxTheme::GetThemeBackgroundContentRect(theme, surface->Handle(), BP_PUSHBUTTON, PBS_NORMAL,
                                               &bounds, &content);
      expected = content.top + (100 - content.bottom);
    }
    EXPECT_EQ(
        GetEditButtonsContentVerticalOffset(surface.Canvas(), TcxEditButtonStyle::bts3D, true),
        expected);
    if (styles == TVisualStyles::ForcedOff)
      EXPECT_EQ(expected, 0);
  }
}

TEST_F(EditUtilsTest, PainterClassFollowsTheKindUnlessNativeStylesAreThere) {
  using K = TcxLookAndFeelKind;
  const std::pair<K, TcxCustomLookAndFeelPainterClass> table[] = {
      {K::lfFlat, TcxFlatLookAndFeelPainter::StaticClass()},
      {K::lfStandard, TcxStandardLookAndFeelPainter::StaticClass()},
      {K::lfUltraFlat, TcxUltraFlatLookAndFeelPainter::StaticClass()},
      {K::lfOffice11, TcxOffice11LookAndFeelPainter::StaticClass()},
  };
  for (TVisualStyles styles : {TVisualStyles::On, TVisualStyles::ForcedOff}) {
    SCOPED_TRACE(styles);
    TThemeUnits units(styles);
    for (const auto& [kind, painter] : table) {
      EXPECT_EQ(GetPainterClass(false, kind), painter);
      EXPECT_EQ(GetPainterClass(true, kind),
                styles == TVisualStyles::On ? TcxWinXPLookAndFeelPainter::StaticClass() : painter);
    }
  }
}

TEST_F(EditUtilsTest, HotTrackColourNeedsAPlatformWithTheHotLightColour) {
  struct Case {
    DWORD platform, major, minor;
    bool available;
  };
  const Case cases[] = {
      {VER_PLATFORM_WIN32_NT, 5, 0, true},       {VER_PLATFORM_WIN32_NT, 5, 1, true},
      {VER_PLATFORM_WIN32_NT, 6, 1, false},      {VER_PLATFORM_WIN32_NT, 10, 0, false},
      {VER_PLATFORM_WIN32_NT, 4, 0, false},      {VER_PLATFORM_WIN32_WINDOWS, 4, 10, true},
      {VER_PLATFORM_WIN32_WINDOWS, 4, 0, false},
  };
  for (const Case& c : cases) {
    OSVERSIONINFOW version{};
    version.dwPlatformId = c.platform;
    version.dwMajorVersion = c.major;
    version.dwMinorVersion = c.minor;
    EXPECT_EQ(IsHotLightColorAvailable(version), c.available)
        << c.platform << " " << c.major << "." << c.minor;
  }
  OSVERSIONINFOW running{};
  running.dwOSVersionInfoSize = sizeof(running);
  ASSERT_TRUE(::GetVersionExW(&running));
  EXPECT_EQ(GetHotTrackColor(),
            IsHotLightColorAvailable(running) ? TColor(::GetSysColor(COLOR_HOTLIGHT)) : clBlue);
}

TEST_F(EditUtilsTest, HighlightColoursComeFromTheirLooks) {
  EXPECT_EQ(GetEditBorderHighlightColor(false), clHighlight);
  EXPECT_EQ(GetEditBorderHighlightColor(true), dxOffice11SelectedBorderColor);
  using S = TcxButtonState;
  EXPECT_EQ(GetEditButtonHighlightColor(true, false),
            TcxUltraFlatLookAndFeelPainter::StaticClass()->ButtonColor(S::cxbsPressed));
  EXPECT_EQ(GetEditButtonHighlightColor(false, false),
            TcxUltraFlatLookAndFeelPainter::StaticClass()->ButtonColor(S::cxbsHot));
  EXPECT_EQ(GetEditButtonHighlightColor(true, true),
            TcxOffice11LookAndFeelPainter::StaticClass()->ButtonColor(S::cxbsPressed));
  EXPECT_EQ(GetEditButtonHighlightColor(false, true),
            TcxOffice11LookAndFeelPainter::StaticClass()->ButtonColor(S::cxbsHot));
}

TEST_F(EditUtilsTest, InPlaceEditorsWithButtonsCorrectTheContentHeight) {
  TOwned<TcxCustomEditProperties> properties(Create<TcxCustomEditProperties>(nullptr));
  EXPECT_EQ(GetNativeInnerTextEditContentHeightCorrection(properties.get(), true), 0);
  properties->Buttons()->Add();
  EXPECT_EQ(GetNativeInnerTextEditContentHeightCorrection(properties.get(), true), 1);
  EXPECT_EQ(GetNativeInnerTextEditContentHeightCorrection(properties.get(), false), 0);
}

TEST_F(EditUtilsTest, DefaultButtonWidthComesFromTheContentOrTheScrollBar) {
  const int scrollBar = ::GetSystemMetrics(SM_CYHSCROLL);
  TOwned<TBitmap> glyph = MakeBitmap(16, 16);
  TSurface surface(4, 4);
  const int caption = surface->TextWidth("Ab");
  struct Case {
    const char* name;
    TcxEditButtonKind kind;
    int width;
    TBitmap* glyph;
    int expected;
  };
  const Case cases[] = {
      {"arrow", TcxEditButtonKind::bkDown, 0, nullptr, scrollBar},
      {"ellipsis", TcxEditButtonKind::bkEllipsis, 0, nullptr, scrollBar},
      {"text", TcxEditButtonKind::bkText, 0, nullptr, std::max(scrollBar, 4 + caption + 3)},
      {"glyph", TcxEditButtonKind::bkGlyph, 0, glyph.get(), 20},
      {"glyph missing", TcxEditButtonKind::bkGlyph, 0, nullptr, scrollBar},
      {"narrow width", TcxEditButtonKind::bkDown, 2, nullptr, 4},
      {"own width", TcxEditButtonKind::bkText, 30, nullptr, 30},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TOwned<TcxEditButtonViewInfo> button(Create<TcxEditButtonViewInfo>());
    button->Kind = c.kind;
    button->Width = c.width;
    button->Glyph = c.glyph;
    button->VisibleCaption = "Ab";
    EXPECT_EQ(CalculateEditDefaultButtonWidth(surface.Canvas(), button.get()), c.expected);
    EXPECT_FALSE(button->Native);
  }
}

TEST_F(EditUtilsTest, NativeButtonsTakeTheThemesStateAndShape) {
  const auto native = [&](TVisualStyles styles) {
    SCOPED_TRACE(styles);
    TSurface surface(30, 30);
    TThemeUnits units(styles);
    const bool themed = AreVisualStylesMustBeUsed(true, TdxThemedObjectType::totButton);
    EXPECT_EQ(themed, styles == TVisualStyles::On);
    TOwned<TcxEditButtonViewInfo> button(Create<TcxEditButtonViewInfo>());
    button->Native = true;
    button->Width = 2;
    button->Bounds = Rect(5, 5, 22, 25);
    const int width = CalculateEditDefaultButtonWidth(surface.Canvas(), button.get());
    EXPECT_EQ(button->Native, themed);
    if (!themed)
      EXPECT_EQ(width, 4);
    const std::pair<TcxEditButtonState, int> states[] = {{TcxEditButtonState::ebsDisabled, 4},
                                                         {TcxEditButtonState::ebsNormal, 1},
                                                         {TcxEditButtonState::ebsPressed, 3},
                                                         {TcxEditButtonState::ebsSelected, 2}};
    for (const auto& [state, nativeState] : states) {
      button->State = state;
      CalculateEditButtonState(button.get());
      EXPECT_EQ(button->NativePart, themed ? 1 : 0);
      EXPECT_EQ(button->NativeState, themed ? nativeState : 0);
    }
    TOwned<TcxRegion> region(GetEditButtonRegion(surface.Canvas(), button.get()));
    TRect box{};
    ::GetRgnBox(region->Handle(), AsRECT(box));
    EXPECT_TRUE(box.Left >= 5 && box.Top >= 5 && box.Right <= 22 && box.Bottom <= 25);
    EXPECT_TRUE(region->PtInRegion(Point(13, 15)));
  };
  // The theme keeps what it loads for a part: one round before the count.
  for (TVisualStyles styles : {TVisualStyles::On, TVisualStyles::ForcedOff})
    native(styles);
  m_objects = CountGdiObjects();
  for (TVisualStyles styles : {TVisualStyles::On, TVisualStyles::ForcedOff})
    native(styles);
  TSurface surface(30, 30);
  TOwned<TcxEditButtonViewInfo> plain(Create<TcxEditButtonViewInfo>());
  plain->Bounds = Rect(1, 2, 7, 9);
  CalculateEditButtonState(plain.get());
  EXPECT_EQ(plain->NativePart, 0);
  EXPECT_FALSE(plain->BackgroundPartiallyTransparent);
  TOwned<TcxRegion> region(GetEditButtonRegion(surface.Canvas(), plain.get()));
  TRect box{};
  ::GetRgnBox(region->Handle(), AsRECT(box));
  EXPECT_EQ(box, Rect(1, 2, 7, 9));
}

// An editor of 20 x 14 with its border rectangle 2 pixels in.
TOwned<TcxCustomEditViewInfo> MakeEditViewInfo(TcxContainerBorderStyle ABorderStyle) {
  TOwned<TcxCustomEditViewInfo> viewInfo(Create<TcxCustomEditViewInfo>());
  viewInfo->Bounds = Rect(0, 0, 20, 14);
  viewInfo->BorderRect = Rect(2, 2, 18, 12);
  viewInfo->ClientRect = viewInfo->BorderRect;
  viewInfo->BorderStyle = ABorderStyle;
  viewInfo->BorderColor = clRed;
  viewInfo->Edges = cxBordersAll;
  viewInfo->SetBackgroundColor(clYellow);
  return viewInfo;
}

TEST_F(EditUtilsTest, CustomEditDrawsEachBorderStyleAroundItsBackground) {
  using S = TcxContainerBorderStyle;
  const TColor shadow = ColorToRGB(clBtnShadow);
  const TColor light = ColorToRGB(clBtnHighlight);
  struct Case {
    const char* name;
    S style;
    std::vector<TProbe> probes;
  };
  const Case cases[] = {
      {"none", S::cbsNone, {{2, 2, clYellow}, {17, 11, clYellow}, {1, 1, clWhite}}},
      {"single", S::cbsSingle, {{1, 1, clRed}, {18, 12, clRed}, {2, 2, clYellow}, {0, 0, clWhite}}},
      {"thick", S::cbsThick, {{0, 0, clRed}, {1, 1, clRed}, {19, 13, clRed}, {2, 2, clYellow}}},
      {"flat",
       S::cbsFlat,
       {{0, 0, shadow}, {19, 13, light}, {1, 1, ColorToRGB(clBtnFace)}, {2, 2, clYellow}}},
      {"3D",
       S::cbs3D,
       {{0, 0, shadow},
        {19, 13, light},
        {1, 1, ColorToRGB(cl3DDkShadow)},
        {18, 12, ColorToRGB(cl3DLight)},
        {2, 2, clYellow}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TOwned<TcxCustomEditViewInfo> viewInfo = MakeEditViewInfo(c.style);
    TSurface surface(20, 14);
    DrawCustomEdit(surface.Canvas(), viewInfo.get(), true,
                   TcxEditBackgroundPaintingStyle::bpsSolid);
    for (const TProbe& probe : c.probes)
      EXPECT_EQ(surface.Pixel(probe.X, probe.Y), probe.Expected) << probe.X << ", " << probe.Y;
    SavePicture(surface.Bitmap(), std::string("edit-frame-") + c.name);
  }
}

TEST_F(EditUtilsTest, CustomEditFillFollowsTransparencyAndInPlaceContentOffsets) {
  using S = TcxContainerBorderStyle;
  {
    SCOPED_TRACE("3D without its right edge");
    TOwned<TcxCustomEditViewInfo> viewInfo = MakeEditViewInfo(S::cbs3D);
    viewInfo->Edges = {TcxBorder::bLeft, TcxBorder::bTop, TcxBorder::bBottom};
    TSurface surface(20, 14);
    DrawCustomEdit(surface.Canvas(), viewInfo.get(), true,
                   TcxEditBackgroundPaintingStyle::bpsSolid);
    EXPECT_EQ(surface.Mismatches({{17, 6, clYellow}, {18, 6, clWhite}, {19, 6, clWhite}}), "");
  }
  {
    SCOPED_TRACE("transparent");
    TOwned<TcxCustomEditViewInfo> viewInfo = MakeEditViewInfo(S::cbsSingle);
    viewInfo->Transparent = true;
    TSurface surface(20, 14);
    DrawCustomEdit(surface.Canvas(), viewInfo.get(), true,
                   TcxEditBackgroundPaintingStyle::bpsSolid);
    EXPECT_EQ(surface.Mismatches({{5, 5, clWhite}, {1, 1, clRed}}), "");
  }
  {
    SCOPED_TRACE("in place, whole background");
    TOwned<TcxCustomEditViewInfo> viewInfo = MakeEditViewInfo(S::cbsNone);
    viewInfo->IsInplace = true;
    TSurface surface(20, 14);
    DrawCustomEdit(surface.Canvas(), viewInfo.get(), true,
                   TcxEditBackgroundPaintingStyle::bpsSolid);
    EXPECT_EQ(surface.Count(clYellow), 20 * 14);
  }
  {
    SCOPED_TRACE("in place, content offsets only");
    TOwned<TcxCustomEditViewInfo> viewInfo = MakeEditViewInfo(S::cbsNone);
    viewInfo->IsInplace = true;
    viewInfo->HasContentOffsets = true;
    TSurface surface(20, 14);
    DrawCustomEdit(surface.Canvas(), viewInfo.get(), false,
                   TcxEditBackgroundPaintingStyle::bpsSolid);
    EXPECT_EQ(surface.Count(clYellow), 20 * 14 - 16 * 10);
    EXPECT_EQ(surface.Mismatches({{0, 0, clYellow}, {19, 13, clYellow}, {5, 5, clWhite}}), "");
  }
}

TEST(EditUtilsFlagsTest, TextOutFormatAndCanvasFlagsConvertBothWays) {
  using X = TcxTextAlignX;
  using Y = TcxTextAlignY;
  struct Case {
    TcxTextOutFormat format;
    int flags;
  };
  const Case pairs[] = {
      {cxMakeFormat(X::taCenterX, Y::taTop), cxcfAlignHCenter},
      {cxMakeFormat(X::taRight, Y::taTop), cxcfAlignRight},
      {cxMakeFormat(X::taLeft, Y::taCenterY), cxcfAlignVCenter},
      {cxMakeFormat(X::taLeft, Y::taBottom), cxcfAlignBottom},
      {cxtfSingleLine, cxcfSingleLine},
      {cxtfWordWrap, cxcfWordBreak},
      {cxMakeFormat(X::taLeft, Y::taTop), 0},
      {cxMakeFormat(X::taCenterX, Y::taCenterY) | cxtfSingleLine,
       cxcfAlignHCenter | cxcfAlignVCenter | cxcfSingleLine},
  };
  for (const Case& c : pairs) {
    EXPECT_EQ(cxTextOutFlagsToDrawTextFlags(c.format), c.flags) << std::hex << c.format;
    EXPECT_EQ(DrawTextFlagsTocxTextOutFlags(c.flags), c.format) << std::hex << c.flags;
  }
  EXPECT_EQ(cxTextOutFlagsToDrawTextFlags(cxMakeFormat(X::taJustifyX, Y::taDistributeY) |
                                          cxtfEndEllipsis | cxtfExpandTabs),
            0);
  EXPECT_EQ(DrawTextFlagsTocxTextOutFlags(cxcfAlignLeft | cxcfAlignTop | cxcfShowPrefix), 0u);
}

} // namespace
