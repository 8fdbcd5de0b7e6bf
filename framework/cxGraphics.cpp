#include "framework/cxGraphics.h"

namespace {

bool g_started = false;

void InitializeGraphics() {
  if (g_started)
    return;
  cxGraphicsColorsInitialize();
  cxBindAlphaBlend();
  g_started = true;
}

void FinalizeGraphics() {
  if (!g_started)
    return;
  g_started = false;
  cxUnbindAlphaBlend();
  cxGraphicsColorsFinalize();
  cxFreeScreenCanvas();
}

} // namespace

const TUnitInfo cxGraphicsUnit{"cxGraphics", InitializeGraphics, FinalizeGraphics};
