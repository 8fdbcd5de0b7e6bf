// Guards for the begin/end pairs of device contexts: each undoes in its
// destructor what its constructor did, however the scope is left.
//
// Classes in this file: TSavedDC, TPaintDC, TClipRegionSaver, TCanvasLoan.
#pragma once

#include "platform/rtl/WinApi.h"

class TCanvas;

// SaveDC now, RestoreDC to that level when the scope ends: selected
// objects, clipping, origins and modes come back as they were.
class TSavedDC {
public:
  explicit TSavedDC(HDC dc);
  ~TSavedDC();
  TSavedDC(const TSavedDC&) = delete;
  TSavedDC& operator=(const TSavedDC&) = delete;

private:
  HDC m_dc;
  int m_level;
};

// BeginPaint now, EndPaint when the scope ends.
class TPaintDC {
public:
  explicit TPaintDC(HWND window);
  ~TPaintDC();
  TPaintDC(const TPaintDC&) = delete;
  TPaintDC& operator=(const TPaintDC&) = delete;

  HDC DC() const { return m_dc; }
  const PAINTSTRUCT& PaintStruct() const { return m_paint; }

private:
  HWND m_window;
  PAINTSTRUCT m_paint{};
  HDC m_dc;
};

// Keeps a copy of the clip region (or its absence) and selects it back when
// the scope ends; lighter than TSavedDC when only the clipping changes.
class TClipRegionSaver {
public:
  explicit TClipRegionSaver(HDC dc);
  ~TClipRegionSaver();
  TClipRegionSaver(const TClipRegionSaver&) = delete;
  TClipRegionSaver& operator=(const TClipRegionSaver&) = delete;

private:
  HDC m_dc;
  HRGN m_region;
};

// Lends a device context to a canvas for one drawing and takes it back when
// the scope ends: the canvas first gives back a context of its own, stays
// locked meanwhile, and leaves the lent context with the stock objects
// selected.
class TCanvasLoan {
public:
  TCanvasLoan(TCanvas& canvas, HDC dc);
  ~TCanvasLoan();
  TCanvasLoan(const TCanvasLoan&) = delete;
  TCanvasLoan& operator=(const TCanvasLoan&) = delete;

private:
  TCanvas& m_canvas;
};
