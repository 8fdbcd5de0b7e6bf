// Container styles and style controllers: values set, inherited from the
// controller chain and defaulted per state, the announcements of changes,
// attaching and freeing controllers, and what form definitions store.
#include "framework/cxContainerStyles.h"
#include "tests/framework/cxContainerTestSupport.h"

#include <string>
#include <vector>

#include "platform/controls/ControlsUnits.h"
#include "platform/controls/WinControls.h"
#include "platform/objects/FormReader.h"
#include "platform/objects/FormWriter.h"
#include "tests/support/GTest.h"

namespace {

using container_test::TStyleHost;
using enum TcxContainerBorderStyle;
using enum TcxContainerStateItem;
using enum TcxLookAndFeelKind;

// A style controller that counts its announcements.
TcxStyleController* MakeController(TComponent* owner, int& announcements) {
  TcxStyleController* controller = Create<TcxStyleController>(owner);
  controller->SetOnStyleChanged(TNotifyEvent([&announcements](TObject*) { ++announcements; }));
  return controller;
}

class ContainerStylesTest : public testing::Test {
protected:
  static void SetUpTestSuite() {
    ProgramUnits().Start(ControlsUnits());
    const TUnitInfo units[] = {cxLookAndFeelsUnit};
    ProgramUnits().Start(units);
  }
  void SetUp() override {
    m_default.reset(Create<TcxStyleController>(nullptr));
    cxContainerDefaultStyleController = m_default.get();
    host.reset(Create<TStyleHost>(nullptr));
    host->SetName("Host");
  }
  void TearDown() override {
    host.reset();
    cxContainerDefaultStyleController = nullptr;
    m_default.reset();
    RootLookAndFeel()->Reset();
  }

  TcxStyleController* DefaultController() const { return m_default.get(); }

  TOwned<TStyleHost> host;

private:
  TOwned<TcxStyleController> m_default;
};

TEST_F(ContainerStylesTest, AFreshNormalStyleSetsNothingAndAnswersItsDefaults) {
  TcxContainerStyle* style = host->Style();
  EXPECT_TRUE(style->GetAssignedValues().Empty());
  EXPECT_EQ(style->GetBorderStyle(), cbsUltraFlat) << "the root's kind is ultra-flat";
  EXPECT_EQ(style->GetEdges(), cxBordersAll);
  EXPECT_TRUE(style->GetHotTrack());
  EXPECT_FALSE(style->GetShadow());
  EXPECT_TRUE(style->GetTransparentBorder());
  EXPECT_EQ(style->GetBorderColor(), clWindowFrame);
  EXPECT_EQ(style->GetTextColor(), style->GetFont()->Color());
  EXPECT_EQ(style->GetActiveStyleController(), DefaultController());
  EXPECT_EQ(style->BaseGetStyleController(), nullptr) << "the default controller is hidden";
  for (int i = 0; i < 10; ++i)
    EXPECT_FALSE(style->IsValueAssigned(TcxContainerStyleValue{i})) << i;
}

TEST_F(ContainerStylesTest, TheNormalBorderStyleFollowsTheLookAndFeelKind) {
  const struct {
    TcxLookAndFeelKind kind;
    TcxContainerBorderStyle expected;
  } cases[] = {{lfFlat, cbsFlat},
               {lfStandard, cbs3D},
               {lfUltraFlat, cbsUltraFlat},
               {lfOffice11, cbsOffice11}};
  for (const auto& c : cases) {
    host->Style()->GetLookAndFeel()->SetKind(c.kind);
    EXPECT_EQ(host->Style()->GetBorderStyle(), c.expected) << static_cast<int>(c.kind);
    EXPECT_EQ(host->StyleOf(csDisabled)->GetBorderStyle(), c.expected);
  }
}

TEST_F(ContainerStylesTest, StateStylesTakeTheirBorderStyleFromTheTable) {
  // Rows: focused, disabled, hot; columns: the normal style's border style.
  const TcxContainerBorderStyle hotTracked[3][7] = {
      {cbsFlat, cbsThick, cbsThick, cbs3D, cbs3D, cbsUltraFlat, cbsOffice11},
      {cbsNone, cbsSingle, cbsThick, cbsFlat, cbs3D, cbsUltraFlat, cbsOffice11},
      {cbsFlat, cbsThick, cbsThick, cbs3D, cbs3D, cbsUltraFlat, cbsOffice11},
  };
  const TcxContainerStateItem states[3] = {csActive, csDisabled, csHotTrack};
  for (bool hotTrack : {true, false}) {
    host->Style()->SetHotTrack(hotTrack);
    for (int normal = 0; normal < 7; ++normal) {
      const auto normalStyle = static_cast<TcxContainerBorderStyle>(normal);
      host->Style()->SetBorderStyle(normalStyle);
      for (int row = 0; row < 3; ++row) {
        const bool fromTable = hotTrack || states[row] == csDisabled;
        const TcxContainerBorderStyle expected = fromTable ? hotTracked[row][normal] : normalStyle;
        EXPECT_EQ(host->StyleOf(states[row])->GetBorderStyle(), expected)
            << "hot track " << hotTrack << ", normal " << normal << ", state row " << row;
      }
    }
  }
}

TEST_F(ContainerStylesTest, DefaultColoursDependOnStateAndParentColour) {
  const struct {
    bool defaultParentColor;
    TColor normal, focused, disabled, hot;
  } cases[] = {{false, clWindow, clWindow, clBtnFace, clWindow},
               {true, clBtnFace, clBtnFace, clBtnFace, clBtnFace}};
  for (const auto& c : cases) {
    host->defaultParentColor = c.defaultParentColor;
    host->SetParentColor(false);
    EXPECT_EQ(host->StyleOf(csNormal)->GetColor(), c.normal);
    EXPECT_EQ(host->StyleOf(csActive)->GetColor(), c.focused);
    EXPECT_EQ(host->StyleOf(csDisabled)->GetColor(), c.disabled);
    EXPECT_EQ(host->StyleOf(csHotTrack)->GetColor(), c.hot);
  }
  // The disabled style of a parent-coloured container follows a set colour.
  host->Style()->SetColor(clYellow);
  EXPECT_EQ(host->StyleOf(csDisabled)->GetColor(), clYellow);
  EXPECT_EQ(host->StyleOf(csActive)->GetColor(), clYellow);
}

TEST_F(ContainerStylesTest, StateStylesDefaultTheirBorderAndTextColours) {
  host->Style()->SetBorderColor(clRed);
  host->Style()->SetTextColor(clBlue);
  host->Style()->SetTextStyle({TFontStyle::fsBold});
  EXPECT_EQ(host->StyleOf(csActive)->GetBorderColor(), clRed);
  EXPECT_EQ(host->StyleOf(csHotTrack)->GetTextColor(), clBlue);
  EXPECT_EQ(host->StyleOf(csHotTrack)->GetTextStyle(), TFontStyles{TFontStyle::fsBold});
  EXPECT_EQ(host->StyleOf(csDisabled)->GetBorderColor(), clBtnShadow);
  EXPECT_EQ(host->StyleOf(csDisabled)->GetTextColor(), clBtnShadow);
  EXPECT_EQ(host->StyleOf(csDisabled)->GetTextStyle(), TFontStyles{TFontStyle::fsBold});
}

TEST_F(ContainerStylesTest, StateStylesKeepTheirOwnValuesAndForwardTheNormalOnes) {
  TcxContainerStyle* focused = host->StyleFocused();
  focused->SetColor(clAqua);
  EXPECT_EQ(focused->GetAssignedValues(), TcxContainerStyleValues{csvColor});
  EXPECT_TRUE(host->Style()->GetAssignedValues().Empty());
  EXPECT_NE(host->Style()->GetColor(), clAqua);

  focused->SetEdges({TcxBorder::bLeft});
  focused->SetShadow(true);
  focused->SetHotTrack(false);
  focused->SetTransparentBorder(false);
  EXPECT_EQ(focused->GetAssignedValues(), TcxContainerStyleValues{csvColor});
  EXPECT_EQ(host->Style()->GetAssignedValues(),
            (TcxContainerStyleValues{csvEdges, csvShadow, csvHotTrack, csvTransparentBorder}));
  EXPECT_EQ(host->Style()->GetEdges(), TcxBorders{TcxBorder::bLeft});
  EXPECT_EQ(focused->GetEdges(), TcxBorders{TcxBorder::bLeft});
  EXPECT_TRUE(host->StyleOf(csHotTrack)->GetShadow());
  EXPECT_EQ(focused->GetFont(), host->Style()->GetFont());
  EXPECT_EQ(focused->GetLookAndFeel(), host->Style()->GetLookAndFeel());
}

TEST_F(ContainerStylesTest, OnlyARealChangeIsAnnouncedAndUpdatesAnnounceOnce) {
  TcxContainerStyle* style = host->Style();
  host->changes.clear();
  style->SetBorderColor(clWindowFrame); // the default, but not yet the style's own
  EXPECT_EQ(host->changes.size(), 1u);
  EXPECT_TRUE(style->IsBorderColorStored());
  style->SetBorderColor(clWindowFrame);
  EXPECT_EQ(host->changes.size(), 1u) << "the same own value again";

  style->BeginUpdate();
  style->BeginUpdate();
  style->SetColor(clRed);
  style->SetBorderStyle(cbsThick);
  style->EndUpdate();
  EXPECT_EQ(host->changes.size(), 1u);
  style->EndUpdate();
  EXPECT_EQ(host->changes, (std::vector<TObject*>{style, style}));
  style->EndUpdate(); // one too many: ignored
  style->SetShadow(true);
  EXPECT_EQ(host->changes.size(), 3u);
}

TEST_F(ContainerStylesTest, AControllerSuppliesWhatAStyleDoesNotSet) {
  int announcements = 0;
  TOwned<TcxStyleController> controller(MakeController(nullptr, announcements));
  controller->GetInternalStyle(csActive)->SetBorderColor(clLime);
  controller->GetStyle()->SetShadow(true);
  host->Style()->BaseSetStyleController(controller.get());
  EXPECT_EQ(host->StyleFocused()->BaseGetStyleController(), controller.get());

  TcxContainerStyle* focused = host->StyleFocused();
  EXPECT_EQ(focused->GetBorderColor(), clLime);
  EXPECT_TRUE(focused->IsValueAssigned(csvBorderColor));
  EXPECT_FALSE(focused->IsBorderColorStored()) << "only own values are stored";
  EXPECT_TRUE(host->Style()->GetShadow());
  EXPECT_FALSE(host->Style()->IsValueAssigned(csvBorderColor));

  // An own value wins, and the chain goes on through the controller's own
  // controller.
  focused->SetBorderColor(clNavy);
  EXPECT_EQ(focused->GetBorderColor(), clNavy);
  TOwned<TcxStyleController> grand(MakeController(nullptr, announcements));
  grand->GetInternalStyle(csDisabled)->SetTextColor(clFuchsia);
  controller->GetStyle()->BaseSetStyleController(grand.get());
  EXPECT_EQ(controller->FakeStyleController(), grand.get());
  EXPECT_EQ(host->StyleOf(csDisabled)->GetTextColor(), clFuchsia);
  EXPECT_EQ(host->Style()->GetLookAndFeel()->MasterLookAndFeel(),
            controller->GetStyle()->GetLookAndFeel());
  host->Style()->BaseSetStyleController(nullptr);
}

TEST_F(ContainerStylesTest, AControllerThatWouldLeadBackIsRefused) {
  int announcements = 0;
  TOwned<TcxStyleController> a(MakeController(nullptr, announcements));
  TOwned<TcxStyleController> b(MakeController(nullptr, announcements));
  b->GetStyle()->BaseSetStyleController(a.get());
  a->GetStyle()->BaseSetStyleController(b.get());
  EXPECT_EQ(a->FakeStyleController(), nullptr) << "a would inherit from itself through b";
  a->GetStyle()->BaseSetStyleController(a.get());
  EXPECT_EQ(a->GetStyle()->GetActiveStyleController(), DefaultController());
  EXPECT_EQ(b->FakeStyleController(), a.get());
  b->GetStyle()->BaseSetStyleController(nullptr);
}

TEST_F(ContainerStylesTest, AControllerChangeReachesEveryListenerOnce) {
  int announcements = 0;
  TOwned<TcxStyleController> controller(MakeController(nullptr, announcements));
  TOwned<TStyleHost> second(Create<TStyleHost>(nullptr));
  host->Style()->BaseSetStyleController(controller.get());
  second->Style()->BaseSetStyleController(controller.get());
  EXPECT_EQ(controller->Listeners(),
            (std::vector<TcxContainerStyle*>{host->Style(), second->Style()}));
  host->changes.clear();
  second->changes.clear();
  announcements = 0;

  controller->GetInternalStyle(csActive)->SetColor(clTeal);
  EXPECT_EQ(announcements, 1);
  EXPECT_EQ(host->changes.size(), 1u);
  EXPECT_EQ(second->changes.size(), 1u);
  EXPECT_EQ(second->StyleFocused()->GetColor(), clTeal);

  controller->Loaded();
  EXPECT_EQ(host->changes.size(), 2u);
  EXPECT_EQ(second->changes.size(), 2u);

  // Its look-and-feel is the master of theirs: a kind change reaches them
  // through their look-and-feel and through the controller.
  controller->GetStyle()->GetLookAndFeel()->SetKind(lfStandard);
  EXPECT_EQ(second->Style()->GetBorderStyle(), cbs3D);
  EXPECT_EQ(second->changes.size(), 4u);
  second.reset();
  EXPECT_EQ(controller->Listeners(), (std::vector<TcxContainerStyle*>{host->Style()}));
  host->Style()->BaseSetStyleController(nullptr);
}

TEST_F(ContainerStylesTest, FreeingAControllerMovesItsListenersToTheDefaultOne) {
  int announcements = 0;
  TOwned<TcxStyleController> controller(MakeController(nullptr, announcements));
  controller->GetStyle()->SetColor(clMaroon);
  host->Style()->BaseSetStyleController(controller.get());
  EXPECT_EQ(host->Style()->GetColor(), clMaroon);
  host->changes.clear();
  controller.reset();
  EXPECT_EQ(host->Style()->GetActiveStyleController(), DefaultController());
  EXPECT_NE(host->Style()->GetColor(), clMaroon);
  EXPECT_EQ(host->changes.size(), 1u);
  EXPECT_EQ(host->Style()->GetLookAndFeel()->MasterLookAndFeel(),
            DefaultController()->GetStyle()->GetLookAndFeel());
}

// The default controller going while styles still use it leaves them with
// none instead of a dangling one.
TEST_F(ContainerStylesTest, FreeingTheDefaultControllerLeavesItsListenersWithoutOne) {
  TcxStyleController* original = cxContainerDefaultStyleController;
  TOwned<TcxStyleController> doomed(Create<TcxStyleController>(nullptr));
  cxContainerDefaultStyleController = doomed.get();
  TOwned<TStyleHost> third(Create<TStyleHost>(nullptr));
  EXPECT_EQ(third->Style()->GetActiveStyleController(), doomed.get());
  doomed.reset();
  EXPECT_EQ(third->Style()->GetActiveStyleController(), nullptr);
  EXPECT_EQ(third->Style()->GetColor(), clWindow);
  cxContainerDefaultStyleController = original;
}

TEST_F(ContainerStylesTest, TheFontFollowsTheControllerUntilTheStyleSetsItsOwn) {
  int announcements = 0;
  TOwned<TcxStyleController> controller(MakeController(nullptr, announcements));
  controller->GetStyle()->GetFont()->SetSize(14);
  host->SetParentFont(false);
  host->Style()->BaseSetStyleController(controller.get());
  EXPECT_EQ(host->Style()->GetFont()->Size(), 14);
  EXPECT_FALSE(host->Style()->GetAssignedValues().Contains(csvFont));
  EXPECT_TRUE(host->Style()->IsValueAssigned(csvFont));

  // A change made to the font from outside makes it the style's own.
  host->Style()->GetFont()->SetName("Tahoma");
  EXPECT_TRUE(host->Style()->GetAssignedValues().Contains(csvFont));
  controller->GetStyle()->GetFont()->SetSize(20);
  EXPECT_EQ(host->Style()->GetFont()->Size(), 14);

  // Giving up the own font takes the controller's again.
  host->Style()->SetAssignedValues({});
  EXPECT_EQ(host->Style()->GetFont()->Size(), 20);
  host->Style()->BaseSetStyleController(nullptr);
  EXPECT_NE(host->Style()->GetFont()->Size(), 20) << "back to the default font";

  TOwned<TFont> font(Create<TFont>());
  font->SetColor(clRed);
  font->SetStyle({TFontStyle::fsItalic});
  host->Style()->SetFont(font.get());
  EXPECT_EQ(host->StyleFocused()->GetVisibleFont()->Color(), clRed);
  host->StyleFocused()->SetTextColor(clGreen);
  host->StyleFocused()->SetTextStyle({TFontStyle::fsBold});
  TFont* visible = host->StyleFocused()->GetVisibleFont();
  EXPECT_EQ(visible->Color(), clGreen);
  EXPECT_EQ(visible->Style(), TFontStyles{TFontStyle::fsBold});
  EXPECT_EQ(host->Style()->GetFont()->Style(), TFontStyles{TFontStyle::fsItalic});
}

TEST_F(ContainerStylesTest, AControllerScalesItsFontOnceOrPassesTheCallOn) {
  int announcements = 0;
  TOwned<TcxStyleController> base(MakeController(nullptr, announcements));
  TOwned<TcxStyleController> derived(MakeController(nullptr, announcements));
  derived->GetStyle()->BaseSetStyleController(base.get());
  base->GetStyle()->GetFont()->SetSize(10);
  derived->ChangeFontScale(2, 1);
  EXPECT_EQ(base->GetStyle()->GetFont()->Size(), 20);
  derived->ChangeFontScale(2, 1);
  EXPECT_EQ(base->GetStyle()->GetFont()->Size(), 20) << "scaled once in its life";
  derived->GetStyle()->BaseSetStyleController(nullptr);
  derived->ChangeFontScale(3, 1); // the chain ends at a controller without a font
  EXPECT_EQ(base->GetStyle()->GetFont()->Size(), 20);
}

TEST_F(ContainerStylesTest, AssignCopiesOwnValuesIntoEveryKindOfStyle) {
  TOwned<TStyleHost> source(Create<TStyleHost>(nullptr));
  source->Style()->SetColor(clRed);
  source->Style()->SetEdges({TcxBorder::bTop});
  source->Style()->GetFont()->SetSize(17);
  source->StyleFocused()->SetTextColor(clBlue);

  host->changes.clear();
  host->Styles()->SetStyleNormal(source->Style());
  EXPECT_EQ(host->changes.size(), 1u);
  EXPECT_EQ(host->Style()->GetAssignedValues(), source->Style()->GetAssignedValues());
  EXPECT_EQ(host->Style()->GetColor(), clRed);
  EXPECT_EQ(host->Style()->GetEdges(), TcxBorders{TcxBorder::bTop});
  EXPECT_EQ(host->Style()->GetFont()->Size(), 17);

  // A state style has no font object of its own: the normal font stays.
  host->Style()->GetFont()->SetSize(9);
  host->Styles()->SetStyleFocused(source->StyleFocused());
  EXPECT_EQ(host->StyleFocused()->GetTextColor(), clBlue);
  EXPECT_EQ(host->Style()->GetFont()->Size(), 9);

  TOwned<TFont> notAStyle(Create<TFont>());
  EXPECT_THROW(host->Style()->Assign(notAStyle.get()), EConvertError);
}

TEST_F(ContainerStylesTest, RestoringDefaultsForgetsValuesAndResetsTheContainer) {
  host->Style()->SetColor(clRed);
  host->Style()->GetLookAndFeel()->SetKind(lfFlat);
  host->StyleFocused()->SetBorderColor(clRed);
  host->SetParentFont(false);
  host->defaultParentColor = true;
  host->SetParentColor(false);
  host->Styles()->RestoreDefaults();
  EXPECT_TRUE(host->Style()->GetAssignedValues().Empty());
  EXPECT_TRUE(host->StyleFocused()->GetAssignedValues().Empty());
  EXPECT_TRUE(host->Style()->GetLookAndFeel()->AssignedValues().Empty());
  EXPECT_TRUE(host->ParentFont());
  EXPECT_TRUE(host->ParentColor());

  DefaultController()->GetStyle()->SetColor(clGreen);
  host->Styles()->RestoreDefaults();
  EXPECT_FALSE(host->ParentColor()) << "the controller sets the colour";
  DefaultController()->GetStyle()->SetAssignedValues({});
}

TEST_F(ContainerStylesTest, DirectAccessStylesReadSharedDataAndNeverAnnounce) {
  TOwned<TFont> font(Create<TFont>());
  font->SetStyle({TFontStyle::fsUnderline});
  TOwned<TcxContainerStyle> style(
      Create<TcxContainerStyle>(nullptr, true, nullptr, TcxContainerStateItem::csNormal));
  int announcements = 0;
  style->SetOnChanged(TNotifyEvent([&announcements](TObject*) { ++announcements; }));
  style->StyleData().Color = clYellow;
  style->StyleData().FontColor = clPurple;
  style->SetFont(font.get());
  EXPECT_EQ(style->GetFont(), font.get());
  EXPECT_EQ(style->GetColor(), clYellow);
  EXPECT_EQ(style->GetTextColor(), clPurple);
  EXPECT_EQ(style->GetTextStyle(), TFontStyles{TFontStyle::fsUnderline});
  EXPECT_EQ(style->GetBorderColor(), clDefault);
  EXPECT_TRUE(style->GetEdges().Empty());
  EXPECT_FALSE(style->GetShadow());
  EXPECT_TRUE(style->GetTransparentBorder());
  EXPECT_EQ(style->GetAssignedValues().Count(), 10);
  style->SetBorderColor(clRed);
  EXPECT_EQ(announcements, 0);
}

TEST_F(ContainerStylesTest, ValuesAreFoundByNameAndStateStylesPublishFive) {
  const struct {
    const char* name;
    bool found;
    bool published;
  } cases[] = {{"BorderColor", true, true},   {"bordersTYLE", true, true},
               {"Color", true, true},         {"Edges", true, false},
               {"Font", true, false},         {"HotTrack", true, false},
               {"Shadow", true, false},       {"TextColor", true, true},
               {"TextStyle", true, true},     {"TransparentBorder", true, false},
               {"LookAndFeel", false, false}, {"StyleController", false, false},
               {"Nothing", false, true}};
  for (const auto& c : cases) {
    TcxContainerStyleValue value{};
    EXPECT_EQ(host->Style()->GetStyleValue(c.name, value), c.found) << c.name;
    EXPECT_EQ(host->Style()->IsExtendedStylePropertyPublished(c.name), c.published) << c.name;
  }
  std::string name;
  EXPECT_FALSE(host->Style()->GetStyleValueName(TcxContainerStyleValue{10}, name));
  EXPECT_TRUE(name.empty());
  EXPECT_TRUE(InternalCompareString("\xFD"
                                    "K",
                                    "IK", false))
      << "Turkish dotless i";
  EXPECT_FALSE(InternalCompareString("ab", "AB", true));
}

TEST_F(ContainerStylesTest, FormDefinitionsStoreOwnPublishedValuesOnly) {
  int announcements = 0;
  TcxStyleController* controller = MakeController(host.get(), announcements);
  controller->SetName("Controller1");
  host->Style()->SetBorderStyle(cbsThick);
  host->Style()->GetFont()->SetSize(12);
  host->Style()->BaseSetStyleController(controller);
  host->StyleFocused()->SetColor(clRed);
  host->StyleFocused()->SetShadow(true); // goes to the normal style
  const std::string written = WriteFormDefinition(host.get());
  EXPECT_NE(written.find("Style.BorderStyle = cbsThick"), std::string::npos) << written;
  EXPECT_NE(written.find("Style.IsFontAssigned = True"), std::string::npos) << written;
  EXPECT_NE(written.find("Style.Shadow = True"), std::string::npos) << written;
  EXPECT_NE(written.find("Style.StyleController = Controller1"), std::string::npos) << written;
  EXPECT_NE(written.find("StyleFocused.Color = clRed"), std::string::npos) << written;
  EXPECT_EQ(written.find("AssignedValues"), std::string::npos) << written;
  EXPECT_EQ(written.find("Style.Color"), std::string::npos) << written;
  EXPECT_EQ(written.find("StyleFocused.StyleController"), std::string::npos) << written;
  EXPECT_EQ(written.find("FakeStyleController"), std::string::npos) << written;

  TOwned<TStyleHost> read(Create<TStyleHost>(nullptr));
  ReadFormDefinition("object Host: TStyleHost\n"
                     "  Style.IsFontAssigned = False\n"
                     "  StyleFocused.BorderColor = clBlue\n"
                     "end\n",
                     read.get());
  EXPECT_EQ(read->Style()->GetAssignedValues(), TcxContainerStyleValues{csvFont});
  EXPECT_EQ(read->StyleFocused()->GetBorderColor(), clBlue);
}

} // namespace
