#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The pagetop authors
# SPDX-License-Identifier: MIT
# The manual page renders without a single warning from groff or man, and
# its header names the version.
# usage: manual_test.sh PAGE VERSION
set -u
page=$1 version=$2
grep -q "^\.TH PAGETOP 1 [0-9-]* \"pagetop $version\" " "$page" || {
    echo "the manual page's .TH does not name version $version: $(grep '^\.TH' "$page")"
    exit 1
}
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
