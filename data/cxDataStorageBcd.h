// Decimal numbers of up to 64 digits in the database layer's packed BCD
// record, as record storage keeps them. The run-time has no decimal variant,
// so a decimal meets variants as its exact text.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/rtl/Variants.h"

struct TBcd {
  // Number of digits held in Fraction (1..64).
  std::uint8_t Precision = 1;
  // Bit 7: negative; bits 0-5: how many of the digits follow the decimal point.
  std::uint8_t SignSpecialPlaces = 0;
  // The digits, two per byte, the first in the high half.
  std::array<std::uint8_t, 32> Fraction{};
};
static_assert(sizeof(TBcd) == 34);

constexpr int MaxBcdDigits = 64;
constexpr int MaxBcdPlaces = 63;

// Numbers, Booleans, dates, Empty and number texts (FormatSettings' decimal
// separator, optional exponent). Raises EVariantTypeCastError for anything
// else and EVariantOverflowError for a number that needs more than 64
// digits or 63 decimals.
TBcd VarToBcd(const Variant& value);
// Sign, integer digits, and the decimals without trailing zeros after
// FormatSettings' decimal separator: "-12,5", "0", "1000".
std::string BcdToStr(const TBcd& bcd);
// -1, 0 or 1 by numeric order.
int BcdCompare(const TBcd& a, const TBcd& b);
