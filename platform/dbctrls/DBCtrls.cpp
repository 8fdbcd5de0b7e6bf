#include "platform/dbctrls/DBCtrls.h"
