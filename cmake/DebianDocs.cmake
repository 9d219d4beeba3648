# How Debian wants a package's documentation: compressed reproducibly, and
# dated the way its changelogs date releases.

# Compressed with gzip -9 and without the name and time gzip stores by
# default, so that rebuilding gives the same bytes.
find_program(ACPOWER_GZIP gzip)
if(NOT ACPOWER_GZIP)
    message(FATAL_ERROR "gzip not found; it compresses the manual pages and the changelog")
endif()
function(acpower_gzip target file)
    add_custom_command(
        OUTPUT ${file}.gz
        COMMAND ${ACPOWER_GZIP} -9nkf ${file}
        DEPENDS ${file}
        VERBATIM)
    add_custom_target(${target} ALL DEPENDS ${file}.gz)
endfunction()

# The changelog's trailer dates a release as e-mail does, weekday first;
# Sakamoto's rule finds the weekday of a YYYY-MM-DD date.
function(acpower_email_date out iso_date)
    if(NOT iso_date MATCHES "^([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])$")
        message(FATAL_ERROR "not a YYYY-MM-DD date: ${iso_date}")
    endif()
    set(day_text ${CMAKE_MATCH_3})
    math(EXPR year "${CMAKE_MATCH_1}")
    math(EXPR month_index "${CMAKE_MATCH_2} - 1")
    math(EXPR day "${CMAKE_MATCH_3}")
    set(month_offsets 0 3 2 5 0 3 5 1 4 6 2 4)
    set(month_names Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
    set(weekday_names Sun Mon Tue Wed Thu Fri Sat)
    list(GET month_offsets ${month_index} offset)
    list(GET month_names ${month_index} month_name)
    if(month_index LESS 2)
        math(EXPR year_of_weekday "${year} - 1")
    else()
        set(year_of_weekday ${year})
    endif()
    set(y ${year_of_weekday})
    math(EXPR weekday "(${y} + ${y} / 4 - ${y} / 100 + ${y} / 400 + ${offset} + ${day}) % 7")
    list(GET weekday_names ${weekday} weekday_name)
    set(${out} "${weekday_name}, ${day_text} ${month_name} ${year} 00:00:00 +0000" PARENT_SCOPE)
endfunction()
