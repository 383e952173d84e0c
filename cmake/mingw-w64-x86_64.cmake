# Cross-building the Windows tabelsmid.exe on Linux with MinGW-w64
# (Debian: apt-get install g++-mingw-w64-x86-64). With Wine installed
# (Debian: wine64), CTest runs the Windows build's tests under it:
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
#   cmake --build build-windows && ctest --test-dir build-windows
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw_prefix x86_64-w64-mingw32)
# The POSIX threading flavour, where installed, has std::mutex, which
# GoogleTest needs; the tool itself uses no threads either way.
find_program(mingw_cxx NAMES ${mingw_prefix}-g++-posix ${mingw_prefix}-g++ REQUIRED)
find_program(mingw_cc NAMES ${mingw_prefix}-gcc-posix ${mingw_prefix}-gcc REQUIRED)
set(CMAKE_C_COMPILER ${mingw_cc})
set(CMAKE_CXX_COMPILER ${mingw_cxx})
set(CMAKE_RC_COMPILER ${mingw_prefix}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${mingw_prefix})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

find_program(TABELSMID_WINE NAMES wine wine64)
if(TABELSMID_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${TABELSMID_WINE})
endif()
