#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the libFuzzer targets of tests/fuzz: scripts/fuzz.sh TARGET SECONDS, or all SECONDS for
# each target in turn. Configures and builds build-fuzz/ (clang, AddressSanitizer,
# UndefinedBehaviorSanitizer) when needed. Each run starts from a copy of the committed seed
# corpus in build-fuzz/corpus/TARGET, which keeps what the fuzzer adds; the committed corpus is
# never written. A crash or failed check ends the script with a non-zero status and leaves the
# input in build-fuzz/crashes/TARGET/. Further libFuzzer options may follow (e.g. -runs=N).
set -eu
cd "$(dirname "$0")/.."

TARGETS="defaults_file sky_temperature_file callsign_search station_list_edit locator leading_number
rotator_settings rotctld_answers window_places"

if [ $# -lt 2 ]; then
    echo "usage: scripts/fuzz.sh TARGET|all SECONDS [libFuzzer options]" >&2
    echo "targets: $TARGETS" >&2
    exit 2
fi
target=$1
seconds=$2
shift 2

build=build-fuzz
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build" -DVELMORANT_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_COMPILER=clang++ >/dev/null
fi

if [ "$target" = all ]; then
    selected=$TARGETS
else
    case " $TARGETS " in
    *" $target "*) selected=$target ;;
    *)
        echo "fuzz: unknown target $target (known: $TARGETS)" >&2
        exit 2
        ;;
    esac
fi

names=""
for name in $selected; do
    names="$names ${name}_fuzz"
done
# shellcheck disable=SC2086
cmake --build "$build" --parallel 2 --target $names

status=0
for name in $selected; do
    corpus="$build/corpus/$name"
    crashes="$build/crashes/$name"
    mkdir -p "$corpus" "$crashes"
    cp -n tests/fuzz/corpus/"$name"/* "$corpus"/
    # The inputs of earlier findings are seeds too, so every run checks they stay mended.
    for finding in tests/fuzz/findings/"$name"-*; do
        [ -e "$finding" ] && cp -n "$finding" "$corpus"/
    done
    echo "fuzz: $name for $seconds s"
    if ! "$build/tests/fuzz/${name}_fuzz" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$crashes/" "$@" "$corpus"; then
        echo "fuzz: $name failed; the input is in $crashes/" >&2
        status=1
    fi
done
exit $status
