#include "tests/support/GTest.h"

#include "data/cxVariants.h"
