#include "framework/cxLookAndFeelPaintersOffice11.h"

#include "framework/cxLookAndFeelPainters.h"
#include "framework/dxOffice11.h"
#include "framework/dxThemeManager.h"

TcxOffice11HeaderColors cxOffice11HeaderColors() {
  return {GetMiddleRGB(dxOffice11ToolbarsColor1, dxOffice11ToolbarsColor2, 50),
          dxOffice11ToolbarsColor2, dxOffice11BarSeparatorColor1, dxOffice11BarSeparatorColor2};
}

void cxOffice11FillHeaderBackground(HDC dc, const TRect& bounds, bool hot, bool footer,
                                    const TcxOffice11HeaderColors& colors) {
  const TColor first = hot ? dxOffice11ToolbarsColor1 : colors.Top;
  const TColor second = hot ? dxOffice11ToolbarsColor1 : colors.Bottom;
  if (footer) {
    FillRectByColor(dc, bounds, first);
    return;
  }
  FillRectByColor(dc, Rect(bounds.Left, bounds.Top, bounds.Right, bounds.Bottom - 3), first);
  FillGradientRect(dc, Rect(bounds.Left, bounds.Bottom - 4, bounds.Right, bounds.Bottom), first,
                   false, second);
}

void cxOffice11DrawHotUnderline(HDC dc, const TRect& bounds) {
  FillGradientRect(dc, Rect(bounds.Left - 1, bounds.Bottom - 2, bounds.Right, bounds.Bottom + 1),
                   dxOffice11SelectedColor1, false, dxOffice11SelectedColor2);
}

namespace {

void Pixel(TcxCanvas& canvas, int x, int y, TColor color) {
  canvas.FillRect(Rect(x, y, x + 1, y + 1), color);
}

void Column(TcxCanvas& canvas, int x, int top, int bottom, TColor color) {
  if (top < bottom)
    canvas.FillRect(Rect(x, top, x + 1, bottom), color);
}

void DrawLeftSide(TcxCanvas& canvas, const TRect& r, bool neighbor,
                  const TcxOffice11HeaderColors& c) {
  Pixel(canvas, r.Left, r.Top + 1, c.Top);
  if (neighbor) {
    Pixel(canvas, r.Left, r.Top + 2, c.Top);
    Pixel(canvas, r.Left, r.Bottom - 3, GetMiddleRGB(c.Top, c.Bottom, 25));
    Pixel(canvas, r.Left, r.Bottom - 2, c.Bottom);
    Column(canvas, r.Left, r.Top + 2, r.Bottom - 3, c.HighlightEdge);
  } else {
    Pixel(canvas, r.Left, r.Bottom - 2, c.Bottom);
    Column(canvas, r.Left, r.Top + 1, r.Bottom - 2, c.HighlightEdge);
  }
}

void DrawRightSide(TcxCanvas& canvas, const TRect& r, bool neighbor,
                   const TcxOffice11HeaderColors& c) {
  const int x = r.Right - 1;
  if (neighbor) {
    Pixel(canvas, x, r.Top + 1, c.Top);
    Pixel(canvas, x, r.Top + 2, c.Top);
    Pixel(canvas, x, r.Bottom - 3, GetMiddleRGB(c.Top, c.Bottom, 25));
    Pixel(canvas, x, r.Bottom - 2, c.Bottom);
    Column(canvas, x, r.Top + 2, r.Bottom - 3, c.DarkEdge);
  } else {
    Pixel(canvas, x, r.Top, GetMiddleRGB(c.Top, c.DarkEdge, 50));
    Pixel(canvas, x, r.Bottom - 2, GetMiddleRGB(c.Bottom, c.DarkEdge, 50));
    Column(canvas, x, r.Top + 1, r.Bottom - 2, c.DarkEdge);
  }
}

// Holds the scheme's bitmaps while a drawing needs them and nobody else does.
class TcxOffice11ColorsReference {
public:
  TcxOffice11ColorsReference() {
    if (dxOffice11ExpandButtonBitmap1 == nullptr) {
      CreateOffice11Colors();
      m_held = true;
    }
  }
  ~TcxOffice11ColorsReference() {
    if (m_held)
      ReleaseOffice11Colors();
  }
  TcxOffice11ColorsReference(const TcxOffice11ColorsReference&) = delete;
  TcxOffice11ColorsReference& operator=(const TcxOffice11ColorsReference&) = delete;

private:
  bool m_held = false;
};

constexpr int ExpandButtonLast = 10;

} // namespace

void cxOffice11DrawHeaderBorder(TcxCanvas& canvas, const TRect& r, bool leftNeighbor,
                                bool rightNeighbor, TcxBorders borders,
                                const TcxOffice11HeaderColors& colors) {
  if (borders.Contains(TcxBorder::bTop))
    canvas.FillRect(Rect(r.Left, r.Top, r.Right, r.Top + 1), colors.Top);
  if (borders.Contains(TcxBorder::bBottom))
    canvas.FillRect(Rect(r.Left, r.Bottom - 1, r.Right, r.Bottom), colors.DarkEdge);
  if (borders.Contains(TcxBorder::bLeft))
    DrawLeftSide(canvas, r, leftNeighbor, colors);
  if (borders.Contains(TcxBorder::bRight))
    DrawRightSide(canvas, r, rightNeighbor, colors);
}

void cxOffice11DrawExpandButton(TcxCanvas& canvas, const TRect& r, bool expanded) {
  const TcxOffice11ColorsReference reference;
  TBitmap* bitmap = expanded ? dxOffice11ExpandButtonBitmap1 : dxOffice11ExpandButtonBitmap2;
  const HDC dc = canvas.Handle();
  const TColor topLeft = GetPixel(dc, r.Left, r.Top);
  const TColor bottomRight = GetPixel(dc, r.Right - 1, r.Bottom - 1);
  TCanvas* pixels = bitmap->Canvas();
  pixels->SetPixels(0, 0, GetMiddleRGB(dxOffice11ExpandButtonColor1, topLeft, 25));
  const TColor farCorners = GetMiddleRGB(dxOffice11ExpandButtonColor2, bottomRight, 25);
  pixels->SetPixels(ExpandButtonLast, ExpandButtonLast, farCorners);
  pixels->SetPixels(0, ExpandButtonLast, farCorners);
  pixels->SetPixels(ExpandButtonLast, 0, farCorners);
  canvas.Draw(r.Left, r.Top, bitmap);
}

// ---- the Office 2003 painter

namespace {

using TMeta = TcxOffice11LookAndFeelPainterMeta;
using TUltraFlatMeta = TcxUltraFlatLookAndFeelPainterMeta;
using TState = TcxButtonState;

constexpr int Office11ExpandButtonSize = 11;

TcxOffice11HeaderColors HeaderColorsOf(const TMeta& painter) {
  return {painter.HeaderTopColor(), painter.HeaderBottomColor(), painter.HeaderDarkEdgeColor(),
          painter.HeaderHighlightEdgeColor()};
}

} // namespace

int TMeta::ExpandButtonSize() const { return Office11ExpandButtonSize; }
int TMeta::SmallExpandButtonSize() const { return ExpandButtonSize(); }
bool TMeta::DrawExpandButtonFirst() const { return false; }
TcxBorders TMeta::HeaderBorders(TcxNeighbors) const { return cxBordersAll; }
int TMeta::HeaderBorderSize() const { return 1; }
bool TMeta::IsHeaderHotTrack() const { return true; }

TColor TMeta::HeaderTopColor() const { return cxOffice11HeaderColors().Top; }
TColor TMeta::HeaderBottomColor() const { return dxOffice11ToolbarsColor2; }
TColor TMeta::HeaderDarkEdgeColor() const { return dxOffice11BarSeparatorColor1; }
TColor TMeta::HeaderHighlightEdgeColor() const { return dxOffice11BarSeparatorColor2; }

TColor TMeta::ButtonColor(TState state) const {
  switch (state) {
  case TState::cxbsHot:
    return dxOffice11SelectedColor1;
  case TState::cxbsPressed:
    return dxOffice11SelectedDownColor1;
  case TState::cxbsDisabled:
    return clBtnFace;
  default:
    return dxOffice11DockColor1;
  }
}

TColor TMeta::ButtonSymbolColor(TState state, TColor) const {
  if (state == TState::cxbsDisabled)
    return dxOffice11TextDisabledColor;
  if (state == TState::cxbsPressed && !IsXPStandardScheme())
    return clHighlightText;
  return dxOffice11TextEnabledColor;
}

TColor TMeta::CheckButtonColor(TState state) const {
  if (state == TState::cxbsDefault || state == TState::cxbsNormal)
    return clWindow;
  return ButtonColor(state);
}

void TMeta::DrawButtonBorder(TcxCanvas* canvas, const TRect& r, TState state) const {
  switch (state) {
  case TState::cxbsDefault:
    TUltraFlatMeta::DrawButtonBorder(canvas, r, state);
    break;
  case TState::cxbsNormal:
    canvas->FrameRect(r, clBtnText);
    break;
  case TState::cxbsDisabled:
    canvas->FrameRect(r, dxOffice11TextDisabledColor);
    break;
  default:
    canvas->FrameRect(r, dxOffice11SelectedBorderColor);
    break;
  }
}

void TMeta::DrawBorder(TcxCanvas* canvas, const TRect& r) const {
  canvas->FrameRect(r, dxOffice11ControlBorderColor);
}

void TMeta::DrawScrollBarPart(TcxCanvas* canvas, bool horizontal, const TRect& r,
                              TcxScrollBarPart part, TState state) const {
  if (AreVisualStylesAvailable(TdxThemedObjectType::totScrollBar))
    TcxWinXPLookAndFeelPainter::StaticClass()->DrawScrollBarPart(canvas, horizontal, r, part,
                                                                 state);
  else
    TcxStandardLookAndFeelPainter::StaticClass()->DrawScrollBarPart(canvas, horizontal, r, part,
                                                                    state);
}

void TMeta::DrawSizeGrip(TcxCanvas* canvas, const TRect& r, TColor backgroundColor) const {
  canvas->FillRect(r, backgroundColor);
  Office11DrawSizeGrip(canvas->Handle(), r);
}

void TMeta::DrawExpandButton(TcxCanvas* canvas, const TRect& r, bool expanded, TColor) const {
  cxOffice11DrawExpandButton(*canvas, r, expanded);
}

void TMeta::DrawSmallExpandButton(TcxCanvas* canvas, const TRect& r, bool expanded, TColor,
                                  TColor color) const {
  DrawExpandButton(canvas, r, expanded, color);
}

void TMeta::DrawHeaderBorder(TcxCanvas* canvas, const TRect& r, TcxNeighbors neighbors,
                             TcxBorders borders) const {
  cxOffice11DrawHeaderBorder(*canvas, r, neighbors.Contains(TcxNeighbor::nLeft),
                             neighbors.Contains(TcxNeighbor::nRight), borders,
                             HeaderColorsOf(*this));
}

// ---- Header content, headers, sorting marks and month headers

namespace {

using TRootMeta = TcxCustomLookAndFeelPainterMeta;

constexpr int HotContentState = static_cast<int>(TState::cxbsHot);
// Centred both ways on one line.
constexpr int MonthHeaderTextFlags = 0x64;

// Tells the root's content drawing that the background is already painted.
const TcxDrawBackgroundEvent& BackgroundDrawn() {
  static const TcxDrawBackgroundEvent event = [](TcxCanvas*, const TRect&) { return true; };
  return event;
}

} // namespace

void TMeta::DrawContent(TcxCanvas* canvas, const TRect& bounds, const TRect& textAreaBounds,
                        int state, TAlignment alignmentHorz, TcxAlignmentVert alignmentVert,
                        bool multiLine, bool showEndEllipsis, const std::string& text,
                        TFont* font, TColor textColor, TColor bkColor,
                        const TcxDrawBackgroundEvent& onDrawBackground, bool isFooter) const {
  const bool hot = state == HotContentState;
  if (!onDrawBackground || !onDrawBackground(canvas, bounds))
    cxOffice11FillHeaderBackground(canvas->Handle(), bounds, hot, isFooter, HeaderColorsOf(*this));
  TRootMeta::DrawContent(canvas, bounds, textAreaBounds, state, alignmentHorz, alignmentVert,
                         multiLine, showEndEllipsis, text, font, textColor, bkColor,
                         BackgroundDrawn(), isFooter);
  if (hot)
    cxOffice11DrawHotUnderline(canvas->Handle(), bounds);
}

void TMeta::DrawHeader(TcxCanvas* canvas, const TRect& bounds, const TRect& textAreaBounds,
                       TcxNeighbors neighbors, TcxBorders borders, TState state,
                       TAlignment alignmentHorz, TcxAlignmentVert alignmentVert, bool multiLine,
                       bool showEndEllipsis, const std::string& text, TFont* font,
                       TColor textColor, TColor bkColor, const TcxDrawBackgroundEvent&,
                       bool isLast) const {
  TRootMeta::DrawHeader(canvas, bounds, textAreaBounds, neighbors, borders, state, alignmentHorz,
                        alignmentVert, multiLine, showEndEllipsis, text, font, textColor, bkColor,
                        {}, isLast);
}

void TMeta::DrawHeaderControlSection(TcxCanvas* canvas, const TRect& bounds,
                                     const TRect& textAreaBounds, TcxNeighbors neighbors,
                                     TcxBorders borders, TState state, TAlignment alignmentHorz,
                                     TcxAlignmentVert alignmentVert, bool multiLine,
                                     bool showEndEllipsis, const std::string& text, TFont* font,
                                     TColor textColor, TColor bkColor) const {
  DrawHeader(canvas, bounds, textAreaBounds, neighbors, borders, state, alignmentHorz,
             alignmentVert, multiLine, showEndEllipsis, text, font, textColor, bkColor, {}, false);
  if (state == TState::cxbsPressed)
    DrawHeaderPressed(canvas, bounds);
}

void TMeta::DrawSortingMark(TcxCanvas* canvas, const TRect& r, bool ascending) const {
  DrawSortingArrow(canvas, r, HeaderDarkEdgeColor(), HeaderHighlightEdgeColor(), ascending);
}

void TMeta::DrawMonthHeader(TcxCanvas* canvas, const TRect& r, const std::string& text,
                            TcxNeighbors, const TcxViewParams& viewParams,
                            TcxHeaderArrows arrows, int sideWidth,
                            const TcxDrawBackgroundEvent& onDrawBackground) const {
  const TRect content = Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
  if (!onDrawBackground || !onDrawBackground(canvas, content))
    canvas->FillRect(content, viewParams);
  if (!text.empty()) {
    if (viewParams.Font)
      canvas->SetFont(viewParams.Font);
    canvas->Font()->SetColor(viewParams.TextColor);
    canvas->Brush()->SetStyle(TBrushStyle::bsClear);
    canvas->DrawTexT(text, content, MonthHeaderTextFlags);
    canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
  }
  DrawMonthHeaderArrows(canvas, r, arrows, sideWidth, clWindowText);
}

void TMeta::DrawSchedulerBorder(TcxCanvas* canvas, const TRect& r) const {
  canvas->FrameRect(r, DefaultSchedulerBorderColor());
}

void TMeta::DrawSchedulerNavigatorButton(TcxCanvas* canvas, const TRect& r, TState state) const {
  TcxWinXPLookAndFeelPainter::StaticClass()->DrawSchedulerNavigatorButton(canvas, r, state);
}

// ---- Colours

TColor TMeta::BorderHighlightColor() const { return dxOffice11SelectedBorderColor; }

TColor TMeta::FilterDropDownButtonBorderColor(TState state) const {
  return state == TState::cxbsNormal ? HeaderDarkEdgeColor() : dxOffice11SelectedBorderColor;
}

TColor TMeta::FooterSeparatorColor() const { return HeaderDarkEdgeColor(); }
TColor TMeta::TabBorderHighlightColor() const { return HeaderDarkEdgeColor(); }

TColor TMeta::DefaultDateNavigatorHeaderColor() const { return dxOffice11DockColor1; }
TColor TMeta::DefaultDateNavigatorSelectionColor() const {
  return dxOffice11DayNavigatorSelectedColor;
}
TColor TMeta::DefaultDateNavigatorSelectionTextColor() const { return clWindowText; }
TColor TMeta::DefaultFilterBoxColor() const { return dxOffice11BarFloatingBorderColor1; }
TColor TMeta::DefaultFilterBoxTextColor() const { return dxOffice11BarFloatingCaptionTextColor1; }
TColor TMeta::DefaultFooterColor() const { return dxOffice11DockColor1; }
TColor TMeta::DefaultFooterTextColor() const { return DefaultHeaderTextColor(); }
TColor TMeta::DefaultGroupColor() const { return dxOffice11GroupColor; }
TColor TMeta::DefaultGroupByBoxColor() const { return dxOffice11InPlaceSubItemColor; }
TColor TMeta::DefaultGroupByBoxTextColor() const { return dxOffice11ToolbarsColor1; }
TColor TMeta::DefaultHeaderColor() const { return HeaderTopColor(); }
TColor TMeta::DefaultHeaderBackgroundColor() const { return DefaultGroupByBoxColor(); }
TColor TMeta::DefaultSchedulerBorderColor() const { return dxOffice11OutlookBorderColor; }
TColor TMeta::DefaultSchedulerControlColor() const { return dxOffice11OutlookControlColor; }
TColor TMeta::DefaultTabColor() const { return dxOffice11DockColor2; }
TColor TMeta::DefaultTabsBackgroundColor() const { return DefaultTabColor(); }
TColor TMeta::DefaultTimeGridMinorScaleColor() const { return dxOffice11DockColor1; }
TColor TMeta::DefaultTimeGridSelectionBarColor() const { return DefaultSchedulerControlColor(); }
