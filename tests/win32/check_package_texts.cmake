cmake_minimum_required(VERSION 3.16)

# The ZIP holds the program and the two texts for its users, and the texts
# read right in Notepad on Windows 7: UTF-8 with a byte-order mark, every
# line ended by CR LF, and the version and the company page filled in.
#
#   cmake -DZIP=... -DTEXTS=DIR -DVERSION=... -DPAGE=... -P check_package_texts.cmake

set(failures)

execute_process(COMMAND ${CMAKE_COMMAND} -E tar tf ${ZIP} OUTPUT_VARIABLE listing RESULT_VARIABLE result)
string(REGEX REPLACE "[^\n]*/" "" listing "${listing}")
string(REPLACE "\n" ";" listing "${listing}")
list(REMOVE_ITEM listing "")
list(SORT listing)
if(NOT result EQUAL 0 OR NOT listing STREQUAL "acpower.exe;license.txt;readme.txt")
    list(APPEND failures "the ZIP holds '${listing}', not acpower.exe, license.txt and readme.txt")
endif()

foreach(name readme.txt license.txt)
    # As hex: file(READ) drops carriage returns from text.
    file(READ ${TEXTS}/${name} hex HEX)
    if(NOT hex MATCHES "^efbbbf")
        list(APPEND failures "${name} does not start with a byte-order mark")
    endif()
    # Byte by byte, a line end whole: a lone "0a" is a line feed alone.
    string(REGEX MATCHALL "0d0a|.." bytes "${hex}")
    if("0a" IN_LIST bytes)
        list(APPEND failures "${name} has a line that does not end in CR LF")
    endif()
endforeach()

file(READ ${TEXTS}/readme.txt readme)
foreach(fact "версия ${VERSION}" "${PAGE}")
    string(FIND "${readme}" "${fact}" at)
    if(at EQUAL -1)
        list(APPEND failures "readme.txt does not say '${fact}'")
    endif()
endforeach()
if(readme MATCHES "@[A-Z_]+@")
    list(APPEND failures "readme.txt keeps an unfilled '${CMAKE_MATCH_0}'")
endif()

if(failures)
    list(JOIN failures "\n  " message)
    message(FATAL_ERROR "The Windows packages' texts:\n  ${message}")
endif()
message(STATUS "ZIP and texts: ${listing}")
