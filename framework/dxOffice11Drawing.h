// Gradient, frame and glyph routines of the Office 2003 look, drawing on a
// device context. Colours may be system colours; each routine resolves them.
#pragma once

#include "platform/graphics/Colors.h"
#include "platform/rtl/Types.h"
#include "platform/rtl/WinApi.h"

// A gradient from color1 to color2 across the width (horizontal) or height,
// in at most 256 bands; one solid fill when the colours are equal.
void FillGradientRect(HDC dc, const TRect& rect, TColor color1, bool horizontal, TColor color2);
// The colour FillGradientRect paints at 'position' (an x when horizontal,
// else a y); positions outside the rectangle answer the nearer end's colour.
TColor GetGradientColorRect(const TRect& rect, int position, TColor color1, bool horizontal,
                            TColor color2);
// A gradient in one-pixel bands that runs from color1 to a middle colour
// (bent toward color2 by the scheme's tube percentage) over the first half
// and on to color2 over the second.
void FillTubeGradientRect(HDC dc, const TRect& rect, TColor color1, bool horizontal,
                          TColor color2);

void FillRectByColor(HDC dc, const TRect& rect, TColor color);
void FrameRectByColor(HDC dc, const TRect& rect, TColor color);
// The frame of a selected item: the highlight text colour in high contrast,
// else the selected-border colour.
void Office11FrameSelectedRect(HDC dc, const TRect& rect);

// A row of grip dots, one per 4 pixels, along the rectangle (down it when
// vertical, else across).
void Office11DrawFingerElements(HDC dc, const TRect& rect, bool vertical);
// Three rows of grip dots (3, 2 and 1) in the bottom-right corner.
void Office11DrawSizeGrip(HDC dc, const TRect& rect);
// A filled triangle pointing down (or right) centred in the rectangle, its
// size taken from the rectangle (at least 3); 'isLast' changes nothing.
void Office11DrawItemArrow(HDC dc, const TRect& rect, bool down, bool selected, bool enabled,
                           bool isLast);
void Office11DrawLargeItemArrow(HDC dc, const TRect& rect, bool down, int size, bool selected,
                                bool enabled, bool isLast);
