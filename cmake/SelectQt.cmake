# Qt 6 is the first choice; Qt 5.15 stays buildable for older Linux
# distributions (Debian 11, Ubuntu 22.04). Windows has its own Win32 window.
option(WITH_QT5 "Build against Qt 5.15 even when Qt 6 is installed" OFF)

set(ACPOWER_QT_COMPONENTS Widgets)
if(BUILD_TESTING)
    list(APPEND ACPOWER_QT_COMPONENTS Test)
endif()

if(NOT WITH_QT5)
    find_package(Qt6 QUIET COMPONENTS ${ACPOWER_QT_COMPONENTS})
endif()

if(Qt6_FOUND)
    set(ACPOWER_QT_MAJOR 6)
else()
    find_package(Qt5 5.15 REQUIRED COMPONENTS ${ACPOWER_QT_COMPONENTS})
    set(ACPOWER_QT_MAJOR 5)
endif()
message(STATUS "acpower: building against Qt ${ACPOWER_QT_MAJOR}")

set(ACPOWER_QT_WIDGETS Qt${ACPOWER_QT_MAJOR}::Widgets)
set(ACPOWER_QT_TEST Qt${ACPOWER_QT_MAJOR}::Test)
