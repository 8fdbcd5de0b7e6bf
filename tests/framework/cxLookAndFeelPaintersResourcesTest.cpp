// The painters' shared resources: the unit's start-up and shut-down, the
// small unit routines, and the radio-button images by pixel.
#include "tests/framework/cxLookAndFeelPaintersTestSupport.h"

#include <set>

#include "framework/cxGraphicsColors.h"
#include "framework/cxLookAndFeelPaintersRadio.h"
#include "framework/cxLookAndFeelPaintersRegistry.h"
#include "framework/cxLookAndFeelPaintersShared.h"
#include "framework/dxOffice11.h"
#include "platform/graphics/Bitmaps.h"
#include "platform/graphics/ImageLists.h"

namespace {

using State = TcxButtonState;

constexpr TColor Paper = 0xFF00FF;

const TcxCustomLookAndFeelPainterClass kStandard = TcxStandardLookAndFeelPainter::StaticClass();
const TcxCustomLookAndFeelPainterClass kFlat = TcxFlatLookAndFeelPainter::StaticClass();
const TcxCustomLookAndFeelPainterClass kUltraFlat = TcxUltraFlatLookAndFeelPainter::StaticClass();
const TcxCustomLookAndFeelPainterClass kOffice11 = TcxOffice11LookAndFeelPainter::StaticClass();

// Sets one system colour for the scope, announcing the change both ways.
class TSystemColour {
public:
  TSystemColour(int element, COLORREF colour) : m_element(element), m_old(GetSysColor(element)) {
    Set(colour);
  }
  ~TSystemColour() { Set(m_old); }

private:
  void Set(COLORREF colour) {
    SetSysColors(1, &m_element, &colour);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
      DispatchMessageW(&msg);
  }
  int m_element;
  COLORREF m_old;
};

class PainterResourcesTest : public TcxGraphicsTest {
protected:
  static void SetUpTestSuite() {
    TcxGraphicsTest::SetUpTestSuite();
    cxLookAndFeelPaintersUnit.Initialization();
    // The radio images live as long as the unit once made; both drawing
    // paths run once before the counts.
    TSurface warmUp(20, 20);
    kStandard->DrawRadioButton(warmUp.Canvas(), 0, 0, State::cxbsNormal, true, false, clDefault);
    kStandard->DrawRadioButton(warmUp.Canvas(), 0, 0, State::cxbsNormal, true, false, clRed);
  }
  static void TearDownTestSuite() {
    cxLookAndFeelPaintersUnit.Finalization();
    TcxGraphicsTest::TearDownTestSuite();
  }

  static TcxRadioButtonImageList* Radio() { return PrepareRadioButtonImageList(); }
  // The first pixel of a role, scanning rows from the top.
  static TPoint FirstOf(int role) {
    const TcxRadioButtonPattern& pattern = Radio()->Pattern();
    for (int y = 0; y < static_cast<int>(pattern.size()); ++y)
      for (int x = 0; x < static_cast<int>(pattern[y].size()); ++x)
        if (pattern[y][x] == role)
          return Point(x, y);
    return Point(-1, -1);
  }
  // The last pixel of a role, scanning rows from the bottom.
  static TPoint LastOf(int role) {
    const TcxRadioButtonPattern& pattern = Radio()->Pattern();
    for (int y = static_cast<int>(pattern.size()) - 1; y >= 0; --y)
      for (int x = static_cast<int>(pattern[y].size()) - 1; x >= 0; --x)
        if (pattern[y][x] == role)
          return Point(x, y);
    return Point(-1, -1);
  }
};

TEST_F(PainterResourcesTest, StartUpLoadsIndicatorAndAutoHideImages) {
  ASSERT_NE(cxIndicatorImages, nullptr);
  EXPECT_EQ(cxIndicatorImages->Count(), 6);
  EXPECT_EQ(cxIndicatorImages->Width(), 8);
  EXPECT_EQ(cxIndicatorImages->Height(), 9);
  for (bool on : {false, true}) {
    ASSERT_NE(cxAutoHideBitmap(on), nullptr) << on;
    EXPECT_EQ(cxAutoHideBitmap(on)->Width(), 12) << on;
    EXPECT_EQ(cxAutoHideBitmap(on)->Height(), 12) << on;
    EXPECT_TRUE(cxAutoHideBitmap(on)->Transparent()) << on;
  }
  EXPECT_NE(cxScrollBarPattern(false), nullptr);
  EXPECT_NE(GetExtendedStylePainters(), nullptr);
}

// Each indicator kind draws its own image, white left out.
TEST_F(PainterResourcesTest, IndicatorKindsDrawDistinctImages) {
  std::set<std::string> seen;
  for (int kind = 1; kind <= 6; ++kind) {
    TSurface surface(12, 13, Paper);
    kStandard->DrawIndicatorImage(surface.Canvas(), Rect(0, 0, 12, 13),
                                  static_cast<TcxIndicatorKind>(kind));
    std::string pixels;
    for (int y = 0; y < 13; ++y)
      for (int x = 0; x < 12; ++x) {
        ASSERT_NE(surface.Pixel(x, y), clWhite) << kind << " at " << x << "," << y;
        pixels += surface.Pixel(x, y) == Paper ? '.' : '#';
      }
    EXPECT_NE(pixels.find('#'), std::string::npos) << kind;
    seen.insert(pixels);
  }
  EXPECT_EQ(seen.size(), 6u);
}

TEST_F(PainterResourcesTest, UnitRoutines) {
  EXPECT_EQ(GetCurrentPainterClass(), kUltraFlat);
  EXPECT_EQ(cxTextRect(Rect(10, 20, 50, 40)), Rect(12, 22, 48, 38));
  const std::pair<State, int> states[] = {{State::cxbsDefault, 5},
                                          {State::cxbsNormal, 1},
                                          {State::cxbsHot, 2},
                                          {State::cxbsPressed, 3},
                                          {State::cxbsDisabled, 4}};
  for (const auto& [state, expected] : states)
    EXPECT_EQ(BtnStateToXPBtnState(state), expected) << static_cast<int>(state);
}

// The circle lies in the check-box cell, and the pattern has every role:
// rings, body and (even where the platform's dot is off the centre lines
// the scan starts from) a dot in the middle.
TEST_F(PainterResourcesTest, RadioGeometryAndPattern) {
  const TcxRadioButtonGeometry geometry = cxMeasureRadioButton();
  const TSize cell = kStandard->CheckButtonSize();
  EXPECT_GE(geometry.Circle.Left, 0);
  EXPECT_LE(geometry.Circle.Right, cell.cx);
  EXPECT_LE(geometry.Circle.Bottom, cell.cy);
  EXPECT_GE(geometry.Circle.Right - geometry.Circle.Left, 9);
  const TSize size = Radio()->Size();
  EXPECT_EQ(kStandard->RadioButtonSize().cx, size.cx);
  EXPECT_EQ(kOffice11->RadioButtonSize().cy, size.cy);
  std::set<int> roles;
  for (const auto& row : Radio()->Pattern())
    roles.insert(row.begin(), row.end());
  EXPECT_EQ(roles, (std::set<int>{0, 1, 2, 3, 4, 5, 6}));
  const TPoint centre = Point(size.cx / 2, size.cy / 2);
  EXPECT_EQ(Radio()->Pattern()[centre.Y][centre.X], 6);
  EXPECT_EQ(Radio()->Pattern()[0][0], 0);
  EXPECT_EQ(FirstOf(1).Y, 0);
  EXPECT_EQ(LastOf(2).Y, size.cy - 1);
}

struct TRadioCase {
  const char* Name;
  TcxCustomLookAndFeelPainterClass Painter;
  State S;
  bool Focused;
  bool Highlight;
  TColor Ring;
  TColor Body;
};

// The ring and body colours by look, state, focus and highlight.
TEST_F(PainterResourcesTest, RadioRingAndBodyColours) {
  CreateOffice11Colors();
  const TColor office = dxOffice11SelectedBorderColor;
  const TRadioCase cases[] = {
      {"ultraflat normal", kUltraFlat, State::cxbsNormal, false, false, clBtnShadow, clWindow},
      {"ultraflat hot", kUltraFlat, State::cxbsHot, false, false, clHighlight, GetLightSelColor()},
      {"ultraflat pressed", kUltraFlat, State::cxbsPressed, false, false, clHighlight,
       GetLightDownedSelColor()},
      {"ultraflat focused", kUltraFlat, State::cxbsNormal, true, false, clHighlight, clWindow},
      {"ultraflat highlight", kUltraFlat, State::cxbsNormal, false, true, clHighlight, clWindow},
      {"ultraflat highlight disabled", kUltraFlat, State::cxbsDisabled, false, true, clBtnShadow,
       clBtnFace},
      {"ultraflat default as normal", kUltraFlat, State::cxbsDefault, false, false, clBtnShadow,
       clWindow},
      {"office normal", kOffice11, State::cxbsNormal, false, false, clBtnText, clWindow},
      {"office hot", kOffice11, State::cxbsHot, false, false, office, dxOffice11SelectedColor1},
      {"office disabled", kOffice11, State::cxbsDisabled, true, true, dxOffice11TextDisabledColor,
       clBtnFace},
      {"standard pressed", kStandard, State::cxbsPressed, false, false, clBtnShadow, clBtnFace},
      {"flat normal", kFlat, State::cxbsNormal, true, true, clBtnShadow, clWindow},
  };
  const TPoint ring = FirstOf(1);
  const TPoint body = Point(Radio()->Size().cx / 2, 2);
  ASSERT_EQ(Radio()->Pattern()[body.Y][body.X], 5);
  for (const TRadioCase& c : cases) {
    TSurface surface(20, 20, Paper);
    c.Painter->DrawRadioButton(surface.Canvas(), 3, 4, c.S, false, c.Focused, clDefault,
                               c.Highlight);
    EXPECT_EQ(surface.Mismatches({{3 + ring.X, 4 + ring.Y, Rgb(c.Ring)},
                                  {3 + body.X, 4 + body.Y, Rgb(c.Body)},
                                  {3, 4, Paper},
                                  {2, 3, Paper}}),
              "")
        << c.Name;
  }
  ReleaseOffice11Colors();
}

// The classic looks shade the rings in 3D; the inner ring differs.
TEST_F(PainterResourcesTest, RadioClassicRings) {
  const TPoint outerLower = LastOf(2), innerUpper = FirstOf(3), innerLower = LastOf(4);
  struct Case {
    TcxCustomLookAndFeelPainterClass Painter;
    TColor InnerUpper;
  };
  for (const Case& c : {Case{kStandard, cl3DDkShadow}, Case{kFlat, cl3DLight}}) {
    TSurface surface(20, 20, Paper);
    c.Painter->DrawRadioButton(surface.Canvas(), 0, 0, State::cxbsNormal, false, false, clDefault);
    EXPECT_EQ(surface.Mismatches({{outerLower.X, outerLower.Y, Rgb(clBtnHighlight)},
                                  {innerUpper.X, innerUpper.Y, Rgb(c.InnerUpper)},
                                  {innerLower.X, innerLower.Y, Rgb(cl3DLight)}}),
              "")
        << c.InnerUpper;
  }
}

// A checked image shows its dot; unchecked, the dot is body; disabled, grey.
TEST_F(PainterResourcesTest, RadioDotAndBrushColour) {
  const TPoint dot = Point(Radio()->Size().cx / 2, Radio()->Size().cy / 2);
  struct Case {
    const char* Name;
    TcxCustomLookAndFeelPainterClass Painter;
    State S;
    bool Checked;
    TColor Dot;
  };
  CreateOffice11Colors();
  const Case cases[] = {
      {"checked", kUltraFlat, State::cxbsNormal, true, clWindowText},
      {"unchecked", kUltraFlat, State::cxbsNormal, false, clWindow},
      {"checked disabled", kStandard, State::cxbsDisabled, true, clBtnShadow},
      {"office checked disabled", kOffice11, State::cxbsDisabled, true,
       dxOffice11TextDisabledColor},
  };
  for (const Case& c : cases) {
    TSurface surface(20, 20, Paper);
    c.Painter->DrawRadioButton(surface.Canvas(), 0, 0, c.S, c.Checked, false, clLime);
    EXPECT_EQ(surface.Mismatches({{dot.X, dot.Y, Rgb(c.Dot)}, {0, 0, Rgb(clLime)}}), "") << c.Name;
    EXPECT_EQ(surface.Pixel(Radio()->Size().cx, 0), Paper) << c.Name;
  }
  ReleaseOffice11Colors();
}

// Solid fills and frames take the device context's brush colour and leave
// the canvas's brush as it was.
TEST_F(PainterResourcesTest, SolidFillsLeaveTheCanvasBrush) {
  TSurface surface(12, 12, Paper);
  surface->Brush()->SetColor(clYellow);
  cxFillSolidRect(surface.Canvas(), Rect(1, 1, 11, 11), clBtnFace);
  cxFillSolidRect(surface.Canvas(), Rect(5, 5, 6, 6), clNone);
  cxDrawSolidFrame(surface.Canvas(), Rect(2, 2, 10, 10), clRed, clBlue,
                   {TcxBorder::bLeft, TcxBorder::bBottom});
  EXPECT_EQ(surface.Mismatches({{0, 0, Paper},
                                {1, 1, Rgb(clBtnFace)},
                                {5, 5, Rgb(clBtnFace)},
                                {2, 2, clRed},
                                {2, 9, clBlue},
                                {9, 9, clBlue},
                                {9, 2, Rgb(clBtnFace)},
                                {5, 2, Rgb(clBtnFace)}}),
            "");
  EXPECT_EQ(surface->Brush()->Color(), clYellow);
}

// The page patterns are checkered by the parity of the coordinates.
TEST_F(PainterResourcesTest, ScrollBarPagePatterns) {
  UpdateScrollBarBitmaps();
  TCanvas* normal = cxScrollBarPattern(false)->Canvas();
  TCanvas* pressed = cxScrollBarPattern(true)->Canvas();
  for (const TPoint& p : {Point(0, 0), Point(1, 0), Point(3, 5), Point(7, 7)}) {
    const bool odd = (p.X + p.Y) % 2 != 0;
    EXPECT_EQ(normal->Pixels(p.X, p.Y), Rgb(odd ? clBtnHighlight : clBtnFace)) << p.X << p.Y;
    EXPECT_EQ(pressed->Pixels(p.X, p.Y), odd ? Rgb(cl3DDkShadow) : clBlack) << p.X << p.Y;
  }
}

// A system colour change reaches the images through the unit's notifier.
// The platform remakes its own system-colour brushes on a change, so the
// group's GDI count is kept around the rebuild alone.
class RadioImagesColourChangeTest : public testing::Test {
protected:
  static void SetUpTestSuite() {
    cxGraphicsUnit.Initialization();
    cxLookAndFeelPaintersUnit.Initialization();
    PrepareRadioButtonImageList();
  }
  static void TearDownTestSuite() {
    cxLookAndFeelPaintersUnit.Finalization();
    cxGraphicsUnit.Finalization();
  }
};

TEST_F(RadioImagesColourChangeTest, ImagesFollowSystemColours) {
  const TcxRadioButtonPattern& pattern = PrepareRadioButtonImageList()->Pattern();
  int ringX = 0;
  while (pattern[0][ringX] != 1)
    ++ringX;
  auto ringColour = [&] {
    TSurface surface(20, 20, Paper);
    kUltraFlat->DrawRadioButton(surface.Canvas(), 0, 0, State::cxbsHot, false, false, clDefault);
    return surface.Pixel(ringX, 0);
  };
  {
    const TSystemColour colour(COLOR_HIGHLIGHT, 0x123456);
    EXPECT_EQ(ringColour(), TColor(0x123456));
  }
  EXPECT_EQ(ringColour(), Rgb(clHighlight));
  const int objects = CountGdiObjects();
  cxRebuildRadioButtonImages();
  EXPECT_EQ(ringColour(), Rgb(clHighlight));
  EXPECT_EQ(CountGdiObjects(), objects);
}

} // namespace
