# SPDX-FileCopyrightText: 2026 The pagetop authors
# SPDX-License-Identifier: MIT
# shellcheck shell=bash
# Sourced by the test scripts.

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

# page_for SIZE: prints the header page for a merged file of SIZE bytes.
page_for() {
    printf '0x%08x\n' "$1"
    yes 0x00000000 | head -n 511
}
