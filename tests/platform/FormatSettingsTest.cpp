#include "tests/support/GTest.h"

#include "platform/rtl/FormatSettings.h"
