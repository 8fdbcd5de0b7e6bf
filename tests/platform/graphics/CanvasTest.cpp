#include "tests/support/GTest.h"

#include <functional>
#include <vector>

#include "platform/graphics/Bitmaps.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GdiHandles.h"
#include "platform/rtl/WideText.h"
#include "tests/platform/graphics/GraphicsTestHelpers.h"

namespace {

// ---------------------------------------------------------------- shapes

struct ShapeCase {
  const char* name;
  std::function<void(TCanvas*)> draw;
  std::initializer_list<TProbe> probes;
};

// On a white 20 x 20 surface with a black one-pixel pen and a red brush.
TEST(Canvas, ShapesUsePenForOutlinesAndBrushForInsides) {
  const std::vector<ShapeCase> cases = {
      {"FillRect", [](TCanvas* c) { c->FillRect(Rect(2, 2, 8, 8)); },
       {{2, 2, clRed}, {7, 7, clRed}, {8, 8, clWhite}, {1, 1, clWhite}}},
      {"FrameRect", [](TCanvas* c) { c->FrameRect(Rect(2, 2, 8, 8)); },
       {{2, 2, clRed}, {7, 7, clRed}, {4, 4, clWhite}, {8, 8, clWhite}}},
      {"Rectangle", [](TCanvas* c) { c->Rectangle(2, 2, 8, 8); },
       {{2, 2, clBlack}, {7, 7, clBlack}, {4, 4, clRed}, {8, 8, clWhite}}},
      {"Ellipse", [](TCanvas* c) { c->Ellipse(0, 0, 20, 20); },
       {{10, 10, clRed}, {1, 1, clWhite}, {10, 0, clBlack}}},
      {"RoundRect", [](TCanvas* c) { c->RoundRect(2, 2, 18, 18, 8, 8); },
       {{10, 10, clRed}, {2, 2, clWhite}, {10, 2, clBlack}}},
      {"LineTo",
       [](TCanvas* c) {
         c->MoveTo(0, 5);
         c->LineTo(10, 5);
       },
       {{0, 5, clBlack}, {9, 5, clBlack}, {10, 5, clWhite}, {5, 6, clWhite}}},
      {"Polygon",
       [](TCanvas* c) {
         const TPoint points[] = {{0, 0}, {19, 0}, {0, 19}};
         c->Polygon(points);
       },
       {{3, 3, clRed}, {0, 0, clBlack}, {18, 18, clWhite}}},
      {"Polyline",
       [](TCanvas* c) {
         const TPoint points[] = {{0, 10}, {10, 10}, {10, 0}};
         c->Polyline(points);
       },
       {{5, 10, clBlack}, {10, 5, clBlack}, {5, 5, clWhite}}},
      {"Pie upper-right quarter", [](TCanvas* c) { c->Pie(0, 0, 20, 20, 20, 10, 10, 0); },
       {{14, 6, clRed}, {6, 14, clWhite}, {6, 6, clWhite}}},
  };
  for (const ShapeCase& shape : cases) {
    TOwned<TBitmap> bitmap = MakeBitmap(20, 20);
    TCanvas* canvas = bitmap->Canvas();
    canvas->Brush()->SetColor(clRed);
    shape.draw(canvas);
    EXPECT_EQ(MismatchedProbes(canvas, shape.probes), "") << shape.name;
  }
}

TEST(Canvas, BrushBitmapTilesItsPatternFromTheOrigin) {
  TOwned<TBitmap> pattern = MakeBitmap(2, 2, clRed);
  pattern->Canvas()->SetPixels(1, 0, clBlue);
  pattern->Canvas()->SetPixels(0, 1, clBlue);
  TOwned<TBitmap> target = MakeBitmap(6, 6);
  TCanvas* canvas = target->Canvas();
  canvas->Brush()->SetBitmap(pattern.get());
  pattern.reset();
  canvas->FillRect(Rect(1, 1, 5, 5));
  EXPECT_EQ(MismatchedProbes(canvas, {{1, 1, clRed},
                                      {2, 2, clRed},
                                      {3, 2, clBlue},
                                      {4, 4, clRed},
                                      {0, 0, clWhite},
                                      {5, 5, clWhite}}),
            "");
  canvas->Brush()->SetBitmap(nullptr);
  canvas->Brush()->SetColor(clLime);
  canvas->FillRect(Rect(0, 0, 1, 1));
  EXPECT_EQ(canvas->Pixels(0, 0), clLime);
}

TEST(Canvas, PenModesCombineWithWhatIsThere) {
  TOwned<TBitmap> bitmap = MakeBitmap(10, 10);
  TCanvas* canvas = bitmap->Canvas();
  canvas->Pen()->SetColor(clRed);
  canvas->Pen()->SetMode(TPenMode::pmXor);
  canvas->MoveTo(0, 0);
  canvas->LineTo(10, 0);
  EXPECT_EQ(canvas->Pixels(3, 0), clAqua);
  canvas->MoveTo(0, 0);
  canvas->LineTo(10, 0);
  EXPECT_EQ(canvas->Pixels(3, 0), clWhite);

  canvas->Pen()->SetMode(TPenMode::pmNot);
  canvas->MoveTo(0, 1);
  canvas->LineTo(10, 1);
  EXPECT_EQ(canvas->Pixels(3, 1), clBlack);
}

TEST(Canvas, PixelsReadAndWriteAndAnswerNoneOutside) {
  TOwned<TBitmap> bitmap = MakeBitmap(4, 4);
  TCanvas* canvas = bitmap->Canvas();
  canvas->SetPixels(1, 2, clBlue);
  EXPECT_EQ(canvas->Pixels(1, 2), clBlue);
  EXPECT_EQ(canvas->Pixels(2, 1), clWhite);
  EXPECT_EQ(canvas->Pixels(4, 0), clNone);
  EXPECT_EQ(canvas->Pixels(-1, 0), clNone);
}

TEST(Canvas, SystemColoursAreResolvedWhenDrawing) {
  TPinnedSystemColors pinned({{COLOR_BTNFACE, RGB(10, 20, 30)}});
  TOwned<TBitmap> bitmap = MakeBitmap(4, 4);
  bitmap->Canvas()->Brush()->SetColor(clBtnFace);
  bitmap->Canvas()->FillRect(Rect(0, 0, 4, 4));
  EXPECT_EQ(bitmap->Canvas()->Pixels(1, 1), static_cast<TColor>(RGB(10, 20, 30)));
}

// ---------------------------------------------------------------- text

// Windows-1254 "Çağrı İşlemi öğün" and the same text in UTF-16.
constexpr char kTurkishText[] = "\xC7" "a\xF0r\xFD \xDD\xFElemi \xF6\xF0\xFCn";
constexpr char16_t kTurkishWide[] = u"\u00C7a\u011Fr\u0131 \u0130\u015Flemi \u00F6\u011F\u00FCn";

TEST(Canvas, TextExtentMatchesThePlatformsMeasureOfTheConvertedText) {
  TOwned<TBitmap> bitmap = MakeBitmap(10, 10);
  TCanvas* canvas = bitmap->Canvas();
  canvas->Font()->SetSize(12);
  TSize extent = canvas->TextExtent(kTurkishText);

  TMemoryDC dc;
  TOwnedFont font(::CreateFontIndirectW(&canvas->Font()->LogFont()));
  TSelectObject select(dc.Get(), font.Get());
  SIZE expected{};
  std::u16string wide(kTurkishWide);
  ::GetTextExtentPoint32W(dc.Get(), WidePtr(wide), static_cast<int>(wide.size()), &expected);
  EXPECT_EQ(extent.cx, expected.cx);
  EXPECT_EQ(extent.cy, expected.cy);
  EXPECT_GT(extent.cx, 0);
  EXPECT_EQ(canvas->TextWidth(kTurkishText), extent.cx);
  EXPECT_EQ(canvas->TextHeight(kTurkishText), extent.cy);
}

TEST(Canvas, ChangedFontIsSelectedForTheNextMeasure) {
  TOwned<TBitmap> bitmap = MakeBitmap(10, 10);
  TCanvas* canvas = bitmap->Canvas();
  canvas->Font()->SetSize(8);
  int narrow = canvas->TextWidth("WWWW");
  canvas->Font()->SetSize(24);
  EXPECT_GT(canvas->TextWidth("WWWW"), narrow);
}

TEST(Canvas, TextOutPaintsTheBrushBehindTheTextUnlessItIsClear) {
  TOwned<TBitmap> bitmap = MakeBitmap(60, 30);
  TCanvas* canvas = bitmap->Canvas();
  TSize space = canvas->TextExtent("  ");
  canvas->Brush()->SetColor(clYellow);
  canvas->TextOut(0, 0, "  ");
  EXPECT_EQ(canvas->Pixels(0, 0), clYellow);
  EXPECT_EQ(canvas->Pixels(space.cx - 1, space.cy - 1), clYellow);
  EXPECT_EQ(canvas->Pixels(space.cx, 0), clWhite);
  EXPECT_EQ(canvas->PenPos(), Point(space.cx, 0));

  canvas->Brush()->SetStyle(TBrushStyle::bsClear);
  canvas->TextOut(0, space.cy, "  ");
  EXPECT_EQ(canvas->Pixels(0, space.cy), clWhite);
}

TEST(Canvas, TextOutInksInTheFontColourWithinTheExtent) {
  TOwned<TBitmap> bitmap = MakeBitmap(80, 40);
  TCanvas* canvas = bitmap->Canvas();
  canvas->Font()->SetColor(clBlack);
  canvas->Brush()->SetStyle(TBrushStyle::bsClear);
  TSize extent = canvas->TextExtent("\xDD\xFE");
  canvas->TextOut(5, 5, "\xDD\xFE");
  EXPECT_TRUE(HasInk(canvas, Bounds(5, 5, extent.cx, extent.cy), clWhite));
  EXPECT_FALSE(HasInk(canvas, Rect(0, 0, 80, 5), clWhite));
  EXPECT_FALSE(HasInk(canvas, Rect(5 + extent.cx, 0, 80, 40), clWhite));
}

TEST(Canvas, TextRectClipsToTheRectangleAndFillsIt) {
  TOwned<TBitmap> bitmap = MakeBitmap(100, 30);
  TCanvas* canvas = bitmap->Canvas();
  canvas->Brush()->SetColor(clYellow);
  canvas->TextRect(Rect(0, 0, 10, 20), 0, 0, "WWWWWWWWWW");
  EXPECT_EQ(canvas->Pixels(9, 19), clYellow);
  EXPECT_FALSE(HasInk(canvas, Rect(10, 0, 100, 30), clWhite));
  EXPECT_FALSE(HasInk(canvas, Rect(0, 20, 10, 30), clWhite));
}

// ---------------------------------------------------------------- device context

// A canvas that supplies its own memory device context, as the screen and
// control canvases do.
class TOwnDCCanvas : public TCanvas {
  OBJECT_CLASS(TOwnDCCanvas, TCanvas)
public:
  ~TOwnDCCanvas() override {
    SetHandle(nullptr);
    if (m_dc)
      ::DeleteDC(m_dc);
  }
  HDC m_dc = nullptr;
  int m_created = 0;

protected:
  void CreateHandle() override {
    ++m_created;
    m_dc = ::CreateCompatibleDC(nullptr);
    SetHandle(m_dc);
  }
};

TEST(Canvas, SubclassSuppliesItsContextOnceAndGetsItBackClean) {
  TOwned<TOwnDCCanvas> canvas(Create<TOwnDCCanvas>());
  EXPECT_FALSE(canvas->HandleAllocated());
  canvas->TextWidth("x");
  canvas->FillRect(Rect(0, 0, 1, 1));
  EXPECT_EQ(canvas->m_created, 1);
  HDC dc = canvas->Handle();
  EXPECT_EQ(::GetCurrentObject(dc, OBJ_FONT), canvas->Font()->Handle());
  EXPECT_EQ(canvas->State(), (TCanvasState{TCanvasStates::csHandleValid,
                                           TCanvasStates::csFontValid,
                                           TCanvasStates::csBrushValid}));

  canvas->SetHandle(nullptr);
  EXPECT_NE(::GetCurrentObject(dc, OBJ_FONT), canvas->Font()->Handle());
  EXPECT_NE(::GetCurrentObject(dc, OBJ_BRUSH), canvas->Brush()->Handle());
  EXPECT_EQ(canvas->State(), TCanvasState{});
}

TEST(Canvas, WithoutAContextDrawingRaises) {
  TOwned<TCanvas> canvas(Create<TCanvas>());
  EXPECT_THROW(canvas->FillRect(Rect(0, 0, 1, 1)), EInvalidOperation);
  EXPECT_THROW(canvas->Handle(), EInvalidOperation);
}

TEST(Canvas, AChangedToolIsDeselectedBeforeItsOldHandleIsDeleted) {
  TOwned<TBitmap> bitmap = MakeBitmap(4, 4);
  TCanvas* canvas = bitmap->Canvas();
  canvas->Brush()->SetColor(clRed);
  canvas->FillRect(Rect(0, 0, 1, 1));
  HBRUSH oldBrush = canvas->Brush()->Handle();
  canvas->Brush()->SetColor(clBlue);
  EXPECT_EQ(::GetObjectType(oldBrush), 0u) << "the old brush was not deleted";
  EXPECT_FALSE(canvas->State().Contains(TCanvasStates::csBrushValid));
  canvas->FillRect(Rect(0, 0, 1, 1));
  EXPECT_EQ(canvas->Pixels(0, 0), clBlue);
}

TEST(Canvas, RefreshDeselectsSoTheToolsAreSelectedAgainAfterARestore) {
  TOwned<TBitmap> bitmap = MakeBitmap(4, 4);
  TCanvas* canvas = bitmap->Canvas();
  HDC dc = canvas->Handle();
  int saved = ::SaveDC(dc);
  canvas->Brush()->SetColor(clRed);
  canvas->FillRect(Rect(0, 0, 1, 1));
  ::RestoreDC(dc, saved);
  canvas->Refresh();
  EXPECT_EQ(canvas->State(), TCanvasState{TCanvasStates::csHandleValid});
  canvas->Rectangle(0, 0, 4, 4);
  EXPECT_EQ(canvas->Pixels(1, 1), clRed);
}

TEST(Canvas, DrawingAnnouncesChangingBeforeAndChangeAfter) {
  TOwned<TBitmap> bitmap = MakeBitmap(4, 4);
  TCanvas* canvas = bitmap->Canvas();
  std::vector<std::string> log;
  canvas->SetOnChanging([&](TObject*) { log.push_back("changing"); });
  canvas->SetOnChange([&](TObject*) { log.push_back("change"); });
  canvas->FillRect(Rect(0, 0, 1, 1));
  canvas->TextWidth("x");
  canvas->Pixels(0, 0);
  EXPECT_EQ(log, (std::vector<std::string>{"changing", "change"}));
}

TEST(Canvas, SettingToolsCopiesThemAndLocksNest) {
  TOwned<TBitmap> bitmap = MakeBitmap(4, 4);
  TCanvas* canvas = bitmap->Canvas();
  TOwned<TFont> font(Create<TFont>());
  font->SetColor(clRed);
  canvas->SetFont(font.get());
  EXPECT_NE(canvas->Font(), font.get());
  EXPECT_EQ(canvas->Font()->Color(), clRed);
  canvas->Lock();
  canvas->Lock();
  EXPECT_EQ(canvas->LockCount(), 2);
  canvas->Unlock();
  canvas->Unlock();
  EXPECT_EQ(canvas->LockCount(), 0);
}

// ---------------------------------------------------------------- copies and pictures

TEST(Canvas, CopyRectUsesTheCopyMode) {
  TOwned<TBitmap> source = MakeBitmap(4, 4, clRed);
  TOwned<TBitmap> target = MakeBitmap(8, 4);
  TCanvas* canvas = target->Canvas();
  canvas->CopyRect(Rect(0, 0, 4, 4), source->Canvas(), Rect(0, 0, 4, 4));
  canvas->SetCopyMode(cmNotSrcCopy);
  canvas->CopyRect(Rect(4, 0, 8, 4), source->Canvas(), Rect(0, 0, 4, 4));
  EXPECT_EQ(MismatchedProbes(canvas, {{0, 0, clRed}, {3, 3, clRed}, {4, 0, clAqua}, {7, 3, clAqua}}),
            "");
}

TEST(Canvas, DrawAndStretchDrawPlaceTheBitmap) {
  TOwned<TBitmap> picture = MakeBitmap(2, 2, clBlue);
  picture->Canvas()->SetPixels(0, 0, clRed);
  TOwned<TBitmap> target = MakeBitmap(10, 10);
  TCanvas* canvas = target->Canvas();
  canvas->Draw(1, 1, picture.get());
  canvas->StretchDraw(Rect(4, 4, 8, 8), picture.get());
  EXPECT_EQ(MismatchedProbes(canvas, {{1, 1, clRed},
                                      {2, 2, clBlue},
                                      {3, 3, clWhite},
                                      {4, 4, clRed},
                                      {5, 5, clRed},
                                      {6, 6, clBlue},
                                      {7, 7, clBlue},
                                      {8, 8, clWhite}}),
            "");
}

TEST(Canvas, DrawOfATransparentBitmapLeavesItsTransparentColourOut) {
  TOwned<TBitmap> picture = MakeBitmap(3, 3, clLime);
  picture->Canvas()->SetPixels(1, 1, clRed);
  picture->SetTransparent(true);
  TOwned<TBitmap> target = MakeBitmap(5, 5, clBlue);
  target->Canvas()->Draw(1, 1, picture.get());
  EXPECT_EQ(MismatchedProbes(target->Canvas(), {{1, 1, clBlue}, {2, 2, clRed}, {3, 3, clBlue}}),
            "");
}

TEST(Canvas, BrushCopyReplacesTheColourByTheBrushOrLeavesItOutWhenClear) {
  TOwned<TBitmap> glyph = MakeBitmap(3, 3, clLime);
  glyph->Canvas()->SetPixels(1, 1, clRed);
  TOwned<TBitmap> target = MakeBitmap(8, 4, clWhite);
  TCanvas* canvas = target->Canvas();
  canvas->Brush()->SetColor(clYellow);
  canvas->BrushCopy(Rect(0, 0, 3, 3), glyph.get(), Rect(0, 0, 3, 3), clLime);
  canvas->Brush()->SetStyle(TBrushStyle::bsClear);
  canvas->BrushCopy(Rect(4, 0, 7, 3), glyph.get(), Rect(0, 0, 3, 3), clLime);
  EXPECT_EQ(MismatchedProbes(canvas, {{0, 0, clYellow},
                                      {1, 1, clRed},
                                      {2, 2, clYellow},
                                      {4, 0, clWhite},
                                      {5, 1, clRed},
                                      {6, 2, clWhite}}),
            "");
}

} // namespace
