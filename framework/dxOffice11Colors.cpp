#include "framework/dxOffice11Colors.h"

#include <algorithm>

namespace {

int Channel(TColor rgb, int index) { return (rgb >> (8 * index)) & 0xFF; }

TColor FromChannels(const int (&channels)[3]) {
  return std::clamp(channels[0], 0, 255) | std::clamp(channels[1], 0, 255) << 8 |
         std::clamp(channels[2], 0, 255) << 16;
}

// numerator / 100 rounded to the nearest integer, halves to even.
int RoundHundredths(int numerator) {
  if (numerator < 0)
    return -RoundHundredths(-numerator);
  const int quotient = numerator / 100;
  const int remainder = numerator % 100;
  if (remainder > 50 || (remainder == 50 && quotient % 2 == 1))
    return quotient + 1;
  return quotient;
}

} // namespace

TColor GetMiddleRGB(TColor color1, TColor color2, int percent) {
  const TColor rgb1 = ColorToRGB(color1);
  const TColor rgb2 = ColorToRGB(color2);
  int channels[3];
  for (int i = 0; i < 3; ++i)
    channels[i] = ::MulDiv(Channel(rgb2, i), 100 - percent, 100) +
                  ::MulDiv(Channel(rgb1, i), percent, 100);
  return GetRealColor(FromChannels(channels));
}

TColor Dark(TColor color, int percent) {
  const TColor rgb = ColorToRGB(color);
  int channels[3];
  for (int i = 0; i < 3; ++i)
    channels[i] = RoundHundredths(percent * Channel(rgb, i));
  return FromChannels(channels);
}

// The sum of the two rounded parts reaches 256 for a white channel at 50 %
// (127.5 and 127.5 both round up); it stays 255 rather than wrapping to 0.
TColor Light(TColor color, int percent) {
  const TColor rgb = ColorToRGB(color);
  const int raise = RoundHundredths(25500 - 255 * percent);
  int channels[3];
  for (int i = 0; i < 3; ++i)
    channels[i] = RoundHundredths(percent * Channel(rgb, i)) + raise;
  return FromChannels(channels);
}

bool IsHighContrastBlack() { return ColorToRGB(clBtnFace) == clBlack; }

bool IsHighContrastWhite() { return ColorToRGB(clBtnFace) == clWhite; }

bool IsHighContrast2() { return IsHighContrastBlack() && ColorToRGB(clBtnText) != clWhite; }
