// Drawing shared by the concrete painters (not part of the painter contract).
#pragma once

#include <initializer_list>
#include <utility>

#include "framework/cxLookAndFeelPainters.h"

// A solid fill in the device context's own brush colour: no GDI object is
// made and the canvas's brush is left as it was. clNone fills nothing.
void cxFillSolidRect(TcxCanvas* canvas, const TRect& r, TColor color);
// One-pixel lines on the sides named: left and top in the first colour,
// then right and bottom in the second (they overlap at the corners), by
// cxFillSolidRect.
void cxDrawSolidFrame(TcxCanvas* canvas, const TRect& r, TColor leftTop, TColor rightBottom,
                      TcxBorders borders = cxBordersAll);

// Fills a scroll-bar page area with the checkered pattern of the state
// (the pressed pattern when pressed).
void cxFillScrollBarPage(TcxCanvas* canvas, const TRect& r, TcxButtonState state);

// Each pair of colours draws two one-pixel lines along the long sides of a
// splitter (top and bottom when horizontal, left and right otherwise), the
// next pair inside the previous; the rest is filled with the view
// parameters. Nothing is drawn outside the rectangle.
void cxDrawSplitterBorder(TcxCanvas* canvas, const TRect& r, const TcxViewParams& viewParams,
                          bool horizontal, std::initializer_list<std::pair<TColor, TColor>> pairs);
