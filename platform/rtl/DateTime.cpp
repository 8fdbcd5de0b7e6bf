#include "platform/rtl/DateTime.h"
