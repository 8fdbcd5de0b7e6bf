#include "data/cxLike.h"

bool LikeStr(std::string_view text, std::string_view pattern, char percent, char underscore) {
  // Greedy matching that remembers only the last percent: when a later part
  // fails, that percent takes one more character and matching resumes after
  // it. An earlier percent never needs to take more, because the last one can
  // absorb whatever it would have, so the answers are those of a full
  // backtracking search at a cost linear in practice.
  constexpr std::size_t kNone = std::string_view::npos;
  std::size_t t = 0;
  std::size_t p = 0;
  std::size_t afterPercent = kNone;
  std::size_t resumeText = 0;
  while (t < text.size()) {
    if (p < pattern.size() && pattern[p] == percent) {
      afterPercent = ++p;
      resumeText = t;
    } else if (p < pattern.size() && (pattern[p] == underscore || pattern[p] == text[t])) {
      ++p;
      ++t;
    } else if (afterPercent != kNone) {
      p = afterPercent;
      t = ++resumeText;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == percent)
    ++p;
  return p == pattern.size();
}

namespace {

void CollapsePercentRuns(std::string& pattern, char percent) {
  std::string collapsed;
  collapsed.reserve(pattern.size());
  for (char c : pattern)
    if (c != percent || collapsed.empty() || collapsed.back() != percent)
      collapsed.push_back(c);
  pattern = std::move(collapsed);
}

} // namespace

using cxLike::TcxFilterLikeOperator;

cxLike::TcxFilterLikeOperator LikeOperatorByPattern(std::string& pattern, char percent) {
  CollapsePercentRuns(pattern, percent);
  if (pattern.size() < 2)
    return TcxFilterLikeOperator::floLike;
  const bool leading = pattern.front() == percent;
  const bool trailing = pattern.back() == percent;
  if (leading)
    pattern.erase(0, 1);
  if (trailing)
    pattern.pop_back();
  if (leading && trailing)
    return TcxFilterLikeOperator::floContains;
  if (leading)
    return TcxFilterLikeOperator::floEndsWith;
  if (trailing)
    return TcxFilterLikeOperator::floBeginsWith;
  return TcxFilterLikeOperator::floLike;
}
