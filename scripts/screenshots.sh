#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the launcher window to docs/screenshots/*.png under Xvfb with
# OpenGL (so the glows show). Usage: scripts/screenshots.sh [vantor-screenshots binary]
# or: cmake --build build --target screenshots
set -euo pipefail
cd "$(dirname "$0")/.."
tool="${1:-build/tests/vantor-screenshots}"
if [ ! -x "$tool" ]; then
  cmake --build build --target vantor-screenshots
fi
out="${SCREENSHOTS_DIR:-docs/screenshots}"
mkdir -p "$out"
QSG_RENDER_LOOP=basic QT_QPA_PLATFORM=xcb \
  xvfb-run -a -s "-screen 0 1280x800x24" "$tool" "$out"
# The same window at 200% scaling, to see that symbols and text stay sharp.
VANTOR_SCREENSHOT_ONLY=banner-launch.png QT_SCALE_FACTOR=2 QSG_RENDER_LOOP=basic QT_QPA_PLATFORM=xcb \
  xvfb-run -a -s "-screen 0 2560x1600x24" "$tool" "$out"
