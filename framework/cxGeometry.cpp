#include "framework/cxGeometry.h"
