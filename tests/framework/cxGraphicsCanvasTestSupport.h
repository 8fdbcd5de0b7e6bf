// Shared by the drawing-layer tests: a fixture that starts the graphics unit
// and checks that every test leaves the number of GDI objects as it found
// it, a surface with a TcxCanvas on it, and pixel helpers.
#pragma once

#include "tests/support/GTest.h"

#include <cstdio>
#include <string>

#include "framework/cxGeometry.h"
#include "framework/cxGraphics.h"
#include "tests/platform/graphics/GraphicsTestHelpers.h"
#include "tests/support/GdiObjects.h"

// The unit runs for the whole test program (as in the messenger); each test
// must leave the GDI object count unchanged.
class TcxGraphicsTest : public testing::Test {
protected:
  static void SetUpTestSuite() {
    cxGraphicsUnit.Initialization();
    cxScreenCanvas()->Handle();
    // Wine keeps the screen context of a second screen canvas cached.
    TOwned<TcxScreenCanvas> second(Create<TcxScreenCanvas>());
    second->TextWidth("a");
  }
  static void TearDownTestSuite() { cxGraphicsUnit.Finalization(); }
  void SetUp() override { m_objects = CountGdiObjects(); }
  void TearDown() override { EXPECT_EQ(CountGdiObjects(), m_objects) << "GDI objects leaked"; }

private:
  int m_objects = 0;
};

// A white 32-bit bitmap with a TcxCanvas on its canvas.
class TSurface {
public:
  TSurface(int width, int height, TColor fill = clWhite)
      : m_bitmap(MakeBitmap(width, height, fill)),
        m_canvas(Create<TcxCanvas>(m_bitmap->Canvas())) {}

  TcxCanvas* operator->() const { return m_canvas.get(); }
  TcxCanvas* Canvas() const { return m_canvas.get(); }
  TBitmap* Bitmap() const { return m_bitmap.get(); }
  TColor Pixel(int x, int y) const { return m_bitmap->Canvas()->Pixels(x, y); }
  std::string Mismatches(std::initializer_list<TProbe> probes) const {
    return MismatchedProbes(m_bitmap->Canvas(), probes);
  }
  // The bounding box of the pixels of colour 'color' (empty when none).
  TRect InkBox(TColor color) const {
    TRect box{};
    bool found = false;
    for (int y = 0; y < m_bitmap->Height(); ++y)
      for (int x = 0; x < m_bitmap->Width(); ++x)
        if (Pixel(x, y) == color) {
          box = found ? cxRectUnion(box, Rect(x, y, x + 1, y + 1)) : Rect(x, y, x + 1, y + 1);
          found = true;
        }
    return box;
  }
  // How many pixels have the colour.
  int Count(TColor color) const {
    int count = 0;
    for (int y = 0; y < m_bitmap->Height(); ++y)
      for (int x = 0; x < m_bitmap->Width(); ++x)
        count += Pixel(x, y) == color;
    return count;
  }

private:
  TOwned<TBitmap> m_bitmap;
  TOwned<TcxCanvas> m_canvas;
};

// Unbinds the platform's AlphaBlend while it lives (the software paths run).
class TAlphaBlendUnbound {
public:
  TAlphaBlendUnbound() : m_previous(cxSetAlphaBlendProc(nullptr)) {}
  ~TAlphaBlendUnbound() { cxSetAlphaBlendProc(m_previous); }
  TAlphaBlendUnbound(const TAlphaBlendUnbound&) = delete;
  TAlphaBlendUnbound& operator=(const TAlphaBlendUnbound&) = delete;

private:
  TcxAlphaBlendProc m_previous;
};

inline std::string DescribeRect(const TRect& r) {
  char text[64];
  std::snprintf(text, sizeof(text), "(%d, %d, %d, %d)", r.Left, r.Top, r.Right, r.Bottom);
  return text;
}
