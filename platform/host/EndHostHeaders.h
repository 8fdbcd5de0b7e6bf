// Restores the Windows target macros hidden by BeginHostHeaders.h.
#ifdef __WINE__
#pragma pop_macro("_stdcall")
#pragma pop_macro("__stdcall")
#pragma pop_macro("_cdecl")
#pragma pop_macro("__cdecl")
#pragma pop_macro("__WIN64")
#pragma pop_macro("__WIN32")
#pragma pop_macro("__WINNT")
#pragma pop_macro("__WINNT__")
#pragma pop_macro("__WIN64__")
#pragma pop_macro("__WIN32__")
#pragma pop_macro("WIN64")
#pragma pop_macro("WIN32")
#pragma pop_macro("_WIN64")
#pragma pop_macro("_WIN32")
#endif
