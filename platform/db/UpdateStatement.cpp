#include "platform/db/UpdateStatement.h"

namespace {

bool IsSearchable(const TSqlColumn& column) {
  return column.DataType != TFieldType::ftMemo && column.DataType != TFieldType::ftBlob;
}

std::string Condition(const TSqlColumn& column, const TSqlValueView& value,
                      const TQuoteText& quote) {
  const std::string name = QuoteIdentifier(column.OrgName);
  if (!value)
    return name + " IS NULL";
  return name + "=" + StoredValueLiteral(value, column.DataType, quote);
}

std::string Assignments(const TUpdateTable& table, const TRecordUpdate& update,
                        const TQuoteText& quote) {
  std::string text;
  for (std::size_t i = 0; i < update.Columns.size(); ++i) {
    const TSqlColumn& column = update.Columns[i];
    if (!update.Assigned[i] || !IsTableColumn(column, table))
      continue;
    if (!text.empty())
      text += ", ";
    text += QuoteIdentifier(column.OrgName) + "=" +
            StoredValueLiteral(update.NewValues[i], column.DataType, quote);
  }
  return text;
}

bool HasPrimaryKey(const TUpdateTable& table, const std::vector<TSqlColumn>& columns) {
  for (const TSqlColumn& column : columns)
    if (column.PrimaryKey && IsTableColumn(column, table))
      return true;
  return false;
}

std::string WhereClause(const TUpdateTable& table, const TRecordUpdate& update, bool byKey,
                        const TQuoteText& quote) {
  std::string text;
  for (std::size_t i = 0; i < update.Columns.size(); ++i) {
    const TSqlColumn& column = update.Columns[i];
    if (!IsTableColumn(column, table) || (byKey ? !column.PrimaryKey : !IsSearchable(column)))
      continue;
    text += text.empty() ? " WHERE " : " AND ";
    text += Condition(column, update.OldValues[i], quote);
  }
  return text;
}

} // namespace

std::optional<TUpdateTable> FindUpdateTable(const std::vector<TSqlColumn>& columns) {
  std::optional<TUpdateTable> table;
  for (const TSqlColumn& column : columns) {
    if (column.OrgTable.empty() || column.OrgName.empty())
      continue;
    if (!table)
      table = TUpdateTable{column.Database, column.OrgTable};
    else if (table->Database != column.Database || table->Table != column.OrgTable)
      return std::nullopt;
  }
  return table;
}

bool IsTableColumn(const TSqlColumn& column, const TUpdateTable& table) {
  return !column.OrgName.empty() && column.OrgTable == table.Table &&
         column.Database == table.Database;
}

bool CanIdentifyRows(const TUpdateTable& table, const std::vector<TSqlColumn>& columns) {
  for (const TSqlColumn& column : columns)
    if (IsTableColumn(column, table) && (column.PrimaryKey || IsSearchable(column)))
      return true;
  return false;
}

std::optional<std::string> BuildUpdateStatement(const TUpdateTable& table,
                                                const TRecordUpdate& update,
                                                const TQuoteText& quote) {
  const std::string assignments = Assignments(table, update, quote);
  if (assignments.empty())
    return std::nullopt;
  std::string statement = "UPDATE ";
  if (!table.Database.empty())
    statement += QuoteIdentifier(table.Database) + ".";
  statement += QuoteIdentifier(table.Table) + " SET " + assignments;
  const bool byKey = HasPrimaryKey(table, update.Columns);
  statement += WhereClause(table, update, byKey, quote);
  if (!byKey)
    statement += " LIMIT 1";
  return statement;
}
