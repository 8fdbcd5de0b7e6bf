#include "tests/support/GTest.h"

#include "platform/rtl/Variants.h"
