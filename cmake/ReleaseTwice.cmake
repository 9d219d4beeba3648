# Builds one release twice, from two copies of the sources in folders whose
# names and depths differ, one after the other, under the same
# SOURCE_DATE_EPOCH, the second in another time zone and under another
# umask; ReleaseCompare.cmake then compares the two dist folders.
#   cmake -DSOURCE=<source tree> -DWORK=<folder> -DVERSION=<version>
#         [-DPARTS=deb,windows,...] -P ReleaseTwice.cmake
# The copies hold what git would commit: tracked files with their changes,
# and new files that are not ignored; a tracked file deleted since is left out.

include(${CMAKE_CURRENT_LIST_DIR}/ReleaseEpoch.cmake)
acpower_release_epoch("${SOURCE}")
# The copies are no git checkouts: both name the commit they were copied from.
acpower_source_commit(commit "${SOURCE}")

find_program(ACPOWER_GIT git REQUIRED)
set(variation_one)
set(variation_second-build env TZ=Asia/Vladivostok sh -c "umask 077 && exec \"$@\"" sh)
foreach(copy IN ITEMS one/acpower second-build/sources-of-acpower)
    get_filename_component(build "${WORK}/${copy}" DIRECTORY)
    get_filename_component(variation "${build}" NAME)
    set(variation ${variation_${variation}})
    set(copy "${WORK}/${copy}")
    file(REMOVE_RECURSE "${build}")
    file(MAKE_DIRECTORY "${copy}")
    execute_process(
        COMMAND ${ACPOWER_GIT} -C "${SOURCE}" ls-files -z --cached --others --exclude-standard
        COMMAND tar -C "${SOURCE}" --null --files-from=- --ignore-failed-read -cf -
        COMMAND tar -C "${copy}" -xf -
        RESULTS_VARIABLE results)
    if(NOT results MATCHES "^0;0;0$")
        message(FATAL_ERROR "Could not copy the sources to ${copy} (${results})")
    endif()
    message(STATUS "Release check: building ${copy}")
    execute_process(
        COMMAND ${variation} ${CMAKE_COMMAND} -DSOURCE=${copy} -DWORK=${build}/trees -DDIST=${build}/dist
                -DVERSION=${VERSION} -DPARTS=${PARTS} "-DCOMMIT=${commit}" -P ${copy}/cmake/Release.cmake
        RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "Release check: the release in ${build} failed")
    endif()
endforeach()
