#include "framework/cxDrawTextUtilsWide.h"

#include <array>

#include "platform/rtl/WideText.h"

namespace {

using TWideTable = std::array<char16_t, 256>;

// Every byte converted once, so that long texts convert by table lookup.
TWideTable MakeWideTable() {
  TWideTable table{};
  for (int byte = 0; byte < 256; ++byte)
    table[static_cast<size_t>(byte)] = AnsiToWideChar(static_cast<char>(byte));
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
