#include "platform/rtl/UnitStartup.h"

#include <algorithm>

void TUnitStartup::Start(std::span<const TUnitInfo> units) {
  for (const TUnitInfo& unit : units) {
    if (IsStarted(unit))
      continue;
    if (unit.Initialization)
      unit.Initialization();
    m_started.push_back(&unit);
  }
}

void TUnitStartup::Stop() {
  while (!m_started.empty()) {
    const TUnitInfo* unit = m_started.back();
    m_started.pop_back();
    if (unit->Finalization)
      unit->Finalization();
  }
}

bool TUnitStartup::IsStarted(const TUnitInfo& unit) const {
  return std::find(m_started.begin(), m_started.end(), &unit) != m_started.end();
}

TUnitStartup& ProgramUnits() {
  static TUnitStartup units;
  return units;
}
