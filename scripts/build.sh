#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, then configures and builds into ./build.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
# In CI (CI=true) a compiler warning in our own code fails the build.
werror=()
if [ "${CI:-}" = true ]; then werror=(-DVANTOR_WERROR=ON); fi
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${werror[@]}" "$@" >/dev/null
cmake --build build -j2
