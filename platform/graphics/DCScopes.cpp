#include "platform/graphics/DCScopes.h"

#include "platform/graphics/Canvas.h"

TSavedDC::TSavedDC(HDC dc) : m_dc(dc), m_level(::SaveDC(dc)) {}

TSavedDC::~TSavedDC() {
  if (m_level != 0)
    ::RestoreDC(m_dc, m_level);
}

TPaintDC::TPaintDC(HWND window) : m_window(window), m_dc(::BeginPaint(window, &m_paint)) {}

TPaintDC::~TPaintDC() { ::EndPaint(m_window, &m_paint); }

TClipRegionSaver::TClipRegionSaver(HDC dc) : m_dc(dc), m_region(::CreateRectRgn(0, 0, 0, 0)) {
  // GetClipRgn answers 0 when the context has no clip region: keep none.
  if (m_region && ::GetClipRgn(dc, m_region) != 1) {
    ::DeleteObject(m_region);
    m_region = nullptr;
  }
}

TClipRegionSaver::~TClipRegionSaver() {
  ::SelectClipRgn(m_dc, m_region);
  if (m_region)
    ::DeleteObject(m_region);
}

TCanvasLoan::TCanvasLoan(TCanvas& canvas, HDC dc) : m_canvas(canvas) {
  m_canvas.FreeHandle();
  m_canvas.Lock();
  m_canvas.SetHandle(dc);
}

TCanvasLoan::~TCanvasLoan() {
  m_canvas.SetHandle(nullptr);
  m_canvas.Unlock();
}
