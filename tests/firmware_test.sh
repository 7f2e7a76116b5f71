#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The pagetop authors
# SPDX-License-Identifier: MIT
# A firmware build for a Cortex-M0 takes pagetop one way, with the cross
# compiler also named in the environment, as an SDK's set-up script leaves
# it. The page rule, in another folder than the one that takes pagetop, must
# run a pagetop built for this machine, write the page of the real image,
# follow the image as it grows, and do nothing on a build with nothing new.
#
# usage: firmware_test.sh WAY CMAKE GENERATOR SOURCE [CONFIG]
#   WAY     subdirectory, fetch (from the source), fetch-installed (finds
#           an install first) or package (see tests/firmware/deps)
#   SOURCE  pagetop's source
#
# Exits 77, skipped, where the machine lacks the ARM compiler, git for the
# fetch ways, or CMake 3.24 for FetchContent's FIND_PACKAGE_ARGS.
set -u
# shellcheck source=tests/common.sh
. "$(dirname "$0")/common.sh"
way=$1 cmake=$2 generator=$3 source=$4 config=${5:-Release}
context="$way, $generator"
command -v arm-none-eabi-gcc >/dev/null || skip "needs arm-none-eabi-gcc (gcc-arm-none-eabi)"
case $way in
fetch*)
    cmake_version=$("$cmake" --version | sed -n '1s/^cmake version //p')
    [ "$(printf '%s\n' 3.24 "$cmake_version" | sort -V | head -n 1)" = 3.24 ] ||
        skip "the $way way needs CMake 3.24 (FIND_PACKAGE_ARGS), this is $cmake_version"
    { command -v git >/dev/null && git -C "$source" rev-parse --verify -q HEAD >/dev/null; } ||
        skip "needs git and a git checkout of pagetop"
    ;;
esac
project=$source/tests/firmware
toolchain=$project/arm-none-eabi.cmake
build=$tmp/build

# cross COMMAND...: runs COMMAND with the environment of a cross build.
cross() {
    CC=arm-none-eabi-gcc CXX=arm-none-eabi-g++ CFLAGS="-mcpu=cortex-m0 -mthumb" \
        CXXFLAGS="-mcpu=cortex-m0 -mthumb" LDFLAGS=-nostdlib CMAKE_TOOLCHAIN_FILE="$toolchain" \
        "$@" >"$tmp/log" 2>&1
}

# configure DIR ARG...: configures the firmware in DIR.
configure() {
    local dir=$1
    shift
    cross "$cmake" -S "$project" -B "$dir" -G "$generator" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE="$config" -DPAGETOP_WAY="${way%-installed}" "${way_args[@]}" "$@"
}

# build DIR: builds the firmware in DIR, two jobs at a time, and checks its
# header page against the image's real size.
build() {
    cross "$cmake" --build "$1" --config "$config" --parallel 2 || stop "the build failed"
    # A sub-build that Make cannot hand its job server runs one job at a time.
    ! grep -i 'jobserver' "$tmp/log" || stop "the build did not share Make's job server"
    local size
    size=$(wc -c <"$1/app/fw.bin") || stop "no image"
    is_page "$1/images/header.txt" "$size" ||
        stop "the page does not name the image's $size bytes: $(head -n 1 "$1/images/header.txt")"
}

# install_host: installs pagetop for this machine into $tmp/install. The
# host install puts libraries in a multiarch folder, as Debian's does; a
# 32-bit ARM build must still find and accept the package.
install_host() {
    {
        "$cmake" -S "$source" -B "$tmp/host" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
            -DCMAKE_INSTALL_LIBDIR=lib/x86_64-linux-gnu >"$tmp/log" 2>&1 &&
            "$cmake" --build "$tmp/host" >"$tmp/log" 2>&1 &&
            "$cmake" --install "$tmp/host" --prefix "$tmp/install" >"$tmp/log" 2>&1
    } || stop "could not install pagetop for the host"
}

case $way in
subdirectory)
    way_args=("-DPAGETOP_SOURCE=$source")
    ;;
fetch | fetch-installed)
    commit=$(working_tree_repo "$source" "$tmp/pagetop.git") || stop "could not copy pagetop's working tree"
    way_args=("-DPAGETOP_SOURCE=$tmp/pagetop.git" "-DPAGETOP_TAG=$commit")
    if [ "$way" = fetch ]; then
        # The fall-back to the source, even where a pagetop is installed.
        way_args+=(-DCMAKE_DISABLE_FIND_PACKAGE_pagetop=ON)
    else
        install_host
        way_args+=("-DCMAKE_PREFIX_PATH=$tmp/install")
    fi
    ;;
package)
    install_host
    way_args=("-DCMAKE_PREFIX_PATH=$tmp/install")
    ;;
*)
    echo "unknown way: $way"
    exit 2
    ;;
esac

configure "$build" -DFIRMWARE_PADDING=100 || stop "configure failed"
case $way in
subdirectory | fetch) said="building a host pagetop with /" ;;
*) said="using $tmp/install/bin/pagetop" ;;
esac
grep -q -- "^-- pagetop: $said" "$tmp/log" ||
    stop "the configure step does not say which pagetop the build uses: '-- pagetop: $said'"
build "$build"
tool=$(cat "$build/pagetop-path-$config.txt")
{ "$tool" 1 >"$tmp/page" && [ "$(head -n 1 "$tmp/page")" = 0x00000001 ]; } ||
    stop "the page rule runs $tool, which does not run here"

# A second build has nothing to do.
mark_time
build "$build"
changed=$(written_since "$build")
[ -z "$changed" ] || stop "a second build wrote: $changed"

# The image grows, and the page follows it.
configure "$build" -DFIRMWARE_PADDING=5000 || stop "configure failed"
build "$build"

case $way in
fetch-installed)
    [ ! -e "$build/_deps/pagetop-src" ] || stop "pagetop was fetched though one is installed"
    ;;
fetch)
    # A change to pagetop's source rebuilds the host tool, and the page is
    # written again.
    touch "$build/_deps/pagetop-src/sw/tools/conv/pagetop.cpp"
    build "$build"
    grep -q 'Writing the header page' "$tmp/log" || stop "a rebuilt pagetop did not write the page again"
    ;;
subdirectory)
    # A pagetop the user names is used as it is, and none is built.
    configure "$tmp/named" -DPAGETOP_HOST_EXECUTABLE="$tool" || stop "configure failed"
    build "$tmp/named"
    [ ! -e "$tmp/named/deps/pagetop/host" ] || stop "a host pagetop was built though one was named"
    # A toolchain that looks for programs only under its find root: the host
    # compiler is found past it. The build tool is given by its path alone,
    # and the host build must take that one, not another on PATH.
    {
        echo "include(\"$toolchain\")"
        echo "set(CMAKE_C_COMPILER \"$(command -v arm-none-eabi-gcc)\")"
        echo "set(CMAKE_OBJCOPY \"$(command -v arm-none-eabi-objcopy)\")"
        echo "set(CMAKE_AR \"$(command -v arm-none-eabi-ar)\")"
        echo "set(CMAKE_RANLIB \"$(command -v arm-none-eabi-ranlib)\")"
        echo "set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM ONLY)"
    } >"$tmp/program-only.cmake"
    case $generator in
    *Ninja*) make_program="ninja" ;;
    *) make_program="make" ;;
    esac
    # CMake's Makefiles take no build tool whose path has a space.
    tools=$(mktemp -d)
    trap 'rm -rf "$tmp" "$tools"' EXIT
    cp "$(command -v $make_program)" "$tools/my-$make_program"
    printf '#!/bin/sh\necho "not the build tool the build was given" >&2\nexit 1\n' >"$tools/$make_program"
    chmod +x "$tools/$make_program"
    PATH=$tools:$PATH configure "$tmp/program-only" -DCMAKE_TOOLCHAIN_FILE="$tmp/program-only.cmake" \
        -DCMAKE_MAKE_PROGRAM="$tools/my-$make_program" || stop "configure failed"
    PATH=$tools:$PATH build "$tmp/program-only"
    # The host pagetop is no part of the firmware's install, and a build that
    # asks for it is told so.
    configure "$tmp/install-asked" -DPAGETOP_INSTALL=ON || stop "configure failed"
    grep -q 'PAGETOP_INSTALL installs nothing' "$tmp/log" || stop "PAGETOP_INSTALL=ON passes in silence"
    # Without a host compiler, the configure step stops and says what to set.
    if configure "$tmp/no-compiler" -DPAGETOP_HOST_CXX_COMPILER=/nonexistent/c++; then
        stop "configure went on without a host compiler"
    fi
    { grep -q PAGETOP_HOST_CXX_COMPILER "$tmp/log" && grep -q PAGETOP_HOST_EXECUTABLE "$tmp/log"; } ||
        stop "the configure step does not name the variables to set"
    ;;
esac
finish
