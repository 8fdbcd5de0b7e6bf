// System-colour notices: primary notifiers before ordinary ones, each list
// from the last made to the first, and notifiers that go during a notice.
#include "framework/cxLookAndFeelsPalette.h"

#include <string>
#include <vector>

#include "platform/controls/ControlsUnits.h"
#include "platform/rtl/WinApi.h"
#include "tests/support/GTest.h"
#include "tests/support/SystemColours.h"

namespace {

class PaletteTest : public testing::Test {
protected:
  static void SetUpTestSuite() { ProgramUnits().Start(ControlsUnits()); }

  TOwned<TcxSystemPaletteChangedNotifier> Notifier(bool primary, std::string name) {
    TOwned<TcxSystemPaletteChangedNotifier> notifier(
        Create<TcxSystemPaletteChangedNotifier>(primary));
    notifier->SetOnSystemPaletteChanged(
        TcxSystemPaletteChangedEvent([this, name] { m_log.push_back(name); }));
    return notifier;
  }

  std::vector<std::string> m_log;
};

TEST_F(PaletteTest, PrimaryNotifiersFirstEachFromTheLastMade) {
  auto ordinary1 = Notifier(false, "ordinary1");
  auto primary1 = Notifier(true, "primary1");
  auto ordinary2 = Notifier(false, "ordinary2");
  auto primary2 = Notifier(true, "primary2");
  AnnounceSystemColourChange();
  EXPECT_EQ(m_log, (std::vector<std::string>{"primary2", "primary1", "ordinary2", "ordinary1"}));
}

TEST_F(PaletteTest, NotifiersFreedDuringANoticeAreNotTold) {
  auto first = Notifier(false, "first");
  auto second = Notifier(false, "second");
  auto third = Notifier(false, "third");
  third->SetOnSystemPaletteChanged(TcxSystemPaletteChangedEvent([&] {
    m_log.push_back("third");
    second.reset();
  }));
  AnnounceSystemColourChange();
  EXPECT_EQ(m_log, (std::vector<std::string>{"third", "first"}));
}

// The last notifier may go in its own notice; the hidden window goes with
// it, and a new notifier brings a new one.
TEST_F(PaletteTest, LastNotifierGoingInItsNotice) {
  auto only = Notifier(true, "only");
  only->SetOnSystemPaletteChanged(TcxSystemPaletteChangedEvent([&] { only.reset(); }));
  AnnounceSystemColourChange();
  EXPECT_EQ(only, nullptr);
  auto next = Notifier(false, "next");
  AnnounceSystemColourChange();
  EXPECT_EQ(m_log, (std::vector<std::string>{"next"}));
}

} // namespace
