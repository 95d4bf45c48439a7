#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package the way a packager does: a plain optimised Release build in a fresh
# build-package/, no preset, so a compiler warning there is not an error. Installs it with apt,
# starts the installed program under Xvfb in a fresh home folder, checks that it created the
# operator's folder with the data files (the manual a valid PDF of several pages), then removes
# the package and checks the operator's files stay. Needs root (apt); CI runs it after the test
# suites.
set -eu
cd "$(dirname "$0")/../.."

fail() {
    echo "package check: $*" >&2
    exit 1
}

build=build-package
rm -rf "$build"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --parallel "$(nproc)" >/dev/null
(cd "$build" && cpack -G DEB >/dev/null)
package=$(ls "$build"/velmorant_*.deb | head -n 1)
[ -f "$package" ] || fail "no package built"

# The manual page, compressed, and the bash completion, looked for in the package itself (a
# system may leave manual pages out when it installs).
contents=$(dpkg-deb -c "$package")
for file in ./usr/share/man/man1/velmorant.1.gz ./usr/share/bash-completion/completions/velmorant; do
    echo "$contents" | grep -q " $file\$" || fail "$file is not in the package"
done

export DEBIAN_FRONTEND=noninteractive
apt-get install -y -q "./$package" >/dev/null
command -v velmorant >/dev/null || fail "velmorant is not on PATH after installing"
[ -f /usr/share/applications/velmorant.desktop ] || fail "no desktop entry"
# The licence: the machine-readable copyright file with the data files' sources, the GPL beside it.
doc=/usr/share/doc/velmorant
head -n 1 "$doc/copyright" | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
    fail "$doc/copyright is not a machine-readable copyright file"
for term in 'License: GPL-3.0-or-later' 'Files: data/WORLDMAP.PNG' 'Natural Earth' \
    'Files: data/QVSKYTEMP.DAT' 'Haslam'; do
    grep -q "$term" "$doc/copyright" || fail "$doc/copyright does not name $term"
done
grep -q 'GNU GENERAL PUBLIC LICENSE' "$doc/LICENSE" || fail "the GPL is not installed as $doc/LICENSE"
velmorant --version | grep -q 'GPL-3.0-or-later' || fail "velmorant --version does not name the licence"
completion=/usr/share/bash-completion/completions/velmorant
bash -c ". $completion && complete -p velmorant" | grep -q -- '-F _velmorant' ||
    fail "$completion does not complete velmorant"
# The manual's text and pictures for the program's own help viewer.
[ -f /usr/share/velmorant/QVHELP.MD ] || fail "the manual's text QVHELP.MD is not installed"
[ -f /usr/share/velmorant/screenshots/frmInput.png ] || fail "the manual's pictures are not installed"

home=$(mktemp -d)
# The window opens and keeps running; after a few seconds it is ended.
status=0
HOME="$home" XDG_DATA_HOME= XDG_RUNTIME_DIR="$home" \
    timeout 8 xvfb-run -a velmorant >/dev/null 2>&1 || status=$?
[ "$status" -eq 124 ] || fail "the window did not stay open (exit status $status)"

folder="$home/.local/share/VELMORANT/velmorant"
[ -f /usr/share/velmorant/WORLDMAP.PNG ] || fail "the world map is not installed"
for file in VELMORANT.DAT CALL3.TXT QVSKYTEMP.DAT QVHELP.PDF; do
    [ -f "$folder/$file" ] || fail "$file was not put into $folder"
done
head -c 5 "$folder/QVHELP.PDF" | grep -q '%PDF-' || fail "QVHELP.PDF is not a PDF"
# The page tree's count of pages.
pages=$(grep -a -o '/Count [0-9]*' "$folder/QVHELP.PDF" | awk '{ if ($2 > n) n = $2 } END { print n + 0 }')
[ "$pages" -ge 3 ] || fail "QVHELP.PDF has $pages pages"

echo "changed by the operator" >> "$folder/CALL3.TXT"
apt-get remove -y -q velmorant >/dev/null
grep -q "changed by the operator" "$folder/CALL3.TXT" || fail "removing the package touched the operator's files"
rm -rf "$home"
echo "package check: installed, started, seeded $folder, removed; operator's files kept"
