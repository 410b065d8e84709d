# The 32-bit Windows program: the one shipped to school PCs.
set(TAVROLIN_MINGW_TARGET i686-w64-mingw32)
set(TAVROLIN_MINGW_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
