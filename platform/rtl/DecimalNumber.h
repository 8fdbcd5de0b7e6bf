// The decimal form behind every number-to-text routine: a sign, the
// significant digits and the position of the decimal point, with exact
// conversion from binary floating point and from scaled integers, rounding,
// and the four standard layouts (general, exponent, fixed/number, currency).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/NumberText.h"

// value = 0.Digits x 10^Exponent. Digits has no leading or trailing zeros;
// zero has no digits, exponent 0 and no sign.
struct DecimalNumber {
  bool Negative = false;
  std::string Digits;
  int Exponent = 0;

  bool IsZero() const { return Digits.empty(); }
};

// Enough decimals to keep every digit of a value.
inline constexpr int kAllDecimals = 100000;

// The exact decimal value of a finite double.
DecimalNumber ExactDecimal(double value);
// scaled / 10^scaleDigits, exactly.
DecimalNumber ScaledDecimal(std::int64_t scaled, int scaleDigits);
// Rounds half away from zero to at most 'precision' significant digits and at
// most 'decimals' digits after the point.
DecimalNumber RoundDecimal(DecimalNumber number, int precision, int decimals);

// Reads the run-time's number syntax: blanks, an optional sign, digits with
// the given decimal separator (at least one digit), an optional exponent
// ('E' or 'e', optional sign, digits), blanks. False for anything else.
bool ScanDecimal(std::string_view text, char decimalSeparator, DecimalNumber& number);

// The layouts of FloatToStrF. 'precision' counts significant digits; 'digits'
// is the minimum exponent width (general, exponent) or the decimals (fixed,
// number, currency).
std::string DecimalToText(const DecimalNumber& exact, TFloatFormat format, int precision,
                          int digits, const TFormatSettings& settings);
// Exponent part: 'E', the sign ('-' only, or also '+'), at least minDigits digits.
std::string ExponentSuffix(int exponent, bool plusSign, int minDigits);
// "NAN", "INF" or "-INF".
std::string NonFiniteText(double value);
// Integer digits with the thousand separator between groups of three.
std::string GroupThousands(std::string_view digits, char separator);
