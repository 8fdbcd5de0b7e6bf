// What the standard-control tests share: a fixture with a form to place
// controls on, forms read from small definitions whose handlers log what
// they are told, and the text of a control's window as the platform holds it.
#pragma once

#include <string>
#include <vector>

#include "platform/graphics/Bitmaps.h"
#include "tests/platform/controls/ControlsTestSupport.h"
#include "tests/support/Pixels.h"
#include "tests/support/WindowText.h"

namespace stdctrls_test {

// The Turkish letters, small and capital, in Windows-1254.
inline const std::string kTurkishLetters =
    "\xE7\xF0\xFD\xF6\xFE\xFC\xC7\xD0I\xDDi\xD6\xDE\xDC";

// A form class of the kind the program defines, with handlers that the
// definitions in the tests name.
class TLogForm : public TForm {
  OBJECT_CLASS(TLogForm, TForm)
public:
  static void Publish(TPublisher& p);
  using TForm::TForm;

  void Changed(TObject* sender);
  void Clicked(TObject* sender);
  void KeyPressed(TObject* sender, char& key);
  void Entered(TObject* sender);
  void Exited(TObject* sender);

  // The entries of the log that end with 'what' ("change", "click"...).
  std::vector<std::string> Logged(const std::string& what) const;

  std::vector<std::string> log;
  // The key a key press handler answers (unchanged when '\xFF').
  char keyAnswer = '\xFF';
};

class TStdCtrlsTest : public controls_test::TControlsTest {
protected:
  static void SetUpTestSuite();

  // A form read from 'definition' (of class TLogForm), not yet shown.
  TLogForm* ReadForm(const std::string& definition);
  // Shows the form and waits until it is active.
  void ShowAndActivate(TForm* form);
};

// Presses 'key' while holding the modifier keys 'held' (VK_CONTROL...).
void PressChord(std::initializer_list<WORD> held, WORD key);
// Types the Windows-1254 text as the platform's Unicode key input.
void TypeText(const std::string& text);
// Paints the control's client area as its window paints it (its windowless
// children included) into the bitmap, sized to fit.
void PaintInto(TWinControl* control, TBitmap* bitmap);
// The style bits of the control's window.
LONG WindowStyle(TWinControl* control);

} // namespace stdctrls_test
