# Runs the program as a person would from a terminal and checks its answers:
# help and version without any display, one plain line and a failure status
# when there is no display to open the window on, and a refusal of what it
# does not know, with or without a display, that leaves Qt's own options be.
#   PROGRAM, EXECUTABLE, VERSION

cmake_minimum_required(VERSION 3.16)

# One row: the environment changes, the arguments, then what must come back.
#   STATUS        the exit status; a crash or an abort is never a number
#   STDOUT        a regular expression the whole standard output must match
#   STDERR        a regular expression the whole standard error must match
function(check_run name)
    cmake_parse_arguments(ARG "" "STATUS;STDOUT;STDERR" "ENV;ARGS" ${ARGN})
    execute_process(
        # env(1) runs the program in its own place, so that an abort shows as
        # a signal rather than as the status of a wrapper.
        COMMAND env ${ARG_ENV} ${PROGRAM} ${ARG_ARGS}
        RESULT_VARIABLE status
        OUTPUT_VARIABLE out
        ERROR_VARIABLE err
        TIMEOUT 20)
    if(NOT status STREQUAL ARG_STATUS OR NOT out MATCHES "${ARG_STDOUT}" OR NOT err MATCHES "${ARG_STDERR}")
        message(SEND_ERROR "${name}: ${EXECUTABLE} ${ARG_ARGS}\n"
                           "status ${status}, expected ${ARG_STATUS}\n"
                           "stdout:\n${out}\nexpected to match: ${ARG_STDOUT}\n"
                           "stderr:\n${err}\nexpected to match: ${ARG_STDERR}")
    else()
        message(STATUS "${name}: as expected")
    endif()
endfunction()

# No display at all: the answers must not need one.
set(headless -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb)
string(REPLACE "." "\\." version "${VERSION}")
set(usage "^Использование: ${EXECUTABLE} \\[параметры\\]\n.*\n  -h, --help +[^\n]+\n  -v, --version +[^\n]+\n")
set(one_line_about_display "^${EXECUTABLE}: [^\n]*DISPLAY[^\n]*\n$")

check_run("help" ENV ${headless} ARGS --help STATUS 0 STDOUT "${usage}" STDERR "^$")
check_run("short help" ENV ${headless} ARGS -h STATUS 0 STDOUT "${usage}" STDERR "^$")
check_run("version" ENV ${headless} ARGS --version STATUS 0 STDOUT "^${EXECUTABLE} ${version}\n$" STDERR "^$")
check_run("short version" ENV ${headless} ARGS -v STATUS 0 STDOUT "^${EXECUTABLE} ${version}\n$" STDERR "^$")
check_run("no display" ENV ${headless} STATUS 1 STDOUT "^$" STDERR "${one_line_about_display}")
# A display that nothing answers on, as after an X server has gone away.
check_run("display not answering" ENV -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb DISPLAY=:4093
          STATUS 1 STDOUT "^$" STDERR "${one_line_about_display}")
# Qt's own single-dash words are Qt's: -reverse is neither taken for -v nor
# refused, and what is left unknown is named.
check_run("unknown option" ENV QT_QPA_PLATFORM=offscreen ARGS -reverse --frobnicate
          STATUS 2 STDOUT "^$" STDERR "${EXECUTABLE}: [^\n]*«frobnicate»[^\n]*\n$")
# A mistyped option is a usage error whatever the display; Qt's own options
# and their values are no mistake, so the display is tried all the same.
check_run("unknown option without a display" ENV ${headless} ARGS --bogus
          STATUS 2 STDOUT "^$" STDERR "^${EXECUTABLE}: [^\n]*«bogus»[^\n]*\n$")
check_run("Qt's options without a display" ENV ${headless}
          ARGS -style Fusion -stylesheet=none.qss --platformtheme none -reverse -display :4093
          STATUS 1 STDOUT "^$" STDERR "${one_line_about_display}")
check_run("stray argument" ENV QT_QPA_PLATFORM=offscreen ARGS room.txt
          STATUS 2 STDOUT "^$" STDERR "${EXECUTABLE}: [^\n]*«room\\.txt»[^\n]*\n$")
