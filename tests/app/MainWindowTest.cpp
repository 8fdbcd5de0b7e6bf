// The main window: opening a conversation from the user list, the log-off,
// closing, coming back from the message window, and the connection's events.
#include "tests/app/MessengerTestSupport.h"

#include "app/Main.h"
#include "app/Mesaj.h"
#include "app/Oturumac.h"
#include "platform/comctrls/TrayIcon.h"
#include "platform/controls/Menus.h"
#include "platform/controls/Timers.h"
#include "platform/db/ZConnection.h"
#include "platform/db/ZDataset.h"
#include "platform/dbctrls/DBGrids.h"

namespace messenger_test {
namespace {

class MainWindowTest : public TMessengerTest {
protected:
  TMenuItem* MenuItem(const char* name) { return As<TMenuItem>(Main1->FindComponent(name)); }
};

// Only a user whose presence is exactly "Çevrimiçi" can be written to.
TEST_F(MainWindowTest, DoubleClickingAnOnlineUserOpensTheConversation) {
  const struct {
    std::optional<std::string> presence;
    bool opens;
  } cases[] = {
      {kOfflineText, false}, {"", false},  {std::nullopt, false},
      {"\xE7" "evrimi\xE7i", false},       {kOnlineText, true},
  };
  const std::string me = AddUser("ben", "1");
  std::vector<std::string> nicknames;
  for (const auto& c : cases)
    nicknames.push_back(AddUser("kisi", "x", c.presence));
  LogIn(me, "1");
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(nicknames[i]);
    DoubleClickUser(nicknames[i]);
    EXPECT_EQ(Mesaj1->Visible(), cases[i].opens);
  }
  EXPECT_EQ(Mesaj1->Caption(), nicknames.back());
}

TEST_F(MainWindowTest, DoubleClickingTheEmptyListDoesNothing) {
  ShowMainWindow([] {});
  DoubleClickAt(Main1->DBGrid1()->ClientToScreen({20, 5}));
  EXPECT_FALSE(Mesaj1->Visible());
  EXPECT_FALSE(Main1->ZConnection1()->Connected());
}

TEST_F(MainWindowTest, LoggingOffWhenNotConnectedOnlyClosesTheList) {
  ShowMainWindow([] {});
  ChooseMenuItem(MenuItem("OturumuKapat1"));
  EXPECT_FALSE(Main1->ZConnection1()->Connected());
  EXPECT_FALSE(Main1->ZKimlik1()->Active());
  EXPECT_TRUE(Statements().empty());
}

// The log-off marks the session's own row offline by its Id, disconnects
// and ends the session.
TEST_F(MainWindowTest, LoggingOffMarksTheUserOfflineAndDisconnects) {
  const std::string me = AddUser("cem", "1");
  LogIn(me, "1");
  ClearStatements();
  ChooseMenuItem(MenuItem("OturumuKapat1"));
  EXPECT_EQ(Statements(), std::vector<std::string>{"UPDATE `msg_kimlik` SET `Durum`='" +
                                                   kOfflineText + "' WHERE `Id`=" +
                                                   std::to_string(UserId(me))});
  EXPECT_EQ(Presence(me), kOfflineText);
  EXPECT_FALSE(Main1->ZConnection1()->Connected());
  EXPECT_FALSE(Main1->ZKimlik1()->Active());
  EXPECT_FALSE(Main1->Timer1()->Enabled());
  EXPECT_FALSE(Main1->SessionUser());
}

// Closing the main window logs off and ends the program, also when the
// server cannot be reached for the log-off's update.
TEST_F(MainWindowTest, ClosingLogsOffAndEndsTheProgramEvenWithoutTheServer) {
  const std::string me = AddUser("deniz", "1");
  LogIn(me, "1");
  Tap().CutOff();
  Main1->Close();
  Pump();
  EXPECT_TRUE(Application->Terminated());
  EXPECT_FALSE(Main1->ZConnection1()->Connected());
  EXPECT_TRUE(m_boxes.empty());
  Tap().Restore();
  EXPECT_EQ(Presence(me), kOnlineText);
}

// Coming back to the main window from the message window shows the log-in
// form again; a log-in there keeps the session going.
TEST_F(MainWindowTest, ComingBackFromTheMessageWindowShowsTheLogInForm) {
  const std::string me = AddUser("ece", "1");
  const std::string friendName = AddUser("fil", "x", kOnlineText);
  LogIn(me, "1");
  AddMessage(friendName, me, "selam");
  Tick();
  ASSERT_TRUE(PumpUntil([] { return ::GetActiveWindow() == Mesaj1->Handle(); }));
  WhileModal(
      OturumAc1, [this] { ClickToOpen(Main1->DBGrid1(), {20, 300}); },
      [&] { TypeLogIn(me, "1"); });
  ASSERT_TRUE(Main1->SessionUser());
  EXPECT_EQ(Main1->SessionUser()->Nickname, me);
  EXPECT_TRUE(Main1->Timer1()->Enabled());
}

// Minimised, the messenger waits in the notification area with the session
// going on; a double click on the icon brings the main window back. The
// main window was the active form all along: the log-in form stays closed.
TEST_F(MainWindowTest, MinimisedItWaitsInTheNotificationArea) {
  const std::string me = AddUser("nur", "1");
  LogIn(me, "1");
  ::SendMessageW(Main1->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  Pump();
  EXPECT_FALSE(::IsWindowVisible(Main1->Handle()));
  EXPECT_TRUE(Main1->Timer1()->Enabled());
  auto* icon = As<TTrayIcon>(Main1->FindComponent("TrayIcon1"));
  ::SendMessageW(icon->Handle(), TTrayIcon::CallbackMessage, 1, WM_LBUTTONDBLCLK);
  Pump();
  EXPECT_TRUE(::IsWindowVisible(Main1->Handle()));
  EXPECT_FALSE(OturumAc1->Visible());
  EXPECT_TRUE(Main1->SessionUser());
}

TEST_F(MainWindowTest, ConnectingLoadsTheUserListAndDisconnectingStopsThePoll) {
  Main1->ZConnection1()->Connect();
  EXPECT_EQ(Statements(), std::vector<std::string>{"Select * From `msg_kimlik` "});
  EXPECT_TRUE(Main1->ZKimlik1()->Active());
  EXPECT_EQ(Main1->ZKimlik1()->RecNo(), 1);
  Main1->Timer1()->SetEnabled(true);
  Main1->ZConnection1()->Disconnect();
  EXPECT_FALSE(Main1->Timer1()->Enabled());
  EXPECT_FALSE(Main1->ZKimlik1()->Active());
  EXPECT_FALSE(Main1->ZMesaj1()->Active());
}

} // namespace
} // namespace messenger_test
