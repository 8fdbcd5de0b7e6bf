#include "framework/cxClasses.h"

namespace {

void Finalize() { cxFreeResourceStringRepository(); }

} // namespace

const TUnitInfo cxClassesUnit{"cxClasses", nullptr, Finalize};
