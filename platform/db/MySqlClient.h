// The MySQL client library (MariaDB Connector/C) behind one small class: a
// session that connects, runs one statement at a time and quotes text for
// it. Results are copied out whole, as the server's text for each value;
// nothing of the library shows in this header.
//
// Classes in this file: TSqlColumn, TSqlResult, TSqlOutcome,
// TMySqlConnectParams, TMySqlSession.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/db/FieldTypes.h"
#include "platform/db/SqlRow.h"

struct st_mysql;
struct st_mysql_res;

struct TSqlColumn {
  std::string Name;     // the label in the result
  std::string OrgName;  // the table's column; empty for an expression
  std::string OrgTable; // the table itself (not an alias); empty for an expression
  std::string Database; // the table's schema
  TFieldType DataType = TFieldType::ftUnknown;
  // Characters for text, bytes for binary columns, 0 for the other types.
  int Size = 0;
  bool PrimaryKey = false;
  bool NotNull = false;
};

struct TSqlResult {
  std::vector<TSqlColumn> Columns;
  std::vector<TSqlRow> Rows;
};

// What one statement gave back.
struct TSqlOutcome {
  bool HasResultSet = false;
  TSqlResult Result;
  std::uint64_t AffectedRows = 0;
  // The rows an UPDATE's condition matched, changed or not; absent for other
  // statements.
  std::optional<std::uint64_t> MatchedRows;
};

struct TMySqlConnectParams {
  std::string Host;
  int Port = 3306;
  std::string User;
  std::string Password;
  std::string Database;
};

class TMySqlSession {
public:
  TMySqlSession() = default;
  ~TMySqlSession();
  TMySqlSession(const TMySqlSession&) = delete;
  TMySqlSession& operator=(const TMySqlSession&) = delete;

  // Opens the session: TCP to Host:Port, the latin5 character set (which
  // passes Windows-1254 bytes unchanged), a connect timeout of a few seconds,
  // nothing taken from option files or the environment. Raises
  // EZSQLException "SQL Error: <client's text>"; on failure nothing stays
  // open.
  void Open(const TMySqlConnectParams& params);
  void Close();
  bool IsOpen() const { return m_open; }

  // Sends one statement and fetches all of its result. Errors raise
  // EZSQLException "SQL Error: <server's text>". When the connection was
  // lost, the error is raised and the next call connects again first.
  TSqlOutcome Execute(std::string_view statement);
  // 'text' as a single-quoted literal, escaped by the client library for
  // this session's character set and SQL mode.
  std::string QuoteString(std::string_view text);

private:
  void Connect();
  void CloseHandle();
  void Revive();
  // Frees 'unread' (a result whose rows stopped coming) once the error is read.
  [[noreturn]] void RaiseError(st_mysql_res* unread = nullptr);
  TSqlResult FetchResult(st_mysql_res* rows);
  static void ReadRows(st_mysql_res* rows, TSqlResult& result);
  void DiscardMoreResults();

  st_mysql* m_handle = nullptr;
  TMySqlConnectParams m_params;
  bool m_open = false;
};
