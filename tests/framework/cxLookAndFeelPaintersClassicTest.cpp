// The Standard, Flat and UltraFlat painters by pixel.
#include "tests/framework/cxLookAndFeelPaintersTestSupport.h"

#include "framework/cxGraphicsColors.h"

namespace {

using State = TcxButtonState;
using Part = TcxScrollBarPart;

const TcxCustomLookAndFeelPainterClass kStandard = TcxStandardLookAndFeelPainter::StaticClass();
const TcxCustomLookAndFeelPainterClass kFlat = TcxFlatLookAndFeelPainter::StaticClass();
const TcxCustomLookAndFeelPainterClass kUltraFlat = TcxUltraFlatLookAndFeelPainter::StaticClass();

class ClassicPaintersTest : public TcxGraphicsTest {
protected:
  static void SetUpTestSuite() {
    TcxGraphicsTest::SetUpTestSuite();
    cxLookAndFeelPaintersUnit.Initialization();
    // The page patterns' canvases and the platform's first frame-control
    // glyphs make objects that live as long as the unit does.
    TSurface warmUp(16, 16);
    for (TcxButtonState state : {TcxButtonState::cxbsNormal, TcxButtonState::cxbsPressed})
      TcxStandardLookAndFeelPainter::StaticClass()->DrawScrollBarPart(
          warmUp.Canvas(), true, Rect(0, 0, 16, 16), TcxScrollBarPart::sbpPageUp, state);
    RECT r = {0, 0, 16, 16};
    DrawFrameControl(warmUp->Handle(), &r, DFC_SCROLL, DFCS_SCROLLDOWN);
  }
  static void TearDownTestSuite() {
    cxLookAndFeelPaintersUnit.Finalization();
    TcxGraphicsTest::TearDownTestSuite();
  }
};

struct TProbeRow {
  const char* Name;
  TcxCustomLookAndFeelPainterClass Painter;
  State S;
  std::vector<TProbe> Probes;
};

std::string Mismatches(const TSurface& surface, const std::vector<TProbe>& probes) {
  std::string result;
  for (const TProbe& probe : probes) {
    TColor actual = surface.Pixel(probe.X, probe.Y);
    if (actual != Rgb(probe.Expected))
      result += DescribeProbe({probe.X, probe.Y, Rgb(probe.Expected)}, actual) + "\n";
  }
  return result;
}

TEST_F(ClassicPaintersTest, PushButtonBordersAndFaces) {
  const TColor hot = GetLightSelColor();
  const TColor down = GetLightDownedSelColor();
  const TProbeRow rows[] = {
      {"Standard normal", kStandard, State::cxbsNormal,
       {{0, 0, clBtnHighlight}, {19, 19, cl3DDkShadow}, {1, 1, cl3DLight}, {18, 18, clBtnShadow},
        {10, 10, clBtnFace}}},
      {"Standard hot", kStandard, State::cxbsHot,
       {{0, 0, clBtnHighlight}, {19, 19, cl3DDkShadow}, {10, 10, clBtnFace}}},
      {"Standard default", kStandard, State::cxbsDefault,
       {{0, 0, clBlack}, {19, 19, clBlack}, {1, 1, clBtnHighlight}, {18, 18, cl3DDkShadow},
        {2, 2, cl3DLight}, {17, 17, clBtnShadow}, {10, 10, clBtnFace}}},
      {"Standard pressed", kStandard, State::cxbsPressed,
       {{0, 0, clBlack}, {19, 19, clBlack}, {1, 1, clBtnShadow}, {18, 18, clBtnShadow},
        {10, 10, clBtnFace}}},
      {"Flat normal", kFlat, State::cxbsNormal,
       {{0, 0, clBtnHighlight}, {19, 19, clBtnShadow}, {1, 1, clBtnFace}}},
      {"Flat pressed", kFlat, State::cxbsPressed,
       {{0, 0, clBtnShadow}, {19, 19, clBtnHighlight}, {1, 1, clBtnFace}}},
      {"Flat default", kFlat, State::cxbsDefault,
       {{0, 0, clBlack}, {19, 19, clBlack}, {1, 1, clBtnHighlight}, {18, 18, clBtnShadow},
        {2, 2, clBtnFace}}},
      {"UltraFlat normal", kUltraFlat, State::cxbsNormal,
       {{0, 0, clBtnText}, {19, 19, clBtnText}, {1, 1, clBtnFace}}},
      {"UltraFlat hot", kUltraFlat, State::cxbsHot,
       {{0, 0, clHighlight}, {19, 19, clHighlight}, {1, 1, hot}}},
      {"UltraFlat pressed", kUltraFlat, State::cxbsPressed,
       {{0, 0, clHighlight}, {1, 1, down}, {10, 10, down}}},
      {"UltraFlat disabled", kUltraFlat, State::cxbsDisabled,
       {{0, 0, clBtnShadow}, {1, 1, clBtnFace}}},
      {"UltraFlat default", kUltraFlat, State::cxbsDefault,
       {{0, 0, clWindowFrame}, {1, 1, clWindowFrame}, {18, 18, clWindowFrame}, {2, 2, clBtnFace}}},
  };
  for (const TProbeRow& row : rows) {
    TSurface surface(20, 20, clLime);
    row.Painter->DrawButton(surface.Canvas(), Rect(0, 0, 20, 20), "", row.S);
    EXPECT_EQ(Mismatches(surface, row.Probes), "") << row.Name;
  }
}

// Line buttons pointing down in 16 x 16; the arrow apex shows where the glyph
// went.
TEST_F(ClassicPaintersTest, ScrollBarLineButtons) {
  const TColor down = GetLightDownedSelColor();
  const TProbeRow rows[] = {
      // Flat: the arrow is computed inside the one-pixel border, and moves
      // by one when pressed.
      {"Flat normal", kFlat, State::cxbsNormal,
       {{0, 0, clBtnHighlight}, {15, 15, clBtnShadow}, {4, 6, clBtnText}, {7, 9, clBtnText},
        {7, 10, clBtnFace}}},
      {"Flat pressed", kFlat, State::cxbsPressed,
       {{0, 0, clBtnShadow}, {15, 15, clBtnHighlight}, {5, 7, clBtnText}, {8, 10, clBtnText},
        {4, 6, clBtnFace}}},
      {"Flat hot looks normal", kFlat, State::cxbsHot,
       {{0, 0, clBtnHighlight}, {4, 6, clBtnText}}},
      {"Flat disabled", kFlat, State::cxbsDisabled,
       {{4, 6, clBtnShadow}, {8, 10, clBtnHighlight}}},
      // UltraFlat: the arrow fills the whole rect and does not move.
      {"UltraFlat pressed", kUltraFlat, State::cxbsPressed,
       {{0, 0, clHighlight}, {1, 1, down}, {4, 6, clHighlightText}, {7, 9, clHighlightText}}},
      {"UltraFlat hot", kUltraFlat, State::cxbsHot,
       {{0, 0, clHighlight}, {1, 1, GetLightSelColor()}, {7, 9, clBtnText}}},
      // Standard: the platform's glyph inside a two-pixel border.
      {"Standard normal", kStandard, State::cxbsNormal,
       {{0, 0, clBtnFace}, {15, 15, cl3DDkShadow}, {1, 1, clBtnHighlight},
        {14, 14, clBtnShadow}}},
      {"Standard pressed", kStandard, State::cxbsPressed,
       {{0, 0, clBtnShadow}, {15, 15, clBtnShadow}, {1, 1, clBtnFace}, {14, 14, clBtnFace}}},
  };
  for (const TProbeRow& row : rows) {
    TSurface surface(16, 16, clLime);
    row.Painter->DrawScrollBarPart(surface.Canvas(), false, Rect(0, 0, 16, 16), Part::sbpLineDown,
                                   row.S);
    EXPECT_EQ(Mismatches(surface, row.Probes), "") << row.Name;
  }
}

TEST_F(ClassicPaintersTest, ScrollBarThumbsAndPages) {
  for (auto painter : {kStandard, kFlat, kUltraFlat}) {
    SCOPED_TRACE(TClass(painter)->ClassName());
    TSurface disabled(16, 16, clLime);
    painter->DrawScrollBarPart(disabled.Canvas(), true, Rect(0, 0, 16, 16), Part::sbpThumbnail,
                               State::cxbsDisabled);
    EXPECT_EQ(disabled.Count(clLime), 16 * 16);
    TSurface empty(16, 16, clLime);
    painter->DrawScrollBarPart(empty.Canvas(), true, Rect(4, 4, 4, 16), Part::sbpLineUp,
                               State::cxbsNormal);
    EXPECT_EQ(empty.Count(clLime), 16 * 16);

    TSurface page(16, 16, clLime);
    painter->DrawScrollBarPart(page.Canvas(), true, Rect(0, 0, 16, 16), Part::sbpPageUp,
                               State::cxbsNormal);
    EXPECT_EQ(Mismatches(page, {{0, 0, clBtnFace}, {1, 0, clBtnHighlight}, {15, 15, clBtnFace}}),
              "");
    TSurface pressed(16, 16, clLime);
    painter->DrawScrollBarPart(pressed.Canvas(), true, Rect(0, 0, 16, 16), Part::sbpPageDown,
                               State::cxbsPressed);
    EXPECT_EQ(Mismatches(pressed, {{0, 0, clBlack}, {1, 0, cl3DDkShadow}, {0, 1, cl3DDkShadow}}),
              "");
    EXPECT_EQ(pressed->Brush()->Bitmap(), nullptr);
  }

  // The Standard and Flat painters draw a hot thumb as a normal one.
  for (auto painter : {kStandard, kFlat}) {
    TSurface normal(16, 30, clLime);
    TSurface hot(16, 30, clLime);
    painter->DrawScrollBarPart(normal.Canvas(), false, Rect(0, 0, 16, 30), Part::sbpThumbnail,
                               State::cxbsNormal);
    painter->DrawScrollBarPart(hot.Canvas(), false, Rect(0, 0, 16, 30), Part::sbpThumbnail,
                               State::cxbsHot);
    int differing = 0;
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 16; ++x)
        differing += normal.Pixel(x, y) != hot.Pixel(x, y);
    EXPECT_EQ(differing, 0);
  }
}

TEST_F(ClassicPaintersTest, BordersChecksAndExpandButtons) {
  TSurface standard(10, 10, clLime);
  kStandard->DrawBorder(standard.Canvas(), Rect(0, 0, 10, 10));
  EXPECT_EQ(Mismatches(standard, {{0, 0, clBtnShadow}, {9, 9, clBtnHighlight},
                                  {1, 1, cl3DDkShadow}, {8, 8, cl3DLight}, {2, 2, clLime}}),
            "");
  TSurface flat(10, 10, clLime);
  kFlat->DrawBorder(flat.Canvas(), Rect(0, 0, 10, 10));
  EXPECT_EQ(Mismatches(flat, {{0, 0, clBtnShadow}, {9, 9, clBtnHighlight}, {1, 1, clLime}}), "");
  TSurface ultraFlat(10, 10, clLime);
  kUltraFlat->DrawBorder(ultraFlat.Canvas(), Rect(0, 0, 10, 10));
  EXPECT_EQ(Mismatches(ultraFlat, {{0, 0, clBtnShadow}, {9, 9, clBtnShadow}, {1, 1, clLime}}), "");

  const TProbeRow checks[] = {
      {"Standard", kStandard, State::cxbsNormal,
       {{0, 0, cl3DDkShadow}, {12, 12, cl3DLight}, {1, 1, clBtnShadow}, {11, 11, clBtnHighlight},
        {2, 2, clWindow}}},
      {"Flat pressed", kFlat, State::cxbsPressed,
       {{0, 0, clBtnShadow}, {12, 12, clBtnHighlight}, {1, 1, clBtnFace}, {2, 2, clBtnFace}}},
      {"UltraFlat", kUltraFlat, State::cxbsNormal,
       {{0, 0, clBtnText}, {12, 12, clBtnText}, {1, 1, clWindow}, {2, 2, clWindow}}},
  };
  for (const TProbeRow& row : checks) {
    TSurface surface(13, 13, clLime);
    row.Painter->DrawCheckButton(surface.Canvas(), Rect(0, 0, 13, 13), row.S, false);
    EXPECT_EQ(Mismatches(surface, row.Probes), "") << row.Name;
  }

  // Each expand button leaves its rectangle out of the clip region.
  for (auto painter : {kStandard, kFlat, kUltraFlat}) {
    SCOPED_TRACE(TClass(painter)->ClassName());
    TSurface surface(20, 20, clLime);
    int size = painter->ExpandButtonSize();
    painter->DrawExpandButton(surface.Canvas(), Rect(2, 2, 2 + size, 2 + size), false);
    surface->FillRect(Rect(0, 0, 20, 20), clRed);
    EXPECT_EQ(surface.Count(clRed), 20 * 20 - size * size);
    EXPECT_GT(surface.Count(Rgb(clBtnText)), 0);
  }
}

TEST_F(ClassicPaintersTest, HeadersAndFilterButtons) {
  TSurface standard(20, 10, clLime);
  kStandard->DrawHeaderBorder(standard.Canvas(), Rect(0, 0, 20, 10),
                              {TcxNeighbor::nLeft, TcxNeighbor::nRight}, cxBordersAll);
  EXPECT_EQ(Mismatches(standard, {{0, 1, clBtnFace}, {0, 8, clBtnFace}, {0, 4, clBtnHighlight},
                                  {19, 0, clBtnHighlight}, {19, 1, clBtnFace},
                                  {19, 8, clBtnFace}, {19, 4, clBtnShadow}}),
            "");

  TSurface ultraFlat(20, 10, clLime);
  kUltraFlat->DrawHeaderBorder(ultraFlat.Canvas(), Rect(0, 0, 20, 10), {},
                               {TcxBorder::bRight, TcxBorder::bBottom});
  EXPECT_EQ(Mismatches(ultraFlat, {{0, 4, clLime}, {5, 0, clLime}, {19, 4, clBtnText},
                                   {5, 9, clBtnText}}),
            "");
  EXPECT_TRUE(kUltraFlat->HeaderBorders({TcxNeighbor::nLeft, TcxNeighbor::nTop}) ==
              (TcxBorders{TcxBorder::bRight, TcxBorder::bBottom}));

  struct {
    State S;
    TColor Border;
  } const dropDowns[] = {{State::cxbsNormal, clBtnShadow},
                         {State::cxbsDefault, clHighlight},
                         {State::cxbsHot, clHighlight},
                         {State::cxbsPressed, clHighlight}};
  for (const auto& c : dropDowns) {
    TSurface surface(15, 15, clLime);
    kUltraFlat->DrawFilterDropDownButton(surface.Canvas(), Rect(0, 0, 15, 15), c.S, false);
    EXPECT_EQ(surface.Pixel(0, 0), Rgb(c.Border));
    EXPECT_EQ(surface.Pixel(1, 1), Rgb(kUltraFlat->ButtonColor(c.S)));
  }
  TSurface active(15, 15, clLime);
  kFlat->DrawFilterDropDownButton(active.Canvas(), Rect(0, 0, 15, 15), State::cxbsNormal, true);
  EXPECT_GT(active.Count(clBlue), 0);
}

// The border lines of a splitter stay inside its rectangle (the inner pair
// is not widened past the outer one).
TEST_F(ClassicPaintersTest, SchedulerSplitterBordersStayInside) {
  TcxViewParams params;
  params.Color = clWhite;
  TSurface horizontal(30, 20, clLime);
  kStandard->DrawSchedulerSplitterBorder(horizontal.Canvas(), Rect(5, 5, 25, 15), params, true);
  EXPECT_EQ(Mismatches(horizontal, {{5, 5, clBtnFace}, {24, 5, clBtnFace}, {5, 14, cl3DDkShadow},
                                    {5, 6, clBtnHighlight}, {24, 13, clBtnShadow},
                                    {10, 7, clWhite}, {24, 12, clWhite}}),
            "");
  EXPECT_EQ(horizontal.Count(clLime), 30 * 20 - 20 * 10);

  TSurface vertical(20, 30, clLime);
  kUltraFlat->DrawSchedulerSplitterBorder(vertical.Canvas(), Rect(5, 5, 15, 25), params, false);
  EXPECT_EQ(Mismatches(vertical, {{5, 5, clBtnShadow}, {14, 24, clBtnShadow}, {6, 5, clWhite},
                                  {13, 24, clWhite}}),
            "");
  EXPECT_EQ(vertical.Count(clLime), 20 * 30 - 10 * 20);

  TSurface flat(30, 20, clLime);
  kFlat->DrawSchedulerSplitterBorder(flat.Canvas(), Rect(5, 5, 25, 15), params, true);
  EXPECT_EQ(Mismatches(flat, {{5, 5, clBtnHighlight}, {24, 14, clBtnShadow}, {5, 6, clWhite}}),
            "");
  EXPECT_EQ(flat.Count(clLime), 30 * 20 - 20 * 10);
}

// A pressed push button's caption moves by the painter's text shift.
TEST_F(ClassicPaintersTest, PressedCaptionShift) {
  for (auto painter : {kStandard, kFlat, kUltraFlat}) {
    SCOPED_TRACE(TClass(painter)->ClassName());
    TSurface normal(60, 24, clLime);
    TSurface pressed(60, 24, clLime);
    painter->DrawButton(normal.Canvas(), Rect(0, 0, 60, 24), "X", State::cxbsNormal, true,
                        clWhite, clBlue);
    painter->DrawButton(pressed.Canvas(), Rect(0, 0, 60, 24), "X", State::cxbsPressed, true,
                        clWhite, clBlue);
    TRect a = normal.InkBox(clBlue);
    TRect b = pressed.InkBox(clBlue);
    int shift = painter->ButtonTextShift();
    EXPECT_EQ(b, Rect(a.Left + shift, a.Top + shift, a.Right + shift, a.Bottom + shift));
  }
}

TEST_F(ClassicPaintersTest, TabBorders) {
  TSurface top(30, 10, clLime);
  kStandard->DrawTabBorder(top.Canvas(), Rect(5, 5, 25, 6), TcxBorder::bTop, cxBordersAll, false);
  EXPECT_EQ(Mismatches(top, {{5, 5, clLime}, {6, 5, clBtnHighlight}, {23, 5, clBtnHighlight},
                             {24, 5, clLime}, {5, 6, clBtnHighlight}, {24, 6, clBtnHighlight}}),
            "");
  TSurface left(10, 30, clLime);
  kStandard->DrawTabBorder(left.Canvas(), Rect(5, 5, 6, 25), TcxBorder::bLeft, cxBordersAll, true);
  EXPECT_EQ(Mismatches(left, {{5, 6, clLime}, {5, 7, clBtnHighlight}, {5, 22, clBtnHighlight},
                              {5, 23, clLime}, {6, 6, clBtnHighlight}, {6, 23, clBtnHighlight}}),
            "");
  TSurface right(30, 30, clLime);
  kFlat->DrawTabBorder(right.Canvas(), Rect(24, 5, 25, 25), TcxBorder::bRight, cxBordersAll,
                       false);
  EXPECT_EQ(Mismatches(right, {{24, 6, clLime}, {24, 7, clBtnShadow}, {24, 23, clBtnShadow},
                               {24, 24, clLime}}),
            "");
  // UltraFlat: the far side is dark and, in a horizontal strip, one pixel
  // shorter at the bottom.
  TSurface ultraFlat(30, 30, clLime);
  kUltraFlat->DrawTabBorder(ultraFlat.Canvas(), Rect(24, 5, 25, 25), TcxBorder::bRight,
                            cxBordersAll, false);
  kUltraFlat->DrawTabBorder(ultraFlat.Canvas(), Rect(5, 5, 6, 25), TcxBorder::bLeft,
                            cxBordersAll, false);
  EXPECT_EQ(Mismatches(ultraFlat, {{24, 5, clBtnText}, {24, 23, clBtnText}, {24, 24, clLime},
                                   {5, 5, clBtnShadow}, {5, 24, clBtnShadow}}),
            "");
}

TEST_F(ClassicPaintersTest, StandardMonthHeader) {
  TcxViewParams params;
  params.Color = clWhite;
  params.TextColor = clBlack;
  TSurface surface(60, 20, clLime);
  kStandard->DrawMonthHeader(surface.Canvas(), Rect(0, 0, 60, 20), "", {TcxNeighbor::nLeft},
                             params, TcxHeaderArrows::haNone, 10);
  // No black frame on the side of the left neighbour; the header inside.
  EXPECT_EQ(Mismatches(surface, {{30, 0, clBlack}, {59, 10, clBlack}, {30, 19, clBlack},
                                 {0, 10, clBtnHighlight}, {30, 1, clBtnHighlight},
                                 {58, 10, clBtnShadow}, {30, 10, clWhite}}),
            "");
}

TEST(UltraFlatPainter, ButtonGroupsAndColours) {
  struct {
    int Count, Index;
    TRect Expected;
  } const cases[] = {{1, 0, Rect(2, 2, 2, 2)},
                     {3, 0, Rect(2, 2, 1, 2)},
                     {3, 1, Rect(1, 2, 1, 2)},
                     {3, 2, Rect(1, 2, 2, 2)}};
  for (const auto& c : cases)
    EXPECT_EQ(kUltraFlat->ButtonGroupBorderSizes(c.Count, c.Index), c.Expected);
  EXPECT_EQ(kUltraFlat->ButtonSymbolColor(State::cxbsPressed, clRed), clHighlightText);
  EXPECT_EQ(kUltraFlat->ButtonSymbolColor(State::cxbsHot, clRed), clRed);
  EXPECT_EQ(kUltraFlat->ButtonSymbolState(State::cxbsPressed), State::cxbsNormal);
  EXPECT_EQ(kUltraFlat->ButtonFocusRect(nullptr, Rect(0, 0, 20, 20)), Rect(3, 3, 17, 17));
  auto meta = TcxUltraFlatLookAndFeelPainter::StaticClass();
  EXPECT_EQ(meta->BorderHighlightColor(), clHighlight);
  EXPECT_EQ(meta->TabBorderHighlightColor(), clBtnShadow);
  EXPECT_EQ(meta->TabBorderDarkColor(), clBtnText);
  EXPECT_EQ(kUltraFlat->DefaultSchedulerBorderColor(), clBtnShadow);
  EXPECT_EQ(kStandard->DefaultSchedulerViewContentColor(), clWindow);
}

} // namespace
