#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian package the README's command builds with apt, as a user would,
# reads its manual page with man, starts the installed program, and purges the package
# again. It changes the machine while it runs: CI runs it as root on a machine that is
# thrown away afterwards. It refuses to run where the package is already installed or
# where apt would have to bring in anything besides it, so that the machine is left as
# it was found.
# Usage: scripts/package-install-check.sh   (as root, after scripts/build.sh)
set -euo pipefail
cd "$(dirname "$0")/.."

fail() {
    echo "package-install-check: $*" >&2
    exit 1
}
[ "$(id -u)" -eq 0 ] || fail "must run as root (it installs and purges the package)"
if dpkg-query -W -f='${Status}' vantor-launcher 2>/dev/null | grep -q 'install ok installed'; then
    fail "vantor-launcher is installed already; not touching it"
fi

(cd build && cpack >/dev/null)
debs=(build/vantor-launcher_*.deb)
[ "${#debs[@]}" -eq 1 ] || fail "expected one package in build/, found: ${debs[*]}"
deb=./${debs[0]}

# The Recommends (SteamCMD's 32-bit runtime) are left out: purging the package would
# not take them away again.
export DEBIAN_FRONTEND=noninteractive
apt_install=(apt-get install -y -q --no-install-recommends "$deb")
would=$("${apt_install[@]}" -s | sed -nE 's/^Inst ([^ ]+) .*/\1/p')
[ "$would" = vantor-launcher ] ||
    fail "apt would install more than the package (missing dependencies?): $(echo $would)"

trap 'apt-get purge -y -q vantor-launcher >/dev/null' EXIT
"${apt_install[@]}" >/dev/null

page=$(man -w vantor-launcher) || fail "man finds no page for vantor-launcher"
[ "$page" = /usr/share/man/man6/vantor-launcher.6.gz ] || fail "man finds $page"
text=$(MANWIDTH=80 man vantor-launcher 2>&1) || fail "man vantor-launcher failed: $text"
grep -q 'vantor-launcher - get the data of Vantor Online and start the game' <<<"$text" ||
    fail "man vantor-launcher shows something else: $(head -n 5 <<<"$text")"
for heading in SYNOPSIS COMMANDS ENVIRONMENT FILES 'EXIT STATUS'; do
    grep -qx "$heading" <<<"$text" || fail "the manual page shown has no $heading"
done
echo "man vantor-launcher: $page, $(wc -l <<<"$text") lines"

# The installed program, through the path the desktop entry names.
program=$(sed -n 's/^Exec=//p' /usr/share/applications/org.vantoronline.Launcher.desktop)
[ "$program" = /usr/games/vantor-launcher ] || fail "the desktop entry starts '$program'"
"$program" --version

apt-get purge -y -q vantor-launcher >/dev/null
trap - EXIT
[ ! -e /usr/share/man/man6/vantor-launcher.6.gz ] && [ ! -e /usr/games/vantor-launcher ] ||
    fail "purging left the package's files behind"
echo "package-install-check: installed, read its manual page, purged"
