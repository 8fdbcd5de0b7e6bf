// Painting what lies behind a control, so that it can look transparent: its
// parent (and, when asked, the parent's earlier windowed children) painted
// into the control's device context, or the visual style's parent
// background.
#pragma once

#include "framework/cxGraphicsCanvas.h"
#include "platform/controls/WinControls.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/Types.h"

// Paints what lies behind 'r' of 'control' (its client coordinates) onto the
// canvas, under 'r' of the canvas: the parent sent WM_ERASEBKGND and WM_PAINT
// with the canvas's context, then, with 'paintParentWithChildren', each of
// the parent's visible windowed children that comes before 'control'. The
// context's state is restored afterwards. Nothing for a control without a
// parent.
void cxDrawTransparentControlBackground(TControl* control, TCanvas* canvas, const TRect& r,
                                        bool paintParentWithChildren = true);
// The same without the siblings for a double-buffered parent; otherwise the
// visual style's parent background of 'control' under 'r'.
void cxDrawThemeParentBackground(TWinControl* control, TCanvas* canvas, const TRect& r);

// The same on the canvas a library canvas wraps.
void cxDrawTransparentControlBackground(TControl* control, TcxCanvas* canvas, const TRect& r,
                                        bool paintParentWithChildren = true);
void cxDrawThemeParentBackground(TWinControl* control, TcxCanvas* canvas, const TRect& r);
