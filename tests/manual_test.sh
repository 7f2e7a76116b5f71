#!/usr/bin/env bash
# The manual page renders without a single warning from groff or man.
# usage: manual_test.sh PAGE
set -u
page=$1
if ! command -v groff >/dev/null || ! command -v man >/dev/null; then
    echo "groff or man is not installed: skipped"
    exit 77
fi
warnings=$(groff -man -ww -z "$page" 2>&1 && man --warnings -l "$page" 2>&1 >/dev/null) || {
    echo "the manual page does not render: $warnings"
    exit 1
}
[ -z "$warnings" ] || {
    echo "$warnings"
    exit 1
}
