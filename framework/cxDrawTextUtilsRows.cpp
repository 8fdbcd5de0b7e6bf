// Splitting a text into rows.
//
// A row is decided by scanning its bytes: break characters are counted, a
// line break ends it, and when the row grows wider than the rectangle it ends
// after the last break character, or before the overflowing character (with
// character wrap), or with it (single line and the ellipsis row). The widths
// of the row's prefixes are measured in chunks of about a row's length that
// grow only when the row needs more, so making a row costs about its own
// length however much text follows it.
#include "framework/cxDrawTextUtils.h"

#include <algorithm>
#include <cstring>

#include "framework/cxDrawTextUtilsWide.h"
#include "platform/graphics/Canvas.h"

namespace {

constexpr char kTab = '\t';
constexpr char kCR = '\r';
constexpr char kLF = '\n';

bool IsJustified(const TcxTextParams& params) {
  return params.HorzAlign == TcxTextAlignX::taJustifyX ||
         params.HorzAlign == TcxTextAlignX::taDistributeX;
}

// The widths of the prefixes of the text at a row's start, measured on
// demand. Only prefixes up to the first line break count when the row ends
// there.
class TcxPrefixWidths {
public:
  TcxPrefixWidths(HDC dc, const char* text, int count, bool endsAtLineBreak, bool tabsExpanded,
                  int chunk)
      : m_dc(dc), m_text(text), m_limit(count), m_endsAtLineBreak(endsAtLineBreak),
        m_tabsExpanded(tabsExpanded), m_chunk(std::max(chunk, 1)) {}

  // The smallest k whose first k bytes are wider than 'width'; 0 when none
  // of the prefixes up to the limit is.
  int FirstOverflow(int width);
  // The width and height of the first 'count' bytes when they are known
  // already; false otherwise.
  bool KnownExtent(int count, TSize& extent) const;

private:
  void ScanTo(int count);
  void MeasurePlain(int count);
  int TabbedWidth(int count);
  int TabbedFirstOverflow(int fitting, int width);

  HDC m_dc;
  const char* m_text;
  int m_limit;  // bytes that can belong to the row
  bool m_endsAtLineBreak;
  bool m_tabsExpanded;
  int m_chunk;
  int m_scanned = 0;    // bytes looked at for line breaks and tabs
  int m_firstTab = -1;  // among the scanned bytes
  std::vector<int> m_extents;  // m_extents[k - 1]: width of the first k bytes, no tabs expanded
  int m_height = 0;
  TcxWideBuffer m_wide;
};

void TcxPrefixWidths::ScanTo(int count) {
  count = std::min(count, m_limit);
  for (; m_scanned < count; ++m_scanned) {
    const char byte = m_text[m_scanned];
    if (m_endsAtLineBreak && (byte == kCR || byte == kLF)) {
      m_limit = m_scanned;
      break;
    }
    if (byte == kTab && m_firstTab < 0)
      m_firstTab = m_scanned;
  }
}

void TcxPrefixWidths::MeasurePlain(int count) {
  ScanTo(count);
  count = std::min(count, m_limit);
  m_extents.assign(static_cast<size_t>(count), 0);
  int fit = 0;
  SIZE size{};
  ::GetTextExtentExPointW(m_dc, m_wide.Convert(m_text, count), count, 0, &fit,
                          m_extents.data(), &size);
  m_height = size.cy;
}

int TcxPrefixWidths::FirstOverflow(int width) {
  int checked = 0;
  for (;;) {
    // With tabs expanded, the plain widths hold only up to the first tab.
    const bool tabSeen = m_tabsExpanded && m_firstTab >= 0;
    const int plainEnd = tabSeen ? std::min<int>(m_firstTab, m_extents.size())
                                 : static_cast<int>(m_extents.size());
    for (; checked < plainEnd; ++checked)
      if (m_extents[static_cast<size_t>(checked)] > width)
        return checked + 1;
    if (tabSeen)
      return TabbedFirstOverflow(m_firstTab, width);
    if (checked >= m_limit)
      return 0;
    MeasurePlain(std::max(checked + m_chunk, 2 * checked));
  }
}

int TcxPrefixWidths::TabbedWidth(int count) {
  return LOWORD(::GetTabbedTextExtentW(m_dc, m_wide.Convert(m_text, count), count, 0, nullptr));
}

// The first k past 'fitting' (a prefix length known to fit) whose tabbed
// width exceeds 'width': steps growing twofold find a prefix that is too wide,
// halving then narrows down to the first one.
int TcxPrefixWidths::TabbedFirstOverflow(int fitting, int width) {
  int low = fitting;
  int high = 0;
  for (int step = 8;; step *= 2) {
    ScanTo(low + step);
    const int probe = std::min(low + step, m_limit);
    if (probe <= low)
      return 0;
    if (TabbedWidth(probe) > width) {
      high = probe;
      break;
    }
    low = probe;
  }
  while (high - low > 1) {
    const int middle = low + (high - low) / 2;
    if (TabbedWidth(middle) > width)
      high = middle;
    else
      low = middle;
  }
  return high;
}

bool TcxPrefixWidths::KnownExtent(int count, TSize& extent) const {
  if (count <= 0 || count > static_cast<int>(m_extents.size()))
    return false;
  if (m_tabsExpanded && m_firstTab >= 0 && m_firstTab < count)
    return false;
  extent = {m_extents[static_cast<size_t>(count - 1)], m_height};
  return true;
}

// Makes the rows of one text, one after the other.
class TcxRowMaker {
public:
  TcxRowMaker(HDC dc, const TcxTextParams& params, int width);

  // The next row from 'text' ('count' bytes left); both are moved past it.
  TcxTextRow MakeRow(const char*& text, int& count, bool lastRow);

private:
  struct TRowEnd {
    int Length = 0;
    int Breaks = 0;
    bool AtLineBreak = false;
  };

  TRowEnd ScanRow(const char* text, int count, bool cut, TcxPrefixWidths& widths) const;
  void DropTrailingBreaks(TcxTextRow& row) const;
  bool IsBreak(char byte) const { return byte == m_params.SpaceChar || byte == kTab; }

  HDC m_dc;
  const TcxTextParams& m_params;
  int m_width;
  int m_chunk;  // bytes measured at first for a row: a little more than a full row
  bool m_wrap;
  bool m_charBreak;
};

TcxRowMaker::TcxRowMaker(HDC dc, const TcxTextParams& params, int width)
    : m_dc(dc), m_params(params), m_width(width) {
  TEXTMETRICW metrics{};
  ::GetTextMetricsW(dc, &metrics);
  const int rowChars = std::max(width, 1) / std::max<int>(metrics.tmAveCharWidth, 1);
  m_chunk = rowChars + rowChars / 4 + 8;
  m_wrap = !params.OneLine && (params.WrapWords || IsJustified(params));
  m_charBreak = m_wrap && params.CharWrap;
}

TcxRowMaker::TRowEnd TcxRowMaker::ScanRow(const char* text, int count, bool cut,
                                          TcxPrefixWidths& widths) const {
  const bool endsAtLineBreak = !cut && !m_params.OneLine;
  const bool widthBound = m_wrap || cut || m_params.OneLine;
  int overflow = -1;  // first prefix length wider than the row; 0 when none
  int lastBreak = -1;
  TRowEnd end;
  for (int i = 0; i < count; ++i) {
    const char byte = text[i];
    end.Length = i + 1;
    if (IsBreak(byte)) {
      ++end.Breaks;
      lastBreak = i;
    }
    if (endsAtLineBreak && (byte == kCR || byte == kLF)) {
      end.Length = i;
      end.AtLineBreak = true;
      break;
    }
    if (!widthBound)
      continue;
    if (overflow < 0)
      overflow = widths.FirstOverflow(m_width);
    if (overflow == 0 || i + 1 < overflow)
      continue;
    if (cut || m_params.OneLine)
      break;
    if (lastBreak >= 0) {
      end.Length = lastBreak + 1;
      break;
    }
    if (!m_charBreak)
      continue;
    if (end.Length > 1) {
      --end.Length;
      break;
    }
  }
  return end;
}

void TcxRowMaker::DropTrailingBreaks(TcxTextRow& row) const {
  while (row.RowLength > 0 && IsBreak(row.RowStart[row.RowLength - 1])) {
    --row.RowLength;
    row.Breaks = std::max(row.Breaks - 1, 0);
  }
}

TcxTextRow TcxRowMaker::MakeRow(const char*& text, int& count, bool lastRow) {
  TcxTextRow row;
  if (!text)
    return row;
  const bool cut = m_params.EllipsisAtEnd && lastRow && !IsJustified(m_params) &&
                   !m_params.FullRowsOnly && !m_params.Unclipped;
  const bool endsAtLineBreak = !cut && !m_params.OneLine;
  TcxPrefixWidths widths(m_dc, text, count, endsAtLineBreak, m_params.TabsExpanded, m_chunk);
  const TRowEnd end = ScanRow(text, count, cut, widths);
  row.RowStart = text;
  row.RowLength = end.Length;
  row.Breaks = end.Breaks;
  if (end.AtLineBreak && m_params.HorzAlign == TcxTextAlignX::taJustifyX)
    row.Breaks = 0;
  if (IsJustified(m_params))
    DropTrailingBreaks(row);
  TSize extent;
  if (widths.KnownExtent(row.RowLength, extent)) {
    row.RowWidth = extent.cx;
    row.RowTextHeight = extent.cy;
  } else {
    cxCalcTextRowExtents(m_dc, row, m_params);
  }

  int consumed = row.RowLength;
  while (consumed < count && text[consumed] == m_params.SpaceChar)
    ++consumed;
  if (consumed < count && text[consumed] == kTab)
    ++consumed;
  bool crPassed = false;
  if (consumed < count && text[consumed] == kCR) {
    ++consumed;
    crPassed = true;
  }
  if (consumed < count && text[consumed] == kLF)
    ++consumed;
  text += consumed;
  count -= consumed;
  if (m_params.HorzAlign == TcxTextAlignX::taJustifyX && (crPassed || count == 0))
    row.Breaks = 0;
  return row;
}

// Whether the row about to be made, whose bottom lies at 'bottom', is the
// last one the rectangle takes.
bool IsLastRow(const TcxTextParams& params, int height, int bottom, int rowCount,
               int maxRowCount) {
  if (params.OneLine)
    return true;
  if (params.VertAlign != TcxTextAlignY::taTop || params.MeasureOnly)
    return maxRowCount > 0 && maxRowCount == rowCount;
  if (params.FullRowsOnly && !params.Unclipped)
    return height < bottom + params.RowPitch;
  return height < bottom;
}

} // namespace

bool cxMakeTextRows(HDC dc, const char* text, const TRect& rect, const TcxTextParams& params,
                    TcxTextRows& rows, int& rowCount, int maxRowCount) {
  rows.clear();
  rowCount = 0;
  if (!text)
    return true;
  int count = static_cast<int>(std::strlen(text));
  if (params.MeasureOnly && params.OneLine) {
    TcxTextRow row;
    row.RowStart = text;
    row.RowLength = count;
    cxCalcTextRowExtents(dc, row, params);
    rows.push_back(row);
    rowCount = 1;
    return true;
  }
  const int width = rect.Right - rect.Left;
  const int height = rect.Bottom - rect.Top;
  TcxRowMaker maker(dc, params, width);
  const char* cursor = text;
  int bottom = 0;
  bool last = false;
  while (count > 0 && !last) {
    ++rowCount;
    if (rowCount > static_cast<int>(rows.size()))
      rows.resize(rows.size() + 4);
    bottom += params.RowPitch;
    last = IsLastRow(params, height, bottom, rowCount, maxRowCount);
    const int startIndex = static_cast<int>(cursor - text);
    TcxTextRow& row = rows[static_cast<size_t>(rowCount - 1)];
    row = maker.MakeRow(cursor, count, last);
    row.StartIndex = startIndex;
    if (maxRowCount > 0 && rowCount == maxRowCount)
      break;
  }
  rows.resize(static_cast<size_t>(rowCount));
  const bool cutShort = !params.OneLine && !params.MeasureOnly && maxRowCount > 0 &&
                        rowCount == maxRowCount && count > 0;
  return !cutShort;
}

bool cxMakeTextRows(TCanvas* canvas, const char* text, const TRect& rect,
                    const TcxTextParams& params, TcxTextRows& rows, int& rowCount,
                    int maxRowCount) {
  return cxMakeTextRows(canvas->Handle(), text, rect, params, rows, rowCount, maxRowCount);
}
