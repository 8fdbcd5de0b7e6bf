#include "tests/framework/cxGraphicsCanvasTestSupport.h"

#include <cstdlib>
#include <functional>
#include <vector>

#include "platform/graphics/ImageLists.h"
#include "tests/support/Pictures.h"

namespace {

// Distinct pinned system colours, so edges and embossed text can be told
// apart by pixel.
constexpr COLORREF kShadow = 0x404040;
constexpr COLORREF kHighlight = 0xF0F0F0;
constexpr COLORREF kDkShadow = 0x101010;
constexpr COLORREF kLight = 0xC0C0C0;

TPinnedSystemColors PinnedEdgeColors() {
  return TPinnedSystemColors({{COLOR_BTNSHADOW, kShadow},
                              {COLOR_BTNHIGHLIGHT, kHighlight},
                              {COLOR_3DDKSHADOW, kDkShadow},
                              {COLOR_3DLIGHT, kLight}});
}

class CanvasTest : public TcxGraphicsTest {};

TEST(CanvasFlags, ConvertToDrawTextFormat) {
  struct Case {
    int flags;
    UINT expected;
  };
  const Case cases[] = {
      {0, DT_NOPREFIX},
      {cxcfAlignLeft | cxcfAlignTop, DT_NOPREFIX},
      {0x264, DT_CENTER | DT_VCENTER | DT_SINGLELINE},
      {cxcfWordBreak, DT_NOPREFIX | DT_WORDBREAK | DT_EDITCONTROL},
      {cxcfWordBreak | cxcfDontBreakChars, DT_NOPREFIX | DT_WORDBREAK},
      {cxcfDontBreakChars, DT_NOPREFIX},
      {cxcfAlignRight | cxcfAlignBottom | cxcfDontClip | cxcfExpandTabs,
       DT_NOPREFIX | DT_RIGHT | DT_BOTTOM | DT_NOCLIP | DT_EXPANDTABS},
      {cxcfShowEndEllipsis | cxcfCalcRect | cxcfShowPathEllipsis,
       DT_NOPREFIX | DT_END_ELLIPSIS | DT_CALCRECT | DT_PATH_ELLIPSIS},
  };
  for (const Case& c : cases)
    EXPECT_EQ(cxFlagsToDTFlags(c.flags), c.expected) << std::hex << c.flags;
}

TEST(CanvasFlags, WritingDirectionIsRightToLeftForHebrewAndArabicText) {
  struct Case {
    TFontCharset charset;
    const char* text;
    bool rightToLeft;
  };
  const Case cases[] = {
      {HEBREW_CHARSET, "\xF9\xEC", true},  {ARABIC_CHARSET, "\xC7\xE1", true},
      {HEBREW_CHARSET, "abc", false},      {ARABIC_CHARSET, "", false},
      {GB2312_CHARSET, "\xC4\xE3", false}, {CHINESEBIG5_CHARSET, "\xA4\xA4", false},
      {TURKISH_CHARSET, "\xDE\xFE", false}, {DEFAULT_CHARSET, "\xDE\xFE", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(cxGetWritingDirection(c.charset, c.text), c.rightToLeft)
        << int(c.charset) << " " << c.text;
}

TEST_F(CanvasTest, FillsAndFramesByPixel) {
  struct Case {
    const char* name;
    std::function<void(TcxCanvas*)> draw;
    std::initializer_list<TProbe> probes;
  };
  const std::vector<Case> cases = {
      {"FillRect colour", [](TcxCanvas* c) { c->FillRect(Rect(2, 2, 8, 8), clRed); },
       {{2, 2, clRed}, {7, 7, clRed}, {8, 8, clWhite}, {1, 2, clWhite}}},
      {"FillRect clNone", [](TcxCanvas* c) { c->FillRect(Rect(2, 2, 8, 8), clNone); },
       {{2, 2, clWhite}, {7, 7, clWhite}}},
      {"FillRect clDefault uses the brush",
       [](TcxCanvas* c) {
         c->SetBrushColor(clBlue);
         c->FillRect(Rect(2, 2, 8, 8), clDefault);
       },
       {{2, 2, clBlue}, {7, 7, clBlue}}},
      {"FrameRect width 2", [](TcxCanvas* c) { c->FrameRect(Rect(2, 2, 12, 12), clRed, 2); },
       {{2, 2, clRed}, {3, 6, clRed}, {4, 4, clWhite}, {10, 6, clRed}, {11, 11, clRed},
        {9, 9, clWhite}, {12, 12, clWhite}}},
      {"FrameRect wider than the rectangle fills it",
       [](TcxCanvas* c) { c->FrameRect(Rect(2, 2, 8, 8), clRed, 5); },
       {{2, 2, clRed}, {5, 5, clRed}, {7, 7, clRed}, {8, 8, clWhite}, {1, 1, clWhite}}},
      {"FrameRect of some sides",
       [](TcxCanvas* c) {
         c->FrameRect(Rect(2, 2, 8, 8), clRed, 1, {TcxBorder::bTop, TcxBorder::bRight});
       },
       {{4, 2, clRed}, {7, 5, clRed}, {2, 5, clWhite}, {4, 7, clWhite}}},
      {"DrawComplexFrame corners",
       [](TcxCanvas* c) { c->DrawComplexFrame(Rect(2, 2, 8, 8), clRed, clBlue); },
       {{2, 2, clRed}, {7, 2, clBlue}, {2, 7, clBlue}, {7, 7, clBlue}, {4, 2, clRed},
        {2, 4, clRed}, {4, 4, clWhite}}},
      {"DrawComplexFrame width 2",
       [](TcxCanvas* c) { c->DrawComplexFrame(Rect(2, 2, 12, 12), clRed, clBlue, cxBordersAll, 2); },
       {{3, 6, clRed}, {10, 6, clBlue}, {6, 3, clRed}, {6, 10, clBlue}, {4, 4, clWhite}}},
      {"InvertFrame",
       [](TcxCanvas* c) { c->InvertFrame(Rect(2, 2, 12, 12), 2); },
       {{2, 2, clBlack}, {11, 11, clBlack}, {6, 3, clBlack}, {6, 10, clBlack}, {4, 4, clWhite},
        {1, 1, clWhite}}},
  };
  for (const Case& c : cases) {
    TSurface surface(20, 20);
    c.draw(surface.Canvas());
    EXPECT_EQ(surface.Mismatches(c.probes), "") << c.name;
  }
}

TEST_F(CanvasTest, EdgesUseTheirSystemColourPairs) {
  TPinnedSystemColors pinned = PinnedEdgeColors();
  struct Case {
    bool sunken;
    bool outer;
    COLORREF leftTop;
    COLORREF rightBottom;
  };
  const Case cases[] = {{true, true, kShadow, kHighlight},
                        {true, false, kDkShadow, kLight},
                        {false, true, kLight, kDkShadow},
                        {false, false, kHighlight, kShadow}};
  for (const Case& c : cases) {
    TSurface surface(10, 10);
    surface->DrawEdge(Rect(0, 0, 10, 10), c.sunken, c.outer);
    TColor lt = static_cast<TColor>(c.leftTop);
    TColor rb = static_cast<TColor>(c.rightBottom);
    EXPECT_EQ(surface.Mismatches({{0, 0, lt}, {0, 5, lt}, {5, 0, lt}, {9, 0, rb}, {9, 5, rb},
                                  {5, 9, rb}, {0, 9, rb}, {5, 5, clWhite}}),
              "")
        << c.sunken << c.outer;
  }
}

TEST_F(CanvasTest, InversionsAndFocusRectanglesUndoThemselves) {
  TSurface surface(20, 20);
  surface->FillRect(Rect(0, 0, 10, 20), clRed);
  TOwned<TBitmap> before = MakeBitmap(20, 20);
  before->Canvas()->CopyRect(Rect(0, 0, 20, 20), surface.Bitmap()->Canvas(), Rect(0, 0, 20, 20));
  surface->InvertRect(Rect(5, 5, 15, 15));
  EXPECT_EQ(surface.Mismatches({{6, 6, static_cast<TColor>(0xFFFF00)}, {12, 12, clBlack}}), "");
  surface->InvertRect(Rect(5, 5, 15, 15));
  surface->DrawDesignSelection(Rect(2, 2, 18, 18), 2);
  int changed = 0;
  for (int x = 2; x < 18; ++x)
    changed += surface.Pixel(x, 2) != before->Canvas()->Pixels(x, 2);
  EXPECT_GE(changed, 4);
  surface->DrawDesignSelection(Rect(2, 2, 18, 18), 2);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x)
      ASSERT_EQ(surface.Pixel(x, y), before->Canvas()->Pixels(x, y)) << x << "," << y;
  EXPECT_EQ(surface->CopyMode(), cmSrcCopy);
}

TEST_F(CanvasTest, ExcludedFillsAreLeftAloneByLaterDrawing) {
  TSurface surface(20, 20);
  TcxViewParams params;
  params.Color = clYellow;
  surface->FillRect(Rect(2, 2, 10, 10), params, cxBordersAll, clRed, 2, true);
  surface->FillRect(Rect(0, 0, 20, 20), clBlue);
  EXPECT_EQ(surface.Mismatches({{2, 2, clRed}, {3, 9, clRed}, {5, 5, clYellow}, {0, 0, clBlue},
                                {10, 10, clBlue}, {15, 5, clBlue}}),
            "");
}

// A 2 x 2 checkerboard tiled from the logical origin: fills side by side and
// fills left of and above the origin continue one pattern.
TEST_F(CanvasTest, TiledFillsContinueOnePatternFromTheOrigin) {
  TOwned<TBitmap> tile = MakeBitmap(2, 2, clRed);
  tile->Canvas()->SetPixels(1, 0, clBlue);
  tile->Canvas()->SetPixels(0, 1, clBlue);
  TSurface surface(12, 12);
  surface->SetWindowOrg(Point(-4, -4));
  surface->FillRect(Rect(-3, -3, 1, 8), tile.get());
  surface->FillRect(Rect(1, -3, 8, 8), tile.get());
  surface->SetWindowOrg(Point(0, 0));
  for (int y = 1; y < 12; ++y)
    for (int x = 1; x < 12; ++x) {
      int lx = x - 4;
      int ly = y - 4;
      bool even = (((lx % 2) + 2) % 2) == (((ly % 2) + 2) % 2);
      ASSERT_EQ(surface.Pixel(x, y), even ? clRed : clBlue) << x << "," << y;
    }
  EXPECT_EQ(surface.Pixel(0, 0), clWhite);
}

TEST_F(CanvasTest, ClipRegionWithoutClipIsTheWholeRangeInLogicalCoordinates) {
  TSurface surface(10, 10);
  surface->SetWindowOrg(Point(3, 4));
  TOwned<TcxRegion> clip(surface->GetClipRegion(true));
  TOwned<TcxRegion> expected(Create<TcxRegion>(3, 4, 30003, 30004));
  EXPECT_TRUE(clip->IsEqual(expected.get()));
  TOwned<TcxRegion> device(surface->GetClipRegion(false));
  TOwned<TcxRegion> whole(Create<TcxRegion>(0, 0, 30000, 30000));
  EXPECT_TRUE(device->IsEqual(whole.get()));
}

TEST_F(CanvasTest, ClipOperationsByPixel) {
  struct Case {
    const char* name;
    TcxRegionOperation operation;
    std::initializer_list<TProbe> probes;
  };
  // Clip first set to (0, 0, 10, 20), then combined with (5, 0, 15, 20).
  const Case cases[] = {
      {"set", TcxRegionOperation::roSet, {{2, 5, clWhite}, {7, 5, clRed}, {12, 5, clRed}}},
      {"add", TcxRegionOperation::roAdd, {{2, 5, clRed}, {7, 5, clRed}, {17, 5, clWhite}}},
      {"subtract", TcxRegionOperation::roSubtract,
       {{2, 5, clRed}, {7, 5, clWhite}, {12, 5, clWhite}}},
      {"intersect", TcxRegionOperation::roIntersect,
       {{2, 5, clWhite}, {7, 5, clRed}, {12, 5, clWhite}}},
  };
  for (const Case& c : cases) {
    TSurface surface(20, 20);
    surface->SetClipRegion(Create<TcxRegion>(0, 0, 10, 20), TcxRegionOperation::roSet);
    surface->SetClipRegion(Create<TcxRegion>(5, 0, 15, 20), c.operation);
    surface->FillRect(Rect(0, 0, 20, 20), clRed);
    EXPECT_EQ(surface.Mismatches(c.probes), "") << c.name;
  }
}

TEST_F(CanvasTest, KeptRegionIsLeftWhereItWas) {
  TSurface surface(20, 20);
  TOwned<TcxRegion> region(Create<TcxRegion>(0, 0, 5, 5));
  surface->SetWindowOrg(Point(-5, -5));
  surface->SetClipRegion(region.get(), TcxRegionOperation::roSet, false);
  TOwned<TcxRegion> expected(Create<TcxRegion>(0, 0, 5, 5));
  EXPECT_TRUE(region->IsEqual(expected.get()));
  surface->FillRect(Rect(-5, -5, 15, 15), clRed);
  surface->SetWindowOrg(Point(0, 0));
  EXPECT_EQ(surface.Mismatches({{5, 5, clRed}, {9, 9, clRed}, {4, 4, clWhite}, {10, 10, clWhite}}),
            "");
}

// The clip stack keeps logical coordinates: restored after the origin moved
// by 10, the clip lies 10 device pixels further left.
TEST_F(CanvasTest, SavedClipKeepsItsLogicalPlace) {
  TSurface surface(30, 10);
  surface->IntersectClipRect(Rect(12, 0, 16, 10));
  surface->SaveClipRegion();
  surface->SetWindowOrg(Point(10, 0));
  surface->RestoreClipRegion();
  surface->SetWindowOrg(Point(0, 0));
  surface->FillRect(Rect(0, 0, 30, 10), clRed);
  EXPECT_EQ(surface.Mismatches({{1, 5, clWhite}, {2, 5, clRed}, {5, 5, clRed}, {6, 5, clWhite},
                                {12, 5, clWhite}}),
            "");
}

TEST_F(CanvasTest, EmptyStacksRestoreNothing) {
  TSurface surface(10, 10);
  surface->IntersectClipRect(Rect(0, 0, 5, 5));
  surface->RestoreDC();
  surface->RestoreClipRegion();
  surface->FillRect(Rect(0, 0, 10, 10), clRed);
  EXPECT_EQ(surface.Mismatches({{2, 2, clRed}, {7, 7, clWhite}}), "");
}

TEST_F(CanvasTest, RestoreDCDiscardsStatesSavedAfterIt) {
  TSurface surface(10, 10);
  surface->SaveDC();
  surface->IntersectClipRect(Rect(0, 0, 5, 5));
  ::SaveDC(surface->Handle());
  ::IntersectClipRect(surface->Handle(), 0, 0, 2, 2);
  surface->RestoreDC();
  surface->FillRect(Rect(0, 0, 10, 10), clRed);
  EXPECT_EQ(surface.Mismatches({{2, 2, clRed}, {7, 7, clRed}}), "");
}

TEST_F(CanvasTest, VisibilityOfRectangles) {
  TSurface surface(20, 20);
  surface->SetClipRegion(Create<TcxRegion>(0, 0, 10, 10), TcxRegionOperation::roSet);
  EXPECT_TRUE(surface->RectFullyVisible(Rect(2, 2, 8, 8)));
  EXPECT_FALSE(surface->RectFullyVisible(Rect(5, 5, 15, 15)));
  EXPECT_TRUE(surface->RectVisible(Rect(5, 5, 15, 15)));
  EXPECT_FALSE(surface->RectVisible(Rect(12, 12, 15, 15)));
}

TEST_F(CanvasTest, PathsBecomeRegions) {
  TSurface surface(20, 20);
  surface->BeginPath();
  surface->Canvas()->Rectangle(2, 2, 10, 10);
  surface->EndPath();
  TOwned<TcxRegion> region(surface->PathToRegion());
  EXPECT_TRUE(region->PtInRegion(5, 5));
  EXPECT_FALSE(region->PtInRegion(15, 15));
}

TEST_F(CanvasTest, PiesByAngles) {
  struct Case {
    const char* name;
    int start;
    int sweep;
    std::initializer_list<TProbe> probes;
  };
  // Pen black, brush red, on (0, 0, 40, 40): centre (20, 20).
  const Case cases[] = {
      {"sweep 0 draws nothing", 0, 0, {{20, 20, clWhite}, {30, 10, clWhite}}},
      {"sweep 360 is the ellipse", 0, 360, {{30, 10, clRed}, {10, 30, clRed}, {1, 1, clWhite}}},
      {"upper-right quarter", 0, 90, {{28, 12, clRed}, {12, 12, clWhite}, {28, 28, clWhite}}},
      {"clockwise quarter is the lower right", 0, -90,
       {{28, 28, clRed}, {28, 12, clWhite}, {12, 28, clWhite}}},
      {"three quarters", 90, 270, {{12, 12, clRed}, {28, 28, clRed}, {28, 12, clWhite}}},
  };
  for (const Case& c : cases) {
    TSurface surface(40, 40);
    surface->SetBrushColor(clRed);
    surface->Pie(Rect(0, 0, 40, 40), c.start, c.sweep);
    EXPECT_EQ(surface.Mismatches(c.probes), "") << c.name;
  }
}

// A 3 x 2 bitmap of six distinct colours, turned and flipped.
TEST_F(CanvasTest, RotationsAndFlipsMoveEveryPixel) {
  const TColor source[2][3] = {{0x000001, 0x000002, 0x000003}, {0x000004, 0x000005, 0x000006}};
  struct Case {
    TcxRotationAngle angle;
    bool flip;
    std::vector<std::vector<TColor>> expected;
  };
  const Case cases[] = {
      {TcxRotationAngle::ra0, false, {{1, 2, 3}, {4, 5, 6}}},
      {TcxRotationAngle::ra0, true, {{4, 5, 6}, {1, 2, 3}}},
      {TcxRotationAngle::raPlus90, false, {{3, 6}, {2, 5}, {1, 4}}},
      {TcxRotationAngle::raPlus90, true, {{1, 4}, {2, 5}, {3, 6}}},
      {TcxRotationAngle::raMinus90, false, {{4, 1}, {5, 2}, {6, 3}}},
      {TcxRotationAngle::raMinus90, true, {{6, 3}, {5, 2}, {4, 1}}},
      {TcxRotationAngle::ra180, false, {{6, 5, 4}, {3, 2, 1}}},
      {TcxRotationAngle::ra180, true, {{3, 2, 1}, {6, 5, 4}}},
  };
  for (TPixelFormat format : {TPixelFormat::pf32bit, TPixelFormat::pf24bit})
    for (const Case& c : cases) {
      TOwned<TBitmap> bitmap = MakeBitmap(3, 2);
      for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
          bitmap->Canvas()->SetPixels(x, y, source[y][x]);
      bitmap->SetPixelFormat(format);
      TcxCanvas::RotateBitmap(bitmap.get(), c.angle, c.flip);
      ASSERT_EQ(bitmap->Height(), static_cast<int>(c.expected.size()));
      ASSERT_EQ(bitmap->Width(), static_cast<int>(c.expected[0].size()));
      for (int y = 0; y < bitmap->Height(); ++y)
        for (int x = 0; x < bitmap->Width(); ++x)
          EXPECT_EQ(bitmap->Canvas()->Pixels(x, y), c.expected[y][x])
              << int(c.angle) << c.flip << " at " << x << "," << y;
    }
  TOwned<TBitmap> bitmap = MakeBitmap(3, 2);
  bitmap->Canvas()->SetPixels(0, 1, clRed);
  TcxCanvas::FlipHorizontally(bitmap.get());
  EXPECT_EQ(MismatchedProbes(bitmap->Canvas(), {{2, 1, clRed}, {0, 1, clWhite}}), "");
  TOwned<TBitmap> empty(Create<TBitmap>());
  TcxCanvas::RotateBitmap(empty.get(), TcxRotationAngle::raPlus90);
  TcxCanvas::FlipHorizontally(nullptr);
}

TEST_F(CanvasTest, EmptyTextDrawsNothingAndTouchesNothing) {
  TSurface surface(20, 20);
  surface->Brush()->SetColor(clRed);
  surface->Font()->SetColor(clBlue);
  surface->DrawTexT("", Rect(0, 0, 20, 20), cxcfAlignLeft, false);
  EXPECT_EQ(surface->Brush()->Color(), clRed);
  EXPECT_EQ(surface->Brush()->Style(), TBrushStyle::bsSolid);
  EXPECT_EQ(surface->Font()->Color(), clBlue);
  EXPECT_EQ(surface.Count(clWhite), 400);
}

// Disabled text is embossed: the highlight copy one pixel right of and below
// the shadow copy, whose right edge stays one pixel inside R.
TEST_F(CanvasTest, DisabledTextIsEmbossed) {
  TPinnedSystemColors pinned = PinnedEdgeColors();
  for (int flags : {cxcfSingleLine | cxcfAlignRight | cxcfAlignTop,
                    cxcfSingleLine | cxcfAlignRight | cxcfAlignTop | cxcfShowPrefix}) {
    TSurface surface(80, 20);
    surface->Brush()->SetStyle(TBrushStyle::bsSolid);
    surface->SetBrushColor(clWhite);
    const TRect r = Rect(0, 0, 70, 20);
    surface->DrawTexT("Iiii", r, flags, false);
    TRect shadow = surface.InkBox(static_cast<TColor>(kShadow));
    TRect highlight = surface.InkBox(static_cast<TColor>(kHighlight));
    ASSERT_FALSE(cxRectIsEmpty(shadow)) << flags;
    EXPECT_LE(shadow.Right, r.Right - 1) << DescribeRect(shadow);
    EXPECT_EQ(highlight, cxRectOffset(shadow, 1, 1)) << DescribeRect(highlight);
    TSurface enabled(80, 20);
    enabled->DrawTexT("Iiii", r, flags, true);
    EXPECT_EQ(shadow, cxRectOffset(enabled.InkBox(clBlack), -1, 0)) << DescribeRect(shadow);
    EXPECT_EQ(surface->Brush()->Style(), TBrushStyle::bsSolid);
    EXPECT_EQ(surface->Font()->Color(), clWindowText);
  }
}

TEST_F(CanvasTest, TextIsPlacedByItsAlignment) {
  TSurface surface(100, 40);
  TSize size = surface->TextExtent("Wg");
  ASSERT_GT(size.cx, 0);
  struct Case {
    int flags;
    TRect expected;
  };
  const TRect r = Rect(0, 0, 100, 40);
  const Case cases[] = {
      {cxcfSingleLine | cxcfAlignLeft | cxcfAlignTop, Bounds(0, 0, size.cx, size.cy)},
      {cxcfSingleLine | cxcfAlignRight | cxcfAlignBottom,
       Bounds(100 - size.cx, 40 - size.cy, size.cx, size.cy)},
      {cxcfSingleLine | cxcfAlignHCenter | cxcfAlignVCenter,
       Bounds((100 - size.cx) / 2, (40 - size.cy) / 2, size.cx, size.cy)},
  };
  for (const Case& c : cases) {
    TRect measured = r;
    surface->TextExtent("Wg", measured, c.flags);
    EXPECT_EQ(measured, c.expected) << c.flags << " " << DescribeRect(measured);
    TSurface drawn(100, 40);
    drawn->DrawTexT("Wg", r, c.flags);
    TRect ink = drawn.InkBox(clBlack);
    EXPECT_TRUE(cxRectContain(c.expected, ink)) << c.flags << " " << DescribeRect(ink);
  }
}

// The second line of a text that is one line high and fits as one line
// stays clipped to R.
TEST_F(CanvasTest, LinesBelowTheRectangleAreClipped) {
  TSurface surface(60, 60);
  int lineHeight = surface->TextHeight("Wg");
  surface->DrawTexT("WW\r\nWW", Rect(0, 0, 60, lineHeight), cxcfAlignLeft | cxcfAlignTop);
  EXPECT_TRUE(HasInk(surface.Bitmap()->Canvas(), Rect(0, 0, 60, lineHeight), clWhite));
  EXPECT_FALSE(HasInk(surface.Bitmap()->Canvas(), Rect(0, lineHeight, 60, 60), clWhite));
}

TEST_F(CanvasTest, MultiLineTextIsAlignedVertically) {
  TSurface surface(60, 100);
  int lineHeight = surface->TextHeight("Wg");
  TRect r = Rect(0, 0, 60, 100);
  surface->AlignMultiLineTextRectVertically(r, "A\r\nB", TcxAlignmentVert::vaBottom, false,
                                            false);
  EXPECT_EQ(r.Top, 100 - 2 * lineHeight);
  r = Rect(0, 0, 60, 100);
  surface->AlignMultiLineTextRectVertically(r, "A\r\nB", TcxAlignmentVert::vaCenter, false,
                                            false);
  EXPECT_EQ(r.Top, (100 - 2 * lineHeight) / 2);
  r = Rect(0, 0, 60, 100);
  surface->AlignMultiLineTextRectVertically(r, "A\r\nB", TcxAlignmentVert::vaTop, false, false);
  EXPECT_EQ(r.Top, 0);
}

TEST_F(CanvasTest, RotatedFontsDrawUpwards) {
  TSurface surface(60, 60);
  surface->Font()->SetName("Tahoma");
  surface->Font()->SetHeight(-14);
  surface->SetFontAngle(90);
  EXPECT_EQ(surface->Font()->LogFont().lfEscapement, 900);
  surface->Canvas()->Brush()->SetStyle(TBrushStyle::bsClear);
  surface->Canvas()->TextOut(20, 55, "WWWW");
  TRect ink = surface.InkBox(clBlack);
  EXPECT_GT(cxRectHeight(ink), 2 * cxRectWidth(ink)) << DescribeRect(ink);
}

TEST_F(CanvasTest, LinesOfWrappedText) {
  TSurface surface(200, 100);
  int a = surface->TextWidth("aaaa");
  int lineHeight = surface->TextHeight("Wg");
  TRect r = Rect(0, 0, a + a / 2, 100);
  struct Case {
    const char* name;
    std::string text;
    int flags;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"break at a space, kept on the left", "aaaa aaaa", cxcfAlignLeft, {"aaaa ", "aaaa"}},
      {"break at a space, dropped on the right", "aaaa aaaa", cxcfAlignRight, {"aaaa", "aaaa"}},
      {"CR LF is one break, CR CR two", "aa\r\naa\r\raa", cxcfAlignLeft, {"aa", "aa", "", "aa"}},
      {"prefixes stripped", "&aa", cxcfAlignLeft | cxcfShowPrefix, {"aa"}},
  };
  for (const Case& c : cases) {
    TRectArray rects;
    surface->GetTextStringsBounds(c.text, r, c.flags, true, rects);
    ASSERT_EQ(rects.size(), c.lines.size()) << c.name;
    for (size_t i = 0; i < rects.size(); ++i) {
      int width = c.lines[i].empty() ? 0 : surface->TextWidth(c.lines[i]);
      EXPECT_EQ(cxRectWidth(rects[i]), width) << c.name << " line " << i;
      EXPECT_EQ(cxRectHeight(rects[i]), lineHeight) << c.name << " line " << i;
      if (i > 0) {
        EXPECT_EQ(rects[i].Top, rects[i - 1].Bottom) << c.name;
      }
      if (c.flags & cxcfAlignRight)
        EXPECT_EQ(rects[i].Right, r.Right) << c.name;
      else
        EXPECT_EQ(rects[i].Left, r.Left) << c.name;
    }
  }
  TRectArray narrow;
  surface->GetTextStringsBounds("abc", Rect(0, 0, 1, 100), cxcfAlignLeft, true, narrow);
  EXPECT_EQ(narrow.size(), 3u);
}

TEST_F(CanvasTest, TransparentDrawMixesWithConstantOpacityOnBothPaths) {
  for (bool software : {false, true}) {
    std::unique_ptr<TAlphaBlendUnbound> unbound;
    if (software)
      unbound = std::make_unique<TAlphaBlendUnbound>();
    TSurface surface(10, 10, static_cast<TColor>(0x204060));
    TOwned<TBitmap> over = MakeBitmap(4, 4, static_cast<TColor>(0xE0A000));
    surface->TransparentDraw(2, 2, over.get(), 64);
    TColor mixed = surface.Pixel(3, 3);
    // Per channel under * 191 / 255 + over * 64 / 255.
    const int expected[3] = {0x60 * 191 / 255 + 0x00 * 64 / 255, 0x40 * 191 / 255 + 0xA0 * 64 / 255,
                             0x20 * 191 / 255 + 0xE0 * 64 / 255};
    for (int channel = 0; channel < 3; ++channel)
      EXPECT_NEAR((mixed >> (8 * channel)) & 0xFF, expected[channel], 1)
          << "software " << software << " channel " << channel;
    EXPECT_EQ(surface.Pixel(1, 1), static_cast<TColor>(0x204060));
    EXPECT_EQ(surface.Pixel(6, 6), static_cast<TColor>(0x204060));
    TOwned<TBitmap> background = MakeBitmap(4, 4, clBlack);
    surface->TransparentDraw(2, 2, over.get(), 255, background.get());
    EXPECT_EQ(surface.Pixel(3, 3), static_cast<TColor>(0xE0A000)) << software;
  }
}

TEST_F(CanvasTest, GlyphsShowTheBackgroundThroughTheirTransparentColour) {
  TPinnedSystemColors pinned = PinnedEdgeColors();
  TOwned<TBitmap> glyph = MakeBitmap(6, 6, clFuchsia);
  glyph->Canvas()->Brush()->SetColor(clBlack);
  glyph->Canvas()->FillRect(Rect(1, 1, 5, 3));
  {
    TSurface surface(10, 10, clBlue);
    surface->DrawGlyph(2, 2, glyph.get(), true, clNone);
    EXPECT_EQ(surface.Mismatches({{3, 3, clBlack}, {2, 2, clBlue}, {4, 6, clBlue}}), "");
    surface->DrawGlyph(2, 2, glyph.get(), true, clYellow);
    EXPECT_EQ(surface.Mismatches({{3, 3, clBlack}, {2, 2, clYellow}, {4, 6, clYellow}}), "");
  }
  {
    TSurface surface(10, 10, clBlue);
    surface->DrawGlyph(2, 2, glyph.get(), false, clYellow);
    EXPECT_EQ(surface.Mismatches({{3, 3, static_cast<TColor>(kShadow)},
                                  {2, 2, clYellow},
                                  {0, 0, clBlue}}),
              "");
    EXPECT_GT(surface.Count(static_cast<TColor>(kHighlight)), 0);
  }
}

TEST_F(CanvasTest, ImagesOutsideTheListDrawNothing) {
  TOwned<TImageList> images(Create<TImageList>(nullptr));
  images->SetSize(4, 4);
  TOwned<TBitmap> image = MakeBitmap(4, 4, clRed);
  images->Add(image.get(), nullptr);
  TSurface surface(10, 10);
  for (int index : {-1, 1})
    surface->DrawImage(images.get(), 0, 0, index);
  surface->DrawImage(nullptr, 0, 0, 0);
  EXPECT_EQ(surface.Count(clWhite), 100);
  surface->DrawImage(images.get(), 3, 3, 0);
  EXPECT_EQ(surface.Mismatches({{3, 3, clRed}, {6, 6, clRed}, {7, 7, clWhite}}), "");
}

TEST_F(CanvasTest, ViewParamsGoToBrushAndFont) {
  TSurface surface(4, 4);
  TOwned<TFont> font(Create<TFont>());
  font->SetName("Tahoma");
  TcxViewParams params{nullptr, clRed, font.get(), clBlue};
  surface->SetParams(params);
  TcxViewParams read;
  surface->GetParams(read);
  EXPECT_EQ(read.Color, clRed);
  EXPECT_EQ(read.TextColor, clBlue);
  EXPECT_EQ(read.Font, surface->Font());
  EXPECT_EQ(surface->Font()->Name(), "Tahoma");
  params.Color = clLime;
  cxApplyViewParams(surface->Canvas(), params);
  EXPECT_EQ(surface->Brush()->Color(), clLime);
  EXPECT_EQ(surface->FontHeight(font.get()), surface->TextHeight("Qq"));
}

TEST_F(CanvasTest, TextRoutinesRefuseCountsBeyondTheText) {
  TSurface surface(4, 4);
  TRect r = Rect(0, 0, 4, 4);
  EXPECT_THROW(cxDrawText(surface->Handle(), "abc", r, DT_CALCRECT, 4), ERangeError);
  EXPECT_THROW(cxExtTextOut(surface->Handle(), "abc", Point(0, 0), 0, -2), ERangeError);
  EXPECT_GT(cxDrawText(surface->Handle(), "abc", r, DT_CALCRECT, 2), 0);
}

TEST_F(CanvasTest, ScreenCanvasIsOneObject) {
  EXPECT_EQ(cxScreenCanvas(), cxScreenCanvas());
  EXPECT_NE(cxScreenCanvas()->Handle(), nullptr);
  TOwned<TcxScreenCanvas> own(Create<TcxScreenCanvas>());
  EXPECT_GT(own->TextWidth("abc"), 0);
}

// A picture of the canvas's drawing for people to look at.
TEST_F(CanvasTest, Picture) {
  TPinnedSystemColors pinned = PinnedEdgeColors();
  TSurface surface(240, 120, clBtnFace);
  surface->FrameRect(Rect(4, 4, 44, 44), clRed, 3);
  surface->DrawComplexFrame(Rect(50, 4, 90, 44), clNavy, clTeal, cxBordersAll, 2);
  surface->DrawEdge(Rect(96, 4, 136, 44), true, true);
  surface->DrawEdge(Rect(97, 5, 135, 43), true, false);
  surface->DrawEdge(Rect(142, 4, 182, 44), false, true);
  surface->DrawEdge(Rect(143, 5, 181, 43), false, false);
  surface->SetBrushColor(clYellow);
  surface->Pie(Rect(188, 4, 236, 44), 30, 300);
  surface->DrawTexT("\xC7\xF0\xFD\xFE", Rect(4, 50, 80, 70), cxcfSingleLine | cxcfAlignLeft);
  surface->DrawTexT("\xDD\xF6\xFE\xFC", Rect(84, 50, 160, 70), cxcfSingleLine | cxcfAlignRight, false);
  surface->DrawFocusRect(Rect(164, 50, 236, 70));
  TOwned<TBitmap> over = MakeBitmap(60, 40, clBlue);
  surface->TransparentDraw(4, 76, over.get(), 96);
  surface->FillRect(Rect(70, 76, 130, 116), clSilver);
  surface->InvertFrame(Rect(70, 76, 130, 116), 3);
  cxFillHalfToneRect(surface->Canvas(), Rect(136, 76, 166, 116), clWhite, clNavy);
  cxDrawArrows(surface->Canvas(), Rect(190, 86, 226, 106), TcxBorder::bTop, clRed);
  SavePicture(surface.Bitmap(), "cxGraphicsCanvas");
}

} // namespace
