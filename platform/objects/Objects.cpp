#include "platform/objects/Objects.h"
