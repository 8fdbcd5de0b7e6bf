// The data layer's binary encoding of values in streams: typed read and
// write procedures (little-endian, in-memory widths, no padding) and the
// tagged variant format, one tag byte followed by the payload of that tag.
//
//   tag  payload                                  read back as
//   0    none                                     Null
//   1    count (tagged integer), count variants   Variant array 0..count-1
//   2/3/4/19  signed integer of 1/2/4/8 bytes     ShortInt/Smallint/Integer/Int64
//   5    10-byte extended                         Double
//   6    1-byte length, bytes                     String
//   8/9  none                                     Boolean False/True
//   12   4-byte length, bytes                     String
//   13   none                                     Empty
//   15   4-byte single                            Single
//   16   8-byte currency (amount * 10000)         Currency
//   17   8-byte double                            Date
//   18   4-byte character count, UTF-16LE         OleStr
//
// Bad input (an unknown tag, a negative length or count, a length or count
// beyond the bytes left in the stream, array elements that the bytes left
// cannot hold together with the elements still to come of the arrays around
// them, arrays nested deeper than cxMaxVariantNesting) raises EReadError
// "Stream read error" before anything large is allocated: a stream never
// makes the reader hold more array elements than it has bytes. A stream that ends early raises the stream's own read
// error. On writing, an array of more than one dimension, a value without a
// text, or an array nested too deep raises EWriteError "Stream write error".
//
// Classes in this file: TcxFiler, TcxReader, TcxWriter.
#pragma once

#include <cstdint>
#include <string>

#include "platform/objects/Objects.h"
#include "platform/rtl/Currency.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/Variants.h"

// Arrays inside arrays deeper than this are refused on both sides.
constexpr int cxMaxVariantNesting = 64;

// Booleans are one byte: 0 is False, anything else True (True is written as 1).
void ReadBooleanProc(TStream& stream, bool& value);
bool ReadBooleanFunc(TStream& stream);
void WriteBooleanProc(TStream& stream, bool value);
void ReadCharProc(TStream& stream, char& value);
char ReadCharFunc(TStream& stream);
void WriteCharProc(TStream& stream, char value);
// Ten bytes of x87 extended precision; a value beyond the range of a double
// raises EReadError.
void ReadFloatProc(TStream& stream, double& value);
double ReadFloatFunc(TStream& stream);
void WriteFloatProc(TStream& stream, double value);
void ReadSingleProc(TStream& stream, float& value);
float ReadSingleFunc(TStream& stream);
void WriteSingleProc(TStream& stream, float value);
void ReadCurrencyProc(TStream& stream, Currency& value);
Currency ReadCurrencyFunc(TStream& stream);
void WriteCurrencyProc(TStream& stream, Currency value);
void ReadDateTimeProc(TStream& stream, TDateTime& value);
TDateTime ReadDateTimeFunc(TStream& stream);
void WriteDateTimeProc(TStream& stream, TDateTime value);
void ReadIntegerProc(TStream& stream, int& value);
int ReadIntegerFunc(TStream& stream);
void WriteIntegerProc(TStream& stream, int value);
void ReadLargeIntProc(TStream& stream, std::int64_t& value);
std::int64_t ReadLargeIntFunc(TStream& stream);
void WriteLargeIntProc(TStream& stream, std::int64_t value);
void ReadByteProc(TStream& stream, std::uint8_t& value);
std::uint8_t ReadByteFunc(TStream& stream);
void WriteByteProc(TStream& stream, std::uint8_t value);
void ReadSmallIntProc(TStream& stream, std::int16_t& value);
std::int16_t ReadSmallIntFunc(TStream& stream);
void WriteSmallIntProc(TStream& stream, std::int16_t value);
// Cardinal, ShortInt and Word share the bytes of Integer, Byte and SmallInt.
void ReadCardinalProc(TStream& stream, std::uint32_t& value);
std::uint32_t ReadCardinalFunc(TStream& stream);
void WriteCardinalProc(TStream& stream, std::uint32_t value);
void ReadShortIntProc(TStream& stream, std::int8_t& value);
std::int8_t ReadShortIntFunc(TStream& stream);
void WriteShortIntProc(TStream& stream, std::int8_t value);
void ReadWordProc(TStream& stream, std::uint16_t& value);
std::uint16_t ReadWordFunc(TStream& stream);
void WriteWordProc(TStream& stream, std::uint16_t value);
// A signed 32-bit length in bytes, then the bytes (no terminator).
void ReadStringProc(TStream& stream, std::string& value);
std::string ReadStringFunc(TStream& stream);
void WriteStringProc(TStream& stream, const std::string& value);
// A signed 32-bit length in characters, then UTF-16LE code units.
void ReadWideStringProc(TStream& stream, std::u16string& value);
std::u16string ReadWideStringFunc(TStream& stream);
void WriteWideStringProc(TStream& stream, const std::u16string& value);
// The tagged variant format (see the table above). Reading an array assigns
// it to the value first, so a failure inside keeps the elements read so far.
void ReadVariantProc(TStream& stream, Variant& value);
Variant ReadVariantFunc(TStream& stream);
void WriteVariantProc(TStream& stream, const Variant& value);

// Holds the stream it was made with; does not own it.
class TcxFiler : public TObject {
  OBJECT_CLASS(TcxFiler, TObject)
public:
  explicit TcxFiler(TStream* stream) : m_stream(stream) {}

  TStream& Stream() const { return *m_stream; }

private:
  TStream* m_stream = nullptr;
};

class TcxReader : public TcxFiler {
  OBJECT_CLASS(TcxReader, TcxFiler)
public:
  using TcxFiler::TcxFiler;

  bool ReadBoolean() { return ReadBooleanFunc(Stream()); }
  std::uint8_t ReadByte() { return ReadByteFunc(Stream()); }
  std::uint32_t ReadCardinal() { return ReadCardinalFunc(Stream()); }
  char ReadChar() { return ReadCharFunc(Stream()); }
  Currency ReadCurrency() { return ReadCurrencyFunc(Stream()); }
  TDateTime ReadDateTime() { return ReadDateTimeFunc(Stream()); }
  double ReadFloat() { return ReadFloatFunc(Stream()); }
  int ReadInteger() { return ReadIntegerFunc(Stream()); }
  std::int64_t ReadLargeInt() { return ReadLargeIntFunc(Stream()); }
  std::int8_t ReadShortInt() { return ReadShortIntFunc(Stream()); }
  float ReadSingle() { return ReadSingleFunc(Stream()); }
  std::int16_t ReadSmallInt() { return ReadSmallIntFunc(Stream()); }
  std::string ReadString() { return ReadStringFunc(Stream()); }
  Variant ReadVariant() { return ReadVariantFunc(Stream()); }
  std::u16string ReadWideString() { return ReadWideStringFunc(Stream()); }
  std::uint16_t ReadWord() { return ReadWordFunc(Stream()); }
};

class TcxWriter : public TcxFiler {
  OBJECT_CLASS(TcxWriter, TcxFiler)
public:
  using TcxFiler::TcxFiler;

  void WriteBoolean(bool value) { WriteBooleanProc(Stream(), value); }
  void WriteByte(std::uint8_t value) { WriteByteProc(Stream(), value); }
  void WriteCardinal(std::uint32_t value) { WriteCardinalProc(Stream(), value); }
  void WriteChar(char value) { WriteCharProc(Stream(), value); }
  void WriteCurrency(Currency value) { WriteCurrencyProc(Stream(), value); }
  void WriteDateTime(TDateTime value) { WriteDateTimeProc(Stream(), value); }
  void WriteFloat(double value) { WriteFloatProc(Stream(), value); }
  void WriteInteger(int value) { WriteIntegerProc(Stream(), value); }
  void WriteLargeInt(std::int64_t value) { WriteLargeIntProc(Stream(), value); }
  void WriteShortInt(std::int8_t value) { WriteShortIntProc(Stream(), value); }
  void WriteSingle(float value) { WriteSingleProc(Stream(), value); }
  void WriteSmallInt(std::int16_t value) { WriteSmallIntProc(Stream(), value); }
  void WriteString(const std::string& value) { WriteStringProc(Stream(), value); }
  void WriteVariant(const Variant& value) { WriteVariantProc(Stream(), value); }
  void WriteWideString(const std::u16string& value) { WriteWideStringProc(Stream(), value); }
  void WriteWord(std::uint16_t value) { WriteWordProc(Stream(), value); }
};
