# Authenticode signing of the Windows packages, decided when CPack runs (this
# file is read by cpack_per_generator.cmake, once per generator) from the
# signer's environment, so that the same build tree packs signed or not:
#
#   a key on a PKCS#11 token or in a cloud key store:
#     ACPOWER_SIGN_PKCS11_MODULE  the token's PKCS#11 library
#     ACPOWER_SIGN_KEY            the key's pkcs11: URI (its PIN as pin-value,
#                                 or in ACPOWER_SIGN_PIN)
#     ACPOWER_SIGN_CERT           the certificate (chain): a file or a pkcs11: URI
#   or an older certificate's .p12 file:
#     ACPOWER_SIGN_PKCS12, ACPOWER_SIGN_PASSWORD
#
# The staged acpower.exe is signed before ZIP and NSIS pack it; the installer
# and the uninstaller it writes are signed by makensis (!finalize and
# !uninstfinalize, in NSIS.template.in). A key given in part stops the
# packaging: a release must not come out unsigned by a typing slip.

set(acpower_sign_token ACPOWER_SIGN_PKCS11_MODULE ACPOWER_SIGN_KEY ACPOWER_SIGN_CERT)
set(acpower_sign_file ACPOWER_SIGN_PKCS12 ACPOWER_SIGN_PASSWORD)

# Which of NAMES the environment sets (a password may be set and empty).
function(acpower_sign_given out)
    set(given "")
    foreach(name IN LISTS ARGN)
        if(NOT "$ENV{${name}}" STREQUAL "" OR (name STREQUAL "ACPOWER_SIGN_PASSWORD" AND DEFINED ENV{${name}}))
            list(APPEND given ${name})
        endif()
    endforeach()
    set(${out} "${given}" PARENT_SCOPE)
endfunction()

# A set that is given in part names what is missing.
function(acpower_sign_whole given)
    set(missing "")
    foreach(name IN LISTS ARGN)
        # list(FIND): CPack sets no policies, so IN_LIST is unknown here.
        list(FIND given ${name} at)
        if(at EQUAL -1)
            list(APPEND missing ${name})
        endif()
    endforeach()
    if(missing)
        list(JOIN given ", " given)
        list(JOIN missing ", " missing)
        message(FATAL_ERROR "Signing key given in part: ${given} set, ${missing} not. "
                            "Set them all to sign, or none to build unsigned.")
    endif()
endfunction()

acpower_sign_given(acpower_sign_token_given ${acpower_sign_token} ACPOWER_SIGN_PIN)
acpower_sign_given(acpower_sign_file_given ${acpower_sign_file})
if(acpower_sign_token_given AND acpower_sign_file_given)
    message(FATAL_ERROR "Both a token key (ACPOWER_SIGN_PKCS11_MODULE, ...) and a .p12 file "
                        "(ACPOWER_SIGN_PKCS12) are given: give one.")
elseif(acpower_sign_token_given)
    acpower_sign_whole("${acpower_sign_token_given}" ${acpower_sign_token})
    if(NOT "$ENV{ACPOWER_SIGN_KEY}" MATCHES "^pkcs11:")
        message(FATAL_ERROR "ACPOWER_SIGN_KEY must be a pkcs11: URI, e.g. pkcs11:token=NAME;object=LABEL")
    endif()
elseif(acpower_sign_file_given)
    acpower_sign_whole("${acpower_sign_file_given}" ${acpower_sign_file})
endif()

if(NOT acpower_sign_token_given AND NOT acpower_sign_file_given)
    # One line per packaging run, not one per generator.
    get_property(said GLOBAL PROPERTY ACPOWER_SIGN_SAID)
    if(NOT said)
        message(STATUS "Not signed: no ACPOWER_SIGN_* key in the environment")
        set_property(GLOBAL PROPERTY ACPOWER_SIGN_SAID ON)
    endif()
    set(ACPOWER_NSIS_SIGNING "")
    return()
endif()

# The signing time is the source's: SOURCE_DATE_EPOCH, or the last commit's.
include(${CMAKE_CURRENT_LIST_DIR}/ReleaseEpoch.cmake)
acpower_source_epoch(acpower_sign_time "${CMAKE_CURRENT_LIST_DIR}")

set(acpower_sign_command
    bash "${CMAKE_CURRENT_LIST_DIR}/sign_windows_file.sh" "%1" "${acpower_sign_time}"
         "${CPACK_NSIS_DISPLAY_NAME}" "${CPACK_PACKAGE_HOMEPAGE_URL}")
# Appended: the project's own pre-build scripts, if any, run first. CPack
# starts each generator from the project's settings, so it is added once.
list(APPEND CPACK_PRE_BUILD_SCRIPTS "${CMAKE_CURRENT_LIST_DIR}/sign_staged_program.cmake")
set(ACPOWER_SIGN_STAGED_COMMAND "${acpower_sign_command}")
list(TRANSFORM acpower_sign_command REPLACE "(.+)" "\"\\1\"")
list(JOIN acpower_sign_command " " acpower_sign_command)
# makensis runs each command and fails the build unless it returns 0.
set(ACPOWER_NSIS_SIGNING "!finalize '${acpower_sign_command}' = 0\n!uninstfinalize '${acpower_sign_command}' = 0")
