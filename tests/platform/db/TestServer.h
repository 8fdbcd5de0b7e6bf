// The MariaDB server the tests run against: scripts/mariadb.sh starts it and
// hands its address over in MESSENGER_DB_HOST and MESSENGER_DB_PORT. Tests
// that need it skip, saying so, when the variables are absent.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/db/DataSource.h"
#include "platform/db/ZConnection.h"
#include "platform/db/ZDataset.h"
#include "tests/support/GTest.h"

struct TServerAddress {
  std::string Host;
  int Port = 0;
};

// The server's address, nothing when the variables are not set.
std::optional<TServerAddress> TestServerAddress();

// The account of the messenger's schema.
inline constexpr const char* kTestUser = "vorlendi";
inline constexpr const char* kTestPassword = "Tun8rQwzEk3M";
inline constexpr const char* kTestDatabase = "vorlendi_db";

// The message of the run-time exception 'action' raises; "<no exception>"
// when it raises none.
std::string MessageOf(const std::function<void()>& action);
testing::AssertionResult StartsWith(const std::string& text, const std::string& prefix);

// Base of the tests that talk to the server. Components are made with
// Owner() as their owner and freed with it after each test.
class ServerTest : public testing::Test {
protected:
  void SetUp() override;
  void TearDown() override;

  TComponent* Owner() const { return m_owner.get(); }
  const TServerAddress& Server() const { return m_server; }
  // A connection to the test server (or to 'port' on its host), not yet
  // connected.
  TZConnection* MakeConnection(int port = 0);
  TZQuery* MakeQuery(TZConnection* connection, const std::string& sql = {});
  // Runs one statement on a connection of its own.
  void Execute(const std::string& statement);
  // A text no other test run uses, for rows this test writes.
  std::string UniqueText(const std::string& prefix) const;

private:
  struct TFree {
    void operator()(TComponent* component) const;
  };

  TServerAddress m_server;
  std::unique_ptr<TComponent, TFree> m_owner;
};
