# Packs the built tree once per row of signing environment into OUT/ROW, with
# a throw-away certificate whose key sits on a SoftHSM2 token and in a .p12
# file, and checks what comes out: the program in the ZIP and the installer
# signed as asked, no signature without a key, a key given in part or twice
# refused, and no PIN or password in anything CPack printed or wrote. The
# installed uninstaller is checked under Wine by the next test.
#
#   cmake -DCPACK=... -DCPACK_CONFIG=... -DOUT=... -DPACKAGE=acpower-VERSION-winBITS
#         -DSOURCE_DIR=... -P check_signing.cmake
include(${CMAKE_CURRENT_LIST_DIR}/verify_signatures.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/test_key.cmake)

function(acpower_run)
    execute_process(COMMAND ${ARGN} WORKING_DIRECTORY "${OUT}" RESULT_VARIABLE status
                    OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${ARGN} failed:\n${output}")
    endif()
endfunction()

file(REMOVE_RECURSE "${OUT}")
file(MAKE_DIRECTORY "${OUT}/tokens")
acpower_run(openssl req -x509 -newkey rsa:2048 -nodes -keyout key.pem -out cert.pem -days 3650
            -subj "${ACPOWER_TEST_SIGNER}" -addext extendedKeyUsage=codeSigning)
acpower_run(openssl pkcs12 -export -inkey key.pem -in cert.pem -out signer.p12
            -passout "pass:${ACPOWER_TEST_PASSWORD}")
# A token store of the test's own, never the machine's.
file(WRITE "${OUT}/softhsm2.conf" "directories.tokendir = ${OUT}/tokens\nobjectstore.backend = file\n")
set(ENV{SOFTHSM2_CONF} "${OUT}/softhsm2.conf")
acpower_run(softhsm2-util --init-token --free --label acpower-test --pin "${ACPOWER_TEST_PIN}"
            --so-pin "${ACPOWER_TEST_PIN}")
acpower_run(softhsm2-util --import key.pem --token acpower-test --label signer --id 01
            --pin "${ACPOWER_TEST_PIN}")

execute_process(COMMAND git log -1 --format=%ct WORKING_DIRECTORY "${SOURCE_DIR}"
                OUTPUT_VARIABLE commit_time OUTPUT_STRIP_TRAILING_WHITESPACE)

set(module /usr/lib/softhsm/libsofthsm2.so)
set(key "pkcs11:token=acpower-test\;object=signer\;type=private")
# The PIN in the URI percent-encoded in part, as a URI may carry it.
string(REPLACE "-" "%2D" uri_pin "${ACPOWER_TEST_PIN}")
set(sign_variables ACPOWER_SIGN_PKCS11_MODULE ACPOWER_SIGN_KEY ACPOWER_SIGN_CERT ACPOWER_SIGN_PIN
                   ACPOWER_SIGN_PKCS12 ACPOWER_SIGN_PASSWORD SOURCE_DATE_EPOCH)
set(outputs "")

# ROW EXPECTED [NAME=VALUE...]: EXPECTED is "signed at TIME", "unsigned" or
# "refused: TEXT", TEXT being what the refusal must say.
function(acpower_row row expected)
    foreach(name IN LISTS sign_variables)
        unset(ENV{${name}})
    endforeach()
    foreach(assignment IN LISTS ARGN)
        string(REGEX MATCH "^([^=]+)=(.*)$" _ "${assignment}")
        set(ENV{${CMAKE_MATCH_1}} "${CMAKE_MATCH_2}")
    endforeach()
    # -V: makensis's own output too, for the search for secrets below. The
    # staged files dated as a release dates them, so that two signings of
    # one build can give the same installer.
    execute_process(COMMAND "${CPACK}" -V --config "${CPACK_CONFIG}" -B "${OUT}/${row}"
                            -D "CPACK_PRE_BUILD_SCRIPTS=${SOURCE_DIR}/cmake/ReleaseFileTimes.cmake"
                    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
    file(GLOB_RECURSE scripts "${OUT}/${row}/*.nsi" "${OUT}/${row}/*.log")
    foreach(script IN LISTS scripts)
        file(READ "${script}" text)
        string(APPEND output "${text}")
    endforeach()
    set(outputs "${outputs}${output}" PARENT_SCOPE)
    set(zip "${OUT}/${row}/${PACKAGE}.zip")
    set(setup "${OUT}/${row}/${PACKAGE}-setup.exe")

    if(expected MATCHES "^refused: (.*)")
        # CMake wraps the message's lines.
        string(REGEX REPLACE "[ \n]+" " " flat "${output}")
        string(FIND "${flat}" "${CMAKE_MATCH_1}" at)
        if(status EQUAL 0 OR at EQUAL -1 OR EXISTS "${zip}" OR EXISTS "${setup}")
            message(SEND_ERROR "${row}: not refused with \"${CMAKE_MATCH_1}\":\n${output}")
        endif()
        return()
    endif()
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${row}: cpack failed:\n${output}")
    endif()
    file(MAKE_DIRECTORY "${OUT}/${row}/zip")
    acpower_run(${CMAKE_COMMAND} -E chdir "${OUT}/${row}/zip" ${CMAKE_COMMAND} -E tar xf "${zip}")
    file(GLOB_RECURSE program "${OUT}/${row}/zip/*/acpower.exe")

    if(expected STREQUAL "unsigned")
        string(REGEX MATCHALL "Not signed: [^\n]*" said "${output}")
        list(LENGTH said lines)
        if(NOT lines EQUAL 1)
            message(SEND_ERROR "${row}: ${lines} lines say the packages are not signed, not one")
        endif()
        foreach(file IN ITEMS "${program}" "${setup}")
            execute_process(COMMAND osslsigncode verify -in "${file}" OUTPUT_VARIABLE report ERROR_VARIABLE report)
            # As osslsigncode 2.9 says it, and as Debian 12's 2.5 does.
            if(NOT report MATCHES "Unable to extract existing signature|No signature found")
                message(SEND_ERROR "${row}: ${file} is signed:\n${report}")
            endif()
        endforeach()
        set(unsigned_program "${program}" PARENT_SCOPE)
        return()
    endif()

    string(REGEX REPLACE "^signed at " "" time "${expected}")
    acpower_verify_signature("${program}" "${ACPOWER_TEST_SIGNER}" "${time}")
    acpower_verify_signature("${setup}" "${ACPOWER_TEST_SIGNER}" "${time}")
    file(SHA256 "${program}" signed)
    file(SHA256 "${setup}" installer)
    set(signed_${time} ${signed_${time}} "${signed} ${installer}" PARENT_SCOPE)
    # What a rebuild is compared with: the signed program less its signature
    # is the unsigned one, byte for byte (strip stamps the program with
    # SOURCE_DATE_EPOCH, so only a build at the same time compares).
    if(NOT time STREQUAL ACPOWER_TEST_TIME)
        return()
    endif()
    file(REMOVE "${OUT}/${row}/unsigned.exe")
    acpower_run(osslsigncode remove-signature -in "${program}" -out "${OUT}/${row}/unsigned.exe")
    file(SHA256 "${OUT}/${row}/unsigned.exe" stripped)
    file(SHA256 "${unsigned_program}" built)
    if(NOT stripped STREQUAL built)
        message(SEND_ERROR "${row}: the program less its signature differs from the unsigned build")
    endif()
endfunction()

acpower_row(no_key unsigned "SOURCE_DATE_EPOCH=${ACPOWER_TEST_TIME}")
acpower_row(token "signed at ${ACPOWER_TEST_TIME}"
            "ACPOWER_SIGN_PKCS11_MODULE=${module}" "ACPOWER_SIGN_KEY=${key}?pin-value=${uri_pin}"
            "ACPOWER_SIGN_CERT=${OUT}/cert.pem" "SOURCE_DATE_EPOCH=${ACPOWER_TEST_TIME}")
acpower_row(p12 "signed at ${ACPOWER_TEST_TIME}"
            "ACPOWER_SIGN_PKCS12=${OUT}/signer.p12" "ACPOWER_SIGN_PASSWORD=${ACPOWER_TEST_PASSWORD}"
            "SOURCE_DATE_EPOCH=${ACPOWER_TEST_TIME}")
# Outside a git checkout there is no commit time to fall back on.
if(commit_time)
    acpower_row(token_pin_variable "signed at ${commit_time}"
                "ACPOWER_SIGN_PKCS11_MODULE=${module}" "ACPOWER_SIGN_KEY=${key}"
                "ACPOWER_SIGN_PIN=${ACPOWER_TEST_PIN}" "ACPOWER_SIGN_CERT=${OUT}/cert.pem")
endif()
acpower_row(module_only "refused: ACPOWER_SIGN_KEY, ACPOWER_SIGN_CERT not"
            "ACPOWER_SIGN_PKCS11_MODULE=${module}")
acpower_row(password_only "refused: ACPOWER_SIGN_PKCS12 not"
            "ACPOWER_SIGN_PASSWORD=${ACPOWER_TEST_PASSWORD}")
acpower_row(token_and_p12 "refused: give one"
            "ACPOWER_SIGN_PKCS11_MODULE=${module}" "ACPOWER_SIGN_KEY=${key}" "ACPOWER_SIGN_CERT=${OUT}/cert.pem"
            "ACPOWER_SIGN_PKCS12=${OUT}/signer.p12" "ACPOWER_SIGN_PASSWORD=${ACPOWER_TEST_PASSWORD}")

# The same key at the same time signs the same program and installer,
# whichever holds it.
list(REMOVE_DUPLICATES signed_${ACPOWER_TEST_TIME})
list(LENGTH signed_${ACPOWER_TEST_TIME} different)
if(NOT different EQUAL 1)
    message(SEND_ERROR "The token and the .p12 file signed the program or the installer differently")
endif()
foreach(secret IN ITEMS "${ACPOWER_TEST_PIN}" "${uri_pin}" "${ACPOWER_TEST_PASSWORD}")
    string(FIND "${outputs}" "${secret}" at)
    if(NOT at EQUAL -1)
        message(SEND_ERROR "A PIN or password was printed or written by the packaging: ${secret}")
    endif()
endforeach()
