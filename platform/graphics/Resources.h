// The program's own resources: the cursors, bitmaps and string tables the
// build compiles into it (resources/, see cmake/WinelibResources.cmake).
// Bitmaps and icons load through TBitmap and TIcon (LoadFromResourceName).
#pragma once

#include <string>

#include "platform/rtl/WinApi.h"

// The module whose resources the library reads: the program.
HINSTANCE MainInstance();

// A cursor resource by name (Windows-1254), at the system's cursor size. The
// caller owns it (DestroyCursor). EResNotFound "Resource <name> not found".
HCURSOR LoadCursorResource(HINSTANCE instance, const std::string& name);

// A string of a string table, converted to Windows-1254; empty when the
// table has no such string.
std::string LoadStr(HINSTANCE instance, int id);
