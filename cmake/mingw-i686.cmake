# Cross-builds the 32-bit Windows executables (x86, the original target) with Debian's MinGW-w64 compilers:
#   cmake -S . -B build-i686 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake
# 32-bit Windows code runs only where Wine's 32-bit loader (wine32, an i386 package) is installed and
# the processor runs 32-bit code; without it the tests fail to start rather than pass unrun.
set(MINGW_TRIPLE i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86)
set(MINGW_WINE_NAMES wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
