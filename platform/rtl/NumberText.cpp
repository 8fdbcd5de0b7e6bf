#include "platform/rtl/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "platform/rtl/DecimalNumber.h"
#include "platform/rtl/Exceptions.h"

namespace {

// Significant digits a double can be asked for.
constexpr int kMaxPrecision = 18;

[[noreturn]] void RaiseInvalidInteger(std::string_view text) {
  throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
}

[[noreturn]] void RaiseInvalidFloat(std::string_view text) {
  throw EConvertError("'" + std::string(text) + "' is not a valid floating point value");
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9')
    return c - '0';
  if (c >= 'A' && c <= 'F')
    return c - 'A' + 10;
  if (c >= 'a' && c <= 'f')
    return c - 'a' + 10;
  return -1;
}

// The magnitude of an integer text: its digits up to 'limit', hexadecimal
// after '$', '0x' or '0X'. False for bad syntax or a magnitude above 'limit'.
bool ScanMagnitude(std::string_view digits, std::uint64_t limit, bool& hex, std::uint64_t& value) {
  hex = false;
  if (digits.starts_with('$')) {
    hex = true;
    digits.remove_prefix(1);
  } else if (digits.starts_with("0x") || digits.starts_with("0X")) {
    hex = true;
    digits.remove_prefix(2);
  }
  const std::uint64_t base = hex ? 16 : 10;
  value = 0;
  for (char c : digits) {
    const int digit = HexDigit(c);
    if (digit < 0 || static_cast<std::uint64_t>(digit) >= base)
      return false;
    if (value > (limit - static_cast<std::uint64_t>(digit)) / base)
      return false;
    value = value * base + static_cast<std::uint64_t>(digit);
  }
  return !digits.empty();
}

// The platform's integer syntax for a signed type of 'bits' bits: leading
// blanks, a sign, decimal digits within the type's range, or hexadecimal
// digits of up to 'bits' bits taken as two's complement.
template <typename T>
bool ScanInteger(std::string_view text, T& result) {
  constexpr std::uint64_t maxPositive = static_cast<std::uint64_t>(std::numeric_limits<T>::max());
  constexpr std::uint64_t hexLimit = maxPositive * 2 + 1;
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
    text.remove_prefix(1);
  const bool negative = text.starts_with('-');
  if (negative || text.starts_with('+'))
    text.remove_prefix(1);
  bool hex = false;
  std::uint64_t magnitude = 0;
  if (!ScanMagnitude(text, hexLimit, hex, magnitude))
    return false;
  if (!hex && magnitude > maxPositive + (negative ? 1 : 0))
    return false;
  const auto value = static_cast<std::make_unsigned_t<T>>(magnitude);
  result = static_cast<T>(negative ? static_cast<std::make_unsigned_t<T>>(0 - value) : value);
  return true;
}

// Converts scanned decimal text to the nearest double. Values beyond the
// double range are refused; values too small for it become zero.
bool DecimalToDouble(const DecimalNumber& number, double& value) {
  if (number.IsZero()) {
    value = 0;
    return true;
  }
  const std::string text = "0." + number.Digits + "e" + std::to_string(number.Exponent);
  double magnitude = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), magnitude);
  if (result.ec == std::errc::result_out_of_range) {
    if (number.Exponent > 0)
      return false;
    magnitude = 0;
  } else if (result.ec != std::errc() || std::isinf(magnitude)) {
    return false;
  }
  value = number.Negative ? -magnitude : magnitude;
  return true;
}

} // namespace

std::string IntToStr(std::int64_t value) { return std::to_string(value); }

std::string IntToHex(std::int64_t value, int digits) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  auto bits = static_cast<std::uint64_t>(value);
  std::string text;
  do {
    text.insert(text.begin(), kHex[bits & 15]);
    bits >>= 4;
  } while (bits != 0);
  if (static_cast<int>(text.size()) < digits)
    text.insert(0, static_cast<std::size_t>(digits) - text.size(), '0');
  return text;
}

bool TryStrToInt(std::string_view text, int& value) { return ScanInteger(text, value); }

int StrToInt(std::string_view text) {
  int value = 0;
  if (!TryStrToInt(text, value))
    RaiseInvalidInteger(text);
  return value;
}

int StrToIntDef(std::string_view text, int defaultValue) {
  int value = 0;
  return TryStrToInt(text, value) ? value : defaultValue;
}

bool TryStrToInt64(std::string_view text, std::int64_t& value) { return ScanInteger(text, value); }

std::int64_t StrToInt64(std::string_view text) {
  std::int64_t value = 0;
  if (!TryStrToInt64(text, value))
    RaiseInvalidInteger(text);
  return value;
}

std::int64_t StrToInt64Def(std::string_view text, std::int64_t defaultValue) {
  std::int64_t value = 0;
  return TryStrToInt64(text, value) ? value : defaultValue;
}

std::string FloatToStr(double value) { return FloatToStr(value, FormatSettings()); }

std::string FloatToStr(double value, const TFormatSettings& settings) {
  return FloatToStrF(value, TFloatFormat::ffGeneral, 15, 0, settings);
}

std::string FloatToStrF(double value, TFloatFormat format, int precision, int digits) {
  return FloatToStrF(value, format, precision, digits, FormatSettings());
}

std::string FloatToStrF(double value, TFloatFormat format, int precision, int digits,
                        const TFormatSettings& settings) {
  if (!std::isfinite(value))
    return NonFiniteText(value);
  const bool exponentDigits = format == TFloatFormat::ffGeneral || format == TFloatFormat::ffExponent;
  return DecimalToText(ExactDecimal(value), format, std::clamp(precision, 1, kMaxPrecision),
                       std::clamp(digits, 0, exponentDigits ? 4 : kMaxPrecision), settings);
}

bool TextToFloat(std::string_view text, double& value, const TFormatSettings& settings) {
  DecimalNumber number;
  return ScanDecimal(text, settings.DecimalSeparator, number) && DecimalToDouble(number, value);
}

bool TryStrToFloat(std::string_view text, double& value) {
  return TextToFloat(text, value, FormatSettings());
}

bool TryStrToFloat(std::string_view text, double& value, const TFormatSettings& settings) {
  return TextToFloat(text, value, settings);
}

double StrToFloat(std::string_view text) { return StrToFloat(text, FormatSettings()); }

double StrToFloat(std::string_view text, const TFormatSettings& settings) {
  double value = 0;
  if (!TextToFloat(text, value, settings))
    RaiseInvalidFloat(text);
  return value;
}

double StrToFloatDef(std::string_view text, double defaultValue) {
  return StrToFloatDef(text, defaultValue, FormatSettings());
}

double StrToFloatDef(std::string_view text, double defaultValue, const TFormatSettings& settings) {
  double value = 0;
  return TextToFloat(text, value, settings) ? value : defaultValue;
}
