# Installs the build into a scratch DESTDIR and checks that exactly the
# expected files land in their standard places, in the shape the desktop
# expects them.
#   BUILD_DIR, CONFIG, STAGE, APP_ID, EXECUTABLE, VERSION, DEB_VERSION,
#   RELEASE_DATE, HOMEPAGE, SIZES

cmake_minimum_required(VERSION 3.16)

file(REMOVE_RECURSE "${STAGE}")
set(config_args)
if(CONFIG)
    set(config_args --config ${CONFIG})
endif()
execute_process(
    COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${STAGE}
            ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr ${config_args}
    RESULT_VARIABLE result
    OUTPUT_VARIABLE output
    ERROR_VARIABLE output)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed:\n${output}")
endif()

set(expected
    usr/bin/${EXECUTABLE}
    usr/share/applications/${APP_ID}.desktop
    usr/share/metainfo/${APP_ID}.metainfo.xml
    usr/share/doc/${EXECUTABLE}/copyright
    usr/share/doc/${EXECUTABLE}/changelog.Debian.gz
    usr/share/man/man1/${EXECUTABLE}.1.gz
    usr/share/man/ru/man1/${EXECUTABLE}.1.gz
    usr/share/icons/hicolor/scalable/apps/${APP_ID}.svg)
foreach(size IN LISTS SIZES)
    list(APPEND expected usr/share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
list(SORT expected)

file(GLOB_RECURSE installed RELATIVE "${STAGE}" "${STAGE}/*")
list(SORT installed)
set(missing ${expected})
list(REMOVE_ITEM missing ${installed})
set(unexpected ${installed})
list(REMOVE_ITEM unexpected ${expected})
if(missing OR unexpected)
    string(REPLACE ";" "\n  " missing "${missing}")
    string(REPLACE ";" "\n  " unexpected "${unexpected}")
    message(FATAL_ERROR "install tree differs\nmissing:\n  ${missing}\nunexpected:\n  ${unexpected}")
endif()

execute_process(COMMAND test -x "${STAGE}/usr/bin/${EXECUTABLE}" RESULT_VARIABLE not_executable)
if(not_executable)
    message(FATAL_ERROR "usr/bin/${EXECUTABLE} is not executable")
endif()

# Each theme icon must be a PNG of the size its folder promises.
foreach(size IN LISTS SIZES)
    set(icon "${STAGE}/usr/share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png")
    file(READ "${icon}" signature LIMIT 8 HEX)
    file(READ "${icon}" header OFFSET 12 LIMIT 12 HEX)
    math(EXPR size_hex "${size}" OUTPUT_FORMAT HEXADECIMAL)
    string(SUBSTRING "${size_hex}" 2 -1 size_hex)
    string(LENGTH "${size_hex}" digits)
    while(digits LESS 8)
        string(PREPEND size_hex "0")
        math(EXPR digits "${digits} + 1")
    endwhile()
    if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT header STREQUAL "49484452${size_hex}${size_hex}")
        message(FATAL_ERROR "${icon} is not a ${size}x${size} PNG (IHDR ${header})")
    endif()
endforeach()

# The desktop file must lead to the installed program and icon.
file(READ "${STAGE}/usr/share/applications/${APP_ID}.desktop" desktop)
set(desktop "\n${desktop}\n")
foreach(line "Exec=${EXECUTABLE}" "Icon=${APP_ID}" "Type=Application")
    string(FIND "${desktop}" "\n${line}\n" found)
    if(found EQUAL -1)
        message(FATAL_ERROR "the desktop file lacks the line ${line}")
    endif()
endforeach()
if(NOT desktop MATCHES "\nCategories=([^\n]*;)?Calculator;")
    message(FATAL_ERROR "the desktop file is not in the Calculator category")
endif()
if(NOT desktop MATCHES "\nName\\[ru\\]=[^\n]")
    message(FATAL_ERROR "the desktop file has no Russian name")
endif()

# The AppStream record must name the same id, desktop file and version; the
# validator takes a missing homepage or content rating for a mere remark.
file(READ "${STAGE}/usr/share/metainfo/${APP_ID}.metainfo.xml" metainfo)
foreach(fragment
        "<id>${APP_ID}</id>"
        "<launchable type=\"desktop-id\">${APP_ID}.desktop</launchable>"
        "<release version=\"${VERSION}\""
        "<binary>${EXECUTABLE}</binary>"
        "<url type=\"homepage\">${HOMEPAGE}</url>"
        "<content_rating type=\"oars-1.1\"")
    string(FIND "${metainfo}" "${fragment}" found)
    if(found EQUAL -1)
        message(FATAL_ERROR "the metainfo file lacks ${fragment}")
    endif()
endforeach()

# The manual pages and the changelog carry the project's version and release
# date, not copies typed into them.
function(gunzip out file)
    execute_process(COMMAND gzip -dc "${STAGE}/${file}"
                    RESULT_VARIABLE result OUTPUT_VARIABLE text ERROR_VARIABLE error)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${file} does not decompress: ${error}")
    endif()
    set(${out} "${text}" PARENT_SCOPE)
endfunction()
foreach(page usr/share/man/man1/${EXECUTABLE}.1.gz usr/share/man/ru/man1/${EXECUTABLE}.1.gz)
    gunzip(text ${page})
    string(FIND "${text}" "\n.TH ACPOWER 1 \"${RELEASE_DATE}\" \"${EXECUTABLE} ${VERSION}\" " found)
    if(found EQUAL -1)
        message(FATAL_ERROR "${page} lacks a title line with ${RELEASE_DATE} and ${VERSION}")
    endif()
endforeach()
gunzip(changelog usr/share/doc/${EXECUTABLE}/changelog.Debian.gz)
string(REGEX MATCH "^[^\n]*" heading "${changelog}")
if(NOT heading MATCHES "^${EXECUTABLE} \\(${DEB_VERSION}\\) ")
    message(FATAL_ERROR "the changelog does not start with version ${DEB_VERSION}: ${heading}")
endif()

message(STATUS "install tree under ${STAGE} is as expected")
