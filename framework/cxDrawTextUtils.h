// The library's own text layout: a zero-terminated Windows-1254 text is split
// into rows inside a rectangle (line breaks, word wrap, character wrap, single
// line, end ellipsis), the rows are placed by horizontal and vertical
// alignment, and then either drawn, with an optional highlighted byte range
// in its own colours, or only measured. Besides what the platform's DrawText
// does it knows justified and distributed alignment, a row limit, left and
// right indents and the highlighted range.
//
// Rows point into the caller's text; they are valid only while it lives.
// The text code page is single-byte, so a character is always one byte.
//
// Classes in this file: TcxTextParams, TcxTextRow, TcxTextRows.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/graphics/Colors.h"
#include "platform/rtl/Types.h"
#include "platform/rtl/WinApi.h"

class TCanvas;

// The text-out format: bits 0-2 hold the horizontal alignment, bits 4-5 the
// vertical one, the other bits below are switches.
using TcxTextOutFormat = std::uint32_t;

enum class TcxTextAlignX : std::uint8_t { taLeft, taCenterX, taRight, taJustifyX, taDistributeX };
enum class TcxTextAlignY : std::uint8_t { taTop, taCenterY, taBottom, taDistributeY };

// No row is placed left of the rectangle's left edge.
constexpr TcxTextOutFormat cxtfClampLeft = 0x40;
// The first row is not placed above the rectangle's top edge.
constexpr TcxTextOutFormat cxtfClampTop = 0x80;
// Rows wrap at break characters.
constexpr TcxTextOutFormat cxtfWordWrap = 0x100;
// Exactly one row; CR and LF are ordinary characters.
constexpr TcxTextOutFormat cxtfSingleLine = 0x200;
// Tabs are expanded to the default tab stops when measuring and drawing.
constexpr TcxTextOutFormat cxtfExpandTabs = 0x400;
// The last row ends in "..." when it is too wide or was cut.
constexpr TcxTextOutFormat cxtfEndEllipsis = 0x800;
// The font's external leading is added to the row pitch.
constexpr TcxTextOutFormat cxtfExternalLeading = 0x2000;
// Only rows that fit whole are made; "..." when the row limit cut the text.
constexpr TcxTextOutFormat cxtfWholeRows = 0x4000;
// Rows and the ellipsis are never clipped to the rectangle.
constexpr TcxTextOutFormat cxtfNoClip = 0x8000;
// Carried into the parameters; no effect.
constexpr TcxTextOutFormat cxtfReserved16 = 0x10000;
// A word that does not fit is broken between characters.
constexpr TcxTextOutFormat cxtfCharWrap = 0x20000;
// Nothing is drawn; the rectangle is set to what the text needs.
constexpr TcxTextOutFormat cxtfMeasureOnly = 0x100000;
// cxTextOut answers the number of rows instead of the height.
constexpr TcxTextOutFormat cxtfRowCountResult = 0x200000;

TcxTextOutFormat cxMakeFormat(TcxTextAlignX horzAlign, TcxTextAlignY vertAlign);

// What the layout needs of the font and the format, made by cxCalcTextParams.
struct TcxTextParams {
  int CellHeight = 0;      // the font's height
  int LeadingHeight = 0;   // external leading with cxtfExternalLeading, else 0
  int RowPitch = 0;        // distance between the tops of two rows
  int EllipsisExtent = 0;  // width of "..." with cxtfEndEllipsis, else 0
  char SpaceChar = ' ';    // the font's break character
  TcxTextAlignX HorzAlign = TcxTextAlignX::taLeft;
  TcxTextAlignY VertAlign = TcxTextAlignY::taTop;
  bool WrapWords = false;
  bool OneLine = false;
  bool TabsExpanded = false;
  bool EllipsisAtEnd = false;
  bool LeadingAdded = false;
  bool FullRowsOnly = false;
  bool Unclipped = false;
  bool Flag16 = false;
  bool ClampLeft = false;
  bool ClampTop = false;
  bool CharWrap = false;  // cxtfCharWrap, or always on a Far East system
  bool RowCountResult = false;
  bool MeasureOnly = false;
  int MaxCharExtent = 0;  // the font's widest character
  std::uint8_t CharSet = 0;
};

// One laid-out row.
struct TcxTextRow {
  const char* RowStart = nullptr;  // first byte, inside the caller's text
  int RowLength = 0;      // bytes, without line-break bytes and skipped separators
  int RowWidth = 0;       // measured width (tabs expanded with TabsExpanded)
  int RowTextHeight = 0;  // measured height
  int Breaks = 0;         // break characters and tabs: the gaps justification widens
  int PosX = 0;           // left of the row, set by placement
  int PosY = 0;           // top of the row, set by placement
  int StartIndex = 0;     // byte offset of RowStart in the whole text
};

using TcxTextRows = std::vector<TcxTextRow>;

// The extent of 'count' bytes of 'text' in the DC's font; with 'expandTabs'
// tabs go to the default tab stops.
TSize cxCalcTextExtents(HDC dc, const char* text, int count, bool expandTabs);
// Sets RowWidth and RowTextHeight of the row from its bytes.
void cxCalcTextRowExtents(HDC dc, TcxTextRow& row, const TcxTextParams& params);

TcxTextParams cxCalcTextParams(HDC dc, TcxTextOutFormat format);
// Makes the canvas's handle and font valid first.
TcxTextParams cxCalcTextParams(TCanvas* canvas, TcxTextOutFormat format);

// Splits 'text' into rows for 'rect'. A maximum row count of 0 or less means
// no limit. False only when the maximum row count cut the text short; a nil
// text gives no rows and true.
bool cxMakeTextRows(HDC dc, const char* text, const TRect& rect, const TcxTextParams& params,
                    TcxTextRows& rows, int& rowCount, int maxRowCount = 0);
bool cxMakeTextRows(TCanvas* canvas, const char* text, const TRect& rect,
                    const TcxTextParams& params, TcxTextRows& rows, int& rowCount,
                    int maxRowCount = 0);

// Sets PosX and PosY of the first 'rowCount' rows; vertical distribution may
// change the params' RowPitch.
void cxPlaceTextRows(HDC dc, const TRect& rect, TcxTextParams& params, TcxTextRows& rows,
                     int rowCount);

// 'rect' with its left edge moved right by 'leftIndent' and its right edge
// moved left by 'rightIndent'.
TRect cxPrepareRect(const TRect& rect, const TcxTextParams& params, int leftIndent,
                    int rightIndent);

// The largest RowWidth of the first 'rowCount' rows; 0 when there are none.
int cxGetLongestTextRowWidth(const TcxTextRows& rows, int rowCount);

// Draws the first 'rowCount' placed rows in 'rect' in the DC's font and text
// colour. The bytes [selStart, selStart + selLength) of the whole text are
// drawn in 'selTextColor' on 'selBkColor' (clNone: not filled); what the
// highlight covers stays excluded from the DC's clip region afterwards, unless
// the row was clipped. 'forceEllipsis' ends the last row in "..." even when
// it fits. The rows themselves are not changed.
void cxTextRowsOutHighlight(HDC dc, const TRect& rect, const TcxTextParams& params,
                            const TcxTextRows& rows, int rowCount, int selStart, int selLength,
                            TColor selBkColor, TColor selTextColor, bool forceEllipsis);

// The whole pipeline: lays 'text' out in 'rect' narrowed by the indents and
// draws it with the highlighted byte range, or with cxtfMeasureOnly sets
// 'rect' to what the text needs. Answers the height of the rows (the row
// count with cxtfRowCountResult or when the height is 0); 0 for an empty
// text or when nothing fits.
int cxTextOut(HDC dc, const char* text, TRect& rect, TcxTextOutFormat format, int selStart,
              int selLength, TColor selBkColor, TColor selTextColor, int maxRowCount = 0,
              int leftIndent = 0, int rightIndent = 0);
int cxTextOut(TCanvas* canvas, const char* text, TRect& rect, TcxTextOutFormat format,
              int selStart, int selLength, TColor selBkColor, TColor selTextColor,
              int maxRowCount = 0, int leftIndent = 0, int rightIndent = 0);
// Without a highlighted range.
int cxTextOut(TCanvas* canvas, const char* text, TRect& rect, TcxTextOutFormat format,
              int maxRowCount = 0, int leftIndent = 0, int rightIndent = 0);
int cxTextOut(HDC dc, const char* text, TRect& rect, TcxTextOutFormat format,
              int maxRowCount = 0, int leftIndent = 0, int rightIndent = 0);
