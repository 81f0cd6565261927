# 32-bit Windows, as the system first was: built, not run (wine64 runs 64-bit only).
set(DEALMINT_MINGW_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
