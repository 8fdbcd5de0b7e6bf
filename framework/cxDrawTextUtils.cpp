#include "framework/cxDrawTextUtils.h"

#include <algorithm>

#include "framework/cxDrawTextUtilsWide.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/WideText.h"

namespace {

constexpr char kEllipsis[] = "...";
constexpr int kEllipsisLength = 3;

bool IsFarEastSystem() { return ::GetSystemMetrics(SM_DBCSENABLED) != 0; }

// The font's break character as a Windows-1254 byte; a space when the
// character has no single byte there.
char BreakCharOf(WCHAR breakChar) {
  return ExactAnsiChar(static_cast<char16_t>(breakChar)).value_or(' ');
}

} // namespace

TcxTextOutFormat cxMakeFormat(TcxTextAlignX horzAlign, TcxTextAlignY vertAlign) {
  return static_cast<TcxTextOutFormat>(horzAlign) |
         (static_cast<TcxTextOutFormat>(vertAlign) << 4);
}

TSize cxCalcTextExtents(HDC dc, const char* text, int count, bool expandTabs) {
  TcxWideBuffer buffer;
  const WCHAR* wide = buffer.Convert(text, count);
  TSize size;
  if (expandTabs) {
    const DWORD extent = ::GetTabbedTextExtentW(dc, wide, count, 0, nullptr);
    size.cx = LOWORD(extent);
    size.cy = HIWORD(extent);
  } else {
    ::GetTextExtentPoint32W(dc, wide, count, AsSIZE(size));
  }
  return size;
}

void cxCalcTextRowExtents(HDC dc, TcxTextRow& row, const TcxTextParams& params) {
  const TSize size = cxCalcTextExtents(dc, row.RowStart, row.RowLength, params.TabsExpanded);
  row.RowWidth = size.cx;
  row.RowTextHeight = size.cy;
}

TcxTextParams cxCalcTextParams(HDC dc, TcxTextOutFormat format) {
  TEXTMETRICW metrics{};
  ::GetTextMetricsW(dc, &metrics);
  TcxTextParams params;
  params.CellHeight = metrics.tmHeight;
  params.SpaceChar = BreakCharOf(metrics.tmBreakChar);
  params.HorzAlign = static_cast<TcxTextAlignX>(format & 7);
  params.VertAlign = static_cast<TcxTextAlignY>((format & 0x30) >> 4);
  params.WrapWords = (format & cxtfWordWrap) != 0;
  params.OneLine = (format & cxtfSingleLine) != 0;
  params.TabsExpanded = (format & cxtfExpandTabs) != 0;
  params.EllipsisAtEnd = (format & cxtfEndEllipsis) != 0;
  params.LeadingAdded = (format & cxtfExternalLeading) != 0;
  params.FullRowsOnly = (format & cxtfWholeRows) != 0;
  params.Unclipped = (format & cxtfNoClip) != 0;
  params.Flag16 = (format & cxtfReserved16) != 0;
  params.ClampLeft = (format & cxtfClampLeft) != 0;
  params.ClampTop = (format & cxtfClampTop) != 0;
  params.CharWrap = (format & cxtfCharWrap) != 0 || IsFarEastSystem();
  params.RowCountResult = (format & cxtfRowCountResult) != 0;
  params.MeasureOnly = (format & cxtfMeasureOnly) != 0;
  params.MaxCharExtent = metrics.tmMaxCharWidth;
  params.CharSet = metrics.tmCharSet;
  params.LeadingHeight = params.LeadingAdded ? metrics.tmExternalLeading : 0;
  params.RowPitch = params.CellHeight + params.LeadingHeight;
  if (params.EllipsisAtEnd)
    params.EllipsisExtent = cxCalcTextExtents(dc, kEllipsis, kEllipsisLength, false).cx;
  return params;
}

TcxTextParams cxCalcTextParams(TCanvas* canvas, TcxTextOutFormat format) {
  canvas->RequiredState({TCanvasStates::csHandleValid, TCanvasStates::csFontValid});
  return cxCalcTextParams(canvas->Handle(), format);
}

void cxPlaceTextRows(HDC, const TRect& rect, TcxTextParams& params, TcxTextRows& rows,
                     int rowCount) {
  const int count = std::min(rowCount, static_cast<int>(rows.size()));
  const int width = rect.Right - rect.Left;
  const int height = rect.Bottom - rect.Top;
  int extra = 0;
  if (params.VertAlign == TcxTextAlignY::taDistributeY && count > 1) {
    const int space = height - params.CellHeight;
    if (params.CellHeight < static_cast<double>(space) / (count - 1)) {
      params.RowPitch = space / (count - 1);
      extra = space % (count - 1);
    }
  }
  int top = rect.Top;
  if (params.VertAlign == TcxTextAlignY::taCenterY)
    top = rect.Top + (height - count * params.RowPitch) / 2;
  else if (params.VertAlign == TcxTextAlignY::taBottom)
    top = rect.Bottom - count * params.RowPitch + params.LeadingHeight;
  if (params.ClampTop)
    top = std::max(top, rect.Top);
  for (int i = 0; i < count; ++i) {
    TcxTextRow& row = rows[static_cast<size_t>(i)];
    if (params.HorzAlign == TcxTextAlignX::taCenterX)
      row.PosX = rect.Left + (width - row.RowWidth) / 2;
    else if (params.HorzAlign == TcxTextAlignX::taRight)
      row.PosX = rect.Right - row.RowWidth;
    else
      row.PosX = rect.Left;
    if (params.ClampLeft)
      row.PosX = std::max(row.PosX, rect.Left);
    row.PosY = top;
    top += params.RowPitch;
    if (extra > 0) {
      ++top;
      --extra;
    }
  }
}

TRect cxPrepareRect(const TRect& rect, const TcxTextParams&, int leftIndent, int rightIndent) {
  TRect result = rect;
  result.Left += leftIndent;
  result.Right -= rightIndent;
  return result;
}

int cxGetLongestTextRowWidth(const TcxTextRows& rows, int rowCount) {
  const int count = std::min(rowCount, static_cast<int>(rows.size()));
  int longest = 0;
  for (int i = 0; i < count; ++i)
    longest = std::max(longest, rows[static_cast<size_t>(i)].RowWidth);
  return longest;
}
