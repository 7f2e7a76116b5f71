#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The pagetop authors
# SPDX-License-Identifier: MIT
# Two clean Release builds of the working tree, from two different source
# and build paths, install the same files, byte for byte. Prints the sha256
# of each. Arguments go to cmake, to build for another target:
#
#   tests/reproducible_test.sh
#   tests/reproducible_test.sh -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
set -euo pipefail
source=$(cd "$(dirname "$0")/.." && pwd)
# shellcheck source=tests/common.sh
. "$source/tests/common.sh"
copies=("$tmp/a/pagetop" "$tmp/another/path/src")
for copy in "${copies[@]}"; do
    copy_working_tree "$source" "$copy"
    cmake -S "$copy" -B "$copy/build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF "$@" >/dev/null
    cmake --build "$copy/build" >/dev/null
    cmake --install "$copy/build" --prefix "$copy/install" >/dev/null
done
cd "${copies[0]}/install"
find . -type f | sort | xargs sha256sum
diff -r . "${copies[1]}/install"
