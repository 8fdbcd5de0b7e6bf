// With TEST_PICTURES set: one contact sheet per look, every element in every
// button state, for people to look at.
#include "tests/framework/cxLookAndFeelPaintersTestSupport.h"

#include <functional>
#include <vector>

#include "framework/cxLookAndFeelPaintersRadio.h"
#include "tests/framework/ThemeTestSupport.h"
#include "tests/support/Pictures.h"

namespace {

using State = TcxButtonState;
using TDraw = std::function<void(TcxCustomLookAndFeelPainterClass, TcxCanvas*, const TRect&, State)>;

struct TElement {
  const char* Name;
  int Width;
  int Height;
  TDraw Draw;
};

constexpr int kLabelWidth = 120;
constexpr int kCellWidth = 80;
constexpr int kRowHeight = 30;
constexpr State kStates[] = {State::cxbsDefault, State::cxbsNormal, State::cxbsHot,
                             State::cxbsPressed, State::cxbsDisabled};
const char* const kStateNames[] = {"default", "normal", "hot", "pressed", "disabled"};

TDraw ScrollPart(bool horizontal, TcxScrollBarPart part) {
  return [=](auto painter, TcxCanvas* canvas, const TRect& r, State s) {
    painter->DrawScrollBarPart(canvas, horizontal, r, part, s);
  };
}

TDraw Arrow(TcxArrowDirection direction) {
  return [=](auto painter, TcxCanvas* canvas, const TRect& r, State s) {
    painter->DrawArrow(canvas, r, s, direction, true);
  };
}

std::vector<TElement> Elements() {
  using A = TcxArrowDirection;
  using P = TcxScrollBarPart;
  return {
      {"button", 60, 22, [](auto p, TcxCanvas* c, const TRect& r, State s) { p->DrawButton(c, r, "Tamam", s); }},
      {"arrow up", 17, 17, Arrow(A::adUp)},
      {"arrow down", 17, 17, Arrow(A::adDown)},
      {"arrow left", 17, 17, Arrow(A::adLeft)},
      {"arrow right", 17, 17, Arrow(A::adRight)},
      {"scroll line up", 17, 17, ScrollPart(false, P::sbpLineUp)},
      {"scroll line down", 17, 17, ScrollPart(false, P::sbpLineDown)},
      {"scroll line left", 17, 17, ScrollPart(true, P::sbpLineUp)},
      {"scroll line right", 17, 17, ScrollPart(true, P::sbpLineDown)},
      {"scroll thumb", 40, 17, ScrollPart(true, P::sbpThumbnail)},
      {"scroll page", 40, 17, ScrollPart(true, P::sbpPageUp)},
      {"check off", 13, 13, [](auto p, TcxCanvas* c, const TRect& r, State s) { p->DrawCheckButton(c, r, s, false); }},
      {"check on", 13, 13, [](auto p, TcxCanvas* c, const TRect& r, State s) { p->DrawCheckButton(c, r, s, true); }},
      {"expand +/-", 30, 12, [](auto p, TcxCanvas* c, const TRect& r, State) {
         int size = p->ExpandButtonSize() > 0 ? p->ExpandButtonSize() : 11;
         c->SaveClipRegion();
         p->DrawExpandButton(c, Rect(r.Left, r.Top, r.Left + size, r.Top + size), false);
         p->DrawExpandButton(c, Rect(r.Left + 16, r.Top, r.Left + 16 + size, r.Top + size), true);
         c->RestoreClipRegion();
       }},
      {"small expand", 30, 9, [](auto p, TcxCanvas* c, const TRect& r, State) {
         p->DrawSmallExpandButton(c, Rect(r.Left, r.Top, r.Left + 9, r.Top + 9), false, clBtnShadow, clWindow);
         p->DrawSmallExpandButton(c, Rect(r.Left + 16, r.Top, r.Left + 25, r.Top + 9), true, clBtnShadow, clWindow);
       }},
      {"group expand", 40, 15, [](auto p, TcxCanvas* c, const TRect& r, State s) {
         p->DrawGroupExpandButton(c, Rect(r.Left, r.Top, r.Left + 15, r.Top + 15), false, s);
         p->DrawGroupExpandButton(c, Rect(r.Left + 20, r.Top, r.Left + 35, r.Top + 15), true, s);
       }},
      {"header", 70, 20, [](auto p, TcxCanvas* c, const TRect& r, State s) {
         p->DrawHeader(c, r, Rect(r.Left + 3, r.Top, r.Right - 12, r.Bottom), {}, cxBordersAll, s,
                       TAlignment::taLeftJustify, TcxAlignmentVert::vaCenter, false, true, "Ad",
                       nullptr, p->DefaultHeaderTextColor(), p->DefaultHeaderColor(), {});
         p->DrawSortingMark(c, Rect(r.Right - 14, r.Top + 2, r.Right - 2, r.Bottom - 2), true);
       }},
      {"section", 70, 20, [](auto p, TcxCanvas* c, const TRect& r, State s) {
         p->DrawHeaderControlSection(c, r, Rect(r.Left + 4, r.Top, r.Right - 2, r.Bottom), {}, cxBordersAll, s,
                                     TAlignment::taLeftJustify, TcxAlignmentVert::vaCenter, false, false,
                                     "B\xF6l\xFCm", nullptr, clBtnText, clBtnFace);
       }},
      {"footer cell", 70, 20, [](auto p, TcxCanvas* c, const TRect& r, State) {
         p->DrawFooterCell(c, r, TAlignment::taRightJustify, TcxAlignmentVert::vaCenter, false, "12",
                           nullptr, p->DefaultFooterTextColor(), p->DefaultFooterColor(), {});
       }},
      {"filter drop-down", 40, 15, [](auto p, TcxCanvas* c, const TRect& r, State s) {
         p->DrawFilterDropDownButton(c, Rect(r.Left, r.Top, r.Left + 15, r.Bottom), s, false);
         p->DrawFilterDropDownButton(c, Rect(r.Left + 20, r.Top, r.Left + 35, r.Bottom), s, true);
       }},
      {"filter close", 16, 15, [](auto p, TcxCanvas* c, const TRect& r, State s) { p->DrawFilterCloseButton(c, r, s); }},
      {"border", 40, 20, [](auto p, TcxCanvas* c, const TRect& r, State) {
         c->FillRect(r, clWindow);
         p->DrawBorder(c, r);
       }},
      {"size grip", 17, 17, [](auto p, TcxCanvas* c, const TRect& r, State) { p->DrawSizeGrip(c, r, clBtnFace); }},
      {"radio off / on", 40, 13, [](auto p, TcxCanvas* c, const TRect& r, State s) {
         p->DrawRadioButton(c, r.Left, r.Top, s, false, false, clDefault);
         p->DrawRadioButton(c, r.Left + 20, r.Top, s, true, false, clDefault);
       }},
      {"radio focused", 40, 13, [](auto p, TcxCanvas* c, const TRect& r, State s) {
         p->DrawRadioButton(c, r.Left, r.Top, s, false, true, clDefault);
         p->DrawRadioButton(c, r.Left + 20, r.Top, s, true, true, clDefault);
       }},
      {"indicators", 72, 18, [](auto p, TcxCanvas* c, const TRect& r, State) {
         for (int kind = 1; kind <= 6; ++kind)
           p->DrawIndicatorItem(c, Bounds(r.Left + (kind - 1) * 12, r.Top, 12, 18),
                                static_cast<TcxIndicatorKind>(kind), p->DefaultHeaderColor());
       }},
      {"month header", 72, 20, [](auto p, TcxCanvas* c, const TRect& r, State) {
         TcxViewParams params;
         params.Color = p->DefaultDateNavigatorHeaderColor();
         params.TextColor = p->DefaultHeaderTextColor();
         p->DrawMonthHeader(c, r, "Ocak", {}, params, TcxHeaderArrows::haBoth, 12);
       }},
  };
}

void DrawLabel(TcxCanvas* canvas, const TRect& r, const char* text) {
  canvas->Brush()->SetStyle(TBrushStyle::bsClear);
  canvas->Font()->SetColor(clBlack);
  canvas->DrawTexT(text, r, 1 | 32 | 64, true);
  canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
}

void DrawSheet(TcxCustomLookAndFeelPainterClass painter, const std::string& name,
               bool save = true) {
  std::vector<TElement> elements = Elements();
  int width = kLabelWidth + kCellWidth * 5;
  int height = kRowHeight * static_cast<int>(elements.size() + 1);
  TSurface sheet(width, height, TColor(0xE8E8E8));
  for (int column = 0; column < 5; ++column)
    DrawLabel(sheet.Canvas(),
              Bounds(kLabelWidth + column * kCellWidth + 4, 0, kCellWidth, kRowHeight),
              kStateNames[column]);
  for (std::size_t row = 0; row < elements.size(); ++row) {
    const TElement& element = elements[row];
    int top = kRowHeight * static_cast<int>(row + 1);
    DrawLabel(sheet.Canvas(), Bounds(4, top, kLabelWidth, kRowHeight), element.Name);
    for (int column = 0; column < 5; ++column) {
      TRect cell = Bounds(kLabelWidth + column * kCellWidth + 4,
                          top + (kRowHeight - element.Height) / 2, element.Width, element.Height);
      element.Draw(painter, sheet.Canvas(), cell, kStates[column]);
    }
  }
  if (save)
    SavePicture(sheet.Bitmap(), name);
}

class PainterPictures : public TcxGraphicsTest {
protected:
  static void SetUpTestSuite() {
    TcxGraphicsTest::SetUpTestSuite();
    cxLookAndFeelPaintersUnit.Initialization();
    // The page patterns' canvases and the platform's first frame-control
    // glyphs make objects that live as long as the unit does.
    TSurface warmUp(16, 16);
    for (TcxButtonState state : {TcxButtonState::cxbsNormal, TcxButtonState::cxbsPressed})
      TcxStandardLookAndFeelPainter::StaticClass()->DrawScrollBarPart(
          warmUp.Canvas(), true, Rect(0, 0, 16, 16), TcxScrollBarPart::sbpPageUp, state);
    RECT r = {0, 0, 16, 16};
    DrawFrameControl(warmUp->Handle(), &r, DFC_SCROLL, DFCS_SCROLLDOWN);
    DrawFrameControl(warmUp->Handle(), &r, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
    PrepareRadioButtonImageList();
  }
  static void TearDownTestSuite() {
    cxLookAndFeelPaintersUnit.Finalization();
    TcxGraphicsTest::TearDownTestSuite();
  }
};

// Drawing every sheet also checks that no element leaks GDI objects.
TEST_F(PainterPictures, ContactSheetPerLook) {
  DrawSheet(TcxStandardLookAndFeelPainter::StaticClass(), "painter-standard");
  DrawSheet(TcxFlatLookAndFeelPainter::StaticClass(), "painter-flat");
  DrawSheet(TcxUltraFlatLookAndFeelPainter::StaticClass(), "painter-ultraflat");
}

using theme_test::TThemeUnits;
using theme_test::TVisualStyles;

// The looks that follow the platform's visual styles, drawn with them and
// with them forced off; the platform's theme images load on the first
// drawing and stay, so each sheet is drawn once before the count.
class ThemedPainterPictures : public PainterPictures {
protected:
  static void SetUpTestSuite() {
    PainterPictures::SetUpTestSuite();
    for (TVisualStyles styles : {TVisualStyles::On, TVisualStyles::ForcedOff}) {
      TThemeUnits units(styles);
      DrawSheet(TcxOffice11LookAndFeelPainter::StaticClass(), "", false);
      DrawSheet(TcxWinXPLookAndFeelPainter::StaticClass(), "", false);
    }
  }
};

TEST_F(ThemedPainterPictures, Office2003Sheet) {
  TThemeUnits units(TVisualStyles::On);
  DrawSheet(TcxOffice11LookAndFeelPainter::StaticClass(), "painter-office2003");
}

TEST_F(ThemedPainterPictures, NativeSheetWithAndWithoutVisualStyles) {
  {
    TThemeUnits units(TVisualStyles::On);
    DrawSheet(TcxWinXPLookAndFeelPainter::StaticClass(), "painter-native");
  }
  TThemeUnits units(TVisualStyles::ForcedOff);
  DrawSheet(TcxWinXPLookAndFeelPainter::StaticClass(), "painter-native-unthemed");
}

} // namespace
