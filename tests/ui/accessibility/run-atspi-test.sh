#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the launcher window's accessibility check through the real AT-SPI bus,
# the way a screen reader sees it: Xvfb, a private D-Bus session, the
# accessibility bus, a throw-away home, loopback addresses only.
#   run-atspi-test.sh <vantor-launcher> <check-atspi.py>
# The packages (at-spi2-core, python3-pyatspi, xdotool, xvfb) come from
# scripts/install-deps.sh.
set -eu

launcher=$1
check=$2

if [ "${3:-}" != "--inside" ]; then
    scratch=$(mktemp -d "${TMPDIR:-/tmp}/vantor-atspi.XXXXXX")
    trap 'rm -rf "$scratch"' EXIT INT TERM
    mkdir -p "$scratch/home" "$scratch/runtime" "$scratch/share"
    chmod 700 "$scratch/runtime"
    # The bus launcher reads its settings schema from there.
    ln -s /usr/share/glib-2.0 "$scratch/share/glib-2.0"
    status=0
    # The private bus starts no service by itself (private-bus.conf): no
    # keyring, so saving the credentials fails at once instead of asking a
    # prompter that cannot show on Xvfb. The accessibility bus is started
    # below and starts its registry on its own bus. The end checks that no keyring
    # came up all the same.
    env -u DBUS_SESSION_BUS_ADDRESS -u DISPLAY -u WAYLAND_DISPLAY -u AT_SPI_BUS_ADDRESS \
        HOME="$scratch/home" XDG_RUNTIME_DIR="$scratch/runtime" \
        XDG_DATA_HOME="$scratch/home/.local/share" XDG_CONFIG_HOME="$scratch/home/.config" \
        XDG_CACHE_HOME="$scratch/home/.cache" XDG_DATA_DIRS="$scratch/share" \
        xvfb-run -a -s "-screen 0 1280x800x24" \
        dbus-run-session --config-file="$(dirname "$0")/../../private-bus.conf" -- \
        sh "$0" "$launcher" "$check" --inside </dev/null || status=$?
    exit "$status"
fi

/usr/libexec/at-spi-bus-launcher --launch-immediately &
bus=$!
# Every name taken on the session bus while the check runs (see the end).
names="$XDG_RUNTIME_DIR/bus-names"
dbus-monitor --session "type='signal',sender='org.freedesktop.DBus',member='NameOwnerChanged'" \
    >"$names" 2>&1 &
monitor=$!
trap 'kill "$bus" "$monitor" 2>/dev/null || true; wait "$bus" "$monitor" 2>/dev/null || true' EXIT INT TERM

# Wait (at most about 10 s) until the launcher owns its name on the session bus.
tries=0
until dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null |
        grep -q 'boolean true'; do
    tries=$((tries + 1))
    if [ "$tries" -gt 100 ] || ! kill -0 "$bus" 2>/dev/null; then
        echo "run-atspi-test: at-spi-bus-launcher did not start" >&2
        exit 1
    fi
    sleep 0.1
done

# The launcher is started by the check itself, with accessibility on.
status=0
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb QSG_RENDER_LOOP=basic \
    VANTOR_STEAMCMD_URL=http://127.0.0.1:9/steamcmd.tar.gz \
    VANTOR_PATCH_URL=http://127.0.0.1:9/patch.zip \
    VANTOR_STORE_URL=http://127.0.0.1:9/store \
    /usr/bin/python3 "$check" "$launcher" || status=$?

# Return saved the credentials: no keyring may have been started for that on this
# bus (its prompter cannot show on Xvfb, and it may be gone again by now).
kill "$monitor" 2>/dev/null || true
if grep -q 'string "org.freedesktop.secrets"' "$names"; then
    echo "FAIL: a keyring was started on the test's session bus" >&2
    status=1
fi
exit "$status"
