// Hand-run benchmark: 10 000 characters typed with SendInput into a
// TcxTextEdit and into a plain TEdit on the same form, in batches of 50 into
// each in turn, each batch timed until the control's text holds it; and
// the painting of an unfocused editor with 200 characters next to the plain
// edit's, 1 000 times each into a memory bitmap. Reports both times and the ratio of the editor to the plain edit.
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "data/cxDataStorage.h"
#include "editors/cxEdit.h"
#include "editors/cxEditPaintUtils.h"
#include "editors/cxEditUtils.h"
#include "editors/cxFormats.h"
#include "editors/cxTextEdit.h"
#include "framework/cxClasses.h"
#include "framework/cxContainerServices.h"
#include "framework/cxControls.h"
#include "framework/cxGeometry.h"
#include "framework/cxGraphics.h"
#include "framework/cxLookAndFeels.h"
#include "framework/dxThemeManager.h"
#include "framework/dxUxTheme.h"
#include "platform/controls/Application.h"
#include "platform/controls/ControlsUnits.h"
#include "platform/controls/Forms.h"
#include "platform/rtl/RtlUnits.h"
#include "platform/stdctrls/StdCtrls.h"

namespace {

constexpr int kCharacters = 10000;
constexpr int kBatch = 50;
constexpr int kPaints = 1000;

const TUnitInfo* const kUnits[] = {&cxGeometryUnit, &dxUxThemeUnit,      &cxClassesUnit,
                                   &cxGraphicsUnit, &dxThemeManagerUnit, &cxLookAndFeelPaintersUnit,
                                   &cxControlsUnit, &cxLookAndFeelsUnit, &cxEditPaintUtilsUnit,
                                   &cxFormatsUnit,  &cxDataStorageUnit,  &cxContainerUnit,
                                   &cxEditUnit,     &cxEditUtilsUnit,    &cxTextEditPropertiesUnit};

void Pump() { Application->ProcessMessages(); }

bool PumpUntil(const std::function<bool()>& done, int milliseconds = 5000) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  while (!done()) {
    if (std::chrono::steady_clock::now() > end)
      return false;
    Pump();
    ::Sleep(0);
  }
  return true;
}

void Click(TControl* control) {
  const TPoint p = control->ClientToScreen({5, 5});
  ::SetCursorPos(p.X, p.Y);
  INPUT input[2] = {};
  input[0].type = input[1].type = INPUT_MOUSE;
  input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  ::SendInput(2, input, sizeof(INPUT));
}

// The letters typed: Turkish ones among them, as the platform's Unicode input.
char16_t Letter(int i) {
  static const char16_t letters[] = u"abc\u00E7\u011F\u0131i\u00F6\u015F\u00FC xyz";
  return letters[i % (sizeof(letters) / sizeof(letters[0]) - 1)];
}

// One batch of characters typed into the focused control from 'first' on,
// timed until the control's text holds them; -1 when the text stalled.
double TypeBatch(TWinControl* control, int first) {
  std::vector<INPUT> inputs;
  for (int i = first; i < first + kBatch; ++i)
    for (bool up : {false, true}) {
      INPUT input{};
      input.type = INPUT_KEYBOARD;
      input.ki.wScan = Letter(i);
      input.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
      inputs.push_back(input);
    }
  const auto start = std::chrono::steady_clock::now();
  ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  if (!PumpUntil([&] { return control->GetTextLen() >= first + kBatch; }))
    return -1;
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
      .count();
}

// Types the characters into both controls, a batch into each in turn, so
// that both meet the same load of the machine and the same text lengths;
// answers the milliseconds of each, or false when a text stalled. Each
// control's text is read the same way, through its window (WM_GETTEXTLENGTH).
bool TypeIntoBoth(TWinControl* ours, TWinControl* oursFocus, TWinControl* plain, double& oursMs,
                  double& plainMs) {
  oursMs = plainMs = 0;
  for (int done = 0; done < kCharacters; done += kBatch)
    for (auto [control, focus, total] :
         {std::tuple{ours, oursFocus, &oursMs}, std::tuple{plain, plain, &plainMs}}) {
      focus->SetFocus();
      if (!PumpUntil([&] { return ::GetFocus() == focus->Handle(); }))
        return false;
      // Taking the focus selected the whole text: the caret goes to its end.
      ::SendMessageW(focus->Handle(), EM_SETSEL, kCharacters, kCharacters);
      const double ms = TypeBatch(control, done);
      if (ms < 0)
        return false;
      *total += ms;
    }
  return true;
}

// Microseconds per paint of the control into a memory bitmap (WM_PRINTCLIENT
// with its children, as the window paints itself).
double PaintTime(TWinControl* control) {
  TOwned<TBitmap> bitmap(Create<TBitmap>());
  bitmap->SetPixelFormat(TPixelFormat::pf32bit);
  bitmap->SetSize(control->Width(), control->Height());
  const HDC dc = bitmap->Canvas()->Handle();
  auto paint = [&] {
    ::SendMessageW(control->Handle(), WM_PRINT, reinterpret_cast<WPARAM>(dc),
                   PRF_CLIENT | PRF_CHILDREN | PRF_NONCLIENT | PRF_ERASEBKGND);
  };
  paint();
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < kPaints; ++i)
    paint();
  ::GdiFlush();
  return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
             .count() /
         kPaints;
}

void Report(const char* name, double ours, double plain, const char* unit) {
  std::printf("%-34s TcxTextEdit %9.2f %s   TEdit %9.2f %s   ratio x%.2f\n", name, ours, unit,
              plain, unit, ours / plain);
}

} // namespace

int main() {
  TUnitStartup& units = ProgramUnits();
  units.Start(RtlUnits());
  units.Start(ControlsUnits());
  for (const TUnitInfo* unit : kUnits)
    units.Start({unit, 1});
  Application->Initialize();

  TForm* form = Create<TForm>(Application, 0);
  form->SetBounds(50, 50, 700, 200);
  auto* edit = Create<TcxTextEdit>(form);
  edit->SetBounds(10, 10, 600, 21);
  edit->SetParent(form);
  auto* plain = Create<TEdit>(form);
  plain->SetBounds(10, 60, 600, 21);
  plain->SetParent(form);
  form->Show();
  Pump();
  Click(form);
  Pump();

  double ours = 0;
  double theirs = 0;
  if (!TypeIntoBoth(edit, edit->InnerControl(), plain, ours, theirs)) {
    std::printf("typing stalled (editor %.0f ms, plain edit %.0f ms)\n", ours, theirs);
    return 1;
  }
  Report("type 10 000 characters", ours, theirs, "ms");

  const std::string text(200, 'W');
  edit->SetText(text);
  plain->SetText(text);
  form->SetFocus();
  Click(form);
  Pump();
  Report("paint unfocused, 200 characters", PaintTime(edit), PaintTime(plain), "us");
  edit->Properties()->BaseGetAlignment()->SetHorz(TAlignment::taRightJustify);
  Pump();
  Report("  the same, text drawn (right)", PaintTime(edit), PaintTime(plain), "us");
  std::fflush(stdout);
  ::ExitProcess(0);
}
