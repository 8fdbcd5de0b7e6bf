// The connection to the MySQL server that the datasets run their statements
// on.
//
// Connect opens one session with the connection's settings (TCP to HostName
// and Port, 0 meaning 3306; the latin5 character set, so that Windows-1254
// text passes unchanged) and then fires AfterConnect. Disconnect closes every
// dataset of the connection, ends the session and fires AfterDisconnect.
// When a statement finds the connection lost, the server's error is raised
// and the next statement connects again; the connection stays Connected.
// Freeing a connected connection ends the session without events.
//
// Protocol, Catalog, LoginPrompt and AutoCommit are kept for form
// definitions: the connection always speaks MySQL's protocol, never asks for
// a log-in, and leaves each statement to commit by itself.
//
// Classes in this file: TZConnection.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/db/MySqlClient.h"
#include "platform/objects/Components.h"
#include "platform/objects/Events.h"
// Read first, so that no later inclusion of the Win32 headers renames the
// SetPort member below (WinApi.h takes the macro away).
#include "platform/rtl/WinApi.h"

class TZAbstractDataset;

class TZConnection : public TComponent {
  OBJECT_CLASS(TZConnection, TComponent)
public:
  static void Publish(TPublisher& publisher);

  explicit TZConnection(TComponent* owner) : TComponent(owner) {}
  ~TZConnection() override;

  const std::string& Protocol() const { return m_protocol; }
  void SetProtocol(const std::string& protocol) { m_protocol = protocol; }
  const std::string& HostName() const { return m_hostName; }
  void SetHostName(const std::string& hostName) { m_hostName = hostName; }
  int Port() const { return m_port; }
  void SetPort(int port) { m_port = port; }
  const std::string& Database() const { return m_database; }
  void SetDatabase(const std::string& database) { m_database = database; }
  const std::string& Catalog() const { return m_catalog; }
  void SetCatalog(const std::string& catalog) { m_catalog = catalog; }
  const std::string& User() const { return m_user; }
  void SetUser(const std::string& user) { m_user = user; }
  const std::string& Password() const { return m_password; }
  void SetPassword(const std::string& password) { m_password = password; }
  bool LoginPrompt() const { return m_loginPrompt; }
  void SetLoginPrompt(bool loginPrompt) { m_loginPrompt = loginPrompt; }
  bool AutoCommit() const { return m_autoCommit; }
  void SetAutoCommit(bool autoCommit) { m_autoCommit = autoCommit; }
  // A read-only connection's datasets cannot be edited.
  bool ReadOnly() const { return m_readOnly; }
  void SetReadOnly(bool readOnly) { m_readOnly = readOnly; }

  bool Connected() const { return m_session.IsOpen(); }
  void SetConnected(bool connected);
  // Does nothing when connected. Failure raises EZSQLException ("SQL Error:
  // " and the server's text) and leaves nothing open.
  void Connect();
  // Does nothing when not connected.
  void Disconnect();

  const TNotifyEvent& AfterConnect() const { return m_afterConnect; }
  void SetAfterConnect(TNotifyEvent handler) { m_afterConnect = std::move(handler); }
  const TNotifyEvent& AfterDisconnect() const { return m_afterDisconnect; }
  void SetAfterDisconnect(TNotifyEvent handler) { m_afterDisconnect = std::move(handler); }

  // For the datasets: one statement on the open session, and text quoted
  // for it.
  TSqlOutcome ExecuteStatement(std::string_view statement);
  std::string QuoteString(std::string_view text);

private:
  friend class TZAbstractDataset;

  void AddDataSet(TZAbstractDataset* dataSet);
  void RemoveDataSet(TZAbstractDataset* dataSet);

  std::string m_protocol;
  std::string m_hostName;
  int m_port = 0;
  std::string m_database;
  std::string m_catalog;
  std::string m_user;
  std::string m_password;
  bool m_loginPrompt = true;
  bool m_autoCommit = true;
  bool m_readOnly = false;
  TNotifyEvent m_afterConnect;
  TNotifyEvent m_afterDisconnect;
  TMySqlSession m_session;
  std::vector<TZAbstractDataset*> m_dataSets;
};
