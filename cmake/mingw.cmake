# Cross-compile for Windows with Debian's MinGW-w64, posix thread model (GoogleTest
# needs std::mutex, which the win32 variant lacks).
#
# QD_ARCH chooses the target: x86_64 (default) or i686. This machine's kernel cannot
# execute 32-bit code, so Wine here only runs the 64-bit build; the sources build
# for both.
if(NOT QD_ARCH)
  set(QD_ARCH x86_64)
endif()
set(QD_ARCH ${QD_ARCH} CACHE STRING "Windows target: x86_64 or i686")
if(QD_ARCH STREQUAL "i686")
  set(_triple i686-w64-mingw32)
  set(CMAKE_SYSTEM_PROCESSOR i686)
else()
  set(_triple x86_64-w64-mingw32)
  set(CMAKE_SYSTEM_PROCESSOR AMD64)
endif()
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER   ${_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_triple}-g++-posix)
set(CMAKE_RC_COMPILER  ${_triple}-windres)
set(CMAKE_AR           ${_triple}-ar)
set(CMAKE_RANLIB       ${_triple}-ranlib)

set(CMAKE_FIND_ROOT_PATH /usr/${_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Build-time tools and tests run through Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tools/wine-run)
