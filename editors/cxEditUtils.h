// Drawing routines and metrics shared by the editors: fills and lines
// through the solid brush cache, button borders, arrows and glyphs, the
// vertical content offset of the button styles, the highlight colours, the
// choice of painter, and the conversion between the text layout's format and
// the canvas text flags.
#pragma once

#include <span>

#include "editors/cxEditPaintUtils.h"
#include "editors/cxEditTypes.h"
#include "framework/cxDrawTextUtils.h"
#include "framework/cxGraphicsCanvas.h"
#include "framework/cxLookAndFeelPainters.h"
#include "framework/cxLookAndFeels.h"
#include "platform/graphics/ImageLists.h"
#include "platform/rtl/UnitStartup.h"

class TcxCustomEditProperties;
class TcxCustomEditViewInfo;
class TcxEditButtonViewInfo;
class TcxRegion;

// How the content area of a natively themed editor is cut out.
enum class TcxEditBackgroundPaintingStyle { bpsSolid, bpsComboEdit, bpsComboListEdit };

constexpr int cxEditDefaultButtonMargin = 4;
constexpr int cxEditTextButtonExtraWidth = 3;

// Fills with the cached brush of the colour.
void cxEditFillRect(TCanvas* ACanvas, const TRect& R, TColor AColor);
void cxEditFillRect(TcxCanvas* ACanvas, const TRect& R, TColor AColor);
void cxEditFillRect(HDC ADC, const TRect& R, HBRUSH ABrush);
// Fills R outside AInnerRect: the four bands around it (R whole when the
// inner rectangle is empty, nothing when R is empty or equals it).
void InternalFillRect(TcxCanvas* ACanvas, const TRect& R, const TRect& AInnerRect, HBRUSH ABrush);
void cxOffsetRect(TRect& R, const TPoint& P);
// A one-pixel line through the points, the last one included: with the pen,
// or (ABrush) as one-pixel-wide fills of horizontal and vertical segments.
void InternalPolyLine(TcxCanvas* ACanvas, std::span<const TPoint> APoints, TColor AColor,
                      bool ABrush = false);
// One-pixel lines on the chosen sides of R; each side drawn moves R's edge inward.
void DrawButtonBorder(TcxCanvas* ACanvas, TRect& R, TcxBorders ABorders, TColor AColor);
// A filled triangle of ASize one-pixel lines (two, one after the other, with
// ADouble) centred in R, one pixel right and down with AOffset.
void DrawArrow(TcxCanvas* ACanvas, int ASize, const TRect& R, TcxArrowDirection ADirection,
               bool ADouble, bool AOffset, TColor AColor);
// The arrow that fits the size: width and height of an up or down arrow,
// swapped for left and right.
TSize GetArrowSize(const TSize& ASize, TcxArrowDirection ADirection);

// Draws a glyph at (X, Y), its transparent colour replaced by the
// background colour (kept transparent with clNone or a background bitmap),
// greyed through an image list when disabled. With a background bitmap the
// glyph is drawn into it and the bitmap onto the canvas.
void DrawGlyph(TCanvas* ACanvas, int X, int Y, TBitmap* AGlyph, bool AEnabled,
               TColor ABackgroundColor = clNone, TBitmap* ABackgroundBitmap = nullptr);
void DrawGlyph(TcxCanvas* ACanvas, int X, int Y, TBitmap* AGlyph, bool AEnabled,
               TColor ABackgroundColor = clNone, TBitmap* ABackgroundBitmap = nullptr);
// An image of the list drawn on a background of the list's size (the
// background bitmap, or one filled with the colour) at R's top-left.
void DrawGlyph(TcxCanvas* ACanvas, TCustomImageList* AImageList, int AImageIndex, const TRect& R,
               TColor ABackgroundColor, bool AEnabled, TBitmap* ABackgroundBitmap = nullptr);
bool VerifyBitmap(TBitmap* ABitmap);
bool VerifyImages(TCustomImageList* AImages);

void SaveCanvasFont(TcxCanvas* ACanvas, LOGFONTW& ALogFont);
void RestoreCanvasFont(TcxCanvas* ACanvas, const LOGFONTW& ALogFont);

// The width of a button without one of its own: a glyph's or caption's
// width with margins, else the height of a horizontal scroll bar. For a
// native button, first decides whether it is drawn natively.
int CalculateEditDefaultButtonWidth(TcxCanvas* ACanvas, TcxEditButtonViewInfo* AViewInfo);
// The native part and state of the button (part 0 when not drawn natively)
// and whether its themed background lets the background show through.
void CalculateEditButtonState(TcxEditButtonViewInfo* AViewInfo);
// A new region owned by the caller: the button's rectangle, or the themed
// button's shape within it.
TcxRegion* GetEditButtonRegion(TcxCanvas* ACanvas, TcxEditButtonViewInfo* AViewInfo);

// The vertical space the buttons of a style take from the content.
int GetEditButtonsContentVerticalOffset(TcxCanvas* ACanvas, TcxEditButtonStyle AButtonsStyle,
                                        bool ANativeStyle);
int GetNativeInnerTextEditContentHeightCorrection(TcxCustomEditProperties* AProperties,
                                                  bool AIsInplace);

// The system's hot-light colour where the platform has one (NT 5 and the
// later 9x releases), else clBlue.
TColor GetHotTrackColor();
// Whether a platform of that version has the hot-light colour.
bool IsHotLightColorAvailable(const OSVERSIONINFOW& AVersion);
TColor GetEditBorderHighlightColor(bool AIsOffice11Style);
TColor GetEditButtonHighlightColor(bool APressed, bool AIsOffice11Style);
TcxCustomLookAndFeelPainterClass GetPainterClass(bool ANative, TcxLookAndFeelKind ALookAndFeelKind);

int cxTextOutFlagsToDrawTextFlags(TcxTextOutFormat AFlags);
TcxTextOutFormat DrawTextFlagsTocxTextOutFlags(int AFlags);

// Paints an editor's frame and background (the usual borders, or the
// visual style's edit frame) around its buttons, then the buttons.
void DrawCustomEdit(TcxCanvas* ACanvas, TcxCustomEditViewInfo* AViewInfo, bool ADrawBackground,
                    TcxEditBackgroundPaintingStyle ABackgroundPaintingStyle);

// Start-up reads the platform version for GetHotTrackColor.
extern const TUnitInfo cxEditUtilsUnit;
