// The connection against the test server: connecting and its events,
// failures, and a server that goes away and comes back.
#include "tests/platform/db/TestServer.h"

#include <vector>

#include "platform/db/DatabaseErrors.h"
#include "tests/platform/db/WireTap.h"

namespace {

using ConnectionTest = ServerTest;

TEST_F(ConnectionTest, ConnectOpensASessionAndFiresAfterConnectOnce) {
  TZConnection* connection = MakeConnection();
  int afterConnect = 0;
  connection->SetAfterConnect([&](TObject* sender) {
    EXPECT_EQ(sender, connection);
    EXPECT_TRUE(connection->Connected());
    ++afterConnect;
  });
  connection->Connect();
  connection->Connect();
  EXPECT_TRUE(connection->Connected());
  EXPECT_EQ(afterConnect, 1);
}

TEST_F(ConnectionTest, DisconnectClosesTheDatasetsEndsTheSessionThenFiresAfterDisconnect) {
  TZConnection* connection = MakeConnection();
  TZQuery* first = MakeQuery(connection, "select 1");
  TZQuery* second = MakeQuery(connection, "select 2");
  std::vector<bool> seen;
  connection->SetAfterDisconnect([&](TObject*) {
    seen = {connection->Connected(), first->Active(), second->Active()};
  });
  first->Open();
  second->Open();
  connection->Disconnect();
  EXPECT_EQ(seen, (std::vector<bool>{false, false, false}));
  seen.clear();
  connection->Disconnect();
  EXPECT_TRUE(seen.empty());
}

TEST_F(ConnectionTest, FailuresRaiseTheServersTextAndLeaveNothingOpen) {
  TZConnection* wrongPassword = MakeConnection();
  wrongPassword->SetPassword("wrong");
  TWireTap closedPort(Server().Host, Server().Port);
  const int unusedPort = closedPort.Port();
  closedPort.CutOff();
  TZConnection* nobodyListens = MakeConnection(unusedPort);
  const struct {
    TZConnection* Connection;
    std::string Message;
  } cases[] = {
      {wrongPassword, "SQL Error: Access denied for user 'vorlendi'@"},
      {nobodyListens, "SQL Error: Can't connect to server on '" + Server().Host + "'"},
  };
  for (const auto& c : cases) {
    bool fired = false;
    c.Connection->SetAfterConnect([&](TObject*) { fired = true; });
    EXPECT_TRUE(StartsWith(MessageOf([&] { c.Connection->Connect(); }), c.Message));
    EXPECT_FALSE(c.Connection->Connected());
    EXPECT_FALSE(fired);
  }
}

TEST_F(ConnectionTest, StatementsNeedAnOpenSession) {
  TZConnection* connection = MakeConnection();
  EXPECT_EQ(MessageOf([&] { connection->ExecuteStatement("select 1"); }),
            "Cannot connect to SQL server");
  connection->Connect();
  EXPECT_TRUE(connection->ExecuteStatement("select 1").HasResultSet);
}

TEST_F(ConnectionTest, AConnectionLostIsReportedAndTheNextStatementConnectsAgain) {
  TWireTap tap(Server().Host, Server().Port);
  TZConnection* connection = MakeConnection(tap.Port());
  TZQuery* query = MakeQuery(connection, "select 1");
  query->Open();

  tap.CutOff();
  query->Close();
  try {
    query->Open();
    ADD_FAILURE() << "the lost connection was not reported";
  } catch (const EZSQLException& error) {
    EXPECT_TRUE(StartsWith(error.Message(), "SQL Error: "));
    EXPECT_TRUE(error.ErrorCode() == 2006 || error.ErrorCode() == 2013) << error.ErrorCode();
  }
  EXPECT_FALSE(query->Active());
  EXPECT_TRUE(connection->Connected());
  EXPECT_TRUE(StartsWith(MessageOf([&] { query->Open(); }), "SQL Error: Can't connect to server"));

  tap.Restore();
  query->Open();
  EXPECT_EQ(query->Fields(0)->AsString(), "1");
}

// The relay can have the server refuse chosen statements: the client gets
// the server's error, keeps its session, and the tap records what was sent.
TEST_F(ConnectionTest, ARefusedStatementIsTheServersErrorAndTheSessionGoesOn) {
  TWireTap tap(Server().Host, Server().Port);
  TZConnection* connection = MakeConnection(tap.Port());
  TZQuery* query = MakeQuery(connection, "select 'a'");
  tap.Refuse("select 'a'");
  EXPECT_EQ(MessageOf([&] { query->Open(); }),
            std::string("SQL Error: ") + TWireTap::kRefusal);
  EXPECT_TRUE(connection->Connected());
  query->SQL()->SetText("select 'b'");
  query->Open();
  EXPECT_EQ(query->Fields(0)->AsString(), "b");

  tap.RefuseNothing();
  query->Close();
  query->SQL()->SetText("select 'a'");
  query->Open();
  EXPECT_EQ(query->Fields(0)->AsString(), "a");
  EXPECT_EQ(tap.Statements().back(), "select 'a'");
}

TEST_F(ConnectionTest, FreeingAConnectedConnectionFiresNoEvent) {
  TZConnection* connection = MakeConnection();
  bool fired = false;
  connection->SetAfterDisconnect([&](TObject*) { fired = true; });
  connection->Connect();
  connection->Free();
  EXPECT_FALSE(fired);
}

TEST_F(ConnectionTest, TheSessionPassesEveryByteUnchanged) {
  std::string bytes;
  for (int c = 0; c < 256; ++c)
    bytes += static_cast<char>(c);
  TZConnection* connection = MakeConnection();
  TZQuery* query = MakeQuery(connection, "select :text as t");
  query->ParamByName("text")->SetAsString(bytes);
  query->Open();
  EXPECT_EQ(query->FieldByName("t")->AsString(), bytes);
}

} // namespace
