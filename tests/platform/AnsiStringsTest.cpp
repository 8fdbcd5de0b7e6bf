#include "tests/support/GTest.h"

#include "platform/rtl/AnsiStrings.h"

// Code page 1254 bytes of the Turkish letters.
namespace tr {
constexpr const char* lower = "\xE7\xF0\xFD" "i" "\xF6\xFE\xFC";  // ç ğ ı i ö ş ü
constexpr const char* upper = "\xC7\xD0" "I" "\xDD\xD6\xDE\xDC";  // Ç Ğ I İ Ö Ş Ü
} // namespace tr

// The tests run under the Turkish locale (scripts/env.sh).
TEST(AnsiCasing, FollowsTurkishRules) {
  EXPECT_EQ(AnsiUpperCase(tr::lower), tr::upper);
  EXPECT_EQ(AnsiLowerCase(tr::upper), tr::lower);
  EXPECT_EQ(AnsiUpperCase("istanbul"), "\xDDSTANBUL");
  EXPECT_EQ(AnsiLowerCase("IRMAK"), "\xFDrmak");
}

TEST(AnsiCasing, KeepsCharactersWithoutACounterpartInTheCodePage) {
  EXPECT_EQ(AnsiUpperCase("\xB5" "a"), "\xB5" "A");  // micro sign
  EXPECT_EQ(AnsiUpperCase(std::string("a\0b", 3)), std::string("A\0B", 3));
}

TEST(AnsiCasing, SameTextPairsTheTurkishIs) {
  EXPECT_TRUE(AnsiSameText("i\xFD\xFE\xF0", "\xDDI\xDE\xD0"));  // iışğ, İIŞĞ
  EXPECT_FALSE(AnsiSameText("i", "I"));
  EXPECT_FALSE(AnsiSameText("\xFD", "\xDD"));  // ı, İ
  EXPECT_FALSE(AnsiSameText("a", "ab"));
}

TEST(AsciiCasing, NeverFoldsTurkishLetters) {
  EXPECT_EQ(UpperCase("istanbul \xFD\xE7"), "ISTANBUL \xFD\xE7");
  EXPECT_EQ(LowerCase("IRMAK \xDD"), "irmak \xDD");
  EXPECT_TRUE(SameText("TcxTextEdit", "TCXTEXTEDIT"));
  EXPECT_FALSE(SameText("i", "\xDD"));
}

TEST(Comparison, OrdinalAndLocale) {
  struct Case { const char* a; const char* b; int sign; };
  const Case ordinal[] = {{"abc", "abd", -1}, {"b", "a", 1}, {"ab", "abc", -1}, {"", "", 0}};
  for (const Case& c : ordinal) {
    const int result = CompareStr(c.a, c.b);
    EXPECT_EQ((result > 0) - (result < 0), c.sign) << c.a << " vs " << c.b;
  }
  EXPECT_EQ(CompareText("ABC", "abc"), 0);
  EXPECT_EQ(CompareStr("a", "b"), 'a' - 'b');

  EXPECT_LT(AnsiCompareStr("\xE7" "a", "d"), 0);  // ç sorts before d in Turkish
  EXPECT_GT(AnsiCompareStr("\xFC", "u"), 0);      // ü after u
  EXPECT_EQ(AnsiCompareText("\xC7" "A\xD0" "\xDE", "\xE7" "a\xF0\xFE"), 0);  // ÇAĞŞ, çağş
  EXPECT_TRUE(AnsiSameStr("abc", "abc"));
  EXPECT_FALSE(AnsiSameStr("abc", "ABC"));
}

TEST(Trimming, RemovesBlanksAndControlCharacters) {
  EXPECT_EQ(Trim(" \t\r\n a b \x01"), "a b");
  EXPECT_EQ(TrimLeft("  a "), "a ");
  EXPECT_EQ(TrimRight("  a "), "  a");
  EXPECT_EQ(Trim("   "), "");
  EXPECT_EQ(Trim("\xDD "), "\xDD");  // bytes above 127 are not blanks
}

TEST(Quoting, RoundTrips) {
  struct Case { const char* plain; const char* quoted; };
  const Case cases[] = {{"", "''"}, {"abc", "'abc'"}, {"it's", "'it''s'"}, {"''", "''''''"}};
  for (const Case& c : cases) {
    EXPECT_EQ(QuotedStr(c.plain), c.quoted);
    EXPECT_EQ(AnsiDequotedStr(c.quoted, '\''), c.plain);
  }
  EXPECT_EQ(AnsiQuotedStr("a\"b", '"'), "\"a\"\"b\"");
  EXPECT_EQ(AnsiDequotedStr("plain", '\''), "plain");
  EXPECT_EQ(AnsiDequotedStr("'open", '\''), "'open");
  EXPECT_EQ(AnsiDequotedStr("'a'b", '\''), "a");
}

TEST(StringReplace, OnceAllAndIgnoringCase) {
  using F = TReplaceFlag;
  EXPECT_EQ(StringReplace("a-b-c", "-", "+", {}), "a+b-c");
  EXPECT_EQ(StringReplace("a-b-c", "-", "+", {F::rfReplaceAll}), "a+b+c");
  EXPECT_EQ(StringReplace("Xx-xX", "xx", "y", {F::rfReplaceAll, F::rfIgnoreCase}), "y-y");
  EXPECT_EQ(StringReplace("\xDDz", "iZ", "-", {F::rfIgnoreCase}), "-");
  EXPECT_EQ(StringReplace("abc", "", "x", {F::rfReplaceAll}), "abc");
  EXPECT_EQ(StringReplace("aaa", "a", "aa", {F::rfReplaceAll}), "aaaaaa");
}

TEST(Pos, IsOneBased) {
  EXPECT_EQ(Pos("b", "abc"), 2);
  EXPECT_EQ(Pos("x", "abc"), 0);
  EXPECT_EQ(Pos("", "abc"), 0);
}

TEST(IsValidIdent, AcceptsPascalIdentifiersOnly) {
  for (const char* good : {"a", "_", "Edit1", "_x_2"})
    EXPECT_TRUE(IsValidIdent(good)) << good;
  for (const char* bad : {"", "1a", "a b", "a-b", "\xE7" "a", "a."})
    EXPECT_FALSE(IsValidIdent(bad)) << bad;
}
