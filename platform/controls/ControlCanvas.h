// The canvas of a control: drawing on the control's window (a windowless
// control draws on its parent's, moved to its place and clipped to it).
// During WM_PAINT the control binds the canvas to the paint device context;
// outside painting the canvas takes a device context of its own, which is
// given back once the message being handled is done (FreeDeviceContexts).
//
// Classes in this file: TControlCanvas.
#pragma once

#include "platform/graphics/Canvas.h"

class TControl;

class TControlCanvas : public TCanvas {
  OBJECT_CLASS(TControlCanvas, TCanvas)
public:
  TControlCanvas() = default;
  ~TControlCanvas() override;

  TControl* Control() const { return m_control; }
  void SetControl(TControl* control);
  // Gives back the device context the canvas took for itself.
  void FreeHandle() override;

protected:
  void CreateHandle() override;

private:
  TControl* m_control = nullptr;
  HWND m_window = nullptr;
  HDC m_ownDC = nullptr;
};

// Gives back the device contexts that control canvases took outside
// painting, except those of canvases locked in use.
void FreeDeviceContexts();
