#include "tests/support/GTest.h"

#include <functional>

#include "framework/cxGraphicsBitmaps.h"
#include "platform/graphics/GraphicsObjects.h"
#include "tests/framework/cxGraphicsTestSupport.h"
#include "tests/platform/graphics/GraphicsTestHelpers.h"

namespace {

using enum TcxBitmapTransformationMode;

// Pins the shadow colour the dirty look blends with.
class BitmapsTest : public testing::Test {
protected:
  TPinnedSystemColors m_colors{{{COLOR_BTNSHADOW, RGB(128, 128, 128)}}};
};

struct PixelCase {
  const char* name;
  TcxBitmapTransformationMode mode;
  std::uint32_t input;
  std::uint32_t expected;
};

// One pixel through each transformation, with no transparent colours set (so
// only the all-zero pixel counts as transparent).
TEST_F(BitmapsTest, TransformationsOfOnePixel) {
  const PixelCase cases[] = {
      {"grey of red (disable map: 255 x 0.0729 = 18.59)", btmDisable, 0xFFFF0000, 0xFF131313},
      {"grey of red (fade map: 255 x 0.299 = 76.2)", btmFade, 0xFFFF0000, 0xFF4C4C4C},
      {"fade keeps the alpha (200 x 0.299 = 59.8)", btmFade, 0x80C80000, 0x803C3C3C},
      {"dingy: 0 goes 30 % toward 255 (76.5 rounds to 77)", btmDingy, 0xFF000100, 0xFF4D4D4D},
      {"dingy: 255 stays", btmDingy, 0xFFFFFFFF, 0xFFFFFFFF},
      {"grey scale is the mean", btmGrayScale, 0x7F0A1421, 0x7F151515},
      {"set opaque", btmSetOpaque, 0x00123456, 0xFF123456},
      {"set opaque of the transparent pixel too", btmSetOpaque, 0x00000000, 0xFF000000},
      {"correct blend: no alpha becomes opaque", btmCorrectBlend, 0x00123456, 0xFF123456},
      {"correct blend keeps an alpha", btmCorrectBlend, 0x40123456, 0x40123456},
      {"correct blend leaves the transparent pixel", btmCorrectBlend, 0x00000000, 0x00000000},
      {"mask: the transparent pixel is white", btmMakeMask, 0x00000000, 0xFFFFFFFF},
      {"mask: any other pixel is black", btmMakeMask, 0xFF000000, 0x00000000},
      {"dirty: grey 76, then grey 128 at 192 over it at 238", btmDirty, 0xFFFF0000, 0xFF8E8E8E},
      {"transformations leave the transparent pixel", btmDingy, 0x00000000, 0x00000000},
  };
  for (const PixelCase& c : cases) {
    SCOPED_TRACE(c.name);
    TOwned<TcxBitmap> bitmap = BitmapOf(1, 1, {c.input});
    bitmap->TransformBitmap(c.mode);
    EXPECT_EQ(Hex(PixelAt(bitmap.get(), 0, 0)), Hex(c.expected));
  }
}

TEST_F(BitmapsTest, ScaleUsesTheMapsWeights) {
  RGBQUAD red = Px(0xFFFF0000);
  TcxBitmap::Scale(red, DisableMap);
  EXPECT_EQ(Hex(Argb(red)), "FF131313");
  RGBQUAD green = Px(0x2000C800);
  TcxBitmap::Scale(green, GrayMap);
  EXPECT_EQ(Hex(Argb(green)), "20757575"); // 200 x 0.587 = 117.4
}

struct BlendCase {
  const char* name;
  std::uint32_t source;
  std::uint32_t dest;
  std::uint8_t constantAlpha;
  std::uint32_t expected;
};

TEST_F(BitmapsTest, BlendFunctionIsSourceOverWithAPremultipliedSource) {
  const BlendCase cases[] = {
      {"opaque source at full opacity replaces", 0xFF102030, 0xFFC0C0C0, 255, 0xFF102030},
      {"constant alpha 0 leaves the destination", 0xFF102030, 0x80C0C0C0, 0, 0x80C0C0C0},
      {"half alpha source adds to half the destination", 0x80000064, 0xFFC8C8C8, 255, 0xFF6464C8},
      {"opaque source at half opacity", 0xFF785028, 0xFF0064C8, 128, 0xFF3C5A78},
      {"results of 255 or more are 255", 0xFFFFFFFF, 0xFFFFFFFF, 200, 0xFFFFFFFF},
  };
  for (const BlendCase& c : cases) {
    SCOPED_TRACE(c.name);
    RGBQUAD dest = Px(c.dest);
    cxBlendFunction(Px(c.source), dest, c.constantAlpha);
    EXPECT_EQ(Hex(Argb(dest)), Hex(c.expected));
  }
}

TEST_F(BitmapsTest, NewBitmapIsZeroAndThirtyTwoBit) {
  TOwned<TcxBitmap> bitmap(Create<TcxBitmap>(3, 2));
  EXPECT_EQ(bitmap->PixelFormat(), TPixelFormat::pf32bit);
  EXPECT_EQ(PixelsOf(bitmap.get()), std::vector<std::uint32_t>(6, 0));
  EXPECT_FALSE(bitmap->IsAlphaUsed());
  bitmap->TransformBitmap(btmSetOpaque);
  EXPECT_TRUE(bitmap->IsAlphaUsed());

  TOwned<TcxBitmap> fromRect(Create<TcxBitmap>(Rect(5, 5, 9, 6)));
  EXPECT_EQ(fromRect->Width(), 4);
  EXPECT_EQ(fromRect->Height(), 1);
  TOwned<TcxBitmap> empty(Create<TcxBitmap>());
  EXPECT_TRUE(empty->Empty());
  empty->TransformBitmap(btmDingy);
  EXPECT_FALSE(empty->IsAlphaUsed());
  EXPECT_THROW(Create<TcxBitmap>(-1, 2), EInvalidGraphic);
}

TEST_F(BitmapsTest, ClearUsesTheTransparentBackgroundWhenItHasAlpha) {
  TOwned<TcxBitmap> bitmap = FilledBitmap(2, 2, 0xFF112233);
  bitmap->Clear();
  EXPECT_EQ(PixelsOf(bitmap.get()), std::vector<std::uint32_t>(4, 0));
  bitmap->SetTransparentBkColor(Px(0x80405060));
  bitmap->Clear();
  EXPECT_EQ(PixelsOf(bitmap.get()), std::vector<std::uint32_t>(4, 0x80405060));
}

TEST_F(BitmapsTest, RecoverAlphaChannelKeepsOnlyTheTransparentColourClear) {
  TOwned<TcxBitmap> bitmap = BitmapOf(2, 1, {0x00FF00FF, 0x00FF0000});
  bitmap->TransparentPixels().Add(clLime);
  bitmap->RecoverAlphaChannel(clFuchsia);
  EXPECT_EQ(bitmap->TransparentPixels().Count(), 1);
  EXPECT_EQ(PixelsOf(bitmap.get()), (std::vector<std::uint32_t>{0x00FF00FF, 0xFFFF0000}));
}

TEST_F(BitmapsTest, TransparencyComparesFourBytesOfTheBackgroundButThreeOfTheList) {
  TOwned<TcxBitmap> bitmap(Create<TcxBitmap>(1, 1));
  bitmap->SetTransparentBkColor(Px(0x10203040));
  bitmap->TransparentPixels().Add(RGB(1, 2, 3));
  EXPECT_TRUE(bitmap->IsColorTransparent(Px(0x10203040)));
  EXPECT_FALSE(bitmap->IsColorTransparent(Px(0x11203040)));
  EXPECT_TRUE(bitmap->IsColorTransparent(Px(0x00010203)));
  EXPECT_TRUE(bitmap->IsColorTransparent(Px(0xFF010203)));
  EXPECT_FALSE(bitmap->IsColorTransparent(Px(0xFF010204)));
  bitmap->TransparentPixels().Add(clNone);
  bitmap->TransparentPixels().Add(clDefault);
  EXPECT_EQ(bitmap->TransparentPixels().Count(), 1);
}

TEST_F(BitmapsTest, HatchIsACheckerboardAnchoredBottomLeft) {
  TOwned<TcxBitmap> bitmap = FilledBitmap(4, 4, 0xFF000000);
  bitmap->DrawHatch(clRed, clBlue, 2, 255, 255);
  const std::uint32_t r = 0xFFFF0000;
  const std::uint32_t b = 0xFF0000FF;
  EXPECT_EQ(PixelsOf(bitmap.get()), (std::vector<std::uint32_t>{b, b, r, r, //
                                                                b, b, r, r, //
                                                                r, r, b, b, //
                                                                r, r, b, b}));
  TOwned<TcxBitmap> odd = FilledBitmap(3, 1, 0xFFFFFFFF);
  odd->DrawHatch(clBlack, clBlack, 2, 0, 255);
  EXPECT_EQ(PixelsOf(odd.get()), (std::vector<std::uint32_t>{0xFFFFFFFF, 0xFFFFFFFF, 0xFF000000}));
  EXPECT_THROW(bitmap->DrawHatch(clRed, clBlue, 0, 255, 255), EInvalidGraphic);
  EXPECT_THROW(bitmap->DrawHatch(TcxHatchData{}), EInvalidGraphic);
}

TEST_F(BitmapsTest, BitsAreReadTopOrBottomRowFirst) {
  TOwned<TcxBitmap> bitmap = BitmapOf(1, 2, {0xFF0000AA, 0xFF0000BB});
  TRGBColors topDown = GetBitmapBits(bitmap.get(), true);
  TRGBColors bottomUp = GetBitmapBits(bitmap.get(), false);
  ASSERT_EQ(topDown.size(), 2u);
  EXPECT_EQ(topDown[0].rgbBlue, 0xAA);
  EXPECT_EQ(bottomUp[0].rgbBlue, 0xBB);
  TRGBColors colors = bottomUp;
  SetBitmapBits(bitmap.get(), colors, true);
  EXPECT_TRUE(colors.empty());
  EXPECT_EQ(PixelAt(bitmap.get(), 0, 0), 0xFF0000BBu);
  TRGBColors wrong(3);
  EXPECT_THROW(SetBitmapBits(bitmap.get(), wrong, true), EInvalidGraphic);
  EXPECT_THROW(bitmap->SetBitmapColors(wrong), EInvalidGraphic);
  EXPECT_TRUE(GetBitmapBits(nullptr, true).empty());
}

TEST_F(BitmapsTest, BitsOfOtherFormatsAreReadAsThirtyTwoBit) {
  TOwned<TBitmap> bitmap = MakeBitmap(2, 1, clWhite);
  bitmap->Canvas()->SetPixels(1, 0, RGB(10, 20, 30));
  bitmap->SetPixelFormat(TPixelFormat::pf24bit);
  TRGBColors colors = GetBitmapBits(bitmap.get(), true);
  ASSERT_EQ(colors.size(), 2u);
  EXPECT_EQ(Argb(colors[1]) & 0xFFFFFF, 0x0A141Eu);
}

TEST_F(BitmapsTest, RasterOperationsOnPixels) {
  TOwned<TcxBitmap> bitmap = BitmapOf(2, 1, {0xFF00FF00, 0x12345678});
  bitmap->Invert();
  EXPECT_EQ(PixelsOf(bitmap.get()), (std::vector<std::uint32_t>{0x00FF00FF, 0xEDCBA987}));
  TOwned<TcxBitmap> mask = BitmapOf(2, 1, {0xFFFFFFFF, 0x00000000});
  bitmap->Filter(mask.get());
  EXPECT_EQ(PixelsOf(bitmap.get()), (std::vector<std::uint32_t>{0x00000000, 0xEDCBA987}));
  TOwned<TcxBitmap> copy(Create<TcxBitmap>(2, 1));
  copy->CopyBitmap(bitmap.get());
  EXPECT_EQ(PixelsOf(copy.get()), PixelsOf(bitmap.get()));
  copy->CopyBitmap(nullptr);
}

TEST_F(BitmapsTest, ColourToPixelResolvesSystemColours) {
  RGBQUAD pixel = cxColorToRGBQuad(clBtnShadow, 7);
  EXPECT_EQ(Hex(Argb(pixel)), "07808080");
  EXPECT_EQ(Hex(Argb(cxColorToRGBQuad(RGB(1, 2, 3)))), "00010203");
}

TEST_F(BitmapsTest, CreatedBitmapsHaveTheAskedSizeAndFormat) {
  TOwned<TBitmap> bitmap(cxCreateBitmap(TSize{3, 4}, TPixelFormat::pf8bit));
  EXPECT_EQ(bitmap->Width(), 3);
  EXPECT_EQ(bitmap->Height(), 4);
  EXPECT_EQ(bitmap->PixelFormat(), TPixelFormat::pf8bit);
  TOwned<TBitmap> trueColor(cxCreateTrueColorBitmap(5, 2));
  EXPECT_EQ(trueColor->Width(), 5);
  EXPECT_EQ(trueColor->PixelFormat(), TPixelFormat::pf32bit);
  EXPECT_FALSE(IsGlyphAssigned(nullptr));
  TOwned<TcxBitmap> empty(Create<TcxBitmap>());
  EXPECT_FALSE(IsGlyphAssigned(empty.get()));
  EXPECT_TRUE(IsGlyphAssigned(bitmap.get()));
  EXPECT_FALSE(IsImageAssigned(nullptr, 0));
}

// The shadow of a 1-pixel shape two pixels down and right: the shape's own
// pixel keeps its colour, the shadow shows where the shape is not.
TEST_F(BitmapsTest, ShadowFallsDownAndRight) {
  TOwned<TcxBitmap> image = FilledBitmap(6, 6, 0x00000000);
  TOwned<TcxBitmap> mask = FilledBitmap(6, 6, 0xFFFFFFFF);
  TRGBColors colors = GetBitmapBits(image.get(), true);
  colors[1 * 6 + 1] = Px(0xFFFF0000);
  SetBitmapBits(image.get(), colors, true);
  colors = GetBitmapBits(mask.get(), true);
  colors[1 * 6 + 1] = Px(0x00000000);
  SetBitmapBits(mask.get(), colors, true);
  image->DrawShadow(mask.get(), 2, clBlue);
  // Drawn two down and right, then the whole moved back one.
  EXPECT_EQ(Hex(PixelAt(image.get(), 0, 0)), "FFFF0000");
  EXPECT_EQ(Hex(PixelAt(image.get(), 2, 2)).substr(2), "0000FF");
  EXPECT_EQ(Hex(PixelAt(image.get(), 4, 4)), "00000000");
  EXPECT_EQ(Hex(PixelAt(image.get(), 5, 0)), "00000000");
}

// Every transformation and raster chain made and freed again leaves no GDI
// object behind.
TEST_F(BitmapsTest, TransformationsLeaveNoGdiObjects) {
  auto use = [] {
    TOwned<TcxBitmap> bitmap = FilledBitmap(8, 8, 0xFF336699);
    for (int mode = 0; mode <= static_cast<int>(btmClear); ++mode) {
      if (static_cast<TcxBitmapTransformationMode>(mode) == btmHatch)
        bitmap->DrawHatch(clRed, clBlue, 3, 128, 255);
      else
        bitmap->TransformBitmap(static_cast<TcxBitmapTransformationMode>(mode));
    }
    TOwned<TcxBitmap> mask = FilledBitmap(8, 8, 0xFFFFFFFF);
    bitmap->DrawShadow(mask.get(), 2, clBtnShadow);
    bitmap->Shade(mask.get());
    bitmap->Invert();
    bitmap->RecoverAlphaChannel(clFuchsia);
    TOwned<TBitmap> trueColor(cxCreateTrueColorBitmap(4, 4));
  };
  use();
  TGdiObjectsUnchanged unchanged;
  for (int i = 0; i < 20; ++i)
    use();
}

} // namespace
