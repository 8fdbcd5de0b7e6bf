// What an input method sends a text editor's inner EDIT, driven by sending
// the messages (no input method runs here): a composition reaches the EDIT
// only with the editing permission, and an IME character is typed like a
// key, the selection the editor sets meanwhile landing on the EDIT after it.
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

} // namespace
