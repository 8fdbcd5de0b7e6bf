#include "tests/support/GTest.h"

#include "platform/rtl/NumberText.h"
