// The drawing of the Office 2003 painter that does not depend on the painter
// classes: gradient header backgrounds and the hot underline, header borders
// with their shaded corner pixels, and the bitmap expand buttons whose
// corners are blended with what lies under them.
//
// The colours are the Office 2003 scheme's (framework/dxOffice11.h), read at
// every call so a change of the scheme shows at the next paint; the header
// routines take them as arguments so a painter that overrides a header colour
// changes the drawing.
#pragma once

#include "framework/cxGraphicsCanvas.h"
#include "platform/graphics/Colors.h"
#include "platform/rtl/Types.h"

// The four colours of a header.
struct TcxOffice11HeaderColors {
  TColor Top = clNone;
  TColor Bottom = clNone;
  TColor DarkEdge = clNone;
  TColor HighlightEdge = clNone;
};

// The scheme's header colours: the top halfway between the two toolbar
// colours, the bottom the second toolbar colour, the edges the two bar
// separator colours.
TcxOffice11HeaderColors cxOffice11HeaderColors();

// The background of header (or footer) content: flat in the first colour
// down to three rows above the bottom, then a gradient over the last four
// rows to the second colour (the two overlap by one row); a footer is flat
// all over. Hot headers use the first toolbar colour for both.
void cxOffice11FillHeaderBackground(HDC dc, const TRect& bounds, bool hot, bool footer,
                                    const TcxOffice11HeaderColors& colors);
// The three-row selection gradient of a hot header, from one pixel left of
// the bounds to one row below them.
void cxOffice11DrawHotUnderline(HDC dc, const TRect& bounds);
// The border of a header on the sides named; a neighbour on the left or the
// right shades that side as a separator.
void cxOffice11DrawHeaderBorder(TcxCanvas& canvas, const TRect& r, bool leftNeighbor,
                                bool rightNeighbor, TcxBorders borders,
                                const TcxOffice11HeaderColors& colors);
// The 11 x 11 minus (expanded) or plus button at r's top-left, its four
// corners blended a quarter into what the canvas shows at r's top-left and
// bottom-right pixels.
void cxOffice11DrawExpandButton(TcxCanvas& canvas, const TRect& r, bool expanded);
