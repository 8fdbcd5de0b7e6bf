// Smooth resizing of bitmaps: the platform's HALFTONE stretch, or the
// library's separable Lanczos-3 resampler of 32-bit pixels (weights in
// 1/256, first along the rows into an intermediate image, then along the
// columns).
#pragma once

#include <vector>

#include "platform/graphics/Bitmaps.h"

// One source pixel of a destination pixel and its weight (256 = 1).
struct TcxResizeContributor {
  int Pixel;
  int Weight;
};
using TcxResizeContributors = std::vector<std::vector<TcxResizeContributor>>;

// The Lanczos-3 contributors of every destination position along one axis;
// every source position lies inside 0..sourceSize-1.
TcxResizeContributors cxLanczos3Contributors(int sourceSize, int destSize);
// Resamples 'source' into 'destination's current size: the platform's
// HALFTONE stretch, or with 'forceUseLanczos3Filter' the library's Lanczos-3
// filter. Nothing happens when either size is 0.
void cxSmoothResizeBitmap(TBitmap* source, TBitmap* destination,
                          bool forceUseLanczos3Filter = false);
