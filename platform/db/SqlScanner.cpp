#include "platform/db/SqlScanner.h"

namespace {

bool IsNameChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

class TSqlScanner {
public:
  TSqlScanner(std::string_view text, bool findParams) : m_text(text), m_findParams(findParams) {}

  TSqlScan Run() {
    while (m_pos < m_text.size())
      Step();
    EndStatement(0);
    return std::move(m_scan);
  }

private:
  char At(std::size_t pos) const { return pos < m_text.size() ? m_text[pos] : '\0'; }

  void Step() {
    const char c = m_text[m_pos];
    if (c == '\'' || c == '"' || c == '`')
      SkipQuoted(c);
    else if (c == '#' || (c == '-' && At(m_pos + 1) == '-' && IsCommentBlank(At(m_pos + 2))))
      SkipLine();
    else if (c == '/' && At(m_pos + 1) == '*')
      SkipBlockComment();
    else if (c == ';')
      EndStatement(1);
    else if (c == ':' && m_findParams && IsNameChar(At(m_pos + 1)))
      ReadParam();
    else
      ReadPlain(c);
  }

  void ReadPlain(char c) {
    if (!IsBlank(c))
      m_hasContent = true;
    ++m_pos;
  }

  // "--" starts a comment only when a blank, a control character or the end
  // of the text follows.
  static bool IsCommentBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

  void SkipQuoted(char quote) {
    m_hasContent = true;
    ++m_pos;
    while (m_pos < m_text.size()) {
      const char c = m_text[m_pos++];
      if (c == '\\' && quote != '`')
        ++m_pos;
      else if (c == quote && At(m_pos) == quote)
        ++m_pos;
      else if (c == quote)
        return;
    }
  }

  void SkipLine() {
    while (m_pos < m_text.size() && m_text[m_pos] != '\n')
      ++m_pos;
  }

  void SkipBlockComment() {
    const std::size_t end = m_text.find("*/", m_pos + 2);
    m_pos = end == std::string_view::npos ? m_text.size() : end + 2;
  }

  void ReadParam() {
    std::size_t end = m_pos + 1;
    while (IsNameChar(At(end)))
      ++end;
    m_scan.Params.push_back(
        {m_pos, end - m_pos, std::string(m_text.substr(m_pos + 1, end - m_pos - 1))});
    m_hasContent = true;
    m_pos = end;
  }

  // Ends the statement at the current position, after 'separator' characters.
  void EndStatement(std::size_t separator) {
    if (m_hasContent)
      ++m_scan.StatementCount;
    m_hasContent = false;
    m_pos += separator;
  }

  std::string_view m_text;
  bool m_findParams = false;
  std::size_t m_pos = 0;
  bool m_hasContent = false;
  TSqlScan m_scan;
};

} // namespace

TSqlScan ScanSqlText(std::string_view text, bool findParams) {
  return TSqlScanner(text, findParams).Run();
}
