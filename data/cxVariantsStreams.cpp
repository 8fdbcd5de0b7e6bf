#include "data/cxVariantsStreams.h"

#include <algorithm>
#include <bit>
#include <climits>

#include "data/cxDataConsts.h"
#include "data/cxVariantsExtended.h"

namespace {

// Tags of the tagged variant format (the value kinds of the platform's
// binary property streams).
enum TValueTag : std::uint8_t {
  vaNull = 0,
  vaList = 1,
  vaInt8 = 2,
  vaInt16 = 3,
  vaInt32 = 4,
  vaExtended = 5,
  vaString = 6,
  vaFalse = 8,
  vaTrue = 9,
  vaLString = 12,
  vaNil = 13,
  vaSingle = 15,
  vaCurrency = 16,
  vaDate = 17,
  vaWString = 18,
  vaInt64 = 19,
};

[[noreturn]] void DataReadError() { throw EReadError(cxDataMessage(cxSDataReadError)); }
[[noreturn]] void DataWriteError() { throw EWriteError(cxDataMessage(cxSDataWriteError)); }

template <class T>
T ReadLittleEndian(TStream& stream) {
  std::uint8_t bytes[sizeof(T)];
  stream.ReadBuffer(bytes, sizeof(T));
  std::make_unsigned_t<T> value = 0;
  for (std::size_t i = 0; i < sizeof(T); ++i)
    value |= static_cast<std::make_unsigned_t<T>>(bytes[i]) << (8 * i);
  return static_cast<T>(value);
}

template <class T>
void WriteLittleEndian(TStream& stream, T value) {
  const auto bits = static_cast<std::make_unsigned_t<T>>(value);
  std::uint8_t bytes[sizeof(T)];
  for (std::size_t i = 0; i < sizeof(T); ++i)
    bytes[i] = static_cast<std::uint8_t>(bits >> (8 * i));
  stream.WriteBuffer(bytes, sizeof(T));
}

std::int64_t BytesLeft(TStream& stream) {
  return std::max<std::int64_t>(stream.Size() - stream.Position(), 0);
}

// A length or count read from the stream, checked against the bytes left
// in it before anything is sized by it.
int CheckedCount(TStream& stream, std::int64_t count, std::int64_t bytesPerItem) {
  if (count < 0 || count > INT_MAX)
    DataReadError();
  const std::int64_t left = BytesLeft(stream);
  if (count > left / bytesPerItem)
    DataReadError();
  return static_cast<int>(count);
}

std::string ReadBytes(TStream& stream, std::int64_t length) {
  std::string text(static_cast<std::size_t>(CheckedCount(stream, length, 1)), '\0');
  if (!text.empty())
    stream.ReadBuffer(text.data(), static_cast<int>(text.size()));
  return text;
}

std::u16string ReadWideChars(TStream& stream, std::int64_t length) {
  const int count = CheckedCount(stream, length, 2);
  std::u16string text;
  text.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i)
    text.push_back(static_cast<char16_t>(ReadLittleEndian<std::uint16_t>(stream)));
  return text;
}

void WriteBytes(TStream& stream, const std::string& text) {
  if (!text.empty())
    stream.WriteBuffer(text.data(), static_cast<int>(text.size()));
}

int CheckedLength(std::size_t size) {
  if (size > INT_MAX)
    DataWriteError();
  return static_cast<int>(size);
}

void WriteTag(TStream& stream, TValueTag tag) { WriteLittleEndian<std::uint8_t>(stream, tag); }

} // namespace

// ---- Typed procedures ------------------------------------------------------

bool ReadBooleanFunc(TStream& stream) { return ReadLittleEndian<std::uint8_t>(stream) != 0; }
void ReadBooleanProc(TStream& stream, bool& value) { value = ReadBooleanFunc(stream); }
void WriteBooleanProc(TStream& stream, bool value) {
  WriteLittleEndian<std::uint8_t>(stream, value ? 1 : 0);
}

char ReadCharFunc(TStream& stream) { return static_cast<char>(ReadLittleEndian<std::uint8_t>(stream)); }
void ReadCharProc(TStream& stream, char& value) { value = ReadCharFunc(stream); }
void WriteCharProc(TStream& stream, char value) {
  WriteLittleEndian<std::uint8_t>(stream, static_cast<std::uint8_t>(value));
}

double ReadFloatFunc(TStream& stream) {
  TExtended80 extended;
  stream.ReadBuffer(extended.data(), static_cast<int>(extended.size()));
  double value = 0.0;
  if (!TryExtendedToDouble(extended, value))
    DataReadError();
  return value;
}
void ReadFloatProc(TStream& stream, double& value) { value = ReadFloatFunc(stream); }
void WriteFloatProc(TStream& stream, double value) {
  const TExtended80 extended = DoubleToExtended(value);
  stream.WriteBuffer(extended.data(), static_cast<int>(extended.size()));
}

float ReadSingleFunc(TStream& stream) {
  return std::bit_cast<float>(ReadLittleEndian<std::uint32_t>(stream));
}
void ReadSingleProc(TStream& stream, float& value) { value = ReadSingleFunc(stream); }
void WriteSingleProc(TStream& stream, float value) {
  WriteLittleEndian(stream, std::bit_cast<std::uint32_t>(value));
}

Currency ReadCurrencyFunc(TStream& stream) {
  return Currency::FromScaled(ReadLittleEndian<std::int64_t>(stream));
}
void ReadCurrencyProc(TStream& stream, Currency& value) { value = ReadCurrencyFunc(stream); }
void WriteCurrencyProc(TStream& stream, Currency value) { WriteLittleEndian(stream, value.Scaled()); }

TDateTime ReadDateTimeFunc(TStream& stream) {
  return std::bit_cast<double>(ReadLittleEndian<std::uint64_t>(stream));
}
void ReadDateTimeProc(TStream& stream, TDateTime& value) { value = ReadDateTimeFunc(stream); }
void WriteDateTimeProc(TStream& stream, TDateTime value) {
  WriteLittleEndian(stream, std::bit_cast<std::uint64_t>(value));
}

int ReadIntegerFunc(TStream& stream) { return ReadLittleEndian<std::int32_t>(stream); }
void ReadIntegerProc(TStream& stream, int& value) { value = ReadIntegerFunc(stream); }
void WriteIntegerProc(TStream& stream, int value) { WriteLittleEndian<std::int32_t>(stream, value); }

std::int64_t ReadLargeIntFunc(TStream& stream) { return ReadLittleEndian<std::int64_t>(stream); }
void ReadLargeIntProc(TStream& stream, std::int64_t& value) { value = ReadLargeIntFunc(stream); }
void WriteLargeIntProc(TStream& stream, std::int64_t value) { WriteLittleEndian(stream, value); }

std::uint8_t ReadByteFunc(TStream& stream) { return ReadLittleEndian<std::uint8_t>(stream); }
void ReadByteProc(TStream& stream, std::uint8_t& value) { value = ReadByteFunc(stream); }
void WriteByteProc(TStream& stream, std::uint8_t value) { WriteLittleEndian(stream, value); }

std::int16_t ReadSmallIntFunc(TStream& stream) { return ReadLittleEndian<std::int16_t>(stream); }
void ReadSmallIntProc(TStream& stream, std::int16_t& value) { value = ReadSmallIntFunc(stream); }
void WriteSmallIntProc(TStream& stream, std::int16_t value) { WriteLittleEndian(stream, value); }

std::uint32_t ReadCardinalFunc(TStream& stream) {
  return static_cast<std::uint32_t>(ReadIntegerFunc(stream));
}
void ReadCardinalProc(TStream& stream, std::uint32_t& value) { value = ReadCardinalFunc(stream); }
void WriteCardinalProc(TStream& stream, std::uint32_t value) {
  WriteIntegerProc(stream, static_cast<int>(value));
}

std::int8_t ReadShortIntFunc(TStream& stream) { return static_cast<std::int8_t>(ReadByteFunc(stream)); }
void ReadShortIntProc(TStream& stream, std::int8_t& value) { value = ReadShortIntFunc(stream); }
void WriteShortIntProc(TStream& stream, std::int8_t value) {
  WriteByteProc(stream, static_cast<std::uint8_t>(value));
}

std::uint16_t ReadWordFunc(TStream& stream) {
  return static_cast<std::uint16_t>(ReadSmallIntFunc(stream));
}
void ReadWordProc(TStream& stream, std::uint16_t& value) { value = ReadWordFunc(stream); }
void WriteWordProc(TStream& stream, std::uint16_t value) {
  WriteSmallIntProc(stream, static_cast<std::int16_t>(value));
}

std::string ReadStringFunc(TStream& stream) { return ReadBytes(stream, ReadIntegerFunc(stream)); }
void ReadStringProc(TStream& stream, std::string& value) { value = ReadStringFunc(stream); }
void WriteStringProc(TStream& stream, const std::string& value) {
  WriteIntegerProc(stream, CheckedLength(value.size()));
  WriteBytes(stream, value);
}

std::u16string ReadWideStringFunc(TStream& stream) {
  return ReadWideChars(stream, ReadIntegerFunc(stream));
}
void ReadWideStringProc(TStream& stream, std::u16string& value) { value = ReadWideStringFunc(stream); }
void WriteWideStringProc(TStream& stream, const std::u16string& value) {
  WriteIntegerProc(stream, CheckedLength(value.size()));
  for (char16_t c : value)
    WriteLittleEndian<std::uint16_t>(stream, c);
}

// ---- Tagged variants -------------------------------------------------------

namespace {

// The arrays being read: how deep they are nested, and how many of their
// elements are still to come. Every element takes at least its tag byte, so
// the elements still to come of all of them together must fit in the bytes
// left; then no stream makes the reader hold more elements than it has
// bytes, however its arrays are nested.
struct TArrayReading {
  int depth = 0;
  std::int64_t elementsToCome = 0;
};

void ReadTaggedVariant(TStream& stream, Variant& value, TArrayReading& arrays);
void WriteTaggedVariant(TStream& stream, const Variant& value, int depth);

std::int64_t ReadTaggedCount(TStream& stream) {
  switch (ReadByteFunc(stream)) {
  case vaInt8: return ReadShortIntFunc(stream);
  case vaInt16: return ReadSmallIntFunc(stream);
  case vaInt32: return ReadIntegerFunc(stream);
  default: return ReadLargeIntFunc(stream);
  }
}

void ReadArray(TStream& stream, Variant& value, TArrayReading& arrays) {
  if (arrays.depth >= cxMaxVariantNesting)
    DataReadError();
  const std::int64_t count = ReadTaggedCount(stream);
  if (count < 0 || count > INT_MAX || count > BytesLeft(stream) - arrays.elementsToCome)
    DataReadError();
  value = VarArrayCreate({0, static_cast<int>(count) - 1}, varVariant);
  ++arrays.depth;
  arrays.elementsToCome += count;
  for (int i = 0; i < count; ++i) {
    --arrays.elementsToCome;
    Variant element;
    ReadTaggedVariant(stream, element, arrays);
    VarArrayPut(value, element, {i});
  }
  --arrays.depth;
}

Variant ReadScalar(TStream& stream, std::uint8_t tag) {
  switch (tag) {
  case vaNull: return Null();
  case vaInt8: return Variant(ReadShortIntFunc(stream));
  case vaInt16: return Variant(ReadSmallIntFunc(stream));
  case vaInt32: return Variant(ReadIntegerFunc(stream));
  case vaInt64: return Variant(ReadLargeIntFunc(stream));
  case vaExtended: return Variant(ReadFloatFunc(stream));
  case vaString: return Variant(ReadBytes(stream, ReadByteFunc(stream)));
  case vaLString: return Variant(ReadStringFunc(stream));
  case vaWString: return Variant(ReadWideStringFunc(stream));
  case vaFalse: return Variant(false);
  case vaTrue: return Variant(true);
  case vaNil: return Variant();
  case vaSingle: return Variant(ReadSingleFunc(stream));
  case vaCurrency: return Variant(ReadCurrencyFunc(stream));
  case vaDate: return VarFromDateTime(ReadDateTimeFunc(stream));
  default: DataReadError();
  }
}

void ReadTaggedVariant(TStream& stream, Variant& value, TArrayReading& arrays) {
  const std::uint8_t tag = ReadByteFunc(stream);
  if (tag == vaList)
    ReadArray(stream, value, arrays);
  else
    value = ReadScalar(stream, tag);
}

// The smallest of the four integer forms that holds the value.
void WriteTaggedInteger(TStream& stream, std::int64_t value) {
  if (value >= INT8_MIN && value <= INT8_MAX) {
    WriteTag(stream, vaInt8);
    WriteShortIntProc(stream, static_cast<std::int8_t>(value));
  } else if (value >= INT16_MIN && value <= INT16_MAX) {
    WriteTag(stream, vaInt16);
    WriteSmallIntProc(stream, static_cast<std::int16_t>(value));
  } else if (value >= INT32_MIN && value <= INT32_MAX) {
    WriteTag(stream, vaInt32);
    WriteIntegerProc(stream, static_cast<int>(value));
  } else {
    WriteTag(stream, vaInt64);
    WriteLargeIntProc(stream, value);
  }
}

void WriteTaggedString(TStream& stream, const std::string& text) {
  if (text.size() <= 255) {
    WriteTag(stream, vaString);
    WriteByteProc(stream, static_cast<std::uint8_t>(text.size()));
    WriteBytes(stream, text);
  } else {
    WriteTag(stream, vaLString);
    WriteStringProc(stream, text);
  }
}

void WriteArray(TStream& stream, const Variant& value, int depth) {
  if (VarArrayDimCount(value) != 1 || depth >= cxMaxVariantNesting)
    DataWriteError();
  const int low = VarArrayLowBound(value, 1);
  const int high = VarArrayHighBound(value, 1);
  WriteTag(stream, vaList);
  WriteTaggedInteger(stream, std::int64_t{high} - low + 1);
  for (int i = low; i <= high; ++i)
    WriteTaggedVariant(stream, VarArrayGet(value, {i}), depth + 1);
}

// Types without a form of their own are written as their text.
void WriteAsText(TStream& stream, const Variant& value) {
  std::string text;
  try {
    text = value.ToString();
  } catch (...) {
    DataWriteError();
  }
  WriteTaggedString(stream, text);
}

void WriteScalar(TStream& stream, const Variant& value) {
  switch (VarType(value) & ~(varByRef | varArray)) {
  case varEmpty: WriteTag(stream, vaNil); break;
  case varNull: WriteTag(stream, vaNull); break;
  case varSmallint:
  case varInteger:
  case varShortInt:
  case varByte:
  case varWord:
  case varLongWord:
  case varInt64: WriteTaggedInteger(stream, value.ToInt64()); break;
  case varSingle:
    WriteTag(stream, vaSingle);
    WriteSingleProc(stream, static_cast<float>(value.ToDouble()));
    break;
  case varDouble:
    WriteTag(stream, vaExtended);
    WriteFloatProc(stream, value.ToDouble());
    break;
  case varCurrency:
    WriteTag(stream, vaCurrency);
    WriteCurrencyProc(stream, value.ToCurrency());
    break;
  case varDate:
    WriteTag(stream, vaDate);
    WriteDateTimeProc(stream, value.ToDouble());
    break;
  case varOleStr:
    WriteTag(stream, vaWString);
    WriteWideStringProc(stream, value.ToWideString());
    break;
  case varBoolean: WriteTag(stream, value.ToBoolean() ? vaTrue : vaFalse); break;
  case varString: WriteTaggedString(stream, value.ToString()); break;
  default: WriteAsText(stream, value);
  }
}

void WriteTaggedVariant(TStream& stream, const Variant& value, int depth) {
  if (VarIsArray(value))
    WriteArray(stream, value, depth);
  else
    WriteScalar(stream, value);
}

} // namespace

void ReadVariantProc(TStream& stream, Variant& value) {
  TArrayReading arrays;
  ReadTaggedVariant(stream, value, arrays);
}

Variant ReadVariantFunc(TStream& stream) {
  Variant value;
  ReadVariantProc(stream, value);
  return value;
}

void WriteVariantProc(TStream& stream, const Variant& value) { WriteTaggedVariant(stream, value, 0); }
