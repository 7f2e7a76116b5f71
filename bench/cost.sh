#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The pagetop authors
# SPDX-License-Identifier: MIT
# What one page costs a release build of pagetop's source, beside a plain C program
# that prints the same page with printf: write calls (strace), shared
# libraries loaded (ldd), and instructions run by the whole process, start-up
# included (callgrind, which counts the same on every run). Exits 1 when the
# tool is over its bounds.
set -euo pipefail
cd "$(dirname "$0")/.."
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
# The tool as released, built here from this source, and nothing else.
cmake -S . -B "$tmp/build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$tmp/build" >/dev/null
tool=$tmp/build/pagetop
cc -O2 -o "$tmp/printf_page" bench/printf_page.c

writes() {
    strace -o "$tmp/strace" -e trace=write "$1" 1234 >"$tmp/page"
    grep -c '^write(' "$tmp/strace"
}
libraries() {
    ldd "$1" | awk '$1 !~ /^(linux-vdso|\/)/ { printf "%s ", $1 }'
}
instructions() {
    valgrind --tool=callgrind --callgrind-out-file=/dev/null "$1" 1234 2>&1 >"$tmp/page" |
        sed -n 's/.*Collected : //p'
}

base=$(instructions "$tmp/printf_page")
printf '%-14s %6s  %-24s %12s\n' program writes libraries instructions
for program in "$tool" "$tmp/printf_page"; do
    count=$(instructions "$program")
    printf '%-14s %6s  %-24s %12s (%sx)\n' "$(basename "$program")" "$(writes "$program")" \
        "$(libraries "$program")" "$count" "$(awk "BEGIN { printf \"%.3f\", $count / $base }")"
done

# The bounds: the page leaves in at most 2 write calls, nothing loads but the
# C library, and the whole process runs at most 1.05 times the instructions
# of the printf program. Counts, not times, so they hold on a busy machine.
status=0
[ "$(writes "$tool")" -le 2 ] || { echo "FAIL: more than 2 write calls for a page"; status=1; }
[ "$(libraries "$tool")" = "libc.so.6 " ] || { echo "FAIL: loads $(libraries "$tool")"; status=1; }
awk "BEGIN { exit !($(instructions "$tool") <= 1.05 * $base) }" ||
    { echo "FAIL: more than 1.05 times the instructions of the printf program"; status=1; }
exit $status
