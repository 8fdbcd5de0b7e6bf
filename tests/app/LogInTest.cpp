// The log-in form: the fields, Enter, the checks against the user list, the
// session it starts, "Çıkış" and the new-account link.
#include "tests/app/MessengerTestSupport.h"

#include "app/Hesapac.h"
#include "app/Main.h"
#include "app/Oturumac.h"
#include "platform/controls/Menus.h"
#include "platform/controls/Timers.h"
#include "platform/db/ZConnection.h"
#include "platform/db/ZDataset.h"
#include "platform/dbctrls/DBGrids.h"
#include "platform/rtl/AnsiStrings.h"
#include "platform/stdctrls/ExtCtrls.h"

namespace messenger_test {
namespace {

const std::string kSelectUsers = "Select * From `msg_kimlik` ";

std::string MarkOnline(int id) {
  return "UPDATE `vorlendi_db`.`msg_kimlik` SET `Durum`='" + kOnlineText +
         "' WHERE `Id`=" + std::to_string(id);
}

using LogInTest = TMessengerTest;

TEST_F(LogInTest, EnterMovesToThePasswordAndLogsInMarkingTheUserOnline) {
  const std::string nickname = AddUser("ali", "gizli\xFE");
  ShowMainWindow([&] {
    EXPECT_FALSE(Main1->DBGrid1()->Visible());
    TypeLogIn(nickname, "gizli\xFE");
  });
  EXPECT_FALSE(OturumAc1->Visible());
  EXPECT_TRUE(Main1->DBGrid1()->Visible());
  EXPECT_TRUE(Main1->Timer1()->Enabled());
  ASSERT_TRUE(Main1->SessionUser());
  EXPECT_EQ(Main1->SessionUser()->Nickname, nickname);
  EXPECT_EQ(Main1->SessionUser()->Id, UserId(nickname));
  EXPECT_EQ(Presence(nickname), kOnlineText);
  EXPECT_EQ(Statements(), (std::vector<std::string>{kSelectUsers, MarkOnline(UserId(nickname))}));
  EXPECT_TRUE(m_boxes.empty());
}

TEST_F(LogInTest, AnEmptyNicknameIsAskedForWithoutConnecting) {
  ShowMainWindow([&] { TypeLogIn("", "parola"); });
  ASSERT_EQ(m_boxes.size(), 1u);
  EXPECT_EQ(m_boxes[0].Text, "Kullan\xFD" "c\xFD Ad\xFD girilmedi");
  EXPECT_EQ(m_boxes[0].Caption, Application->Title());
  EXPECT_FALSE(Main1->ZConnection1()->Connected());
  EXPECT_TRUE(Statements().empty());
}

// Nickname and password are compared byte for byte on the client, although
// the server's collation would match the nickname in other cases.
TEST_F(LogInTest, AnyOtherNicknameOrPasswordIsRefusedAndDisconnects) {
  const std::string nickname = AddUser("veli", "Parola1");
  const struct {
    std::string nickname;
    std::string password;
  } cases[] = {
      {nickname, "parola1"},
      {nickname, "Parola1 "},
      {AnsiUpperCase(nickname), "Parola1"},
      {nickname + "x", "Parola1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.nickname + " / " + c.password);
    m_boxes.clear();
    WhileModal(OturumAc1, [this] { ChooseMenuItem(As<TMenuItem>(Main1->FindComponent("OturumA1"))); },
               [&] {
                 TypeLogIn(c.nickname, c.password);
                 ASSERT_EQ(m_boxes.size(), 1u);
                 EXPECT_EQ(m_boxes[0].Text, "Kullan\xFD" "c\xFD Ad\xFD veya Parola yanl\xFD\xFE!");
                 EXPECT_TRUE(OturumAc1->Visible());
                 EXPECT_EQ(OturumAc1->LabeledEdit1()->Text(), c.nickname);
                 EXPECT_EQ(OturumAc1->LabeledEdit2()->Text(), c.password);
                 EXPECT_FALSE(Main1->ZConnection1()->Connected());
                 EXPECT_FALSE(Main1->ZKimlik1()->Active());
                 EXPECT_FALSE(Main1->Timer1()->Enabled());
               });
  }
  EXPECT_FALSE(Main1->SessionUser());
  EXPECT_EQ(Presence(nickname), kOfflineText);
}

// A second log-in reads the user list again before looking in it, so that
// an account made after the list was read is found; a user already online
// is marked online again.
TEST_F(LogInTest, LoggingInAgainReadsTheUserListFirst) {
  const std::string first = AddUser("ayla", "bir");
  LogIn(first, "bir");
  ClearStatements();
  LogIn(first, "bir");
  EXPECT_EQ(Statements(), (std::vector<std::string>{kSelectUsers, MarkOnline(UserId(first))}));

  const std::string second = AddUser("berk", "iki");
  ClearStatements();
  LogIn(second, "iki");
  EXPECT_EQ(Statements(), (std::vector<std::string>{kSelectUsers, MarkOnline(UserId(second))}));
  ASSERT_TRUE(Main1->SessionUser());
  EXPECT_EQ(Main1->SessionUser()->Nickname, second);
  EXPECT_TRUE(m_boxes.empty());
}

TEST_F(LogInTest, CikisEndsTheProgramWithoutTouchingTheDatabase) {
  ShowMainWindow([&] {
    Click(As<TControl>(OturumAc1->FindComponent("SpeedButton2")));
  });
  EXPECT_TRUE(Application->Terminated());
  EXPECT_TRUE(Statements().empty());
  EXPECT_FALSE(Main1->ZConnection1()->Connected());
}

// The link connects and stops the poll before the account form opens;
// closing the account form switches the poll on again.
TEST_F(LogInTest, TheNewAccountLinkOpensTheAccountForm) {
  ShowMainWindow([&] {
    WhileModal(
        HesapAc1,
        [this] { ClickToOpen(As<TControl>(OturumAc1->FindComponent("Label1"))); },
        [] {
          EXPECT_TRUE(Main1->ZConnection1()->Connected());
          EXPECT_FALSE(Main1->Timer1()->Enabled());
          HesapAc1->Close();
        });
    EXPECT_TRUE(Main1->Timer1()->Enabled());
  });
  EXPECT_EQ(Statements(), std::vector<std::string>{kSelectUsers});
}

} // namespace
} // namespace messenger_test
