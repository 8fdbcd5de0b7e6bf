#include "data/cxDataStorageBcd.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "platform/rtl/AnsiStrings.h"
#include "platform/rtl/FormatSettings.h"

namespace {

constexpr std::uint8_t kSignBit = 0x80;
constexpr std::uint8_t kPlacesMask = 0x3F;

// A decimal as its digits and the count of them that follow the point,
// kept without leading integer zeros or trailing decimal zeros.
struct TDecimal {
  bool Negative = false;
  std::string Digits = "0";
  int Places = 0;

  int IntegerDigits() const { return static_cast<int>(Digits.size()) - Places; }
};

[[noreturn]] void BcdCastError(const Variant& value) {
  throw EVariantTypeCastError("Could not convert variant of type (" + VarTypeAsText(VarType(value)) +
                              ") into type (FMTBcd)");
}

[[noreturn]] void BcdOverflowError(const Variant& value) {
  throw EVariantOverflowError("Overflow while converting variant of type (" +
                              VarTypeAsText(VarType(value)) + ") into type (FMTBcd)");
}

void Normalize(TDecimal& decimal) {
  while (decimal.Places > 0 && decimal.Digits.back() == '0') {
    decimal.Digits.pop_back();
    --decimal.Places;
  }
  const auto firstSignificant = decimal.Digits.find_first_not_of('0');
  const std::size_t integerDigits = static_cast<std::size_t>(decimal.IntegerDigits());
  decimal.Digits.erase(0, std::min(firstSignificant, integerDigits));
  if (decimal.IntegerDigits() == 0)
    decimal.Digits.insert(0, "0");
  if (decimal.Digits == "0")
    decimal.Negative = false;
}

// Optional exponent after the digits: 'E' or 'e', optional sign, digits.
bool ParseExponent(std::string_view text, int& exponent) {
  if (text.empty()) {
    exponent = 0;
    return true;
  }
  if (text[0] != 'e' && text[0] != 'E')
    return false;
  text.remove_prefix(1);
  if (!text.empty() && text[0] == '+')
    text.remove_prefix(1);
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), exponent);
  return error == std::errc() && end == text.data() + text.size();
}

// Sign, digits with an optional decimal point, optional exponent.
bool ParseDecimal(std::string_view text, char point, TDecimal& decimal) {
  decimal = TDecimal{};
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
    decimal.Negative = text[0] == '-';
    text.remove_prefix(1);
  }
  std::string digits;
  int places = 0;
  bool seenPoint = false;
  std::size_t i = 0;
  for (; i < text.size(); ++i) {
    if (text[i] >= '0' && text[i] <= '9') {
      digits.push_back(text[i]);
      places += seenPoint ? 1 : 0;
    } else if (text[i] == point && !seenPoint) {
      seenPoint = true;
    } else {
      break;
    }
  }
  int exponent = 0;
  if (digits.empty() || !ParseExponent(text.substr(i), exponent))
    return false;
  if (digits.find_first_not_of('0') == std::string::npos)
    return true; // zero, whatever the exponent
  if (exponent > 1000 || exponent < -1000)
    return false;
  places -= exponent;
  if (places < 0) {
    digits.append(static_cast<std::size_t>(-places), '0');
    places = 0;
  }
  if (places > static_cast<int>(digits.size()))
    digits.insert(0, static_cast<std::size_t>(places) - digits.size(), '0');
  decimal.Digits = std::move(digits);
  decimal.Places = places;
  Normalize(decimal);
  return true;
}

TDecimal IntegerDecimal(std::int64_t value, int places) {
  TDecimal decimal;
  decimal.Negative = value < 0;
  const std::uint64_t magnitude =
      value < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  decimal.Digits = std::to_string(magnitude);
  if (static_cast<int>(decimal.Digits.size()) <= places)
    decimal.Digits.insert(0, static_cast<std::size_t>(places) + 1 - decimal.Digits.size(), '0');
  decimal.Places = places;
  Normalize(decimal);
  return decimal;
}

TDecimal RealDecimal(const Variant& value) {
  const double real = value.ToDouble();
  if (!std::isfinite(real))
    BcdOverflowError(value);
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof(buffer), real);
  TDecimal decimal;
  if (!ParseDecimal(std::string_view(buffer, result.ptr), '.', decimal))
    BcdOverflowError(value);
  return decimal;
}

TDecimal TextDecimal(const Variant& value) {
  TDecimal decimal;
  if (!ParseDecimal(Trim(value.ToString()), FormatSettings().DecimalSeparator, decimal))
    BcdCastError(value);
  return decimal;
}

TDecimal VarToDecimal(const Variant& value) {
  const TVarType type = VarType(value);
  if (type == varEmpty)
    return TDecimal{};
  if (type == varCurrency)
    return IntegerDecimal(value.ToCurrency().Scaled(), 4);
  if (VarIsOrdinal(value))
    return IntegerDecimal(value.ToInt64(), 0);
  if (VarIsFloat(value) || type == varDate)
    return RealDecimal(value);
  if (VarIsStr(value))
    return TextDecimal(value);
  BcdCastError(value);
}

TDecimal Unpack(const TBcd& bcd) {
  TDecimal decimal;
  const int precision = std::clamp<int>(bcd.Precision, 1, MaxBcdDigits);
  decimal.Digits.clear();
  for (int i = 0; i < precision; ++i) {
    const std::uint8_t pair = bcd.Fraction[static_cast<std::size_t>(i / 2)];
    const int digit = i % 2 == 0 ? pair >> 4 : pair & 0x0F;
    decimal.Digits.push_back(static_cast<char>('0' + std::min(digit, 9)));
  }
  decimal.Places = std::min<int>(bcd.SignSpecialPlaces & kPlacesMask, precision);
  decimal.Negative = (bcd.SignSpecialPlaces & kSignBit) != 0;
  Normalize(decimal);
  return decimal;
}

TBcd Pack(const TDecimal& decimal) {
  TBcd bcd;
  bcd.Precision = static_cast<std::uint8_t>(decimal.Digits.size());
  bcd.SignSpecialPlaces =
      static_cast<std::uint8_t>(decimal.Places | (decimal.Negative ? kSignBit : 0));
  for (std::size_t i = 0; i < decimal.Digits.size(); ++i) {
    const int digit = decimal.Digits[i] - '0';
    bcd.Fraction[i / 2] |= static_cast<std::uint8_t>(i % 2 == 0 ? digit << 4 : digit);
  }
  return bcd;
}

// Compares magnitudes: the longer integer part is larger, then digit by digit.
int CompareMagnitudes(const TDecimal& a, const TDecimal& b) {
  if (a.IntegerDigits() != b.IntegerDigits())
    return a.IntegerDigits() < b.IntegerDigits() ? -1 : 1;
  const std::size_t length = std::max(a.Digits.size(), b.Digits.size());
  for (std::size_t i = 0; i < length; ++i) {
    const char da = i < a.Digits.size() ? a.Digits[i] : '0';
    const char db = i < b.Digits.size() ? b.Digits[i] : '0';
    if (da != db)
      return da < db ? -1 : 1;
  }
  return 0;
}

} // namespace

TBcd VarToBcd(const Variant& value) {
  const TDecimal decimal = VarToDecimal(value);
  if (decimal.Digits.size() > MaxBcdDigits || decimal.Places > MaxBcdPlaces)
    BcdOverflowError(value);
  return Pack(decimal);
}

std::string BcdToStr(const TBcd& bcd) {
  const TDecimal decimal = Unpack(bcd);
  std::string text = decimal.Negative ? "-" : "";
  text += decimal.Digits.substr(0, static_cast<std::size_t>(decimal.IntegerDigits()));
  if (decimal.Places > 0) {
    text += FormatSettings().DecimalSeparator;
    text += decimal.Digits.substr(static_cast<std::size_t>(decimal.IntegerDigits()));
  }
  return text;
}

int BcdCompare(const TBcd& a, const TBcd& b) {
  const TDecimal da = Unpack(a);
  const TDecimal db = Unpack(b);
  if (da.Negative != db.Negative)
    return da.Negative ? -1 : 1;
  const int magnitude = CompareMagnitudes(da, db);
  return da.Negative ? -magnitude : magnitude;
}
