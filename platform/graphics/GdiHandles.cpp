#include "platform/graphics/GdiHandles.h"

#include "platform/rtl/Exceptions.h"

TMemoryDC::TMemoryDC(HDC like) : m_dc(::CreateCompatibleDC(like)) {
  if (!m_dc)
    throw EOutOfMemory("Out of system resources");
}

TMemoryDC::~TMemoryDC() {
  ::DeleteDC(m_dc);
}

TWindowDC::TWindowDC(HWND window) : m_window(window), m_dc(::GetDC(window)) {}

TWindowDC::~TWindowDC() {
  if (m_dc)
    ::ReleaseDC(m_window, m_dc);
}
