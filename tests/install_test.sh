#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The pagetop authors
# SPDX-License-Identifier: MIT
# cmake --install lays out the tool, its manual page and its CMake package
# where GNUInstallDirs says, for the configuration under test.
# usage: install_test.sh CMAKE BUILD_DIR CONFIG FILE...
#   FILE  a path the install must create, relative to the prefix
set -u
cmake=$1 build=$2 config=$3
shift 3
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
"$cmake" --install "$build" --config "$config" --prefix "$prefix" >/dev/null || exit 1
status=0
for file in "$@"; do
    [ -f "$prefix/$file" ] || {
        echo "not installed: $file"
        status=1
    }
done
exit $status
