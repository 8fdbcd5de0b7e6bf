// Record storage: the rows of an in-memory table as raw record buffers laid
// out by value definitions. Normal records have indexes 0 and up; internal
// records have negative indexes (-1 is the first) and their own mirrored
// definitions. A record gets a buffer on its first value, ID or explicit
// allocation; a record without buffer reads as all Null.
//
// Record buffer: 1 byte of flags (1 = internal record in use), a 4-byte
// record ID while record IDs are on (normal records only), then the slices
// of the stored definitions (see cxDataStorageValueDefs.h).
//
// Record stream (per record): Boolean "no buffer" (nothing follows when
// True); the Integer record ID while IDs are on; then for every stored
// definition with StreamStored, in definition order (or the streaming order
// while one is open): Boolean is-Null, the value's payload when not Null,
// and its display text (String) when the definition keeps texts.
//
// An index outside the records raises EListError "List index out of bounds (%d)".
//
// Classes in this file: TcxValueDefReader, TcxDataStorage, TcxLookupList.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "data/cxDataStorageBcd.h"
#include "data/cxDataStorageTimeStamp.h"
#include "data/cxDataStorageValueDefs.h"
#include "data/cxDataStorageValueTypes.h"
#include "platform/objects/Events.h"
#include "platform/rtl/Lists.h"

// Feeds ReadRecord; callers derive from it.
class TcxValueDefReader : public TObject {
  OBJECT_CLASS(TcxValueDefReader, TObject)
public:
  virtual std::string GetDisplayText(TcxValueDef*) { return ""; }
  virtual Variant GetValue(TcxValueDef*) { return Null(); }
  // True for definitions the reader does not fill.
  virtual bool IsInternal(TcxValueDef*) { return false; }
};

using TcxValueDefSetProc = TDelegate<void(TcxValueDef* valueDef, int fromRecordIndex,
                                          int toRecordIndex, TcxValueDefReader* reader)>;

class TcxDataStorage : public TObject {
  OBJECT_CLASS(TcxDataStorage, TObject)
public:
  // Makes the two definition lists.
  void AfterConstruction() override;
  // Frees every record, then the definitions.
  void BeforeDestruction() override;

  // Lays a definition list out behind its record header.
  virtual void InitStructure(TcxValueDefs* valueDefs);
  // Told of every change of a definition; does nothing here.
  virtual void ValueDefsChanged(TcxValueDef* valueDef, bool structureChanged);
  // The internal definitions for a negative index, the normal ones otherwise.
  virtual TcxValueDefs* ValueDefsByRecordIndex(int index);

  int AppendRecord();
  void InsertRecord(int index);
  // A negative index deletes that internal record.
  void DeleteRecord(int index);
  int RecordCount() const { return m_records.Count(); }
  // Appends records or deletes them from the end; a negative count counts as 0.
  void SetRecordCount(int value);

  // Reuses the first internal record not in use, or appends one.
  int AddInternalRecord();
  void DeleteInternalRecord(int index);
  // Then fires OnClearInternalRecords.
  void ClearInternalRecords();
  // Frees every normal buffer; with clearList also drops the records.
  void ClearRecords(bool clearList);
  void Clear(bool keepInternalRecords);

  // Null for a record without buffer and for a definition that is not
  // stored or not of this storage (a normal definition is taken for its
  // mirror on internal records).
  Variant GetValue(int index, TcxValueDef* valueDef);
  // Null clears the value; a definition that is not stored keeps nothing.
  void SetValue(int index, TcxValueDef* valueDef, const Variant& value);
  std::string GetDisplayText(int index, TcxValueDef* valueDef);
  void SetDisplayText(int index, TcxValueDef* valueDef, const std::string& text);
  // 0 while record IDs are off; only normal records have IDs.
  int GetRecordID(int index);
  // Raises EInvalidOperation while record IDs are off.
  void SetRecordID(int index, int id);
  int CompareRecords(int index1, int index2, TcxValueDef* valueDef);
  // The buffer of a record as it is (nil for a record without one), for
  // readers that know the layout.
  const unsigned char* ReadRecordBuffer(int index) const {
    return static_cast<const unsigned char*>(RecordsOf(index).Items(PositionOf(index)));
  }
  // True when the value is Null; otherwise False and the prepared pointer.
  bool GetCompareInfo(int index, TcxValueDef* valueDef, const void*& value);

  // The record stream of a normal record. A record ID that leaves no room
  // for the next one raises EReadError.
  void ReadData(int index, TStream& stream);
  void WriteData(int index, TStream& stream);
  void ReadRecord(int index, TcxValueDefReader& reader);
  void ReadRecordFrom(int fromIndex, int toIndex, TcxValueDefReader& reader,
                      const TcxValueDefSetProc& setProc);
  // Orders the normal definitions for the record stream until EndStreaming.
  void BeginStreaming(const TcxValueDefCompare& compare);
  void EndStreaming();
  void BeginLoad() {}
  void EndLoad() {}

  // Changing either switch frees every normal buffer (the records stay).
  bool UseRecordID() const { return m_useRecordID; }
  void SetUseRecordID(bool value);
  bool StoredValuesOnly() const { return m_storedValuesOnly; }
  void SetStoredValuesOnly(bool value);
  int RecordIDCounter() const { return m_recordIDCounter; }

  TcxValueDefs& ValueDefs() const { return *m_valueDefs; }
  TcxInternalValueDefs& InternalValueDefs() const { return *m_internalValueDefs; }

  const TNotifyEvent& OnClearInternalRecords() const { return m_onClearInternalRecords; }
  void SetOnClearInternalRecords(const TNotifyEvent& handler) { m_onClearInternalRecords = handler; }

private:
  friend class TcxValueDef;
  friend class TcxValueDefs;

  TList& RecordsOf(const TcxValueDefs* valueDefs);
  TList& RecordsOf(int index) { return index < 0 ? m_internalRecords : m_records; }
  const TList& RecordsOf(int index) const { return index < 0 ? m_internalRecords : m_records; }
  static int PositionOf(int index) { return index < 0 ? -index - 1 : index; }
  unsigned char* RecordBuffer(int index);
  unsigned char* AllocRecordBuffer(int index);
  void FreeRecordBuffer(TList& records, int position);
  void FreeRecordBuffers(TList& records);
  TcxValueDef* ResolveValueDef(int index, TcxValueDef* valueDef) const;
  void GiveRecordID(int index);
  void ChangeLayoutSwitch(bool& flag, bool value);
  std::vector<TcxValueDef*> StreamedValueDefs() const;
  int RecordOffsetOf(const TcxValueDefs* valueDefs) const;

  // Called by the definition lists while their layout changes.
  void InsertValueDef(TcxValueDef* valueDef);
  void OpenValueDef(TcxValueDef* valueDef);
  void RemoveValueDef(TcxValueDef* valueDef);
  void ReshapeValueDef(TcxValueDef* valueDef, const TcxValueSlice& newSlice);

  bool m_destroying = false;
  TList m_internalRecords;
  TOwned<TcxInternalValueDefs> m_internalValueDefs;
  bool m_storedValuesOnly = false;
  TList m_records;
  int m_recordIDCounter = 1;
  bool m_useRecordID = false;
  TOwned<TcxValueDefs> m_valueDefs;
  std::vector<TcxValueDef*> m_streamingOrder;
  bool m_streaming = false;
  TNotifyEvent m_onClearInternalRecords;
};

struct TcxLookupListItem {
  Variant KeyValue;
  std::string DisplayText;
};

// Key-to-text items that callers keep in ascending key order (VarCompare).
class TcxLookupList : public TObject {
  OBJECT_CLASS(TcxLookupList, TObject)
public:
  // Binary search: True with the index of an equal key, or False with the
  // index where the key belongs.
  bool Find(const Variant& key, int& index) const;
  void Insert(int index, const Variant& key, const std::string& displayText);
  void Clear() { m_items.clear(); }
  int Count() const { return static_cast<int>(m_items.size()); }
  // Raises EListError "List index out of bounds (%d)" for a bad index.
  TcxLookupListItem* Items(int index) const;

private:
  std::vector<std::unique_ptr<TcxLookupListItem>> m_items;
};
