#include "platform/rtl/Currency.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/rtl/DecimalNumber.h"
#include "platform/rtl/Exceptions.h"

namespace {

constexpr int kScaleDigits = 4;
// Every digit of a currency value.
constexpr int kCurrencyPrecision = 19;

[[noreturn]] void RaiseOverflow() { throw EOverflow("Floating point overflow"); }

// The scaled value of a decimal number, rounded half to even at the fourth
// decimal as the platform's floating-point unit does. False when out of range.
bool DecimalToScaled(const DecimalNumber& number, std::int64_t& scaled) {
  const int integerCount = number.Exponent + kScaleDigits;
  if (number.IsZero() || integerCount < 0) {
    scaled = 0;
    return true;
  }
  if (integerCount > kCurrencyPrecision)
    return false;
  const std::uint64_t limit = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()) +
                              (number.Negative ? 1 : 0);
  std::uint64_t magnitude = 0;
  for (int i = 0; i < integerCount; ++i) {
    const int digit = i < static_cast<int>(number.Digits.size()) ? number.Digits[i] - '0' : 0;
    if (magnitude > (limit - digit) / 10)
      return false;
    magnitude = magnitude * 10 + static_cast<std::uint64_t>(digit);
  }
  const std::string rest = number.Digits.size() > static_cast<std::size_t>(integerCount)
                               ? number.Digits.substr(static_cast<std::size_t>(integerCount))
                               : std::string();
  const bool half = !rest.empty() && rest[0] == '5' && rest.size() == 1;
  const bool aboveHalf = !rest.empty() && (rest[0] > '5' || (rest[0] == '5' && rest.size() > 1));
  if (aboveHalf || (half && magnitude % 2 == 1)) {
    if (magnitude == limit)
      return false;
    ++magnitude;
  }
  scaled = number.Negative ? static_cast<std::int64_t>(0 - magnitude) : static_cast<std::int64_t>(magnitude);
  return true;
}

} // namespace

// The exact decimal value of the double is rounded, so that no product in
// binary floating point can lose digits near the ends of the range.
Currency Currency::FromDouble(double value) {
  if (std::isnan(value))
    throw EInvalidOp("Invalid floating point operation");
  std::int64_t scaled = 0;
  if (!std::isfinite(value) || !DecimalToScaled(ExactDecimal(value), scaled))
    RaiseOverflow();
  return FromScaled(scaled);
}

Currency Currency::operator+(Currency other) const {
  std::int64_t sum = 0;
  if (__builtin_add_overflow(m_scaled, other.m_scaled, &sum))
    RaiseOverflow();
  return FromScaled(sum);
}

Currency Currency::operator-(Currency other) const {
  std::int64_t difference = 0;
  if (__builtin_sub_overflow(m_scaled, other.m_scaled, &difference))
    RaiseOverflow();
  return FromScaled(difference);
}

Currency Currency::operator-() const { return Currency() - *this; }

std::string CurrToStr(Currency value) { return CurrToStr(value, FormatSettings()); }

std::string CurrToStr(Currency value, const TFormatSettings& settings) {
  return CurrToStrF(value, TFloatFormat::ffGeneral, 0, settings);
}

std::string CurrToStrF(Currency value, TFloatFormat format, int digits) {
  return CurrToStrF(value, format, digits, FormatSettings());
}

std::string CurrToStrF(Currency value, TFloatFormat format, int digits,
                       const TFormatSettings& settings) {
  const bool exponentDigits = format == TFloatFormat::ffGeneral || format == TFloatFormat::ffExponent;
  return DecimalToText(ScaledDecimal(value.Scaled(), kScaleDigits), format, kCurrencyPrecision,
                       std::clamp(digits, 0, exponentDigits ? 4 : 18), settings);
}

Currency StrToCurr(std::string_view text) { return StrToCurr(text, FormatSettings()); }

Currency StrToCurr(std::string_view text, const TFormatSettings& settings) {
  Currency value;
  if (!TryStrToCurr(text, value, settings))
    throw EConvertError("'" + std::string(text) + "' is not a valid floating point value");
  return value;
}

bool TryStrToCurr(std::string_view text, Currency& value) {
  return TryStrToCurr(text, value, FormatSettings());
}

bool TryStrToCurr(std::string_view text, Currency& value, const TFormatSettings& settings) {
  DecimalNumber number;
  std::int64_t scaled = 0;
  if (!ScanDecimal(text, settings.DecimalSeparator, number) || !DecimalToScaled(number, scaled))
    return false;
  value = Currency::FromScaled(scaled);
  return true;
}
