#include "platform/graphics/Graphics.h"
