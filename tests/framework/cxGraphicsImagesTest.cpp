#include "tests/support/GTest.h"

#include <cstdlib>

#include "framework/cxGraphicsImages.h"
#include "framework/cxImageList.h"
#include "tests/framework/cxGraphicsTestSupport.h"
#include "tests/platform/graphics/GraphicsTestHelpers.h"
#include "tests/support/Pictures.h"

namespace {

// Binds the platform's AlphaBlend for each test, as the unit's start-up does.
class ImagesTest : public testing::Test {
protected:
  void SetUp() override { cxBindAlphaBlend(); }
  void TearDown() override { cxUnbindAlphaBlend(); }

  TPinnedSystemColors m_colors{
      {{COLOR_BTNSHADOW, RGB(128, 128, 128)}, {COLOR_BTNHIGHLIGHT, RGB(255, 255, 255)}}};
};

// Behaves as a system without msimg32.dll while it lives.
class TWithoutPlatformAlphaBlend {
public:
  TWithoutPlatformAlphaBlend() : m_previous(cxSetAlphaBlendProc(nullptr)) {}
  ~TWithoutPlatformAlphaBlend() { cxSetAlphaBlendProc(m_previous); }
  TWithoutPlatformAlphaBlend(const TWithoutPlatformAlphaBlend&) = delete;
  TWithoutPlatformAlphaBlend& operator=(const TWithoutPlatformAlphaBlend&) = delete;

private:
  TcxAlphaBlendProc m_previous;
};

enum class Path { Platform, Software };
constexpr Path kPaths[] = {Path::Platform, Path::Software};
const char* Name(Path path) { return path == Path::Platform ? "platform" : "software"; }

// Runs 'draw' on the chosen blend path.
template <class F>
void OnPath(Path path, F draw) {
  if (path == Path::Software) {
    TWithoutPlatformAlphaBlend software;
    draw();
  } else {
    draw();
  }
}

TEST_F(ImagesTest, AlphaBlendIsBoundAndCanBeReplaced) {
  ASSERT_NE(cxAlphaBlendProc(), nullptr);
  cxBindAlphaBlend();
  cxUnbindAlphaBlend();
  EXPECT_NE(cxAlphaBlendProc(), nullptr);
  {
    TWithoutPlatformAlphaBlend software;
    EXPECT_EQ(cxAlphaBlendProc(), nullptr);
  }
  EXPECT_NE(cxAlphaBlendProc(), nullptr);
}

// ---------------------------------------------------------------- Lanczos-3

TEST(ResizeContributors, SameSizeTakesEachPixelWholly) {
  TcxResizeContributors contributors = cxLanczos3Contributors(5, 5);
  ASSERT_EQ(contributors.size(), 5u);
  for (int i = 0; i < 5; ++i) {
    ASSERT_EQ(contributors[i].size(), 1u) << i;
    EXPECT_EQ(contributors[i][0].Pixel, i);
    EXPECT_EQ(contributors[i][0].Weight, 256);
  }
}

TEST(ResizeContributors, RatioOfTheEndPixels) {
  // 10 -> 19: ratio 18 / 9 = 2, so destination 4 lies exactly on source 2.
  TcxResizeContributors grow = cxLanczos3Contributors(10, 19);
  ASSERT_EQ(grow[4].size(), 1u);
  EXPECT_EQ(grow[4][0].Pixel, 2);
  EXPECT_EQ(grow[4][0].Weight, 256);
  EXPECT_EQ(grow[18].back().Pixel >= 0, true);
  // 10 -> 1: ratio 1 / 10, a kernel 10 times as wide around source 0.
  TcxResizeContributors shrink = cxLanczos3Contributors(10, 1);
  ASSERT_EQ(shrink.size(), 1u);
  EXPECT_GT(shrink[0].size(), 20u);
}

// However narrow the source against the kernel's reach, every contributor
// lies inside it and none has a zero weight.
TEST(ResizeContributors, EveryPositionLiesInsideTheSource) {
  for (int source = 1; source <= 12; ++source) {
    for (int dest = 1; dest <= 25; ++dest) {
      TcxResizeContributors contributors = cxLanczos3Contributors(source, dest);
      ASSERT_EQ(contributors.size(), static_cast<std::size_t>(dest));
      for (const auto& list : contributors) {
        EXPECT_FALSE(list.empty()) << source << " -> " << dest;
        for (const TcxResizeContributor& c : list) {
          EXPECT_GE(c.Pixel, 0) << source << " -> " << dest;
          EXPECT_LT(c.Pixel, source) << source << " -> " << dest;
          EXPECT_NE(c.Weight, 0);
        }
      }
    }
  }
  EXPECT_TRUE(cxLanczos3Contributors(0, 4).front().empty());
  EXPECT_TRUE(cxLanczos3Contributors(4, 0).empty());
}

TEST_F(ImagesTest, LanczosResizeOfTheSameSizeChangesNothing) {
  TOwned<TcxBitmap> source =
      BitmapOf(3, 2, {0xFF102030, 0x80404040, 0x00000000, 0xFFFFFFFF, 0xFF00FF00, 0x7F7F0000});
  TOwned<TcxBitmap> dest(Create<TcxBitmap>(3, 2));
  cxSmoothResizeBitmap(source.get(), dest.get(), true);
  EXPECT_EQ(PixelsOf(dest.get()), PixelsOf(source.get()));
}

// Shrinking to half and to one pixel, growing from one pixel: a uniform
// picture stays (nearly, the weights are not normalised) uniform.
TEST_F(ImagesTest, LanczosResizeOfSmallPicturesStaysInside) {
  struct Case {
    int sw, sh, dw, dh;
  };
  const Case cases[] = {{2, 2, 1, 1}, {10, 10, 1, 1}, {1, 1, 5, 3}, {4, 1, 2, 1}, {7, 5, 13, 2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.sw << "x" << c.sh << " -> " << c.dw << "x" << c.dh);
    TOwned<TcxBitmap> source = FilledBitmap(c.sw, c.sh, 0xFF806040);
    TOwned<TcxBitmap> dest(Create<TcxBitmap>(c.dw, c.dh));
    cxSmoothResizeBitmap(source.get(), dest.get(), true);
    for (std::uint32_t pixel : PixelsOf(dest.get()))
      EXPECT_TRUE(Near(pixel & 0xFFFFFF, 0x806040, 4)) << Hex(pixel);
  }
  TOwned<TcxBitmap> empty(Create<TcxBitmap>());
  TOwned<TcxBitmap> dest = FilledBitmap(2, 2, 0xFF123456);
  cxSmoothResizeBitmap(empty.get(), dest.get(), true);
  cxSmoothResizeBitmap(dest.get(), empty.get(), false);
  cxSmoothResizeBitmap(nullptr, dest.get(), false);
  EXPECT_EQ(PixelAt(dest.get(), 0, 0), 0xFF123456u);
}

// A red-to-blue step of 16 pixels grown to 30: the Lanczos lobes overshoot
// on both sides of the edge (pinned whole: the rows and columns both run).
TEST_F(ImagesTest, LanczosResizeOfAStep) {
  std::vector<std::uint32_t> step(16, 0xFFFF0000);
  std::fill(step.begin() + 8, step.end(), 0xFF0000FF);
  std::vector<std::uint32_t> column;
  for (int y = 0; y < 3; ++y)
    column.insert(column.end(), step.begin(), step.end());
  TOwned<TcxBitmap> source = BitmapOf(16, 3, column);
  TOwned<TcxBitmap> dest(Create<TcxBitmap>(30, 3));
  cxSmoothResizeBitmap(source.get(), dest.get(), true);
  const std::vector<std::uint32_t> expected = {
      0xFFFF0000, 0xFDFD0000, 0xFFFF0000, 0xFDFD0000, 0xFFFF0000, 0xFEFE0000,
      0xFFFF0000, 0xFEFE0000, 0xFFFF0000, 0xFCFC0000, 0xFFFE0000, 0xFFF70007,
      0xFDFF0000, 0xFFFF0000, 0xFFCC0032, 0xFF3200CC, 0xFF0000FF, 0xFD0000FF,
      0xFF0700F7, 0xFF0000FE, 0xFC0000FC, 0xFF0000FF, 0xFE0000FE, 0xFF0000FF,
      0xFE0000FE, 0xFF0000FF, 0xFD0000FD, 0xFF0000FF, 0xFD0000FD, 0xFF0000FF};
  std::vector<std::uint32_t> pixels = PixelsOf(dest.get());
  for (int y = 0; y < 3; ++y)
    EXPECT_EQ(std::vector<std::uint32_t>(pixels.begin() + y * 30, pixels.begin() + y * 30 + 30),
              expected)
        << "row " << y;
}

TEST_F(ImagesTest, HalftoneResizeOfAUniformPicture) {
  TOwned<TcxBitmap> source = FilledBitmap(8, 8, 0xFF806040);
  TOwned<TcxBitmap> dest(Create<TcxBitmap>(3, 5));
  cxSmoothResizeBitmap(source.get(), dest.get());
  EXPECT_TRUE(Near(PixelAt(dest.get(), 1, 2) & 0xFFFFFF, 0x806040, 1))
      << Hex(PixelAt(dest.get(), 1, 2));
}

// ---------------------------------------------------------------- blending

// Premultiplied pixels over an opaque background, on both paths: the
// software blend is exact, the platform's within 1.
TEST_F(ImagesTest, BlendOfTwoBitmapsOnBothPaths) {
  const std::vector<std::uint32_t> source = {0x80000064, 0xFF102030, 0x00000000, 0x40202020};
  const std::vector<std::uint32_t> background = {0xFFC8C8C8, 0xFF000000, 0xFF123456, 0xFF808080};
  const std::vector<std::uint32_t> expected = {0xFF6464C8, 0xFF102030, 0xFF123456, 0xFF808080};
  for (Path path : kPaths) {
    SCOPED_TRACE(Name(path));
    TOwned<TcxBitmap> top = BitmapOf(4, 1, source);
    TOwned<TcxBitmap> dest = BitmapOf(4, 1, background);
    OnPath(path,
           [&] { cxAlphaBlend(dest.get(), top.get(), dest->ClientRect(), top->ClientRect()); });
    std::vector<std::uint32_t> actual = PixelsOf(dest.get());
    for (std::size_t i = 0; i < expected.size(); ++i) {
      int tolerance = path == Path::Platform ? 1 : 0;
      EXPECT_TRUE(Near(actual[i], expected[i], tolerance))
          << i << ": " << Hex(actual[i]) << " expected " << Hex(expected[i]);
    }
  }
}

// The software blend is cxBlendFunction on every pixel, for any pixels
// (premultiplied or not) and constant alpha, whatever the picture's width.
TEST_F(ImagesTest, SoftwareBlendIsTheBlendFunctionOnEveryPixel) {
  TWithoutPlatformAlphaBlend software;
  std::uint32_t seed = 20260101;
  auto next = [&seed] {
    seed = seed * 1664525u + 1013904223u;
    return seed;
  };
  for (int constantAlpha : {255, 254, 200, 128, 1, 0}) {
    SCOPED_TRACE(constantAlpha);
    std::vector<std::uint32_t> top;
    std::vector<std::uint32_t> bottom;
    for (int i = 0; i < 37 * 7; ++i) {
      top.push_back(next());
      bottom.push_back(next());
    }
    top[0] = 0xFFFFFFFF;
    top[1] = 0x00000000;
    TOwned<TcxBitmap> source = BitmapOf(37, 7, top);
    TOwned<TcxBitmap> dest = BitmapOf(37, 7, bottom);
    cxAlphaBlend(dest.get(), source.get(), dest->ClientRect(), source->ClientRect(), false,
                 static_cast<std::uint8_t>(constantAlpha));
    std::vector<std::uint32_t> actual = PixelsOf(dest.get());
    int mismatches = 0;
    for (std::size_t i = 0; i < top.size(); ++i) {
      RGBQUAD expected = Px(bottom[i]);
      cxBlendFunction(Px(top[i]), expected, static_cast<std::uint8_t>(constantAlpha));
      if (Argb(expected) != actual[i] && ++mismatches <= 5)
        ADD_FAILURE() << i << ": " << Hex(actual[i]) << " expected " << Hex(Argb(expected));
    }
  }
}

// The software blend works in place on 32-bit pictures; a destination of
// another depth, a clipped one and a moved origin go through copies, and
// every one of them blends the same pixels into the same place.
TEST_F(ImagesTest, SoftwareBlendHonoursDepthClippingAndOrigin) {
  TWithoutPlatformAlphaBlend software;
  TOwned<TcxBitmap> top = FilledBitmap(4, 4, 0x80000080); // half-opaque blue
  struct Case {
    const char* name;
    TPixelFormat format;
    bool clip;
    bool moveOrigin;
  };
  const Case cases[] = {{"32-bit, in place", TPixelFormat::pf32bit, false, false},
                        {"24-bit", TPixelFormat::pf24bit, false, false},
                        {"clipped", TPixelFormat::pf32bit, true, false},
                        {"moved origin", TPixelFormat::pf32bit, false, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TOwned<TBitmap> target = MakeBitmap(8, 8, clWhite);
    target->SetPixelFormat(c.format);
    HDC dc = target->Canvas()->Handle();
    int saved = ::SaveDC(dc);
    if (c.clip)
      ::ExcludeClipRect(dc, 2, 2, 4, 4);
    if (c.moveOrigin)
      ::SetWindowOrgEx(dc, -2, -2, nullptr);
    cxAlphaBlend(dc, top.get(), c.moveOrigin ? Rect(0, 0, 4, 4) : Rect(2, 2, 6, 6),
                 top->ClientRect());
    ::RestoreDC(dc, saved);
    // 128 of blue plus half of white: (127, 127, 255).
    const TColor blended = RGB(127, 127, 255);
    EXPECT_EQ(MismatchedProbes(target->Canvas(), {{1, 1, clWhite},
                                                  {2, 2, c.clip ? clWhite : blended},
                                                  {3, 3, c.clip ? clWhite : blended},
                                                  {4, 4, blended},
                                                  {5, 5, blended},
                                                  {6, 6, clWhite}}),
              "");
  }
}

// A constant alpha, a stretch and a smooth stretch agree between the paths.
TEST_F(ImagesTest, BlendPathsAgreeWhenStretchingWithConstantAlpha) {
  struct Case {
    const char* name;
    TRect destRect;
    bool smooth;
    std::uint8_t alpha;
  };
  const Case cases[] = {{"same size", Rect(1, 1, 5, 3), false, 100},
                        {"stretched", Rect(0, 0, 8, 4), false, 255},
                        {"smooth, same size", Rect(2, 0, 6, 2), true, 200}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::uint32_t> results[2];
    for (Path path : kPaths) {
      TOwned<TcxBitmap> top = BitmapOf(4, 2,
                                       {0xFF204060, 0x80400000, 0x00000000, 0xFF0000FF, 0x40100000,
                                        0xFFFFFFFF, 0x80808080, 0xC0300030});
      TOwned<TcxBitmap> dest = FilledBitmap(8, 4, 0xFF8090A0);
      OnPath(path, [&] {
        cxAlphaBlend(dest.get(), top.get(), c.destRect, top->ClientRect(), c.smooth, c.alpha);
      });
      results[static_cast<int>(path)] = PixelsOf(dest.get());
    }
    for (std::size_t i = 0; i < results[0].size(); ++i)
      EXPECT_TRUE(Near(results[0][i], results[1][i], 1))
          << i << ": " << Hex(results[0][i]) << " / " << Hex(results[1][i]);
  }
}

TEST_F(ImagesTest, SmoothStretchResamplesTheSource) {
  TOwned<TcxBitmap> top = FilledBitmap(2, 2, 0xFF404040);
  TOwned<TcxBitmap> dest = FilledBitmap(6, 6, 0xFF000000);
  cxAlphaBlend(dest.get(), top.get(), Rect(1, 1, 5, 5), top->ClientRect(), true);
  EXPECT_TRUE(Near(PixelAt(dest.get(), 2, 2), 0xFF404040, 2)) << Hex(PixelAt(dest.get(), 2, 2));
  EXPECT_EQ(PixelAt(dest.get(), 0, 0), 0xFF000000u);
  EXPECT_EQ(PixelAt(dest.get(), 5, 5), 0xFF000000u);
}

// round(byte x (1 - k)) plus the colour's channel x k; 128 / 255 of red over
// grey 128: 64 + 128 = 192 red, 64 green and blue, alpha 127.
TEST_F(ImagesTest, TintOfAnAreaOfABitmap) {
  TOwned<TcxBitmap> bitmap = FilledBitmap(3, 3, 0xFF808080);
  cxAlphaBlend(bitmap.get(), Rect(1, 1, 3, 3), clRed, 128);
  const std::uint32_t g = 0xFF808080;
  const std::uint32_t t = 0x7FC04040;
  EXPECT_EQ(PixelsOf(bitmap.get()), (std::vector<std::uint32_t>{g, g, g, g, t, t, g, t, t}));
  cxAlphaBlend(bitmap.get(), Rect(-5, -5, 1, 1), clWhite, 255);
  EXPECT_EQ(Hex(PixelAt(bitmap.get(), 0, 0)), "00FFFFFF");
  cxAlphaBlend(bitmap.get(), Rect(2, 2, 50, 50), clWhite, 0);
  EXPECT_EQ(PixelAt(bitmap.get(), 2, 2), t);
  TOwned<TBitmap> other = MakeBitmap(2, 2);
  other->SetPixelFormat(TPixelFormat::pf24bit);
  EXPECT_THROW(cxAlphaBlend(other.get(), Rect(0, 0, 1, 1), clRed, 10), EInvalidGraphic);
}

TEST_F(ImagesTest, MixOfTwoBitmapsOnBothPaths) {
  for (Path path : kPaths) {
    SCOPED_TRACE(Name(path));
    TOwned<TcxBitmap> background = BitmapOf(2, 1, {0xFF000000, 0xFF6496C8});
    TOwned<TcxBitmap> foreground = BitmapOf(2, 1, {0xFFFFFFFF, 0xFF000000});
    TOwned<TcxBitmap> result(Create<TcxBitmap>(2, 1));
    OnPath(path, [&] { cxAlphaBlend(result.get(), background.get(), foreground.get(), 128); });
    // 128 x 255 / 255 = 128; 0.498 x (100, 150, 200) = (50, 75, 100).
    EXPECT_TRUE(Near(PixelAt(result.get(), 0, 0) & 0xFFFFFF, 0x808080, 1))
        << Hex(PixelAt(result.get(), 0, 0));
    EXPECT_TRUE(Near(PixelAt(result.get(), 1, 0) & 0xFFFFFF, 0x324B64, 1))
        << Hex(PixelAt(result.get(), 1, 0));
  }
}

TEST_F(ImagesTest, MixInSoftwareRefusesBitmapsOfOtherSizes) {
  TWithoutPlatformAlphaBlend software;
  TOwned<TcxBitmap> narrow = FilledBitmap(2, 2, 0xFF000000);
  TOwned<TcxBitmap> wide = FilledBitmap(3, 2, 0xFFFFFFFF);
  TOwned<TcxBitmap> result(Create<TcxBitmap>(3, 2));
  EXPECT_THROW(cxAlphaBlend(result.get(), wide.get(), narrow.get(), 100), EInvalidGraphic);
  EXPECT_THROW(cxAlphaBlend(result.get(), narrow.get(), wide.get(), 100), EInvalidGraphic);
  EXPECT_THROW(cxAlphaBlend(result.get(), nullptr, wide.get(), 100), EInvalidGraphic);
  TOwned<TBitmap> other = MakeBitmap(3, 2, clRed);
  other->SetPixelFormat(TPixelFormat::pf24bit);
  cxAlphaBlend(result.get(), wide.get(), other.get(), 255);
  EXPECT_EQ(PixelAt(result.get(), 0, 0) & 0xFFFFFF, 0xFF0000u);
}

TEST_F(ImagesTest, BlendsOfNothingDrawNothing) {
  TOwned<TcxBitmap> dest = FilledBitmap(2, 2, 0xFF123456);
  TOwned<TcxBitmap> empty(Create<TcxBitmap>());
  for (Path path : kPaths) {
    OnPath(path, [&] {
      cxAlphaBlend(dest.get(), empty.get(), dest->ClientRect(), empty->ClientRect());
      cxAlphaBlend(dest.get(), dest.get(), Rect(0, 0, 0, 2), Rect(0, 0, 2, 2));
      cxAlphaBlend(dest.get(), nullptr, dest->ClientRect(), dest->ClientRect());
    });
  }
  EXPECT_EQ(PixelsOf(dest.get()), std::vector<std::uint32_t>(4, 0xFF123456));
}

// ---------------------------------------------------------------- cxDrawImage

// A 4 x 4 red glyph whose bottom-left pixel (fuchsia) is its transparent
// colour, 24 bits per pixel (no alpha).
TOwned<TBitmap> RedGlyph() {
  TOwned<TBitmap> glyph = MakeBitmap(4, 4, clRed);
  glyph->Canvas()->SetPixels(0, 3, clFuchsia);
  glyph->SetPixelFormat(TPixelFormat::pf24bit);
  return glyph;
}

struct ModeCase {
  TcxImageDrawMode mode;
  TColor inside; // at (2, 1) of the glyph
};

TEST_F(ImagesTest, DrawImageInEveryModeOnBothPaths) {
  const ModeCase cases[] = {
      {TcxImageDrawMode::idmNormal, clRed},
      {TcxImageDrawMode::idmFaded, RGB(210, 210, 210)}, // grey 76 at 64 over white
      {TcxImageDrawMode::idmGrayScale, RGB(85, 85, 85)},
      {TcxImageDrawMode::idmDingy, RGB(255, 77, 77)},
      {TcxImageDrawMode::idmDisabled, RGB(142, 142, 142)},
  };
  for (Path path : kPaths) {
    for (const ModeCase& c : cases) {
      SCOPED_TRACE(testing::Message() << Name(path) << " mode " << static_cast<int>(c.mode));
      TOwned<TBitmap> glyph = RedGlyph();
      TOwned<TBitmap> target = MakeBitmap(8, 8, clWhite);
      OnPath(path, [&] {
        cxDrawImage(target->Canvas()->Handle(), Rect(2, 2, 6, 6), Rect(1, 1, 7, 7), glyph.get(),
                    nullptr, -1, c.mode);
      });
      TColor inside = target->Canvas()->Pixels(4, 3);
      EXPECT_TRUE(Near(static_cast<std::uint32_t>(inside), static_cast<std::uint32_t>(c.inside), 1))
          << Hex(inside);
      EXPECT_EQ(target->Canvas()->Pixels(2, 5), clWhite) << "the transparent pixel";
      EXPECT_EQ(target->Canvas()->Pixels(0, 0), clWhite);
    }
  }
}

// A 2 x 2 square at (1, 1) of a 6 x 6 glyph: the shadow falls two pixels down
// and right, then the whole moves one pixel up and left.
TEST_F(ImagesTest, ShadowedImageCastsAShadowDownAndRight) {
  TOwned<TBitmap> glyph = MakeBitmap(6, 6, clFuchsia);
  glyph->Canvas()->Brush()->SetColor(clRed);
  glyph->Canvas()->FillRect(Rect(1, 1, 3, 3));
  TOwned<TBitmap> target = MakeBitmap(10, 10, clWhite);
  cxDrawImage(target->Canvas()->Handle(), Rect(2, 2, 8, 8), Rect(0, 0, 10, 10), glyph.get(),
              nullptr, -1, TcxImageDrawMode::idmShadowed);
  EXPECT_EQ(MismatchedProbes(target->Canvas(), {{2, 2, clRed},
                                                {3, 3, clRed},
                                                {4, 4, RGB(128, 128, 128)},
                                                {5, 5, RGB(128, 128, 128)},
                                                {6, 6, clWhite},
                                                {7, 7, clWhite}}),
            "");
}

TEST_F(ImagesTest, DrawImageWithoutAnImageOrTakenOverLeavesTheContext) {
  TOwned<TBitmap> target = MakeBitmap(6, 6, clLime);
  HDC dc = target->Canvas()->Handle();
  TOwned<TImageList> images(Create<TImageList>(nullptr));
  cxDrawImage(dc, Rect(0, 0, 4, 4), Rect(0, 0, 6, 6), nullptr, images.get(), 0,
              TcxImageDrawMode::idmNormal);
  TOwned<TBitmap> glyph = RedGlyph();
  int calls = 0;
  TRect seen{};
  CustomDrawImageProc = [&](TCanvas*, TCustomImageList*, int, TBitmap* g, const TRect& r,
                            TcxImageDrawMode) {
    ++calls;
    seen = r;
    return g != nullptr;
  };
  cxDrawImage(dc, Rect(2, 2, 6, 6), Rect(1, 1, 6, 6), glyph.get(), nullptr, -1,
              TcxImageDrawMode::idmNormal);
  CustomDrawImageProc = nullptr;
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(seen, Rect(1, 1, 5, 5));
  EXPECT_FALSE(HasInk(target->Canvas(), Rect(0, 0, 6, 6), clLime));
}

TEST_F(ImagesTest, DrawImageOverABrushAndFromAnImageList) {
  TOwned<TImageList> images(Create<TImageList>(nullptr));
  images->SetSize(4, 4);
  TOwned<TBitmap> glyph = RedGlyph();
  images->AddMasked(glyph.get(), clFuchsia);
  TOwned<TBitmap> target = MakeBitmap(6, 6, clWhite);
  TOwnedBrush brush(::CreateSolidBrush(RGB(0, 0, 255)));
  cxDrawImage(target->Canvas()->Handle(), Rect(1, 1, 5, 5), Rect(0, 0, 6, 6), nullptr, images.get(),
              0, TcxImageDrawMode::idmNormal, false, brush.Get());
  EXPECT_EQ(MismatchedProbes(target->Canvas(),
                             {{2, 2, clRed}, {1, 4, clBlue}, {0, 0, clBlue}, {5, 5, clBlue}}),
            "");
}

TEST_F(ImagesTest, HatchOverAContext) {
  TOwned<TBitmap> target = MakeBitmap(6, 4, clWhite);
  cxDrawHatch(target->Canvas()->Handle(), Rect(1, 0, 5, 4), clBlack, clBlue, 2);
  EXPECT_EQ(
      MismatchedProbes(
          target->Canvas(),
          {{0, 0, clWhite}, {1, 3, clBlack}, {3, 3, clBlue}, {1, 0, clBlue}, {5, 3, clWhite}}),
      "");
  cxDrawHatch(target->Canvas()->Handle(), Rect(3, 3, 3, 9), clRed, clRed, 1);
  EXPECT_THROW(cxDrawHatch(target->Canvas()->Handle(), Rect(0, 0, 2, 2), clRed, clRed, 0),
               EInvalidGraphic);
}

TEST_F(ImagesTest, CopiesMoveByTheirOffsets) {
  TOwned<TBitmap> source = MakeBitmap(4, 4, clWhite);
  source->Canvas()->SetPixels(2, 2, clRed);
  TOwned<TBitmap> dest = MakeBitmap(4, 4, clWhite);
  cxCopyImage(source.get(), dest.get(), TPoint{-1, -1}, TPoint{0, 0}, Rect(2, 2, 3, 3));
  EXPECT_EQ(dest->Canvas()->Pixels(1, 1), clRed);
  TOwned<TBitmap> back = MakeBitmap(4, 4, clWhite);
  cxCopyImage(dest->Canvas(), back->Canvas(), TPoint{0, 0}, TPoint{2, 1}, Rect(1, 1, 2, 2));
  EXPECT_EQ(back->Canvas()->Pixels(3, 2), clRed);
}

// A 32 x 32 monochrome cursor whose AND mask is opaque in rows 0..andRows-1
// and whose XOR mask is set in rows 0..xorRows-1 (top row first).
HCURSOR MakeCursor(int andRows, int xorRows, int hotY) {
  std::vector<BYTE> andPlane(32 * 4, 0xFF);
  std::vector<BYTE> xorPlane(32 * 4, 0x00);
  std::fill(andPlane.begin(), andPlane.begin() + andRows * 4, 0x00);
  std::fill(xorPlane.begin(), xorPlane.begin() + xorRows * 4, 0xFF);
  return ::CreateCursor(::GetModuleHandleW(nullptr), 0, hotY, 32, 32, andPlane.data(),
                        xorPlane.data());
}

// The height runs from the hot spot to the last visible row: of the AND mask,
// or of the XOR mask when the AND mask shows nothing.
TEST_F(ImagesTest, CursorSizeFromItsMasks) {
  struct Case {
    const char* name;
    int andRows;
    int xorRows;
    int hotY;
    TSize expected;
  };
  const Case cases[] = {{"opaque rows 0..9, hot spot at 2", 10, 0, 2, {32, 7}},
                        {"inverted rows 0..4 only", 0, 5, 0, {32, 4}},
                        {"nothing visible", 0, 0, 0, {32, 0}}};
  HCURSOR previous = ::GetCursor();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    HCURSOR cursor = MakeCursor(c.andRows, c.xorRows, c.hotY);
    ASSERT_NE(cursor, nullptr);
    ::SetCursor(cursor);
    TSize size = cxGetCursorSize();
    ::SetCursor(previous);
    ::DestroyCursor(cursor);
    EXPECT_EQ(size.cx, c.expected.cx);
    EXPECT_EQ(size.cy, c.expected.cy);
  }
  ::SetCursor(nullptr);
  TSize none = cxGetCursorSize();
  ::SetCursor(previous);
  EXPECT_EQ(none.cx, ::GetSystemMetrics(SM_CXCURSOR));
  EXPECT_EQ(none.cy, ::GetSystemMetrics(SM_CYCURSOR));
}

// Drawing in every mode, blending and resizing on both paths leaves no GDI
// object behind.
TEST_F(ImagesTest, DrawingLeavesNoGdiObjects) {
  auto use = [] {
    TOwned<TBitmap> glyph = RedGlyph();
    TOwned<TBitmap> target = MakeBitmap(12, 12, clWhite);
    TOwned<TImageList> images(Create<TImageList>(nullptr));
    images->SetSize(4, 4);
    images->AddMasked(glyph.get(), clFuchsia);
    for (Path path : kPaths) {
      OnPath(path, [&] {
        for (int mode = 0; mode <= static_cast<int>(TcxImageDrawMode::idmShadowed); ++mode) {
          cxDrawImage(target->Canvas()->Handle(), Rect(0, 0, 8, 8), Rect(0, 0, 10, 10), glyph.get(),
                      nullptr, -1, static_cast<TcxImageDrawMode>(mode), mode % 2);
          cxDrawImage(target->Canvas()->Handle(), Rect(1, 1, 5, 5), Rect(0, 0, 6, 6), nullptr,
                      images.get(), 0, static_cast<TcxImageDrawMode>(mode));
        }
        TOwned<TcxBitmap> result(Create<TcxBitmap>(4, 4));
        TOwned<TcxBitmap> other = FilledBitmap(4, 4, 0x80402010);
        cxAlphaBlend(result.get(), other.get(), other.get(), 10);
        cxAlphaBlend(target.get(), Rect(0, 0, 3, 3), clRed, 10);
        cxSmoothResizeBitmap(other.get(), result.get(), true);
        cxDrawHatch(target->Canvas()->Handle(), Rect(0, 0, 5, 5), clRed, clBlue, 2);
        cxGetCursorSize();
      });
    }
  };
  use();
  TGdiObjectsUnchanged unchanged;
  for (int i = 0; i < 10; ++i)
    use();
}

// One picture of the draw modes (top row: glyph; second: smooth stretch) and
// of the transformations side by side.
TEST_F(ImagesTest, PictureOfTheDrawModesAndTransformations) {
  if (!std::getenv("TEST_PICTURES"))
    GTEST_SKIP() << "TEST_PICTURES not set";
  TOwned<TBitmap> picture = MakeBitmap(6 * 40 + 10, 3 * 40 + 10, clBtnFace);
  TOwned<TBitmap> glyph = MakeBitmap(16, 16, clFuchsia);
  TCanvas* g = glyph->Canvas();
  g->Brush()->SetColor(clRed);
  g->Ellipse(1, 1, 15, 15);
  g->Brush()->SetColor(clBlue);
  g->FillRect(Rect(5, 5, 11, 11));
  g->Brush()->SetColor(clYellow);
  g->FillRect(Rect(7, 2, 9, 4));
  glyph->SetPixelFormat(TPixelFormat::pf24bit);
  HDC dc = picture->Canvas()->Handle();
  for (int mode = 0; mode <= static_cast<int>(TcxImageDrawMode::idmShadowed); ++mode) {
    int x = 10 + mode * 40;
    cxDrawImage(dc, Bounds(x, 10, 16, 16), Bounds(x, 10, 30, 30), glyph.get(), nullptr, -1,
                static_cast<TcxImageDrawMode>(mode));
    cxDrawImage(dc, Bounds(x, 50, 30, 30), Bounds(x, 50, 30, 30), glyph.get(), nullptr, -1,
                static_cast<TcxImageDrawMode>(mode), true);
  }
  const TcxBitmapTransformationMode transformations[] = {
      TcxBitmapTransformationMode::btmDingy,     TcxBitmapTransformationMode::btmDirty,
      TcxBitmapTransformationMode::btmGrayScale, TcxBitmapTransformationMode::btmFade,
      TcxBitmapTransformationMode::btmDisable,   TcxBitmapTransformationMode::btmHatch};
  for (int i = 0; i < 6; ++i) {
    TOwned<TcxBitmap> bitmap(Create<TcxBitmap>(30, 30));
    bitmap->Canvas()->StretchDraw(bitmap->ClientRect(), glyph.get());
    bitmap->TransformBitmap(TcxBitmapTransformationMode::btmSetOpaque);
    if (transformations[i] == TcxBitmapTransformationMode::btmHatch)
      bitmap->DrawHatch(clWhite, clBlack, 4, 128, 64);
    else
      bitmap->TransformBitmap(transformations[i]);
    cxBitBlt(dc, bitmap->Canvas()->Handle(), Bounds(10 + i * 40, 90, 30, 30), TPoint{0, 0},
             SRCCOPY);
  }
  SavePicture(picture.get(), "cxGraphicsDrawModes");
}

} // namespace
