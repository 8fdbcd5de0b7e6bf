// The text editor on a shown form: its size and colour, the window-text
// messages answered from the display text, text written from code with its
// events, letter case, password echo and maximum length handed to the inner
// EDIT, writes made from a change event, a form definition, focus and tab
// order, and the inner EDIT shown or hidden by alignment and activity.
#include "editors/cxTextEdit.h"

#include <string>
#include <vector>

#include "platform/objects/FormReader.h"
#include "platform/rtl/WideText.h"
#include "tests/editors/cxEditControlTestSupport.h"
#include "tests/platform/stdctrls/StdCtrlsTestSupport.h"

namespace {

using edit_control_test::EditControlTest;

class TextEditTest : public EditControlTest {
protected:
  static void SetUpTestSuite() {
    EditControlTest::SetUpTestSuite();
    m_units.Start({&cxTextEditPropertiesUnit, 1});
    RegisterClasses({TcxTextEdit::StaticClass(), stdctrls_test::TLogForm::StaticClass()});
  }
  static void TearDownTestSuite() {
    m_units.Stop();
    EditControlTest::TearDownTestSuite();
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
    return stdctrls_test::WindowText(edit->Handle());
  }

  std::vector<std::string> log;

private:
  static inline TUnitStartup m_units;
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
  EXPECT_EQ(stdctrls_test::WindowText(Inner(edit)->Handle()), turkish);
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

} // namespace
