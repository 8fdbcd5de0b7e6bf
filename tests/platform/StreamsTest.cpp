#include "tests/support/GTest.h"

#include "platform/rtl/Streams.h"
