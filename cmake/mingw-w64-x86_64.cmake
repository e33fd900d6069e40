# Cross-compiling for 64-bit Windows from Debian with MinGW-w64 (packages:
# sh outils/installer-paquets.sh windows). The posix flavour of the compilers is
# the one whose C++ library has std::thread and std::mutex; everything is linked
# statically, so that the program needs no DLL beside it.
#
#   cmake -S . -B build-windows --toolchain cmake/mingw-w64-x86_64.cmake
#
# Programs built here run on Linux through CMAKE_CROSSCOMPILING_EMULATOR (wine,
# set by tests/Wine.cmake), which is how CTest runs the tests.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VESPERINE_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VESPERINE_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VESPERINE_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${VESPERINE_MINGW}-windres)

# Headers and libraries of the target only (zlib of libz-mingw-w64-dev is there);
# the tools of the build machine from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${VESPERINE_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# No DLL of the compiler's run-time (libstdc++, libgcc, winpthread), no symbols
# (-s: a third of the size), and no time
# stamp in the executable's header: two builds of the same sources give the same
# bytes.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -s -Wl,--no-insert-timestamp")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -Wl,--no-insert-timestamp")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static -Wl,--no-insert-timestamp")
