#include "tests/platform/stdctrls/StdCtrlsTestSupport.h"

#include "platform/rtl/WideText.h"
#include "platform/stdctrls/Buttons.h"
#include "platform/stdctrls/ExtCtrls.h"
#include "platform/stdctrls/StdCtrls.h"

namespace stdctrls_test {

namespace {

std::string NameOf(TObject* sender) {
  auto* component = dynamic_cast<TComponent*>(sender);
  return component ? component->Name() : std::string("?");
}

} // namespace

void TLogForm::Publish(TPublisher& p) {
  p.Method("Changed", &TLogForm::Changed);
  p.Method("Clicked", &TLogForm::Clicked);
  p.Method("KeyPressed", &TLogForm::KeyPressed);
  p.Method("Entered", &TLogForm::Entered);
  p.Method("Exited", &TLogForm::Exited);
}

void TLogForm::Changed(TObject* sender) { log.push_back(NameOf(sender) + " change"); }
void TLogForm::Clicked(TObject* sender) { log.push_back(NameOf(sender) + " click"); }
void TLogForm::Entered(TObject* sender) { log.push_back(NameOf(sender) + " enter"); }
void TLogForm::Exited(TObject* sender) { log.push_back(NameOf(sender) + " exit"); }

void TLogForm::KeyPressed(TObject* sender, char& key) {
  log.push_back(NameOf(sender) + " key " + std::to_string(static_cast<unsigned char>(key)));
  if (keyAnswer != '\xFF')
    key = keyAnswer;
}

std::vector<std::string> TLogForm::Logged(const std::string& what) const {
  std::vector<std::string> result;
  for (const std::string& entry : log)
    if (entry.size() > what.size() &&
        entry.compare(entry.size() - what.size(), what.size(), what) == 0)
      result.push_back(entry);
  return result;
}

void TStdCtrlsTest::SetUpTestSuite() {
  TControlsTest::SetUpTestSuite();
  RegisterClasses({TLogForm::StaticClass(), TEdit::StaticClass(), TMemo::StaticClass(),
                   TLabel::StaticClass(), TButton::StaticClass(), TBitBtn::StaticClass(),
                   TSpeedButton::StaticClass(), TBevel::StaticClass(),
                   TLabeledEdit::StaticClass()});
}

TLogForm* TStdCtrlsTest::ReadForm(const std::string& definition) {
  RegisterFormDefinition("TLogForm", definition);
  return Create<TLogForm>(Application);
}

void TStdCtrlsTest::ShowAndActivate(TForm* form) {
  form->Show();
  Pump();
  ASSERT_TRUE(PumpUntil([form] { return ::GetActiveWindow() == form->Handle(); }));
}

void PressChord(std::initializer_list<WORD> held, WORD key) {
  std::vector<INPUT> inputs;
  auto add = [&inputs](WORD vk, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    inputs.push_back(input);
  };
  for (WORD modifier : held)
    add(modifier, false);
  add(key, false);
  add(key, true);
  for (auto it = held.end(); it != held.begin();)
    add(*--it, true);
  ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void TypeText(const std::string& text) {
  for (char16_t c : AnsiToWide(text))
    controls_test::TypeChar(c);
}

void PaintInto(TWinControl* control, TBitmap* bitmap) {
  bitmap->SetPixelFormat(TPixelFormat::pf32bit);
  bitmap->SetSize(control->ClientWidth(), control->ClientHeight());
  const auto dc = reinterpret_cast<WPARAM>(bitmap->Canvas()->Handle());
  bitmap->Canvas()->Changing();
  control->Perform(WM_ERASEBKGND, dc);
  control->Perform(WM_PAINT, dc);
  bitmap->Canvas()->Changed();
}

LONG WindowStyle(TWinControl* control) { return ::GetWindowLongW(control->Handle(), GWL_STYLE); }

} // namespace stdctrls_test
