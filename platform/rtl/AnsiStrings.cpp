#include "platform/rtl/AnsiStrings.h"
