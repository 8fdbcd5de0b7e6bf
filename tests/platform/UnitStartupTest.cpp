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

// A list made on the stack goes before the units stop: the start-up keeps
// its own copies.
TEST(UnitStartup, KeepsUnitsStartedFromAListThatIsGone) {
  g_log.clear();
  TUnitStartup startup;
  auto startCopies = [&startup] {
    const TUnitInfo copies[] = {kUnits[0], kUnits[2]};
    startup.Start(copies);
  };
  startCopies();
  startCopies();
  startup.Start(kUnits);
  EXPECT_EQ(g_log, "+A+C+B") << "a copy counts as the unit itself";
  startup.Stop();
  EXPECT_EQ(g_log, "+A+C+B-C-A");
}
