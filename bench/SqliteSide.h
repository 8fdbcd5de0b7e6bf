// The SQLite side of the filter benchmark: the same rows in an in-memory
// SQLite table, and a count of the rows that satisfy a WHERE clause.
//
// Classes in this file: TSqliteTable.
#pragma once

#include <memory>
#include <string>

class TSqliteTable {
public:
  // Opens an in-memory database with LIKE made case-sensitive, as the
  // filter's LIKE is.
  TSqliteTable();
  ~TSqliteTable();
  TSqliteTable(const TSqliteTable&) = delete;
  TSqliteTable& operator=(const TSqliteTable&) = delete;

  // Creates the table "Rows" (Name, City, Age, Score, Born, Active) with rows
  // 0..count-1 of MakeBenchRow; Born as 'yyyy-mm-dd hh:nn:ss' text.
  void Fill(int count);
  // SELECT COUNT(*) FROM Rows WHERE 'where'.
  long long Count(const std::string& where);

private:
  struct TDatabase;
  std::unique_ptr<TDatabase> m_database;
};
