// The text editor on a shown form: its size and colour, the window-text
// messages answered from the display text, text written from code with its
// events, letter case, password echo and maximum length handed to the inner
// EDIT, writes made from a change event, a form definition, focus and tab
// order, and the inner EDIT shown or hidden by alignment and activity.
#include "editors/cxTextEdit.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "platform/controls/Clipboard.h"
#include "platform/controls/Menus.h"
#include "platform/objects/FormReader.h"
#include "platform/rtl/WideText.h"
#include "tests/editors/cxEditControlTestSupport.h"
#include "tests/platform/stdctrls/StdCtrlsTestSupport.h"

namespace {

using edit_control_test::TextEditControlTest;

// Puts the Unicode text on the clipboard as it is.
void SetClipboardWide(const std::u16string& text) {
  const std::size_t bytes = (text.size() + 1) * sizeof(char16_t);
  HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, bytes);
  std::memcpy(::GlobalLock(memory), text.c_str(), bytes);
  ::GlobalUnlock(memory);
  ASSERT_TRUE(::OpenClipboard(nullptr));
  ::EmptyClipboard();
  ::SetClipboardData(CF_UNICODETEXT, memory);
  ::CloseClipboard();
}

class TextEditTest : public TextEditControlTest {
protected:
  static void SetUpTestSuite() {
    TextEditControlTest::SetUpTestSuite();
    RegisterClasses({TcxTextEdit::StaticClass(), stdctrls_test::TLogForm::StaticClass()});
  }

  TcxTextEdit* PlaceText(TForm* form, int left = 20, int top = 20) {
    auto* edit = Create<TcxTextEdit>(form);
    edit->SetLeft(left);
    edit->SetTop(top);
    edit->SetParent(form);
    edit->Properties()->SetOnChange(TNotifyEvent([this](TObject*) { log.push_back("change"); }));
    edit->Properties()->SetOnEditValueChanged(TNotifyEvent(
        [this, edit](TObject*) { log.push_back("value " + VarToStr(edit->GetEditValue())); }));
    return edit;
  }
  static TcxCustomInnerTextEdit* Inner(TcxTextEdit* edit) {
    return static_cast<TcxCustomInnerTextEdit*>(edit->InnerControl());
  }
  // The text as another program reads it: through the editor's window.
  static std::string WindowText(TcxTextEdit* edit) {
    return ::WindowText(edit->Handle());
  }

  std::vector<std::string> log;
};

TEST_F(TextEditTest, AfterConstructionSizeColourAndEmptyText) {
  TForm* form = ShownForm();
  TcxTextEdit* edit = PlaceText(form);
  Pump();
  EXPECT_EQ(edit->Width(), 121);
  EXPECT_GT(edit->Height(), 0);
  EXPECT_EQ(Inner(edit)->Color(), clWindow);
  EXPECT_EQ(edit->TControl::Text(), "");
  EXPECT_EQ(VarToStr(edit->GetEditValue()), "");
  EXPECT_TRUE(edit->TabStop());
  EXPECT_TRUE(edit->BeepOnEnter());
  // The inner edit lies inside the editor's frame.
  const TRect inner = Inner(edit)->BoundsRect();
  EXPECT_GE(inner.Left, 1);
  EXPECT_LE(inner.Bottom, edit->Height());
}

// WM_GETTEXT copies what fits with its zero; a buffer of nothing copies
// nothing, and a missing buffer is no crash.
TEST_F(TextEditTest, WindowTextMessagesAnswerTheDisplayText) {
  TcxTextEdit* edit = PlaceText(ShownForm());
  edit->SetText("hello");
  const HWND window = edit->Handle();
  EXPECT_EQ(::SendMessageW(window, WM_GETTEXTLENGTH, 0, 0), 5);
  char16_t buffer[8] = u"xxxxxxx";
  EXPECT_EQ(::SendMessageW(window, WM_GETTEXT, 3, reinterpret_cast<LPARAM>(buffer)), 2);
  EXPECT_EQ(std::u16string(buffer), u"he");
  EXPECT_EQ(::SendMessageW(window, WM_GETTEXT, 0, reinterpret_cast<LPARAM>(buffer)), 0);
  EXPECT_EQ(::SendMessageW(window, WM_GETTEXT, 5, 0), 0);
  char ansi[8] = {};
  EXPECT_EQ(::SendMessageA(window, WM_GETTEXT, sizeof(ansi), reinterpret_cast<LPARAM>(ansi)), 5);
  EXPECT_STREQ(ansi, "hello");
  // SetWindowText with no text empties the editor.
  EXPECT_TRUE(::SendMessageW(window, WM_SETTEXT, 0, 0));
  EXPECT_EQ(WindowText(edit), "");
}

TEST_F(TextEditTest, TurkishTextRoundTripsThroughTheWindow) {
  TcxTextEdit* edit = PlaceText(ShownForm());
  const std::string turkish = "\xE7\xF0\xFD\xDD\xF6\xFE\xFC \xC7\xD0I\xD6\xDE\xDC";
  edit->SetText(turkish);
  EXPECT_EQ(WindowText(edit), turkish);
  EXPECT_EQ(::WindowText(Inner(edit)->Handle()), turkish);
  EXPECT_EQ(VarToStr(edit->GetEditValue()), turkish);
}

TEST_F(TextEditTest, TextFromCodeFiresChangeThenValueOnceAndLeavesItUnmodified) {
  TcxTextEdit* edit = PlaceText(ShownForm());
  edit->SetText("abc");
  EXPECT_EQ(log, (std::vector<std::string>{"change", "value abc"}));
  EXPECT_EQ(edit->GetEditValue().Type(), varString);
  EXPECT_FALSE(edit->Modified());
  log.clear();
  edit->SetText("abc");
  EXPECT_TRUE(log.empty());
  edit->SetText("");
  EXPECT_EQ(log, (std::vector<std::string>{"change", "value "}));
  EXPECT_EQ(edit->GetEditValue().Type(), varString);
}

TEST_F(TextEditTest, TextWrittenBeforeTheWindowExists) {
  auto* edit = Create<TcxTextEdit>(Application);
  edit->SetText("erken");
  EXPECT_EQ(edit->TControl::Text(), "erken");
  edit->SetParent(ShownForm());
  Pump();
  EXPECT_EQ(WindowText(edit), "erken");
  EXPECT_EQ(VarToStr(edit->GetEditValue()), "erken");
}

TEST_F(TextEditTest, LetterCaseTableWithTurkishLetters) {
  TcxTextEdit* edit = PlaceText(ShownForm());
  const struct {
    TEditCharCase charCase;
    const char* written;
    const char* read;
  } cases[] = {{TEditCharCase::ecUpperCase, "abc i\xFD", "ABC \xDDI"},
               {TEditCharCase::ecLowerCase, "ABC \xDDI", "abc i\xFD"},
               {TEditCharCase::ecNormal, "aBc", "aBc"}};
  for (const auto& c : cases) {
    edit->Properties()->SetCharCase(c.charCase);
    edit->SetText(c.written);
    EXPECT_EQ(WindowText(edit), c.read) << c.written;
  }
}

// A handler that writes the text while a write is being applied: the
// second write is applied right after, not lost.
TEST_F(TextEditTest, TextWrittenFromAChangeEventIsApplied) {
  TcxTextEdit* edit = PlaceText(ShownForm());
  edit->Properties()->SetOnChange(TNotifyEvent([edit](TObject*) {
    const std::string text = edit->TControl::Text();
    if (text != "  abc  ")
      return;
    edit->SetText("abc");
  }));
  edit->SetText("  abc  ");
  EXPECT_EQ(WindowText(edit), "abc");
  EXPECT_EQ(VarToStr(edit->GetEditValue()), "abc");
}

// The mask needs echo mode eemPassword; the editor's own window still
// answers the text to the program that owns it.
TEST_F(TextEditTest, EchoModeAndMaxLengthReachTheInnerEdit) {
  TcxTextEdit* edit = PlaceText(ShownForm());
  edit->SetText("gizli");
  edit->Properties()->SetPasswordChar('#');
  EXPECT_EQ(Inner(edit)->Perform(EM_GETPASSWORDCHAR), 0);
  edit->Properties()->SetEchoMode(TcxEditEchoMode::eemPassword);
  EXPECT_EQ(Inner(edit)->Perform(EM_GETPASSWORDCHAR), '#');
  EXPECT_EQ(WindowText(edit), "gizli");
  edit->Properties()->SetMaxLength(3);
  EXPECT_EQ(Inner(edit)->Perform(EM_GETLIMITTEXT), 3);
  // Text from code is kept whole.
  edit->SetText("abcdef");
  EXPECT_EQ(WindowText(edit), "abcdef");
}

TEST_F(TextEditTest, FormDefinitionWithStyleAndProperties) {
  RegisterFormDefinition("TLogForm", R"(object LogForm: TLogForm
  Left = 100
  Top = 100
  Width = 300
  Height = 200
  object Sifre: TcxTextEdit
    Left = 20
    Top = 20
    Properties.EchoMode = eemPassword
    Properties.MaxLength = 8
    Style.Shadow = False
    TabOrder = 0
    Width = 150
  end
  object Isim: TcxTextEdit
    Left = 20
    Top = 60
    TabOrder = 1
    Text = 'Ali'
    Width = 150
  end
end
)");
  auto* form = Create<stdctrls_test::TLogForm>(Application);
  form->Show();
  Pump();
  auto* password = dynamic_cast<TcxTextEdit*>(form->FindComponent("Sifre"));
  auto* name = dynamic_cast<TcxTextEdit*>(form->FindComponent("Isim"));
  ASSERT_TRUE(password && name);
  EXPECT_EQ(password->Properties()->EchoMode(), TcxEditEchoMode::eemPassword);
  EXPECT_EQ(Inner(password)->Perform(EM_GETLIMITTEXT), 8);
  // Shadow False is the default look, kept as assigned.
  EXPECT_FALSE(password->GetStyle()->GetShadow());
  EXPECT_TRUE(password->GetStyle()->IsShadowStored());
  EXPECT_FALSE(name->GetStyle()->IsShadowStored());
  EXPECT_EQ(password->Width(), 150);
  EXPECT_EQ(WindowText(name), "Ali");
  EXPECT_EQ(name->TabOrder(), 1);
}

// SetFocus and Tab put the caret into the inner EDIT.
TEST_F(TextEditTest, FocusAndTabGoIntoTheInnerEdit) {
  TForm* form = Form();
  TcxTextEdit* first = PlaceText(form, 20, 20);
  TcxTextEdit* second = PlaceText(form, 20, 60);
  Pump();
  first->SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return ::GetFocus() == Inner(first)->Handle(); }));
  controls_test::PressKey(VK_TAB);
  EXPECT_TRUE(PumpUntil([&] { return ::GetFocus() == Inner(second)->Handle(); }));
}

// A right-aligned editor shows its inner EDIT only while it is active; a
// left-aligned one always.
TEST_F(TextEditTest, InnerEditShownByAlignmentAndActivity) {
  TForm* form = Form();
  TcxTextEdit* edit = PlaceText(form);
  TEdit* other = Other(form);
  edit->SetText("sa\xF0");
  Pump();
  EXPECT_TRUE(edit->IsEditClass());
  edit->Properties()->BaseGetAlignment()->SetHorz(TAlignment::taRightJustify);
  Pump();
  EXPECT_FALSE(edit->IsEditClass());
  EXPECT_EQ(edit->GetViewInfo()->DrawnText, "sa\xF0");
  edit->SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return ::GetFocus() == Inner(edit)->Handle(); }));
  EXPECT_TRUE(edit->IsEditClass());
  other->SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return ::GetFocus() == other->Handle(); }));
  EXPECT_FALSE(edit->IsEditClass());
}

// The find-selection flag changes only on an editor with a window, and not
// while its refreshes are suppressed; an editor that cannot be edited
// draws no completion.
TEST_F(TextEditTest, FindSelectionNeedsAWindowAndUnsuppressedRefreshes) {
  TForm* form = Form();
  auto* loose = Create<TcxTextEdit>(form);
  loose->SetFindSelection(true);
  EXPECT_FALSE(loose->FindSelection());
  TcxTextEdit* edit = PlaceText(form);
  edit->Properties()->SetHideCursor(true);
  edit->Properties()->BaseGetAlignment()->SetHorz(TAlignment::taRightJustify);
  edit->SetText("\xDDstanbul");
  Pump();
  ASSERT_TRUE(edit->HandleAllocated());
  edit->SetRefreshSuppressed(true);
  edit->SetFindSelection(true);
  EXPECT_FALSE(edit->FindSelection());
  edit->SetRefreshSuppressed(false);
  edit->SetFindSelection(true);
  EXPECT_TRUE(edit->FindSelection());
  EXPECT_EQ(edit->GetViewInfo()->CachedEditingStyle, TcxEditEditingStyle::esNoEdit);
  EXPECT_EQ(edit->GetViewInfo()->DrawnText, "\xDDstanbul");
  EXPECT_EQ(edit->GetViewInfo()->HighlightLength, 0);
  edit->SetFindSelection(false);
  EXPECT_FALSE(edit->FindSelection());
}

// Reads its text once its destruction has begun.
class TProbeTextEdit : public TcxTextEdit {
  OBJECT_CLASS(TProbeTextEdit, TcxTextEdit)
public:
  using TcxTextEdit::TcxTextEdit;
  void BeforeDestruction() override {
    inherited::BeforeDestruction();
    *readDuringDestruction = TControl::Text();
  }
  std::string* readDuringDestruction = nullptr;
};

TEST_F(TextEditTest, TextReadDuringDestructionIsTheTextItHad) {
  auto* edit = Create<TProbeTextEdit>(Application);
  edit->SetParent(ShownForm());
  edit->SetText("son");
  std::string read;
  edit->readDuringDestruction = &read;
  edit->Free();
  EXPECT_EQ(read, "son");
}

// ---- typing and the clipboard, with real input

class TextEditTypingTest : public TextEditTest {
protected:
  // A focused editor on an active form, and a plain EDIT to leave it for.
  void SetUp() override {
    TextEditTest::SetUp();
    m_form = Form();
    m_edit = PlaceText(m_form);
    m_other = Other(m_form);
    Pump();
    controls_test::ClickControl(Inner(m_edit), {5, 5});
    ASSERT_TRUE(PumpUntil([this] { return ::GetFocus() == Inner(m_edit)->Handle(); }));
    log.clear();
  }
  void Press(std::initializer_list<WORD> held, WORD key) {
    stdctrls_test::PressChord(held, key);
    Pump();
    Pump();
  }
  void Type(const std::string& text) {
    stdctrls_test::TypeText(text);
    Pump();
    Pump();
  }
  bool TextBecomes(const std::string& text) {
    return PumpUntil([&] { return WindowText(m_edit) == text; });
  }
  void SetCaret(int start, int length = 0) {
    Inner(m_edit)->Perform(EM_SETSEL, start, start + length);
  }
  int SelStart() { return m_edit->GetSelStart(); }
  int SelLength() { return m_edit->GetSelLength(); }

  TForm* m_form = nullptr;
  TcxTextEdit* m_edit = nullptr;
  TEdit* m_other = nullptr;
};

// Typed text is the display text at once; it becomes the edit value, with
// the new-text event first, when the editor is left.
TEST_F(TextEditTypingTest, TypedTurkishLettersBecomeTheValueOnLeaving) {
  std::vector<std::string> newTexts;
  m_edit->Properties()->SetOnNewLookupDisplayText(TcxNewLookupDisplayTextEvent(
      [&](TObject*, const std::string& text) { newTexts.push_back(text); }));
  const std::string typed = "\xC7i\xE7"
                            "ek \xDD\xFD\xF0";
  Type(typed);
  ASSERT_TRUE(TextBecomes(typed));
  EXPECT_TRUE(m_edit->ModifiedAfterEnter());
  EXPECT_EQ(VarToStr(m_edit->GetEditValue()), "");
  EXPECT_EQ(VarToStr(m_edit->GetEditingValue()), typed);
  EXPECT_EQ(std::count(log.begin(), log.end(), std::string("change")),
            static_cast<long>(typed.size()));
  m_other->SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return ::GetFocus() == m_other->Handle(); }));
  EXPECT_EQ(VarToStr(m_edit->GetEditValue()), typed);
  EXPECT_EQ(newTexts, std::vector<std::string>{typed});
  EXPECT_EQ(log.back(), "value " + typed);
  EXPECT_FALSE(m_edit->ModifiedAfterEnter());
}

TEST_F(TextEditTypingTest, MaxLengthBindsTypingNotCode) {
  m_edit->Properties()->SetMaxLength(3);
  Type("abcdef");
  EXPECT_TRUE(TextBecomes("abc"));
  m_edit->SetText("uzun metin");
  EXPECT_EQ(WindowText(m_edit), "uzun metin");
}

// MaxLength 3: a paste into an empty editor keeps what fits; into "ab" at
// its end one letter; at the end of a longer text written by code nothing.
TEST_F(TextEditTypingTest, PasteAgainstMaxLengthTable) {
  m_edit->Properties()->SetMaxLength(3);
  const struct {
    const char* before;
    int caret;
    const char* clipboard;
    const char* after;
    int caretAfter;
  } cases[] = {{"", 0, "abcdef", "abc", 3},
               {"ab", 2, "xyz", "abx", 3},
               {"abcdef", 6, "x", "abcdef", 6},
               {"abc", 0, "x", "abc", 0}};
  for (const auto& c : cases) {
    m_edit->SetText(c.before);
    SetCaret(c.caret);
    Clipboard()->SetAsText(c.clipboard);
    Press({VK_CONTROL}, 'V');
    EXPECT_EQ(WindowText(m_edit), c.after) << c.before << " + " << c.clipboard;
    EXPECT_EQ(SelStart(), c.caretAfter) << c.before << " + " << c.clipboard;
  }
}

// The clipboard's first line is pasted; text with letters the code page
// cannot hold is refused whole, leaving the text as it was.
TEST_F(TextEditTypingTest, PasteOfLineBreaksAndForeignLettersTable) {
  const struct {
    std::u16string clipboard;
    const char* after;
  } cases[] = {{u"ilk\r\nikinci", "xilk"},
               {u"\u015Fu\nbu", "x\xFEu"},
               {u"\u4E2D\u6587", "x"},
               {u"a\u0101b", "x"},
               {u"\u00E7ay", "x\xE7"
                             "ay"}};
  for (const auto& c : cases) {
    m_edit->SetText("x");
    SetCaret(1);
    SetClipboardWide(c.clipboard);
    Press({VK_SHIFT}, VK_INSERT);
    EXPECT_EQ(WindowText(m_edit), c.after);
    EXPECT_EQ(::WindowText(Inner(m_edit)->Handle()), c.after);
  }
}

// The maximum length cuts what is inserted, never the text already there:
// an insertion into a longer text written by code is refused whole.
TEST_F(TextEditTypingTest, InsertionNeverDropsTextBeyondTheMaximumLength) {
  m_edit->Properties()->SetMaxLength(3);
  const struct {
    const char* before;
    int start, length;
    const char* inserted;
    const char* after;
  } cases[] = {{"abcdef", 0, 0, "x", "abcdef"},
               {"abcdef", 1, 4, "x", "axf"},
               {"ab", 1, 0, "xyz", "axb"},
               {"abcdef", 0, 2, "", "cdef"}};
  for (const auto& c : cases) {
    m_edit->SetText(c.before);
    SetCaret(c.start, c.length);
    m_edit->SetSelText(c.inserted);
    EXPECT_EQ(WindowText(m_edit), c.after) << c.before << " + " << c.inserted;
  }
}

// Typed and pasted letters take the letter case by the Turkish rules: i
// and I become dotted capital I and dotless i, not I and i.
TEST_F(TextEditTypingTest, TypedLettersTakeTheTurkishLetterCase) {
  const struct {
    TEditCharCase charCase;
    const char* typed;
    const char* shown;
  } cases[] = {{TEditCharCase::ecUpperCase, "ai\xFD\xE7", "A\xDDI\xC7"},
               {TEditCharCase::ecLowerCase, "AI\xDD\xC7", "a\xFDi\xE7"}};
  for (const auto& c : cases) {
    m_edit->Properties()->SetCharCase(c.charCase);
    m_edit->SetText("");
    Type(c.typed);
    EXPECT_TRUE(TextBecomes(c.shown)) << WindowText(m_edit);
    m_edit->SetText("");
    Clipboard()->SetAsText(c.typed);
    Press({VK_CONTROL}, 'V');
    EXPECT_EQ(WindowText(m_edit), c.shown);
  }
}

// Ctrl+Z after a paste or after typing gives back exactly the text before.
TEST_F(TextEditTypingTest, UndoRestoresTheTextExactly) {
  m_edit->SetText("\xC7"
                  "ok");
  SetCaret(1, 1);
  Clipboard()->SetAsText("\xFE\xFE");
  Press({VK_CONTROL}, 'V');
  ASSERT_EQ(WindowText(m_edit), "\xC7\xFE\xFEk");
  Press({VK_CONTROL}, 'Z');
  EXPECT_EQ(WindowText(m_edit), "\xC7"
                                "ok");
  SetCaret(3);
  Type("\xF0");
  ASSERT_TRUE(TextBecomes("\xC7ok\xF0"));
  Press({VK_CONTROL}, 'Z');
  EXPECT_EQ(WindowText(m_edit), "\xC7"
                                "ok");
}

// No key, menu or call puts a masked text on the clipboard.
TEST_F(TextEditTypingTest, MaskedTextNeverReachesTheClipboard) {
  m_edit->Properties()->SetEchoMode(TcxEditEchoMode::eemPassword);
  m_edit->SetText("gizli");
  Clipboard()->SetAsText("\xF6nce");
  SetCaret(0, 5);
  Press({VK_CONTROL}, 'C');
  Press({VK_CONTROL}, VK_INSERT);
  m_edit->CopyToClipboard();
  Press({VK_SHIFT}, VK_DELETE);
  Press({VK_CONTROL}, 'X');
  m_edit->CutToClipboard();
  EXPECT_EQ(Clipboard()->AsText(), "\xF6nce");
  EXPECT_EQ(WindowText(m_edit), "gizli");
}

TEST_F(TextEditTypingTest, CopyAndCutOfAPlainText) {
  m_edit->SetText("kopya");
  SetCaret(0, 3);
  Press({VK_CONTROL}, VK_INSERT);
  EXPECT_EQ(Clipboard()->AsText(), "kop");
  SetCaret(3, 2);
  Press({VK_SHIFT}, VK_DELETE);
  EXPECT_EQ(Clipboard()->AsText(), "ya");
  EXPECT_EQ(WindowText(m_edit), "kop");
}

// Left and Right collapse a selection to its start or end; Up, Down, PageUp
// and PageDown never reach the EDIT; Home and End do.
TEST_F(TextEditTypingTest, CaretKeysTable) {
  m_edit->SetText("abcdef");
  const struct {
    int start, length;
    WORD key;
    int caret;
  } cases[] = {{1, 3, VK_LEFT, 1}, {1, 3, VK_RIGHT, 4}, {2, 0, VK_UP, 2},
               {2, 0, VK_DOWN, 2}, {2, 0, VK_PRIOR, 2}, {2, 0, VK_NEXT, 2},
               {2, 0, VK_HOME, 0}, {2, 0, VK_END, 6},   {3, 0, VK_LEFT, 2}};
  for (const auto& c : cases) {
    SetCaret(c.start, c.length);
    Press({}, c.key);
    EXPECT_EQ(SelStart(), c.caret) << c.key;
    EXPECT_EQ(SelLength(), 0) << c.key;
  }
}

// A key that is a short-cut of the editor's popup menu runs the menu item
// and never reaches the editor's key handling or the EDIT; other keys type.
TEST_F(TextEditTypingTest, AMenuShortCutRunsItsItemInsteadOfTyping) {
  auto* menu = Create<TPopupMenu>(m_form);
  auto* item = Create<TMenuItem>(menu);
  int clicks = 0;
  item->SetOnClick(TNotifyEvent([&clicks](TObject*) { ++clicks; }));
  menu->Items()->Add(item);
  m_edit->SetPopupMenu(menu);
  item->SetShortCut('K');
  std::vector<WORD> keysDown;
  m_edit->SetOnKeyDown(
      TKeyEvent([&keysDown](TObject*, WORD& key, TShiftState) { keysDown.push_back(key); }));

  Press({}, 'K');
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(WindowText(m_edit), "");
  EXPECT_TRUE(keysDown.empty());

  Press({}, 'L');
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(WindowText(m_edit), "l");
  EXPECT_EQ(keysDown, std::vector<WORD>{'L'});
}

// With HideCursor the user changes nothing; code still writes the text.
TEST_F(TextEditTypingTest, HideCursorRefusesTheUserButNotCode) {
  m_edit->SetText("sabit");
  m_edit->Properties()->SetHideCursor(true);
  SetCaret(5);
  Type("x");
  SetCaret(0, 1);
  Press({}, VK_DELETE);
  Clipboard()->SetAsText("yeni");
  Press({VK_CONTROL}, 'V');
  Press({VK_SHIFT}, VK_INSERT);
  Press({VK_CONTROL}, 'X');
  m_edit->Perform(WM_CLEAR);
  EXPECT_EQ(WindowText(m_edit), "sabit");
  m_edit->SetText("kod");
  EXPECT_EQ(WindowText(m_edit), "kod");
}

// An editor without the focus pastes at once, without the EDIT's limit.
TEST_F(TextEditTypingTest, UnfocusedPasteReplacesTheSelectionWithoutTheLimit) {
  m_other->SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return ::GetFocus() == m_other->Handle(); }));
  m_edit->Properties()->SetMaxLength(2);
  m_edit->SetText("ab");
  SetCaret(1, 0);
  Clipboard()->SetAsText("XYZ");
  m_edit->PasteFromClipboard();
  EXPECT_EQ(WindowText(m_edit), "aXYZb");
  EXPECT_EQ(VarToStr(m_edit->GetEditValue()), "aXYZb");
}

} // namespace
