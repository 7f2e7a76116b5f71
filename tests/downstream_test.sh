#!/usr/bin/env bash
# Another project takes pagetop one way and makes a header page with it, then
# follows a change of the merged file's size, and stops on a failed run
# without leaving a page behind.
#
# usage: downstream_test.sh WAY CMAKE GENERATOR PROJECT PAGETOP CONFIG
#   WAY      find_package: PAGETOP is a build of pagetop, installed here
#            under a prefix that is then moved; add_subdirectory: PAGETOP is
#            pagetop's source
#   PROJECT  the downstream project's source
set -u
way=$1 cmake=$2 generator=$3 project=$4 pagetop=$5 config=${6:-}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
build=$tmp/build

case $way in
find_package)
    "$cmake" --install "$pagetop" --config "$config" --prefix "$tmp/install" >/dev/null || exit 1
    # The package is found where it is, not where it was installed.
    mv "$tmp/install" "$tmp/moved"
    way_args=("-DCMAKE_PREFIX_PATH=$tmp/moved")
    ;;
add_subdirectory)
    way_args=("-DPAGETOP_SOURCE_DIR=$pagetop")
    ;;
*)
    echo "unknown way: $way"
    exit 2
    ;;
esac

"$cmake" -S "$project" -B "$build" -G "$generator" "${way_args[@]}" \
    "-DMERGED_INPUT=$tmp/merged.input" >"$tmp/log" 2>&1 || {
    cat "$tmp/log"
    exit 1
}

# build_with_size SIZE: the merged file gets SIZE bytes, and the build runs.
build_with_size() {
    head -c "$1" /dev/zero >"$tmp/merged.input"
    "$cmake" --build "$build" --config "$config" >"$tmp/log" 2>&1
}

# expect_page WORD: the header page is in place, with WORD as its first line.
expect_page() {
    { echo "$1"; yes 0x00000000 | head -n 511; } >"$tmp/want"
    cmp -s "$build/header.txt" "$tmp/want" || {
        echo "header page: want first line $1, got:"
        head -n 1 "$build/header.txt"
        cat "$tmp/log"
        exit 1
    }
}

build_with_size 1234
expect_page 0x000004d2
build_with_size 70000
expect_page 0x00011170

# A run that fails stops the build and leaves no page, whole or partial: the
# file size limit kills pagetop half-way through a 5632-byte page.
if (ulimit -f 4 && build_with_size 5); then
    echo "the build went on after pagetop failed"
    exit 1
fi
grep -q 'pagetop 5 failed' "$tmp/log" || {
    echo "the build does not say that pagetop failed:"
    cat "$tmp/log"
    exit 1
}
for file in header.txt header.txt.partial; do
    [ ! -e "$build/$file" ] || {
        echo "a failed run left $file behind"
        exit 1
    }
done
