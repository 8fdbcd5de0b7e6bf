#include "tests/support/GTest.h"

#include "platform/rtl/Format.h"
