# Runs a validator and fails when it does.
#   PROGRAM  the validator, or a *-NOTFOUND value
#   PACKAGE  the Debian package that provides it
#   ARGS     its arguments
#   QUIET    ON for a tool that exits 0 after hints: then any output fails

cmake_minimum_required(VERSION 3.16)
if(NOT PROGRAM)
    message(FATAL_ERROR "validator not installed; install the Debian package ${PACKAGE} (scripts/setup.sh does)")
endif()

execute_process(COMMAND ${PROGRAM} ${ARGS}
                RESULT_VARIABLE result
                OUTPUT_VARIABLE output
                ERROR_VARIABLE output)
message("${PROGRAM} ${ARGS}\n${output}")
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} exited with ${result}")
endif()

string(STRIP "${output}" output)
if(QUIET AND NOT output STREQUAL "")
    message(FATAL_ERROR "${PROGRAM} has remarks; every hint counts")
endif()
