# The tree of the release presets. It compiles nothing itself: its build runs
# cmake/Release.cmake, which builds the package trees under this tree and
# gathers their packages; with ACPOWER_RELEASE_CHECK it builds the release
# twice instead, from two copies of the sources in folders of different
# names, and its one test compares the two (cmake/ReleaseCompare.cmake).

# Comma-separated, so that the list reaches the script as one argument.
set(ACPOWER_RELEASE_PARTS "deb,windows,windows64,web" CACHE STRING "The release's parts: deb, windows, windows64, web")
set(ACPOWER_RELEASE_DIST "${PROJECT_SOURCE_DIR}/dist" CACHE PATH "Where the release's packages land")
option(ACPOWER_RELEASE_CHECK "Build the release twice and compare the two" OFF)

set(release_arguments -DSOURCE=${PROJECT_SOURCE_DIR} -DVERSION=${PROJECT_VERSION} -DPARTS=${ACPOWER_RELEASE_PARTS})
if(NOT ACPOWER_RELEASE_CHECK)
    # Always out of date: every build is a release from a clean tree.
    add_custom_target(acpower_release ALL
        COMMAND ${CMAKE_COMMAND} ${release_arguments} -DWORK=${PROJECT_BINARY_DIR}/trees -DDIST=${ACPOWER_RELEASE_DIST}
                -P ${CMAKE_CURRENT_LIST_DIR}/Release.cmake
        USES_TERMINAL
        VERBATIM)
    return()
endif()

add_custom_target(acpower_release_twice ALL
    COMMAND ${CMAKE_COMMAND} ${release_arguments} -DWORK=${PROJECT_BINARY_DIR}
            -P ${CMAKE_CURRENT_LIST_DIR}/ReleaseTwice.cmake
    USES_TERMINAL
    VERBATIM)
enable_testing()
add_test(NAME release_reproducible
         COMMAND ${CMAKE_COMMAND} -DONE=${PROJECT_BINARY_DIR}/one/dist -DTWO=${PROJECT_BINARY_DIR}/second-build/dist
                 -P ${CMAKE_CURRENT_LIST_DIR}/ReleaseCompare.cmake)
# The comparison itself, on releases that differ, so that it cannot pass
# everything unseen; and the sums, as a user checks a download with them.
add_test(NAME release_compare_finds_differences
         COMMAND ${PROJECT_SOURCE_DIR}/tests/release/compare_releases.sh ${CMAKE_COMMAND}
                 ${CMAKE_CURRENT_LIST_DIR}/ReleaseCompare.cmake)
add_test(NAME release_sums COMMAND sha256sum --check --strict SHA256SUMS WORKING_DIRECTORY ${PROJECT_BINARY_DIR}/one/dist)
add_test(NAME release_buildinfo
         COMMAND ${PROJECT_SOURCE_DIR}/tests/release/check_buildinfo.sh ${PROJECT_BINARY_DIR}/one/dist ${PROJECT_BINARY_DIR})
