# The Authenticode check of a signed program, as osslsigncode reports it: the
# file's digest is the one signed, by the expected signer, with SHA-256, at
# the expected time, one signature. The test certificate is its own issuer,
# so the chain is untrusted: that is expected and checked for by name, so
# that any other failure of the chain is not taken for it.
#
# Included by check_signing.cmake; run as a script on an installed folder
# (check_installer.sh's CHECK), it checks every program in it as signed by
# the test key at the test time:
#   cmake -P verify_signatures.cmake FOLDER

function(acpower_verify_signature file signer time)
    execute_process(COMMAND osslsigncode verify -in "${file}"
                    OUTPUT_VARIABLE report ERROR_VARIABLE report)
    execute_process(COMMAND date -u -d "@${time}" "+%b %e %H:%M:%S %Y GMT"
                    OUTPUT_VARIABLE signing_time OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    set(failures "")
    foreach(expected IN ITEMS "Message digest algorithm  : SHA256" "Subject: ${signer}"
                              "Signing time: ${signing_time}" "self-signed certificate"
                              "Number of verified signatures: 1")
        string(FIND "${report}" "${expected}" at)
        if(at EQUAL -1)
            list(APPEND failures "no \"${expected}\"")
        endif()
    endforeach()
    string(REGEX MATCH "Current message digest *: ([0-9A-F]+)" current "${report}")
    set(current "${CMAKE_MATCH_1}")
    string(REGEX MATCH "Calculated message digest *: ([0-9A-F]+)" calculated "${report}")
    if(current STREQUAL "" OR NOT current STREQUAL CMAKE_MATCH_1)
        list(APPEND failures "the file's digest is not the signed one")
    endif()
    if(failures)
        list(JOIN failures "; " failures)
        message(SEND_ERROR "${file}: ${failures}\n${report}")
    else()
        message(STATUS "Signed as expected: ${file}")
    endif()
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
    include(${CMAKE_CURRENT_LIST_DIR}/test_key.cmake)
    math(EXPR last "${CMAKE_ARGC} - 1")
    file(GLOB programs "${CMAKE_ARGV${last}}/*.exe")
    if(NOT programs)
        message(FATAL_ERROR "No program in ${CMAKE_ARGV${last}}")
    endif()
    foreach(program IN LISTS programs)
        acpower_verify_signature("${program}" "${ACPOWER_TEST_SIGNER}" "${ACPOWER_TEST_TIME}")
    endforeach()
endif()
