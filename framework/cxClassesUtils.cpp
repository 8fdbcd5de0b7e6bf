#include "framework/cxClassesUtils.h"

#include <cstdlib>
#include <cstring>
#include <utility>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/WideText.h"
#include "platform/rtl/WinApi.h"

namespace {

void ShellExecuteThroughPlatform(const std::string& verb, const std::string& file,
                                 int showCommand) {
  ::ShellExecuteW(nullptr, WidePtr(AnsiToWide(verb)), WidePtr(AnsiToWide(file)), nullptr,
                  nullptr, showCommand);
}

TcxShellExecuteFunc& ShellExecuteFunc() {
  static TcxShellExecuteFunc func = ShellExecuteThroughPlatform;
  return func;
}

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9')
    return c - '0';
  const unsigned char upper = (c >= 'a' && c <= 'z') ? c - 'a' + 'A' : c;
  return upper - 55;
}

const std::uint8_t* BytesAt(const void* buffer, int offset) {
  return static_cast<const std::uint8_t*>(buffer) + offset;
}

std::uint8_t* BytesAt(void* buffer, int offset) {
  return static_cast<std::uint8_t*>(buffer) + offset;
}

} // namespace

int cxStrCharLength(const std::string& s, int index) {
  if (index < 1 || index > static_cast<int>(s.size()))
    throw ERangeError("Character position " + std::to_string(index) + " lies outside the text");
  const char* p = s.c_str() + index - 1;
  return static_cast<int>(::CharNextA(p) - p);
}

void OpenWebPage(const std::string& url) { ShellExecuteFunc()("OPEN", url, SW_SHOWMAXIMIZED); }

TcxShellExecuteFunc cxSetShellExecuteFunc(TcxShellExecuteFunc func) {
  return std::exchange(ShellExecuteFunc(), std::move(func));
}

std::string GetCorrectPath(std::string s) {
  for (char& c : s)
    if (c == '/')
      c = '\\';
  return s;
}

bool StreamsEqual(TMemoryStream& s1, TMemoryStream& s2) {
  const std::int64_t size = s1.Size();
  return size == s2.Size() &&
         (size == 0 || std::memcmp(s1.Memory(), s2.Memory(), static_cast<std::size_t>(size)) == 0);
}

std::uint8_t HexToByte(const std::string& s) {
  if (s.size() < 2)
    throw EConvertError("'" + s + "' is not a hexadecimal byte");
  return static_cast<std::uint8_t>(HexDigitValue(s[0]) * 16 + HexDigitValue(s[1]));
}

void cxZeroMemory(void* p, int count) { std::memset(p, 0, count); }
void* cxAllocMem(int size) {
  void* block = size >= 0 ? std::calloc(size > 0 ? size : 1, 1) : nullptr;
  if (!block)
    throw EOutOfMemory("Out of memory");
  return block;
}

void cxFreeMem(void* p) { std::free(p); }

void cxCopyData(const void* source, void* dest, int count) { std::memmove(dest, source, count); }

void cxCopyData(const void* source, void* dest, int sourceOffset, int destOffset, int count) {
  cxCopyData(BytesAt(source, sourceOffset > 0 ? sourceOffset : 0),
             BytesAt(dest, destOffset > 0 ? destOffset : 0), count);
}

std::uint8_t ReadByte(const void* buffer, int offset) { return *BytesAt(buffer, offset); }

std::uint16_t ReadWord(const void* buffer, int offset) {
  const std::uint8_t* p = BytesAt(buffer, offset);
  return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

int ReadInteger(const void* buffer, int offset) {
  const std::uint8_t* p = BytesAt(buffer, offset);
  return static_cast<int>(static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
                          static_cast<std::uint32_t>(p[2]) << 16 |
                          static_cast<std::uint32_t>(p[3]) << 24);
}

bool ReadBoolean(const void* buffer, int offset) { return ReadWord(buffer, offset) != 0; }

void WriteByte(void* buffer, std::uint8_t value, int offset) { *BytesAt(buffer, offset) = value; }

void WriteWord(void* buffer, std::uint16_t value, int offset) {
  std::uint8_t* p = BytesAt(buffer, offset);
  p[0] = static_cast<std::uint8_t>(value);
  p[1] = static_cast<std::uint8_t>(value >> 8);
}

void WriteInteger(void* buffer, int value, int offset) {
  const auto bits = static_cast<std::uint32_t>(value);
  WriteWord(buffer, static_cast<std::uint16_t>(bits), offset);
  WriteWord(buffer, static_cast<std::uint16_t>(bits >> 16), offset + 2);
}

void WriteBoolean(void* buffer, bool value, int offset) { WriteWord(buffer, value ? 1 : 0, offset); }

int RoundDiv(int a, int b) { return Div(a, b) + (Mod(a, b) != 0 ? 1 : 0); }

int GetRangeCenter(int a, int b) {
  const int sum = a + b;
  return sum > 0 ? sum / 2 : (sum - 1) / 2;
}

TSize Size(int cx, int cy) { return {cx, cy}; }

void SwapIntegers(int& a, int& b) { std::swap(a, b); }

int cxSign(double x) { return x >= 0.0 ? 1 : -1; }
