#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The pagetop authors
# SPDX-License-Identifier: MIT
# The manual page renders without a single warning from groff or man, and
# its header names the version. What it says is what the tool does: the
# page's size and the exit statuses, and its examples, copied from what
# man shows and run, write the page.
#
# usage: manual_test.sh PAGE VERSION [TOOL]
#   TOOL  the built tool, where it runs here
set -u
# shellcheck source=tests/common.sh
. "$(dirname "$0")/common.sh"
page=$1 version=$2 tool=${3:-}
grep -q "^\.TH PAGETOP 1 [0-9-]* \"pagetop $version\" " "$page" ||
    stop "the manual page's .TH does not name version $version: $(grep '^\.TH' "$page")"
{ command -v groff && command -v man; } >/dev/null || skip "needs groff and man"
warnings=$(groff -man -ww -z "$page" 2>&1 && man --warnings -l "$page" 2>&1 >/dev/null) ||
    stop "the manual page does not render: $warnings"
[ -z "$warnings" ] || stop "the manual page renders with warnings: $warnings"
[ -n "$tool" ] || finish

# What a reader sees, as a terminal shows it: no tabs, no overstrikes.
MANWIDTH=200 man -l "$page" 2>/dev/null | col -bx >"$tmp/man.txt"
# section NAME: the lines of the section NAME.
section() {
    sed -n "/^$1\$/,/^[A-Z][A-Z ]*\$/p" "$tmp/man.txt" | sed '1d;$d'
}

bytes=$("$tool" 5 | wc -c)
tr -s ' \n' '  ' <"$tmp/man.txt" | grep -qF "The page is $bytes bytes" ||
    fail "the manual page does not say that the page is $bytes bytes"

# The exit statuses it lists are those the tool gives: 0 for the page and
# the help text, and for a full disk the one it says so of.
{ "$tool" 5 >/dev/null && "$tool" >/dev/null; } || fail "the page or the help text does not exit 0"
"$tool" 5 >/dev/full 2>/dev/null
full=$?
listed=$(section 'EXIT STATUS' | sed -n 's/^       \([0-9][0-9]*\)  .*/\1/p' | tr '\n' ' ')
[ "$listed" = "0 $full " ] || fail "the manual page lists the exit statuses '$listed', the tool gives 0 and $full"
section 'EXIT STATUS' | sed -n "/^       $full  /,/^\$/p" | grep -q 'could not take it all' ||
    fail "the manual page does not give status $full for a full disk"

# The examples, as a reader copies them: the indented lines of EXAMPLES,
# the shell script first, then the Makefile.
section EXAMPLES | awk -v out="$tmp/example" -v n=1 '
    /^           / { print substr($0, 12) >(out n); inside = 1; next }
    /^$/ { if (inside) print "" >(out n); next }
    { if (inside) n++; inside = 0 }'
mkdir "$tmp/run"
head -c 1234 /dev/zero >"$tmp/run/merged.bin"
PATH=$(cd "$(dirname "$tool")" && pwd):$PATH
(cd "$tmp/run" && sh "$tmp/example1") || fail "the shell example fails: $(cat "$tmp/example1")"
is_page "$tmp/run/header.txt" 1234 || fail "the shell example writes no page for 1234"
rm -f "$tmp/run/header.txt"
(cd "$tmp/run" && make -f "$tmp/example2" >/dev/null 2>&1) || fail "the Makefile example fails: $(cat "$tmp/example2")"
is_page "$tmp/run/header.txt" 1234 || fail "the Makefile example writes no page for 1234"
finish
