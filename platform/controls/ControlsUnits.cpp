#include "platform/controls/ControlsUnits.h"

#include "platform/controls/Application.h"
#include "platform/controls/Clipboard.h"
#include "platform/controls/Screen.h"

namespace {

void InitControls() {
  Mouse = new TMouse();
  Screen = Create<TScreen>(nullptr);
  CreateApplication();
}

void DoneControls() {
  DestroyApplication();
  FreeClipboard();
  FreeAndNil(Screen);
  delete Mouse;
  Mouse = nullptr;
}

const TUnitInfo kControlsUnits[] = {
    {"Controls", InitControls, DoneControls},
};

} // namespace

std::span<const TUnitInfo> ControlsUnits() { return kControlsUnits; }
