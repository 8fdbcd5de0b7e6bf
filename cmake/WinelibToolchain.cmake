# Builds every program as a Win32 program with Wine's winelib compiler drivers.
# The programs run on Linux through the Wine loader (see scripts/env).
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_C_COMPILER winegcc)
set(CMAKE_CXX_COMPILER wineg++)

# CMake cannot probe wineg++'s ABI; without these, imported targets add the
# system include directory with -isystem and break #include_next.
set(CMAKE_LIBRARY_ARCHITECTURE x86_64-linux-gnu)
set(CMAKE_C_IMPLICIT_INCLUDE_DIRECTORIES /usr/include /usr/include/x86_64-linux-gnu)
set(CMAKE_CXX_IMPLICIT_INCLUDE_DIRECTORIES /usr/include /usr/include/x86_64-linux-gnu)
