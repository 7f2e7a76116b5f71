#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The pagetop authors
# SPDX-License-Identifier: MIT
#
# Builds every release file of the checked-out commit into the folder OUT:
# Debian packages for amd64 and arm64, static Linux tarballs for x86_64 and
# aarch64, Windows zips for x86_64 and i686, the source, and SHA256SUMS.
# The same commit gives the same bytes, wherever it is checked out: time
# stamps come from SOURCE_DATE_EPOCH, the commit's time when it is unset.
#
# usage: CPACK_PACKAGE_CONTACT="Name <address>" packaging/release.sh OUT
#
# Needs git, g++, g++-aarch64-linux-gnu, g++-mingw-w64-x86-64,
# g++-mingw-w64-i686, dpkg-dev and zip.
set -euo pipefail
[ $# -eq 1 ] || {
    echo "usage: CPACK_PACKAGE_CONTACT=\"Name <address>\" $0 OUT" >&2
    exit 2
}
: "${CPACK_PACKAGE_CONTACT:?set it to the packages\' maintainer, as Name <address>}"
mkdir -p "$1"
out=$(cd "$1" && pwd)
source=$(cd "$(dirname "$0")/.." && pwd)
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git -C "$source" log -1 --format=%ct)}
export TZ=UTC LC_ALL=C
umask 022
version=$(cat "$source/VERSION")
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# The commit's files alone: everything below is built from the source
# tarball, unpacked at a path of this run's own.
git -C "$source" archive --format=tar.gz --prefix="pagetop-$version/" \
    -o "$out/pagetop-$version.tar.gz" HEAD
tar -xzf "$out/pagetop-$version.tar.gz" -C "$tmp"
src=$tmp/pagetop-$version

# What Debian builds its packages with, and as much of it as static linking
# allows for the tarballs.
hardening_cxxflags="-D_FORTIFY_SOURCE=2 -fstack-protector-strong -fPIE"
hardening_ldflags="-Wl,-z,relro,-z,now"
aarch64=(-DCMAKE_TOOLCHAIN_FILE="$src/cmake/aarch64-linux-gnu.cmake")

# build NAME CMAKE_ARG...: a Release build of the tool in $tmp/NAME.
build() {
    local name=$1
    shift
    cmake -S "$src" -B "$tmp/$name" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF "$@" >/dev/null
    cmake --build "$tmp/$name" >/dev/null
}

# install NAME FOLDER: installs the build NAME, stripped, into FOLDER.
install() {
    cmake --install "$tmp/$1" --strip --prefix "$2" >/dev/null
}

# archive FOLDER FILE: FOLDER's files, sorted, with the same owner, mode and
# time stamp, whoever makes them.
archive() {
    local parent name
    parent=$(dirname "$1") name=$(basename "$1")
    find "$1" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
    case $2 in
    *.tar.gz)
        tar --sort=name --owner=0 --group=0 --numeric-owner --format=gnu \
            -C "$parent" -cf - "$name" | gzip -9n >"$2"
        ;;
    *.zip)
        (cd "$parent" && find "$name" | sort | zip -X -q -@ "$2")
        ;;
    esac
}

# deb ARCH CMAKE_ARG...: the Debian package for ARCH, dynamically linked.
deb() {
    local arch=$1 glibc
    shift
    build "deb-$arch" -DCMAKE_INSTALL_PREFIX=/usr -DPAGETOP_DEBIAN_PACKAGE=ON \
        -DCPACK_PACKAGE_CONTACT="$CPACK_PACKAGE_CONTACT" \
        -DCMAKE_CXX_FLAGS="$hardening_cxxflags" -DCMAKE_EXE_LINKER_FLAGS="-pie $hardening_ldflags" "$@"
    # The newest C library version the executable asks for.
    glibc=$(readelf --version-info "$tmp/deb-$arch/pagetop" | grep -o 'GLIBC_[0-9.]*' | sort -V | tail -n 1)
    (cd "$tmp/deb-$arch" && cpack -B "$tmp/deb-$arch/package" \
        -D CPACK_DEBIAN_PACKAGE_ARCHITECTURE="$arch" \
        -D CPACK_DEBIAN_PACKAGE_DEPENDS="libc6 (>= ${glibc#GLIBC_})" >/dev/null)
    cp "$tmp/deb-$arch/package/pagetop_${version}_$arch.deb" "$out/"
}

# linux ARCH CMAKE_ARG...: the tarball for ARCH, statically linked, so that
# it runs on any Linux whatever its C library.
linux() {
    local arch=$1 folder=$tmp/linux-$1/pagetop-$version-linux-$1
    shift
    build "linux-$arch" -DCMAKE_CXX_FLAGS="$hardening_cxxflags" \
        -DCMAKE_EXE_LINKER_FLAGS="-static-pie $hardening_ldflags" "$@"
    install "linux-$arch" "$folder"
    cp "$src/LICENSE" "$folder/"
    archive "$folder" "$out/pagetop-$version-linux-$arch.tar.gz"
}

# windows ARCH: the zip for ARCH, with what a Windows user reads.
windows() {
    local arch=$1 folder=$tmp/windows-$1/pagetop-$version-windows-$1
    build "windows-$arch" -DCMAKE_TOOLCHAIN_FILE="$src/cmake/mingw-w64-$arch.cmake"
    install "windows-$arch" "$folder"
    rm -r "$folder/share/man"
    cp "$src/LICENSE" "$src/README.md" "$folder/"
    archive "$folder" "$out/pagetop-$version-windows-$arch.zip"
}

deb amd64
deb arm64 "${aarch64[@]}"
linux x86_64
linux aarch64 "${aarch64[@]}"
windows x86_64
windows i686

cd "$out"
files=(pagetop_"$version"_*.deb pagetop-"$version"-*.tar.gz pagetop-"$version"-*.zip pagetop-"$version".tar.gz)
sha256sum "${files[@]}" >SHA256SUMS
cat SHA256SUMS
