// The message window: sending with Enter or "Gönder", what is stored, to
// whom, and a failed send.
#include "tests/app/MessengerTestSupport.h"

#include <functional>

#include "app/Main.h"
#include "app/Mesaj.h"
#include "platform/controls/Menus.h"
#include "platform/controls/Timers.h"
#include "platform/stdctrls/Buttons.h"
#include "platform/stdctrls/StdCtrls.h"

namespace messenger_test {
namespace {

class MessageWindowTest : public TMessengerTest {
protected:
  // Logs in as a new user, to whom another one writes first: the poll
  // opens the conversation.
  void StartConversation() {
    m_me = AddUser("mert", "1");
    m_partner = AddUser("nur", "x", kOnlineText);
    LogIn(m_me, "1");
    AddMessage(m_partner, m_me, "merhaba");
    Tick();
    ASSERT_TRUE(Mesaj1->Visible());
    Mesaj1->Memo1()->Clear();
  }

  std::string Insert(const std::string& recipient, const std::string& text) {
    return "INSERT INTO `msg_mesaj` SET `Gonderen`=" + Quoted(m_me) + ", `Alan`=" +
           Quoted(recipient) + ", `Mesaj`=" + Quoted(text) + ", `Tarih`='Now', `Durum`='Online'";
  }

  void ClickSend() {
    Click(As<TControl>(Mesaj1->FindComponent("BitBtn1")));
  }

  std::string m_me;
  std::string m_partner;
};

TEST_F(MessageWindowTest, EnterSendsToThePartnerAndEmptiesTheInput) {
  StartConversation();
  ClearStatements();
  TypeInto(Mesaj1->Memo2(), "merhaba 'd\xFCnya'");
  PressEnter();
  EXPECT_EQ(Mesaj1->Memo2()->Text(), "");
  EXPECT_EQ(Lines(Mesaj1->Memo1()->Text()),
            std::vector<std::string>{m_me + ":merhaba 'd\xFCnya'"});
  EXPECT_TRUE(Main1->Timer1()->Enabled());
  EXPECT_EQ(Statements(), std::vector<std::string>{Insert(m_partner, "merhaba 'd\xFCnya'")});
  EXPECT_EQ(PendingMessages(m_partner), std::vector<std::string>{m_me + ":merhaba 'd\xFCnya'"});
}

// Whatever the input holds is stored as it is (the text reaches the server
// as an escaped value); an empty input sends an empty message.
TEST_F(MessageWindowTest, TheTextIsStoredUnchanged) {
  StartConversation();
  const std::string texts[] = {
      "",
      "O'Reilly \\ \"x\" \\'; DROP TABLE msg_mesaj; --",
      "iki\r\nsat\xFDr",
      "\xE7\xF0\xFD\xF6\xFE\xFC\xC7\xD0I\xDDi\xD6\xDE\xDC",
  };
  std::vector<std::string> sent;
  for (const std::string& text : texts) {
    Mesaj1->Memo2()->SetText(text);
    ClickSend();
    sent.push_back(m_me + ":" + text);
  }
  EXPECT_EQ(PendingMessages(m_partner), sent);
  EXPECT_EQ(Lines(Mesaj1->Memo1()->Text()),
            (std::vector<std::string>{sent[0], sent[1], sent[2].substr(0, sent[2].find('\r')),
                                      "sat\xFDr", sent[3]}));
  EXPECT_TRUE(m_boxes.empty());
}

// The recipient is the partner the caption names, not the user list's
// current row, which the poll returns to the first user; a message from
// someone else makes that one the partner.
TEST_F(MessageWindowTest, TheRecipientIsThePartnerInTheCaption) {
  StartConversation();
  Tick();
  TypeInto(Mesaj1->Memo2(), "bir");
  PressEnter();
  const std::string third = AddUser("oguz", "x", kOnlineText);
  AddMessage(third, m_me, "selam");
  TypeInto(Mesaj1->Memo2(), "yar\xFDm");
  Tick();
  EXPECT_EQ(Mesaj1->Caption(), third);
  EXPECT_EQ(Mesaj1->Memo2()->Text(), "yar\xFDm");
  PressEnter();
  EXPECT_EQ(PendingMessages(m_partner), std::vector<std::string>{m_me + ":bir"});
  EXPECT_EQ(PendingMessages(third), std::vector<std::string>{m_me + ":yar\xFDm"});
}

// A send that fails, refused by the server or with the server gone, keeps
// the line in the history and the text in the input, and shows the error;
// the poll goes on, so the partner's next message arrives at the next tick
// of the timer.
TEST_F(MessageWindowTest, AFailedSendKeepsTheTextAndThePollGoesOn) {
  const struct {
    const char* failure;
    std::function<void(TWireTap&)> fail;
    std::function<void(TWireTap&)> heal;
  } cases[] = {
      {"refused", [](TWireTap& tap) { tap.Refuse("INSERT INTO `msg_mesaj`"); },
       [](TWireTap& tap) { tap.RefuseNothing(); }},
      {"server gone", [](TWireTap& tap) { tap.CutOff(); },
       [](TWireTap& tap) { tap.Restore(); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.failure);
    m_boxes.clear();
    StartConversation();
    c.fail(Tap());
    TypeInto(Mesaj1->Memo2(), "kay\xFDp");
    PressEnter();
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_TRUE(m_boxes[0].Text.starts_with("SQL Error: ")) << m_boxes[0].Text;
    EXPECT_EQ(Lines(Mesaj1->Memo1()->Text()), std::vector<std::string>{m_me + ":kay\xFDp"});
    EXPECT_EQ(Mesaj1->Memo2()->Text(), "kay\xFDp");
    EXPECT_TRUE(Main1->Timer1()->Enabled());

    c.heal(Tap());
    AddMessage(m_partner, m_me, "orada m\xFDs\xFDn?");
    Main1->Timer1()->SetInterval(50);
    EXPECT_TRUE(PumpUntil([] { return Lines(Mesaj1->Memo1()->Text()).size() == 2; }));
    Main1->Timer1()->SetInterval(3600000);
    EXPECT_EQ(Lines(Mesaj1->Memo1()->Text()),
              (std::vector<std::string>{m_me + ":kay\xFDp", m_partner + ":orada m\xFDs\xFDn?"}));
    EXPECT_EQ(Mesaj1->Memo2()->Text(), "kay\xFDp");
    EXPECT_EQ(m_boxes.size(), 1u);
    Mesaj1->Memo2()->Clear();
  }
}

// After the log-off nobody is logged in, and a send does nothing.
TEST_F(MessageWindowTest, NothingIsSentWithNobodyLoggedIn) {
  StartConversation();
  ChooseMenuItem(As<TMenuItem>(Main1->FindComponent("OturumuKapat1")));
  ClearStatements();
  TypeInto(Mesaj1->Memo2(), "kimse yok");
  PressEnter();
  EXPECT_TRUE(Statements().empty());
  EXPECT_EQ(Mesaj1->Memo1()->Text(), "");
  EXPECT_TRUE(PendingMessages(m_partner).empty());
}

} // namespace
} // namespace messenger_test
