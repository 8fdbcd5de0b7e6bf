// The colours of the Office 2003 look: about eighty colour variables, the
// shared brushes and bitmaps made from them, and (in the dxOffice11* headers
// included here) the colour arithmetic and the gradient, frame and glyph
// routines that draw with them.
//
// With visual styles on and the standard Luna theme in one of its three
// colour schemes, the colours come from a fixed table per scheme; otherwise
// they are mixed from the system colours. Wine's own theme (light.msstyles,
// colour "Blue") is no Luna scheme, so under Wine the colours always come
// from the system colours.
//
// The colours are computed by the first CreateOffice11Colors, which also
// makes the brushes and bitmaps; users share them by reference count, and
// RefreshOffice11Colors (called on every system-colour change) recomputes
// them. Colours are RGB values (0x00BBGGRR), system colours resolved.
#pragma once

#include <array>

#include "framework/dxOffice11Colors.h"
#include "framework/dxOffice11Drawing.h"
#include "platform/graphics/Bitmaps.h"
#include "platform/graphics/Colors.h"
#include "platform/rtl/WinApi.h"

enum class TOffice11Scheme { schUnknown, schNormalColor, schHomestead, schMetallic };

TOffice11Scheme GetOffice11Scheme();
// Visual styles are on and the theme is one of Luna's three schemes.
bool IsXPStandardScheme();
// The percentage by which a tube gradient bends toward its second colour.
int dxOffice11TubeGradientPercent();

// Computes the colours and makes the brushes and bitmaps for the first user;
// counts every user.
void CreateOffice11Colors();
// The last user's release frees the brushes and bitmaps (the colours keep
// their values). A release without a user does nothing.
void ReleaseOffice11Colors();
// Recomputes the colours; while there are users, remakes the brushes and
// bitmaps to match.
void RefreshOffice11Colors();

extern TColor dxOffice11ToolbarsColor1;
extern TColor dxOffice11ToolbarsColor2;
extern TColor dxOffice11DockColor1;
extern TColor dxOffice11DockColor2;
extern std::array<TColor, 3> dxOffice11BarMarkColors1;
extern std::array<TColor, 3> dxOffice11BarMarkColors2;
extern std::array<TColor, 2> dxOffice11BarBorderColors;
extern std::array<TColor, 6> dxOffice11BarBorderMarkColors;
extern TColor dxOffice11BarMarkArrowColor1;
extern TColor dxOffice11BarMarkArrowColor2;
extern TColor dxOffice11BarFingerColor1;
extern TColor dxOffice11BarFingerColor2;
extern TColor dxOffice11BarSeparatorColor1;
extern TColor dxOffice11BarSeparatorColor2;
extern TColor dxOffice11BarFloatingBorderColor1;
extern TColor dxOffice11BarFloatingBorderColor2;
extern TColor dxOffice11BarFloatingBorderColor3;
extern TColor dxOffice11BarFloatingCaptionColor;
extern TColor dxOffice11BarFloatingCaptionTextColor1;
extern TColor dxOffice11BarFloatingCaptionTextColor2;
extern TColor dxOffice11BarFloatingCaptionTextColor3;
extern TColor dxOffice11DropDownBorderColor1;
extern TColor dxOffice11DropDownBorderColor2;
extern TColor dxOffice11MenuColor;
extern TColor dxOffice11MenuDownedColor1;
extern TColor dxOffice11MenuDownedColor2;
extern TColor dxOffice11MenuIndentColor1;
extern TColor dxOffice11MenuIndentColor2;
extern TColor dxOffice11MenuNonRecentIndentColor1;
extern TColor dxOffice11MenuNonRecentIndentColor2;
extern TColor dxOffice11ToolbarSelectedColor;
extern TColor dxOffice11SelectedBorderColor;
extern TColor dxOffice11SelectedColor1;
extern TColor dxOffice11SelectedColor2;
extern TColor dxOffice11SelectedDownColor1;
extern TColor dxOffice11SelectedDownColor2;
extern TColor dxOffice11OwnerControlDownedColor;
extern TColor dxOffice11DownedColor;
extern TColor dxOffice11DownedSelectedColor;
extern TColor dxOffice11DetachableColor;
extern TColor dxOffice11DetachableSelectedColor;
extern TColor dxOffice11TextEnabledColor;
extern TColor dxOffice11TextDisabledColor;
extern TColor dxOffice11StaticBorderColor;
extern TColor dxOffice11ControlBorderColor;
extern TColor dxOffice11GroupColor;
extern TColor dxOffice11GroupIndentColor;
extern TColor dxOffice11GroupRowSeparatorColor;
extern TColor dxOffice11GroupRowTextColor;
extern TColor dxOffice11DayNavigatorSelectedColor;
extern TColor dxOffice11DateHeaderColor;
extern TColor dxOffice11OutlookControlColor;
extern TColor dxOffice11OutlookBorderColor;
extern TColor dxOffice11InPlaceSubItemColor;
extern TColor dxOffice11InPlaceSubItemTextColor;
extern TColor dxOffice11NavPaneBorder;
extern TColor dxOffice11NavPaneGroupCaptionColor1;
extern TColor dxOffice11NavPaneGroupCaptionColor2;
extern TColor dxOffice11NavPaneGroupCaptionHotColor1;
extern TColor dxOffice11NavPaneGroupCaptionHotColor2;
extern TColor dxOffice11NavPaneGroupCaptionPressedColor1;
extern TColor dxOffice11NavPaneGroupCaptionPressedColor2;
extern TColor dxOffice11NavPaneGroupCaptionPressedHotColor1;
extern TColor dxOffice11NavPaneGroupCaptionPressedHotColor2;
extern TColor dxOffice11NavPaneHeaderColor1;
extern TColor dxOffice11NavPaneHeaderColor2;
extern TColor dxOffice11NavPaneHeaderFontColor;
extern TColor dxOffice11NavPaneSplitterColor1;
extern TColor dxOffice11NavPaneSplitterColor2;
extern TColor dxOffice11ExpandButtonColor1;
extern TColor dxOffice11ExpandButtonColor2;

// Solid brushes of the colours of the same stem; null while nobody uses the
// colours. Some are one brush under two names.
extern HBRUSH dxOffice11BarFingerBrush1;
extern HBRUSH dxOffice11BarFingerBrush2;
extern HBRUSH dxOffice11BarSeparatorBrush1;
extern HBRUSH dxOffice11BarSeparatorBrush2;
extern HBRUSH dxOffice11DropDownBorderBrush1;
extern HBRUSH dxOffice11DropDownBorderBrush2;  // dxOffice11MenuBrush
extern HBRUSH dxOffice11MenuBrush;
extern HBRUSH dxOffice11SelectedBorderBrush;
extern HBRUSH dxOffice11OwnerControlDownedBrush;
extern HBRUSH dxOffice11DownedBrush;
extern HBRUSH dxOffice11DownedSelectedBrush;
extern HBRUSH dxOffice11DetachableBrush;
extern HBRUSH dxOffice11DetachableSelectedBrush;  // dxOffice11ToolbarSelectedBrush
extern HBRUSH dxOffice11ToolbarSelectedBrush;
extern HBRUSH dxOffice11StaticBorderBrush;  // dxOffice11DropDownBorderBrush1
extern HBRUSH dxOffice11InPlaceSubItemBrush;

// The submenu-expand picture recoloured to the toolbar colours, and the
// minus and plus expand buttons (11 x 11); nil while nobody uses the colours.
extern TBitmap* dxOffice11SubMenuExpandBitmap;
extern TBitmap* dxOffice11ExpandButtonBitmap1;
extern TBitmap* dxOffice11ExpandButtonBitmap2;
