#include "tests/support/GTest.h"

#include "platform/rtl/DateTime.h"
