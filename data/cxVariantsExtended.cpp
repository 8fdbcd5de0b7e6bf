#include "data/cxVariantsExtended.h"

#include <bit>

namespace {

constexpr int kDoubleBias = 1023;
constexpr int kExtendedBias = 16383;
constexpr int kExtendedMaxExponent = 0x7FFF;
constexpr std::uint64_t kIntegerBit = std::uint64_t{1} << 63;
constexpr std::uint64_t kDoubleFractionMask = (std::uint64_t{1} << 52) - 1;
constexpr std::uint64_t kDoubleSignBit = std::uint64_t{1} << 63;
constexpr std::uint64_t kDoubleExponentMask = std::uint64_t{0x7FF} << 52;

struct TExtendedParts {
  bool Negative = false;
  int Exponent = 0; // the biased 15-bit field
  std::uint64_t Significand = 0;
};

TExtended80 Pack(const TExtendedParts& parts) {
  TExtended80 bytes{};
  for (int i = 0; i < 8; ++i)
    bytes[i] = static_cast<std::uint8_t>(parts.Significand >> (8 * i));
  const unsigned top = static_cast<unsigned>(parts.Exponent) | (parts.Negative ? 0x8000u : 0u);
  bytes[8] = static_cast<std::uint8_t>(top);
  bytes[9] = static_cast<std::uint8_t>(top >> 8);
  return bytes;
}

TExtendedParts Unpack(const TExtended80& bytes) {
  TExtendedParts parts;
  for (int i = 0; i < 8; ++i)
    parts.Significand |= std::uint64_t{bytes[i]} << (8 * i);
  const unsigned top = bytes[8] | (unsigned{bytes[9]} << 8);
  parts.Negative = (top & 0x8000u) != 0;
  parts.Exponent = static_cast<int>(top & 0x7FFFu);
  return parts;
}

// Shifts right by 'shift' bits, rounding to nearest with ties to even.
std::uint64_t ShiftRightRounded(std::uint64_t value, int shift) {
  if (shift <= 0)
    return value;
  if (shift > 64)
    return 0;
  const std::uint64_t kept = shift == 64 ? 0 : value >> shift;
  const std::uint64_t rest = shift == 64 ? value : value & ((std::uint64_t{1} << shift) - 1);
  const std::uint64_t half = std::uint64_t{1} << (shift - 1);
  if (rest > half || (rest == half && (kept & 1) != 0))
    return kept + 1;
  return kept;
}

double FromBits(bool negative, std::uint64_t magnitude) {
  return std::bit_cast<double>(magnitude | (negative ? kDoubleSignBit : 0));
}

bool SpecialToDouble(const TExtendedParts& parts, double& value) {
  if ((parts.Significand & kIntegerBit) == 0)
    return false; // pseudo-infinity or pseudo-NaN
  const std::uint64_t fraction = (parts.Significand << 1) >> 12;
  if ((parts.Significand << 1) == 0) {
    value = FromBits(parts.Negative, kDoubleExponentMask);
    return true;
  }
  // A NaN stays a NaN (quiet), keeping the top of its payload.
  const std::uint64_t quietBit = std::uint64_t{1} << 51;
  value = FromBits(parts.Negative, kDoubleExponentMask | fraction | quietBit);
  return true;
}

} // namespace

TExtended80 DoubleToExtended(double value) {
  const std::uint64_t bits = std::bit_cast<std::uint64_t>(value);
  TExtendedParts parts;
  parts.Negative = (bits & kDoubleSignBit) != 0;
  const int exponent = static_cast<int>((bits & kDoubleExponentMask) >> 52);
  const std::uint64_t fraction = bits & kDoubleFractionMask;
  if (exponent == 0x7FF) {
    parts.Exponent = kExtendedMaxExponent;
    parts.Significand = kIntegerBit | (fraction << 11);
  } else if (exponent != 0) {
    parts.Exponent = exponent - kDoubleBias + kExtendedBias;
    parts.Significand = kIntegerBit | (fraction << 11);
  } else if (fraction != 0) {
    // Subnormal: normalise, the extended range holds it as a normal number.
    const int shift = std::countl_zero(fraction << 11);
    parts.Significand = (fraction << 11) << shift;
    parts.Exponent = 1 - kDoubleBias + kExtendedBias - shift;
  }
  return Pack(parts);
}

bool TryExtendedToDouble(const TExtended80& extended, double& value) {
  const TExtendedParts parts = Unpack(extended);
  if (parts.Exponent == kExtendedMaxExponent)
    return SpecialToDouble(parts, value);
  if (parts.Exponent != 0 && (parts.Significand & kIntegerBit) == 0)
    return false; // unnormal
  if (parts.Significand == 0) {
    value = FromBits(parts.Negative, 0);
    return true;
  }
  // value = Significand * 2^(e - bias - 63); a zero exponent field (denormal
  // or pseudo-denormal) counts as 1.
  const int shift = std::countl_zero(parts.Significand);
  const std::uint64_t significand = parts.Significand << shift;
  const int unbiased = (parts.Exponent == 0 ? 1 : parts.Exponent) - kExtendedBias - shift;
  if (unbiased > kDoubleBias)
    return false;
  if (unbiased >= 1 - kDoubleBias) {
    std::uint64_t mantissa = ShiftRightRounded(significand, 11); // 53 bits, maybe 2^53
    int exponent = unbiased + kDoubleBias;
    if (mantissa >> 53) {
      mantissa >>= 1;
      ++exponent;
    }
    if (exponent >= 0x7FF)
      return false;
    value = FromBits(parts.Negative, (std::uint64_t(exponent) << 52) | (mantissa & kDoubleFractionMask));
    return true;
  }
  // Below the normal range: a subnormal result; rounding up into the
  // smallest normal number gives the right bits on its own.
  const int subnormalShift = 11 + (1 - kDoubleBias - unbiased);
  value = FromBits(parts.Negative, ShiftRightRounded(significand, subnormalShift));
  return true;
}
