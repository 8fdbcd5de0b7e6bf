// The windowing units' start-up: the screen, the mouse and the application
// object are made when they start and freed, forms first, when they stop.
#pragma once

#include <span>

#include "platform/rtl/UnitStartup.h"

std::span<const TUnitInfo> ControlsUnits();
