// The editor base unit: its process-wide objects with their start-up and
// shut-down, its exported values, and small routines the editors share.
// The properties, repositories and styles of the unit are in the cxEdit*
// headers included here.
#pragma once

#include <array>
#include <string>

#include "editors/cxEditProperties.h"
#include "editors/cxEditRepository.h"
#include "editors/cxEditStyles.h"
#include "editors/cxEditTypes.h"
#include "framework/cxGraphicsCanvas.h"
#include "framework/cxGraphicsRegions.h"
#include "framework/cxLookAndFeelPainters.h"
#include "platform/controls/ControlTypes.h"
#include "platform/rtl/UnitStartup.h"

// The screen cursor of the editors' mouse-wheel scrolling.
constexpr TCursor crcxEditMouseWheel = 4101;


// The names of the editor style values 10 to 13.
extern const std::array<std::string, 4> cxEditStyleValueNameA;
// Offsets of the content inside the border: standalone, then in place.
extern const std::array<TRect, 2> EditContentDefaultOffsets;
TcxButtonState EditBtnState2ButtonState(TcxEditButtonState AState);

// Raises each dimension of the size to at least the minimum's.
void CheckSize(TSize& ASize, const TSize& AMinSize);
// #0, tab, line feed, form feed, carriage return and space.
bool IsSpaceChar(char C);
// The destination becomes the union of both regions.
void UniteRegions(TcxRegion* ADestRegion, TcxRegion* ASrcRegion);
// A one-pixel frame in two colours (left and top, right and bottom), then R
// shrinks by one pixel on each side.
void DrawEditComplexFrame(TcxCanvas* ACanvas, TRect& R, TColor ALeftTopColor,
                          TColor ARightBottomColor);
// A one-pixel frame in one colour, then R shrinks by one pixel on each side.
void DrawEditFrame(TcxCanvas* ACanvas, TRect& R, TColor AColor);

// Registers the mouse-wheel cursor, makes the default editor style
// controller (also the plain containers' default) and points the filter
// captions at the resource-string repository; shut-down frees the registry
// of editor kinds, the default repository and the default controller.
extern const TUnitInfo cxEditUnit;
