#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The pagetop authors
# SPDX-License-Identifier: MIT
# Runs pagetop as its users do and checks what they see: the bytes on stdout,
# the text on stderr and the exit status.
#
# usage: pagetop_test.sh GROUP COMMAND...
#   GROUP    arguments, help, write-errors, broken-pipe or fault-injection
#   COMMAND  the built tool, behind its emulator when it was cross-built
#
# Exits 77, skipped, where the machine lacks what a group needs.
set -u
# skip REASON
skip() {
    echo "skipped: $1"
    exit 77
}
((BASH_VERSINFO[0] * 100 + BASH_VERSINFO[1] >= 404)) || skip "needs bash 4.4 or later"
group=$1
shift
tool=("$@")
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# run ARG...: runs the tool; its stdout lands in $tmp/out, its stderr in
# $tmp/err, its exit status in $status.
run() {
    "${tool[@]}" "$@" >"$tmp/out" 2>"$tmp/err"
    status=$?
}

# expect_clean_exit WHAT: nothing on stderr and status 0.
expect_clean_exit() {
    [ ! -s "$tmp/err" ] || fail "$1: stderr: $(cat "$tmp/err")"
    [ "$status" -eq 0 ] || fail "$1: exit status $status"
}

# expect_page WORD ARG...: given ARG..., the tool writes the whole page with
# WORD as its first line, and nothing else.
expect_page() {
    local word=$1 what
    shift
    what="arguments $(printf '%q ' "$@")"
    run "$@"
    { echo "$word"; yes 0x00000000 | head -n 511; } >"$tmp/want"
    cmp -s "$tmp/out" "$tmp/want" ||
        fail "$what: got first line '$(head -n 1 "$tmp/out")' and $(wc -c <"$tmp/out") bytes, want '$word' and 5632 bytes"
    expect_clean_exit "$what"
}

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
arguments)
    # The argument reads as strtoll reads base 10, and the word keeps the low
    # 32 bits of the result.
    cases=(
        # argument                  first line
        0                           0x00000000
        1234                        0x000004d2
        -1                          0xffffffff
        2147483647                  0x7fffffff
        -2147483648                 0x80000000
        2147483648                  0x80000000
        4294967295                  0xffffffff
        4294967296                  0x00000000
        -4294967295                 0x00000001
        9223372036854775808         0xffffffff # saturates at 2^63-1
        -9223372036854775809        0x00000000 # saturates at -2^63
        18446744073709551621        0xffffffff # does not wrap to 5
        '  +42kB'                   0x0000002a
        $'\t\n\v\f\r 7'             0x00000007
        '12 34'                     0x0000000c
        0010                        0x0000000a
        0x100                       0x00000000
        1e3                         0x00000001
        +-5                         0x00000000
        '- 5'                       0x00000000
        ''                          0x00000000
        abc                         0x00000000
        --help                      0x00000000
    )
    for ((k = 0; k < ${#cases[@]}; k += 2)); do
        expect_page "${cases[k + 1]}" "${cases[k]}"
    done
    # Only the first argument counts.
    expect_page 0x000004d2 1234 99 abc
    expect_page 0x00000000 abc 1234
    ;;
help)
    run
    printf '%s\n' 'pagetop creates a page with file size as first word' \
        'The rest of the page is padded with 0' \
        'Usage: pagetop <merged_file_size>' >"$tmp/want"
    cmp -s "$tmp/out" "$tmp/want" || fail "help text: got '$(cat "$tmp/out")'"
    expect_clean_exit "help text"
    ;;
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
[ "$failures" -eq 0 ] || {
    echo "$failures failed"
    exit 1
}
