// Statement texts without a server: scanning, literals and the UPDATE of an
// edited row.
#include "tests/support/GTest.h"

#include "platform/db/ServerDateTime.h"
#include "platform/db/SqlLiterals.h"
#include "platform/db/SqlScanner.h"
#include "platform/db/UpdateStatement.h"
#include "platform/rtl/Variants.h"

namespace {

struct ScanCase {
  const char* Text;
  int Statements;
  std::vector<std::string> Params;
};

class SqlScannerTest : public testing::TestWithParam<ScanCase> {};

TEST_P(SqlScannerTest, CountsStatementsAndFindsParameters) {
  const ScanCase& c = GetParam();
  const TSqlScan scan = ScanSqlText(c.Text, true);
  EXPECT_EQ(scan.StatementCount, c.Statements);
  std::vector<std::string> names;
  for (const TSqlParamRef& ref : scan.Params) {
    names.push_back(ref.Name);
    EXPECT_EQ(std::string_view(c.Text).substr(ref.Offset, ref.Length), ":" + ref.Name);
  }
  EXPECT_EQ(names, c.Params);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SqlScannerTest,
    testing::Values(
        ScanCase{"", 0, {}}, ScanCase{"  \r\n\t", 0, {}}, ScanCase{";;", 0, {}},
        ScanCase{"-- nothing\n/* at */ # all", 0, {}}, ScanCase{"select 1", 1, {}},
        ScanCase{"select 1;", 1, {}}, ScanCase{"select 1; -- done", 1, {}},
        ScanCase{"select 1; select 2", 2, {}}, ScanCase{"select ';' from t", 1, {}},
        ScanCase{"select `a;b` from t", 1, {}}, ScanCase{"select 1 /* ; */", 1, {}},
        ScanCase{"INSERT INTO `msg_mesaj` SET `Gonderen`=:pGon, `Alan`=:pAl, `Mesaj`=:pMesaj, "
                 "`Tarih`='Now', `Durum`='Online'",
                 1,
                 {"pGon", "pAl", "pMesaj"}},
        ScanCase{"select * from t where a=:a and b=:a", 1, {"a", "a"}},
        ScanCase{"select ':no', \":no\", `:no` from t where x=:yes", 1, {"yes"}},
        ScanCase{"select 'it''s :no', 'a\\' :no' from t where x=:yes", 1, {"yes"}},
        ScanCase{"select 1 -- :no\nfrom t # :no\nwhere x=:yes /* :no */", 1, {"yes"}},
        ScanCase{"select 1--:yes", 1, {"yes"}}, ScanCase{"set @a := 1", 1, {}},
        ScanCase{"select :p_1, :2x", 1, {"p_1", "2x"}},
        ScanCase{"select 'unterminated :no", 1, {}}));

TEST(SqlScannerTest, LeavesColonsAloneWithoutParameterChecking) {
  EXPECT_TRUE(ScanSqlText("select :a", false).Params.empty());
  EXPECT_EQ(ScanSqlText("select :a; select 2", false).StatementCount, 2);
}

std::string FakeQuote(std::string_view text) { return "'" + std::string(text) + "'"; }

TEST(SqlLiteralsTest, QuotesNames) {
  EXPECT_EQ(QuoteIdentifier("E-Posta"), "`E-Posta`");
  EXPECT_EQ(QuoteIdentifier("a`b"), "`a``b`");
  EXPECT_EQ(QuoteQualifiedName("torvane_mycon.quillpost"), "`torvane_mycon`.`quillpost`");
  EXPECT_EQ(QuoteQualifiedName("quillpost"), "`quillpost`");
}

TEST(SqlLiteralsTest, WritesVariantsAsLiterals) {
  const struct {
    Variant Value;
    const char* Literal;
  } cases[] = {
      {Variant(), "NULL"},
      {Null(), "NULL"},
      {Variant(42), "42"},
      {Variant(std::int64_t{-9000000000}), "-9000000000"},
      {Variant(true), "1"},
      {Variant(false), "0"},
      {Variant(2.5), "2.5"},
      {Variant(Currency::FromScaled(-12345)), "-1.2345"},
      {Variant("O'Reilly"), "'O'Reilly'"},
      {VarFromDateTime(EncodeDate(2024, 2, 29) + EncodeTime(13, 5, 9, 0)), "'2024-02-29 13:05:09'"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(VariantLiteral(c.Value, FakeQuote).value_or("<none>"), c.Literal)
        << VarTypeAsText(VarType(c.Value));
}

TEST(SqlLiteralsTest, RefusesValuesAStatementCannotHold) {
  EXPECT_FALSE(VariantLiteral(VarArrayOf({Variant(1)}), FakeQuote));
  EXPECT_FALSE(VariantLiteral(VarAsError(5), FakeQuote));
  EXPECT_FALSE(VariantLiteral(Variant(1.0 / 0.0), FakeQuote));
}

TSqlColumn Column(const char* name, TFieldType type, bool key = false,
                  const char* table = "msg_kimlik") {
  TSqlColumn column;
  column.Name = column.OrgName = name;
  column.OrgTable = table;
  column.Database = "vorlendi_db";
  column.DataType = type;
  column.PrimaryKey = key;
  return column;
}

TEST(UpdateStatementTest, FindsTheRowByItsPrimaryKey) {
  const std::vector<TSqlColumn> columns = {Column("Id", TFieldType::ftInteger, true),
                                           Column("TakmaAd", TFieldType::ftString),
                                           Column("Durum", TFieldType::ftString)};
  const TSqlRow oldValues = {"7", "ayse", std::nullopt};
  const TSqlRow newValues = {"7", "ayse",
                             "\xC7"
                             "evrimi\xE7"
                             "i"};
  const std::vector<bool> assigned = {false, false, true};
  const auto table = FindUpdateTable(columns);
  ASSERT_TRUE(table);
  EXPECT_EQ(BuildUpdateStatement(*table, {columns, oldValues, newValues, assigned}, FakeQuote),
            "UPDATE `vorlendi_db`.`msg_kimlik` SET `Durum`='\xC7"
            "evrimi\xE7"
            "i' WHERE `Id`=7");
}

TEST(UpdateStatementTest, WithoutAKeyFindsTheRowByAllSearchableOldValues) {
  const std::vector<TSqlColumn> columns = {
      Column("User", TFieldType::ftString), Column("E-Posta", TFieldType::ftString),
      Column("Resim", TFieldType::ftBytes), Column("Mesaj", TFieldType::ftMemo),
      Column("Sayi", TFieldType::ftLargeint)};
  const TSqlRow oldValues = {"ali", std::nullopt, "\x01\x02", "uzun", "12"};
  const TSqlRow newValues = {"veli", "v@x", "\x01\x02", "uzun", "12"};
  const std::vector<bool> assigned = {true, true, false, false, false};
  const auto table = FindUpdateTable(columns);
  ASSERT_TRUE(table);
  EXPECT_EQ(BuildUpdateStatement(*table, {columns, oldValues, newValues, assigned}, FakeQuote),
            "UPDATE `vorlendi_db`.`msg_kimlik` SET `User`='veli', `E-Posta`='v@x' WHERE "
            "`User`='ali' AND `E-Posta` IS NULL AND `Resim`='\x01\x02' AND `Sayi`=12 LIMIT 1");
}

TEST(UpdateStatementTest, SendsNothingWhenNoColumnWasAssigned) {
  const std::vector<TSqlColumn> columns = {Column("Id", TFieldType::ftInteger, true)};
  const TSqlRow values = {"1"};
  const std::vector<bool> assigned = {false};
  EXPECT_FALSE(BuildUpdateStatement(*FindUpdateTable(columns), {columns, values, values, assigned},
                                    FakeQuote));
}

TEST(UpdateStatementTest, WritesOnlyResultsOfOneTable) {
  TSqlColumn expression;
  expression.Name = "count(*)";
  expression.DataType = TFieldType::ftLargeint;
  EXPECT_FALSE(FindUpdateTable({expression}));
  EXPECT_FALSE(FindUpdateTable({Column("a", TFieldType::ftString, false, "t1"),
                                Column("b", TFieldType::ftString, false, "t2")}));
  const auto table = FindUpdateTable({Column("a", TFieldType::ftMemo), expression});
  ASSERT_TRUE(table);
  EXPECT_FALSE(IsTableColumn(expression, *table));
  EXPECT_FALSE(CanIdentifyRows(*table, {Column("a", TFieldType::ftMemo)}));
  EXPECT_TRUE(CanIdentifyRows(*table, {Column("a", TFieldType::ftMemo, true)}));
}

struct DateCase {
  const char* Text;
  TFieldType Type;
  std::optional<TDateTime> Value;
};

TEST(ServerDateTimeTest, ReadsTheServersTextAndZeroDatesAsNothing) {
  const DateCase cases[] = {
      {"2024-02-29 13:05:09", TFieldType::ftDateTime,
       EncodeDate(2024, 2, 29) + EncodeTime(13, 5, 9, 0)},
      {"2024-02-29 13:05:09.250000", TFieldType::ftDateTime,
       EncodeDate(2024, 2, 29) + EncodeTime(13, 5, 9, 250)},
      {"1899-12-29 06:00:00", TFieldType::ftDateTime, -1.25},
      {"2024-02-29", TFieldType::ftDate, EncodeDate(2024, 2, 29)},
      {"13:05:09", TFieldType::ftTime, EncodeTime(13, 5, 9, 0)},
      {"-01:30:00", TFieldType::ftTime, -EncodeTime(1, 30, 0, 0)},
      {"36:00:00", TFieldType::ftTime, 1.5},
      {"0000-00-00 00:00:00", TFieldType::ftDateTime, std::nullopt},
      {"2024-00-10", TFieldType::ftDate, std::nullopt},
      {"2023-02-29", TFieldType::ftDate, std::nullopt},
      {"2024-02-29x", TFieldType::ftDate, std::nullopt},
      {"", TFieldType::ftDateTime, std::nullopt},
  };
  for (const DateCase& c : cases) {
    const std::optional<TDateTime> value = ParseServerDateTime(c.Text, c.Type);
    ASSERT_EQ(value.has_value(), c.Value.has_value()) << c.Text;
    if (value) {
      EXPECT_NEAR(*value, *c.Value, 1e-9) << c.Text;
    }
  }
}

TEST(ServerDateTimeTest, WritesTheServersText) {
  const TDateTime moment = EncodeDate(2024, 2, 29) + EncodeTime(13, 5, 9, 0);
  EXPECT_EQ(ServerDateTimeText(moment, TFieldType::ftDateTime), "2024-02-29 13:05:09");
  EXPECT_EQ(ServerDateTimeText(moment, TFieldType::ftDate), "2024-02-29");
  EXPECT_EQ(ServerDateTimeText(moment, TFieldType::ftTime), "13:05:09");
  EXPECT_EQ(ServerDateTimeText(moment + EncodeTime(0, 0, 0, 7), TFieldType::ftDateTime),
            "2024-02-29 13:05:09.007");
}

} // namespace
