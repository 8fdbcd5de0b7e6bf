#include "platform/db/ZConnection.h"

#include <algorithm>

#include "platform/db/ZDataset.h"
#include "platform/objects/PropertyRegistry.h"

void TZConnection::Publish(TPublisher& p) {
  p.Property("Protocol", &TZConnection::Protocol, &TZConnection::SetProtocol);
  p.Property("HostName", &TZConnection::HostName, &TZConnection::SetHostName);
  p.Property("Port", &TZConnection::Port, &TZConnection::SetPort).Default(0);
  p.Property("Database", &TZConnection::Database, &TZConnection::SetDatabase);
  p.Property("Catalog", &TZConnection::Catalog, &TZConnection::SetCatalog);
  p.Property("User", &TZConnection::User, &TZConnection::SetUser);
  p.Property("Password", &TZConnection::Password, &TZConnection::SetPassword);
  p.Property("LoginPrompt", &TZConnection::LoginPrompt, &TZConnection::SetLoginPrompt)
      .Default(true);
  p.Property("AutoCommit", &TZConnection::AutoCommit, &TZConnection::SetAutoCommit).Default(true);
  p.Property("ReadOnly", &TZConnection::ReadOnly, &TZConnection::SetReadOnly).Default(false);
  p.Property("AfterConnect", &TZConnection::AfterConnect, &TZConnection::SetAfterConnect);
  p.Property("AfterDisconnect", &TZConnection::AfterDisconnect, &TZConnection::SetAfterDisconnect);
}

TZConnection::~TZConnection() {
  while (!m_dataSets.empty())
    m_dataSets.back()->SetConnection(nullptr);
  m_session.Close();
}

void TZConnection::SetConnected(bool connected) {
  if (connected)
    Connect();
  else
    Disconnect();
}

void TZConnection::Connect() {
  if (Connected())
    return;
  m_session.Open({m_hostName, m_port, m_user, m_password, m_database});
  if (m_afterConnect)
    m_afterConnect(this);
}

void TZConnection::Disconnect() {
  if (!Connected())
    return;
  const std::vector<TZAbstractDataset*> dataSets = m_dataSets;
  for (TZAbstractDataset* dataSet : dataSets)
    dataSet->Close();
  m_session.Close();
  if (m_afterDisconnect)
    m_afterDisconnect(this);
}

TSqlOutcome TZConnection::ExecuteStatement(std::string_view statement) {
  return m_session.Execute(statement);
}

std::string TZConnection::QuoteString(std::string_view text) { return m_session.QuoteString(text); }

void TZConnection::AddDataSet(TZAbstractDataset* dataSet) { m_dataSets.push_back(dataSet); }

void TZConnection::RemoveDataSet(TZAbstractDataset* dataSet) {
  m_dataSets.erase(std::remove(m_dataSets.begin(), m_dataSets.end(), dataSet), m_dataSets.end());
}
