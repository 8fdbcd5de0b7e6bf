// The messenger's entry point. It reads no command line: everything it
// needs is in its form definitions.
#include "app/Messenger.h"
#include "platform/rtl/UnitStartup.h"
#include "platform/rtl/WinApi.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  StartMessengerUnits();
  const int exitCode = RunMessenger();
  ProgramUnits().Stop();
  return exitCode;
}
