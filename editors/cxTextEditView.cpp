#include "editors/cxTextEditView.h"

#include <algorithm>
#include <cctype>

#include "editors/cxEdit.h"
#include "editors/cxEditStyles.h"
#include "editors/cxEditUtils.h"
#include "framework/cxGeometry.h"
#include "platform/rtl/FormatSettings.h"

namespace {

using enum TcxEditEditingStyle;

bool IsListStyle(TcxEditEditingStyle AStyle) { return AStyle == esFixedList || AStyle == esNoEdit; }

// Format bits 4-5: the vertical alignment.
constexpr TcxTextOutFormat kVertAlignmentBits = 0x30;

int LineHeight(TcxCanvas* ACanvas) { return ACanvas ? ACanvas->TextHeight("Zg") : 0; }

TRect Narrowed(const TRect& R, const TRect& AOffsets) {
  return TRect{R.Left + AOffsets.Left, R.Top + AOffsets.Top, R.Right - AOffsets.Right,
               R.Bottom - AOffsets.Bottom};
}

} // namespace

// ---- TcxCustomTextEditViewInfo

void TcxCustomTextEditViewInfo::Offset(int DX, int DY) {
  TcxCustomEditViewInfo::Offset(DX, DY);
  TextBounds = cxRectOffset(TextBounds, DX, DY);
  if (!TextLayout.Prepared)
    return;
  TextLayout.LayoutRect = cxRectOffset(TextLayout.LayoutRect, DX, DY);
  for (TcxTextRow& row : TextLayout.Rows) {
    row.PosX += DX;
    row.PosY += DY;
  }
}

void TcxCustomTextEditViewInfo::InternalPaint(TcxCanvas* ACanvas) { DrawTextEdit(ACanvas, this); }

void TcxCustomTextEditViewInfo::DrawText(TcxCanvas* ACanvas) { DrawEditText(ACanvas, this); }

void TcxCustomTextEditViewInfo::SetFindSelectionHighlight(bool AFindSelection,
                                                          bool AFixedListSelection, int ASelStart,
                                                          int ASelLength) {
  if (!IsListStyle(CachedEditingStyle))
    return;
  // The range is taken when the rows are laid out.
  TextLayout.Prepared = false;
  if (CachedEditingStyle == esNoEdit || !AFindSelection || !AFixedListSelection) {
    HighlightLength = 0;
  } else if (DrawsSelectionBar) {
    HighlightStart = 0;
    HighlightLength = static_cast<int>(DrawnText.size()) - ASelLength;
    HighlightTextColor = clHighlight;
    HighlightBackColor = clHighlightText;
  } else {
    HighlightStart = ASelStart;
    HighlightLength = ASelLength;
    HighlightTextColor = clHighlightText;
    HighlightBackColor = clHighlight;
  }
}

bool TcxCustomTextEditViewInfo::NeedShowHint(TcxCanvas* ACanvas, const TPoint& P,
                                             const TRect& AVisibleBounds, std::string& AText,
                                             bool& AIsMultiLine, TRect& ATextRect) {
  AText.clear();
  const TPoint origin{Left, Top};
  const TPoint point{P.X - origin.X, P.Y - origin.Y};
  TRect test = TextBounds;
  if (AVisibleBounds != TRect{})
    cxRectIntersect(test, cxRectOffset(AVisibleBounds, -origin.X, -origin.Y), TextBounds);
  if (!cxRectPtIn(test, point) || DrawnText.empty())
    return false;
  ACanvas->SetFont(Font);
  const TcxTextOutFormat format = (TextFormat & ~kVertAlignmentBits) | cxtfRowCountResult;
  const bool wraps = (format & cxtfWordWrap) && !(format & cxtfSingleLine);
  TRect layout = TextBounds;
  if (!wraps)
    layout.Right = layout.Left + 0x3FFFFFFF;
  layout.Bottom = layout.Top + 0x3FFFFFFF;
  const TcxTextParams params = cxCalcTextParams(ACanvas->Canvas(), format);
  TcxTextRows rows;
  int rowCount = 0;
  bool fits = cxMakeTextRows(ACanvas->Canvas(), DrawnText.c_str(), layout, params, rows, rowCount,
                             RowLimit);
  const int width = cxRectWidth(TextBounds);
  const int emptyHeight = LineHeight(ACanvas);
  int bottom = TextBounds.Top;
  for (int i = 0; fits && i < rowCount; ++i) {
    const TcxTextRow& row = rows[static_cast<size_t>(i)];
    std::string text(row.RowStart, static_cast<size_t>(row.RowLength));
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
      text.pop_back();
    const int rowWidth = ACanvas->TextWidth(text);
    bottom += row.RowLength == 0 ? emptyHeight : params.RowPitch;
    fits = rowWidth <= width && TextBounds.Left + rowWidth <= test.Right && bottom <= test.Bottom;
  }
  if (fits)
    return false;
  AIsMultiLine = wraps;
  AText = DrawnText;
  ATextRect = cxRectOffset(TextBounds, origin.X, origin.Y);
  return true;
}

// ---- painting

void DrawTextEdit(TcxCanvas* ACanvas, TcxCustomTextEditViewInfo* AViewInfo) {
  TcxCustomTextEditViewInfo& info = *AViewInfo;
  using enum TcxEditBackgroundPaintingStyle;
  const bool listStyle = IsListStyle(info.CachedEditingStyle);
  const TcxEditBackgroundPaintingStyle background =
      !info.UsesComboStyle ? bpsSolid : (listStyle ? bpsComboListEdit : bpsComboEdit);
  DrawCustomEdit(ACanvas, AViewInfo, !info.Transparent && !info.DrawsSelectionBar, background);
  TRect R = info.ClientRect;
  if (!info.IsInplace) {
    if ((!info.NativeStyle || info.DrawsSelectionBar) && !info.Transparent &&
        info.CachedEditingStyle != esNoEdit)
      ACanvas->FrameRect(R, info.BackgroundColor());
    R = cxRectInflate(R, -1, -1);
  }
  if (info.OwnerDrawn && info.CustomTextDrawHandler) {
    info.CustomTextDrawHandler(ACanvas, R);
  } else {
    if (info.DrawsSelectionBar)
      ACanvas->FillRect(R, clHighlight);
    if (!info.HasInnerEdit || !info.InnerEditShown)
      info.DrawText(ACanvas);
  }
  if (info.InnerEditShown || !info.Focused || info.IsInplace || info.PopupOpen)
    return;
  ACanvas->Font()->SetColor(info.DrawsSelectionBar ? clHighlightText : clBtnText);
  ACanvas->SetBrushColor(info.DrawsSelectionBar ? clHighlight : info.BackgroundColor());
  ACanvas->DrawFocusRect(R);
}

void DrawEditText(TcxCanvas* ACanvas, TcxCustomTextEditViewInfo* AViewInfo) {
  TcxCustomTextEditViewInfo& info = *AViewInfo;
  if (info.DrawnText.empty())
    return;
  if (info.Font)
    ACanvas->SetFont(info.Font);
  ACanvas->Font()->SetColor(info.DrawsSelectionBar ? clHighlightText : info.TextColor);
  InternalTextOut(ACanvas->Canvas(), AViewInfo, info.DrawnText, info.TextBounds, info.TextFormat,
                  info.HighlightStart, info.HighlightLength, info.HighlightBackColor,
                  info.HighlightTextColor, info.RowLimit);
}

namespace {

void PrepareTextLayout(TCanvas* ACanvas, TcxTextOutData& layout, const std::string& AText,
                       const TRect& R, TcxTextOutFormat AFormat, int ARowLimit, int ALeftIndent,
                       int ARightIndent) {
  layout.PlacedRowCount = 0;
  layout.Rows.clear();
  layout.EllipsisForced = false;
  if (AText.empty())
    return;
  layout.Params = cxCalcTextParams(ACanvas, AFormat);
  layout.LayoutRect = cxPrepareRect(R, layout.Params, ALeftIndent, ARightIndent);
  if (cxRectIsEmpty(layout.LayoutRect))
    return;
  const bool complete = cxMakeTextRows(ACanvas, AText.c_str(), layout.LayoutRect, layout.Params,
                                       layout.Rows, layout.PlacedRowCount, ARowLimit);
  if (layout.PlacedRowCount == 0)
    return;
  if (ARowLimit == 0 || layout.PlacedRowCount < ARowLimit) {
    layout.EllipsisForced = false;
  } else {
    layout.PlacedRowCount = ARowLimit;
    layout.EllipsisForced = !complete && layout.Params.EllipsisAtEnd &&
                            layout.Params.FullRowsOnly && !layout.Params.OneLine;
  }
  cxPlaceTextRows(ACanvas->Handle(), layout.LayoutRect, layout.Params, layout.Rows,
                  layout.PlacedRowCount);
}

} // namespace

void InternalTextOut(TCanvas* ACanvas, TcxCustomTextEditViewInfo* AViewInfo,
                     const std::string& AText, const TRect& R, TcxTextOutFormat AFormat,
                     int ASelStart, int ASelLength, TColor ASelBackColor, TColor ASelTextColor,
                     int ARowLimit, int ALeftIndent, int ARightIndent) {
  TcxTextOutData& layout = AViewInfo->TextLayout;
  if (!layout.Prepared) {
    PrepareTextLayout(ACanvas, layout, AText, R, AFormat, ARowLimit, ALeftIndent, ARightIndent);
    layout.Prepared = true;
    const int length = static_cast<int>(AText.size());
    if (ASelStart < 0 || ASelStart >= length)
      ASelLength = 0;
    else if (ASelLength > length - ASelStart)
      ASelLength = length - ASelStart;
    layout.RangeStart = ASelStart;
    layout.RangeLength = std::max(ASelLength, 0);
    layout.RangeBackColor = ASelBackColor;
    layout.RangeTextColor = ASelTextColor;
  }
  if (layout.PlacedRowCount == 0)
    return;
  ACanvas->RequiredState({TCanvasStates::csHandleValid, TCanvasStates::csFontValid});
  cxTextRowsOutHighlight(ACanvas->Handle(), layout.LayoutRect, layout.Params, layout.Rows,
                         layout.PlacedRowCount, layout.RangeStart, layout.RangeLength,
                         layout.RangeBackColor, layout.RangeTextColor, layout.EllipsisForced);
}

TRect GetTextEditDrawTextOffset(TAlignment, bool AIsInplace) {
  return EditContentDefaultOffsets[AIsInplace ? 1 : 0];
}

TRect GetTextEditDrawTextOffset(const TcxCustomTextEditViewData* AViewData) {
  TRect offsets = AViewData->ContentParams.Offsets;
  if (AViewData->IsInplace() || !IsListStyle(AViewData->GetProperties()->GetEditingStyle()))
    return offsets;
  if (AViewData->VertAlignment == TcxEditVertAlignment::taTopJustify) {
    ++offsets.Top;
    --offsets.Bottom;
  }
  if (AViewData->HorzAlignment == TAlignment::taRightJustify)
    ++offsets.Right;
  else
    ++offsets.Left;
  return offsets;
}

// ---- TcxCustomTextEditViewData

TcxCustomTextEditViewData::TcxCustomTextEditViewData(TcxCustomEditProperties* AProperties,
                                                     TcxCustomEditStyle* AStyle, bool AIsInplace)
    : TcxCustomEditViewData(AProperties, AStyle, AIsInplace),
      m_textProperties(&dynamic_cast<TcxCustomTextEditProperties&>(*AProperties)),
      m_textStyle(AStyle), m_textIsInplace(AIsInplace) {
  HorzAlignment = AProperties->BaseGetAlignment()->Horz();
  VertAlignment = AProperties->BaseGetAlignment()->Vert();
}

void TcxCustomTextEditViewData::Calculate(TcxCanvas* ACanvas, const TRect& ABounds,
                                          const TcxEditButtonsMouse& AMouse,
                                          TcxCustomEditViewInfo* AViewInfo) {
  if (!Editor)
    Editor = dynamic_cast<IcxTextEditViewEditor*>(Edit);
  TcxCustomEditViewData::Calculate(ACanvas, ABounds, AMouse, AViewInfo);
  auto* info = static_cast<TcxCustomTextEditViewInfo*>(AViewInfo);
  info->DrawsSelectionBar = false;
  info->CachedEditingStyle = m_textProperties->GetEditingStyle();
  info->InnerEditShown = GetIsEditClass();
  info->PopupOpen = Editor && Editor->HasPopupWindow();
  info->TextBounds = Narrowed(info->ClientRect, GetDrawTextOffset());
  if (!m_textIsInplace && ACanvas) {
    ACanvas->SetFont(m_textStyle->GetVisibleFont());
    const int lineHeight = LineHeight(ACanvas);
    if (cxRectHeight(info->TextBounds) < lineHeight)
      info->TextBounds.Bottom =
          std::min(info->TextBounds.Top + lineHeight, info->ClientRect.Bottom);
  }
  info->RowLimit = GetMaxLineCount();
  info->TextLayout.Prepared = false;
  PrepareDrawTextFlags(ACanvas, info);
}

bool TcxCustomTextEditViewData::IsAutoHeight() const {
  return GetPaintOptions().Contains(TcxEditPaintOption::epoAutoHeight) &&
         m_textProperties->GetSupportedOperations().Contains(
             TcxEditSupportedOperation::esoAutoHeight);
}

void TcxCustomTextEditViewData::PrepareDrawTextFlags(TcxCanvas* ACanvas,
                                                     TcxCustomTextEditViewInfo* AViewInfo) {
  if (ACanvas && !m_textProperties->IsMultiLine() && IsAutoHeight())
    AViewInfo->TextFormat = GetAutoHeightDrawTextFlags(ACanvas, *AViewInfo);
  else
    AViewInfo->TextFormat = GetDrawTextFlags();
  if (AViewInfo->PaintOptions.Contains(TcxEditPaintOption::epoShowEndEllipsis))
    AViewInfo->TextFormat |= cxtfEndEllipsis;
  AViewInfo->UsesComboStyle = IsComboBoxStyle();
}

// Rows when the drawn text needs more than one in the room the editor's
// width gives it; top-aligned when the rows are higher than the text
// rectangle.
TcxTextOutFormat
TcxCustomTextEditViewData::GetAutoHeightDrawTextFlags(TcxCanvas* ACanvas,
                                                      const TcxCustomTextEditViewInfo& AViewInfo) {
  if (TFont* font = m_textStyle->GetVisibleFont())
    ACanvas->SetFont(font);
  TcxTextOutFormat format = GetDrawTextFlags();
  const TcxTextOutFormat measuring =
      (format & ~cxtfSingleLine) | cxtfWordWrap | cxtfWholeRows | cxtfRowCountResult;
  const TRect offsets = GetDrawTextOffset();
  const int width = cxRectWidth(AViewInfo.TextBounds) + offsets.Left + offsets.Right -
                    GetEditContentSizeCorrection().cx - ContentOffset.Left - ContentOffset.Right +
                    (HorzAlignment == TAlignment::taRightJustify ? 1 : 0);
  const TcxTextParams params = cxCalcTextParams(ACanvas->Canvas(), measuring);
  TcxTextRows rows;
  int rowCount = 0;
  cxMakeTextRows(ACanvas->Canvas(), AViewInfo.DrawnText.c_str(), Rect(0, 0, width, 0x3FFFFFFF),
                 params, rows, rowCount, 0);
  if (rowCount <= 1)
    return format;
  format = (format & ~cxtfSingleLine) | cxtfWordWrap | cxtfWholeRows;
  if (rowCount * params.CellHeight > cxRectHeight(AViewInfo.TextBounds))
    format &= ~kVertAlignmentBits;
  return format;
}

TcxTextOutFormat TcxCustomTextEditViewData::GetDrawTextFlags() const {
  TcxTextAlignX horz = TcxTextAlignX::taLeft;
  if (HorzAlignment == TAlignment::taRightJustify)
    horz = TcxTextAlignX::taRight;
  else if (HorzAlignment == TAlignment::taCenter)
    horz = TcxTextAlignX::taCenterX;
  TcxTextAlignY vert = TcxTextAlignY::taTop;
  if (VertAlignment == TcxEditVertAlignment::taBottomJustify)
    vert = TcxTextAlignY::taBottom;
  else if (VertAlignment == TcxEditVertAlignment::taVCenter)
    vert = TcxTextAlignY::taCenterY;
  return cxMakeFormat(horz, vert) | cxtfSingleLine | cxtfClampLeft | cxtfClampTop;
}

TRect TcxCustomTextEditViewData::GetDrawTextOffset() const {
  return GetTextEditDrawTextOffset(this);
}

bool TcxCustomTextEditViewData::GetIsEditClass() const { return Editor && Editor->IsEditClass(); }

void TcxCustomTextEditViewData::DisplayValueToDrawValue(const Variant& ADisplayValue,
                                                        TcxCustomTextEditViewInfo* AViewInfo) {
  std::string text = VarToStr(ADisplayValue);
  m_textProperties->DisplayValueToDisplayText(text);
  AViewInfo->DrawnText = std::move(text);
}

std::string TcxCustomTextEditViewData::InternalEditValueToDisplayText(const Variant& AEditValue) {
  std::string text;
  try {
    text = VarToStr(m_textProperties->GetDefaultDisplayValue(AEditValue, Focused));
  } catch (const Exception&) {
    text.clear();
  }
  m_textProperties->DisplayValueToDisplayText(text);
  return text;
}

void TcxCustomTextEditViewData::EditValueToDrawValue(const Variant& AEditValue,
                                                     TcxCustomTextEditViewInfo* AViewInfo) {
  AViewInfo->DrawnText = NoValue ? std::string() : InternalEditValueToDisplayText(AEditValue);
  PrepareSelection(AViewInfo);
}

TColor TcxCustomTextEditViewData::InvertColor(TColor AColor) {
  return static_cast<TColor>(ColorToRGB(AColor) ^ 0xFFFFFF);
}

void TcxCustomTextEditViewData::PrepareSelection(TcxCustomTextEditViewInfo* AViewInfo) const {
  AViewInfo->HighlightStart = SelStart;
  AViewInfo->HighlightLength = SelLength;
  if (SelLength <= 0)
    return;
  if (SelBackgroundColor != clDefault) {
    AViewInfo->HighlightBackColor = SelBackgroundColor;
    AViewInfo->HighlightTextColor =
        SelTextColor != clDefault ? SelTextColor : InvertColor(SelBackgroundColor);
  } else if (SelTextColor != clDefault) {
    AViewInfo->HighlightTextColor = SelTextColor;
    AViewInfo->HighlightBackColor = InvertColor(SelTextColor);
  } else if (m_textStyle->GetColor() == clHighlight) {
    AViewInfo->HighlightTextColor = static_cast<TColor>(0xFFFFFF);
    AViewInfo->HighlightBackColor = static_cast<TColor>(0);
  } else {
    AViewInfo->HighlightTextColor = clHighlightText;
    AViewInfo->HighlightBackColor = clHighlight;
  }
}

// ---- digit grouping

std::string RemoveExponentialPart(std::string& AText) {
  const size_t position = AText.find_first_of("Ee");
  if (position == std::string::npos)
    return {};
  std::string exponent = AText.substr(position);
  AText.erase(position);
  return exponent;
}

void RemoveThousandSeparator(std::string& AText, char AThousandSeparator) {
  std::erase(AText, AThousandSeparator);
}

void InsertThousandSeparator(std::string& AText, char AThousandSeparator, char ADecimalSeparator) {
  const size_t first = AText.find_first_not_of(' ');
  if (first == std::string::npos)
    return;
  const size_t last = AText.find_last_not_of(' ');
  const std::string leading = AText.substr(0, first);
  const std::string trailing = AText.substr(last + 1);
  std::string number = AText.substr(first, last - first + 1);
  const std::string exponent = RemoveExponentialPart(number);
  RemoveThousandSeparator(number, AThousandSeparator);
  size_t end = number.find(ADecimalSeparator);
  if (end == std::string::npos)
    end = number.size();
  int digits = 0;
  for (size_t i = end; i > 0; --i) {
    if (!std::isdigit(static_cast<unsigned char>(number[i - 1])))
      break;
    if (digits > 0 && digits % 3 == 0)
      number.insert(i, 1, AThousandSeparator);
    ++digits;
  }
  AText = leading + number + exponent + trailing;
}

void InsertThousandSeparator(std::string& AText) {
  InsertThousandSeparator(AText, FormatSettings().ThousandSeparator,
                          FormatSettings().DecimalSeparator);
}

// ---- size

TSize TcxCustomTextEditViewData::InternalGetEditContentSize(
    TcxCanvas* ACanvas, const Variant& AEditValue,
    const TcxEditSizeProperties& AEditSizeProperties) {
  TSize size =
      TcxCustomEditViewData::InternalGetEditContentSize(ACanvas, AEditValue, AEditSizeProperties);
  const std::string text = InternalEditValueToDisplayText(AEditValue);
  CheckSize(size, GetTextEditContentSize(ACanvas, this, text, GetDrawTextFlags(),
                                         AEditSizeProperties, 0, true));
  return size;
}

namespace {

bool AlignmentCounts(const TcxCustomTextEditViewData* AViewData) {
  return !AViewData->IsInplace() && IsListStyle(AViewData->GetProperties()->GetEditingStyle()) &&
         !AViewData->IsComboBoxStyle();
}

// Rows of the text in a rectangle of the width, unlimited downwards.
int TextRowCount(TcxCanvas* ACanvas, const std::string& AText, int AWidth, TcxTextOutFormat AFormat,
                 int AMaxRows) {
  const TcxTextParams params = cxCalcTextParams(ACanvas->Canvas(), AFormat);
  TcxTextRows rows;
  int count = 0;
  cxMakeTextRows(ACanvas->Canvas(), AText.c_str(), Rect(0, 0, AWidth, 0x3FFFFFFF), params, rows,
                 count, AMaxRows);
  return count;
}

} // namespace

TSize GetTextEditContentSize(TcxCanvas* ACanvas, const TcxCustomTextEditViewData* AViewData,
                             const std::string& AText, TcxTextOutFormat AFormat,
                             const TcxEditSizeProperties& AEditSizeProperties, int ALineCount,
                             bool ACorrectWidth) {
  const bool alignmentCounts = AlignmentCounts(AViewData);
  ACanvas->SetFont(AViewData->Style()->GetVisibleFont());
  const TSize correction = AViewData->GetEditContentSizeCorrection();
  const bool zeroHeight =
      AViewData->GetPaintOptions().Contains(TcxEditPaintOption::epoAllowZeroHeight);
  const int lineHeight = ACanvas->TextHeight("Zg");
  const int maxRows = ALineCount > 0 ? ALineCount : AEditSizeProperties.MaxLineCount;
  const TcxTextOutFormat wrapped =
      (AFormat & ~cxtfSingleLine & ~kVertAlignmentBits) | cxtfWordWrap | cxtfWholeRows;
  TSize size{};
  const bool natural = AEditSizeProperties.Width < 0;
  if (natural) {
    size.cy = lineHeight * (ALineCount > 0 ? ALineCount : 1);
    if (!(AFormat & cxtfSingleLine) || AViewData->IsAutoHeight()) {
      const TcxTextOutFormat rows = AFormat & cxtfSingleLine
                                        ? (AFormat & ~cxtfSingleLine) | cxtfWordWrap | cxtfWholeRows
                                        : AFormat;
      TRect r = Rect(0, 0, 0x3FFFFFFF, 0x3FFFFFFF);
      if (!AText.empty())
        cxTextOut(ACanvas->Canvas(), AText.c_str(), r, rows | cxtfMeasureOnly, maxRows);
      size.cx = AText.empty() ? 0 : cxRectWidth(r);
    } else if (!AText.empty()) {
      TRect r = Rect(0, 0, 0x3FFFFFFF, 0);
      ACanvas->TextExtent(AText, r, cxTextOutFlagsToDrawTextFlags(AFormat));
      size.cx = cxRectWidth(r);
    }
    if (alignmentCounts)
      ++size.cx;
    if (ACorrectWidth)
      size.cx += correction.cx;
  } else if (ALineCount > 0) {
    size = TSize{AEditSizeProperties.Width, lineHeight * ALineCount};
  } else {
    const int usable =
        AEditSizeProperties.Width - (AViewData->IsInplace() ? 2 : 0) - (alignmentCounts ? 1 : 0);
    size.cx = usable <= 0 ? 0 : AEditSizeProperties.Width;
    if (AText.empty())
      size.cy = zeroHeight ? 0 : lineHeight;
    else if (usable <= 0)
      size.cy = lineHeight;
    else
      size.cy = lineHeight * std::max(1, TextRowCount(ACanvas, AText, usable,
                                                      wrapped | cxtfRowCountResult, maxRows));
  }
  if (size.cy > 0)
    size.cy += correction.cy;
  return size;
}
