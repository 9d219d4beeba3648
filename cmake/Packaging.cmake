# Who makes the program and how it is shipped. The vendor texts below feed the
# Windows version record and the AppStream record (resources/) as well as the
# packages, so that every place names the program the same way. Included
# before resources/ for that reason; CPack reads the install rules only when
# it runs, so their order does not matter to it.

set(ACPOWER_VENDOR "ОРНИК ВЕЙМ")
set(ACPOWER_VENDOR_EN "Ornik Veim")
set(ACPOWER_NAME_EN "Air Conditioner Power Calculator")
set(ACPOWER_SUMMARY_EN "Estimate the cooling power an air conditioner needs for a room")
set(ACPOWER_FILE_DESCRIPTION "программа")
set(ACPOWER_RELEASE_DATE "2026-12-08")
set(ACPOWER_COPYRIGHT "© 2026 ${ACPOWER_VENDOR}")
set(ACPOWER_LICENSE "MIT")
set(ACPOWER_CONTACT "${ACPOWER_VENDOR} <info@ornikveim.ru>")

set(CPACK_PACKAGE_NAME acpower)
set(CPACK_PACKAGE_VENDOR "${ACPOWER_VENDOR}")
set(CPACK_PACKAGE_CONTACT "${ACPOWER_CONTACT}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_HOMEPAGE_URL "${ACPOWER_COMPANY_SITE}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${ACPOWER_SUMMARY_EN}")
# Line breaks are kept: Debian shows the description as written.
set(CPACK_PACKAGE_DESCRIPTION
    "A preliminary estimate of the cooling power an air conditioner needs for
one room, from its floor area, ceiling height, people, computers, electrical
appliances and the side its windows face. The interface is in Russian.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY acpower)
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_STRIP_FILES ON)
set(CPACK_VERBATIM_VARIABLES ON)

if(WIN32)
    set(CPACK_GENERATOR ZIP NSIS)
elseif(UNIX AND NOT APPLE)
    set(CPACK_GENERATOR DEB)
else()
    set(CPACK_GENERATOR TGZ)
endif()

# --- Debian ----------------------------------------------------------------
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps (dpkg-dev) turns the libraries the program links into the
# right Qt package names for whichever Qt it was built against.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window's layout is measured in the metrics of these fonts.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
# Opening the company page goes through xdg-open.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
# The first build of this version for Debian. A package with a Debian
# revision keeps its changelog as changelog.Debian.gz.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(ACPOWER_DEBIAN_VERSION "${PROJECT_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE}")

if(UNIX AND NOT APPLE)
    include(${CMAKE_CURRENT_LIST_DIR}/DebianDocs.cmake)
    acpower_email_date(ACPOWER_RELEASE_DATE_EMAIL "${ACPOWER_RELEASE_DATE}")
    set(ACPOWER_DEBIAN_CHANGELOG ${PROJECT_BINARY_DIR}/changelog.Debian)
    configure_file(${PROJECT_SOURCE_DIR}/resources/linux/changelog.Debian.in ${ACPOWER_DEBIAN_CHANGELOG} @ONLY)
    acpower_gzip(acpower_debian_changelog ${ACPOWER_DEBIAN_CHANGELOG})
    install(FILES ${ACPOWER_DEBIAN_CHANGELOG}.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
endif()

# --- Windows ---------------------------------------------------------------
# The Win32 program is one static executable, so the packages hold it and two
# texts for its users, and nothing else: no runtime DLLs to deploy. The
# installer is the project's own NSIS script (cmake/nsis/), which installs for
# every user or, without administrator rights, for the current user alone.
if(WIN32)
    if(CMAKE_SIZEOF_VOID_P EQUAL 8)
        set(acpower_windows_bits 64)
        # A 64-bit set-up program too, so that it runs where the program does.
        set(acpower_nsis_target amd64-unicode)
    else()
        set(acpower_windows_bits 32)
        set(acpower_nsis_target x86-unicode)
    endif()
    set(CPACK_PACKAGE_FILE_NAME "acpower-${PROJECT_VERSION}-win${acpower_windows_bits}")
    set(CPACK_PROJECT_CONFIG_FILE "${PROJECT_SOURCE_DIR}/cmake/cpack_per_generator.cmake")
    list(APPEND CMAKE_MODULE_PATH "${CMAKE_CURRENT_LIST_DIR}/nsis")
    set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY acpower)
    # Unicode, so that the Russian names below reach the installer and the
    # system whole, whatever the machine's code page.
    set(CPACK_NSIS_DEFINES "Target ${acpower_nsis_target}")
    set(CPACK_NSIS_DISPLAY_NAME "${ACPOWER_DISPLAY_NAME}")
    set(CPACK_NSIS_PUBLISHER "${ACPOWER_VENDOR}")
    set(CPACK_NSIS_URL_INFO_ABOUT "${ACPOWER_COMPANY_SITE}")
    set(CPACK_NSIS_MUI_ICON "${PROJECT_SOURCE_DIR}/resources/windows/acpower.ico")
    set(CPACK_NSIS_MUI_UNIICON "${PROJECT_SOURCE_DIR}/resources/windows/acpower.ico")

    # Texts as Notepad on Windows 7 reads them: UTF-8 with a byte-order mark,
    # lines ending in CR LF, @VARIABLES@ filled in. Latin file names, since
    # the ZIP reader of Windows 7 garbles Cyrillic ones.
    function(acpower_windows_text name source)
        string(ASCII 239 187 191 utf8_bom)
        file(READ "${source}" text)
        file(CONFIGURE OUTPUT "${PROJECT_BINARY_DIR}/package/${name}"
             CONTENT "${utf8_bom}${text}" @ONLY NEWLINE_STYLE CRLF)
        set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${source}")
        install(FILES "${PROJECT_BINARY_DIR}/package/${name}" DESTINATION .)
    endfunction()
    acpower_windows_text(readme.txt "${PROJECT_SOURCE_DIR}/resources/windows/readme.txt.in")
    acpower_windows_text(license.txt "${PROJECT_SOURCE_DIR}/LICENSE")
    set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_BINARY_DIR}/package/license.txt")
endif()

# Debian looks for a package's licence under this one name.
if(UNIX AND NOT APPLE)
    install(FILES "${PROJECT_SOURCE_DIR}/LICENSE" DESTINATION ${CMAKE_INSTALL_DOCDIR} RENAME copyright)
elseif(NOT WIN32)
    install(FILES "${PROJECT_SOURCE_DIR}/LICENSE" DESTINATION ${CMAKE_INSTALL_DOCDIR})
endif()

# Last of the pre-build scripts, so that no later one changes a file's time.
if(ACPOWER_REPRODUCIBLE)
    list(APPEND CPACK_PRE_BUILD_SCRIPTS "${PROJECT_SOURCE_DIR}/cmake/ReleaseFileTimes.cmake")
endif()
include(CPack)
