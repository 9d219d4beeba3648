# Programs the web tree runs on the build machine, built by a second tree of
# this same project with the build machine's default compiler, since the web
# tree's compiler makes WebAssembly. That tree holds the engine, the form and
# those programs, and no window (ACPOWER_HOST_TOOLS in CMakeLists.txt).
include_guard(GLOBAL)
include(ExternalProject)

set(ACPOWER_HOST_DIR ${PROJECT_BINARY_DIR}/host)
set(ACPOWER_ROOMS_TOOL ${ACPOWER_HOST_DIR}/tests/wasm/acpower_room_texts)
set(host_programs)
if(BUILD_TESTING)
    list(APPEND host_programs ${ACPOWER_ROOMS_TOOL})
endif()
# One job: the outer build already runs two.
ExternalProject_Add(acpower_host
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${ACPOWER_HOST_DIR}
    CMAKE_ARGS -DACPOWER_HOST_TOOLS=ON -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=${BUILD_TESTING}
    BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> -j 1
    BUILD_BYPRODUCTS ${host_programs}
    INSTALL_COMMAND ""
    # Its own build decides whether a source changed.
    BUILD_ALWAYS ON)
