// The editor base unit: its start-up and shut-down, its exported values and
// its small shared routines.
#include "editors/cxEdit.h"

#include "data/cxFilterConsts.h"
#include "platform/controls/ControlsUnits.h"
#include "platform/controls/Screen.h"
#include "tests/framework/cxGraphicsCanvasTestSupport.h"
#include "tests/support/CursorResources.h"

namespace {

TEST(EditUnitTest, SpaceCharactersAreTheSixControlAndSpaceCharacters) {
  for (int c = 0; c < 256; ++c) {
    const bool expected = c == 0 || c == 9 || c == 10 || c == 12 || c == 13 || c == 32;
    EXPECT_EQ(IsSpaceChar(static_cast<char>(c)), expected) << c;
  }
}

TEST(EditUnitTest, CheckSizeRaisesEachDimensionToTheMinimum) {
  struct Case {
    TSize size, minimum, result;
  };
  const Case cases[] = {{{5, 5}, {3, 7}, {5, 7}},
                        {{1, 9}, {4, 2}, {4, 9}},
                        {{-2, -3}, {0, 0}, {0, 0}},
                        {{8, 8}, {8, 8}, {8, 8}}};
  for (const Case& c : cases) {
    TSize size = c.size;
    CheckSize(size, c.minimum);
    EXPECT_EQ(size, c.result);
  }
}

TEST(EditUnitTest, ExportedValues) {
  EXPECT_EQ(cxEditStyleValueNameA[0], "ButtonStyle");
  EXPECT_EQ(cxEditStyleValueNameA[3], "GradientButtons");
  EXPECT_EQ(EditContentDefaultOffsets[0], Rect(1, 1, 1, 3));
  EXPECT_EQ(EditContentDefaultOffsets[1], Rect(1, 1, 1, 1));
  EXPECT_EQ(DefaultcxEditSizeProperties.Height, -1);
  EXPECT_EQ(DefaultcxEditSizeProperties.MaxLineCount, 0);
  EXPECT_EQ(DefaultcxEditSizeProperties.Width, -1);
  using E = TcxEditButtonState;
  using B = TcxButtonState;
  const std::pair<E, B> states[] = {{E::ebsDisabled, B::cxbsDisabled},
                                    {E::ebsNormal, B::cxbsNormal},
                                    {E::ebsPressed, B::cxbsPressed},
                                    {E::ebsSelected, B::cxbsHot}};
  for (const auto& [edit, button] : states)
    EXPECT_EQ(EditBtnState2ButtonState(edit), button);
}

class EditUnitDrawingTest : public TcxGraphicsTest {};

TRect RegionBox(TcxRegion* region) {
  TRect box{};
  ::GetRgnBox(region->Handle(), AsRECT(box));
  return box;
}

TEST_F(EditUnitDrawingTest, UniteRegionsMakesTheUnion) {
  TOwned<TcxRegion> destination(Create<TcxRegion>(Rect(0, 0, 4, 4)));
  TOwned<TcxRegion> source(Create<TcxRegion>(Rect(10, 2, 12, 8)));
  UniteRegions(destination.get(), source.get());
  EXPECT_EQ(RegionBox(destination.get()), Rect(0, 0, 12, 8));
  EXPECT_TRUE(destination->PtInRegion(Point(11, 7)));
  EXPECT_FALSE(destination->PtInRegion(Point(6, 2)));
  EXPECT_EQ(RegionBox(source.get()), Rect(10, 2, 12, 8));
}

TEST_F(EditUnitDrawingTest, FramesDrawOnePixelAndShrinkTheRectangle) {
  TSurface surface(10, 10);
  TRect r = Rect(1, 1, 9, 9);
  DrawEditComplexFrame(surface.Canvas(), r, clRed, clBlue);
  EXPECT_EQ(r, Rect(2, 2, 8, 8));
  DrawEditFrame(surface.Canvas(), r, clLime);
  EXPECT_EQ(r, Rect(3, 3, 7, 7));
  EXPECT_EQ(surface.Mismatches({{1, 1, clRed},
                                {1, 7, clRed},
                                {8, 8, clBlue},
                                {8, 2, clBlue},
                                {2, 2, clLime},
                                {7, 7, clLime},
                                {3, 3, clWhite},
                                {0, 0, clWhite}}),
            "");
}

// Counts the components it watches going away.
class TWatcher : public TComponent {
  OBJECT_CLASS(TWatcher, TComponent)
public:
  using TComponent::TComponent;
  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove)
      ++*freed;
  }
  int* freed = nullptr;
};

TEST(EditUnitTest, TheMouseWheelCursorResourceDraws) {
  ExpectCursorResourceDraws("CXEDIT_MOUSEWHEEL");
}

TEST(EditUnitStartupTest, StartRegistersTheCursorAndTheFilterCaptionsAndStopFreesTheShared) {
  ProgramUnits().Start(ControlsUnits());
  ProgramUnits().Start({&cxLookAndFeelsUnit, 1});
  TUnitStartup units;
  units.Start({&cxEditUnit, 1});
  EXPECT_NE(Screen->Cursors(crcxEditMouseWheel), Screen->Cursors(0));
  EXPECT_EQ(cxFilterGetResourceStringFunc, &cxGetResourceStringNet);
  ASSERT_NE(DefaultEditStyleController(), nullptr);
  EXPECT_EQ(cxContainerDefaultStyleController, DefaultEditStyleController());
  GetRegisteredEditProperties().Register(TcxCustomEditProperties::StaticClass(), "Base");

  int freed = 0;
  TOwned<TWatcher> watcher(Create<TWatcher>(nullptr));
  watcher->freed = &freed;
  watcher->FreeNotification(GetDefaultEditRepository());
  units.Stop();
  EXPECT_EQ(freed, 1);
  EXPECT_EQ(DefaultEditStyleController(), nullptr);
  EXPECT_EQ(cxContainerDefaultStyleController, nullptr);
  EXPECT_EQ(GetRegisteredEditProperties().Count(), 0);
  FreeRegisteredEditProperties();
  cxFilterGetResourceStringFunc = nullptr;
}

} // namespace
