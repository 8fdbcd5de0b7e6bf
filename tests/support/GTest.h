// GoogleTest, read with the Windows target macros hidden (it is a Linux
// library; see platform/host/BeginHostHeaders.h).
#pragma once

#include "platform/host/BeginHostHeaders.h"
#include <gtest/gtest.h>
#include "platform/host/EndHostHeaders.h"
