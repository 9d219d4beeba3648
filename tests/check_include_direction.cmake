# Fails when a library includes a header of a folder it must not depend on:
# the engine and the form know no window, and no window knows another. The
# folders a library may reach are listed beside it, and the display texts'
# reference reaches none but tests/; generated headers
# (app_info.h) and system headers are not project folders and pass.
#   cmake -DSOURCE_DIR=... -P check_include_direction.cmake
cmake_minimum_required(VERSION 3.16)

set(allowed_numbers numbers)
set(allowed_core numbers core)
set(allowed_form numbers core form)
set(allowed_qt numbers core form qt resources)
set(allowed_win32 numbers core form win32)

set(project_folders numbers core form qt win32 resources tests bench tools)
set(crossings "")

# Appends to `crossings` each project include of `sources` outside `allowed`.
function(check_sources allowed)
    foreach(source IN LISTS ARGN)
        file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
        foreach(line IN LISTS includes)
            string(REGEX REPLACE "^[^\"]*\"([^/\"]+)/.*$" "\\1" folder "${line}")
            if(folder IN_LIST project_folders AND NOT folder IN_LIST allowed)
                file(RELATIVE_PATH shown "${SOURCE_DIR}" "${source}")
                string(STRIP "${line}" line)
                list(APPEND crossings "${shown}: ${line}")
            endif()
        endforeach()
    endforeach()
    set(crossings "${crossings}" PARENT_SCOPE)
endfunction()

foreach(library numbers core form qt win32)
    file(GLOB_RECURSE sources "${SOURCE_DIR}/${library}/*.h" "${SOURCE_DIR}/${library}/*.cpp")
    check_sources("${allowed_${library}}" ${sources})
endforeach()

# The display texts' reference judges the engine, so it must share none of
# its code: it and its own rows see nothing of the engine.
set(reference tests/display/display_reference.h tests/display/display_reference.cpp tests/display/reference_rows.cpp)
list(TRANSFORM reference PREPEND "${SOURCE_DIR}/")
foreach(source IN LISTS reference)
    if(NOT EXISTS "${source}")
        list(APPEND crossings "${source}: not found, so not checked")
    endif()
endforeach()
check_sources(tests ${reference})

if(crossings)
    list(JOIN crossings "\n  " shown)
    message(FATAL_ERROR "includes that cross the wrong way:\n  ${shown}")
endif()
