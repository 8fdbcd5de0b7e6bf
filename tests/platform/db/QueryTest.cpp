// Queries against the test server: opening, moving through the rows, the
// statement checks, ExecSQL and named parameters.
#include "tests/platform/db/TestServer.h"

#include "platform/db/DatabaseErrors.h"
#include "tests/platform/db/WireTap.h"

namespace {

using QueryTest = ServerTest;

std::vector<std::string> ReadColumn(TDataSet* dataSet, const char* fieldName) {
  std::vector<std::string> values;
  for (dataSet->First(); !dataSet->Eof(); dataSet->Next())
    values.push_back(dataSet->FieldByName(fieldName)->AsString());
  return values;
}

TEST_F(QueryTest, OpenFetchesEveryRowAndStandsOnTheFirst) {
  TZQuery* query = MakeQuery(MakeConnection(), "select 1 as n, 'a' as s union all "
                                               "select 2, 'b' union all select 3, null");
  query->Open();
  EXPECT_TRUE(query->Connection()->Connected());
  EXPECT_EQ(query->State(), TDataSetState::dsBrowse);
  EXPECT_EQ(query->RecordCount(), 3);
  EXPECT_EQ(query->RecNo(), 1);
  EXPECT_TRUE(query->Bof());
  EXPECT_FALSE(query->Eof());
  EXPECT_EQ(query->FieldByName("s")->AsString(), "a");
  EXPECT_EQ(ReadColumn(query, "n"), (std::vector<std::string>{"1", "2", "3"}));
  EXPECT_EQ(ReadColumn(query, "s"), (std::vector<std::string>{"a", "b", ""}));
  EXPECT_TRUE(query->Eof());
  EXPECT_EQ(query->RecNo(), 3);
  query->Open();
  EXPECT_EQ(query->RecNo(), 3);
}

TEST_F(QueryTest, AnEmptyResultIsAtEofAtOnce) {
  TZQuery* query = MakeQuery(MakeConnection(), "select 1 as n from dual where 1 = 0");
  query->Open();
  EXPECT_EQ(query->RecordCount(), 0);
  EXPECT_TRUE(query->Eof());
  EXPECT_TRUE(query->Bof());
  EXPECT_EQ(query->FieldByName("n")->AsString(), "");
  query->Next();
  EXPECT_TRUE(query->Eof());
  EXPECT_EQ(query->RecNo(), 0);
}

TEST_F(QueryTest, OpenChecksTheStatementBeforeConnectingAndStaysClosedAfterAFailure) {
  const struct {
    const char* Sql;
    const char* Message;
    bool Connects;
  } cases[] = {
      {"", "SQL Query is empty", false},
      {"  ;\r\n-- only a comment", "SQL Query is empty", false},
      {"select 1; select 2", "Cannot execute more then one query", false},
      {"update msg_kimlik set Durum = Durum where 1 = 0", "Can not open a Resultset", true},
      {"selec 1", "SQL Error: You have an error in your SQL syntax", true},
      {"select * from no_such_table", "SQL Error: Table 'vorlendi_db.no_such_table' doesn't exist",
       true},
  };
  for (const auto& c : cases) {
    TZQuery* query = MakeQuery(MakeConnection(), c.Sql);
    EXPECT_TRUE(StartsWith(MessageOf([&] { query->Open(); }), c.Message)) << c.Sql;
    EXPECT_FALSE(query->Active()) << c.Sql;
    EXPECT_EQ(query->FieldCount(), 0) << c.Sql;
    EXPECT_EQ(query->Connection()->Connected(), c.Connects) << c.Sql;
  }
}

// The messenger's after-connect handler loads the user list itself; an Open
// of that list that had to connect first finds it open and runs nothing more.
TEST_F(QueryTest, OpenLeavesADatasetThatConnectingOpenedAsItIs) {
  TWireTap tap(Server().Host, Server().Port);
  TZConnection* connection = MakeConnection(tap.Port());
  TZQuery* users = MakeQuery(connection, "select 1 as old");
  connection->SetAfterConnect([&](TObject*) {
    users->Close();
    users->SQL()->SetText("Select * From `msg_kimlik` ");
    users->Open();
  });
  users->Open();
  EXPECT_EQ(tap.Statements(), std::vector<std::string>{"Select * From `msg_kimlik` "});
  EXPECT_NE(users->FindField("TakmaAd"), nullptr);
}

TEST_F(QueryTest, ClosedDatasetsRefuseToMoveAndReadAsEmpty) {
  TZQuery* query = MakeQuery(MakeConnection(), "select 1");
  query->SetName("ZKimlik1");
  query->Close();
  EXPECT_EQ(MessageOf([&] { query->First(); }),
            "ZKimlik1: Cannot perform this operation on a closed dataset");
  EXPECT_EQ(MessageOf([&] { query->RecordCount(); }),
            "ZKimlik1: Cannot perform this operation on a closed dataset");
  EXPECT_TRUE(query->Eof());
  EXPECT_EQ(query->FindField("1"), nullptr);
}

TEST_F(QueryTest, SettingTheTextClosesTheQueryAndMakesItsParametersAnew) {
  TZQuery* query = MakeQuery(MakeConnection(), "select :First as a, :second as b, :first as c");
  ASSERT_EQ(query->Params().Count(), 2);
  EXPECT_EQ(query->Params().Items(0)->Name(), "First");
  query->Open();
  query->SQL()->SetText("select :other");
  EXPECT_FALSE(query->Active());
  ASSERT_EQ(query->Params().Count(), 1);
  EXPECT_EQ(query->Params().FindParam("first"), nullptr);
  EXPECT_EQ(MessageOf([&] { query->ParamByName("pGon"); }), "Parameter 'pGon' not found");
  query->SetParamCheck(false);
  EXPECT_EQ(query->Params().Count(), 0);
}

TEST_F(QueryTest, ParametersAreFoundWithoutRegardToCaseAndSentAsLiterals) {
  TWireTap tap(Server().Host, Server().Port);
  TZQuery* query = MakeQuery(MakeConnection(tap.Port()),
                             "select :pAl as a, ':pAl' as b, :n as c, :none as d, :pal as e");
  query->ParamByName("PAl")->SetAsString("it's");
  query->ParamByName("N")->SetAsInteger(-5);
  query->Open();
  EXPECT_EQ(tap.Statements().back(),
            "select 'it\\'s' as a, ':pAl' as b, -5 as c, NULL as d, 'it\\'s' as e");
  EXPECT_EQ(query->FieldByName("a")->AsString(), "it's");
  EXPECT_TRUE(query->FieldByName("d")->IsNull());
}

TEST_F(QueryTest, AValueNoLiteralCanHoldIsRefusedBeforeSending) {
  TZQuery* query = MakeQuery(MakeConnection(), "select :a");
  query->ParamByName("a")->SetValue(VarArrayOf({Variant(1)}));
  EXPECT_TRUE(StartsWith(MessageOf([&] { query->Open(); }),
                         "Parameter 'a' cannot hold a value of type "));
  EXPECT_FALSE(query->Active());
}

TEST_F(QueryTest, WithoutParameterCheckingColonsAreSentAsWritten) {
  TWireTap tap(Server().Host, Server().Port);
  TZQuery* query = MakeQuery(MakeConnection(tap.Port()));
  query->SetParamCheck(false);
  query->SQL()->SetText("select 1 as `:x`");
  query->Open();
  EXPECT_EQ(tap.Statements().back(), "select 1 as `:x`");
}

TEST_F(QueryTest, ExecSqlRunsOneStatementAndKeepsTheAffectedRowCount) {
  TWireTap tap(Server().Host, Server().Port);
  TZConnection* connection = MakeConnection(tap.Port());
  TZQuery* command = MakeQuery(connection);
  command->SetName("ZIslem1");
  EXPECT_EQ(MessageOf([&] { command->ExecSQL(); }), "SQL Query is empty");
  EXPECT_FALSE(connection->Connected());

  command->SQL()->SetText("create temporary table exec_test (n int)");
  command->ExecSQL();
  command->SQL()->SetText("insert into exec_test values (1), (2), (3)");
  command->ExecSQL();
  EXPECT_EQ(command->RowsAffected(), 3u);
  command->SQL()->SetText("delete from exec_test where n > 1; delete from exec_test");
  EXPECT_EQ(MessageOf([&] { command->ExecSQL(); }), "Cannot execute more then one query");

  command->SQL()->SetText("select * from exec_test");
  command->Open();
  command->ExecSQL();
  EXPECT_FALSE(command->Active());
  EXPECT_EQ(tap.Statements(),
            (std::vector<std::string>{"create temporary table exec_test (n int)",
                                      "insert into exec_test values (1), (2), (3)",
                                      "select * from exec_test", "select * from exec_test"}));
}

// The messenger's message insert, with a text that would break a statement
// put together by hand.
TEST_F(QueryTest, AMessageIsStoredAndReadBackByteForByte) {
  TWireTap tap(Server().Host, Server().Port);
  TZConnection* connection = MakeConnection(tap.Port());
  const std::string recipient = UniqueText("alan");
  const std::string message = "O'Reilly \\ \"x\"\r\n\xF0\xFD\xFE\xDD\xE7\xF6\xFC \\' --";
  TZQuery* command = MakeQuery(connection);
  command->SQL()->SetText("INSERT INTO `msg_mesaj` SET `Gonderen`=:pGon, `Alan`=:pAl, "
                          "`Mesaj`=:pMesaj, `Tarih`='Now', `Durum`='Online'");
  command->ParamByName("pGon")->SetAsString("ayse");
  command->ParamByName("PAl")->SetAsString(recipient);
  command->ParamByName("pMesaj")->SetAsString(message);
  command->ExecSQL();
  EXPECT_EQ(command->RowsAffected(), 1u);
  EXPECT_EQ(tap.Statements().back(),
            "INSERT INTO `msg_mesaj` SET `Gonderen`='ayse', `Alan`='" + recipient +
                "', `Mesaj`='O\\'Reilly \\\\ \\\"x\\\"\\r\\n\xF0\xFD\xFE\xDD\xE7\xF6\xFC \\\\\\' "
                "--', `Tarih`='Now', `Durum`='Online'");

  TZQuery* messages = MakeQuery(connection, "select * from `msg_mesaj` where `Alan`=:a");
  messages->ParamByName("a")->SetAsString(recipient);
  messages->Open();
  ASSERT_EQ(messages->RecordCount(), 1);
  EXPECT_EQ(messages->FieldByName("Mesaj")->AsString(), message);
  EXPECT_TRUE(messages->FieldByName("Tarih")->IsNull());
  EXPECT_EQ(messages->FieldByName("Tarih")->AsString(), "");

  command->SQL()->SetText("delete from `msg_mesaj` where `Alan`=:a");
  command->ParamByName("a")->SetAsString(recipient);
  command->ExecSQL();
  EXPECT_EQ(command->RowsAffected(), 1u);
}

} // namespace
