// What an input method sends a text editor's inner EDIT, driven by sending
// the messages (no input method runs here): a composition reaches the EDIT
// only with the editing permission, and an IME character is typed like a
// key, the selection the editor sets meanwhile landing on the EDIT after it.
// The input method's mode and name of the properties reach the editor and
// its inner EDIT, whose input context follows the mode when it gets the
// focus.
#include <string>

#include "editors/cxTextEdit.h"
#include "tests/editors/cxEditControlTestSupport.h"

namespace {

using edit_control_test::TextEditControlTest;

class TextEditImeTest : public TextEditControlTest {
protected:
  void SetUp() override {
    TextEditControlTest::SetUp();
    m_form = Form();
    m_edit = Create<TcxTextEdit>(m_form);
    m_edit->SetBounds(20, 20, 150, 21);
    m_edit->SetParent(m_form);
    Pump();
  }

  TcxCustomInnerTextEdit* Inner() const {
    return static_cast<TcxCustomInnerTextEdit*>(m_edit->InnerControl());
  }
  void Focus() {
    m_edit->SetFocus();
    ASSERT_TRUE(PumpUntil([this] { return ::GetFocus() == Inner()->Handle(); }));
  }
  LRESULT Send(UINT msg, WPARAM wParam, LPARAM lParam) {
    return ::SendMessageW(Inner()->Handle(), msg, wParam, lParam);
  }

  TForm* m_form = nullptr;
  TcxTextEdit* m_edit = nullptr;
};

// The platform's EDIT deletes the selection when a composition begins; an
// editor that may not be edited keeps its text.
TEST_F(TextEditImeTest, CompositionReachesTheEditOnlyWithTheEditingPermission) {
  struct TCase {
    const char* Name;
    bool ReadOnly;
    bool Refused;
    const char* Text;
  };
  const TCase cases[] = {
      {"editable", false, false, ""},
      {"read-only", true, false, "metin"},
      {"refused by OnEditing", false, true, "metin"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    m_edit->Properties()->SetReadOnly(c.ReadOnly);
    m_edit->SetOnEditing(
        TcxEditEditingEvent([&c](TObject*, bool& canEdit) { canEdit = !c.Refused; }));
    m_edit->SetText("metin");
    Focus();
    m_edit->SelectAll();
    Send(WM_IME_STARTCOMPOSITION, 0, 0);
    Send(WM_IME_COMPOSITION, 0, GCS_COMPSTR);
    Send(WM_IME_ENDCOMPOSITION, 0, 0);
    Pump();
    EXPECT_EQ(m_edit->GetEditingText(), c.Text);
  }
}

// An IME character goes the way of a typed one: the editor's key press, in
// the letter case asked for.
TEST_F(TextEditImeTest, ImeCharacterIsTypedThroughTheEditor) {
  m_edit->Properties()->SetCharCase(TEditCharCase::ecUpperCase);
  std::string pressed;
  m_edit->SetOnKeyPress(TKeyPressEvent([&](TObject*, char& key) { pressed += key; }));
  Focus();
  Send(WM_IME_CHAR, 0x0131, 1); // dotless i
  ASSERT_TRUE(PumpUntil([this] { return m_edit->GetEditingText() == "I"; }))
      << m_edit->GetEditingText();
  EXPECT_EQ(pressed, "\xFD");
  EXPECT_EQ(Inner()->ImeCharState(), 0);
  EXPECT_TRUE(m_edit->ModifiedAfterEnter());
}

// The completion the search proposes for an IME character is selected on
// the EDIT once the character has arrived: the search's selection is kept
// aside while the character is on its way.
TEST_F(TextEditImeTest, CompletionOfAnImeCharacterIsSelected) {
  m_edit->Properties()->LookupItems()->Add("\xFE"
                                           "eker");
  Focus();
  Send(WM_IME_CHAR, 0x015F, 1); // s cedilla
  ASSERT_TRUE(PumpUntil([this] {
    return m_edit->GetEditingText() == "\xFE"
                                       "eker";
  })) << m_edit->GetEditingText();
  EXPECT_EQ(Inner()->ImeCharState(), 0);
  EXPECT_EQ(Inner()->SelStart(), 1);
  EXPECT_EQ(Inner()->SelLength(), 4);
}

// The properties' mode and name are the editor's and its inner edit's.
TEST_F(TextEditImeTest, ThePropertiesInputMethodSettingsReachTheInnerEdit) {
  const std::string name = "T\xFCrk\xE7"
                           "e Q";
  m_edit->Properties()->SetImeMode(TImeMode::imClose);
  m_edit->Properties()->SetImeName(name);
  IcxInnerTextEdit* inner = m_edit->InnerTextEdit();
  EXPECT_EQ(m_edit->ImeMode(), TImeMode::imClose);
  EXPECT_EQ(m_edit->ImeName(), name);
  EXPECT_EQ(inner->GetImeMode(), TImeMode::imClose);
  EXPECT_EQ(inner->GetImeName(), name);
  EXPECT_EQ(Inner()->ImeMode(), TImeMode::imClose);

  inner->SetImeMode(TImeMode::imOpen);
  inner->SetImeName("");
  EXPECT_EQ(Inner()->ImeMode(), TImeMode::imOpen);
  EXPECT_EQ(Inner()->ImeName(), "");
}

// The inner EDIT, which has the focus whenever the editor has it, gets the
// properties' mode: no input context when disabled, an open one when open.
TEST_F(TextEditImeTest, TheInnerEditTakesTheModeWithTheFocus) {
  TEdit* other = Other(m_form);
  const HWND inner = Inner()->Handle();
  const auto openStatus = [inner]() -> int {
    const HIMC context = ::ImmGetContext(inner);
    if (!context)
      return -1;
    const int open = ::ImmGetOpenStatus(context) ? 1 : 0;
    ::ImmReleaseContext(inner, context);
    return open;
  };
  const struct {
    TImeMode Mode;
    int Expected;
  } cases[] = {{TImeMode::imDisable, -1}, {TImeMode::imOpen, 1}, {TImeMode::imClose, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.Mode));
    other->SetFocus();
    ASSERT_TRUE(PumpUntil([other] { return other->Focused(); }));
    m_edit->Properties()->SetImeMode(c.Mode);
    Focus();
    EXPECT_EQ(openStatus(), c.Expected);
  }
}

} // namespace
