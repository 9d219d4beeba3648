# Builds the Debian package with CPack and reads its control fields and file
# list back with dpkg-deb.
#   CPACK, DPKG_DEB, BUILD_DIR, CONFIG, STAGE, APP_ID, EXECUTABLE, VERSION, QT_MAJOR

cmake_minimum_required(VERSION 3.16)

file(REMOVE_RECURSE "${STAGE}")
file(MAKE_DIRECTORY "${STAGE}")
set(config_args)
if(CONFIG)
    set(config_args -C ${CONFIG})
endif()
execute_process(
    COMMAND ${CPACK} -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${STAGE} ${config_args}
    RESULT_VARIABLE result
    OUTPUT_VARIABLE output
    ERROR_VARIABLE output)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cpack failed:\n${output}")
endif()

file(GLOB packages "${STAGE}/*.deb")
list(LENGTH packages count)
if(NOT count EQUAL 1)
    message(FATAL_ERROR "expected one .deb, found: ${packages}\n${output}")
endif()
get_filename_component(name "${packages}" NAME)
if(NOT name MATCHES "^acpower_${VERSION}_[a-z0-9]+\\.deb$")
    message(FATAL_ERROR "unexpected package file name ${name}")
endif()

function(control_field out field)
    execute_process(COMMAND ${DPKG_DEB} --field ${packages} ${field}
                    RESULT_VARIABLE result OUTPUT_VARIABLE value ERROR_VARIABLE error)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "dpkg-deb --field ${field}: ${error}")
    endif()
    string(STRIP "${value}" value)
    set(${out} "${value}" PARENT_SCOPE)
endfunction()

control_field(package Package)
control_field(version Version)
control_field(depends Depends)
control_field(section Section)
control_field(maintainer Maintainer)
control_field(homepage Homepage)
message(STATUS "Package: ${package}\nVersion: ${version}\nDepends: ${depends}\nSection: ${section}\nMaintainer: ${maintainer}\nHomepage: ${homepage}")

if(NOT package STREQUAL "acpower")
    message(FATAL_ERROR "Package is ${package}")
endif()
if(NOT version STREQUAL VERSION)
    message(FATAL_ERROR "Version is ${version}, the project says ${VERSION}")
endif()
if(NOT section STREQUAL "utils")
    message(FATAL_ERROR "Section is ${section}")
endif()
if(NOT maintainer MATCHES "<[^@>]+@[^>]+>")
    message(FATAL_ERROR "Maintainer has no address: ${maintainer}")
endif()
# The fonts are named by hand; Qt's libraries must have been found by
# dpkg-shlibdeps from what the program really links.
if(NOT depends MATCHES "(^|, )fonts-liberation($|,| )")
    message(FATAL_ERROR "Depends lacks fonts-liberation: ${depends}")
endif()
if(NOT depends MATCHES "libqt${QT_MAJOR}widgets${QT_MAJOR}")
    message(FATAL_ERROR "Depends lacks the Qt ${QT_MAJOR} widgets library: ${depends}")
endif()

execute_process(COMMAND ${DPKG_DEB} --contents ${packages}
                RESULT_VARIABLE result OUTPUT_VARIABLE contents ERROR_VARIABLE error)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "dpkg-deb --contents: ${error}")
endif()
foreach(path
        ./usr/bin/${EXECUTABLE}
        ./usr/share/applications/${APP_ID}.desktop
        ./usr/share/metainfo/${APP_ID}.metainfo.xml
        ./usr/share/icons/hicolor/16x16/apps/${APP_ID}.png
        ./usr/share/icons/hicolor/256x256/apps/${APP_ID}.png)
    string(FIND "${contents}" " ${path}\n" found)
    if(found EQUAL -1)
        message(FATAL_ERROR "the package lacks ${path}:\n${contents}")
    endif()
endforeach()
message(STATUS "${name} is as expected")
