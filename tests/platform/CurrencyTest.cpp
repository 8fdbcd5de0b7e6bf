#include "tests/support/GTest.h"

#include "platform/rtl/Currency.h"
