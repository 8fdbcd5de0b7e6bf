// Editor styles: the button values resolved from the style itself, then the
// controller's style of the same state, then the default; the values the
// normal style keeps for all states; Assign and Init; the default editor
// style controller made at start-up and edited through form components.
#include "editors/cxEditStyles.h"

#include "editors/cxEdit.h"
#include "platform/controls/ControlsUnits.h"
#include "platform/objects/FormReader.h"
#include "platform/objects/FormWriter.h"
#include "tests/support/GTest.h"

namespace {

using enum TcxContainerStateItem;
using enum TcxEditButtonStyle;

class EditStylesTest : public testing::Test {
protected:
  static void SetUpTestSuite() {
    ProgramUnits().Start(ControlsUnits());
    ProgramUnits().Start({&cxLookAndFeelsUnit, 1});
  }
  void SetUp() override {
    m_units.Start({&cxEditUnit, 1});
    m_styles.reset(Create<TcxContainerStyles>(nullptr, TcxEditStyle::StaticClass()));
    m_controller.reset(Create<TcxEditStyleController>(nullptr));
  }
  void TearDown() override {
    m_styles.reset();
    m_controller.reset();
    m_units.Stop();
    RootLookAndFeel()->Reset();
  }
  TcxCustomEditStyle* Style(TcxContainerStateItem state) const {
    return static_cast<TcxCustomEditStyle*>(m_styles->GetStyle(state));
  }
  TcxCustomEditStyle* ControllerStyle(TcxContainerStateItem state) const {
    return m_controller->GetEditStyle(state);
  }
  void UseController() { Style(csNormal)->BaseSetStyleController(m_controller.get()); }

  TUnitStartup m_units;
  TOwned<TcxContainerStyles> m_styles;
  TOwned<TcxEditStyleController> m_controller;
};

TEST_F(EditStylesTest, ButtonStyleResolvesOwnThenControllerThenDefault) {
  struct Case {
    const char* name;
    TcxEditButtonStyle ownNormal, ownHot, controllerNormal, controllerHot;
    bool useController;
    TcxEditButtonStyle normal, focused, hot;
    bool normalAssigned, hotAssigned;
  };
  constexpr TcxEditButtonStyle none = btsDefault;
  const Case cases[] = {
      {"nothing set", none, none, none, none, false, btsDefault, btsDefault, btsDefault, false,
       false},
      {"own per state", btsFlat, bts3D, none, none, false, btsFlat, btsFlat, bts3D, true, true},
      {"controller's normal style", none, none, btsHotFlat, none, true, btsHotFlat, btsHotFlat,
       btsHotFlat, true, false},
      {"controller's hot style", none, none, btsFlat, btsSimple, true, btsFlat, btsFlat, btsSimple,
       true, true},
      {"own before the controller's", btsOffice11, none, btsFlat, btsSimple, true, btsOffice11,
       btsOffice11, btsSimple, true, true},
      {"controller unused", none, none, btsFlat, btsSimple, false, btsDefault, btsDefault,
       btsDefault, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TearDown();
    SetUp();
    if (c.ownNormal != none)
      Style(csNormal)->SetButtonStyle(c.ownNormal);
    if (c.ownHot != none)
      Style(csHotTrack)->SetButtonStyle(c.ownHot);
    if (c.controllerNormal != none)
      ControllerStyle(csNormal)->SetButtonStyle(c.controllerNormal);
    if (c.controllerHot != none)
      ControllerStyle(csHotTrack)->SetButtonStyle(c.controllerHot);
    if (c.useController)
      UseController();
    EXPECT_EQ(Style(csNormal)->GetButtonStyle(), c.normal);
    EXPECT_EQ(Style(csActive)->GetButtonStyle(), c.focused);
    EXPECT_EQ(Style(csHotTrack)->GetButtonStyle(), c.hot);
    EXPECT_EQ(Style(csNormal)->IsValueAssigned(svButtonStyle), c.normalAssigned);
    EXPECT_EQ(Style(csHotTrack)->IsValueAssigned(svButtonStyle), c.hotAssigned);
  }
}

TEST_F(EditStylesTest, NormalStyleKeepsTheOtherButtonValuesForAllStates) {
  int changes = 0;
  m_styles->SetOnChanged(TNotifyEvent([&](TObject*) { ++changes; }));
  Style(csActive)->SetButtonTransparency(TcxEditButtonTransparency::ebtHideInactive);
  Style(csDisabled)->SetPopupBorderStyle(TcxEditPopupBorderStyle::epbsFlat);
  Style(csHotTrack)->SetGradientButtons(true);
  Style(csActive)->SetPopupCloseButton(false);
  EXPECT_EQ(changes, 4);
  for (TcxContainerStateItem state : {csNormal, csActive, csDisabled, csHotTrack}) {
    SCOPED_TRACE(static_cast<int>(state));
    EXPECT_EQ(Style(state)->GetButtonTransparency(), TcxEditButtonTransparency::ebtHideInactive);
    EXPECT_EQ(Style(state)->GetPopupBorderStyle(), TcxEditPopupBorderStyle::epbsFlat);
    EXPECT_TRUE(Style(state)->GetGradientButtons());
    EXPECT_FALSE(Style(state)->GetPopupCloseButton());
  }
  EXPECT_EQ(Style(csNormal)->GetAssignedValues(),
            (TcxContainerStyleValues{svButtonTransparency, svPopupBorderStyle, svGradientButtons}));
  EXPECT_TRUE(Style(csActive)->GetAssignedValues().Empty());

  Style(csHotTrack)->SetGradientButtons(true);
  EXPECT_EQ(changes, 4) << "an assigned, equal value changes nothing";
}

TEST_F(EditStylesTest, StyleValuesAreNumberedAfterTheContainers) {
  TcxCustomEditStyle* style = Style(csNormal);
  EXPECT_EQ(style->GetStyleValueCount(), 14);
  const std::pair<int, const char*> names[] = {{0, "BorderColor"},       {9, "TransparentBorder"},
                                               {10, "ButtonStyle"},      {11, "ButtonTransparency"},
                                               {12, "PopupBorderStyle"}, {13, "GradientButtons"}};
  for (const auto& [index, expected] : names) {
    std::string name;
    EXPECT_TRUE(style->GetStyleValueName(TcxContainerStyleValue{index}, name));
    EXPECT_EQ(name, expected);
  }
  std::string name = "x";
  EXPECT_FALSE(style->GetStyleValueName(TcxContainerStyleValue{14}, name));
  EXPECT_EQ(name, "");
  TcxContainerStyleValue value;
  EXPECT_TRUE(style->GetStyleValue("popupborderstyle", value));
  EXPECT_EQ(value, svPopupBorderStyle);
}

TEST_F(EditStylesTest, AssignCopiesTheButtonValuesAndAnnouncesOnce) {
  TcxCustomEditStyle* source = ControllerStyle(csNormal);
  source->SetButtonStyle(btsUltraFlat);
  source->SetButtonTransparency(TcxEditButtonTransparency::ebtAlways);
  source->SetPopupCloseButton(false);
  source->SetColor(clAqua);
  int changes = 0;
  m_styles->SetOnChanged(TNotifyEvent([&](TObject*) { ++changes; }));
  Style(csNormal)->Assign(source);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(Style(csNormal)->GetButtonStyle(), btsUltraFlat);
  EXPECT_EQ(Style(csNormal)->GetButtonTransparency(), TcxEditButtonTransparency::ebtAlways);
  EXPECT_FALSE(Style(csNormal)->GetPopupCloseButton());
  EXPECT_EQ(Style(csNormal)->GetColor(), clAqua);
  EXPECT_TRUE(Style(csNormal)->IsValueAssigned(svButtonStyle));
}

TEST_F(EditStylesTest, InitTakesColourFontAndTextColour) {
  TOwned<TFont> font(Create<TFont>());
  font->SetSize(12);
  TcxViewParams params;
  params.Color = clYellow;
  params.Font = font.get();
  params.TextColor = clMaroon;
  Style(csNormal)->Init(params);
  EXPECT_EQ(Style(csNormal)->GetFont()->Size(), 12);
  EXPECT_EQ(Style(csNormal)->GetColor(), clYellow);
  EXPECT_EQ(Style(csNormal)->GetTextColor(), clMaroon);
  for (TcxContainerStyleValue value : {csvColor, csvFont, csvTextColor})
    EXPECT_TRUE(Style(csNormal)->GetAssignedValues().Contains(value));
}

TEST_F(EditStylesTest, DefaultControllerServesPlainContainersAndNeverListensToItself) {
  TcxEditStyleController* controller = DefaultEditStyleController();
  ASSERT_NE(controller, nullptr);
  EXPECT_EQ(cxContainerDefaultStyleController, controller);
  for (TcxContainerStateItem state : {csNormal, csActive, csDisabled, csHotTrack}) {
    TcxContainerStyle* own = controller->GetInternalStyle(state);
    EXPECT_EQ(own->GetActiveStyleController(), nullptr);
    own->BaseSetStyleController(nullptr);
    EXPECT_EQ(own->GetActiveStyleController(), nullptr);
  }
  for (TcxContainerStyle* listener : controller->Listeners())
    EXPECT_NE(listener->Owner(), controller);

  EXPECT_EQ(Style(csNormal)->GetActiveStyleController(), controller);
  EXPECT_EQ(Style(csNormal)->BaseGetStyleController(), nullptr);
  TOwned<TcxContainerStyles> plain(
      Create<TcxContainerStyles>(nullptr, TcxContainerStyle::StaticClass()));
  controller->GetStyle()->SetColor(clRed);
  controller->GetEditStyle(csNormal)->SetButtonStyle(btsFlat);
  EXPECT_EQ(plain->GetStyleNormal()->GetColor(), clRed);
  EXPECT_EQ(Style(csNormal)->GetButtonStyle(), btsFlat);
  EXPECT_TRUE(Style(csNormal)->IsValueAssigned(svButtonStyle));
  controller->RestoreStyles();
}

TEST_F(EditStylesTest, FreeingTheLastDefaultControllerComponentRestoresTheDefaults) {
  TOwned<TcxDefaultEditStyleController> first(Create<TcxDefaultEditStyleController>(nullptr));
  TOwned<TcxDefaultEditStyleController> second(Create<TcxDefaultEditStyleController>(nullptr));
  EXPECT_EQ(TcxDefaultEditStyleController::InstanceCount(), 2);
  first->GetInternalStyle(csHotTrack)->SetButtonStyle(bts3D);
  first->SetOnStyleChanged(TNotifyEvent([](TObject*) {}));
  EXPECT_EQ(Style(csHotTrack)->GetButtonStyle(), bts3D);
  EXPECT_EQ(second->GetInternalStyle(csHotTrack),
            DefaultEditStyleController()->GetEditStyle(csHotTrack));

  first.reset();
  EXPECT_EQ(Style(csHotTrack)->GetButtonStyle(), bts3D);
  EXPECT_TRUE(static_cast<bool>(DefaultEditStyleController()->OnStyleChanged()));
  second.reset();
  EXPECT_EQ(TcxDefaultEditStyleController::InstanceCount(), 0);
  EXPECT_EQ(Style(csHotTrack)->GetButtonStyle(), btsDefault);
  EXPECT_FALSE(Style(csHotTrack)->IsValueAssigned(svButtonStyle));
  EXPECT_FALSE(static_cast<bool>(DefaultEditStyleController()->OnStyleChanged()));
}

TEST_F(EditStylesTest, ControllerStylesRoundTripThroughAFormDefinition) {
  m_controller->GetEditStyle(csNormal)->SetButtonStyle(bts3D);
  m_controller->GetEditStyle(csHotTrack)->SetButtonStyle(btsHotFlat);
  m_controller->GetEditStyle(csActive)->SetButtonTransparency(
      TcxEditButtonTransparency::ebtInactive);
  m_controller->GetEditStyle(csNormal)->SetEditBorderStyle(TcxEditBorderStyle::ebs3D);
  const std::string text = WriteFormDefinition(m_controller.get());
  for (const char* line :
       {"Style.BorderStyle = ebs3D", "Style.ButtonStyle = bts3D",
        "Style.ButtonTransparency = ebtInactive", "StyleHot.ButtonStyle = btsHotFlat"})
    EXPECT_NE(text.find(line), std::string::npos) << line << "\n" << text;
  EXPECT_EQ(text.find("PopupBorderStyle"), std::string::npos) << text;
  EXPECT_EQ(text.find("StyleFocused.Button"), std::string::npos) << text;

  TOwned<TcxEditStyleController> copy(Create<TcxEditStyleController>(nullptr));
  ReadFormDefinition(text, copy.get());
  EXPECT_EQ(copy->GetEditStyle(csNormal)->GetButtonStyle(), bts3D);
  EXPECT_EQ(copy->GetEditStyle(csHotTrack)->GetButtonStyle(), btsHotFlat);
  EXPECT_EQ(copy->GetEditStyle(csActive)->GetButtonTransparency(),
            TcxEditButtonTransparency::ebtInactive);
  EXPECT_EQ(copy->GetEditStyle(csNormal)->GetEditBorderStyle(), TcxEditBorderStyle::ebs3D);
  EXPECT_EQ(WriteFormDefinition(copy.get()), text);
}

} // namespace
