#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The pagetop authors
# SPDX-License-Identifier: MIT
# A build on a Windows build machine: Windows CMake and Ninja, run by wine,
# find an installed Windows pagetop and write header pages with it. The pages
# are exact, LF only, for names with spaces too; a merged file too large for
# the page stops the build and leaves no page; a second build does nothing.
#
# usage: windows_cmake_test.sh CMAKE_EXE NINJA_EXE PREFIX...
#   PREFIX  an unpacked Windows release zip, or a Windows install of pagetop
set -u
# shellcheck source=tests/common.sh
. "$(dirname "$0")/common.sh"
cmake_exe=$1 ninja_exe=$2
shift 2
source=$(cd "$(dirname "$0")/.." && pwd)
wine=$(command -v /usr/lib/wine/wine64 wine64 | head -n 1)
[ -n "$wine" ] || skip "needs wine64"
# wine-run leaves wine's server up for a minute; stop it with the test.
trap 'WINEPREFIX="$tmp/wine" "$(dirname "$wine")/wineserver" -k; rm -rf "$tmp"' EXIT

# cmake ARG...: Windows CMake, its output in $tmp/log.
cmake() {
    "$source/cmake/wine-run" "$tmp/wine" "$wine" "$cmake_exe" "$@" >"$tmp/log" 2>&1
}

# expect_page FILE SIZE: FILE is the header page for SIZE bytes, to the byte.
expect_page() {
    is_page "$1" "$2" || fail "$1 is not the page for $2 bytes: $(head -n 1 "$1" | od -c | head -n 1)"
}

for prefix in "$@"; do
    context=$prefix
    build=$tmp/build
    rm -rf "$build"
    head -c 1234 /dev/zero >"$tmp/parts"
    truncate -s 4294967295 "$tmp/big"
    cmake -S "$source/tests/windows" -B "$build" -G Ninja -DCMAKE_MAKE_PROGRAM="$ninja_exe" \
        -DCMAKE_PREFIX_PATH="$prefix" -DPARTS="$tmp/parts" -DBIG="$tmp/big" || {
        fail "configure failed"
        continue
    }
    cmake --build "$build" || fail "the build failed"
    expect_page "$build/pages/header page.txt" 1234
    cmake --build "$build" || fail "the second build failed"
    grep -q '^ninja: no work to do' "$tmp/log" || fail "the second build did work"

    head -c 70000 /dev/zero >"$tmp/parts"
    cmake --build "$build" || fail "the build failed"
    expect_page "$build/pages/header page.txt" 70000

    cmake --build "$build" --target big || fail "the build for 4294967295 bytes failed"
    expect_page "$build/big.txt" 4294967295
    # Windows CMake's file(SIZE) sees 0 bytes here: the low 32 bits.
    truncate -s 4294967296 "$tmp/big"
    if cmake --build "$build" --target big; then
        fail "the build for 4294967296 bytes went on"
    fi
    tr -s ' \r\n' '   ' <"$tmp/log" |
        grep -qF "its size, at least 4294967296 bytes, does not fit in the page's 32-bit size word" ||
        fail "the build for 4294967296 bytes does not say why it stopped"
    [ ! -e "$build/big.txt" ] || fail "the build for 4294967296 bytes left a page"
done
finish
