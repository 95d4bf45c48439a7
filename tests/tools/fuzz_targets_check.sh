#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# scripts/fuzz.sh accepts each of its targets by name (and "all" selects every one), and refuses
# a name that is none.
set -eu
cd "$(dirname "$0")/../.."
status=0
count=0
for source in tests/fuzz/*_fuzz.cpp; do
    name=$(basename "$source" _fuzz.cpp)
    count=$((count + 1))
    selected=$(sh scripts/fuzz.sh --targets "$name") || selected="(refused)"
    if [ "$selected" != "$name" ]; then
        echo "fuzz.sh --targets $name selected: $selected" >&2
        status=1
    fi
done
set -- $(sh scripts/fuzz.sh --targets all)
if [ $# -ne $count ]; then
    echo "fuzz.sh --targets all selected $# targets, not $count" >&2
    status=1
fi
if sh scripts/fuzz.sh --targets no_such_target 2>/dev/null; then
    echo "fuzz.sh accepted an unknown target" >&2
    status=1
fi
exit $status
