// Include before a Linux library's header (GoogleTest, the MySQL client) and
// include EndHostHeaders.h after it. Under winelib the compiler announces a
// Windows target and gives __cdecl the Microsoft calling convention; Linux
// headers read that way pick Windows code paths or call the library with the
// wrong ABI. This hides those macros while the header is read.
// Deliberately without an include guard: it is used once per host header.
#ifdef __WINE__
#pragma push_macro("_WIN32")
#pragma push_macro("_WIN64")
#pragma push_macro("WIN32")
#pragma push_macro("WIN64")
#pragma push_macro("__WIN32__")
#pragma push_macro("__WIN64__")
#pragma push_macro("__WINNT__")
#pragma push_macro("__WINNT")
#pragma push_macro("__WIN32")
#pragma push_macro("__WIN64")
#pragma push_macro("__cdecl")
#pragma push_macro("_cdecl")
#pragma push_macro("__stdcall")
#pragma push_macro("_stdcall")
#undef _WIN32
#undef _WIN64
#undef WIN32
#undef WIN64
#undef __WIN32__
#undef __WIN64__
#undef __WINNT__
#undef __WINNT
#undef __WIN32
#undef __WIN64
#undef __cdecl
#undef _cdecl
#undef __stdcall
#undef _stdcall
#define __cdecl
#define _cdecl
#define __stdcall
#define _stdcall
#endif
