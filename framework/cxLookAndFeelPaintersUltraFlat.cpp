// The UltraFlat painter: one-pixel plain frames; hot and pressed buttons take
// light tints of the selection colour inside a highlight frame.
#include "framework/cxGraphicsColors.h"
#include "framework/cxLookAndFeelPaintersShared.h"

namespace {

TRect Inset(const TRect& r, int d) { return Rect(r.Left + d, r.Top + d, r.Right - d, r.Bottom - d); }

bool IsEmptyRect(const TRect& r) { return r.Right <= r.Left || r.Bottom <= r.Top; }

bool IsHotOrPressed(TcxButtonState state) {
  return state == TcxButtonState::cxbsHot || state == TcxButtonState::cxbsPressed;
}

} // namespace

TcxLookAndFeelStyle TcxUltraFlatLookAndFeelPainterMeta::LookAndFeelStyle() const {
  return TcxLookAndFeelStyle::lfsUltraFlat;
}

TColor TcxUltraFlatLookAndFeelPainterMeta::DefaultSchedulerBorderColor() const {
  return clBtnShadow;
}

int TcxUltraFlatLookAndFeelPainterMeta::BorderSize() const { return 1; }

void TcxUltraFlatLookAndFeelPainterMeta::DrawBorder(TcxCanvas* canvas, const TRect& r) const {
  canvas->FrameRect(r, clBtnShadow);
}

// ---- Buttons --------------------------------------------------------------------

int TcxUltraFlatLookAndFeelPainterMeta::ButtonBorderSize(TcxButtonState state) const {
  return state == TcxButtonState::cxbsDefault ? 2 : 1;
}

TColor TcxUltraFlatLookAndFeelPainterMeta::ButtonColor(TcxButtonState state) const {
  switch (state) {
  case TcxButtonState::cxbsHot:
    return GetLightSelColor();
  case TcxButtonState::cxbsPressed:
    return GetLightDownedSelColor();
  default:
    return clBtnFace;
  }
}

TRect TcxUltraFlatLookAndFeelPainterMeta::ButtonFocusRect(TcxCanvas*, const TRect& r) const {
  TRect result = Inset(r, 3);
  return IsEmptyRect(result) ? r : result;
}

TRect TcxUltraFlatLookAndFeelPainterMeta::ButtonGroupBorderSizes(int buttonCount,
                                                                 int buttonIndex) const {
  TRect result = Rect(1, 2, 1, 2);
  if (buttonIndex == 0)
    result.Left = 2;
  if (buttonIndex == buttonCount - 1)
    result.Right = 2;
  return result;
}

int TcxUltraFlatLookAndFeelPainterMeta::ButtonTextOffset() const { return 2; }

int TcxUltraFlatLookAndFeelPainterMeta::ButtonTextShift() const { return 0; }

TColor TcxUltraFlatLookAndFeelPainterMeta::ButtonSymbolColor(TcxButtonState state,
                                                             TColor defaultColor) const {
  if (state == TcxButtonState::cxbsPressed)
    return clHighlightText;
  if (state == TcxButtonState::cxbsDisabled)
    return clBtnShadow;
  return defaultColor == clDefault ? clBtnText : defaultColor;
}

TcxButtonState TcxUltraFlatLookAndFeelPainterMeta::ButtonSymbolState(TcxButtonState) const {
  return TcxButtonState::cxbsNormal;
}

void TcxUltraFlatLookAndFeelPainterMeta::DrawButtonInGroup(TcxCanvas* canvas, const TRect& r,
                                                           TcxButtonState state, int buttonCount,
                                                           int buttonIndex,
                                                           TColor backgroundColor) const {
  bool first = buttonIndex == 0;
  bool last = buttonIndex == buttonCount - 1;
  TRect face = Rect(r.Left + (first ? 1 : 0), r.Top + 1, r.Right - (last ? 1 : 0), r.Bottom - 1);
  if (state == TcxButtonState::cxbsNormal || state == TcxButtonState::cxbsDisabled) {
    canvas->FrameRect(face, backgroundColor);
    face = Inset(face, 1);
  } else {
    if (!first) {
      canvas->FillRect(Rect(face.Left, face.Top, face.Left + 1, face.Bottom), BorderHighlightColor());
      ++face.Left;
    }
    if (!last) {
      canvas->FillRect(Rect(face.Right - 1, face.Top, face.Right, face.Bottom),
                       BorderHighlightColor());
      --face.Right;
    }
  }
  canvas->FillRect(face, ButtonColor(state));
}

void TcxUltraFlatLookAndFeelPainterMeta::DrawButtonBorder(TcxCanvas* canvas, const TRect& r,
                                                          TcxButtonState state) const {
  switch (state) {
  case TcxButtonState::cxbsDefault:
    canvas->FrameRect(r, clWindowFrame);
    canvas->FrameRect(Inset(r, 1), clWindowFrame);
    break;
  case TcxButtonState::cxbsNormal:
    canvas->FrameRect(r, clBtnText);
    break;
  case TcxButtonState::cxbsHot:
  case TcxButtonState::cxbsPressed:
    canvas->FrameRect(r, clHighlight);
    break;
  case TcxButtonState::cxbsDisabled:
    canvas->FrameRect(r, clBtnShadow);
    break;
  }
}

void TcxUltraFlatLookAndFeelPainterMeta::DrawButtonGroupBorder(TcxCanvas* canvas, const TRect& r,
                                                               bool inplace,
                                                               bool selected) const {
  canvas->FrameRect(r, inplace ? clBtnText : selected ? BorderHighlightColor() : clBtnShadow);
}

void TcxUltraFlatLookAndFeelPainterMeta::DrawExpandButton(TcxCanvas* canvas, const TRect& r,
                                                          bool expanded, TColor color) const {
  canvas->FrameRect(r, clBtnShadow);
  TRect inner = Inset(r, 1);
  canvas->FillRect(inner, color == clDefault ? clBtnFace : color);
  DrawExpandButtonCross(canvas, inner, expanded, clBtnText);
  canvas->ExcludeClipRect(r);
}

int TcxUltraFlatLookAndFeelPainterMeta::ExpandButtonSize() const { return 11; }

bool TcxUltraFlatLookAndFeelPainterMeta::IsButtonHotTrack() const { return true; }

void TcxUltraFlatLookAndFeelPainterMeta::DrawCheckBorder(TcxCanvas* canvas, const TRect& r,
                                                         TcxButtonState state) const {
  canvas->FrameRect(r, clBtnText);
  canvas->FrameRect(Inset(r, 1), CheckButtonColor(state));
}

// ---- Headers ----------------------------------------------------------------------

void TcxUltraFlatLookAndFeelPainterMeta::DrawHeaderEx(
    TcxCanvas* canvas, const TRect& bounds, const TRect& textAreaBounds, TcxNeighbors neighbors,
    TcxBorders borders, TcxButtonState state, TAlignment alignmentHorz,
    TcxAlignmentVert alignmentVert, bool multiLine, bool showEndEllipsis, const std::string& text,
    TFont* font, TColor textColor, TColor bkColor,
    const TcxDrawBackgroundEvent& onDrawBackground) const {
  DrawContent(canvas, bounds, Inset(textAreaBounds, 1), static_cast<int>(state), alignmentHorz,
              alignmentVert, multiLine, showEndEllipsis, text, font, textColor, bkColor,
              onDrawBackground, false);
  DrawHeaderBorder(canvas, Inset(bounds, 1), neighbors, borders);
}

void TcxUltraFlatLookAndFeelPainterMeta::DrawHeaderBorder(TcxCanvas* canvas, const TRect& r,
                                                          TcxNeighbors,
                                                          TcxBorders borders) const {
  canvas->FrameRect(r, clBtnText, 1,
                    (borders * TcxBorders{TcxBorder::bLeft, TcxBorder::bTop}) +
                        TcxBorders{TcxBorder::bRight, TcxBorder::bBottom});
}

void TcxUltraFlatLookAndFeelPainterMeta::DrawHeaderControlSectionBorder(
    TcxCanvas* canvas, const TRect& r, TcxBorders borders, TcxButtonState state) const {
  canvas->FrameRect(r, state == TcxButtonState::cxbsDisabled ? clBtnShadow : clBlack, 1, borders);
}

void TcxUltraFlatLookAndFeelPainterMeta::DrawHeaderControlSectionContent(
    TcxCanvas* canvas, const TRect& bounds, const TRect& textAreaBounds, TcxButtonState state,
    TAlignment alignmentHorz, TcxAlignmentVert alignmentVert, bool multiLine,
    bool showEndEllipsis, const std::string& text, TFont* font, TColor textColor,
    TColor bkColor) const {
  bool ownFace = IsHotOrPressed(state) || state == TcxButtonState::cxbsDisabled;
  canvas->FillRect(bounds, ownFace ? ButtonColor(state) : bkColor);
  canvas->Font()->SetColor(textColor);
  DrawHeaderControlSectionText(canvas, textAreaBounds, state, alignmentHorz, alignmentVert,
                               multiLine, showEndEllipsis, text, font, textColor);
}

void TcxUltraFlatLookAndFeelPainterMeta::DrawSortingMark(TcxCanvas* canvas, const TRect& r,
                                                         bool ascending) const {
  DrawSortingArrow(canvas, r, clBtnShadow, clBtnShadow, ascending);
}

TcxBorders TcxUltraFlatLookAndFeelPainterMeta::HeaderBorders(TcxNeighbors neighbors) const {
  TcxBorders result = cxBordersAll;
  if (neighbors.Contains(TcxNeighbor::nLeft))
    result -= TcxBorders{TcxBorder::bLeft};
  if (neighbors.Contains(TcxNeighbor::nTop))
    result -= TcxBorders{TcxBorder::bTop};
  return result;
}

int TcxUltraFlatLookAndFeelPainterMeta::HeaderBorderSize() const { return 1; }

TPoint TcxUltraFlatLookAndFeelPainterMeta::SortingMarkSize() const { return Point(7, 8); }

// ---- Footers and filter buttons --------------------------------------------------------

void TcxUltraFlatLookAndFeelPainterMeta::DrawFooterBorder(TcxCanvas* canvas,
                                                          const TRect& r) const {
  canvas->FillRect(Rect(r.Right - 1, r.Top, r.Right, r.Bottom), FooterSeparatorColor());
  canvas->FillRect(Rect(r.Left, r.Bottom - 1, r.Right, r.Bottom), FooterSeparatorColor());
}

void TcxUltraFlatLookAndFeelPainterMeta::DrawFooterCellBorder(TcxCanvas* canvas,
                                                              const TRect& r) const {
  canvas->FrameRect(r, FooterSeparatorColor());
}

TcxBorders TcxUltraFlatLookAndFeelPainterMeta::FooterBorders() const {
  return {TcxBorder::bRight, TcxBorder::bBottom};
}

int TcxUltraFlatLookAndFeelPainterMeta::FooterBorderSize() const { return 1; }

int TcxUltraFlatLookAndFeelPainterMeta::FooterCellBorderSize() const { return 1; }

int TcxUltraFlatLookAndFeelPainterMeta::FooterCellOffset() const { return 2; }

void TcxUltraFlatLookAndFeelPainterMeta::DrawFilterDropDownButton(TcxCanvas* canvas,
                                                                  const TRect& r,
                                                                  TcxButtonState state,
                                                                  bool isFilterActive) const {
  canvas->FrameRect(r, FilterDropDownButtonBorderColor(state));
  TRect inner = Inset(r, 1);
  canvas->FillRect(inner, ButtonColor(state));
  DrawButtonArrow(canvas, inner, isFilterActive ? clBlue : ButtonSymbolColor(state));
}

TPoint TcxUltraFlatLookAndFeelPainterMeta::FilterCloseButtonSize() const {
  TPoint size = TcxCustomLookAndFeelPainterMeta::FilterCloseButtonSize();
  return Point(size.X, size.Y + 1);
}

// ---- Tabs ----------------------------------------------------------------------------------

void TcxUltraFlatLookAndFeelPainterMeta::DrawTabBorder(TcxCanvas* canvas, const TRect& r,
                                                       TcxBorder side, TcxBorders,
                                                       bool vertical) const {
  TcxBorder farSide = vertical ? TcxBorder::bBottom : TcxBorder::bRight;
  if (side != farSide) {
    canvas->FillRect(r, TabBorderHighlightColor());
    return;
  }
  TRect strip = r;
  if (!vertical)
    strip.Bottom -= TabBorderSize(vertical);
  canvas->FillRect(strip, TabBorderDarkColor());
}

void TcxUltraFlatLookAndFeelPainterMeta::DrawTabsRoot(TcxCanvas* canvas, const TRect& r,
                                                      TcxBorders borders, bool vertical) const {
  canvas->DrawComplexFrame(r, TabBorderHighlightColor(), TabBorderHighlightColor(), borders,
                           TabBorderSize(vertical));
}

int TcxUltraFlatLookAndFeelPainterMeta::TabBorderSize(bool) const { return 1; }

// ---- Scroll bar and scheduler ------------------------------------------------------------------

void TcxUltraFlatLookAndFeelPainterMeta::DrawScrollBarPart(TcxCanvas* canvas, bool horizontal,
                                                           const TRect& r, TcxScrollBarPart part,
                                                           TcxButtonState state) const {
  if (IsEmptyRect(r) ||
      (part == TcxScrollBarPart::sbpThumbnail && state == TcxButtonState::cxbsDisabled))
    return;
  switch (part) {
  case TcxScrollBarPart::sbpLineUp:
  case TcxScrollBarPart::sbpLineDown:
  case TcxScrollBarPart::sbpThumbnail:
    DrawButton(canvas, r, "", state);
    if (part != TcxScrollBarPart::sbpThumbnail)
      DrawScrollBarArrow(canvas, r, state, GetArrowDirection(horizontal, part));
    break;
  case TcxScrollBarPart::sbpPageUp:
  case TcxScrollBarPart::sbpPageDown:
    cxFillScrollBarPage(canvas, r, state);
    break;
  case TcxScrollBarPart::sbpNone:
    break;
  }
}

void TcxUltraFlatLookAndFeelPainterMeta::DrawSchedulerNavigatorButton(
    TcxCanvas* canvas, const TRect& r, TcxButtonState state) const {
  DrawButton(canvas, r, "", state, IsHotOrPressed(state));
}

void TcxUltraFlatLookAndFeelPainterMeta::DrawSchedulerSplitterBorder(
    TcxCanvas* canvas, const TRect& r, const TcxViewParams& viewParams, bool isHorizontal) const {
  TColor color = DefaultSchedulerBorderColor();
  cxDrawSplitterBorder(canvas, r, viewParams, isHorizontal, {{color, color}});
}

// ---- Colours this look adds ------------------------------------------------------------------------

TColor TcxUltraFlatLookAndFeelPainterMeta::FilterDropDownButtonBorderColor(
    TcxButtonState state) const {
  return state == TcxButtonState::cxbsNormal ? clBtnShadow : clHighlight;
}

TColor TcxUltraFlatLookAndFeelPainterMeta::TabBorderHighlightColor() const { return clBtnShadow; }

TColor TcxUltraFlatLookAndFeelPainterMeta::TabBorderDarkColor() const { return clBtnText; }

TColor TcxUltraFlatLookAndFeelPainterMeta::BorderHighlightColor() const { return clHighlight; }
