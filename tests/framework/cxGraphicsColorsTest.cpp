#include "tests/framework/cxGraphicsCanvasTestSupport.h"

#include <vector>

namespace {

class ColorsTest : public TcxGraphicsTest {};

constexpr COLORREF kHighlight = 0x804020;
constexpr COLORREF kWindow = 0xF0E0D0;

TEST_F(ColorsTest, LightColorsMixFaceHighlightAndWindow) {
  struct Case {
    const char* name;
    COLORREF face;
    int facePart, highlightPart, windowPart;
    TColor expected;
  };
  const Case cases[] = {
      {"black face answers the highlight", 0x000000, 50, 0, 50, static_cast<TColor>(kHighlight)},
      {"white face answers the highlight", 0xFFFFFF, 50, 0, 50, static_cast<TColor>(kHighlight)},
      {"window only", 0xC0C0C0, 0, 0, 100, static_cast<TColor>(kWindow)},
      {"face only", 0x102030, 100, 0, 0, static_cast<TColor>(0x102030)},
      // Red 0xC0/2 + 0x20/2, green 0xC0/2 + 0x40/2, blue 0xC0/2 + 0x80/2.
      {"half and half", 0xC0C0C0, 50, 50, 0, static_cast<TColor>(0xA08070)},
      {"sums above 255 are clamped", 0xC0C0C0, 100, 0, 100, static_cast<TColor>(0xFFFFFF)},
      {"negative sums are clamped", 0xC0C0C0, -100, 0, 0, static_cast<TColor>(0x000000)},
      // Halves round away from zero: 0x21 * 50 % = 16.5 -> 17.
      {"MulDiv rounds halves up", 0x212121, 50, 0, 0, static_cast<TColor>(0x111111)},
  };
  for (const Case& c : cases) {
    TPinnedSystemColors pinned(
        {{COLOR_BTNFACE, c.face}, {COLOR_HIGHLIGHT, kHighlight}, {COLOR_WINDOW, kWindow}});
    EXPECT_EQ(GetLightColor(c.facePart, c.highlightPart, c.windowPart), c.expected) << c.name;
  }
}

TEST_F(ColorsTest, LightButtonFaceIsSixteenPercentTowardWhite) {
  TPinnedSystemColors pinned(std::map<int, COLORREF>{{COLOR_BTNFACE, 0xC0C0C0}});
  EXPECT_EQ(GetLightBtnFaceColor(), static_cast<TColor>(0xCACACA));
  EXPECT_EQ(GetRealColor(clRed), clRed);
  EXPECT_EQ(GetRealColor(clBtnFace), static_cast<TColor>(0xC0C0C0));
}

TEST_F(ColorsTest, ExtendRectShrinksByFourMargins) {
  TRect r = Rect(0, 0, 10, 10);
  ExtendRect(r, Rect(1, 2, 3, 4));
  EXPECT_EQ(r, Rect(1, 2, 7, 6));
  ExtendRect(r, Rect(-1, -2, -3, -4));
  EXPECT_EQ(r, Rect(0, 0, 10, 10));
}

TEST_F(ColorsTest, TextRectanglesFitTheRows) {
  TOwned<TFont> font(Create<TFont>());
  font->SetName("Tahoma");
  font->SetSize(10);
  cxScreenCanvas()->SetFont(font.get());
  HDC dc = cxScreenCanvas()->Handle();
  const std::string text = "kelime uzunkelime";
  TSize line = cxTextSize(dc, text);
  int rowHeight = cxTextSize(dc, "Wg").cy;
  int wideWord = cxTextSize(dc, "uzunkelime").cx;
  EXPECT_EQ(cxGetTextRect(dc, text, 0), cxEmptyRect);
  EXPECT_EQ(cxGetTextRect(dc, text, -3), cxEmptyRect);
  EXPECT_EQ(cxGetTextRect(dc, text, 1), Rect(0, 0, line.cx, line.cy));
  EXPECT_EQ(cxGetTextRect(dc, text, 2), Rect(0, 0, wideWord, 2 * rowHeight));
  EXPECT_EQ(cxGetTextRect(dc, text, 5, true).Bottom, 5 * rowHeight);
  EXPECT_EQ(cxGetTextRect(font.get(), text, 2), Rect(0, 0, wideWord, 2 * rowHeight));
  EXPECT_EQ(cxGetTextRect(dc, text, 1 << 30, true).Bottom, INT_MAX);
}

TEST_F(ColorsTest, FontMeasuresUseACopyOfTheFontAtItsSize) {
  TOwned<TFont> font(Create<TFont>());
  font->SetName("Tahoma");
  font->SetSize(10);
  TSize normal = cxTextExtent(font.get(), "\xC7\xF0\xFD\xFE");
  TSize large = cxTextExtent(font.get(), "\xC7\xF0\xFD\xFE", 20);
  EXPECT_GT(normal.cx, 0);
  EXPECT_GT(large.cy, normal.cy);
  EXPECT_EQ(font->Size(), 10);
  EXPECT_EQ(cxTextWidth(font.get(), "abc"), cxTextExtent(font.get(), "abc").cx);
  EXPECT_EQ(cxTextHeight(font.get(), "abc", 20), large.cy);
}

// The pattern's set bits (where x + y is even) show the background colour.
TEST_F(ColorsTest, HalfToneFillIsACheckerboard) {
  TSurface surface(8, 8);
  TCanvas* canvas = surface->Canvas();
  COLORREF textBefore = ::GetTextColor(canvas->Handle());
  cxFillHalfToneRect(canvas, Rect(0, 0, 8, 8), clRed, clBlue);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x)
      ASSERT_EQ(surface.Pixel(x, y), (x + y) % 2 == 0 ? clRed : clBlue) << x << "," << y;
  EXPECT_EQ(::GetTextColor(canvas->Handle()), textBefore);
}

TEST_F(ColorsTest, ArrowsPointAtBothEndsOfASide) {
  struct Case {
    TcxBorder side;
    TPoint insideFirst;
    TPoint insideSecond;
  };
  // R = (20, 20, 60, 50); an arrow's body lies 7 pixels from its anchor.
  const Case cases[] = {
      {TcxBorder::bLeft, {20, 13}, {20, 56}},
      {TcxBorder::bRight, {60, 13}, {60, 56}},
      {TcxBorder::bTop, {13, 20}, {66, 20}},
      {TcxBorder::bBottom, {13, 50}, {66, 50}},
  };
  for (const Case& c : cases) {
    TSurface surface(80, 70);
    cxDrawArrows(surface->Canvas(), Rect(20, 20, 60, 50), c.side, clRed);
    EXPECT_EQ(surface.Mismatches({{c.insideFirst.X, c.insideFirst.Y, clRed},
                                  {c.insideSecond.X, c.insideSecond.Y, clRed},
                                  {40, 35, clWhite}}),
              "")
        << int(c.side);
    EXPECT_GT(surface.Count(static_cast<TColor>(0xFFFF00)), 0) << "inverse pen";
  }
  TSurface surface(80, 70);
  cxDrawArrows(surface->Canvas(), Rect(20, 20, 60, 50), TcxBorder::bTop, clRed, clGreen);
  EXPECT_GT(surface.Count(clGreen), 0);
}

TEST_F(ColorsTest, CanvasOriginIsSwapped) {
  TSurface surface(4, 4);
  TRect org = Rect(3, 4, 0, 0);
  cxSetCanvasOrg(surface->Canvas(), org);
  EXPECT_EQ(surface->WindowOrg(), Point(3, 4));
  EXPECT_EQ(org.TopLeft(), Point(0, 0));
  cxSetCanvasOrg(surface->Canvas(), org);
  EXPECT_EQ(surface->WindowOrg(), Point(0, 0));
  EXPECT_EQ(org.TopLeft(), Point(3, 4));
}

TEST_F(ColorsTest, ObjectDataAndSystemBrushes) {
  TBrush* face = cxGetSystemBrush(COLOR_BTNFACE);
  EXPECT_EQ(face->Handle(), ::GetSysColorBrush(COLOR_BTNFACE));
  EXPECT_EQ(cxGetBrushData(face->Handle()).lbStyle, static_cast<UINT>(BS_SOLID));
  EXPECT_EQ(cxGetBrushData(face->Handle()).lbColor, ::GetSysColor(COLOR_BTNFACE));
  for (int index : {-1, kLastSystemColorIndex + 1, 0xFF})
    EXPECT_THROW(cxGetSystemBrush(index), ERangeError) << index;
  EXPECT_NE(cxGetSystemBrush(kLastSystemColorIndex), nullptr);
  LOGBRUSH halfTone{};
  EXPECT_TRUE(cxGetBrushData(cxHalfToneBrush()->Handle(), halfTone));
  EXPECT_EQ(halfTone.lbStyle, static_cast<UINT>(BS_PATTERN));
  TOwned<TBitmap> bitmap = MakeBitmap(5, 3);
  BITMAP bitmapData{};
  EXPECT_TRUE(cxGetBitmapData(bitmap->Handle(), bitmapData));
  EXPECT_EQ(bitmapData.bmWidth, 5);
  TOwned<TFont> font(Create<TFont>());
  font->SetHeight(-17);
  LOGFONTW fontData{};
  EXPECT_TRUE(cxGetFontData(font->Handle(), fontData));
  EXPECT_EQ(fontData.lfHeight, -17);
  EXPECT_FALSE(cxGetFontData(nullptr, fontData));
}

// Start-up makes the shared objects once; shut-down frees all of them and
// unbinds AlphaBlend.
TEST(GraphicsUnit, StartsOnceAndFreesEverything) {
  // The platform makes each system-colour brush on the process's first
  // request for it, and two objects on its first screen context, and keeps
  // them: they are not the unit's to free.
  for (int index = 0; index <= COLOR_MENUBAR; ++index)
    ::GetSysColorBrush(index);
  ::ReleaseDC(nullptr, ::GetDC(nullptr));
  int before = CountGdiObjects();
  cxGraphicsUnit.Initialization();
  TBrush* face = cxGetSystemBrush(COLOR_BTNFACE);
  TBrush* halfTone = cxHalfToneBrush();
  cxHalfToneBrush()->Handle();
  TcxAlphaBlendProc bound = cxAlphaBlendProc();
  EXPECT_NE(bound, nullptr);
  cxGraphicsUnit.Initialization();
  EXPECT_EQ(cxGetSystemBrush(COLOR_BTNFACE), face);
  EXPECT_EQ(cxHalfToneBrush(), halfTone);
  EXPECT_EQ(cxAlphaBlendProc(), bound);
  cxScreenCanvas()->TextWidth("a");
  cxGraphicsUnit.Finalization();
  cxGraphicsUnit.Finalization();
  EXPECT_EQ(cxAlphaBlendProc(), nullptr);
  EXPECT_THROW(cxGetSystemBrush(COLOR_BTNFACE), EInvalidOperation);
  EXPECT_THROW(cxHalfToneBrush(), EInvalidOperation);
  EXPECT_EQ(CountGdiObjects(), before);
}

} // namespace
