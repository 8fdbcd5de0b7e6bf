#include "data/cxDataStorage.h"

#include <climits>
#include <cstdlib>
#include <cstring>

#include "data/cxDataConsts.h"
#include "data/cxDataStorageInternal.h"
#include "data/cxVariants.h"

namespace {

constexpr unsigned char kInternalRecordInUse = 1;
constexpr int kRecordIDOffset = 1;
constexpr int kRecordHeaderWithID = 5;
constexpr int kRecordHeader = 1;

unsigned char* BufferAt(const TList& records, int position) {
  return static_cast<unsigned char*>(records.Items(position));
}

// Every buffer takes its new size in place of the old pointer, so a failure
// leaves each buffer valid (some merely larger than needed).
void GrowBuffers(TList& records, int size) {
  for (int i = 0; i < records.Count(); ++i)
    if (void* buffer = records.Items(i)) {
      void* grown = std::realloc(buffer, static_cast<std::size_t>(size));
      if (!grown)
        throw EOutOfMemory("Out of memory");
      records.SetItems(i, grown);
    }
}

// Replaces 'oldSize' bytes at 'offset' of a record of 'recordSize' bytes by
// 'newSize' zero bytes; the buffer holds enough bytes for both layouts.
void SpliceSlice(unsigned char* buffer, int recordSize, int offset, int oldSize, int newSize) {
  std::memmove(buffer + offset + newSize, buffer + offset + oldSize,
               static_cast<std::size_t>(recordSize - offset - oldSize));
  std::memset(buffer + offset, 0, static_cast<std::size_t>(newSize));
}

void* ShrinkBuffer(void* buffer, int size) {
  void* shrunk = std::realloc(buffer, static_cast<std::size_t>(size));
  return shrunk ? shrunk : buffer;
}

} // namespace

// ---- Construction --------------------------------------------------------------

void TcxDataStorage::AfterConstruction() {
  inherited::AfterConstruction();
  m_internalValueDefs.reset(Create<TcxInternalValueDefs>(this));
  m_valueDefs.reset(Create<TcxValueDefs>(this));
}

void TcxDataStorage::BeforeDestruction() {
  m_destroying = true;
  Clear(false);
  m_valueDefs.reset();
  m_internalValueDefs.reset();
  inherited::BeforeDestruction();
}

void TcxDataStorage::InitStructure(TcxValueDefs* valueDefs) {
  valueDefs->Prepare(RecordOffsetOf(valueDefs));
}

void TcxDataStorage::ValueDefsChanged(TcxValueDef*, bool) {}

TcxValueDefs* TcxDataStorage::ValueDefsByRecordIndex(int index) {
  return index < 0 ? m_internalValueDefs.get() : m_valueDefs.get();
}

// Internal records have no IDs, so their layout never depends on UseRecordID.
int TcxDataStorage::RecordOffsetOf(const TcxValueDefs* valueDefs) const {
  const bool hasIDs = m_useRecordID && !Is<TcxInternalValueDefs>(valueDefs);
  return hasIDs ? kRecordHeaderWithID : kRecordHeader;
}

// ---- Buffers -------------------------------------------------------------------

TList& TcxDataStorage::RecordsOf(const TcxValueDefs* valueDefs) {
  return valueDefs == m_valueDefs.get() ? m_records : m_internalRecords;
}

unsigned char* TcxDataStorage::RecordBuffer(int index) {
  return BufferAt(RecordsOf(index), PositionOf(index));
}

unsigned char* TcxDataStorage::AllocRecordBuffer(int index) {
  TList& records = RecordsOf(index);
  unsigned char* buffer = BufferAt(records, PositionOf(index));
  if (!buffer) {
    const int size = (index < 0 ? *m_internalValueDefs : *m_valueDefs).RecordSize();
    buffer = static_cast<unsigned char*>(std::calloc(1, static_cast<std::size_t>(size)));
    if (!buffer)
      throw EOutOfMemory("Out of memory");
    records.SetItems(PositionOf(index), buffer);
  }
  return buffer;
}

void TcxDataStorage::FreeRecordBuffer(TList& records, int position) {
  unsigned char* buffer = BufferAt(records, position);
  if (!buffer)
    return;
  records.SetItems(position, nullptr);
  const TcxValueDefs& valueDefs = &records == &m_records ? *m_valueDefs : *m_internalValueDefs;
  for (int i = 0; i < valueDefs.Count(); ++i)
    valueDefs.Items(i)->FreeBuffer(buffer);
  std::free(buffer);
}

void TcxDataStorage::FreeRecordBuffers(TList& records) {
  for (int i = 0; i < records.Count(); ++i)
    FreeRecordBuffer(records, i);
}

// ---- Records -------------------------------------------------------------------

int TcxDataStorage::AppendRecord() {
  const int index = m_records.Add(nullptr);
  GiveRecordID(index);
  return index;
}

void TcxDataStorage::InsertRecord(int index) {
  m_records.Insert(index, nullptr);
  GiveRecordID(index);
}

void TcxDataStorage::DeleteRecord(int index) {
  if (index < 0) {
    DeleteInternalRecord(index);
    return;
  }
  FreeRecordBuffer(m_records, index);
  m_records.Delete(index);
  if (m_records.Count() == 0)
    m_recordIDCounter = 1;
}

void TcxDataStorage::SetRecordCount(int value) {
  value = std::max(value, 0);
  while (RecordCount() < value)
    AppendRecord();
  while (RecordCount() > value)
    DeleteRecord(RecordCount() - 1);
}

int TcxDataStorage::AddInternalRecord() {
  int position = 0;
  for (; position < m_internalRecords.Count(); ++position) {
    const unsigned char* buffer = BufferAt(m_internalRecords, position);
    if (!buffer || (buffer[0] & kInternalRecordInUse) == 0)
      break;
  }
  if (position == m_internalRecords.Count())
    m_internalRecords.Add(nullptr);
  const int index = -position - 1;
  AllocRecordBuffer(index)[0] |= kInternalRecordInUse;
  return index;
}

void TcxDataStorage::DeleteInternalRecord(int index) {
  if (index < 0)
    FreeRecordBuffer(m_internalRecords, PositionOf(index));
}

void TcxDataStorage::ClearInternalRecords() {
  FreeRecordBuffers(m_internalRecords);
  m_internalRecords.Clear();
  if (m_onClearInternalRecords)
    m_onClearInternalRecords(this);
}

void TcxDataStorage::ClearRecords(bool clearList) {
  FreeRecordBuffers(m_records);
  if (clearList)
    m_records.Clear();
  if (m_records.Count() == 0)
    m_recordIDCounter = 1;
  for (int i = 0; i < m_records.Count(); ++i)
    GiveRecordID(i);
}

void TcxDataStorage::Clear(bool keepInternalRecords) {
  if (!keepInternalRecords)
    ClearInternalRecords();
  ClearRecords(true);
}

// ---- Values --------------------------------------------------------------------

TcxValueDef* TcxDataStorage::ResolveValueDef(int index, TcxValueDef* valueDef) const {
  if (!valueDef)
    return nullptr;
  const TcxValueDefs* owner = valueDef->ValueDefs();
  if (owner == m_valueDefs.get())
    return index < 0 ? m_internalValueDefs->FindByLinkObject(valueDef) : valueDef;
  if (owner == m_internalValueDefs.get() && index < 0)
    return valueDef;
  return nullptr;
}

Variant TcxDataStorage::GetValue(int index, TcxValueDef* valueDef) {
  const unsigned char* buffer = RecordBuffer(index);
  const TcxValueDef* resolved = ResolveValueDef(index, valueDef);
  return resolved ? resolved->GetDataValue(buffer) : Null();
}

void TcxDataStorage::SetValue(int index, TcxValueDef* valueDef, const Variant& value) {
  RecordBuffer(index);
  const TcxValueDef* resolved = ResolveValueDef(index, valueDef);
  if (resolved && resolved->BufferSize() > 0)
    resolved->SetDataValue(AllocRecordBuffer(index), value);
}

std::string TcxDataStorage::GetDisplayText(int index, TcxValueDef* valueDef) {
  const unsigned char* buffer = RecordBuffer(index);
  const TcxValueDef* resolved = ResolveValueDef(index, valueDef);
  return resolved ? resolved->GetDisplayText(buffer) : std::string();
}

void TcxDataStorage::SetDisplayText(int index, TcxValueDef* valueDef, const std::string& text) {
  RecordBuffer(index);
  const TcxValueDef* resolved = ResolveValueDef(index, valueDef);
  if (resolved && resolved->Slice().TextStored)
    resolved->SetDisplayText(AllocRecordBuffer(index), text);
}

int TcxDataStorage::GetRecordID(int index) {
  m_records.Items(index);
  return m_useRecordID ? LoadAs<int>(AllocRecordBuffer(index) + kRecordIDOffset) : 0;
}

void TcxDataStorage::SetRecordID(int index, int id) {
  m_records.Items(index);
  if (!m_useRecordID)
    throw EInvalidOperation("Record IDs are not in use");
  StoreAs(AllocRecordBuffer(index) + kRecordIDOffset, id);
}

void TcxDataStorage::GiveRecordID(int index) {
  if (!m_useRecordID || GetRecordID(index) != 0)
    return;
  if (m_recordIDCounter == INT_MAX)
    throw EIntOverflow("Integer overflow");
  SetRecordID(index, m_recordIDCounter++);
}

int TcxDataStorage::CompareRecords(int index1, int index2, TcxValueDef* valueDef) {
  const void* value1 = nullptr;
  const void* value2 = nullptr;
  const bool null1 = GetCompareInfo(index1, valueDef, value1);
  const bool null2 = GetCompareInfo(index2, valueDef, value2);
  const TcxValueDef* resolved = ResolveValueDef(index1, valueDef);
  if (!resolved)
    resolved = ResolveValueDef(index2, valueDef);
  return resolved ? resolved->CompareValues(null1, null2, value1, value2) : 0;
}

bool TcxDataStorage::GetCompareInfo(int index, TcxValueDef* valueDef, const void*& value) {
  const unsigned char* buffer = RecordBuffer(index);
  const TcxValueDef* resolved = ResolveValueDef(index, valueDef);
  value = nullptr;
  return resolved ? resolved->GetCompareInfo(buffer, value) : true;
}

// ---- Streams -------------------------------------------------------------------

std::vector<TcxValueDef*> TcxDataStorage::StreamedValueDefs() const {
  if (m_streaming)
    return m_streamingOrder;
  std::vector<TcxValueDef*> valueDefs;
  for (int i = 0; i < m_valueDefs->Count(); ++i)
    valueDefs.push_back(m_valueDefs->Items(i));
  return valueDefs;
}

void TcxDataStorage::ReadData(int index, TStream& stream) {
  m_records.Items(index);
  if (ReadBooleanFunc(stream)) {
    FreeRecordBuffer(m_records, index);
    return;
  }
  if (m_useRecordID) {
    const int id = ReadIntegerFunc(stream);
    if (id == INT_MAX)
      throw EReadError(cxDataMessage(cxSDataReadError));
    SetRecordID(index, id);
    m_recordIDCounter = std::max(m_recordIDCounter, id + 1);
  }
  unsigned char* buffer = AllocRecordBuffer(index);
  for (const TcxValueDef* valueDef : StreamedValueDefs())
    if (valueDef->StreamStored() && valueDef->BufferSize() > 0)
      valueDef->ReadValue(buffer, stream);
}

void TcxDataStorage::WriteData(int index, TStream& stream) {
  const unsigned char* buffer = BufferAt(m_records, index);
  WriteBooleanProc(stream, buffer == nullptr);
  if (!buffer)
    return;
  if (m_useRecordID)
    WriteIntegerProc(stream, LoadAs<int>(buffer + kRecordIDOffset));
  for (const TcxValueDef* valueDef : StreamedValueDefs())
    if (valueDef->StreamStored() && valueDef->BufferSize() > 0)
      valueDef->WriteValue(buffer, stream);
}

void TcxDataStorage::ReadRecord(int index, TcxValueDefReader& reader) {
  TcxValueDefs* valueDefs = ValueDefsByRecordIndex(index);
  AllocRecordBuffer(index);
  for (int i = 0; i < valueDefs->Count(); ++i) {
    TcxValueDef* valueDef = valueDefs->Items(i);
    if (reader.IsInternal(valueDef))
      continue;
    SetValue(index, valueDef, reader.GetValue(valueDef));
    if (valueDef->GetTextStored())
      SetDisplayText(index, valueDef, reader.GetDisplayText(valueDef));
  }
}

void TcxDataStorage::ReadRecordFrom(int fromIndex, int toIndex, TcxValueDefReader& reader,
                                    const TcxValueDefSetProc& setProc) {
  TcxValueDefs* valueDefs = ValueDefsByRecordIndex(fromIndex);
  for (int i = 0; i < valueDefs->Count(); ++i)
    setProc(valueDefs->Items(i), fromIndex, toIndex, &reader);
}

// The platform's sort: it stays within the list even when the compare
// function contradicts itself.
void TcxDataStorage::BeginStreaming(const TcxValueDefCompare& compare) {
  std::vector<TcxValueDef*> order = StreamedValueDefs();
  QuickSortIndexes(
      0, static_cast<int>(order.size()) - 1,
      [&](int a, int b) { return compare(order[static_cast<std::size_t>(a)], order[static_cast<std::size_t>(b)]); },
      [&](int a, int b) { std::swap(order[static_cast<std::size_t>(a)], order[static_cast<std::size_t>(b)]); });
  m_streamingOrder = std::move(order);
  m_streaming = true;
}

void TcxDataStorage::EndStreaming() {
  m_streamingOrder.clear();
  m_streaming = false;
}

// ---- Switches and layout -------------------------------------------------------

void TcxDataStorage::ChangeLayoutSwitch(bool& flag, bool value) {
  if (flag == value)
    return;
  FreeRecordBuffers(m_records);
  flag = value;
  InitStructure(m_valueDefs.get());
}

void TcxDataStorage::SetUseRecordID(bool value) { ChangeLayoutSwitch(m_useRecordID, value); }
void TcxDataStorage::SetStoredValuesOnly(bool value) { ChangeLayoutSwitch(m_storedValuesOnly, value); }

void TcxDataStorage::InsertValueDef(TcxValueDef* valueDef) {
  TcxValueDefs* valueDefs = valueDef->ValueDefs();
  TcxValueDef* mirror = nullptr;
  if (valueDefs == m_valueDefs.get())
    mirror = m_internalValueDefs->Add(valueDef->ValueTypeClass(), true, valueDef->TextStored(),
                                      valueDef);
  if (valueDef->BufferSize() == 0)
    return;
  try {
    GrowBuffers(RecordsOf(valueDefs), valueDefs->RecordSize() + valueDef->BufferSize());
  } catch (...) {
    if (mirror)
      mirror->Free();
    throw;
  }
}

void TcxDataStorage::OpenValueDef(TcxValueDef* valueDef) {
  const TList& records = RecordsOf(valueDef->ValueDefs());
  const int oldSize = valueDef->ValueDefs()->RecordSize() - valueDef->BufferSize();
  for (int i = 0; i < records.Count(); ++i)
    if (unsigned char* buffer = BufferAt(records, i))
      SpliceSlice(buffer, oldSize, valueDef->Offset(), 0, valueDef->BufferSize());
}

void TcxDataStorage::RemoveValueDef(TcxValueDef* valueDef) {
  if (m_destroying)
    return;
  TcxValueDefs* valueDefs = valueDef->ValueDefs();
  std::erase(m_streamingOrder, valueDef);
  if (valueDefs == m_valueDefs.get())
    m_internalValueDefs->RemoveByLinkObject(valueDef);
  if (valueDef->BufferSize() == 0)
    return;
  TList& records = RecordsOf(valueDefs);
  const bool onlyStored = valueDefs->StoredCount() == 1;
  const int recordSize = valueDefs->RecordSize();
  for (int i = 0; i < records.Count(); ++i) {
    unsigned char* buffer = BufferAt(records, i);
    if (!buffer)
      continue;
    if (onlyStored) {
      FreeRecordBuffer(records, i);
      continue;
    }
    valueDef->FreeBuffer(buffer);
    SpliceSlice(buffer, recordSize, valueDef->Offset(), valueDef->BufferSize(), 0);
    records.SetItems(i, ShrinkBuffer(buffer, recordSize - valueDef->BufferSize()));
  }
}

void TcxDataStorage::ReshapeValueDef(TcxValueDef* valueDef, const TcxValueSlice& newSlice) {
  TcxValueDefs* valueDefs = valueDef->ValueDefs();
  TList& records = RecordsOf(valueDefs);
  const TcxValueSlice oldSlice = valueDef->Slice();
  const int oldSize = valueDefs->RecordSize();
  const int newSize = oldSize - oldSlice.BufferSize + newSlice.BufferSize;
  if (newSize > oldSize)
    GrowBuffers(records, newSize);
  for (int i = 0; i < records.Count(); ++i) {
    unsigned char* buffer = BufferAt(records, i);
    if (!buffer)
      continue;
    TcxValueDef::FreeSlice(buffer, oldSlice);
    SpliceSlice(buffer, oldSize, oldSlice.Offset, oldSlice.BufferSize, newSlice.BufferSize);
    if (newSize < oldSize)
      records.SetItems(i, ShrinkBuffer(buffer, newSize));
  }
  InitStructure(valueDefs);
}

// ---- TcxLookupList -------------------------------------------------------------

bool TcxLookupList::Find(const Variant& key, int& index) const {
  int low = 0;
  int high = Count() - 1;
  while (low <= high) {
    const int middle = (low + high) / 2;
    const int result = VarCompare(m_items[static_cast<std::size_t>(middle)]->KeyValue, key);
    if (result == 0) {
      index = middle;
      return true;
    }
    if (result < 0)
      low = middle + 1;
    else
      high = middle - 1;
  }
  index = low;
  return false;
}

void TcxLookupList::Insert(int index, const Variant& key, const std::string& displayText) {
  if (index < 0 || index > Count())
    ListIndexError(index);
  m_items.insert(m_items.begin() + index,
                 std::make_unique<TcxLookupListItem>(TcxLookupListItem{key, displayText}));
}

TcxLookupListItem* TcxLookupList::Items(int index) const {
  if (index < 0 || index >= Count())
    ListIndexError(index);
  return m_items[static_cast<std::size_t>(index)].get();
}
