#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, then configures and builds into ./build.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
# In CI (CI=true) a compiler warning in our own code fails the build.
werror=()
if [ "${CI:-}" = true ]; then werror=(-DVANTOR_WERROR=ON); fi
# Compiles through ccache when it is installed (scripts/install-deps.sh does):
# a rebuild compiles only what changed. -DCMAKE_CXX_COMPILER_LAUNCHER= turns it off.
launcher=()
if command -v ccache >/dev/null 2>&1; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${werror[@]}" "${launcher[@]}" "$@" >/dev/null
cmake --build build -j2
