// The editor view data with real properties and styles: the border extent,
// the buttons laid out inside it with their default widths and styles, the
// client rectangle they leave, the container state and hidden buttons.
#include "editors/cxEditViewData.h"

#include "editors/cxEdit.h"
#include "editors/cxEditStyles.h"
#include "platform/controls/ControlsUnits.h"
#include "tests/editors/EditPropertiesTestSupport.h"
#include "tests/support/GTest.h"
#include "tests/support/GdiObjects.h"

namespace {

using enum TcxContainerStateItem;
using enum TcxEditButtonStyle;
using enum TcxEditButtonState;
using editors_test::TTestEditProperties;

class EditViewDataTest : public testing::Test {
protected:
  static void SetUpTestSuite() {
    ProgramUnits().Start(ControlsUnits());
    ProgramUnits().Start({&cxLookAndFeelsUnit, 1});
  }
  void SetUp() override {
    m_units.Start({&cxEditUnit, 1});
    m_properties.reset(Create<TTestEditProperties>(nullptr));
    m_properties->Buttons()->Clear();
    m_styles.reset(Create<TcxContainerStyles>(nullptr, TcxEditStyle::StaticClass()));
    Style()->SetBorderStyle(TcxContainerBorderStyle::cbsSingle);
    Style()->GetLookAndFeel()->SetKind(TcxLookAndFeelKind::lfFlat);
    m_viewInfo.reset(Create<TcxCustomEditViewInfo>());
    Style()->GetVisibleFont()->Handle();
    m_objects = CountGdiObjects();
  }
  void TearDown() override {
    m_viewInfo.reset();
    m_viewData.reset();
    EXPECT_EQ(CountGdiObjects(), m_objects) << "GDI objects leaked";
    m_styles.reset();
    m_properties.reset();
    m_units.Stop();
    RootLookAndFeel()->Reset();
  }
  TcxCustomEditStyle* Style() const {
    return static_cast<TcxCustomEditStyle*>(m_styles->GetStyle(csNormal));
  }
  TcxEditButton* AddButton(TcxEditButtonKind kind, int width = 0, bool left = false) {
    TcxEditButton* button = m_properties->Buttons()->Add();
    button->SetKind(kind);
    button->SetWidth(width);
    button->SetLeftAlignment(left);
    return button;
  }
  TcxCustomEditViewData* Calculate(TcxEditButtonsMouse mouse = {}, bool focused = false) {
    m_viewData.reset(Create<TcxCustomEditViewData>(m_properties.get(), Style(), false));
    m_viewData->Focused = focused;
    m_viewData->Calculate(nullptr, Rect(0, 0, 100, 21), mouse, m_viewInfo.get());
    return m_viewData.get();
  }

  TUnitStartup m_units;
  TOwned<TTestEditProperties> m_properties;
  TOwned<TcxContainerStyles> m_styles;
  TOwned<TcxCustomEditViewInfo> m_viewInfo;
  TOwned<TcxCustomEditViewData> m_viewData;

private:
  int m_objects = 0;
};

TEST_F(EditViewDataTest, OneDropDownButtonTakesTheDefaultWidthInsideTheBorder) {
  AddButton(TcxEditButtonKind::bkDown);
  Calculate();
  const int width = ::GetSystemMetrics(SM_CYHSCROLL);
  ASSERT_EQ(m_viewInfo->ButtonCount(), 1);
  const TcxEditButtonViewInfo& button = *m_viewInfo->Buttons(0);
  // The transparent margin of 2 around the frame.
  EXPECT_EQ(m_viewInfo->BorderExtent, Rect(2, 2, 2, 2));
  EXPECT_EQ(button.Bounds, Rect(98 - width, 2, 98, 19));
  EXPECT_TRUE(button.LeftEdge && button.RightEdge && button.ComboStyle);
  EXPECT_EQ(button.Style, btsHotFlat);
  EXPECT_EQ(m_viewInfo->ClientRect, Rect(2, 2, 98 - width, 19));
}

TEST_F(EditViewDataTest, ButtonCountsWidthsAndPlacesTable) {
  struct Case {
    const char* name;
    std::vector<std::tuple<TcxEditButtonKind, int, bool, bool>>
        buttons; // kind, width, left, visible
    std::vector<TRect> bounds;
    TRect client;
  } cases[] = {
      {"none", {}, {}, Rect(2, 2, 98, 19)},
      {"right pair, last outermost",
       {{TcxEditButtonKind::bkEllipsis, 10, false, true},
        {TcxEditButtonKind::bkEllipsis, 20, false, true}},
       {Rect(68, 2, 78, 19), Rect(78, 2, 98, 19)},
       Rect(2, 2, 68, 19)},
      {"one left, one right",
       {{TcxEditButtonKind::bkEllipsis, 12, true, true},
        {TcxEditButtonKind::bkEllipsis, 15, false, true}},
       {Rect(2, 2, 14, 19), Rect(83, 2, 98, 19)},
       Rect(14, 2, 83, 19)},
      {"invisible skipped, width below the margin raised",
       {{TcxEditButtonKind::bkEllipsis, 2, false, true},
        {TcxEditButtonKind::bkEllipsis, 30, false, false}},
       {Rect(94, 2, 98, 19)},
       Rect(2, 2, 94, 19)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    m_properties->Buttons()->Clear();
    for (auto [kind, width, left, visible] : c.buttons)
      AddButton(kind, width, left)->SetVisible(visible);
    Calculate();
    ASSERT_EQ(m_viewInfo->ButtonCount(), static_cast<int>(c.bounds.size()));
    for (size_t i = 0; i < c.bounds.size(); ++i)
      EXPECT_EQ(m_viewInfo->Buttons(static_cast<int>(i))->Bounds, c.bounds[i]) << i;
    EXPECT_EQ(m_viewInfo->ClientRect, c.client);
  }
}

TEST_F(EditViewDataTest, StatesFromTheMouseAndTheEditor) {
  AddButton(TcxEditButtonKind::bkEllipsis, 20);
  Calculate(TcxEditButtonsMouse{{90, 10}});
  EXPECT_EQ(m_viewInfo->ContainerState, (TcxContainerState{csNormal, csHotTrack}));
  EXPECT_EQ(m_viewInfo->Buttons(0)->State, ebsSelected);
  EXPECT_EQ(m_viewInfo->SelectedButton, 0);
  Calculate(TcxEditButtonsMouse{{90, 10}, true, true, {TShiftStateItem::ssLeft}}, true);
  EXPECT_EQ(m_viewInfo->ContainerState, TcxContainerState{csActive});
  EXPECT_EQ(m_viewInfo->Buttons(0)->State, ebsPressed);
  EXPECT_EQ(m_viewInfo->PressedButton, 0);
  m_viewData.reset(Create<TcxCustomEditViewData>(m_properties.get(), Style(), false));
  m_viewData->Enabled = false;
  m_viewData->Calculate(nullptr, Rect(0, 0, 100, 21), TcxEditButtonsMouse{{90, 10}},
                        m_viewInfo.get());
  EXPECT_EQ(m_viewInfo->ContainerState, TcxContainerState{csDisabled});
  EXPECT_EQ(m_viewInfo->Buttons(0)->State, ebsDisabled);
}

TEST_F(EditViewDataTest, HiddenButtonsByTransparencyTable) {
  using enum TcxEditButtonTransparency;
  struct Case {
    TcxEditButtonTransparency transparency;
    bool focused, mouseOver;
    int count;
  } cases[] = {
      {ebtHideInactive, false, true, 0},    {ebtHideInactive, true, false, 1},
      {ebtHideUnselected, false, false, 0}, {ebtHideUnselected, false, true, 1},
      {ebtHideUnselected, true, false, 1},  {ebtNone, false, false, 1},
  };
  AddButton(TcxEditButtonKind::bkEllipsis, 20);
  for (const Case& c : cases) {
    Style()->SetButtonTransparency(c.transparency);
    Calculate(TcxEditButtonsMouse{c.mouseOver ? TPoint{50, 10} : TPoint{-1, -1}}, c.focused);
    EXPECT_EQ(m_viewInfo->ButtonCount(), c.count)
        << static_cast<int>(c.transparency) << c.focused << c.mouseOver;
  }
}

TEST_F(EditViewDataTest, BordersAndButtonStylesTable) {
  using enum TcxContainerBorderStyle;
  struct Case {
    TcxContainerBorderStyle border;
    TcxEditButtonStyle buttons;
    TRect extent;
    TColor highlightedColour;
  } cases[] = {
      // Hot tracking is on: the border decides, not the look-and-feel.
      {cbsNone, btsSimple, Rect(0, 0, 0, 0), clDefault},
      {cbsSingle, btsHotFlat, Rect(1, 1, 1, 1), clDefault},
      {cbs3D, bts3D, Rect(2, 2, 2, 2), clDefault},
      {cbsUltraFlat, btsUltraFlat, Rect(1, 1, 1, 1), clHighlight},
  };
  Style()->SetTransparentBorder(false);
  for (const Case& c : cases) {
    Style()->SetBorderStyle(c.border);
    TcxCustomEditViewData* viewData = Calculate({}, true);
    EXPECT_EQ(viewData->GetButtonsStyle(), c.buttons) << static_cast<int>(c.border);
    EXPECT_EQ(m_viewInfo->BorderExtent, c.extent) << static_cast<int>(c.border);
    if (c.highlightedColour != clDefault)
      EXPECT_EQ(m_viewInfo->BorderColor, c.highlightedColour);
  }
  // Without hot tracking and without a border the look-and-feel decides.
  Style()->SetBorderStyle(cbsNone);
  Style()->SetHotTrack(false);
  EXPECT_EQ(Calculate()->GetButtonsStyle(), btsFlat);
}

TEST_F(EditViewDataTest, ContentSizeCorrectionIsThreeAcross) {
  TcxCustomEditViewData* viewData = Calculate();
  EXPECT_EQ(viewData->GetEditContentSizeCorrection().cx, 3);
  EXPECT_EQ(viewData->GetEditContentSizeCorrection().cy, 4);
}

// The stored options pass through; the content parameters add the external
// border and the in-place focus rectangle; the view info takes the answer.
TEST_F(EditViewDataTest, PaintOptionsTable) {
  using enum TcxEditPaintOption;
  const struct {
    TcxEditPaintOptions stored;
    TRect externalBorder;
    TcxEditContentOptions content;
    TcxEditPaintOptions expected;
  } cases[] = {
      {{}, TRect{}, {}, {}},
      {{epoAutoHeight, epoShowEndEllipsis}, TRect{}, {}, {epoAutoHeight, epoShowEndEllipsis}},
      {{}, Rect(0, 0, 10, 10), {}, {epoHasExternalBorder}},
      {{}, Rect(5, 5, 5, 10), {}, {}},
      {{},
       TRect{},
       {TcxEditContentOption::ecoShowFocusRectWhenInplace},
       {epoShowFocusRectWhenInplace}},
      {{epoAllowZeroHeight},
       Rect(0, 0, 1, 1),
       {TcxEditContentOption::ecoShowFocusRectWhenInplace,
        TcxEditContentOption::ecoOffsetButtonContent},
       {epoAllowZeroHeight, epoHasExternalBorder, epoShowFocusRectWhenInplace}},
  };
  for (const auto& c : cases) {
    m_viewData.reset(Create<TcxCustomEditViewData>(m_properties.get(), Style(), true));
    m_viewData->PaintOptions = c.stored;
    m_viewData->ContentParams.ExternalBorderBounds = c.externalBorder;
    m_viewData->ContentParams.Options = c.content;
    EXPECT_EQ(m_viewData->GetPaintOptions(), c.expected);
    m_viewData->Calculate(nullptr, Rect(0, 0, 100, 21), {}, m_viewInfo.get());
    EXPECT_EQ(m_viewInfo->PaintOptions, c.expected);
  }
}

} // namespace
