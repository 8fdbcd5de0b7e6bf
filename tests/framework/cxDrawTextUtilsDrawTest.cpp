#include "tests/support/GTest.h"

#include <string>
#include <vector>

#include "framework/cxDrawTextUtils.h"
#include "tests/framework/cxDrawTextUtilsTestSupport.h"
#include "tests/support/GdiObjects.h"
#include "tests/support/Pictures.h"

namespace {

constexpr int kSurfaceWidth = 420;
constexpr int kSurfaceHeight = 400;

constexpr TcxTextOutFormat Align(TcxTextAlignX x, TcxTextAlignY y) {
  return static_cast<TcxTextOutFormat>(x) | (static_cast<TcxTextOutFormat>(y) << 4);
}

// Draws with the platform's DrawText on a surface of its own.
void PlatformDrawText(TLayoutSurface& surface, const std::string& text, TRect rect, UINT flags) {
  std::u16string wide = AnsiToWide(text);
  ::SetBkMode(surface.DC(), TRANSPARENT);
  ::DrawTextW(surface.DC(), WidePtr(wide), static_cast<int>(wide.size()), AsRECT(rect), flags);
}

void PlatformTextOut(TLayoutSurface& surface, int x, int y, const std::string& text) {
  std::u16string wide = AnsiToWide(text);
  ::SetBkMode(surface.DC(), TRANSPARENT);
  ::TextOutW(surface.DC(), x, y, WidePtr(wide), static_cast<int>(wide.size()));
}

class TextDrawing : public testing::Test {
protected:
  int Draw(const std::string& text, TRect rect, TcxTextOutFormat format, int selStart = 0,
           int selLength = 0, int maxRowCount = 0) {
    return cxTextOut(m_ours.DC(), text.c_str(), rect, format, selStart, selLength, clYellow,
                     clBlue, maxRowCount);
  }
  int Width(const std::string& text) const { return m_ours.Width(text); }
  int Pitch() const { return m_ours.CellHeight(); }

  TLayoutSurface m_ours{kSurfaceWidth, kSurfaceHeight};
  TLayoutSurface m_platform{kSurfaceWidth, kSurfaceHeight};
};

// ------------------------------------------------- next to the platform's

struct AlignmentCase {
  const char* name;
  TcxTextOutFormat format;
  UINT flags;
};

TEST_F(TextDrawing, SingleLineAlignmentsDrawAsDrawText) {
  using X = TcxTextAlignX;
  using Y = TcxTextAlignY;
  const std::vector<AlignmentCase> cases = {
      {"left top", Align(X::taLeft, Y::taTop), DT_LEFT | DT_TOP},
      {"centre", Align(X::taCenterX, Y::taCenterY), DT_CENTER | DT_VCENTER},
      {"right bottom", Align(X::taRight, Y::taBottom), DT_RIGHT | DT_BOTTOM},
  };
  const std::string text = Turkish(u"Işığı söndür, İğneada'ya gidiyoruz; çabuk ol Şükrü!");
  // 57 high: DrawText centres by halving the height and the text height apart,
  // the layout by halving their difference; with an odd difference they agree.
  const TRect rect{10, 5, 310, 62};
  for (const AlignmentCase& c : cases) {
    SCOPED_TRACE(c.name);
    TLayoutSurface ours(kSurfaceWidth, 80);
    TLayoutSurface platform(kSurfaceWidth, 80);
    TRect bounds = rect;
    cxTextOut(ours.DC(), text.c_str(), bounds, c.format | cxtfSingleLine);
    PlatformDrawText(platform, text, rect, c.flags | DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_EQ(0, DifferentPixels(ours.Bitmap(), platform.Bitmap()));
    EXPECT_NE(TRect{}, InkBounds(ours.Bitmap(), rect));
  }
}

// At widths where no row ends in an overflowing space the two lay out the
// same rows (see the layout tests); then they draw the same pixels.
TEST_F(TextDrawing, WrappedTurkishProseDrawsAsDrawText) {
  const std::string prose = TurkishProse();
  int compared = 0;
  for (int width = 200; width <= 400 && compared < 4; width += 3) {
    TLayoutSurface ours(kSurfaceWidth, kSurfaceHeight);
    TLayoutSurface platform(kSurfaceWidth, kSurfaceHeight);
    TcxTextRows rows;
    int rowCount = 0;
    const TRect rect{4, 2, 4 + width, kSurfaceHeight};
    TcxTextParams params = cxCalcTextParams(ours.DC(), cxtfWordWrap);
    cxMakeTextRows(ours.DC(), prose.c_str(), rect, params, rows, rowCount);
    if (cxGetLongestTextRowWidth(rows, rowCount) > width)
      continue;
    SCOPED_TRACE(width);
    TRect bounds = rect;
    EXPECT_EQ(rowCount * Pitch(), cxTextOut(ours.DC(), prose.c_str(), bounds, cxtfWordWrap));
    PlatformDrawText(platform, prose, rect, DT_WORDBREAK | DT_NOPREFIX);
    EXPECT_EQ(0, DifferentPixels(ours.Bitmap(), platform.Bitmap()));
    if (compared == 0)
      SavePicture(ours.Bitmap(), "text-layout-prose");
    ++compared;
  }
  EXPECT_EQ(4, compared);
}

TEST_F(TextDrawing, ExpandedTabsDrawAsDrawText) {
  const std::string table = Turkish(u"Ad\tSoyad\tŞehir\r\nÖmer\tÇağlayan\tİzmir");
  const TRect rect{3, 3, 400, 100};
  TRect bounds = rect;
  cxTextOut(m_ours.DC(), table.c_str(), bounds, cxtfExpandTabs);
  PlatformDrawText(m_platform, table, rect, DT_EXPANDTABS | DT_NOPREFIX);
  EXPECT_EQ(0, DifferentPixels(m_ours.Bitmap(), m_platform.Bitmap()));
}

TEST_F(TextDrawing, PrefixCharactersAreDrawnAsTheyAre) {
  const std::string text = "Kaydet && &Kapat";
  const TRect rect{2, 2, 300, 30};
  TRect bounds = rect;
  cxTextOut(m_ours.DC(), text.c_str(), bounds, cxtfSingleLine);
  PlatformDrawText(m_platform, text, rect, DT_SINGLELINE | DT_NOPREFIX);
  EXPECT_EQ(0, DifferentPixels(m_ours.Bitmap(), m_platform.Bitmap()));
  TLayoutSurface prefixed(kSurfaceWidth, kSurfaceHeight);
  PlatformDrawText(prefixed, text, rect, DT_SINGLELINE);
  EXPECT_NE(0, DifferentPixels(m_ours.Bitmap(), prefixed.Bitmap()));
}

// ------------------------------------------------------------ the ellipsis

TEST_F(TextDrawing, EllipsisFollowsTheCharactersThatFitBeforeIt) {
  const std::string text = Turkish(u"Çok uzun bir başlık: Güneşli günlerde Ilgaz dağlarında");
  const TRect rect{6, 4, 6 + 120, 4 + 20};
  TRect bounds = rect;
  cxTextOut(m_ours.DC(), text.c_str(), bounds, cxtfSingleLine | cxtfEndEllipsis);

  // The characters that fit in the width less the ellipsis, then "..." at
  // the rectangle's left plus their width, clipped to the rectangle.
  std::u16string wide = AnsiToWide(text);
  SIZE size{};
  int fit = 0;
  const int available = 120 - Width("...");
  ::GetTextExtentExPointW(m_platform.DC(), WidePtr(wide), static_cast<int>(wide.size()), available,
                          &fit, nullptr, &size);
  ASSERT_GT(fit, 3);
  const std::string kept = text.substr(0, static_cast<size_t>(fit));
  ::IntersectClipRect(m_platform.DC(), rect.Left, rect.Top, rect.Right, rect.Bottom);
  PlatformTextOut(m_platform, rect.Left, rect.Top, kept);
  PlatformTextOut(m_platform, rect.Left + Width(kept), rect.Top, "...");
  EXPECT_EQ(0, DifferentPixels(m_ours.Bitmap(), m_platform.Bitmap()));
  SavePicture(m_ours.Bitmap(), "text-layout-ellipsis");
}

TEST_F(TextDrawing, TheRowLimitForcesTheEllipsisOnlyWithWholeRows) {
  const std::string fourLines = "1\r\n2\r\n3\r\n4";
  const TRect rect{0, 0, 200, 200};
  const TRect secondRowRight{Width("2"), Pitch(), 200, 2 * Pitch()};
  TRect bounds = rect;
  EXPECT_EQ(2 * Pitch(), Draw(fourLines, bounds, cxtfEndEllipsis, 0, 0, 2));
  EXPECT_EQ(TRect{}, InkBounds(m_ours.Bitmap(), secondRowRight));

  TLayoutSurface whole(kSurfaceWidth, kSurfaceHeight);
  bounds = rect;
  cxTextOut(whole.DC(), fourLines.c_str(), bounds, cxtfEndEllipsis | cxtfWholeRows, 2);
  PlatformTextOut(m_platform, 0, 0, "1");
  PlatformTextOut(m_platform, 0, Pitch(), "2");
  PlatformTextOut(m_platform, Width("2"), Pitch(), "...");
  EXPECT_EQ(0, DifferentPixels(whole.Bitmap(), m_platform.Bitmap()));
}

TEST_F(TextDrawing, DrawingTheSameRowsAgainDrawsTheSameEllipsis) {
  const std::string text = Turkish(u"Şu çılgın Türk, hiç durmadan yürüdü ve yürüdü");
  const TRect rect{0, 0, 100, 20};
  TcxTextParams params = cxCalcTextParams(m_ours.DC(), cxtfSingleLine | cxtfEndEllipsis);
  TcxTextRows rows;
  int rowCount = 0;
  cxMakeTextRows(m_ours.DC(), text.c_str(), rect, params, rows, rowCount);
  cxPlaceTextRows(m_ours.DC(), rect, params, rows, rowCount);
  const TcxTextRows before = rows;
  cxTextRowsOutHighlight(m_ours.DC(), rect, params, rows, rowCount, 0, 0, clNone, clBlack, false);
  cxTextRowsOutHighlight(m_platform.DC(), rect, params, rows, rowCount, 0, 0, clNone, clBlack,
                         false);
  EXPECT_EQ(before[0].RowLength, rows[0].RowLength);
  EXPECT_EQ(before[0].RowWidth, rows[0].RowWidth);
  EXPECT_EQ(0, DifferentPixels(m_ours.Bitmap(), m_platform.Bitmap()));
}

TEST_F(TextDrawing, RowsAreClippedToTheRectangleUnlessNoClip) {
  const std::string text = "WgjqyWgjqyWgjqy";
  // One word, wider and higher than the rectangle: one row running past it.
  const TRect rect{10, 10, 40, 10 + Pitch() / 2};
  const TRect outside[] = {{40, 0, kSurfaceWidth, 40}, {0, rect.Bottom, kSurfaceWidth, 40}};
  TRect bounds = rect;
  Draw(text, bounds, cxtfWordWrap);
  EXPECT_NE(TRect{}, InkBounds(m_ours.Bitmap(), rect));
  for (const TRect& area : outside)
    EXPECT_EQ(TRect{}, InkBounds(m_ours.Bitmap(), area));
  bounds = rect;
  cxTextOut(m_platform.DC(), text.c_str(), bounds, cxtfWordWrap | cxtfNoClip);
  for (const TRect& area : outside)
    EXPECT_NE(TRect{}, InkBounds(m_platform.Bitmap(), area));
}

// ----------------------------------------------------------- highlighting

TEST_F(TextDrawing, HighlightFillsItsRangeAndDrawsItInItsColour) {
  const std::string text = Turkish(u"Işık söndü");
  const TRect rect{10, 10, 300, 40};
  TRect bounds = rect;
  Draw(text, bounds, cxtfSingleLine, 2, 4);  // "ık s"
  const int xa = rect.Left + Width(Turkish(u"Iş"));
  const int xb = rect.Left + Width(Turkish(u"Işık s"));
  const TRect band{rect.Left, rect.Top, rect.Right, rect.Top + Pitch()};
  EXPECT_EQ(clYellow, PixelOf(m_ours.Bitmap(), xa, band.Top));
  EXPECT_EQ(clYellow, PixelOf(m_ours.Bitmap(), xb - 1, band.Bottom - 1));
  EXPECT_EQ(clWhite, PixelOf(m_ours.Bitmap(), xa - 1, band.Top));
  EXPECT_EQ(clWhite, PixelOf(m_ours.Bitmap(), xb, band.Top));
  EXPECT_EQ(clWhite, PixelOf(m_ours.Bitmap(), xa, band.Bottom));
  const TRect inside{xa, band.Top, xb, band.Bottom};
  EXPECT_TRUE(HasColor(m_ours.Bitmap(), inside, clBlue));
  EXPECT_FALSE(HasColor(m_ours.Bitmap(), inside, clBlack));
  EXPECT_TRUE(HasColor(m_ours.Bitmap(), {rect.Left, band.Top, xa, band.Bottom}, clBlack));
  EXPECT_TRUE(HasColor(m_ours.Bitmap(), {xb, band.Top, rect.Right, band.Bottom}, clBlack));
  EXPECT_FALSE(HasColor(m_ours.Bitmap(), {xb, band.Top, rect.Right, band.Bottom}, clBlue));
  SavePicture(m_ours.Bitmap(), "text-layout-highlight");
}

TEST_F(TextDrawing, HighlightSpansRowsByTheirOffsetsInTheText) {
  const std::string text = "aaa bbb\r\nccc ddd";
  const TRect rect{0, 0, 200, 100};
  TRect bounds = rect;
  Draw(text, bounds, cxtfWordWrap, 4, 8);  // "bbb\r\nccc"
  EXPECT_EQ(clYellow, PixelOf(m_ours.Bitmap(), Width("aaa "), 0));
  EXPECT_EQ(clWhite, PixelOf(m_ours.Bitmap(), Width("aaa ") - 1, 0));
  EXPECT_EQ(clYellow, PixelOf(m_ours.Bitmap(), 0, Pitch()));
  EXPECT_EQ(clYellow, PixelOf(m_ours.Bitmap(), Width("ccc") - 1, Pitch()));
  EXPECT_EQ(clWhite, PixelOf(m_ours.Bitmap(), Width("ccc"), Pitch()));
}

TEST_F(TextDrawing, HighlightWithoutBackgroundOnlyRecoloursTheText) {
  const std::string text = "abc def";
  TRect bounds{0, 0, 200, 30};
  cxTextOut(m_ours.DC(), text.c_str(), bounds, cxtfSingleLine, 0, 3, clNone, clRed);
  EXPECT_FALSE(HasColor(m_ours.Bitmap(), {0, 0, 200, 30}, clYellow));
  EXPECT_TRUE(HasColor(m_ours.Bitmap(), {0, 0, Width("abc"), Pitch()}, clRed));
  EXPECT_EQ(clWhite, PixelOf(m_ours.Bitmap(), 0, 0));
}

TEST_F(TextDrawing, SelectionsOutsideTheTextDrawNoHighlight) {
  const std::string text = "abc";
  for (int start : {3, 4, -1}) {
    SCOPED_TRACE(start);
    TLayoutSurface surface(100, 30);
    TRect bounds{0, 0, 100, 30};
    cxTextOut(surface.DC(), text.c_str(), bounds, cxtfSingleLine, start, 5, clYellow, clBlue);
    EXPECT_FALSE(HasColor(surface.Bitmap(), {0, 0, 100, 30}, clYellow));
    EXPECT_FALSE(HasColor(surface.Bitmap(), {0, 0, 100, 30}, clBlue));
  }
  TRect bounds{0, 0, 100, 30};
  Draw(text, bounds, cxtfSingleLine, 1, 100);
  EXPECT_EQ(clYellow, PixelOf(m_ours.Bitmap(), Width("abc") - 1, 0)) << "cut at the end";
  EXPECT_EQ(clWhite, PixelOf(m_ours.Bitmap(), Width("abc"), 0));
}

TEST_F(TextDrawing, TheEllipsisTakesTheHighlightColourOnlyWhenTheHighlightReachesTheRowEnd) {
  const std::string text = "abcdefghijklmnopqrstuvwxyz";
  const TRect rect{0, 0, 80, 20};
  const TcxTextOutFormat format = cxtfSingleLine | cxtfEndEllipsis;
  TcxTextParams params = cxCalcTextParams(m_ours.DC(), format);
  std::u16string wide = AnsiToWide(text);
  int fit = 0;
  SIZE size{};
  ::GetTextExtentExPointW(m_ours.DC(), WidePtr(wide), 26, 80 - params.EllipsisExtent, &fit,
                          nullptr, &size);
  const int ellipsisLeft = Width(text.substr(0, static_cast<size_t>(fit)));
  const TRect ellipsis{ellipsisLeft, 0, 80, Pitch()};

  TRect bounds = rect;
  Draw(text, bounds, format, 0, 2);
  EXPECT_TRUE(HasColor(m_ours.Bitmap(), ellipsis, clBlack));
  EXPECT_FALSE(HasColor(m_ours.Bitmap(), ellipsis, clBlue));

  TLayoutSurface whole(kSurfaceWidth, 40);
  bounds = rect;
  cxTextOut(whole.DC(), text.c_str(), bounds, format, 3, 26, clYellow, clBlue);
  EXPECT_TRUE(HasColor(whole.Bitmap(), ellipsis, clBlue));
  EXPECT_FALSE(HasColor(whole.Bitmap(), ellipsis, clBlack));
}

TEST_F(TextDrawing, TheHighlightStaysExcludedFromTheClipRegionOfAnUnclippedRow) {
  TRect bounds{0, 0, 200, 30};
  Draw("abc def", bounds, cxtfSingleLine, 0, 3);
  HRGN region = ::CreateRectRgn(0, 0, 0, 0);
  ASSERT_EQ(1, ::GetClipRgn(m_ours.DC(), region));
  EXPECT_FALSE(::PtInRegion(region, 1, 1));
  EXPECT_TRUE(::PtInRegion(region, Width("abc") + 1, 1));

  // A row wider than the rectangle is clipped; its kept region comes back.
  TRect narrow{0, 0, 10, 30};
  cxTextOut(m_platform.DC(), "abcdefgh", narrow, cxtfSingleLine, 0, 3, clYellow, clBlue);
  EXPECT_EQ(0, ::GetClipRgn(m_platform.DC(), region));
  ::DeleteObject(region);
}

TEST_F(TextDrawing, RightToLeftCharsetsMirrorTheHighlight) {
  const std::string text = Turkish(u"Şu kalem");
  const TRect rect{10, 0, 300, 20};
  TcxTextParams params = cxCalcTextParams(m_ours.DC(), cxtfSingleLine);
  TcxTextRows rows;
  int rowCount = 0;
  cxMakeTextRows(m_ours.DC(), text.c_str(), rect, params, rows, rowCount);
  cxPlaceTextRows(m_ours.DC(), rect, params, rows, rowCount);
  params.CharSet = ARABIC_CHARSET;
  cxTextRowsOutHighlight(m_ours.DC(), rect, params, rows, rowCount, 0, 2, clYellow, clBlue, false);
  const int rowRight = rect.Left + rows[0].RowWidth;
  EXPECT_EQ(clYellow, PixelOf(m_ours.Bitmap(), rowRight - 1, 0));
  EXPECT_EQ(clYellow, PixelOf(m_ours.Bitmap(), rowRight - Width(Turkish(u"Şu")), 0));
  EXPECT_EQ(clWhite, PixelOf(m_ours.Bitmap(), rowRight - Width(Turkish(u"Şu")) - 1, 0));
  EXPECT_EQ(clWhite, PixelOf(m_ours.Bitmap(), rect.Left, 0));
}

// ------------------------------------------------------ justification

// A justified row spreads the rest of the width over its break characters
// as the platform's text justification does; the last row is not spread.
TEST_F(TextDrawing, JustifiedRowsSpreadOverTheirBreaksButTheLastDoesNot) {
  const std::string text = "aa bb cc dd ee ff";
  const int width = Width("aa bb cc dd") + 10;
  const TRect rect{5, 0, 5 + width, 100};
  TRect bounds = rect;
  cxTextOut(m_ours.DC(), text.c_str(), bounds,
            Align(TcxTextAlignX::taJustifyX, TcxTextAlignY::taTop));
  ::SetTextJustification(m_platform.DC(), 10, 3);
  PlatformTextOut(m_platform, rect.Left, 0, "aa bb cc dd");
  ::SetTextJustification(m_platform.DC(), 0, 0);
  PlatformTextOut(m_platform, rect.Left, Pitch(), "ee ff");
  EXPECT_EQ(0, DifferentPixels(m_ours.Bitmap(), m_platform.Bitmap()));
  SavePicture(m_ours.Bitmap(), "text-layout-justified");
  SIZE after{};
  ::GetTextExtentPoint32W(m_ours.DC(), reinterpret_cast<const WCHAR*>(u"a b"), 3, &after);
  EXPECT_EQ(Width("a b"), after.cx) << "justification is reset";
}

// -------------------------------------------------------- the pipeline

TEST_F(TextDrawing, ResultIsTheHeightOrTheRowCount) {
  const std::string text = "1\r\n2\r\n3";
  TRect bounds{0, 10, 100, 200};
  EXPECT_EQ(3 * Pitch(), cxTextOut(m_ours.DC(), text.c_str(), bounds, cxtfWordWrap));
  bounds = {0, 10, 100, 200};
  EXPECT_EQ(3, cxTextOut(m_ours.DC(), text.c_str(), bounds, cxtfWordWrap | cxtfRowCountResult));
  bounds = {0, 10, 100, 200};
  EXPECT_EQ(2 * Pitch(), cxTextOut(m_ours.DC(), text.c_str(), bounds, cxtfWordWrap, 2));
  EXPECT_EQ(TRect(0, 10, 100, 200), bounds) << "drawing leaves the rectangle as it is";
  bounds = {0, 10, 100, 10 + Pitch() / 2};
  EXPECT_EQ(Pitch(), cxTextOut(m_ours.DC(), text.c_str(), bounds, cxtfWordWrap))
      << "a partly visible row counts whole";
}

TEST_F(TextDrawing, NothingToDrawAnswersZeroAndDrawsNothing) {
  struct Case {
    const char* name;
    const char* text;
    TRect rect;
    int leftIndent;
    int rightIndent;
  };
  const std::vector<Case> cases = {
      {"empty text", "", {0, 0, 100, 100}, 0, 0},
      {"nil text", nullptr, {0, 0, 100, 100}, 0, 0},
      {"empty rectangle", "abc", {0, 0, 100, 0}, 0, 0},
      {"indents eat the width", "abc", {0, 0, 100, 100}, 60, 40},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TRect bounds = c.rect;
    EXPECT_EQ(0, cxTextOut(m_ours.DC(), c.text, bounds, cxtfWordWrap, 0, c.leftIndent,
                           c.rightIndent));
    EXPECT_EQ(c.rect, bounds);
  }
  EXPECT_EQ(TRect{}, InkBounds(m_ours.Bitmap(), {0, 0, kSurfaceWidth, kSurfaceHeight}));
}

TEST_F(TextDrawing, MeasuringSetsTheRectangleAndDrawsNothing) {
  const std::string text = Turkish(u"Ağaç\r\nçiçekli dallar");
  TRect single{10, 20, 20, 21};
  EXPECT_EQ(Pitch(), cxTextOut(m_ours.DC(), text.c_str(), single,
                               cxtfSingleLine | cxtfMeasureOnly, 0, 3, 4));
  EXPECT_EQ(TRect(10, 20, 10 + 3 + Width(text) + 4, 20 + Pitch()), single);

  TRect rows{10, 20, 1000, 21};
  EXPECT_EQ(2 * Pitch(),
            cxTextOut(m_ours.DC(), text.c_str(), rows, cxtfWordWrap | cxtfMeasureOnly, 0, 3, 4));
  EXPECT_EQ(TRect(10, 20, 10 + 3 + Width(Turkish(u"çiçekli dallar")) + 4, 20 + 2 * Pitch()),
            rows);

  TRect limited{10, 20, 1000, 21};
  EXPECT_EQ(1, cxTextOut(m_ours.DC(), text.c_str(), limited,
                         cxtfWordWrap | cxtfMeasureOnly | cxtfRowCountResult, 1));
  EXPECT_EQ(TRect(10, 20, 10 + Width(Turkish(u"Ağaç")), 20 + Pitch()), limited);

  TRect zeroWidth{10, 20, 10, 30};
  EXPECT_EQ(0, cxTextOut(m_ours.DC(), text.c_str(), zeroWidth, cxtfSingleLine | cxtfMeasureOnly));
  TRect indentsEatTheWidth{10, 20, 20, 21};
  EXPECT_EQ(0, cxTextOut(m_ours.DC(), text.c_str(), indentsEatTheWidth,
                         cxtfSingleLine | cxtfMeasureOnly, 0, 6, 4));
  EXPECT_EQ(TRect(10, 20, 20, 21), indentsEatTheWidth);
  EXPECT_EQ(TRect{}, InkBounds(m_ours.Bitmap(), {0, 0, kSurfaceWidth, kSurfaceHeight}));
}

TEST_F(TextDrawing, CanvasOverloadsDrawInTheCanvasFont) {
  TLayoutSurface surface(200, 40);
  surface.Canvas()->Font()->SetColor(clRed);
  surface.Canvas()->Font()->SetSize(14);
  TRect bounds{0, 0, 200, 40};
  const int height = cxTextOut(surface.Canvas(), "Abc", bounds, cxtfSingleLine);
  EXPECT_EQ(surface.CellHeight(), height);
  EXPECT_GT(height, Pitch());
  EXPECT_TRUE(HasColor(surface.Bitmap(), {0, 0, 200, 40}, clRed));
}

// ------------------------------------------------------------ resources

TEST_F(TextDrawing, DrawingLeavesNoGdiObjects) {
  const std::string prose = TurkishProse();
  auto drawAll = [&] {
    TLayoutSurface surface(kSurfaceWidth, 200);
    TRect bounds{0, 0, 300, 60};
    cxTextOut(surface.DC(), prose.c_str(), bounds, cxtfWordWrap | cxtfEndEllipsis, 5, 300,
              clHighlight, clHighlightText);
    bounds = {0, 100, 50, 120};
    cxTextOut(surface.DC(), prose.c_str(), bounds, cxtfSingleLine | cxtfEndEllipsis, 0, 20,
              clYellow, clBlue);
    bounds = {0, 150, 300, 200};
    cxTextOut(surface.DC(), prose.c_str(), bounds,
              Align(TcxTextAlignX::taJustifyX, TcxTextAlignY::taDistributeY) | cxtfExpandTabs, 2);
  };
  drawAll();
  const int before = CountGdiObjects();
  for (int i = 0; i < 100; ++i)
    drawAll();
  EXPECT_EQ(before, CountGdiObjects());
}

} // namespace
