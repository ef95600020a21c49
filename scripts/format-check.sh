#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a tracked C++ file differs from what clang-format makes of it
# (.clang-format); lists each difference. Fix with: clang-format -i <file>
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files -- '*.cpp' '*.h')
if [ "${#files[@]}" -eq 0 ]; then
    echo "format-check: no C++ files found" >&2
    exit 1
fi
clang-format --dry-run -Werror "${files[@]}"
echo "format-check: ${#files[@]} C++ files formatted"
