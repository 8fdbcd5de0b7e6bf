#include "tests/support/GTest.h"

#include <string>
#include <vector>

#include "data/cxLike.h"

namespace {

using cxLike::TcxFilterLikeOperator;

struct TLikeCase {
  const char* Text;
  const char* Pattern;
  bool Matches;
};

const TLikeCase kLikeCases[] = {
    {"abc", "a%", true},      {"abc", "%c", true},      {"abc", "%b%", true},
    {"abc", "a_c", true},     {"abc", "a_", false},     {"abc", "ABC", false},
    {"", "%", true},          {"", "_", false},         {"", "", true},
    {"a", "", false},         {"ab", "ab%%", true},     {"ab", "a%%b", true},
    {"ab", "ab%_", false},    {"a%b", "a%b", true},     {"axb", "a%b", true},
    {"abc", "abc", true},     {"abc", "ab", false},     {"ab", "abc", false},
    {"abcabc", "%abc", true}, {"abcab", "%abc", false}, {"aaa", "%a%a%a%", true},
    {"aa", "%a%a%a%", false}, {"_x", "\\_x", false},    {"\xFE" "ehir", "_ehir", true},
    {"Ankara", "%kar%", true}, {"Ankara", "%KAR%", false},
};

TEST(LikeStrTest, AnswersTheTableOfCases) {
  for (const TLikeCase& c : kLikeCases)
    EXPECT_EQ(c.Matches, LikeStr(c.Text, c.Pattern)) << c.Text << " LIKE " << c.Pattern;
}

TEST(LikeStrTest, UsesTheWildcardsItIsGiven) {
  EXPECT_TRUE(LikeStr("abc", "a*", '*', '?'));
  EXPECT_TRUE(LikeStr("abc", "?b?", '*', '?'));
  EXPECT_FALSE(LikeStr("abc", "a%", '*', '?'));
  EXPECT_TRUE(LikeStr("a%", "a%", '*', '?'));
}

// The matcher as a plain backtracking search over every split, which is the
// rule the fast matcher must answer exactly like.
bool ReferenceLike(const std::string& text, std::size_t t, const std::string& pattern,
                   std::size_t p) {
  if (p == pattern.size())
    return t == text.size();
  if (pattern[p] == '%') {
    for (std::size_t next = t; next <= text.size(); ++next)
      if (ReferenceLike(text, next, pattern, p + 1))
        return true;
    return false;
  }
  if (t == text.size())
    return false;
  return (pattern[p] == '_' || pattern[p] == text[t]) && ReferenceLike(text, t + 1, pattern, p + 1);
}

std::vector<std::string> AllWords(const std::string& alphabet, std::size_t maxLength) {
  std::vector<std::string> words{""};
  for (std::size_t start = 0; start < words.size(); ++start)
    if (words[start].size() < maxLength)
      for (char c : alphabet)
        words.push_back(words[start] + c);
  return words;
}

TEST(LikeStrTest, AgreesWithFullBacktrackingOnEverySmallTextAndPattern) {
  const std::vector<std::string> texts = AllWords("ab%", 5);
  const std::vector<std::string> patterns = AllWords("ab%_", 5);
  int mismatches = 0;
  for (const std::string& pattern : patterns)
    for (const std::string& text : texts)
      if (LikeStr(text, pattern) != ReferenceLike(text, 0, pattern, 0) && ++mismatches <= 5)
        ADD_FAILURE() << "'" << text << "' LIKE '" << pattern << "'";
  EXPECT_EQ(0, mismatches);
}

TEST(LikeStrTest, ManyPercentsOnALongTextThatDoesNotMatchFinish) {
  // A full backtracking search would take on the order of 10^40 steps here.
  const std::string text(2000, 'a');
  const std::string pattern = "%a%a%a%a%a%a%a%a%a%a%a%a%a%a%a%a%a%a%a%a%b";
  EXPECT_FALSE(LikeStr(text, pattern));
  EXPECT_TRUE(LikeStr(text + "b", pattern));
}

struct TPatternCase {
  const char* Pattern;
  TcxFilterLikeOperator Kind;
  const char* Rewritten;
};

const TPatternCase kPatternCases[] = {
    {"abc%", TcxFilterLikeOperator::floBeginsWith, "abc"},
    {"%abc", TcxFilterLikeOperator::floEndsWith, "abc"},
    {"%%abc%%%", TcxFilterLikeOperator::floContains, "abc"},
    {"%", TcxFilterLikeOperator::floLike, "%"},
    {"%%", TcxFilterLikeOperator::floLike, "%"},
    {"a", TcxFilterLikeOperator::floLike, "a"},
    {"", TcxFilterLikeOperator::floLike, ""},
    {"a_b%", TcxFilterLikeOperator::floBeginsWith, "a_b"},
    {"a%%b", TcxFilterLikeOperator::floLike, "a%b"},
    {"%a%", TcxFilterLikeOperator::floContains, "a"},
    {"%a", TcxFilterLikeOperator::floEndsWith, "a"},
    {"a_c", TcxFilterLikeOperator::floLike, "a_c"},
};

TEST(LikeOperatorByPatternTest, ClassifiesAndRewritesTheTableOfPatterns) {
  for (const TPatternCase& c : kPatternCases) {
    std::string pattern = c.Pattern;
    EXPECT_EQ(c.Kind, LikeOperatorByPattern(pattern)) << c.Pattern;
    EXPECT_EQ(c.Rewritten, pattern) << c.Pattern;
  }
}

TEST(LikeOperatorByPatternTest, UsesThePercentCharacterItIsGiven) {
  std::string pattern = "**ab%*";
  EXPECT_EQ(TcxFilterLikeOperator::floContains, LikeOperatorByPattern(pattern, '*'));
  EXPECT_EQ("ab%", pattern);
}

} // namespace
