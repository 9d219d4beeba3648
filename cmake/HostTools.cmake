# Programs the web tree runs on the build machine, built by a second tree of
# this same project with the host's compiler, since the web tree's compiler
# makes WebAssembly. That tree holds the engine, the form and those programs,
# and no window (ACPOWER_HOST_TOOLS in the top-level CMakeLists.txt).
include_guard(GLOBAL)
include(ExternalProject)

set(ACPOWER_HOST_DIR ${PROJECT_BINARY_DIR}/host)
# One job: the web tree's own build runs beside it, and the two share two cores.
ExternalProject_Add(acpower_host
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${ACPOWER_HOST_DIR}
    CMAKE_ARGS -DACPOWER_HOST_TOOLS=ON -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=${BUILD_TESTING}
    BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --parallel 1
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON)

# A host program by its path in the host tree, as a target that is built
# before anything of this tree that uses it.
function(acpower_host_program name path)
    add_executable(${name} IMPORTED GLOBAL)
    set_target_properties(${name} PROPERTIES IMPORTED_LOCATION ${ACPOWER_HOST_DIR}/${path})
    add_dependencies(${name} acpower_host)
endfunction()
