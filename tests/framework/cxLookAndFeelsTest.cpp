// Look-and-feel settings: values inherited from the master and the root,
// the painter picked from them, the ripple of changes down the master tree,
// controllers editing the root, and the registry of skin painters.
#include "framework/cxLookAndFeels.h"

#include <vector>

#include "framework/cxLookAndFeelPaintersRegistry.h"
#include "framework/dxUxTheme.h"
#include "platform/controls/ControlsUnits.h"
#include "platform/objects/FormWriter.h"
#include "tests/support/GTest.h"
#include "tests/support/SystemColours.h"

namespace {

using enum TcxLookAndFeelKind;
using enum TcxLookAndFeelValue;

template <class P>
TcxCustomLookAndFeelPainterClass PainterOf() {
  return P::StaticClass();
}

class LookAndFeelTest : public testing::Test {
protected:
  static void SetUpTestSuite() {
    ProgramUnits().Start(ControlsUnits());
    const TUnitInfo units[] = {cxLookAndFeelsUnit};
    ProgramUnits().Start(units);
  }
  void TearDown() override { RootLookAndFeel()->Reset(); }

  // A look-and-feel that records its announcements.
  TOwned<TcxLookAndFeel> Recorded(std::vector<TcxLookAndFeelValues>& log) {
    TOwned<TcxLookAndFeel> lookAndFeel(Create<TcxLookAndFeel>(nullptr));
    lookAndFeel->SetOnChanged(TcxLookAndFeelChangedEvent(
        [&log](TcxLookAndFeel*, TcxLookAndFeelValues values) { log.push_back(values); }));
    return lookAndFeel;
  }
};

TEST_F(LookAndFeelTest, AFreshLookAndFeelFollowsTheRootThroughAController) {
  std::vector<TcxLookAndFeelValues> log;
  auto lookAndFeel = Recorded(log);
  EXPECT_EQ(lookAndFeel->Kind(), lfUltraFlat);
  EXPECT_EQ(lookAndFeel->Painter(), PainterOf<TcxUltraFlatLookAndFeelPainter>());
  EXPECT_EQ(lookAndFeel->MasterLookAndFeel(), RootLookAndFeel());

  TOwned<TcxLookAndFeelController> controller(Create<TcxLookAndFeelController>(nullptr));
  controller->SetKind(lfFlat);
  EXPECT_EQ(lookAndFeel->Kind(), lfFlat);
  EXPECT_EQ(lookAndFeel->Painter(), PainterOf<TcxFlatLookAndFeelPainter>());
  EXPECT_EQ(log, (std::vector<TcxLookAndFeelValues>{{lfvKind}}));
  EXPECT_EQ(controller->Kind(), lfFlat);

  // The last controller going resets the root, and that ripples down.
  controller.reset();
  EXPECT_EQ(RootLookAndFeel()->AssignedValues(), TcxLookAndFeelValues{});
  EXPECT_EQ(lookAndFeel->Kind(), lfUltraFlat);
  EXPECT_EQ(log.size(), 2u);
}

TEST_F(LookAndFeelTest, AnAssignedValueIgnoresTheMasters) {
  std::vector<TcxLookAndFeelValues> log;
  TOwned<TcxLookAndFeel> master(Create<TcxLookAndFeel>(nullptr));
  auto lookAndFeel = Recorded(log);
  lookAndFeel->SetMasterLookAndFeel(master.get());
  lookAndFeel->SetKind(lfStandard);
  log.clear();
  master->SetKind(lfOffice11);
  EXPECT_EQ(lookAndFeel->Kind(), lfStandard);
  EXPECT_TRUE(log.empty()) << "the master's kind change reaches it empty";
  master->SetNativeStyle(true);
  EXPECT_TRUE(lookAndFeel->NativeStyle());
  EXPECT_EQ(log, (std::vector<TcxLookAndFeelValues>{{lfvNativeStyle}}));
}

TEST_F(LookAndFeelTest, SettingTheValueInEffectMarksItAssignedQuietly) {
  std::vector<TcxLookAndFeelValues> log;
  auto lookAndFeel = Recorded(log);
  lookAndFeel->SetKind(lfUltraFlat);
  EXPECT_TRUE(log.empty());
  EXPECT_TRUE(lookAndFeel->IsKindStored());
  EXPECT_FALSE(lookAndFeel->IsNativeStyleStored());
  lookAndFeel->SetAssignedValues({});
  EXPECT_FALSE(lookAndFeel->IsKindStored());
  EXPECT_TRUE(log.empty()) << "nothing that is in effect changed";
}

TEST_F(LookAndFeelTest, NativeStyleFollowsTheAvailabilityOfVisualStyles) {
  // The theme units for this test only, stopped before the program's end.
  TUnitStartup themes;
  themes.Start({&dxUxThemeUnit, 1});
  themes.Start({&dxThemeManagerUnit, 1});
  std::vector<TcxLookAndFeelValues> log;
  auto lookAndFeel = Recorded(log);
  lookAndFeel->SetKind(lfStandard);
  {
    dxUxTheme::TdxThemeBindingScope off(dxUxTheme::NoVisualStylesBinding());
    lookAndFeel->SetNativeStyle(true);
    EXPECT_EQ(lookAndFeel->Painter(), PainterOf<TcxStandardLookAndFeelPainter>());
    EXPECT_EQ(lookAndFeel->ActiveStyle(), TcxLookAndFeelStyle::lfsStandard);
  }
  lookAndFeel->Changed({lfvNativeStyle});
  EXPECT_EQ(lookAndFeel->Painter(), PainterOf<TcxWinXPLookAndFeelPainter>());
  EXPECT_EQ(lookAndFeel->ActiveStyle(), TcxLookAndFeelStyle::lfsNative);

  lookAndFeel->SetStyle(TcxLookAndFeelStyle::lfsOffice11);
  EXPECT_FALSE(lookAndFeel->NativeStyle());
  EXPECT_EQ(lookAndFeel->Kind(), lfOffice11);
  EXPECT_EQ(lookAndFeel->Painter(), PainterOf<TcxOffice11LookAndFeelPainter>());
  themes.Stop();
}

TEST_F(LookAndFeelTest, FreeingAMasterReattachesItsListenersToTheRoot) {
  std::vector<TcxLookAndFeelValues> first, second;
  TOwned<TcxLookAndFeel> master(Create<TcxLookAndFeel>(nullptr));
  master->SetKind(lfFlat);
  auto a = Recorded(first);
  auto b = Recorded(second);
  a->SetMasterLookAndFeel(master.get());
  b->SetMasterLookAndFeel(master.get());
  b->SetKind(lfFlat);
  first.clear();
  second.clear();
  master.reset();
  EXPECT_EQ(a->MasterLookAndFeel(), RootLookAndFeel());
  EXPECT_EQ(a->Kind(), lfUltraFlat);
  EXPECT_EQ(first, (std::vector<TcxLookAndFeelValues>{{lfvKind}}));
  EXPECT_TRUE(second.empty()) << "its own kind did not change";
  RootLookAndFeel()->SetKind(lfStandard);
  EXPECT_EQ(a->Kind(), lfStandard) << "it listens to the root now";
}

TEST_F(LookAndFeelTest, MasterChainsNeverCloseACircle) {
  TOwned<TcxLookAndFeel> a(Create<TcxLookAndFeel>(nullptr));
  TOwned<TcxLookAndFeel> b(Create<TcxLookAndFeel>(nullptr));
  b->SetMasterLookAndFeel(a.get());
  a->SetMasterLookAndFeel(a.get());
  EXPECT_EQ(a->MasterLookAndFeel(), RootLookAndFeel());
  EXPECT_THROW(a->SetMasterLookAndFeel(b.get()), EInvalidOperation);
  EXPECT_EQ(a->MasterLookAndFeel(), RootLookAndFeel());
  RootLookAndFeel()->SetMasterLookAndFeel(a.get());
  EXPECT_EQ(RootLookAndFeel()->MasterLookAndFeel(), nullptr) << "the root has no master";
}

TEST_F(LookAndFeelTest, ControllersAttachOnlyToTheRoot) {
  TOwned<TcxLookAndFeel> lookAndFeel(Create<TcxLookAndFeel>(nullptr));
  TOwned<TcxLookAndFeelController> controller(Create<TcxLookAndFeelController>(nullptr));
  lookAndFeel->AddChangeListener(controller.get());
  lookAndFeel->SetKind(lfFlat);
  EXPECT_EQ(controller->Kind(), lfUltraFlat);
  controller->SetNativeStyle(true);
  EXPECT_TRUE(RootLookAndFeel()->NativeStyle());
}

TEST_F(LookAndFeelTest, AssignCopiesOwnValuesAndMaster) {
  TOwned<TcxLookAndFeel> master(Create<TcxLookAndFeel>(nullptr));
  master->SetSkinName("Koyu");
  TOwned<TcxLookAndFeel> source(Create<TcxLookAndFeel>(nullptr));
  source->SetMasterLookAndFeel(master.get());
  source->SetKind(lfOffice11);
  std::vector<TcxLookAndFeelValues> log;
  auto target = Recorded(log);
  target->Assign(source.get());
  EXPECT_EQ(target->Kind(), lfOffice11);
  EXPECT_EQ(target->SkinName(), "Koyu");
  EXPECT_EQ(target->MasterLookAndFeel(), master.get());
  EXPECT_EQ(target->AssignedValues(), TcxLookAndFeelValues{lfvKind});
  EXPECT_EQ(log, (std::vector<TcxLookAndFeelValues>{{lfvKind, lfvSkinName}}));
}

TEST_F(LookAndFeelTest, ASystemColourChangeAnnouncesNativeStyle) {
  std::vector<TcxLookAndFeelValues> log;
  auto lookAndFeel = Recorded(log);
  AnnounceSystemColourChange();
  // Once from its own notifier, once more from the root it inherits from.
  ASSERT_FALSE(log.empty());
  for (TcxLookAndFeelValues values : log)
    EXPECT_EQ(values, TcxLookAndFeelValues{lfvNativeStyle});
}

// A skin's data object, which tells when it is freed.
class TSkinData : public TObject {
  OBJECT_CLASS(TSkinData, TObject)
public:
  explicit TSkinData(bool& freed) : m_freed(freed) {}
  ~TSkinData() override { m_freed = true; }

private:
  bool& m_freed;
};

TEST_F(LookAndFeelTest, SkinPaintersAreFoundByNameIgnoringCase) {
  TcxExtendedStylePainters* skins = GetExtendedStylePainters();
  bool dataFreed = false;
  TSkinData* data = Create<TSkinData>(dataFreed);
  EXPECT_TRUE(skins->Register("Lilian", PainterOf<TcxOffice11LookAndFeelPainter>(), data));
  EXPECT_FALSE(skins->Register("LILIAN", PainterOf<TcxFlatLookAndFeelPainter>(), nullptr));
  TcxExtendedStylePainterInfo* info = nullptr;
  EXPECT_EQ(skins->FindInfoByName("lilian", info), 0);

  std::vector<TcxLookAndFeelValues> log;
  auto lookAndFeel = Recorded(log);
  lookAndFeel->SetSkinName("lilian");
  EXPECT_EQ(lookAndFeel->SkinPainter(), PainterOf<TcxOffice11LookAndFeelPainter>());
  EXPECT_EQ(lookAndFeel->Painter(), PainterOf<TcxOffice11LookAndFeelPainter>());

  EXPECT_TRUE(skins->Unregister("LiLiAn"));
  EXPECT_TRUE(dataFreed);
  EXPECT_FALSE(skins->Unregister("Lilian"));
  TcxCustomLookAndFeelPainterClass painter;
  EXPECT_FALSE(skins->GetPainterByName("Lilian", painter));
  EXPECT_FALSE(painter);
}

} // namespace
