// Value types: the kinds of value record storage can hold. A value type is
// used only through its class reference (TcxValueTypeClass); its operations
// are class-level virtual operations, living on its metaclass, and it is
// never instantiated. A value type knows the bytes its value takes inside a
// record buffer, turns them into a variant and back, compares, streams and
// frees them, and keeps an optional display text.
//
// Terms:
// - data pointer: the address of a value's bytes inside a record buffer
//   (GetDataSize bytes, not aligned);
// - holder slot: for String, WideString and Variant the data is one slot of
//   cxHolderSlotSize bytes holding a pointer to a separately allocated
//   holder (an 8-bit string, a wide string or a variant), or none;
// - prepared pointer: what PrepareValueBuffer makes of a data pointer: the
//   holder for the holder types, the data pointer itself for the others;
// - text slot: a slot of cxHolderSlotSize bytes holding a pointer to a
//   separately allocated 8-bit display text, or none.
//
// Slots are as wide as a pointer of the build; the streams do not depend on it.
//
// Classes in this file: TcxValueTypeMeta, TcxValueType and its fourteen
// descendants with their metaclasses, TcxValueTypeClassList.
#pragma once

#include <string>
#include <vector>

#include "platform/objects/Objects.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/UnitStartup.h"
#include "platform/rtl/Variants.h"

constexpr int cxHolderSlotSize = static_cast<int>(sizeof(void*));

class TcxValueType;

// The class-level operations of the value types, with the base behaviour.
class TcxValueTypeMeta : public TObject::TMeta {
public:
  using TObject::TMeta::TMeta;

  // CompareValues of the two (prepared) data pointers.
  virtual int Compare(const void* data1, const void* data2) const;
  virtual void FreeBuffer(void* data) const;
  // Disposes the text holder when there is one.
  virtual void FreeTextBuffer(void* textSlot) const;
  virtual int GetDataSize() const;
  virtual Variant GetDataValue(const void* data) const;
  // The text of GetDataValue; a variant error gives the empty string.
  virtual std::string GetDefaultDisplayText(const void* data) const;
  virtual std::string GetDisplayText(const void* textSlot) const;
  // Reads one tagged variant and stores it with SetDataValue.
  virtual void ReadDataValue(void* data, TStream& stream) const;
  virtual void ReadDisplayText(void* textSlot, TStream& stream) const;
  // Raises a variant error for a value that cannot be converted to the type.
  virtual void SetDataValue(void* data, const Variant& value) const;
  virtual void SetDisplayText(void* textSlot, const std::string& text) const;
  // Writes GetDataValue as a tagged variant.
  virtual void WriteDataValue(const void* data, TStream& stream) const;
  virtual void WriteDisplayText(const void* textSlot, TStream& stream) const;
  // The class name less a leading "Tcx" and the first "ValueType".
  virtual std::string Caption() const;
  // VarCompare of the two values.
  virtual int CompareValues(const void* value1, const void* value2) const;
  virtual Variant GetValue(const void* value) const;
  // The variant type of the values: Variant for the base.
  virtual TVarType GetVarType() const;
  // True for Null and for every value of a Variant type; otherwise converts
  // the value in place to GetVarType and answers whether that worked.
  virtual bool IsValueValid(Variant& value) const;
  virtual bool IsString() const;
  virtual void PrepareValueBuffer(const void*& pointer) const;
};

class TcxValueType : public TObject {
  OBJECT_CLASS_META(TcxValueType, TObject, TcxValueTypeMeta)
public:
  TcxValueType() = delete;
};

using TcxValueTypeClass = TClassRef<TcxValueType>;

// ---- Text kinds --------------------------------------------------------------

// An 8-bit string in a holder slot; a missing holder is Null and sorts first.
class TcxStringValueTypeMeta : public TcxValueTypeMeta {
public:
  using TcxValueTypeMeta::TcxValueTypeMeta;
  int Compare(const void* data1, const void* data2) const override;
  void FreeBuffer(void* data) const override;
  int GetDataSize() const override;
  Variant GetDataValue(const void* data) const override;
  void ReadDataValue(void* data, TStream& stream) const override;
  void SetDataValue(void* data, const Variant& value) const override;
  void WriteDataValue(const void* data, TStream& stream) const override;
  int CompareValues(const void* value1, const void* value2) const override;
  Variant GetValue(const void* value) const override;
  TVarType GetVarType() const override;
  bool IsString() const override;
  void PrepareValueBuffer(const void*& pointer) const override;
};

class TcxStringValueType : public TcxValueType {
  OBJECT_CLASS_META(TcxStringValueType, TcxValueType, TcxStringValueTypeMeta)
};

// A wide string in a holder slot, streamed as a WideString.
class TcxWideStringValueTypeMeta : public TcxStringValueTypeMeta {
public:
  using TcxStringValueTypeMeta::TcxStringValueTypeMeta;
  void FreeBuffer(void* data) const override;
  void ReadDataValue(void* data, TStream& stream) const override;
  void SetDataValue(void* data, const Variant& value) const override;
  void WriteDataValue(const void* data, TStream& stream) const override;
  int CompareValues(const void* value1, const void* value2) const override;
  Variant GetValue(const void* value) const override;
  TVarType GetVarType() const override;
};

class TcxWideStringValueType : public TcxStringValueType {
  OBJECT_CLASS_META(TcxWideStringValueType, TcxStringValueType, TcxWideStringValueTypeMeta)
};

// Any variant in a holder slot; a missing holder is Null and sorts first.
class TcxVariantValueTypeMeta : public TcxValueTypeMeta {
public:
  using TcxValueTypeMeta::TcxValueTypeMeta;
  int Compare(const void* data1, const void* data2) const override;
  void FreeBuffer(void* data) const override;
  int GetDataSize() const override;
  Variant GetDataValue(const void* data) const override;
  void SetDataValue(void* data, const Variant& value) const override;
  int CompareValues(const void* value1, const void* value2) const override;
  Variant GetValue(const void* value) const override;
  void PrepareValueBuffer(const void*& pointer) const override;
};

class TcxVariantValueType : public TcxValueType {
  OBJECT_CLASS_META(TcxVariantValueType, TcxValueType, TcxVariantValueTypeMeta)
};

// ---- Numbers -----------------------------------------------------------------

// Signed 16 bits; compares by the difference of the values.
class TcxSmallintValueTypeMeta : public TcxValueTypeMeta {
public:
  using TcxValueTypeMeta::TcxValueTypeMeta;
  int GetDataSize() const override;
  Variant GetDataValue(const void* data) const override;
  void ReadDataValue(void* data, TStream& stream) const override;
  void SetDataValue(void* data, const Variant& value) const override;
  void WriteDataValue(const void* data, TStream& stream) const override;
  int CompareValues(const void* value1, const void* value2) const override;
  TVarType GetVarType() const override;
};

class TcxSmallintValueType : public TcxValueType {
  OBJECT_CLASS_META(TcxSmallintValueType, TcxValueType, TcxSmallintValueTypeMeta)
};

// Signed 32 bits; compares as -1, 0 or 1.
class TcxIntegerValueTypeMeta : public TcxValueTypeMeta {
public:
  using TcxValueTypeMeta::TcxValueTypeMeta;
  int GetDataSize() const override;
  Variant GetDataValue(const void* data) const override;
  void ReadDataValue(void* data, TStream& stream) const override;
  void SetDataValue(void* data, const Variant& value) const override;
  void WriteDataValue(const void* data, TStream& stream) const override;
  int CompareValues(const void* value1, const void* value2) const override;
  TVarType GetVarType() const override;
};

class TcxIntegerValueType : public TcxValueType {
  OBJECT_CLASS_META(TcxIntegerValueType, TcxValueType, TcxIntegerValueTypeMeta)
};

// Unsigned 16 bits; compares by the difference of the values.
class TcxWordValueTypeMeta : public TcxValueTypeMeta {
public:
  using TcxValueTypeMeta::TcxValueTypeMeta;
  int GetDataSize() const override;
  Variant GetDataValue(const void* data) const override;
  void ReadDataValue(void* data, TStream& stream) const override;
  void SetDataValue(void* data, const Variant& value) const override;
  void WriteDataValue(const void* data, TStream& stream) const override;
  int CompareValues(const void* value1, const void* value2) const override;
  TVarType GetVarType() const override;
};

class TcxWordValueType : public TcxValueType {
  OBJECT_CLASS_META(TcxWordValueType, TcxValueType, TcxWordValueTypeMeta)
};

// One byte, 0 = False; a stream byte other than 0 and 1 is kept as it is.
class TcxBooleanValueTypeMeta : public TcxValueTypeMeta {
public:
  using TcxValueTypeMeta::TcxValueTypeMeta;
  int GetDataSize() const override;
  Variant GetDataValue(const void* data) const override;
  void ReadDataValue(void* data, TStream& stream) const override;
  void SetDataValue(void* data, const Variant& value) const override;
  void WriteDataValue(const void* data, TStream& stream) const override;
  int CompareValues(const void* value1, const void* value2) const override;
  TVarType GetVarType() const override;
};

class TcxBooleanValueType : public TcxValueType {
  OBJECT_CLASS_META(TcxBooleanValueType, TcxValueType, TcxBooleanValueTypeMeta)
};

// A double, streamed as a 10-byte extended.
class TcxFloatValueTypeMeta : public TcxValueTypeMeta {
public:
  using TcxValueTypeMeta::TcxValueTypeMeta;
  int GetDataSize() const override;
  Variant GetDataValue(const void* data) const override;
  void ReadDataValue(void* data, TStream& stream) const override;
  void SetDataValue(void* data, const Variant& value) const override;
  void WriteDataValue(const void* data, TStream& stream) const override;
  int CompareValues(const void* value1, const void* value2) const override;
  TVarType GetVarType() const override;
};

class TcxFloatValueType : public TcxValueType {
  OBJECT_CLASS_META(TcxFloatValueType, TcxValueType, TcxFloatValueTypeMeta)
};

class TcxCurrencyValueTypeMeta : public TcxValueTypeMeta {
public:
  using TcxValueTypeMeta::TcxValueTypeMeta;
  int GetDataSize() const override;
  Variant GetDataValue(const void* data) const override;
  void ReadDataValue(void* data, TStream& stream) const override;
  void SetDataValue(void* data, const Variant& value) const override;
  void WriteDataValue(const void* data, TStream& stream) const override;
  int CompareValues(const void* value1, const void* value2) const override;
  TVarType GetVarType() const override;
};

class TcxCurrencyValueType : public TcxValueType {
  OBJECT_CLASS_META(TcxCurrencyValueType, TcxValueType, TcxCurrencyValueTypeMeta)
};

class TcxDateTimeValueTypeMeta : public TcxValueTypeMeta {
public:
  using TcxValueTypeMeta::TcxValueTypeMeta;
  int GetDataSize() const override;
  Variant GetDataValue(const void* data) const override;
  std::string GetDefaultDisplayText(const void* data) const override;
  void ReadDataValue(void* data, TStream& stream) const override;
  void SetDataValue(void* data, const Variant& value) const override;
  void WriteDataValue(const void* data, TStream& stream) const override;
  int CompareValues(const void* value1, const void* value2) const override;
  TVarType GetVarType() const override;
};

class TcxDateTimeValueType : public TcxValueType {
  OBJECT_CLASS_META(TcxDateTimeValueType, TcxValueType, TcxDateTimeValueTypeMeta)
};

class TcxLargeIntValueTypeMeta : public TcxValueTypeMeta {
public:
  using TcxValueTypeMeta::TcxValueTypeMeta;
  int GetDataSize() const override;
  Variant GetDataValue(const void* data) const override;
  void ReadDataValue(void* data, TStream& stream) const override;
  void SetDataValue(void* data, const Variant& value) const override;
  void WriteDataValue(const void* data, TStream& stream) const override;
  int CompareValues(const void* value1, const void* value2) const override;
  TVarType GetVarType() const override;
};

class TcxLargeIntValueType : public TcxValueType {
  OBJECT_CLASS_META(TcxLargeIntValueType, TcxValueType, TcxLargeIntValueTypeMeta)
};

// A packed decimal (TBcd, 34 bytes). Its values are their exact text (the
// run-time has no decimal variant), streamed as that text.
class TcxFMTBcdValueTypeMeta : public TcxValueTypeMeta {
public:
  using TcxValueTypeMeta::TcxValueTypeMeta;
  int GetDataSize() const override;
  Variant GetDataValue(const void* data) const override;
  void SetDataValue(void* data, const Variant& value) const override;
  int CompareValues(const void* value1, const void* value2) const override;
  TVarType GetVarType() const override;
  // A value that reads as a decimal becomes its text.
  bool IsValueValid(Variant& value) const override;
};

class TcxFMTBcdValueType : public TcxValueType {
  OBJECT_CLASS_META(TcxFMTBcdValueType, TcxValueType, TcxFMTBcdValueTypeMeta)
};

// A time-stamp record (TSQLTimeStamp, 16 bytes); its values are dates.
// Compares field by field, answering the difference of the first differing
// field (the sign only for the fractions, whose difference may not fit).
class TcxSQLTimeStampValueTypeMeta : public TcxValueTypeMeta {
public:
  using TcxValueTypeMeta::TcxValueTypeMeta;
  int GetDataSize() const override;
  Variant GetDataValue(const void* data) const override;
  void SetDataValue(void* data, const Variant& value) const override;
  int CompareValues(const void* value1, const void* value2) const override;
  TVarType GetVarType() const override;
};

class TcxSQLTimeStampValueType : public TcxValueType {
  OBJECT_CLASS_META(TcxSQLTimeStampValueType, TcxValueType, TcxSQLTimeStampValueTypeMeta)
};

// ---- Objects -----------------------------------------------------------------

// An object owned by the record, kept as a handle (see cxObjectToVariant):
// an Integer value. Freeing the value, or storing another object over it,
// frees the object. Nothing of it is streamed.
class TcxObjectValueTypeMeta : public TcxIntegerValueTypeMeta {
public:
  using TcxIntegerValueTypeMeta::TcxIntegerValueTypeMeta;
  void FreeBuffer(void* data) const override;
  void ReadDataValue(void* data, TStream& stream) const override;
  void SetDataValue(void* data, const Variant& value) const override;
  void WriteDataValue(const void* data, TStream& stream) const override;
};

class TcxObjectValueType : public TcxIntegerValueType {
  OBJECT_CLASS_META(TcxObjectValueType, TcxIntegerValueType, TcxObjectValueTypeMeta)
};

// The handle of an object, as an Integer variant, for storing it through the
// Object value type (0 for nil). An object keeps its handle until the record
// holding it frees it; a handle is never given to another object.
Variant cxObjectToVariant(TObject* object);
// The object of a handle; nil for 0 and for a handle whose object was freed.
TObject* cxVariantToObject(const Variant& value);

// ---- Registry ----------------------------------------------------------------

class TcxValueTypeClassList : public TObject {
  OBJECT_CLASS(TcxValueTypeClassList, TObject)
public:
  int Count() const { return static_cast<int>(m_items.size()); }
  // Raises EListError "List index out of bounds (%d)" for a bad index.
  TcxValueTypeClass Items(int index) const;
  // The first class in registration order whose Caption is exactly 'caption'.
  TcxValueTypeClass ItemByCaption(const std::string& caption) const;
  // Appends the class unless it is listed already.
  void RegisterItem(TcxValueTypeClass valueTypeClass);
  void UnregisterItem(TcxValueTypeClass valueTypeClass);

private:
  std::vector<TcxValueTypeClass> m_items;
};

// The process-wide registry, made on the first call. The unit registers the
// fourteen value types at start-up and frees the registry at shut-down.
TcxValueTypeClassList& cxValueTypeClassList();

// True for TcxDateTimeValueType and TcxSQLTimeStampValueType themselves.
bool IsDateTimeValueTypeClass(TcxValueTypeClass valueTypeClass);

extern const TUnitInfo cxDataStorageUnit;
