#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the launcher window to docs/screenshots/*.png under Xvfb with
# OpenGL (so the glows show).
# Usage: scripts/screenshots.sh [--lang CODE] [vantor-screenshots binary]
# or: cmake --build build --target screenshots
# With --lang (de, fr, es, pt_BR, ru, pl, zh_CN) the window speaks that
# language and the pictures go to docs/screenshots/CODE/.
set -euo pipefail
cd "$(dirname "$0")/.."
lang=""
if [ "${1:-}" = "--lang" ]; then
  lang="${2:?--lang needs a language code}"
  shift 2
fi
tool="${1:-build/tests/vantor-screenshots}"
if [ ! -x "$tool" ]; then
  cmake --build build --target vantor-screenshots
fi
out="${SCREENSHOTS_DIR:-docs/screenshots${lang:+/$lang}}"
mkdir -p "$out"
export VANTOR_SCREENSHOT_LANGUAGE="${lang:-en}"
QSG_RENDER_LOOP=basic QT_QPA_PLATFORM=xcb \
  xvfb-run -a -s "-screen 0 1280x800x24" "$tool" "$out"
# The same window at 200% scaling, to see that symbols and text stay sharp.
VANTOR_SCREENSHOT_ONLY=banner-launch.png QT_SCALE_FACTOR=2 QSG_RENDER_LOOP=basic QT_QPA_PLATFORM=xcb \
  xvfb-run -a -s "-screen 0 2560x1600x24" "$tool" "$out"
