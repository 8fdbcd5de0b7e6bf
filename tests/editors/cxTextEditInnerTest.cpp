// The inner edit of a text editor under a real X server: its frameless
// window and alignment, margins that survive resizing and new fonts, the
// echo, the caret position, the key state check, bounds locking, the
// selection event, typed Turkish letters and IME characters.
#include "editors/cxTextEditInner.h"

#include <string>
#include <vector>

#include "platform/controls/Clipboard.h"
#include "tests/platform/stdctrls/StdCtrlsTestSupport.h"
#include "tests/support/GdiObjects.h"

namespace {

using stdctrls_test::TypeText;
using stdctrls_test::WindowStyle;

class InnerTextEditTest : public stdctrls_test::TStdCtrlsTest {
protected:
  void SetUp() override {
    TStdCtrlsTest::SetUp();
    m_form = Create<TForm>(Application, 0);
    m_form->SetBounds(100, 100, 300, 120);
    m_edit = Create<TcxCustomInnerTextEdit>(m_form);
    m_edit->SetBounds(10, 10, 200, 21);
    m_edit->SetOnChange([this](TObject*) { ++m_changes; });
    m_edit->SetParent(m_form);
    m_edit->HandleNeeded();
  }

  void ShowFocused() {
    ShowAndActivate(m_form);
    m_edit->SetFocus();
    ASSERT_TRUE(PumpUntil([this] { return ::GetFocus() == m_edit->Handle(); }));
  }

  LRESULT Margins() { return ::SendMessageW(m_edit->Handle(), EM_GETMARGINS, 0, 0); }

  TForm* m_form = nullptr;
  TcxCustomInnerTextEdit* m_edit = nullptr;
  int m_changes = 0;
};

// The editor draws the frame; each alignment remakes the window with the
// text it had and reports no change.
TEST_F(InnerTextEditTest, WindowHasNoFrameAndTheAlignmentStyleTable) {
  m_edit->SetText("\xC7i\xE7"
                  "ek");
  m_changes = 0;
  const struct {
    TAlignment alignment;
    LONG style;
  } cases[] = {{TAlignment::taRightJustify, ES_RIGHT},
               {TAlignment::taCenter, ES_CENTER},
               {TAlignment::taLeftJustify, ES_LEFT}};
  for (const auto& c : cases) {
    m_edit->SetControlAlignment(c.alignment);
    const LONG style = WindowStyle(m_edit);
    EXPECT_EQ(style & (ES_CENTER | ES_RIGHT), c.style);
    EXPECT_TRUE(style & ES_AUTOHSCROLL);
    EXPECT_FALSE(style & (WS_BORDER | WS_DLGFRAME | WS_THICKFRAME));
    EXPECT_FALSE(::GetWindowLongW(m_edit->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_EQ(WindowText(m_edit->Handle()), "\xC7i\xE7"
                                            "ek");
  }
  EXPECT_EQ(m_changes, 0);
  EXPECT_EQ(m_edit->Helper()->GetAlignment(), TAlignment::taLeftJustify);
}

TEST_F(InnerTextEditTest, BackgroundAndFrameAreLeftToTheEditor) {
  EXPECT_EQ(m_edit->Perform(WM_ERASEBKGND), 1);
  EXPECT_EQ(m_edit->Perform(WM_NCPAINT, 1), 0);
  EXPECT_TRUE(m_edit->Perform(WM_GETDLGCODE) & DLGC_WANTCHARS);
}

// The platform's EDIT takes margins from every new font; the inner edit
// puts its own back, so the editor's drawn text lands on the same pixels.
TEST_F(InnerTextEditTest, MarginsStayAfterCreationResizeAndNewFont) {
  EXPECT_EQ(Margins(), MAKELONG(0, 1));
  m_edit->CallDefWndProc(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(6, 6));
  m_edit->SetBounds(10, 10, 150, 25);
  EXPECT_EQ(Margins(), MAKELONG(0, 1));
  m_edit->Font()->SetName("Tahoma");
  m_edit->Font()->SetSize(14);
  EXPECT_EQ(Margins(), MAKELONG(0, 1));
  m_edit->RecreateWnd();
  EXPECT_EQ(Margins(), MAKELONG(0, 1));
}

// The mask needs echo mode eemPassword; PasswordChar alone shows the text.
TEST_F(InnerTextEditTest, EchoModeAndPasswordCharTable) {
  m_edit->SetText("gizli");
  m_changes = 0;
  IcxInnerTextEdit* helper = m_edit->Helper();
  const struct {
    TcxEditEchoMode mode;
    char passwordChar;
    WCHAR shown;
  } cases[] = {{TcxEditEchoMode::eemNormal, '\0', 0},
               {TcxEditEchoMode::eemNormal, '#', 0},
               {TcxEditEchoMode::eemPassword, '#', '#'},
               {TcxEditEchoMode::eemPassword, '\0', '*'},
               {TcxEditEchoMode::eemPassword, '\xDE', u'\u015E'}};
  for (const auto& c : cases) {
    helper->SetEchoMode(c.mode);
    helper->SetPasswordChar(c.passwordChar);
    EXPECT_EQ(m_edit->Perform(EM_GETPASSWORDCHAR), c.shown) << c.passwordChar;
    EXPECT_EQ(helper->GetEchoMode(), c.mode);
    EXPECT_EQ(helper->GetPasswordChar(), c.passwordChar);
  }
  EXPECT_EQ(m_changes, 0);
  EXPECT_EQ(m_edit->Text(), "gizli");
}

TEST_F(InnerTextEditTest, MaskedTextNeverReachesTheClipboard) {
  ShowFocused();
  Clipboard()->SetAsText("\xF6nce");
  m_edit->SetText("gizli");
  m_edit->Helper()->SetEchoMode(TcxEditEchoMode::eemPassword);
  m_edit->Helper()->SelectAll();
  m_edit->Helper()->CopyToClipboard();
  stdctrls_test::PressChord({VK_CONTROL}, VK_INSERT);
  stdctrls_test::PressChord({VK_CONTROL}, 'C');
  Pump();
  EXPECT_EQ(Clipboard()->AsText(), "\xF6nce");
}

TEST_F(InnerTextEditTest, CursorPositionTable) {
  ShowFocused();
  EXPECT_EQ(m_edit->GetCursorPos(), 0) << "empty text";
  m_edit->SetText("\xDE"
                  "ap\xFDka");
  for (int position : {0, 1, 3, 5, 6}) {
    m_edit->SetSelStart(position);
    EXPECT_EQ(m_edit->GetCursorPos(), position);
  }
  m_edit->Helper()->SetSelStart(2);
  m_edit->Helper()->SetSelLength(2);
  auto* other = Create<TEdit>(m_form);
  other->SetParent(m_form);
  other->SetTop(40);
  other->SetFocus();
  ASSERT_TRUE(PumpUntil([other] { return ::GetFocus() == other->Handle(); }));
  ASSERT_NE(::GetFocus(), m_edit->Handle());
  EXPECT_EQ(m_edit->GetCursorPos(), 4) << "the caret belongs to another window";
}

TEST_F(InnerTextEditTest, TextStateCheckTable) {
  m_edit->SetText("abc");
  m_edit->SetSelStart(1);
  const struct {
    const char* name;
    bool saveText;
    void (*change)(TcxCustomInnerTextEdit*);
    bool changed;
  } cases[] = {
      {"nothing", true, [](TcxCustomInnerTextEdit*) {}, false},
      {"caret moved", false, [](TcxCustomInnerTextEdit* e) { e->SetSelStart(2); }, true},
      {"selection grew", false, [](TcxCustomInnerTextEdit* e) { e->SetSelLength(1); }, true},
      {"letter case only", true,
       [](TcxCustomInnerTextEdit* e) {
         e->SetText("ABC");
         e->SetSelStart(1);
       },
       false},
      {"text changed", true,
       [](TcxCustomInnerTextEdit* e) {
         e->SetText("abd");
         e->SetSelStart(1);
       },
       true},
      {"text changed, not saved", false,
       [](TcxCustomInnerTextEdit* e) {
         e->SetText("xyz");
         e->SetSelStart(1);
       },
       false},
  };
  for (const auto& c : cases) {
    m_edit->SetText("abc");
    m_edit->SetSelStart(1);
    TcxCustomInnerTextEditPrevState state;
    SaveTextEditState(m_edit, c.saveText, state);
    c.change(m_edit);
    EXPECT_EQ(CheckTextEditState(m_edit, state), c.changed) << c.name;
  }
  TcxCustomInnerTextEditPrevState state;
  SaveTextEditState(m_edit, true, state);
  m_edit->SetParent(nullptr);
  EXPECT_TRUE(CheckTextEditState(m_edit, state)) << "no window";
}

TEST_F(InnerTextEditTest, LockedBoundsDropPositionRequests) {
  IcxInnerTextEdit* helper = m_edit->Helper();
  helper->LockBounds(true);
  helper->LockBounds(true);
  m_edit->SetBounds(0, 0, 50, 30);
  helper->LockBounds(false);
  m_edit->SetBounds(0, 0, 60, 30);
  EXPECT_EQ(m_edit->BoundsRect(), TRect(10, 10, 210, 31));
  helper->LockBounds(false);
  helper->LockBounds(false);
  m_edit->SetBounds(0, 0, 70, 30);
  EXPECT_EQ(m_edit->BoundsRect(), TRect(0, 0, 70, 30));
}

TEST_F(InnerTextEditTest, EverySelectionSetIsReported) {
  int reports = 0;
  m_edit->Helper()->SetOnSelChange([&](TObject* sender) {
    EXPECT_EQ(sender, m_edit);
    ++reports;
  });
  m_edit->SetText("abc");
  m_edit->SetSelStart(1);
  m_edit->Helper()->SetSelLength(1);
  m_edit->Helper()->SelectAll();
  EXPECT_EQ(reports, 3);
  EXPECT_EQ(m_edit->Helper()->GetSelText(), "abc");
}

TEST_F(InnerTextEditTest, ValueAndTextMadeBeforeTheWindowArriveWithoutChange) {
  m_edit->SetParent(nullptr);
  m_edit->Helper()->SetEditValue(Variant(std::string("\xFE"
                                                     "ifre")));
  m_changes = 0;
  m_edit->Helper()->SetParent(m_form);
  EXPECT_EQ(WindowText(m_edit->Handle()), "\xFE"
                                          "ifre");
  EXPECT_EQ(m_changes, 0);
  EXPECT_EQ(VarToStr(m_edit->Helper()->GetEditValue()), "\xFE"
                                                        "ifre");
  EXPECT_EQ(m_edit->Helper()->GetControlContainer(), m_form);
  EXPECT_EQ(m_edit->Helper()->GetControl(), m_edit);
}

// Tab neither reaches the key events nor the text.
TEST_F(InnerTextEditTest, TypedTurkishLettersArriveAndTabDoesNot) {
  ShowFocused();
  std::string pressed;
  m_edit->SetOnKeyPress([&](TObject*, char& key) { pressed += key; });
  std::vector<WORD> released;
  m_edit->SetOnKeyUp([&](TObject*, WORD& key, TShiftState) { released.push_back(key); });
  const std::string letters = stdctrls_test::kTurkishLetters;
  TypeText(letters);
  ASSERT_TRUE(PumpUntil([&] { return m_edit->Text() == letters; })) << m_edit->Text();
  EXPECT_EQ(pressed, letters);
  EXPECT_EQ(m_changes, static_cast<int>(letters.size()));
  pressed.clear();
  released.clear();
  ::SendMessageW(m_edit->Handle(), WM_CHAR, VK_TAB, 0);
  ::SendMessageW(m_edit->Handle(), WM_KEYUP, VK_TAB, 0);
  EXPECT_EQ(pressed, "");
  EXPECT_TRUE(released.empty());
  EXPECT_TRUE(m_edit->InternalUpdating());
  EXPECT_EQ(m_edit->Text(), letters);
}

// The IME character arrives as a WM_CHAR, and meanwhile the helper answers
// the selection as it was before it.
TEST_F(InnerTextEditTest, ImeCharacterBecomesATypedCharacter) {
  ShowFocused();
  m_edit->SetText("ab");
  m_edit->SetSelStart(2);
  std::string pressed;
  m_edit->SetOnKeyPress([&](TObject*, char& key) { pressed += key; });
  ::SendMessageW(m_edit->Handle(), WM_IME_CHAR, 0x015F, 1);
  EXPECT_EQ(m_edit->ImeCharState(), 1) << "one byte in Windows-1254";
  m_edit->SetSelStart(0);
  EXPECT_EQ(m_edit->Helper()->GetSelStart(), 2);
  EXPECT_EQ(m_edit->Helper()->GetImeLastChar(), '\0');
  m_edit->SetSelStart(2);
  ASSERT_TRUE(PumpUntil([&] { return m_edit->Text() == "ab\xFE"; })) << m_edit->Text();
  EXPECT_EQ(m_edit->ImeCharState(), 0);
  EXPECT_EQ(pressed, "\xFE");
  EXPECT_EQ(m_edit->Helper()->GetSelStart(), 3);
}

TEST_F(InnerTextEditTest, HelperFocusesWithoutSelectingAll) {
  ShowAndActivate(m_form);
  m_edit->SetText("abc");
  m_edit->SetSelStart(1);
  m_edit->Helper()->SafelySetFocus();
  EXPECT_TRUE(PumpUntil([this] { return ::GetFocus() == m_edit->Handle(); }));
  EXPECT_EQ(m_edit->SelLength(), 0);
  EXPECT_TRUE(m_edit->AutoSelect());
}

TEST_F(InnerTextEditTest, WindowsMadeAndFontsChangedLeaveNoGdiObjects) {
  const auto cycle = [this] {
    auto* edit = Create<TcxCustomInnerTextEdit>(m_form);
    edit->SetParent(m_form);
    edit->SetText("abc");
    edit->Font()->SetSize(12);
    edit->SetControlAlignment(TAlignment::taCenter);
    edit->Helper()->SetEchoMode(TcxEditEchoMode::eemPassword);
    edit->Free();
  };
  cycle();
  const int before = CountGdiObjects();
  cycle();
  cycle();
  EXPECT_EQ(CountGdiObjects(), before);
}

} // namespace

namespace {

// Logs the clipboard messages its window receives.
class TClipboardProbe : public TcxCustomInnerTextEdit {
  OBJECT_CLASS(TClipboardProbe, TcxCustomInnerTextEdit)
public:
  using TcxCustomInnerTextEdit::TcxCustomInnerTextEdit;
  std::string log;

  void Dispatch(TMessage& message) override {
    switch (message.Msg) {
    case WM_CUT:
      log += "cut ";
      break;
    case WM_COPY:
      log += "copy ";
      break;
    case WM_PASTE:
      log += "paste ";
      break;
    case WM_CLEAR:
      log += "clear ";
      break;
    default:
      break;
    }
    inherited::Dispatch(message);
  }
};

class InnerTextEditClipboardTest : public InnerTextEditTest {
protected:
  void SetUp() override {
    InnerTextEditTest::SetUp();
    m_probe = Create<TClipboardProbe>(m_form);
    m_probe->SetBounds(10, 50, 200, 21);
    m_probe->SetParent(m_form);
    ShowAndActivate(m_form);
    m_probe->SetFocus();
    ASSERT_TRUE(PumpUntil([this] { return ::GetFocus() == m_probe->Handle(); }));
  }

  // Presses the chord and waits until its key-up has been handled.
  void Press(std::initializer_list<WORD> held, WORD key) {
    stdctrls_test::PressChord(held, key);
    Pump();
    Pump();
  }

  TClipboardProbe* m_probe = nullptr;
};

// Every clipboard key becomes the message that handlers of the editor see;
// the text and the clipboard end as the platform's keys would leave them.
TEST_F(InnerTextEditClipboardTest, ClipboardKeysSendTheirMessagesTable) {
  const struct {
    std::initializer_list<WORD> held;
    WORD key;
    int selStart, selLength;
    const char* log;
    const char* text;
    const char* clipboard;
  } cases[] = {
      {{VK_SHIFT},
       VK_INSERT,
       1,
       0,
       "paste ",
       "\xE7"
       "\xFD\xF0"
       "i\xFE",
       "\xFD\xF0"},
      {{VK_CONTROL}, VK_INSERT, 1, 2, "copy ", "\xE7i\xFE", "i\xFE"},
      {{VK_SHIFT}, VK_DELETE, 0, 2, "cut ", "\xFE", "\xE7i"},
      // Without a selection the platform deletes the letter before the caret.
      {{VK_SHIFT}, VK_DELETE, 3, 0, "", "\xE7i", "\xFD\xF0"},
      {{}, VK_DELETE, 0, 1, "", "i\xFE", "\xFD\xF0"},
  };
  for (const auto& c : cases) {
    Clipboard()->SetAsText("\xFD\xF0");
    m_probe->SetText("\xE7i\xFE");
    m_probe->SetSelStart(c.selStart);
    m_probe->SetSelLength(c.selLength);
    m_probe->log.clear();
    Press(c.held, c.key);
    EXPECT_EQ(m_probe->log, c.log) << c.log << c.selStart;
    EXPECT_EQ(m_probe->Text(), c.text) << c.log;
    EXPECT_EQ(Clipboard()->AsText(), c.clipboard) << c.log;
  }
}

// Pasting by key keeps the limit, and undo gives back exactly what was there.
TEST_F(InnerTextEditClipboardTest, KeyPasteKeepsMaxLengthAndUndoes) {
  m_probe->SetMaxLength(5);
  m_probe->SetText("\xDE\xDE");
  m_probe->SetSelStart(2);
  Clipboard()->SetAsText("\xE7\xF0\xFD\xF6\xFE\xFC");
  Press({VK_SHIFT}, VK_INSERT);
  EXPECT_EQ(m_probe->Text(), "\xDE\xDE\xE7\xF0\xFD");
  Press({VK_CONTROL}, 'Z');
  EXPECT_EQ(m_probe->Text(), "\xDE\xDE");
}

TEST_F(InnerTextEditClipboardTest, MaskedTextLeavesByNoKey) {
  m_probe->SetText("gizli");
  m_probe->Helper()->SetEchoMode(TcxEditEchoMode::eemPassword);
  Clipboard()->SetAsText("\xF6nce");
  for (WORD key : {WORD(VK_INSERT), WORD(VK_DELETE)}) {
    m_probe->SelectAll();
    Press({key == VK_INSERT ? WORD(VK_CONTROL) : WORD(VK_SHIFT)}, key);
  }
  EXPECT_EQ(Clipboard()->AsText(), "\xF6nce");
  EXPECT_EQ(m_probe->Text(), "gizli");
}

} // namespace
