// Helpers of the graphics tests: bitmaps to draw on, pixel probes and pinned
// system colours.
#pragma once

#include <cstdio>
#include <initializer_list>
#include <map>
#include <string>

#include "platform/graphics/Bitmaps.h"
#include "platform/graphics/Colors.h"

// A 32-bit bitmap of the size, filled with 'fill'.
inline TOwned<TBitmap> MakeBitmap(int width, int height, TColor fill = clWhite) {
  TOwned<TBitmap> bitmap(Create<TBitmap>());
  bitmap->SetPixelFormat(TPixelFormat::pf32bit);
  bitmap->SetSize(width, height);
  bitmap->Canvas()->Brush()->SetColor(fill);
  bitmap->Canvas()->FillRect(Rect(0, 0, width, height));
  return bitmap;
}

// One pixel and the colour expected there.
struct TProbe {
  int X;
  int Y;
  TColor Expected;
};

inline std::string DescribeProbe(const TProbe& probe, TColor actual) {
  char text[96];
  std::snprintf(text, sizeof(text), "pixel (%d, %d) is %06X, expected %06X", probe.X, probe.Y,
                static_cast<unsigned>(actual), static_cast<unsigned>(probe.Expected));
  return text;
}

// The probes whose pixels differ, described; empty when all match.
inline std::string MismatchedProbes(TCanvas* canvas, std::initializer_list<TProbe> probes) {
  std::string result;
  for (const TProbe& probe : probes) {
    TColor actual = canvas->Pixels(probe.X, probe.Y);
    if (actual != probe.Expected)
      result += DescribeProbe(probe, actual) + "\n";
  }
  return result;
}

// Whether any pixel of the rectangle differs from 'background'.
inline bool HasInk(TCanvas* canvas, const TRect& rect, TColor background) {
  for (int y = rect.Top; y < rect.Bottom; ++y)
    for (int x = rect.Left; x < rect.Right; ++x)
      if (canvas->Pixels(x, y) != background)
        return true;
  return false;
}

// Pins system colours while it lives; the others keep the platform's values.
class TPinnedSystemColors {
public:
  explicit TPinnedSystemColors(std::map<int, COLORREF> pinned) {
    m_previous = SetSysColorFunction([pinned](int index) {
      auto found = pinned.find(index);
      return found != pinned.end() ? found->second : ::GetSysColor(index);
    });
  }
  ~TPinnedSystemColors() { SetSysColorFunction(m_previous); }
  TPinnedSystemColors(const TPinnedSystemColors&) = delete;
  TPinnedSystemColors& operator=(const TPinnedSystemColors&) = delete;

private:
  TSysColorFunction m_previous;
};
