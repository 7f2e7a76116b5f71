#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The pagetop authors
# SPDX-License-Identifier: MIT
#
# Checks the release files in OUT as their users meet them: the checksums,
# lintian on the packages, the amd64 package installed, used and removed
# again, each tarball unpacked and run and used by a CMake build, each zip
# run under wine, and the source tarball built and tested without git.
# Installing the package needs root, and puts it into /usr for a moment: as
# another user that check is skipped, and says so.
#
# usage: packaging/check_release.sh OUT
set -euo pipefail
out=$(cd "$1" && pwd)
source=$(cd "$(dirname "$0")/.." && pwd)
version=$(cat "$source/VERSION")
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
want_md5=$({ echo 0x000004d2; for ((i = 0; i < 511; i++)); do echo 0x00000000; done; } | md5sum)

# expect_page COMMAND...: COMMAND 1234 writes the page for 1234.
expect_page() {
    [ "$("$@" 1234 | md5sum)" = "$want_md5" ] || {
        echo "FAIL: $* 1234 does not write the page for 1234"
        exit 1
    }
}

# consumer PREFIX: a CMake build finds pagetop under PREFIX and writes a page.
consumer() {
    rm -rf "$tmp/consumer"
    head -c 1234 /dev/zero >"$tmp/merged.input"
    cmake -S "$source/tests/downstream" -B "$tmp/consumer" -DCMAKE_PREFIX_PATH="$1" \
        -DMERGED_INPUT="$tmp/merged.input" >/dev/null
    cmake --build "$tmp/consumer" >/dev/null
    [ "$(md5sum <"$tmp/consumer/pages/header.txt")" = "$want_md5" ] || {
        echo "FAIL: the build against $1 wrote no page for 1234"
        exit 1
    }
}

(cd "$out" && sha256sum -c --strict SHA256SUMS)
for deb in "$out"/*.deb; do
    lintian --fail-on error,warning "$deb"
done

# The amd64 package: installed, used, and removed without a trace.
if [ "$(id -u)" != 0 ]; then
    echo "skipped: installing the amd64 package needs root"
else
    trap 'dpkg -r pagetop >/dev/null 2>&1; rm -rf "$tmp"' EXIT
    dpkg -i "$out/pagetop_${version}_amd64.deb"
    expect_page pagetop
    man -w pagetop
    consumer /usr
    files=$(dpkg -L pagetop | while read -r path; do [ -d "$path" ] || echo "$path"; done)
    dpkg -r pagetop
    trap 'rm -rf "$tmp"' EXIT
    for path in $files; do
        [ ! -e "$path" ] || {
            echo "FAIL: dpkg -r left $path"
            exit 1
        }
    done
fi

for arch in x86_64 aarch64; do
    mkdir "$tmp/$arch"
    tar -xzf "$out/pagetop-$version-linux-$arch.tar.gz" -C "$tmp/$arch"
    folder=$tmp/$arch/pagetop-$version-linux-$arch
    run=()
    [ $arch = x86_64 ] || run=(qemu-aarch64-static)
    expect_page "${run[@]}" "$folder/bin/pagetop"
    # The aarch64 tool cannot run in a build on this machine: its package is
    # found and accepted, and that is all.
    if [ $arch = x86_64 ]; then
        consumer "$folder"
    else
        cmake -S "$source/tests/downstream" -B "$tmp/consumer-$arch" -DCMAKE_PREFIX_PATH="$folder" \
            -DMERGED_INPUT="$tmp/merged.input" >/dev/null
    fi
done

for arch in x86_64 i686; do
    unzip -q "$out/pagetop-$version-windows-$arch.zip" -d "$tmp/windows"
    loader=/usr/lib/wine/wine64
    [ $arch = x86_64 ] || loader=/usr/lib/wine/wine
    wine=("$source/cmake/wine-run" "$tmp/wine" "$loader")
    "${wine[@]}" "$tmp/windows/pagetop-$version-windows-$arch/bin/pagetop.exe" 0 >/dev/null 2>&1 || true
    expect_page "${wine[@]}" "$tmp/windows/pagetop-$version-windows-$arch/bin/pagetop.exe"
done

# The source tarball builds and passes its tests, with no git repository.
tar -xzf "$out/pagetop-$version.tar.gz" -C "$tmp"
(cd "$tmp/pagetop-$version" && cmake --workflow --preset release >"$tmp/log" 2>&1) || {
    cat "$tmp/log"
    exit 1
}
echo "release files checked"
