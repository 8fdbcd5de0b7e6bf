#include "tests/support/GTest.h"

#include "framework/cxGeometry.h"
