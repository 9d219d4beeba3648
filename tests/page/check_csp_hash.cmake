# Published SHA-256 values, in base64, against the hex-to-base64 road the
# page's policy takes: each padding length once, and the empty text.
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
# Odd byte counts end in one or two '=': 1, 2 and 3 bytes from hex.
foreach(row IN ITEMS "66|Zg==" "666f|Zm8=" "666f6f|Zm9v" "ff00fe|/wD+")
    string(REPLACE "|" ";" pair "${row}")
    list(GET pair 0 hex)
    list(GET pair 1 expected)
    acpower_hex_to_base64("${hex}" seen)
    if(NOT seen STREQUAL expected)
        message(SEND_ERROR "base64 of ${hex}: expected ${expected}, seen ${seen}")
    endif()
endforeach()
