// Container view info: which state and style apply, the border's room and
// colour, what part of the control shows, and the window region with the
// shadow.
#include "framework/cxContainerViewInfo.h"

#include <string>
#include <vector>

#include "framework/dxOffice11.h"
#include "platform/controls/ControlsUnits.h"
#include "tests/framework/cxContainerTestSupport.h"
#include "tests/support/GTest.h"
#include "tests/support/GdiObjects.h"

namespace {

using container_test::TStyleHost;
using enum TcxContainerBorderStyle;
using enum TcxContainerStateItem;
using enum TcxLookAndFeelKind;

using container_test::Calculate;
constexpr int kWidth = 60;
constexpr int kHeight = 20;

class ContainerViewInfoTest : public testing::Test {
protected:
  static void SetUpTestSuite() {
    ProgramUnits().Start(ControlsUnits());
    const TUnitInfo units[] = {cxLookAndFeelsUnit};
    ProgramUnits().Start(units);
  }
  void SetUp() override {
    host.reset(Create<TStyleHost>(nullptr));
    CreateOffice11Colors();
  }
  void TearDown() override {
    ReleaseOffice11Colors();
    host.reset();
    RootLookAndFeel()->Reset();
  }

  TOwned<TStyleHost> host;
};

TEST_F(ContainerViewInfoTest, BorderWidthsByStyleAndKind) {
  const int widths[] = {0, 1, 2, 2, 2, 1, 1};
  for (int i = 0; i < 7; ++i)
    EXPECT_EQ(GetContainerBorderWidth(static_cast<TcxContainerBorderStyle>(i)), widths[i]) << i;
  EXPECT_EQ(GetContainerBorderWidth(lfFlat), 2);
  EXPECT_EQ(GetContainerBorderWidth(lfStandard), 2);
  EXPECT_EQ(GetContainerBorderWidth(lfUltraFlat), 1);
  EXPECT_EQ(GetContainerBorderWidth(lfOffice11), 1);

  TRect r = Rect(10, 10, 20, 20);
  ExtendRectByBorders(r, 2, {TcxBorder::bLeft, TcxBorder::bBottom});
  EXPECT_EQ(r, Rect(8, 10, 20, 22));
  InflateRectByBorders(r, 1, {TcxBorder::bLeft, TcxBorder::bBottom});
  EXPECT_EQ(r, Rect(8, 11, 19, 22));
}

TEST_F(ContainerViewInfoTest, DisabledWinsOverFocusedAndHotNeedsHotTracking) {
  TcxContainerStyles* styles = host->Styles();
  const struct {
    TcxContainerState state;
    bool hotTrack;
    TcxContainerStyle* expected;
  } cases[] = {
      {{csDisabled}, true, styles->GetStyleDisabled()},
      {{csDisabled, csActive}, true, styles->GetStyleDisabled()},
      {{csActive, csHotTrack}, true, styles->GetStyleFocused()},
      {{csNormal, csHotTrack}, true, styles->GetStyleHot()},
      {{csNormal, csHotTrack}, false, styles->GetStyleNormal()},
      {{csNormal}, true, styles->GetStyleNormal()},
  };
  for (const auto& c : cases) {
    host->Style()->SetHotTrack(c.hotTrack);
    EXPECT_EQ(cxContainerActiveStyle(styles, c.state), c.expected) << c.state.ToMask();
  }
  EXPECT_EQ(cxContainerStateOf(false, false, true, true), TcxContainerState{csDisabled});
  EXPECT_EQ(cxContainerStateOf(true, true, true, true), TcxContainerState{csNormal});
  EXPECT_EQ(cxContainerStateOf(true, false, true, false), TcxContainerState{csActive});
  EXPECT_EQ(cxContainerStateOf(true, false, false, true),
            (TcxContainerState{csNormal, csHotTrack}));
  host->Style()->SetHotTrack(false);
  EXPECT_EQ(cxContainerHotStateOf({csNormal, csHotTrack}, styles->GetStyleNormal()),
            TcxContainerHotState::chsNoHotTrack);
  host->Style()->SetHotTrack(true);
  EXPECT_EQ(cxContainerHotStateOf({csNormal, csHotTrack}, styles->GetStyleHot()),
            TcxContainerHotState::chsSelected);
  EXPECT_EQ(cxContainerHotStateOf({csNormal}, styles->GetStyleNormal()),
            TcxContainerHotState::chsNormal);
  EXPECT_EQ(cxContainerBackgroundNativeState(false, true, {csDisabled}), 4);
  EXPECT_EQ(cxContainerBackgroundNativeState(true, true, {csActive, csHotTrack}), 5);
  EXPECT_EQ(cxContainerBackgroundNativeState(true, false, {csNormal, csHotTrack}), 2);
  EXPECT_EQ(cxContainerBackgroundNativeState(true, false, {csNormal}), 1);
}

TEST_F(ContainerViewInfoTest, UltraFlatAndOffice2003FramesAreSingleInTheirColours) {
  const struct {
    TcxContainerBorderStyle style;
    TcxContainerState state;
    bool hotTrack;
    TColor expected;
  } cases[] = {
      {cbsUltraFlat, {csNormal}, true, clBtnShadow},
      {cbsUltraFlat, {csActive}, true, clHighlight},
      {cbsUltraFlat, {csNormal, csHotTrack}, true, clHighlight},
      {cbsUltraFlat, {csNormal, csHotTrack}, false, clBtnShadow},
      {cbsUltraFlat, {csDisabled}, true, clBtnShadow},
      {cbsOffice11, {csNormal}, true, clBtnShadow},
      {cbsOffice11, {csActive}, true, dxOffice11SelectedBorderColor},
      {cbsOffice11, {csNormal, csHotTrack}, true, dxOffice11SelectedBorderColor},
      {cbsSingle, {csActive}, true, clWindowFrame},
  };
  for (const auto& c : cases) {
    host->Style()->SetBorderStyle(c.style);
    host->StyleFocused()->SetBorderStyle(c.style);
    host->Style()->SetHotTrack(c.hotTrack);
    TcxContainerStyle* active = cxContainerActiveStyle(host->Styles(), c.state);
    EXPECT_EQ(cxContainerBorderColor(c.state, active, nullptr, false), c.expected)
        << static_cast<int>(c.style) << " " << c.state.ToMask();
    EXPECT_EQ(cxContainerDrawnBorderStyle(false, host->Style(), active), cbsSingle);
    EXPECT_EQ(cxContainerDrawnBorderStyle(true, host->Style(), active), c.style);
  }
  host->Style()->SetBorderStyle(cbsUltraFlat);
  EXPECT_EQ(cxContainerBorderColor({csNormal}, host->Style(), nullptr, true), clHighlight)
      << "an enabled container being designed is highlighted";
  EXPECT_EQ(cxContainerBorderColor({csNormal}, host->Style(),
                                   TcxUltraFlatLookAndFeelPainter::StaticClass(), false),
            TcxUltraFlatLookAndFeelPainter::StaticClass()->GetContainerBorderColor(false));
}

// Width 60, height 20; extents as (left, top, right, bottom).
TEST_F(ContainerViewInfoTest, BorderExtentVisibleAndShadowBoundsByStyleEdgesAndShadow) {
  const TcxBorders all = cxBordersAll;
  const TcxBorders noLeft{TcxBorder::bTop, TcxBorder::bRight, TcxBorder::bBottom};
  const struct {
    const char* name;
    TcxContainerBorderStyle style;
    bool transparent;
    TcxBorders edges;
    bool shadow;
    TRect extent, visible, shadowBounds;
  } cases[] = {
      {"single", cbsSingle, true, all, false, {2, 2, 2, 2}, {1, 1, 59, 19}, {1, 1, 59, 19}},
      {"single, no left",
       cbsSingle,
       true,
       noLeft,
       false,
       {2, 2, 2, 2},
       {2, 1, 59, 19},
       {2, 1, 59, 19}},
      {"single, opaque",
       cbsSingle,
       false,
       all,
       false,
       {1, 1, 1, 1},
       {0, 0, 60, 20},
       {0, 0, 60, 20}},
      {"thick, opaque, no left",
       cbsThick,
       false,
       noLeft,
       false,
       {0, 2, 2, 2},
       {0, 0, 60, 20},
       {0, 0, 60, 20}},
      {"3D", cbs3D, true, all, false, {2, 2, 2, 2}, {0, 0, 60, 20}, {0, 0, 60, 20}},
      {"none", cbsNone, true, all, false, {2, 2, 2, 2}, {2, 2, 58, 18}, {2, 2, 58, 18}},
      {"single, shadow", cbsSingle, true, all, true, {2, 2, 5, 5}, {1, 1, 56, 16}, {1, 1, 56, 16}},
      {"flat, opaque, shadow",
       cbsFlat,
       false,
       all,
       true,
       {2, 2, 5, 5},
       {0, 0, 57, 17},
       {0, 0, 57, 17}},
  };
  for (const auto& c : cases) {
    host->Style()->SetBorderStyle(c.style);
    host->Style()->SetTransparentBorder(c.transparent);
    host->Style()->SetEdges(c.edges);
    host->Style()->SetShadow(c.shadow);
    TcxContainerViewInfo viewInfo;
    Calculate(viewInfo, host.get(), {csNormal});
    const TRect extent = cxContainerBorderExtent(viewInfo, host->Style(), host->Style(), c.shadow);
    EXPECT_EQ(extent, c.extent) << c.name;
    EXPECT_EQ(cxContainerVisibleBounds(viewInfo, kWidth, kHeight, false, host->Style()), c.visible)
        << c.name;
    EXPECT_EQ(cxContainerVisibleBounds(viewInfo, kWidth, kHeight, true, host->Style()),
              Rect(0, 0, kWidth, kHeight))
        << c.name;
    EXPECT_EQ(cxContainerShadowBounds(viewInfo.Bounds, extent, viewInfo.BorderStyle, c.edges),
              c.shadowBounds)
        << c.name;
  }
}

TEST_F(ContainerViewInfoTest, ANarrowContainerShowsAnEmptyBandAtTheTop) {
  TcxContainerViewInfo viewInfo;
  host->Style()->SetBorderStyle(cbsNone);
  Calculate(viewInfo, host.get(), {csNormal}, 30, 3);
  EXPECT_EQ(cxContainerVisibleBounds(viewInfo, 30, 3, false, host->Style()), Rect(2, 0, 28, 0));
}

TEST_F(ContainerViewInfoTest, OffsetMovesTheRectanglesAndAssignTakesTheClientRect) {
  TcxContainerViewInfo viewInfo;
  Calculate(viewInfo, host.get(), {csNormal});
  viewInfo.Offset(5, -1);
  EXPECT_EQ(viewInfo.Bounds, Rect(5, -1, 65, 19));
  EXPECT_EQ(viewInfo.BorderRect, Rect(7, 1, 63, 17));
  EXPECT_EQ(viewInfo.ClientRect, Rect(7, 1, 63, 17));
  TcxContainerViewInfo other;
  other.Assign(&viewInfo);
  EXPECT_EQ(other.ClientRect, viewInfo.ClientRect);
  EXPECT_EQ(other.Bounds, TRect{});
  TOwned<TcxRegion> region(other.GetUpdateRegion(&viewInfo));
  EXPECT_TRUE(region->IsEmpty());
}

// The window region: the frame's rectangle and the shadow's L-shaped band;
// the corners beside the shadow and the transparent margin stay out.
TEST_F(ContainerViewInfoTest, TheWindowRegionHoldsTheFrameAndTheShadowBand) {
  HWND window = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 60, 30, nullptr, nullptr,
                                  ::GetModuleHandleW(nullptr), nullptr);
  const int objects = CountGdiObjects();
  const TRect frame = Rect(2, 2, 55, 25);
  SetWindowShadowRegion(window, frame, false, true, TRect{});
  HRGN region = ::CreateRectRgn(0, 0, 0, 0);
  ASSERT_EQ(::GetWindowRgn(window, region), COMPLEXREGION);
  const struct {
    int x, y;
    bool inside;
  } probes[] = {{2, 2, true},    {54, 24, true}, {57, 27, true}, {56, 5, true},
                {5, 26, true},   {1, 1, false},  {56, 3, false}, {3, 26, false},
                {58, 28, false}, {57, 4, false}, {4, 27, false}};
  for (const auto& p : probes)
    EXPECT_EQ(::PtInRegion(region, p.x, p.y) != 0, p.inside) << p.x << "," << p.y;

  // The same region again is not set again; an excluded part cuts a hole.
  SetWindowShadowRegion(window, frame, false, true, TRect{});
  SetWindowShadowRegion(window, frame, false, false, Rect(10, 10, 20, 20));
  ::GetWindowRgn(window, region);
  EXPECT_FALSE(::PtInRegion(region, 15, 15));
  EXPECT_TRUE(::PtInRegion(region, 25, 15));
  EXPECT_FALSE(::PtInRegion(region, 56, 5));
  SetWindowShadowRegion(window, frame, true, false, TRect{});
  EXPECT_EQ(::GetWindowRgn(window, region), ERROR) << "no region any more";
  SetWindowShadowRegion(window, frame, true, false, TRect{});
  ::DeleteObject(region);
  ::DestroyWindow(window);
  EXPECT_EQ(CountGdiObjects(), objects);
}

} // namespace
