#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The pagetop authors
# SPDX-License-Identifier: MIT
# The Windows build runs on a plain Windows machine: it needs no DLL beyond
# the system's own, so no MinGW runtime DLL has to ship beside it.
# usage: dlls_test.sh OBJDUMP EXE
set -u
# shellcheck source=tests/common.sh
. "$(dirname "$0")/common.sh"
dlls=$("$1" -p "$2" | sed -n 's/^[[:space:]]*DLL Name: //p')
[ -n "$dlls" ] || stop "no DLL imports read from $2"
extra=$(grep -v -i -x -E 'kernel32\.dll|msvcrt\.dll|ucrtbase\.dll|api-ms-win-.*\.dll' <<<"$dlls")
[ -z "$extra" ] || fail "needs DLLs that a plain Windows lacks: $extra"
finish
