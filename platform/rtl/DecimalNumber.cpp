#include "platform/rtl/DecimalNumber.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace {

// A double has at most 767 significant decimal digits.
constexpr int kMaxDoubleDigits = 767;
// Exponents beyond this are out of every range and are kept saturated.
constexpr long kExponentLimit = 1000000;

void Normalize(DecimalNumber& number) {
  const auto first = number.Digits.find_first_not_of('0');
  if (first == std::string::npos) {
    number = {};
    return;
  }
  number.Digits.erase(0, first);
  number.Exponent -= static_cast<int>(first);
  number.Digits.erase(number.Digits.find_last_not_of('0') + 1);
}

std::string Zeros(int count) { return std::string(static_cast<std::size_t>(std::max(count, 0)), '0'); }

// The digit at 'index' of the significant digits, zero beyond them.
char DigitAt(const DecimalNumber& number, int index) {
  if (index < 0 || index >= static_cast<int>(number.Digits.size()))
    return '0';
  return number.Digits[static_cast<std::size_t>(index)];
}

// Digits before the point, at least "0".
std::string IntegerDigits(const DecimalNumber& number) {
  if (number.Exponent <= 0)
    return "0";
  std::string digits;
  for (int i = 0; i < number.Exponent; ++i)
    digits += DigitAt(number, i);
  return digits;
}

std::string FractionDigits(const DecimalNumber& number, int count) {
  std::string digits;
  for (int i = 0; i < count; ++i)
    digits += DigitAt(number, number.Exponent + i);
  return digits;
}

std::string Mantissa(const DecimalNumber& rounded, int minDecimals, char decimalSeparator) {
  std::string text(1, rounded.IsZero() ? '0' : rounded.Digits[0]);
  const int shown = std::max(static_cast<int>(rounded.Digits.size()) - 1, minDecimals);
  if (shown > 0) {
    text += decimalSeparator;
    for (int i = 1; i <= shown; ++i)
      text += DigitAt(rounded, i);
  }
  return text;
}

std::string GeneralText(const DecimalNumber& exact, int precision, int expDigits,
                        const TFormatSettings& settings) {
  const DecimalNumber r = RoundDecimal(exact, precision, kAllDecimals);
  if (r.IsZero())
    return "0";
  const std::string sign = r.Negative ? "-" : "";
  if (r.Exponent > precision || r.Exponent < -3)
    return sign + Mantissa(r, 0, settings.DecimalSeparator) +
           ExponentSuffix(r.Exponent - 1, false, expDigits);
  const int decimals = static_cast<int>(r.Digits.size()) - r.Exponent;
  std::string text = sign + IntegerDigits(r);
  if (decimals > 0)
    text += settings.DecimalSeparator + FractionDigits(r, decimals);
  return text;
}

std::string ExponentText(const DecimalNumber& exact, int precision, int expDigits,
                         const TFormatSettings& settings) {
  const DecimalNumber r = RoundDecimal(exact, precision, kAllDecimals);
  const std::string sign = r.Negative ? "-" : "";
  const int exponent = r.IsZero() ? 0 : r.Exponent - 1;
  return sign + Mantissa(r, precision - 1, settings.DecimalSeparator) +
         ExponentSuffix(exponent, true, expDigits);
}

// "ddd.ddd" without sign; empty when the value needs the exponent form.
std::string FixedBody(const DecimalNumber& rounded, int precision, int decimals, bool grouped,
                      const TFormatSettings& settings) {
  if (rounded.Exponent > precision)
    return {};
  std::string text = IntegerDigits(rounded);
  if (grouped)
    text = GroupThousands(text, settings.ThousandSeparator);
  if (decimals > 0)
    text += settings.DecimalSeparator + FractionDigits(rounded, decimals);
  return text;
}

std::string FixedText(const DecimalNumber& exact, int precision, int decimals, bool grouped,
                      const TFormatSettings& settings) {
  const DecimalNumber r = RoundDecimal(exact, precision, decimals);
  const std::string body = FixedBody(r, precision, decimals, grouped, settings);
  if (body.empty())
    return GeneralText(exact, precision, 0, settings);
  return (r.Negative ? "-" : "") + body;
}

// The platform's currency layouts: '$' stands for the currency string, 'N'
// for the number.
constexpr std::array<std::string_view, 4> kPositiveCurrency = {"$N", "N$", "$ N", "N $"};
constexpr std::array<std::string_view, 16> kNegativeCurrency = {
    "($N)", "-$N", "$-N", "$N-", "(N$)", "-N$", "N-$", "N$-",
    "-N $", "-$ N", "N $-", "$ N-", "$ -N", "N- $", "($ N)", "(N $)"};

std::string CurrencyText(const DecimalNumber& exact, int precision, int decimals,
                         const TFormatSettings& settings) {
  const DecimalNumber r = RoundDecimal(exact, precision, decimals);
  DecimalNumber magnitude = exact;
  magnitude.Negative = false;
  std::string number = FixedBody(r, precision, decimals, true, settings);
  if (number.empty())
    number = GeneralText(magnitude, precision, 0, settings);
  const std::string_view layout =
      r.Negative ? kNegativeCurrency[settings.NegCurrFormat % kNegativeCurrency.size()]
                 : kPositiveCurrency[settings.CurrencyFormat % kPositiveCurrency.size()];
  std::string text;
  for (char c : layout) {
    if (c == '$')
      text += settings.CurrencyString;
    else if (c == 'N')
      text += number;
    else
      text += c;
  }
  return text;
}

struct ScannedParts {
  bool Negative = false;
  std::string Digits;
  long DigitsBeforePoint = 0;
  long Exponent = 0;
};

std::size_t SkipBlanks(std::string_view text, std::size_t pos) {
  while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t'))
    ++pos;
  return pos;
}

bool ScanSign(std::string_view text, std::size_t& pos) {
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
    return text[pos++] == '-';
  return false;
}

std::size_t ScanDigits(std::string_view text, std::size_t& pos, std::string& digits) {
  const std::size_t start = pos;
  while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9')
    digits += text[pos++];
  return pos - start;
}

bool ScanExponent(std::string_view text, std::size_t& pos, long& exponent) {
  if (pos >= text.size() || (text[pos] != 'E' && text[pos] != 'e'))
    return true;
  ++pos;
  const bool negative = ScanSign(text, pos);
  std::string digits;
  if (ScanDigits(text, pos, digits) == 0)
    return false;
  for (char c : digits)
    exponent = std::min(exponent * 10 + (c - '0'), kExponentLimit);
  if (negative)
    exponent = -exponent;
  return true;
}

bool ScanParts(std::string_view text, char decimalSeparator, ScannedParts& parts) {
  std::size_t pos = SkipBlanks(text, 0);
  parts.Negative = ScanSign(text, pos);
  std::size_t count = ScanDigits(text, pos, parts.Digits);
  parts.DigitsBeforePoint = static_cast<long>(count);
  if (pos < text.size() && text[pos] == decimalSeparator) {
    ++pos;
    count += ScanDigits(text, pos, parts.Digits);
  }
  if (count == 0 || !ScanExponent(text, pos, parts.Exponent))
    return false;
  return SkipBlanks(text, pos) == text.size();
}

} // namespace

DecimalNumber ExactDecimal(double value) {
  std::array<char, kMaxDoubleDigits + 32> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                                    std::chars_format::scientific, kMaxDoubleDigits);
  const std::string_view text(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
  const std::size_t e = text.find('e');
  DecimalNumber number;
  number.Negative = std::signbit(value);
  number.Digits = std::string(text.substr(0, 1)) + std::string(text.substr(2, e - 2));
  number.Exponent = std::atoi(std::string(text.substr(e + 1)).c_str()) + 1;
  Normalize(number);
  return number;
}

DecimalNumber ScaledDecimal(std::int64_t scaled, int scaleDigits) {
  const std::uint64_t magnitude =
      scaled < 0 ? 0 - static_cast<std::uint64_t>(scaled) : static_cast<std::uint64_t>(scaled);
  DecimalNumber number;
  number.Negative = scaled < 0;
  number.Digits = std::to_string(magnitude);
  number.Exponent = static_cast<int>(number.Digits.size()) - scaleDigits;
  Normalize(number);
  return number;
}

DecimalNumber RoundDecimal(DecimalNumber number, int precision, int decimals) {
  const int keep = std::min(precision, number.Exponent + std::min(decimals, kAllDecimals));
  if (keep >= static_cast<int>(number.Digits.size()))
    return number;
  if (keep < 0)
    return {};
  const bool roundUp = number.Digits[static_cast<std::size_t>(keep)] >= '5';
  number.Digits.resize(static_cast<std::size_t>(keep));
  if (roundUp) {
    int i = keep - 1;
    for (; i >= 0 && number.Digits[static_cast<std::size_t>(i)] == '9'; --i)
      number.Digits[static_cast<std::size_t>(i)] = '0';
    if (i >= 0) {
      ++number.Digits[static_cast<std::size_t>(i)];
    } else {
      number.Digits.insert(number.Digits.begin(), '1');
      ++number.Exponent;
    }
  }
  Normalize(number);
  return number;
}

bool ScanDecimal(std::string_view text, char decimalSeparator, DecimalNumber& number) {
  ScannedParts parts;
  if (!ScanParts(text, decimalSeparator, parts))
    return false;
  number.Negative = parts.Negative;
  number.Digits = parts.Digits;
  number.Exponent = static_cast<int>(
      std::clamp(parts.DigitsBeforePoint + parts.Exponent, -kExponentLimit, kExponentLimit));
  Normalize(number);
  return true;
}

std::string DecimalToText(const DecimalNumber& exact, TFloatFormat format, int precision,
                          int digits, const TFormatSettings& settings) {
  switch (format) {
  case TFloatFormat::ffGeneral:
    return GeneralText(exact, precision, digits, settings);
  case TFloatFormat::ffExponent:
    return ExponentText(exact, precision, digits, settings);
  case TFloatFormat::ffFixed:
    return FixedText(exact, precision, digits, false, settings);
  case TFloatFormat::ffNumber:
    return FixedText(exact, precision, digits, true, settings);
  case TFloatFormat::ffCurrency:
    return CurrencyText(exact, precision, digits, settings);
  }
  return {};
}

std::string ExponentSuffix(int exponent, bool plusSign, int minDigits) {
  std::string text = "E";
  if (exponent < 0)
    text += '-';
  else if (plusSign)
    text += '+';
  const std::string digits = std::to_string(std::abs(exponent));
  return text + Zeros(minDigits - static_cast<int>(digits.size())) + digits;
}

std::string NonFiniteText(double value) {
  if (std::isnan(value))
    return "NAN";
  return value < 0 ? "-INF" : "INF";
}

std::string GroupThousands(std::string_view digits, char separator) {
  std::string text;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    text += digits[i];
    const std::size_t left = digits.size() - 1 - i;
    if (left > 0 && left % 3 == 0)
      text += separator;
  }
  return text;
}
