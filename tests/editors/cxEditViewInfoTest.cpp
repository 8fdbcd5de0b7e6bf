// The editor view info: button view infos kept across calculations, the
// region to repaint between two states, moving, hit tests, and the buttons
// drawn in each button style, checked by pixels in 32-bit bitmaps. Every
// test leaves the process's GDI objects as it found them.
#include "editors/cxEditViewInfo.h"

#include "editors/cxEditUtils.h"
#include "platform/controls/ControlsUnits.h"
#include "tests/framework/cxGraphicsCanvasTestSupport.h"
#include "tests/support/Pictures.h"
#include "tests/support/Pixels.h"

namespace {

using enum TcxEditButtonState;
using enum TcxEditButtonStyle;

class EditViewInfoTest : public testing::Test {
protected:
  static void SetUpTestSuite() {
    ProgramUnits().Start(ControlsUnits());
    ProgramUnits().Start({&cxEditPaintUtilsUnit, 1});
    ProgramUnits().Start({&cxEditUtilsUnit, 1});
  }
  void SetUp() override { m_objects = CountGdiObjects(); }
  void TearDown() override {
    m_viewInfo.reset();
    ResetSolidBrushCache();
    EXPECT_EQ(CountGdiObjects(), m_objects) << "GDI objects leaked";
  }

  // A 100 x 21 editor with a single border and the buttons' rectangles given
  // from the right.
  TcxCustomEditViewInfo* ViewInfo(std::initializer_list<TRect> buttons) {
    m_viewInfo.reset(Create<TcxCustomEditViewInfo>());
    m_viewInfo->Bounds = Rect(0, 0, 100, 21);
    m_viewInfo->BorderRect = Rect(1, 1, 99, 20);
    m_viewInfo->BorderStyle = TcxContainerBorderStyle::cbsSingle;
    m_viewInfo->SetBackgroundColor(clWindow);
    m_viewInfo->SetButtonCount(static_cast<int>(buttons.size()));
    int i = 0;
    for (const TRect& r : buttons) {
      TcxEditButtonViewInfo* button = m_viewInfo->Buttons(i++);
      button->Bounds = button->VisibleBounds = r;
      button->Style = bts3D;
    }
    return m_viewInfo.get();
  }

  TOwned<TcxCustomEditViewInfo> m_viewInfo;

private:
  int m_objects = 0;
};


TEST_F(EditViewInfoTest, ButtonViewInfosSurviveWhileTheCountStays) {
  TcxCustomEditViewInfo* viewInfo = ViewInfo({Rect(80, 1, 99, 20)});
  TcxEditButtonViewInfo* first = viewInfo->Buttons(0);
  first->State = ebsPressed;
  viewInfo->SetButtonCount(3);
  EXPECT_EQ(viewInfo->Buttons(0), first);
  EXPECT_EQ(viewInfo->Buttons(0)->State, ebsPressed);
  EXPECT_EQ(viewInfo->Buttons(2)->State, ebsNormal);
  viewInfo->SetButtonCount(0);
  EXPECT_EQ(viewInfo->ButtonCount(), 0);
}

TEST_F(EditViewInfoTest, UpdateRegionIsTheChangedButtonOrTheBounds) {
  TcxCustomEditViewInfo* viewInfo = ViewInfo({Rect(60, 1, 80, 20), Rect(80, 1, 99, 20)});
  TOwned<TcxCustomEditViewInfo> previous(Create<TcxCustomEditViewInfo>());
  previous->Assign(viewInfo);
  EXPECT_EQ(previous->ButtonCount(), 2);
  auto box = [](TcxRegion* region) {
    TOwned<TcxRegion> owned(region);
    RECT r{};
    ::GetRgnBox(owned->Handle(), &r);
    return owned->IsEmpty() ? TRect{} : Rect(r.left, r.top, r.right, r.bottom);
  };
  EXPECT_EQ(box(viewInfo->GetUpdateRegion(previous.get())), TRect{});
  viewInfo->Buttons(1)->State = ebsSelected;
  EXPECT_EQ(box(viewInfo->GetUpdateRegion(previous.get())), Rect(80, 1, 99, 20));
  viewInfo->Buttons(1)->State = ebsNormal;
  viewInfo->BorderColor = clRed;
  EXPECT_EQ(box(viewInfo->GetUpdateRegion(previous.get())), Rect(0, 0, 100, 21));
  viewInfo->BorderColor = previous->BorderColor;
  viewInfo->SetButtonCount(1);
  EXPECT_EQ(box(viewInfo->GetUpdateRegion(previous.get())), Rect(0, 0, 100, 21));
}

TEST_F(EditViewInfoTest, OffsetMovesEveryRectangleAndHitTestsFollow) {
  TcxCustomEditViewInfo* viewInfo = ViewInfo({Rect(80, 1, 99, 20)});
  viewInfo->InnerEditRect = Rect(2, 2, 78, 19);
  viewInfo->Offset(10, 5);
  EXPECT_EQ(viewInfo->Bounds, Rect(10, 5, 110, 26));
  EXPECT_EQ(viewInfo->InnerEditRect, Rect(12, 7, 88, 24));
  EXPECT_EQ(viewInfo->Buttons(0)->Bounds, Rect(90, 6, 109, 25));
  EXPECT_EQ(viewInfo->Buttons(0)->VisibleBounds, Rect(90, 6, 109, 25));
  EXPECT_EQ(viewInfo->ButtonVisibleIndexAt(TPoint{95, 10}), 0);
  EXPECT_EQ(viewInfo->ButtonVisibleIndexAt(TPoint{50, 10}), -1);
  viewInfo->Left = 10;
  EXPECT_TRUE(viewInfo->IsHotTrack(TPoint{105, 10}));
  EXPECT_FALSE(viewInfo->IsHotTrack(TPoint{95, 30}));
  int index = -1;
  EXPECT_FALSE(viewInfo->IsHotTrack(index));
  viewInfo->Buttons(0)->State = ebsSelected;
  EXPECT_TRUE(viewInfo->IsHotTrack(index));
  EXPECT_EQ(index, 0);
  EXPECT_EQ(viewInfo->GetDefaultButtonVisibleIndex(), -1);
  viewInfo->Buttons(0)->Default = true;
  EXPECT_EQ(viewInfo->GetDefaultButtonVisibleIndex(), 0);
}

// One button of 20 x 19 at (80, 1) drawn alone; pixels probed per style.
TEST_F(EditViewInfoTest, ButtonFramesPerStyleTable) {
  struct Case {
    const char* name;
    TcxEditButtonStyle style;
    TcxEditButtonState state;
    bool leftEdge;
    // Outer left column, second left column, top row (middle), inside.
    TColor outerLeft, secondLeft, outerTop, inside;
  } cases[] = {
      {"3D", bts3D, ebsNormal, false, cl3DLight, clBtnHighlight, cl3DLight, clBtnFace},
      {"3D pressed", bts3D, ebsPressed, false, clBtnShadow, clBtnFace, clBtnShadow, clBtnFace},
      {"flat", btsFlat, ebsNormal, false, clBtnFace, clBtnHighlight, clBtnHighlight, clBtnFace},
      {"flat pressed", btsFlat, ebsPressed, false, clBtnFace, clBtnShadow, clBtnShadow, clBtnFace},
      {"simple", btsSimple, ebsNormal, false, clWindow, clBtnFace, clWindow, clBtnFace},
      {"hot flat innermost", btsHotFlat, ebsNormal, true, clBtnShadow, clBtnFace, clBtnShadow,
       clBtnFace},
      {"hot flat outer", btsHotFlat, ebsNormal, false, clBtnFace, clBtnFace, clBtnShadow,
       clBtnFace},
      {"hot flat selected", btsHotFlat, ebsSelected, true, clBtnShadow, clBtnShadow, clBtnShadow,
       clBtnShadow},
      {"ultra flat normal", btsUltraFlat, ebsNormal, false, clWindow, clBtnFace, clWindow,
       clBtnFace},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TcxCustomEditViewInfo* viewInfo = ViewInfo({Rect(80, 1, 100, 20)});
    TcxEditButtonViewInfo* button = viewInfo->Buttons(0);
    button->Style = c.style;
    button->State = c.state;
    button->LeftEdge = c.leftEdge;
    button->RightEdge = true;
    button->Kind = TcxEditButtonKind::bkGlyph; // no glyph: the frame and fill alone
    TSurface surface(100, 21);
    viewInfo->DrawButtons(surface.Canvas());
    SavePicture(surface.Bitmap(), std::string("edit-button-") + c.name);
    EXPECT_EQ(surface.Pixel(80, 10), Rgb(c.outerLeft));
    EXPECT_EQ(surface.Pixel(81, 10), Rgb(c.secondLeft));
    EXPECT_EQ(surface.Pixel(90, 1), Rgb(c.outerTop));
    EXPECT_EQ(surface.Pixel(90, 10), Rgb(c.inside));
  }
}

TEST_F(EditViewInfoTest, UltraFlatHighlightsWithTheBorderColour) {
  struct Case {
    const char* name;
    bool office11, bordered, inplace;
    TColor frame, left;
  } cases[] = {
      // Without a border of the editor's own the button gets a whole frame.
      {"no border", false, false, false, clHighlight, clHighlight},
      // Inside a border: a line on the inner (left) side only.
      {"bordered", false, true, false, GetEditButtonHighlightColor(false, false), clHighlight},
      // In place the host's external border counts, not the border style.
      {"in place", false, false, true, clHighlight, clHighlight},
      {"in place, external border", false, true, true, GetEditButtonHighlightColor(false, false),
       clHighlight},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TcxCustomEditViewInfo* viewInfo = ViewInfo({Rect(80, 1, 99, 20)});
    viewInfo->IsInplace = c.inplace;
    if (c.inplace && c.bordered)
      viewInfo->PaintOptions = {TcxEditPaintOption::epoHasExternalBorder};
    if (!c.bordered && !c.inplace)
      viewInfo->BorderStyle = TcxContainerBorderStyle::cbsNone;
    TcxEditButtonViewInfo* button = viewInfo->Buttons(0);
    button->Style = btsUltraFlat;
    button->State = ebsSelected;
    button->RightEdge = true;
    button->Kind = TcxEditButtonKind::bkGlyph;
    TSurface surface(100, 21);
    viewInfo->DrawButtons(surface.Canvas());
    EXPECT_EQ(surface.Pixel(90, 1), Rgb(c.frame));
    EXPECT_EQ(surface.Pixel(80, 10), Rgb(c.left));
    EXPECT_EQ(surface.Pixel(90, 10), Rgb(GetEditButtonHighlightColor(false, false)));
  }
}

TEST_F(EditViewInfoTest, DisabledEllipsisDotsAreEmbossed) {
  // A 3D button of 16 pixels leaves a 12-pixel content: dots of 2 x 2.
  TcxCustomEditViewInfo* viewInfo = ViewInfo({Rect(80, 1, 96, 20)});
  TcxEditButtonViewInfo* button = viewInfo->Buttons(0);
  button->Kind = TcxEditButtonKind::bkEllipsis;
  button->State = ebsDisabled;
  TSurface surface(100, 21);
  viewInfo->DrawButtons(surface.Canvas());
  SavePicture(surface.Bitmap(), "edit-button-ellipsis-disabled");
  // Content (82, 3)-(94, 18): dots of 2 x 2 at x 83, 87 and 91, y 9; the
  // highlight copy one pixel down and right shows beside and below them.
  EXPECT_EQ(surface.Mismatches({{83, 9, Rgb(clBtnShadow)},
                                {88, 10, Rgb(clBtnShadow)},
                                {92, 10, Rgb(clBtnShadow)},
                                {85, 11, Rgb(clBtnHighlight)},
                                {93, 11, Rgb(clBtnHighlight)},
                                {85, 9, Rgb(clBtnFace)},
                                {86, 10, Rgb(clBtnFace)},
                                {90, 8, Rgb(clBtnFace)}}),
            "");
}

TEST_F(EditViewInfoTest, DownArrowInThePenColourAndMovedWhilePressed) {
  TcxCustomEditViewInfo* viewInfo = ViewInfo({Rect(80, 1, 99, 20)});
  TcxEditButtonViewInfo* button = viewInfo->Buttons(0);
  button->Kind = TcxEditButtonKind::bkDown;
  TSurface normal(100, 21);
  viewInfo->DrawButtons(normal.Canvas());
  const TRect arrow = normal.InkBox(Rgb(clBtnText));
  EXPECT_FALSE(cxRectIsEmpty(arrow));
  EXPECT_TRUE(cxRectContain(Rect(82, 3, 97, 18), arrow));
  button->State = ebsPressed;
  TSurface pressed(100, 21);
  viewInfo->DrawButtons(pressed.Canvas());
  SavePicture(pressed.Bitmap(), "edit-button-down-pressed");
  EXPECT_EQ(pressed.InkBox(Rgb(clBtnText)), cxRectOffset(arrow, 1, 1));
}

TEST_F(EditViewInfoTest, ButtonsAreNotDrawnWhileAlreadyDrawingThem) {
  TcxCustomEditViewInfo* viewInfo = ViewInfo({Rect(80, 1, 99, 20)});
  viewInfo->States.Include(TcxEditViewInfoState::evsPaintButtons);
  TSurface surface(100, 21);
  viewInfo->DrawButtons(surface.Canvas());
  EXPECT_EQ(surface.Count(Rgb(clWhite)), 100 * 21);
  viewInfo->States.Exclude(TcxEditViewInfoState::evsPaintButtons);
  viewInfo->DrawButtons(surface.Canvas());
  EXPECT_EQ(surface.Pixel(83, 4), Rgb(clBtnFace));
  EXPECT_TRUE(viewInfo->States.Empty());
}

TEST_F(EditViewInfoTest, AButtonReachingOutsideTheBorderIsClippedToItsVisiblePart) {
  TcxCustomEditViewInfo* viewInfo = ViewInfo({Rect(80, 1, 110, 20)});
  viewInfo->Buttons(0)->VisibleBounds = Rect(80, 1, 99, 20);
  TSurface surface(110, 21);
  viewInfo->DrawButtons(surface.Canvas());
  EXPECT_EQ(surface.Pixel(90, 10), Rgb(clBtnFace));
  EXPECT_EQ(surface.Pixel(100, 10), Rgb(clWhite));
}

} // namespace
