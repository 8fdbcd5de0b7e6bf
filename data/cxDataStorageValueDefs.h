// Value definitions: each names a value type and places its value in the
// record buffers of a storage. A stored definition owns a slice of every
// buffer: a null flag byte (0 = Null), the value type's data bytes, then a
// text slot when the definition keeps display texts. A definition that is
// not stored has no slice, reads as Null and takes no part in streams.
//
// Changing how a definition is kept (its value type, whether it keeps
// texts, whether it is stored) re-lays the buffers out at once: the values of
// that definition become Null, every other value stays. A normal
// definition's internal mirror follows its value type and text setting.
//
// Classes in this file: TcxValueDef, TcxInternalValueDef, TcxValueDefs,
// TcxInternalValueDefs.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "data/cxDataStorageValueTypes.h"

class TcxDataStorage;
class TcxValueDef;
class TcxValueDefs;

// Where a definition's value lies in record buffers, and how it is kept.
struct TcxValueSlice {
  int Offset = 0;
  // 0 when the definition is not stored.
  int BufferSize = 0;
  int DataSize = 0;
  bool TextStored = false;
  TcxValueTypeClass ValueTypeClass;
};

using TcxValueDefMeta = TClassOf<TcxValueDef, TObject::TMeta, TcxValueDefs*, TcxValueTypeClass>;
using TcxValueDefClass = TClassRef<TcxValueDef>;

class TcxValueDef : public TObject {
  OBJECT_CLASS_META(TcxValueDef, TObject, TcxValueDefMeta)
public:
  TcxValueDef(TcxValueDefs* valueDefs, TcxValueTypeClass valueTypeClass);
  // Leaves its list (see TcxValueDefs::Remove).
  void BeforeDestruction() override;

  virtual TObject* GetLinkObject() const { return m_linkObject; }
  // Stored, or True whenever the storage keeps every value (StoredValuesOnly off).
  virtual bool GetStored() const;
  virtual void SetLinkObject(TObject* value) { m_linkObject = value; }
  // Copies Stored and TextStored.
  virtual void Assign(TcxValueDef* source);

  int BufferSize() const { return m_slice.BufferSize; }
  int DataSize() const { return m_slice.DataSize; }
  int Offset() const { return m_slice.Offset; }
  const TcxValueSlice& Slice() const { return m_slice; }
  bool Stored() const { return m_stored; }
  void SetStored(bool value);
  bool StreamStored() const { return m_streamStored; }
  void SetStreamStored(bool value) { m_streamStored = value; }
  bool TextStored() const { return m_textStored; }
  void SetTextStored(bool value);
  // TextStored, when the definition is stored at all.
  bool GetTextStored() const { return m_textStored && GetStored(); }
  bool GetIsNeedConversion() const { return m_valueTypeClass->IsString(); }
  TObject* LinkObject() const { return GetLinkObject(); }
  TcxValueDefs* ValueDefs() const { return m_valueDefs; }
  TcxValueTypeClass ValueTypeClass() const { return m_valueTypeClass; }
  void SetValueTypeClass(TcxValueTypeClass value);

  // The value in a record buffer laid out by the definition's list (nil:
  // a record without buffer, which reads as Null).
  bool IsNull(const unsigned char* buffer) const;
  Variant GetDataValue(const unsigned char* buffer) const;
  // Null clears the value; another value is converted by the value type
  // (a variant error leaves the old value as it was).
  void SetDataValue(unsigned char* buffer, const Variant& value) const;
  // The kept text (also for Null) when the definition keeps texts, else the
  // value's default text.
  std::string GetDisplayText(const unsigned char* buffer) const;
  // Does nothing unless the definition keeps texts.
  void SetDisplayText(unsigned char* buffer, const std::string& text) const;
  // Null sorts first; two values compare by the value type.
  int Compare(const unsigned char* buffer1, const unsigned char* buffer2) const;
  int CompareValues(bool null1, bool null2, const void* value1, const void* value2) const;
  // True when the value is Null; otherwise the prepared pointer of the value.
  bool GetCompareInfo(const unsigned char* buffer, const void*& value) const;
  // Frees the value and the text, leaving the slice Null.
  void FreeBuffer(unsigned char* buffer) const;
  // The same for a slice of another layout (one being replaced).
  static void FreeSlice(unsigned char* buffer, const TcxValueSlice& slice);
  // The value's part of the record stream: its null flag, its payload when
  // not Null, its text when kept.
  void WriteValue(const unsigned char* buffer, TStream& stream) const;
  void ReadValue(unsigned char* buffer, TStream& stream) const;

protected:
  // Tells the list (and through it the storage) of a change.
  void Changed(bool structureChanged);

private:
  friend class TcxValueDefs;

  bool HasSlice() const { return m_slice.BufferSize > 0; }
  // The slice the definition's current settings give at 'offset'.
  TcxValueSlice SliceAt(int offset) const;
  // Re-lays the buffers out after a change of the settings; 'restore' undoes
  // the change when that fails.
  void ApplySettings(const std::function<void()>& restore);
  // The internal definition that mirrors this normal one, if any.
  TcxValueDef* Mirror() const;

  TcxValueSlice m_slice;
  bool m_stored = true;
  TObject* m_linkObject = nullptr;
  bool m_streamStored = true;
  bool m_textStored = false;
  TcxValueDefs* m_valueDefs = nullptr;
  TcxValueTypeClass m_valueTypeClass;
};

// A definition of internal records: always stored, mirroring the normal
// definition that is its link object.
class TcxInternalValueDef : public TcxValueDef {
  OBJECT_CLASS(TcxInternalValueDef, TcxValueDef)
public:
  using TcxValueDef::TcxValueDef;

  // The link object of the normal definition mirrored.
  TObject* GetLinkObject() const override;
  bool GetStored() const override { return true; }
  TcxValueDef* GetValueDef() const;
};

// Orders definitions for the record stream (see TcxDataStorage::BeginStreaming).
using TcxValueDefCompare = std::function<int(TcxValueDef* def1, TcxValueDef* def2)>;

// The definitions of one kind of record of a storage, owned, with their layout.
class TcxValueDefs : public TObject {
  OBJECT_CLASS(TcxValueDefs, TObject)
public:
  explicit TcxValueDefs(TcxDataStorage* dataStorage) : m_dataStorage(dataStorage) {}
  // Computes the layout.
  void AfterConstruction() override;
  // Frees the definitions.
  void BeforeDestruction() override;

  // Widens the existing buffers by the new definition's slice (Null, no text).
  TcxValueDef* Add(TcxValueTypeClass valueTypeClass, bool stored, bool textStored,
                   TObject* linkObject);
  // Frees the definition: its values leave every buffer (a buffer whose only
  // stored value it held is freed whole), its internal mirror goes too.
  void Remove(TcxValueDef* valueDef);
  // Frees the definitions, the last first.
  void Clear();
  int Count() const { return static_cast<int>(m_items.size()); }
  // Raises EListError "List index out of bounds (%d)" for a bad index.
  TcxValueDef* Items(int index) const;
  int StoredCount() const;
  int RecordOffset() const { return m_recordOffset; }
  int RecordSize() const { return m_recordSize; }
  // Changes whenever the definitions are laid out anew, so that readers of
  // record buffers can tell that offsets they hold still hold.
  int LayoutStamp() const { return m_layoutStamp; }
  TcxDataStorage* DataStorage() const { return m_dataStorage; }

  virtual void Changed(TcxValueDef* valueDef, bool structureChanged);
  virtual TcxValueDefClass GetValueDefClass() const;
  // Lays the definitions out behind 'recordOffset' bytes of record header.
  virtual void Prepare(int recordOffset);

private:
  friend class TcxValueDef;

  bool Contains(const TcxValueDef* valueDef) const;
  // Takes the definition out, its values out of every buffer.
  void Extract(TcxValueDef* valueDef);

  TcxDataStorage* m_dataStorage = nullptr;
  std::vector<TcxValueDef*> m_items;
  int m_recordOffset = 0;
  int m_recordSize = 0;
  int m_layoutStamp = 0;
};

class TcxInternalValueDefs : public TcxValueDefs {
  OBJECT_CLASS(TcxInternalValueDefs, TcxValueDefs)
public:
  using TcxValueDefs::TcxValueDefs;

  TcxValueDefClass GetValueDefClass() const override;
  // The last definition whose own link object is 'linkObject' (for a
  // mirror: the normal definition).
  TcxValueDef* FindByLinkObject(TObject* linkObject) const;
  void RemoveByLinkObject(TObject* linkObject);
};
