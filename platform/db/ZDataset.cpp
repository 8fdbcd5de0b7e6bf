#include "platform/db/ZDataset.h"

#include "platform/db/DatabaseErrors.h"
#include "platform/db/SqlLiterals.h"
#include "platform/db/ZConnection.h"
#include "platform/objects/PropertyRegistry.h"

// ---- TZAbstractDataset ----------------------------------------------------

void TZAbstractDataset::Publish(TPublisher& publisher) {
  publisher.Property("Connection", &TZAbstractDataset::Connection,
                     &TZAbstractDataset::SetConnection);
}

TZAbstractDataset::~TZAbstractDataset() { SetConnection(nullptr); }

void TZAbstractDataset::SetConnection(TZConnection* connection) {
  if (connection == m_connection)
    return;
  Close();
  if (m_connection)
    m_connection->RemoveDataSet(this);
  m_connection = connection;
  if (m_connection)
    m_connection->AddDataSet(this);
}

bool TZAbstractDataset::CanModify() const {
  return Active() && m_connection && !m_connection->ReadOnly() && m_updateTable &&
         CanIdentifyRows(*m_updateTable, Columns());
}

bool TZAbstractDataset::CanModifyColumn(int column) const {
  return CanModify() && IsTableColumn(Columns()[column], *m_updateTable);
}

TSqlScan TZAbstractDataset::CheckStatement(const std::string& text) const {
  if (!m_connection)
    DatabaseError(SConnectionMissing, this);
  TSqlScan scan = ScanSqlText(text, StatementParams() != nullptr);
  if (scan.StatementCount == 0)
    throw EZSQLException(std::string(SQueryIsEmpty));
  if (scan.StatementCount > 1)
    throw EZSQLException(std::string(SMoreThanOneQuery));
  return scan;
}

TQuoteText TZAbstractDataset::Quoter() {
  return [this](std::string_view text) { return m_connection->QuoteString(text); };
}

std::string TZAbstractDataset::SubstituteParams(const std::string& text, const TSqlScan& scan) {
  const TParams* params = StatementParams();
  if (!params)
    return text;
  const TQuoteText quote = Quoter();
  std::string result;
  std::size_t copied = 0;
  for (const TSqlParamRef& ref : scan.Params) {
    const TParam* param = params->ParamByName(ref.Name);
    const std::optional<std::string> literal = VariantLiteral(param->Value(), quote);
    if (!literal)
      DatabaseErrorFmt(SParameterType, {param->Name(), VarTypeAsText(VarType(param->Value()))});
    result.append(text, copied, ref.Offset - copied);
    result += *literal;
    copied = ref.Offset + ref.Length;
  }
  result.append(text, copied);
  return result;
}

void TZAbstractDataset::PrepareOpen() {
  CheckStatement(StatementText());
  m_connection->Connect();
}

TSqlResult TZAbstractDataset::OpenResult() {
  const std::string text = StatementText();
  const TSqlScan scan = CheckStatement(text);
  TSqlOutcome outcome = m_connection->ExecuteStatement(SubstituteParams(text, scan));
  if (!outcome.HasResultSet)
    throw EZSQLException(std::string(SCannotOpenResultSet));
  m_updateTable = FindUpdateTable(outcome.Result.Columns);
  return std::move(outcome.Result);
}

void TZAbstractDataset::WriteRecord(const TRecordUpdate& update) {
  if (!m_connection)
    DatabaseError(SConnectionMissing, this);
  const std::optional<std::string> statement =
      BuildUpdateStatement(*m_updateTable, update, Quoter());
  if (!statement)
    return;
  const TSqlOutcome outcome = m_connection->ExecuteStatement(*statement);
  if (outcome.MatchedRows && *outcome.MatchedRows == 0)
    DatabaseError(SRecordChanged, this);
}

// ---- TZQuery --------------------------------------------------------------

void TZQuery::Publish(TPublisher& publisher) {
  publisher.Property("ParamCheck", &TZQuery::ParamCheck, &TZQuery::SetParamCheck).Default(true);
  publisher.Property("SQL", &TZQuery::SQL);
}

TZQuery::TZQuery(TComponent* owner) : TZAbstractDataset(owner) {
  m_sql->SetOnChange(TStringsNotifyEvent(this, &TZQuery::SQLChanged));
}

void TZQuery::SetParamCheck(bool paramCheck) {
  if (paramCheck == m_paramCheck)
    return;
  m_paramCheck = paramCheck;
  ParseParams();
}

void TZQuery::SQLChanged(TStrings*) {
  Close();
  ParseParams();
}

void TZQuery::ParseParams() {
  m_params.Clear();
  if (!m_paramCheck)
    return;
  for (const TSqlParamRef& ref : ScanSqlText(StatementText(), true).Params)
    m_params.CreateParam(ref.Name);
}

// The lines joined by line breaks, without one after the last.
std::string TZQuery::StatementText() const {
  std::string text = m_sql->Text();
  if (text.ends_with("\r\n"))
    text.resize(text.size() - 2);
  return text;
}

void TZQuery::ExecSQL() {
  const std::string text = StatementText();
  const TSqlScan scan = CheckStatement(text);
  Connection()->Connect();
  Close();
  m_rowsAffected = Connection()->ExecuteStatement(SubstituteParams(text, scan)).AffectedRows;
}

// ---- TZTable --------------------------------------------------------------

void TZTable::Publish(TPublisher& publisher) {
  publisher.Property("TableName", &TZTable::TableName, &TZTable::SetTableName);
}

void TZTable::SetTableName(const std::string& tableName) {
  if (tableName == m_tableName)
    return;
  Close();
  m_tableName = tableName;
}

std::string TZTable::StatementText() const {
  return m_tableName.empty() ? std::string() : "SELECT * FROM " + QuoteQualifiedName(m_tableName);
}
