#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The manual page renders at 80 columns without a warning from man or groff, as a user's man
# shows it. Exit status 77 (skipped) where man is not installed.
set -eu
page=$1
command -v man >/dev/null 2>&1 || { echo "man is not installed"; exit 77; }
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
MANWIDTH=80 man --warnings -l "$page" >"$folder/page.txt" 2>"$folder/warnings.txt"
if [ -s "$folder/warnings.txt" ]; then
    cat "$folder/warnings.txt" >&2
    exit 1
fi
grep -q '^NAME' "$folder/page.txt" || { echo "$page: no NAME section rendered" >&2; exit 1; }
