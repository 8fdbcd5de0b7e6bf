#include "tests/support/GTest.h"

#include <climits>
#include <memory>
#include <string>
#include <vector>

#include "data/cxDataStorage.h"
#include "data/cxVariants.h"
#include "tests/data/DataValuesTestSupport.h"

namespace {

using data_test::Bytes;
using data_test::Content;
using data_test::Fill;

class DataStorageTest : public testing::Test {
protected:
  static void SetUpTestSuite() { data_test::StartDataStorageUnit(); }

  TcxValueDef* AddDef(TcxValueTypeClass valueType, bool textStored = false) {
    return m_storage->ValueDefs().Add(valueType, true, textStored, nullptr);
  }

  Bytes RecordStream(int index) {
    TMemoryStream stream;
    m_storage->WriteData(index, stream);
    return Content(stream);
  }

  TOwned<TcxDataStorage> m_storage{Create<TcxDataStorage>()};
};

// ---- Layout --------------------------------------------------------------------

TEST_F(DataStorageTest, LayoutFollowsTheDefinitionsAndTheSwitches) {
  TcxValueDef* number = AddDef(TcxIntegerValueType::StaticClass());
  TcxValueDefs& defs = m_storage->ValueDefs();
  EXPECT_EQ(defs.RecordSize(), 6);
  EXPECT_EQ(number->Offset(), 1);
  EXPECT_EQ(number->BufferSize(), 5);
  m_storage->SetUseRecordID(true);
  EXPECT_EQ(defs.RecordSize(), 10);
  number->SetTextStored(true);
  EXPECT_EQ(defs.RecordSize(), 10 + cxHolderSlotSize);
  EXPECT_EQ(m_storage->InternalValueDefs().RecordSize(), 6 + cxHolderSlotSize)
      << "the mirror keeps texts too; internal records have no IDs";
  EXPECT_EQ(m_storage->InternalValueDefs().FindByLinkObject(number)->TextStored(), true);
}

TEST_F(DataStorageTest, AStoredValuesOnlyStorageHasNoSliceForAValueNotStored) {
  TcxValueDef* kept = AddDef(TcxIntegerValueType::StaticClass());
  TcxValueDef* dropped = AddDef(TcxStringValueType::StaticClass());
  dropped->SetStored(false);
  EXPECT_EQ(m_storage->ValueDefs().RecordSize(), 6 + 1 + cxHolderSlotSize);
  m_storage->AppendRecord();
  m_storage->SetValue(0, kept, 7);
  m_storage->SetValue(0, dropped, "x");
  m_storage->SetStoredValuesOnly(true);
  EXPECT_EQ(m_storage->ValueDefs().RecordSize(), 6);
  EXPECT_EQ(m_storage->ValueDefs().StoredCount(), 1);
  EXPECT_TRUE(VarIsNull(m_storage->GetValue(0, kept))) << "the switch frees the buffers";
  m_storage->SetValue(0, kept, 7);
  m_storage->SetValue(0, dropped, "x");
  EXPECT_TRUE(VarIsNull(m_storage->GetValue(0, dropped)));
  EXPECT_EQ(RecordStream(0), (Bytes{0x00, 0x00, 0x07, 0x00, 0x00, 0x00}));
  dropped->SetStored(true);
  EXPECT_EQ(m_storage->ValueDefs().RecordSize(), 6 + 1 + cxHolderSlotSize);
  EXPECT_EQ(m_storage->GetValue(0, kept).ToInteger(), 7) << "the other values stay";
  EXPECT_TRUE(VarIsNull(m_storage->GetValue(0, dropped)));
}

// ---- Records and values --------------------------------------------------------

TEST_F(DataStorageTest, ARecordNeverWrittenReadsNullAndStreamsAsOneByte) {
  TcxValueDef* number = AddDef(TcxIntegerValueType::StaticClass());
  TcxValueDef* text = AddDef(TcxStringValueType::StaticClass(), true);
  m_storage->SetRecordCount(2);
  EXPECT_TRUE(VarIsNull(m_storage->GetValue(1, number)));
  EXPECT_TRUE(VarIsNull(m_storage->GetValue(1, text)));
  EXPECT_EQ(m_storage->GetDisplayText(1, text), "");
  EXPECT_EQ(RecordStream(1), Bytes{0x01});
  const void* pointer = nullptr;
  EXPECT_TRUE(m_storage->GetCompareInfo(1, number, pointer));
}

TEST_F(DataStorageTest, ValuesAndTextsOfARecord) {
  TcxValueDef* number = AddDef(TcxIntegerValueType::StaticClass());
  TcxValueDef* text = AddDef(TcxStringValueType::StaticClass(), true);
  m_storage->AppendRecord();
  m_storage->SetValue(0, number, "42");
  m_storage->SetValue(0, text, "\xDE" "ehir");
  m_storage->SetDisplayText(0, text, "g\xF6sterilen");
  m_storage->SetDisplayText(0, number, "ignored");
  EXPECT_EQ(VarType(m_storage->GetValue(0, number)), varInteger);
  EXPECT_EQ(m_storage->GetValue(0, number).ToInteger(), 42);
  EXPECT_EQ(m_storage->GetValue(0, text).ToString(), "\xDE" "ehir");
  EXPECT_EQ(m_storage->GetDisplayText(0, text), "g\xF6sterilen");
  EXPECT_EQ(m_storage->GetDisplayText(0, number), "42");
  m_storage->SetValue(0, text, Null());
  EXPECT_TRUE(VarIsNull(m_storage->GetValue(0, text)));
  EXPECT_EQ(m_storage->GetDisplayText(0, text), "g\xF6sterilen") << "a kept text outlives its value";
}

TEST_F(DataStorageTest, AFailedConversionLeavesTheValueAsItWas) {
  TcxValueDef* number = AddDef(TcxIntegerValueType::StaticClass());
  m_storage->AppendRecord();
  EXPECT_THROW(m_storage->SetValue(0, number, "x"), EVariantError);
  EXPECT_TRUE(VarIsNull(m_storage->GetValue(0, number)));
  m_storage->SetValue(0, number, 3);
  EXPECT_THROW(m_storage->SetValue(0, number, "y"), EVariantError);
  EXPECT_EQ(m_storage->GetValue(0, number).ToInteger(), 3);
}

TEST_F(DataStorageTest, IndexesOutsideTheRecordsRaiseTheListError) {
  TcxValueDef* number = AddDef(TcxIntegerValueType::StaticClass());
  m_storage->AppendRecord();
  try {
    m_storage->GetValue(5, number);
    FAIL() << "no list error";
  } catch (const EListError& error) {
    EXPECT_EQ(error.Message(), "List index out of bounds (5)");
  }
  EXPECT_THROW(m_storage->SetValue(1, number, 1), EListError);
  EXPECT_THROW(m_storage->WriteData(-1, *std::make_unique<TMemoryStream>()), EListError);
  EXPECT_THROW(m_storage->GetValue(-1, number), EListError) << "no internal record yet";
}

TEST_F(DataStorageTest, ADefinitionOfAnotherStorageReadsNullAndStoresNothing) {
  AddDef(TcxIntegerValueType::StaticClass());
  TOwned<TcxDataStorage> other(Create<TcxDataStorage>());
  TcxValueDef* foreign = other->ValueDefs().Add(TcxIntegerValueType::StaticClass(), true, false, nullptr);
  m_storage->AppendRecord();
  m_storage->SetValue(0, foreign, 5);
  EXPECT_TRUE(VarIsNull(m_storage->GetValue(0, foreign)));
  EXPECT_EQ(RecordStream(0), Bytes{0x01});
}

TEST_F(DataStorageTest, CompareRecordsPutsNullFirst) {
  TcxValueDef* text = AddDef(TcxStringValueType::StaticClass());
  m_storage->SetRecordCount(3);
  m_storage->SetValue(0, text, "b");
  m_storage->SetValue(1, text, "a");
  EXPECT_EQ(m_storage->CompareRecords(0, 1, text), 1);
  EXPECT_EQ(m_storage->CompareRecords(2, 0, text), -1);
  EXPECT_EQ(m_storage->CompareRecords(2, 2, text), 0);
  const void* pointer = nullptr;
  EXPECT_FALSE(m_storage->GetCompareInfo(0, text, pointer));
  EXPECT_EQ(*static_cast<const std::string*>(pointer), "b");
}

// ---- Definitions changing under existing records ------------------------------

TEST_F(DataStorageTest, AddingADefinitionKeepsTheValuesAndAddsNulls) {
  TcxValueDef* first = AddDef(TcxIntegerValueType::StaticClass());
  m_storage->SetRecordCount(2);
  m_storage->SetValue(0, first, 1);
  m_storage->SetValue(1, first, 2);
  TcxValueDef* second = AddDef(TcxStringValueType::StaticClass(), true);
  EXPECT_EQ(m_storage->GetValue(0, first).ToInteger(), 1);
  EXPECT_EQ(m_storage->GetValue(1, first).ToInteger(), 2);
  EXPECT_TRUE(VarIsNull(m_storage->GetValue(0, second)));
  m_storage->SetValue(1, second, "x");
  EXPECT_EQ(m_storage->GetValue(1, second).ToString(), "x");
}

TEST_F(DataStorageTest, RemovingTheOnlyStoredDefinitionFreesTheBuffersButKeepsTheRecords) {
  TcxValueDef* text = AddDef(TcxStringValueType::StaticClass(), true);
  m_storage->SetRecordCount(2);
  m_storage->SetValue(0, text, "gone");
  m_storage->ValueDefs().Remove(text);
  EXPECT_EQ(m_storage->ValueDefs().Count(), 0);
  EXPECT_EQ(m_storage->InternalValueDefs().Count(), 0) << "the mirror goes too";
  EXPECT_EQ(m_storage->RecordCount(), 2);
  EXPECT_EQ(RecordStream(0), Bytes{0x01});
}

TEST_F(DataStorageTest, RemovingOneOfSeveralDefinitionsKeepsTheOthers) {
  TcxValueDef* first = AddDef(TcxStringValueType::StaticClass());
  TcxValueDef* middle = AddDef(TcxVariantValueType::StaticClass(), true);
  TcxValueDef* last = AddDef(TcxFloatValueType::StaticClass());
  m_storage->AppendRecord();
  m_storage->SetValue(0, first, "a");
  m_storage->SetValue(0, middle, VarArrayOf({1}));
  m_storage->SetDisplayText(0, middle, "text");
  m_storage->SetValue(0, last, 2.5);
  middle->Free();
  EXPECT_EQ(m_storage->ValueDefs().Count(), 2);
  EXPECT_EQ(m_storage->GetValue(0, first).ToString(), "a");
  EXPECT_EQ(m_storage->GetValue(0, last).ToDouble(), 2.5);
  EXPECT_EQ(last->Offset(), 1 + 1 + cxHolderSlotSize);
}

TEST_F(DataStorageTest, ChangingHowADefinitionIsKeptNullsOnlyItsValues) {
  TcxValueDef* number = AddDef(TcxIntegerValueType::StaticClass());
  TcxValueDef* text = AddDef(TcxStringValueType::StaticClass());
  m_storage->AppendRecord();
  const int internal = m_storage->AddInternalRecord();
  m_storage->SetValue(0, number, 5);
  m_storage->SetValue(0, text, "t");
  m_storage->SetValue(internal, text, "i");

  number->SetTextStored(true);
  EXPECT_TRUE(VarIsNull(m_storage->GetValue(0, number)));
  EXPECT_EQ(m_storage->GetValue(0, text).ToString(), "t");
  m_storage->SetDisplayText(0, number, "five");
  EXPECT_EQ(m_storage->GetDisplayText(0, number), "five");

  text->SetValueTypeClass(TcxWideStringValueType::StaticClass());
  EXPECT_TRUE(VarIsNull(m_storage->GetValue(0, text)));
  EXPECT_TRUE(VarIsNull(m_storage->GetValue(internal, text)));
  EXPECT_EQ(m_storage->GetDisplayText(0, number), "five");
  m_storage->SetValue(internal, text, u"\x0416");
  EXPECT_EQ(VarType(m_storage->GetValue(internal, text)), varOleStr);
}

class TCountingStorage : public TcxDataStorage {
  OBJECT_CLASS(TCountingStorage, TcxDataStorage)
public:
  void ValueDefsChanged(TcxValueDef*, bool structureChanged) override {
    (structureChanged ? StructureChanges : OtherChanges)++;
  }
  int StructureChanges = 0;
  int OtherChanges = 0;
};

TEST_F(DataStorageTest, DefinitionChangesAreAnnounced) {
  TOwned<TCountingStorage> storage(Create<TCountingStorage>());
  TcxValueDef* def = storage->ValueDefs().Add(TcxIntegerValueType::StaticClass(), true, false, nullptr);
  def->SetStored(false);
  EXPECT_EQ(storage->OtherChanges, 1);
  def->SetTextStored(true);
  def->SetValueTypeClass(TcxFloatValueType::StaticClass());
  EXPECT_EQ(storage->StructureChanges, 4) << "the mirror follows and announces too";
  def->SetTextStored(true);
  EXPECT_EQ(storage->StructureChanges, 4);
}

// ---- Internal records ------------------------------------------------------------

TEST_F(DataStorageTest, InternalRecordsReuseFreedSlots) {
  TcxValueDef* text = AddDef(TcxStringValueType::StaticClass());
  EXPECT_EQ(m_storage->AddInternalRecord(), -1);
  EXPECT_EQ(m_storage->AddInternalRecord(), -2);
  m_storage->SetValue(-1, text, "first");
  m_storage->SetValue(-2, text, "second");
  m_storage->DeleteRecord(-1);
  EXPECT_EQ(m_storage->AddInternalRecord(), -1);
  EXPECT_TRUE(VarIsNull(m_storage->GetValue(-1, text)));
  EXPECT_EQ(m_storage->GetValue(-2, text).ToString(), "second");
  EXPECT_EQ(m_storage->ValueDefsByRecordIndex(-2), &m_storage->InternalValueDefs());
}

TEST_F(DataStorageTest, ClearingInternalRecordsTellsTheListener) {
  AddDef(TcxIntegerValueType::StaticClass());
  m_storage->AddInternalRecord();
  TObject* sender = nullptr;
  m_storage->SetOnClearInternalRecords(TNotifyEvent([&](TObject* s) { sender = s; }));
  m_storage->Clear(true);
  EXPECT_EQ(sender, nullptr);
  m_storage->Clear(false);
  EXPECT_EQ(sender, m_storage.get());
  EXPECT_EQ(m_storage->AddInternalRecord(), -1);
}

TEST_F(DataStorageTest, InternalDefinitionsLinkToTheCallersObjectThroughTheirNormalDefinition) {
  TcxDataStorage& storage = *m_storage;
  TcxValueDef* def = storage.ValueDefs().Add(TcxIntegerValueType::StaticClass(), true, false, &storage);
  auto* mirror = dynamic_cast<TcxInternalValueDef*>(storage.InternalValueDefs().FindByLinkObject(def));
  ASSERT_NE(mirror, nullptr);
  EXPECT_EQ(mirror->GetValueDef(), def);
  EXPECT_EQ(mirror->LinkObject(), &storage);
  storage.InternalValueDefs().RemoveByLinkObject(def);
  EXPECT_EQ(storage.InternalValueDefs().Count(), 0);
}

// ---- Record IDs ------------------------------------------------------------------

TEST_F(DataStorageTest, RecordIDsCountFromOneAndRestartWhenEveryRecordIsGone) {
  AddDef(TcxIntegerValueType::StaticClass());
  m_storage->SetUseRecordID(true);
  for (int i = 0; i < 3; ++i)
    m_storage->AppendRecord();
  EXPECT_EQ(m_storage->GetRecordID(0), 1);
  EXPECT_EQ(m_storage->GetRecordID(2), 3);
  m_storage->InsertRecord(1);
  EXPECT_EQ(m_storage->GetRecordID(1), 4);
  m_storage->SetRecordCount(0);
  EXPECT_EQ(m_storage->AppendRecord(), 0);
  EXPECT_EQ(m_storage->GetRecordID(0), 1);

  TMemoryStream stream;
  Fill(stream, {0x00, 0x0A, 0x00, 0x00, 0x00, 0x01});
  m_storage->ReadData(0, stream);
  EXPECT_EQ(m_storage->GetRecordID(0), 10);
  m_storage->AppendRecord();
  EXPECT_EQ(m_storage->GetRecordID(1), 11);
}

TEST_F(DataStorageTest, RecordIDsExistOnlyWhileSwitchedOn) {
  AddDef(TcxBooleanValueType::StaticClass());
  m_storage->AppendRecord();
  EXPECT_EQ(m_storage->GetRecordID(0), 0);
  EXPECT_THROW(m_storage->SetRecordID(0, 3), EInvalidOperation);
  EXPECT_EQ(m_storage->ValueDefs().RecordSize(), 3);
  m_storage->SetUseRecordID(true);
  m_storage->ClearRecords(false);
  EXPECT_EQ(m_storage->GetRecordID(0), 1);
}

TEST_F(DataStorageTest, ARecordIDThatLeavesNoRoomForTheNextIsRefused) {
  AddDef(TcxIntegerValueType::StaticClass());
  m_storage->SetUseRecordID(true);
  m_storage->AppendRecord();
  TMemoryStream stream;
  Fill(stream, {0x00, 0xFF, 0xFF, 0xFF, 0x7F, 0x01});
  EXPECT_THROW(m_storage->ReadData(0, stream), EReadError);
  EXPECT_EQ(m_storage->GetRecordID(0), 1);
}

// ---- Record streams --------------------------------------------------------------

TEST_F(DataStorageTest, TheRecordStreamByteForByte) {
  TcxValueDef* number = AddDef(TcxIntegerValueType::StaticClass());
  TcxValueDef* text = AddDef(TcxStringValueType::StaticClass(), true);
  TcxValueDef* skipped = AddDef(TcxBooleanValueType::StaticClass());
  skipped->SetStreamStored(false);
  m_storage->SetUseRecordID(true);
  m_storage->AppendRecord();
  m_storage->SetValue(0, number, 258);
  m_storage->SetDisplayText(0, text, "t");
  m_storage->SetValue(0, skipped, true);
  EXPECT_EQ(RecordStream(0), (Bytes{0x00,                         // has a buffer
                                    0x01, 0x00, 0x00, 0x00,       // record ID
                                    0x00, 0x02, 0x01, 0x00, 0x00, // not Null, 258
                                    0x01,                         // Null
                                    0x01, 0x00, 0x00, 0x00, 't'}));
}

// One definition of every value type that streams, two of them keeping texts.
class StorageRoundTripTest : public DataStorageTest {
protected:
  void AddEveryType(TcxDataStorage& storage) {
    for (int i = 0; i < cxValueTypeClassList().Count(); ++i) {
      const TcxValueTypeClass valueType = cxValueTypeClassList().Items(i);
      storage.ValueDefs().Add(valueType, true, i % 6 == 0, nullptr);
    }
  }

  std::vector<Variant> SampleValues() {
    return {"\xC7" "ok", u"\x0416", -2, 70000, 65535, true, 0.1, Currency::FromScaled(-15),
            VarFromDateTime(45000.25), std::int64_t{1} << 40, "3,25", VarFromDateTime(45000.5),
            VarArrayOf({1, "x"}), 0};
  }
};

TEST_F(StorageRoundTripTest, EveryRecordComesBackFromItsStream) {
  m_storage->SetUseRecordID(true);
  AddEveryType(*m_storage);
  m_storage->SetRecordCount(3);
  const std::vector<Variant> values = SampleValues();
  for (int i = 0; i < m_storage->ValueDefs().Count(); ++i) {
    m_storage->SetValue(0, m_storage->ValueDefs().Items(i), values[static_cast<std::size_t>(i)]);
    m_storage->SetDisplayText(1, m_storage->ValueDefs().Items(i), "text " + std::to_string(i));
  }
  TMemoryStream stream;
  for (int i = 0; i < 3; ++i)
    m_storage->WriteData(i, stream);

  TOwned<TcxDataStorage> copy(Create<TcxDataStorage>());
  copy->SetUseRecordID(true);
  AddEveryType(*copy);
  copy->SetRecordCount(3);
  stream.SetPosition(0);
  for (int i = 0; i < 3; ++i)
    copy->ReadData(i, stream);
  EXPECT_EQ(stream.Position(), stream.Size());

  for (int record = 0; record < 3; ++record) {
    EXPECT_EQ(copy->GetRecordID(record), m_storage->GetRecordID(record));
    for (int i = 0; i < copy->ValueDefs().Count(); ++i) {
      TcxValueDef* original = m_storage->ValueDefs().Items(i);
      TcxValueDef* read = copy->ValueDefs().Items(i);
      EXPECT_TRUE(VarEquals(copy->GetValue(record, read), m_storage->GetValue(record, original)))
          << "record " << record << ", " << read->ValueTypeClass()->Caption();
      EXPECT_EQ(copy->GetDisplayText(record, read), m_storage->GetDisplayText(record, original));
    }
  }
}

TEST_F(StorageRoundTripTest, AStreamingOrderReordersTheValues) {
  TcxValueDef* first = AddDef(TcxSmallintValueType::StaticClass());
  TcxValueDef* second = AddDef(TcxBooleanValueType::StaticClass());
  m_storage->AppendRecord();
  m_storage->SetValue(0, first, 1);
  m_storage->SetValue(0, second, true);
  m_storage->BeginStreaming([&](TcxValueDef* a, TcxValueDef* b) { return (a == first) - (b == first); });
  EXPECT_EQ(RecordStream(0), (Bytes{0x00, 0x00, 0x01, 0x00, 0x01, 0x00}));
  m_storage->EndStreaming();
  EXPECT_EQ(RecordStream(0), (Bytes{0x00, 0x00, 0x01, 0x00, 0x00, 0x01}));
}

TEST_F(DataStorageTest, ANoBufferFlagFreesTheRecordsBuffer) {
  TcxValueDef* text = AddDef(TcxStringValueType::StaticClass());
  m_storage->AppendRecord();
  m_storage->SetValue(0, text, "x");
  TMemoryStream stream;
  Fill(stream, {0x01});
  m_storage->ReadData(0, stream);
  EXPECT_TRUE(VarIsNull(m_storage->GetValue(0, text)));
  EXPECT_EQ(RecordStream(0), Bytes{0x01});
}

TEST_F(DataStorageTest, AReadThatFailsHalfWayKeepsWhatWasRead) {
  TcxValueDef* number = AddDef(TcxIntegerValueType::StaticClass());
  TcxValueDef* text = AddDef(TcxStringValueType::StaticClass());
  m_storage->AppendRecord();
  m_storage->SetValue(0, text, "old");
  TMemoryStream stream;
  Fill(stream, {0x00, 0x00, 0x09, 0x00, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0x7F, 'x'});
  EXPECT_THROW(m_storage->ReadData(0, stream), EReadError);
  EXPECT_EQ(m_storage->GetValue(0, number).ToInteger(), 9);
  EXPECT_EQ(m_storage->GetValue(0, text).ToString(), "old");
}

// ---- Readers ---------------------------------------------------------------------

class TFixedReader : public TcxValueDefReader {
  OBJECT_CLASS(TFixedReader, TcxValueDefReader)
public:
  explicit TFixedReader(TcxValueDef* skipped) : m_skipped(skipped) {}
  Variant GetValue(TcxValueDef* def) override { return def->ValueTypeClass()->Caption(); }
  std::string GetDisplayText(TcxValueDef*) override { return "shown"; }
  bool IsInternal(TcxValueDef* def) override { return def == m_skipped; }

private:
  TcxValueDef* m_skipped = nullptr;
};

TEST_F(DataStorageTest, ReadRecordFillsEveryDefinitionTheReaderServes) {
  TcxValueDef* text = AddDef(TcxStringValueType::StaticClass(), true);
  TcxValueDef* skipped = AddDef(TcxVariantValueType::StaticClass());
  m_storage->AppendRecord();
  TOwned<TFixedReader> reader(Create<TFixedReader>(skipped));
  m_storage->ReadRecord(0, *reader);
  EXPECT_EQ(m_storage->GetValue(0, text).ToString(), "String");
  EXPECT_EQ(m_storage->GetDisplayText(0, text), "shown");
  EXPECT_TRUE(VarIsNull(m_storage->GetValue(0, skipped)));

  std::vector<TcxValueDef*> visited;
  m_storage->ReadRecordFrom(0, 7, *reader,
                            TcxValueDefSetProc([&](TcxValueDef* def, int from, int to, TcxValueDefReader* r) {
                              EXPECT_EQ(from, 0);
                              EXPECT_EQ(to, 7);
                              EXPECT_EQ(r, reader.get());
                              visited.push_back(def);
                            }));
  EXPECT_EQ(visited, (std::vector<TcxValueDef*>{text, skipped}));
}

// ---- Objects in records ------------------------------------------------------------

class TNoticedObject : public TObject {
  OBJECT_CLASS(TNoticedObject, TObject)
public:
  explicit TNoticedObject(bool& freed) : m_freed(freed) {}
  ~TNoticedObject() override { m_freed = true; }

private:
  bool& m_freed;
};

TEST_F(DataStorageTest, DeletingARecordFreesTheObjectItOwns) {
  TcxValueDef* object = AddDef(TcxObjectValueType::StaticClass());
  m_storage->AppendRecord();
  bool freed = false;
  TNoticedObject* owned = Create<TNoticedObject>(freed);
  m_storage->SetValue(0, object, cxObjectToVariant(owned));
  EXPECT_EQ(cxVariantToObject(m_storage->GetValue(0, object)), owned);
  m_storage->DeleteRecord(0);
  EXPECT_TRUE(freed);
}

// ---- Lookup list -------------------------------------------------------------------

TEST(LookupList, FindsKeysByBinarySearch) {
  TOwned<TcxLookupList> list(Create<TcxLookupList>());
  int index = -1;
  EXPECT_FALSE(list->Find(1, index));
  EXPECT_EQ(index, 0);
  list->Insert(0, 1, "one");
  list->Insert(1, 3, "three");
  list->Insert(2, 5, "five");
  EXPECT_TRUE(list->Find(3, index));
  EXPECT_EQ(index, 1);
  EXPECT_EQ(list->Items(index)->DisplayText, "three");
  EXPECT_FALSE(list->Find(4, index));
  EXPECT_EQ(index, 2);
  EXPECT_FALSE(list->Find(9, index));
  EXPECT_EQ(index, 3);
  EXPECT_FALSE(list->Find(0, index));
  EXPECT_EQ(index, 0);
  EXPECT_THROW(list->Insert(5, 7, ""), EListError);
  EXPECT_THROW(list->Items(3), EListError);
  list->Clear();
  EXPECT_EQ(list->Count(), 0);
}

} // namespace
