# Instrumented builds for CI and for hunting faults by hand. Both options are
# off by default, so an ordinary build is untouched.
#
#   ACPOWER_SANITIZE  AddressSanitizer and UndefinedBehaviorSanitizer on every
#                     target; any report ends the program at once, so a test
#                     that trips one fails instead of printing and passing.
#   ACPOWER_FUZZ      the libFuzzer target over the engine (clang only).
option(ACPOWER_SANITIZE "Build every target with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(ACPOWER_FUZZ "Build the libFuzzer target over the engine (needs clang)" OFF)

if(ACPOWER_SANITIZE)
    if(MSVC)
        message(FATAL_ERROR "ACPOWER_SANITIZE needs clang or GCC")
    endif()
    # float-cast-overflow is named on its own because a float-to-integer
    # conversion out of range is exactly the fault the number code must never
    # commit, whatever a compiler counts into "undefined".
    set(ACPOWER_SANITIZER_FLAGS -fsanitize=address,undefined,float-cast-overflow)
    add_compile_options(${ACPOWER_SANITIZER_FLAGS} -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(${ACPOWER_SANITIZER_FLAGS})
endif()

if(ACPOWER_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "ACPOWER_FUZZ needs clang (libFuzzer); configure with -DCMAKE_CXX_COMPILER=clang++-14")
    endif()
    if(NOT ACPOWER_SANITIZE)
        message(FATAL_ERROR "ACPOWER_FUZZ needs ACPOWER_SANITIZE=ON: a fuzzer without sanitizers finds only crashes")
    endif()
    # Coverage feedback must come from the engine's own code, not just from
    # the fuzz target, or libFuzzer cannot tell a new path through the parser
    # from an old one. The ASan runtime supplies the hooks for executables
    # that do not link libFuzzer.
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()
