# Cross-builds the engine for WebAssembly with Debian's clang and lld and its
# WASI libraries (wasi-libc, libc++-14-dev-wasm32, libc++abi-14-dev-wasm32,
# libclang-rt-14-dev-wasm32), which Debian installs under /usr with the
# wasm32-wasi multiarch folders clang looks for below its sysroot.
set(CMAKE_SYSTEM_NAME WASI)
set(CMAKE_SYSTEM_PROCESSOR wasm32)
# CMake 3.25 has no platform file for WASI; ours is beside this folder.
list(APPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR}/..)

find_program(CMAKE_CXX_COMPILER NAMES clang++-14 clang++ REQUIRED)
find_program(CMAKE_C_COMPILER NAMES clang-14 clang REQUIRED)
set(CMAKE_CXX_COMPILER_TARGET wasm32-wasi)
set(CMAKE_C_COMPILER_TARGET wasm32-wasi)
set(CMAKE_SYSROOT /usr)

# There is no exception runtime for wasm32 here; the engine throws nothing.
# The host's /usr/include comes after the target's own headers, for the few
# header-only packages that are the same on every target (fast_float); see
# ../Platform/WASI.cmake.
set(CMAKE_CXX_FLAGS_INIT "-fno-exceptions -idirafter /usr/include")
# lld-14 is what links WebAssembly; clang finds it as wasm-ld. The builtins
# (long double arithmetic among them) are named explicitly, since a clang
# that does not find compiler-rt itself fails the link with no hint why.
set(ACPOWER_WASM_BUILTINS /usr/lib/llvm-14/lib/clang/14.0.6/lib/wasi/libclang_rt.builtins-wasm32.a)
if(EXISTS ${ACPOWER_WASM_BUILTINS})
    set(CMAKE_EXE_LINKER_FLAGS_INIT "${ACPOWER_WASM_BUILTINS}")
endif()

# Programs (node, wasm-opt) and arch-independent packages (fast_float, whose
# headers are the same for every target) come from the build machine;
# libraries only from the WASI folders.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
