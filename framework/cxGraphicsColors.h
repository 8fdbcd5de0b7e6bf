// Colours derived from the system colours, font-based text measuring, small
// drawing routines on a platform canvas, queries of platform object data,
// and the shared system brushes and half-tone brush.
#pragma once

#include <string>

#include "framework/cxGraphicsCanvas.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/rtl/Types.h"
#include "platform/rtl/WinApi.h"

// A signed percentage, -100..100.
using TcxColorPart = int;

inline const TRect cxEmptyRect{0, 0, 0, 0};

// ---- colours
// The nearest colour the screen can show.
TColor GetRealColor(TColor color);
// A mix of the button-face, highlight and window colours by percentages
// (each channel clamped to 0..255); the highlight colour itself when the
// button face is black or white.
TColor GetLightColor(TcxColorPart btnFacePart, TcxColorPart highlightPart,
                     TcxColorPart windowPart);
// The button face 16 % toward white.
TColor GetLightBtnFaceColor();
TColor GetLightDownedColor();
TColor GetLightDownedSelColor();
TColor GetLightSelColor();

// ---- text measuring (on the screen canvas, whose font they change)
// The single-line size of the text in a copy of 'font', at 'fontSize'
// points unless that is 0.
TSize cxTextExtent(TFont* font, const std::string& text, int fontSize = 0);
int cxTextWidth(TFont* font, const std::string& text, int fontSize = 0);
int cxTextHeight(TFont* font, const std::string& text, int fontSize = 0);
// The size of the text as one line in the device context's font.
TSize cxTextSize(HDC dc, const std::string& text);
// The narrowest rectangle at (0, 0) in which the word-wrapped text needs at
// most 'rowCount' rows; empty for no rows. With 'clipHeight' (and more than
// one row) its height is that of the rows.
TRect cxGetTextRect(HDC dc, const std::string& text, int rowCount, bool clipHeight = false);
TRect cxGetTextRect(TFont* font, const std::string& text, int rowCount);

// ---- small drawing routines
// Shrinks r by the four margins of 'extension'.
void ExtendRect(TRect& r, const TRect& extension);
// Two small arrows pointing at the two ends of side 'side' of r; the pen is
// the inverse of 'color' when 'penColor' is clDefault.
void cxDrawArrows(TCanvas* canvas, const TRect& r, TcxBorder side, TColor color,
                  TColor penColor = clDefault);
// A one-pixel checkerboard of the two colours (bkColor where the pattern's
// bits are set).
void cxFillHalfToneRect(TCanvas* canvas, const TRect& r, TColor bkColor, TColor color);
// Makes org's top-left the window origin; org's top-left gets the old one.
void cxSetCanvasOrg(TCanvas* canvas, TRect& org);
void cxInvalidateRect(HWND window, const TRect& r, bool eraseBackground = true);
void cxInvalidateRect(HWND window, bool eraseBackground = true);

// ---- platform object data (true when the platform filled the record)
bool cxGetBitmapData(HBITMAP bitmap, BITMAP& data);
bool cxGetBrushData(HBRUSH brush, LOGBRUSH& data);
LOGBRUSH cxGetBrushData(HBRUSH brush);
bool cxGetFontData(HFONT font, LOGFONTW& data);

// ---- shared objects made at start-up
// The brush of the system colour with that COLOR_* index (0..30), shared by
// every user and never to be freed or changed by them; ERangeError for
// another index, and EInvalidOperation before start-up.
TBrush* cxGetSystemBrush(int index);
// The one-pixel checkerboard pattern brush.
TBrush* cxHalfToneBrush();

// Start-up and shut-down of the module's shared objects (run by the
// cxGraphics unit; a second start-up before a shut-down does nothing).
void cxGraphicsColorsInitialize();
void cxGraphicsColorsFinalize();
