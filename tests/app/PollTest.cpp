// The poll: what one tick of the timer reads, shows and deletes, as whom,
// and how it fails.
#include "tests/app/MessengerTestSupport.h"

#include "app/Main.h"
#include "app/Mesaj.h"
#include "app/Oturumac.h"
#include "app/Secenekler.h"
#include "platform/controls/Menus.h"
#include "platform/controls/Timers.h"
#include "platform/stdctrls/ExtCtrls.h"
#include "platform/stdctrls/StdCtrls.h"

namespace messenger_test {
namespace {

const std::string kSelectUsers = "Select * From `msg_kimlik` ";

class PollTest : public TMessengerTest {
protected:
  std::string SelectMessages(const std::string& nickname) {
    return "Select * From `msg_mesaj` where `Alan`=" + Quoted(nickname) + "  ";
  }
  std::string DeleteMessages(const std::string& ids) {
    return "Delete from `msg_mesaj` where `Id` in (" + ids + ")  ";
  }
  std::string Ids(const std::string& recipient) {
    return Run("SELECT GROUP_CONCAT(Id ORDER BY Id) FROM msg_mesaj WHERE Alan=BINARY " +
               Quoted(recipient))
        .value_or("");
  }
};

// The rows are shown in the server's order under the last sender's name,
// and exactly they are deleted: a message that arrives between the select
// and the delete waits for the next tick.
TEST_F(PollTest, ATickShowsTheMessagesAndDeletesExactlyThoseRead) {
  const std::string me = AddUser("gul", "1");
  const std::string ali = AddUser("ali", "x");
  const std::string oya = AddUser("oya", "x");
  LogIn(me, "1");
  AddMessage(ali, me, "selam");
  AddMessage(oya, me, "iki\r\nsat\xFDr");
  AddMessage(ali, me, "");
  const std::string ids = Ids(me);
  bool arrived = false;
  Mesaj1->Memo1()->SetOnChange(TNotifyEvent([&](TObject*) {
    if (!std::exchange(arrived, true))
      AddMessage(oya, me, "ge\xE7 kald\xFDm");
  }));
  ClearStatements();
  Tick();
  EXPECT_EQ(Lines(Mesaj1->Memo1()->Text()),
            (std::vector<std::string>{ali + ":selam", oya + ":iki", "sat\xFDr", ali + ":"}));
  EXPECT_EQ(Mesaj1->Caption(), ali);
  EXPECT_TRUE(Mesaj1->Visible());
  EXPECT_EQ(Statements(), (std::vector<std::string>{kSelectUsers, SelectMessages(me),
                                                    DeleteMessages(ids)}));
  EXPECT_EQ(PendingMessages(me), std::vector<std::string>{oya + ":ge\xE7 kald\xFDm"});

  Mesaj1->Memo1()->SetOnChange(nullptr);
  Tick();
  EXPECT_EQ(Lines(Mesaj1->Memo1()->Text()).back(), oya + ":ge\xE7 kald\xFDm");
  EXPECT_EQ(Mesaj1->Caption(), oya);
  EXPECT_TRUE(PendingMessages(me).empty());
}

// Without messages the tick refreshes the user list and sends no delete.
TEST_F(PollTest, ATickWithoutMessagesOnlyRefreshesTheList) {
  const std::string me = AddUser("hale", "1");
  LogIn(me, "1");
  ClearStatements();
  Tick();
  EXPECT_EQ(Statements(), (std::vector<std::string>{kSelectUsers, SelectMessages(me)}));
  EXPECT_FALSE(Mesaj1->Visible());
  EXPECT_TRUE(Main1->ZKimlik1()->Active());
}

// The nickname reaches the server as an escaped value: a nickname that
// would otherwise select and delete everybody's messages reads only its own.
TEST_F(PollTest, ANicknameWithQuotesReadsAndDeletesOnlyItsOwnMessages) {
  const std::string me = AddUser("' OR `Alan`<>'", "1");
  const std::string other = AddUser("irem", "x");
  AddMessage(me, other, "sadece irem okur");
  LogIn(me, "1");
  ClearStatements();
  Tick();
  EXPECT_EQ(Statements(), (std::vector<std::string>{kSelectUsers, SelectMessages(me)}));
  EXPECT_FALSE(Mesaj1->Visible());
  EXPECT_EQ(PendingMessages(other), std::vector<std::string>{me + ":sadece irem okur"});
}

// The identity of the poll is the last successful log-in: not a nickname
// typed into the log-in form without logging in, before or after it.
TEST_F(PollTest, TheSessionsUserIsPolledNeverTheLogInFieldsText) {
  const std::string victim = AddUser("kurban", "gizli");
  const std::string me = AddUser("jale", "1");
  AddMessage(me, victim, "sana \xF6zel");
  ShowMainWindow([&] { TypeInto(OturumAc1->LabeledEdit1(), victim); });
  WhileModal(
      Secenekler1,
      [this] { ChooseMenuItem(As<TMenuItem>(Main1->FindComponent("Seenekler1"))); },
      [] { Secenekler1->Close(); });
  EXPECT_TRUE(Main1->Timer1()->Enabled());
  ClearStatements();
  Tick();
  EXPECT_TRUE(Statements().empty());

  LogIn(me, "1");
  WhileModal(
      OturumAc1,
      [this] { ChooseMenuItem(As<TMenuItem>(Main1->FindComponent("OturumA1"))); },
      [&] { TypeInto(OturumAc1->LabeledEdit1(), victim); });
  ClearStatements();
  Tick();
  EXPECT_EQ(Statements(), (std::vector<std::string>{kSelectUsers, SelectMessages(me)}));
  EXPECT_FALSE(Mesaj1->Visible());
  EXPECT_EQ(PendingMessages(victim), std::vector<std::string>{me + ":sana \xF6zel"});
}

// A failing tick shows one error box; the ticks its message loop delivers
// start nothing, the timer stays on, and the rows wait for a later tick.
TEST_F(PollTest, AFailingTickShowsOneBoxAndTheRowsWait) {
  const std::string me = AddUser("kaan", "1");
  const std::string sender = AddUser("lale", "x");
  LogIn(me, "1");
  AddMessage(sender, me, "bekliyor");
  Tap().CutOff();
  m_inBox = [this] {
    ClearStatements();
    Tick();
    Tick();
    EXPECT_TRUE(Statements().empty());
  };
  Tick();
  ASSERT_EQ(m_boxes.size(), 1u);
  EXPECT_TRUE(m_boxes[0].Text.starts_with("SQL Error: ")) << m_boxes[0].Text;
  EXPECT_TRUE(Main1->Timer1()->Enabled());
  EXPECT_EQ(PendingMessages(me), std::vector<std::string>{sender + ":bekliyor"});

  m_inBox = nullptr;
  Tap().Restore();
  Tick();
  EXPECT_EQ(Lines(Mesaj1->Memo1()->Text()), std::vector<std::string>{sender + ":bekliyor"});
  EXPECT_TRUE(PendingMessages(me).empty());
  EXPECT_EQ(m_boxes.size(), 1u);
}

// Rows whose delete failed after they were shown are never shown again:
// the next tick shows only what is new and deletes both.
TEST_F(PollTest, RowsWhoseDeleteFailedAreNotShownAgainAndDeletedNextTick) {
  const std::string me = AddUser("deniz", "1");
  const std::string sender = AddUser("ece", "x");
  LogIn(me, "1");
  AddMessage(sender, me, "bir");
  AddMessage(sender, me, "iki");
  Tap().Refuse("Delete from `msg_mesaj`");
  Tick();
  ASSERT_EQ(m_boxes.size(), 1u);
  EXPECT_EQ(m_boxes[0].Text, std::string("SQL Error: ") + TWireTap::kRefusal + ".");
  EXPECT_EQ(PendingMessages(me).size(), 2u);

  Tick();
  EXPECT_EQ(m_boxes.size(), 2u);
  Tap().RefuseNothing();
  AddMessage(sender, me, "\xFC\xE7");
  const std::string ids = Ids(me);
  ClearStatements();
  Tick();
  EXPECT_EQ(Lines(Mesaj1->Memo1()->Text()),
            (std::vector<std::string>{sender + ":bir", sender + ":iki", sender + ":\xFC\xE7"}));
  EXPECT_EQ(Statements(), (std::vector<std::string>{kSelectUsers, SelectMessages(me),
                                                    DeleteMessages(ids)}));
  EXPECT_TRUE(PendingMessages(me).empty());
  EXPECT_EQ(m_boxes.size(), 2u);
}

// The server goes away between the select and the delete; the user logs
// off and on again: what was shown before is not shown again.
TEST_F(PollTest, RowsShownBeforeTheServerWentAwayAreNotShownAgainAfterTheNextLogIn) {
  const std::string me = AddUser("ferhat", "1");
  const std::string sender = AddUser("gizem", "x");
  LogIn(me, "1");
  for (const char* text : {"bir", "iki", "\xFC\xE7"})
    AddMessage(sender, me, text);
  Mesaj1->Memo1()->SetOnChange(TNotifyEvent([this](TObject*) { Tap().CutOff(); }));
  Tick();
  Mesaj1->Memo1()->SetOnChange(nullptr);
  ASSERT_EQ(m_boxes.size(), 1u);
  EXPECT_TRUE(m_boxes[0].Text.starts_with("SQL Error: ")) << m_boxes[0].Text;
  const std::vector<std::string> shown{sender + ":bir", sender + ":iki", sender + ":\xFC\xE7"};
  EXPECT_EQ(Lines(Mesaj1->Memo1()->Text()), shown);
  EXPECT_EQ(PendingMessages(me), shown);

  Tap().Restore();
  ChooseMenuItem(As<TMenuItem>(Main1->FindComponent("OturumuKapat1")));
  LogIn(me, "1");
  Tick();
  EXPECT_EQ(Lines(Mesaj1->Memo1()->Text()), shown);
  EXPECT_TRUE(PendingMessages(me).empty());
  EXPECT_EQ(m_boxes.size(), 1u);
}

} // namespace
} // namespace messenger_test
