// Fields of a dataset: each reads and writes one column of the dataset's
// active record.
//
// A persistent field is made by a form definition (owned by the form and
// nested in its dataset there) or by code, and declares the column it
// expects: when the dataset opens, it binds each persistent field to the
// column of the same name and checks its type, and the size of byte fields.
// A dataset without persistent fields makes one field per column when it
// opens and frees them when it closes.
//
// Values are kept as the server's text. Reading a NULL value, or reading
// while the dataset has no record, gives "" and 0; writing needs the dataset
// in edit state.
//
// Classes in this file: TField, TStringField, TIntegerField, TLargeintField,
// TFloatField, TDateTimeField, TDateField, TTimeField, TBytesField,
// TVarBytesField, TBlobField, TMemoField.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/db/FieldTypes.h"
#include "platform/db/MySqlClient.h"
#include "platform/objects/Components.h"
#include "platform/rtl/DateTime.h"

class TDataSet;

class TField : public TComponent {
  OBJECT_CLASS(TField, TComponent)
public:
  static void Publish(TPublisher& publisher);
  ~TField() override;

  TDataSet* DataSet() const { return m_dataSet; }
  // Moves the field into 'dataSet''s fields; raises EDatabaseError when
  // either dataset is open.
  void SetDataSet(TDataSet* dataSet);
  const std::string& FieldName() const { return m_fieldName; }
  void SetFieldName(const std::string& fieldName);
  TFieldType DataType() const { return m_dataType; }
  // Characters of a string field, bytes of a byte field, 0 for other types.
  int Size() const { return m_size; }
  void SetSize(int size);
  // A required field must have a value when its record is posted.
  bool Required() const { return m_required; }
  void SetRequired(bool required);

  virtual bool IsNull() const;
  virtual std::string AsString() const;
  virtual void SetAsString(const std::string& value);
  virtual int AsInteger() const;
  virtual void SetAsInteger(int value);
  virtual std::int64_t AsLargeInt() const;
  virtual void SetAsLargeInt(std::int64_t value);
  virtual double AsFloat() const;
  virtual void SetAsFloat(double value);
  virtual TDateTime AsDateTime() const;
  virtual void SetAsDateTime(TDateTime value);
  // Sets the value to NULL.
  void Clear();

  // A form definition nests persistent fields in their dataset.
  bool HasParent() const override { return true; }
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* parent) override;

protected:
  TField(TComponent* owner, TFieldType dataType);

  // The server's text of the active record's value; NULL when there is none.
  TSqlValueView Value() const;
  // Stores a new value through the dataset, which checks its state.
  void SetValue(TSqlValue value);
  [[noreturn]] void AccessError(std::string_view typeName) const;
  // Raises EDatabaseError when 'value' is longer than Size (when Size is set).
  void CheckLength(std::string_view value) const;

private:
  friend class TDataSet;

  TDataSet* m_dataSet = nullptr;
  std::string m_fieldName;
  TFieldType m_dataType = TFieldType::ftUnknown;
  int m_size = 0;
  bool m_required = false;
  // The column of the open result this field reads, -1 when unbound.
  int m_column = -1;
};

class TStringField : public TField {
  OBJECT_CLASS(TStringField, TField)
public:
  explicit TStringField(TComponent* owner) : TField(owner, TFieldType::ftString) {}

  void SetAsString(const std::string& value) override;
  int AsInteger() const override;
  void SetAsInteger(int value) override;
};

class TIntegerField : public TField {
  OBJECT_CLASS(TIntegerField, TField)
public:
  explicit TIntegerField(TComponent* owner) : TField(owner, TFieldType::ftInteger) {}

  void SetAsString(const std::string& value) override;
  int AsInteger() const override;
  void SetAsInteger(int value) override;
  std::int64_t AsLargeInt() const override;
  double AsFloat() const override { return AsInteger(); }
};

class TLargeintField : public TField {
  OBJECT_CLASS(TLargeintField, TField)
public:
  explicit TLargeintField(TComponent* owner) : TField(owner, TFieldType::ftLargeint) {}

  void SetAsString(const std::string& value) override;
  int AsInteger() const override;
  void SetAsInteger(int value) override { SetAsLargeInt(value); }
  std::int64_t AsLargeInt() const override;
  void SetAsLargeInt(std::int64_t value) override;
  double AsFloat() const override { return static_cast<double>(AsLargeInt()); }
};

class TFloatField : public TField {
  OBJECT_CLASS(TFloatField, TField)
public:
  explicit TFloatField(TComponent* owner) : TField(owner, TFieldType::ftFloat) {}

  // In the regional settings' number format.
  std::string AsString() const override;
  void SetAsString(const std::string& value) override;
  double AsFloat() const override;
  void SetAsFloat(double value) override;
  void SetAsInteger(int value) override { SetAsFloat(value); }
};

// Date and time values. The server's zero dates ("0000-00-00 ...") read as
// NULL: they name no day of the calendar.
class TDateTimeField : public TField {
  OBJECT_CLASS(TDateTimeField, TField)
public:
  explicit TDateTimeField(TComponent* owner) : TDateTimeField(owner, TFieldType::ftDateTime) {}

  bool IsNull() const override;
  // In the regional settings' date and time formats.
  std::string AsString() const override;
  void SetAsString(const std::string& value) override;
  TDateTime AsDateTime() const override;
  void SetAsDateTime(TDateTime value) override;
  double AsFloat() const override { return AsDateTime(); }

protected:
  TDateTimeField(TComponent* owner, TFieldType dataType) : TField(owner, dataType) {}
};

class TDateField : public TDateTimeField {
  OBJECT_CLASS(TDateField, TDateTimeField)
public:
  explicit TDateField(TComponent* owner) : TDateTimeField(owner, TFieldType::ftDate) {}
};

class TTimeField : public TDateTimeField {
  OBJECT_CLASS(TTimeField, TDateTimeField)
public:
  explicit TTimeField(TComponent* owner) : TDateTimeField(owner, TFieldType::ftTime) {}
};

// Fixed-length binary values; AsString gives and takes the bytes.
class TBytesField : public TField {
  OBJECT_CLASS(TBytesField, TField)
public:
  explicit TBytesField(TComponent* owner) : TBytesField(owner, TFieldType::ftBytes) {}

  void SetAsString(const std::string& value) override;

protected:
  TBytesField(TComponent* owner, TFieldType dataType) : TField(owner, dataType) {}
};

class TVarBytesField : public TBytesField {
  OBJECT_CLASS(TVarBytesField, TBytesField)
public:
  explicit TVarBytesField(TComponent* owner) : TBytesField(owner, TFieldType::ftVarBytes) {}
};

// Long binary values; AsString gives and takes the bytes.
class TBlobField : public TField {
  OBJECT_CLASS(TBlobField, TField)
public:
  explicit TBlobField(TComponent* owner) : TBlobField(owner, TFieldType::ftBlob) {}

  void SetAsString(const std::string& value) override { SetValue(value); }

protected:
  TBlobField(TComponent* owner, TFieldType dataType) : TField(owner, dataType) {}
};

// Long text.
class TMemoField : public TBlobField {
  OBJECT_CLASS(TMemoField, TBlobField)
public:
  explicit TMemoField(TComponent* owner) : TBlobField(owner, TFieldType::ftMemo) {}
};

// The field class a dataset makes for a column of 'type' when it has no
// persistent fields.
TClassRef<TField> DefaultFieldClass(TFieldType type);
