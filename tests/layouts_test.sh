#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The pagetop authors
# SPDX-License-Identifier: MIT
# Every way a build may make the merged file (tests/layouts/): after the
# merged file changes, one build writes every page right, and a second
# build writes nothing, in a build folder whose path has a space and an
# apostrophe. A pagetop that dies by a signal stops the build and leaves no page.
#
# usage: layouts_test.sh CMAKE GENERATOR SOURCE [CMAKE_ARG...]
#   SOURCE     pagetop's source
#   CMAKE_ARG  for the project, such as a toolchain file for another
#              machine, which makes pagetop build a host pagetop
set -u
# shellcheck source=tests/common.sh
. "$(dirname "$0")/common.sh"
cmake=$1 generator=$2 source=$3
shift 3
context=$generator
build="$tmp/pagetop's build"

# build_with_size SIZE: the input gets SIZE bytes, one build runs, and every
# page must name SIZE.
build_with_size() {
    head -c "$1" /dev/zero >"$tmp/input"
    "$cmake" --build "$build" --config Release >"$tmp/log" 2>&1 || fail "size $1: the build failed"
    local page
    for page in command plain post-build other-command; do
        is_page "$build/pages/$page.txt" "$1" ||
            fail "size $1: pages/$page.txt says $(head -n 1 "$build/pages/$page.txt")"
    done
}

# expect_nothing_to_do: a second build writes no file.
expect_nothing_to_do() {
    mark_time
    "$cmake" --build "$build" --config Release >"$tmp/log" 2>&1 || fail "the second build failed"
    local changed
    changed=$(written_since "$build")
    [ -z "$changed" ] || fail "a second build wrote: $changed"
}

head -c 1 /dev/zero >"$tmp/input"
# configure DIR ARG...: configures the project in DIR.
configure() {
    local dir=$1
    shift
    "$cmake" -S "$source/tests/layouts" -B "$dir" -G "$generator" -DCMAKE_BUILD_TYPE=Release \
        -DPAGETOP_SOURCE="$source" -DINPUT="$tmp/input" "$@" >"$tmp/log" 2>&1
}

configure "$build" "$@" || stop "configure failed"
for size in 1234 3024 1024; do
    sleep 1 # a new time stamp for the input
    build_with_size $size
    expect_nothing_to_do
done

# A pagetop killed half-way through the page.
printf '#!/bin/sh\nhead -c 3000 /dev/zero\nkill -KILL $$\n' >"$tmp/killed"
chmod +x "$tmp/killed"
configure "$tmp/killed-build" -DPAGETOP_HOST_EXECUTABLE="$tmp/killed" || fail "configure failed"
if "$cmake" --build "$tmp/killed-build" --config Release >"$tmp/log" 2>&1; then
    fail "the build went on after pagetop was killed"
fi
left=$(find "$tmp/killed-build/pages" -type f 2>/dev/null)
[ -z "$left" ] || fail "a killed pagetop left: $left"
finish
