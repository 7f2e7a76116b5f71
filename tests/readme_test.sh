#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The pagetop authors
# SPDX-License-Identifier: MIT
# The README's CMake examples, as written, in a project of their own that
# finds an installed pagetop: the merged file made by a command, and the one
# that a POST_BUILD step writes. After one build the page names the merged
# file's size, after a change too, and a second build does nothing. And the
# help text the README shows is the tool's.
#
# usage: readme_test.sh CMAKE GENERATOR PAGETOP_BUILD CONFIG TOOL
#   PAGETOP_BUILD  a build of pagetop, installed here
#   TOOL           the tool it built
set -u
# shellcheck source=tests/common.sh
. "$(dirname "$0")/common.sh"
cmake=$1 generator=$2 pagetop=$3 config=$4 tool=$5
context=$generator
source=$(cd "$(dirname "$0")/.." && pwd)
command -v cc >/dev/null || skip "needs cc, for the POST_BUILD example's executable"
project=$tmp/project build=$tmp/build

# example N: the README's Nth cmake block.
example() {
    awk -v n="$1" '/^```/ { if (inside) exit; if ($0 == "```cmake" && ++k == n) { inside = 1; next } }
        inside' "$source/README.md"
}

# build: builds the project, its output in $tmp/log.
build() {
    "$cmake" --build "$build" --config "$config" >"$tmp/log" 2>&1 || fail "the build failed"
}

# expect_page FILE MERGED: FILE is the header page of the file MERGED.
expect_page() {
    is_page "$1" "$(wc -c <"$2")" || fail "$1 does not name the size of $2: $(head -n 1 "$1")"
}

# expect_nothing_to_do: a second build writes no file.
expect_nothing_to_do() {
    mark_time
    build
    local changed
    changed=$(written_since "$build")
    [ -z "$changed" ] || fail "a second build wrote: $changed"
}

"$cmake" --install "$pagetop" --config "$config" --prefix "$tmp/install" >"$tmp/log" || stop "install failed"
# The block after the line that says the help text comes.
sed -n '/prints its help text/,$p' "$source/README.md" | awk '/^```/ { if (inside) exit; inside = 1; next } inside' >"$tmp/want"
"$tool" >"$tmp/help"
cmp -s "$tmp/help" "$tmp/want" || fail "the README's help text is not the tool's: $(diff "$tmp/want" "$tmp/help")"

mkdir "$project"
{
    echo 'cmake_minimum_required(VERSION 3.18)'
    echo 'project(readme LANGUAGES C)'
    example 1
    echo 'add_executable(fw main.c)'
    example 2
    echo 'add_custom_target(image ALL DEPENDS images/header.txt)'
} >"$project/CMakeLists.txt"
echo 'int main(void) { return SIZE; }' >"$project/main.c"
head -c 100 /dev/zero >"$project/boot.bin"
head -c 1134 /dev/zero >"$project/app.bin"

"$cmake" -S "$project" -B "$build" -G "$generator" -DCMAKE_BUILD_TYPE="$config" \
    -DCMAKE_PREFIX_PATH="$tmp/install" -DCMAKE_C_FLAGS=-DSIZE=1 >"$tmp/log" 2>&1 || stop "configure failed"
build
expect_page "$build/header.txt" "$build/merged.bin"
expect_page "$build/images/header.txt" "$build/fw.bin"
expect_nothing_to_do

# The merged files grow, and their pages follow them in one build.
head -c 70000 /dev/zero >"$project/app.bin"
{ echo 'static volatile char big[100000] = {1};'; echo 'int main(void) { return big[SIZE]; }'; } >"$project/main.c"
build
expect_page "$build/header.txt" "$build/merged.bin"
expect_page "$build/images/header.txt" "$build/fw.bin"
expect_nothing_to_do
finish
