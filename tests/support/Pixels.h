// Reading back what tests drew: colours as they land in a 32-bit surface and
// counts of pixels.
#pragma once

#include "platform/graphics/Bitmaps.h"
#include "platform/graphics/Colors.h"

// A colour, system colours included, as it lands in a 32-bit surface.
inline TColor Rgb(TColor color) { return ColorToRGB(color); }

// The pixels of 'color' in 'rect' of the bitmap.
inline int CountPixels(TBitmap* bitmap, const TRect& rect, TColor color) {
  const TColor rgb = Rgb(color);
  int count = 0;
  for (int y = rect.Top; y < rect.Bottom; ++y)
    for (int x = rect.Left; x < rect.Right; ++x)
      if (bitmap->Canvas()->Pixels(x, y) == rgb)
        ++count;
  return count;
}
