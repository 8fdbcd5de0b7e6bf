#include "platform/rtl/RtlUnits.h"

#include "platform/rtl/FormatSettings.h"

namespace {

const TUnitInfo kRtlUnits[] = {
    {"SysUtils", GetFormatSettings, nullptr},
};

} // namespace

std::span<const TUnitInfo> RtlUnits() { return kRtlUnits; }
