#include "framework/cxLookAndFeelPainters.h"

#include "framework/cxLookAndFeelPaintersNative.h"
#include "framework/cxLookAndFeelPaintersRadio.h"
#include "framework/cxLookAndFeelPaintersShared.h"
#include "framework/cxLookAndFeelPaintersRegistry.h"
#include "framework/cxLookAndFeelsPalette.h"
#include "platform/graphics/Bitmaps.h"
#include "platform/graphics/ImageLists.h"

TCustomImageList* cxIndicatorImages = nullptr;

namespace {

TBitmap* gScrollBarPatterns[2] = {nullptr, nullptr};
TBitmap* gAutoHideBitmaps[2] = {nullptr, nullptr};
TcxSystemPaletteChangedNotifier* gPaletteNotifier = nullptr;

// Pixels whose coordinates differ in parity take the first colour.
void PaintPattern(TBitmap* pattern, TColor odd, TColor even) {
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x)
      pattern->Canvas()->SetPixels(x, y, (x + y) % 2 != 0 ? odd : even);
}

// One image per indicator kind after ikNone, in kind order; white is clear.
void LoadIndicatorImages() {
  static const char* const kNames[] = {"CX_ARROWBITMAP",    "CX_EDITBITMAP",
                                       "CX_INSERTBITMAP",   "CX_MULTIDOTBITMAP",
                                       "CX_MULTIARROWBITMAP", "CX_FILTERBITMAP"};
  TOwned<TBitmap> bitmap(Create<TBitmap>());
  for (const char* name : kNames) {
    bitmap->LoadFromResourceName(::GetModuleHandleW(nullptr), name);
    if (!cxIndicatorImages) {
      cxIndicatorImages = Create<TImageList>(nullptr);
      cxIndicatorImages->SetSize(bitmap->Width(), bitmap->Height());
    }
    cxIndicatorImages->AddMasked(bitmap.get(), clWhite);
  }
}

TBitmap* LoadTransparentBitmap(const char* name) {
  TBitmap* bitmap = Create<TBitmap>();
  bitmap->SetTransparent(true);
  bitmap->SetSize(16, 16);
  bitmap->LoadFromResourceName(::GetModuleHandleW(nullptr), name);
  return bitmap;
}

void InitializePainters() {
  GetExtendedStylePainters();
  LoadIndicatorImages();
  UpdateScrollBarBitmaps();
  gAutoHideBitmaps[1] = LoadTransparentBitmap("CX_AUTOHIDEON");
  gAutoHideBitmaps[0] = LoadTransparentBitmap("CX_AUTOHIDEOFF");
  gPaletteNotifier = Create<TcxSystemPaletteChangedNotifier>(true);
  gPaletteNotifier->SetOnSystemPaletteChanged([] { cxRebuildRadioButtonImages(); });
  TcxCustomLookAndFeelPainter::StaticClass()->CheckButtonSize();
}

void FinalizePainters() {
  FreeAndNil(gPaletteNotifier);
  for (TBitmap*& bitmap : gAutoHideBitmaps)
    FreeAndNil(bitmap);
  for (TBitmap*& pattern : gScrollBarPatterns)
    FreeAndNil(pattern);
  FreeAndNil(cxIndicatorImages);
  cxFreeRadioButtonImageList();
  cxFreeExtendedStylePainters();
}

} // namespace

const TUnitInfo cxLookAndFeelPaintersUnit{"cxLookAndFeelPainters", InitializePainters,
                                          FinalizePainters};

TcxCustomLookAndFeelPainterClass GetCurrentPainterClass() {
  return TcxUltraFlatLookAndFeelPainter::StaticClass();
}

TRect cxTextRect(const TRect& r) {
  return Rect(r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2);
}

int BtnStateToXPBtnState(TcxButtonState state) {
  return cxXPPushButtonStates[static_cast<int>(state)];
}

TBitmap* cxAutoHideBitmap(bool on) { return gAutoHideBitmaps[on ? 1 : 0]; }

TBitmap* cxScrollBarPattern(bool pressed) { return gScrollBarPatterns[pressed ? 1 : 0]; }

void UpdateScrollBarBitmaps() {
  for (TBitmap*& pattern : gScrollBarPatterns)
    if (!pattern) {
      pattern = Create<TBitmap>();
      pattern->SetSize(8, 8);
    }
  PaintPattern(gScrollBarPatterns[0], clBtnHighlight, clBtnFace);
  PaintPattern(gScrollBarPatterns[1], cl3DDkShadow, clBlack);
}

namespace {

// The canvas's text flags.
constexpr int kTextLeft = 1;
constexpr int kTextRight = 2;
constexpr int kTextHCenter = 4;
constexpr int kTextTop = 8;
constexpr int kTextBottom = 16;
constexpr int kTextVCenter = 32;
constexpr int kTextSingleLine = 64;
constexpr int kTextShowPrefix = 512;
constexpr int kTextWordBreak = 1024;
constexpr int kTextEndEllipsis = 2048;

int HalfRounded(int value) { return MulDiv(value, 1, 2); }

TRect Inset(const TRect& r, int d) { return Rect(r.Left + d, r.Top + d, r.Right - d, r.Bottom - d); }

TRect Shifted(const TRect& r, int dx, int dy) {
  return Rect(r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy);
}

bool IsEmptyRect(const TRect& r) { return r.Right <= r.Left || r.Bottom <= r.Top; }

int TextFlags(TAlignment alignmentHorz, TcxAlignmentVert alignmentVert, bool multiLine,
              bool showEndEllipsis) {
  static constexpr int kHorz[] = {kTextLeft, kTextRight, kTextHCenter};
  static constexpr int kVert[] = {kTextTop, kTextBottom, kTextVCenter};
  int flags = kHorz[static_cast<int>(alignmentHorz)] | kVert[static_cast<int>(alignmentVert)];
  flags |= multiLine ? kTextWordBreak : kTextSingleLine;
  if (showEndEllipsis)
    flags |= kTextEndEllipsis;
  return flags;
}

void DrawTextIn(TcxCanvas* canvas, const std::string& text, const TRect& r, int flags,
                TFont* font, TColor color) {
  if (font)
    canvas->SetFont(font);
  canvas->Font()->SetColor(color);
  canvas->DrawTexT(text, r, flags, true);
}

// The brush and pen change (and so are remade) only for a new colour.
void FillPolygon(TcxCanvas* canvas, const TcxArrowPoints& points, TColor color) {
  if (canvas->Brush()->Color() != color)
    canvas->Brush()->SetColor(color);
  if (canvas->Pen()->Color() != color)
    canvas->Pen()->SetColor(color);
  canvas->Polygon(points);
}

void FillWith(TcxCanvas* canvas, const TRect& r, TColor color) {
  canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
  cxFillSolidRect(canvas, r, color);
}

// The system's check-box bitmap (OBM_CHECKBOXES, an OEM resource).
constexpr int kSystemCheckBoxesBitmap = 32759;

// One image of the system's check-box bitmap (four columns, three rows).
TSize SystemCheckBoxImageSize() {
  static const TSize size = [] {
    TSize result{13, 13};
    if (HBITMAP bitmap = LoadBitmapA(nullptr, MAKEINTRESOURCEA(kSystemCheckBoxesBitmap))) {
      BITMAP info{};
      if (GetObjectA(bitmap, sizeof(info), &info))
        result = {info.bmWidth / 4, info.bmHeight / 3};
      DeleteObject(bitmap);
    }
    return result;
  }();
  return size;
}

} // namespace

// ---- Content and general ------------------------------------------------------

void TcxCustomLookAndFeelPainterMeta::DrawButtonArrow(TcxCanvas* canvas, const TRect& r,
                                                      TColor color) const {
  int w = (r.Right - r.Left) / 2;
  if (w % 2 == 0)
    ++w;
  int h = w / 2 + 1;
  TcxArrowPoints p;
  p[0] = Point((r.Left + r.Right - w) / 2, HalfRounded(r.Top + r.Bottom - h));
  p[1] = Point(p[0].X + w - 1, p[0].Y);
  p[2] = Point(p[0].X + w / 2, p[0].Y + h - 1);
  canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
  FillPolygon(canvas, p, color);
}

void TcxCustomLookAndFeelPainterMeta::DrawContent(
    TcxCanvas* canvas, const TRect& bounds, const TRect& textAreaBounds, int, TAlignment alignmentHorz,
    TcxAlignmentVert alignmentVert, bool multiLine, bool showEndEllipsis, const std::string& text,
    TFont* font, TColor textColor, TColor bkColor, const TcxDrawBackgroundEvent& onDrawBackground,
    bool) const {
  if (!onDrawBackground || !onDrawBackground(canvas, bounds))
    FillWith(canvas, bounds, bkColor);
  if (text.empty())
    return;
  canvas->Brush()->SetStyle(TBrushStyle::bsClear);
  DrawTextIn(canvas, text, textAreaBounds,
             TextFlags(alignmentHorz, alignmentVert, multiLine, showEndEllipsis), font, textColor);
  canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
}

TRect TcxCustomLookAndFeelPainterMeta::FooterCellContentBounds(const TRect& r) const {
  return Inset(r, FooterCellBorderSize());
}

TRect TcxCustomLookAndFeelPainterMeta::FooterCellTextAreaBounds(const TRect& r) const {
  return Inset(FooterCellContentBounds(r), 2);
}

TcxLookAndFeelStyle TcxCustomLookAndFeelPainterMeta::LookAndFeelStyle() const {
  return TcxLookAndFeelStyle::lfsStandard;
}

// ---- Default colours ------------------------------------------------------------

#define ROOT_COLOR(Name, Value) \
  TColor TcxCustomLookAndFeelPainterMeta::Name() const { return Value; }

ROOT_COLOR(DefaultContentColor, clWindow)
ROOT_COLOR(DefaultContentTextColor, clWindowText)
ROOT_COLOR(DefaultFilterBoxColor, clBtnShadow)
ROOT_COLOR(DefaultFilterBoxTextColor, clBtnHighlight)
ROOT_COLOR(DefaultFixedSeparatorColor, clBtnText)
ROOT_COLOR(DefaultFooterColor, clBtnFace)
ROOT_COLOR(DefaultFooterTextColor, clBtnText)
ROOT_COLOR(DefaultGridLineColor, clBtnShadow)
ROOT_COLOR(DefaultGroupColor, clBtnFace)
ROOT_COLOR(DefaultGroupTextColor, clBtnText)
ROOT_COLOR(DefaultGroupByBoxColor, clBtnShadow)
ROOT_COLOR(DefaultGroupByBoxTextColor, clBtnFace)
ROOT_COLOR(DefaultHeaderColor, clBtnFace)
ROOT_COLOR(DefaultHeaderTextColor, clBtnText)
ROOT_COLOR(DefaultHeaderBackgroundColor, clBtnShadow)
ROOT_COLOR(DefaultHeaderBackgroundTextColor, clBtnFace)
ROOT_COLOR(DefaultHyperlinkTextColor, clBlue)
ROOT_COLOR(DefaultInactiveColor, clBtnFace)
ROOT_COLOR(DefaultInactiveTextColor, clBtnText)
ROOT_COLOR(DefaultPreviewTextColor, clBlue)
ROOT_COLOR(DefaultRecordSeparatorColor, DefaultGridLineColor())
ROOT_COLOR(DefaultDateNavigatorHeaderColor, clBtnFace)
ROOT_COLOR(DefaultDateNavigatorSelectionColor, clHighlight)
ROOT_COLOR(DefaultDateNavigatorSelectionTextColor, clHighlightText)
ROOT_COLOR(DefaultSchedulerBackgroundColor, clWindow)
ROOT_COLOR(DefaultSchedulerTextColor, clWindowText)
ROOT_COLOR(DefaultSchedulerBorderColor, clRed)
ROOT_COLOR(DefaultSchedulerControlColor, clBtnFace)
ROOT_COLOR(DefaultSchedulerViewContentColor, TColor(0xD5FFFF))
ROOT_COLOR(DefaultSchedulerViewTextColor, clWindowText)
ROOT_COLOR(DefaultSelectionColor, clHighlight)
ROOT_COLOR(DefaultSelectionTextColor, clHighlightText)
ROOT_COLOR(DefaultSeparatorColor, clBtnFace)
ROOT_COLOR(DefaultTabColor, clBtnFace)
ROOT_COLOR(DefaultTabTextColor, clBtnText)
ROOT_COLOR(DefaultTabsBackgroundColor, clBtnFace)
ROOT_COLOR(DefaultTimeGridMajorScaleColor, clWhite)
ROOT_COLOR(DefaultTimeGridMajorScaleTextColor, clBlack)
ROOT_COLOR(DefaultTimeGridMinorScaleColor, clBtnFace)
ROOT_COLOR(DefaultTimeGridMinorScaleTextColor, clBtnText)
ROOT_COLOR(DefaultTimeGridSelectionBarColor, clWhite)
ROOT_COLOR(DefaultChartDiagramValueBorderColor, clBlack)
ROOT_COLOR(DefaultChartDiagramValueCaptionTextColor, clBlack)
ROOT_COLOR(DefaultChartHistogramAxisColor, clBlack)
ROOT_COLOR(DefaultChartHistogramGridLineColor, TColor(0xCFCFCF))
ROOT_COLOR(DefaultChartHistogramPlotColor, clWhite)
ROOT_COLOR(DefaultChartPieDiagramSeriesSiteBorderColor, clBtnShadow)
ROOT_COLOR(DefaultChartPieDiagramSeriesSiteCaptionColor, clSkyBlue)
ROOT_COLOR(DefaultChartPieDiagramSeriesSiteCaptionTextColor, clNavy)
ROOT_COLOR(DefaultChartToolBoxDataLevelInfoBorderColor, clBtnShadow)
ROOT_COLOR(DefaultChartToolBoxItemSeparatorColor, clBtnShadow)

#undef ROOT_COLOR

// ---- Arrows and borders -----------------------------------------------------------

void TcxCustomLookAndFeelPainterMeta::DrawArrow(TcxCanvas* canvas, const TRect& r,
                                                TcxArrowDirection direction, TColor color) const {
  TcxArrowPoints p;
  CalculateArrowPoints(r, p, direction, true);
  canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
  FillPolygon(canvas, p, color);
}

void TcxCustomLookAndFeelPainterMeta::DrawArrow(TcxCanvas* canvas, const TRect& r,
                                                TcxButtonState state, TcxArrowDirection direction,
                                                bool drawBorder) const {
  TcxArrowPoints p;
  CalculateArrowPoints(r, p, direction, false);
  canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
  if (drawBorder)
    DrawArrowBorder(canvas, r, state);
  else
    FillWith(canvas, r, ButtonColor(state));
  FillPolygon(canvas, p, ButtonSymbolColor(state));
}

void TcxCustomLookAndFeelPainterMeta::DrawArrowBorder(TcxCanvas* canvas, const TRect& r,
                                                      TcxButtonState state) const {
  FillWith(canvas, r, ButtonColor(state));
  DrawButtonBorder(canvas, r, state);
}

void TcxCustomLookAndFeelPainterMeta::DrawScrollBarArrow(TcxCanvas* canvas, const TRect& r,
                                                         TcxButtonState state,
                                                         TcxArrowDirection direction) const {
  TRect arrowRect = r;
  if (state == TcxButtonState::cxbsPressed)
    arrowRect = Shifted(r, ButtonTextShift(), ButtonTextShift());
  TcxArrowPoints p;
  CalculateArrowPoints(arrowRect, p, direction, true);
  canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
  TColor color;
  if (state == TcxButtonState::cxbsDisabled) {
    TcxArrowPoints highlight = p;
    for (TPoint& point : highlight)
      point = Point(point.X + 1, point.Y + 1);
    FillPolygon(canvas, highlight, clBtnHighlight);
    color = clBtnShadow;
  } else {
    color = ButtonSymbolColor(state);
  }
  FillPolygon(canvas, p, color);
}

int TcxCustomLookAndFeelPainterMeta::BorderSize() const { return 0; }

void TcxCustomLookAndFeelPainterMeta::DrawBorder(TcxCanvas*, const TRect&) const {}

// ---- Buttons and expand buttons ---------------------------------------------------

TRect TcxCustomLookAndFeelPainterMeta::AdjustGroupButtonDisplayRect(const TRect& r, int,
                                                                    int) const {
  return r;
}

int TcxCustomLookAndFeelPainterMeta::ButtonBorderSize(TcxButtonState) const { return 0; }

TColor TcxCustomLookAndFeelPainterMeta::ButtonColor(TcxButtonState) const { return clBtnFace; }

TRect TcxCustomLookAndFeelPainterMeta::ButtonFocusRect(TcxCanvas*, const TRect& r) const {
  TRect result = Inset(r, 4);
  return IsEmptyRect(result) ? r : result;
}

TRect TcxCustomLookAndFeelPainterMeta::ButtonGroupBorderSizes(int, int) const {
  int size = ButtonBorderSize(TcxButtonState::cxbsNormal);
  return Rect(size, size, size, size);
}

int TcxCustomLookAndFeelPainterMeta::ButtonTextOffset() const { return 0; }

int TcxCustomLookAndFeelPainterMeta::ButtonTextShift() const { return 0; }

TColor TcxCustomLookAndFeelPainterMeta::ButtonSymbolColor(TcxButtonState state,
                                                          TColor defaultColor) const {
  if (state == TcxButtonState::cxbsDisabled)
    return clBtnShadow;
  return defaultColor == clDefault ? clBtnText : defaultColor;
}

TcxButtonState TcxCustomLookAndFeelPainterMeta::ButtonSymbolState(TcxButtonState state) const {
  return state;
}

void TcxCustomLookAndFeelPainterMeta::DrawButton(TcxCanvas* canvas, const TRect& r,
                                                 const std::string& caption, TcxButtonState state,
                                                 bool drawBorder, TColor color,
                                                 TColor textColor) const {
  TRect content = r;
  if (drawBorder) {
    DrawButtonBorder(canvas, content, state);
    content = Inset(content, ButtonBorderSize(state));
  }
  FillWith(canvas, content, color == clDefault ? ButtonColor(state) : color);
  canvas->Font()->SetColor(textColor == clDefault ? ButtonSymbolColor(state) : textColor);
  canvas->Brush()->SetStyle(TBrushStyle::bsClear);
  if ((content.Bottom - content.Top) % 2 != 0)
    --content.Bottom;
  if (content.Bottom - content.Top < 18)
    --content.Top;
  if (state == TcxButtonState::cxbsPressed)
    content = Shifted(content, ButtonTextShift(), ButtonTextShift());
  if (!caption.empty())
    canvas->DrawTexT(caption, content, kTextHCenter | kTextVCenter | kTextSingleLine | kTextShowPrefix,
                     state != TcxButtonState::cxbsDisabled);
  canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
}

void TcxCustomLookAndFeelPainterMeta::DrawButtonInGroup(TcxCanvas* canvas, const TRect& r,
                                                        TcxButtonState state, int, int,
                                                        TColor) const {
  DrawButton(canvas, r, "", state);
}

void TcxCustomLookAndFeelPainterMeta::DrawButtonBorder(TcxCanvas*, const TRect&,
                                                       TcxButtonState) const {}

void TcxCustomLookAndFeelPainterMeta::DrawButtonGroupBorder(TcxCanvas*, const TRect&, bool,
                                                            bool) const {}

void TcxCustomLookAndFeelPainterMeta::DrawExpandButton(TcxCanvas*, const TRect&, bool,
                                                       TColor) const {}

bool TcxCustomLookAndFeelPainterMeta::DrawExpandButtonFirst() const { return true; }

void TcxCustomLookAndFeelPainterMeta::DrawGroupExpandButton(TcxCanvas* canvas, const TRect& r,
                                                            bool expanded,
                                                            TcxButtonState state) const {
  DrawButton(canvas, r, "", state);
  DrawGroupExpandButtonMark(canvas, r, expanded, state);
}

void TcxCustomLookAndFeelPainterMeta::DrawSmallExpandButton(TcxCanvas* canvas, const TRect& r,
                                                            bool expanded, TColor borderColor,
                                                            TColor color) const {
  canvas->FrameRect(r, borderColor);
  if (color != clDefault)
    FillWith(canvas, Inset(r, 1), color);
  DrawExpandButtonCross(canvas, r, expanded, clBtnText);
}

int TcxCustomLookAndFeelPainterMeta::ExpandButtonSize() const { return 0; }

int TcxCustomLookAndFeelPainterMeta::GroupExpandButtonSize() const { return 15; }

bool TcxCustomLookAndFeelPainterMeta::IsButtonHotTrack() const { return false; }

bool TcxCustomLookAndFeelPainterMeta::IsPointOverGroupExpandButton(const TRect& r,
                                                                   const TPoint& p) const {
  return p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom;
}

int TcxCustomLookAndFeelPainterMeta::SmallExpandButtonSize() const { return 9; }

// ---- Check boxes ------------------------------------------------------------------

int TcxCustomLookAndFeelPainterMeta::CheckBorderSize() const { return 2; }

TColor TcxCustomLookAndFeelPainterMeta::CheckButtonColor(TcxButtonState state) const {
  return state == TcxButtonState::cxbsPressed || state == TcxButtonState::cxbsDisabled ? clBtnFace
                                                                                       : clWindow;
}

TSize TcxCustomLookAndFeelPainterMeta::CheckButtonSize() const { return SystemCheckBoxImageSize(); }

void TcxCustomLookAndFeelPainterMeta::DrawCheck(TcxCanvas* canvas, const TRect& r,
                                                TcxButtonState state, bool checked,
                                                TColor color) const {
  if (canvas->Brush()->Style() == TBrushStyle::bsSolid)
    FillWith(canvas, r, CheckButtonColor(state));
  if (!checked)
    return;
  int w = r.Right - r.Left - 2;
  int h = r.Bottom - r.Top - 4;
  canvas->Pen()->SetColor(color);
  for (int offset = 0; offset < 3; ++offset) {
    int cx = (r.Left + r.Right) / 2 - 1;
    int cy = (r.Top + r.Bottom + h) / 2 - 2 + offset;
    canvas->MoveTo(cx - (w / 2 - 1), cy - h / 2);
    canvas->LineTo(cx, cy);
    canvas->LineTo(cx + w / 2 + 2, cy - h);
  }
}

void TcxCustomLookAndFeelPainterMeta::DrawCheckBorder(TcxCanvas*, const TRect&,
                                                      TcxButtonState) const {}

void TcxCustomLookAndFeelPainterMeta::DrawRadioButton(TcxCanvas* canvas, int x, int y,
                                                      TcxButtonState state, bool checked,
                                                      bool focused, TColor brushColor,
                                                      bool highlight) const {
  PrepareRadioButtonImageList()->Draw(canvas, x, y, LookAndFeelStyle(), state, checked, focused,
                                      brushColor, highlight);
}

TSize TcxCustomLookAndFeelPainterMeta::RadioButtonSize() const {
  return PrepareRadioButtonImageList()->Size();
}

void TcxCustomLookAndFeelPainterMeta::DrawCheckButton(TcxCanvas* canvas, const TRect& r,
                                                      TcxButtonState state, bool checked) const {
  DrawCheckBorder(canvas, r, state);
  DrawCheck(canvas, Inset(r, CheckBorderSize()), state, checked,
            state == TcxButtonState::cxbsDisabled ? clGrayText : clBtnText);
}

// ---- Headers and sorting marks ------------------------------------------------------

void TcxCustomLookAndFeelPainterMeta::DrawHeader(
    TcxCanvas* canvas, const TRect& bounds, const TRect& textAreaBounds, TcxNeighbors neighbors,
    TcxBorders borders, TcxButtonState state, TAlignment alignmentHorz,
    TcxAlignmentVert alignmentVert, bool multiLine, bool showEndEllipsis, const std::string& text,
    TFont* font, TColor textColor, TColor bkColor, const TcxDrawBackgroundEvent& onDrawBackground,
    bool) const {
  DrawHeaderBorder(canvas, bounds, neighbors, borders);
  DrawContent(canvas, HeaderContentBounds(bounds, borders), textAreaBounds,
              static_cast<int>(state), alignmentHorz, alignmentVert, multiLine, showEndEllipsis,
              text, font, textColor, bkColor, onDrawBackground, false);
}

void TcxCustomLookAndFeelPainterMeta::DrawHeaderEx(
    TcxCanvas* canvas, const TRect& bounds, const TRect& textAreaBounds, TcxNeighbors neighbors,
    TcxBorders borders, TcxButtonState state, TAlignment alignmentHorz,
    TcxAlignmentVert alignmentVert, bool multiLine, bool showEndEllipsis, const std::string& text,
    TFont* font, TColor textColor, TColor bkColor,
    const TcxDrawBackgroundEvent& onDrawBackground) const {
  DrawHeader(canvas, bounds, textAreaBounds, neighbors, borders, state, alignmentHorz,
             alignmentVert, multiLine, showEndEllipsis, text, font, textColor, bkColor,
             onDrawBackground, false);
}

void TcxCustomLookAndFeelPainterMeta::DrawHeaderBorder(TcxCanvas*, const TRect&, TcxNeighbors,
                                                       TcxBorders) const {}

void TcxCustomLookAndFeelPainterMeta::DrawHeaderPressed(TcxCanvas* canvas, const TRect& r) const {
  canvas->InvertRect(r);
}

void TcxCustomLookAndFeelPainterMeta::DrawHeaderControlSection(
    TcxCanvas* canvas, const TRect& bounds, const TRect& textAreaBounds, TcxNeighbors,
    TcxBorders borders, TcxButtonState state, TAlignment alignmentHorz,
    TcxAlignmentVert alignmentVert, bool multiLine, bool showEndEllipsis, const std::string& text,
    TFont* font, TColor textColor, TColor bkColor) const {
  DrawHeaderControlSectionBorder(canvas, bounds, borders, state);
  DrawHeaderControlSectionContent(canvas, HeaderControlSectionContentBounds(bounds, state),
                                  textAreaBounds, state, alignmentHorz, alignmentVert, multiLine,
                                  showEndEllipsis, text, font, textColor, bkColor);
}

void TcxCustomLookAndFeelPainterMeta::DrawHeaderControlSectionBorder(TcxCanvas*, const TRect&,
                                                                     TcxBorders,
                                                                     TcxButtonState) const {}

void TcxCustomLookAndFeelPainterMeta::DrawHeaderControlSectionContent(
    TcxCanvas* canvas, const TRect& bounds, const TRect& textAreaBounds, TcxButtonState state,
    TAlignment alignmentHorz, TcxAlignmentVert alignmentVert, bool multiLine,
    bool showEndEllipsis, const std::string& text, TFont* font, TColor textColor,
    TColor bkColor) const {
  FillWith(canvas, bounds, bkColor);
  DrawHeaderControlSectionText(canvas, textAreaBounds, state, alignmentHorz, alignmentVert,
                               multiLine, showEndEllipsis, text, font, textColor);
}

void TcxCustomLookAndFeelPainterMeta::DrawHeaderControlSectionText(
    TcxCanvas* canvas, const TRect& r, TcxButtonState state, TAlignment alignmentHorz,
    TcxAlignmentVert alignmentVert, bool multiLine, bool showEndEllipsis, const std::string& text,
    TFont* font, TColor textColor) const {
  if (text.empty())
    return;
  int flags = TextFlags(alignmentHorz, alignmentVert, multiLine, showEndEllipsis);
  canvas->Brush()->SetStyle(TBrushStyle::bsClear);
  if (state == TcxButtonState::cxbsDisabled) {
    DrawTextIn(canvas, text, Shifted(r, 1, 1), flags, font, clBtnHighlight);
    DrawTextIn(canvas, text, r, flags, font, clBtnShadow);
  } else {
    DrawTextIn(canvas, text, r, flags, font, textColor);
  }
  canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
}

void TcxCustomLookAndFeelPainterMeta::DrawSortingMark(TcxCanvas*, const TRect&, bool) const {}

TcxBorders TcxCustomLookAndFeelPainterMeta::HeaderBorders(TcxNeighbors) const {
  return cxBordersAll;
}

int TcxCustomLookAndFeelPainterMeta::HeaderBorderSize() const { return 0; }

TRect TcxCustomLookAndFeelPainterMeta::HeaderBounds(const TRect& r, TcxNeighbors neighbors,
                                                    TcxBorders borders) const {
  TcxBorders grown = borders - HeaderBorders(neighbors);
  int size = HeaderBorderSize();
  TRect result = r;
  if (grown.Contains(TcxBorder::bLeft))
    result.Left -= size;
  if (grown.Contains(TcxBorder::bTop))
    result.Top -= size;
  if (grown.Contains(TcxBorder::bRight))
    result.Right += size;
  if (grown.Contains(TcxBorder::bBottom))
    result.Bottom += size;
  return result;
}

TRect TcxCustomLookAndFeelPainterMeta::HeaderContentBounds(const TRect& r,
                                                           TcxBorders borders) const {
  int size = HeaderBorderSize();
  TRect result = r;
  if (borders.Contains(TcxBorder::bLeft))
    result.Left += size;
  if (borders.Contains(TcxBorder::bTop))
    result.Top += size;
  if (borders.Contains(TcxBorder::bRight))
    result.Right -= size;
  if (borders.Contains(TcxBorder::bBottom))
    result.Bottom -= size;
  return result;
}

bool TcxCustomLookAndFeelPainterMeta::HeaderDrawCellsFirst() const { return true; }

int TcxCustomLookAndFeelPainterMeta::HeaderHeight(int fontHeight) const {
  return fontHeight + 2 * HeaderBorderSize() + 4;
}

int TcxCustomLookAndFeelPainterMeta::HeaderControlSectionBorderSize(TcxButtonState) const {
  return 1;
}

TRect TcxCustomLookAndFeelPainterMeta::HeaderControlSectionTextAreaBounds(
    const TRect& r, TcxButtonState state) const {
  return state == TcxButtonState::cxbsPressed ? Shifted(r, 1, 1) : r;
}

TRect TcxCustomLookAndFeelPainterMeta::HeaderControlSectionContentBounds(
    const TRect& r, TcxButtonState state) const {
  return Inset(r, HeaderControlSectionBorderSize(state));
}

int TcxCustomLookAndFeelPainterMeta::HeaderWidth(TcxCanvas* canvas, TcxBorders borders,
                                                 const std::string& text, TFont* font) const {
  if (font)
    canvas->SetFont(font);
  int result = canvas->TextWidth(text) + 4;
  if (borders.Contains(TcxBorder::bLeft))
    result += HeaderBorderSize();
  if (borders.Contains(TcxBorder::bRight))
    result += HeaderBorderSize();
  return result;
}

bool TcxCustomLookAndFeelPainterMeta::IsHeaderHotTrack() const { return false; }

TPoint TcxCustomLookAndFeelPainterMeta::SortingMarkAreaSize() const {
  return Point(16, SortingMarkSize().Y);
}

TPoint TcxCustomLookAndFeelPainterMeta::SortingMarkSize() const { return Point(0, 0); }

// ---- Footers --------------------------------------------------------------------------

void TcxCustomLookAndFeelPainterMeta::DrawFooterCell(
    TcxCanvas* canvas, const TRect& bounds, TAlignment alignmentHorz,
    TcxAlignmentVert alignmentVert, bool multiLine, const std::string& text, TFont* font,
    TColor textColor, TColor bkColor, const TcxDrawBackgroundEvent& onDrawBackground) const {
  DrawFooterCellBorder(canvas, bounds);
  DrawContent(canvas, FooterCellContentBounds(bounds), FooterCellTextAreaBounds(bounds), 0,
              alignmentHorz, alignmentVert, multiLine, false, text, font, textColor, bkColor,
              onDrawBackground, true);
}

TcxBorders TcxCustomLookAndFeelPainterMeta::FooterBorders() const { return cxBordersAll; }

int TcxCustomLookAndFeelPainterMeta::FooterBorderSize() const { return 0; }

int TcxCustomLookAndFeelPainterMeta::FooterCellBorderSize() const { return 0; }

int TcxCustomLookAndFeelPainterMeta::FooterCellOffset() const { return 0; }

bool TcxCustomLookAndFeelPainterMeta::FooterDrawCellsFirst() const { return true; }

TColor TcxCustomLookAndFeelPainterMeta::FooterSeparatorColor() const { return clBtnShadow; }

int TcxCustomLookAndFeelPainterMeta::FooterSeparatorSize() const { return 1; }

void TcxCustomLookAndFeelPainterMeta::DrawFooterBorder(TcxCanvas*, const TRect&) const {}

void TcxCustomLookAndFeelPainterMeta::DrawFooterCellBorder(TcxCanvas*, const TRect&) const {}

void TcxCustomLookAndFeelPainterMeta::DrawFooterSeparator(TcxCanvas* canvas,
                                                          const TRect& r) const {
  FillWith(canvas, r, FooterSeparatorColor());
}

// ---- Filter buttons and popup border ------------------------------------------------------

void TcxCustomLookAndFeelPainterMeta::DrawFilterActivateButton(TcxCanvas* canvas, const TRect& r,
                                                               TcxButtonState state,
                                                               bool checked) const {
  DrawCheckButton(canvas, r, state, checked);
}

void TcxCustomLookAndFeelPainterMeta::DrawFilterCloseButton(TcxCanvas* canvas, const TRect& r,
                                                            TcxButtonState state) const {
  DrawButtonBorder(canvas, r, state);
  TRect content = Inset(r, ButtonBorderSize(TcxButtonState::cxbsNormal));
  FillWith(canvas, content, ButtonColor(state));
  DrawButtonCross(canvas, content, ButtonSymbolColor(state), ButtonSymbolState(state));
}

void TcxCustomLookAndFeelPainterMeta::DrawFilterDropDownButton(TcxCanvas*, const TRect&,
                                                               TcxButtonState, bool) const {}

TPoint TcxCustomLookAndFeelPainterMeta::FilterActivateButtonSize() const { return Point(13, 13); }

TPoint TcxCustomLookAndFeelPainterMeta::FilterCloseButtonSize() const { return Point(16, 14); }

TPoint TcxCustomLookAndFeelPainterMeta::FilterDropDownButtonSize() const { return Point(15, 0); }

TcxPopupBorderStyle TcxCustomLookAndFeelPainterMeta::PopupBorderStyle() const {
  return TcxPopupBorderStyle::pbsUltraFlat;
}

// ---- Tabs, indicator, scroll bar, size grip --------------------------------------------------

void TcxCustomLookAndFeelPainterMeta::DrawTab(TcxCanvas*, const TRect&, TcxBorders,
                                              const std::string&, TcxButtonState, bool, TFont*,
                                              TColor, TColor, bool) const {}

void TcxCustomLookAndFeelPainterMeta::DrawTabBorder(TcxCanvas*, const TRect&, TcxBorder,
                                                    TcxBorders, bool) const {}

void TcxCustomLookAndFeelPainterMeta::DrawTabsRoot(TcxCanvas*, const TRect&, TcxBorders,
                                                   bool) const {}

bool TcxCustomLookAndFeelPainterMeta::IsDrawTabImplemented(bool) const { return false; }

bool TcxCustomLookAndFeelPainterMeta::IsTabHotTrack(bool) const { return false; }

int TcxCustomLookAndFeelPainterMeta::TabBorderSize(bool) const { return 0; }

void TcxCustomLookAndFeelPainterMeta::DrawIndicatorItem(
    TcxCanvas* canvas, const TRect& r, TcxIndicatorKind kind, TColor color,
    const TcxDrawBackgroundEvent& onDrawBackground) const {
  DrawHeader(canvas, r, r, {}, HeaderBorders({TcxNeighbor::nTop, TcxNeighbor::nBottom}),
             TcxButtonState::cxbsNormal, TAlignment::taLeftJustify, TcxAlignmentVert::vaTop,
             false, false, "", nullptr, clNone, color, onDrawBackground, false);
  DrawIndicatorImage(canvas, r, kind);
}

void TcxCustomLookAndFeelPainterMeta::DrawIndicatorItemEx(
    TcxCanvas* canvas, const TRect& r, TcxIndicatorKind kind, TColor color,
    const TcxDrawBackgroundEvent& onDrawBackground) const {
  DrawHeaderEx(canvas, r, r, {}, cxBordersAll, TcxButtonState::cxbsNormal,
               TAlignment::taLeftJustify, TcxAlignmentVert::vaTop, false, false, "", nullptr,
               clNone, color, onDrawBackground);
  DrawIndicatorImage(canvas, r, kind);
}

bool TcxCustomLookAndFeelPainterMeta::IndicatorDrawItemsFirst() const { return true; }

void TcxCustomLookAndFeelPainterMeta::DrawScrollBarPart(TcxCanvas*, bool, const TRect&,
                                                        TcxScrollBarPart, TcxButtonState) const {}

TSize TcxCustomLookAndFeelPainterMeta::SizeGripSize() const {
  return {GetSystemMetrics(SM_CXVSCROLL), GetSystemMetrics(SM_CYHSCROLL)};
}

void TcxCustomLookAndFeelPainterMeta::DrawSizeGrip(TcxCanvas* canvas, const TRect& r,
                                                   TColor backgroundColor) const {
  FillWith(canvas, r, backgroundColor);
  RECT glyph = {r.Left, r.Top, r.Right, r.Bottom};
  DrawFrameControl(canvas->Handle(), &glyph, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
}

// ---- Calendar, scheduler and chart ---------------------------------------------------------

void TcxCustomLookAndFeelPainterMeta::DrawMonthHeader(
    TcxCanvas* canvas, const TRect& r, const std::string& text, TcxNeighbors neighbors,
    const TcxViewParams& viewParams, TcxHeaderArrows arrows, int sideWidth,
    const TcxDrawBackgroundEvent& onDrawBackground) const {
  DrawHeader(canvas, r, r, neighbors, HeaderBorders(neighbors), TcxButtonState::cxbsNormal,
             TAlignment::taCenter, TcxAlignmentVert::vaCenter, false, false, text,
             viewParams.Font, viewParams.TextColor, viewParams.Color, onDrawBackground, false);
  DrawMonthHeaderArrows(canvas, r, arrows, sideWidth, clWindowText);
}

void TcxCustomLookAndFeelPainterMeta::DrawSchedulerBorder(TcxCanvas* canvas,
                                                          const TRect& r) const {
  DrawBorder(canvas, r);
}

void TcxCustomLookAndFeelPainterMeta::DrawSchedulerNavigatorButton(TcxCanvas* canvas,
                                                                   const TRect& r,
                                                                   TcxButtonState state) const {
  DrawButton(canvas, r, "", state);
}

void TcxCustomLookAndFeelPainterMeta::DrawSchedulerSplitterBorder(TcxCanvas*, const TRect&,
                                                                  const TcxViewParams&,
                                                                  bool) const {}

int TcxCustomLookAndFeelPainterMeta::ChartToolBoxDataLevelInfoBorderSize() const { return 1; }

// ---- Editor buttons, navigator, progress bar, group box, track bar, splitter -----------------

void TcxCustomLookAndFeelPainterMeta::DrawEditorButton(TcxCanvas*, const TRect&, TcxEditBtnKind,
                                                       TcxButtonState) const {}

int TcxCustomLookAndFeelPainterMeta::EditButtonTextOffset() const { return 0; }

TColor TcxCustomLookAndFeelPainterMeta::GetContainerBorderColor(bool) const { return clDefault; }

void TcxCustomLookAndFeelPainterMeta::DrawNavigatorGlyph(TcxCanvas* canvas,
                                                         TCustomImageList* imageList,
                                                         int imageIndex, int, const TRect& r,
                                                         bool enabled, bool) const {
  if (imageList)
    canvas->DrawImage(imageList, r.Left, r.Top, imageIndex, enabled);
}

TSize TcxCustomLookAndFeelPainterMeta::NavigatorGlyphSize() const { return {0, 0}; }

void TcxCustomLookAndFeelPainterMeta::DrawProgressBarBorder(TcxCanvas*, const TRect&, bool) const {}

void TcxCustomLookAndFeelPainterMeta::DrawProgressBarChunk(TcxCanvas*, const TRect&, bool) const {}

TRect TcxCustomLookAndFeelPainterMeta::ProgressBarBorderSize(bool) const { return {}; }

TColor TcxCustomLookAndFeelPainterMeta::ProgressBarTextColor() const { return clDefault; }

void TcxCustomLookAndFeelPainterMeta::DrawGroupBoxBackground(TcxCanvas*, const TRect&,
                                                             const TRect&) const {}

void TcxCustomLookAndFeelPainterMeta::DrawGroupBoxCaption(TcxCanvas*, const TRect&,
                                                          TcxGroupBoxCaptionPosition) const {}

void TcxCustomLookAndFeelPainterMeta::DrawGroupBoxContent(TcxCanvas*, const TRect&,
                                                          TcxGroupBoxCaptionPosition) const {}

TRect TcxCustomLookAndFeelPainterMeta::GroupBoxBorderSize(bool, TcxGroupBoxCaptionPosition) const {
  return {};
}

TColor TcxCustomLookAndFeelPainterMeta::GroupBoxTextColor() const { return clDefault; }

void TcxCustomLookAndFeelPainterMeta::DrawTrackBar(TcxCanvas*, const TRect&, bool, bool) const {}

void TcxCustomLookAndFeelPainterMeta::DrawTrackBarThumb(TcxCanvas*, const TRect&, TcxButtonState,
                                                        bool, TcxTrackBarTicksAlign) const {}

TSize TcxCustomLookAndFeelPainterMeta::TrackBarThumbSize(bool) const { return {0, 0}; }

TColor TcxCustomLookAndFeelPainterMeta::TrackBarTicksColor(bool) const { return clDefault; }

int TcxCustomLookAndFeelPainterMeta::TrackBarTrackSize() const { return 0; }

void TcxCustomLookAndFeelPainterMeta::DrawSplitter(TcxCanvas*, const TRect&, bool, bool,
                                                   bool) const {}

TSize TcxCustomLookAndFeelPainterMeta::GetSplitterSize(bool) const { return {0, 0}; }

// ---- Shared routines ---------------------------------------------------------------------------

void TcxCustomLookAndFeelPainterMeta::CalculateArrowPoints(const TRect& r, TcxArrowPoints& points,
                                                           TcxArrowDirection direction,
                                                           bool proportional,
                                                           int arrowSize) const {
  TRect box = r;
  if (proportional) {
    int d = (box.Right - box.Left) - (box.Bottom - box.Top);
    if (d > 0) {
      box.Left += d / 2;
      box.Right -= d / 2;
    } else {
      box.Top += (-d) / 2;
      box.Bottom -= (-d) / 2;
    }
  }
  bool vertical = direction == TcxArrowDirection::adUp || direction == TcxArrowDirection::adDown;
  int s = arrowSize;
  if (s == 0)
    s = (vertical ? box.Right - box.Left - 1 : box.Bottom - box.Top - 1) / 4 + 1;
  int w = vertical ? 2 * s - 1 : s;
  int h = vertical ? s : 2 * s - 1;
  int y0 = HalfRounded(box.Top + box.Bottom - h);
  int mx = (box.Left + box.Right - 1) / 2;
  int x0 = (box.Left + box.Right - w) / 2;
  int my = (box.Top + box.Bottom) / 2;
  switch (direction) {
  case TcxArrowDirection::adUp:
    points[1] = Point(mx, y0);
    points[0] = Point(x0, y0 + h - 1);
    points[2] = Point(points[0].X + w - 1, points[0].Y);
    break;
  case TcxArrowDirection::adDown:
    points[2] = Point(x0, y0);
    points[0] = Point(points[2].X + w - 1, y0);
    points[1] = Point(mx, y0 + h - 1);
    break;
  case TcxArrowDirection::adLeft:
    points[1] = Point(x0, my);
    points[2] = Point(points[1].X + w - 1, y0);
    points[0] = Point(points[2].X, y0 + h - 1);
    break;
  case TcxArrowDirection::adRight:
    points[0] = Point(x0, y0);
    points[1] = Point(points[0].X + w - 1, my);
    points[2] = Point(points[0].X, y0 + h - 1);
    break;
  }
}

void TcxCustomLookAndFeelPainterMeta::DrawButtonCross(TcxCanvas* canvas, const TRect& r,
                                                      TColor color, TcxButtonState state) const {
  int k = FilterCloseButtonSize().X / 2;
  if (k % 2 == 0)
    --k;
  canvas->Pen()->SetColor(color);
  for (int offset = 0; offset < 2; ++offset) {
    TPoint origin = Point((r.Left + r.Right - k) / 2 + offset, (r.Top + r.Bottom - k) / 2);
    if (state == TcxButtonState::cxbsPressed)
      origin = Point(origin.X + 1, origin.Y + 1);
    canvas->MoveTo(origin.X, origin.Y);
    canvas->LineTo(origin.X + k, origin.Y + k);
    canvas->MoveTo(origin.X, origin.Y + k - 1);
    canvas->LineTo(origin.X + k, origin.Y - 1);
  }
}

void TcxCustomLookAndFeelPainterMeta::DrawExpandButtonCross(TcxCanvas* canvas, const TRect& r,
                                                            bool expanded, TColor color) const {
  int cx = (r.Left + r.Right) / 2;
  int cy = (r.Top + r.Bottom) / 2;
  int half = (r.Right - r.Left - 4) / 2;
  FillWith(canvas, Rect(cx - half, cy, cx + half + 1, cy + 1), color);
  if (!expanded)
    FillWith(canvas, Rect(cx, cy - half, cx + 1, cy + half + 1), color);
}

void TcxCustomLookAndFeelPainterMeta::DrawGroupExpandButtonMark(TcxCanvas* canvas,
                                                                const TRect& r, bool expanded,
                                                                TcxButtonState state) const {
  int x0 = (r.Left + r.Right - 7) / 2;
  int y0 = (r.Top + r.Bottom - 8) / 2;
  int e = expanded ? 1 : -1;
  canvas->Pen()->SetColor(ButtonSymbolColor(state));
  static constexpr int kRows[] = {0, 1, 4, 5};
  for (int i = 0; i < 4; ++i) {
    int y = y0 + kRows[i] + (expanded ? 3 : 0);
    int f = i % 2;
    if (!expanded)
      f = 1 - f;
    canvas->MoveTo(x0 + f, y - f * e);
    canvas->LineTo(x0 + 3, y - 3 * e);
    canvas->LineTo(x0 + 6 + (1 - f), y + (1 - f) * e);
  }
}

void TcxCustomLookAndFeelPainterMeta::DrawIndicatorImage(TcxCanvas* canvas, const TRect& r,
                                                         TcxIndicatorKind kind) const {
  if (kind == TcxIndicatorKind::ikNone || !cxIndicatorImages)
    return;
  canvas->DrawImage(cxIndicatorImages, (r.Left + r.Right - cxIndicatorImages->Width()) / 2,
                    (r.Top + r.Bottom - cxIndicatorImages->Height()) / 2,
                    static_cast<int>(kind) - 1, true);
}

void TcxCustomLookAndFeelPainterMeta::DrawMonthHeaderArrows(TcxCanvas* canvas, const TRect& r,
                                                            TcxHeaderArrows arrows, int sideWidth,
                                                            TColor color) const {
  TRect box = r;
  box.Top += BorderSize() + 1;
  box.Bottom -= 1;
  int c = (box.Bottom - box.Top) / 2;
  if (c % 2 == 0)
    ++c;
  int y0 = (box.Top + box.Bottom - c) / 2 - 1;
  canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
  auto drawArrow = [&](int x, int e) {
    TcxArrowPoints p;
    p[0] = Point(x + (sideWidth - 1) * e, y0);
    p[1] = Point(p[0].X, y0 + c + 1);
    p[2] = Point(p[0].X - (c / 2 + 1) * e, y0 + c / 2 + 1);
    FillPolygon(canvas, p, color);
  };
  if (arrows == TcxHeaderArrows::haLeft || arrows == TcxHeaderArrows::haBoth)
    drawArrow(box.Left, 1);
  if (arrows == TcxHeaderArrows::haRight || arrows == TcxHeaderArrows::haBoth)
    drawArrow(box.Right, -1);
}

void TcxCustomLookAndFeelPainterMeta::DrawSortingArrow(TcxCanvas* canvas, const TRect& r,
                                                       TColor shadowColor, TColor highlightColor,
                                                       bool ascending) const {
  TPoint size = SortingMarkSize();
  int w = size.X;
  int h = size.Y;
  int s = ascending ? 1 : -1;
  int cx = (r.Left + r.Right) / 2 - (w % 2 == 0 ? 1 : 0);
  int y0 = ascending ? (r.Top + r.Bottom - h) / 2 : (r.Top + r.Bottom + h) / 2 - 1;
  int hw = w / 2;
  int hl = w % 2 == 0 ? hw - 1 : hw;
  canvas->Pen()->SetColor(highlightColor);
  canvas->MoveTo(cx + hw, y0 + (h - 2) * s);
  canvas->LineTo(cx + hw - hl, y0);
  canvas->LineTo(cx + hw, y0 + (h - 1) * s);
  if (!ascending)
    canvas->Pen()->SetColor(shadowColor);
  canvas->LineTo(cx - hl, y0 + (h - 1) * s);
  if (ascending)
    canvas->Pen()->SetColor(shadowColor);
  canvas->LineTo(cx, y0);
  canvas->LineTo(cx - hl, y0 + (h - (w & 1)) * s);
}

TcxArrowDirection TcxCustomLookAndFeelPainterMeta::GetArrowDirection(bool horizontal,
                                                                     TcxScrollBarPart part) const {
  static constexpr TcxArrowDirection kDirections[] = {
      TcxArrowDirection::adUp, TcxArrowDirection::adDown, TcxArrowDirection::adLeft,
      TcxArrowDirection::adRight};
  return kDirections[2 * (horizontal ? 1 : 0) + (part != TcxScrollBarPart::sbpLineUp ? 1 : 0)];
}

// ---- Style answers of the Office 2003 and Native painters ---------------------------------------------------

TcxLookAndFeelStyle TcxOffice11LookAndFeelPainterMeta::LookAndFeelStyle() const {
  return TcxLookAndFeelStyle::lfsOffice11;
}

TcxLookAndFeelStyle TcxWinXPLookAndFeelPainterMeta::LookAndFeelStyle() const {
  return TcxLookAndFeelStyle::lfsNative;
}
