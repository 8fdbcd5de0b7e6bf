#include "tests/framework/cxLookAndFeelPaintersTestSupport.h"

#include <cstdlib>
#include <vector>

namespace {

using State = TcxButtonState;
using Dir = TcxArrowDirection;

const TcxCustomLookAndFeelPainterClass kRoot = TcxCustomLookAndFeelPainter::StaticClass();

// A painter that overrides a few small operations, to show that the root's
// composite routines reach them through the class they were called on.
class TProbePainterMeta : public TcxCustomLookAndFeelPainterMeta {
public:
  using TcxCustomLookAndFeelPainterMeta::TcxCustomLookAndFeelPainterMeta;
  TColor ButtonColor(TcxButtonState) const override { return clRed; }
  TColor DefaultGridLineColor() const override { return clLime; }
  int HeaderBorderSize() const override { return 2; }
  int FooterCellBorderSize() const override { return 3; }
  TcxBorders HeaderBorders(TcxNeighbors neighbors) const override {
    return neighbors.Contains(TcxNeighbor::nLeft) ? cxBordersAll - TcxBorders{TcxBorder::bLeft}
                                                  : cxBordersAll;
  }
  TPoint SortingMarkSize() const override { return Point(7, 8); }
};

class TProbePainter : public TcxCustomLookAndFeelPainter {
  OBJECT_CLASS_META(TProbePainter, TcxCustomLookAndFeelPainter, TProbePainterMeta)
};

const TcxCustomLookAndFeelPainterClass kProbe = TProbePainter::StaticClass();

class PainterRootTest : public TcxGraphicsTest {
protected:
  static void SetUpTestSuite() {
    TcxGraphicsTest::SetUpTestSuite();
    // The platform's first frame-control glyph makes objects it keeps.
    TSurface warmUp(16, 16);
    RECT r = {0, 0, 16, 16};
    DrawFrameControl(warmUp->Handle(), &r, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
  }
};

TEST(PainterClasses, TreeAndStyles) {
  struct {
    TcxCustomLookAndFeelPainterClass Painter;
    TClass Parent;
    TcxLookAndFeelStyle Style;
  } const cases[] = {
      {kRoot, TObject::StaticClass(), TcxLookAndFeelStyle::lfsStandard},
      {TcxStandardLookAndFeelPainter::StaticClass(), TcxCustomLookAndFeelPainter::StaticClass(),
       TcxLookAndFeelStyle::lfsStandard},
      {TcxFlatLookAndFeelPainter::StaticClass(), TcxCustomLookAndFeelPainter::StaticClass(),
       TcxLookAndFeelStyle::lfsFlat},
      {TcxUltraFlatLookAndFeelPainter::StaticClass(), TcxCustomLookAndFeelPainter::StaticClass(),
       TcxLookAndFeelStyle::lfsUltraFlat},
      {TcxOffice11LookAndFeelPainter::StaticClass(), TcxUltraFlatLookAndFeelPainter::StaticClass(),
       TcxLookAndFeelStyle::lfsOffice11},
      {TcxWinXPLookAndFeelPainter::StaticClass(), TcxStandardLookAndFeelPainter::StaticClass(),
       TcxLookAndFeelStyle::lfsNative},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(TClass(c.Painter)->ClassName());
    EXPECT_EQ(TClass(c.Painter)->ClassParent(), c.Parent);
    EXPECT_EQ(c.Painter->LookAndFeelStyle(), c.Style);
    EXPECT_TRUE(TClass(c.Painter)->IsAbstract());
    EXPECT_TRUE(TcxCustomLookAndFeelPainterClass::Checked(c.Painter) == c.Painter);
  }
}

TEST(PainterRootMetrics, Table) {
  ExpectMetrics({"root", kRoot, TcxLookAndFeelStyle::lfsStandard, 0, 0, 0, 0, 0, false, 0, 9, 15,
                 2, 0, 1, 1, Point(0, 0), 0, 0, 0, cxBordersAll, 0, Point(16, 14), true, true,
                 17});
  // One of the 4 x 3 images of the system's check-box bitmap.
  EXPECT_GE(kRoot->CheckButtonSize().cx, 12);
  EXPECT_GE(kRoot->CheckButtonSize().cy, 12);
  EXPECT_EQ(kRoot->ChartToolBoxDataLevelInfoBorderSize(), 1);
  EXPECT_EQ(kRoot->FooterSeparatorColor(), clBtnShadow);
  EXPECT_EQ(kRoot->FooterSeparatorSize(), 1);
  EXPECT_EQ(kRoot->ProgressBarBorderSize(false), TRect{});
  EXPECT_EQ(kRoot->GroupBoxBorderSize(true, TcxGroupBoxCaptionPosition::cxgpTop), TRect{});
  EXPECT_EQ(kRoot->GetContainerBorderColor(false), clDefault);
  EXPECT_EQ(kRoot->ProgressBarTextColor(), clDefault);
  EXPECT_EQ(kRoot->GroupBoxTextColor(), clDefault);
  EXPECT_EQ(kRoot->TrackBarTicksColor(false), clDefault);
  EXPECT_EQ(kRoot->TrackBarThumbSize(true), (TSize{0, 0}));
  EXPECT_EQ(kRoot->TrackBarTrackSize(), 0);
  EXPECT_EQ(kRoot->GetSplitterSize(true), (TSize{0, 0}));
  EXPECT_EQ(kRoot->NavigatorGlyphSize(), (TSize{0, 0}));
  EXPECT_EQ(kRoot->EditButtonTextOffset(), 0);
  EXPECT_FALSE(kRoot->IsHeaderHotTrack());
  EXPECT_FALSE(kRoot->IsDrawTabImplemented(false));
  EXPECT_FALSE(kRoot->IsTabHotTrack(true));
  EXPECT_TRUE(kRoot->IndicatorDrawItemsFirst());
}

TEST(PainterRootColors, DefaultColoursTable) {
  using TGetter = TColor (TcxCustomLookAndFeelPainterMeta::*)() const;
  using M = TcxCustomLookAndFeelPainterMeta;
  struct {
    TGetter Getter;
    TColor Expected;
  } const cases[] = {
      {&M::DefaultContentColor, clWindow},
      {&M::DefaultContentTextColor, clWindowText},
      {&M::DefaultFilterBoxColor, clBtnShadow},
      {&M::DefaultFilterBoxTextColor, clBtnHighlight},
      {&M::DefaultFixedSeparatorColor, clBtnText},
      {&M::DefaultFooterColor, clBtnFace},
      {&M::DefaultFooterTextColor, clBtnText},
      {&M::DefaultGridLineColor, clBtnShadow},
      {&M::DefaultGroupColor, clBtnFace},
      {&M::DefaultGroupTextColor, clBtnText},
      {&M::DefaultGroupByBoxColor, clBtnShadow},
      {&M::DefaultGroupByBoxTextColor, clBtnFace},
      {&M::DefaultHeaderColor, clBtnFace},
      {&M::DefaultHeaderTextColor, clBtnText},
      {&M::DefaultHeaderBackgroundColor, clBtnShadow},
      {&M::DefaultHeaderBackgroundTextColor, clBtnFace},
      {&M::DefaultHyperlinkTextColor, TColor(0xFF0000)},
      {&M::DefaultInactiveColor, clBtnFace},
      {&M::DefaultInactiveTextColor, clBtnText},
      {&M::DefaultPreviewTextColor, TColor(0xFF0000)},
      {&M::DefaultRecordSeparatorColor, clBtnShadow},
      {&M::DefaultDateNavigatorHeaderColor, clBtnFace},
      {&M::DefaultDateNavigatorSelectionColor, clHighlight},
      {&M::DefaultDateNavigatorSelectionTextColor, clHighlightText},
      {&M::DefaultSchedulerBackgroundColor, clWindow},
      {&M::DefaultSchedulerTextColor, clWindowText},
      {&M::DefaultSchedulerBorderColor, TColor(0x0000FF)},
      {&M::DefaultSchedulerControlColor, clBtnFace},
      {&M::DefaultSchedulerViewContentColor, TColor(0xD5FFFF)},
      {&M::DefaultSchedulerViewTextColor, clWindowText},
      {&M::DefaultSelectionColor, clHighlight},
      {&M::DefaultSelectionTextColor, clHighlightText},
      {&M::DefaultSeparatorColor, clBtnFace},
      {&M::DefaultTabColor, clBtnFace},
      {&M::DefaultTabTextColor, clBtnText},
      {&M::DefaultTabsBackgroundColor, clBtnFace},
      {&M::DefaultTimeGridMajorScaleColor, clWhite},
      {&M::DefaultTimeGridMajorScaleTextColor, clBlack},
      {&M::DefaultTimeGridMinorScaleColor, clBtnFace},
      {&M::DefaultTimeGridMinorScaleTextColor, clBtnText},
      {&M::DefaultTimeGridSelectionBarColor, clWhite},
      {&M::DefaultChartDiagramValueBorderColor, clBlack},
      {&M::DefaultChartDiagramValueCaptionTextColor, clBlack},
      {&M::DefaultChartHistogramAxisColor, clBlack},
      {&M::DefaultChartHistogramGridLineColor, TColor(0xCFCFCF)},
      {&M::DefaultChartHistogramPlotColor, clWhite},
      {&M::DefaultChartPieDiagramSeriesSiteBorderColor, clBtnShadow},
      {&M::DefaultChartPieDiagramSeriesSiteCaptionColor, TColor(0xF0CAA6)},
      {&M::DefaultChartPieDiagramSeriesSiteCaptionTextColor, TColor(0x800000)},
      {&M::DefaultChartToolBoxDataLevelInfoBorderColor, clBtnShadow},
      {&M::DefaultChartToolBoxItemSeparatorColor, clBtnShadow},
  };
  int row = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(row++);
    EXPECT_EQ((kRoot.Get()->*c.Getter)(), c.Expected);
  }
  EXPECT_EQ(kProbe->DefaultRecordSeparatorColor(), clLime);
}

TEST(PainterRootGeometry, CalculateArrowPoints) {
  struct {
    TRect R;
    Dir Direction;
    bool Proportional;
    int Size;
    TPoint P0, P1, P2;
  } const cases[] = {
      {Rect(0, 0, 16, 16), Dir::adDown, false, 0, {10, 6}, {7, 9}, {4, 6}},
      {Rect(0, 0, 16, 16), Dir::adUp, false, 0, {4, 9}, {7, 6}, {10, 9}},
      {Rect(0, 0, 16, 16), Dir::adLeft, false, 0, {9, 11}, {6, 8}, {9, 5}},
      {Rect(0, 0, 16, 16), Dir::adRight, false, 0, {6, 5}, {9, 8}, {6, 11}},
      {Rect(0, 0, 20, 10), Dir::adDown, true, 0, {11, 4}, {9, 6}, {7, 4}},
      {Rect(0, 0, 10, 20), Dir::adRight, true, 0, {3, 8}, {5, 10}, {3, 12}},
      {Rect(0, 0, 16, 16), Dir::adUp, false, 2, {6, 8}, {7, 7}, {8, 8}},
      {Rect(10, 20, 26, 36), Dir::adDown, false, 0, {20, 26}, {17, 29}, {14, 26}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.Direction));
    TcxArrowPoints p;
    kRoot->CalculateArrowPoints(c.R, p, c.Direction, c.Proportional, c.Size);
    EXPECT_EQ(p[0], c.P0);
    EXPECT_EQ(p[1], c.P1);
    EXPECT_EQ(p[2], c.P2);
  }
}

TEST(PainterRootGeometry, ArrowDirectionOfScrollBarParts) {
  struct {
    bool Horizontal;
    TcxScrollBarPart Part;
    Dir Expected;
  } const cases[] = {
      {false, TcxScrollBarPart::sbpLineUp, Dir::adUp},
      {false, TcxScrollBarPart::sbpLineDown, Dir::adDown},
      {true, TcxScrollBarPart::sbpLineUp, Dir::adLeft},
      {true, TcxScrollBarPart::sbpLineDown, Dir::adRight},
      {false, TcxScrollBarPart::sbpPageUp, Dir::adDown},
      {true, TcxScrollBarPart::sbpNone, Dir::adRight},
  };
  for (const auto& c : cases)
    EXPECT_EQ(kRoot->GetArrowDirection(c.Horizontal, c.Part), c.Expected);
}

TEST(PainterRootGeometry, BoundsOfHeadersFootersAndButtons) {
  const TRect r = Rect(10, 10, 50, 30);
  EXPECT_EQ(kRoot->HeaderContentBounds(r, cxBordersAll), r);
  EXPECT_EQ(kProbe->HeaderContentBounds(r, cxBordersAll), Rect(12, 12, 48, 28));
  EXPECT_EQ(kProbe->HeaderContentBounds(r, {TcxBorder::bLeft, TcxBorder::bBottom}),
            Rect(12, 10, 50, 28));
  EXPECT_EQ(kProbe->HeaderBounds(r, {TcxNeighbor::nLeft}), Rect(8, 10, 50, 30));
  EXPECT_EQ(kProbe->HeaderBounds(r, {}), r);
  EXPECT_EQ(kProbe->HeaderHeight(13), 21);
  EXPECT_EQ(kProbe->FooterCellContentBounds(r), Rect(13, 13, 47, 27));
  EXPECT_EQ(kProbe->FooterCellTextAreaBounds(r), Rect(15, 15, 45, 25));
  EXPECT_EQ(kRoot->HeaderControlSectionTextAreaBounds(r, State::cxbsPressed), Rect(11, 11, 51, 31));
  EXPECT_EQ(kRoot->HeaderControlSectionTextAreaBounds(r, State::cxbsHot), r);
  EXPECT_EQ(kRoot->HeaderControlSectionContentBounds(r, State::cxbsNormal), Rect(11, 11, 49, 29));
  EXPECT_EQ(kRoot->ButtonFocusRect(nullptr, r), Rect(14, 14, 46, 26));
  EXPECT_EQ(kRoot->ButtonFocusRect(nullptr, Rect(0, 0, 8, 30)), Rect(0, 0, 8, 30));
  EXPECT_EQ(kRoot->ButtonGroupBorderSizes(3, 1), TRect{});
  EXPECT_EQ(kRoot->AdjustGroupButtonDisplayRect(r, 3, 1), r);
  EXPECT_TRUE(kRoot->IsPointOverGroupExpandButton(r, Point(10, 29)));
  EXPECT_FALSE(kRoot->IsPointOverGroupExpandButton(r, Point(50, 20)));
}

TEST(PainterRootColors, ButtonSymbolAndCheckColours) {
  EXPECT_EQ(kRoot->ButtonSymbolColor(State::cxbsDisabled, clRed), clBtnShadow);
  EXPECT_EQ(kRoot->ButtonSymbolColor(State::cxbsNormal, clDefault), clBtnText);
  EXPECT_EQ(kRoot->ButtonSymbolColor(State::cxbsHot, clRed), clRed);
  EXPECT_EQ(kRoot->ButtonSymbolState(State::cxbsPressed), State::cxbsPressed);
  EXPECT_EQ(kRoot->ButtonColor(State::cxbsHot), clBtnFace);
  struct {
    State S;
    TColor Expected;
  } const checks[] = {{State::cxbsDefault, clWindow}, {State::cxbsNormal, clWindow},
                      {State::cxbsHot, clWindow},     {State::cxbsPressed, clBtnFace},
                      {State::cxbsDisabled, clBtnFace}};
  for (const auto& c : checks)
    EXPECT_EQ(kRoot->CheckButtonColor(c.S), c.Expected);
}

TEST_F(PainterRootTest, HeaderWidthCountsSideBorders) {
  TSurface surface(10, 10);
  int text = surface->TextWidth("Baslik");
  EXPECT_EQ(kProbe->HeaderWidth(surface.Canvas(), cxBordersAll, "Baslik", nullptr), text + 8);
  EXPECT_EQ(kProbe->HeaderWidth(surface.Canvas(), {TcxBorder::bTop, TcxBorder::bLeft}, "Baslik",
                                nullptr),
            text + 6);
  EXPECT_EQ(kRoot->HeaderWidth(surface.Canvas(), cxBordersAll, "Baslik", nullptr), text + 4);
}

TEST_F(PainterRootTest, ArrowsByPixel) {
  TSurface colour(16, 16);
  kRoot->DrawArrow(colour.Canvas(), Rect(0, 0, 16, 16), Dir::adDown, clRed);
  EXPECT_EQ(colour.Mismatches({{4, 6, clRed}, {10, 6, clRed}, {7, 9, clRed}, {7, 7, clRed},
                               {3, 6, clWhite}, {11, 6, clWhite}, {7, 10, clWhite},
                               {7, 5, clWhite}}),
            "");

  TSurface buttonArrow(16, 16);
  kRoot->DrawButtonArrow(buttonArrow.Canvas(), Rect(0, 0, 16, 16), clBlue);
  EXPECT_EQ(buttonArrow.Mismatches({{3, 6, clBlue}, {11, 6, clBlue}, {7, 10, clBlue}, {2, 6, clWhite},
                              {12, 6, clWhite}, {7, 11, clWhite}, {7, 5, clWhite}}),
            "");

  // The state form fills the rect with the painter's button colour when no
  // border is asked for.
  TSurface state(16, 16);
  kProbe->DrawArrow(state.Canvas(), Rect(0, 0, 16, 16), State::cxbsNormal, Dir::adUp, false);
  EXPECT_EQ(state.Mismatches({{0, 0, clRed}, {15, 15, clRed}, {7, 6, Rgb(clBtnText)},
                              {4, 9, Rgb(clBtnText)}, {10, 9, Rgb(clBtnText)}}),
            "");
}

TEST_F(PainterRootTest, ScrollBarArrowStates) {
  // Disabled: a highlight triangle one pixel lower-right under a shadow one.
  TSurface disabled(16, 16, clLime);
  kRoot->DrawScrollBarArrow(disabled.Canvas(), Rect(0, 0, 16, 16), State::cxbsDisabled,
                            Dir::adDown);
  EXPECT_EQ(disabled.Mismatches({{4, 6, Rgb(clBtnShadow)}, {7, 9, Rgb(clBtnShadow)},
                                 {11, 7, Rgb(clBtnHighlight)}, {8, 10, Rgb(clBtnHighlight)},
                                 {3, 6, clLime}}),
            "");
  // The root's text shift is 0: a pressed glyph stays in place.
  TSurface pressed(16, 16, clLime);
  kRoot->DrawScrollBarArrow(pressed.Canvas(), Rect(0, 0, 16, 16), State::cxbsPressed,
                            Dir::adDown);
  EXPECT_EQ(pressed.Mismatches({{4, 6, Rgb(clBtnText)}, {7, 9, Rgb(clBtnText)}, {7, 10, clLime}}),
            "");
}

TEST_F(PainterRootTest, ButtonReachesThePaintersOwnColour) {
  TSurface surface(40, 20);
  kProbe->DrawButton(surface.Canvas(), Rect(0, 0, 40, 20), "", State::cxbsNormal);
  EXPECT_EQ(surface.Count(clRed), 40 * 20);
  TSurface given(40, 20);
  kProbe->DrawButton(given.Canvas(), Rect(0, 0, 40, 20), "", State::cxbsNormal, true, clBlue);
  EXPECT_EQ(given.Count(clBlue), 40 * 20);
  EXPECT_EQ(given->Brush()->Style(), TBrushStyle::bsSolid);
}

TEST_F(PainterRootTest, ButtonCaptionIsCentredInItsTextColour) {
  TSurface surface(60, 20);
  kRoot->DrawButton(surface.Canvas(), Rect(0, 0, 60, 20), "Tamam", State::cxbsNormal, true,
                    clWhite, clBlue);
  TRect ink = surface.InkBox(clBlue);
  EXPECT_GT(ink.Right, ink.Left);
  EXPECT_LE(std::abs((ink.Left + ink.Right) - 60), 3);
}

TEST_F(PainterRootTest, CloseButtonCross) {
  // k = 16 div 2 = 8, made odd: 7; two strokes side by side.
  TSurface surface(16, 14, clLime);
  kRoot->DrawButtonCross(surface.Canvas(), Rect(0, 0, 16, 14), clBlue, State::cxbsNormal);
  EXPECT_EQ(surface.Mismatches({{4, 3, clBlue}, {5, 3, clBlue}, {10, 9, clBlue}, {11, 9, clBlue},
                                {4, 9, clBlue}, {10, 3, clBlue}, {12, 10, clLime},
                                {3, 3, clLime}}),
            "");
  TSurface pressed(16, 14, clLime);
  kRoot->DrawButtonCross(pressed.Canvas(), Rect(0, 0, 16, 14), clBlue, State::cxbsPressed);
  EXPECT_EQ(pressed.Mismatches({{5, 4, clBlue}, {12, 10, clBlue}, {4, 3, clLime}}), "");

  TSurface button(16, 14, clLime);
  kProbe->DrawFilterCloseButton(button.Canvas(), Rect(0, 0, 16, 14), State::cxbsHot);
  EXPECT_EQ(button.Mismatches({{0, 0, clRed}, {4, 3, Rgb(clBtnText)}}), "");
}

TEST_F(PainterRootTest, ExpandButtonsPlusAndMinus) {
  TSurface collapsed(9, 9, clLime);
  kRoot->DrawSmallExpandButton(collapsed.Canvas(), Rect(0, 0, 9, 9), false, clBlue, clWhite);
  EXPECT_EQ(collapsed.Mismatches({{0, 0, clBlue}, {8, 8, clBlue}, {1, 1, clWhite},
                                  {2, 4, Rgb(clBtnText)}, {6, 4, Rgb(clBtnText)},
                                  {4, 2, Rgb(clBtnText)}, {4, 6, Rgb(clBtnText)},
                                  {1, 4, clWhite}, {4, 7, clWhite}}),
            "");
  TSurface expanded(9, 9, clLime);
  kRoot->DrawSmallExpandButton(expanded.Canvas(), Rect(0, 0, 9, 9), true, clBlue);
  EXPECT_EQ(expanded.Mismatches({{0, 4, clBlue}, {1, 1, clLime}, {2, 4, Rgb(clBtnText)},
                                 {4, 2, clLime}}),
            "");

  // Two chevrons pointing down when collapsed.
  TSurface mark(15, 15, clLime);
  kRoot->DrawGroupExpandButtonMark(mark.Canvas(), Rect(0, 0, 15, 15), false, State::cxbsNormal);
  TColor text = Rgb(clBtnText);
  EXPECT_EQ(mark.Mismatches({{7, 6, text}, {7, 7, text}, {7, 10, text}, {7, 11, text},
                             {4, 4, text}, {7, 8, clLime}, {7, 9, clLime}}),
            "");
}

TEST_F(PainterRootTest, CheckMarkAndClearBrush) {
  TSurface clear(13, 13, clLime);
  clear->Brush()->SetStyle(TBrushStyle::bsClear);
  kRoot->DrawCheck(clear.Canvas(), Rect(0, 0, 13, 13), State::cxbsNormal, false, clBlack);
  EXPECT_EQ(clear.Count(clLime), 13 * 13);

  TSurface checked(13, 13, clLime);
  kRoot->DrawCheckButton(checked.Canvas(), Rect(0, 0, 13, 13), State::cxbsPressed, true);
  // Inset by the check border: the border ring keeps its colour.
  EXPECT_EQ(checked.Pixel(1, 1), clLime);
  EXPECT_EQ(checked.Pixel(2, 2), Rgb(clBtnFace));
  EXPECT_GT(checked.Count(Rgb(clBtnText)), 10);
  // W = 7, H = 5: the mark's corner is at (cx, cy) = (5, 7) and its last
  // stroke two rows lower.
  EXPECT_EQ(checked.Pixel(5, 7), Rgb(clBtnText));
  EXPECT_EQ(checked.Pixel(5, 9), Rgb(clBtnText));
}

TEST_F(PainterRootTest, SortingArrowIsEngraved) {
  // 7 x 8 ascending in 16 x 16: apex (8, 4), base row 11 from 5 to 11.
  TSurface surface(16, 16, clLime);
  kProbe->DrawSortingArrow(surface.Canvas(), Rect(0, 0, 16, 16), clBlack, clWhite, true);
  EXPECT_EQ(surface.Mismatches({{8, 4, clBlack}, {11, 11, clWhite}, {8, 11, clWhite},
                                {5, 11, clBlack}, {11, 10, clWhite}, {8, 3, clLime}}),
            "");
}

TEST_F(PainterRootTest, ContentBackgroundAndText) {
  struct {
    bool Assigned;
    bool Drawn;
    TColor Expected;
  } const cases[] = {{false, false, clRed}, {true, false, clRed}, {true, true, clLime}};
  for (const auto& c : cases) {
    TSurface surface(60, 20, clLime);
    TcxDrawBackgroundEvent event;
    if (c.Assigned)
      event = [&c](TcxCanvas*, const TRect&) { return c.Drawn; };
    kRoot->DrawContent(surface.Canvas(), Rect(0, 0, 60, 20), Rect(2, 2, 58, 18), 0,
                       TAlignment::taLeftJustify, TcxAlignmentVert::vaTop, false, false, "",
                       nullptr, clBlue, clRed, event);
    EXPECT_EQ(surface.Pixel(30, 10), c.Expected);
  }
  TSurface text(60, 20, clLime);
  kRoot->DrawContent(text.Canvas(), Rect(0, 0, 60, 20), Rect(30, 0, 60, 20), 0,
                     TAlignment::taLeftJustify, TcxAlignmentVert::vaCenter, false, false, "Ad",
                     nullptr, clBlue, clWhite, {});
  TRect ink = text.InkBox(clBlue);
  EXPECT_GE(ink.Left, 30);
  EXPECT_GT(ink.Right, ink.Left);
  EXPECT_EQ(text->Brush()->Style(), TBrushStyle::bsSolid);
}

TEST_F(PainterRootTest, HeaderAndFooterCellsFillTheirContent) {
  TSurface header(40, 20, clLime);
  kProbe->DrawHeader(header.Canvas(), Rect(0, 0, 40, 20), Rect(0, 0, 40, 20), {}, cxBordersAll,
                     State::cxbsNormal, TAlignment::taCenter, TcxAlignmentVert::vaCenter, false,
                     false, "", nullptr, clBlack, clWhite, {});
  // The probe painter's border is 2 wide and draws nothing.
  EXPECT_EQ(header.InkBox(clWhite), Rect(2, 2, 38, 18));

  TSurface footer(40, 20, clLime);
  kProbe->DrawFooterCell(footer.Canvas(), Rect(0, 0, 40, 20), TAlignment::taLeftJustify,
                         TcxAlignmentVert::vaTop, false, "", nullptr, clBlack, clWhite, {});
  EXPECT_EQ(footer.InkBox(clWhite), Rect(3, 3, 37, 17));

  TSurface separator(10, 10, clLime);
  kRoot->DrawFooterSeparator(separator.Canvas(), Rect(2, 2, 4, 8));
  EXPECT_EQ(separator.InkBox(Rgb(clBtnShadow)), Rect(2, 2, 4, 8));

  TSurface pressed(10, 10, clWhite);
  kRoot->DrawHeaderPressed(pressed.Canvas(), Rect(0, 0, 5, 10));
  EXPECT_EQ(pressed.InkBox(clBlack), Rect(0, 0, 5, 10));
}

TEST_F(PainterRootTest, MonthHeaderArrowsPointOutwards) {
  TSurface surface(60, 20, clLime);
  kRoot->DrawMonthHeaderArrows(surface.Canvas(), Rect(0, 0, 60, 20), TcxHeaderArrows::haBoth, 10,
                               clBlue);
  // r = (0, 1, 60, 19): c = 9, y0 = 4; left arrow base at x = 9, apex at
  // (4, 9); right arrow base at x = 51, apex at (56, 9).
  EXPECT_EQ(surface.Mismatches({{9, 4, clBlue}, {9, 14, clBlue}, {4, 9, clBlue},
                                {51, 4, clBlue}, {56, 9, clBlue}, {3, 9, clLime},
                                {57, 9, clLime}, {30, 9, clLime}}),
            "");
}

TEST_F(PainterRootTest, SizeGripFillsItsBackground) {
  TSurface surface(16, 16, clLime);
  kRoot->DrawSizeGrip(surface.Canvas(), Rect(2, 2, 14, 14), clWhite);
  EXPECT_EQ(surface.Pixel(1, 1), clLime);
  EXPECT_EQ(surface.Count(clLime), 16 * 16 - 12 * 12);
  // The glyph's diagonal strokes in the shadow colours.
  EXPECT_GT(surface.Count(Rgb(clBtnShadow)) + surface.Count(Rgb(cl3DDkShadow)), 0);
}

} // namespace

namespace {

TEST(PainterMetrics, ClassicPainters) {
  const TcxBorders rightBottom{TcxBorder::bRight, TcxBorder::bBottom};
  const TPainterMetrics rows[] = {
      {"Standard", TcxStandardLookAndFeelPainter::StaticClass(), TcxLookAndFeelStyle::lfsStandard,
       2, 3, 2, 1, 1, false, 12, 9, 15, 2, 1, 1, 2, Point(8, 7), 1, 1, 1, cxBordersAll, 1,
       Point(16, 14), true, true, 19},
      {"Flat", TcxFlatLookAndFeelPainter::StaticClass(), TcxLookAndFeelStyle::lfsFlat, 1, 2, 1, 1,
       1, false, 11, 9, 15, 2, 1, 1, 1, Point(8, 7), 1, 1, 1, cxBordersAll, 1, Point(16, 14),
       true, true, 19},
      {"UltraFlat", TcxUltraFlatLookAndFeelPainter::StaticClass(),
       TcxLookAndFeelStyle::lfsUltraFlat, 1, 2, 1, 2, 0, true, 11, 9, 15, 2, 1, 1, 1,
       Point(7, 8), 1, 1, 2, rightBottom, 1, Point(16, 15), true, true, 19},
  };
  for (const TPainterMetrics& row : rows)
    ExpectMetrics(row);
}

} // namespace
