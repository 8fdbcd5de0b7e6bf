// The UPDATE that writes an edited row back to its table.
//
// Classes in this file: TRecordUpdate, TUpdateTable.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/db/MySqlClient.h"
#include "platform/db/SqlLiterals.h"

// An edited row: its values before the edit, after it, and which columns
// field writes assigned (changed or not).
struct TRecordUpdate {
  const std::vector<TSqlColumn>& Columns;
  const TSqlRow& OldValues;
  const TSqlRow& NewValues;
  const std::vector<bool>& Assigned;
};

struct TUpdateTable {
  std::string Database;
  std::string Table;
};

// The one table all of the result's table columns come from; nothing when
// no column comes from a table, or columns come from several.
std::optional<TUpdateTable> FindUpdateTable(const std::vector<TSqlColumn>& columns);
// Whether the column is a column of 'table' (an expression is not).
bool IsTableColumn(const TSqlColumn& column, const TUpdateTable& table);
// Whether an UPDATE can name one row of 'table' from these columns: they
// hold a primary key column or a searchable one.
bool CanIdentifyRows(const TUpdateTable& table, const std::vector<TSqlColumn>& columns);

// "UPDATE `db`.`table` SET `a`=..., `b`=... WHERE ..." setting the assigned
// columns. The row is found by the old values of its primary key columns
// when the result holds any; otherwise by the old values of all searchable
// columns (all but long text and binary), a NULL as "IS NULL", and the
// statement ends with " LIMIT 1" so that one row changes even when others
// are equal to it. Nothing when no column was assigned.
std::optional<std::string> BuildUpdateStatement(const TUpdateTable& table,
                                                const TRecordUpdate& update,
                                                const TQuoteText& quote);
