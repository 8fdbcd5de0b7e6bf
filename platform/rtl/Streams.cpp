#include "platform/rtl/Streams.h"
