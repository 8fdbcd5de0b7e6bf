#include "platform/comctrls/ComCtrls.h"
