#include "platform/rtl/NumberText.h"
