# Packs the site folder into one ZIP whose bytes depend on its files alone:
# the names sorted, every entry dated SOURCE_DATE_EPOCH (1980, the format's
# first day, without it).
#   cmake -DSITE=<site folder> -DOUT=<archive> -P zip_site.cmake
# string(TIMESTAMP) gives SOURCE_DATE_EPOCH when it is set.
if("$ENV{SOURCE_DATE_EPOCH}" STREQUAL "")
    set(stamp "1980-01-01 00:00:00 UTC")
else()
    string(TIMESTAMP stamp "%Y-%m-%d %H:%M:%S UTC" UTC)
endif()
file(GLOB names RELATIVE "${SITE}" "${SITE}/*")
list(SORT names)
file(REMOVE "${OUT}")
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf "${OUT}" --format=zip "--mtime=${stamp}" -- ${names}
                WORKING_DIRECTORY "${SITE}" RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "zip_site: cannot pack ${SITE}: ${failed}")
endif()
