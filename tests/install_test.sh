#!/usr/bin/env bash
# cmake --install lays out the tool and its manual page under the prefix.
# usage: install_test.sh CMAKE BUILD_DIR TOOL_FILE_NAME
set -u
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
"$1" --install "$2" --prefix "$prefix" >/dev/null || exit 1
status=0
for file in "bin/$3" share/man/man1/pagetop.1; do
    [ -f "$prefix/$file" ] || {
        echo "not installed: $file"
        status=1
    }
done
exit $status
