cmake_minimum_required(VERSION 3.16)

# Fails when the program imports from a DLL that is not part of every
# Windows: the program must run from its one file. Prints every imported
# function, so a review of the minimum Windows version has the list at hand.
#
#   cmake -DOBJDUMP=... -DPROGRAM=acpower.exe -P check_imports.cmake

# Windows' own DLLs that the program may use; msvcrt.dll is the C runtime
# every Windows since 2000 carries, and the one mingw-w64 builds against.
set(system_dlls kernel32.dll user32.dll gdi32.dll shell32.dll comctl32.dll advapi32.dll msvcrt.dll)

execute_process(COMMAND ${OBJDUMP} -p ${PROGRAM} OUTPUT_VARIABLE listing RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${OBJDUMP} -p ${PROGRAM} failed")
endif()

string(REGEX MATCHALL "DLL Name: [^\n]+" names "${listing}")
if(NOT names)
    message(FATAL_ERROR "no imports found in ${PROGRAM}; is it a Windows program?")
endif()
set(foreign)
foreach(line IN LISTS names)
    string(REPLACE "DLL Name: " "" dll "${line}")
    string(STRIP "${dll}" dll)
    string(TOLOWER "${dll}" dll_lower)
    if(NOT dll_lower IN_LIST system_dlls)
        list(APPEND foreign ${dll})
    endif()
    message(STATUS "imports ${dll}")
endforeach()

# The function names follow each DLL's table as "<hint> <name>" lines.
string(REGEX MATCHALL "\n\t[ \t]*[0-9a-f]+[ \t]+[0-9]+[ \t]+[A-Za-z_][A-Za-z0-9_]*" functions "${listing}")
list(LENGTH functions count)
string(REGEX REPLACE "\n\t[ \t]*[0-9a-f]+[ \t]+[0-9]+[ \t]+" "" functions "${functions}")
list(SORT functions)
string(REPLACE ";" " " function_list "${functions}")
message(STATUS "${count} imported functions: ${function_list}")

if(foreign)
    message(FATAL_ERROR "imports from DLLs that are not Windows' own: ${foreign}")
endif()
