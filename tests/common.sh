# SPDX-FileCopyrightText: 2026 The pagetop authors
# SPDX-License-Identifier: MIT
# shellcheck shell=bash
# Sourced by the test scripts: what each of them does the same way.

# A folder of the script's own, $tmp, gone when the script ends. Its path
# has a space, which every build in it must take.
tmp=$(mktemp -d "${TMPDIR:-/tmp}/pagetop test.XXXXXX")
trap 'rm -rf "$tmp"' EXIT
failures=0

# fail MESSAGE: reports a check that failed, with the last step's output,
# $tmp/log, and goes on. $context, where the script sets it, says which
# case failed.
fail() {
    echo "FAIL${context:+ ($context)}: $1"
    [ ! -s "$tmp/log" ] || cat "$tmp/log"
    failures=$((failures + 1))
}

# stop MESSAGE: fail, where nothing after it can be checked.
stop() {
    fail "$1"
    finish
}

# skip REASON: the machine lacks what the test needs. The reason also goes
# into the note that ctest prints after its run (tests/CMakeLists.txt).
skip() {
    echo "skipped: $1"
    if [ -n "${PAGETOP_SKIP_NOTE:-}" ]; then
        mkdir -p "$(dirname "$PAGETOP_SKIP_NOTE")" && echo "$1" >"$PAGETOP_SKIP_NOTE"
    fi
    exit 77
}

# finish: ends the script, with status 1 if a check failed.
finish() {
    [ "$failures" -eq 0 ] || echo "$failures failed"
    exit $((failures > 0))
}

# copy_working_tree SOURCE DEST: copies pagetop's files into DEST as they are
# in SOURCE's working tree, uncommitted changes and new files included, so
# that a test of a copy tests the change at hand, not the last commit.
copy_working_tree() {
    local file
    mkdir -p "$2" || return
    git -C "$1" ls-files -z --cached --others --exclude-standard |
        while IFS= read -r -d '' file; do
            # A file deleted in the working tree stays out.
            [ ! -e "$1/$file" ] || printf '%s\0' "$file"
        done | tar -C "$1" --null -T - -cf - | tar -x -C "$2"
}

# working_tree_repo SOURCE DEST: makes DEST a git repository whose one
# commit holds SOURCE's working tree, and prints that commit.
working_tree_repo() {
    copy_working_tree "$1" "$2" &&
        git -C "$2" init -q &&
        git -C "$2" add -A &&
        git -C "$2" -c user.name=test -c user.email=test@pagetop.invalid commit -q -m "working tree" &&
        git -C "$2" rev-parse HEAD
}

# is_page FILE SIZE: whether FILE is, byte for byte, the header page for a
# merged file of SIZE bytes.
is_page() {
    local word
    {
        printf '0x%08x\n' "$2"
        for ((word = 1; word < 512; word++)); do
            echo 0x00000000
        done
    } | cmp -s "$1" -
}

# mark_time: notes the time for written_since, and lets a second pass, so
# that whatever is written next has a newer time stamp.
mark_time() {
    touch "$tmp/marker"
    sleep 1
}

# written_since DIR: the files in DIR written since mark_time, but for the
# build tools' own records of dependencies, which a build with nothing to do
# may write again.
written_since() {
    find "$1" -newer "$tmp/marker" -type f ! -name '.ninja_*' ! -name 'compiler_depend.*'
}
