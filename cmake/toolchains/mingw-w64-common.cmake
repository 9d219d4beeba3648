# Shared by the mingw-w64 toolchain files, which set ACPOWER_MINGW_TRIPLE.
find_program(CMAKE_CXX_COMPILER NAMES ${ACPOWER_MINGW_TRIPLE}-g++-win32 ${ACPOWER_MINGW_TRIPLE}-g++ REQUIRED)
find_program(CMAKE_C_COMPILER NAMES ${ACPOWER_MINGW_TRIPLE}-gcc-win32 ${ACPOWER_MINGW_TRIPLE}-gcc REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${ACPOWER_MINGW_TRIPLE}-windres REQUIRED)
set(CMAKE_FIND_ROOT_PATH /usr/${ACPOWER_MINGW_TRIPLE})
# Host programs (Wine, makensis, objdump) are searched on the build machine,
# libraries and headers only in the Windows sysroot.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
