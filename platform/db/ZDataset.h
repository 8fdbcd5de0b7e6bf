// Datasets on a TZConnection: TZQuery runs its SQL text, TZTable shows one
// table.
//
// Opening checks the statement first ("SQL Query is empty" when it holds
// none, "Cannot execute more then one query" when it holds several), then
// connects when the connection is closed, sends the statement with its
// parameter values in place and fetches the whole result; a statement that
// gives no rows raises "Can not open a Resultset". After any failure the
// dataset stays closed.
//
// A result whose columns all come from one table can be edited: Post sends
// one UPDATE of that table (see UpdateStatement.h); when it matches no row,
// because another client changed or deleted it, Post fails and the dataset
// stays in edit state.
//
// Classes in this file: TZAbstractDataset, TZQuery, TZTable.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/db/DataSet.h"
#include "platform/db/Params.h"
#include "platform/db/SqlScanner.h"
#include "platform/db/UpdateStatement.h"
#include "platform/rtl/StringLists.h"

class TZConnection;

class TZAbstractDataset : public TDataSet {
  OBJECT_CLASS(TZAbstractDataset, TDataSet)
public:
  static void Publish(TPublisher& publisher);
  ~TZAbstractDataset() override;

  TZConnection* Connection() const { return m_connection; }
  // Closes the dataset when the connection changes.
  void SetConnection(TZConnection* connection);
  bool CanModify() const override;

protected:
  explicit TZAbstractDataset(TComponent* owner) : TDataSet(owner) {}

  // The statement as written.
  virtual std::string StatementText() const = 0;
  // The parameters of the statement; nil when it takes none.
  virtual const TParams* StatementParams() const { return nullptr; }

  void PrepareOpen() override;
  TSqlResult OpenResult() override;
  void WriteRecord(const TRecordUpdate& update) override;
  bool CanModifyColumn(int column) const override;

  // Raises unless the dataset has a connection and 'text' holds exactly one
  // statement; answers the scan of 'text'.
  TSqlScan CheckStatement(const std::string& text) const;
  // 'text' with each parameter replaced by its value's literal.
  std::string SubstituteParams(const std::string& text, const TSqlScan& scan);
  TQuoteText Quoter();

private:
  TZConnection* m_connection = nullptr;
  std::optional<TUpdateTable> m_updateTable;
};

class TZQuery : public TZAbstractDataset {
  OBJECT_CLASS(TZQuery, TZAbstractDataset)
public:
  static void Publish(TPublisher& publisher);

  explicit TZQuery(TComponent* owner);

  // The statement, one or more lines. Changing it closes the query and
  // makes its parameters anew from the text.
  TStrings* SQL() const { return m_sql.get(); }
  void SetSQL(TStrings* sql) { m_sql->Assign(*sql); }
  // With ParamCheck, ":name" outside quotes, quoted names and comments is a
  // parameter.
  bool ParamCheck() const { return m_paramCheck; }
  void SetParamCheck(bool paramCheck);
  TParams& Params() { return m_params; }
  TParam* ParamByName(std::string_view name) { return m_params.ParamByName(name); }

  // Runs the statement once with the current parameter values: checks it,
  // connects when needed, closes the query when open, sends it and keeps the
  // number of rows it affected (rows a SELECT gives are dropped).
  void ExecSQL();
  std::uint64_t RowsAffected() const { return m_rowsAffected; }

protected:
  std::string StatementText() const override;
  const TParams* StatementParams() const override { return m_paramCheck ? &m_params : nullptr; }

private:
  void SQLChanged(TStrings* sender);
  void ParseParams();

  std::unique_ptr<TStringList> m_sql = std::make_unique<TStringList>();
  TParams m_params;
  bool m_paramCheck = true;
  std::uint64_t m_rowsAffected = 0;
};

class TZTable : public TZAbstractDataset {
  OBJECT_CLASS(TZTable, TZAbstractDataset)
public:
  static void Publish(TPublisher& publisher);

  explicit TZTable(TComponent* owner) : TZAbstractDataset(owner) {}

  // The table, optionally with its schema: "torvane_mycon.quillpost".
  // Changing it closes the table.
  const std::string& TableName() const { return m_tableName; }
  void SetTableName(const std::string& tableName);

protected:
  std::string StatementText() const override;

private:
  std::string m_tableName;
};
