#include "tests/support/GTest.h"

#include "platform/graphics/Bitmaps.h"
#include "platform/graphics/Canvas.h"

namespace {

TEST(Canvas, FillRectPaintsTheBrushColour) {
  TOwned<TBitmap> bitmap(Create<TBitmap>());
  bitmap->SetPixelFormat(TPixelFormat::pf32bit);
  bitmap->SetSize(10, 10);
  TCanvas* canvas = bitmap->Canvas();
  canvas->Brush()->SetColor(clRed);
  canvas->FillRect(Rect(2, 2, 5, 5));
  EXPECT_EQ(canvas->Pixels(2, 2), clRed);
  EXPECT_EQ(canvas->Pixels(4, 4), clRed);
  EXPECT_EQ(canvas->Pixels(5, 5), clBlack);
  EXPECT_EQ(canvas->TextWidth("abc") > 0, true);
}

} // namespace
