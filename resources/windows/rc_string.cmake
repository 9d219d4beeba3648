# acpower_rc_wide_string(<out-var> <utf8-text>)
#
# Sets <out-var> to a resource-script wide string literal, L"...", that spells
# <utf8-text> in plain ASCII: every character outside printable ASCII becomes a
# \xNNNN escape of its UTF-16 code unit. Resource compilers disagree on the
# code page they read a script in (rc.exe takes the system's ANSI page unless
# told otherwise, windres and llvm-rc differ again), but all of them read
# ASCII and \x escapes in wide strings the same way, so the Cyrillic survives
# whichever compiler the build uses.
function(acpower_rc_wide_string out_var text)
    # CMake has no per-character string access; the bytes come back as hex
    # through a scratch file (string(HEX) would need CMake 3.18).
    set(scratch "${CMAKE_CURRENT_BINARY_DIR}/rc_string_scratch.txt")
    file(WRITE "${scratch}" "${text}")
    file(READ "${scratch}" hex HEX)
    file(REMOVE "${scratch}")

    string(LENGTH "${hex}" hex_length)
    set(result "")
    set(position 0)
    set(escaped_last OFF)
    while(position LESS hex_length)
        string(SUBSTRING "${hex}" ${position} 2 byte_hex)
        math(EXPR byte "0x${byte_hex}")
        math(EXPR position "${position} + 2")

        # Decode one UTF-8 sequence into a code point.
        if(byte LESS 128)
            set(trailing 0)
            set(code ${byte})
        elseif(byte GREATER_EQUAL 240)
            set(trailing 3)
            math(EXPR code "${byte} & 7")
        elseif(byte GREATER_EQUAL 224)
            set(trailing 2)
            math(EXPR code "${byte} & 15")
        elseif(byte GREATER_EQUAL 192)
            set(trailing 1)
            math(EXPR code "${byte} & 31")
        else()
            message(FATAL_ERROR "acpower_rc_wide_string: not UTF-8: \"${text}\"")
        endif()
        while(trailing GREATER 0)
            math(EXPR trailing "${trailing} - 1")
            if(position GREATER_EQUAL hex_length)
                message(FATAL_ERROR "acpower_rc_wide_string: truncated UTF-8: \"${text}\"")
            endif()
            string(SUBSTRING "${hex}" ${position} 2 byte_hex)
            math(EXPR byte "0x${byte_hex}")
            math(EXPR position "${position} + 2")
            if(byte LESS 128 OR byte GREATER_EQUAL 192)
                message(FATAL_ERROR "acpower_rc_wide_string: not UTF-8: \"${text}\"")
            endif()
            math(EXPR code "(${code} << 6) | (${byte} & 63)")
        endwhile()

        # Printable ASCII passes as it is, except the quote and the backslash,
        # which the compilers escape differently, and a hex digit right after
        # an escape, which a compiler could read as part of that escape.
        set(plain OFF)
        if(code GREATER_EQUAL 32 AND code LESS 127 AND NOT code EQUAL 34 AND NOT code EQUAL 92)
            string(ASCII ${code} char)
            set(plain ON)
            if(escaped_last AND char MATCHES "^[0-9A-Fa-f]$")
                set(plain OFF)
            endif()
        endif()

        if(plain)
            string(APPEND result "${char}")
            set(escaped_last OFF)
        else()
            set(units ${code})
            if(code GREATER 65535)
                math(EXPR high "0xD800 + ((${code} - 0x10000) >> 10)")
                math(EXPR low "0xDC00 + ((${code} - 0x10000) & 1023)")
                set(units ${high} ${low})
            endif()
            foreach(unit IN LISTS units)
                math(EXPR unit_hex "${unit}" OUTPUT_FORMAT HEXADECIMAL)
                string(SUBSTRING "${unit_hex}" 2 -1 digits)
                string(TOUPPER "${digits}" digits)
                string(LENGTH "${digits}" digit_count)
                while(digit_count LESS 4)
                    string(PREPEND digits "0")
                    math(EXPR digit_count "${digit_count} + 1")
                endwhile()
                string(APPEND result "\\x${digits}")
            endforeach()
            set(escaped_last ON)
        endif()
    endwhile()
    set(${out_var} "L\"${result}\"" PARENT_SCOPE)
endfunction()
