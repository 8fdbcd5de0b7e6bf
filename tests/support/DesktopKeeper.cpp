// Holds Wine's desktop process for as long as it runs: scripts/test starts
// it once per prefix (see keep_desktop in scripts/env.sh).
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  ::GetDesktopWindow();
  ::Sleep(INFINITE);
  return 0;
}
