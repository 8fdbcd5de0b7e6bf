#include "tests/support/GTest.h"

#include "platform/rtl/Lists.h"
