#include "platform/db/Database.h"
