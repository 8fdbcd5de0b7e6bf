#include "platform/rtl/Format.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <optional>

#include "platform/rtl/DecimalNumber.h"
#include "platform/rtl/Exceptions.h"

namespace {

// Widths and precisions beyond this are taken for a broken format.
constexpr int kMaxFieldSize = 1000000;
constexpr int kMaxFloatDigits = 18;
constexpr int kCurrencyPrecision = 19;

// One '%' specifier after parsing.
struct Specifier {
  bool LeftJustify = false;
  std::optional<int> Width;
  std::optional<int> Precision;
  char Type = 0;  // upper case
};

// Walks a format, copying its text and converting its specifiers.
class FormatWriter {
public:
  FormatWriter(const TFormatSettings& settings, std::string_view format,
               std::initializer_list<TVarRec> args)
      : m_settings(settings), m_format(format), m_args(args) {}

  std::string Write();

private:
  [[noreturn]] void Fail() const;
  const TVarRec& NextArg();
  std::optional<int> ReadNumber();
  Specifier ReadSpecifier();
  std::string Convert(const Specifier& spec);
  std::string ConvertInteger(const Specifier& spec, const TVarRec& arg);
  std::string ConvertFloat(const Specifier& spec, const TVarRec& arg);
  std::string ConvertString(const Specifier& spec, const TVarRec& arg);

  const TFormatSettings& m_settings;
  std::string_view m_format;
  std::initializer_list<TVarRec> m_args;
  std::size_t m_pos = 0;
  std::size_t m_argIndex = 0;
};

void FormatWriter::Fail() const {
  throw EConvertError("Format '" + std::string(m_format) + "' invalid or incompatible with argument");
}

const TVarRec& FormatWriter::NextArg() {
  if (m_argIndex >= m_args.size())
    Fail();
  return m_args.begin()[m_argIndex++];
}

// Digits, or '*' for the value of the next argument (an integer).
std::optional<int> FormatWriter::ReadNumber() {
  if (m_pos < m_format.size() && m_format[m_pos] == '*') {
    ++m_pos;
    const TVarRec& arg = NextArg();
    if (arg.VType() != TVarRec::Kind::Integer || arg.AsInteger() < 0 || arg.AsInteger() > kMaxFieldSize)
      Fail();
    return static_cast<int>(arg.AsInteger());
  }
  std::optional<int> number;
  while (m_pos < m_format.size() && std::isdigit(static_cast<unsigned char>(m_format[m_pos]))) {
    number = number.value_or(0) * 10 + (m_format[m_pos++] - '0');
    if (*number > kMaxFieldSize)
      Fail();
  }
  return number;
}

// '%' [index ':'] ['-'] [width] ['.' precision] type, after the '%'.
Specifier FormatWriter::ReadSpecifier() {
  Specifier spec;
  std::optional<int> number = ReadNumber();
  if (number && m_pos < m_format.size() && m_format[m_pos] == ':') {
    ++m_pos;
    m_argIndex = static_cast<std::size_t>(*number);
    number.reset();
  }
  if (!number && m_pos < m_format.size() && m_format[m_pos] == '-') {
    ++m_pos;
    spec.LeftJustify = true;
  }
  spec.Width = number ? number : ReadNumber();
  if (m_pos < m_format.size() && m_format[m_pos] == '.') {
    ++m_pos;
    spec.Precision = ReadNumber();
    if (!spec.Precision)
      Fail();
  }
  if (m_pos >= m_format.size())
    Fail();
  spec.Type = static_cast<char>(std::toupper(static_cast<unsigned char>(m_format[m_pos++])));
  return spec;
}

std::string FormatWriter::Write() {
  std::string text;
  while (m_pos < m_format.size()) {
    const char c = m_format[m_pos++];
    if (c != '%') {
      text += c;
    } else if (m_pos < m_format.size() && m_format[m_pos] == '%') {
      text += '%';
      ++m_pos;
    } else {
      const Specifier spec = ReadSpecifier();
      std::string field = Convert(spec);
      const auto width = static_cast<std::size_t>(spec.Width.value_or(0));
      if (field.size() < width)
        field.insert(spec.LeftJustify ? field.size() : 0, width - field.size(), ' ');
      text += field;
    }
  }
  return text;
}

std::string FormatWriter::Convert(const Specifier& spec) {
  const TVarRec& arg = NextArg();
  switch (spec.Type) {
  case 'D': case 'U': case 'X':
    return ConvertInteger(spec, arg);
  case 'E': case 'F': case 'G': case 'N': case 'M':
    return ConvertFloat(spec, arg);
  case 'S':
    return ConvertString(spec, arg);
  case 'P':
    if (arg.VType() != TVarRec::Kind::Pointer)
      Fail();
    return IntToHex(static_cast<std::int64_t>(reinterpret_cast<std::uintptr_t>(arg.AsPointer())),
                    static_cast<int>(sizeof(void*) * 2));
  default:
    Fail();
  }
}

// d: signed decimal; u: unsigned decimal; x: hexadecimal. Negative values show
// their two's complement in the argument's own width for u and x. The
// precision is the minimum number of digits.
std::string FormatWriter::ConvertInteger(const Specifier& spec, const TVarRec& arg) {
  const TVarRec::Kind kind = arg.VType();
  if (kind != TVarRec::Kind::Integer && kind != TVarRec::Kind::Int64 && kind != TVarRec::Kind::Unsigned)
    Fail();
  std::uint64_t bits = kind == TVarRec::Kind::Unsigned ? arg.AsUnsigned()
                                                       : static_cast<std::uint64_t>(arg.AsInteger());
  if (kind == TVarRec::Kind::Integer)
    bits &= 0xFFFFFFFFu;
  const bool negative = spec.Type == 'D' && kind != TVarRec::Kind::Unsigned && arg.AsInteger() < 0;
  std::string digits;
  if (spec.Type == 'X')
    digits = IntToHex(static_cast<std::int64_t>(bits), 1);
  else if (negative)
    digits = std::to_string(0 - static_cast<std::uint64_t>(arg.AsInteger()));
  else
    digits = std::to_string(bits);
  const auto precision = static_cast<std::size_t>(spec.Precision.value_or(0));
  if (digits.size() < precision)
    digits.insert(0, precision - digits.size(), '0');
  return negative ? "-" + digits : digits;
}

// e, g: the precision counts significant digits (15 by default), with at
// least three exponent digits; f, n, m: the precision counts decimals (2, or
// the currency decimals for m).
std::string FormatWriter::ConvertFloat(const Specifier& spec, const TVarRec& arg) {
  DecimalNumber exact;
  int maxPrecision = kMaxFloatDigits;
  if (arg.VType() == TVarRec::Kind::Float) {
    if (!std::isfinite(arg.AsFloat()))
      return NonFiniteText(arg.AsFloat());
    exact = ExactDecimal(arg.AsFloat());
  } else if (arg.VType() == TVarRec::Kind::Currency) {
    exact = ScaledDecimal(arg.AsCurrency().Scaled(), 4);
    maxPrecision = kCurrencyPrecision;
  } else {
    Fail();
  }
  switch (spec.Type) {
  case 'E':
  case 'G': {
    const int precision = std::clamp(spec.Precision.value_or(15), 1, maxPrecision);
    const TFloatFormat format = spec.Type == 'E' ? TFloatFormat::ffExponent : TFloatFormat::ffGeneral;
    return DecimalToText(exact, format, precision, 3, m_settings);
  }
  case 'F':
    return DecimalToText(exact, TFloatFormat::ffFixed, maxPrecision,
                         std::min(spec.Precision.value_or(2), kMaxFloatDigits), m_settings);
  case 'N':
    return DecimalToText(exact, TFloatFormat::ffNumber, maxPrecision,
                         std::min(spec.Precision.value_or(2), kMaxFloatDigits), m_settings);
  default:
    return DecimalToText(exact, TFloatFormat::ffCurrency, maxPrecision,
                         std::min(spec.Precision.value_or(m_settings.CurrencyDecimals), kMaxFloatDigits),
                         m_settings);
  }
}

// s: a string or a character; the precision is the maximum length.
std::string FormatWriter::ConvertString(const Specifier& spec, const TVarRec& arg) {
  std::string text;
  if (arg.VType() == TVarRec::Kind::String)
    text = arg.AsString();
  else if (arg.VType() == TVarRec::Kind::Char)
    text = std::string(1, arg.AsChar());
  else
    Fail();
  if (spec.Precision && text.size() > static_cast<std::size_t>(*spec.Precision))
    text.resize(static_cast<std::size_t>(*spec.Precision));
  return text;
}

} // namespace

std::string Format(std::string_view format, std::initializer_list<TVarRec> args) {
  return Format(FormatSettings(), format, args);
}

std::string Format(const TFormatSettings& settings, std::string_view format,
                   std::initializer_list<TVarRec> args) {
  return FormatWriter(settings, format, args).Write();
}
