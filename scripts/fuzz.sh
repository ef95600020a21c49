#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang (address and undefined-behaviour
# sanitizers) into ./build-fuzz and runs each for a bounded number of inputs.
#   scripts/fuzz.sh [runs]     (default 200000)
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-200000}"

# In CI (CI=true) a compiler warning in our own code fails the build.
werror=()
if [ "${CI:-}" = true ]; then werror=(-DVANTOR_WERROR=ON); fi
# Through ccache when it is installed, as in scripts/build.sh.
launcher=()
if command -v ccache >/dev/null 2>&1; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${werror[@]}" "${launcher[@]}" \
    -DVANTOR_BUILD_FUZZERS=ON -DVANTOR_BUILD_APP=OFF -DVANTOR_BUILD_TESTS=OFF \
    -DVANTOR_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build build-fuzz -j2 --target fuzz_update_manifest fuzz_patch_archive fuzz_steamcmd_output

# New inputs go to a scratch folder; the committed seeds stay as they are.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
for target in update_manifest patch_archive steamcmd_output; do
    mkdir -p "$work/$target"
    "./build-fuzz/fuzz/fuzz_$target" -runs="$runs" -max_len=4096 -timeout=10 \
        -artifact_prefix=build-fuzz/ "$work/$target" "fuzz/corpus/$target"
    echo "fuzz: $runs runs of fuzz_$target without a finding"
done
