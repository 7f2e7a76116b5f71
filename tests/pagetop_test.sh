#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The pagetop authors
# SPDX-License-Identifier: MIT
# Runs pagetop as its users do where standard output fails it, and checks
# what they see: the message on stderr and the exit status. Its output for
# every argument is checked by pagetop_test.cmake.
#
# usage: pagetop_test.sh GROUP COMMAND...
#   GROUP    write-errors, broken-pipe or fault-injection
#   COMMAND  the built tool, behind its emulator when it was cross-built
#
# Exits 77, skipped, where the machine lacks what a group needs.
set -u
# shellcheck source=tests/common.sh
. "$(dirname "$0")/common.sh"
((BASH_VERSINFO[0] * 100 + BASH_VERSINFO[1] >= 404)) || skip "needs bash 4.4 or later"
group=$1
shift
tool=("$@")

# expect_write_error REASON ARG...: run on the stdout this function is given,
# and behind the commands in the array $via, the tool says it could not
# write, and why, and exits 1.
via=()
expect_write_error() {
    local reason=$1 what
    shift
    what="write error${via:+ under ${via[*]}}, arguments $*"
    "${via[@]}" "${tool[@]}" "$@" 2>"$tmp/err"
    status=$?
    printf 'pagetop: write error: %s\n' "$reason" >"$tmp/want"
    # stderr is text for people, and Windows ends its lines with "\r\n".
    tr -d '\r' <"$tmp/err" | cmp -s - "$tmp/want" || fail "$what: stderr: '$(cat "$tmp/err")'"
    [ "$status" -eq 1 ] || fail "$what: exit status $status, want 1"
}

# calls SYSCALL PATTERN ARG...: the numbers, as strace counts the calls of
# SYSCALL, of those that match PATTERN in a run with ARG... and stdout on
# $tmp/out.
calls() {
    local syscall=$1 pattern=$2
    shift 2
    strace -o "$tmp/trace" -e trace="$syscall" "${tool[@]}" "$@" >"$tmp/out" 2>/dev/null
    grep -n -e "$pattern" "$tmp/trace" | cut -d: -f1
}

case $group in
write-errors)
    [ -w /dev/full ] || skip "needs /dev/full"
    # The page and the help text alike.
    expect_write_error 'No space left on device' 5 >/dev/full
    expect_write_error 'No space left on device' >/dev/full
    expect_write_error 'Bad file descriptor' 5 >&-
    expect_write_error 'Bad file descriptor' >&-
    ;;
broken-pipe)
    # A reader that leaves early ends the tool by SIGPIPE, the Unix way, and
    # the tool adds no message. The reader is gone before the tool starts, so
    # the first write always meets a closed pipe.
    env --default-signal=PIPE true 2>/dev/null || skip "needs env --default-signal (GNU coreutils 8.31)"
    exec {pipe}> >(:)
    wait $!
    env --default-signal=PIPE "${tool[@]}" 5 1>&"$pipe" 2>"$tmp/err"
    status=$?
    exec {pipe}>&-
    [ "$status" -eq $((128 + $(kill -l PIPE))) ] || fail "broken pipe: exit status $status, want death by SIGPIPE"
    [ ! -s "$tmp/err" ] || fail "broken pipe: stderr: $(cat "$tmp/err")"
    ;;
fault-injection)
    # Errors that only a failing system call shows: strace makes the first
    # or the last write to stdout fail, or the close of stdout, which is
    # where some file systems (NFS, quotas) report a lost write.
    strace -o /dev/null true 2>/dev/null || skip "needs strace, allowed to trace"
    # inject_faults ARG...
    inject_faults() {
        local writes close fault
        writes=$(calls write '^write(1,' "$@")
        close=$(calls close '^close(1)' "$@")
        [ -n "$close" ] || fail "arguments $*: stdout is never closed"
        for fault in "write:${writes%%$'\n'*}" "write:${writes##*$'\n'}" ${close:+"close:$close"}; do
            via=(strace -o /dev/null -e inject="${fault%:*}:error=EIO:when=${fault#*:}")
            expect_write_error 'Input/output error' "$@" >"$tmp/out"
        done
    }
    inject_faults 5 # the page
    inject_faults   # the help text
    ;;
*)
    echo "unknown test group: $group" >&2
    exit 2
    ;;
esac
finish
