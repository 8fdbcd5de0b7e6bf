// Editing rows against the test server: the UPDATE a Post sends, with and
// without a primary key, Cancel, and the states and checks around them.
#include "tests/platform/db/TestServer.h"

#include "platform/db/DatabaseErrors.h"
#include "tests/platform/db/WireTap.h"

namespace {

const std::string kOnline = "\xC7"
                            "evrimi\xE7"
                            "i";

class EditPostTest : public ServerTest {
protected:
  void SetUp() override {
    ServerTest::SetUp();
    if (IsSkipped())
      return;
    m_tap = std::make_unique<TWireTap>(Server().Host, Server().Port);
    m_connection = MakeConnection(m_tap->Port());
    m_nickname = UniqueText("edit");
    RunCommand("insert into `msg_kimlik` set `TakmaAd`=:n, `Parola`='p'");
  }

  void TearDown() override {
    if (m_connection)
      RunCommand("delete from `msg_kimlik` where `TakmaAd`=:n");
    m_tap.reset();
    ServerTest::TearDown();
  }

  // Runs a statement whose parameter :n is this test's nickname.
  void RunCommand(const std::string& sql) {
    TZQuery* command = MakeQuery(m_connection, sql);
    command->ParamByName("n")->SetAsString(m_nickname);
    command->ExecSQL();
    command->Free();
  }

  // The test's row of the user list.
  TZQuery* OpenUser() {
    TZQuery* users = MakeQuery(m_connection, "select * from `msg_kimlik` where `TakmaAd`=:n");
    users->SetName("ZKimlik1");
    users->ParamByName("n")->SetAsString(m_nickname);
    users->Open();
    return users;
  }

  std::unique_ptr<TWireTap> m_tap;
  TZConnection* m_connection = nullptr;
  std::string m_nickname;
};

TEST_F(EditPostTest, PostSendsOneUpdateOfTheChangedColumnsByPrimaryKey) {
  TZQuery* users = OpenUser();
  const std::string id = users->FieldByName("Id")->AsString();
  users->Edit();
  EXPECT_EQ(users->State(), TDataSetState::dsEdit);
  users->FieldByName("Durum")->SetAsString(kOnline);
  m_tap->Clear();
  users->Post();
  const std::string update =
      "UPDATE `vorlendi_db`.`msg_kimlik` SET `Durum`='" + kOnline + "' WHERE `Id`=" + id;
  EXPECT_EQ(m_tap->Statements(), std::vector<std::string>{update});
  EXPECT_EQ(users->State(), TDataSetState::dsBrowse);
  EXPECT_EQ(users->RecNo(), 1);
  EXPECT_EQ(users->FieldByName("Durum")->AsString(), kOnline);

  users->Edit();
  users->FieldByName("Durum")->SetAsString(kOnline);
  users->Post();
  EXPECT_EQ(m_tap->Statements(), (std::vector<std::string>{update, update}));
  users->Close();
  users->Open();
  EXPECT_EQ(users->FieldByName("Durum")->AsString(), kOnline);
}

TEST_F(EditPostTest, WithoutAPrimaryKeyTheOldValuesFindOneRow) {
  TZQuery* command = MakeQuery(m_connection);
  for (const char* sql :
       {"create temporary table nokey (a varchar(10), b varchar(10) null, m text)",
        "insert into nokey values ('x', null, 'long'), ('x', null, 'long')"}) {
    command->SQL()->SetText(sql);
    command->ExecSQL();
  }
  TZQuery* rows = MakeQuery(m_connection, "select * from nokey");
  rows->Open();
  rows->Edit();
  rows->FieldByName("a")->SetAsString("z");
  m_tap->Clear();
  rows->Post();
  EXPECT_EQ(m_tap->Statements(),
            std::vector<std::string>{"UPDATE `vorlendi_db`.`nokey` SET `a`='z' WHERE `a`='x' "
                                     "AND `b` IS NULL LIMIT 1"});
  TZQuery* check = MakeQuery(m_connection, "select a from nokey order by a");
  check->Open();
  EXPECT_EQ(check->FieldByName("a")->AsString(), "x");
  check->Next();
  EXPECT_EQ(check->FieldByName("a")->AsString(), "z");
}

TEST_F(EditPostTest, CancelDropsTheEditAndPostNeedsEditState) {
  TZTable* table = Create<TZTable>(Owner());
  table->SetName("ZTable1");
  table->SetConnection(m_connection);
  table->SetTableName("torvane_mycon.quillpost");
  table->Cancel();
  EXPECT_EQ(MessageOf([&] { table->Post(); }), "ZTable1: Dataset not in edit or insert mode");

  TZQuery* users = OpenUser();
  users->Cancel();
  EXPECT_EQ(MessageOf([&] { users->Post(); }), "ZKimlik1: Dataset not in edit or insert mode");
  users->Edit();
  users->FieldByName("Parola")->SetAsString("q");
  users->Cancel();
  EXPECT_EQ(users->State(), TDataSetState::dsBrowse);
  EXPECT_EQ(users->FieldByName("Parola")->AsString(), "p");
}

TEST_F(EditPostTest, PostFailsWhenAnotherClientDeletedTheRow) {
  TZQuery* users = OpenUser();
  users->Edit();
  users->FieldByName("Durum")->SetAsString(kOnline);
  RunCommand("delete from `msg_kimlik` where `TakmaAd`=:n");
  EXPECT_EQ(MessageOf([&] { users->Post(); }),
            "ZKimlik1: Record not found or changed by another user");
  EXPECT_EQ(users->State(), TDataSetState::dsEdit);
  users->Cancel();
}

TEST_F(EditPostTest, MovingOnPostsAChangedRecordAndDropsAnUnchangedOne) {
  TZQuery* users = OpenUser();
  users->Edit();
  m_tap->Clear();
  users->Next();
  EXPECT_EQ(users->State(), TDataSetState::dsBrowse);
  EXPECT_TRUE(m_tap->Statements().empty());
  users->Edit();
  users->FieldByName("Durum")->SetAsString("D\xFD\xFE"
                                           "arda");
  users->First();
  EXPECT_EQ(m_tap->Statements().size(), 1u);
  EXPECT_EQ(users->State(), TDataSetState::dsBrowse);
}

TEST_F(EditPostTest, OnlyRowsOfOneTableThatTheUpdateCanNameAreEditable) {
  TZQuery* expression = MakeQuery(m_connection, "select 1 as n");
  expression->SetName("Q");
  expression->Open();
  EXPECT_EQ(MessageOf([&] { expression->Edit(); }), "Q: Cannot modify a read-only dataset");

  TZQuery* empty = MakeQuery(m_connection, "select * from `msg_kimlik` where 1 = 0");
  empty->SetName("Q2");
  empty->Open();
  EXPECT_EQ(MessageOf([&] { empty->Edit(); }),
            "Q2: Cannot perform this operation on an empty dataset");

  TZQuery* mixed =
      MakeQuery(m_connection, "select `Id`, upper(`TakmaAd`) as big from `msg_kimlik` limit 1");
  mixed->Open();
  mixed->Edit();
  EXPECT_EQ(MessageOf([&] { mixed->FieldByName("big")->SetAsString("x"); }),
            "Field 'big' cannot be modified");
  mixed->Cancel();

  m_connection->SetReadOnly(true);
  TZQuery* users = OpenUser();
  EXPECT_FALSE(users->CanModify());
  EXPECT_EQ(MessageOf([&] { users->Edit(); }), "ZKimlik1: Cannot modify a read-only dataset");
}

TEST_F(EditPostTest, TheLegacyTableOpensByItsQualifiedNameAndPostsByItsKey) {
  RunCommand("insert into torvane_mycon.quillpost (`User`) values (:n)");
  TZTable* table = Create<TZTable>(Owner());
  table->SetConnection(m_connection);
  table->SetTableName("torvane_mycon.quillpost");
  m_tap->Clear();
  table->Open();
  EXPECT_EQ(m_tap->Statements(),
            std::vector<std::string>{"SELECT * FROM `torvane_mycon`.`quillpost`"});
  EXPECT_EQ(table->FieldByName("id")->DataType(), TFieldType::ftLargeint);
  while (!table->Eof() && table->FieldByName("User")->AsString() != m_nickname)
    table->Next();
  ASSERT_FALSE(table->Eof());
  const std::string id = table->FieldByName("id")->AsString();
  table->Edit();
  table->FieldByName("User")->Clear();
  EXPECT_EQ(MessageOf([&] { table->Post(); }), "Field 'User' must have a value");
  table->FieldByName("User")->SetAsString(m_nickname);
  table->FieldByName("Name")->SetAsString("Uzun \xDDsim");
  m_tap->Clear();
  table->Post();
  EXPECT_EQ(m_tap->Statements(),
            std::vector<std::string>{"UPDATE `torvane_mycon`.`quillpost` SET `User`='" +
                                     m_nickname + "', `Name`='Uzun \xDDsim' WHERE `id`=" + id});
  RunCommand("delete from torvane_mycon.quillpost where `User`=:n");
}

} // namespace
