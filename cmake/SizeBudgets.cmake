# The most each shipped file may weigh, in bytes. Sizes are fixed for a
# toolchain, so a file over its budget fails a test of the tree that builds
# it (acpower_add_size_test, cmake/check_sizes.cmake); timings stay in
# ./bench.sh, which prints each file's size beside its budget. Set from the
# files as Debian 12's compilers build them, with under 5 % to spare: a file
# that grows past that is a change someone must look at.
set(ACPOWER_SIZE_BUDGET_win32-program 158000)
set(ACPOWER_SIZE_BUDGET_win32-zip 73000)
set(ACPOWER_SIZE_BUDGET_win32-installer 256000)
set(ACPOWER_SIZE_BUDGET_win64-program 152000)
set(ACPOWER_SIZE_BUDGET_win64-installer 249000)
# Checked on the qt6 tree's package, stripped as the release's is.
set(ACPOWER_SIZE_BUDGET_deb 98000)
set(ACPOWER_SIZE_BUDGET_wasm 45000)
set(ACPOWER_SIZE_BUDGET_page 100000)
set(ACPOWER_SIZE_BUDGET_element 84000)
set(ACPOWER_SIZE_BUDGET_site-zip 69000)

# A test that fails when a file is over its budget:
#   acpower_add_size_test(NAME <test> FILES <budget>=<file or glob> ...)
function(acpower_add_size_test)
    cmake_parse_arguments(ARG "" "NAME" "FILES" ${ARGN})
    string(REPLACE ";" "," files "${ARG_FILES}")
    add_test(NAME ${ARG_NAME}
             COMMAND ${CMAKE_COMMAND} "-DFILES=${files}" -P ${PROJECT_SOURCE_DIR}/cmake/check_sizes.cmake)
endfunction()
