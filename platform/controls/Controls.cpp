#include "platform/controls/Controls.h"
