# Packs the site folder into one ZIP whose bytes depend on its files alone:
# the names sorted, every file dated SOURCE_DATE_EPOCH (1980, the format's
# first day, without it), in UTC, and no extra fields (Info-ZIP's -X), where
# CMake's own archiver would store each file's access and change times. The
# files are dated in a copy, so that the build's own outputs keep their times.
#   cmake -DSITE=<site folder> -DOUT=<archive> -P zip_site.cmake
find_program(ACPOWER_ZIP zip REQUIRED)
set(epoch "$ENV{SOURCE_DATE_EPOCH}")
if(epoch STREQUAL "")
    set(epoch 315532800)
endif()
set(staged "${OUT}.files")
file(REMOVE_RECURSE "${staged}")
file(COPY "${SITE}/" DESTINATION "${staged}")
file(GLOB names RELATIVE "${staged}" "${staged}/*")
list(SORT names)
file(REMOVE "${OUT}")
execute_process(COMMAND touch -d @${epoch} -- ${names} WORKING_DIRECTORY "${staged}" RESULT_VARIABLE failed)
if(NOT failed)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC ${ACPOWER_ZIP} -q -X -D -9 "${OUT}" -- ${names}
                    WORKING_DIRECTORY "${staged}" RESULT_VARIABLE failed)
endif()
file(REMOVE_RECURSE "${staged}")
if(failed)
    message(FATAL_ERROR "zip_site: cannot pack ${SITE}: ${failed}")
endif()
