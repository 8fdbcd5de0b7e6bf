#include "tests/support/GTest.h"

#include "platform/rtl/AnsiStrings.h"
