# A 64-bit build of the same Windows program: the stand-in tested under 64-bit
# wine on machines whose kernel runs no 32-bit code.
set(TAVROLIN_MINGW_TARGET x86_64-w64-mingw32)
set(TAVROLIN_MINGW_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
