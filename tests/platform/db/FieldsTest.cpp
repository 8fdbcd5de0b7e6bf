// Fields against the test server: persistent fields and their checks when a
// dataset opens, the fields a dataset makes itself, and reading and writing
// values.
#include "tests/platform/db/TestServer.h"

#include "platform/db/DatabaseErrors.h"

namespace {

class FieldsTest : public ServerTest {
protected:
  template <class T> T* AddField(TDataSet* dataSet, const char* fieldName, int size = 0) {
    T* field = Create<T>(Owner());
    field->SetFieldName(fieldName);
    field->SetSize(size);
    field->SetDataSet(dataSet);
    return field;
  }

  // The user list as the messenger declares it.
  TZQuery* UserList() {
    TZQuery* query = MakeQuery(MakeConnection(), "select * from `msg_kimlik`");
    query->SetName("ZKimlik1");
    AddField<TIntegerField>(query, "Id")->SetRequired(true);
    AddField<TStringField>(query, "TakmaAd", 50);
    AddField<TStringField>(query, "AdSoyad", 200);
    AddField<TStringField>(query, "Parola", 20);
    AddField<TStringField>(query, "E-Posta", 100);
    AddField<TStringField>(query, "Durum", 20);
    AddField<TStringField>(query, "Ileti", 200);
    AddField<TBytesField>(query, "Resim", 11);
    return query;
  }
};

TEST_F(FieldsTest, PersistentFieldsBindToTheirColumnsByName) {
  TZQuery* users = UserList();
  users->Open();
  ASSERT_GE(users->RecordCount(), 1);
  EXPECT_EQ(users->FieldCount(), 8);
  EXPECT_EQ(users->FieldByName("takmaad"), users->Fields(1));
  EXPECT_EQ(users->FieldByName("Id")->Owner(), Owner());
  EXPECT_GT(users->FieldByName("Id")->AsInteger(), 0);
  EXPECT_FALSE(users->FieldByName("TakmaAd")->AsString().empty());
  users->Close();
  EXPECT_EQ(users->FieldCount(), 8);
  EXPECT_EQ(users->FieldByName("Id")->AsString(), "");
}

// The schema holds what the messenger's three datasets declare.
TEST_F(FieldsTest, TheSchemaMatchesThePersistentFieldsOfTheMessenger) {
  struct FieldDeclaration {
    TClassRef<TField> Class;
    const char* Name;
    int Size;
  };
  const TClassRef<TField> text = TStringField::StaticClass();
  const struct {
    const char* Statement;
    std::vector<FieldDeclaration> Fields;
  } datasets[] = {
      {"select * from `msg_mesaj`",
       {{TIntegerField::StaticClass(), "Id", 0},
        {text, "Gonderen", 20},
        {text, "Alan", 20},
        {TMemoField::StaticClass(), "Mesaj", 0},
        {TDateTimeField::StaticClass(), "Tarih", 0},
        {text, "Durum", 20}}},
      {"SELECT * FROM `torvane_mycon`.`quillpost`",
       {{TLargeintField::StaticClass(), "id", 0},
        {text, "User", 40},
        {text, "Pass", 10},
        {text, "Name", 200},
        {text, "Stat", 10},
        {text, "deneme2", 12},
        {text, "Message", 200},
        {text, "Kimden", 40},
        {text, "Mail", 200}}},
  };
  UserList()->Open();
  for (const auto& declared : datasets) {
    TZQuery* query = MakeQuery(MakeConnection(), declared.Statement);
    for (const FieldDeclaration& field : declared.Fields) {
      TField* made = field.Class.Create(Owner());
      made->SetFieldName(field.Name);
      made->SetSize(field.Size);
      made->SetDataSet(query);
    }
    EXPECT_NO_THROW(query->Open()) << declared.Statement;
  }
}

TEST_F(FieldsTest, OpeningChecksTheTypeAndTheSizeOfPersistentFields) {
  const struct {
    const char* Sql;
    const char* FieldName;
    TClassRef<TField> FieldClass;
    int Size;
    const char* Message;
  } cases[] = {
      {"select `Id` from `msg_kimlik`", "Id", TStringField::StaticClass(), 0,
       "Type mismatch for field 'Id', expecting: String actual: Integer"},
      {"select `Resim` from `msg_kimlik`", "Resim", TBytesField::StaticClass(), 10,
       "Size mismatch for field 'Resim', expecting: 10 actual: 11"},
      {"select `Tarih` from `msg_mesaj`", "Tarih", TDateField::StaticClass(), 0,
       "Type mismatch for field 'Tarih', expecting: Date actual: DateTime"},
      {"select 1 as `Other`", "Tarih", TDateTimeField::StaticClass(), 0,
       "ZMesaj1: Field 'Tarih' not found"},
  };
  for (const auto& c : cases) {
    TZQuery* query = MakeQuery(MakeConnection(), c.Sql);
    query->SetName("ZMesaj1");
    TField* field = c.FieldClass.Create(Owner());
    field->SetFieldName(c.FieldName);
    field->SetSize(c.Size);
    field->SetDataSet(query);
    EXPECT_EQ(MessageOf([&] { query->Open(); }), c.Message);
    EXPECT_FALSE(query->Active());
    EXPECT_EQ(field->AsString(), "");
    query->Free();
  }
}

TEST_F(FieldsTest, ADatasetWithoutPersistentFieldsMakesOneFieldPerColumn) {
  TZQuery* query =
      MakeQuery(MakeConnection(),
                "select `Id`, `TakmaAd`, `Resim`, cast(1 as unsigned) as u, 2147483648 as big, "
                "1.5 as num, now() as moment, curdate() as day, curtime() as clock, x'00ff' as raw "
                "from `msg_kimlik` limit 1");
  query->Open();
  const struct {
    const char* Name;
    TFieldType Type;
    TClass Class;
    int Size;
  } expected[] = {
      {"Id", TFieldType::ftInteger, TIntegerField::StaticClass(), 0},
      {"TakmaAd", TFieldType::ftString, TStringField::StaticClass(), 50},
      {"Resim", TFieldType::ftBytes, TBytesField::StaticClass(), 11},
      {"u", TFieldType::ftLargeint, TLargeintField::StaticClass(), 0},
      {"big", TFieldType::ftLargeint, TLargeintField::StaticClass(), 0},
      {"num", TFieldType::ftFloat, TFloatField::StaticClass(), 0},
      {"moment", TFieldType::ftDateTime, TDateTimeField::StaticClass(), 0},
      {"day", TFieldType::ftDate, TDateField::StaticClass(), 0},
      {"clock", TFieldType::ftTime, TTimeField::StaticClass(), 0},
      {"raw", TFieldType::ftVarBytes, TVarBytesField::StaticClass(), 2},
  };
  ASSERT_EQ(query->FieldCount(), static_cast<int>(std::size(expected)));
  for (int i = 0; i < query->FieldCount(); ++i) {
    const TField* field = query->Fields(i);
    EXPECT_EQ(field->FieldName(), expected[i].Name);
    EXPECT_EQ(field->DataType(), expected[i].Type) << expected[i].Name;
    EXPECT_EQ(field->ClassType(), expected[i].Class) << expected[i].Name;
    EXPECT_EQ(field->Size(), expected[i].Size) << expected[i].Name;
    EXPECT_EQ(field->Owner(), query);
  }
  EXPECT_TRUE(query->FieldByName("Id")->Required());
  query->Close();
  EXPECT_EQ(query->FieldCount(), 0);
}

TEST_F(FieldsTest, ValuesReadInTheRegionalFormatsAndNullReadsAsEmpty) {
  TZQuery* query = MakeQuery(
      MakeConnection(),
      "select 42 as i, 9000000000 as big, 1.5 as f, cast('2024-02-29 13:05:09' as datetime) "
      "as dt, cast('2024-02-29' as date) as d, cast('13:05:09' as time) as t, "
      "cast(null as signed) as n, 'd\xFCz' as s");
  query->Open();
  const struct {
    const char* Name;
    const char* Text;
  } cases[] = {
      {"i", "42"},         {"big", "9000000000"}, {"f", "1,5"}, {"dt", "29.02.2024 13:05:09"},
      {"d", "29.02.2024"}, {"t", "13:05:09"},     {"n", ""},    {"s", "d\xFCz"}};
  for (const auto& c : cases)
    EXPECT_EQ(query->FieldByName(c.Name)->AsString(), c.Text) << c.Name;
  EXPECT_EQ(query->FieldByName("i")->AsInteger(), 42);
  EXPECT_EQ(query->FieldByName("big")->AsLargeInt(), 9000000000);
  EXPECT_DOUBLE_EQ(query->FieldByName("f")->AsFloat(), 1.5);
  EXPECT_DOUBLE_EQ(query->FieldByName("dt")->AsDateTime(),
                   EncodeDate(2024, 2, 29) + EncodeTime(13, 5, 9, 0));
  EXPECT_TRUE(query->FieldByName("n")->IsNull());
  EXPECT_EQ(query->FieldByName("n")->AsInteger(), 0);
  EXPECT_EQ(MessageOf([&] { query->FieldByName("s")->AsDateTime(); }),
            "Cannot access field 's' as type DateTime");
}

TEST_F(FieldsTest, WritingNeedsEditStateAndAValueThatFits) {
  TZQuery* users = UserList();
  users->Open();
  EXPECT_EQ(MessageOf([&] { users->FieldByName("Durum")->SetAsString("x"); }),
            "ZKimlik1: Dataset not in edit or insert mode");
  users->Edit();
  EXPECT_EQ(MessageOf([&] { users->FieldByName("Durum")->SetAsString(std::string(21, 'x')); }),
            "Value of field 'Durum' is too long: 21 characters, at most 20 allowed");
  EXPECT_EQ(MessageOf([&] { users->FieldByName("Id")->SetAsString("yedi"); }),
            "'yedi' is not a valid integer value");
  EXPECT_FALSE(users->Modified());
  users->Cancel();
}

} // namespace
