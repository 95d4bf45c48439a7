#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the libFuzzer targets of tests/fuzz: scripts/fuzz.sh TARGET SECONDS, or all SECONDS for
# each target in turn. Configures and builds build-fuzz/ (clang, AddressSanitizer,
# UndefinedBehaviorSanitizer) when needed. Each run starts from a copy of the committed seed
# corpus in build-fuzz/corpus/TARGET, which keeps what the fuzzer adds; the committed corpus is
# never written. A crash or failed check ends the script with a non-zero status and leaves the
# input in build-fuzz/crashes/TARGET/. Further libFuzzer options may follow (e.g. -runs=N).
# scripts/fuzz.sh --targets TARGET|all prints the targets that would run, and builds nothing.
set -eu
cd "$(dirname "$0")/.."

# Every target of tests/fuzz, one line: a target is a file NAME_fuzz.cpp there.
TARGETS=""
for source in tests/fuzz/*_fuzz.cpp; do
    name=$(basename "$source" _fuzz.cpp)
    TARGETS="${TARGETS:+$TARGETS }$name"
done

# The targets a name selects: all of them, or the one it names.
select_targets() {
    if [ "$1" = all ]; then
        echo "$TARGETS"
        return 0
    fi
    case " $TARGETS " in
    *" $1 "*) echo "$1" ;;
    *)
        echo "fuzz: unknown target $1 (known: $TARGETS)" >&2
        return 2
        ;;
    esac
}

# scripts/fuzz.sh --targets TARGET|all: only prints what would run.
if [ $# -eq 2 ] && [ "$1" = --targets ]; then
    select_targets "$2"
    exit $?
fi

if [ $# -lt 2 ]; then
    echo "usage: scripts/fuzz.sh TARGET|all SECONDS [libFuzzer options]" >&2
    echo "       scripts/fuzz.sh --targets TARGET|all" >&2
    echo "targets: $TARGETS" >&2
    exit 2
fi
target=$1
seconds=$2
shift 2
selected=$(select_targets "$target") || exit 2

build=build-fuzz
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build" -DVELMORANT_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_COMPILER=clang++ >/dev/null
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
