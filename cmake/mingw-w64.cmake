# Cross-building the Windows programs on Debian with mingw-w64's posix-threads compiler
# for DEALMINT_MINGW_ARCH (the win32 variant has no std::thread, which libdds needs).
# Programs are linked statically, so they need only the system's DLLs; tests run under
# wine. Included by the toolchain files of each architecture.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${DEALMINT_MINGW_ARCH})
set(CMAKE_C_COMPILER ${DEALMINT_MINGW_ARCH}-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER ${DEALMINT_MINGW_ARCH}-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER ${DEALMINT_MINGW_ARCH}-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${DEALMINT_MINGW_ARCH}-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT -s)
find_program(DEALMINT_WINE NAMES wine wine64)
if(DEALMINT_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${DEALMINT_WINE})
endif()
