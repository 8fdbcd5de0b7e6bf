// The library's class foundations: persistent and component bases, class
// registries, the resource-string repository, object links,
// most-recently-used lists, proportional widths and small shared services.
// The pieces live in the cxClasses* headers included here.
#pragma once

#include "platform/rtl/UnitStartup.h"

#include "framework/cxClassesAutoWidth.h"
#include "framework/cxClassesLinks.h"
#include "framework/cxClassesMRU.h"
#include "framework/cxClassesResources.h"
#include "framework/cxClassesUtils.h"

// Start-up and shut-down of the unit: shut-down frees the resource-string replacements.
extern const TUnitInfo cxClassesUnit;
