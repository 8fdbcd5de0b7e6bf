// Data sources and data links: what a control hears of its dataset, the
// edit a control starts, the pending value it writes back on Post, and the
// window of rows a grid reads.
#include "tests/platform/db/TestServer.h"

#include "tests/platform/db/WireTap.h"

namespace {

// A link that writes down what it hears.
class TRecordingLink : public TDataLink {
public:
  std::vector<std::string> Heard;

protected:
  void ActiveChanged() override { Heard.push_back(Active() ? "active" : "inactive"); }
  void EditingChanged() override { Heard.push_back(Editing() ? "editing" : "browsing"); }
  void DataSetChanged() override { Heard.push_back("changed"); }
  void DataSetScrolled(int distance) override {
    Heard.push_back("scrolled " + std::to_string(distance));
  }
  void RecordChanged(TField* field) override {
    Heard.push_back("record " + (field ? field->FieldName() : std::string("*")));
  }
  void UpdateData() override { Heard.push_back("update"); }
};

// Ten rows, n = 1 .. 10.
const char* const kTenRows =
    "select 1 as n union all select 2 union all select 3 union all select 4 union all "
    "select 5 union all select 6 union all select 7 union all select 8 union all select 9 "
    "union all select 10";

class DataLinkTest : public ServerTest {
protected:
  TDataSource* SourceOf(TDataSet* dataSet) {
    TDataSource* source = Create<TDataSource>(Owner());
    source->SetDataSet(dataSet);
    return source;
  }
};

TEST_F(DataLinkTest, ALinkHearsOpeningMovingAndClosing) {
  TZQuery* query = MakeQuery(MakeConnection(), kTenRows);
  TRecordingLink link;
  link.SetDataSource(SourceOf(query));
  EXPECT_FALSE(link.Active());
  query->Open();
  query->Next();
  query->MoveBy(3);
  query->Close();
  EXPECT_EQ(link.Heard,
            (std::vector<std::string>{"active", "scrolled 1", "scrolled 3", "inactive"}));
}

TEST_F(DataLinkTest, TheWindowFollowsTheCurrentRowAndStaysFull) {
  TZQuery* query = MakeQuery(MakeConnection(), kTenRows);
  TRecordingLink link;
  link.SetDataSource(SourceOf(query));
  link.SetBufferCount(4);
  query->Open();
  EXPECT_EQ(link.RecordCount(), 4);
  EXPECT_EQ(link.ActiveRecord(), 0);
  link.Heard.clear();
  query->MoveBy(5);
  query->Prior();
  query->Last();
  query->First();
  EXPECT_EQ(link.Heard,
            (std::vector<std::string>{"scrolled 2", "scrolled 0", "scrolled 4", "scrolled -6"}));
  query->SetRecNo(9);
  EXPECT_EQ(link.ActiveRecord(), 3);
  // As a grid paints: each row of the window in turn, then back.
  std::vector<std::string> rows;
  for (int i = 0; i < link.RecordCount(); ++i) {
    link.SetActiveRecord(i);
    rows.push_back(query->FieldByName("n")->AsString());
  }
  link.SetActiveRecord(3);
  EXPECT_EQ(rows, (std::vector<std::string>{"6", "7", "8", "9"}));
  EXPECT_EQ(query->RecNo(), 9);
  link.SetBufferCount(20);
  EXPECT_EQ(link.RecordCount(), 10);
  EXPECT_EQ(link.ActiveRecord(), 8);
}

class DataLinkEditTest : public DataLinkTest {
protected:
  void SetUp() override {
    DataLinkTest::SetUp();
    if (IsSkipped())
      return;
    m_tap = std::make_unique<TWireTap>(Server().Host, Server().Port);
    m_connection = MakeConnection(m_tap->Port());
    TZQuery* command = MakeQuery(m_connection);
    for (const char* sql : {"create temporary table people (id int primary key, name "
                            "varchar(20), mail varchar(20))",
                            "insert into people values (1, 'ali', 'a@x'), (2, 'veli', null)"}) {
      command->SQL()->SetText(sql);
      command->ExecSQL();
    }
    m_people = MakeQuery(m_connection, "select * from people order by id");
    m_source = SourceOf(m_people);
  }

  std::unique_ptr<TWireTap> m_tap;
  TZConnection* m_connection = nullptr;
  TZQuery* m_people = nullptr;
  TDataSource* m_source = nullptr;
};

TEST_F(DataLinkEditTest, AFieldLinkFollowsItsFieldAndWritesItsPendingValueOnPost) {
  TFieldDataLink link;
  std::string shown;
  std::string typed;
  link.SetOnDataChange([&](TObject*) { shown = link.Field() ? link.Field()->AsString() : "-"; });
  link.SetOnUpdateData([&](TObject*) { link.Field()->SetAsString(typed); });
  link.SetFieldName("NAME");
  link.SetDataSource(m_source);
  EXPECT_EQ(link.Field(), nullptr);
  EXPECT_FALSE(link.Edit());

  m_people->Open();
  EXPECT_EQ(link.Field(), m_people->FieldByName("name"));
  EXPECT_EQ(shown, "ali");
  m_people->Next();
  EXPECT_EQ(shown, "veli");

  EXPECT_TRUE(link.Edit());
  EXPECT_EQ(m_people->State(), TDataSetState::dsEdit);
  typed = "Veli Can";
  link.Modified();
  m_tap->Clear();
  m_people->Post();
  EXPECT_EQ(m_tap->Statements(),
            std::vector<std::string>{"UPDATE `vorlendi_db`.`people` SET `name`='Veli Can' "
                                     "WHERE `id`=2"});
  EXPECT_EQ(shown, "Veli Can");

  m_people->Close();
  EXPECT_EQ(link.Field(), nullptr);
  EXPECT_EQ(shown, "-");
}

TEST_F(DataLinkEditTest, LinksHearEditingAndFieldChanges) {
  TRecordingLink link;
  link.SetDataSource(m_source);
  m_people->Open();
  link.Heard.clear();
  m_people->Edit();
  m_people->FieldByName("mail")->SetAsString("v@x");
  m_people->Post();
  m_people->Edit();
  m_people->Cancel();
  EXPECT_EQ(link.Heard, (std::vector<std::string>{"editing", "record mail", "update", "browsing",
                                                  "changed", "editing", "browsing", "changed"}));
}

TEST_F(DataLinkEditTest, EditThroughALinkNeedsAutoEditAndAWritableLink) {
  TFieldDataLink link;
  link.SetFieldName("name");
  link.SetDataSource(m_source);
  m_people->Open();
  m_source->SetAutoEdit(false);
  EXPECT_FALSE(link.Edit());
  m_source->SetAutoEdit(true);
  link.SetReadOnly(true);
  EXPECT_FALSE(link.CanModify());
  EXPECT_FALSE(link.Edit());
  EXPECT_EQ(m_people->State(), TDataSetState::dsBrowse);
  link.SetReadOnly(false);
  EXPECT_TRUE(link.Edit());
}

TEST_F(DataLinkEditTest, FreeingEitherSideLeavesTheOtherWhole) {
  TRecordingLink link;
  link.SetDataSource(m_source);
  m_people->Open();
  m_people->Free();
  EXPECT_FALSE(link.Active());
  EXPECT_EQ(m_source->DataSet(), nullptr);
  m_source->Free();
  EXPECT_EQ(link.DataSource(), nullptr);
}

} // namespace
