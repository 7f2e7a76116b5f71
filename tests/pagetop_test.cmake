# SPDX-FileCopyrightText: 2026 The pagetop authors
# SPDX-License-Identifier: MIT
# Runs pagetop as its users do and checks what they see: the bytes on
# stdout, nothing on stderr, and exit status 0. A CMake script, so that it
# runs wherever CMake does.
#
# usage: cmake -DGROUP=arguments|help -DTOOL=<tool> [-DEMULATOR=<a|b|c>] -P pagetop_test.cmake
#   EMULATOR  the command the cross-built tool runs behind, its words joined by |
string(REPLACE "|" ";" tool "${EMULATOR}")
list(APPEND tool "${TOOL}")
set(failures 0)

# run([ARG...]): runs the tool; its stdout in `out`, its stderr in `err`,
# its exit status in `status`. One argument goes as it is, empty too.
macro(run)
    if(${ARGC} EQUAL 1)
        execute_process(COMMAND ${tool} "${ARGV0}" OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
    else()
        execute_process(COMMAND ${tool} ${ARGV} OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
    endif()
endmacro()

# check(WHAT WANT): the last run wrote WANT on stdout, nothing on stderr,
# and exited 0.
function(check what want)
    if(NOT out STREQUAL want)
        string(FIND "${out}" "\n" end)
        string(SUBSTRING "${out}" 0 ${end} first)
        string(LENGTH "${out}" bytes)
        message("FAIL: ${what}: got first line '${first}' and ${bytes} bytes")
        math(EXPR failures "${failures} + 1")
    endif()
    if(NOT err STREQUAL "" OR NOT status STREQUAL "0")
        message("FAIL: ${what}: exit status ${status}, stderr '${err}'")
        math(EXPR failures "${failures} + 1")
    endif()
    set(failures ${failures} PARENT_SCOPE)
endfunction()

# expect_page(WORD ARG...): given ARG..., the tool writes the whole page with
# WORD as its first line.
function(expect_page word)
    if(ARGC EQUAL 2)
        run("${ARGV1}")
    else()
        run(${ARGN})
    endif()
    string(REPEAT "0x00000000\n" 511 padding)
    check("arguments '${ARGN}'" "${word}\n${padding}")
    set(failures ${failures} PARENT_SCOPE)
endfunction()

if(GROUP STREQUAL "arguments")
    # The argument reads as strtoll reads base 10, and the word keeps the
    # low 32 bits of the result.
    foreach(case
            # argument              first line
            "0"                     0x00000000
            "1234"                  0x000004d2
            "-1"                    0xffffffff
            "2147483647"            0x7fffffff
            "-2147483648"           0x80000000
            "2147483648"            0x80000000
            "4294967295"            0xffffffff
            "4294967296"            0x00000000
            "-4294967295"           0x00000001
            "9223372036854775808"   0xffffffff # saturates at 2^63-1
            "-9223372036854775809"  0x00000000 # saturates at -2^63
            "18446744073709551621"  0xffffffff # does not wrap to 5
            "  +42kB"               0x0000002a
            "\t\n@VT@@FF@\r 7"      0x00000007 # all six kinds of white space
            "12 34"                 0x0000000c
            "0010"                  0x0000000a
            "0x100"                 0x00000000
            "1e3"                   0x00000001
            "+-5"                   0x00000000
            "- 5"                   0x00000000
            ""                      0x00000000
            "abc"                   0x00000000
            "--help"                0x00000000)
        if(NOT DEFINED argument)
            string(ASCII 11 vertical_tab)
            string(ASCII 12 form_feed)
            string(REPLACE "@VT@" "${vertical_tab}" argument "${case}")
            string(REPLACE "@FF@" "${form_feed}" argument "${argument}")
        else()
            expect_page(${case} "${argument}")
            unset(argument)
        endif()
    endforeach()
    # Only the first argument counts.
    expect_page(0x000004d2 1234 99 abc)
    expect_page(0x00000000 abc 1234)
elseif(GROUP STREQUAL "help")
    run()
    check("help text" "pagetop creates a page with file size as first word
The rest of the page is padded with 0
Usage: pagetop <merged_file_size>
")
else()
    message(FATAL_ERROR "unknown test group: ${GROUP}")
endif()
if(failures GREATER 0)
    message(FATAL_ERROR "${failures} failed")
endif()
