// The database components in a form definition, as the main window declares
// them: read, connected by name, and written back with the persistent fields
// nested in their dataset.
#include "tests/platform/db/TestServer.h"

#include "platform/db/DatabaseClasses.h"
#include "platform/objects/FormReader.h"
#include "platform/objects/FormWriter.h"
#include "tests/support/TextLines.h"

namespace {

// A root that stores the components it owns, as a data module does.
class TDbTestForm : public TComponent {
  OBJECT_CLASS(TDbTestForm, TComponent)
public:
  explicit TDbTestForm(TComponent* owner) : TComponent(owner) {}

  void GetChildren(const TGetChildProc& proc, TComponent*) override {
    for (int i = 0; i < ComponentCount(); ++i)
      if (!Components(i)->HasParent())
        proc(Components(i));
  }
};

const std::string kDefinition = Lines(R"(object Main1: TDbTestForm
  object ZConnection1: TZConnection
    Protocol = 'mysql-4.1'
    HostName = 'db.example'
    Database = 'vorlendi_db'
    Catalog = 'vorlendi_db'
    User = 'vorlendi'
    Password = 'Tun8rQwzEk3M'
    LoginPrompt = False
  end
  object ZKimlik1: TZQuery
    Connection = ZConnection1
    SQL.Strings = (
      'select * from `msg_kimlik`')
    object ZKimlik1Id: TIntegerField
      FieldName = 'Id'
      Required = True
    end
    object ZKimlik1TakmaAd: TStringField
      FieldName = 'TakmaAd'
      Size = 50
    end
    object ZKimlik1Resim: TBytesField
      FieldName = 'Resim'
      Size = 11
    end
  end
  object ZTable1: TZTable
    Connection = ZConnection1
    TableName = 'torvane_mycon.quillpost'
  end
  object KimlikDS1: TDataSource
    DataSet = ZKimlik1
  end
end
)");

using FormDefinitionTest = ServerTest;

TEST_F(FormDefinitionTest, TheComponentsReadFromADefinitionWorkTogether) {
  RegisterDatabaseClasses();
  TDbTestForm* form = Create<TDbTestForm>(Owner());
  ReadFormDefinition(kDefinition, form);
  auto* connection = As<TZConnection>(form->FindComponent("ZConnection1"));
  auto* users = As<TZQuery>(form->FindComponent("ZKimlik1"));
  auto* source = As<TDataSource>(form->FindComponent("KimlikDS1"));
  ASSERT_TRUE(connection && users && source);
  EXPECT_EQ(connection->Port(), 0);
  EXPECT_FALSE(connection->LoginPrompt());
  EXPECT_EQ(users->Connection(), connection);
  EXPECT_TRUE(users->ParamCheck());
  EXPECT_EQ(source->DataSet(), users);
  ASSERT_EQ(users->FieldCount(), 3);
  EXPECT_EQ(users->Fields(0), form->FindComponent("ZKimlik1Id"));
  EXPECT_TRUE(users->Fields(0)->Required());

  EXPECT_EQ(WriteFormDefinition(form), kDefinition);

  connection->SetHostName(Server().Host);
  connection->SetPort(Server().Port);
  users->Open();
  EXPECT_EQ(users->FieldCount(), 3);
  EXPECT_GT(users->FieldByName("Id")->AsInteger(), 0);
}

} // namespace
