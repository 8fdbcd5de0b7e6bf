#include "tests/support/GTest.h"

#include "platform/rtl/WideText.h"

// The Turkish letters in code page 1254 and their UTF-16 code points.
TEST(WideText, ConvertsTurkishLettersBothWays) {
  const std::string ansi = "\xE7\xF0\xFD\xDD\xF6\xFE\xFC\xC7\xD0\x49\x69\xD6\xDE\xDC";
  const std::u16string wide = u"\u00E7\u011F\u0131\u0130\u00F6\u015F\u00FC"
                              u"\u00C7\u011EIi\u00D6\u015E\u00DC";
  EXPECT_EQ(AnsiToWide(ansi), wide);
  EXPECT_EQ(WideToAnsi(wide), ansi);
  EXPECT_EQ(WideToAnsi(WidePtr(wide)), ansi);
}

TEST(WideText, EmptyAndEmbeddedZero) {
  EXPECT_EQ(AnsiToWide(""), u"");
  EXPECT_EQ(WideToAnsi(static_cast<const WCHAR*>(nullptr)), "");
  EXPECT_EQ(AnsiToWide(std::string("a\0b", 3)), std::u16string(u"a\0b", 3));
}

// One character at a time, as key messages and password characters need:
// the same mapping as the text functions, '?' where there is none.
TEST(WideText, OneCharacterEachWay) {
  const std::string ansi = "\xE7\xF0\xFD\xDD\xF6\xFE\xFC\xC7\xD0\x49\x69\xD6\xDE\xDC*";
  const std::u16string wide = AnsiToWide(ansi);
  ASSERT_EQ(wide.size(), ansi.size());
  for (size_t i = 0; i < ansi.size(); ++i) {
    EXPECT_EQ(AnsiToWideChar(ansi[i]), wide[i]) << i;
    EXPECT_EQ(WideToAnsiChar(wide[i]), ansi[i]) << i;
    EXPECT_EQ(ExactAnsiChar(wide[i]), ansi[i]) << i;
  }
  EXPECT_EQ(AnsiToWideChar('\0'), u'\0');
  EXPECT_EQ(WideToAnsiChar(u'\u4E2D'), '?');
}

// Where a stand-in would be wrong (a letter's other case, a font's break
// character) the caller gets no byte instead of a substitute.
TEST(WideText, ExactCharacterHasNoSubstitutes) {
  EXPECT_EQ(ExactAnsiChar(u'?'), '?');
  EXPECT_EQ(ExactAnsiChar(u'\u4E2D'), std::nullopt);
  EXPECT_EQ(WideToAnsiChar(u'\u0101'), 'a') << "the closest byte";
  EXPECT_EQ(ExactAnsiChar(u'\u0101'), std::nullopt);
}
