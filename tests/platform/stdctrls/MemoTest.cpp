// Memos under a real X server: lines appended as the message history needs
// them, with and without a window, read from definitions, typing Enter and
// Tab, and the window's scroll bars.
#include "tests/platform/stdctrls/StdCtrlsTestSupport.h"

#include "platform/controls/Screen.h"
#include "platform/stdctrls/StdCtrls.h"

namespace stdctrls_test {
namespace {

using controls_test::PressKey;

const char kMemoForm[] = R"(object Mesaj1: TLogForm
  Left = 334
  Top = 336
  Width = 422
  Height = 263
  object Memo1: TMemo
    Left = 0
    Top = 0
    Width = 414
    Height = 185
    Align = alTop
    Lines.Strings = (
      #199'i'#240'dem:merhaba'
      'ikinci')
    ReadOnly = True
    ScrollBars = ssVertical
    TabOrder = 0
    OnChange = Changed
  end
  object Memo2: TMemo
    Left = 0
    Top = 185
    Width = 414
    Height = 48
    Align = alTop
    TabOrder = 1
    OnChange = Changed
    OnKeyPress = KeyPressed
  end
  object Edit1: TEdit
    Left = 326
    Top = 197
    TabOrder = 2
  end
end
)";

class MemoTest : public TStdCtrlsTest {
protected:
  void SetUp() override {
    TStdCtrlsTest::SetUp();
    m_form = ReadForm(kMemoForm);
    m_history = static_cast<TMemo*>(m_form->FindComponent("Memo1"));
    m_input = static_cast<TMemo*>(m_form->FindComponent("Memo2"));
  }

  TLogForm* m_form = nullptr;
  TMemo* m_history = nullptr;
  TMemo* m_input = nullptr;
};

// A line goes at the end with CR LF after it (after a break of its own
// when the text did not end with one); its own breaks make more lines.
TEST_F(MemoTest, AddAppendsTheLineAndItsBreakOnceWithAndWithoutWindow) {
  struct {
    const char* before;
    const char* added;
    const char* after;
    int count;
  } const cases[] = {
      {"", "a", "a\r\n", 1},
      {"a", "b", "a\r\nb\r\n", 2},
      {"a\r\n", "\xDE:\xE7", "a\r\n\xDE:\xE7\r\n", 2},
      {"", "x\ny\rz\r\nw", "x\r\ny\r\nz\r\nw\r\n", 4},
      {"", "", "\r\n", 1},
  };
  for (bool withWindow : {false, true}) {
    if (withWindow)
      ShowAndActivate(m_form);
    for (const auto& c : cases) {
      m_input->SetText(c.before);
      m_form->log.clear();
      m_input->Lines()->Add(c.added);
      EXPECT_EQ(m_input->Text(), c.after) << c.added << " " << withWindow;
      EXPECT_EQ(m_input->Lines()->Count(), c.count);
      EXPECT_EQ(m_form->log, (std::vector<std::string>{"Memo2 change"}));
    }
  }
}

// Append puts the lines where Add does, with one change; several lines in
// one string are appended at once.
TEST_F(MemoTest, AppendAddsLinesAtTheEndLikeAdd) {
  struct {
    const char* before;
    const char* appended;
    const char* after;
  } const cases[] = {
      {"", "a", "a\r\n"},
      {"a", "b", "a\r\nb\r\n"},
      {"a\r\n", "\xDE:\xE7\r\nb:c", "a\r\n\xDE:\xE7\r\nb:c\r\n"},
      {"", "x\ny\rz\r\nw", "x\r\ny\r\nz\r\nw\r\n"},
      {"a\r\n", "", "a\r\n\r\n"},
  };
  for (bool withWindow : {false, true}) {
    if (withWindow)
      ShowAndActivate(m_form);
    for (const auto& c : cases) {
      m_input->SetText(c.before);
      m_form->log.clear();
      m_input->Lines()->Append(c.appended);
      EXPECT_EQ(m_input->Text(), c.after) << c.appended << " " << withWindow;
      EXPECT_EQ(m_form->log, (std::vector<std::string>{"Memo2 change"}));
    }
  }
}

// What the memo remembers of its own appends gives way to every other change
// of the text: typing, text set from code, lines set, text set behind its back.
TEST_F(MemoTest, AppendFollowsChangesMadeBetweenAppends) {
  ShowAndActivate(m_form);
  TStrings* lines = m_input->Lines();
  lines->Append("a");
  m_input->SetFocus();
  ASSERT_TRUE(m_input->Focused());
  TypeText("x");
  Pump();
  lines->Append("b");
  EXPECT_EQ(m_input->Text(), "a\r\nx\r\nb\r\n");
  m_input->SetText("c");
  lines->Append("d");
  EXPECT_EQ(m_input->Text(), "c\r\nd\r\n");
  lines->SetText("e\nf");
  lines->Append("g");
  EXPECT_EQ(m_input->Text(), "e\r\nf\r\ng\r\n");
  lines->SetText("h\r\n");
  lines->Append("i");
  EXPECT_EQ(m_input->Text(), "h\r\ni\r\n");
  ::SetWindowTextW(m_input->Handle(), reinterpret_cast<LPCWSTR>(u"jk"));
  lines->Append("l");
  EXPECT_EQ(m_input->Text(), "jk\r\nl\r\n");
  EXPECT_EQ(lines->Add("m"), 2);
  lines->Append("n");
  EXPECT_EQ(m_input->Text(), "jk\r\nl\r\nm\r\nn\r\n");
}

TEST_F(MemoTest, DefinitionLinesAreReadWithoutChangeEvents) {
  EXPECT_EQ(m_history->Text(), "\xC7i\xF0" "dem:merhaba\r\nikinci\r\n");
  EXPECT_EQ(m_history->Lines()->Count(), 2);
  EXPECT_EQ(m_history->Lines()->Strings(0), "\xC7i\xF0" "dem:merhaba");
  EXPECT_TRUE(m_history->ReadOnly());
  EXPECT_EQ(m_history->ScrollBars(), TScrollStyle::ssVertical);
  EXPECT_EQ(m_history->Align(), TAlign::alTop);
  ShowAndActivate(m_form);
  EXPECT_EQ(m_history->Height(), 185);
  EXPECT_EQ(m_history->Top(), 0);
  EXPECT_EQ(m_input->Top(), 185);
  EXPECT_TRUE(WindowStyle(m_history) & WS_VSCROLL);
  EXPECT_TRUE(WindowStyle(m_history) & ES_MULTILINE);
  EXPECT_FALSE(WindowStyle(m_history) & ES_AUTOHSCROLL);
  EXPECT_EQ(WindowText(m_history->Handle()), "\xC7i\xF0" "dem:merhaba\r\nikinci\r\n");
  EXPECT_TRUE(m_form->log.empty());
}

// The user cannot type into a read-only history, code appends to it.
TEST_F(MemoTest, ReadOnlyHistoryTakesLinesFromCodeOnly) {
  ShowAndActivate(m_form);
  m_history->SetFocus();
  ASSERT_TRUE(m_history->Focused());
  TypeText("x");
  Pump();
  m_history->Lines()->Add("Ay\xFE" "e:g\xFCnayd\xFDn");
  EXPECT_EQ(m_history->Lines()->Count(), 3);
  EXPECT_EQ(m_history->Lines()->Strings(2), "Ay\xFE" "e:g\xFCnayd\xFDn");
  EXPECT_EQ(m_history->SelStart(), static_cast<int>(m_history->Text().size()));
}

// Enter breaks the line unless OnKeyPress swallows it; Tab moves on.
TEST_F(MemoTest, EnterBreaksTheLineUnlessSwallowedAndTabMovesOn) {
  ShowAndActivate(m_form);
  m_input->SetFocus();
  TypeText("\xFC");
  PressKey(VK_RETURN);
  TypeText("\xF6");
  ASSERT_TRUE(PumpUntil([&] { return m_input->Text() == "\xFC\r\n\xF6"; })) << m_input->Text();
  m_form->keyAnswer = '\0';
  m_form->log.clear();
  PressKey(VK_RETURN);
  EXPECT_TRUE(PumpUntil([&] { return !m_form->log.empty(); }));
  Pump();
  EXPECT_EQ(m_form->log, (std::vector<std::string>{"Memo2 key 13"}));
  EXPECT_EQ(m_input->Text(), "\xFC\r\n\xF6");
  PressKey(VK_TAB);
  EXPECT_TRUE(PumpUntil([&] { return m_form->FindComponent("Edit1") == Screen->ActiveControl(); }));
  EXPECT_EQ(m_input->Text(), "\xFC\r\n\xF6");
}

TEST_F(MemoTest, LinesAreEditedInPlace) {
  for (bool withWindow : {false, true}) {
    if (withWindow)
      ShowAndActivate(m_form);
    TStrings* lines = m_input->Lines();
    lines->SetText("bir\niki");
    EXPECT_EQ(m_input->Text(), "bir\r\niki");
    lines->Insert(1, "orta");
    lines->SetStrings(0, "\xDD" "lk");
    lines->Delete(2);
    EXPECT_EQ(m_input->Text(), "\xDD" "lk\r\norta\r\n");
    EXPECT_THROW(lines->Delete(2), EStringListError);
    EXPECT_THROW(lines->Insert(3, "x"), EStringListError);
    lines->Clear();
    EXPECT_EQ(lines->Count(), 0);
  }
}

// The limit binds typing only: appended lines are never cut.
TEST_F(MemoTest, MaxLengthDoesNotCutAppendedLines) {
  ShowAndActivate(m_form);
  m_input->SetMaxLength(4);
  m_input->Lines()->Add("uzun bir sat\xFDr");
  EXPECT_EQ(m_input->Text(), "uzun bir sat\xFDr\r\n");
  EXPECT_EQ(m_input->Perform(EM_GETLIMITTEXT), 4);
}

TEST_F(MemoTest, ScrollBarsAndWordWrapShapeTheWindow) {
  ShowAndActivate(m_form);
  m_input->SetText("a\r\nb");
  m_input->SetWordWrap(false);
  m_input->SetScrollBars(TScrollStyle::ssBoth);
  EXPECT_TRUE(WindowStyle(m_input) & WS_HSCROLL);
  EXPECT_TRUE(WindowStyle(m_input) & WS_VSCROLL);
  EXPECT_TRUE(WindowStyle(m_input) & ES_AUTOHSCROLL);
  m_input->SetWordWrap(true);
  EXPECT_FALSE(WindowStyle(m_input) & WS_HSCROLL);
  EXPECT_EQ(m_input->Text(), "a\r\nb");
}

} // namespace
} // namespace stdctrls_test
