#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one command on a private D-Bus session bus that starts no service by
# itself (private-bus.conf): what a test needs on it, it puts there itself.
# Nothing reaches the desktop's own bus.
#   tests/run-with-session-bus.sh <program> [arguments...]
set -eu
VANTOR_PRIVATE_BUS=1 exec dbus-run-session --config-file="$(dirname "$0")/private-bus.conf" -- "$@"
