// A canvas on the screen's device context, for measuring text and for
// screen-compatible pixel work when no window is at hand.
//
// Classes in this file: TScreenCanvas.
#pragma once

#include "platform/graphics/Canvas.h"

// Takes the screen's device context when it first needs one and gives it
// back when freed.
class TScreenCanvas : public TCanvas {
  OBJECT_CLASS(TScreenCanvas, TCanvas)
public:
  TScreenCanvas() = default;
  ~TScreenCanvas() override;

protected:
  void CreateHandle() override;

private:
  HDC m_screenDC = nullptr;
};
