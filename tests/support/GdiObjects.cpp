#include "tests/support/GdiObjects.h"

#include "platform/rtl/WinApi.h"

namespace {

constexpr DWORD kGdiObjectsFlag = 0; // GR_GDIOBJECTS
constexpr ULONG_PTR kHandleIndices = 0x10000;

} // namespace

int CountGdiObjects() {
  DWORD counted = ::GetGuiResources(::GetCurrentProcess(), kGdiObjectsFlag);
  if (counted > 0)
    return static_cast<int>(counted);
  int live = 0;
  for (ULONG_PTR index = 1; index < kHandleIndices; ++index)
    if (::GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0)
      ++live;
  return live;
}
