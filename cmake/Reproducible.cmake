# Two release builds of one commit must give the same bytes, whatever folder
# they ran in: the compilers write source and build paths relative to the
# tree, and the Windows linker stamps no time into the PE header. Times the
# tools stamp come from SOURCE_DATE_EPOCH, which cmake/Release.cmake sets.
# Off by default, so that debuggers in working trees find the sources by
# their full paths.
option(ACPOWER_REPRODUCIBLE "Build so that every folder and time gives the same bytes" OFF)
if(NOT ACPOWER_REPRODUCIBLE OR MSVC)
    return()
endif()

# The build folder is mapped after the source folder, so that it wins for the
# build folders that lie inside the source tree.
foreach(prefix IN ITEMS "${PROJECT_SOURCE_DIR}" "${PROJECT_BINARY_DIR}")
    add_compile_options("$<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${prefix}=.>")
endforeach()

if(MINGW)
    add_link_options(-Wl,--no-insert-timestamp)
endif()
