#include "bench/FilterBenchmarkData.h"

#include <array>
#include <cstdint>

#include "data/cxVariants.h"

namespace {

constexpr std::array<const char*, 20> kFirstNames = {
    "Ahmet", "Ayse",  "Ali",  "Zeynep", "Mehmet", "Fatma", "Mustafa", "Emine", "Hasan", "Elif",
    "Azra",  "Burak", "Deniz", "Can",   "Ece",    "Kaan",  "Arda",    "Selin", "Yusuf", "Aslan"};
constexpr std::array<const char*, 10> kSurnames = {"Yilmaz", "Kaya",   "Demir", "Sahin", "Celik",
                                                   "Yildiz", "Aydin", "Ozturk", "Arslan", "Dogan"};
constexpr std::array<const char*, 10> kCities = {"Istanbul", "Ankara", "Izmir", "Bursa",
                                                 "Antalya",  "Konya",  "Adana", "Trabzon",
                                                 "Eskisehir", "Kayseri"};

// A well-mixed 64-bit hash of the row index and a salt.
std::uint64_t Mix(std::uint64_t value) {
  value += 0x9E3779B97F4A7C15ull;
  value = (value ^ (value >> 30)) * 0xBF58476D1CE4E5B9ull;
  value = (value ^ (value >> 27)) * 0x94D049BB133111EBull;
  return value ^ (value >> 31);
}

std::uint64_t Draw(int index, int salt, std::uint64_t range) {
  return Mix((static_cast<std::uint64_t>(index) << 8) | static_cast<std::uint64_t>(salt)) % range;
}

} // namespace

TBenchRow MakeBenchRow(int index) {
  TBenchRow row;
  row.Name = std::string(kFirstNames[Draw(index, 1, kFirstNames.size())]) + " " +
             kSurnames[Draw(index, 2, kSurnames.size())];
  row.City = kCities[Draw(index, 3, kCities.size())];
  row.Age = static_cast<int>(Draw(index, 4, 100));
  row.Score = static_cast<double>(Draw(index, 5, 10001)) / 100.0;
  // 2020-01-01 and six years on, at whole minutes.
  row.Born = EncodeDate(2020, 1, 1) + static_cast<double>(Draw(index, 6, 6 * 365)) +
             static_cast<double>(Draw(index, 7, MinsPerDay)) / MinsPerDay;
  row.Active = Draw(index, 8, 2) == 1;
  return row;
}

Variant TStorageFilterItem::GetDataValue(TObject* data) {
  auto* criteria = static_cast<TStorageCriteria*>(GetCriteria());
  return criteria->Storage()->GetValue(static_cast<TStorageCursor*>(data)->RecordIndex,
                                       static_cast<TcxValueDef*>(ItemLink()));
}

TcxValueDef* TStorageFilterItem::GetRecordValueDef() const {
  return static_cast<TcxValueDef*>(ItemLink());
}

bool TStorageCriteria::GetDataRecord(TObject* data, TcxDataStorage*& storage, int& recordIndex) {
  storage = m_storage;
  recordIndex = static_cast<TStorageCursor*>(data)->RecordIndex;
  return true;
}

std::string TStorageFilterItem::GetFieldName() const {
  return static_cast<TStorageCriteria*>(GetCriteria())
      ->ColumnName(static_cast<const TcxValueDef*>(ItemLink()));
}

void TStorageCriteria::AddColumn(TcxValueDef* column, const std::string& name) {
  m_columns.emplace_back(column, name);
}

TcxValueDef* TStorageCriteria::Column(const std::string& name) const {
  for (const auto& [column, columnName] : m_columns)
    if (columnName == name)
      return column;
  throw EInvalidOperation("No column " + name);
}

std::string TStorageCriteria::ColumnName(const TcxValueDef* column) const {
  for (const auto& [known, name] : m_columns)
    if (known == column)
      return name;
  return {};
}

void FillBenchStorage(TcxDataStorage& storage, TStorageCriteria& criteria, int count) {
  TcxValueDefs& defs = storage.ValueDefs();
  const auto add = [&](const char* name, TcxValueTypeClass type) {
    criteria.AddColumn(defs.Add(type, true, false, nullptr), name);
  };
  add("Name", TcxStringValueType::StaticClass());
  add("City", TcxStringValueType::StaticClass());
  add("Age", TcxIntegerValueType::StaticClass());
  add("Score", TcxFloatValueType::StaticClass());
  add("Born", TcxDateTimeValueType::StaticClass());
  add("Active", TcxBooleanValueType::StaticClass());
  storage.SetRecordCount(count);
  for (int i = 0; i < count; ++i) {
    const TBenchRow row = MakeBenchRow(i);
    storage.SetValue(i, criteria.Column("Name"), row.Name);
    storage.SetValue(i, criteria.Column("City"), row.City);
    storage.SetValue(i, criteria.Column("Age"), row.Age);
    storage.SetValue(i, criteria.Column("Score"), row.Score);
    storage.SetValue(i, criteria.Column("Born"), VarFromDateTime(row.Born));
    storage.SetValue(i, criteria.Column("Active"), row.Active);
  }
}

void BuildBenchFilter(TStorageCriteria& criteria) {
  using enum TcxFilterOperatorKind;
  using enum TcxFilterBoolOperatorKind;
  const auto add = [&criteria](TcxFilterCriteriaItemList* list, const char* column,
                               TcxFilterOperatorKind kind, const Variant& value) {
    const std::string displayValue = VarIsArray(value) ? std::string() : VarToStr(value);
    criteria.AddItem(list, criteria.Column(column), kind, value, displayValue);
  };
  criteria.BeginUpdate();
  add(nullptr, "Name", foLike, "A%");
  TcxFilterCriteriaItemList* cities = criteria.Root()->AddItemList(fboOr);
  add(cities, "City", foEqual, "Ankara");
  add(cities, "City", foEqual, "Izmir");
  add(cities, "City", foLike, "%bul");
  add(nullptr, "Age", foBetween, VarBetweenArrayCreate(18, 65));
  add(nullptr, "Born", foLastYear, Null());
  TcxFilterCriteriaItemList* extremes = criteria.Root()->AddItemList(fboNotOr);
  add(extremes, "Score", foLess, 10);
  add(extremes, "Score", foGreater, 90);
  add(nullptr, "Name", foNotLike, "%z%");
  add(nullptr, "Active", foEqual, true);
  criteria.EndUpdate();
}
