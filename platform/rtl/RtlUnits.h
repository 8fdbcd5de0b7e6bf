// The run-time's own units, first in every program's start order.
#pragma once

#include <span>

#include "platform/rtl/UnitStartup.h"

std::span<const TUnitInfo> RtlUnits();
