#include "platform/rtl/RtlUnits.h"

namespace {

const TUnitInfo kRtlUnits[] = {
    {"System", nullptr, nullptr},
};

} // namespace

std::span<const TUnitInfo> RtlUnits() { return kRtlUnits; }
