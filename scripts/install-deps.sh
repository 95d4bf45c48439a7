#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the build and the tests need, when they are missing (clang and its
# runtime libraries for the fuzz targets, scripts/fuzz.sh).
# Safe to run again: packages already present are left alone.
set -eu

PACKAGES="cmake make g++ pkg-config
qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev liberfa-dev
libgtest-dev libgmock-dev libbenchmark-dev
fonts-liberation2 fonts-comic-neue python3
libhamlib-utils
dpkg-dev xvfb xauth
clang libclang-rt-14-dev"

missing=""
for package in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $package"
    fi
done

if [ -z "$missing" ]; then
    exit 0
fi

echo "Installing:$missing"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
# shellcheck disable=SC2086
$SUDO apt-get install -y -q --no-install-recommends $missing
