# Cross-builds the Windows program with Debian's mingw-w64 (package
# g++-mingw-w64-i686). The -win32 compilers use Windows' own threads, so the
# program needs no winpthread DLL.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)
set(ACPOWER_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
