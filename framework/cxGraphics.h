// The library's drawing layer: the canvas wrapper and screen canvas, regions,
// colour routines, text measuring and the shared system brushes, 32-bit
// bitmaps, image drawing with alpha blending, the image list, the brush
// cache and parent-background painting (in the headers included here); and the unit that sets up and frees the shared
// objects.
#pragma once

#include "platform/rtl/UnitStartup.h"

#include "framework/cxBrushCache.h"
#include "framework/cxGraphicsBackground.h"
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
