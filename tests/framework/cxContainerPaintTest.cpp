// Container frames painted in every border style and state, plain and with
// the platform's visual styles, by pixel; with TEST_PICTURES, one picture
// of the frames per look.
#include "framework/cxContainerViewInfo.h"

#include <string>
#include <vector>

#include "framework/dxOffice11.h"
#include "framework/dxUxTheme.h"
#include "tests/framework/ThemeTestSupport.h"
#include "tests/framework/cxContainerTestSupport.h"
#include "tests/framework/cxGraphicsCanvasTestSupport.h"
#include "tests/support/Pictures.h"
#include "tests/support/Pixels.h"

namespace {

using container_test::Calculate;
using container_test::TStyleHost;
using theme_test::TThemeUnits;
using theme_test::TVisualStyles;
using enum TcxContainerBorderStyle;
using enum TcxContainerStateItem;
using enum TcxLookAndFeelKind;

constexpr TColor Paper = 0xFF00FF;
constexpr int kWidth = 60;
constexpr int kHeight = 20;


TcxContainerState StateOf(TcxContainerStateItem item) {
  return item == csHotTrack ? TcxContainerState{csNormal, csHotTrack} : TcxContainerState{item};
}

// Each test leaves the number of the process's GDI objects as it found it.
class ContainerPaintTest : public testing::Test {
protected:
  static void SetUpTestSuite() {
    cxGraphicsUnit.Initialization();
    DrawNativeOnce();
  }
  static void TearDownTestSuite() { cxGraphicsUnit.Finalization(); }
  void SetUp() override {
    m_objects = CountGdiObjects();
    host.reset(Create<TStyleHost>(nullptr));
    CreateOffice11Colors();
  }
  void TearDown() override {
    ReleaseOffice11Colors();
    host.reset();
    EXPECT_EQ(CountGdiObjects(), m_objects) << "GDI objects leaked";
  }

  TOwned<TStyleHost> host;

  // Wine keeps a theme part's images once drawn or measured.
  static void DrawNativeOnce() {
    TThemeUnits units(TVisualStyles::On);
    TSurface surface(kWidth, kHeight);
    TcxContainerViewInfo viewInfo;
    viewInfo.NativeStyle = true;
    viewInfo.BorderStyle = cbsSingle;
    viewInfo.ThemedObjectType = TdxThemedObjectType::totEdit;
    viewInfo.NativePart = 1;
    viewInfo.NativeState = 1;
    viewInfo.Bounds = Rect(0, 0, kWidth, kHeight);
    viewInfo.Paint(surface.Canvas());
  }

  void Paint(TSurface& surface, TcxContainerState state) {
    TcxContainerViewInfo viewInfo;
    Calculate(viewInfo, host.get(), state);
    viewInfo.Paint(surface.Canvas());
  }

private:
  int m_objects = 0;
};

// A 60 x 20 container with the 2-pixel transparent margin, in every normal
// border style and state: which border is drawn (the focused and hot states
// thicken it with hot tracking; ultra-flat and Office 2003 are single), and
// what lies at the outer pixels of the left and right sides and inside.
TEST_F(ContainerPaintTest, EveryBorderStyleInEveryStateByPixel) {
  TThemeUnits units(TVisualStyles::ForcedOff);
  const TcxContainerBorderStyle plain[7] = {cbsNone, cbsSingle, cbsThick, cbsFlat,
                                            cbs3D,   cbsSingle, cbsSingle};
  const TcxContainerBorderStyle thickened[7] = {cbsFlat, cbsThick,  cbsThick, cbs3D,
                                                cbs3D,   cbsSingle, cbsSingle};
  struct Expect {
    int x;
    TColor color; // clNone: the frame colour; clDefault: the background
  };
  // By drawn border style, cbsNone to cbs3D.
  const std::vector<Expect> probes[5] = {
      {{0, Paper}, {1, Paper}, {2, clDefault}, {58, Paper}},
      {{0, Paper}, {1, clNone}, {2, clDefault}, {58, clNone}, {59, Paper}},
      {{0, clNone}, {1, clNone}, {2, clDefault}, {58, clNone}, {59, clNone}},
      {{0, clBtnShadow}, {1, clBtnFace}, {2, clDefault}, {58, clBtnFace}, {59, clBtnHighlight}},
      {{0, clBtnShadow}, {1, cl3DDkShadow}, {2, clDefault}, {58, cl3DLight}, {59, clBtnHighlight}},
  };
  host->Style()->SetColor(clInfoBk);
  host->StyleFocused()->SetColor(clAqua);
  host->StyleOf(csHotTrack)->SetColor(clYellow);
  host->StyleFocused()->SetBorderColor(clRed);
  for (int style = 0; style < 7; ++style)
    for (TcxContainerStateItem item : {csNormal, csActive, csDisabled, csHotTrack}) {
      host->Style()->SetBorderStyle(static_cast<TcxContainerBorderStyle>(style));
      TcxContainerViewInfo viewInfo;
      Calculate(viewInfo, host.get(), StateOf(item));
      const bool thick = item == csActive || item == csHotTrack;
      const TcxContainerBorderStyle drawn = thick ? thickened[style] : plain[style];
      ASSERT_EQ(viewInfo.BorderStyle, drawn) << style << " " << static_cast<int>(item);
      TSurface surface(kWidth, kHeight, Paper);
      viewInfo.Paint(surface.Canvas());
      for (const Expect& e : probes[static_cast<int>(drawn)]) {
        const TColor expected = e.color == clNone      ? Rgb(viewInfo.BorderColor)
                                : e.color == clDefault ? Rgb(viewInfo.BackgroundColor())
                                                       : Rgb(e.color);
        EXPECT_EQ(surface.Pixel(e.x, 10), expected)
            << "style " << style << " state " << static_cast<int>(item) << " x " << e.x;
      }
    }
}

TEST_F(ContainerPaintTest, StatesChangeTheFrameAndTheBackground) {
  TThemeUnits units(TVisualStyles::ForcedOff);
  host->Style()->SetBorderStyle(cbsUltraFlat);
  host->Style()->SetColor(clInfoBk);
  host->StyleFocused()->SetColor(clAqua);
  const struct {
    TcxContainerStateItem state;
    TColor frame, background;
  } cases[] = {{csNormal, clBtnShadow, clInfoBk},
               {csActive, clHighlight, clAqua},
               {csHotTrack, clHighlight, clInfoBk},
               {csDisabled, clBtnShadow, clBtnFace}};
  for (const auto& c : cases) {
    TSurface surface(kWidth, kHeight, Paper);
    Paint(surface, StateOf(c.state));
    EXPECT_EQ(surface.Mismatches({{1, 1, Rgb(c.frame)},
                                  {58, 18, Rgb(c.frame)},
                                  {2, 2, Rgb(c.background)},
                                  {0, 0, Paper}}),
              "")
        << static_cast<int>(c.state);
  }
}

// With the shadow the frame moves 3 pixels in at the right and bottom and
// the L-shaped band below and right of it is the shadow colour; a side
// without an edge has its frame line outside the control.
TEST_F(ContainerPaintTest, TheShadowAndMissingEdges) {
  TThemeUnits units(TVisualStyles::ForcedOff);
  host->Style()->SetBorderStyle(cbsSingle);
  host->Style()->SetBorderColor(clRed);
  host->Style()->SetColor(clWhite);
  host->Style()->SetShadow(true);
  TSurface surface(kWidth, kHeight, Paper);
  Paint(surface, {csNormal});
  const TColor shadow = Rgb(cxContainerShadowColor);
  EXPECT_EQ(surface.Mismatches({{1, 1, Rgb(clRed)},
                                {55, 15, Rgb(clRed)},
                                {54, 14, Rgb(clWhite)},
                                {57, 10, shadow},
                                {10, 17, shadow},
                                {57, 3, Paper},
                                {2, 17, Paper},
                                {59, 19, Paper}}),
            "");
  EXPECT_EQ(surface.InkBox(shadow), Rect(4, 4, 59, 19));

  host->Style()->SetShadow(false);
  host->Style()->SetTransparentBorder(false);
  host->Style()->SetEdges({TcxBorder::bTop, TcxBorder::bRight, TcxBorder::bBottom});
  TSurface noLeft(kWidth, kHeight, Paper);
  Paint(noLeft, {csNormal});
  EXPECT_EQ(noLeft.Mismatches({{0, 10, Rgb(clWhite)},
                               {59, 10, Rgb(clRed)},
                               {5, 0, Rgb(clRed)},
                               {0, 0, Rgb(clRed)},
                               {5, 19, Rgb(clRed)}}),
            "");
}

TEST_F(ContainerPaintTest, TheNativeLookFillsTheThemeContentAndItsBorderBand) {
  TThemeUnits units(TVisualStyles::On);
  host->Style()->GetLookAndFeel()->SetNativeStyle(true);
  host->Style()->SetBorderStyle(cbsSingle);
  host->Style()->SetColor(clInfoBk);
  if (!AreVisualStylesMustBeUsed(true, TdxThemedObjectType::totEdit))
    GTEST_SKIP() << "the platform has no visual style for edits";
  for (TcxContainerStateItem item : {csNormal, csDisabled}) {
    TcxContainerViewInfo viewInfo;
    Calculate(viewInfo, host.get(), StateOf(item));
    ASSERT_TRUE(viewInfo.NativeStyle);
    EXPECT_EQ(viewInfo.BorderStyle, cbsSingle);
    TSurface surface(kWidth, kHeight, Paper);
    viewInfo.Paint(surface.Canvas());
    TRect content{};
    dxUxTheme::GetThemeBackgroundContentRect(OpenTheme(TdxThemedObjectType::totEdit),
                                             surface->Handle(), 1, viewInfo.NativeState,
                                             AsRECT(viewInfo.Bounds), AsRECT(content));
    COLORREF border = 0;
    dxUxTheme::GetThemeColor(OpenTheme(TdxThemedObjectType::totComboBox), 1, 1, 3801, &border);
    EXPECT_EQ(surface.Pixel(0, 10), Rgb(static_cast<TColor>(border)));
    EXPECT_EQ(surface.Pixel(content.Left, 10), Rgb(viewInfo.BackgroundColor()));
    EXPECT_EQ(surface.Pixel(content.Right - 1, content.Bottom - 1),
              Rgb(viewInfo.BackgroundColor()));
    if (item == csNormal)
      EXPECT_EQ(viewInfo.BackgroundColor(), clInfoBk);
  }
  host->Style()->SetBorderStyle(cbsNone);
  TSurface plain(kWidth, kHeight, Paper);
  Paint(plain, {csNormal});
  EXPECT_EQ(plain.Count(Rgb(clInfoBk)), kWidth * kHeight) << "no border: all background";
}

TEST_F(ContainerPaintTest, WithoutVisualStylesTheNativeLookIsPlain) {
  TThemeUnits units(TVisualStyles::ForcedOff);
  host->Style()->GetLookAndFeel()->SetNativeStyle(true);
  TcxContainerViewInfo viewInfo;
  Calculate(viewInfo, host.get(), {csNormal});
  EXPECT_FALSE(viewInfo.NativeStyle);
  EXPECT_EQ(viewInfo.BorderStyle, cbsSingle) << "ultra-flat, drawn single";
}

// With TEST_PICTURES: per look, a row per border style (the first is the
// look's own), a column per state.
TEST_F(ContainerPaintTest, PicturesOfTheFramesPerLook) {
  const struct {
    const char* name;
    TcxLookAndFeelKind kind;
    bool native;
  } looks[] = {{"flat", lfFlat, false},
               {"standard", lfStandard, false},
               {"ultraflat", lfUltraFlat, false},
               {"office11", lfOffice11, false},
               {"native", lfUltraFlat, true}};
  constexpr int kCellWidth = 90;
  constexpr int kCellHeight = 32;
  const TcxContainerStateItem states[] = {csNormal, csActive, csHotTrack, csDisabled};
  for (const auto& look : looks) {
    TThemeUnits units(look.native ? TVisualStyles::On : TVisualStyles::ForcedOff);
    host->Styles()->RestoreDefaults();
    host->Style()->GetLookAndFeel()->SetKind(look.kind);
    host->Style()->GetLookAndFeel()->SetNativeStyle(look.native);
    host->Style()->SetShadow(false);
    TSurface sheet(kCellWidth * 4 + 8, kCellHeight * 9 + 8, clBtnFace);
    for (int row = 0; row < 9; ++row) {
      if (row > 0 && row < 8)
        host->Style()->SetBorderStyle(static_cast<TcxContainerBorderStyle>(row - 1));
      if (row == 8) {
        host->Style()->SetBorderStyle(cbsSingle);
        host->Style()->SetShadow(true);
      }
      for (int column = 0; column < 4; ++column) {
        TcxContainerViewInfo viewInfo;
        Calculate(viewInfo, host.get(), StateOf(states[column]), kCellWidth - 10, kCellHeight - 8);
        TSurface cell(kCellWidth - 10, kCellHeight - 8, clBtnFace);
        viewInfo.Paint(cell.Canvas());
        sheet->Canvas()->Draw(4 + column * kCellWidth + 5, 4 + row * kCellHeight + 4,
                              cell.Bitmap());
      }
    }
    SavePicture(sheet.Bitmap(), std::string("container-frames-") + look.name);
  }
}

} // namespace
