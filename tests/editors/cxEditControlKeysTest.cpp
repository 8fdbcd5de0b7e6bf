// The editor control's keys and mouse with real input: Escape resets and
// eats its character, Enter validates when asked, the clear key, the
// default button's short cut, the navigation keys, and button clicks.
#include "editors/cxEditControl.h"

#include "tests/editors/cxEditControlTestSupport.h"
#include "tests/support/GdiObjects.h"

namespace edit_control_test {
namespace {

using Log = std::vector<std::string>;

// The key pressed while Ctrl is held.
void PressWithCtrl(WORD key) {
  INPUT inputs[] = {KeyInput(VK_CONTROL, false), KeyInput(key, false), KeyInput(key, true),
                    KeyInput(VK_CONTROL, true)};
  ::SendInput(4, inputs, sizeof(INPUT));
}

class EditControlKeysTest : public EditControlTest {
protected:
  // An editor on a shown form holding the focus, its value "eski".
  TTestEditor* FocusedEdit() {
    TForm* form = Form();
    TTestEditor* edit = Place(form, 20, 20);
    m_other = Other(form);
    edit->SetEditValue(Variant("eski"));
    Pump();
    ClickInto(edit);
    edit->SetOnAfterKeyDown(TKeyEvent([edit](TObject*, WORD& key, TShiftState) {
      edit->log.push_back("after " + std::to_string(key));
    }));
    return edit;
  }

  TEdit* m_other = nullptr;
};

TEST_F(EditControlKeysTest, EscapeAfterTypingRestoresThePreviousValueAndEatsItsCharacter) {
  TTestEditor* edit = FocusedEdit();
  ::SendMessageW(edit->Inner()->Handle(), EM_SETSEL, 0, -1);
  Type("yeni");
  ASSERT_EQ(edit->Text(), "yeni");
  edit->log.clear();
  PressKey(VK_ESCAPE);
  Pump();
  EXPECT_EQ(edit->Text(), "eski");
  EXPECT_EQ(VarToStr(edit->GetEditValue()), "eski");
  EXPECT_FALSE(edit->ModifiedAfterEnter());
  EXPECT_TRUE(edit->Modified());
  EXPECT_EQ(edit->Inner()->SelLength(), 4) << "the restored text is selected";
  EXPECT_EQ(edit->ModifiedStateDepth(), 0);

  // A second Escape on the unmodified editor changes nothing.
  edit->log.clear();
  PressKey(VK_ESCAPE);
  Pump();
  EXPECT_EQ(edit->Text(), "eski");
  EXPECT_EQ(edit->log, Log{});
}

TEST_F(EditControlKeysTest, EnterValidatesAndStoresOnlyWhenTheEditorValidatesOnEnter) {
  TTestEditor* edit = FocusedEdit();
  ::SendMessageW(edit->Inner()->Handle(), EM_SETSEL, 4, 4);
  Type("x");
  PressKey(VK_RETURN);
  Pump();
  EXPECT_EQ(VarToStr(edit->GetEditValue()), "eski") << "Enter goes on to the inner control";

  edit->Properties()->SetValidateOnEnter(true);
  edit->log.clear();
  PressKey(VK_RETURN);
  Pump();
  EXPECT_EQ(VarToStr(edit->GetEditValue()), "eskix");
  EXPECT_EQ(edit->log, Log{"value eskix"});
  EXPECT_TRUE(edit->EditValidated());
  EXPECT_EQ(::GetFocus(), edit->Inner()->Handle());
  EXPECT_EQ(edit->ModifiedStateDepth(), 0);
}

TEST_F(EditControlKeysTest, TheClearKeyEmptiesTheValueAsTheUsersChange) {
  TTestEditor* edit = FocusedEdit();
  edit->Properties()->SetClearKey(ShortCut(VK_F2, {}));
  edit->log.clear();
  PressKey(VK_F2);
  Pump();
  EXPECT_TRUE(VarIsNull(edit->GetEditValue()));
  EXPECT_EQ(edit->Text(), "");
  EXPECT_EQ(edit->log, Log{"value "});
  EXPECT_TRUE(edit->ModifiedAfterEnter());
  EXPECT_TRUE(edit->EditValidated());
}

TEST_F(EditControlKeysTest, NavigationKeysAreEatenAndReportedAfterTheKeyDown) {
  TTestEditor* edit = FocusedEdit();
  ::SendMessageW(edit->Inner()->Handle(), EM_SETSEL, 4, 4);
  edit->log.clear();
  PressKey(VK_LEFT);
  PressKey(VK_HOME);
  Pump();
  EXPECT_EQ(edit->log, (Log{"after 37", "after 36"}));
  EXPECT_EQ(edit->Inner()->SelStart(), 4) << "the inner control never saw them";
}

TEST_F(EditControlKeysTest, CtrlEnterClicksTheDefaultButtonAndNoCharacterReachesTheText) {
  TTestEditor* edit = FocusedEdit();
  std::vector<int> clicks;
  edit->Properties()->SetOnButtonClick(
      TcxEditButtonClickEvent([&](TObject*, int index) { clicks.push_back(index); }));
  PressWithCtrl(VK_RETURN);
  Pump();
  EXPECT_TRUE(clicks.empty()) << "no default button: the key goes on";

  edit->Properties()->Buttons()->Add();
  edit->Properties()->Buttons()->Add()->SetDefault(true);
  Pump();
  ASSERT_EQ(edit->GetViewInfo()->ButtonCount(), 2);
  const std::string text = edit->Text();
  PressWithCtrl(VK_RETURN);
  Pump();
  EXPECT_EQ(clicks, std::vector<int>{1});
  EXPECT_EQ(edit->Text(), text);
}

TEST_F(EditControlKeysTest, AClickOnAButtonClicksItAndAReleaseOffItDoesNot) {
  TTestEditor* edit = FocusedEdit();
  std::vector<int> clicks;
  edit->Properties()->SetOnButtonClick(
      TcxEditButtonClickEvent([&](TObject*, int index) { clicks.push_back(index); }));
  edit->Properties()->Buttons()->Add();
  Pump();
  ASSERT_EQ(edit->GetViewInfo()->ButtonCount(), 1);
  const TRect button = edit->GetViewInfo()->Buttons(0)->Bounds;
  const TPoint center{(button.Left + button.Right) / 2, (button.Top + button.Bottom) / 2};
  ClickControl(edit, center);
  ASSERT_TRUE(PumpUntil([&] { return !clicks.empty(); }));
  EXPECT_EQ(clicks, std::vector<int>{0});

  // Pressed, moved off, released: no click.
  const TPoint down = edit->ClientToScreen(center);
  const TPoint off = edit->ClientToScreen({5, 5});
  ::SetCursorPos(down.X, down.Y);
  INPUT press{};
  press.type = INPUT_MOUSE;
  press.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  ::SendInput(1, &press, sizeof(INPUT));
  Pump();
  ::SetCursorPos(off.X, off.Y);
  Pump();
  INPUT release = press;
  release.mi.dwFlags = MOUSEEVENTF_LEFTUP;
  ::SendInput(1, &release, sizeof(INPUT));
  Pump();
  EXPECT_EQ(clicks, std::vector<int>{0});
}

TEST_F(EditControlKeysTest, TabMovesOnFromTheEditorButNotWithCtrl) {
  TTestEditor* edit = FocusedEdit();
  edit->Inner()->wantTab = true;
  edit->log.clear();
  PressWithCtrl(VK_TAB);
  Pump();
  EXPECT_EQ(::GetFocus(), edit->Inner()->Handle()) << "Ctrl+Tab is not the editor's";
  EXPECT_EQ(edit->log, Log{});

  PressKey(VK_TAB);
  ASSERT_TRUE(PumpUntil([&] { return ::GetFocus() == m_other->Handle(); }));
  EXPECT_EQ(edit->log, Log{"after 9"});
  EXPECT_EQ(edit->Text(), "eski") << "no tab character reached the text";
}

TEST_F(EditControlKeysTest, ValueChangesDuringAnInplaceEditorsOnEditingAreIgnored) {
  TForm* form = Form();
  auto* edit = Create<TTestEditor>(form, true);
  edit->SetBounds(20, 20, 120, 22);
  edit->SetParent(form);
  edit->SetEditValue(Variant("eski"));
  bool asked = false;
  edit->SetOnEditing(TcxEditEditingEvent([&](TObject*, bool& canEdit) {
    asked = true;
    edit->SetEditValue(Variant("yeni"));
    canEdit = false;
  }));
  EXPECT_FALSE(edit->DoEditing());
  EXPECT_TRUE(asked);
  EXPECT_EQ(VarToStr(edit->GetEditValue()), "eski");
  edit->SetOnEditing(nullptr);
  edit->SetEditValue(Variant("yeni"));
  EXPECT_EQ(VarToStr(edit->GetEditValue()), "yeni");
}

TEST_F(EditControlKeysTest, EditorsMadeUsedAndFreedKeepNoGdiObjects) {
  TForm* form = Form();
  auto work = [&] {
    TTestEditor* edit = Place(form, 20, 60);
    edit->Properties()->Buttons()->Add()->SetDefault(true);
    edit->SetEditValue(Variant("abc"));
    Pump();
    ClickInto(edit);
    Type("d");
    PressKey(VK_ESCAPE);
    Pump();
    edit->Free();
    Pump();
  };
  work(); // the look's parts drawn once
  const int objects = CountGdiObjects();
  work();
  EXPECT_EQ(CountGdiObjects(), objects);
}

TEST_F(EditControlKeysTest, ADoubleClickOnAButtonIsTwoClicksOfItAndNoDoubleClick) {
  TTestEditor* edit = FocusedEdit();
  std::vector<int> clicks;
  int doubleClicks = 0;
  edit->Properties()->SetOnButtonClick(
      TcxEditButtonClickEvent([&](TObject*, int index) { clicks.push_back(index); }));
  edit->SetOnDblClick(TNotifyEvent([&](TObject*) { ++doubleClicks; }));
  edit->Properties()->Buttons()->Add();
  Pump();
  ASSERT_EQ(edit->GetViewInfo()->ButtonCount(), 1);
  const TRect button = edit->GetViewInfo()->Buttons(0)->Bounds;
  const TPoint center{(button.Left + button.Right) / 2, (button.Top + button.Bottom) / 2};
  ClickControl(edit, center);
  ClickControl(edit, center);
  ASSERT_TRUE(PumpUntil([&] { return clicks.size() >= 2; }));
  Pump();
  EXPECT_EQ(clicks, (std::vector<int>{0, 0}));
  EXPECT_EQ(doubleClicks, 0);
}

TEST_F(EditControlKeysTest, AButtonCaptionsAcceleratorClicksAnEnabledButton) {
  TTestEditor* edit = FocusedEdit();
  std::vector<int> clicks;
  edit->Properties()->SetOnButtonClick(
      TcxEditButtonClickEvent([&](TObject*, int index) { clicks.push_back(index); }));
  for (const char* caption : {"&Sil", "&Ekle", "&\xDEifre"}) {
    TcxEditButton* button = edit->Properties()->Buttons()->Add();
    button->SetKind(TcxEditButtonKind::bkText);
    button->SetCaption(caption);
  }
  edit->Properties()->Buttons()->Items(0)->SetEnabled(false);
  Pump();
  EXPECT_EQ(edit->Perform(CM_DIALOGCHAR, 'e'), 1);
  EXPECT_EQ(edit->Perform(CM_DIALOGCHAR, 's'), 0) << "a disabled button takes no accelerator";
  EXPECT_EQ(edit->Perform(CM_DIALOGCHAR, 'x'), 0);
  EXPECT_EQ(edit->Perform(CM_DIALOGCHAR, u'\u015F'), 1) << "a Turkish letter, as a window delivers it";
  EXPECT_EQ(clicks, (std::vector<int>{1, 2}));
}

TEST_F(EditControlKeysTest, AnInplaceEditorPostsToItsHostAndIsNoLongerModified) {
  TForm* form = Form();
  auto* edit = Create<TTestEditor>(form, true);
  edit->SetBounds(20, 20, 120, 22);
  edit->SetParent(form);
  int posts = 0;
  edit->SetOnPostEditValue(TNotifyEvent([&](TObject* sender) {
    EXPECT_EQ(sender, edit);
    ++posts;
  }));
  edit->SetModifiedAfterEnter(true);
  edit->PostEditValue();
  EXPECT_EQ(posts, 1);
  EXPECT_FALSE(edit->Modified());
  EXPECT_FALSE(edit->ModifiedAfterEnter());
  EXPECT_EQ(GetStandaloneEventSender(edit), nullptr);
  edit->PostEditValue();
  EXPECT_EQ(posts, 1) << "an unfocused, unmodified editor posts nothing";
}

} // namespace
} // namespace edit_control_test
