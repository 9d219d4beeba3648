# A CPack pre-build script: gives every staged file and folder the release's
# time, SOURCE_DATE_EPOCH, before a generator packs them. The installer keeps
# each file's time, and the files were built or configured at whatever time
# the build ran; without SOURCE_DATE_EPOCH the times are left as they are.
if("$ENV{SOURCE_DATE_EPOCH}" STREQUAL "")
    return()
endif()
file(GLOB_RECURSE staged LIST_DIRECTORIES true "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
execute_process(COMMAND touch -h -d "@$ENV{SOURCE_DATE_EPOCH}" "${CPACK_TEMPORARY_INSTALL_DIRECTORY}" ${staged}
                RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "Could not date the staged files to SOURCE_DATE_EPOCH")
endif()
