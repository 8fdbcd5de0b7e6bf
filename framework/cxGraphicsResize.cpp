#include "framework/cxGraphicsResize.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <numbers>

#include <emmintrin.h>

#include "framework/cxGraphicsBitmaps.h"

namespace {

float Sinc(float x) {
  if (x == 0.0f)
    return 1.0f;
  const float px = std::numbers::pi_v<float> * x;
  return std::sin(px) / px;
}

float Lanczos3(float x) {
  if (std::fabs(x) >= 3.0f)
    return 0.0f;
  return Sinc(x) * Sinc(x / 3.0f);
}

// A position outside the source, mirrored at the edges (j < 0 uses -j, j >= S
// uses 2S - 1 - j) as often as it takes to land inside: a small source can be
// narrower than the kernel's reach.
int MirrorIntoSource(int j, int size) {
  while (j < 0 || j >= size) {
    if (j < 0)
      j = -j;
    else
      j = 2 * size - 1 - j;
  }
  return j;
}

// The contributors of every destination position taken two at a time (an odd
// last one paired with itself at weight 0), as the pixel pairs and the packed
// 16-bit weight pairs the multiply-add instruction takes.
struct TPairedContributors {
  struct TPair {
    int Pixel1;
    int Pixel2;
    __m128i Weights;
  };
  std::vector<std::vector<TPair>> Positions;

  explicit TPairedContributors(const TcxResizeContributors& contributors) {
    Positions.resize(contributors.size());
    for (std::size_t i = 0; i < contributors.size(); ++i) {
      const auto& list = contributors[i];
      for (std::size_t c = 0; c < list.size(); c += 2) {
        const TcxResizeContributor& first = list[c];
        const TcxResizeContributor second =
            c + 1 < list.size() ? list[c + 1] : TcxResizeContributor{first.Pixel, 0};
        const auto packed = static_cast<int>(
            static_cast<std::uint16_t>(first.Weight) |
            (static_cast<std::uint32_t>(static_cast<std::uint16_t>(second.Weight)) << 16));
        Positions[i].push_back({first.Pixel, second.Pixel, _mm_set1_epi32(packed)});
      }
    }
  }
};

__m128i LoadPixel(const RGBQUAD* pixel) {
  int bits;
  std::memcpy(&bits, pixel, sizeof(bits));
  return _mm_cvtsi32_si128(bits);
}

// Sums of 256ths to channel bytes: negative sums give 0, the others sum div
// 256 capped at 255.
__m128i PackSums(__m128i sums) {
  __m128i shifted = _mm_srai_epi32(sums, 8);
  __m128i words = _mm_packs_epi32(shifted, shifted);
  return _mm_packus_epi16(words, words);
}

void StorePixel(RGBQUAD* pixel, __m128i bytes) {
  int bits = _mm_cvtsi128_si32(bytes);
  std::memcpy(pixel, &bits, sizeof(bits));
}

// Along the rows: 'rows' rows of 'sourceWidth' pixels into rows of the
// contributors' length, 'destStride' pixels apart.
void ResampleRows(const RGBQUAD* source, int sourceWidth, int rows,
                  const TPairedContributors& contributors, RGBQUAD* dest, std::size_t destStride) {
  const __m128i zero = _mm_setzero_si128();
  for (int y = 0; y < rows; ++y) {
    const RGBQUAD* line = source + static_cast<std::size_t>(y) * sourceWidth;
    RGBQUAD* out = dest + static_cast<std::size_t>(y) * destStride;
    for (std::size_t x = 0; x < contributors.Positions.size(); ++x) {
      __m128i sums = zero;
      for (const auto& pair : contributors.Positions[x]) {
        __m128i interleaved =
            _mm_unpacklo_epi8(LoadPixel(line + pair.Pixel1), LoadPixel(line + pair.Pixel2));
        sums =
            _mm_add_epi32(sums, _mm_madd_epi16(_mm_unpacklo_epi8(interleaved, zero), pair.Weights));
      }
      StorePixel(out + x, PackSums(sums));
    }
  }
}

// The four channel sums of one destination pixel.
struct TPixelSums {
  __m128i Channels;
};

// Adds weight1 x row1 + weight2 x row2 to the sums of 'pixels' pixels (a
// multiple of 4; the rows are padded to it).
void AccumulateRows(const RGBQUAD* row1, const RGBQUAD* row2, __m128i weights, std::size_t pixels,
                    TPixelSums* sums) {
  const __m128i zero = _mm_setzero_si128();
  for (std::size_t x = 0; x < pixels; x += 4) {
    __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row1 + x));
    __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row2 + x));
    __m128i low = _mm_unpacklo_epi8(a, b);
    __m128i high = _mm_unpackhi_epi8(a, b);
    sums[x].Channels =
        _mm_add_epi32(sums[x].Channels, _mm_madd_epi16(_mm_unpacklo_epi8(low, zero), weights));
    sums[x + 1].Channels =
        _mm_add_epi32(sums[x + 1].Channels, _mm_madd_epi16(_mm_unpackhi_epi8(low, zero), weights));
    sums[x + 2].Channels =
        _mm_add_epi32(sums[x + 2].Channels, _mm_madd_epi16(_mm_unpacklo_epi8(high, zero), weights));
    sums[x + 3].Channels =
        _mm_add_epi32(sums[x + 3].Channels, _mm_madd_epi16(_mm_unpackhi_epi8(high, zero), weights));
  }
}

// Along the columns, one destination row at a time: the rows of 'source'
// ('stride' pixels apart, 'width' used) weighted into each row of 'dest'.
void ResampleColumns(const RGBQUAD* source, std::size_t stride, int width,
                     const TPairedContributors& contributors, RGBQUAD* dest) {
  std::vector<TPixelSums> sums(stride);
  for (std::size_t y = 0; y < contributors.Positions.size(); ++y) {
    std::fill(sums.begin(), sums.end(), TPixelSums{_mm_setzero_si128()});
    for (const auto& pair : contributors.Positions[y])
      AccumulateRows(source + static_cast<std::size_t>(pair.Pixel1) * stride,
                     source + static_cast<std::size_t>(pair.Pixel2) * stride, pair.Weights, stride,
                     sums.data());
    RGBQUAD* out = dest + y * static_cast<std::size_t>(width);
    for (int x = 0; x < width; ++x)
      StorePixel(out + x, PackSums(sums[static_cast<std::size_t>(x)].Channels));
  }
}

void Lanczos3Resize(TBitmap* source, TBitmap* destination) {
  const int sw = source->Width();
  const int sh = source->Height();
  const int dw = destination->Width();
  const int dh = destination->Height();
  TRGBColors pixels = GetBitmapBits(source, false);
  const std::size_t stride = (static_cast<std::size_t>(dw) + 3) / 4 * 4;
  TRGBColors between(stride * static_cast<std::size_t>(sh));
  ResampleRows(pixels.data(), sw, sh, TPairedContributors(cxLanczos3Contributors(sw, dw)),
               between.data(), stride);
  TRGBColors result(static_cast<std::size_t>(dw) * static_cast<std::size_t>(dh));
  ResampleColumns(between.data(), stride, dw, TPairedContributors(cxLanczos3Contributors(sh, dh)),
                  result.data());
  SetBitmapBits(destination, result, false);
}

// Programs of this system run on the NT family only.
constexpr bool kIsWinNT = true;

void HalftoneResize(TBitmap* source, TBitmap* destination) {
  TCanvas* canvas = destination->Canvas();
  canvas->Changing();
  HDC sourceDC = source->Canvas()->Handle();
  HDC destDC = canvas->Handle();
  const int oldMode = ::SetStretchBltMode(destDC, HALFTONE);
  POINT oldOrigin{};
  ::SetBrushOrgEx(destDC, 0, 0, &oldOrigin);
  ::StretchBlt(destDC, 0, 0, destination->Width(), destination->Height(), sourceDC, 0, 0,
               source->Width(), source->Height(), SRCCOPY);
  ::SetStretchBltMode(destDC, oldMode);
  ::SetBrushOrgEx(destDC, oldOrigin.x, oldOrigin.y, nullptr);
  canvas->Changed();
}

} // namespace

TcxResizeContributors cxLanczos3Contributors(int sourceSize, int destSize) {
  TcxResizeContributors result(static_cast<std::size_t>(std::max(destSize, 0)));
  if (sourceSize <= 0 || destSize <= 0)
    return result;
  const float ratio = (sourceSize == 1 || destSize == 1)
                          ? static_cast<float>(destSize) / static_cast<float>(sourceSize)
                          : static_cast<float>(destSize - 1) / static_cast<float>(sourceSize - 1);
  const float widen = ratio >= 1.0f ? 1.0f : 1.0f / ratio;
  const float radius = 3.0f * widen;
  for (int i = 0; i < destSize; ++i) {
    const float centre = static_cast<float>(i) / ratio;
    const int first = static_cast<int>(std::floor(centre - radius));
    const int last = static_cast<int>(std::ceil(centre + radius));
    auto& list = result[static_cast<std::size_t>(i)];
    for (int j = first; j <= last; ++j) {
      const float x = (centre - static_cast<float>(j)) / widen;
      const int weight = static_cast<int>(std::nearbyint(Lanczos3(x) / widen * 256.0f));
      if (weight != 0)
        list.push_back({MirrorIntoSource(j, sourceSize), weight});
    }
  }
  return result;
}

void cxSmoothResizeBitmap(TBitmap* source, TBitmap* destination, bool forceUseLanczos3Filter) {
  if (!IsGlyphAssigned(source) || !IsGlyphAssigned(destination))
    return;
  TCanvasLock sourceLock(source->Canvas());
  TCanvasLock destLock(destination->Canvas());
  if (kIsWinNT && !forceUseLanczos3Filter)
    HalftoneResize(source, destination);
  else
    Lanczos3Resize(source, destination);
}
