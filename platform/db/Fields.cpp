#include "platform/db/Fields.h"

#include <charconv>

#include "platform/db/DataSet.h"
#include "platform/db/DatabaseErrors.h"
#include "platform/db/ServerDateTime.h"
#include "platform/objects/PropertyRegistry.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/NumberText.h"

namespace {

// The server writes numbers with '.' and no thousand separators.
const TFormatSettings& ServerNumberFormat() {
  static const TFormatSettings settings;
  return settings;
}

std::string DoubleText(double value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

} // namespace

// ---- TField ---------------------------------------------------------------

void TField::Publish(TPublisher& publisher) {
  publisher.Property("FieldName", &TField::FieldName, &TField::SetFieldName);
  publisher.Property("Required", &TField::Required, &TField::SetRequired).Default(false);
  publisher.Property("Size", &TField::Size, &TField::SetSize).Default(0);
}

TField::TField(TComponent* owner, TFieldType dataType) : TComponent(owner), m_dataType(dataType) {}

TField::~TField() {
  if (m_dataSet)
    m_dataSet->RemoveField(this);
}

void TField::SetDataSet(TDataSet* dataSet) {
  if (dataSet == m_dataSet)
    return;
  if ((m_dataSet && m_dataSet->Active()) || (dataSet && dataSet->Active()))
    DatabaseError(SDataSetOpen, m_dataSet && m_dataSet->Active() ? m_dataSet : dataSet);
  if (m_dataSet)
    m_dataSet->RemoveField(this);
  if (dataSet)
    dataSet->AddField(this);
}

void TField::SetFieldName(const std::string& fieldName) {
  if (fieldName == m_fieldName)
    return;
  if (m_dataSet && m_dataSet->Active())
    DatabaseError(SDataSetOpen, m_dataSet);
  m_fieldName = fieldName;
}

void TField::SetSize(int size) {
  if (size == m_size)
    return;
  if (m_dataSet && m_dataSet->Active())
    DatabaseError(SDataSetOpen, m_dataSet);
  m_size = size;
}

void TField::SetRequired(bool required) { m_required = required; }

TComponent* TField::GetParentComponent() const { return m_dataSet; }

void TField::SetParentComponent(TComponent* parent) { SetDataSet(As<TDataSet>(parent)); }

TSqlValueView TField::Value() const {
  if (!m_dataSet || m_column < 0)
    return std::nullopt;
  return m_dataSet->ActiveValue(m_column);
}

void TField::SetValue(TSqlValue value) {
  if (!m_dataSet)
    DatabaseErrorFmt(SDataSetMissing, {m_fieldName});
  m_dataSet->SetFieldValue(this, std::move(value));
}

void TField::AccessError(std::string_view typeName) const {
  DatabaseErrorFmt(SFieldAccess, {m_fieldName, typeName});
}

void TField::CheckLength(std::string_view value) const {
  if (m_size > 0 && value.size() > static_cast<std::size_t>(m_size))
    DatabaseErrorFmt(SFieldTooLong, {m_fieldName, static_cast<int>(value.size()), m_size});
}

bool TField::IsNull() const { return !Value().has_value(); }

std::string TField::AsString() const { return std::string(Value().value_or(std::string_view())); }

void TField::SetAsString(const std::string& value) { SetValue(value); }

int TField::AsInteger() const { AccessError("Integer"); }

void TField::SetAsInteger(int) { AccessError("Integer"); }

std::int64_t TField::AsLargeInt() const { AccessError("Largeint"); }

void TField::SetAsLargeInt(std::int64_t) { AccessError("Largeint"); }

double TField::AsFloat() const { AccessError("Float"); }

void TField::SetAsFloat(double) { AccessError("Float"); }

TDateTime TField::AsDateTime() const { AccessError("DateTime"); }

void TField::SetAsDateTime(TDateTime) { AccessError("DateTime"); }

void TField::Clear() { SetValue(std::nullopt); }

// ---- String and number fields ---------------------------------------------

void TStringField::SetAsString(const std::string& value) {
  CheckLength(value);
  SetValue(value);
}

int TStringField::AsInteger() const { return IsNull() ? 0 : StrToInt(AsString()); }

void TStringField::SetAsInteger(int value) { SetAsString(IntToStr(value)); }

void TIntegerField::SetAsString(const std::string& value) {
  if (value.empty())
    Clear();
  else
    SetAsInteger(StrToInt(value));
}

int TIntegerField::AsInteger() const { return IsNull() ? 0 : StrToInt(*Value()); }

void TIntegerField::SetAsInteger(int value) { SetValue(IntToStr(value)); }

std::int64_t TIntegerField::AsLargeInt() const { return AsInteger(); }

void TLargeintField::SetAsString(const std::string& value) {
  if (value.empty())
    Clear();
  else
    SetAsLargeInt(StrToInt64(value));
}

int TLargeintField::AsInteger() const { return IsNull() ? 0 : StrToInt(*Value()); }

std::int64_t TLargeintField::AsLargeInt() const { return IsNull() ? 0 : StrToInt64(*Value()); }

void TLargeintField::SetAsLargeInt(std::int64_t value) { SetValue(IntToStr(value)); }

std::string TFloatField::AsString() const {
  return IsNull() ? std::string() : FloatToStr(AsFloat());
}

void TFloatField::SetAsString(const std::string& value) {
  if (value.empty())
    Clear();
  else
    SetAsFloat(StrToFloat(value));
}

double TFloatField::AsFloat() const {
  return IsNull() ? 0.0 : StrToFloat(*Value(), ServerNumberFormat());
}

void TFloatField::SetAsFloat(double value) { SetValue(DoubleText(value)); }

// ---- Date and time fields -------------------------------------------------

bool TDateTimeField::IsNull() const {
  const TSqlValueView value = Value();
  return !value || !ParseServerDateTime(*value, DataType());
}

std::string TDateTimeField::AsString() const {
  if (IsNull())
    return {};
  const TDateTime value = AsDateTime();
  if (DataType() == TFieldType::ftDate)
    return DateToStr(value);
  if (DataType() == TFieldType::ftTime)
    return TimeToStr(value);
  return DateTimeToStr(value);
}

void TDateTimeField::SetAsString(const std::string& value) {
  if (value.empty())
    Clear();
  else if (DataType() == TFieldType::ftDate)
    SetAsDateTime(StrToDate(value));
  else if (DataType() == TFieldType::ftTime)
    SetAsDateTime(StrToTime(value));
  else
    SetAsDateTime(StrToDateTime(value));
}

TDateTime TDateTimeField::AsDateTime() const {
  const TSqlValueView value = Value();
  if (!value)
    return 0;
  return ParseServerDateTime(*value, DataType()).value_or(0);
}

void TDateTimeField::SetAsDateTime(TDateTime value) {
  SetValue(ServerDateTimeText(value, DataType()));
}

// ---- Binary fields --------------------------------------------------------

void TBytesField::SetAsString(const std::string& value) {
  CheckLength(value);
  SetValue(value);
}

TClassRef<TField> DefaultFieldClass(TFieldType type) {
  switch (type) {
  case TFieldType::ftString:
    return TStringField::StaticClass();
  case TFieldType::ftInteger:
    return TIntegerField::StaticClass();
  case TFieldType::ftLargeint:
    return TLargeintField::StaticClass();
  case TFieldType::ftFloat:
    return TFloatField::StaticClass();
  case TFieldType::ftDate:
    return TDateField::StaticClass();
  case TFieldType::ftTime:
    return TTimeField::StaticClass();
  case TFieldType::ftDateTime:
    return TDateTimeField::StaticClass();
  case TFieldType::ftBytes:
    return TBytesField::StaticClass();
  case TFieldType::ftVarBytes:
    return TVarBytesField::StaticClass();
  case TFieldType::ftBlob:
    return TBlobField::StaticClass();
  case TFieldType::ftMemo:
    return TMemoField::StaticClass();
  case TFieldType::ftUnknown:
    break;
  }
  return TStringField::StaticClass();
}
