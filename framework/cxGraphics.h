// The library's drawing layer: the canvas wrapper and screen canvas, regions,
// colour routines, text measuring and the shared system brushes, 32-bit
// bitmaps, image drawing with alpha blending, and the image list (in the
// headers included here); and the unit that sets up and frees the shared
// objects.
#pragma once

#include "platform/rtl/UnitStartup.h"

#include "framework/cxGraphicsBitmaps.h"
#include "framework/cxGraphicsCanvas.h"
#include "framework/cxGraphicsColors.h"
#include "framework/cxGraphicsImages.h"
#include "framework/cxGraphicsRegions.h"
#include "framework/cxGraphicsResize.h"
#include "framework/cxImageList.h"

// Start-up: the system brushes, the half-tone brush and the AlphaBlend
// binding; shut-down frees them and the screen canvas.
extern const TUnitInfo cxGraphicsUnit;
