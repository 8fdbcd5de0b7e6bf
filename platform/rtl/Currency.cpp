#include "platform/rtl/Currency.h"
