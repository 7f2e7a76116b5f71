#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The pagetop authors
# SPDX-License-Identifier: MIT
# Another project takes pagetop one way and makes a header page with it. The
# page follows the merged file and the tool; a merged file too large for the
# page, or a run that fails, stops the build with a message and leaves no
# page; and pagetop adds no test and no install of its own to the project.
#
# usage: downstream_test.sh WAY CMAKE GENERATOR PROJECT PAGETOP CONFIG
#   WAY      find_package: PAGETOP is a build of pagetop, installed here
#            under a prefix that is then moved; add_subdirectory: PAGETOP is
#            pagetop's source
#   PROJECT  the downstream project's source
set -u
# shellcheck source=tests/common.sh
. "$(dirname "$0")/common.sh"
way=$1 cmake=$2 generator=$3 project=$4 pagetop=$5 config=${6:-}
build=$tmp/build
page=$build/pages/${config:+$config/}header.txt

case $way in
find_package)
    "$cmake" --install "$pagetop" --config "$config" --prefix "$tmp/install" >"$tmp/log" || stop "install failed"
    # The package is found where it is, not where it was installed.
    mv "$tmp/install" "$tmp/moved"
    way_args=("-DCMAKE_PREFIX_PATH=$tmp/moved")
    ;;
add_subdirectory)
    way_args=("-DPAGETOP_SOURCE_DIR=$pagetop")
    ;;
*)
    echo "unknown way: $way"
    exit 2
    ;;
esac

"$cmake" -S "$project" -B "$build" -G "$generator" "${way_args[@]}" -DCMAKE_BUILD_TYPE="$config" \
    "-DMERGED_INPUT=$tmp/merged.input" >"$tmp/log" 2>&1 || stop "configure failed"

# build_with_size SIZE: the merged file gets SIZE bytes, and the build runs.
build_with_size() {
    rm -f "$tmp/merged.input"
    truncate -s "$1" "$tmp/merged.input"
    "$cmake" --build "$build" --config "$config" >"$tmp/log" 2>&1
}

# expect_page SIZE WORD: with a merged file of SIZE bytes, the build writes
# the header page with WORD as its first line.
expect_page() {
    build_with_size "$1" || fail "size $1: the build failed"
    is_page "$page" "$1" || fail "size $1: want first line $2, got '$(head -n 1 "$page")'"
}

# expect_no_page SIZE MESSAGE: with a merged file of SIZE bytes, the build
# stops, says MESSAGE, and leaves no page, whole or partial.
expect_no_page() {
    if build_with_size "$1"; then
        fail "size $1: the build went on"
    fi
    # CMake folds long messages over lines.
    tr -s ' \n' '  ' <"$tmp/log" | grep -qF "$2" || fail "size $1: the build does not say '$2'"
    for file in "$page" "$page.partial"; do
        if [ -e "$file" ] || [ -L "$file" ]; then
            fail "size $1: the build left $file behind"
        fi
    done
}

expect_page 1234 0x000004d2
expect_page 70000 0x00011170
expect_page 4294967295 0xffffffff
expect_no_page 4294967296 "its size, 4294967296 bytes, does not fit in the page's 32-bit size word"
expect_page 5 0x00000005

# A newer tool writes the page again.
touch "$(cat "$build/pagetop-path-$config.txt")"
"$cmake" --build "$build" --config "$config" >"$tmp/log" 2>&1 || fail "the build failed"
grep -q 'Writing the header page' "$tmp/log" || fail "a newer pagetop did not write the page again"

# A write that fails: pagetop's own message reaches the build log.
if [ -w /dev/full ]; then
    ln -s /dev/full "$page.partial"
    expect_no_page 6 "pagetop: write error: No space left on device"
fi

# pagetop's tests and install rules stay out of the project's.
(cd "$build" && ctest -C "$config" -N) >"$tmp/log" 2>&1
grep -q '^Total Tests: 0$' "$tmp/log" || fail "pagetop's tests are among the project's"
"$cmake" --install "$build" --config "$config" --prefix "$tmp/project-install" >"$tmp/log" 2>&1
[ ! -e "$tmp/project-install" ] || fail "the project's install holds: $(cd "$tmp/project-install" && find . -type f)"

finish
