#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the commands the README shows, in a throw-away home, with loopback or
# local addresses only and fakes for SteamCMD and the engine. Commands that
# would change the machine (installing the package) are simulated.
# Usage: scripts/readme-check.sh   (after scripts/build.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
launcher="$root/build/src/app/vantor-launcher"

sandbox=$(mktemp -d "${TMPDIR:-/tmp}/vantor-readme.XXXXXX")
trap 'rm -rf "$sandbox"' EXIT
export HOME="$sandbox/home"
export XDG_DATA_HOME="$HOME/.local/share" XDG_CONFIG_HOME="$HOME/.config" XDG_CACHE_HOME="$HOME/.cache"
export DBUS_SESSION_BUS_ADDRESS=disabled: # never the session's keyring
export LANGUAGE=en # the messages grepped below are the English ones
export VANTOR_STEAMCMD_URL=http://127.0.0.1:9/steamcmd_linux.tar.gz
export VANTOR_PATCH_URL=http://127.0.0.1:9/VO_Mac_Patch.zip
export VANTOR_UPDATE_URL=http://127.0.0.1:9/api/update.json
mkdir -p "$HOME"

step() { printf '\n== %s\n' "$*"; }
expect_status() { # expect_status N command...
    local want=$1 got=0
    shift
    "$@" || got=$?
    if [ "$got" -ne "$want" ]; then
        echo "readme-check: '$*' exited $got, expected $want" >&2
        exit 1
    fi
}

step "getting started"
./scripts/run.sh --version
./scripts/run.sh status
MANPAGER=cat man -l build/packaging/vantor-launcher.6 | grep -q 'check.update'

step "command line"
"$launcher" --help | grep -q '^  download'
"$launcher" --version | grep -q '^vantor-launcher [0-9.]* (build [0-9]*)$'
"$launcher" status | grep -q '^local: - (unset)$'
mkdir -p "$HOME/Games/Vantor/Vantor" "$HOME/Games/Vantor/Vantor Duskline"
touch "$HOME/Games/Vantor/Vantor/INI.big" "$HOME/Games/Vantor/Vantor Duskline/inidl.big"
"$launcher" validate ~/Games/Vantor | grep -qx VALID
expect_status 1 "$launcher" validate "$HOME"
"$launcher" --lang de download --help | grep -q '^Aufruf: vantor-launcher download'
LANGUAGE=de "$launcher" validate ~/Games/Vantor | grep -qx VALID
expect_status 1 env LANGUAGE=de "$launcher" validate "$HOME" >"$sandbox/out"
grep -q '^UNGÜLTIGES ZIEL' "$sandbox/out"
printf '#!/bin/sh\necho "$VANTOR_INSTALL_PATH" > "%s/engine-ran"\n' "$sandbox" > "$sandbox/VantorOnlineDL"
chmod +x "$sandbox/VantorOnlineDL"
VANTOR_ENGINE_PATH="$sandbox/VantorOnlineDL" "$launcher" launch --source local --path ~/Games/Vantor
for _ in $(seq 50); do [ -s "$sandbox/engine-ran" ] && break; sleep 0.1; done
grep -qx "$HOME/Games/Vantor" "$sandbox/engine-ran"
printf '{"version":"99.0","build":1,"downloadURL":"https://example.org/","releaseNotes":"n","releaseDate":"d","minOSVersion":"m"}' > "$sandbox/update.json"
VANTOR_UPDATE_URL="file://$sandbox/update.json" "$launcher" check-update | grep -q '^UPDATE AVAILABLE: v99.0$'
expect_status 1 "$launcher" check-update 2>"$sandbox/err"
grep -q 'update manifest at .*: the connection was refused$' "$sandbox/err"
# A fake SteamCMD that logs in and reports the account as not owning the game.
steamcmd="$XDG_DATA_HOME/Vantor Online/steamcmd/steamcmd.sh"
mkdir -p "$(dirname "$steamcmd")"
printf '#!/bin/sh\necho "ERROR! Failed to install app (No subscription)"\nexit 8\n' > "$steamcmd"
chmod +x "$steamcmd"
STEAM_PASSWORD=secret
out=$(printf '%s\n' "$STEAM_PASSWORD" | "$launcher" download --username me --password-stdin 2>"$sandbox/err") && exit 1
grep -q 'Game not owned' <<<"$out"
tail -n 1 "$sandbox/err" | grep -q '^ERROR: '
# The window starts and keeps running until stopped.
expect_status 124 env QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="vantor.*.debug=true" timeout 5 "$launcher"

step "installing the package (simulated)"
(cd build && cpack >/dev/null)
apt-get install -s ./build/vantor-launcher_*.deb >/dev/null
cmake --install build --prefix "$sandbox/prefix" >/dev/null
"$sandbox/prefix/games/vantor-launcher" --version

step "reliability"
# The fault suite itself runs with every test in scripts/test.sh, and
# scripts/sanitize.sh and scripts/fuzz.sh are CI steps of their own: here only
# that the label selects the fault tests (test.sh would rewrite the log CI reads).
faults=$(ctest --test-dir build -L faults -N | sed -n 's/^Total Tests: //p')
[ "${faults:-0}" -ge 7 ] || { echo "readme-check: $faults tests labelled faults" >&2; exit 1; }

step "developers"
SCREENSHOTS_DIR="$sandbox/shots" ./scripts/screenshots.sh >/dev/null 2>&1
ls "$sandbox/shots"/steam.png "$sandbox/shots"/banner.png >/dev/null
# Benchmarks, small sizes: they must run; their figures are not judged here.
# Built as the README says (they are off by default, so a fresh build has none).
./scripts/build.sh -DVANTOR_BUILD_BENCHMARKS=ON >/dev/null
QT_LOGGING_RULES="vantor.*=false" ./build/bench/steamcmd_bench --lines 20000 --patch-mib 8 --rounds 1 >/dev/null 2>&1
QSG_RENDER_LOOP=basic xvfb-run -a -s "-screen 0 1280x800x24" build/bench/bench_window_startup 1 >/dev/null 2>&1
QSG_RENDER_LOOP=basic xvfb-run -a -s "-screen 0 1280x800x24" build/bench/bench_console 2000 >/dev/null 2>&1

echo
echo "readme-check: every README command ran as described"
