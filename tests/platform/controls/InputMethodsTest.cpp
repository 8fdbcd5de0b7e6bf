// The input method of a windowed control, set up by the window system's own
// input method manager as the control gets the focus: the input context
// taken away or given back, the input method opened or closed, and the
// installed input method chosen by its name.
#include "tests/platform/controls/ControlsTestSupport.h"

#include "platform/rtl/AnsiStrings.h"
#include "platform/rtl/WideText.h"

namespace controls_test {
namespace {

// What the window system reports of a window's input context.
struct TImeState {
  bool HasContext = false;
  bool Open = false;
};

TImeState ImeStateOf(HWND window) {
  TImeState state;
  if (HIMC context = ::ImmGetContext(window)) {
    state.HasContext = true;
    state.Open = ::ImmGetOpenStatus(context) != FALSE;
    ::ImmReleaseContext(window, context);
  }
  return state;
}

// Gives the window its default input context, opened or closed.
void PrepareImeState(HWND window, bool open) {
  ::ImmAssociateContextEx(window, nullptr, IACE_DEFAULT);
  if (HIMC context = ::ImmGetContext(window)) {
    ::ImmSetOpenStatus(context, open);
    ::ImmReleaseContext(window, context);
  }
}

// The name the system gives the input method of the current keyboard
// layout; empty when that layout has none.
std::string CurrentImeName() {
  const HKL layout = ::GetKeyboardLayout(0);
  WCHAR name[256] = {};
  if (!::ImmIsIME(layout) || ::ImmGetDescriptionW(layout, name, 256) == 0)
    return {};
  return WideToAnsi(name);
}

class InputMethodsTest : public TControlsTest {
protected:
  void SetUp() override {
    TControlsTest::SetUp();
    m_form = Create<TForm>(Application, 0);
    m_form->SetBounds(100, 100, 300, 200);
    m_edit = Place(10);
    m_other = Place(40);
    m_form->Show();
    ASSERT_TRUE(PumpUntil([this] { return m_edit->Focused(); }));
  }

  TTestEdit* Place(int top) {
    auto* edit = Create<TTestEdit>(m_form);
    edit->SetBounds(10, top, 120, 24);
    edit->SetParent(m_form);
    return edit;
  }

  void Focus(TWinControl* control) {
    control->SetFocus();
    ASSERT_TRUE(PumpUntil([control] { return control->Focused(); }));
  }

  TForm* m_form = nullptr;
  TTestEdit* m_edit = nullptr;
  TTestEdit* m_other = nullptr;
};

TEST_F(InputMethodsTest, ControlsAskNothingOfTheInputMethodByDefault) {
  EXPECT_EQ(m_edit->ImeMode(), TImeMode::imDontCare);
  EXPECT_EQ(m_edit->ImeName(), "");
}

// The mode takes effect as the window gets the focus, not before.
TEST_F(InputMethodsTest, TheModeIsGivenToTheWindowAsItGetsTheFocus) {
  struct TCase {
    const char* Name;
    TImeMode Mode;
    bool OpenBefore;
    bool DisabledBefore;
    TImeState Expected;
  };
  using enum TImeMode;
  const TCase cases[] = {
      {"disable", imDisable, true, false, {false, false}},
      {"close", imClose, true, false, {true, false}},
      {"open", imOpen, false, false, {true, true}},
      {"open after disable", imOpen, false, true, {true, true}},
      {"don't care: left open", imDontCare, true, false, {true, true}},
      {"don't care: left closed", imDontCare, false, false, {true, false}},
      {"don't care after disable", imDontCare, false, true, {true, false}},
      {"hiragana", imHira, false, false, {true, true}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    PrepareImeState(m_edit->Handle(), c.OpenBefore);
    Focus(m_other);
    if (c.DisabledBefore) {
      m_edit->SetImeMode(imDisable);
      Focus(m_edit);
      Focus(m_other);
    }
    m_edit->SetImeMode(c.Mode);
    const TImeState before = ImeStateOf(m_edit->Handle());
    EXPECT_EQ(before.HasContext, !c.DisabledBefore) << "unchanged without the focus";

    Focus(m_edit);
    const TImeState after = ImeStateOf(m_edit->Handle());
    EXPECT_EQ(after.HasContext, c.Expected.HasContext);
    EXPECT_EQ(after.Open, c.Expected.Open);
  }
  PrepareImeState(m_edit->Handle(), false);
}

TEST_F(InputMethodsTest, InstalledInputMethodsAreFoundByNameInAnyLetterCase) {
  const std::string name = CurrentImeName();
  if (name.empty())
    GTEST_SKIP() << "the current keyboard layout has no input method";
  EXPECT_EQ(FindImeLayout(name), ::GetKeyboardLayout(0));
  EXPECT_EQ(FindImeLayout(UpperCase(name)), ::GetKeyboardLayout(0));
  EXPECT_EQ(FindImeLayout("Yok b\xF6yle bir giri\xFE y\xF6ntemi"), nullptr);
  EXPECT_EQ(FindImeLayout(""), nullptr);
}

// A name no installed input method has changes nothing; an installed one
// is the layout in use once the control has the focus.
TEST_F(InputMethodsTest, TheNamedInputMethodIsChosenAsTheControlGetsTheFocus) {
  const HKL layout = ::GetKeyboardLayout(0);
  const std::string names[] = {"Yok b\xF6yle bir giri\xFE y\xF6ntemi", CurrentImeName()};
  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    Focus(m_other);
    m_edit->SetImeName(name);
    Focus(m_edit);
    EXPECT_EQ(::GetKeyboardLayout(0), layout);
    EXPECT_EQ(ImeStateOf(m_edit->Handle()).HasContext, true);
  }
}

} // namespace
} // namespace controls_test
