# The WebAssembly System Interface as a CMake platform, for the web tree
# (toolchains/wasm32-wasi.cmake).
set(CMAKE_EXECUTABLE_SUFFIX .wasm)
set(CMAKE_STATIC_LIBRARY_PREFIX lib)
set(CMAKE_STATIC_LIBRARY_SUFFIX .a)
# The host's /usr/include holds glibc's headers, which must never shadow
# wasi-libc's: a package found there (fast_float) must not add it as a -isystem
# folder, which comes before the target's own. The toolchain file puts it
# after them instead.
list(APPEND CMAKE_C_IMPLICIT_INCLUDE_DIRECTORIES /usr/include)
list(APPEND CMAKE_CXX_IMPLICIT_INCLUDE_DIRECTORIES /usr/include)
