// Hand-run benchmark: Turkish prose laid out with word wrap in a 400-pixel
// column and drawn into a 32-bit DIB section by the library's text layout
// (cxTextOut), next to the platform's DrawTextW with DT_WORDBREAK on the same
// rectangle, font (Tahoma 8) and surface, for 10 KB, 100 KB and 1 MB of text.
// Also the layout alone (cxMakeTextRows) next to DrawTextW measuring
// (DT_CALCRECT).
//
//   text_layout_benchmark.exe [repeats]      (default 5; the median counts)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "framework/cxDrawTextUtils.h"
#include "platform/graphics/Bitmaps.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/RtlUnits.h"
#include "platform/rtl/UnitStartup.h"
#include "platform/rtl/WideText.h"

namespace {

using TClock = std::chrono::steady_clock;

constexpr int kColumnWidth = 400;
// The tallest surface made; rows below it are laid out and drawn (clipped by
// the surface) on both sides alike.
constexpr int kMaxSurfaceHeight = 32768;

// Deterministic Turkish prose: sentences of common words, paragraphs of a
// few sentences, CR LF between paragraphs.
std::string MakeProse(size_t size) {
  static const char16_t* const kWords[] = {
      u"ve", u"bir", u"bu", u"çok", u"daha", u"için", u"ile", u"gibi", u"kadar", u"şimdi",
      u"güzel", u"büyük", u"küçük", u"yağmur", u"ışık", u"gözlük", u"çiçek", u"ağaç",
      u"öğretmen", u"çocukluğunun", u"düşüncelere", u"İstanbul'un", u"şehrin", u"sokaklarında",
      u"yürüdü", u"söyledi", u"görünüyordu", u"değildi", u"kalmamıştı", u"ılık", u"rüzgâr",
      u"köprünün", u"üzerinde", u"akşamüstü", u"sessizce", u"Ömer", u"Ayşe", u"gökyüzü",
      u"bulutların", u"arasından", u"doğru", u"uzaklaştı", u"kitapçının", u"vitrininde",
      u"eski", u"fotoğraflar", u"dağların", u"ardında", u"güneş", u"battı"};
  constexpr size_t kWordCount = sizeof(kWords) / sizeof(kWords[0]);
  std::vector<std::string> words;
  for (const char16_t* word : kWords)
    words.push_back(WideToAnsi(word));
  std::string prose;
  unsigned seed = 12345;
  auto next = [&seed](unsigned bound) {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 16) % bound;
  };
  while (prose.size() < size) {
    const unsigned sentences = 3 + next(5);
    for (unsigned s = 0; s < sentences; ++s) {
      const unsigned length = 6 + next(9);
      for (unsigned w = 0; w < length; ++w) {
        prose += words[next(kWordCount)];
        prose += w + 1 < length ? (next(7) == 0 ? ", " : " ") : (next(4) == 0 ? "; " : ". ");
      }
    }
    prose.back() = '\r';
    prose += '\n';
  }
  prose.resize(size);
  return prose;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// Runs each side 'repeats' times, alternating, and answers the medians in
// milliseconds.
std::pair<double, double> TimeBoth(int repeats, const std::function<void()>& ours,
                                   const std::function<void()>& platform) {
  std::vector<double> oursTimes;
  std::vector<double> platformTimes;
  for (int i = 0; i < repeats; ++i) {
    for (auto [side, times] : {std::pair{&ours, &oursTimes}, {&platform, &platformTimes}}) {
      const auto start = TClock::now();
      (*side)();
      ::GdiFlush();
      times->push_back(std::chrono::duration<double, std::milli>(TClock::now() - start).count());
    }
  }
  return {Median(oursTimes), Median(platformTimes)};
}

void Report(const char* what, size_t size, std::pair<double, double> times) {
  std::printf("%-22s %8zu bytes  ours %9.2f ms (%6.3f ms/KB)  DrawTextW %9.2f ms (%6.3f ms/KB)"
              "  ratio %.2f\n",
              what, size, times.first, times.first * 1024 / size, times.second,
              times.second * 1024 / size, times.first / times.second);
}

void Run(size_t size, int repeats) {
  const std::string prose = MakeProse(size);
  std::u16string wide = AnsiToWide(prose);

  TOwned<TBitmap> bitmap(Create<TBitmap>());
  bitmap->SetPixelFormat(TPixelFormat::pf32bit);
  TCanvas* canvas = bitmap->Canvas();
  canvas->Font()->SetName("Tahoma");
  canvas->Font()->SetSize(8);
  canvas->RequiredState({TCanvasStates::csHandleValid, TCanvasStates::csFontValid});
  HDC dc = canvas->Handle();

  // The column is as high as the platform says the text needs.
  RECT measured{0, 0, kColumnWidth, 0};
  const int height = ::DrawTextW(dc, WidePtr(wide), static_cast<int>(wide.size()), &measured,
                                 DT_WORDBREAK | DT_NOPREFIX | DT_CALCRECT);
  bitmap->SetSize(kColumnWidth, std::min(height, kMaxSurfaceHeight));
  canvas->RequiredState({TCanvasStates::csHandleValid, TCanvasStates::csFontValid});
  dc = canvas->Handle();
  const TRect column{0, 0, kColumnWidth, height};

  const TcxTextParams params = cxCalcTextParams(dc, cxtfWordWrap);
  TcxTextRows rows;
  int rowCount = 0;
  Report("layout", size, TimeBoth(repeats,
                                  [&] {
                                    cxMakeTextRows(dc, prose.c_str(), column, params, rows,
                                                   rowCount);
                                  },
                                  [&] {
                                    RECT rect{0, 0, kColumnWidth, 0};
                                    ::DrawTextW(dc, WidePtr(wide), static_cast<int>(wide.size()),
                                                &rect, DT_WORDBREAK | DT_NOPREFIX | DT_CALCRECT);
                                  }));
  Report("layout and drawing", size, TimeBoth(repeats,
                                              [&] {
                                                TRect rect = column;
                                                cxTextOut(dc, prose.c_str(), rect, cxtfWordWrap);
                                              },
                                              [&] {
                                                RECT rect{0, 0, kColumnWidth, height};
                                                ::DrawTextW(dc, WidePtr(wide),
                                                            static_cast<int>(wide.size()), &rect,
                                                            DT_WORDBREAK | DT_NOPREFIX);
                                              }));
  std::printf("%-22s %8zu bytes  %d rows (DrawTextW: %d), surface %d x %d\n\n", "", size,
              rowCount, height / params.CellHeight, kColumnWidth, bitmap->Height());
}

} // namespace

int main(int argc, char** argv) {
  const int repeats = argc > 1 ? std::max(std::atoi(argv[1]), 1) : 5;
  ProgramUnits().Start(RtlUnits());
  int result = 0;
  try {
    for (size_t size : {size_t{10} * 1024, size_t{100} * 1024, size_t{1024} * 1024})
      Run(size, repeats);
  } catch (const Exception& error) {
    std::printf("Error: %s\n", error.Message().c_str());
    result = 1;
  }
  ProgramUnits().Stop();
  return result;
}
