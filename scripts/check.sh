#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds VELMORANT in build/ and runs every test.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset default
cmake --build --preset default --parallel "$(nproc)"
ctest --preset default --parallel "$(nproc)"
