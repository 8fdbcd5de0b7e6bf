// The data-aware edit box against the test server, on rows of the legacy
// user table: it shows its field in Turkish and follows the dataset, typing
// starts the edit, Post writes what was typed (also from a button that takes
// no focus), Escape gives the field back, and input is refused while the
// dataset cannot be edited.
#include "tests/platform/controls/ControlsTestSupport.h"

#include "platform/controls/Clipboard.h"
#include "platform/db/DatabaseClasses.h"
#include "platform/dbctrls/DBCtrls.h"
#include "platform/dbctrls/DataControlsClasses.h"
#include "platform/objects/FormWriter.h"
#include "platform/stdctrls/Buttons.h"
#include "tests/platform/db/TestServer.h"

namespace controls_test {
namespace {

class TEditForm : public TForm {
  OBJECT_CLASS(TEditForm, TForm)
public:
  static void Publish(TPublisher& p) {
    p.Method("TamamClick", &TEditForm::TamamClick);
    p.Method("EditChange", &TEditForm::EditChange);
  }
  using TForm::TForm;

  void TamamClick(TObject*) {
    log.push_back("tamam");
    As<TDataSet>(FindComponent("ZTable1"))->Post();
  }
  void EditChange(TObject* sender) { log.push_back("change " + As<TDBEdit>(sender)->Text()); }

  std::vector<std::string> log;
};

const char kEditDefinition[] = R"(object Secenekler1: TEditForm
  Left = 200
  Top = 200
  BorderStyle = bsDialog
  ClientWidth = 344
  ClientHeight = 232
  object ZConnection1: TZConnection
    Protocol = 'mysql-4.1'
    Database = 'vorlendi_db'
    User = 'vorlendi'
    LoginPrompt = False
  end
  object ZTable1: TZQuery
    Connection = ZConnection1
  end
  object DataSource1: TDataSource
    DataSet = ZTable1
  end
  object DBEdit1: TDBEdit
    Left = 97
    Top = 16
    Width = 200
    Height = 21
    DataSource = DataSource1
    DataField = 'User'
    TabOrder = 0
  end
  object DBEdit2: TDBEdit
    Left = 97
    Top = 48
    Width = 81
    Height = 21
    DataSource = DataSource1
    DataField = 'Pass'
    PasswordChar = '*'
    TabOrder = 1
  end
  object DBEdit3: TDBEdit
    Left = 97
    Top = 80
    Width = 200
    Height = 21
    DataSource = DataSource1
    DataField = 'Name'
    TabOrder = 2
    OnChange = EditChange
  end
  object SpeedButton1: TSpeedButton
    Left = 256
    Top = 200
    Width = 81
    Height = 25
    Caption = 'Tamam'
    OnClick = TamamClick
  end
end
)";

const char kAyse[] = "Ay\xFE" "e Y\xFDlmaz";
const char kGulsen[] = "G\xFCl\xFE" "en \xC7" "a\xF0lar";

class DBEditTest : public TControlsTest {
protected:
  static void SetUpTestSuite() {
    TControlsTest::SetUpTestSuite();
    RegisterDatabaseClasses();
    RegisterDataControlsClasses();
    RegisterClasses({TEditForm::StaticClass(), TSpeedButton::StaticClass()});
  }

  void SetUp() override {
    TControlsTest::SetUp();
    RegisterFormDefinition("TEditForm", kEditDefinition);
    Application->CreateForm(m_form);
    m_query = As<TZQuery>(m_form->FindComponent("ZTable1"));
    m_user = As<TDBEdit>(m_form->FindComponent("DBEdit1"));
    m_pass = As<TDBEdit>(m_form->FindComponent("DBEdit2"));
    m_name = As<TDBEdit>(m_form->FindComponent("DBEdit3"));
    m_server = TestServerAddress();
    if (!m_server)
      return;
    auto* connection = As<TZConnection>(m_form->FindComponent("ZConnection1"));
    connection->SetHostName(m_server->Host);
    connection->SetPort(m_server->Port);
    connection->SetPassword(kTestPassword);
  }

  void TearDown() override {
    if (m_server && !m_prefix.empty())
      Execute("delete from torvane_mycon.quillpost where `User` like '" + m_prefix + "%'");
    TControlsTest::TearDown();
  }

  // Two rows of the legacy table of this test's own, shown in the form.
  void OpenRows() {
    m_prefix = "dbedit_" + std::to_string(::GetCurrentProcessId()) + "_" +
               std::to_string(::GetTickCount());
    for (const auto& [suffix, name] : {std::pair{"1", kAyse}, std::pair{"2", kGulsen}})
      Execute("insert into torvane_mycon.quillpost (`User`, Pass, Name) values ('" + m_prefix +
              suffix + "', 'eski', '" + name + "')");
    m_query->SQL()->SetText("select * from torvane_mycon.quillpost where `User` like '" +
                            m_prefix + "%' order by id");
    m_query->Open();
  }

  // The Name stored on the server for row 'suffix'.
  std::string StoredName(const std::string& suffix) {
    auto* query = Create<TZQuery>(m_form);
    query->SetConnection(m_query->Connection());
    query->SQL()->SetText("select Name from torvane_mycon.quillpost where `User` = '" +
                          m_prefix + suffix + "'");
    query->Open();
    std::string name = query->FieldByName("Name")->AsString();
    query->Free();
    return name;
  }

  void Execute(const std::string& statement) {
    TZConnection* connection = Create<TZConnection>(nullptr);
    connection->SetHostName(m_server->Host);
    connection->SetPort(m_server->Port);
    connection->SetDatabase(kTestDatabase);
    connection->SetUser(kTestUser);
    connection->SetPassword(kTestPassword);
    connection->SetLoginPrompt(false);
    auto* query = Create<TZQuery>(connection);
    query->SetConnection(connection);
    query->SQL()->SetText(statement);
    query->ExecSQL();
    connection->Free();
  }

  void ShowAndFocus(TDBEdit* edit) {
    m_form->Show();
    ASSERT_TRUE(PumpUntil([&] { return m_form->Active(); }));
    edit->SetFocus();
    ASSERT_TRUE(edit->Focused());
  }

  void Type(const std::u16string& text) {
    for (char16_t character : text)
      TypeChar(character);
    Pump();
  }

  TEditForm* m_form = nullptr;
  TZQuery* m_query = nullptr;
  TDBEdit* m_user = nullptr;
  TDBEdit* m_pass = nullptr;
  TDBEdit* m_name = nullptr;
  std::optional<TServerAddress> m_server;
  std::string m_prefix;
};

#define REQUIRE_SERVER()                                                                    \
  if (!m_server)                                                                            \
  GTEST_SKIP() << "MESSENGER_DB_HOST and MESSENGER_DB_PORT are not set, so there is no test " \
                  "server (scripts/test starts one with scripts/mariadb.sh)"

TEST_F(DBEditTest, DefinitionBindsTheFields) {
  EXPECT_EQ(m_user->DataSource(), m_form->FindComponent("DataSource1"));
  EXPECT_EQ(m_pass->DataField(), "Pass");
  EXPECT_EQ(m_pass->PasswordChar(), '*');
  EXPECT_EQ(m_name->TabOrder(), 2);
  EXPECT_FALSE(m_name->ReadOnly());
  const std::string written = WriteFormDefinition(m_form);
  EXPECT_NE(written.find("DataField = 'Pass'"), std::string::npos) << written;
  EXPECT_NE(written.find("DataSource = DataSource1"), std::string::npos) << written;
}

TEST_F(DBEditTest, ClosedDatasetShowsNothingAndRefusesInput) {
  ShowAndFocus(m_name);
  Type(u"abc");
  EXPECT_EQ(m_name->Text(), "");
  Clipboard()->SetAsText("yap\xFD\xFE" "t\xFDr");
  m_name->PasteFromClipboard();
  m_name->Perform(WM_CHAR, 'x');
  EXPECT_EQ(m_name->Text(), "");
  EXPECT_TRUE(m_form->log.empty());
}

TEST_F(DBEditTest, ShowsItsFieldAndFollowsTheDataset) {
  REQUIRE_SERVER();
  OpenRows();
  EXPECT_EQ(m_name->Text(), kAyse);
  EXPECT_EQ(m_user->Text(), m_prefix + "1");
  EXPECT_EQ(m_pass->MaxLength(), 10);
  m_query->Next();
  EXPECT_EQ(m_name->Text(), kGulsen);
  m_query->Close();
  EXPECT_EQ(m_name->Text(), "");
  EXPECT_EQ(m_pass->MaxLength(), 0);
  m_query->Open();
  EXPECT_EQ(m_name->Text(), kAyse);
}

TEST_F(DBEditTest, TypingEditsAndAButtonWithoutFocusPostsIt) {
  REQUIRE_SERVER();
  OpenRows();
  ShowAndFocus(m_name);
  m_form->log.clear();
  PressKey(VK_END);
  Type(u" \u00C7\u0130\u011E");
  EXPECT_EQ(m_query->State(), TDataSetState::dsEdit);
  const std::string typed = std::string(kAyse) + " \xC7\xDD\xD0";
  EXPECT_EQ(m_name->Text(), typed);

  auto* tamam = As<TSpeedButton>(m_form->FindComponent("SpeedButton1"));
  ClickControl(tamam, {10, 10});
  ASSERT_TRUE(PumpUntil([&] { return m_query->State() == TDataSetState::dsBrowse; }));
  EXPECT_TRUE(m_name->Focused());
  EXPECT_EQ(m_query->FieldByName("Name")->AsString(), typed);
  EXPECT_EQ(StoredName("1"), typed);
  EXPECT_EQ(StoredName("2"), kGulsen);
  ASSERT_FALSE(m_form->log.empty());
  EXPECT_EQ(m_form->log.back(), "tamam");
  EXPECT_EQ(m_form->log.front(), "change " + std::string(kAyse) + " ");
}

TEST_F(DBEditTest, EscapeGivesTheFieldBackAndLeavingWritesIt) {
  REQUIRE_SERVER();
  OpenRows();
  ShowAndFocus(m_name);
  Type(u"yeni");
  EXPECT_EQ(m_name->Text(), "yeni");
  PressKey(VK_ESCAPE);
  Pump();
  EXPECT_EQ(m_name->Text(), kAyse);

  m_name->SelectAll();
  Type(u"\u015Eule");
  m_user->SetFocus();
  EXPECT_EQ(m_query->FieldByName("Name")->AsString(), "\xDE" "ule");
  EXPECT_EQ(m_query->State(), TDataSetState::dsEdit);
  m_query->Cancel();
  EXPECT_EQ(m_name->Text(), kAyse);
  EXPECT_EQ(StoredName("1"), kAyse);
}

TEST_F(DBEditTest, FieldSizeLimitsTypingAndReadOnlyRefusesIt) {
  REQUIRE_SERVER();
  OpenRows();
  ShowAndFocus(m_pass);
  m_pass->SelectAll();
  Type(u"0123456789ab");
  EXPECT_EQ(m_pass->Text(), "0123456789");
  EXPECT_EQ(::SendMessageW(m_pass->Handle(), EM_GETPASSWORDCHAR, 0, 0), '*');
  m_query->Cancel();

  m_name->SetReadOnly(true);
  m_name->SetFocus();
  Type(u"x");
  PressKey(VK_DELETE);
  Pump();
  EXPECT_EQ(m_name->Text(), kAyse);
  EXPECT_EQ(m_query->State(), TDataSetState::dsBrowse);
}

} // namespace
} // namespace controls_test
