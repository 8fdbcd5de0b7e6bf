#include "platform/objects/FormParser.h"

#include <cstdint>

#include "platform/objects/FormLexer.h"
#include "platform/rtl/AnsiStrings.h"

namespace {

using enum TFormTokenKind;

constexpr std::uint64_t kLargestInt64 = INT64_MAX;

class TFormParser {
public:
  explicit TFormParser(std::string_view text) : m_lexer(text) { Advance(); }

  TFormObject ParseRoot() {
    TFormObject root = ParseObject();
    if (m_token.Kind != ftEnd)
      Error("End of definition expected");
    return root;
  }

private:
  void Advance() { m_token = m_lexer.Next(); }
  [[noreturn]] void Error(const std::string& message) const {
    TFormLexer::Error(message, m_token.Line);
  }
  bool IsSymbol(char symbol) const {
    return m_token.Kind == ftSymbol && m_token.Text[0] == symbol;
  }
  bool IsKeyword(std::string_view word) const {
    return m_token.Kind == ftIdent && SameText(m_token.Text, word);
  }
  void ExpectSymbol(char symbol) {
    if (!IsSymbol(symbol))
      Error("'" + std::string(1, symbol) + "' expected");
    Advance();
  }
  std::string ExpectIdent() {
    if (m_token.Kind != ftIdent)
      Error("Identifier expected");
    std::string ident = m_token.Text;
    Advance();
    return ident;
  }
  std::string ParseDottedIdent() {
    std::string name = ExpectIdent();
    while (IsSymbol('.')) {
      Advance();
      name += '.' + ExpectIdent();
    }
    return name;
  }

  // Counts one level of nesting (an object, list or collection that starts
  // on 'line') for as long as it lives.
  class TNestingLevel {
  public:
    TNestingLevel(TFormParser& parser, int line) : m_parser(parser) {
      if (++m_parser.m_nesting > MaxFormNesting) {
        --m_parser.m_nesting;
        TFormLexer::Error("Nested deeper than " + std::to_string(MaxFormNesting) + " levels", line);
      }
    }
    ~TNestingLevel() { --m_parser.m_nesting; }
    TNestingLevel(const TNestingLevel&) = delete;
    TNestingLevel& operator=(const TNestingLevel&) = delete;

  private:
    TFormParser& m_parser;
  };

  TFormObject ParseObject() {
    const TNestingLevel level(*this, m_token.Line);
    TFormObject object;
    object.Line = m_token.Line;
    if (!IsKeyword("object"))
      Error("'object' expected");
    Advance();
    object.ClassName = ExpectIdent();
    if (IsSymbol(':')) {
      Advance();
      object.Name = object.ClassName;
      object.ClassName = ExpectIdent();
    }
    while (!IsKeyword("end")) {
      if (m_token.Kind == ftEnd)
        Error("'end' expected");
      if (IsKeyword("object"))
        object.Children.push_back(ParseObject());
      else
        object.Properties.push_back(ParseProperty());
    }
    Advance();
    return object;
  }

  TFormProperty ParseProperty() {
    TFormProperty property;
    property.Line = m_token.Line;
    property.Name = ParseDottedIdent();
    ExpectSymbol('=');
    property.Value = ParseValue();
    return property;
  }

  TFormValue ParseValue() {
    TFormValue value;
    value.Line = m_token.Line;
    switch (m_token.Kind) {
    case ftInteger:
    case ftFloat:
      ParseNumber(value, false);
      break;
    case ftString:
      ParseString(value);
      break;
    case ftIdent:
      value.Kind = TFormValueKind::fvIdent;
      value.Text = ParseDottedIdent();
      break;
    case ftBinary:
      value.Kind = TFormValueKind::fvBinary;
      value.Bytes = m_token.Bytes;
      Advance();
      break;
    case ftSymbol:
      ParseSymbolValue(value);
      break;
    case ftEnd:
      Error("Value expected");
    }
    return value;
  }

  void ParseNumber(TFormValue& value, bool negative) {
    if (m_token.Kind == ftInteger) {
      value.Kind = TFormValueKind::fvInteger;
      value.Integer = IntegerValue(negative);
    } else if (m_token.Kind == ftFloat) {
      value.Kind = TFormValueKind::fvFloat;
      value.Float = negative ? -m_token.Float : m_token.Float;
    } else {
      Error("Number expected");
    }
    Advance();
  }

  // Decimal digits give -2^63 .. 2^63-1 with their sign; hexadecimal ones
  // are the 64 bits of the number, negated in two's complement.
  std::int64_t IntegerValue(bool negative) const {
    const std::uint64_t digits = m_token.Integer;
    if (!m_token.Hex && digits > kLargestInt64 + (negative ? 1 : 0))
      Error("Invalid number " + std::string(negative ? "-" : "") + m_token.Text);
    return static_cast<std::int64_t>(negative ? 0 - digits : digits);
  }

  void ParseString(TFormValue& value) {
    value.Kind = TFormValueKind::fvString;
    value.Text = m_token.Text;
    Advance();
    while (IsSymbol('+')) {
      Advance();
      if (m_token.Kind != ftString)
        Error("String expected");
      value.Text += m_token.Text;
      Advance();
    }
  }

  void ParseSymbolValue(TFormValue& value) {
    const char symbol = m_token.Text[0];
    Advance();
    if (symbol == '-')
      ParseNumber(value, true);
    else if (symbol == '[')
      ParseSet(value);
    else if (symbol == '(')
      ParseList(value);
    else if (symbol == '<')
      ParseCollection(value);
    else
      TFormLexer::Error("Value expected", value.Line);
  }

  void ParseSet(TFormValue& value) {
    value.Kind = TFormValueKind::fvSet;
    if (IsSymbol(']')) {
      Advance();
      return;
    }
    for (;;) {
      value.Elements.push_back(ExpectIdent());
      if (IsSymbol(']'))
        break;
      ExpectSymbol(',');
    }
    Advance();
  }

  void ParseList(TFormValue& value) {
    const TNestingLevel level(*this, value.Line);
    value.Kind = TFormValueKind::fvList;
    while (!IsSymbol(')'))
      value.List.push_back(ParseValue());
    Advance();
  }

  void ParseCollection(TFormValue& value) {
    const TNestingLevel level(*this, value.Line);
    value.Kind = TFormValueKind::fvCollection;
    while (!IsSymbol('>')) {
      TFormItem item;
      item.Line = m_token.Line;
      if (!IsKeyword("item"))
        Error("'item' expected");
      Advance();
      while (!IsKeyword("end")) {
        if (m_token.Kind == ftEnd)
          Error("'end' expected");
        item.Properties.push_back(ParseProperty());
      }
      Advance();
      value.Items.push_back(std::move(item));
    }
    Advance();
  }

  TFormLexer m_lexer;
  TFormToken m_token;
  int m_nesting = 0;
};

} // namespace

TFormObject ParseFormDefinition(std::string_view text) { return TFormParser(text).ParseRoot(); }
