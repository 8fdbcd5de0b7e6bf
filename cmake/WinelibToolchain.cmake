# Builds every program as a Win32 program with Wine's winelib compiler drivers.
# The programs run on Linux through the Wine loader (see scripts/env).
set(CMAKE_SYSTEM_NAME Linux)

# Debian's wine64-tools puts the drivers in /usr/lib/wine and, on the PATH,
# only under the names with a -stable suffix.
set(WINELIB_TOOL_PATHS /usr/lib/wine /usr/lib64/wine /usr/bin)
find_program(WINELIB_C_COMPILER NAMES winegcc winegcc-stable PATHS ${WINELIB_TOOL_PATHS} REQUIRED)
find_program(WINELIB_CXX_COMPILER NAMES wineg++ wineg++-stable PATHS ${WINELIB_TOOL_PATHS} REQUIRED)
set(CMAKE_C_COMPILER ${WINELIB_C_COMPILER})
set(CMAKE_CXX_COMPILER ${WINELIB_CXX_COMPILER})

# CMake cannot probe wineg++'s ABI; without these, imported targets add the
# system include directory with -isystem and break #include_next.
set(CMAKE_LIBRARY_ARCHITECTURE x86_64-linux-gnu)
set(CMAKE_C_IMPLICIT_INCLUDE_DIRECTORIES /usr/include /usr/include/x86_64-linux-gnu)
set(CMAKE_CXX_IMPLICIT_INCLUDE_DIRECTORIES /usr/include /usr/include/x86_64-linux-gnu)
