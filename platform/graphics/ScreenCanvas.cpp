#include "platform/graphics/ScreenCanvas.h"

TScreenCanvas::~TScreenCanvas() {
  if (!m_screenDC)
    return;
  SetHandle(nullptr);
  ::ReleaseDC(nullptr, m_screenDC);
}

void TScreenCanvas::CreateHandle() {
  if (!m_screenDC)
    m_screenDC = ::GetDC(nullptr);
  SetHandle(m_screenDC);
}
