#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Qt-free layers (core, stations, run, ui/model) and their GoogleTest programs for
# 64-bit Windows with MinGW-w64 in build-windows/, and runs each program under Wine, headless.
# Installs the Debian packages it needs when they are missing; builds GoogleTest for Windows from
# Debian's googletest sources, and ERFA from Debian's erfa source package, fetched into
# build-windows/ with a source list of its own (the system's lists are left as they are).
# Exits non-zero when a step or a test fails; prints how long it took.
# JOBS=N sets the build's parallel jobs (default: every core).
set -eu
cd "$(dirname "$0")/.."
root=$PWD
out=$root/build-windows
jobs=${JOBS:-$(nproc)}
started=$(date +%s)
toolchain=$root/cmake/mingw-w64-x86_64.cmake

PACKAGES="cmake make g++-mingw-w64-x86-64-posix wine64 googletest dpkg-dev"
missing=""
for package in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $package"
    fi
done
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi
if [ -n "$missing" ]; then
    echo "Installing:$missing"
    export DEBIAN_FRONTEND=noninteractive
    $SUDO apt-get update -q
    # shellcheck disable=SC2086
    $SUDO apt-get install -y -q --no-install-recommends $missing
fi

launcher=""
if command -v ccache >/dev/null; then
    launcher="-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
fi

# ERFA: Debian packages it for Linux only, so its source package is compiled into the program.
erfa=$out/erfa
if [ ! -f "$erfa/src/erfa.h" ]; then
    apt=$out/apt
    mkdir -p "$apt/lists/partial" "$apt/parts" "$apt/cache/archives/partial"
    . /etc/os-release
    echo "deb-src http://deb.debian.org/debian $VERSION_CODENAME main" >"$apt/sources.list"
    set -- -o "Dir::Etc::SourceList=$apt/sources.list" -o "Dir::Etc::SourceParts=$apt/parts" \
        -o "Dir::State::Lists=$apt/lists" -o "Dir::Cache=$apt/cache"
    apt-get "$@" update -q
    (cd "$apt" && rm -rf erfa_* && apt-get "$@" source --download-only erfa)
    rm -rf "$erfa"
    dpkg-source --no-check -x "$apt"/erfa_*.dsc "$erfa"
fi

# GoogleTest from /usr/src/googletest (Debian's googletest), built once.
gtest=$out/googletest
if [ ! -f "$gtest/install/lib/cmake/GTest/GTestConfig.cmake" ]; then
    # shellcheck disable=SC2086
    cmake -S /usr/src/googletest -B "$gtest/build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release -DBUILD_GMOCK=OFF -DCMAKE_INSTALL_PREFIX="$gtest/install" \
        $launcher >/dev/null
    cmake --build "$gtest/build" --parallel "$jobs"
    cmake --install "$gtest/build" >/dev/null
fi

# shellcheck disable=SC2086
cmake -S "$root" -B "$out/build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_COMPILE_WARNING_AS_ERROR=ON \
    -DGTest_DIR="$gtest/install/lib/cmake/GTest" -DVELMORANT_ERFA_SOURCE="$erfa/src" \
    $launcher >/dev/null
cmake --build "$out/build" --parallel "$jobs"

# Wine in a prefix of its own, without a display; no prompts for its Mono or Gecko.
wine=$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)
export WINEPREFIX="$out/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
"$wine" wineboot --init >/dev/null 2>&1 || true

failed=""
for program in "$out"/build/tests/*/*_tests.exe; do
    name=$(basename "$program" .exe)
    echo "== $name (Wine)"
    if "$wine" "$program" --gtest_brief=1 >"$out/$name.log" 2>&1; then
        grep -E '^\[  PASSED  \]' "$out/$name.log" || true
    else
        cat "$out/$name.log"
        failed="$failed $name"
    fi
done
"$(dirname "$wine")/wineserver" -k 2>/dev/null || wineserver -k 2>/dev/null || true

echo "windows-check: $(($(date +%s) - started)) s"
if [ -n "$failed" ]; then
    echo "windows-check: failed:$failed" >&2
    exit 1
fi
echo "windows-check: every test program passed under Wine"
