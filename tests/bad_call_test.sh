#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The pagetop authors
# SPDX-License-Identifier: MIT
# A bad call of pagetop_add_header_page stops the configure step with a
# message that says what is wrong.
# usage: bad_call_test.sh CMAKE SOURCE
set -u
cmake=$1 source=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0
cases=(
    # arguments                                 message
    'MERGED m.bin'                              'OUTPUT <file> is missing'
    'OUTPUT h.txt'                              'MERGED <file> is missing'
    'OUTPUT MERGED m.bin'                       'OUTPUT <file> is missing'
    'OUTPUT h.txt MERGED m.bin BOGUS x'         'unknown keyword BOGUS'
    'OUTPUT h.txt extra.txt MERGED m.bin'       "OUTPUT takes one file, but 'extra.txt' follows 'h.txt'"
    'OUTPUT h.txt MERGED m.bin other.bin'       "MERGED takes one file, but 'other.bin' follows 'm.bin'"
    'OUTPUT h.txt OUTPUT i.txt MERGED m.bin'    'OUTPUT is given twice'
    'h.txt OUTPUT h.txt MERGED m.bin'           "'h.txt' comes before any keyword"
)
for ((k = 0; k < ${#cases[@]}; k += 2)); do
    cat >"$tmp/CMakeLists.txt" <<END
cmake_minimum_required(VERSION 3.18)
project(bad_call LANGUAGES NONE)
include($source/cmake/pagetop_add_header_page.cmake)
pagetop_add_header_page(${cases[k]})
END
    if "$cmake" -S "$tmp" -B "$tmp/build" >"$tmp/log" 2>&1; then
        echo "FAIL: pagetop_add_header_page(${cases[k]}) was taken"
        failures=$((failures + 1))
    elif ! tr -s ' \n' '  ' <"$tmp/log" | grep -qF "pagetop_add_header_page: ${cases[k + 1]}"; then
        echo "FAIL: pagetop_add_header_page(${cases[k]}) does not say \"${cases[k + 1]}\":"
        cat "$tmp/log"
        failures=$((failures + 1))
    fi
    rm -rf "$tmp/build"
done
exit $((failures > 0))
