#include "tests/platform/controls/ControlsTestSupport.h"

#include "platform/controls/ControlsUnits.h"
#include "platform/controls/Menus.h"
#include "platform/controls/Timers.h"
#include "platform/rtl/UnitStartup.h"
#include "platform/rtl/WideText.h"

namespace controls_test {

namespace {

constexpr int kPumpRounds = 300;
constexpr DWORD kPumpPause = 10;

void SendInputs(std::vector<INPUT> inputs) {
  ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// Takes the quit message a test's Terminate left behind.
void DrainQuit() {
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
}

} // namespace

void TControlsTest::SetUpTestSuite() {
  ProgramUnits().Start(ControlsUnits());
  RegisterTestClasses();
}

void TControlsTest::SetUp() {
  DestroyApplication();
  DrainQuit();
  CreateApplication();
  m_previousBoxes = SetMessageBoxFunction(
      [this](HWND, const std::string& text, const std::string& caption, UINT flags) {
        m_boxes.push_back({text, caption, flags});
        if (m_inBox)
          m_inBox();
        return m_boxAnswer;
      });
}

void TControlsTest::TearDown() {
  DestroyApplication();
  DrainQuit();
  CreateApplication();
  SetMessageBoxFunction(m_previousBoxes);
}

bool TControlsTest::PumpUntil(const std::function<bool()>& done) {
  for (int round = 0; round < kPumpRounds; ++round) {
    Application->ProcessMessages();
    if (done())
      return true;
    ::Sleep(kPumpPause);
  }
  return false;
}

void TControlsTest::Pump() {
  for (int round = 0; round < 5; ++round) {
    Application->ProcessMessages();
    ::Sleep(kPumpPause);
  }
  Application->ProcessMessages();
}

void TControlsTest::MoveTo(TControl* control, TPoint client) {
  SendMouse(0, control->ClientToScreen(client));
  Pump();
}

void TControlsTest::Press(TControl* control, TPoint client) {
  MoveTo(control, client);
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  Pump();
}

void TControlsTest::Release() {
  SendMouse(MOUSEEVENTF_LEFTUP);
  Pump();
}

void ClickAt(TPoint screen) {
  ::SetCursorPos(screen.X, screen.Y);
  INPUT down{};
  down.type = INPUT_MOUSE;
  down.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  INPUT up = down;
  up.mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInputs({down, up});
}

void ClickControl(TControl* control, TPoint client) { ClickAt(control->ClientToScreen(client)); }

void PressKey(WORD key, bool withShift) {
  std::vector<INPUT> inputs;
  if (withShift)
    inputs.push_back(KeyInput(VK_SHIFT, false));
  inputs.push_back(KeyInput(key, false));
  inputs.push_back(KeyInput(key, true));
  if (withShift)
    inputs.push_back(KeyInput(VK_SHIFT, true));
  SendInputs(inputs);
}

void TypeChar(char16_t character) {
  INPUT down{};
  down.type = INPUT_KEYBOARD;
  down.ki.wScan = character;
  down.ki.dwFlags = KEYEVENTF_UNICODE;
  INPUT up = down;
  up.ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
  SendInputs({down, up});
}

TTestBox::TTestBox(TComponent* owner) : TCustomControl(owner) {
  SetBounds(0, 0, 60, 24);
  SetTabStop(true);
}

void TTestBox::Paint() {
  if (paintColor == clNone)
    return;
  Canvas()->Brush()->SetColor(paintColor);
  Canvas()->FillRect(ClientRect());
}

void TTestBox::KeyDown(WORD& key, TShiftState shift) {
  log.push_back("KeyDown " + std::to_string(key));
  TCustomControl::KeyDown(key, shift);
}

void TTestEdit::Publish(TPublisher& p) {
  p.Property<TTestEdit>("Text", &TTestEdit::Text, &TTestEdit::SetText);
}

TTestEdit::TTestEdit(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 120, 21);
  SetTabStop(true);
}

void TTestEdit::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  CreateSubClass(params, "EDIT");
  params.Style |= ES_AUTOHSCROLL;
  AddBorder(params);
}

TTestGraphic::TTestGraphic(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 40, 20);
}

void TTestGraphic::Paint() {
  Canvas()->Brush()->SetColor(clRed);
  Canvas()->FillRect(ClientRect());
}

void RegisterTestClasses() {
  RegisterClasses({TTestBox::StaticClass(), TTestEdit::StaticClass(),
                   TTestGraphic::StaticClass(), TTimer::StaticClass(),
                   TMainMenu::StaticClass(), TPopupMenu::StaticClass(),
                   TMenuItem::StaticClass()});
}

} // namespace controls_test
