// The data of the filter benchmark: deterministic rows, a record storage
// filled with them, and filter criteria that read that storage.
//
// Classes in this file: TStorageCursor, TStorageFilterItem, TStorageCriteria.
#pragma once

#include <string>
#include <vector>

#include "data/cxDataStorage.h"
#include "data/cxFilter.h"

// One generated row. Texts are ASCII so that both sides read them alike.
struct TBenchRow {
  std::string Name;
  std::string City;
  int Age = 0;
  double Score = 0;
  TDateTime Born = 0;
  bool Active = false;
};

// Row 'index' of the data set: the same row for the same index, every time.
TBenchRow MakeBenchRow(int index);

// The row a filter evaluates: a record of the storage.
class TStorageCursor : public TObject {
  OBJECT_CLASS(TStorageCursor, TObject)
public:
  int RecordIndex = 0;
};

// A condition on a value definition of the storage (its item link).
class TStorageFilterItem : public TcxFilterCriteriaItem {
  OBJECT_CLASS(TStorageFilterItem, TcxFilterCriteriaItem)
public:
  using TcxFilterCriteriaItem::TcxFilterCriteriaItem;

  Variant GetDataValue(TObject* data) override;
  std::string GetFieldCaption() const override { return GetFieldName(); }
  std::string GetFieldName() const override;
  // The value is the item link's value in the row's record.
  TcxValueDef* GetRecordValueDef() const override;
};

// Criteria over a storage whose definitions carry the column names.
class TStorageCriteria : public TcxFilterCriteria {
  OBJECT_CLASS(TStorageCriteria, TcxFilterCriteria)
public:
  explicit TStorageCriteria(TcxDataStorage* storage) : m_storage(storage) {}

  TcxFilterCriteriaItemClass GetItemClass() const override {
    return TStorageFilterItem::StaticClass();
  }
  // The row is the cursor's record of the storage.
  bool GetDataRecord(TObject* data, TcxDataStorage*& storage, int& recordIndex) override;
  TcxDataStorage* Storage() const { return m_storage; }
  void AddColumn(TcxValueDef* column, const std::string& name);
  TcxValueDef* Column(const std::string& name) const;
  std::string ColumnName(const TcxValueDef* column) const;

private:
  TcxDataStorage* m_storage = nullptr;
  std::vector<std::pair<TcxValueDef*, std::string>> m_columns;
};

// Adds the columns Name, City, Age, Score, Born and Active to the storage
// and the criteria, and 'count' generated records.
void FillBenchStorage(TcxDataStorage& storage, TStorageCriteria& criteria, int count);
// The benchmark's ten conditions (LIKE, NOT LIKE, equality, BETWEEN, a date
// range, comparisons, in AND, OR and NOT OR lists).
void BuildBenchFilter(TStorageCriteria& criteria);
