#include "platform/objects/FormLexer.h"

#include <charconv>

namespace {

bool IsIdentStart(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsIdentChar(char c) { return IsIdentStart(c) || IsDigit(c); }

int HexValue(char c) {
  if (IsDigit(c))
    return c - '0';
  if (c >= 'A' && c <= 'F')
    return c - 'A' + 10;
  if (c >= 'a' && c <= 'f')
    return c - 'a' + 10;
  return -1;
}

TFormToken MakeToken(TFormTokenKind kind, int line, std::string text = {}) {
  TFormToken token;
  token.Kind = kind;
  token.Line = line;
  token.Text = std::move(text);
  return token;
}

} // namespace

void TFormLexer::Error(const std::string& message, int line) {
  throw EParserError(message + " on line " + std::to_string(line));
}

char TFormLexer::Peek(std::size_t offset) const {
  const std::size_t at = m_position + offset;
  return at < m_text.size() ? m_text[at] : '\0';
}

void TFormLexer::SkipBlanks() {
  while (m_position < m_text.size()) {
    const char c = m_text[m_position];
    if (c == '\n')
      ++m_line;
    else if (static_cast<unsigned char>(c) > ' ')
      return;
    ++m_position;
  }
}

TFormToken TFormLexer::Next() {
  SkipBlanks();
  const char c = Peek();
  if (c == '\0')
    return MakeToken(TFormTokenKind::ftEnd, m_line);
  if (IsIdentStart(c))
    return ReadIdent();
  if (IsDigit(c))
    return ReadNumber();
  if (c == '$')
    return ReadHexNumber();
  if (c == '\'' || c == '#')
    return ReadString();
  if (c == '{')
    return ReadBinary();
  if (std::string_view("=:.,[]()<>+-").find(c) != std::string_view::npos) {
    ++m_position;
    return MakeToken(TFormTokenKind::ftSymbol, m_line, std::string(1, c));
  }
  Error("Invalid character '" + std::string(1, c) + "'", m_line);
}

TFormToken TFormLexer::ReadIdent() {
  const std::size_t start = m_position;
  while (IsIdentChar(Peek()))
    ++m_position;
  return MakeToken(TFormTokenKind::ftIdent, m_line,
                   std::string(m_text.substr(start, m_position - start)));
}

TFormToken TFormLexer::ReadNumber() {
  const std::size_t start = m_position;
  bool isFloat = false;
  while (IsDigit(Peek()))
    ++m_position;
  if (Peek() == '.' && IsDigit(Peek(1))) {
    isFloat = true;
    ++m_position;
    while (IsDigit(Peek()))
      ++m_position;
  }
  if ((Peek() == 'E' || Peek() == 'e') &&
      (IsDigit(Peek(1)) || ((Peek(1) == '+' || Peek(1) == '-') && IsDigit(Peek(2))))) {
    isFloat = true;
    m_position += 2;
    while (IsDigit(Peek()))
      ++m_position;
  }
  const std::string_view digits = m_text.substr(start, m_position - start);
  TFormToken token = MakeToken(isFloat ? TFormTokenKind::ftFloat : TFormTokenKind::ftInteger, m_line,
                               std::string(digits));
  const char* first = digits.data();
  const char* last = first + digits.size();
  const auto result = isFloat ? std::from_chars(first, last, token.Float)
                              : std::from_chars(first, last, token.Integer);
  if (result.ec != std::errc() || result.ptr != last)
    Error("Invalid number " + std::string(digits), m_line);
  return token;
}

TFormToken TFormLexer::ReadHexNumber() {
  ++m_position;
  const std::size_t start = m_position;
  while (HexValue(Peek()) >= 0)
    ++m_position;
  const std::string_view digits = m_text.substr(start, m_position - start);
  TFormToken token = MakeToken(TFormTokenKind::ftInteger, m_line, "$" + std::string(digits));
  token.Hex = true;
  const auto result =
      std::from_chars(digits.data(), digits.data() + digits.size(), token.Integer, 16);
  if (digits.empty() || result.ec != std::errc())
    Error("Invalid number " + token.Text, m_line);
  return token;
}

TFormToken TFormLexer::ReadString() {
  TFormToken token = MakeToken(TFormTokenKind::ftString, m_line);
  for (;;) {
    if (Peek() == '\'')
      ReadQuoted(token.Text);
    else if (Peek() == '#')
      ReadCharCode(token.Text);
    else
      return token;
  }
}

void TFormLexer::ReadQuoted(std::string& text) {
  ++m_position;
  for (;;) {
    const char c = Peek();
    if (c == '\0' || c == '\n' || c == '\r')
      Error("Unterminated string", m_line);
    ++m_position;
    if (c != '\'') {
      text += c;
    } else if (Peek() == '\'') {
      text += '\'';
      ++m_position;
    } else {
      return;
    }
  }
}

void TFormLexer::ReadCharCode(std::string& text) {
  ++m_position;
  const std::size_t start = m_position;
  while (IsDigit(Peek()))
    ++m_position;
  const std::string_view digits = m_text.substr(start, m_position - start);
  int code = -1;
  std::from_chars(digits.data(), digits.data() + digits.size(), code);
  if (digits.empty() || code < 0 || code > 255)
    Error("Invalid character code #" + std::string(digits), m_line);
  text += static_cast<char>(code);
}

TFormToken TFormLexer::ReadBinary() {
  TFormToken token = MakeToken(TFormTokenKind::ftBinary, m_line);
  ++m_position;
  int high = -1;
  for (;;) {
    SkipBlanks();
    const char c = Peek();
    if (c == '}')
      break;
    const int digit = HexValue(c);
    if (digit < 0)
      Error("Invalid binary data", m_line);
    ++m_position;
    if (high < 0) {
      high = digit;
    } else {
      token.Bytes.push_back(static_cast<std::uint8_t>(high * 16 + digit));
      high = -1;
    }
  }
  if (high >= 0)
    Error("Invalid binary data", m_line);
  ++m_position;
  return token;
}
