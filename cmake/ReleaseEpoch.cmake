# SOURCE_DATE_EPOCH, the one time every tool of a release stamps: the
# environment's when set from outside, else the time of the last commit.
# Also the signing time (SignWindows.cmake), read without being set.
function(acpower_source_epoch out source)
    if(DEFINED ENV{SOURCE_DATE_EPOCH} AND NOT "$ENV{SOURCE_DATE_EPOCH}" STREQUAL "")
        set(epoch "$ENV{SOURCE_DATE_EPOCH}")
    else()
        find_program(ACPOWER_GIT git)
        if(ACPOWER_GIT)
            execute_process(COMMAND ${ACPOWER_GIT} -C "${source}" log -1 --format=%ct
                            OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
        endif()
    endif()
    if(NOT epoch MATCHES "^[0-9]+$")
        message(FATAL_ERROR "No release time: set SOURCE_DATE_EPOCH, or build from a git checkout")
    endif()
    set(${out} "${epoch}" PARENT_SCOPE)
endfunction()

# The same, set in the environment for every tool the release runs.
function(acpower_release_epoch source)
    acpower_source_epoch(epoch "${source}")
    set(ENV{SOURCE_DATE_EPOCH} "${epoch}")
endfunction()
