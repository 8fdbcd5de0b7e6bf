// Colour arithmetic of the Office 2003 look. Its GetLightColor and
// GetRealColor are the graphics unit's (framework/cxGraphicsColors.h).
#pragma once

#include "framework/cxGraphicsColors.h"
#include "platform/graphics/Colors.h"

// Per channel: 'percent' % of color1 and the rest of color2 (MulDiv, halves
// away from zero), kept to 0..255; then the nearest colour of the screen.
TColor GetMiddleRGB(TColor color1, TColor color2, int percent);
// Each channel scaled to 'percent' % (halves to even).
TColor Dark(TColor color, int percent);
// Each channel scaled to 'percent' % and raised by the rest of the way to
// 255 (each part rounded, halves to even); a sum above 255 stays 255.
TColor Light(TColor color, int percent);

// High-contrast system colours: the button face is black, or white; or it
// is black with button text that is not white.
bool IsHighContrastBlack();
bool IsHighContrastWhite();
bool IsHighContrast2();
