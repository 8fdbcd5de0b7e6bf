#include "platform/rtl/Lists.h"
