#include "data/cxDataStorageValueDefs.h"

#include <algorithm>
#include <cstring>

#include "data/cxDataStorage.h"
#include "data/cxDataStorageInternal.h"
#include "data/cxVariants.h"

namespace {

bool SameShape(const TcxValueSlice& a, const TcxValueSlice& b) {
  return a.BufferSize == b.BufferSize && a.TextStored == b.TextStored &&
         a.ValueTypeClass == b.ValueTypeClass;
}

unsigned char* NullFlagOf(unsigned char* buffer, const TcxValueSlice& slice) {
  return buffer + slice.Offset;
}

unsigned char* DataOf(unsigned char* buffer, const TcxValueSlice& slice) {
  return buffer + slice.Offset + 1;
}

unsigned char* TextSlotOf(unsigned char* buffer, const TcxValueSlice& slice) {
  return buffer + slice.Offset + 1 + slice.DataSize;
}

const unsigned char* DataOf(const unsigned char* buffer, const TcxValueSlice& slice) {
  return buffer + slice.Offset + 1;
}

const unsigned char* TextSlotOf(const unsigned char* buffer, const TcxValueSlice& slice) {
  return buffer + slice.Offset + 1 + slice.DataSize;
}

} // namespace

// ---- TcxValueDef ---------------------------------------------------------------

TcxValueDef::TcxValueDef(TcxValueDefs* valueDefs, TcxValueTypeClass valueTypeClass)
    : m_valueDefs(valueDefs), m_valueTypeClass(valueTypeClass) {}

void TcxValueDef::BeforeDestruction() {
  if (m_valueDefs)
    m_valueDefs->Extract(this);
  inherited::BeforeDestruction();
}

bool TcxValueDef::GetStored() const {
  return m_stored || !m_valueDefs || !m_valueDefs->DataStorage()->StoredValuesOnly();
}

void TcxValueDef::Assign(TcxValueDef* source) {
  SetStored(source->Stored());
  SetTextStored(source->TextStored());
}

void TcxValueDef::SetStored(bool value) {
  if (m_stored == value)
    return;
  m_stored = value;
  ApplySettings([this, value] { m_stored = !value; });
  Changed(false);
}

void TcxValueDef::SetTextStored(bool value) {
  if (m_textStored == value)
    return;
  m_textStored = value;
  ApplySettings([this, value] { m_textStored = !value; });
  if (TcxValueDef* mirror = Mirror())
    mirror->SetTextStored(value);
  Changed(true);
}

void TcxValueDef::SetValueTypeClass(TcxValueTypeClass value) {
  if (m_valueTypeClass == value)
    return;
  const TcxValueTypeClass old = m_valueTypeClass;
  m_valueTypeClass = value;
  ApplySettings([this, old] { m_valueTypeClass = old; });
  if (TcxValueDef* mirror = Mirror())
    mirror->SetValueTypeClass(value);
  Changed(true);
}

TcxValueSlice TcxValueDef::SliceAt(int offset) const {
  TcxValueSlice slice;
  slice.Offset = offset;
  slice.ValueTypeClass = m_valueTypeClass;
  slice.DataSize = m_valueTypeClass->GetDataSize();
  slice.TextStored = GetTextStored();
  if (GetStored())
    slice.BufferSize = 1 + slice.DataSize + (slice.TextStored ? cxHolderSlotSize : 0);
  return slice;
}

void TcxValueDef::ApplySettings(const std::function<void()>& restore) {
  const TcxValueSlice slice = SliceAt(m_slice.Offset);
  if (!m_valueDefs || !m_valueDefs->Contains(this) || SameShape(slice, m_slice)) {
    m_slice = slice;
    return;
  }
  try {
    m_valueDefs->DataStorage()->ReshapeValueDef(this, slice);
  } catch (...) {
    restore();
    throw;
  }
}

TcxValueDef* TcxValueDef::Mirror() const {
  if (!m_valueDefs)
    return nullptr;
  TcxDataStorage* storage = m_valueDefs->DataStorage();
  if (m_valueDefs != &storage->ValueDefs())
    return nullptr;
  return storage->InternalValueDefs().FindByLinkObject(const_cast<TcxValueDef*>(this));
}

void TcxValueDef::Changed(bool structureChanged) {
  if (m_valueDefs)
    m_valueDefs->Changed(this, structureChanged);
}

bool TcxValueDef::IsNull(const unsigned char* buffer) const {
  return !buffer || !HasSlice() || buffer[m_slice.Offset] == 0;
}

Variant TcxValueDef::GetDataValue(const unsigned char* buffer) const {
  if (IsNull(buffer))
    return Null();
  return m_slice.ValueTypeClass->GetDataValue(DataOf(buffer, m_slice));
}

void TcxValueDef::SetDataValue(unsigned char* buffer, const Variant& value) const {
  if (!HasSlice())
    return;
  unsigned char* data = DataOf(buffer, m_slice);
  if (VarIsNull(value)) {
    if (!IsNull(buffer)) {
      m_slice.ValueTypeClass->FreeBuffer(data);
      std::memset(data, 0, static_cast<std::size_t>(m_slice.DataSize));
    }
    *NullFlagOf(buffer, m_slice) = 0;
    return;
  }
  // The flag follows a successful conversion only, so a failed one leaves
  // a Null value Null.
  m_slice.ValueTypeClass->SetDataValue(data, value);
  *NullFlagOf(buffer, m_slice) = 1;
}

std::string TcxValueDef::GetDisplayText(const unsigned char* buffer) const {
  if (!buffer || !HasSlice())
    return "";
  if (m_slice.TextStored)
    return m_slice.ValueTypeClass->GetDisplayText(TextSlotOf(buffer, m_slice));
  if (IsNull(buffer))
    return "";
  return m_slice.ValueTypeClass->GetDefaultDisplayText(DataOf(buffer, m_slice));
}

void TcxValueDef::SetDisplayText(unsigned char* buffer, const std::string& text) const {
  if (HasSlice() && m_slice.TextStored)
    m_slice.ValueTypeClass->SetDisplayText(TextSlotOf(buffer, m_slice), text);
}

int TcxValueDef::Compare(const unsigned char* buffer1, const unsigned char* buffer2) const {
  const bool null1 = IsNull(buffer1);
  const bool null2 = IsNull(buffer2);
  if (null1 || null2)
    return null1 == null2 ? 0 : (null1 ? -1 : 1);
  return m_slice.ValueTypeClass->Compare(DataOf(buffer1, m_slice), DataOf(buffer2, m_slice));
}

int TcxValueDef::CompareValues(bool null1, bool null2, const void* value1, const void* value2) const {
  if (null1 || null2)
    return null1 == null2 ? 0 : (null1 ? -1 : 1);
  return m_slice.ValueTypeClass->CompareValues(value1, value2);
}

bool TcxValueDef::GetCompareInfo(const unsigned char* buffer, const void*& value) const {
  value = buffer ? buffer + m_slice.Offset : nullptr;
  if (IsNull(buffer))
    return true;
  value = DataOf(buffer, m_slice);
  m_slice.ValueTypeClass->PrepareValueBuffer(value);
  return false;
}

void TcxValueDef::FreeSlice(unsigned char* buffer, const TcxValueSlice& slice) {
  if (!buffer || slice.BufferSize == 0)
    return;
  if (*NullFlagOf(buffer, slice) != 0)
    slice.ValueTypeClass->FreeBuffer(DataOf(buffer, slice));
  if (slice.TextStored)
    slice.ValueTypeClass->FreeTextBuffer(TextSlotOf(buffer, slice));
  std::memset(buffer + slice.Offset, 0, static_cast<std::size_t>(slice.BufferSize));
}

void TcxValueDef::FreeBuffer(unsigned char* buffer) const { FreeSlice(buffer, m_slice); }

void TcxValueDef::WriteValue(const unsigned char* buffer, TStream& stream) const {
  const bool isNull = IsNull(buffer);
  WriteBooleanProc(stream, isNull);
  if (!isNull)
    m_slice.ValueTypeClass->WriteDataValue(DataOf(buffer, m_slice), stream);
  if (m_slice.TextStored)
    m_slice.ValueTypeClass->WriteDisplayText(TextSlotOf(buffer, m_slice), stream);
}

void TcxValueDef::ReadValue(unsigned char* buffer, TStream& stream) const {
  if (ReadBooleanFunc(stream)) {
    SetDataValue(buffer, Null());
  } else {
    m_slice.ValueTypeClass->ReadDataValue(DataOf(buffer, m_slice), stream);
    *NullFlagOf(buffer, m_slice) = 1;
  }
  if (m_slice.TextStored)
    m_slice.ValueTypeClass->ReadDisplayText(TextSlotOf(buffer, m_slice), stream);
}

// ---- TcxInternalValueDef -------------------------------------------------------

TObject* TcxInternalValueDef::GetLinkObject() const {
  const TcxValueDef* valueDef = GetValueDef();
  return valueDef ? valueDef->LinkObject() : nullptr;
}

TcxValueDef* TcxInternalValueDef::GetValueDef() const {
  return dynamic_cast<TcxValueDef*>(inherited::GetLinkObject());
}

// ---- TcxValueDefs --------------------------------------------------------------

void TcxValueDefs::AfterConstruction() {
  inherited::AfterConstruction();
  m_dataStorage->InitStructure(this);
}

void TcxValueDefs::BeforeDestruction() {
  Clear();
  inherited::BeforeDestruction();
}

TcxValueDef* TcxValueDefs::Add(TcxValueTypeClass valueTypeClass, bool stored, bool textStored,
                               TObject* linkObject) {
  TOwned<TcxValueDef> valueDef(GetValueDefClass().Create(this, valueTypeClass));
  valueDef->SetLinkObject(linkObject);
  valueDef->m_stored = stored;
  valueDef->m_textStored = textStored;
  valueDef->m_slice = valueDef->SliceAt(0);
  m_dataStorage->InsertValueDef(valueDef.get());
  m_items.push_back(valueDef.get());
  m_dataStorage->InitStructure(this);
  m_dataStorage->OpenValueDef(valueDef.get());
  return valueDef.release();
}

void TcxValueDefs::Remove(TcxValueDef* valueDef) {
  if (Contains(valueDef))
    valueDef->Free();
}

bool TcxValueDefs::Contains(const TcxValueDef* valueDef) const {
  return std::find(m_items.begin(), m_items.end(), valueDef) != m_items.end();
}

void TcxValueDefs::Clear() {
  while (!m_items.empty())
    m_items.back()->Free();
}

void TcxValueDefs::Extract(TcxValueDef* valueDef) {
  if (Contains(valueDef)) {
    m_dataStorage->RemoveValueDef(valueDef);
    std::erase(m_items, valueDef);
    m_dataStorage->InitStructure(this);
  }
  valueDef->m_valueDefs = nullptr;
}

TcxValueDef* TcxValueDefs::Items(int index) const {
  if (index < 0 || index >= Count())
    ListIndexError(index);
  return m_items[static_cast<std::size_t>(index)];
}

int TcxValueDefs::StoredCount() const {
  return static_cast<int>(
      std::count_if(m_items.begin(), m_items.end(), [](TcxValueDef* d) { return d->GetStored(); }));
}

void TcxValueDefs::Changed(TcxValueDef* valueDef, bool structureChanged) {
  m_dataStorage->ValueDefsChanged(valueDef, structureChanged);
}

TcxValueDefClass TcxValueDefs::GetValueDefClass() const { return TcxValueDef::StaticClass(); }

void TcxValueDefs::Prepare(int recordOffset) {
  ++m_layoutStamp;
  m_recordOffset = recordOffset;
  int position = recordOffset;
  for (TcxValueDef* valueDef : m_items) {
    valueDef->m_slice = valueDef->SliceAt(position);
    position += valueDef->m_slice.BufferSize;
  }
  m_recordSize = position;
}

// ---- TcxInternalValueDefs ------------------------------------------------------

TcxValueDefClass TcxInternalValueDefs::GetValueDefClass() const {
  return TcxInternalValueDef::StaticClass();
}

TcxValueDef* TcxInternalValueDefs::FindByLinkObject(TObject* linkObject) const {
  for (int i = Count() - 1; i >= 0; --i)
    if (Items(i)->TcxValueDef::GetLinkObject() == linkObject)
      return Items(i);
  return nullptr;
}

void TcxInternalValueDefs::RemoveByLinkObject(TObject* linkObject) {
  if (TcxValueDef* valueDef = FindByLinkObject(linkObject))
    Remove(valueDef);
}
