# The shipped programs carry only the code they run. mingw-w64 links the C++
# runtime into the program, so whatever the engine's libraries and the window
# ask of it is paid for in every download; so does the web module.
#
#   acpower_lean_target(<target>)  for each library the program links and the
#                                  program itself
#
# Each function and datum gets its own section, which --gc-sections drops
# when nothing calls it; the program throws nothing and catches nothing, so
# it needs neither unwind tables nor the runtime's exception machinery (a
# failure the library reports still ends the program, see
# win32/unhandled_failures.cpp); and std::string's members are compiled where
# they are used, so that only those are linked, not all of libstdc++'s
# prebuilt instances with the exceptions they throw.
function(acpower_lean_target target)
    if(CMAKE_SYSTEM_NAME STREQUAL "WASI")
        # Every visitor downloads the module: the engine is compiled to
        # bitcode and optimised as one program when it is linked, which
        # inlines across the libraries and drops what that leaves unused
        # (2.9 KB of the module's 50).
        target_compile_options(${target} PRIVATE -flto)
        target_link_options(${target} PRIVATE -flto)
        return()
    endif()
    if(NOT MINGW)
        return()
    endif()
    target_compile_options(${target} PRIVATE
        -ffunction-sections -fdata-sections
        $<$<COMPILE_LANGUAGE:CXX>:-fno-exceptions -fno-asynchronous-unwind-tables -fno-threadsafe-statics>
        "$<$<COMPILE_LANGUAGE:CXX>:-include>"
        "$<$<COMPILE_LANGUAGE:CXX>:${PROJECT_SOURCE_DIR}/cmake/mingw-w64/inline_strings.h>")
endfunction()
