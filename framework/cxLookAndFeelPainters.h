// The look-and-feel painters: classes that draw every element of the
// library's controls and answer the metrics their layout needs. A painter is
// never instantiated: its operations are class-level virtual operations on
// its metaclass, and callers hold a TcxCustomLookAndFeelPainterClass. An
// operation reaches the painter's other operations through the metaclass it
// was called on, so overriding a small operation (say ButtonColor) changes
// every composite drawing that asks for it.
//
// Classes in this file: TcxCustomLookAndFeelPainterMeta and
// TcxCustomLookAndFeelPainter (the root, whose routines draw what every look
// shares), TcxStandardLookAndFeelPainter, TcxFlatLookAndFeelPainter,
// TcxUltraFlatLookAndFeelPainter, TcxOffice11LookAndFeelPainter,
// TcxWinXPLookAndFeelPainter, each with its metaclass.
#pragma once

#include <array>
#include <string>

#include "framework/cxClassesAlignment.h"
#include "framework/cxGraphics.h"
#include "platform/objects/Events.h"
#include "platform/objects/Objects.h"
#include "platform/rtl/UnitStartup.h"

#include <uxtheme.h>

class TCustomImageList;

enum class TcxLookAndFeelStyle { lfsFlat, lfsStandard, lfsUltraFlat, lfsNative, lfsOffice11 };
enum class TcxButtonState { cxbsDefault, cxbsNormal, cxbsHot, cxbsPressed, cxbsDisabled };
enum class TcxArrowDirection { adUp, adDown, adLeft, adRight };
enum class TcxScrollBarPart { sbpNone, sbpLineUp, sbpLineDown, sbpThumbnail, sbpPageUp, sbpPageDown };
enum class TcxEditBtnKind {
  cxbkCloseBtn,
  cxbkComboBtn,
  cxbkEditorBtn,
  cxbkEllipsisBtn,
  cxbkSpinUpBtn,
  cxbkSpinDownBtn,
  cxbkSpinLeftBtn,
  cxbkSpinRightBtn
};
enum class TcxGroupBoxCaptionPosition { cxgpTop, cxgpBottom, cxgpLeft, cxgpRight, cxgpCenter };
enum class TcxHeaderArrows { haNone, haLeft, haRight, haBoth };
enum class TcxIndicatorKind { ikNone, ikArrow, ikEdit, ikInsert, ikMultiDot, ikMultiArrow, ikFilter };
enum class TcxNeighbor { nLeft, nTop, nRight, nBottom };
using TcxNeighbors = Set<TcxNeighbor>;
enum class TcxPopupBorderStyle { pbsNone, pbsUltraFlat, pbsFlat, pbs3D };
enum class TcxTrackBarTicksAlign { tbtaUp, tbtaDown, tbtaBoth };

// The three corners of a filled triangle; index 1 is always the apex.
using TcxArrowPoints = std::array<TPoint, 3>;

// Draws the background of an element itself; True tells the painter that the
// background is drawn and must not be filled. An unassigned event is skipped.
using TcxDrawBackgroundEvent = TDelegate<bool(TcxCanvas*, const TRect&)>;

class TcxCustomLookAndFeelPainter;

// The painter operations with the root's behaviour, in the order of the
// family's virtual operations.
class TcxCustomLookAndFeelPainterMeta : public TObject::TMeta {
public:
  using TObject::TMeta::TMeta;

  // ---- Content and general
  virtual void DrawButtonArrow(TcxCanvas* canvas, const TRect& r, TColor color) const;
  virtual void DrawContent(TcxCanvas* canvas, const TRect& bounds, const TRect& textAreaBounds,
                           int state, TAlignment alignmentHorz, TcxAlignmentVert alignmentVert,
                           bool multiLine, bool showEndEllipsis, const std::string& text,
                           TFont* font, TColor textColor, TColor bkColor,
                           const TcxDrawBackgroundEvent& onDrawBackground,
                           bool isFooter = false) const;
  virtual TRect FooterCellContentBounds(const TRect& r) const;
  virtual TRect FooterCellTextAreaBounds(const TRect& r) const;
  virtual TcxLookAndFeelStyle LookAndFeelStyle() const;

  // ---- Default colours
  virtual TColor DefaultContentColor() const;
  virtual TColor DefaultContentTextColor() const;
  virtual TColor DefaultFilterBoxColor() const;
  virtual TColor DefaultFilterBoxTextColor() const;
  virtual TColor DefaultFixedSeparatorColor() const;
  virtual TColor DefaultFooterColor() const;
  virtual TColor DefaultFooterTextColor() const;
  virtual TColor DefaultGridLineColor() const;
  virtual TColor DefaultGroupColor() const;
  virtual TColor DefaultGroupTextColor() const;
  virtual TColor DefaultGroupByBoxColor() const;
  virtual TColor DefaultGroupByBoxTextColor() const;
  virtual TColor DefaultHeaderColor() const;
  virtual TColor DefaultHeaderTextColor() const;
  virtual TColor DefaultHeaderBackgroundColor() const;
  virtual TColor DefaultHeaderBackgroundTextColor() const;
  virtual TColor DefaultHyperlinkTextColor() const;
  virtual TColor DefaultInactiveColor() const;
  virtual TColor DefaultInactiveTextColor() const;
  virtual TColor DefaultPreviewTextColor() const;
  // The painter's own DefaultGridLineColor.
  virtual TColor DefaultRecordSeparatorColor() const;
  virtual TColor DefaultDateNavigatorHeaderColor() const;
  virtual TColor DefaultDateNavigatorSelectionColor() const;
  virtual TColor DefaultDateNavigatorSelectionTextColor() const;
  virtual TColor DefaultSchedulerBackgroundColor() const;
  virtual TColor DefaultSchedulerTextColor() const;
  virtual TColor DefaultSchedulerBorderColor() const;
  virtual TColor DefaultSchedulerControlColor() const;
  virtual TColor DefaultSchedulerViewContentColor() const;
  virtual TColor DefaultSchedulerViewTextColor() const;
  virtual TColor DefaultSelectionColor() const;
  virtual TColor DefaultSelectionTextColor() const;
  virtual TColor DefaultSeparatorColor() const;
  virtual TColor DefaultTabColor() const;
  virtual TColor DefaultTabTextColor() const;
  virtual TColor DefaultTabsBackgroundColor() const;
  virtual TColor DefaultTimeGridMajorScaleColor() const;
  virtual TColor DefaultTimeGridMajorScaleTextColor() const;
  virtual TColor DefaultTimeGridMinorScaleColor() const;
  virtual TColor DefaultTimeGridMinorScaleTextColor() const;
  virtual TColor DefaultTimeGridSelectionBarColor() const;
  virtual TColor DefaultChartDiagramValueBorderColor() const;
  virtual TColor DefaultChartDiagramValueCaptionTextColor() const;
  virtual TColor DefaultChartHistogramAxisColor() const;
  virtual TColor DefaultChartHistogramGridLineColor() const;
  virtual TColor DefaultChartHistogramPlotColor() const;
  virtual TColor DefaultChartPieDiagramSeriesSiteBorderColor() const;
  virtual TColor DefaultChartPieDiagramSeriesSiteCaptionColor() const;
  virtual TColor DefaultChartPieDiagramSeriesSiteCaptionTextColor() const;
  virtual TColor DefaultChartToolBoxDataLevelInfoBorderColor() const;
  virtual TColor DefaultChartToolBoxItemSeparatorColor() const;

  // ---- Arrows and borders
  // A filled triangle in the colour, in the rect made square first.
  virtual void DrawArrow(TcxCanvas* canvas, const TRect& r, TcxArrowDirection direction,
                         TColor color) const;
  // The button (its border or its colour), then the triangle in ButtonSymbolColor.
  virtual void DrawArrow(TcxCanvas* canvas, const TRect& r, TcxButtonState state,
                         TcxArrowDirection direction, bool drawBorder = true) const;
  virtual void DrawArrowBorder(TcxCanvas* canvas, const TRect& r, TcxButtonState state) const;
  // Pressed glyphs move by ButtonTextShift; disabled ones are embossed.
  virtual void DrawScrollBarArrow(TcxCanvas* canvas, const TRect& r, TcxButtonState state,
                                  TcxArrowDirection direction) const;
  virtual int BorderSize() const;
  virtual void DrawBorder(TcxCanvas* canvas, const TRect& r) const;

  // ---- Buttons and expand buttons
  virtual TRect AdjustGroupButtonDisplayRect(const TRect& r, int buttonCount,
                                             int buttonIndex) const;
  virtual int ButtonBorderSize(TcxButtonState state = TcxButtonState::cxbsNormal) const;
  virtual TColor ButtonColor(TcxButtonState state) const;
  virtual TRect ButtonFocusRect(TcxCanvas* canvas, const TRect& r) const;
  // Widths of the four sides (Left, Top, Right, Bottom).
  virtual TRect ButtonGroupBorderSizes(int buttonCount, int buttonIndex) const;
  virtual int ButtonTextOffset() const;
  virtual int ButtonTextShift() const;
  virtual TColor ButtonSymbolColor(TcxButtonState state, TColor defaultColor = clDefault) const;
  virtual TcxButtonState ButtonSymbolState(TcxButtonState state) const;
  virtual void DrawButton(TcxCanvas* canvas, const TRect& r, const std::string& caption,
                          TcxButtonState state, bool drawBorder = true, TColor color = clDefault,
                          TColor textColor = clDefault) const;
  virtual void DrawButtonInGroup(TcxCanvas* canvas, const TRect& r, TcxButtonState state,
                                 int buttonCount, int buttonIndex, TColor backgroundColor) const;
  virtual void DrawButtonBorder(TcxCanvas* canvas, const TRect& r, TcxButtonState state) const;
  virtual void DrawButtonGroupBorder(TcxCanvas* canvas, const TRect& r, bool inplace,
                                     bool selected) const;
  virtual void DrawExpandButton(TcxCanvas* canvas, const TRect& r, bool expanded,
                                TColor color = clDefault) const;
  virtual bool DrawExpandButtonFirst() const;
  virtual void DrawGroupExpandButton(TcxCanvas* canvas, const TRect& r, bool expanded,
                                     TcxButtonState state) const;
  virtual void DrawSmallExpandButton(TcxCanvas* canvas, const TRect& r, bool expanded,
                                     TColor borderColor, TColor color = clDefault) const;
  virtual int ExpandButtonSize() const;
  virtual int GroupExpandButtonSize() const;
  virtual bool IsButtonHotTrack() const;
  virtual bool IsPointOverGroupExpandButton(const TRect& r, const TPoint& p) const;
  virtual int SmallExpandButtonSize() const;

  // ---- Check boxes
  virtual int CheckBorderSize() const;
  virtual TColor CheckButtonColor(TcxButtonState state) const;
  virtual TSize CheckButtonSize() const;
  // Fills with CheckButtonColor unless the brush is clear, then the mark.
  virtual void DrawCheck(TcxCanvas* canvas, const TRect& r, TcxButtonState state, bool checked,
                         TColor color) const;
  virtual void DrawCheckBorder(TcxCanvas* canvas, const TRect& r, TcxButtonState state) const;
  virtual void DrawCheckButton(TcxCanvas* canvas, const TRect& r, TcxButtonState state,
                               bool checked) const;
  // The pre-rendered image of the painter's look at (x, y); outside the
  // circle the canvas shows, or the brush colour unless it is clDefault.
  virtual void DrawRadioButton(TcxCanvas* canvas, int x, int y, TcxButtonState state,
                               bool checked, bool focused, TColor brushColor,
                               bool highlight = false) const;
  virtual TSize RadioButtonSize() const;

  // ---- Headers and sorting marks
  virtual void DrawHeader(TcxCanvas* canvas, const TRect& bounds, const TRect& textAreaBounds,
                          TcxNeighbors neighbors, TcxBorders borders, TcxButtonState state,
                          TAlignment alignmentHorz, TcxAlignmentVert alignmentVert,
                          bool multiLine, bool showEndEllipsis, const std::string& text,
                          TFont* font, TColor textColor, TColor bkColor,
                          const TcxDrawBackgroundEvent& onDrawBackground,
                          bool isLast = false) const;
  virtual void DrawHeaderEx(TcxCanvas* canvas, const TRect& bounds, const TRect& textAreaBounds,
                            TcxNeighbors neighbors, TcxBorders borders, TcxButtonState state,
                            TAlignment alignmentHorz, TcxAlignmentVert alignmentVert,
                            bool multiLine, bool showEndEllipsis, const std::string& text,
                            TFont* font, TColor textColor, TColor bkColor,
                            const TcxDrawBackgroundEvent& onDrawBackground) const;
  virtual void DrawHeaderBorder(TcxCanvas* canvas, const TRect& r, TcxNeighbors neighbors,
                                TcxBorders borders) const;
  virtual void DrawHeaderPressed(TcxCanvas* canvas, const TRect& r) const;
  virtual void DrawHeaderControlSection(TcxCanvas* canvas, const TRect& bounds,
                                        const TRect& textAreaBounds, TcxNeighbors neighbors,
                                        TcxBorders borders, TcxButtonState state,
                                        TAlignment alignmentHorz,
                                        TcxAlignmentVert alignmentVert, bool multiLine,
                                        bool showEndEllipsis, const std::string& text,
                                        TFont* font, TColor textColor, TColor bkColor) const;
  virtual void DrawHeaderControlSectionBorder(TcxCanvas* canvas, const TRect& r,
                                              TcxBorders borders, TcxButtonState state) const;
  virtual void DrawHeaderControlSectionContent(TcxCanvas* canvas, const TRect& bounds,
                                               const TRect& textAreaBounds, TcxButtonState state,
                                               TAlignment alignmentHorz,
                                               TcxAlignmentVert alignmentVert, bool multiLine,
                                               bool showEndEllipsis, const std::string& text,
                                               TFont* font, TColor textColor,
                                               TColor bkColor) const;
  // Embossed (highlight under shadow) when disabled.
  virtual void DrawHeaderControlSectionText(TcxCanvas* canvas, const TRect& r,
                                            TcxButtonState state, TAlignment alignmentHorz,
                                            TcxAlignmentVert alignmentVert, bool multiLine,
                                            bool showEndEllipsis, const std::string& text,
                                            TFont* font, TColor textColor) const;
  virtual void DrawSortingMark(TcxCanvas* canvas, const TRect& r, bool ascending) const;
  virtual TcxBorders HeaderBorders(TcxNeighbors neighbors) const;
  virtual int HeaderBorderSize() const;
  // Grown outwards on each side the borders hold and HeaderBorders does not.
  virtual TRect HeaderBounds(const TRect& r, TcxNeighbors neighbors,
                             TcxBorders borders = cxBordersAll) const;
  virtual TRect HeaderContentBounds(const TRect& r, TcxBorders borders) const;
  virtual bool HeaderDrawCellsFirst() const;
  virtual int HeaderHeight(int fontHeight) const;
  virtual int HeaderControlSectionBorderSize(TcxButtonState state = TcxButtonState::cxbsNormal) const;
  virtual TRect HeaderControlSectionTextAreaBounds(const TRect& r, TcxButtonState state) const;
  virtual TRect HeaderControlSectionContentBounds(const TRect& r, TcxButtonState state) const;
  virtual int HeaderWidth(TcxCanvas* canvas, TcxBorders borders, const std::string& text,
                          TFont* font) const;
  virtual bool IsHeaderHotTrack() const;
  virtual TPoint SortingMarkAreaSize() const;
  virtual TPoint SortingMarkSize() const;

  // ---- Footers
  virtual void DrawFooterCell(TcxCanvas* canvas, const TRect& bounds, TAlignment alignmentHorz,
                              TcxAlignmentVert alignmentVert, bool multiLine,
                              const std::string& text, TFont* font, TColor textColor,
                              TColor bkColor, const TcxDrawBackgroundEvent& onDrawBackground) const;
  virtual TcxBorders FooterBorders() const;
  virtual int FooterBorderSize() const;
  virtual int FooterCellBorderSize() const;
  virtual int FooterCellOffset() const;
  virtual bool FooterDrawCellsFirst() const;
  virtual TColor FooterSeparatorColor() const;
  virtual int FooterSeparatorSize() const;
  virtual void DrawFooterBorder(TcxCanvas* canvas, const TRect& r) const;
  virtual void DrawFooterCellBorder(TcxCanvas* canvas, const TRect& r) const;
  virtual void DrawFooterSeparator(TcxCanvas* canvas, const TRect& r) const;

  // ---- Filter buttons and popup border
  virtual void DrawFilterActivateButton(TcxCanvas* canvas, const TRect& r, TcxButtonState state,
                                        bool checked) const;
  virtual void DrawFilterCloseButton(TcxCanvas* canvas, const TRect& r,
                                     TcxButtonState state) const;
  virtual void DrawFilterDropDownButton(TcxCanvas* canvas, const TRect& r, TcxButtonState state,
                                        bool isFilterActive) const;
  virtual TPoint FilterActivateButtonSize() const;
  virtual TPoint FilterCloseButtonSize() const;
  virtual TPoint FilterDropDownButtonSize() const;
  virtual TcxPopupBorderStyle PopupBorderStyle() const;

  // ---- Tabs, indicator, scroll bar, size grip
  virtual void DrawTab(TcxCanvas* canvas, const TRect& r, TcxBorders borders,
                       const std::string& text, TcxButtonState state, bool vertical, TFont* font,
                       TColor textColor, TColor bkColor, bool showPrefix = false) const;
  virtual void DrawTabBorder(TcxCanvas* canvas, const TRect& r, TcxBorder side,
                             TcxBorders borders, bool vertical) const;
  virtual void DrawTabsRoot(TcxCanvas* canvas, const TRect& r, TcxBorders borders,
                            bool vertical) const;
  virtual bool IsDrawTabImplemented(bool vertical) const;
  virtual bool IsTabHotTrack(bool vertical) const;
  virtual int TabBorderSize(bool vertical) const;
  virtual void DrawIndicatorItem(TcxCanvas* canvas, const TRect& r, TcxIndicatorKind kind,
                                 TColor color,
                                 const TcxDrawBackgroundEvent& onDrawBackground = {}) const;
  virtual void DrawIndicatorItemEx(TcxCanvas* canvas, const TRect& r, TcxIndicatorKind kind,
                                   TColor color,
                                   const TcxDrawBackgroundEvent& onDrawBackground = {}) const;
  virtual bool IndicatorDrawItemsFirst() const;
  virtual void DrawScrollBarPart(TcxCanvas* canvas, bool horizontal, const TRect& r,
                                 TcxScrollBarPart part, TcxButtonState state) const;
  virtual TSize SizeGripSize() const;
  virtual void DrawSizeGrip(TcxCanvas* canvas, const TRect& r, TColor backgroundColor) const;

  // ---- Calendar, scheduler and chart
  virtual void DrawMonthHeader(TcxCanvas* canvas, const TRect& r, const std::string& text,
                               TcxNeighbors neighbors, const TcxViewParams& viewParams,
                               TcxHeaderArrows arrows, int sideWidth,
                               const TcxDrawBackgroundEvent& onDrawBackground = {}) const;
  virtual void DrawSchedulerBorder(TcxCanvas* canvas, const TRect& r) const;
  virtual void DrawSchedulerNavigatorButton(TcxCanvas* canvas, const TRect& r,
                                            TcxButtonState state) const;
  virtual void DrawSchedulerSplitterBorder(TcxCanvas* canvas, const TRect& r,
                                           const TcxViewParams& viewParams,
                                           bool isHorizontal) const;
  virtual int ChartToolBoxDataLevelInfoBorderSize() const;

  // ---- Editor buttons, navigator, progress bar, group box, track bar, splitter
  virtual void DrawEditorButton(TcxCanvas* canvas, const TRect& r, TcxEditBtnKind buttonKind,
                                TcxButtonState state) const;
  virtual int EditButtonTextOffset() const;
  virtual TColor GetContainerBorderColor(bool isHighlightBorder) const;
  virtual void DrawNavigatorGlyph(TcxCanvas* canvas, TCustomImageList* imageList, int imageIndex,
                                  int buttonIndex, const TRect& r, bool enabled,
                                  bool userGlyphs) const;
  virtual TSize NavigatorGlyphSize() const;
  virtual void DrawProgressBarBorder(TcxCanvas* canvas, const TRect& r, bool vertical) const;
  virtual void DrawProgressBarChunk(TcxCanvas* canvas, const TRect& r, bool vertical) const;
  virtual TRect ProgressBarBorderSize(bool vertical) const;
  virtual TColor ProgressBarTextColor() const;
  virtual void DrawGroupBoxBackground(TcxCanvas* canvas, const TRect& bounds,
                                      const TRect& r) const;
  virtual void DrawGroupBoxCaption(TcxCanvas* canvas, const TRect& r,
                                   TcxGroupBoxCaptionPosition position) const;
  virtual void DrawGroupBoxContent(TcxCanvas* canvas, const TRect& r,
                                   TcxGroupBoxCaptionPosition position) const;
  virtual TRect GroupBoxBorderSize(bool caption, TcxGroupBoxCaptionPosition position) const;
  virtual TColor GroupBoxTextColor() const;
  virtual void DrawTrackBar(TcxCanvas* canvas, const TRect& r, bool horizontal,
                            bool selection) const;
  virtual void DrawTrackBarThumb(TcxCanvas* canvas, const TRect& r, TcxButtonState state,
                                 bool horizontal, TcxTrackBarTicksAlign ticks) const;
  virtual TSize TrackBarThumbSize(bool horizontal) const;
  virtual TColor TrackBarTicksColor(bool text) const;
  virtual int TrackBarTrackSize() const;
  virtual void DrawSplitter(TcxCanvas* canvas, const TRect& r, bool highlighted, bool clicked,
                            bool horizontal) const;
  virtual TSize GetSplitterSize(bool horizontal) const;

  // ---- Shared routines (not overridable; they call the painter's operations)
  // The triangle of an arrow in the rect; the size 0 is chosen from the rect.
  void CalculateArrowPoints(const TRect& r, TcxArrowPoints& points, TcxArrowDirection direction,
                            bool proportional, int arrowSize = 0) const;
  // The two-pixel cross of the filter close button.
  void DrawButtonCross(TcxCanvas* canvas, const TRect& r, TColor color,
                       TcxButtonState state) const;
  // A minus when expanded, a plus when collapsed.
  void DrawExpandButtonCross(TcxCanvas* canvas, const TRect& r, bool expanded,
                             TColor color) const;
  // Two chevrons pointing up when expanded, down when collapsed.
  void DrawGroupExpandButtonMark(TcxCanvas* canvas, const TRect& r, bool expanded,
                                 TcxButtonState state) const;
  void DrawIndicatorImage(TcxCanvas* canvas, const TRect& r, TcxIndicatorKind kind) const;
  void DrawMonthHeaderArrows(TcxCanvas* canvas, const TRect& r, TcxHeaderArrows arrows,
                             int sideWidth, TColor color) const;
  // An engraved triangle outline of SortingMarkSize.
  void DrawSortingArrow(TcxCanvas* canvas, const TRect& r, TColor shadowColor,
                        TColor highlightColor, bool ascending) const;
  TcxArrowDirection GetArrowDirection(bool horizontal, TcxScrollBarPart part) const;
};

class TcxCustomLookAndFeelPainter : public TObject {
  OBJECT_CLASS_META(TcxCustomLookAndFeelPainter, TObject, TcxCustomLookAndFeelPainterMeta)
public:
  TcxCustomLookAndFeelPainter() = delete;
};

using TcxCustomLookAndFeelPainterClass = TClassRef<TcxCustomLookAndFeelPainter>;

// The checkered brush of scroll-bar page areas, normal or pressed; built by
// the unit's start-up (none before it).
TBitmap* cxScrollBarPattern(bool pressed);
// Repaints both page-area patterns from the current system colours (making
// them first when the unit's start-up has not).
void UpdateScrollBarBitmaps();
// Makes the painters' shared resources at start-up (the skin registry, the
// indicator images, the scroll-bar patterns, the auto-hide bitmaps and the
// system-colour notifier that rebuilds the radio images) and frees them at
// shut-down.
extern const TUnitInfo cxLookAndFeelPaintersUnit;

// The painter of the application's default look (UltraFlat).
TcxCustomLookAndFeelPainterClass GetCurrentPainterClass();
// The rectangle inset by 2 on every side.
TRect cxTextRect(const TRect& r);
// The push-button theme state of a button state.
int BtnStateToXPBtnState(TcxButtonState state);
// The 12 x 12 transparent bitmaps of an auto-hide button, pinned (on) or
// not; none before the unit's start-up.
TBitmap* cxAutoHideBitmap(bool on);

// The images of the row indicator, one per indicator kind after ikNone, in
// kind order; none until the painters' unit start-up makes them.
extern TCustomImageList* cxIndicatorImages;

// ---- Standard: classic 3D, two-pixel edges -----------------------------------

class TcxStandardLookAndFeelPainterMeta : public TcxCustomLookAndFeelPainterMeta {
public:
  using TcxCustomLookAndFeelPainterMeta::TcxCustomLookAndFeelPainterMeta;
  TColor DefaultSchedulerViewContentColor() const override;
  int BorderSize() const override;
  void DrawBorder(TcxCanvas* canvas, const TRect& r) const override;
  int ButtonBorderSize(TcxButtonState state = TcxButtonState::cxbsNormal) const override;
  int ButtonTextOffset() const override;
  int ButtonTextShift() const override;
  void DrawButtonBorder(TcxCanvas* canvas, const TRect& r, TcxButtonState state) const override;
  void DrawExpandButton(TcxCanvas* canvas, const TRect& r, bool expanded,
                        TColor color = clDefault) const override;
  void DrawGroupExpandButton(TcxCanvas* canvas, const TRect& r, bool expanded,
                             TcxButtonState state) const override;
  int ExpandButtonSize() const override;
  void DrawCheckBorder(TcxCanvas* canvas, const TRect& r, TcxButtonState state) const override;
  void DrawHeaderBorder(TcxCanvas* canvas, const TRect& r, TcxNeighbors neighbors,
                        TcxBorders borders) const override;
  void DrawHeaderControlSectionBorder(TcxCanvas* canvas, const TRect& r, TcxBorders borders,
                                      TcxButtonState state) const override;
  void DrawSortingMark(TcxCanvas* canvas, const TRect& r, bool ascending) const override;
  int HeaderBorderSize() const override;
  int HeaderControlSectionBorderSize(TcxButtonState state = TcxButtonState::cxbsNormal) const override;
  TPoint SortingMarkSize() const override;
  int FooterBorderSize() const override;
  int FooterCellBorderSize() const override;
  int FooterCellOffset() const override;
  void DrawFooterBorder(TcxCanvas* canvas, const TRect& r) const override;
  void DrawFooterCellBorder(TcxCanvas* canvas, const TRect& r) const override;
  void DrawFilterDropDownButton(TcxCanvas* canvas, const TRect& r, TcxButtonState state,
                                bool isFilterActive) const override;
  void DrawTabBorder(TcxCanvas* canvas, const TRect& r, TcxBorder side, TcxBorders borders,
                     bool vertical) const override;
  void DrawTabsRoot(TcxCanvas* canvas, const TRect& r, TcxBorders borders,
                    bool vertical) const override;
  int TabBorderSize(bool vertical) const override;
  // Hot parts look normal; a disabled thumb is not drawn.
  void DrawScrollBarPart(TcxCanvas* canvas, bool horizontal, const TRect& r,
                         TcxScrollBarPart part, TcxButtonState state) const override;
  void DrawMonthHeader(TcxCanvas* canvas, const TRect& r, const std::string& text,
                       TcxNeighbors neighbors, const TcxViewParams& viewParams,
                       TcxHeaderArrows arrows, int sideWidth,
                       const TcxDrawBackgroundEvent& onDrawBackground = {}) const override;
  void DrawSchedulerSplitterBorder(TcxCanvas* canvas, const TRect& r,
                                   const TcxViewParams& viewParams,
                                   bool isHorizontal) const override;
};

class TcxStandardLookAndFeelPainter : public TcxCustomLookAndFeelPainter {
  OBJECT_CLASS_META(TcxStandardLookAndFeelPainter, TcxCustomLookAndFeelPainter,
                    TcxStandardLookAndFeelPainterMeta)
};

// ---- Flat: one-pixel 3D edges ------------------------------------------------

class TcxFlatLookAndFeelPainterMeta : public TcxCustomLookAndFeelPainterMeta {
public:
  using TcxCustomLookAndFeelPainterMeta::TcxCustomLookAndFeelPainterMeta;
  TcxLookAndFeelStyle LookAndFeelStyle() const override;
  int BorderSize() const override;
  void DrawBorder(TcxCanvas* canvas, const TRect& r) const override;
  int ButtonBorderSize(TcxButtonState state = TcxButtonState::cxbsNormal) const override;
  int ButtonTextOffset() const override;
  int ButtonTextShift() const override;
  void DrawButtonBorder(TcxCanvas* canvas, const TRect& r, TcxButtonState state) const override;
  void DrawExpandButton(TcxCanvas* canvas, const TRect& r, bool expanded,
                        TColor color = clDefault) const override;
  int ExpandButtonSize() const override;
  void DrawCheckBorder(TcxCanvas* canvas, const TRect& r, TcxButtonState state) const override;
  void DrawHeaderBorder(TcxCanvas* canvas, const TRect& r, TcxNeighbors neighbors,
                        TcxBorders borders) const override;
  void DrawHeaderControlSectionBorder(TcxCanvas* canvas, const TRect& r, TcxBorders borders,
                                      TcxButtonState state) const override;
  void DrawSortingMark(TcxCanvas* canvas, const TRect& r, bool ascending) const override;
  int HeaderBorderSize() const override;
  TPoint SortingMarkSize() const override;
  int FooterBorderSize() const override;
  int FooterCellBorderSize() const override;
  int FooterCellOffset() const override;
  void DrawFooterBorder(TcxCanvas* canvas, const TRect& r) const override;
  void DrawFooterCellBorder(TcxCanvas* canvas, const TRect& r) const override;
  void DrawFilterDropDownButton(TcxCanvas* canvas, const TRect& r, TcxButtonState state,
                                bool isFilterActive) const override;
  void DrawTabBorder(TcxCanvas* canvas, const TRect& r, TcxBorder side, TcxBorders borders,
                     bool vertical) const override;
  void DrawTabsRoot(TcxCanvas* canvas, const TRect& r, TcxBorders borders,
                    bool vertical) const override;
  int TabBorderSize(bool vertical) const override;
  // Hot parts look normal; a disabled thumb is not drawn.
  void DrawScrollBarPart(TcxCanvas* canvas, bool horizontal, const TRect& r,
                         TcxScrollBarPart part, TcxButtonState state) const override;
  void DrawSchedulerSplitterBorder(TcxCanvas* canvas, const TRect& r,
                                   const TcxViewParams& viewParams,
                                   bool isHorizontal) const override;
};

class TcxFlatLookAndFeelPainter : public TcxCustomLookAndFeelPainter {
  OBJECT_CLASS_META(TcxFlatLookAndFeelPainter, TcxCustomLookAndFeelPainter,
                    TcxFlatLookAndFeelPainterMeta)
};

// ---- UltraFlat: one-pixel plain frames, selection-coloured hot and pressed ---

class TcxUltraFlatLookAndFeelPainterMeta : public TcxCustomLookAndFeelPainterMeta {
public:
  using TcxCustomLookAndFeelPainterMeta::TcxCustomLookAndFeelPainterMeta;
  TcxLookAndFeelStyle LookAndFeelStyle() const override;
  TColor DefaultSchedulerBorderColor() const override;
  int BorderSize() const override;
  void DrawBorder(TcxCanvas* canvas, const TRect& r) const override;
  int ButtonBorderSize(TcxButtonState state = TcxButtonState::cxbsNormal) const override;
  TColor ButtonColor(TcxButtonState state) const override;
  TRect ButtonFocusRect(TcxCanvas* canvas, const TRect& r) const override;
  TRect ButtonGroupBorderSizes(int buttonCount, int buttonIndex) const override;
  int ButtonTextOffset() const override;
  int ButtonTextShift() const override;
  TColor ButtonSymbolColor(TcxButtonState state, TColor defaultColor = clDefault) const override;
  TcxButtonState ButtonSymbolState(TcxButtonState state) const override;
  void DrawButtonInGroup(TcxCanvas* canvas, const TRect& r, TcxButtonState state,
                         int buttonCount, int buttonIndex, TColor backgroundColor) const override;
  void DrawButtonBorder(TcxCanvas* canvas, const TRect& r, TcxButtonState state) const override;
  void DrawButtonGroupBorder(TcxCanvas* canvas, const TRect& r, bool inplace,
                             bool selected) const override;
  void DrawExpandButton(TcxCanvas* canvas, const TRect& r, bool expanded,
                        TColor color = clDefault) const override;
  int ExpandButtonSize() const override;
  bool IsButtonHotTrack() const override;
  void DrawCheckBorder(TcxCanvas* canvas, const TRect& r, TcxButtonState state) const override;
  void DrawHeaderEx(TcxCanvas* canvas, const TRect& bounds, const TRect& textAreaBounds,
                    TcxNeighbors neighbors, TcxBorders borders, TcxButtonState state,
                    TAlignment alignmentHorz, TcxAlignmentVert alignmentVert, bool multiLine,
                    bool showEndEllipsis, const std::string& text, TFont* font,
                    TColor textColor, TColor bkColor,
                    const TcxDrawBackgroundEvent& onDrawBackground) const override;
  void DrawHeaderBorder(TcxCanvas* canvas, const TRect& r, TcxNeighbors neighbors,
                        TcxBorders borders) const override;
  void DrawHeaderControlSectionBorder(TcxCanvas* canvas, const TRect& r, TcxBorders borders,
                                      TcxButtonState state) const override;
  void DrawHeaderControlSectionContent(TcxCanvas* canvas, const TRect& bounds,
                                       const TRect& textAreaBounds, TcxButtonState state,
                                       TAlignment alignmentHorz, TcxAlignmentVert alignmentVert,
                                       bool multiLine, bool showEndEllipsis,
                                       const std::string& text, TFont* font, TColor textColor,
                                       TColor bkColor) const override;
  void DrawSortingMark(TcxCanvas* canvas, const TRect& r, bool ascending) const override;
  TcxBorders HeaderBorders(TcxNeighbors neighbors) const override;
  int HeaderBorderSize() const override;
  TPoint SortingMarkSize() const override;
  void DrawFooterBorder(TcxCanvas* canvas, const TRect& r) const override;
  void DrawFooterCellBorder(TcxCanvas* canvas, const TRect& r) const override;
  TcxBorders FooterBorders() const override;
  int FooterBorderSize() const override;
  int FooterCellBorderSize() const override;
  int FooterCellOffset() const override;
  void DrawFilterDropDownButton(TcxCanvas* canvas, const TRect& r, TcxButtonState state,
                                bool isFilterActive) const override;
  TPoint FilterCloseButtonSize() const override;
  void DrawTabBorder(TcxCanvas* canvas, const TRect& r, TcxBorder side, TcxBorders borders,
                     bool vertical) const override;
  void DrawTabsRoot(TcxCanvas* canvas, const TRect& r, TcxBorders borders,
                    bool vertical) const override;
  int TabBorderSize(bool vertical) const override;
  // Hot parts are drawn hot; a disabled thumb is not drawn.
  void DrawScrollBarPart(TcxCanvas* canvas, bool horizontal, const TRect& r,
                         TcxScrollBarPart part, TcxButtonState state) const override;
  void DrawSchedulerNavigatorButton(TcxCanvas* canvas, const TRect& r,
                                    TcxButtonState state) const override;
  void DrawSchedulerSplitterBorder(TcxCanvas* canvas, const TRect& r,
                                   const TcxViewParams& viewParams,
                                   bool isHorizontal) const override;

  // Operations this look adds.
  virtual TColor FilterDropDownButtonBorderColor(TcxButtonState state) const;
  virtual TColor TabBorderHighlightColor() const;
  virtual TColor TabBorderDarkColor() const;
  virtual TColor BorderHighlightColor() const;
};

class TcxUltraFlatLookAndFeelPainter : public TcxCustomLookAndFeelPainter {
  OBJECT_CLASS_META(TcxUltraFlatLookAndFeelPainter, TcxCustomLookAndFeelPainter,
                    TcxUltraFlatLookAndFeelPainterMeta)
};

// ---- Office 2003: the Office 2003 scheme's colours and gradients -------------

class TcxOffice11LookAndFeelPainterMeta : public TcxUltraFlatLookAndFeelPainterMeta {
public:
  using TcxUltraFlatLookAndFeelPainterMeta::TcxUltraFlatLookAndFeelPainterMeta;
  TcxLookAndFeelStyle LookAndFeelStyle() const override;
  // The Office 2003 scheme's colours, read at every call
  // (framework/cxLookAndFeelPaintersOffice11.cpp).
  int ExpandButtonSize() const override;
  int SmallExpandButtonSize() const override;
  bool DrawExpandButtonFirst() const override;
  TcxBorders HeaderBorders(TcxNeighbors neighbors) const override;
  int HeaderBorderSize() const override;
  bool IsHeaderHotTrack() const override;
  TColor ButtonColor(TcxButtonState state) const override;
  TColor ButtonSymbolColor(TcxButtonState state, TColor defaultColor = clDefault) const override;
  TColor CheckButtonColor(TcxButtonState state) const override;
  void DrawButtonBorder(TcxCanvas* canvas, const TRect& r, TcxButtonState state) const override;
  void DrawBorder(TcxCanvas* canvas, const TRect& r) const override;
  void DrawScrollBarPart(TcxCanvas* canvas, bool horizontal, const TRect& r,
                         TcxScrollBarPart part, TcxButtonState state) const override;
  void DrawSizeGrip(TcxCanvas* canvas, const TRect& r, TColor backgroundColor) const override;
  void DrawExpandButton(TcxCanvas* canvas, const TRect& r, bool expanded,
                        TColor color = clDefault) const override;
  void DrawSmallExpandButton(TcxCanvas* canvas, const TRect& r, bool expanded,
                             TColor borderColor, TColor color = clDefault) const override;
  void DrawHeaderBorder(TcxCanvas* canvas, const TRect& r, TcxNeighbors neighbors,
                        TcxBorders borders) const override;
  // Gradient background (unless the event draws it), the text, and a
  // selection underline when hot (state 2).
  void DrawContent(TcxCanvas* canvas, const TRect& bounds, const TRect& textAreaBounds, int state,
                   TAlignment alignmentHorz, TcxAlignmentVert alignmentVert, bool multiLine,
                   bool showEndEllipsis, const std::string& text, TFont* font, TColor textColor,
                   TColor bkColor, const TcxDrawBackgroundEvent& onDrawBackground,
                   bool isFooter = false) const override;
  // The background event is not used: the content paints its own gradient.
  void DrawHeader(TcxCanvas* canvas, const TRect& bounds, const TRect& textAreaBounds,
                  TcxNeighbors neighbors, TcxBorders borders, TcxButtonState state,
                  TAlignment alignmentHorz, TcxAlignmentVert alignmentVert, bool multiLine,
                  bool showEndEllipsis, const std::string& text, TFont* font, TColor textColor,
                  TColor bkColor, const TcxDrawBackgroundEvent& onDrawBackground,
                  bool isLast = false) const override;
  void DrawHeaderControlSection(TcxCanvas* canvas, const TRect& bounds,
                                const TRect& textAreaBounds, TcxNeighbors neighbors,
                                TcxBorders borders, TcxButtonState state,
                                TAlignment alignmentHorz, TcxAlignmentVert alignmentVert,
                                bool multiLine, bool showEndEllipsis, const std::string& text,
                                TFont* font, TColor textColor, TColor bkColor) const override;
  void DrawSortingMark(TcxCanvas* canvas, const TRect& r, bool ascending) const override;
  void DrawMonthHeader(TcxCanvas* canvas, const TRect& r, const std::string& text,
                       TcxNeighbors neighbors, const TcxViewParams& viewParams,
                       TcxHeaderArrows arrows, int sideWidth,
                       const TcxDrawBackgroundEvent& onDrawBackground = {}) const override;
  void DrawSchedulerBorder(TcxCanvas* canvas, const TRect& r) const override;
  void DrawSchedulerNavigatorButton(TcxCanvas* canvas, const TRect& r,
                                    TcxButtonState state) const override;
  TColor BorderHighlightColor() const override;
  TColor FilterDropDownButtonBorderColor(TcxButtonState state) const override;
  TColor FooterSeparatorColor() const override;
  TColor TabBorderHighlightColor() const override;
  TColor DefaultDateNavigatorHeaderColor() const override;
  TColor DefaultDateNavigatorSelectionColor() const override;
  TColor DefaultDateNavigatorSelectionTextColor() const override;
  TColor DefaultFilterBoxColor() const override;
  TColor DefaultFilterBoxTextColor() const override;
  TColor DefaultFooterColor() const override;
  TColor DefaultFooterTextColor() const override;
  TColor DefaultGroupColor() const override;
  TColor DefaultGroupByBoxColor() const override;
  TColor DefaultGroupByBoxTextColor() const override;
  TColor DefaultHeaderColor() const override;
  TColor DefaultHeaderBackgroundColor() const override;
  TColor DefaultSchedulerBorderColor() const override;
  TColor DefaultSchedulerControlColor() const override;
  TColor DefaultTabColor() const override;
  TColor DefaultTabsBackgroundColor() const override;
  TColor DefaultTimeGridMinorScaleColor() const override;
  TColor DefaultTimeGridSelectionBarColor() const override;
  virtual TColor HeaderBottomColor() const;
  virtual TColor HeaderDarkEdgeColor() const;
  virtual TColor HeaderHighlightEdgeColor() const;
  virtual TColor HeaderTopColor() const;
};

class TcxOffice11LookAndFeelPainter : public TcxUltraFlatLookAndFeelPainter {
  OBJECT_CLASS_META(TcxOffice11LookAndFeelPainter, TcxUltraFlatLookAndFeelPainter,
                    TcxOffice11LookAndFeelPainterMeta)
};

// ---- Native: the platform's visual styles, else the Standard look ------------

class TcxWinXPLookAndFeelPainterMeta : public TcxStandardLookAndFeelPainterMeta {
public:
  using TcxStandardLookAndFeelPainterMeta::TcxStandardLookAndFeelPainterMeta;
  using TcxStandardLookAndFeelPainterMeta::DrawArrow;
  using TcxStandardLookAndFeelPainterMeta::DrawContent;
  TcxLookAndFeelStyle LookAndFeelStyle() const override;
  // Each themed operation opens its theme class and, without it, does what
  // the Standard painter does (framework/cxLookAndFeelPaintersNative.cpp).
  int BorderSize() const override;
  int ButtonTextOffset() const override;
  int ButtonTextShift() const override;
  bool IsButtonHotTrack() const override;
  bool DrawExpandButtonFirst() const override;
  bool HeaderDrawCellsFirst() const override;
  bool FooterDrawCellsFirst() const override;
  bool IsHeaderHotTrack() const override;
  TColor DefaultSchedulerViewContentColor() const override;
  int CheckBorderSize() const override;
  int FooterBorderSize() const override;
  int FooterCellOffset() const override;
  int TabBorderSize(bool vertical) const override;
  bool IsDrawTabImplemented(bool vertical) const override;
  bool IsTabHotTrack(bool vertical) const override;
  TPoint SortingMarkSize() const override;
  void DrawSortingMark(TcxCanvas* canvas, const TRect& r, bool ascending) const override;
  int ButtonBorderSize(TcxButtonState state = TcxButtonState::cxbsNormal) const override;
  TRect ButtonGroupBorderSizes(int buttonCount, int buttonIndex) const override;
  TRect ButtonFocusRect(TcxCanvas* canvas, const TRect& r) const override;
  TRect AdjustGroupButtonDisplayRect(const TRect& r, int buttonCount,
                                     int buttonIndex) const override;
  int ExpandButtonSize() const override;
  int SmallExpandButtonSize() const override;
  int GroupExpandButtonSize() const override;
  TSize CheckButtonSize() const override;
  TPoint FilterActivateButtonSize() const override;
  TPoint FilterCloseButtonSize() const override;
  int HeaderBorderSize() const override;
  int HeaderControlSectionBorderSize(
      TcxButtonState state = TcxButtonState::cxbsNormal) const override;
  TRect HeaderControlSectionContentBounds(const TRect& r, TcxButtonState state) const override;
  int FooterCellBorderSize() const override;
  TColor ButtonColor(TcxButtonState state) const override;
  TColor ButtonSymbolColor(TcxButtonState state, TColor defaultColor = clDefault) const override;
  TColor DefaultSchedulerBorderColor() const override;
  void DrawScrollBarPart(TcxCanvas* canvas, bool horizontal, const TRect& r,
                         TcxScrollBarPart part, TcxButtonState state) const override;
  void DrawArrow(TcxCanvas* canvas, const TRect& r, TcxButtonState state,
                 TcxArrowDirection direction, bool drawBorder = true) const override;
  void DrawArrowBorder(TcxCanvas* canvas, const TRect& r, TcxButtonState state) const override;
  void DrawButton(TcxCanvas* canvas, const TRect& r, const std::string& caption,
                  TcxButtonState state, bool drawBorder = true, TColor color = clDefault,
                  TColor textColor = clDefault) const override;
  void DrawBorder(TcxCanvas* canvas, const TRect& r) const override;
  void DrawCheck(TcxCanvas* canvas, const TRect& r, TcxButtonState state, bool checked,
                 TColor color) const override;
  void DrawCheckBorder(TcxCanvas* canvas, const TRect& r, TcxButtonState state) const override;
  // The themed radio button; without the button theme the Standard look's
  // image (and size).
  void DrawRadioButton(TcxCanvas* canvas, int x, int y, TcxButtonState state, bool checked,
                       bool focused, TColor brushColor, bool highlight = false) const override;
  TSize RadioButtonSize() const override;
  void DrawExpandButton(TcxCanvas* canvas, const TRect& r, bool expanded,
                        TColor color = clDefault) const override;
  void DrawSmallExpandButton(TcxCanvas* canvas, const TRect& r, bool expanded,
                             TColor borderColor, TColor color = clDefault) const override;
  void DrawGroupExpandButton(TcxCanvas* canvas, const TRect& r, bool expanded,
                             TcxButtonState state) const override;
  bool IsPointOverGroupExpandButton(const TRect& r, const TPoint& p) const override;
  void DrawHeader(TcxCanvas* canvas, const TRect& bounds, const TRect& textAreaBounds,
                  TcxNeighbors neighbors, TcxBorders borders, TcxButtonState state,
                  TAlignment alignmentHorz, TcxAlignmentVert alignmentVert, bool multiLine,
                  bool showEndEllipsis, const std::string& text, TFont* font, TColor textColor,
                  TColor bkColor, const TcxDrawBackgroundEvent& onDrawBackground,
                  bool isLast = false) const override;
  void DrawHeaderPressed(TcxCanvas* canvas, const TRect& r) const override;
  void DrawHeaderControlSection(TcxCanvas* canvas, const TRect& bounds,
                                const TRect& textAreaBounds, TcxNeighbors neighbors,
                                TcxBorders borders, TcxButtonState state,
                                TAlignment alignmentHorz, TcxAlignmentVert alignmentVert,
                                bool multiLine, bool showEndEllipsis, const std::string& text,
                                TFont* font, TColor textColor, TColor bkColor) const override;
  void DrawMonthHeader(TcxCanvas* canvas, const TRect& r, const std::string& text,
                       TcxNeighbors neighbors, const TcxViewParams& viewParams,
                       TcxHeaderArrows arrows, int sideWidth,
                       const TcxDrawBackgroundEvent& onDrawBackground = {}) const override;
  void DrawFooterBorder(TcxCanvas* canvas, const TRect& r) const override;
  void DrawFooterCell(TcxCanvas* canvas, const TRect& bounds, TAlignment alignmentHorz,
                      TcxAlignmentVert alignmentVert, bool multiLine, const std::string& text,
                      TFont* font, TColor textColor, TColor bkColor,
                      const TcxDrawBackgroundEvent& onDrawBackground) const override;
  void DrawFilterCloseButton(TcxCanvas* canvas, const TRect& r,
                             TcxButtonState state) const override;
  void DrawFilterDropDownButton(TcxCanvas* canvas, const TRect& r, TcxButtonState state,
                                bool isFilterActive) const override;
  void DrawTab(TcxCanvas* canvas, const TRect& r, TcxBorders borders, const std::string& text,
               TcxButtonState state, bool vertical, TFont* font, TColor textColor,
               TColor bkColor, bool showPrefix = false) const override;
  void DrawTabBorder(TcxCanvas* canvas, const TRect& r, TcxBorder side, TcxBorders borders,
                     bool vertical) const override;
  void DrawTabsRoot(TcxCanvas* canvas, const TRect& r, TcxBorders borders,
                    bool vertical) const override;
  void DrawIndicatorItem(TcxCanvas* canvas, const TRect& r, TcxIndicatorKind kind, TColor color,
                         const TcxDrawBackgroundEvent& onDrawBackground = {}) const override;
  void DrawSizeGrip(TcxCanvas* canvas, const TRect& r, TColor backgroundColor) const override;
  void DrawSchedulerNavigatorButton(TcxCanvas* canvas, const TRect& r,
                                    TcxButtonState state) const override;
  void DrawSchedulerSplitterBorder(TcxCanvas* canvas, const TRect& r,
                                   const TcxViewParams& viewParams,
                                   bool isHorizontal) const override;
  // Themed text of a part in the text area (the background is the part's).
  virtual void DrawContent(TcxCanvas* canvas, HTHEME theme, int part, int state,
                           const TRect& bounds, const TRect& textAreaBounds,
                           TAlignment alignmentHorz, TcxAlignmentVert alignmentVert,
                           bool multiLine, bool showEndEllipsis, bool showPrefix,
                           const std::string& text, TFont* font, TColor textColor,
                           TColor bkColor) const;
};

class TcxWinXPLookAndFeelPainter : public TcxStandardLookAndFeelPainter {
  OBJECT_CLASS_META(TcxWinXPLookAndFeelPainter, TcxStandardLookAndFeelPainter,
                    TcxWinXPLookAndFeelPainterMeta)
};
