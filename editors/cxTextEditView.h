// How a text editor's text is placed and drawn when the platform's EDIT does
// not show it (a right-aligned or centred editor that is not active, or a
// value painted without an editor): the text rectangle inside the client
// area, the layout format, the drawn text (masked or in the letter case
// asked for), the highlighted range, the cached rows, the hint and the size
// the text needs. The text rectangle and the inner edit's position are
// derived from the same content offsets, so the drawn text lands on the
// pixels where the inner edit shows it.
//
// Classes in this file: IcxTextEditViewEditor, TcxTextOutData,
// TcxCustomTextEditViewInfo, TcxCustomTextEditViewData.
#pragma once

#include <string>

#include "editors/cxEditViewData.h"
#include "editors/cxEditViewInfo.h"
#include "editors/cxTextEditProperties.h"
#include "framework/cxDrawTextUtils.h"

class TcxCustomEditStyle;

// What the text view asks of the live editor it is calculated for.
class IcxTextEditViewEditor {
public:
  // The inner EDIT shows the text itself.
  virtual bool IsEditClass() const = 0;
  virtual bool HasPopupWindow() const = 0;

protected:
  ~IcxTextEditViewEditor() = default;
};

// The rows of the drawn text, laid out once per calculation.
struct TcxTextOutData {
  bool EllipsisForced = false;
  bool Prepared = false;
  int PlacedRowCount = 0;
  int RangeStart = 0;
  int RangeLength = 0;
  TColor RangeBackColor = clNone;
  TColor RangeTextColor = clNone;
  TcxTextParams Params;
  TRect LayoutRect{};
  TcxTextRows Rows;
};

using TcxTextEditCustomDrawHandler = TDelegate<void(TcxCanvas* ACanvas, TRect& R)>;

class TcxCustomTextEditViewInfo : public TcxCustomEditViewInfo {
  OBJECT_CLASS(TcxCustomTextEditViewInfo, TcxCustomEditViewInfo)
public:
  TcxCustomTextEditViewInfo() = default;

  // Also the text rectangle and, once laid out, the rows.
  void Offset(int DX, int DY) override;
  // Whether the text at P (control coordinates) is cut so that a hint must
  // show it; AVisibleBounds all zero means the whole text rectangle counts.
  virtual bool NeedShowHint(TcxCanvas* ACanvas, const TPoint& P, const TRect& AVisibleBounds,
                            std::string& AText, bool& AIsMultiLine, TRect& ATextRect);
  // The drawn text in the text rectangle with the highlighted range.
  virtual void DrawText(TcxCanvas* ACanvas);
  // The editor's find selection (the completion of the incremental search)
  // as the highlighted range, in the list styles that draw it themselves:
  // none in esNoEdit, while no completion is shown or without the fixed
  // list's selection; with the selection bar the typed part in inverted
  // colours, otherwise the selection. In esEdit and esEditList the inner
  // EDIT shows the completion as its own selection: nothing changes.
  void SetFindSelectionHighlight(bool AFindSelection, bool AFixedListSelection, int ASelStart,
                                 int ASelLength);

  bool UsesComboStyle = false;
  TcxTextEditCustomDrawHandler CustomTextDrawHandler;
  bool DrawsSelectionBar = false;
  TcxTextOutFormat TextFormat = 0;
  TcxEditEditingStyle CachedEditingStyle = TcxEditEditingStyle::esEdit;
  bool PopupOpen = false;
  bool InnerEditShown = false;
  bool OwnerDrawn = false;
  int RowLimit = 0;
  int HighlightStart = 0;
  int HighlightLength = 0;
  TColor HighlightTextColor = clHighlightText;
  TColor HighlightBackColor = clHighlight;
  std::string DrawnText;
  TcxTextOutData TextLayout;
  TRect TextBounds{};

protected:
  void InternalPaint(TcxCanvas* ACanvas) override;
};

// Works out where and how a text editor's text is drawn.
class TcxCustomTextEditViewData : public TcxCustomEditViewData {
  OBJECT_CLASS(TcxCustomTextEditViewData, TcxCustomEditViewData)
public:
  // AProperties are text editor properties.
  TcxCustomTextEditViewData(TcxCustomEditProperties* AProperties, TcxCustomEditStyle* AStyle,
                            bool AIsInplace);

  // The base's calculation, then the text rectangle (at least one line of
  // the canvas font high, never past the client rectangle), the row limit
  // and the format; the laid-out rows are dropped.
  void Calculate(TcxCanvas* ACanvas, const TRect& ABounds, const TcxEditButtonsMouse& AMouse,
                 TcxCustomEditViewInfo* AViewInfo) override;

  // The display text as drawn: masked, or in the letter case asked for.
  virtual void DisplayValueToDrawValue(const Variant& ADisplayValue,
                                       TcxCustomTextEditViewInfo* AViewInfo);
  // A value painted without an editor: its display text (empty when the
  // view data paints no value), then the highlighted range.
  virtual void EditValueToDrawValue(const Variant& AEditValue,
                                    TcxCustomTextEditViewInfo* AViewInfo);
  // The text of an edit value, before masking or letter case.
  virtual std::string InternalEditValueToDisplayText(const Variant& AEditValue);
  // Alignments, single line, clamped left and top.
  virtual TcxTextOutFormat GetDrawTextFlags() const;
  // The content offsets, moved by a pixel in the list styles.
  virtual TRect GetDrawTextOffset() const;
  virtual bool GetIsEditClass() const;
  virtual int GetMaxLineCount() const { return MaxLineCount; }
  virtual bool IsComboBoxStyle() const { return false; }
  // The format of the drawn text: rows instead of one line when the host
  // asks for automatic height and the text needs them, "..." at the end of
  // a cut text when the host asks for it.
  virtual void PrepareDrawTextFlags(TcxCanvas* ACanvas, TcxCustomTextEditViewInfo* AViewInfo);
  // The host asks for automatic height and the properties support it.
  bool IsAutoHeight() const;

  // The text size (GetTextEditContentSize) against the base's.
  TSize InternalGetEditContentSize(TcxCanvas* ACanvas, const Variant& AEditValue,
                                   const TcxEditSizeProperties& AEditSizeProperties) override;

  // The highlighted range and its colours from the host's selection.
  void PrepareSelection(TcxCustomTextEditViewInfo* AViewInfo) const;
  TcxCustomTextEditProperties* GetProperties() const { return m_textProperties; }
  bool IsInplace() const { return m_textIsInplace; }
  TcxCustomEditStyle* Style() const { return m_textStyle; }
  static TColor InvertColor(TColor AColor);

  // The live editor, or none when a value is painted without one.
  IcxTextEditViewEditor* Editor = nullptr;
  TAlignment HorzAlignment = TAlignment::taLeftJustify;
  TcxEditVertAlignment VertAlignment = TcxEditVertAlignment::taTopJustify;
  int MaxLineCount = 0;
  // Paint no value (EditValueToDrawValue gives the empty text).
  bool NoValue = false;
  // The selection an in-place host shows, and its colours (clDefault: the
  // system's highlight).
  int SelStart = 0;
  int SelLength = 0;
  TColor SelTextColor = clDefault;
  TColor SelBackgroundColor = clDefault;

private:
  TcxTextOutFormat GetAutoHeightDrawTextFlags(TcxCanvas* ACanvas,
                                              const TcxCustomTextEditViewInfo& AViewInfo);

  TcxCustomTextEditProperties* m_textProperties;
  TcxCustomEditStyle* m_textStyle;
  bool m_textIsInplace;
};

// Frame, background, text and focus rectangle of a text editor.
void DrawTextEdit(TcxCanvas* ACanvas, TcxCustomTextEditViewInfo* AViewInfo);
// The drawn text, nothing for an empty one.
void DrawEditText(TcxCanvas* ACanvas, TcxCustomTextEditViewInfo* AViewInfo);
// Draws AText in R through the view info's cached rows, laying them out
// first when the calculation dropped them. The highlighted range is cut to
// the text; a start outside it highlights nothing.
void InternalTextOut(TCanvas* ACanvas, TcxCustomTextEditViewInfo* AViewInfo,
                     const std::string& AText, const TRect& R, TcxTextOutFormat AFormat,
                     int ASelStart, int ASelLength, TColor ASelBackColor, TColor ASelTextColor,
                     int ARowLimit, int ALeftIndent = 0, int ARightIndent = 0);
// The library's default content offsets (left, top, right, bottom).
TRect GetTextEditDrawTextOffset(TAlignment AAlignment, bool AIsInplace);
TRect GetTextEditDrawTextOffset(const TcxCustomTextEditViewData* AViewData);

// The room a text needs: at its natural width (AEditSizeProperties.Width
// below 0) one line of the font high, or wrapped in the given width; with
// ACorrectWidth plus the content-size correction, a height plus its
// correction.
TSize GetTextEditContentSize(TcxCanvas* ACanvas, const TcxCustomTextEditViewData* AViewData,
                             const std::string& AText, TcxTextOutFormat AFormat,
                             const TcxEditSizeProperties& AEditSizeProperties, int ALineCount,
                             bool ACorrectWidth);

// Digit grouping of numeric descendants, with the separators of the
// regional settings unless given.
std::string RemoveExponentialPart(std::string& AText);
void RemoveThousandSeparator(std::string& AText, char AThousandSeparator);
void InsertThousandSeparator(std::string& AText, char AThousandSeparator, char ADecimalSeparator);
void InsertThousandSeparator(std::string& AText);
