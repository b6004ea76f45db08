# The part the MinGW-w64 toolchain files share; they set MINGW_TRIPLE, CMAKE_SYSTEM_PROCESSOR and
# MINGW_WINE_NAMES (the Wine loader that runs their executables) before including it.
# The -posix compiler variants, because GoogleTest needs the C++ thread support the -win32 ones lack;
# linked -static, so the executables need no MinGW run-time DLLs beside them.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_TRIPLE}-windres)
set(CMAKE_OBJDUMP ${MINGW_TRIPLE}-objdump CACHE FILEPATH "objdump for the Windows executables")

set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Debian installs wine64 in /usr/lib/wine, outside PATH.
find_program(CPUTYPE_WINE NAMES ${MINGW_WINE_NAMES} PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(CPUTYPE_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CPUTYPE_WINE})
endif()
