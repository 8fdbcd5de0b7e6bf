// The one way our code includes the Win32 headers.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

// The headers map these names to their A or W functions by macro, which would
// rename the class library's own members of the same names (a canvas's
// DrawText and TextOut, a string list's GetObject, the class registry's
// RegisterClass). Our code calls the W functions by their full names.
#undef DrawText
#undef TextOut
#undef GetObject
#undef MessageBox
#undef LoadBitmap
#undef LoadCursor
#undef LoadIcon
#undef GetClassName
#undef CreateFont
#undef FindResource
#undef RegisterClass
#undef UnregisterClass
#undef SetPort
