#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The pagetop authors
# SPDX-License-Identifier: MIT
# A bad call of pagetop_add_header_page stops the configure step with a
# message that says what is wrong.
# usage: bad_call_test.sh CMAKE SOURCE
set -u
# shellcheck source=tests/common.sh
. "$(dirname "$0")/common.sh"
cmake=$1 source=$2
# Each case is a call, or a few lines of CMake ending in one, and what the
# configure step must say.
cases=(
    # call                                      message
    'MERGED m.bin'                              'OUTPUT <file> is missing'
    'OUTPUT h.txt'                              'MERGED <file> is missing'
    'OUTPUT MERGED m.bin'                       'OUTPUT <file> is missing'
    'OUTPUT h.txt MERGED m.bin BOGUS x'         'unknown keyword BOGUS'
    'OUTPUT h.txt extra.txt MERGED m.bin'       "OUTPUT takes one file, but 'extra.txt' follows 'h.txt'"
    'OUTPUT h.txt MERGED m.bin other.bin'       "MERGED takes one file, but 'other.bin' follows 'm.bin'"
    'OUTPUT h.txt OUTPUT i.txt MERGED m.bin'    'OUTPUT is given twice'
    'h.txt OUTPUT h.txt MERGED m.bin'           "'h.txt' comes before any keyword"
    # Calls that would harm the build.
    'OUTPUT m.bin MERGED ./m.bin DEPENDS fw'    'OUTPUT and MERGED are the same file'
    'OUTPUT h.txt MERGED m.bin DEPENDS fw COMMAND touch x' 'COMMAND is not one of its keywords'
    'OUTPUT h.txt MERGED m.bin DEPENDS fw COMMENT x' 'COMMENT is not one of its keywords'
    $'pagetop_add_header_page(OUTPUT h.txt MERGED m.bin DEPENDS fw)\nadd_subdirectory(other)'
    'another call writes OUTPUT'
    # Layouts in which the page could trail the merged file by a build.
    $'add_custom_target(merge COMMAND touch m.bin)\npagetop_add_header_page(OUTPUT h.txt MERGED m.bin DEPENDS merge)'
    'the custom target merge in DEPENDS does not list MERGED m.bin in its BYPRODUCTS'
    'OUTPUT h.txt MERGED m.bin'                 'MERGED m.bin is a file of the build tree that nothing in'
)
mkdir "$tmp/other"
echo "pagetop_add_header_page(OUTPUT ../h.txt MERGED ../m.bin DEPENDS fw)" >"$tmp/other/CMakeLists.txt"
for ((k = 0; k < ${#cases[@]}; k += 2)); do
    call=${cases[k]}
    [[ $call == *'('* ]] || call="pagetop_add_header_page($call)"
    cat >"$tmp/CMakeLists.txt" <<END
cmake_minimum_required(VERSION 3.18)
project(bad_call LANGUAGES NONE)
include("$source/cmake/pagetop_add_header_page.cmake")
$call
END
    if "$cmake" -S "$tmp" -B "$tmp/build" >"$tmp/log" 2>&1; then
        fail "$call was taken"
    elif ! tr -s ' \n' '  ' <"$tmp/log" | grep -qF "pagetop_add_header_page: ${cases[k + 1]}"; then
        fail "$call does not say \"${cases[k + 1]}\""
    fi
    rm -rf "$tmp/build"
done
finish
