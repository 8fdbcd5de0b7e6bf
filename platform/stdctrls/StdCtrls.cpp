#include "platform/stdctrls/StdCtrls.h"
