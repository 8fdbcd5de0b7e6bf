// Format: the run-time's printf-like text builder.
//
// A format specifier is '%' [index ':'] ['-'] [width] ['.' precision] type,
// where index, width and precision are digits or '*' (taken from the next
// argument). Types: d (integer), u (unsigned), e f g n m (floating point and
// currency: exponent, fixed, general, number with thousand separators,
// money), p (pointer), s (string or character), x (hexadecimal). "%%" is a
// percent sign. A specifier that does not fit its argument, or a missing
// argument, raises EConvertError "Format 'format' invalid or incompatible
// with argument".
//
// Classes in this file: TVarRec (one argument).
#pragma once

#include <concepts>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "platform/rtl/Currency.h"
#include "platform/rtl/FormatSettings.h"

// One argument of Format. Holds a view of string arguments: use it only within
// the call it is built for.
class TVarRec {
public:
  // Integer: up to 32 bits; Int64: wider (they differ for %u and %x of
  // negative values).
  enum class Kind { Integer, Int64, Unsigned, Float, Currency, String, Char, Pointer };

  template <std::signed_integral T>
    requires(!std::same_as<T, char>)
  TVarRec(T value) : m_kind(sizeof(T) <= 4 ? Kind::Integer : Kind::Int64), m_integer(value) {}
  template <std::unsigned_integral T>
    requires(!std::same_as<T, bool>)
  TVarRec(T value) : m_kind(Kind::Unsigned), m_unsigned(value) {}
  TVarRec(char value) : m_kind(Kind::Char), m_char(value) {}
  TVarRec(bool) = delete;
  TVarRec(double value) : m_kind(Kind::Float), m_float(value) {}
  TVarRec(::Currency value) : m_kind(Kind::Currency), m_currency(value) {}
  TVarRec(const char* value) : m_kind(Kind::String), m_string(value ? value : "") {}
  TVarRec(const std::string& value) : m_kind(Kind::String), m_string(value) {}
  TVarRec(std::string_view value) : m_kind(Kind::String), m_string(value) {}
  TVarRec(const void* value) : m_kind(Kind::Pointer), m_pointer(value) {}
  TVarRec(std::nullptr_t) : m_kind(Kind::Pointer) {}

  Kind VType() const { return m_kind; }
  std::int64_t AsInteger() const { return m_integer; }
  std::uint64_t AsUnsigned() const { return m_unsigned; }
  char AsChar() const { return m_char; }
  double AsFloat() const { return m_float; }
  ::Currency AsCurrency() const { return m_currency; }
  std::string_view AsString() const { return m_string; }
  const void* AsPointer() const { return m_pointer; }

private:
  Kind m_kind = Kind::Integer;
  std::int64_t m_integer = 0;
  std::uint64_t m_unsigned = 0;
  char m_char = 0;
  double m_float = 0;
  ::Currency m_currency;
  std::string_view m_string;
  const void* m_pointer = nullptr;
};

std::string Format(std::string_view format, std::initializer_list<TVarRec> args);
std::string Format(const TFormatSettings& settings, std::string_view format,
                   std::initializer_list<TVarRec> args);

// Builds an exception of the run-time family with a formatted message:
// throw CreateFmt<EConvertError>("'%s' is not valid", {text});
template <typename E>
E CreateFmt(std::string_view format, std::initializer_list<TVarRec> args) {
  return E(Format(format, args));
}
