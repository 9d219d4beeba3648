# Builds the Debian package with CPack, reads its control fields and file
# list back with dpkg-deb and has lintian judge it: any error fails.
#   CPACK, DPKG_DEB, LINTIAN, BUILD_DIR, CONFIG, STAGE, APP_ID, EXECUTABLE,
#   DEB_VERSION, QT_MAJOR

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
string(REPLACE "." "\\." version_pattern "${DEB_VERSION}")
if(NOT name MATCHES "^acpower_${version_pattern}_[a-z0-9]+\\.deb$")
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
if(NOT version STREQUAL DEB_VERSION)
    message(FATAL_ERROR "Version is ${version}, the project says ${DEB_VERSION}")
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
        ./usr/share/icons/hicolor/256x256/apps/${APP_ID}.png
        ./usr/share/icons/hicolor/scalable/apps/${APP_ID}.svg
        ./usr/share/man/man1/${EXECUTABLE}.1.gz
        ./usr/share/doc/${EXECUTABLE}/changelog.Debian.gz)
    string(FIND "${contents}" " ${path}\n" found)
    if(found EQUAL -1)
        message(FATAL_ERROR "the package lacks ${path}:\n${contents}")
    endif()
endforeach()
# Lintian's errors are what Debian refuses; its warnings are printed here for
# whoever reads the log.
if(NOT LINTIAN)
    message(FATAL_ERROR "lintian not installed; install the Debian package lintian (scripts/setup.sh does)")
endif()
execute_process(COMMAND ${LINTIAN} --fail-on error ${packages}
                RESULT_VARIABLE result OUTPUT_VARIABLE report ERROR_VARIABLE report)
message("lintian ${name}:\n${report}")
string(REGEX MATCHALL "(^|\n)E: [^\n]*" errors "${report}")
if(errors OR NOT result EQUAL 0)
    message(FATAL_ERROR "lintian finds errors in ${name} (status ${result})")
endif()

message(STATUS "${name} is as expected")
