# Programs the web tree runs on the build machine, built by a second tree of
# this same project with the build machine's default compiler, since the web
# tree's compiler makes WebAssembly. That tree holds the engine, the form and
# those programs, and no window (ACPOWER_HOST_TOOLS in CMakeLists.txt).
set(ACPOWER_HOST_DIR ${PROJECT_BINARY_DIR}/host)
set(ACPOWER_PAGE_TOOL ${ACPOWER_HOST_DIR}/tools/page/acpower_page_tool)
set(ACPOWER_ROOMS_TOOL ${ACPOWER_HOST_DIR}/tests/wasm/acpower_room_texts)
set(ACPOWER_ROWS_TOOL ${ACPOWER_HOST_DIR}/tests/web/acpower_behaviour_rows_json)
# The paths above reach every folder that includes this file; the tree, once.
include_guard(GLOBAL)
include(ExternalProject)

# Named as outputs, so that a build step may depend on the files themselves.
set(host_programs ${ACPOWER_PAGE_TOOL})
if(BUILD_TESTING)
    list(APPEND host_programs ${ACPOWER_ROOMS_TOOL} ${ACPOWER_ROWS_TOOL})
endif()
# One job: the web tree's own build runs beside it, and the two share two cores.
ExternalProject_Add(acpower_host
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${ACPOWER_HOST_DIR}
    CMAKE_ARGS -DACPOWER_HOST_TOOLS=ON -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=${BUILD_TESTING}
    BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --parallel 1
    BUILD_BYPRODUCTS ${host_programs}
    INSTALL_COMMAND ""
    # Its own build decides whether a source changed.
    BUILD_ALWAYS ON)
