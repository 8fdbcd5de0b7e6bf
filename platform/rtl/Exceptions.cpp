#include "platform/rtl/Exceptions.h"

#include <climits>

namespace {

constexpr const char* kDivByZero = "Division by zero";
constexpr const char* kIntOverflow = "Integer overflow";

template <typename Int>
void CheckDivision(Int dividend, Int divisor, Int minimum) {
  if (divisor == 0)
    throw EDivByZero(kDivByZero);
  if (dividend == minimum && divisor == -1)
    throw EIntOverflow(kIntOverflow);
}

} // namespace

void Abort() { throw EAbort("Operation aborted"); }

int Div(int dividend, int divisor) {
  CheckDivision(dividend, divisor, INT_MIN);
  return dividend / divisor;
}

int Mod(int dividend, int divisor) {
  CheckDivision(dividend, divisor, INT_MIN);
  return dividend % divisor;
}

long long Div64(long long dividend, long long divisor) {
  CheckDivision(dividend, divisor, LLONG_MIN);
  return dividend / divisor;
}

long long Mod64(long long dividend, long long divisor) {
  CheckDivision(dividend, divisor, LLONG_MIN);
  return dividend % divisor;
}
