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

# Tests run under wine, each in a display and a wine prefix of its own, or
# in the prefix of a whole suite run inside tests/win32/wine-prefix.sh, which
# also makes "wine" the one that runs this target's programs.
get_filename_component(tavrolin_tests ${CMAKE_CURRENT_LIST_DIR}/../tests ABSOLUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${tavrolin_tests}/e2e/with-display.sh ${tavrolin_tests}/win32/wine-prefix.sh wine)
