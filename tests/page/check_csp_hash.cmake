# Published SHA-256 values, in base64, against the road the page's policy
# takes: CMake's digest in hex, made base64 by the page tool
# (-DACPOWER_PAGE_TOOL); the empty text too.
include(${HASH_SCRIPT})
set(rows
    "abc|'sha256-ungWv48Bz+pBQUDeXa4iI7ADYaOWF3qctBD/YfIAFa0='"
    "|'sha256-47DEQpj8HBSa+/TImW+5JCeuQeRkm5NMpJWZG3hSuFU='")
foreach(row IN LISTS rows)
    string(FIND "${row}" "|" bar)
    string(SUBSTRING "${row}" 0 ${bar} text)
    math(EXPR after "${bar} + 1")
    string(SUBSTRING "${row}" ${after} -1 expected)
    acpower_csp_hash("${text}" seen)
    if(NOT seen STREQUAL expected)
        message(SEND_ERROR "hash of \"${text}\": expected ${expected}, seen ${seen}")
    endif()
endforeach()
