#include "tests/support/GTest.h"

#include "platform/rtl/StringLists.h"
