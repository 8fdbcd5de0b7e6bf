#include "tests/platform/db/TestServer.h"

#include <atomic>
#include <cstdlib>

#include "platform/rtl/WinApi.h"

std::optional<TServerAddress> TestServerAddress() {
  const char* host = std::getenv("MESSENGER_DB_HOST");
  const char* port = std::getenv("MESSENGER_DB_PORT");
  if (!host || !port || !*host || !*port)
    return std::nullopt;
  return TServerAddress{host, std::atoi(port)};
}

std::string MessageOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const Exception& error) {
    return error.Message();
  }
  return "<no exception>";
}

testing::AssertionResult StartsWith(const std::string& text, const std::string& prefix) {
  if (text.starts_with(prefix))
    return testing::AssertionSuccess();
  return testing::AssertionFailure()
         << "\"" << text << "\" does not start with \"" << prefix << "\"";
}

void ServerTest::TFree::operator()(TComponent* component) const { component->Free(); }

void ServerTest::SetUp() {
  const std::optional<TServerAddress> server = TestServerAddress();
  if (!server)
    GTEST_SKIP() << "MESSENGER_DB_HOST and MESSENGER_DB_PORT are not set, so there is no "
                    "test server (scripts/test starts one with scripts/mariadb.sh)";
  m_server = *server;
  m_owner.reset(Create<TComponent>(nullptr));
}

void ServerTest::TearDown() { m_owner.reset(); }

TZConnection* ServerTest::MakeConnection(int port) {
  auto* connection = Create<TZConnection>(Owner());
  connection->SetProtocol("mysql-4.1");
  connection->SetHostName(m_server.Host);
  connection->SetPort(port ? port : m_server.Port);
  connection->SetDatabase(kTestDatabase);
  connection->SetUser(kTestUser);
  connection->SetPassword(kTestPassword);
  connection->SetLoginPrompt(false);
  return connection;
}

TZQuery* ServerTest::MakeQuery(TZConnection* connection, const std::string& sql) {
  auto* query = Create<TZQuery>(Owner());
  query->SetConnection(connection);
  if (!sql.empty())
    query->SQL()->SetText(sql);
  return query;
}

void ServerTest::Execute(const std::string& statement) {
  TZConnection* connection = MakeConnection();
  MakeQuery(connection, statement)->ExecSQL();
  connection->Free();
}

std::string ServerTest::UniqueText(const std::string& prefix) const {
  static std::atomic<int> counter = 0;
  return prefix + "_" + std::to_string(GetCurrentProcessId()) + "_" +
         std::to_string(GetTickCount()) + "_" + std::to_string(++counter);
}
