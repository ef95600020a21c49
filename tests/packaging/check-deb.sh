#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the .deb with cpack from the existing build (nothing is recompiled), checks its
# control fields, has lintian check it, unpacks it into a scratch root with dpkg -x and
# runs the launcher there.
# Usage: check-deb.sh <cpack> <build dir> <version> <build number>
set -euo pipefail
CPACK=$1 BUILD_DIR=$2 VERSION=$3 BUILD_NUMBER=$4
source "$(dirname "$0")/tree-checks.sh"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
isolate_home "$scratch/user"

(cd "$BUILD_DIR" && "$CPACK" -G DEB -B "$scratch/out" --config CPackConfig.cmake >"$scratch/cpack.log" 2>&1) ||
    { cat "$scratch/cpack.log" >&2; fail "cpack failed"; }

arch=$(dpkg --print-architecture)
deb="$scratch/out/vantor-launcher_${VERSION}_${arch}.deb"
[ -f "$deb" ] || fail "expected $deb, cpack made: $(ls "$scratch/out")"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = "vantor-launcher" ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$VERSION" ] || fail "Version is '$(field Version)', expected $VERSION"
[ "$(field Section)" = "games" ] || fail "Section is '$(field Section)'"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture is '$(field Architecture)'"
grep -qE '^.+ <[^@ ]+@[^> ]+>$' <<<"$(field Maintainer)" || fail "Maintainer '$(field Maintainer)' is not 'Name <address>'"
[ -n "$(field Description)" ] || fail "no Description"

# What the launcher loads or runs without linking to it: shlibdeps cannot find these.
depends=$(field Depends)
for needed in libqt6quick6 libqt6widgets6 libqt6svg6 \
    qml6-module-qtquick qml6-module-qtquick-window qml6-module-qtquick-controls \
    qml6-module-qtquick-layouts qml6-module-qtquick-templates \
    qml6-module-qtqml-workerscript qml6-module-qt5compat-graphicaleffects \
    qml6-module-qtquick-shapes libsecret-1-0 unzip; do
    grep -qE "(^|, )$needed( \(|,|$)" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
# tar is essential: every Debian system has it, and naming it without a version is a
# mistake in Debian's eyes.
grep -qE '(^|, )tar(,|$)' <<<"$depends" && fail "Depends names the essential tar: $depends"
# The linked libraries come from dpkg-shlibdeps.
grep -qE '(^|, )libc6 \(>= ' <<<"$depends" || fail "Depends has no libc6 from dpkg-shlibdeps: $depends"

# Every dependency must name a real package that this Debian machine satisfies, so a
# typo or an impossible version shows up here rather than on a player's apt install.
IFS=',' read -ra items <<<"$depends"
for item in "${items[@]}"; do
    satisfied=no
    IFS='|' read -ra alternatives <<<"$item"
    for alt in "${alternatives[@]}"; do
        read -r name op ver <<<"$(sed -E 's/^ *([^ (]+) *(\(([<>=]+) *([^)]+)\))? *$/\1 \3 \4/' <<<"$alt")"
        installed=$(dpkg-query -W -f='${Status}|${Version}' "$name" 2>/dev/null || true)
        [ "${installed%%|*}" = "install ok installed" ] || continue
        if [ -z "${op:-}" ] || dpkg --compare-versions "${installed#*|}" "$op" "$ver"; then
            satisfied=yes
        fi
    done
    [ "$satisfied" = yes ] || fail "dependency '$item' is not satisfied on this Debian system"
done
# The fonts the window's symbols need (the characters above ASCII in the sources, as the
# glyph test finds them): each is drawn by a font of a package the launcher depends on,
# or by DejaVu, which the toolkit's fontconfig brings. Which fonts draw what: fontconfig.
sources="$(dirname "$0")/../../src"
# (Code points in hexadecimal: the characters themselves, and \uXXXX escapes.)
symbols=$(
    export LC_ALL=C.UTF-8
    { grep -rhoP '[^\x{00}-\x{7F}]' "$sources" --include='*.cpp' --include='*.h' \
        --include='*.qml' || true; } | while IFS= read -r c; do printf '%x\n' "'$c"; done
    { grep -rhoE '\\u[0-9A-Fa-f]{4}' "$sources" --include='*.cpp' --include='*.h' \
        --include='*.qml' || true; } | while read -r escape; do
        code=$((16#${escape:2}))
        if [ "$code" -gt 127 ]; then printf '%x\n' "$code"; fi
    done
)
symbols=$(sort -u <<<"$symbols")
[ -n "$symbols" ] || fail "found no symbols in $sources"
for symbol in $symbols; do
    fonts=$(fc-list ":charset=$symbol" file | sed 's/: *$//' | while IFS= read -r font; do
        { dpkg -S "$font" 2>/dev/null || true; } | cut -d: -f1; done | sort -u)
    [ -n "$fonts" ] || fail "no font on this machine draws U+$symbol"
    ok=no
    for package in $fonts; do
        if [ "$package" = fonts-dejavu-core ] ||
            grep -qE "(^|, )$package( \(|,|$)" <<<"$depends"; then ok=yes; fi
    done
    [ "$ok" = yes ] || fail "U+$symbol is drawn only by $(echo $fonts), which Depends lacks: $depends"
done

if [ "$arch" = amd64 ]; then
    grep -qE '(^|, )lib32gcc-s1(,|$)' <<<"$(field Recommends)" ||
        fail "amd64 package does not recommend lib32gcc-s1 for SteamCMD"
fi

dpkg-deb -c "$deb" | awk '{print $6}' | grep -vE '^\./(usr/|$)' && fail "files outside /usr"
root="$scratch/root"
dpkg -x "$deb" "$root"
check_tree "$root/usr" /usr
file -b "$root/usr/lib/vantor-online/vantor-launcher" | grep -q ', stripped' ||
    fail "the packaged executable still carries its debug information"
check_runs "$root/usr/games/vantor-launcher"

# Debian's own package checker: no error and no warning. An informational tag may
# stay only with its reason written in the packaging rules.
rules="$(dirname "$0")/../../packaging/CMakeLists.txt"
lintian --display-info --tag-display-limit 0 --fail-on none "$deb" >"$scratch/lintian.log" 2>&1 ||
    { cat "$scratch/lintian.log" >&2; fail "lintian could not check the package"; }
cat "$scratch/lintian.log"
grep -qE '^[EW]: ' "$scratch/lintian.log" && fail "lintian reports errors or warnings (above)"
for tag in $(sed -nE 's/^I: [^ ]+: ([a-z0-9.+-]+).*/\1/p' "$scratch/lintian.log" | sort -u); do
    grep -qE "^#.*\b$tag\b" "$rules" ||
        fail "lintian's informational tag $tag is not explained in packaging/CMakeLists.txt"
done

echo "deb: ok ($(basename "$deb"), $(stat -c %s "$deb") bytes)"
