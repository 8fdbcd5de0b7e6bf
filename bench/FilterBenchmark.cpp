// Hand-run benchmark: a filter of ten conditions (LIKE, NOT LIKE, a date
// range, BETWEEN, comparisons, equality) evaluated over the records of a
// record storage, next to SQLite evaluating the filter's own text as the
// WHERE clause of an in-memory table holding the same rows.
//
//   filter_benchmark.exe [record count]      (default 1 000 000)
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "bench/FilterBenchmarkData.h"
#include "bench/SqliteSide.h"
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

  TSqliteTable table;
  start = TClock::now();
  table.Fill(count);
  const double fillSeconds = SecondsSince(start);
  start = TClock::now();
  const long long sqliteMatches = table.Count(where);
  Report("SQLite in memory", sqliteMatches, count, SecondsSince(start));
  std::printf("(SQLite filled its table in %.3f s)\n", fillSeconds);
  if (filterMatches != sqliteMatches)
    std::printf("The two sides disagree on the number of matches!\n");
}

} // namespace

int main(int argc, char** argv) {
  const int count = argc > 1 ? std::atoi(argv[1]) : 1000000;
  ProgramUnits().Start(RtlUnits());
  int result = 0;
  try {
    Run(count > 0 ? count : 1);
  } catch (const Exception& error) {
    std::printf("Error: %s\n", error.Message().c_str());
    result = 1;
  }
  ProgramUnits().Stop();
  return result;
}
