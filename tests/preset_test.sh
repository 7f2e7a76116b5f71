#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The pagetop authors
# SPDX-License-Identifier: MIT
# A preset's build is what the preset says it is: the executable's machine,
# its compiler, debug info or none, the sanitizers, and every warning an
# error. Run after the preset's workflow.
#
# usage: tests/preset_test.sh PRESET...
# shellcheck disable=SC2317 # the checks below run through expect
set -u
# shellcheck source=tests/common.sh
. "$(dirname "$0")/common.sh"
cd "$(dirname "$0")/.." || exit

# expect PRESET WHAT COMMAND...: COMMAND succeeds on build/PRESET.
expect() {
    local preset=$1 what=$2
    shift 2
    "$@" >/dev/null 2>&1 || fail "preset $preset: $what"
}

# has FILE TEXT: FILE's `file` description holds TEXT.
has() { file -b "$1" | grep -qF -- "$2"; }
lacks() { ! has "$@"; }
# comment FILE TEXT: the compilers named in FILE's .comment section hold TEXT.
comment() { readelf -p .comment "$1" | grep -qF -- "$2"; }
# flags PRESET FLAG: the preset's C++ flags hold FLAG.
flags() { grep -q -- "^CMAKE_CXX_FLAGS:STRING=.*$2" "build/$1/CMakeCache.txt"; }

for preset in "$@"; do
    case $preset in
    release | dev | dev-clang | sanitize | mingw64 | mingw32 | linux-arm64) ;;
    *)
        echo "unknown preset: $preset"
        exit 2
        ;;
    esac
    tool=build/$preset/pagetop
    case $preset in
    release)
        expect "$preset" "an x86-64 executable" has "$tool" x86-64
        expect "$preset" "no debug info" lacks "$tool" debug_info
        ;;
    dev | dev-clang | sanitize)
        expect "$preset" "an x86-64 executable" has "$tool" x86-64
        expect "$preset" "debug info" has "$tool" debug_info
        expect "$preset" "every warning an error" flags "$preset" -Werror
        ;;&
    dev-clang) expect "$preset" "built with clang++" comment "$tool" "clang version" ;;
    sanitize)
        expect "$preset" "AddressSanitizer" sh -c "ldd $tool | grep -q libasan"
        expect "$preset" "UndefinedBehaviorSanitizer" sh -c "ldd $tool | grep -q libubsan"
        ;;
    mingw64 | mingw32)
        tool=$tool.exe
        expect "$preset" "every warning an error" flags "$preset" -Werror
        ;;&
    mingw64) expect "$preset" "a 64-bit Windows executable" has "$tool" "PE32+ executable (console) x86-64" ;;
    mingw32) expect "$preset" "a 32-bit Windows executable" has "$tool" "PE32 executable (console) Intel 80386" ;;
    linux-arm64)
        expect "$preset" "an arm64 executable" has "$tool" "ARM aarch64"
        expect "$preset" "no debug info" lacks "$tool" debug_info
        expect "$preset" "every warning an error" flags "$preset" -Werror
        ;;
    esac
done
finish
