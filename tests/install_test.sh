#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The pagetop authors
# SPDX-License-Identifier: MIT
# cmake --install lays out the tool, its manual page and its CMake package
# where GNUInstallDirs says, for the configuration under test.
# usage: install_test.sh CMAKE BUILD_DIR CONFIG FILE...
#   FILE  a path the install must create, relative to the prefix
set -u
# shellcheck source=tests/common.sh
. "$(dirname "$0")/common.sh"
cmake=$1 build=$2 config=$3
shift 3
"$cmake" --install "$build" --config "$config" --prefix "$tmp/install" >"$tmp/log" || stop "the install failed"
for file in "$@"; do
    [ -f "$tmp/install/$file" ] || fail "not installed: $file"
done
finish
