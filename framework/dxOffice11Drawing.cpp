#include "framework/dxOffice11Drawing.h"

#include <algorithm>

#include "framework/dxOffice11.h"

namespace {

constexpr int kMaxGradientBands = 256;

int Channel(TColor rgb, int index) { return (rgb >> (8 * index)) & 0xFF; }

// Per channel: from + MulDiv(step, to - from, steps), kept to 0..255.
TColor Interpolate(TColor from, TColor to, int step, int steps) {
  TColor result = 0;
  for (int i = 0; i < 3; ++i) {
    const int value = Channel(from, i) + ::MulDiv(step, Channel(to, i) - Channel(from, i), steps);
    result |= std::clamp(value, 0, 255) << (8 * i);
  }
  return result;
}

void FillSolid(HDC dc, const TRect& rect, TColor rgb) {
  HBRUSH brush = ::CreateSolidBrush(static_cast<COLORREF>(rgb));
  ::FillRect(dc, AsRECT(rect), brush);
  ::DeleteObject(brush);
}

int Extent(const TRect& rect, bool horizontal) {
  return horizontal ? rect.Right - rect.Left : rect.Bottom - rect.Top;
}

int Start(const TRect& rect, bool horizontal) { return horizontal ? rect.Left : rect.Top; }

// The part of the rectangle between two offsets along the gradient.
TRect Band(const TRect& rect, bool horizontal, int from, int to) {
  TRect band = rect;
  if (horizontal) {
    band.Left = rect.Left + from;
    band.Right = rect.Left + to;
  } else {
    band.Top = rect.Top + from;
    band.Bottom = rect.Top + to;
  }
  return band;
}

// Band i of n over 'extent' pixels ends at this offset.
int BandEnd(int band, int extent, int bandCount) { return ::MulDiv(band + 1, extent, bandCount); }

TColor BandColor(TColor rgb1, TColor rgb2, int band, int bandCount) {
  return bandCount == 1 ? rgb1 : Interpolate(rgb1, rgb2, band, bandCount - 1);
}

// The tube gradient's colour at one-pixel band i of n.
TColor TubeColor(TColor rgb1, TColor rgb2, TColor middle, int band, int n) {
  const int half = n / 2;
  TColor result = 0;
  for (int c = 0; c < 3; ++c) {
    const int from = Channel(rgb1, c), to = Channel(rgb2, c), mid = Channel(middle, c);
    int value = mid;
    if (band < half) {
      const int firstEnd = from - ::MulDiv(from - mid, n, half);
      value = from + ::MulDiv(band, firstEnd - from, n - 1);
    } else if (band > half) {
      const int secondStart = to + ::MulDiv(mid - to, n, half);
      value = secondStart + ::MulDiv(band, to - secondStart, n - 1);
    }
    result |= std::clamp(value, 0, 255) << (8 * c);
  }
  return result;
}

TColor ArrowColor(bool selected, bool enabled) {
  if (!enabled)
    return dxOffice11TextDisabledColor;
  if (selected && IsHighContrastWhite())
    return clWhite;
  return dxOffice11TextEnabledColor;
}

void DrawTriangle(HDC dc, const POINT (&points)[3], TColor color) {
  const COLORREF rgb = static_cast<COLORREF>(ColorToRGB(color));
  HPEN pen = ::CreatePen(PS_SOLID, 1, rgb);
  HBRUSH brush = ::CreateSolidBrush(rgb);
  HGDIOBJ oldPen = ::SelectObject(dc, pen);
  HGDIOBJ oldBrush = ::SelectObject(dc, brush);
  ::Polygon(dc, points, 3);
  ::SelectObject(dc, oldBrush);
  ::SelectObject(dc, oldPen);
  ::DeleteObject(brush);
  ::DeleteObject(pen);
}

// One finger dot: the light square, and over it the dark one a pixel up and
// to the left.
void DrawFinger(HDC dc, const TRect& cell) {
  const TRect light{cell.Left + 1, cell.Top + 1, cell.Right - 1, cell.Bottom - 1};
  const TRect dark{light.Left - 1, light.Top - 1, light.Right - 1, light.Bottom - 1};
  ::FillRect(dc, AsRECT(light), dxOffice11BarFingerBrush2);
  ::FillRect(dc, AsRECT(dark), dxOffice11BarFingerBrush1);
}

} // namespace

void FillGradientRect(HDC dc, const TRect& rect, TColor color1, bool horizontal, TColor color2) {
  const TColor rgb1 = ColorToRGB(color1);
  const TColor rgb2 = ColorToRGB(color2);
  if (rgb1 == rgb2) {
    FillSolid(dc, rect, rgb1);
    return;
  }
  const int extent = Extent(rect, horizontal);
  if (extent <= 0)
    return;
  const int bandCount = std::min(extent, kMaxGradientBands);
  int from = 0;
  for (int band = 0; band < bandCount && from < extent; ++band) {
    const int to = BandEnd(band, extent, bandCount);
    if (to > from)
      FillSolid(dc, Band(rect, horizontal, from, to), BandColor(rgb1, rgb2, band, bandCount));
    from = std::max(from, to);
  }
}

// Finds the band whose pixels hold the position, with the band edges the
// fill uses (a formula of the position alone misses them by one band at
// some edges once there are more pixels than bands).
TColor GetGradientColorRect(const TRect& rect, int position, TColor color1, bool horizontal,
                            TColor color2) {
  const TColor rgb1 = ColorToRGB(color1);
  const TColor rgb2 = ColorToRGB(color2);
  const int extent = Extent(rect, horizontal);
  if (extent <= 0)
    return rgb1;
  const int bandCount = std::min(extent, kMaxGradientBands);
  const int offset = position - Start(rect, horizontal);
  int band = 0;
  while (band < bandCount - 1 && BandEnd(band, extent, bandCount) <= offset)
    ++band;
  return BandColor(rgb1, rgb2, band, bandCount);
}

void FillTubeGradientRect(HDC dc, const TRect& rect, TColor color1, bool horizontal,
                          TColor color2) {
  const TColor rgb1 = ColorToRGB(color1);
  const TColor rgb2 = ColorToRGB(color2);
  if (rgb1 == rgb2) {
    FillSolid(dc, rect, rgb1);
    return;
  }
  const int n = Extent(rect, horizontal);
  if (n <= 0)
    return;
  TColor middle = 0;
  for (int c = 0; c < 3; ++c) {
    const int from = Channel(rgb1, c);
    const int value = from - ::MulDiv(from - Channel(rgb2, c), dxOffice11TubeGradientPercent(), 200);
    middle |= std::clamp(value, 0, 255) << (8 * c);
  }
  for (int band = 0; band < n; ++band)
    FillSolid(dc, Band(rect, horizontal, band, band + 1), TubeColor(rgb1, rgb2, middle, band, n));
}

void FillRectByColor(HDC dc, const TRect& rect, TColor color) {
  FillSolid(dc, rect, ColorToRGB(color));
}

void FrameRectByColor(HDC dc, const TRect& rect, TColor color) {
  HBRUSH brush = ::CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(color)));
  ::FrameRect(dc, AsRECT(rect), brush);
  ::DeleteObject(brush);
}

void Office11FrameSelectedRect(HDC dc, const TRect& rect) {
  if (IsHighContrastBlack() || IsHighContrast2())
    FrameRectByColor(dc, rect, clHighlightText);
  else if (dxOffice11SelectedBorderBrush)
    ::FrameRect(dc, AsRECT(rect), dxOffice11SelectedBorderBrush);
  else
    FrameRectByColor(dc, rect, dxOffice11SelectedBorderColor);
}

void Office11DrawFingerElements(HDC dc, const TRect& rect, bool vertical) {
  const int extent = Extent(rect, !vertical);
  const int rest = extent % 4;
  const int shift = rest < 2 ? rest : rest / 2;
  TRect cell{rect.Left, rect.Top, rect.Left + 4, rect.Top + 4};
  if (vertical)
    ::OffsetRect(AsRECT(cell), 0, shift);
  else
    ::OffsetRect(AsRECT(cell), shift, 0);
  while (vertical ? cell.Bottom <= rect.Bottom : cell.Right <= rect.Right) {
    DrawFinger(dc, cell);
    if (vertical)
      ::OffsetRect(AsRECT(cell), 0, 4);
    else
      ::OffsetRect(AsRECT(cell), 4, 0);
  }
}

void Office11DrawSizeGrip(HDC dc, const TRect& rect) {
  TRect row{rect.Right - 12, rect.Bottom - 3, rect.Right, rect.Bottom};
  for (int i = 0; i < 3; ++i) {
    Office11DrawFingerElements(dc, row, false);
    row.Left += 4;
    ::OffsetRect(AsRECT(row), 0, -4);
  }
}

void Office11DrawItemArrow(HDC dc, const TRect& rect, bool down, bool selected, bool enabled,
                           bool isLast) {
  const int extent = down ? rect.Right - rect.Left - 8 : rect.Bottom - rect.Top - 6;
  int size = (extent - 1) / 2;
  if (extent % 2 != 0)
    ++size;
  Office11DrawLargeItemArrow(dc, rect, down, std::max(size, 3), selected, enabled, isLast);
}

void Office11DrawLargeItemArrow(HDC dc, const TRect& rect, bool down, int size, bool selected,
                                bool enabled, bool /*isLast*/) {
  const int length = 2 * size - 1;
  if (down) {
    const int x = (rect.Left + rect.Right - length) / 2;
    const int y = (rect.Top + rect.Bottom - size) / 2;
    DrawTriangle(dc, {{x, y}, {x + length - 1, y}, {x + size - 1, y + size - 1}},
                 ArrowColor(selected, enabled));
  } else {
    const int x = (rect.Left + rect.Right - size) / 2;
    const int y = (rect.Top + rect.Bottom - length) / 2;
    DrawTriangle(dc, {{x, y}, {x, y + length - 1}, {x + size - 1, y + size - 1}},
                 ArrowColor(selected, enabled));
  }
}
