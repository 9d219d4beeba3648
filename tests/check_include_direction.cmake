# Fails when a library includes a header of a folder it must not depend on:
# the engine and the form know no window, and no window knows another. The
# folders a library may reach are listed beside it; generated headers
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
foreach(library numbers core form qt win32)
    file(GLOB_RECURSE sources "${SOURCE_DIR}/${library}/*.h" "${SOURCE_DIR}/${library}/*.cpp")
    foreach(source IN LISTS sources)
        file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
        foreach(line IN LISTS includes)
            string(REGEX REPLACE "^[^\"]*\"([^/\"]+)/.*$" "\\1" folder "${line}")
            if(folder IN_LIST project_folders AND NOT folder IN_LIST allowed_${library})
                file(RELATIVE_PATH shown "${SOURCE_DIR}" "${source}")
                string(STRIP "${line}" line)
                list(APPEND crossings "${shown}: ${line}")
            endif()
        endforeach()
    endforeach()
endforeach()

if(crossings)
    list(JOIN crossings "\n  " shown)
    message(FATAL_ERROR "includes that cross the wrong way:\n  ${shown}")
endif()
