#include "bench/SqliteSide.h"

#include "bench/FilterBenchmarkData.h"
#include "platform/rtl/Exceptions.h"

#include "platform/host/BeginHostHeaders.h"
#include <sqlite3.h>
#include "platform/host/EndHostHeaders.h"

struct TSqliteTable::TDatabase {
  sqlite3* Handle = nullptr;

  void Check(int result, const char* what) const {
    if (result != SQLITE_OK && result != SQLITE_DONE && result != SQLITE_ROW)
      throw Exception(std::string(what) + ": " + sqlite3_errmsg(Handle));
  }
  void Execute(const std::string& sql) const {
    Check(sqlite3_exec(Handle, sql.c_str(), nullptr, nullptr, nullptr), sql.c_str());
  }
};

namespace {

// A prepared statement that finalizes itself.
class TStatement {
public:
  TStatement(sqlite3* handle, const std::string& sql) {
    if (sqlite3_prepare_v2(handle, sql.c_str(), -1, &m_statement, nullptr) != SQLITE_OK)
      throw Exception(sql + ": " + sqlite3_errmsg(handle));
  }
  ~TStatement() { sqlite3_finalize(m_statement); }
  TStatement(const TStatement&) = delete;
  TStatement& operator=(const TStatement&) = delete;

  sqlite3_stmt* Get() const { return m_statement; }

private:
  sqlite3_stmt* m_statement = nullptr;
};

void BindRow(sqlite3_stmt* statement, const TBenchRow& row) {
  const std::string born = FormatDateTime("yyyy-mm-dd hh:nn:ss", row.Born);
  sqlite3_bind_text(statement, 1, row.Name.c_str(), -1, SQLITE_TRANSIENT);
  sqlite3_bind_text(statement, 2, row.City.c_str(), -1, SQLITE_TRANSIENT);
  sqlite3_bind_int(statement, 3, row.Age);
  sqlite3_bind_double(statement, 4, row.Score);
  sqlite3_bind_text(statement, 5, born.c_str(), -1, SQLITE_TRANSIENT);
  sqlite3_bind_int(statement, 6, row.Active ? 1 : 0);
}

} // namespace

TSqliteTable::TSqliteTable() : m_database(std::make_unique<TDatabase>()) {
  if (sqlite3_open(":memory:", &m_database->Handle) != SQLITE_OK)
    throw Exception("Cannot open an in-memory SQLite database");
  m_database->Execute("PRAGMA case_sensitive_like = ON");
}

TSqliteTable::~TSqliteTable() { sqlite3_close(m_database->Handle); }

void TSqliteTable::Fill(int count) {
  m_database->Execute("CREATE TABLE Rows (Name TEXT, City TEXT, Age INTEGER, Score REAL, "
                      "Born TEXT, Active INTEGER)");
  m_database->Execute("BEGIN");
  const TStatement insert(m_database->Handle, "INSERT INTO Rows VALUES (?, ?, ?, ?, ?, ?)");
  for (int i = 0; i < count; ++i) {
    BindRow(insert.Get(), MakeBenchRow(i));
    m_database->Check(sqlite3_step(insert.Get()), "INSERT");
    sqlite3_reset(insert.Get());
  }
  m_database->Execute("COMMIT");
}

long long TSqliteTable::Count(const std::string& where) {
  const TStatement select(m_database->Handle, "SELECT COUNT(*) FROM Rows WHERE " + where);
  m_database->Check(sqlite3_step(select.Get()), "SELECT");
  return sqlite3_column_int64(select.Get(), 0);
}
