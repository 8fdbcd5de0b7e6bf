#include "framework/cxDrawTextUtilsWide.h"

#include <array>

#include "platform/rtl/WideText.h"

namespace {

using TWideTable = std::array<char16_t, 256>;

TWideTable MakeWideTable() {
  TWideTable table{};
  for (int byte = 0; byte < 256; ++byte) {
    const char source = static_cast<char>(byte);
    WCHAR unit = u'?';
    if (::MultiByteToWideChar(kTextCodePage, 0, &source, 1, &unit, 1) != 1)
      unit = u'?';
    table[static_cast<size_t>(byte)] = static_cast<char16_t>(unit);
  }
  return table;
}

const TWideTable& WideTable() {
  static const TWideTable table = MakeWideTable();
  return table;
}

} // namespace

char16_t cxWideCharOf(char byte) { return WideTable()[static_cast<unsigned char>(byte)]; }

const WCHAR* TcxWideBuffer::Convert(const char* text, int count) {
  const TWideTable& table = WideTable();
  m_text.resize(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i)
    m_text[static_cast<size_t>(i)] = table[static_cast<unsigned char>(text[i])];
  return WidePtr(m_text);
}
