// The 80-bit extended-precision format of the x87 unit, as the data streams
// store Float values: 8 bytes of significand with an explicit integer bit,
// then 2 bytes of sign and 15-bit exponent (bias 16383), little-endian.
// Converted in software, so the result does not depend on what the compiler
// makes of `long double`.
#pragma once

#include <array>
#include <cstdint>

using TExtended80 = std::array<std::uint8_t, 10>;

// Exact: every double has an extended form.
TExtended80 DoubleToExtended(double value);
// Rounds to the nearest double (ties to even); infinities and NaNs carry
// over. False for a finite value beyond the range of a double and for
// encodings the x87 unit itself refuses (an exponent without the integer bit).
bool TryExtendedToDouble(const TExtended80& extended, double& value);
