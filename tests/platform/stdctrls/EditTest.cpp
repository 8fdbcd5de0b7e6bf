// Edit boxes under a real X server: read from definitions, typing, focus,
// change events in the platform's order, password masking, the selection,
// the clipboard and state kept across new windows, all with Turkish text.
#include "tests/platform/stdctrls/StdCtrlsTestSupport.h"

#include "platform/controls/Clipboard.h"
#include "platform/controls/Screen.h"
#include "platform/stdctrls/StdCtrls.h"

namespace stdctrls_test {
namespace {

using controls_test::ClickControl;
using controls_test::PressKey;

const char kEditForm[] = R"(object EditForm: TLogForm
  Left = 100
  Top = 100
  ClientWidth = 300
  ClientHeight = 160
  object Edit1: TEdit
    Left = 10
    Top = 10
    TabOrder = 0
    Text = #199'i'#231'ek'
    OnChange = Changed
    OnKeyPress = KeyPressed
    OnEnter = Entered
    OnExit = Exited
  end
  object Edit2: TEdit
    Left = 10
    Top = 40
    MaxLength = 5
    PasswordChar = '*'
    TabOrder = 1
    OnChange = Changed
    OnEnter = Entered
    OnExit = Exited
  end
  object Edit3: TEdit
    Left = 10
    Top = 70
    AutoSelect = False
    CharCase = ecUpperCase
    ReadOnly = True
    TabOrder = 2
    Text = 'sabit'
  end
end
)";

class EditTest : public TStdCtrlsTest {
protected:
  void SetUp() override {
    TStdCtrlsTest::SetUp();
    m_form = ReadForm(kEditForm);
    m_edit1 = static_cast<TEdit*>(m_form->FindComponent("Edit1"));
    m_edit2 = static_cast<TEdit*>(m_form->FindComponent("Edit2"));
    m_edit3 = static_cast<TEdit*>(m_form->FindComponent("Edit3"));
  }

  // Types the text into the focused control and waits until 'edit' shows
  // 'expected'.
  void TypeAndWait(TCustomEdit* edit, const std::string& text, const std::string& expected) {
    TypeText(text);
    EXPECT_TRUE(PumpUntil([&] { return edit->Text() == expected; })) << edit->Text();
    Pump();
  }

  void ClearLog() { m_form->log.clear(); }

  TLogForm* m_form = nullptr;
  TEdit* m_edit1 = nullptr;
  TEdit* m_edit2 = nullptr;
  TEdit* m_edit3 = nullptr;
};

TEST_F(EditTest, DefinitionGivesPropertiesWithoutChangeEvents) {
  EXPECT_EQ(m_edit1->Text(), "\xC7i\xE7" "ek");
  EXPECT_TRUE(m_edit1->AutoSelect());
  EXPECT_TRUE(m_edit1->TabStop());
  EXPECT_EQ(m_edit1->Color(), clWindow);
  EXPECT_EQ(m_edit2->MaxLength(), 5);
  EXPECT_EQ(m_edit2->PasswordChar(), '*');
  EXPECT_FALSE(m_edit3->AutoSelect());
  EXPECT_EQ(m_edit3->CharCase(), TEditCharCase::ecUpperCase);
  EXPECT_TRUE(m_edit3->ReadOnly());
  ShowAndActivate(m_form);
  EXPECT_EQ(WindowText(m_edit1->Handle()), "\xC7i\xE7" "ek");
  EXPECT_EQ(m_edit3->Text(), "SABIT") << "the platform's own capitals, whatever the language";
  EXPECT_TRUE(WindowStyle(m_edit3) & ES_READONLY);
  EXPECT_EQ(m_form->log, (std::vector<std::string>{"Edit1 enter"}));
}

// Each typed letter reaches OnKeyPress, then changes the text once; the
// first replaces the text that entering by keyboard selected.
TEST_F(EditTest, TypedTurkishLettersArriveOnceEachInOrder) {
  ShowAndActivate(m_form);
  ASSERT_TRUE(m_edit1->Focused());
  EXPECT_EQ(m_edit1->SelLength(), 5);
  EXPECT_FALSE(m_edit1->Modified());
  ClearLog();
  TypeAndWait(m_edit1, kTurkishLetters, kTurkishLetters);
  std::vector<std::string> expected;
  for (char c : kTurkishLetters) {
    expected.push_back("Edit1 key " + std::to_string(static_cast<unsigned char>(c)));
    expected.push_back("Edit1 change");
  }
  EXPECT_EQ(m_form->log, expected);
  EXPECT_TRUE(m_edit1->Modified());
  EXPECT_EQ(m_edit1->SelStart(), static_cast<int>(kTurkishLetters.size()));
}

TEST_F(EditTest, KeyPressHandlerSwallowsOrReplacesKeys) {
  ShowAndActivate(m_form);
  m_edit1->SetText("");
  ClearLog();
  m_form->keyAnswer = '\0';
  TypeText("a");
  PressKey(VK_RETURN);
  Pump();
  EXPECT_TRUE(PumpUntil([&] { return m_form->log.size() == 2; }));
  EXPECT_EQ(m_form->log, (std::vector<std::string>{"Edit1 key 97", "Edit1 key 13"}));
  EXPECT_EQ(m_edit1->Text(), "");
  m_form->keyAnswer = '\xFE';
  TypeAndWait(m_edit1, "b", "\xFE");
}

TEST_F(EditTest, TextSetFromCodeFiresOneChangeAndMakingWindowsNone) {
  m_edit1->SetText("a");
  m_edit1->SetText("a");
  EXPECT_EQ(m_form->log, (std::vector<std::string>{"Edit1 change"}));
  ShowAndActivate(m_form);
  ClearLog();
  m_edit1->SetText("\xF0\xFE");
  m_edit1->SetText("\xF0\xFE");
  EXPECT_EQ(m_form->log, (std::vector<std::string>{"Edit1 change"}));
  EXPECT_FALSE(m_edit1->Modified());
  ClearLog();
  m_edit1->RecreateWnd();
  m_edit1->SetHideSelection(false);
  EXPECT_TRUE(m_form->Logged("change").empty());
  EXPECT_EQ(m_edit1->Text(), "\xF0\xFE");
  EXPECT_TRUE(WindowStyle(m_edit1) & ES_NOHIDESEL);
}

TEST_F(EditTest, PasswordCharMasksTheTextWhichStaysReadable) {
  ShowAndActivate(m_form);
  m_edit2->SetText("gizl\xFD");
  EXPECT_EQ(m_edit2->Perform(EM_GETPASSWORDCHAR), '*');
  EXPECT_TRUE(WindowStyle(m_edit2) & ES_PASSWORD);
  EXPECT_EQ(m_edit2->Text(), "gizl\xFD");
  m_form->log.clear();
  m_edit2->SetPasswordChar('\xFE');
  EXPECT_EQ(m_edit2->Perform(EM_GETPASSWORDCHAR), 0x015F) << "the platform's own letter";
  m_edit2->SetPasswordChar('\0');
  EXPECT_EQ(m_edit2->Perform(EM_GETPASSWORDCHAR), 0);
  EXPECT_EQ(m_edit2->Text(), "gizl\xFD");
  EXPECT_TRUE(m_form->log.empty());
}

// The platform's EDIT would copy a hidden text as it is; neither the
// clipboard calls nor the keys put it on the clipboard.
TEST_F(EditTest, HiddenTextNeverReachesTheClipboard) {
  ShowAndActivate(m_form);
  Clipboard()->SetAsText("\xF6nce");
  m_edit2->SetText("gizli");
  m_edit2->SetFocus();
  m_edit2->SelectAll();
  m_edit2->CopyToClipboard();
  m_edit2->CutToClipboard();
  PressChord({VK_CONTROL}, VK_INSERT);
  PressChord({VK_SHIFT}, VK_DELETE);
  PressChord({VK_CONTROL}, 'C');
  PressChord({VK_CONTROL}, 'X');
  Pump();
  Pump();
  EXPECT_EQ(Clipboard()->AsText(), "\xF6nce");
  EXPECT_EQ(m_edit2->Text(), "gizli");
  m_edit2->SetPasswordChar('\0');
  m_edit2->SelectAll();
  m_edit2->CopyToClipboard();
  EXPECT_EQ(Clipboard()->AsText(), "gizli");
}

TEST_F(EditTest, NewWindowKeepsTextLimitMaskReadOnlyAndModified) {
  ShowAndActivate(m_form);
  m_edit2->SetFocus();
  TypeAndWait(m_edit2, "ab", "ab");
  m_edit2->SetReadOnly(true);
  EXPECT_TRUE(WindowStyle(m_edit2) & ES_READONLY);
  ClearLog();
  m_edit2->RecreateWnd();
  EXPECT_EQ(m_edit2->Text(), "ab");
  EXPECT_TRUE(m_edit2->Modified());
  EXPECT_EQ(m_edit2->Perform(EM_GETLIMITTEXT), 5);
  EXPECT_EQ(m_edit2->Perform(EM_GETPASSWORDCHAR), '*');
  EXPECT_TRUE(WindowStyle(m_edit2) & ES_READONLY);
  EXPECT_TRUE(m_form->Logged("change").empty());
  m_edit2->SetModified(false);
  m_edit2->SetParent(nullptr);
  EXPECT_FALSE(m_edit2->Modified());
  EXPECT_EQ(m_edit2->Text(), "ab");
}

TEST_F(EditTest, MaxLengthLimitsTypingAndPastingButNotCode) {
  ShowAndActivate(m_form);
  m_edit2->SetFocus();
  TypeText("\xE7\xF0\xFD\xF6\xFE\xFC\xE7");
  EXPECT_TRUE(PumpUntil([&] { return m_edit2->Text() == "\xE7\xF0\xFD\xF6\xFE"; }));
  m_edit2->SetText("1234567");
  EXPECT_EQ(m_edit2->Text(), "1234567");
  m_edit2->SetText("12");
  Clipboard()->SetAsText("abcdef");
  m_edit2->SetSelStart(2);
  m_edit2->PasteFromClipboard();
  EXPECT_EQ(m_edit2->Text(), "12abc");
  EXPECT_THROW(m_edit2->SetMaxLength(-1), ERangeError);
  EXPECT_EQ(m_edit2->MaxLength(), 5);
}

// Entering by keyboard selects the whole text unless AutoSelect is off;
// a click places the caret where it points.
TEST_F(EditTest, AutoSelectSelectsOnKeyboardEntryOnly) {
  m_edit2->SetText("abc");
  m_edit3->SetText("xyz");
  ShowAndActivate(m_form);
  ClearLog();
  PressKey(VK_TAB);
  ASSERT_TRUE(PumpUntil([&] { return m_edit2->Focused(); }));
  EXPECT_EQ(m_edit2->SelLength(), 3);
  PressKey(VK_TAB);
  ASSERT_TRUE(PumpUntil([&] { return m_edit3->Focused(); }));
  EXPECT_EQ(m_edit3->SelLength(), 0);
  ClickControl(m_edit1, {m_edit1->ClientWidth() - 4, 6});
  ASSERT_TRUE(PumpUntil([&] { return m_edit1->Focused(); }));
  Pump();
  EXPECT_EQ(m_edit1->SelLength(), 0);
  EXPECT_EQ(m_edit1->SelStart(), 5);
  EXPECT_EQ(m_form->log, (std::vector<std::string>{"Edit1 exit", "Edit2 enter", "Edit2 exit",
                                                   "Edit1 enter"}));
}

TEST_F(EditTest, SelectionEditingAndClipboardKeepTurkishLetters) {
  ShowAndActivate(m_form);
  m_edit1->SetText("\xE7\xFD\xF0\xFDr a\xE7\xFDl\xFD\xFE");
  m_edit1->SetSelStart(0);
  m_edit1->SetSelLength(5);
  EXPECT_EQ(m_edit1->SelText(), "\xE7\xFD\xF0\xFDr");
  m_edit1->CopyToClipboard();
  EXPECT_EQ(Clipboard()->AsText(), "\xE7\xFD\xF0\xFDr");
  ClearLog();
  m_edit1->SetSelText("\xDD\xDE");
  EXPECT_EQ(m_edit1->Text(), "\xDD\xDE a\xE7\xFDl\xFD\xFE");
  EXPECT_EQ(m_edit1->SelStart(), 2);
  EXPECT_EQ(m_form->log, (std::vector<std::string>{"Edit1 change"}));
  m_edit1->SelectAll();
  EXPECT_EQ(m_edit1->SelLength(), 9);
  m_edit1->CutToClipboard();
  EXPECT_EQ(m_edit1->Text(), "");
  EXPECT_EQ(Clipboard()->AsText(), "\xDD\xDE a\xE7\xFDl\xFD\xFE");
  m_edit1->PasteFromClipboard();
  m_edit1->SetSelStart(1);
  m_edit1->SetSelLength(2);
  m_edit1->ClearSelection();
  EXPECT_EQ(m_edit1->Text(), "\xDD" "a\xE7\xFDl\xFD\xFE");
}

TEST_F(EditTest, CharCaseTurnsTextAndTypingToCapitalsOrSmallLetters) {
  ShowAndActivate(m_form);
  m_edit1->SetText("\xE7\xF0\xF6\xFE\xFC abc");
  ClearLog();
  m_edit1->SetCharCase(TEditCharCase::ecUpperCase);
  EXPECT_EQ(m_edit1->Text(), "\xC7\xD0\xD6\xDE\xDC ABC");
  EXPECT_TRUE(m_edit1->Focused()) << "the new window keeps the focus";
  m_edit1->SetSelStart(20);
  TypeAndWait(m_edit1, "\xFE", "\xC7\xD0\xD6\xDE\xDC ABC\xDE");
  m_edit1->SetCharCase(TEditCharCase::ecLowerCase);
  EXPECT_EQ(m_edit1->Text(), "\xE7\xF0\xF6\xFE\xFC abc\xFE");
  EXPECT_EQ(m_form->Logged("change"), (std::vector<std::string>{"Edit1 change"}));
}

TEST_F(EditTest, ReadOnlyRefusesTypingAndPasting) {
  m_edit1->SetReadOnly(true);
  ShowAndActivate(m_form);
  Clipboard()->SetAsText("x");
  m_edit1->PasteFromClipboard();
  TypeText("yz");
  Pump();
  Pump();
  EXPECT_EQ(m_edit1->Text(), "\xC7i\xE7" "ek");
  m_edit1->SetReadOnly(false);
  m_edit1->SelectAll();
  TypeAndWait(m_edit1, "yz", "yz");
}

} // namespace
} // namespace stdctrls_test
