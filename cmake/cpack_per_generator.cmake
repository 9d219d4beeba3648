# Read by CPack once per generator (CPACK_PROJECT_CONFIG_FILE): the Windows
# installer is named as a set-up program, beside the portable ZIP.
if(CPACK_GENERATOR STREQUAL "NSIS")
    set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_FILE_NAME}-setup")
endif()

# Signed when the environment gives a key; decided here, at packaging time.
include(${CMAKE_CURRENT_LIST_DIR}/SignWindows.cmake)
