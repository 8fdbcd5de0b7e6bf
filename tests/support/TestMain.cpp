// Entry point of every test program: starts the units the way the program
// does, runs the tests, stops the units.
#include "tests/support/GTest.h"

#include "platform/rtl/RtlUnits.h"
#include "platform/rtl/UnitStartup.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  ProgramUnits().Start(RtlUnits());
  const int result = RUN_ALL_TESTS();
  ProgramUnits().Stop();
  return result;
}
