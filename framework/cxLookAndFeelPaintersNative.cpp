#include "framework/cxLookAndFeelPaintersNative.h"

#include "framework/cxGeometry.h"
#include "framework/cxLookAndFeelPainters.h"
#include "framework/dxOffice11.h"
#include "framework/dxThemeManager.h"
#include "framework/dxUxTheme.h"

namespace {

constexpr TcxThemeStates ScrollBarArrowOffsets{0, 0, 1, 2, 3};
constexpr int ScrollBarArrowStatesPerDirection = 4;
constexpr int TabPart = TABP_PANE;
constexpr int TabsRootOverhang = 10;
constexpr int BorderPart = 5;
constexpr int TabJoin = 2;
constexpr int PressedCaptionLift = 2;

const TRect MeasuringBounds{0, 0, 100, 100};

} // namespace

int cxXPScrollBarArrowState(int direction, int buttonState) {
  return direction * ScrollBarArrowStatesPerDirection + ScrollBarArrowOffsets[buttonState] + 1;
}

bool cxThemeContentMargins(HTHEME theme, HDC dc, int part, int state, const TRect& bounds,
                           TRect& margins) {
  TRect content;
  if (FAILED(dxUxTheme::GetThemeBackgroundContentRect(theme, dc, part, state, AsRECT(bounds),
                                                      AsRECT(content))))
    return false;
  margins = Rect(content.Left - bounds.Left, content.Top - bounds.Top,
                 bounds.Right - content.Right, bounds.Bottom - content.Bottom);
  return true;
}

TRect cxThemeContentMargins(HTHEME theme, int part, int state) {
  TRect margins;
  if (!cxThemeContentMargins(theme, nullptr, part, state, MeasuringBounds, margins))
    return {};
  return margins;
}

TSize cxThemePartSize(HTHEME theme, int part, int state, const TSize& fallback) {
  SIZE size{};
  if (FAILED(dxUxTheme::GetThemePartSize(theme, nullptr, part, state, TS_TRUE, size)))
    return fallback;
  return {size.cx, size.cy};
}

DWORD cxThemedTextFlags(TAlignment alignmentHorz, TcxAlignmentVert alignmentVert,
                        bool multiLine, bool endEllipsis, bool showPrefix) {
  DWORD flags = DT_EDITCONTROL;
  if (alignmentHorz == TAlignment::taRightJustify)
    flags |= DT_RIGHT;
  else if (alignmentHorz == TAlignment::taCenter)
    flags |= DT_CENTER;
  if (alignmentVert == TcxAlignmentVert::vaBottom)
    flags |= DT_BOTTOM;
  else if (alignmentVert == TcxAlignmentVert::vaCenter)
    flags |= DT_VCENTER;
  flags |= multiLine ? DT_WORDBREAK : DT_SINGLELINE;
  if (endEllipsis)
    flags |= DT_END_ELLIPSIS;
  if (!showPrefix)
    flags |= DT_NOPREFIX;
  return flags;
}

void cxDrawThemedText(TcxCanvas& canvas, HTHEME theme, int part, int state,
                      const TRect& textArea, TAlignment alignmentHorz,
                      TcxAlignmentVert alignmentVert, bool multiLine, bool endEllipsis,
                      bool showPrefix, const std::string& text, TFont* font, TColor textColor) {
  if (text.empty())
    return;
  if (font)
    canvas.SetFont(font);
  canvas.Font()->SetColor(textColor);
  TRect r = textArea;
  if (multiLine)
    canvas.AlignMultiLineTextRectVertically(r, text, alignmentVert, true, showPrefix, true, false);
  dxUxTheme::DrawThemeText(
      theme, canvas.Handle(), part, state, text, -1,
      cxThemedTextFlags(alignmentHorz, alignmentVert, multiLine, endEllipsis, showPrefix), 0,
      *AsRECT(r));
}

void cxDrawThemedBorderRing(TcxCanvas& canvas, HTHEME listView, const TRect& r) {
  canvas.SaveDC();
  canvas.ExcludeClipRect(cxRectInflate(r, -1, -1));
  dxUxTheme::DrawThemeBackground(listView, canvas.Handle(), BorderPart, 0, *AsRECT(r), nullptr);
  canvas.RestoreDC();
}

void cxDrawThemedTabsRoot(TcxCanvas& canvas, HTHEME tab, const TRect& r, bool vertical) {
  TRect margins;
  if (!cxThemeContentMargins(tab, canvas.Handle(), TabPart, 0, r, margins))
    margins = {};
  TRect pane = r;
  if (vertical) {
    pane.Bottom += margins.Top + margins.Bottom;
    pane.Right += TabsRootOverhang;
  } else {
    pane.Right += margins.Left + margins.Right;
    pane.Bottom += TabsRootOverhang;
  }
  dxUxTheme::DrawThemeBackground(tab, canvas.Handle(), TabPart, 0, *AsRECT(pane), *AsRECT(r));
}

namespace {

// The tab laid out horizontally in 'frame', its pane side at the bottom.
struct TcxTabLayout {
  TRect Drawing;
  TRect Clip;
};

TcxTabLayout LayTabOut(const TRect& frame, bool startIsBorder, bool endIsBorder, bool pressed) {
  TcxTabLayout layout{frame, frame};
  if (!startIsBorder)
    layout.Drawing.Left -= TabJoin;
  if (!endIsBorder)
    layout.Drawing.Right += TabJoin;
  if (pressed)
    ++layout.Drawing.Bottom;
  else
    --layout.Clip.Bottom;
  return layout;
}

// A rectangle of the turned frame (width 'frameWidth') where it lands once
// the frame is turned back a quarter counter-clockwise and placed at 'origin'.
TRect TurnBack(const TRect& r, int frameWidth, const TPoint& origin) {
  return Rect(origin.X + r.Top, origin.Y + frameWidth - r.Right, origin.X + r.Bottom,
              origin.Y + frameWidth - r.Left);
}

TRect CaptionRect(TRect drawing, bool pressed) {
  if (pressed)
    drawing.Bottom -= PressedCaptionLift;
  return drawing;
}

} // namespace

TRect cxDrawThemedTab(TcxCanvas& canvas, HTHEME tab, const TRect& r, TcxBorders borders,
                      int state, bool pressed, bool vertical) {
  if (!vertical) {
    const TcxTabLayout layout = LayTabOut(r, borders.Contains(TcxBorder::bLeft),
                                          borders.Contains(TcxBorder::bRight), pressed);
    dxUxTheme::DrawThemeBackground(tab, canvas.Handle(), TABP_TABITEM, state,
                                   *AsRECT(layout.Drawing), *AsRECT(layout.Clip));
    return CaptionRect(layout.Drawing, pressed);
  }
  const int width = cxRectWidth(r), height = cxRectHeight(r);
  TOwned<TBitmap> bitmap(Create<TBitmap>());
  bitmap->SetPixelFormat(TPixelFormat::pf32bit);
  bitmap->SetSize(width, height);
  bitmap->Canvas()->CopyRect(Rect(0, 0, width, height), canvas.Canvas(), r);
  TcxCanvas::RotateBitmap(bitmap.get(), TcxRotationAngle::raMinus90);
  // Turned a quarter clockwise, the tab's bottom end is on the left.
  const TcxTabLayout layout =
      LayTabOut(Rect(0, 0, height, width), borders.Contains(TcxBorder::bBottom),
                borders.Contains(TcxBorder::bTop), pressed);
  dxUxTheme::DrawThemeBackground(tab, bitmap->Canvas()->Handle(), TABP_TABITEM, state,
                                 *AsRECT(layout.Drawing), *AsRECT(layout.Clip));
  TcxCanvas::RotateBitmap(bitmap.get(), TcxRotationAngle::raPlus90);
  canvas.Draw(r.Left, r.Top, bitmap.get());
  return TurnBack(CaptionRect(layout.Drawing, pressed), height, r.TopLeft());
}

bool cxIsPointInThemeBackground(HTHEME theme, int part, int state, const TRect& r,
                                const TPoint& point) {
  HRGN region = nullptr;
  if (FAILED(dxUxTheme::GetThemeBackgroundRegion(theme, nullptr, part, state, AsRECT(r),
                                                 &region)) ||
      region == nullptr)
    return PtInRect(AsRECT(r), *AsPOINT(point)) != FALSE;
  const bool inside = PtInRegion(region, point.X, point.Y) != FALSE;
  DeleteObject(region);
  return inside;
}

// ---- the native painter

namespace {

using TMeta = TcxWinXPLookAndFeelPainterMeta;
using TStandardMeta = TcxStandardLookAndFeelPainterMeta;
using TRootMeta = TcxCustomLookAndFeelPainterMeta;
using TTot = TdxThemedObjectType;

constexpr int PropertyButtonColor = 204;
constexpr int PropertyTextColor = 3803;
constexpr int PropertyBorderColor = 3801;
constexpr int TreeViewGlyph = 2;
constexpr int TreeViewOpened = 2;
constexpr int TreeViewClosed = 1;
constexpr int ExplorerBarCollapse = 6;
constexpr int ExplorerBarExpand = 7;
constexpr int WindowSmallClose = 19;
constexpr int ScrollBarSizeBox = 10;
constexpr int FilterCloseMargin = 4;
constexpr TColor SchedulerViewContentColor = 0xD5FFFF;

int Index(TcxButtonState state) { return static_cast<int>(state); }
int PushButtonState(TcxButtonState state) { return cxXPPushButtonStates[Index(state)]; }

// The colour a theme defines for the property, or 'fallback'.
TColor ThemeColor(HTHEME theme, int part, int state, int property, TColor fallback) {
  COLORREF color = 0;
  if (theme == nullptr ||
      FAILED(dxUxTheme::GetThemeColor(theme, part, state, property, &color)))
    return fallback;
  return static_cast<TColor>(color);
}

int ExplorerBarState(TcxButtonState state) {
  switch (state) {
  case TcxButtonState::cxbsHot:
    return 2;
  case TcxButtonState::cxbsPressed:
    return 3;
  default:
    return 1;
  }
}

void DrawPart(TcxCanvas* canvas, HTHEME theme, int part, int state, const TRect& r) {
  dxUxTheme::DrawThemeBackground(theme, canvas->Handle(), part, state, *AsRECT(r), nullptr);
}

} // namespace

int TMeta::BorderSize() const {
  return OpenTheme(TTot::totListView) ? 1 : TStandardMeta::BorderSize();
}

int TMeta::ButtonTextOffset() const { return 2; }
int TMeta::ButtonTextShift() const { return 0; }
bool TMeta::IsButtonHotTrack() const { return true; }
bool TMeta::DrawExpandButtonFirst() const { return false; }
bool TMeta::HeaderDrawCellsFirst() const { return false; }
bool TMeta::FooterDrawCellsFirst() const { return false; }
bool TMeta::IsHeaderHotTrack() const { return true; }
TColor TMeta::DefaultSchedulerViewContentColor() const { return SchedulerViewContentColor; }

int TMeta::CheckBorderSize() const {
  return OpenTheme(TTot::totButton) ? 0 : TStandardMeta::CheckBorderSize();
}

int TMeta::FooterBorderSize() const {
  return OpenTheme(TTot::totEdit) ? 1 : TStandardMeta::FooterBorderSize();
}

int TMeta::FooterCellOffset() const {
  return OpenTheme(TTot::totTrackBar) ? 1 : TStandardMeta::FooterCellOffset();
}

int TMeta::TabBorderSize(bool vertical) const {
  return OpenTheme(TTot::totTab) ? 1 : TStandardMeta::TabBorderSize(vertical);
}

bool TMeta::IsDrawTabImplemented(bool) const { return OpenTheme(TTot::totTab) != nullptr; }
bool TMeta::IsTabHotTrack(bool) const { return OpenTheme(TTot::totTab) != nullptr; }

TPoint TMeta::SortingMarkSize() const { return {7, 8}; }

void TMeta::DrawSortingMark(TcxCanvas* canvas, const TRect& r, bool ascending) const {
  DrawSortingArrow(canvas, r, clBtnShadow, clBtnShadow, ascending);
}

// ---- measured metrics

int TMeta::ButtonBorderSize(TcxButtonState state) const {
  const HTHEME theme = OpenTheme(TTot::totButton);
  if (theme == nullptr)
    return TStandardMeta::ButtonBorderSize(TcxButtonState::cxbsNormal);
  return cxThemeContentMargins(theme, BP_PUSHBUTTON, PushButtonState(state)).Left;
}

TRect TMeta::ButtonGroupBorderSizes(int, int) const {
  const HTHEME theme = OpenTheme(TTot::totButton);
  if (theme == nullptr) {
    const int size = TStandardMeta::ButtonBorderSize(TcxButtonState::cxbsNormal);
    return Rect(size, size, size, size);
  }
  TRect sizes = cxThemeContentMargins(theme, BP_PUSHBUTTON, PBS_NORMAL);
  if (dxUxTheme::IsThemeBackgroundPartiallyTransparent(theme, BP_PUSHBUTTON, PBS_NORMAL))
    sizes = Rect(sizes.Left - 1, sizes.Top - 1, sizes.Right - 1, sizes.Bottom - 1);
  return sizes;
}

TRect TMeta::ButtonFocusRect(TcxCanvas* canvas, const TRect& r) const {
  const HTHEME theme = OpenTheme(TTot::totButton);
  TRect content;
  if (theme != nullptr &&
      SUCCEEDED(dxUxTheme::GetThemeBackgroundContentRect(theme, canvas->Handle(), BP_PUSHBUTTON,
                                                         PBS_NORMAL, AsRECT(r), AsRECT(content))))
    return content;
  return TRootMeta::ButtonFocusRect(canvas, r);
}

TRect TMeta::AdjustGroupButtonDisplayRect(const TRect& r, int buttonCount,
                                          int buttonIndex) const {
  const HTHEME theme = OpenTheme(TTot::totButton);
  if (theme == nullptr)
    return TStandardMeta::AdjustGroupButtonDisplayRect(r, buttonCount, buttonIndex);
  if (dxUxTheme::IsThemeBackgroundPartiallyTransparent(theme, BP_PUSHBUTTON, PBS_NORMAL))
    return cxRectInflate(r, 1, 1);
  return r;
}

int TMeta::ExpandButtonSize() const {
  const HTHEME theme = OpenTheme(TTot::totTreeview);
  if (theme == nullptr)
    return TStandardMeta::ExpandButtonSize();
  return cxThemePartSize(theme, TreeViewGlyph, TreeViewOpened, {}).cx;
}

int TMeta::SmallExpandButtonSize() const {
  return OpenTheme(TTot::totTreeview) ? ExpandButtonSize()
                                      : TStandardMeta::SmallExpandButtonSize();
}

int TMeta::GroupExpandButtonSize() const {
  const HTHEME theme = OpenTheme(TTot::totExplorerBar);
  if (theme == nullptr)
    return TStandardMeta::GroupExpandButtonSize();
  return cxThemePartSize(theme, ExplorerBarExpand, 1, {}).cx;
}

TSize TMeta::CheckButtonSize() const {
  const HTHEME theme = OpenTheme(TTot::totButton);
  if (theme == nullptr)
    return TStandardMeta::CheckButtonSize();
  return cxThemePartSize(theme, BP_CHECKBOX, CBS_CHECKEDNORMAL, TStandardMeta::CheckButtonSize());
}

TPoint TMeta::FilterActivateButtonSize() const {
  const HTHEME theme = OpenTheme(TTot::totButton);
  if (theme == nullptr)
    return TStandardMeta::FilterActivateButtonSize();
  const TSize size = cxThemePartSize(theme, BP_CHECKBOX, CBS_CHECKEDNORMAL, {13, 13});
  return {size.cx, size.cy};
}

TPoint TMeta::FilterCloseButtonSize() const {
  const HTHEME theme = OpenTheme(TTot::totWindow);
  if (theme == nullptr)
    return TStandardMeta::FilterCloseButtonSize();
  const TSize size = cxThemePartSize(theme, WindowSmallClose, 1, {});
  return {size.cx + FilterCloseMargin, size.cy + FilterCloseMargin};
}

int TMeta::HeaderBorderSize() const {
  const HTHEME theme = OpenTheme(TTot::totHeader);
  if (theme == nullptr)
    return TStandardMeta::HeaderBorderSize();
  const TRect margins = cxThemeContentMargins(theme, HP_HEADERITEM, HIS_NORMAL);
  return (margins.Left + margins.Top) / 2;
}

int TMeta::HeaderControlSectionBorderSize(TcxButtonState) const { return HeaderBorderSize(); }

TRect TMeta::HeaderControlSectionContentBounds(const TRect& r, TcxButtonState state) const {
  if (OpenTheme(TTot::totHeader) == nullptr)
    return TStandardMeta::HeaderControlSectionContentBounds(r, state);
  const int size = HeaderBorderSize();
  return cxRectInflate(r, -size, -size);
}

int TMeta::FooterCellBorderSize() const {
  const HTHEME theme = OpenTheme(TTot::totTrackBar);
  if (theme == nullptr)
    return TStandardMeta::FooterCellBorderSize();
  return cxThemeContentMargins(theme, TKP_TRACK, TRS_NORMAL).Left;
}

// ---- colours

TColor TMeta::ButtonColor(TcxButtonState state) const {
  return ThemeColor(OpenTheme(TTot::totButton), BP_PUSHBUTTON, PushButtonState(state),
                    PropertyButtonColor, TStandardMeta::ButtonColor(state));
}

TColor TMeta::ButtonSymbolColor(TcxButtonState state, TColor defaultColor) const {
  return ThemeColor(OpenTheme(TTot::totButton), BP_PUSHBUTTON, PushButtonState(state),
                    PropertyTextColor, TStandardMeta::ButtonSymbolColor(state, defaultColor));
}

TColor TMeta::DefaultSchedulerBorderColor() const {
  return ThemeColor(OpenTheme(TTot::totComboBox), CP_DROPDOWNBUTTON, CBXS_NORMAL,
                    PropertyBorderColor, TStandardMeta::DefaultSchedulerBorderColor());
}

// ---- scroll bars, arrows, buttons

void TMeta::DrawScrollBarPart(TcxCanvas* canvas, bool horizontal, const TRect& r,
                              TcxScrollBarPart part, TcxButtonState state) const {
  if (cxRectIsEmpty(r))
    return;
  const HTHEME theme = OpenTheme(TTot::totScrollBar);
  if (theme == nullptr || part == TcxScrollBarPart::sbpNone) {
    TStandardMeta::DrawScrollBarPart(canvas, horizontal, r, part, state);
    return;
  }
  const int partState = cxXPScrollBarStates[Index(state)];
  switch (part) {
  case TcxScrollBarPart::sbpLineUp:
  case TcxScrollBarPart::sbpLineDown:
    DrawArrow(canvas, r, state, GetArrowDirection(horizontal, part), true);
    break;
  case TcxScrollBarPart::sbpThumbnail:
    DrawPart(canvas, theme, horizontal ? SBP_THUMBBTNHORZ : SBP_THUMBBTNVERT, partState, r);
    DrawPart(canvas, theme, horizontal ? SBP_GRIPPERHORZ : SBP_GRIPPERVERT, 0, r);
    break;
  case TcxScrollBarPart::sbpPageUp:
    DrawPart(canvas, theme, horizontal ? SBP_UPPERTRACKHORZ : SBP_UPPERTRACKVERT, partState, r);
    break;
  case TcxScrollBarPart::sbpPageDown:
    DrawPart(canvas, theme, horizontal ? SBP_LOWERTRACKHORZ : SBP_LOWERTRACKVERT, partState, r);
    break;
  default:
    break;
  }
}

void TMeta::DrawArrow(TcxCanvas* canvas, const TRect& r, TcxButtonState state,
                      TcxArrowDirection direction, bool drawBorder) const {
  const HTHEME theme = OpenTheme(TTot::totScrollBar);
  if (theme == nullptr) {
    TRootMeta::DrawArrow(canvas, r, state, direction, drawBorder);
    return;
  }
  DrawPart(canvas, theme, SBP_ARROWBTN,
           cxXPScrollBarArrowState(static_cast<int>(direction), Index(state)), r);
}

void TMeta::DrawArrowBorder(TcxCanvas* canvas, const TRect& r, TcxButtonState state) const {
  const HTHEME theme = OpenTheme(TTot::totButton);
  if (theme == nullptr) {
    TRootMeta::DrawArrowBorder(canvas, r, state);
    return;
  }
  DrawPart(canvas, theme, BP_PUSHBUTTON, PushButtonState(state), r);
}

void TMeta::DrawButton(TcxCanvas* canvas, const TRect& r, const std::string& caption,
                       TcxButtonState state, bool drawBorder, TColor color,
                       TColor textColor) const {
  const HTHEME theme = OpenTheme(TTot::totButton);
  if (theme == nullptr) {
    TRootMeta::DrawButton(canvas, r, caption, state, drawBorder, color, textColor);
    return;
  }
  const int partState = PushButtonState(state);
  DrawPart(canvas, theme, BP_PUSHBUTTON, partState, r);
  if (caption.empty())
    return;
  dxUxTheme::DrawThemeText(theme, canvas->Handle(), BP_PUSHBUTTON, partState, caption, -1,
                           DT_CENTER | DT_VCENTER | DT_SINGLELINE, 0, *AsRECT(r));
}

void TMeta::DrawBorder(TcxCanvas* canvas, const TRect& r) const {
  const HTHEME theme = OpenTheme(TTot::totListView);
  if (theme == nullptr) {
    TStandardMeta::DrawBorder(canvas, r);
    return;
  }
  cxDrawThemedBorderRing(*canvas, theme, r);
}

// ---- check boxes and expand buttons

void TMeta::DrawCheck(TcxCanvas* canvas, const TRect& r, TcxButtonState state, bool checked,
                      TColor color) const {
  const HTHEME theme = OpenTheme(TTot::totButton);
  if (theme == nullptr) {
    TRootMeta::DrawCheck(canvas, r, state, checked, color);
    return;
  }
  const TcxThemeStates& states =
      checked ? cxXPCheckBoxCheckedStates : cxXPCheckBoxUncheckedStates;
  DrawPart(canvas, theme, BP_CHECKBOX, states[Index(state)], r);
}

void TMeta::DrawCheckBorder(TcxCanvas* canvas, const TRect& r, TcxButtonState state) const {
  if (OpenTheme(TTot::totButton) == nullptr)
    TStandardMeta::DrawCheckBorder(canvas, r, state);
}

void TMeta::DrawRadioButton(TcxCanvas* canvas, int x, int y, TcxButtonState state, bool checked,
                            bool focused, TColor brushColor, bool highlight) const {
  const HTHEME theme = OpenTheme(TTot::totButton);
  if (theme == nullptr) {
    TStandardMeta::DrawRadioButton(canvas, x, y, state, checked, focused, brushColor, highlight);
    return;
  }
  const TSize size = RadioButtonSize();
  const TcxThemeStates& states = checked ? cxXPRadioCheckedStates : cxXPRadioUncheckedStates;
  DrawPart(canvas, theme, BP_RADIOBUTTON, states[Index(state)],
           Rect(x, y, x + size.cx, y + size.cy));
}

TSize TMeta::RadioButtonSize() const {
  const HTHEME theme = OpenTheme(TTot::totButton);
  if (theme == nullptr)
    return TStandardMeta::RadioButtonSize();
  return cxThemePartSize(theme, BP_RADIOBUTTON, RBS_UNCHECKEDNORMAL,
                         TStandardMeta::RadioButtonSize());
}

void TMeta::DrawExpandButton(TcxCanvas* canvas, const TRect& r, bool expanded,
                             TColor color) const {
  const HTHEME theme = OpenTheme(TTot::totTreeview);
  if (theme == nullptr) {
    TStandardMeta::DrawExpandButton(canvas, r, expanded, color);
    return;
  }
  DrawPart(canvas, theme, TreeViewGlyph, expanded ? TreeViewOpened : TreeViewClosed, r);
  canvas->ExcludeClipRect(r);
}

void TMeta::DrawSmallExpandButton(TcxCanvas* canvas, const TRect& r, bool expanded,
                                  TColor borderColor, TColor) const {
  if (OpenTheme(TTot::totTreeview) != nullptr)
    DrawExpandButton(canvas, r, expanded, clDefault);
  else
    TRootMeta::DrawSmallExpandButton(canvas, r, expanded, borderColor, clDefault);
}

void TMeta::DrawGroupExpandButton(TcxCanvas* canvas, const TRect& r, bool expanded,
                                  TcxButtonState state) const {
  const HTHEME theme = OpenTheme(TTot::totExplorerBar);
  if (theme == nullptr) {
    TStandardMeta::DrawGroupExpandButton(canvas, r, expanded, state);
    return;
  }
  DrawPart(canvas, theme, expanded ? ExplorerBarCollapse : ExplorerBarExpand,
           ExplorerBarState(state), r);
}

bool TMeta::IsPointOverGroupExpandButton(const TRect& r, const TPoint& p) const {
  const HTHEME theme = OpenTheme(TTot::totExplorerBar);
  if (theme == nullptr)
    return TStandardMeta::IsPointOverGroupExpandButton(r, p);
  return cxIsPointInThemeBackground(theme, ExplorerBarExpand, 1, r, p);
}

// ---- headers

void TMeta::DrawHeader(TcxCanvas* canvas, const TRect& bounds, const TRect& textAreaBounds,
                       TcxNeighbors neighbors, TcxBorders borders, TcxButtonState state,
                       TAlignment alignmentHorz, TcxAlignmentVert alignmentVert, bool multiLine,
                       bool showEndEllipsis, const std::string& text, TFont* font,
                       TColor textColor, TColor bkColor,
                       const TcxDrawBackgroundEvent& onDrawBackground, bool isLast) const {
  const HTHEME theme = OpenTheme(TTot::totHeader);
  if (theme == nullptr) {
    TStandardMeta::DrawHeader(canvas, bounds, textAreaBounds, neighbors, borders, state,
                              alignmentHorz, alignmentVert, multiLine, showEndEllipsis, text,
                              font, textColor, bkColor, onDrawBackground, isLast);
    return;
  }
  const int partState = cxXPHeaderItemStates[Index(state)];
  const TOffice11Scheme scheme = GetOffice11Scheme();
  const bool rightPart = isLast && partState == HIS_NORMAL &&
                         (scheme == TOffice11Scheme::schNormalColor ||
                          scheme == TOffice11Scheme::schHomestead);
  const int part = rightPart ? HP_HEADERITEMRIGHT : HP_HEADERITEM;
  DrawPart(canvas, theme, part, partState, bounds);
  TRect textRect = textAreaBounds;
  if (state == TcxButtonState::cxbsPressed)
    textRect = cxRectOffset(textRect, 1, 1);
  DrawContent(canvas, theme, part, partState, bounds, textRect, alignmentHorz, alignmentVert,
              multiLine, showEndEllipsis, false, text, font, textColor, bkColor);
}

void TMeta::DrawHeaderPressed(TcxCanvas*, const TRect&) const {}

void TMeta::DrawHeaderControlSection(TcxCanvas* canvas, const TRect& bounds,
                                     const TRect& textAreaBounds, TcxNeighbors neighbors,
                                     TcxBorders borders, TcxButtonState state,
                                     TAlignment alignmentHorz, TcxAlignmentVert alignmentVert,
                                     bool multiLine, bool showEndEllipsis,
                                     const std::string& text, TFont* font, TColor textColor,
                                     TColor bkColor) const {
  canvas->FillRect(bounds, clBtnFace);
  DrawHeader(canvas, bounds, textAreaBounds, neighbors, borders, state, alignmentHorz,
             alignmentVert, multiLine, showEndEllipsis, text, font, textColor, bkColor, {},
             false);
}

void TMeta::DrawMonthHeader(TcxCanvas* canvas, const TRect& r, const std::string& text,
                            TcxNeighbors neighbors, const TcxViewParams& viewParams,
                            TcxHeaderArrows arrows, int sideWidth,
                            const TcxDrawBackgroundEvent& onDrawBackground) const {
  DrawHeader(canvas, r, r, neighbors, cxBordersAll, TcxButtonState::cxbsNormal,
             TAlignment::taCenter, TcxAlignmentVert::vaCenter, false, false, text,
             viewParams.Font, viewParams.TextColor, viewParams.Color, onDrawBackground,
             !neighbors.Contains(TcxNeighbor::nRight));
  DrawMonthHeaderArrows(canvas, r, arrows, sideWidth, clWindowText);
}

void TMeta::DrawContent(TcxCanvas* canvas, HTHEME theme, int part, int state, const TRect&,
                        const TRect& textAreaBounds, TAlignment alignmentHorz,
                        TcxAlignmentVert alignmentVert, bool multiLine, bool showEndEllipsis,
                        bool showPrefix, const std::string& text, TFont* font, TColor textColor,
                        TColor) const {
  cxDrawThemedText(*canvas, theme, part, state, textAreaBounds, alignmentHorz, alignmentVert,
                   multiLine, showEndEllipsis, showPrefix, text, font, textColor);
}

// ---- footers and filter buttons

void TMeta::DrawFooterBorder(TcxCanvas* canvas, const TRect& r) const {
  const HTHEME theme = OpenTheme(TTot::totEdit);
  if (theme == nullptr) {
    TStandardMeta::DrawFooterBorder(canvas, r);
    return;
  }
  dxUxTheme::DrawThemeEdge(theme, canvas->Handle(), 0, 0, *AsRECT(r), BDR_RAISEDINNER, BF_RECT);
}

void TMeta::DrawFooterCell(TcxCanvas* canvas, const TRect& bounds, TAlignment alignmentHorz,
                           TcxAlignmentVert alignmentVert, bool multiLine,
                           const std::string& text, TFont* font, TColor textColor,
                           TColor bkColor, const TcxDrawBackgroundEvent& onDrawBackground) const {
  const HTHEME theme = OpenTheme(TTot::totTrackBar);
  if (theme == nullptr) {
    TStandardMeta::DrawFooterCell(canvas, bounds, alignmentHorz, alignmentVert, multiLine, text,
                                  font, textColor, bkColor, onDrawBackground);
    return;
  }
  DrawPart(canvas, theme, TKP_TRACK, TRS_NORMAL, bounds);
  DrawContent(canvas, theme, TKP_TRACK, TRS_NORMAL, bounds, FooterCellTextAreaBounds(bounds),
              alignmentHorz, alignmentVert, multiLine, false, false, text, font, textColor,
              bkColor);
}

void TMeta::DrawFilterCloseButton(TcxCanvas* canvas, const TRect& r,
                                  TcxButtonState state) const {
  const HTHEME theme = OpenTheme(TTot::totWindow);
  if (theme == nullptr) {
    TStandardMeta::DrawFilterCloseButton(canvas, r, state);
    return;
  }
  DrawPart(canvas, theme, WindowSmallClose, cxXPSmallCloseButtonStates[Index(state)], r);
}

void TMeta::DrawFilterDropDownButton(TcxCanvas* canvas, const TRect& r, TcxButtonState state,
                                     bool isFilterActive) const {
  const HTHEME theme = OpenTheme(TTot::totComboBox);
  if (theme == nullptr) {
    TStandardMeta::DrawFilterDropDownButton(canvas, r, state, isFilterActive);
    return;
  }
  DrawPart(canvas, theme, CP_DROPDOWNBUTTON, cxXPComboDropDownStates[Index(state)], r);
}

// ---- tabs

void TMeta::DrawTab(TcxCanvas* canvas, const TRect& r, TcxBorders borders,
                    const std::string& text, TcxButtonState state, bool vertical, TFont* font,
                    TColor textColor, TColor bkColor, bool showPrefix) const {
  const HTHEME theme = OpenTheme(TTot::totTab);
  if (theme == nullptr) {
    TStandardMeta::DrawTab(canvas, r, borders, text, state, vertical, font, textColor, bkColor,
                           showPrefix);
    return;
  }
  const int partState = cxXPTabItemStates[Index(state)];
  const TRect caption = cxDrawThemedTab(*canvas, theme, r, borders, partState,
                                        state == TcxButtonState::cxbsPressed, vertical);
  DrawContent(canvas, theme, TABP_TABITEM, partState, r, caption, TAlignment::taCenter,
              TcxAlignmentVert::vaCenter, false, false, showPrefix, text, font, textColor,
              bkColor);
}

void TMeta::DrawTabBorder(TcxCanvas* canvas, const TRect& r, TcxBorder side, TcxBorders borders,
                          bool vertical) const {
  if (OpenTheme(TTot::totTab) == nullptr)
    TStandardMeta::DrawTabBorder(canvas, r, side, borders, vertical);
}

void TMeta::DrawTabsRoot(TcxCanvas* canvas, const TRect& r, TcxBorders borders,
                         bool vertical) const {
  const HTHEME theme = OpenTheme(TTot::totTab);
  if (theme == nullptr)
    TStandardMeta::DrawTabsRoot(canvas, r, borders, vertical);
  else
    cxDrawThemedTabsRoot(*canvas, theme, r, vertical);
}

// ---- others

void TMeta::DrawIndicatorItem(TcxCanvas* canvas, const TRect& r, TcxIndicatorKind kind,
                              TColor color, const TcxDrawBackgroundEvent& onDrawBackground) const {
  TcxFlatLookAndFeelPainter::StaticClass()->DrawIndicatorItem(canvas, r, kind, color,
                                                               onDrawBackground);
}

void TMeta::DrawSizeGrip(TcxCanvas* canvas, const TRect& r, TColor backgroundColor) const {
  canvas->FillRect(r, backgroundColor);
  const HTHEME theme = OpenTheme(TTot::totScrollBar);
  if (theme == nullptr)
    TRootMeta::DrawSizeGrip(canvas, r, clDefault);
  else
    DrawPart(canvas, theme, ScrollBarSizeBox, 1, r);
}

void TMeta::DrawSchedulerNavigatorButton(TcxCanvas* canvas, const TRect& r,
                                         TcxButtonState state) const {
  const HTHEME theme = OpenTheme(TTot::totToolBar);
  if (theme == nullptr) {
    TStandardMeta::DrawSchedulerNavigatorButton(canvas, r, state);
    return;
  }
  DrawPart(canvas, theme, TP_BUTTON, cxXPToolBarButtonStates[Index(state)], r);
}

void TMeta::DrawSchedulerSplitterBorder(TcxCanvas* canvas, const TRect& r,
                                        const TcxViewParams& viewParams,
                                        bool isHorizontal) const {
  if (!AreVisualStylesAvailable(TdxThemedObjectTypes{TTot::totComboBox, TTot::totListView})) {
    TStandardMeta::DrawSchedulerSplitterBorder(canvas, r, viewParams, isHorizontal);
    return;
  }
  const TColor color = ThemeColor(OpenTheme(TTot::totComboBox), CP_DROPDOWNBUTTON, CBXS_NORMAL,
                                  PropertyBorderColor, clBtnShadow);
  TRect rest = r;
  if (isHorizontal) {
    canvas->FillRect(Rect(r.Left, r.Top, r.Right, r.Top + 1), color);
    canvas->FillRect(Rect(r.Left, r.Bottom - 1, r.Right, r.Bottom), color);
    rest = cxRectInflate(r, 1, -1);
  } else {
    canvas->FillRect(Rect(r.Left, r.Top, r.Left + 1, r.Bottom), color);
    canvas->FillRect(Rect(r.Right - 1, r.Top, r.Right, r.Bottom), color);
    rest = cxRectInflate(r, -1, 1);
  }
  canvas->FillRect(rest, viewParams);
}
