// Drawing placed rows, with a highlighted byte range and the end ellipsis,
// and the whole pipeline from a text to drawn (or measured) rows.
#include "framework/cxDrawTextUtils.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "framework/cxDrawTextUtilsWide.h"
#include "framework/cxGeometry.h"
#include "framework/cxGraphicsCanvas.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/DCScopes.h"
#include "platform/rtl/ScopeGuards.h"

namespace {

const WCHAR kWideEllipsis[] = {'.', '.', '.', 0};
constexpr int kEllipsisLength = 3;

bool IsJustified(const TcxTextParams& params) {
  return params.HorzAlign == TcxTextAlignX::taJustifyX ||
         params.HorzAlign == TcxTextAlignX::taDistributeX;
}

// Draws in another text colour while it lives.
class TcxTextColorScope {
public:
  TcxTextColorScope(HDC dc, COLORREF color) : m_dc(dc), m_oldColor(::SetTextColor(dc, color)) {}
  ~TcxTextColorScope() { ::SetTextColor(m_dc, m_oldColor); }
  TcxTextColorScope(const TcxTextColorScope&) = delete;
  TcxTextColorScope& operator=(const TcxTextColorScope&) = delete;

private:
  HDC m_dc;
  COLORREF m_oldColor;
};

// The highlighted byte range of the whole text and its colours.
struct TcxHighlight {
  int Start = 0;
  int Length = 0;
  TColor BackColor = clNone;
  COLORREF TextColor = 0;
  HBRUSH Brush = nullptr;
};

// Draws the placed rows of one call, one after the other.
class TcxRowsPainter {
public:
  TcxRowsPainter(HDC dc, const TRect& rect, const TcxTextParams& params,
                 const TcxHighlight& highlight)
      : m_dc(dc), m_rect(rect), m_params(params), m_highlight(highlight),
        m_width(rect.Right - rect.Left) {}

  void DrawRow(TcxTextRow row, bool lastRow, bool forceEllipsis);

private:
  void DrawText(const TcxTextRow& row);
  void DrawEllipsis(TRect band, const TcxTextRow& row);
  void CutForEllipsis(TcxTextRow& row);
  // Draws the row's highlighted part; answers whether the highlight reaches
  // the row's end.
  bool DrawHighlight(const TcxTextRow& row, const TRect& band);
  // The widths of the row's first 1, 2, ... characters.
  std::vector<int> PartialExtents(const TcxTextRow& row);

  HDC m_dc;
  TRect m_rect;
  const TcxTextParams& m_params;
  const TcxHighlight& m_highlight;
  int m_width;
  TcxWideBuffer m_wide;
};

void TcxRowsPainter::DrawText(const TcxTextRow& row) {
  const WCHAR* text = m_wide.Convert(row.RowStart, row.RowLength);
  if (m_params.TabsExpanded)
    ::TabbedTextOutW(m_dc, row.PosX, row.PosY, text, row.RowLength, 0, nullptr, row.PosX);
  else
    ::TextOutW(m_dc, row.PosX, row.PosY, text, row.RowLength);
}

void TcxRowsPainter::DrawEllipsis(TRect band, const TcxTextRow& row) {
  band.Left += row.RowWidth;
  if (band.Left >= band.Right)
    return;
  const bool clipped = !m_params.Unclipped && band.Left + m_params.EllipsisExtent > band.Right;
  ::ExtTextOutW(m_dc, band.Left, row.PosY, clipped ? ETO_CLIPPED : 0, AsRECT(band), kWideEllipsis,
                kEllipsisLength, nullptr);
}

// Keeps as many characters as fit before the ellipsis, at least one; an
// empty row stays empty.
void TcxRowsPainter::CutForEllipsis(TcxTextRow& row) {
  if (row.RowLength == 0)
    return;
  const int available = std::max(m_width - m_params.EllipsisExtent, 0);
  int fit = 0;
  SIZE size{};
  const WCHAR* text = m_wide.Convert(row.RowStart, row.RowLength);
  if (!::GetTextExtentExPointW(m_dc, text, row.RowLength, available, &fit, nullptr, &size) ||
      fit <= 0)
    fit = 1;
  row.RowLength = std::min(fit, row.RowLength);
  cxCalcTextRowExtents(m_dc, row, m_params);
}

std::vector<int> TcxRowsPainter::PartialExtents(const TcxTextRow& row) {
  std::vector<int> extents(static_cast<size_t>(row.RowLength));
  int fit = 0;
  SIZE size{};
  ::GetTextExtentExPointW(m_dc, m_wide.Convert(row.RowStart, row.RowLength), row.RowLength, 0,
                          &fit, extents.data(), &size);
  return extents;
}

bool TcxRowsPainter::DrawHighlight(const TcxTextRow& row, const TRect& band) {
  const int rowEnd = row.StartIndex + row.RowLength;
  const int highlightEnd = m_highlight.Start + m_highlight.Length;
  const int a = std::max(m_highlight.Start, row.StartIndex) - row.StartIndex;
  const int b = std::min(highlightEnd, rowEnd) - row.StartIndex;
  if (m_highlight.Length <= 0 || b <= a)
    return false;
  const std::vector<int> extents = PartialExtents(row);
  const int xa = a > 0 ? extents[static_cast<size_t>(a - 1)] : 0;
  const int xb = extents[static_cast<size_t>(b - 1)];
  TRect area{row.PosX + xa, band.Top, row.PosX + xb, band.Bottom};
  const std::string text(row.RowStart, static_cast<size_t>(row.RowLength));
  if (cxGetWritingDirection(m_params.CharSet, text))
    area = {row.PosX + row.RowWidth - xb, band.Top, row.PosX + row.RowWidth - xa, band.Bottom};
  if (area.Left >= area.Right || area.Top >= area.Bottom)
    return false;
  {
    TClipRegionSaver kept(m_dc);
    ::IntersectClipRect(m_dc, area.Left, area.Top, area.Right, area.Bottom);
    if (m_highlight.BackColor != clNone)
      ::FillRect(m_dc, AsRECT(area), m_highlight.Brush);
    TcxTextColorScope color(m_dc, m_highlight.TextColor);
    DrawText(row);
  }
  ::ExcludeClipRect(m_dc, area.Left, area.Top, area.Right, area.Bottom);
  return highlightEnd >= rowEnd;
}

void TcxRowsPainter::DrawRow(TcxTextRow row, bool lastRow, bool forceEllipsis) {
  TRect band{m_rect.Left, row.PosY, m_rect.Right, row.PosY + m_params.RowPitch};
  if (row.RowLength == 0) {
    if (lastRow && forceEllipsis && m_params.EllipsisAtEnd)
      DrawEllipsis(band, row);
    return;
  }
  bool ellipsis =
      m_params.EllipsisAtEnd && lastRow && (row.RowWidth > m_width || forceEllipsis);
  int extra = 0;
  if (IsJustified(m_params) && !ellipsis) {
    extra = m_width - row.RowWidth;
    if (row.Breaks > 0 && extra > 0)
      ::SetTextJustification(m_dc, extra, row.Breaks);
  }
  const bool clip = !m_params.Unclipped &&
                    (row.RowWidth > m_width || band.Top < m_rect.Top || band.Bottom > m_rect.Bottom);
  std::optional<TClipRegionSaver> kept;
  if (clip) {
    band.Top = std::max(band.Top, m_rect.Top);
    band.Bottom = std::min(band.Bottom, m_rect.Bottom);
    kept.emplace(m_dc);
    ::IntersectClipRect(m_dc, band.Left, band.Top, band.Right, band.Bottom);
  }
  if (ellipsis)
    CutForEllipsis(row);
  if (DrawHighlight(row, band) && ellipsis) {
    TcxTextColorScope color(m_dc, m_highlight.TextColor);
    DrawEllipsis(band, row);
    ellipsis = false;
  }
  DrawText(row);
  if (ellipsis)
    DrawEllipsis(band, row);
  kept.reset();
  if (extra > 0)
    ::SetTextJustification(m_dc, 0, 0);
}

// A solid brush of the highlight's background for one call.
class TcxHighlightBrush {
public:
  explicit TcxHighlightBrush(TcxHighlight& highlight) : m_highlight(highlight) {
    if (highlight.Length > 0 && highlight.BackColor != clNone)
      highlight.Brush = ::CreateSolidBrush(static_cast<COLORREF>(highlight.BackColor));
  }
  ~TcxHighlightBrush() {
    if (m_highlight.Brush)
      ::DeleteObject(m_highlight.Brush);
  }
  TcxHighlightBrush(const TcxHighlightBrush&) = delete;
  TcxHighlightBrush& operator=(const TcxHighlightBrush&) = delete;

private:
  TcxHighlight& m_highlight;
};

} // namespace

void cxTextRowsOutHighlight(HDC dc, const TRect& rect, const TcxTextParams& params,
                            const TcxTextRows& rows, int rowCount, int selStart, int selLength,
                            TColor selBkColor, TColor selTextColor, bool forceEllipsis) {
  TcxHighlight highlight;
  highlight.Start = selStart;
  highlight.Length = selLength;
  highlight.BackColor = ColorToRGB(selBkColor);
  highlight.TextColor = static_cast<COLORREF>(ColorToRGB(selTextColor));
  const int oldMode = ::SetBkMode(dc, TRANSPARENT);
  TScopeExit restoreMode([dc, oldMode] { ::SetBkMode(dc, oldMode); });
  TcxHighlightBrush brush(highlight);
  TcxRowsPainter painter(dc, rect, params, highlight);
  const int count = std::min(rowCount, static_cast<int>(rows.size()));
  for (int i = 0; i < count; ++i)
    painter.DrawRow(rows[static_cast<size_t>(i)], i == count - 1, forceEllipsis);
}

namespace {

bool NothingFits(const TRect& rect, const TcxTextParams& params) {
  return params.MeasureOnly ? rect.Right - rect.Left <= 0 : cxRectIsEmpty(rect);
}

// Sets 'rect' to what the rows need: as wide as the longest row, as high as
// the rows once placed in that width; the indents are given back.
void MeasureRows(HDC dc, const char* text, TRect& rect, TRect prepared, TcxTextParams& params,
                 TcxTextRows& rows, int& rowCount, int maxRowCount, int leftIndent,
                 int rightIndent) {
  if (maxRowCount > 0 && maxRowCount < rowCount)
    rowCount = maxRowCount;
  prepared.Right = prepared.Left + cxGetLongestTextRowWidth(rows, rowCount);
  if (!params.OneLine)
    cxMakeTextRows(dc, text, prepared, params, rows, rowCount, maxRowCount);
  cxPlaceTextRows(dc, prepared, params, rows, rowCount);
  prepared.Bottom = rows[static_cast<size_t>(rowCount - 1)].PosY + params.CellHeight;
  rect = {prepared.Left - leftIndent, prepared.Top, prepared.Right + rightIndent,
          prepared.Bottom};
}

} // namespace

int cxTextOut(HDC dc, const char* text, TRect& rect, TcxTextOutFormat format, int selStart,
              int selLength, TColor selBkColor, TColor selTextColor, int maxRowCount,
              int leftIndent, int rightIndent) {
  const int length = text ? static_cast<int>(std::strlen(text)) : 0;
  if (length == 0)
    return 0;
  TcxTextParams params = cxCalcTextParams(dc, format);
  const TRect prepared = cxPrepareRect(rect, params, leftIndent, rightIndent);
  if (NothingFits(prepared, params))
    return 0;
  TcxTextRows rows;
  int rowCount = 0;
  const bool complete =
      cxMakeTextRows(dc, text, prepared, params, rows, rowCount, maxRowCount);
  if (rowCount == 0)
    return 0;
  if (params.MeasureOnly) {
    MeasureRows(dc, text, rect, prepared, params, rows, rowCount, maxRowCount, leftIndent,
                rightIndent);
  } else {
    bool forceEllipsis = false;
    if (maxRowCount > 0 && rowCount >= maxRowCount) {
      rowCount = maxRowCount;
      forceEllipsis = !complete && params.EllipsisAtEnd && params.FullRowsOnly && !params.OneLine;
    }
    cxPlaceTextRows(dc, prepared, params, rows, rowCount);
    if (selStart < 0 || selStart >= length)
      selLength = 0;
    else if (selLength > length - selStart)
      selLength = length - selStart;
    cxTextRowsOutHighlight(dc, prepared, params, rows, rowCount, selStart, selLength, selBkColor,
                           selTextColor, forceEllipsis);
  }
  const int height =
      rows[static_cast<size_t>(rowCount - 1)].PosY + params.CellHeight - prepared.Top;
  return params.RowCountResult || height == 0 ? rowCount : height;
}

int cxTextOut(TCanvas* canvas, const char* text, TRect& rect, TcxTextOutFormat format,
              int selStart, int selLength, TColor selBkColor, TColor selTextColor,
              int maxRowCount, int leftIndent, int rightIndent) {
  canvas->RequiredState({TCanvasStates::csHandleValid, TCanvasStates::csFontValid});
  return cxTextOut(canvas->Handle(), text, rect, format, selStart, selLength, selBkColor,
                   selTextColor, maxRowCount, leftIndent, rightIndent);
}

int cxTextOut(TCanvas* canvas, const char* text, TRect& rect, TcxTextOutFormat format,
              int maxRowCount, int leftIndent, int rightIndent) {
  return cxTextOut(canvas, text, rect, format, 0, 0, canvas->Font()->Color(), 0, maxRowCount,
                   leftIndent, rightIndent);
}

int cxTextOut(HDC dc, const char* text, TRect& rect, TcxTextOutFormat format, int maxRowCount,
              int leftIndent, int rightIndent) {
  return cxTextOut(dc, text, rect, format, 0, 0, static_cast<TColor>(::GetTextColor(dc)), 0,
                   maxRowCount, leftIndent, rightIndent);
}
