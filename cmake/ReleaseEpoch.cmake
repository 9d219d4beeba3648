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

# The commit a release is built from, as its .buildinfo names it; a tree with
# changes git would commit says so rather than pass for the commit.
function(acpower_source_commit out source)
    find_program(ACPOWER_GIT git)
    set(commit "")
    if(ACPOWER_GIT)
        execute_process(COMMAND ${ACPOWER_GIT} -C "${source}" rev-parse HEAD
                        OUTPUT_VARIABLE commit OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
        execute_process(COMMAND ${ACPOWER_GIT} -C "${source}" status --porcelain
                        OUTPUT_VARIABLE changes ERROR_QUIET)
    endif()
    if(NOT commit MATCHES "^[0-9a-f]+$")
        set(commit "none (not a git checkout)")
    elseif(NOT changes STREQUAL "")
        string(APPEND commit " with changes not committed")
    endif()
    set(${out} "${commit}" PARENT_SCOPE)
endfunction()
