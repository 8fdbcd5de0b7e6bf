// The platform's currency type: a signed 64-bit integer counting ten
// thousandths, so that sums of money carry four exact decimals. Arithmetic
// that leaves the range raises EOverflow.
#pragma once

#include <compare>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/NumberText.h"

class Currency {
public:
  static constexpr std::int64_t Scale = 10000;

  constexpr Currency() = default;
  static constexpr Currency FromScaled(std::int64_t scaled) {
    Currency c;
    c.m_scaled = scaled;
    return c;
  }
  // Rounds half to even at the fourth decimal; raises EOverflow when the value
  // is not finite or out of range.
  static Currency FromDouble(double value);

  constexpr std::int64_t Scaled() const { return m_scaled; }
  double ToDouble() const { return static_cast<double>(m_scaled) / Scale; }

  auto operator<=>(const Currency&) const = default;
  Currency operator+(Currency other) const;
  Currency operator-(Currency other) const;
  Currency operator-() const;
  Currency& operator+=(Currency other) { return *this = *this + other; }
  Currency& operator-=(Currency other) { return *this = *this - other; }

private:
  std::int64_t m_scaled = 0;
};

// General format: up to four decimals, trailing zeros dropped.
std::string CurrToStr(Currency value);
std::string CurrToStr(Currency value, const TFormatSettings& settings);
std::string CurrToStrF(Currency value, TFloatFormat format, int digits);
std::string CurrToStrF(Currency value, TFloatFormat format, int digits,
                       const TFormatSettings& settings);

// Raise EConvertError "'text' is not a valid floating point value".
Currency StrToCurr(std::string_view text);
Currency StrToCurr(std::string_view text, const TFormatSettings& settings);
bool TryStrToCurr(std::string_view text, Currency& value);
bool TryStrToCurr(std::string_view text, Currency& value, const TFormatSettings& settings);
