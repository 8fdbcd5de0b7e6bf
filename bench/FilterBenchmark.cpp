// Hand-run benchmark: a filter of ten conditions (LIKE, NOT LIKE, a date
// range, BETWEEN, comparisons, equality) evaluated over the records of a
// record storage, next to SQLite evaluating the filter's own text as the
// WHERE clause of an in-memory table holding the same rows.
//
//   filter_benchmark.exe [record count ...]   (default 10 000, 100 000 and 1 000 000)
//
// The filter runs three ways: as the criteria evaluate it (compiled into
// typed predicates, short-cutting lists), the compiled program evaluating
// every leaf of every row, and the criteria's evaluation of the tree alone
// (leaves answering through variants, as descendants that do not bind their
// leaves to the storage get).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include <vector>

#include "bench/FilterBenchmarkData.h"
#include "bench/SqliteSide.h"
#include "data/cxFilterCompiled.h"
#include "platform/rtl/RtlUnits.h"

namespace {

using TClock = std::chrono::steady_clock;

double SecondsSince(TClock::time_point start) {
  return std::chrono::duration<double>(TClock::now() - start).count();
}

void Report(const char* side, long long matches, int count, double seconds) {
  std::printf("%-28s %9lld matches  %8.3f s  %12.0f records/s\n", side, matches, seconds,
              count / seconds);
}

long long EvaluateFilter(TStorageCriteria& criteria, int count) {
  const TOwned<TStorageCursor> cursor(Create<TStorageCursor>());
  long long matches = 0;
  for (int i = 0; i < count; ++i) {
    cursor->RecordIndex = i;
    if (criteria.DoFilterData(cursor.get()))
      ++matches;
  }
  return matches;
}

// The compiled program without short cuts; a row it leaves undecided would
// count as no match (the benchmark's rows hold no Null).
long long EvaluateEveryLeaf(TStorageCriteria& criteria, int count) {
  const std::unique_ptr<TcxCompiledFilter> program = TcxCompiledFilter::Compile(criteria);
  if (!program)
    return -1;
  const TOwned<TStorageCursor> cursor(Create<TStorageCursor>());
  long long matches = 0;
  for (int i = 0; i < count; ++i) {
    cursor->RecordIndex = i;
    if (program->Evaluate(criteria.Storage(), i, cursor.get(), false) ==
        TcxCompiledFilter::TResult::True)
      ++matches;
  }
  return matches;
}

// The criteria with a descendant's leaves that are not bound to the storage.
class TUnboundFilterItem : public TStorageFilterItem {
  OBJECT_CLASS(TUnboundFilterItem, TStorageFilterItem)
public:
  using TStorageFilterItem::TStorageFilterItem;
  TcxValueDef* GetRecordValueDef() const override { return nullptr; }
};

class TUnboundCriteria : public TStorageCriteria {
  OBJECT_CLASS(TUnboundCriteria, TStorageCriteria)
public:
  using TStorageCriteria::TStorageCriteria;
  TcxFilterCriteriaItemClass GetItemClass() const override {
    return TUnboundFilterItem::StaticClass();
  }
};

void Run(int count) {
  // "Last year" is 2023 for every run.
  const TFixedNow today(EncodeDate(2024, 6, 15));
  const TOwned<TcxDataStorage> storage(Create<TcxDataStorage>());
  const TOwned<TStorageCriteria> criteria(Create<TStorageCriteria>(storage.get()));
  criteria->SetDateTimeFormat("yyyy-mm-dd");

  auto start = TClock::now();
  FillBenchStorage(*storage, *criteria, count);
  std::printf("Filled the record storage with %d records in %.3f s\n", count, SecondsSince(start));
  BuildBenchFilter(*criteria);
  const std::string where = criteria->GetFilterText();
  std::printf("Filter: %s\n\n", where.c_str());

  start = TClock::now();
  const long long filterMatches = EvaluateFilter(*criteria, count);
  Report("Filter over record storage", filterMatches, count, SecondsSince(start));

  start = TClock::now();
  const long long everyLeafMatches = EvaluateEveryLeaf(*criteria, count);
  Report("  every leaf evaluated", everyLeafMatches, count, SecondsSince(start));

  const TOwned<TUnboundCriteria> unbound(Create<TUnboundCriteria>(storage.get()));
  unbound->SetDateTimeFormat("yyyy-mm-dd");
  for (const char* column : {"Name", "City", "Age", "Score", "Born", "Active"})
    unbound->AddColumn(criteria->Column(column), column);
  BuildBenchFilter(*unbound);
  start = TClock::now();
  const long long unboundMatches = EvaluateFilter(*unbound, count);
  Report("  leaves through variants", unboundMatches, count, SecondsSince(start));

  TSqliteTable table;
  start = TClock::now();
  table.Fill(count);
  const double fillSeconds = SecondsSince(start);
  start = TClock::now();
  const long long sqliteMatches = table.Count(where);
  Report("SQLite in memory", sqliteMatches, count, SecondsSince(start));
  std::printf("(SQLite filled its table in %.3f s)\n\n", fillSeconds);
  if (filterMatches != sqliteMatches || everyLeafMatches != sqliteMatches ||
      unboundMatches != sqliteMatches)
    std::printf("The sides disagree on the number of matches!\n");
}

} // namespace

int main(int argc, char** argv) {
  std::vector<int> counts;
  for (int i = 1; i < argc; ++i)
    counts.push_back(std::max(1, std::atoi(argv[i])));
  if (counts.empty())
    counts = {10000, 100000, 1000000};
  ProgramUnits().Start(RtlUnits());
  int result = 0;
  try {
    for (const int count : counts)
      Run(count);
  } catch (const Exception& error) {
    std::printf("Error: %s\n", error.Message().c_str());
    result = 1;
  }
  ProgramUnits().Stop();
  return result;
}
