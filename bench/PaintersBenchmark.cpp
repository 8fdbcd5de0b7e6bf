// Hand-run benchmark: each painter draws each of a few elements 10 000 times
// into a 32-bit memory bitmap; the platform's own drawing of the same element
// runs in the same program as the anchor: DrawFrameControl for the classic
// looks, DrawThemeBackground of the same part for the native look (with the
// platform's visual styles). Reports microseconds per element and the ratio
// to the anchor, and the GDI objects each element leaves behind (none
// expected).
#include <chrono>
#include <cstdio>
#include <functional>

#include "framework/cxGraphics.h"
#include "framework/cxLookAndFeelPainters.h"
#include "framework/dxThemeManager.h"
#include "framework/dxUxTheme.h"
#include "platform/graphics/Bitmaps.h"
#include "platform/rtl/RtlUnits.h"
#include "platform/rtl/UnitStartup.h"

#include <vssym32.h>
#include "tests/support/GdiObjects.h"

namespace {

constexpr int kDraws = 10000;
const TRect kBounds = Rect(0, 0, 17, 17);

int GdiObjects() { return CountGdiObjects(); }

double MicrosecondsPerDraw(const std::function<void()>& draw) {
  draw();
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < kDraws; ++i)
    draw();
  GdiFlush();
  const auto stop = std::chrono::steady_clock::now();
  return std::chrono::duration<double, std::micro>(stop - start).count() / kDraws;
}

void FrameControl(HDC dc, UINT type, UINT state) {
  RECT r = {kBounds.Left, kBounds.Top, kBounds.Right, kBounds.Bottom};
  DrawFrameControl(dc, &r, type, state);
}

void ThemeBackground(HDC dc, TdxThemedObjectType type, int part, int state) {
  RECT r = {kBounds.Left, kBounds.Top, kBounds.Right, kBounds.Bottom};
  dxUxTheme::DrawThemeBackground(OpenTheme(type), dc, part, state, r, nullptr);
}

struct TElement {
  const char* Name;
  UINT AnchorType;
  UINT AnchorState;
  TdxThemedObjectType ThemeClass;
  int ThemePart;
  int ThemeState;
  std::function<void(TcxCustomLookAndFeelPainterClass, TcxCanvas*)> Draw;
};

void Report(const char* name, double time, double anchor, int objects) {
  std::printf("%-18s %-16s %7.2f  x%.2f  GDI objects %+d\n", "", name, time, time / anchor,
              objects);
}

} // namespace

int main() {
  ProgramUnits().Start(RtlUnits());
  const TUnitInfo themeUnits[] = {dxUxThemeUnit, dxThemeManagerUnit};
  ProgramUnits().Start(themeUnits);
  cxGraphicsUnit.Initialization();
  cxLookAndFeelPaintersUnit.Initialization();
  TOwned<TBitmap> bitmap(Create<TBitmap>());
  bitmap->SetPixelFormat(TPixelFormat::pf32bit);
  bitmap->SetSize(32, 32);
  TOwned<TcxCanvas> canvas(Create<TcxCanvas>(bitmap->Canvas()));
  HDC dc = canvas->Handle();

  const TElement elements[] = {
      {"push button", DFC_BUTTON, DFCS_BUTTONPUSH, TdxThemedObjectType::totButton, BP_PUSHBUTTON,
       PBS_NORMAL,
       [](auto p, TcxCanvas* c) { p->DrawButton(c, kBounds, "", TcxButtonState::cxbsNormal); }},
      {"scroll line down", DFC_SCROLL, DFCS_SCROLLDOWN, TdxThemedObjectType::totScrollBar,
       SBP_ARROWBTN, ABS_DOWNNORMAL,
       [](auto p, TcxCanvas* c) {
         p->DrawScrollBarPart(c, false, kBounds, TcxScrollBarPart::sbpLineDown,
                              TcxButtonState::cxbsNormal);
       }},
      {"check box checked", DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED,
       TdxThemedObjectType::totButton, BP_CHECKBOX, CBS_CHECKEDNORMAL,
       [](auto p, TcxCanvas* c) {
         p->DrawCheckButton(c, kBounds, TcxButtonState::cxbsNormal, true);
       }},
      {"arrow button", DFC_SCROLL, DFCS_SCROLLDOWN, TdxThemedObjectType::totScrollBar,
       SBP_ARROWBTN, ABS_DOWNNORMAL,
       [](auto p, TcxCanvas* c) {
         p->DrawArrow(c, kBounds, TcxButtonState::cxbsNormal, TcxArrowDirection::adDown, true);
       }},
  };
  const struct {
    const char* Name;
    TcxCustomLookAndFeelPainterClass Painter;
  } painters[] = {{"Standard", TcxStandardLookAndFeelPainter::StaticClass()},
                  {"Flat", TcxFlatLookAndFeelPainter::StaticClass()},
                  {"UltraFlat", TcxUltraFlatLookAndFeelPainter::StaticClass()}};

  std::printf("%d draws of a 17 x 17 element, microseconds per draw\n", kDraws);
  for (const TElement& element : elements) {
    double anchor =
        MicrosecondsPerDraw([&] { FrameControl(dc, element.AnchorType, element.AnchorState); });
    std::printf("%-18s DrawFrameControl %7.2f\n", element.Name, anchor);
    for (const auto& painter : painters) {
      int before = GdiObjects();
      double time = MicrosecondsPerDraw([&] { element.Draw(painter.Painter, canvas.get()); });
      Report(painter.Name, time, anchor, GdiObjects() - before);
    }
    double themed = MicrosecondsPerDraw([&] {
      ThemeBackground(dc, element.ThemeClass, element.ThemePart, element.ThemeState);
    });
    std::printf("%-18s DrawThemeBackground %4.2f\n", "", themed);
    int before = GdiObjects();
    double time = MicrosecondsPerDraw(
        [&] { element.Draw(TcxWinXPLookAndFeelPainter::StaticClass(), canvas.get()); });
    Report("Native", time, themed, GdiObjects() - before);
  }
  canvas.reset();
  bitmap.reset();
  cxLookAndFeelPaintersUnit.Finalization();
  cxGraphicsUnit.Finalization();
  ProgramUnits().Stop();
  return 0;
}
