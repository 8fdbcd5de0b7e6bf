// The value types of fixed size: integers, Boolean, floats, currency, dates,
// decimals and time stamps, kept inline in the record buffer.
#include "data/cxDataStorageBcd.h"
#include "data/cxDataStorageInternal.h"
#include "data/cxDataStorageTimeStamp.h"
#include "data/cxDataStorageValueTypes.h"
#include "data/cxVariants.h"

namespace {

template <class T>
int CompareOrder(const void* value1, const void* value2) {
  const T a = LoadAs<T>(value1);
  const T b = LoadAs<T>(value2);
  if (a == b)
    return 0;
  return a < b ? -1 : 1;
}

template <class T>
int CompareDifference(const void* value1, const void* value2) {
  return static_cast<int>(LoadAs<T>(value1)) - static_cast<int>(LoadAs<T>(value2));
}

} // namespace

// ---- Smallint ----------------------------------------------------------------

int TcxSmallintValueTypeMeta::GetDataSize() const { return sizeof(std::int16_t); }
Variant TcxSmallintValueTypeMeta::GetDataValue(const void* data) const {
  return Variant(LoadAs<std::int16_t>(data));
}
void TcxSmallintValueTypeMeta::ReadDataValue(void* data, TStream& stream) const {
  StoreAs(data, ReadSmallIntFunc(stream));
}
// Range-checked: a value that does not fit raises instead of wrapping.
void TcxSmallintValueTypeMeta::SetDataValue(void* data, const Variant& value) const {
  StoreAs(data, static_cast<std::int16_t>(VarAsType(value, varSmallint).ToInteger()));
}
void TcxSmallintValueTypeMeta::WriteDataValue(const void* data, TStream& stream) const {
  WriteSmallIntProc(stream, LoadAs<std::int16_t>(data));
}
int TcxSmallintValueTypeMeta::CompareValues(const void* value1, const void* value2) const {
  return CompareDifference<std::int16_t>(value1, value2);
}
TVarType TcxSmallintValueTypeMeta::GetVarType() const { return varSmallint; }

// ---- Integer -----------------------------------------------------------------

int TcxIntegerValueTypeMeta::GetDataSize() const { return sizeof(std::int32_t); }
Variant TcxIntegerValueTypeMeta::GetDataValue(const void* data) const {
  return Variant(LoadAs<std::int32_t>(data));
}
void TcxIntegerValueTypeMeta::ReadDataValue(void* data, TStream& stream) const {
  StoreAs(data, ReadIntegerFunc(stream));
}
void TcxIntegerValueTypeMeta::SetDataValue(void* data, const Variant& value) const {
  StoreAs(data, value.ToInteger());
}
void TcxIntegerValueTypeMeta::WriteDataValue(const void* data, TStream& stream) const {
  WriteIntegerProc(stream, LoadAs<std::int32_t>(data));
}
int TcxIntegerValueTypeMeta::CompareValues(const void* value1, const void* value2) const {
  return CompareOrder<std::int32_t>(value1, value2);
}
TVarType TcxIntegerValueTypeMeta::GetVarType() const { return varInteger; }

// ---- Word --------------------------------------------------------------------

int TcxWordValueTypeMeta::GetDataSize() const { return sizeof(std::uint16_t); }
Variant TcxWordValueTypeMeta::GetDataValue(const void* data) const {
  return Variant(LoadAs<std::uint16_t>(data));
}
void TcxWordValueTypeMeta::ReadDataValue(void* data, TStream& stream) const {
  StoreAs(data, ReadWordFunc(stream));
}
// Range-checked: a value that does not fit raises instead of wrapping.
void TcxWordValueTypeMeta::SetDataValue(void* data, const Variant& value) const {
  StoreAs(data, static_cast<std::uint16_t>(VarAsType(value, varWord).ToInteger()));
}
void TcxWordValueTypeMeta::WriteDataValue(const void* data, TStream& stream) const {
  WriteWordProc(stream, LoadAs<std::uint16_t>(data));
}
int TcxWordValueTypeMeta::CompareValues(const void* value1, const void* value2) const {
  return CompareDifference<std::uint16_t>(value1, value2);
}
TVarType TcxWordValueTypeMeta::GetVarType() const { return varWord; }

// ---- Boolean -----------------------------------------------------------------

int TcxBooleanValueTypeMeta::GetDataSize() const { return sizeof(std::uint8_t); }
Variant TcxBooleanValueTypeMeta::GetDataValue(const void* data) const {
  return Variant(LoadAs<std::uint8_t>(data) != 0);
}
void TcxBooleanValueTypeMeta::ReadDataValue(void* data, TStream& stream) const {
  StoreAs(data, ReadByteFunc(stream));
}
void TcxBooleanValueTypeMeta::SetDataValue(void* data, const Variant& value) const {
  StoreAs<std::uint8_t>(data, value.ToBoolean() ? 1 : 0);
}
void TcxBooleanValueTypeMeta::WriteDataValue(const void* data, TStream& stream) const {
  WriteByteProc(stream, LoadAs<std::uint8_t>(data));
}
int TcxBooleanValueTypeMeta::CompareValues(const void* value1, const void* value2) const {
  return CompareDifference<std::uint8_t>(value1, value2);
}
TVarType TcxBooleanValueTypeMeta::GetVarType() const { return varBoolean; }

// ---- Float -------------------------------------------------------------------

int TcxFloatValueTypeMeta::GetDataSize() const { return sizeof(double); }
Variant TcxFloatValueTypeMeta::GetDataValue(const void* data) const {
  return Variant(LoadAs<double>(data));
}
// The ten bytes of the extended are decoded, never copied into the eight of the double.
void TcxFloatValueTypeMeta::ReadDataValue(void* data, TStream& stream) const {
  StoreAs(data, ReadFloatFunc(stream));
}
void TcxFloatValueTypeMeta::SetDataValue(void* data, const Variant& value) const {
  StoreAs(data, value.ToDouble());
}
void TcxFloatValueTypeMeta::WriteDataValue(const void* data, TStream& stream) const {
  WriteFloatProc(stream, LoadAs<double>(data));
}
int TcxFloatValueTypeMeta::CompareValues(const void* value1, const void* value2) const {
  return CompareOrder<double>(value1, value2);
}
TVarType TcxFloatValueTypeMeta::GetVarType() const { return varDouble; }

// ---- Currency ----------------------------------------------------------------

int TcxCurrencyValueTypeMeta::GetDataSize() const { return sizeof(std::int64_t); }
Variant TcxCurrencyValueTypeMeta::GetDataValue(const void* data) const {
  return Variant(Currency::FromScaled(LoadAs<std::int64_t>(data)));
}
void TcxCurrencyValueTypeMeta::ReadDataValue(void* data, TStream& stream) const {
  StoreAs(data, ReadCurrencyFunc(stream).Scaled());
}
void TcxCurrencyValueTypeMeta::SetDataValue(void* data, const Variant& value) const {
  StoreAs(data, value.ToCurrency().Scaled());
}
void TcxCurrencyValueTypeMeta::WriteDataValue(const void* data, TStream& stream) const {
  WriteCurrencyProc(stream, Currency::FromScaled(LoadAs<std::int64_t>(data)));
}
int TcxCurrencyValueTypeMeta::CompareValues(const void* value1, const void* value2) const {
  return CompareOrder<std::int64_t>(value1, value2);
}
TVarType TcxCurrencyValueTypeMeta::GetVarType() const { return varCurrency; }

// ---- DateTime ----------------------------------------------------------------

int TcxDateTimeValueTypeMeta::GetDataSize() const { return sizeof(double); }
Variant TcxDateTimeValueTypeMeta::GetDataValue(const void* data) const {
  return VarFromDateTime(LoadAs<double>(data));
}
std::string TcxDateTimeValueTypeMeta::GetDefaultDisplayText(const void* data) const {
  try {
    return VarToStr(GetDataValue(data));
  } catch (const EVariantError&) {
    return DateTimeToStr(LoadAs<double>(data));
  }
}
void TcxDateTimeValueTypeMeta::ReadDataValue(void* data, TStream& stream) const {
  StoreAs(data, ReadDateTimeFunc(stream));
}
void TcxDateTimeValueTypeMeta::SetDataValue(void* data, const Variant& value) const {
  StoreAs(data, value.ToDateTime());
}
void TcxDateTimeValueTypeMeta::WriteDataValue(const void* data, TStream& stream) const {
  WriteDateTimeProc(stream, LoadAs<double>(data));
}
int TcxDateTimeValueTypeMeta::CompareValues(const void* value1, const void* value2) const {
  return CompareOrder<double>(value1, value2);
}
TVarType TcxDateTimeValueTypeMeta::GetVarType() const { return varDate; }

// ---- LargeInt ----------------------------------------------------------------

int TcxLargeIntValueTypeMeta::GetDataSize() const { return sizeof(std::int64_t); }
Variant TcxLargeIntValueTypeMeta::GetDataValue(const void* data) const {
  return Variant(LoadAs<std::int64_t>(data));
}
void TcxLargeIntValueTypeMeta::ReadDataValue(void* data, TStream& stream) const {
  StoreAs(data, ReadLargeIntFunc(stream));
}
void TcxLargeIntValueTypeMeta::SetDataValue(void* data, const Variant& value) const {
  StoreAs(data, value.ToInt64());
}
void TcxLargeIntValueTypeMeta::WriteDataValue(const void* data, TStream& stream) const {
  WriteLargeIntProc(stream, LoadAs<std::int64_t>(data));
}
int TcxLargeIntValueTypeMeta::CompareValues(const void* value1, const void* value2) const {
  return CompareOrder<std::int64_t>(value1, value2);
}
TVarType TcxLargeIntValueTypeMeta::GetVarType() const { return varInt64; }

// ---- FMTBcd ------------------------------------------------------------------

int TcxFMTBcdValueTypeMeta::GetDataSize() const { return sizeof(TBcd); }
Variant TcxFMTBcdValueTypeMeta::GetDataValue(const void* data) const {
  return Variant(BcdToStr(LoadAs<TBcd>(data)));
}
void TcxFMTBcdValueTypeMeta::SetDataValue(void* data, const Variant& value) const {
  StoreAs(data, VarToBcd(value));
}
int TcxFMTBcdValueTypeMeta::CompareValues(const void* value1, const void* value2) const {
  return BcdCompare(LoadAs<TBcd>(value1), LoadAs<TBcd>(value2));
}
TVarType TcxFMTBcdValueTypeMeta::GetVarType() const { return varString; }

bool TcxFMTBcdValueTypeMeta::IsValueValid(Variant& value) const {
  if (VarIsNull(value))
    return true;
  try {
    value = Variant(BcdToStr(VarToBcd(value)));
    return true;
  } catch (const EVariantError&) {
    return false;
  }
}

// ---- SQLTimeStamp ------------------------------------------------------------

int TcxSQLTimeStampValueTypeMeta::GetDataSize() const { return sizeof(TSQLTimeStamp); }

// A record that is no valid date reads as a variant error, like any other
// value without a date.
Variant TcxSQLTimeStampValueTypeMeta::GetDataValue(const void* data) const {
  try {
    return VarFromDateTime(SQLTimeStampToDateTime(LoadAs<TSQLTimeStamp>(data)));
  } catch (const EConvertError& error) {
    throw EVariantTypeCastError(error.Message());
  }
}

void TcxSQLTimeStampValueTypeMeta::SetDataValue(void* data, const Variant& value) const {
  const TDateTime dateTime = value.ToDateTime();
  try {
    StoreAs(data, DateTimeToSQLTimeStamp(dateTime));
  } catch (const EConvertError& error) {
    throw EVariantOverflowError(error.Message());
  }
}

int TcxSQLTimeStampValueTypeMeta::CompareValues(const void* value1, const void* value2) const {
  const auto a = LoadAs<TSQLTimeStamp>(value1);
  const auto b = LoadAs<TSQLTimeStamp>(value2);
  const int fields[][2] = {{a.Year, b.Year},     {a.Month, b.Month},   {a.Day, b.Day},
                           {a.Hour, b.Hour},     {a.Minute, b.Minute}, {a.Second, b.Second}};
  for (const auto& field : fields)
    if (field[0] != field[1])
      return field[0] - field[1];
  if (a.Fractions != b.Fractions)
    return a.Fractions < b.Fractions ? -1 : 1;
  return 0;
}

TVarType TcxSQLTimeStampValueTypeMeta::GetVarType() const { return varDate; }
