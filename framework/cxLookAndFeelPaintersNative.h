// The drawing of the native painter that does not depend on the painter
// classes: the visual-style state numbers of each element by button state,
// margins measured from a theme, themed text with the library's alignments,
// the one-pixel themed border ring, the tab strip's pane edge and a hit test
// against a part's background region.
//
// Every routine takes an open theme handle (from OpenTheme); the painter
// chooses its unthemed drawing when the handle is null. The state tables are
// indexed by the button state's position (default, normal, hot, pressed,
// disabled).
#pragma once

#include <array>
#include <string>

#include "framework/cxGraphicsCanvas.h"
#include "platform/objects/Alignment.h"
#include "platform/rtl/Types.h"
#include "platform/rtl/WinApi.h"

#include <uxtheme.h>
#include <vssym32.h>

using TcxThemeStates = std::array<int, 5>;

// Push button: defaulted, normal, hot, pressed, disabled.
inline constexpr TcxThemeStates cxXPPushButtonStates{5, 1, 2, 3, 4};
inline constexpr TcxThemeStates cxXPCheckBoxUncheckedStates{1, 1, 2, 3, 4};
inline constexpr TcxThemeStates cxXPCheckBoxCheckedStates{5, 5, 6, 7, 8};
inline constexpr TcxThemeStates cxXPRadioUncheckedStates{1, 1, 2, 3, 4};
inline constexpr TcxThemeStates cxXPRadioCheckedStates{5, 5, 6, 7, 8};
inline constexpr TcxThemeStates cxXPHeaderItemStates{1, 1, 2, 3, 1};
inline constexpr TcxThemeStates cxXPSmallCloseButtonStates{1, 1, 2, 3, 4};
inline constexpr TcxThemeStates cxXPComboDropDownStates{1, 1, 2, 3, 4};
inline constexpr TcxThemeStates cxXPTabItemStates{1, 1, 2, 3, 4};
// Toolbar button: hot, hot, checked, pressed, disabled.
inline constexpr TcxThemeStates cxXPToolBarButtonStates{2, 2, 5, 3, 4};
// Scroll-bar thumb and track: hot, pressed, disabled, and normal for the rest.
inline constexpr TcxThemeStates cxXPScrollBarStates{1, 1, 2, 3, 4};

// The scroll-bar arrow button state: four states per direction (up, down,
// left, right, by position), normal for default and normal.
int cxXPScrollBarArrowState(int direction, int buttonState);

// The margins between a part's background laid out in 'bounds' and its
// content rectangle (Right and Bottom hold the right and bottom margins);
// false when the platform fails.
bool cxThemeContentMargins(HTHEME theme, HDC dc, int part, int state, const TRect& bounds,
                           TRect& margins);
// The same for the bounds (0, 0, 100, 100) and no device context; zero
// margins when the platform fails.
TRect cxThemeContentMargins(HTHEME theme, int part, int state);
// The part's true size, measured without a device context; 'fallback' when
// the platform fails.
TSize cxThemePartSize(HTHEME theme, int part, int state, const TSize& fallback);

// The platform text flags of themed text: the alignments, word breaking or a
// single line, an end ellipsis when asked, no prefix processing unless asked,
// and always the edit-control line breaking.
DWORD cxThemedTextFlags(TAlignment alignmentHorz, TcxAlignmentVert alignmentVert,
                        bool multiLine, bool endEllipsis, bool showPrefix);
// Themed text in 'textArea' in the font (nil: the canvas's own) and text
// colour given; wrapped text is first placed vertically by the alignment.
// Nothing for empty text.
void cxDrawThemedText(TcxCanvas& canvas, HTHEME theme, int part, int state,
                      const TRect& textArea, TAlignment alignmentHorz,
                      TcxAlignmentVert alignmentVert, bool multiLine, bool endEllipsis,
                      bool showPrefix, const std::string& text, TFont* font, TColor textColor);

// The one-pixel ring of the list view's border part in r; the inside of r
// is left as it was.
void cxDrawThemedBorderRing(TcxCanvas& canvas, HTHEME listView, const TRect& r);
// The near edge of the tab control's pane along r: the pane is laid out past
// r's far side (by its margins and 10 pixels) and clipped to r.
void cxDrawThemedTabsRoot(TcxCanvas& canvas, HTHEME tab, const TRect& r, bool vertical);
// The background of a tab item in r in the theme state given, widened by 2
// at each end that is no border of the tab so that neighbours join; a pressed
// tab reaches one pixel further toward the pane, any other stops one pixel
// short of it. A vertical tab is drawn turned a quarter (its pane side on the
// right) through a 32-bit bitmap that starts as a copy of what lies under r.
// Answers the caption rectangle (two pixels shorter toward the pane when
// pressed).
TRect cxDrawThemedTab(TcxCanvas& canvas, HTHEME tab, const TRect& r, TcxBorders borders,
                      int state, bool pressed, bool vertical);
// Whether the point lies in the background region of the part laid out in
// r; inside r when the platform gives no region.
bool cxIsPointInThemeBackground(HTHEME theme, int part, int state, const TRect& r,
                                const TPoint& point);
