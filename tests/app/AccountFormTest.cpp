// The account form as a person sees and uses it.
#include "tests/app/MessengerTestSupport.h"

#include "app/Hesapac.h"
#include "platform/graphics/Bitmaps.h"
#include "platform/stdctrls/Buttons.h"

namespace messenger_test {
namespace {

constexpr TColor kMarkRed = 0x0000FF;
constexpr TColor kMarkDarkRed = 0x000080;
constexpr TColor kMarkBackground = 0xFF00FF;

class AccountFormTest : public TMessengerTest {
protected:
  // The form's client area as it paints itself.
  void PaintForm(TBitmap* bitmap) {
    bitmap->SetPixelFormat(TPixelFormat::pf32bit);
    bitmap->SetSize(HesapAc1->ClientWidth(), HesapAc1->ClientHeight());
    const auto dc = reinterpret_cast<WPARAM>(bitmap->Canvas()->Handle());
    bitmap->Canvas()->Changing();
    HesapAc1->Perform(WM_ERASEBKGND, dc);
    HesapAc1->Perform(WM_PAINT, dc);
    bitmap->Canvas()->Changed();
  }

  static int CountPixels(TBitmap* bitmap, const TRect& rect, TColor color) {
    int count = 0;
    for (int y = rect.Top; y < rect.Bottom; ++y)
      for (int x = rect.Left; x < rect.Right; ++x)
        if (bitmap->Canvas()->Pixels(x, y) == color)
          ++count;
    return count;
  }
};

// The three marker buttons show one 16 by 16 picture of 8 bits a pixel, a
// red asterisk on the transparent colour, centred on each button.
TEST_F(AccountFormTest, TheMarkersShowTheMandatoryMark) {
  TOwned<TBitmap> picture(Create<TBitmap>());
  HesapAc1->HandleNeeded();
  PaintForm(picture.get());
  for (const char* name : {"SpeedButton2", "SpeedButton3", "SpeedButton5"}) {
    SCOPED_TRACE(name);
    auto* marker = As<TSpeedButton>(HesapAc1->FindComponent(name));
    EXPECT_TRUE(marker->Flat());
    TBitmap* glyph = marker->Glyph();
    EXPECT_EQ(glyph->Width(), 16);
    EXPECT_EQ(glyph->Height(), 16);
    EXPECT_EQ(glyph->PixelFormat(), TPixelFormat::pf8bit);
    EXPECT_EQ(glyph->TransparentColor(), kMarkBackground);
    const TRect bounds = marker->BoundsRect();
    EXPECT_EQ(CountPixels(picture.get(), bounds, kMarkRed), 40);
    EXPECT_EQ(CountPixels(picture.get(), bounds, kMarkDarkRed), 16);
    EXPECT_EQ(CountPixels(picture.get(), bounds, kMarkBackground), 0);
    // The asterisk's middle, at the picture's (7, 7), the picture 4 pixels
    // in from the button's top left corner.
    EXPECT_EQ(picture->Canvas()->Pixels(bounds.Left + 11, bounds.Top + 11), kMarkRed);
  }
}

} // namespace
} // namespace messenger_test
