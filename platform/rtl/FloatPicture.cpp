// FormatFloat: numbers laid out by a picture such as "#,##0.00;(#,##0.00);'nil'".
#include <cmath>
#include <vector>

#include "platform/rtl/DecimalNumber.h"
#include "platform/rtl/NumberText.h"

namespace {

// Significant digits of a picture; values with more digits than this before
// the point are shown by FloatToStr.
constexpr int kMaxPictureDigits = 18;

enum class TokenKind { Digit, Point, Comma, Exponent, Literal };

struct Token {
  TokenKind Kind = TokenKind::Literal;
  std::string_view Text;
  bool RequiredDigit = false;  // '0' rather than '#'
  bool ExponentPlus = false;   // 'E+' rather than 'E-'
  int ExponentDigits = 0;
};

// Reads the token at 'pos' and moves past it.
Token NextToken(std::string_view section, std::size_t& pos) {
  const std::size_t start = pos;
  const char c = section[pos++];
  Token token;
  if (c == '0' || c == '#') {
    token.Kind = TokenKind::Digit;
    token.RequiredDigit = c == '0';
  } else if (c == '.') {
    token.Kind = TokenKind::Point;
  } else if (c == ',') {
    token.Kind = TokenKind::Comma;
  } else if (c == '\'' || c == '"') {
    const std::size_t end = section.find(c, pos);
    token.Text = section.substr(pos, end == std::string_view::npos ? end : end - pos);
    pos = end == std::string_view::npos ? section.size() : end + 1;
    return token;
  } else if ((c == 'E' || c == 'e') && pos < section.size() &&
             (section[pos] == '+' || section[pos] == '-')) {
    token.Kind = TokenKind::Exponent;
    token.ExponentPlus = section[pos++] == '+';
    while (pos < section.size() && section[pos] == '0') {
      ++token.ExponentDigits;
      ++pos;
    }
  }
  token.Text = section.substr(start, pos - start);
  return token;
}

// Splits the picture at the semicolons outside quotes; a fourth section and
// beyond are ignored.
std::vector<std::string_view> SplitSections(std::string_view format) {
  std::vector<std::string_view> sections;
  std::size_t start = 0;
  char quote = 0;
  for (std::size_t i = 0; i < format.size(); ++i) {
    if (quote != 0) {
      quote = format[i] == quote ? 0 : quote;
    } else if (format[i] == '\'' || format[i] == '"') {
      quote = format[i];
    } else if (format[i] == ';') {
      sections.push_back(format.substr(start, i - start));
      start = i + 1;
      if (sections.size() == 3)
        return sections;
    }
  }
  sections.push_back(format.substr(start));
  return sections;
}

// What a section asks for: its digit places and options.
struct PictureLayout {
  int IntegerPlaces = 0;
  int RequiredIntegers = 0;
  int DecimalPlaces = 0;
  int RequiredDecimals = 0;
  bool Grouped = false;
  bool Scientific = false;

  explicit PictureLayout(std::string_view section);
  DecimalNumber Round(const DecimalNumber& exact) const;
};

PictureLayout::PictureLayout(std::string_view section) {
  bool afterPoint = false;
  int firstRequired = -1;
  for (std::size_t pos = 0; pos < section.size() && !Scientific;) {
    const Token token = NextToken(section, pos);
    if (token.Kind == TokenKind::Digit && !afterPoint) {
      if (token.RequiredDigit && firstRequired < 0)
        firstRequired = IntegerPlaces;
      ++IntegerPlaces;
    } else if (token.Kind == TokenKind::Digit) {
      ++DecimalPlaces;
      if (token.RequiredDigit)
        RequiredDecimals = DecimalPlaces;
    }
    afterPoint = afterPoint || token.Kind == TokenKind::Point;
    Grouped = Grouped || token.Kind == TokenKind::Comma;
    Scientific = token.Kind == TokenKind::Exponent;
  }
  RequiredIntegers = firstRequired < 0 ? 0 : IntegerPlaces - firstRequired;
}

DecimalNumber PictureLayout::Round(const DecimalNumber& exact) const {
  if (Scientific)
    return RoundDecimal(exact, std::max(IntegerPlaces + DecimalPlaces, 1), kAllDecimals);
  return RoundDecimal(exact, kMaxPictureDigits, DecimalPlaces);
}


// The digits of a rounded value, placed into the tokens of a section.
class PictureWriter {
public:
  PictureWriter(const PictureLayout& layout, const DecimalNumber& rounded,
                const TFormatSettings& settings);
  std::string Write(std::string_view section);

private:
  void SplitDigits(const DecimalNumber& rounded);
  void WriteIntegerDigit(int place);
  void WriteIntegerDigits(int from, int to);
  void WriteToken(const Token& token);

  const PictureLayout& m_layout;
  const TFormatSettings& m_settings;
  std::string m_integers;
  std::string m_fraction;
  int m_exponent = 0;
  int m_integerPlace = 0;
  int m_decimalPlace = 0;
  bool m_afterPoint = false;
  bool m_afterExponent = false;
  std::string m_text;
};

PictureWriter::PictureWriter(const PictureLayout& layout, const DecimalNumber& rounded,
                             const TFormatSettings& settings)
    : m_layout(layout), m_settings(settings) {
  SplitDigits(rounded);
}

// In scientific form the integer places take the leading digits and the
// exponent makes up the rest.
void PictureWriter::SplitDigits(const DecimalNumber& rounded) {
  const int integerCount = m_layout.Scientific ? m_layout.IntegerPlaces : rounded.Exponent;
  if (m_layout.Scientific && !rounded.IsZero())
    m_exponent = rounded.Exponent - m_layout.IntegerPlaces;
  auto digitAt = [&](int index) {
    return index >= 0 && index < static_cast<int>(rounded.Digits.size())
               ? rounded.Digits[static_cast<std::size_t>(index)]
               : '0';
  };
  if (!rounded.IsZero())
    for (int i = 0; i < integerCount; ++i)
      m_integers += digitAt(i);
  if (static_cast<int>(m_integers.size()) < m_layout.RequiredIntegers)
    m_integers.insert(0, static_cast<std::size_t>(m_layout.RequiredIntegers) - m_integers.size(), '0');
  for (int i = 0; i < m_layout.DecimalPlaces; ++i)
    m_fraction += digitAt(integerCount + i);
  while (static_cast<int>(m_fraction.size()) > m_layout.RequiredDecimals && m_fraction.back() == '0')
    m_fraction.pop_back();
}

std::string PictureWriter::Write(std::string_view section) {
  for (std::size_t pos = 0; pos < section.size();)
    WriteToken(NextToken(section, pos));
  return m_text;
}

void PictureWriter::WriteToken(const Token& token) {
  if (m_afterExponent && token.Kind != TokenKind::Literal) {
    m_text += token.Text;
    return;
  }
  switch (token.Kind) {
  case TokenKind::Digit:
    if (!m_afterPoint)
      WriteIntegerDigit(m_integerPlace++);
    else if (m_decimalPlace < static_cast<int>(m_fraction.size()))
      m_text += m_fraction[static_cast<std::size_t>(m_decimalPlace++)];
    break;
  case TokenKind::Point:
    if (m_afterPoint)
      break;
    if (m_layout.IntegerPlaces == 0)
      WriteIntegerDigits(0, static_cast<int>(m_integers.size()));
    if (!m_fraction.empty())
      m_text += m_settings.DecimalSeparator;
    m_afterPoint = true;
    break;
  case TokenKind::Comma:
    break;
  case TokenKind::Exponent:
    m_text += token.Text.front();
    m_text += ExponentSuffix(m_exponent, token.ExponentPlus, token.ExponentDigits).substr(1);
    m_afterExponent = true;
    break;
  case TokenKind::Literal:
    m_text += token.Text;
    break;
  }
}

// The places are filled from the right; the first place also takes the digits
// that have no place of their own.
void PictureWriter::WriteIntegerDigit(int place) {
  const int count = static_cast<int>(m_integers.size());
  const int index = count - m_layout.IntegerPlaces + place;
  if (place == 0)
    WriteIntegerDigits(0, index + 1);
  else if (index >= 0)
    WriteIntegerDigits(index, index + 1);
}

void PictureWriter::WriteIntegerDigits(int from, int to) {
  const int count = static_cast<int>(m_integers.size());
  for (int i = std::max(from, 0); i < to; ++i) {
    m_text += m_integers[static_cast<std::size_t>(i)];
    const int left = count - 1 - i;
    if (m_layout.Grouped && !m_layout.Scientific && left > 0 && left % 3 == 0)
      m_text += m_settings.ThousandSeparator;
  }
}

bool IsEmptyOrMissing(const std::vector<std::string_view>& sections, std::size_t index) {
  return index >= sections.size() || sections[index].empty();
}

} // namespace

std::string FormatFloat(std::string_view format, double value) {
  return FormatFloat(format, value, FormatSettings());
}

std::string FormatFloat(std::string_view format, double value, const TFormatSettings& settings) {
  if (!std::isfinite(value))
    return NonFiniteText(value);
  if (format.empty())
    return FloatToStr(value, settings);
  const std::vector<std::string_view> sections = SplitSections(format);
  const DecimalNumber exact = ExactDecimal(value);
  std::size_t chosen = exact.Negative && !IsEmptyOrMissing(sections, 1) ? 1 : 0;
  PictureLayout layout(sections[chosen]);
  DecimalNumber rounded = layout.Round(exact);
  if (rounded.IsZero()) {
    chosen = IsEmptyOrMissing(sections, 2) ? 0 : 2;
    layout = PictureLayout(sections[chosen]);
  } else if (!layout.Scientific && rounded.Exponent > kMaxPictureDigits) {
    return FloatToStr(value, settings);
  }
  const std::string sign = chosen == 0 && rounded.Negative ? "-" : "";
  rounded.Negative = false;
  return sign + PictureWriter(layout, rounded, settings).Write(sections[chosen]);
}
