// What the windowing tests share: a fixture that starts the windowing units,
// gives every test a fresh application object and answers message boxes
// instead of showing them; real input through SendInput; waiting for a
// condition while handling messages; and small controls the tests place on
// forms (a painted box and a superclassed EDIT).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/controls/Application.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/Forms.h"
#include "platform/controls/WinControls.h"
#include "tests/support/GTest.h"
#include "tests/support/Input.h"

namespace controls_test {

// One message box the code under test asked for.
struct TBoxRecord {
  std::string Text;
  std::string Caption;
  UINT Flags = 0;
};

class TControlsTest : public testing::Test {
protected:
  static void SetUpTestSuite();
  void SetUp() override;
  void TearDown() override;

  // Handles messages until 'done' answers true (false when it never does
  // within a few seconds).
  static bool PumpUntil(const std::function<bool()>& done);
  // Handles the messages waiting, and those that input sent a moment ago
  // brings.
  static void Pump();

  // The real mouse moved over a point of a control, pressed there, released.
  static void MoveTo(TControl* control, TPoint client);
  static void Press(TControl* control, TPoint client);
  static void Release();

  std::vector<TBoxRecord> m_boxes;
  // The answer message boxes give.
  int m_boxAnswer = IDOK;
  // Runs inside each message box, before it answers.
  std::function<void()> m_inBox;

private:
  TMessageBoxFunction m_previousBoxes;
};

// Real input, through the platform's input queue.
void ClickAt(TPoint screen);
void ClickControl(TControl* control, TPoint client = {5, 5});
void PressKey(WORD key, bool withShift = false);
void TypeChar(char16_t character);

// A windowed control the library paints itself; it can take the focus.
class TTestBox : public TCustomControl {
  OBJECT_CLASS(TTestBox, TCustomControl)
public:
  explicit TTestBox(TComponent* owner);

  std::vector<std::string> log;
  TColor paintColor = clNone;

protected:
  void Paint() override;
  void KeyDown(WORD& key, TShiftState shift) override;
};

// The platform's EDIT control, superclassed.
class TTestEdit : public TWinControl {
  OBJECT_CLASS(TTestEdit, TWinControl)
public:
  static void Publish(TPublisher& p);
  explicit TTestEdit(TComponent* owner);

protected:
  void CreateParams(TCreateParams& params) override;
};

// A windowless control that records its mouse events.
class TTestGraphic : public TGraphicControl {
  OBJECT_CLASS(TTestGraphic, TGraphicControl)
public:
  explicit TTestGraphic(TComponent* owner);

  std::vector<std::string> log;

protected:
  void Paint() override;
};

// Registers the classes form definitions in the tests name.
void RegisterTestClasses();

} // namespace controls_test
