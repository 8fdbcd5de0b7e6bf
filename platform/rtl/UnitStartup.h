// Start-up and shut-down of the modules. Each module that needs set-up names
// an initialisation and a finalisation routine; the program's entry point and
// the test harness run them in one explicit order, and the finalisations in
// the reverse order. Nothing runs in global constructors.
#pragma once

#include <span>
#include <vector>

struct TUnitInfo {
  const char* Name;
  void (*Initialization)();
  void (*Finalization)();
};

// Keeps copies of the units it started, so a caller may pass a list that goes
// out of scope; a unit is known by its name and routines, not its address.
class TUnitStartup {
public:
  // Runs each unit's initialisation in order; units already started are skipped.
  void Start(std::span<const TUnitInfo> units);
  // Runs the finalisations of the started units, last started first.
  void Stop();

private:
  bool IsStarted(const TUnitInfo& unit) const;

  std::vector<TUnitInfo> m_started;
};

// The program's own start-up, used by its entry point and the test harness.
TUnitStartup& ProgramUnits();
