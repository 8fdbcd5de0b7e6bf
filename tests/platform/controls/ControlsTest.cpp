// Windowed controls under a real X server: activation and focus, text kept
// with and without a window, parent colour and font, alignment, the mouse
// in the platform's order, and controls that survive their handlers.
#include "tests/platform/controls/ControlsTestSupport.h"

#include "platform/controls/Screen.h"

namespace controls_test {
namespace {

class ControlsTest : public TControlsTest {
protected:
  TForm* NewForm() {
    TForm* form = Create<TForm>(Application, 0);
    form->SetBounds(100, 100, 400, 300);
    return form;
  }
};

// The ground every focus test stands on: under Xvfb without a window
// manager, a shown form becomes the active window and its first tab stop
// takes the focus; a click activates another form.
TEST_F(ControlsTest, ShownFormBecomesActiveAndFocusesItsFirstTabStop) {
  TForm* first = NewForm();
  auto* edit = Create<TTestEdit>(first);
  edit->SetParent(first);
  first->Show();
  Pump();
  EXPECT_EQ(::GetActiveWindow(), first->Handle());
  EXPECT_EQ(::GetFocus(), edit->Handle());
  EXPECT_TRUE(edit->Focused());
  EXPECT_EQ(Screen->ActiveForm(), first);
  EXPECT_EQ(Screen->ActiveControl(), edit);

  TForm* second = NewForm();
  second->SetLeft(600);
  second->Show();
  Pump();
  ASSERT_EQ(::GetActiveWindow(), second->Handle());
  ClickControl(first, {200, 200});
  EXPECT_TRUE(PumpUntil([&] { return ::GetActiveWindow() == first->Handle(); }));
  EXPECT_TRUE(PumpUntil([&] { return edit->Focused(); }));
}

} // namespace
} // namespace controls_test
