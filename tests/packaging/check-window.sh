#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The installed launcher as a player starts it, with no arguments on a display: its
# window opens, closing it ends the launcher, and so does launching the game from it.
# Run under Xvfb by check-install-tree.sh, in its private home.
# Usage: check-window.sh <installed games/vantor-launcher> <game folder> <engine record>
set -euo pipefail
LAUNCHER=$1 GAME=$2 RECORD=$3
source "$(dirname "$0")/tree-checks.sh"
export QT_QPA_PLATFORM=xcb QSG_RENDER_LOOP=basic
# Nothing outside the machine: the update check and the downloads go nowhere.
export VANTOR_UPDATE_URL=http://127.0.0.1:9/api/update.json
export VANTOR_STEAMCMD_URL=http://127.0.0.1:9/steamcmd.tar.gz
export VANTOR_PATCH_URL=http://127.0.0.1:9/patch.zip
# A sanitizer build takes many seconds to its first frame.
BOUND=120

# Starts the launcher and waits for its window to be mapped; sets PID and WINDOW.
start_window() {
    "$LAUNCHER" </dev/null >"$LOG" 2>&1 &
    PID=$!
    WINDOW=$(timeout "$BOUND" xdotool search --sync --onlyvisible --name '^Vantor Online$' |
        head -n 1) || fail "no window named Vantor Online within $BOUND s: $(cat "$LOG")"
}

# ends_within <seconds> <what>: the launcher exits with status 0 within that time.
ends_within() {
    local tries=$(($1 * 10))
    while kill -0 "$PID" 2>/dev/null && [ "$tries" -gt 0 ]; do
        sleep 0.1
        tries=$((tries - 1))
    done
    if kill -0 "$PID" 2>/dev/null; then
        kill "$PID"
        fail "the launcher still runs $1 s after $2"
    fi
    local status=0
    wait "$PID" || status=$?
    [ "$status" -eq 0 ] || fail "the launcher exited with status $status after $2: $(cat "$LOG")"
}

LOG=$(mktemp)
PID=
# A launcher left running by a failed check goes too.
trap 'if [ -n "$PID" ]; then kill "$PID" 2>/dev/null || true; fi; rm -f "$LOG"' EXIT

# 1. Closed as a window manager closes it, with nothing under way: it quits, also with
#    the About window (F1) still open, which would keep a Qt program running by itself.
start_window
xdotool windowfocus --sync "$WINDOW"
xdotool key --clearmodifiers F1
timeout "$BOUND" xdotool search --sync --onlyvisible --name '^About Vantor Online$' >/dev/null ||
    fail "F1 did not open the About window"
python3 "$(dirname "$0")/close-window.py" "$WINDOW"
ends_within 30 "its window was closed (the About window open)"
echo "window: opens, and quits when closed"

# 2. The folder chosen earlier is stored; on the Local Archive tab (Ctrl+Tab) LOCATE
#    has the keyboard and LAUNCH follows it. Once the engine runs, the launcher quits.
mkdir -p "$XDG_CONFIG_HOME/Vantor Online"
printf '[General]\nVANTOR_INSTALL_PATH=%s\n' "$GAME" >"$XDG_CONFIG_HOME/Vantor Online/Vantor Online.conf"
start_window
xdotool windowfocus --sync "$WINDOW"
xdotool key --clearmodifiers ctrl+Tab
sleep 1
xdotool key --clearmodifiers Tab
sleep 0.5
xdotool key --clearmodifiers Return
ends_within 30 "LAUNCH was pressed"
[ -f "$RECORD" ] || fail "LAUNCH in the window did not start the engine"
grep -qx "install=$GAME" "$RECORD" || fail "the engine was handed: $(cat "$RECORD")"
echo "window: launches the game and quits"
