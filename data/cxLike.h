// LIKE matching for the filter's LIKE and NOT LIKE conditions, and the
// classification of a pattern as "begins with", "ends with", "contains" or a
// general LIKE, which the conditions' captions use.
//
// Both routines work on 8-bit text and take the wildcard characters as
// arguments; there is no escape character.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The kinds of LIKE pattern. The unit's name qualifies the enumeration, as
// the filter's LIKE operator class carries the same name.
namespace cxLike {
enum class TcxFilterLikeOperator : std::uint8_t {
  floLike,
  floBeginsWith,
  floEndsWith,
  floContains,
};
} // namespace cxLike

// True when the whole text matches the whole pattern. Characters compare as
// bytes, case-sensitively; 'percent' matches any run of characters (also an
// empty one) and 'underscore' exactly one character.
bool LikeStr(std::string_view text, std::string_view pattern, char percent = '%',
             char underscore = '_');

// Collapses every run of percent characters in 'pattern' to one, then strips
// a leading and a trailing percent (when the collapsed pattern has at least
// two characters) and answers what they meant: floBeginsWith for a trailing
// one, floEndsWith for a leading one, floContains for both, floLike for none.
cxLike::TcxFilterLikeOperator LikeOperatorByPattern(std::string& pattern, char percent = '%');
