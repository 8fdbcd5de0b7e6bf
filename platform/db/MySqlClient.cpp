#include "platform/db/MySqlClient.h"

#include <cstdio>

#include "platform/db/DatabaseErrors.h"
#include "platform/rtl/Format.h"

// The client library's headers are read with the Windows target macros
// hidden; otherwise its calls take the Microsoft calling convention and
// crash. The order of these lines matters.
// clang-format off
#include "platform/host/BeginHostHeaders.h"
#include <errmsg.h>
#include <mysql.h>
#include "platform/host/EndHostHeaders.h"
// clang-format on

namespace {

constexpr unsigned kConnectTimeoutSeconds = 5;
constexpr unsigned kBinaryCharset = 63;
constexpr unsigned kConnectionKilled = 1927;
constexpr unsigned kServerShutdown = 1053;

// Errors after which the session cannot be trusted to be in step with the
// server: the client library's own (lost, gone, out of sync) and the
// server's notice that it ends the connection.
bool IsConnectionLost(unsigned error) {
  return (error >= CR_MIN_ERROR && error <= CR_MAX_ERROR) || error == kConnectionKilled ||
         error == kServerShutdown;
}

std::string Text(const char* text, unsigned length) {
  return text ? std::string(text, length) : std::string();
}

bool IsBinary(const MYSQL_FIELD& field) { return field.charsetnr == kBinaryCharset; }

TFieldType TextOrBinary(const MYSQL_FIELD& field, TFieldType text, TFieldType binary) {
  return IsBinary(field) ? binary : text;
}

TFieldType FieldTypeOf(const MYSQL_FIELD& field) {
  switch (field.type) {
  case MYSQL_TYPE_TINY:
  case MYSQL_TYPE_SHORT:
  case MYSQL_TYPE_INT24:
  case MYSQL_TYPE_YEAR:
    return TFieldType::ftInteger;
  case MYSQL_TYPE_LONG:
    return (field.flags & UNSIGNED_FLAG) ? TFieldType::ftLargeint : TFieldType::ftInteger;
  case MYSQL_TYPE_LONGLONG:
    return TFieldType::ftLargeint;
  case MYSQL_TYPE_FLOAT:
  case MYSQL_TYPE_DOUBLE:
  case MYSQL_TYPE_DECIMAL:
  case MYSQL_TYPE_NEWDECIMAL:
    return TFieldType::ftFloat;
  case MYSQL_TYPE_DATE:
  case MYSQL_TYPE_NEWDATE:
    return TFieldType::ftDate;
  case MYSQL_TYPE_TIME:
    return TFieldType::ftTime;
  case MYSQL_TYPE_DATETIME:
  case MYSQL_TYPE_TIMESTAMP:
    return TFieldType::ftDateTime;
  case MYSQL_TYPE_STRING:
    return TextOrBinary(field, TFieldType::ftString, TFieldType::ftBytes);
  case MYSQL_TYPE_VARCHAR:
  case MYSQL_TYPE_VAR_STRING:
    return TextOrBinary(field, TFieldType::ftString, TFieldType::ftVarBytes);
  case MYSQL_TYPE_BIT:
    return TFieldType::ftVarBytes;
  case MYSQL_TYPE_TINY_BLOB:
  case MYSQL_TYPE_MEDIUM_BLOB:
  case MYSQL_TYPE_LONG_BLOB:
  case MYSQL_TYPE_BLOB:
  case MYSQL_TYPE_GEOMETRY:
    return TextOrBinary(field, TFieldType::ftMemo, TFieldType::ftBlob);
  default:
    return TFieldType::ftString;
  }
}

// The declared length of a text or binary column: the library reports bytes,
// so text lengths are divided by the widest character of the column's set.
int SizeOf(const MYSQL_FIELD& field, TFieldType type) {
  switch (type) {
  case TFieldType::ftBytes:
  case TFieldType::ftVarBytes:
    return static_cast<int>(field.length);
  case TFieldType::ftString: {
    const MARIADB_CHARSET_INFO* charset = mariadb_get_charset_by_nr(field.charsetnr);
    const unsigned widest = charset && charset->char_maxlen > 0 ? charset->char_maxlen : 1;
    return static_cast<int>(field.length / widest);
  }
  default:
    return 0;
  }
}

TSqlColumn ColumnOf(const MYSQL_FIELD& field) {
  TSqlColumn column;
  column.Name = Text(field.name, field.name_length);
  column.OrgName = Text(field.org_name, field.org_name_length);
  column.OrgTable = Text(field.org_table, field.org_table_length);
  column.Database = Text(field.db, field.db_length);
  column.DataType = FieldTypeOf(field);
  column.Size = SizeOf(field, column.DataType);
  column.PrimaryKey = (field.flags & PRI_KEY_FLAG) != 0;
  column.NotNull = (field.flags & NOT_NULL_FLAG) != 0;
  return column;
}

// "Rows matched: N  Changed: N  Warnings: N", which the server reports for
// an UPDATE.
std::optional<std::uint64_t> MatchedRowsOf(const char* info) {
  unsigned long long matched = 0;
  if (info && std::sscanf(info, "Rows matched: %llu", &matched) == 1)
    return matched;
  return std::nullopt;
}

} // namespace

TMySqlSession::~TMySqlSession() { CloseHandle(); }

void TMySqlSession::Open(const TMySqlConnectParams& params) {
  Close();
  m_params = params;
  Connect();
  m_open = true;
}

void TMySqlSession::Close() {
  CloseHandle();
  m_open = false;
}

void TMySqlSession::CloseHandle() {
  if (m_handle)
    mysql_close(m_handle);
  m_handle = nullptr;
}

void TMySqlSession::Connect() {
  MYSQL* handle = mysql_init(nullptr);
  if (!handle)
    throw EZSQLException(std::string(SCannotConnect));
  const unsigned protocol = MYSQL_PROTOCOL_TCP;
  const unsigned timeout = kConnectTimeoutSeconds;
  const unsigned noLocalFiles = 0;
  mysql_options(handle, MYSQL_OPT_PROTOCOL, &protocol);
  mysql_options(handle, MYSQL_OPT_CONNECT_TIMEOUT, &timeout);
  mysql_options(handle, MYSQL_OPT_LOCAL_INFILE, &noLocalFiles);
  mysql_options(handle, MYSQL_SET_CHARSET_NAME, "latin5");
  const unsigned port = m_params.Port > 0 ? static_cast<unsigned>(m_params.Port) : 3306;
  if (!mysql_real_connect(handle, m_params.Host.c_str(), m_params.User.c_str(),
                          m_params.Password.c_str(), m_params.Database.c_str(), port, nullptr, 0)) {
    const std::string text = mysql_error(handle);
    EZSQLException error(text.empty() ? std::string(SCannotConnect) : Format(SSqlError, {text}),
                         static_cast<int>(mysql_errno(handle)));
    mysql_close(handle);
    throw error;
  }
  m_handle = handle;
}

// Connects again when the previous statement lost the connection.
void TMySqlSession::Revive() {
  if (!m_open)
    throw EZSQLException(std::string(SCannotConnect));
  if (!m_handle)
    Connect();
}

void TMySqlSession::RaiseError(st_mysql_res* unread) {
  const unsigned error = mysql_errno(m_handle);
  EZSQLException exception(Format(SSqlError, {mysql_error(m_handle)}), static_cast<int>(error));
  if (unread)
    mysql_free_result(unread);
  if (IsConnectionLost(error))
    CloseHandle();
  throw exception;
}

TSqlOutcome TMySqlSession::Execute(std::string_view statement) {
  Revive();
  if (mysql_real_query(m_handle, statement.data(), statement.size()) != 0)
    RaiseError();
  TSqlOutcome outcome;
  // The rows are read as they arrive, while the server is still sending.
  MYSQL_RES* rows = mysql_use_result(m_handle);
  if (rows) {
    outcome.HasResultSet = true;
    outcome.Result = FetchResult(rows);
  } else if (mysql_field_count(m_handle) != 0) {
    RaiseError();
  } else {
    outcome.AffectedRows = mysql_affected_rows(m_handle);
    outcome.MatchedRows = MatchedRowsOf(mysql_info(m_handle));
  }
  DiscardMoreResults();
  return outcome;
}

// Every row is read (freeing the result reads what is left), so that the
// session is ready for its next statement whatever happens.
TSqlResult TMySqlSession::FetchResult(st_mysql_res* rows) {
  TSqlResult result;
  try {
    ReadRows(rows, result);
  } catch (...) {
    mysql_free_result(rows);
    throw;
  }
  if (mysql_errno(m_handle) != 0)
    RaiseError(rows);
  mysql_free_result(rows);
  return result;
}

// Until the rows end, or stop with an error of the session.
void TMySqlSession::ReadRows(st_mysql_res* rows, TSqlResult& result) {
  const unsigned count = mysql_num_fields(rows);
  const MYSQL_FIELD* fields = mysql_fetch_fields(rows);
  result.Columns.reserve(count);
  for (unsigned i = 0; i < count; ++i)
    result.Columns.push_back(ColumnOf(fields[i]));
  while (MYSQL_ROW row = mysql_fetch_row(rows)) {
    const unsigned long* lengths = mysql_fetch_lengths(rows);
    std::size_t bytes = 0;
    for (unsigned i = 0; i < count; ++i)
      bytes += lengths[i];
    TSqlRow& values = result.Rows.emplace_back();
    values.Reserve(count, bytes);
    for (unsigned i = 0; i < count; ++i) {
      if (row[i])
        values.Append(std::string_view(row[i], lengths[i]));
      else
        values.AppendNull();
    }
  }
}

// A procedure call can send several results; the session must read them all
// before the next statement.
void TMySqlSession::DiscardMoreResults() {
  while (mysql_more_results(m_handle)) {
    if (mysql_next_result(m_handle) > 0)
      RaiseError();
    if (MYSQL_RES* extra = mysql_store_result(m_handle))
      mysql_free_result(extra);
  }
}

std::string TMySqlSession::QuoteString(std::string_view text) {
  Revive();
  std::string quoted(text.size() * 2 + 3, '\0');
  quoted[0] = '\'';
  const unsigned long length =
      mysql_real_escape_string(m_handle, quoted.data() + 1, text.data(), text.size());
  quoted.resize(length + 1);
  quoted += '\'';
  return quoted;
}
