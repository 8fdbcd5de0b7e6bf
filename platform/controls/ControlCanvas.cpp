#include "platform/controls/ControlCanvas.h"

#include <algorithm>
#include <vector>

#include "platform/controls/WinControls.h"

namespace {

// The canvases holding a device context of their own.
std::vector<TControlCanvas*>& CanvasesWithDC() {
  static std::vector<TControlCanvas*> canvases;
  return canvases;
}

} // namespace

TControlCanvas::~TControlCanvas() { FreeHandle(); }

void TControlCanvas::SetControl(TControl* control) {
  if (m_control == control)
    return;
  FreeHandle();
  m_control = control;
}

void TControlCanvas::FreeHandle() {
  if (!m_ownDC)
    return;
  SetHandle(nullptr);
  ::ReleaseDC(m_window, m_ownDC);
  m_ownDC = nullptr;
  m_window = nullptr;
  std::erase(CanvasesWithDC(), this);
}

void TControlCanvas::CreateHandle() {
  if (!m_control || m_ownDC)
    return;
  auto* windowed = dynamic_cast<TWinControl*>(m_control);
  TWinControl* owner = windowed ? windowed : m_control->Parent();
  if (!owner)
    return;
  m_window = owner->Handle();
  m_ownDC = ::GetDCEx(m_window, nullptr, DCX_CACHE | DCX_CLIPSIBLINGS);
  if (!m_ownDC)
    return;
  if (!windowed) {
    const TRect bounds = m_control->BoundsRect();
    ::SetWindowOrgEx(m_ownDC, -bounds.Left, -bounds.Top, nullptr);
    ::IntersectClipRect(m_ownDC, 0, 0, bounds.Right - bounds.Left, bounds.Bottom - bounds.Top);
  }
  CanvasesWithDC().push_back(this);
  SetHandle(m_ownDC);
}

void FreeDeviceContexts() {
  const std::vector<TControlCanvas*> canvases = CanvasesWithDC();
  for (TControlCanvas* canvas : canvases)
    if (canvas->LockCount() == 0)
      canvas->FreeHandle();
}
