# Builds every package of one release from a clean tree and gathers them,
# named with the version, in one folder with their SHA256SUMS.
#   cmake -DSOURCE=<source tree> -DWORK=<folder for the package trees>
#         -DDIST=<folder for the packages> -DVERSION=<project version>
#         [-DPARTS=deb,windows,windows64,web] [-DCOMMIT=<source commit>] -P Release.cmake
# Each part is a configure preset of CMakePresets.json, built without its
# tests in a tree of its own under WORK. Times stamped into the packages come
# from SOURCE_DATE_EPOCH: the environment's if set, else the last commit's.

foreach(input IN ITEMS SOURCE WORK DIST VERSION)
    if(NOT DEFINED ${input})
        message(FATAL_ERROR "Release.cmake needs -D${input}=")
    endif()
endforeach()
if(NOT DEFINED PARTS)
    set(PARTS deb,windows,windows64,web)
endif()
string(REPLACE "," ";" PARTS "${PARTS}")

include(${CMAKE_CURRENT_LIST_DIR}/ReleaseEpoch.cmake)
acpower_release_epoch("${SOURCE}")

# Nothing the packages hold may depend on the machine's zone, language or
# mask: the ZIP stores local times, and archivers take the files' modes.
set(ENV{TZ} UTC)
set(ENV{LC_ALL} C.UTF-8)
set(ENV{LANGUAGE} "")

# A script cannot set its own umask, so each command gets it from a shell.
function(acpower_run)
    execute_process(COMMAND sh -c "umask 022 && exec \"$@\"" sh ${ARGN}
                    WORKING_DIRECTORY "${SOURCE}" RESULT_VARIABLE failed)
    if(failed)
        string(REPLACE ";" " " command "${ARGN}")
        message(FATAL_ERROR "Release: `${command}` failed (${failed})")
    endif()
endfunction()

# Configures and builds one preset's tree afresh, then runs CPack's
# generators in it, if it has any.
function(acpower_release_tree preset generators)
    set(tree "${WORK}/${preset}")
    file(REMOVE_RECURSE "${tree}")
    message(STATUS "Release: building ${preset} in ${tree}")
    acpower_run(${CMAKE_COMMAND} --preset ${preset} -B "${tree}" -DBUILD_TESTING=OFF -DACPOWER_REPRODUCIBLE=ON)
    acpower_run(${CMAKE_COMMAND} --build "${tree}" --parallel 2)
    foreach(generator IN LISTS generators)
        acpower_run(cpack --config "${tree}/CPackConfig.cmake" -B "${tree}/packages" -G ${generator})
    endforeach()
endfunction()

# Copies one built file into DIST under its release name.
function(acpower_release_file from name)
    if(NOT EXISTS "${from}")
        message(FATAL_ERROR "Release: ${from} was not built")
    endif()
    file(COPY_FILE "${from}" "${DIST}/${name}")
    list(APPEND released ${name})
    set(released ${released} PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE "${DIST}")
file(MAKE_DIRECTORY "${DIST}")
set(released)
foreach(part IN LISTS PARTS)
    if(part STREQUAL "deb")
        acpower_release_tree(package DEB)
        file(GLOB debs "${WORK}/package/packages/*.deb")
        foreach(deb IN LISTS debs)
            get_filename_component(name "${deb}" NAME)
            acpower_release_file("${deb}" ${name})
        endforeach()
    elseif(part STREQUAL "windows")
        acpower_release_tree(windows "ZIP;NSIS")
        foreach(name IN ITEMS acpower-${VERSION}-win32.zip acpower-${VERSION}-win32-setup.exe)
            acpower_release_file("${WORK}/windows/packages/${name}" ${name})
        endforeach()
    elseif(part STREQUAL "windows64")
        acpower_release_tree(windows64 NSIS)
        set(name acpower-${VERSION}-win64-setup.exe)
        acpower_release_file("${WORK}/windows64/packages/${name}" ${name})
    elseif(part STREQUAL "web")
        acpower_release_tree(web "")
        set(page "${WORK}/web/web/page")
        acpower_release_file("${page}/acpower.html" acpower-${VERSION}.html)
        acpower_release_file("${page}/acpower-calculator.js" acpower-calculator-${VERSION}.js)
        # The element looks for its cursor beside itself under this one name.
        acpower_release_file("${page}/acpower-link.cur" acpower-link.cur)
        # The site folder: the page as index.html, installable and offline.
        acpower_release_file("${page}/acpower-${VERSION}-site.zip" acpower-${VERSION}-site.zip)
    else()
        message(FATAL_ERROR "Release: no part named ${part} (deb, windows, windows64, web)")
    endif()
endforeach()

# What made the release (the source, its time and every Debian package that
# built it), so that another machine with the same packages can rebuild it
# bit for bit; a signed release names the signer's packages too.
if(NOT DEFINED COMMIT)
    acpower_source_commit(COMMIT "${SOURCE}")
endif()
set(signer)
if(NOT "$ENV{ACPOWER_SIGN_PKCS11_MODULE}" STREQUAL "")
    set(signer osslsigncode libengine-pkcs11-openssl)
elseif(NOT "$ENV{ACPOWER_SIGN_PKCS12}" STREQUAL "")
    set(signer osslsigncode)
endif()
string(REPLACE ";" "," parts "${PARTS}")
set(buildinfo acpower-${VERSION}.buildinfo)
execute_process(COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/release_buildinfo.sh "${SOURCE}" ${VERSION} "${COMMIT}" ${parts} ${signer}
                OUTPUT_FILE "${DIST}/${buildinfo}" RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "Release: could not write ${buildinfo}")
endif()
list(APPEND released ${buildinfo})

# In the form `sha256sum -c SHA256SUMS` reads: the hash, two spaces, the name.
list(SORT released)
set(sums "")
foreach(name IN LISTS released)
    file(SHA256 "${DIST}/${name}" hash)
    string(APPEND sums "${hash}  ${name}\n")
endforeach()
file(WRITE "${DIST}/SHA256SUMS" "${sums}")
message(STATUS "Release ${VERSION} (SOURCE_DATE_EPOCH=$ENV{SOURCE_DATE_EPOCH}) in ${DIST}:\n${sums}")
