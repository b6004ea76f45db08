# Cross-builds the 32-bit Windows executables (x86, the original target) with Debian's MinGW-w64 compilers:
#   cmake -S . -B build-i686 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake
# The -posix compiler variants, because GoogleTest needs the C++ thread support the -win32 ones lack;
# linked -static, so the executables need no MinGW run-time DLLs beside them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)

set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)
set(CMAKE_OBJDUMP i686-w64-mingw32-objdump CACHE FILEPATH "objdump for the Windows executables")

set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# 32-bit Windows code runs only where Wine's 32-bit loader (wine32, an i386 package) is installed and
# the processor runs 32-bit code; without it the tests fail to start rather than pass unrun.
find_program(CPUTYPE_WINE NAMES wine)
if(CPUTYPE_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CPUTYPE_WINE})
endif()
