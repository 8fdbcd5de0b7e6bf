// Small shared services of the library: byte-buffer access, integer
// arithmetic, paths, and opening a web page.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/rtl/Streams.h"
#include "platform/rtl/Types.h"

enum class TcxDirection { dirNone, dirLeft, dirRight, dirUp, dirDown };
enum class TcxPosition { posNone, posLeft, posRight, posTop, posBottom };
enum class TcxCollectionOperation { copAdd, copDelete, copChanged };

// Bytes (1 or 2) of the character that starts at the 1-based byte position
// 'index' of s, in the system code page. Raises ERangeError for a position
// outside s.
int cxStrCharLength(const std::string& s, int index);

// Asks the shell to open 'url' (verb "OPEN", window maximised); the shell's
// answer is not checked.
void OpenWebPage(const std::string& url);
// What OpenWebPage calls: the verb, the file and the show command. Tests
// replace it; the previous one is answered so that it can be restored.
using TcxShellExecuteFunc =
    std::function<void(const std::string& verb, const std::string& file, int showCommand)>;
TcxShellExecuteFunc cxSetShellExecuteFunc(TcxShellExecuteFunc func);

// s with every forward slash replaced by a backslash.
std::string GetCorrectPath(std::string s);

// Two memory streams of equal size holding the same bytes.
bool StreamsEqual(TMemoryStream& s1, TMemoryStream& s2);

// The byte written by the first two characters of s as hexadecimal digits.
// Letters of either case count from "A" = 10; other characters are not
// checked. Raises EConvertError when s is shorter than two characters.
std::uint8_t HexToByte(const std::string& s);

void cxZeroMemory(void* p, int count);
// A new zero-filled block; cxFreeMem returns it.
void* cxAllocMem(int size);
void cxFreeMem(void* p);
// Copies 'count' bytes; the blocks may overlap. The offsets that are
// greater than 0 are added to their pointers.
void cxCopyData(const void* source, void* dest, int count);
void cxCopyData(const void* source, void* dest, int sourceOffset, int destOffset, int count);

// Little-endian values at buffer + offset. A Boolean takes two bytes,
// non-zero meaning true.
std::uint8_t ReadByte(const void* buffer, int offset = 0);
std::uint16_t ReadWord(const void* buffer, int offset = 0);
int ReadInteger(const void* buffer, int offset = 0);
bool ReadBoolean(const void* buffer, int offset = 0);
void WriteByte(void* buffer, std::uint8_t value, int offset = 0);
void WriteWord(void* buffer, std::uint16_t value, int offset = 0);
void WriteInteger(void* buffer, int value, int offset = 0);
void WriteBoolean(void* buffer, bool value, int offset = 0);

// a div b, plus 1 when the remainder is not 0 (a ceiling for positive
// quotients only). Raises EDivByZero when b is 0.
int RoundDiv(int a, int b);
// The centre of a..b rounded toward minus infinity.
int GetRangeCenter(int a, int b);
TSize Size(int cx, int cy);
void SwapIntegers(int& a, int& b);
// 1 when x >= 0, else -1.
int cxSign(double x);
