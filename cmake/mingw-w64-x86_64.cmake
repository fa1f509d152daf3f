# Cross-builds for 64-bit Windows with Debian's MinGW-w64 (posix threads).
# Programs link statically, so they need no MinGW DLLs beside them; ctest runs
# them through Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
# The libraries built for Windows (wxWidgets, GoogleTest, the JSON headers)
# live outside the MinGW root; build-windows names them in
# MENULARK_CROSS_PREFIXES (';'-separated) so that finds may look inside them.
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 $ENV{MENULARK_CROSS_PREFIXES})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
