// Labeled edits as the log-in form places them: the label above the edit,
// following it, written back into definitions with the edit, and Enter
// moving between the fields.
#include "tests/platform/stdctrls/StdCtrlsTestSupport.h"

#include "platform/objects/FormWriter.h"
#include "platform/stdctrls/ExtCtrls.h"

namespace stdctrls_test {
namespace {

using controls_test::PressKey;

const char kLoginForm[] = R"(object OturumAc1: TLogForm
  Left = 100
  Top = 100
  BorderStyle = bsNone
  ClientWidth = 245
  ClientHeight = 227
  object LabeledEdit1: TLabeledEdit
    Left = 64
    Top = 40
    Width = 121
    Height = 21
    EditLabel.Width = 67
    EditLabel.Height = 13
    EditLabel.Caption = 'Kullan'#253'c'#253' Ad'#253':'
    LabelSpacing = 3
    TabOrder = 0
    OnKeyPress = KeyPressed
  end
  object LabeledEdit2: TLabeledEdit
    Left = 64
    Top = 88
    Width = 121
    Height = 21
    EditLabel.Caption = '&Parola:'
    PasswordChar = '*'
    TabOrder = 1
  end
end
)";

class LabeledEditTest : public TStdCtrlsTest {
protected:
  void SetUp() override {
    TStdCtrlsTest::SetUp();
    m_form = ReadForm(kLoginForm);
    m_user = static_cast<TLabeledEdit*>(m_form->FindComponent("LabeledEdit1"));
    m_password = static_cast<TLabeledEdit*>(m_form->FindComponent("LabeledEdit2"));
  }

  // Whether the label sits 'spacing' pixels above the edit, at its left.
  static bool LabelAbove(TCustomLabeledEdit* edit, int spacing) {
    const TBoundLabel* label = edit->EditLabel();
    return label->Left() == edit->Left() &&
           label->Top() + label->Height() + spacing == edit->Top();
  }

  TLogForm* m_form = nullptr;
  TLabeledEdit* m_user = nullptr;
  TLabeledEdit* m_password = nullptr;
};

TEST_F(LabeledEditTest, LabelSitsAboveTheEditAndFollowsIt) {
  TBoundLabel* label = m_user->EditLabel();
  EXPECT_EQ(label->Caption(), "Kullan\xFD" "c\xFD Ad\xFD:");
  EXPECT_EQ(label->Parent(), m_form);
  EXPECT_EQ(label->Owner(), m_user);
  EXPECT_EQ(label->FocusControl(), m_user);
  EXPECT_EQ(m_user->LabelSpacing(), 3);
  EXPECT_TRUE(LabelAbove(m_user, 3));
  EXPECT_TRUE(LabelAbove(m_password, 3));
  EXPECT_GT(label->Width(), 40) << "sized to its caption";
  m_user->SetBounds(20, 120, 100, 21);
  EXPECT_TRUE(LabelAbove(m_user, 3));
  m_user->SetLabelSpacing(7);
  EXPECT_TRUE(LabelAbove(m_user, 7));
  label->SetCaption("Takma ad:");
  EXPECT_TRUE(LabelAbove(m_user, 7));
  m_user->SetVisible(false);
  EXPECT_FALSE(label->Visible());
  m_user->SetVisible(true);
  m_user->SetEnabled(false);
  EXPECT_FALSE(label->Enabled());
}

// The log-in form's user-name field: Enter, swallowed by its key handler,
// moves on to the password field and types nothing.
TEST_F(LabeledEditTest, EnterSwallowedByTheKeyHandlerMovesToThePassword) {
  m_user->SetOnKeyPress(TKeyPressEvent([this](TObject*, char& key) {
    if (key != '\r')
      return;
    key = '\0';
    m_password->SetFocus();
  }));
  ShowAndActivate(m_form);
  ASSERT_TRUE(m_user->Focused());
  TypeText("ay\xFE" "e");
  PressKey(VK_RETURN);
  TypeText("\xE7i\xE7" "ek");
  EXPECT_TRUE(PumpUntil([&] { return m_password->Text() == "\xE7i\xE7" "ek"; }));
  EXPECT_EQ(m_user->Text(), "ay\xFE" "e");
  EXPECT_EQ(m_password->Perform(EM_GETPASSWORDCHAR), '*');
  PressChord({VK_MENU}, 'P');
  Pump();
  EXPECT_TRUE(m_password->Focused());
}

// Written back, a labeled edit carries its label's settings and leaves the
// default values out; read again, it is the same.
TEST_F(LabeledEditTest, DefinitionWrittenBackKeepsTheLabelAndOmitsDefaults) {
  m_user->SetText("Ay\xFE" "e");
  const std::string written = WriteFormDefinition(m_form);
  EXPECT_NE(written.find("EditLabel.Caption = 'Kullan'#253'c'#253' Ad'#253':'"), std::string::npos)
      << written;
  EXPECT_NE(written.find("PasswordChar = '*'"), std::string::npos);
  EXPECT_NE(written.find("Text = 'Ay'#254'e'"), std::string::npos);
  EXPECT_NE(written.find("OnKeyPress = KeyPressed"), std::string::npos);
  const std::string edits = written.substr(written.find("object LabeledEdit1"));
  for (const char* omitted : {"LabelSpacing", "TabStop", "AutoSelect", "Color", "MaxLength",
                              "EditLabel.Alignment", "ReadOnly", "Font"})
    EXPECT_EQ(edits.find(omitted), std::string::npos) << omitted << written;
  m_form->Free();
  TLogForm* again = ReadForm(written);
  auto* user = static_cast<TLabeledEdit*>(again->FindComponent("LabeledEdit1"));
  EXPECT_EQ(user->Text(), "Ay\xFE" "e");
  EXPECT_EQ(user->EditLabel()->Caption(), "Kullan\xFD" "c\xFD Ad\xFD:");
  EXPECT_TRUE(LabelAbove(user, 3));
  EXPECT_EQ(WriteFormDefinition(again), written);
}

TEST_F(LabeledEditTest, FreeingTheEditTakesItsLabelAway) {
  const int controls = m_form->ControlCount();
  m_user->Free();
  EXPECT_EQ(m_form->ControlCount(), controls - 2);
  m_form->Free();
}

} // namespace
} // namespace stdctrls_test
