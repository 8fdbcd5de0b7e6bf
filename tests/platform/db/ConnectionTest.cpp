#include "tests/platform/db/TestServer.h"

#include <vector>

#include "platform/db/DatabaseErrors.h"

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

} // namespace
