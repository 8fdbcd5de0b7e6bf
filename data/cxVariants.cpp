#include "data/cxVariants.h"
