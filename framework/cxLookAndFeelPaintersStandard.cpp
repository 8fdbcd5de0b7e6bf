// The Standard painter: classic 3D, two-pixel sunken and raised edges, the
// platform's scroll-bar arrow glyphs and a checkered page area.
#include "framework/cxLookAndFeelPaintersShared.h"

namespace {

TRect Inset(const TRect& r, int d) { return Rect(r.Left + d, r.Top + d, r.Right - d, r.Bottom - d); }

bool IsEmptyRect(const TRect& r) { return r.Right <= r.Left || r.Bottom <= r.Top; }

// One pixel on all sides: left and top in one colour, right and bottom in
// the other.
void Frame(TcxCanvas* canvas, const TRect& r, TColor leftTop, TColor rightBottom,
           TcxBorders borders = cxBordersAll) {
  cxDrawSolidFrame(canvas, r, leftTop, rightBottom, borders);
}

void Fill(TcxCanvas* canvas, const TRect& r, TColor color) { cxFillSolidRect(canvas, r, color); }

void DrawScrollBarButtonBorder(TcxCanvas* canvas, const TRect& r, bool pressedLine) {
  if (pressedLine) {
    Frame(canvas, r, clBtnShadow, clBtnShadow);
    Frame(canvas, Inset(r, 1), clBtnFace, clBtnFace);
  } else {
    Frame(canvas, r, clBtnFace, cl3DDkShadow);
    Frame(canvas, Inset(r, 1), clBtnHighlight, clBtnShadow);
  }
}

} // namespace

void cxFillSolidRect(TcxCanvas* canvas, const TRect& r, TColor color) {
  if (color == clNone || IsEmptyRect(r))
    return;
  const HDC dc = canvas->Handle();
  ::SetDCBrushColor(dc, static_cast<COLORREF>(ColorToRGB(color)));
  ::FillRect(dc, AsRECT(r), static_cast<HBRUSH>(::GetStockObject(DC_BRUSH)));
}

void cxDrawSolidFrame(TcxCanvas* canvas, const TRect& r, TColor leftTop, TColor rightBottom,
                      TcxBorders borders) {
  if (borders.Contains(TcxBorder::bLeft))
    cxFillSolidRect(canvas, Rect(r.Left, r.Top, r.Left + 1, r.Bottom), leftTop);
  if (borders.Contains(TcxBorder::bTop))
    cxFillSolidRect(canvas, Rect(r.Left, r.Top, r.Right, r.Top + 1), leftTop);
  if (borders.Contains(TcxBorder::bRight))
    cxFillSolidRect(canvas, Rect(r.Right - 1, r.Top, r.Right, r.Bottom), rightBottom);
  if (borders.Contains(TcxBorder::bBottom))
    cxFillSolidRect(canvas, Rect(r.Left, r.Bottom - 1, r.Right, r.Bottom), rightBottom);
}

void cxFillScrollBarPage(TcxCanvas* canvas, const TRect& r, TcxButtonState state) {
  canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
  canvas->Brush()->SetColor(clBtnFace);
  canvas->FillRect(r, cxScrollBarPattern(state == TcxButtonState::cxbsPressed));
  canvas->Brush()->SetBitmap(nullptr);
  canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
}

void cxDrawSplitterBorder(TcxCanvas* canvas, const TRect& r, const TcxViewParams& viewParams,
                          bool horizontal, std::initializer_list<std::pair<TColor, TColor>> pairs) {
  TRect rest = r;
  for (const auto& [first, second] : pairs) {
    if (horizontal) {
      Fill(canvas, Rect(rest.Left, rest.Top, rest.Right, rest.Top + 1), first);
      Fill(canvas, Rect(rest.Left, rest.Bottom - 1, rest.Right, rest.Bottom), second);
      rest = Rect(rest.Left, rest.Top + 1, rest.Right, rest.Bottom - 1);
    } else {
      Fill(canvas, Rect(rest.Left, rest.Top, rest.Left + 1, rest.Bottom), first);
      Fill(canvas, Rect(rest.Right - 1, rest.Top, rest.Right, rest.Bottom), second);
      rest = Rect(rest.Left + 1, rest.Top, rest.Right - 1, rest.Bottom);
    }
  }
  canvas->FillRect(rest, viewParams);
}

TColor TcxStandardLookAndFeelPainterMeta::DefaultSchedulerViewContentColor() const {
  return clWindow;
}

int TcxStandardLookAndFeelPainterMeta::BorderSize() const { return 2; }

void TcxStandardLookAndFeelPainterMeta::DrawBorder(TcxCanvas* canvas, const TRect& r) const {
  Frame(canvas, r, clBtnShadow, clBtnHighlight);
  Frame(canvas, Inset(r, 1), cl3DDkShadow, cl3DLight);
}

int TcxStandardLookAndFeelPainterMeta::ButtonBorderSize(TcxButtonState state) const {
  return state == TcxButtonState::cxbsDefault ? 3 : 2;
}

int TcxStandardLookAndFeelPainterMeta::ButtonTextOffset() const { return 1; }

int TcxStandardLookAndFeelPainterMeta::ButtonTextShift() const { return 1; }

void TcxStandardLookAndFeelPainterMeta::DrawButtonBorder(TcxCanvas* canvas, const TRect& r,
                                                         TcxButtonState state) const {
  TRect ring = r;
  if (state == TcxButtonState::cxbsPressed) {
    canvas->FrameRect(ring, clBlack);
    Frame(canvas, Inset(ring, 1), clBtnShadow, clBtnShadow);
    return;
  }
  if (state == TcxButtonState::cxbsDefault) {
    canvas->FrameRect(ring, clBlack);
    ring = Inset(ring, 1);
  }
  Frame(canvas, ring, clBtnHighlight, cl3DDkShadow);
  Frame(canvas, Inset(ring, 1), cl3DLight, clBtnShadow);
}

void TcxStandardLookAndFeelPainterMeta::DrawExpandButton(TcxCanvas* canvas, const TRect& r,
                                                         bool expanded, TColor color) const {
  Frame(canvas, r, clBtnHighlight, cl3DDkShadow);
  TRect inner = Inset(r, 1);
  Frame(canvas, inner, clBtnShadow, clBtnShadow, {TcxBorder::bRight, TcxBorder::bBottom});
  inner.Right -= 1;
  inner.Bottom -= 1;
  Fill(canvas, inner, color == clDefault ? clBtnFace : color);
  DrawExpandButtonCross(canvas, inner, expanded, clBtnText);
  canvas->ExcludeClipRect(r);
}

void TcxStandardLookAndFeelPainterMeta::DrawGroupExpandButton(TcxCanvas* canvas, const TRect& r,
                                                              bool expanded,
                                                              TcxButtonState state) const {
  TcxFlatLookAndFeelPainter::StaticClass()->DrawGroupExpandButton(canvas, r, expanded, state);
}

int TcxStandardLookAndFeelPainterMeta::ExpandButtonSize() const { return 12; }

void TcxStandardLookAndFeelPainterMeta::DrawCheckBorder(TcxCanvas* canvas, const TRect& r,
                                                        TcxButtonState) const {
  Frame(canvas, r, cl3DDkShadow, cl3DLight);
  Frame(canvas, Inset(r, 1), clBtnShadow, clBtnHighlight);
}

void TcxStandardLookAndFeelPainterMeta::DrawHeaderBorder(TcxCanvas* canvas, const TRect& r,
                                                         TcxNeighbors neighbors,
                                                         TcxBorders) const {
  Frame(canvas, r, clBtnHighlight, clBtnShadow);
  if (neighbors.Contains(TcxNeighbor::nLeft)) {
    canvas->SetPixel(r.Left, r.Top + 1, clBtnFace);
    canvas->SetPixel(r.Left, r.Bottom - 2, clBtnFace);
  }
  if (neighbors.Contains(TcxNeighbor::nRight)) {
    canvas->SetPixel(r.Right - 1, r.Top, clBtnHighlight);
    canvas->SetPixel(r.Right - 1, r.Top + 1, clBtnFace);
    canvas->SetPixel(r.Right - 1, r.Bottom - 2, clBtnFace);
  }
}

void TcxStandardLookAndFeelPainterMeta::DrawHeaderControlSectionBorder(TcxCanvas* canvas,
                                                                       const TRect& r,
                                                                       TcxBorders borders,
                                                                       TcxButtonState state) const {
  if (state == TcxButtonState::cxbsPressed) {
    Frame(canvas, r, clBtnShadow, clBtnShadow, borders);
    return;
  }
  Frame(canvas, r, clBtnHighlight, cl3DDkShadow, borders);
  Frame(canvas, Inset(r, 1), cl3DLight, clBtnShadow, borders);
}

void TcxStandardLookAndFeelPainterMeta::DrawSortingMark(TcxCanvas* canvas, const TRect& r,
                                                        bool ascending) const {
  DrawSortingArrow(canvas, r, clBtnShadow, clBtnHighlight, ascending);
}

int TcxStandardLookAndFeelPainterMeta::HeaderBorderSize() const { return 1; }

int TcxStandardLookAndFeelPainterMeta::HeaderControlSectionBorderSize(TcxButtonState state) const {
  return state == TcxButtonState::cxbsPressed ? 1 : 2;
}

TPoint TcxStandardLookAndFeelPainterMeta::SortingMarkSize() const { return Point(8, 7); }

int TcxStandardLookAndFeelPainterMeta::FooterBorderSize() const { return 1; }

int TcxStandardLookAndFeelPainterMeta::FooterCellBorderSize() const { return 1; }

int TcxStandardLookAndFeelPainterMeta::FooterCellOffset() const { return 1; }

void TcxStandardLookAndFeelPainterMeta::DrawFooterBorder(TcxCanvas* canvas,
                                                         const TRect& r) const {
  Frame(canvas, r, clBtnHighlight, clBtnShadow);
}

void TcxStandardLookAndFeelPainterMeta::DrawFooterCellBorder(TcxCanvas* canvas,
                                                             const TRect& r) const {
  Frame(canvas, r, clBtnShadow, clBtnHighlight);
}

void TcxStandardLookAndFeelPainterMeta::DrawFilterDropDownButton(TcxCanvas* canvas,
                                                                 const TRect& r,
                                                                 TcxButtonState state,
                                                                 bool isFilterActive) const {
  if (state == TcxButtonState::cxbsPressed)
    Frame(canvas, r, clBtnShadow, clBtnHighlight);
  else
    Frame(canvas, r, clBtnHighlight, clBtnShadow);
  TRect inner = Inset(r, 1);
  Fill(canvas, inner, clBtnFace);
  DrawButtonArrow(canvas, inner, isFilterActive ? clBlue : clBtnText);
}

void TcxStandardLookAndFeelPainterMeta::DrawTabBorder(TcxCanvas* canvas, const TRect& r,
                                                      TcxBorder side, TcxBorders borders,
                                                      bool vertical) const {
  TRect strip = r;
  bool hasTop = borders.Contains(TcxBorder::bTop);
  bool hasBottom = borders.Contains(TcxBorder::bBottom);
  TColor color = side == (vertical ? TcxBorder::bBottom : TcxBorder::bRight) ? clBtnShadow
                                                                              : clBtnHighlight;
  if (vertical) {
    if (side == TcxBorder::bLeft) {
      strip.Top += hasTop ? 2 : 1;
      strip.Bottom -= hasBottom ? 2 : 1;
      canvas->SetPixel(strip.Left + 1, strip.Top - 1, clBtnHighlight);
      canvas->SetPixel(strip.Left + 1, strip.Bottom, clBtnHighlight);
    } else if (side != TcxBorder::bRight && borders.Contains(TcxBorder::bLeft)) {
      strip.Left += 1;
    }
  } else {
    if (side == TcxBorder::bLeft || side == TcxBorder::bRight) {
      if (hasTop)
        strip.Top += 2;
      if (hasBottom)
        strip.Bottom -= 1;
    } else if (side == TcxBorder::bTop) {
      strip.Left += 1;
      strip.Right -= 1;
      canvas->SetPixel(strip.Left - 1, strip.Top + 1, clBtnHighlight);
      canvas->SetPixel(strip.Right, strip.Top + 1, clBtnHighlight);
    }
  }
  Fill(canvas, strip, color);
}

void TcxStandardLookAndFeelPainterMeta::DrawTabsRoot(TcxCanvas* canvas, const TRect& r,
                                                     TcxBorders borders, bool) const {
  Frame(canvas, r, clBtnHighlight, clBtnShadow, borders);
}

int TcxStandardLookAndFeelPainterMeta::TabBorderSize(bool) const { return 1; }

void TcxStandardLookAndFeelPainterMeta::DrawScrollBarPart(TcxCanvas* canvas, bool horizontal,
                                                          const TRect& r, TcxScrollBarPart part,
                                                          TcxButtonState state) const {
  if (IsEmptyRect(r) ||
      (part == TcxScrollBarPart::sbpThumbnail && state == TcxButtonState::cxbsDisabled))
    return;
  if (state == TcxButtonState::cxbsHot)
    state = TcxButtonState::cxbsNormal;
  bool pressed = state == TcxButtonState::cxbsPressed;
  switch (part) {
  case TcxScrollBarPart::sbpLineUp:
  case TcxScrollBarPart::sbpLineDown: {
    static constexpr UINT kGlyphs[] = {DFCS_SCROLLUP, DFCS_SCROLLDOWN, DFCS_SCROLLLEFT,
                                       DFCS_SCROLLRIGHT};
    UINT flags = kGlyphs[2 * (horizontal ? 1 : 0) + (part == TcxScrollBarPart::sbpLineDown)];
    if (state == TcxButtonState::cxbsDisabled)
      flags |= DFCS_INACTIVE;
    if (pressed)
      flags |= DFCS_FLAT;
    int shift = pressed ? 1 : 0;
    RECT glyph = {r.Left + shift, r.Top + shift, r.Right + shift, r.Bottom + shift};
    DrawFrameControl(canvas->Handle(), &glyph, DFC_SCROLL, flags);
    DrawScrollBarButtonBorder(canvas, r, pressed);
    break;
  }
  case TcxScrollBarPart::sbpThumbnail:
    DrawScrollBarButtonBorder(canvas, r, false);
    Fill(canvas, Inset(r, ButtonBorderSize(TcxButtonState::cxbsNormal)), clBtnFace);
    break;
  case TcxScrollBarPart::sbpPageUp:
  case TcxScrollBarPart::sbpPageDown:
    cxFillScrollBarPage(canvas, r, state);
    break;
  case TcxScrollBarPart::sbpNone:
    break;
  }
}

void TcxStandardLookAndFeelPainterMeta::DrawMonthHeader(
    TcxCanvas* canvas, const TRect& r, const std::string& text, TcxNeighbors neighbors,
    const TcxViewParams& viewParams, TcxHeaderArrows arrows, int sideWidth,
    const TcxDrawBackgroundEvent& onDrawBackground) const {
  TcxBorders borders = cxBordersAll;
  if (neighbors.Contains(TcxNeighbor::nRight))
    borders -= TcxBorders{TcxBorder::bRight};
  if (neighbors.Contains(TcxNeighbor::nLeft))
    borders -= TcxBorders{TcxBorder::bLeft};
  canvas->FrameRect(r, clBlack, 1, borders);
  TRect content = HeaderContentBounds(r, borders);
  DrawHeader(canvas, content, content, neighbors, cxBordersAll, TcxButtonState::cxbsNormal,
             TAlignment::taCenter, TcxAlignmentVert::vaCenter, false, false, text,
             viewParams.Font, viewParams.TextColor, viewParams.Color, onDrawBackground, false);
  DrawMonthHeaderArrows(canvas, r, arrows, sideWidth, clWindowText);
}

void TcxStandardLookAndFeelPainterMeta::DrawSchedulerSplitterBorder(
    TcxCanvas* canvas, const TRect& r, const TcxViewParams& viewParams, bool isHorizontal) const {
  cxDrawSplitterBorder(canvas, r, viewParams, isHorizontal,
                       {{clBtnFace, cl3DDkShadow}, {clBtnHighlight, clBtnShadow}});
}
