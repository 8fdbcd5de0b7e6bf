// The tokens of the form-definition text: identifiers, numbers, strings
// (quoted runs and #nnn character codes, joined), symbols and binary data,
// each with its line. Errors raise EParserError "<what> on line <n>".
//
// Classes in this file: TFormLexer, EParserError.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/rtl/Exceptions.h"

class EParserError : public EReadError {
public:
  using EReadError::EReadError;
};

enum class TFormTokenKind { ftEnd, ftIdent, ftInteger, ftFloat, ftString, ftSymbol, ftBinary };

struct TFormToken {
  TFormTokenKind Kind = TFormTokenKind::ftEnd;
  int Line = 1;
  std::string Text;                // identifier, string value, symbol, integer digits
  std::uint64_t Integer = 0;       // decimal: the digits' value; hex: the 64 bits
  bool Hex = false;
  double Float = 0;
  std::vector<std::uint8_t> Bytes; // binary data
};

class TFormLexer {
public:
  explicit TFormLexer(std::string_view text) : m_text(text) {}

  // The next token; ftEnd at the end of the text.
  TFormToken Next();
  int Line() const { return m_line; }

  [[noreturn]] static void Error(const std::string& message, int line);

private:
  char Peek(std::size_t offset = 0) const;
  void SkipBlanks();
  TFormToken ReadIdent();
  TFormToken ReadNumber();
  TFormToken ReadHexNumber();
  TFormToken ReadString();
  void ReadQuoted(std::string& text);
  void ReadCharCode(std::string& text);
  TFormToken ReadBinary();

  std::string_view m_text;
  std::size_t m_position = 0;
  int m_line = 1;
};
