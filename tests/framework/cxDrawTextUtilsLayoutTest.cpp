#include "tests/support/GTest.h"

#include <cstring>
#include <ostream>
#include <string>
#include <vector>

#include "framework/cxDrawTextUtils.h"
#include "tests/framework/cxDrawTextUtilsTestSupport.h"
#include "tests/support/GdiObjects.h"

void PrintTo(const TRect& r, std::ostream* os) {
  *os << "(" << r.Left << ", " << r.Top << ", " << r.Right << ", " << r.Bottom << ")";
}

namespace {

using Texts = std::vector<std::string>;

constexpr TcxTextOutFormat kJustify = static_cast<TcxTextOutFormat>(TcxTextAlignX::taJustifyX);
constexpr TcxTextOutFormat kDistribute =
    static_cast<TcxTextOutFormat>(TcxTextAlignX::taDistributeX);

class TextLayout : public testing::Test {
protected:
  struct Layout {
    TcxTextParams params;
    TcxTextRows rows;
    int rowCount = 0;
    bool complete = false;
    Texts texts;
  };

  Layout Make(const std::string& text, int width, TcxTextOutFormat format, int height = 1000,
              int maxRowCount = 0) {
    Layout layout;
    layout.params = cxCalcTextParams(m_surface.DC(), format);
    layout.complete = cxMakeTextRows(m_surface.DC(), text.c_str(), Rect(0, 0, width, height),
                                     layout.params, layout.rows, layout.rowCount, maxRowCount);
    layout.texts = RowTexts(layout.rows, layout.rowCount);
    return layout;
  }
  int Width(const std::string& text) const { return m_surface.Width(text); }

  TLayoutSurface m_surface;
};

// ------------------------------------------------------------ parameters

TEST_F(TextLayout, ParamsComeFromTheFormatAndTheFont) {
  const TcxTextOutFormat format = cxMakeFormat(TcxTextAlignX::taRight, TcxTextAlignY::taBottom) |
                                  cxtfWordWrap | cxtfEndEllipsis | cxtfExternalLeading |
                                  cxtfReserved16 | cxtfClampTop | cxtfRowCountResult;
  const TcxTextParams params = cxCalcTextParams(m_surface.DC(), format);
  TEXTMETRICW metrics{};
  ::GetTextMetricsW(m_surface.DC(), &metrics);
  EXPECT_EQ(metrics.tmHeight, params.CellHeight);
  EXPECT_EQ(metrics.tmExternalLeading, params.LeadingHeight);
  EXPECT_EQ(metrics.tmHeight + metrics.tmExternalLeading, params.RowPitch);
  EXPECT_EQ(Width("..."), params.EllipsisExtent);
  EXPECT_EQ(' ', params.SpaceChar);
  EXPECT_EQ(TcxTextAlignX::taRight, params.HorzAlign);
  EXPECT_EQ(TcxTextAlignY::taBottom, params.VertAlign);
  EXPECT_TRUE(params.WrapWords && params.EllipsisAtEnd && params.LeadingAdded && params.Flag16 &&
              params.ClampTop && params.RowCountResult);
  EXPECT_FALSE(params.OneLine || params.TabsExpanded || params.FullRowsOnly ||
               params.Unclipped || params.ClampLeft || params.CharWrap || params.MeasureOnly);
  EXPECT_EQ(metrics.tmMaxCharWidth, params.MaxCharExtent);
  EXPECT_EQ(metrics.tmCharSet, params.CharSet);

  const TcxTextParams plain = cxCalcTextParams(m_surface.DC(), 0);
  EXPECT_EQ(0, plain.LeadingHeight);
  EXPECT_EQ(plain.CellHeight, plain.RowPitch);
  EXPECT_EQ(0, plain.EllipsisExtent);
}

TEST_F(TextLayout, FormatWordPutsAlignmentsIntoTheirBits) {
  EXPECT_EQ(0u, cxMakeFormat(TcxTextAlignX::taLeft, TcxTextAlignY::taTop));
  EXPECT_EQ(0x34u, cxMakeFormat(TcxTextAlignX::taDistributeX, TcxTextAlignY::taDistributeY));
  EXPECT_EQ(0x12u, cxMakeFormat(TcxTextAlignX::taRight, TcxTextAlignY::taCenterY));
}

TEST_F(TextLayout, CanvasOverloadsMakeTheFontValidFirst) {
  TLayoutSurface surface;
  surface.Canvas()->Font()->SetSize(20);
  const TcxTextParams params = cxCalcTextParams(surface.Canvas(), 0);
  EXPECT_EQ(surface.CellHeight(), params.CellHeight);
  EXPECT_GT(params.CellHeight, m_surface.CellHeight());
}

// -------------------------------------------------------------- measuring

TEST_F(TextLayout, TurkishTextMeasuresAsThePlatformMeasuresItsLetters) {
  const std::string word = Turkish(u"ağaçlığı İğdır'ın şüphesiz ÇÖĞÜŞ");
  SIZE expected{};
  const std::u16string wide = u"ağaçlığı İğdır'ın şüphesiz ÇÖĞÜŞ";
  ::GetTextExtentPoint32W(m_surface.DC(), reinterpret_cast<const WCHAR*>(wide.c_str()),
                          static_cast<int>(wide.size()), &expected);
  const TSize size =
      cxCalcTextExtents(m_surface.DC(), word.c_str(), static_cast<int>(word.size()), false);
  EXPECT_EQ(expected.cx, size.cx);
  EXPECT_EQ(expected.cy, size.cy);
  EXPECT_NE(Width(Turkish(u"ı")), Width(Turkish(u"İ")));
}

TEST_F(TextLayout, TabsExpandToDefaultStopsOnlyWhenAsked) {
  const std::string text = "a\tb";
  const TSize plain = cxCalcTextExtents(m_surface.DC(), text.c_str(), 3, false);
  const TSize tabbed = cxCalcTextExtents(m_surface.DC(), text.c_str(), 3, true);
  EXPECT_GT(tabbed.cx, plain.cx);
  EXPECT_EQ(m_surface.CellHeight(), tabbed.cy);
  TcxTextRow row;
  row.RowStart = text.c_str();
  row.RowLength = 3;
  TcxTextParams params = cxCalcTextParams(m_surface.DC(), cxtfExpandTabs);
  cxCalcTextRowExtents(m_surface.DC(), row, params);
  EXPECT_EQ(tabbed.cx, row.RowWidth);
  EXPECT_EQ(tabbed.cy, row.RowTextHeight);
}

// ------------------------------------------------------------------- rows

struct RowsCase {
  const char* name;
  std::string text;
  int width;  // in pixels
  TcxTextOutFormat format;
  Texts expected;
};

TEST_F(TextLayout, RowsBreakAtLinesWordsAndCharacters) {
  const std::string prose = Turkish(u"çiçekçi ağaç ılık");
  const int twoWords = Width(Turkish(u"çiçekçi ağaç"));
  const std::string longWord = Turkish(u"Çekoslovakyalılaştıramadıklarımızdan");
  const int third = Width(longWord) / 3;
  const std::vector<RowsCase> cases = {
      {"a Turkish line breaks after its last fitting word", prose, twoWords + 2, cxtfWordWrap,
       {Turkish(u"çiçekçi ağaç "), Turkish(u"ılık")}},
      {"a break exactly at the width still fits", prose, Width(Turkish(u"çiçekçi ağaç ")),
       cxtfWordWrap, {Turkish(u"çiçekçi ağaç "), Turkish(u"ılık")}},
      {"an overflowing break character ends its row", prose, Width(Turkish(u"çiçekçi ağaç")),
       cxtfWordWrap, {Turkish(u"çiçekçi ağaç "), Turkish(u"ılık")}},
      {"one pixel less moves the word down", prose, Width(Turkish(u"çiçekçi ağaç")) - 1,
       cxtfWordWrap, {Turkish(u"çiçekçi "), Turkish(u"ağaç ılık")}},
      {"further spaces at a wrap are skipped", "ab    cd", Width("ab  "), cxtfWordWrap,
       {"ab   ", "cd"}},
      {"a long word overflows to its next break", longWord + " x", third, cxtfWordWrap,
       {longWord + " ", "x"}},
      {"a long word is broken with character wrap", "MMMMM", Width("MM") + 1,
       cxtfWordWrap | cxtfCharWrap, {"MM", "MM", "M"}},
      {"character wrap keeps one character in a row narrower than it", "MW", 1,
       cxtfWordWrap | cxtfCharWrap, {"M", "W"}},
      {"without wrap a line is one row however wide", prose + "\r\n" + prose, 10, 0,
       {prose, prose}},
      {"CR LF, CR and LF each end a row", "a\r\nb\rc\nd", 100, cxtfWordWrap,
       {"a", "b", "c", "d"}},
      {"spaces after a line break are kept as indentation", "a\r\n  b", 100, cxtfWordWrap,
       {"a", "  b"}},
      {"an empty line is an empty row", "a\r\n\r\nb", 100, cxtfWordWrap, {"a", "", "b"}},
      {"a trailing line break ends the text", "a\r\n", 100, cxtfWordWrap, {"a"}},
      {"only spaces make one row", "    ", 100, cxtfWordWrap, {"    "}},
      {"only spaces in a narrow rectangle keep one", "    ", 1, cxtfWordWrap, {" "}},
      {"single line: line breaks are characters", "a\r\nb", 100, cxtfSingleLine, {"a\r\nb"}},
      {"single line ends with the first overflowing character", "abcdef", Width("abc") + 1,
       cxtfSingleLine, {"abcd"}},
      {"single line narrower than a character holds it", "abc", 1, cxtfSingleLine, {"a"}},
      {"prefix characters are ordinary characters", "&&a &b", 100, cxtfWordWrap, {"&&a &b"}},
  };
  for (const RowsCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.expected, Make(c.text, c.width, c.format).texts);
  }
}

TEST_F(TextLayout, JustifiedRowsLoseTrailingBreaksAndTheLastRowIsNotSpread) {
  const int width = Width("a b") - 1;
  Layout left = Make("a b", width, cxtfWordWrap);
  ASSERT_EQ((Texts{"a ", "b"}), left.texts);
  EXPECT_EQ(1, left.rows[0].Breaks);

  Layout justified = Make("a b", width, kJustify);
  ASSERT_EQ((Texts{"a", "b"}), justified.texts);
  EXPECT_EQ(0, justified.rows[0].Breaks);
  EXPECT_EQ(Width("a"), justified.rows[0].RowWidth);

  const int twoWords = Width("aa bb cc") + 1;
  Layout paragraph = Make("aa bb cc dd\r\nee ff", twoWords, kJustify);
  ASSERT_EQ((Texts{"aa bb cc", "dd", "ee ff"}), paragraph.texts);
  EXPECT_EQ(2, paragraph.rows[0].Breaks);
  EXPECT_EQ(0, paragraph.rows[1].Breaks) << "last row of a paragraph";
  EXPECT_EQ(0, paragraph.rows[2].Breaks) << "last row of the text";

  Layout distributed = Make("aa bb cc dd\r\nee ff", twoWords, kDistribute);
  ASSERT_EQ((Texts{"aa bb cc", "dd", "ee ff"}), distributed.texts);
  EXPECT_EQ(1, distributed.rows[2].Breaks) << "distribution spreads the last row too";
}

TEST_F(TextLayout, RowsCarryTheirOffsetsWidthsAndBreaks) {
  const std::string text = Turkish(u"Işık\tsöndü ve ağır ağır\r\nyürüdü");
  Layout layout = Make(text, Width(Turkish(u"Işık\tsöndü ve ")) + 1, cxtfWordWrap);
  ASSERT_EQ((Texts{Turkish(u"Işık\tsöndü ve "), Turkish(u"ağır ağır"), Turkish(u"yürüdü")}),
            layout.texts);
  const int starts[] = {0, 14, 25};
  const int breaks[] = {3, 1, 0};
  for (int i = 0; i < 3; ++i) {
    const TcxTextRow& row = layout.rows[static_cast<size_t>(i)];
    SCOPED_TRACE(i);
    EXPECT_EQ(starts[i], row.StartIndex);
    EXPECT_EQ(text.c_str() + starts[i], row.RowStart);
    EXPECT_EQ(breaks[i], row.Breaks);
    EXPECT_EQ(Width(layout.texts[static_cast<size_t>(i)]), row.RowWidth);
    EXPECT_EQ(m_surface.CellHeight(), row.RowTextHeight);
  }
  EXPECT_EQ(Width(Turkish(u"Işık\tsöndü ve ")), cxGetLongestTextRowWidth(layout.rows, 3));
  EXPECT_EQ(Width(Turkish(u"Işık\tsöndü ve ")), cxGetLongestTextRowWidth(layout.rows, 99));
  EXPECT_EQ(0, cxGetLongestTextRowWidth(layout.rows, 0));
}

TEST_F(TextLayout, ExpandedTabsCountInTheRowWidth) {
  const std::string text = "a\tb c\td";
  const TSize firstTwo = cxCalcTextExtents(m_surface.DC(), "a\tb c", 5, true);
  Layout layout = Make(text, firstTwo.cx + 1, cxtfWordWrap | cxtfExpandTabs);
  ASSERT_EQ((Texts{"a\tb c\t", "d"}), layout.texts);
  EXPECT_EQ(cxCalcTextExtents(m_surface.DC(), "a\tb c\t", 6, true).cx, layout.rows[0].RowWidth);
}

TEST_F(TextLayout, NilAndEmptyTextsMakeNoRows) {
  TcxTextParams params = cxCalcTextParams(m_surface.DC(), cxtfWordWrap);
  TcxTextRows rows(3);
  int rowCount = 7;
  EXPECT_TRUE(cxMakeTextRows(m_surface.DC(), nullptr, Rect(0, 0, 100, 100), params, rows,
                             rowCount));
  EXPECT_EQ(0, rowCount);
  EXPECT_TRUE(rows.empty());
  Layout empty = Make("", 100, cxtfWordWrap);
  EXPECT_TRUE(empty.complete);
  EXPECT_EQ(0, empty.rowCount);
}

// ------------------------------------------------- the height and row limit

TEST_F(TextLayout, TheRectangleHeightDecidesTheLastRow) {
  const std::string fiveLines = "one\r\ntwo\r\nthree four five six seven\r\nfour\r\nfive";
  const int pitch = m_surface.CellHeight();
  const int height = pitch * 5 / 2;  // two rows and a half
  const int width = Width("three four ") + 1;

  Layout plain = Make(fiveLines, width, cxtfWordWrap, height);
  EXPECT_EQ((Texts{"one", "two", "three four "}), plain.texts);
  EXPECT_TRUE(plain.complete);

  Layout ellipsis = Make(fiveLines, width, cxtfWordWrap | cxtfEndEllipsis, height);
  EXPECT_EQ((Texts{"one", "two", "three four f"}), ellipsis.texts)
      << "the cut row runs to its first overflowing character";

  Layout fitting = Make("one\r\ntwo\r\nsix\r\nfour", width, cxtfWordWrap | cxtfEndEllipsis,
                        height);
  EXPECT_EQ((Texts{"one", "two", "six\r\nfour"}), fitting.texts)
      << "the cut row takes line breaks along";

  Layout whole = Make(fiveLines, width, cxtfWordWrap | cxtfEndEllipsis | cxtfWholeRows, height);
  EXPECT_EQ((Texts{"one", "two"}), whole.texts);

  Layout unclipped = Make(fiveLines, width, cxtfWordWrap | cxtfWholeRows | cxtfNoClip, height);
  EXPECT_EQ(3, unclipped.rowCount) << "without clipping the partly visible row is made";

  Layout centred = Make(fiveLines, width,
                        cxtfWordWrap | cxMakeFormat(TcxTextAlignX::taLeft,
                                                    TcxTextAlignY::taCenterY),
                        height);
  EXPECT_EQ(7, centred.rowCount) << "only top alignment stops at the bottom";
}

TEST_F(TextLayout, TheRowLimitCutsTheText) {
  const std::string fourLines = "1\r\n2\r\n3\r\n4";
  Layout limited = Make(fourLines, 100, cxtfWordWrap, 1000, 2);
  EXPECT_FALSE(limited.complete);
  EXPECT_EQ((Texts{"1", "2"}), limited.texts);

  EXPECT_TRUE(Make(fourLines, 100, cxtfWordWrap, 1000, 4).complete);
  EXPECT_TRUE(Make(fourLines, 100, cxtfWordWrap, 1000, 0).complete);
  EXPECT_TRUE(Make(fourLines, 100, cxtfWordWrap | cxtfMeasureOnly, 1000, 2).complete);
  EXPECT_TRUE(Make(fourLines, 100, cxtfSingleLine, 1000, 1).complete);
}

TEST_F(TextLayout, MeasureOnlySingleLineTakesTheWholeText) {
  Layout layout = Make("a\r\nb c", 1, cxtfSingleLine | cxtfMeasureOnly, 1);
  EXPECT_EQ((Texts{"a\r\nb c"}), layout.texts);
  EXPECT_EQ(Width("a\r\nb c"), layout.rows[0].RowWidth);
}

// --------------------------------------------------------------- placement

struct PlaceCase {
  const char* name;
  TcxTextOutFormat format;
  TRect rect;
  std::vector<TPoint> expected;
};

TEST_F(TextLayout, PlacementFollowsTheAlignments) {
  // Three rows of widths 10, 20 and 40, cell height 10, no leading.
  TcxTextRows rows(3);
  const int widths[] = {10, 20, 40};
  for (int i = 0; i < 3; ++i)
    rows[static_cast<size_t>(i)].RowWidth = widths[i];
  using X = TcxTextAlignX;
  using Y = TcxTextAlignY;
  const TRect r{10, 20, 40, 70};  // 30 wide, 50 high
  const std::vector<PlaceCase> cases = {
      {"left top", cxMakeFormat(X::taLeft, Y::taTop), r, {{10, 20}, {10, 30}, {10, 40}}},
      {"centre", cxMakeFormat(X::taCenterX, Y::taCenterY), r, {{20, 30}, {15, 40}, {5, 50}}},
      {"centre clamped", cxMakeFormat(X::taCenterX, Y::taTop) | cxtfClampLeft, r,
       {{20, 20}, {15, 30}, {10, 40}}},
      {"right bottom", cxMakeFormat(X::taRight, Y::taBottom), r, {{30, 40}, {20, 50}, {0, 60}}},
      {"right clamped", cxMakeFormat(X::taRight, Y::taTop) | cxtfClampLeft, r,
       {{30, 20}, {20, 30}, {10, 40}}},
      {"justified rows start at the left", cxMakeFormat(X::taJustifyX, Y::taTop), r,
       {{10, 20}, {10, 30}, {10, 40}}},
      {"distributed in 50", cxMakeFormat(X::taLeft, Y::taDistributeY), r,
       {{10, 20}, {10, 40}, {10, 60}}},
      {"distributed in 51: the first gap is one pixel wider",
       cxMakeFormat(X::taLeft, Y::taDistributeY), {10, 20, 40, 71},
       {{10, 20}, {10, 41}, {10, 61}}},
      {"distributed without room keeps the pitch", cxMakeFormat(X::taLeft, Y::taDistributeY),
       {10, 20, 40, 35}, {{10, 20}, {10, 30}, {10, 40}}},
      {"centre rounds toward zero", cxMakeFormat(X::taLeft, Y::taCenterY), {10, 20, 40, 25},
       {{10, 8}, {10, 18}, {10, 28}}},
      {"bottom, clamped at the top", cxMakeFormat(X::taLeft, Y::taBottom) | cxtfClampTop,
       {10, 20, 40, 35}, {{10, 20}, {10, 30}, {10, 40}}},
  };
  for (const PlaceCase& c : cases) {
    SCOPED_TRACE(c.name);
    TcxTextParams params = cxCalcTextParams(m_surface.DC(), c.format);
    params.CellHeight = 10;
    params.RowPitch = 10;
    cxPlaceTextRows(m_surface.DC(), c.rect, params, rows, 3);
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(c.expected[static_cast<size_t>(i)].X, rows[static_cast<size_t>(i)].PosX) << i;
      EXPECT_EQ(c.expected[static_cast<size_t>(i)].Y, rows[static_cast<size_t>(i)].PosY) << i;
    }
  }
}

TEST_F(TextLayout, DistributionChangesThePitchAndBottomAddsTheLeading) {
  TcxTextRows rows(3);
  TcxTextParams params = cxCalcTextParams(m_surface.DC(), cxMakeFormat(TcxTextAlignX::taLeft,
                                                                       TcxTextAlignY::taDistributeY));
  params.CellHeight = 10;
  params.RowPitch = 10;
  cxPlaceTextRows(m_surface.DC(), Rect(0, 0, 10, 51), params, rows, 3);
  EXPECT_EQ(20, params.RowPitch);

  TcxTextParams bottom =
      cxCalcTextParams(m_surface.DC(), cxMakeFormat(TcxTextAlignX::taLeft, TcxTextAlignY::taBottom));
  bottom.CellHeight = 10;
  bottom.LeadingHeight = 2;
  bottom.RowPitch = 12;
  cxPlaceTextRows(m_surface.DC(), Rect(0, 0, 10, 100), bottom, rows, 2);
  EXPECT_EQ(100 - 24 + 2, rows[0].PosY);
  EXPECT_EQ(100 - 12 + 2, rows[1].PosY);
}

TEST_F(TextLayout, PreparedRectangleTakesTheIndents) {
  TcxTextParams params = cxCalcTextParams(m_surface.DC(), 0);
  EXPECT_EQ(Rect(13, 2, 26, 9), cxPrepareRect(Rect(10, 2, 30, 9), params, 3, 4));
}

// --------------------------------------------- against a byte-by-byte scan

// The rows as the layout defines them, measured one character at a time from
// each row's first character (tabs: the expanded width of the whole prefix).
class ReferenceRows {
public:
  ReferenceRows(HDC dc, const TcxTextParams& params, int width)
      : m_dc(dc), m_params(params), m_width(width) {}

  Texts Make(const std::string& text, bool lastRowCut) {
    Texts texts;
    const char* p = text.c_str();
    int n = static_cast<int>(text.size());
    while (n > 0) {
      const bool last = m_params.OneLine || (lastRowCut && texts.size() == 2);
      texts.push_back(Row(p, n, last));
      if (last)
        break;
    }
    return texts;
  }

private:
  bool Justified() const {
    return m_params.HorzAlign == TcxTextAlignX::taJustifyX ||
           m_params.HorzAlign == TcxTextAlignX::taDistributeX;
  }
  bool IsBreak(char c) const { return c == m_params.SpaceChar || c == '\t'; }

  std::string Row(const char*& p, int& n, bool last) {
    const bool wrap = !m_params.OneLine && (m_params.WrapWords || Justified());
    const bool charBreak = wrap && m_params.CharWrap;
    const bool cut = m_params.EllipsisAtEnd && last && !Justified() && !m_params.FullRowsOnly &&
                     !m_params.Unclipped;
    int length = 0;
    int lastBreak = -1;
    int x = 0;
    for (int i = 0; i < n; ++i) {
      length = i + 1;
      if (IsBreak(p[i]))
        lastBreak = i;
      if ((p[i] == '\r' || p[i] == '\n') && !cut && !m_params.OneLine) {
        length = i;
        break;
      }
      if (!(wrap || cut || m_params.OneLine))
        continue;
      x = m_params.TabsExpanded ? cxCalcTextExtents(m_dc, p, length, true).cx
                                : x + cxCalcTextExtents(m_dc, p + i, 1, false).cx;
      if (x <= m_width)
        continue;
      if (cut || m_params.OneLine)
        break;
      if (lastBreak >= 0) {
        length = lastBreak + 1;
        break;
      }
      if (!charBreak)
        continue;
      if (length > 1) {
        --length;
        break;
      }
    }
    int rowLength = length;
    if (Justified())
      while (rowLength > 0 && IsBreak(p[rowLength - 1]))
        --rowLength;
    std::string row(p, static_cast<size_t>(rowLength));
    int consumed = rowLength;
    while (consumed < n && p[consumed] == m_params.SpaceChar)
      ++consumed;
    for (char skip : {'\t', '\r', '\n'})
      if (consumed < n && p[consumed] == skip)
        ++consumed;
    p += consumed;
    n -= consumed;
    return row;
  }

  HDC m_dc;
  const TcxTextParams& m_params;
  int m_width;
};

TEST_F(TextLayout, RowsMatchAByteByByteScanOfTurkishProse) {
  const std::string prose = TurkishProse();
  const std::string tabbed = Turkish(u"Ad\tSoyad\tŞehir\r\nÖmer\tÇağlayan\tİzmir\r\n"
                                     u"Ayşe\tGüneşoğlu\tMuğla\tçok uzun bir açıklama satırı");
  const std::string longWords =
      Turkish(u"Muvaffakiyetsizleştiricileştiriveremeyebileceklerimizdenmişsinizcesine "
              u"afyonkarahisarlılaştıramadıklarımızdanmışsınızcasına kısa söz");
  const TcxTextOutFormat formats[] = {
      cxtfWordWrap,
      cxtfWordWrap | cxtfCharWrap,
      cxtfSingleLine,
      kJustify,
      kDistribute | cxtfCharWrap,
      cxtfWordWrap | cxtfExpandTabs,
      cxtfWordWrap | cxtfEndEllipsis,
      cxtfSingleLine | cxtfExpandTabs,
      0,
  };
  const int widths[] = {1, 7, 31, 57, 100, 173, 400, 2000};
  for (const std::string* text : {&prose, &tabbed, &longWords}) {
    for (TcxTextOutFormat format : formats) {
      for (int width : widths) {
        SCOPED_TRACE(testing::Message() << "format " << std::hex << format << std::dec
                                        << ", width " << width << ", text "
                                        << text->substr(0, 10));
        TcxTextParams params = cxCalcTextParams(m_surface.DC(), format);
        const bool cutThird = params.EllipsisAtEnd;
        const int height = cutThird ? params.RowPitch * 3 - 1 : 1000000;
        Layout layout = Make(*text, width, format, height);
        ReferenceRows reference(m_surface.DC(), params, width);
        ASSERT_EQ(reference.Make(*text, cutThird), layout.texts);
        for (int i = 0; i < layout.rowCount; ++i) {
          const TcxTextRow& row = layout.rows[static_cast<size_t>(i)];
          ASSERT_EQ(cxCalcTextExtents(m_surface.DC(), row.RowStart, row.RowLength,
                                      params.TabsExpanded)
                        .cx,
                    row.RowWidth)
              << "row " << i;
        }
      }
    }
  }
}

// Where no row ends in a break character that overflows the rectangle, the
// rows are those of the platform's DrawText. (At such a row the two differ:
// Wine's DrawText moves the word before an overflowing space to the next line.)
TEST_F(TextLayout, WordWrapRowsMatchTheRowCountOfThePlatformsDrawText) {
  std::u16string prose = AnsiToWide(TurkishProse());
  int compared = 0;
  for (int width = 60; width <= 400; ++width) {
    Layout layout = Make(TurkishProse(), width, cxtfWordWrap);
    if (cxGetLongestTextRowWidth(layout.rows, layout.rowCount) > width)
      continue;
    SCOPED_TRACE(width);
    RECT rect{0, 0, width, 0};
    const int height = ::DrawTextW(m_surface.DC(), WidePtr(prose), static_cast<int>(prose.size()),
                                   &rect, DT_WORDBREAK | DT_NOPREFIX | DT_CALCRECT);
    EXPECT_EQ(height / m_surface.CellHeight(), layout.rowCount);
    ++compared;
  }
  EXPECT_GT(compared, 20);
}

TEST_F(TextLayout, LayingOutLeavesNoGdiObjects) {
  const std::string prose = TurkishProse();
  auto layOut = [&] {
    for (TcxTextOutFormat format :
         {cxtfWordWrap | cxtfExpandTabs, cxtfSingleLine | cxtfEndEllipsis, kJustify})
      Make(prose, 150, format, 60);
  };
  layOut();
  const int before = CountGdiObjects();
  for (int i = 0; i < 100; ++i)
    layOut();
  EXPECT_EQ(before, CountGdiObjects());
}

} // namespace
