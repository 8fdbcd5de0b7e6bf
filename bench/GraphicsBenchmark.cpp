// Hand-run benchmark: the library's smooth resize and alpha blend of full-HD
// 32-bit bitmaps, each next to the platform's own routine (StretchBlt in
// HALFTONE mode, AlphaBlend) on the same bitmaps in the same run. Reports the
// median and best of several rounds and the ratio of the medians.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include "framework/cxGraphicsImages.h"
#include "platform/rtl/RtlUnits.h"
#include "platform/rtl/UnitStartup.h"

namespace {

constexpr int kRounds = 9;

struct TTiming {
  double Median = 0;
  double Best = 0;
};

TTiming Measure(const std::function<void()>& work) {
  work(); // warm-up: page in the bitmaps and the code
  std::vector<double> times;
  for (int round = 0; round < kRounds; ++round) {
    const auto start = std::chrono::steady_clock::now();
    work();
    ::GdiFlush();
    const auto stop = std::chrono::steady_clock::now();
    times.push_back(std::chrono::duration<double, std::milli>(stop - start).count());
  }
  std::sort(times.begin(), times.end());
  return {times[times.size() / 2], times.front()};
}

// A picture with gradients in every channel and a premultiplied alpha that
// varies across it, so that no path can take a shortcut.
TOwned<TcxBitmap> TestPicture(int width, int height, int seed) {
  TOwned<TcxBitmap> bitmap(Create<TcxBitmap>(width, height));
  TRGBColors colors(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const int alpha = (x * 255 / width + y * 255 / height + seed * 37) / 2 % 256;
      const int red = (x + seed * 13) % 256 * alpha / 255;
      const int green = (y + seed * 29) % 256 * alpha / 255;
      const int blue = (x ^ y) % 256 * alpha / 255;
      colors[static_cast<std::size_t>(y) * width + x] = {
          static_cast<BYTE>(blue), static_cast<BYTE>(green), static_cast<BYTE>(red),
          static_cast<BYTE>(alpha)};
    }
  }
  bitmap->SetBitmapColors(colors);
  return bitmap;
}

void HalftoneStretch(TBitmap* source, TBitmap* dest) {
  HDC destDC = dest->Canvas()->Handle();
  const int oldMode = ::SetStretchBltMode(destDC, HALFTONE);
  ::SetBrushOrgEx(destDC, 0, 0, nullptr);
  ::StretchBlt(destDC, 0, 0, dest->Width(), dest->Height(), source->Canvas()->Handle(), 0, 0,
               source->Width(), source->Height(), SRCCOPY);
  ::SetStretchBltMode(destDC, oldMode);
}

void Report(const char* name, const TTiming& ours, const char* anchorName, const TTiming& anchor) {
  std::printf(
      "%-44s %9.1f ms (best %7.1f)   %-26s %9.1f ms (best %7.1f)   "
      "ratio %5.2f\n",
      name, ours.Median, ours.Best, anchorName, anchor.Median, anchor.Best,
      ours.Median / anchor.Median);
}

void ResizeBenchmarks(TcxBitmap* source) {
  const SIZE sizes[] = {{800, 450}, {3840, 2160}};
  for (const SIZE& size : sizes) {
    TOwned<TcxBitmap> dest(Create<TcxBitmap>(size.cx, size.cy));
    TTiming halftone = Measure([&] { HalftoneStretch(source, dest.get()); });
    TTiming lanczos = Measure([&] { cxSmoothResizeBitmap(source, dest.get(), true); });
    TTiming standard = Measure([&] { cxSmoothResizeBitmap(source, dest.get(), false); });
    char name[80];
    std::snprintf(name, sizeof(name), "cxSmoothResizeBitmap Lanczos-3 -> %dx%d", size.cx, size.cy);
    Report(name, lanczos, "StretchBlt HALFTONE", halftone);
    std::snprintf(name, sizeof(name), "cxSmoothResizeBitmap (default) -> %dx%d", size.cx, size.cy);
    Report(name, standard, "StretchBlt HALFTONE", halftone);
  }
}

void BlendBenchmarks(TcxBitmap* source, TcxBitmap* background) {
  TOwned<TcxBitmap> dest(Create<TcxBitmap>(background->Width(), background->Height()));
  const TRect area = dest->ClientRect();
  auto reset = [&] { dest->CopyBitmap(background); };
  TcxAlphaBlendProc platform = cxAlphaBlendProc();
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  TTiming copyOnly = Measure(reset);
  TTiming direct = Measure([&] {
    reset();
    platform(dest->Canvas()->Handle(), 0, 0, area.Right, area.Bottom, source->Canvas()->Handle(), 0,
             0, area.Right, area.Bottom, blend);
  });
  TTiming bound = Measure([&] {
    reset();
    cxAlphaBlend(dest.get(), source, area, area);
  });
  cxSetAlphaBlendProc(nullptr);
  TTiming software = Measure([&] {
    reset();
    cxAlphaBlend(dest.get(), source, area, area);
  });
  cxSetAlphaBlendProc(platform);
  std::printf("(each blend below includes a %.1f ms copy of the background)\n", copyOnly.Median);
  Report("cxAlphaBlend 1920x1080 (platform bound)", bound, "AlphaBlend", direct);
  Report("cxAlphaBlend 1920x1080 (software path)", software, "AlphaBlend", direct);
}

} // namespace

int main() {
  ProgramUnits().Start(RtlUnits());
  cxBindAlphaBlend();
  if (!cxAlphaBlendProc()) {
    std::fprintf(stderr, "msimg32.dll has no AlphaBlend here\n");
    return 2;
  }
  TOwned<TcxBitmap> source = TestPicture(1920, 1080, 1);
  TOwned<TcxBitmap> background = TestPicture(1920, 1080, 2);
  background->TransformBitmap(TcxBitmapTransformationMode::btmSetOpaque);
  std::printf("%d rounds each, median (best)\n", kRounds);
  ResizeBenchmarks(source.get());
  BlendBenchmarks(source.get(), background.get());
  cxUnbindAlphaBlend();
  ProgramUnits().Stop();
  return 0;
}
