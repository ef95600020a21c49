#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one command against a real GNOME Keyring of its own: a private D-Bus
# session, a fresh temporary HOME and runtime folder, a login keyring created
# and unlocked with a throw-away password. Nothing of the user's keyring or
# session bus is touched; everything is removed afterwards.
#   tests/run-with-keyring.sh <program> [arguments...]
set -eu

if [ "${1:-}" != "--inside" ]; then
    scratch=$(mktemp -d "${TMPDIR:-/tmp}/vantor-keyring.XXXXXX")
    trap 'rm -rf "$scratch"' EXIT INT TERM
    mkdir -p "$scratch/home" "$scratch/runtime" "$scratch/share"
    chmod 700 "$scratch/runtime"
    # The private bus starts no service by itself (private-bus.conf), so
    # nothing but the daemon below answers for the keyring: no second
    # daemon, no prompter.
    status=0
    env -u DBUS_SESSION_BUS_ADDRESS -u DISPLAY -u WAYLAND_DISPLAY \
        HOME="$scratch/home" XDG_RUNTIME_DIR="$scratch/runtime" \
        XDG_DATA_HOME="$scratch/home/.local/share" XDG_CONFIG_HOME="$scratch/home/.config" \
        XDG_CACHE_HOME="$scratch/home/.cache" XDG_DATA_DIRS="$scratch/share" \
        dbus-run-session --config-file="$(dirname "$0")/private-bus.conf" -- \
        sh "$0" --inside "$@" || status=$?
    exit "$status"
fi
shift

printf 'test-keyring-password' | gnome-keyring-daemon --foreground --unlock --components=secrets >/dev/null 2>&1 &
daemon=$!
trap 'kill "$daemon" 2>/dev/null; wait "$daemon" 2>/dev/null || true' EXIT INT TERM

# Wait (at most about 10 s) until the daemon owns the Secret Service name.
tries=0
until dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.freedesktop.secrets 2>/dev/null |
        grep -q 'boolean true'; do
    tries=$((tries + 1))
    if [ "$tries" -gt 100 ] || ! kill -0 "$daemon" 2>/dev/null; then
        echo "run-with-keyring: gnome-keyring-daemon did not start" >&2
        exit 1
    fi
    sleep 0.1
done

status=0
VANTOR_PRIVATE_KEYRING=1 "$@" || status=$?
exit "$status"
