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
# shellcheck source=tests/common.sh
. "$source/tests/common.sh"

# expect_page COMMAND...: COMMAND 1234 writes the page for 1234.
expect_page() {
    "$@" 1234 >"$tmp/page"
    is_page "$tmp/page" 1234 || {
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
    is_page "$tmp/consumer/pages/header.txt" 1234 || {
        echo "FAIL: the build against $1 wrote no page for 1234"
        exit 1
    }
}

# expect_files ARCHIVE FILE...: ARCHIVE holds these files, under its one
# top folder for a tarball or zip, and no others.
expect_files() {
    local archive=$1 listed
    shift
    case $archive in
    *.deb) listed=$(dpkg-deb -c "$archive" | awk '{ print $6 }' | sed 's,^\./,,') ;;
    *.tar.gz) listed=$(tar -tzf "$archive" | sed 's,^[^/]*/,,') ;;
    *.zip) listed=$(unzip -Z1 "$archive" | sed 's,^[^/]*/,,') ;;
    esac
    diff <(grep -v '/$' <<<"$listed" | grep . | sort) <(printf '%s\n' "$@" | sort) >"$tmp/diff" || {
        echo "FAIL: $(basename "$archive") does not hold what the README says (< holds, > should):"
        cat "$tmp/diff"
        exit 1
    }
}

(cd "$out" && sha256sum -c --strict SHA256SUMS)
package=(share/cmake/pagetop/pagetopConfig.cmake share/cmake/pagetop/pagetopConfigVersion.cmake
    share/cmake/pagetop/pagetopTargets.cmake share/cmake/pagetop/pagetopTargets-release.cmake
    share/cmake/pagetop/pagetop_add_header_page.cmake share/cmake/pagetop/pagetop_write_header_page.cmake)
for deb in "$out"/*.deb; do
    lintian --fail-on error,warning "$deb"
    expect_files "$deb" usr/bin/pagetop usr/share/man/man1/pagetop.1.gz "${package[@]/#/usr/}" \
        usr/share/doc/pagetop/copyright usr/share/doc/pagetop/changelog.gz
    rm -rf "$tmp/deb"
    dpkg-deb -x "$deb" "$tmp/deb"
    # lintian only notes a missing hardening flag. The tool has no array on
    # its stack for a stack protector to guard, and is built without
    # control flow protection: the rest must hold.
    hardening-check --nostackprotector --nocfprotection "$tmp/deb/usr/bin/pagetop"
    # apt must not install the package where the C library is too old to run it.
    glibc=$(readelf --version-info "$tmp/deb/usr/bin/pagetop" | grep -o 'GLIBC_[0-9.]*' | sort -V | tail -n 1)
    [ "$(dpkg-deb -f "$deb" Depends)" = "libc6 (>= ${glibc#GLIBC_})" ] || {
        echo "FAIL: $(basename "$deb") depends on '$(dpkg-deb -f "$deb" Depends)', its executable needs $glibc"
        exit 1
    }
done
for arch in x86_64 aarch64; do
    expect_files "$out/pagetop-$version-linux-$arch.tar.gz" bin/pagetop share/man/man1/pagetop.1 "${package[@]}" LICENSE
done
for arch in x86_64 i686; do
    expect_files "$out/pagetop-$version-windows-$arch.zip" bin/pagetop.exe "${package[@]}" LICENSE README.md
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
    # It runs whatever the C library, as the README says.
    file -b "$folder/bin/pagetop" | grep -q 'static-pie linked' || {
        echo "FAIL: the $arch tarball's pagetop is not statically linked"
        exit 1
    }
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
    expect_page "${wine[@]}" "$tmp/windows/pagetop-$version-windows-$arch/bin/pagetop.exe"
done

# The source tarball builds and passes its tests, with no git repository.
tar -xzf "$out/pagetop-$version.tar.gz" -C "$tmp"
(cd "$tmp/pagetop-$version" && cmake --workflow --preset release >"$tmp/log" 2>&1) || {
    cat "$tmp/log"
    exit 1
}
echo "release files checked"
