# Run by CPack on the staged files (CPACK_PRE_BUILD_SCRIPTS, set by
# SignWindows.cmake), so that the ZIP and the installer both carry the signed
# program.
list(TRANSFORM ACPOWER_SIGN_STAGED_COMMAND REPLACE "^%1$" "${CPACK_TEMPORARY_DIRECTORY}/acpower.exe")
execute_process(COMMAND ${ACPOWER_SIGN_STAGED_COMMAND} COMMAND_ERROR_IS_FATAL ANY)
