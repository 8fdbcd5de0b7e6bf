// The Flat painter: the Standard painter's 3D edges reduced to one pixel.
#include "framework/cxLookAndFeelPaintersShared.h"

namespace {

TRect Inset(const TRect& r, int d) { return Rect(r.Left + d, r.Top + d, r.Right - d, r.Bottom - d); }

bool IsEmptyRect(const TRect& r) { return r.Right <= r.Left || r.Bottom <= r.Top; }

void Sunken(TcxCanvas* canvas, const TRect& r, TcxBorders borders = cxBordersAll) {
  cxDrawSolidFrame(canvas, r, clBtnShadow, clBtnHighlight, borders);
}

void Raised(TcxCanvas* canvas, const TRect& r, TcxBorders borders = cxBordersAll) {
  cxDrawSolidFrame(canvas, r, clBtnHighlight, clBtnShadow, borders);
}

const TcxStandardLookAndFeelPainterMeta* Standard() {
  return TcxStandardLookAndFeelPainter::StaticClass();
}

} // namespace

TcxLookAndFeelStyle TcxFlatLookAndFeelPainterMeta::LookAndFeelStyle() const {
  return TcxLookAndFeelStyle::lfsFlat;
}

int TcxFlatLookAndFeelPainterMeta::BorderSize() const { return 1; }

void TcxFlatLookAndFeelPainterMeta::DrawBorder(TcxCanvas* canvas, const TRect& r) const {
  Sunken(canvas, r);
}

int TcxFlatLookAndFeelPainterMeta::ButtonBorderSize(TcxButtonState state) const {
  return state == TcxButtonState::cxbsDefault ? 2 : 1;
}

int TcxFlatLookAndFeelPainterMeta::ButtonTextOffset() const { return 1; }

int TcxFlatLookAndFeelPainterMeta::ButtonTextShift() const { return 1; }

void TcxFlatLookAndFeelPainterMeta::DrawButtonBorder(TcxCanvas* canvas, const TRect& r,
                                                     TcxButtonState state) const {
  switch (state) {
  case TcxButtonState::cxbsPressed:
    Sunken(canvas, r);
    break;
  case TcxButtonState::cxbsDefault:
    canvas->FrameRect(r, clBlack);
    Raised(canvas, Inset(r, 1));
    break;
  default:
    Raised(canvas, r);
    break;
  }
}

void TcxFlatLookAndFeelPainterMeta::DrawExpandButton(TcxCanvas* canvas, const TRect& r,
                                                     bool expanded, TColor color) const {
  DrawButton(canvas, r, "", TcxButtonState::cxbsNormal, true, color, clDefault);
  DrawExpandButtonCross(canvas, Inset(r, 1), expanded, clBtnText);
  canvas->ExcludeClipRect(r);
}

int TcxFlatLookAndFeelPainterMeta::ExpandButtonSize() const { return 11; }

void TcxFlatLookAndFeelPainterMeta::DrawCheckBorder(TcxCanvas* canvas, const TRect& r,
                                                    TcxButtonState state) const {
  Sunken(canvas, r);
  canvas->FrameRect(Inset(r, 1), CheckButtonColor(state));
}

void TcxFlatLookAndFeelPainterMeta::DrawHeaderBorder(TcxCanvas* canvas, const TRect& r,
                                                     TcxNeighbors neighbors,
                                                     TcxBorders borders) const {
  Standard()->DrawHeaderBorder(canvas, r, neighbors, borders);
}

void TcxFlatLookAndFeelPainterMeta::DrawHeaderControlSectionBorder(TcxCanvas* canvas,
                                                                   const TRect& r,
                                                                   TcxBorders borders,
                                                                   TcxButtonState state) const {
  if (state == TcxButtonState::cxbsPressed)
    Sunken(canvas, r, borders);
  else
    Raised(canvas, r, borders);
}

void TcxFlatLookAndFeelPainterMeta::DrawSortingMark(TcxCanvas* canvas, const TRect& r,
                                                    bool ascending) const {
  DrawSortingArrow(canvas, r, clBtnShadow, clBtnHighlight, ascending);
}

int TcxFlatLookAndFeelPainterMeta::HeaderBorderSize() const { return 1; }

TPoint TcxFlatLookAndFeelPainterMeta::SortingMarkSize() const { return Point(8, 7); }

int TcxFlatLookAndFeelPainterMeta::FooterBorderSize() const { return 1; }

int TcxFlatLookAndFeelPainterMeta::FooterCellBorderSize() const { return 1; }

int TcxFlatLookAndFeelPainterMeta::FooterCellOffset() const { return 1; }

void TcxFlatLookAndFeelPainterMeta::DrawFooterBorder(TcxCanvas* canvas, const TRect& r) const {
  Raised(canvas, r);
}

void TcxFlatLookAndFeelPainterMeta::DrawFooterCellBorder(TcxCanvas* canvas,
                                                         const TRect& r) const {
  Sunken(canvas, r);
}

void TcxFlatLookAndFeelPainterMeta::DrawFilterDropDownButton(TcxCanvas* canvas, const TRect& r,
                                                             TcxButtonState state,
                                                             bool isFilterActive) const {
  if (state == TcxButtonState::cxbsPressed)
    Sunken(canvas, r);
  else
    Raised(canvas, r);
  TRect inner = Inset(r, 1);
  canvas->FillRect(inner, clBtnFace);
  DrawButtonArrow(canvas, inner, isFilterActive ? clBlue : clBtnText);
}

void TcxFlatLookAndFeelPainterMeta::DrawTabBorder(TcxCanvas* canvas, const TRect& r,
                                                  TcxBorder side, TcxBorders borders,
                                                  bool vertical) const {
  Standard()->DrawTabBorder(canvas, r, side, borders, vertical);
}

void TcxFlatLookAndFeelPainterMeta::DrawTabsRoot(TcxCanvas* canvas, const TRect& r,
                                                 TcxBorders borders, bool vertical) const {
  Standard()->DrawTabsRoot(canvas, r, borders, vertical);
}

int TcxFlatLookAndFeelPainterMeta::TabBorderSize(bool) const { return 1; }

void TcxFlatLookAndFeelPainterMeta::DrawScrollBarPart(TcxCanvas* canvas, bool horizontal,
                                                      const TRect& r, TcxScrollBarPart part,
                                                      TcxButtonState state) const {
  if (IsEmptyRect(r) ||
      (part == TcxScrollBarPart::sbpThumbnail && state == TcxButtonState::cxbsDisabled))
    return;
  if (state == TcxButtonState::cxbsHot)
    state = TcxButtonState::cxbsNormal;
  switch (part) {
  case TcxScrollBarPart::sbpLineUp:
  case TcxScrollBarPart::sbpLineDown:
  case TcxScrollBarPart::sbpThumbnail:
    DrawButton(canvas, r, "", state);
    if (part != TcxScrollBarPart::sbpThumbnail)
      DrawScrollBarArrow(canvas, Inset(r, ButtonBorderSize(TcxButtonState::cxbsNormal)), state,
                         GetArrowDirection(horizontal, part));
    break;
  case TcxScrollBarPart::sbpPageUp:
  case TcxScrollBarPart::sbpPageDown:
    cxFillScrollBarPage(canvas, r, state);
    break;
  case TcxScrollBarPart::sbpNone:
    break;
  }
}

void TcxFlatLookAndFeelPainterMeta::DrawSchedulerSplitterBorder(TcxCanvas* canvas,
                                                                const TRect& r,
                                                                const TcxViewParams& viewParams,
                                                                bool isHorizontal) const {
  cxDrawSplitterBorder(canvas, r, viewParams, isHorizontal, {{clBtnHighlight, clBtnShadow}});
}
