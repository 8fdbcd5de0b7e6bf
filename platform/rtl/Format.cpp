#include "platform/rtl/Format.h"
