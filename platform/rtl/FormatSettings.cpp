#include "platform/rtl/FormatSettings.h"
