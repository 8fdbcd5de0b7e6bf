// Helpers of the library's drawing tests: pixels written as BGRA values,
// bitmaps filled from tables of pixels, and a guard that checks a group of
// drawing leaves the process's GDI objects as it found them.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "framework/cxGraphicsBitmaps.h"
#include "tests/support/GTest.h"
#include "tests/support/GdiObjects.h"

// A pixel written as 0xAARRGGBB.
inline RGBQUAD Px(std::uint32_t argb) {
  return RGBQUAD{static_cast<BYTE>(argb & 0xFF), static_cast<BYTE>((argb >> 8) & 0xFF),
                 static_cast<BYTE>((argb >> 16) & 0xFF), static_cast<BYTE>(argb >> 24)};
}

inline std::uint32_t Argb(const RGBQUAD& p) {
  return (static_cast<std::uint32_t>(p.rgbReserved) << 24) | (p.rgbRed << 16) | (p.rgbGreen << 8) |
         p.rgbBlue;
}

inline std::string Hex(std::uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof(text), "%08X", static_cast<unsigned>(value));
  return text;
}

// A TcxBitmap whose pixels, top row first, are the given 0xAARRGGBB values.
inline TOwned<TcxBitmap> BitmapOf(int width, int height, const std::vector<std::uint32_t>& argb) {
  TOwned<TcxBitmap> bitmap(Create<TcxBitmap>(width, height));
  TRGBColors colors;
  for (std::uint32_t value : argb)
    colors.push_back(Px(value));
  SetBitmapBits(bitmap.get(), colors, true);
  return bitmap;
}

// A bitmap of one 0xAARRGGBB value everywhere.
inline TOwned<TcxBitmap> FilledBitmap(int width, int height, std::uint32_t argb) {
  return BitmapOf(width, height,
                  std::vector<std::uint32_t>(static_cast<std::size_t>(width * height), argb));
}

// The pixels as 0xAARRGGBB values, top row first.
inline std::vector<std::uint32_t> PixelsOf(TBitmap* bitmap) {
  std::vector<std::uint32_t> result;
  for (const RGBQUAD& p : GetBitmapBits(bitmap, true))
    result.push_back(Argb(p));
  return result;
}

inline std::uint32_t PixelAt(TBitmap* bitmap, int x, int y) {
  return PixelsOf(bitmap)[static_cast<std::size_t>(y * bitmap->Width() + x)];
}

// Whether two pixels differ by at most 'tolerance' in every channel.
inline bool Near(std::uint32_t a, std::uint32_t b, int tolerance) {
  for (int shift = 0; shift < 32; shift += 8) {
    int d = static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF);
    if (d > tolerance || d < -tolerance)
      return false;
  }
  return true;
}

// Checks at the end of its scope that the number of GDI objects is unchanged.
class TGdiObjectsUnchanged {
public:
  TGdiObjectsUnchanged() : m_before(CountGdiObjects()) {}
  ~TGdiObjectsUnchanged() { EXPECT_EQ(CountGdiObjects(), m_before) << "GDI objects leaked"; }
  TGdiObjectsUnchanged(const TGdiObjectsUnchanged&) = delete;
  TGdiObjectsUnchanged& operator=(const TGdiObjectsUnchanged&) = delete;

private:
  int m_before;
};
