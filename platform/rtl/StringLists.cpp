#include "platform/rtl/StringLists.h"
