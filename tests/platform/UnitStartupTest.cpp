#include "tests/support/GTest.h"

#include <string>

#include "platform/rtl/UnitStartup.h"

namespace {

std::string g_log;

const TUnitInfo kUnits[] = {
    {"A", [] { g_log += "+A"; }, [] { g_log += "-A"; }},
    {"B", [] { g_log += "+B"; }, nullptr},
    {"C", [] { g_log += "+C"; }, [] { g_log += "-C"; }},
};

} // namespace

TEST(UnitStartup, StartsInOrderStopsInReverseAndStartsEachOnce) {
  g_log.clear();
  TUnitStartup startup;
  startup.Start(kUnits);
  startup.Start(kUnits);
  EXPECT_EQ(g_log, "+A+B+C");
  startup.Stop();
  EXPECT_EQ(g_log, "+A+B+C-C-A");
}
