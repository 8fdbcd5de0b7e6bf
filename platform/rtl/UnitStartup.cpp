#include "platform/rtl/UnitStartup.h"

#include <algorithm>
#include <cstring>

void TUnitStartup::Start(std::span<const TUnitInfo> units) {
  for (const TUnitInfo& unit : units) {
    if (IsStarted(unit))
      continue;
    if (unit.Initialization)
      unit.Initialization();
    m_started.push_back(unit);
  }
}

void TUnitStartup::Stop() {
  while (!m_started.empty()) {
    const TUnitInfo unit = m_started.back();
    m_started.pop_back();
    if (unit.Finalization)
      unit.Finalization();
  }
}

bool TUnitStartup::IsStarted(const TUnitInfo& unit) const {
  return std::any_of(m_started.begin(), m_started.end(), [&unit](const TUnitInfo& started) {
    return started.Initialization == unit.Initialization &&
           started.Finalization == unit.Finalization && std::strcmp(started.Name, unit.Name) == 0;
  });
}

TUnitStartup& ProgramUnits() {
  static TUnitStartup units;
  return units;
}
