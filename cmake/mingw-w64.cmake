# Cross-compiles a Windows program with Debian's mingw-w64 for the target
# TAVROLIN_MINGW_TARGET names, in the variant with POSIX threads: GoogleTest
# needs std::mutex. Included by the toolchain file of each target.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${TAVROLIN_MINGW_PROCESSOR})

set(CMAKE_C_COMPILER ${TAVROLIN_MINGW_TARGET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TAVROLIN_MINGW_TARGET}-g++-posix)
set(CMAKE_RC_COMPILER ${TAVROLIN_MINGW_TARGET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TAVROLIN_MINGW_TARGET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Tests run under wine; tests/win32/wine-prefix.sh makes "wine" the one that
# runs this target's programs.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
