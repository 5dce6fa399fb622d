# Cross build for 64-bit Windows with Debian's mingw-w64 (the "posix" thread variant, which
# std::thread and std::mutex need):
#   cmake -S . -B build/windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(MORVIK_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${MORVIK_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MORVIK_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${MORVIK_MINGW_TRIPLE}-windres)

# Libraries and headers (zlib) come from the mingw-w64 tree only; programs from the build host.
set(CMAKE_FIND_ROOT_PATH /usr/${MORVIK_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The test programs run under Wine on the build host.
find_program(MORVIK_WINE wine)
if(MORVIK_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${MORVIK_WINE})
endif()
