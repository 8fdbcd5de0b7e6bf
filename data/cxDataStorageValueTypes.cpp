#include "data/cxDataStorageValueTypes.h"

#include <algorithm>
#include <array>
#include <memory>
#include <unordered_map>

#include "data/cxDataStorageInternal.h"
#include "data/cxVariants.h"
#include "platform/rtl/AnsiStrings.h"

namespace {

template <class T>
T* HolderIn(const void* slot) {
  return LoadAs<T*>(slot);
}

// The holder of a slot, made when there is none.
template <class T>
T& HolderFor(void* slot) {
  T* holder = HolderIn<T>(slot);
  if (!holder) {
    holder = new T();
    StoreAs(slot, holder);
  }
  return *holder;
}

template <class T>
void DisposeHolder(void* slot) {
  delete HolderIn<T>(slot);
  StoreAs<T*>(slot, nullptr);
}

// No holder sorts first; two holders compare by 'compare'.
template <class T, class Compare>
int CompareHolders(const void* value1, const void* value2, Compare compare) {
  const T* a = static_cast<const T*>(value1);
  const T* b = static_cast<const T*>(value2);
  if (!a || !b)
    return (a != nullptr) - (b != nullptr);
  return compare(*a, *b);
}

int Sign(int value) { return (value > 0) - (value < 0); }

} // namespace

// ---- Base ------------------------------------------------------------------

int TcxValueTypeMeta::Compare(const void* data1, const void* data2) const {
  return CompareValues(data1, data2);
}

void TcxValueTypeMeta::FreeBuffer(void*) const {}
void TcxValueTypeMeta::FreeTextBuffer(void* textSlot) const { DisposeHolder<std::string>(textSlot); }
int TcxValueTypeMeta::GetDataSize() const { return 0; }
Variant TcxValueTypeMeta::GetDataValue(const void*) const { return Null(); }

std::string TcxValueTypeMeta::GetDefaultDisplayText(const void* data) const {
  try {
    return VarToStr(GetDataValue(data));
  } catch (const EVariantError&) {
    return "";
  }
}

std::string TcxValueTypeMeta::GetDisplayText(const void* textSlot) const {
  const std::string* text = HolderIn<std::string>(textSlot);
  return text ? *text : std::string();
}

void TcxValueTypeMeta::ReadDataValue(void* data, TStream& stream) const {
  SetDataValue(data, ReadVariantFunc(stream));
}

void TcxValueTypeMeta::ReadDisplayText(void* textSlot, TStream& stream) const {
  SetDisplayText(textSlot, ReadStringFunc(stream));
}

void TcxValueTypeMeta::SetDataValue(void*, const Variant&) const {}

void TcxValueTypeMeta::SetDisplayText(void* textSlot, const std::string& text) const {
  HolderFor<std::string>(textSlot) = text;
}

void TcxValueTypeMeta::WriteDataValue(const void* data, TStream& stream) const {
  WriteVariantProc(stream, GetDataValue(data));
}

void TcxValueTypeMeta::WriteDisplayText(const void* textSlot, TStream& stream) const {
  WriteStringProc(stream, GetDisplayText(textSlot));
}

std::string TcxValueTypeMeta::Caption() const {
  std::string caption = ClassName();
  if (caption.compare(0, 3, "Tcx") == 0)
    caption.erase(0, 3);
  const auto suffix = caption.find("ValueType");
  if (suffix != std::string::npos)
    caption.erase(suffix, 9);
  return caption;
}

int TcxValueTypeMeta::CompareValues(const void* value1, const void* value2) const {
  return VarCompare(GetDataValue(value1), GetDataValue(value2));
}

Variant TcxValueTypeMeta::GetValue(const void* value) const { return GetDataValue(value); }
TVarType TcxValueTypeMeta::GetVarType() const { return varVariant; }

bool TcxValueTypeMeta::IsValueValid(Variant& value) const {
  if (VarIsNull(value) || GetVarType() == varVariant)
    return true;
  try {
    value = VarAsType(value, GetVarType());
    return true;
  } catch (const EVariantError&) {
    return false;
  }
}

bool TcxValueTypeMeta::IsString() const { return false; }
void TcxValueTypeMeta::PrepareValueBuffer(const void*&) const {}

// ---- String ----------------------------------------------------------------

int TcxStringValueTypeMeta::Compare(const void* data1, const void* data2) const {
  return CompareValues(HolderIn<const void>(data1), HolderIn<const void>(data2));
}

void TcxStringValueTypeMeta::FreeBuffer(void* data) const { DisposeHolder<std::string>(data); }
int TcxStringValueTypeMeta::GetDataSize() const { return cxHolderSlotSize; }

Variant TcxStringValueTypeMeta::GetDataValue(const void* data) const {
  return GetValue(HolderIn<const void>(data));
}

void TcxStringValueTypeMeta::ReadDataValue(void* data, TStream& stream) const {
  SetDataValue(data, Variant(ReadStringFunc(stream)));
}

void TcxStringValueTypeMeta::SetDataValue(void* data, const Variant& value) const {
  SetDisplayText(data, value.ToString());
}

void TcxStringValueTypeMeta::WriteDataValue(const void* data, TStream& stream) const {
  const std::string* text = HolderIn<std::string>(data);
  WriteStringProc(stream, text ? *text : std::string());
}

int TcxStringValueTypeMeta::CompareValues(const void* value1, const void* value2) const {
  return CompareHolders<std::string>(value1, value2, [](const std::string& a, const std::string& b) {
    return Sign(CompareStr(a, b));
  });
}

Variant TcxStringValueTypeMeta::GetValue(const void* value) const {
  return value ? Variant(*static_cast<const std::string*>(value)) : Null();
}

TVarType TcxStringValueTypeMeta::GetVarType() const { return varString; }
bool TcxStringValueTypeMeta::IsString() const { return true; }

void TcxStringValueTypeMeta::PrepareValueBuffer(const void*& pointer) const {
  pointer = HolderIn<const void>(pointer);
}

// ---- WideString --------------------------------------------------------------

void TcxWideStringValueTypeMeta::FreeBuffer(void* data) const { DisposeHolder<std::u16string>(data); }

void TcxWideStringValueTypeMeta::ReadDataValue(void* data, TStream& stream) const {
  SetDataValue(data, Variant(ReadWideStringFunc(stream)));
}

void TcxWideStringValueTypeMeta::SetDataValue(void* data, const Variant& value) const {
  std::u16string text = value.ToWideString();
  HolderFor<std::u16string>(data) = std::move(text);
}

// The text as it is held: going through the 8-bit code page would lose
// every character outside it.
void TcxWideStringValueTypeMeta::WriteDataValue(const void* data, TStream& stream) const {
  const std::u16string* text = HolderIn<std::u16string>(data);
  WriteWideStringProc(stream, text ? *text : std::u16string());
}

int TcxWideStringValueTypeMeta::CompareValues(const void* value1, const void* value2) const {
  return CompareHolders<std::u16string>(value1, value2,
                                        [](const std::u16string& a, const std::u16string& b) {
                                          return Sign(a.compare(b));
                                        });
}

Variant TcxWideStringValueTypeMeta::GetValue(const void* value) const {
  return value ? Variant(*static_cast<const std::u16string*>(value)) : Null();
}

TVarType TcxWideStringValueTypeMeta::GetVarType() const { return varOleStr; }

// ---- Variant -----------------------------------------------------------------

int TcxVariantValueTypeMeta::Compare(const void* data1, const void* data2) const {
  return CompareValues(HolderIn<const void>(data1), HolderIn<const void>(data2));
}

void TcxVariantValueTypeMeta::FreeBuffer(void* data) const { DisposeHolder<Variant>(data); }
int TcxVariantValueTypeMeta::GetDataSize() const { return cxHolderSlotSize; }

Variant TcxVariantValueTypeMeta::GetDataValue(const void* data) const {
  return GetValue(HolderIn<const void>(data));
}

void TcxVariantValueTypeMeta::SetDataValue(void* data, const Variant& value) const {
  Variant copy = value;
  HolderFor<Variant>(data) = std::move(copy);
}

int TcxVariantValueTypeMeta::CompareValues(const void* value1, const void* value2) const {
  return CompareHolders<Variant>(value1, value2, VarCompare);
}

Variant TcxVariantValueTypeMeta::GetValue(const void* value) const {
  return value ? *static_cast<const Variant*>(value) : Null();
}

void TcxVariantValueTypeMeta::PrepareValueBuffer(const void*& pointer) const {
  pointer = HolderIn<const void>(pointer);
}

// ---- Object ------------------------------------------------------------------

namespace {

// Objects stored through the Object value type, by handle.
class TObjectHandles {
public:
  int HandleOf(TObject* object) {
    if (!object)
      return 0;
    if (auto it = m_handles.find(object); it != m_handles.end())
      return it->second;
    if (m_next == INT32_MAX)
      throw EVariantOverflowError("Too many object handles");
    m_handles[object] = m_next;
    m_objects[m_next] = object;
    return m_next++;
  }

  TObject* ObjectOf(int handle) const {
    const auto it = m_objects.find(handle);
    return it == m_objects.end() ? nullptr : it->second;
  }

  // The object of the handle, which the handle no longer names.
  TObject* Take(int handle) {
    const auto it = m_objects.find(handle);
    if (it == m_objects.end())
      return nullptr;
    TObject* object = it->second;
    m_objects.erase(it);
    m_handles.erase(object);
    return object;
  }

private:
  std::unordered_map<TObject*, int> m_handles;
  std::unordered_map<int, TObject*> m_objects;
  int m_next = 1;
};

std::unique_ptr<TObjectHandles> g_objectHandles;

TObjectHandles& ObjectHandles() {
  if (!g_objectHandles)
    g_objectHandles = std::make_unique<TObjectHandles>();
  return *g_objectHandles;
}

} // namespace

Variant cxObjectToVariant(TObject* object) { return Variant(ObjectHandles().HandleOf(object)); }

TObject* cxVariantToObject(const Variant& value) {
  const int handle = value.ToInteger();
  return g_objectHandles ? g_objectHandles->ObjectOf(handle) : nullptr;
}

void TcxObjectValueTypeMeta::FreeBuffer(void* data) const {
  const int handle = LoadAs<int>(data);
  StoreAs(data, 0);
  if (TObject* object = g_objectHandles ? g_objectHandles->Take(handle) : nullptr)
    object->Free();
}

void TcxObjectValueTypeMeta::ReadDataValue(void*, TStream&) const {}

// Only a handle of a live object (or 0) is taken: any other number would
// make the record free memory that is no object of its own.
void TcxObjectValueTypeMeta::SetDataValue(void* data, const Variant& value) const {
  const int handle = value.ToInteger();
  if (handle != 0 && !cxVariantToObject(value))
    throw EVariantTypeCastError("Could not convert variant of type (" +
                                VarTypeAsText(VarType(value)) + ") into type (Object)");
  if (handle != LoadAs<int>(data))
    FreeBuffer(data);
  StoreAs(data, handle);
}

void TcxObjectValueTypeMeta::WriteDataValue(const void*, TStream&) const {}

// ---- Registry ----------------------------------------------------------------

TcxValueTypeClass TcxValueTypeClassList::Items(int index) const {
  if (index < 0 || index >= Count())
    ListIndexError(index);
  return m_items[static_cast<std::size_t>(index)];
}

TcxValueTypeClass TcxValueTypeClassList::ItemByCaption(const std::string& caption) const {
  for (const TcxValueTypeClass& item : m_items)
    if (item->Caption() == caption)
      return item;
  return nullptr;
}

void TcxValueTypeClassList::RegisterItem(TcxValueTypeClass valueTypeClass) {
  if (std::find(m_items.begin(), m_items.end(), valueTypeClass) == m_items.end())
    m_items.push_back(valueTypeClass);
}

void TcxValueTypeClassList::UnregisterItem(TcxValueTypeClass valueTypeClass) {
  std::erase(m_items, valueTypeClass);
}

namespace {

TOwned<TcxValueTypeClassList> g_valueTypeClassList;

std::array<TcxValueTypeClass, 14> StandardValueTypes() {
  return {TcxStringValueType::StaticClass(),   TcxWideStringValueType::StaticClass(),
          TcxSmallintValueType::StaticClass(), TcxIntegerValueType::StaticClass(),
          TcxWordValueType::StaticClass(),     TcxBooleanValueType::StaticClass(),
          TcxFloatValueType::StaticClass(),    TcxCurrencyValueType::StaticClass(),
          TcxDateTimeValueType::StaticClass(), TcxLargeIntValueType::StaticClass(),
          TcxFMTBcdValueType::StaticClass(),   TcxSQLTimeStampValueType::StaticClass(),
          TcxVariantValueType::StaticClass(),  TcxObjectValueType::StaticClass()};
}

void InitializeDataStorage() {
  for (const TcxValueTypeClass& valueType : StandardValueTypes())
    cxValueTypeClassList().RegisterItem(valueType);
}

void FinalizeDataStorage() {
  const auto valueTypes = StandardValueTypes();
  for (auto it = valueTypes.rbegin(); it != valueTypes.rend(); ++it)
    cxValueTypeClassList().UnregisterItem(*it);
  g_valueTypeClassList.reset();
  g_objectHandles.reset();
}

} // namespace

TcxValueTypeClassList& cxValueTypeClassList() {
  if (!g_valueTypeClassList)
    g_valueTypeClassList.reset(Create<TcxValueTypeClassList>());
  return *g_valueTypeClassList;
}

bool IsDateTimeValueTypeClass(TcxValueTypeClass valueTypeClass) {
  return valueTypeClass == TcxValueTypeClass(TcxDateTimeValueType::StaticClass()) ||
         valueTypeClass == TcxValueTypeClass(TcxSQLTimeStampValueType::StaticClass());
}

const TUnitInfo cxDataStorageUnit{"cxDataStorage", InitializeDataStorage, FinalizeDataStorage};
