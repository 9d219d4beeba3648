# A second build of the site folder, as the next release's would be: the
# same assembly from page sources whose style differs by one rule.
#   cmake -DSOURCE=<web/page> -DBUILT=<web/page build folder> -DSITE_ICONS=<icons>
#         -DCURSOR=<link cursor> -DACPOWER_PAGE_TOOL=<page tool> -DOUT=<folder> -P second_site.cmake
file(REMOVE_RECURSE "${OUT}")
file(COPY "${SOURCE}/" DESTINATION "${OUT}/source")
file(APPEND "${OUT}/source/page.css" ".acpower-next{}\n")
set(generated "${BUILT}/generated")
execute_process(
    COMMAND ${CMAKE_COMMAND} -DSOURCE=${OUT}/source -DFORM=${generated} -DWASM64=${generated}/acpower.wasm.b64
            -DFAVICON64=${generated}/favicon.b64 -DCURSOR=${CURSOR} -DCURSOR64=${generated}/cursor.b64
            -DOUT=${OUT} -DSITE_ICONS=${SITE_ICONS} -DACPOWER_PAGE_TOOL=${ACPOWER_PAGE_TOOL}
            -P ${OUT}/source/assemble.cmake
    RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "second_site: the assembly failed: ${failed}")
endif()
