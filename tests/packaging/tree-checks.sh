# SPDX-License-Identifier: GPL-3.0-or-later
# Checks shared by the packaging tests: sourced, not run.
# Expects VERSION and BUILD_NUMBER to be set by the caller.

APP_ID=org.vantoronline.Launcher

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# A private HOME/XDG tree and no session bus: the launcher must not read or write the
# real user's folders or keyring while it is tested.
isolate_home() {
    local base=$1
    mkdir -p "$base/home" "$base/config" "$base/data" "$base/cache" "$base/runtime"
    chmod 700 "$base/runtime"
    export HOME="$base/home"
    export XDG_CONFIG_HOME="$base/config" XDG_DATA_HOME="$base/data"
    export XDG_CACHE_HOME="$base/cache" XDG_RUNTIME_DIR="$base/runtime"
    export DBUS_SESSION_BUS_ADDRESS="unix:path=$base/runtime/no-bus"
    unset DISPLAY WAYLAND_DISPLAY
    export QT_QPA_PLATFORM=offscreen
}

# check_tree <folder> [<prefix>]: the tree installed in <folder> for the prefix <prefix>
# (default: the folder itself; it differs when the tree was staged under DESTDIR or
# unpacked from the package) is complete, holds nothing else, and its link and
# metadata agree with each other.
check_tree() {
    local prefix=$1 installed_as=${2:-$1}

    local expected actual
    expected=$(printf '%s\n' \
        "games/vantor-launcher" \
        "lib/vantor-online/vantor-launcher" \
        "share/applications/$APP_ID.desktop" \
        "share/doc/vantor-launcher/changelog.gz" \
        "share/doc/vantor-launcher/copyright" \
        "share/icons/hicolor/256x256/apps/$APP_ID.png" \
        "share/icons/hicolor/scalable/apps/$APP_ID.svg" \
        "share/man/man6/vantor-launcher.6.gz" \
        "share/metainfo/$APP_ID.metainfo.xml" | LC_ALL=C sort)
    actual=$(cd "$prefix" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort)
    [ "$actual" = "$expected" ] ||
        fail "installed files under $prefix differ from the expected set:
$(diff <(echo "$expected") <(echo "$actual"))"

    local link="$prefix/games/vantor-launcher"
    [ -L "$link" ] || fail "$link is not a symbolic link"
    local target
    target=$(readlink "$link")
    [ "$target" = "../lib/vantor-online/vantor-launcher" ] ||
        fail "$link points to '$target', expected the relative ../lib/vantor-online/vantor-launcher"
    [ "$(readlink -f "$link")" = "$(readlink -f "$prefix/lib/vantor-online/vantor-launcher")" ] ||
        fail "$link does not resolve to the private executable"
    [ -f "$prefix/lib/vantor-online/vantor-launcher" ] && [ -x "$prefix/lib/vantor-online/vantor-launcher" ] ||
        fail "the private executable is missing or not executable"

    # Desktop entry: names the installed icon, and the program by the full path it has
    # once installed, so that no PATH has to lead to it.
    local desktop="$prefix/share/applications/$APP_ID.desktop"
    desktop-file-validate "$desktop" || fail "$desktop does not validate"
    grep -qx "Icon=$APP_ID" "$desktop" || fail "$desktop does not name the icon $APP_ID"
    local program="$installed_as/games/vantor-launcher"
    grep -qx "Exec=$program" "$desktop" || fail "$desktop does not start $program: $(grep ^Exec= "$desktop")"
    grep -qx "TryExec=$program" "$desktop" || fail "$desktop does not try $program"

    # Manual page, in section 6 as for every program in games/: man finds it in the
    # tree's share/man, compressed as Debian ships it, for this version.
    local page="$prefix/share/man/man6/vantor-launcher.6.gz"
    [ "$(MANPATH="$prefix/share/man" man -w vantor-launcher)" = "$page" ] ||
        fail "man -w vantor-launcher does not find $page"
    file -b "$page" | grep -q '^gzip compressed data, max compression' ||
        fail "$page is not compressed with gzip -9: $(file -b "$page")"
    zcat "$page" | grep -q "^\.TH VANTOR\\\\-LAUNCHER 6 .* \"vantor\\\\-launcher $VERSION\"" ||
        fail "$page does not announce version $VERSION: $(zcat "$page" | grep '^\.TH')"

    # Copyright in Debian's machine-readable format; the changelog's newest entry is
    # this version.
    local doc="$prefix/share/doc/vantor-launcher"
    head -n 1 "$doc/copyright" |
        grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
        fail "$doc/copyright is not in the machine-readable format"
    grep -qx 'License: GPL-3+' "$doc/copyright" || fail "$doc/copyright names no GPL-3+ licence"
    zcat "$doc/changelog.gz" | head -n 1 | grep -q "^vantor-launcher ($VERSION) " ||
        fail "the changelog's newest entry is not $VERSION: $(zcat "$doc/changelog.gz" | head -n 1)"

    # Metainfo: validates, carries this build's version, points at the desktop entry.
    local meta="$prefix/share/metainfo/$APP_ID.metainfo.xml"
    appstreamcli validate --no-net "$meta" || fail "$meta does not validate"
    grep -q "<release version=\"$VERSION\" date=\"[0-9]\{4\}-[0-9]\{2\}-[0-9]\{2\}\"" "$meta" ||
        fail "$meta does not announce release $VERSION with a date"
    grep -q '<project_license>GPL-3.0-or-later</project_license>' "$meta" ||
        fail "$meta does not name the licence GPL-3.0-or-later"
    grep -q "<launchable type=\"desktop-id\">$APP_ID.desktop</launchable>" "$meta" ||
        fail "$meta does not launch $APP_ID.desktop"
    local shots captions
    shots=$(grep -c '<screenshot[ >]' "$meta")
    captions=$(grep -c '<caption>[^<][^<]*</caption>' "$meta")
    [ "$shots" -eq 3 ] && [ "$captions" -eq "$shots" ] ||
        fail "$meta has $shots screenshots and $captions captions, expected 3 captioned"

    # Icons: a real 256 px PNG and an SVG.
    file -b "$prefix/share/icons/hicolor/256x256/apps/$APP_ID.png" | grep -q '^PNG image data, 256 x 256,' ||
        fail "the 256x256 icon is not a 256 x 256 PNG"
    file -b "$prefix/share/icons/hicolor/scalable/apps/$APP_ID.svg" | grep -q 'SVG' ||
        fail "the scalable icon is not an SVG"
}

# check_runs <launcher>: the installed launcher starts, reports this build and its state.
check_runs() {
    local launcher=$1
    local out
    out=$("$launcher" --version) || fail "$launcher --version exited with status $?"
    [ "$out" = "vantor-launcher $VERSION (build $BUILD_NUMBER)" ] ||
        fail "$launcher --version printed '$out'"

    out=$(timeout 60 "$launcher" status 2>&1) || fail "$launcher status exited with status $?: $out"
    grep -q '^steamcmd: ' <<<"$out" || fail "$launcher status printed '$out'"
}
