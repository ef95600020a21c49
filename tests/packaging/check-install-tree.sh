#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# cmake --install of the built tree: layout, link, metadata, and that the installed
# launcher runs through its games/ link, also after the tree was staged or moved:
# its commands, the engine it starts and its window.
# Usage: check-install-tree.sh <cmake> <build dir> <version> <build number>
set -euo pipefail
CMAKE=$1 BUILD_DIR=$2 VERSION=$3 BUILD_NUMBER=$4
source "$(dirname "$0")/tree-checks.sh"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
isolate_home "$scratch/user"

# 1. Straight into a prefix.
"$CMAKE" --install "$BUILD_DIR" --prefix "$scratch/prefix" >/dev/null
check_tree "$scratch/prefix"
check_runs "$scratch/prefix/games/vantor-launcher"
# The manifest lists everything installed (the link too), so it can be uninstalled.
[ "$(LC_ALL=C sort "$BUILD_DIR/install_manifest.txt")" = \
  "$(find "$scratch/prefix" ! -type d | LC_ALL=C sort)" ] ||
    fail "install_manifest.txt does not list exactly the installed files"

# 2. Staged under DESTDIR, as packagers do (cpack too): everything must land below the
#    stage. The prefix lies in the scratch folder as well, so a rule that ignores DESTDIR
#    writes there (and fails the check) rather than into the machine's own folders.
DESTDIR="$scratch/stage" "$CMAKE" --install "$BUILD_DIR" --prefix "$scratch/usr" >/dev/null
[ ! -e "$scratch/usr" ] || fail "files were installed into the prefix instead of below DESTDIR"
check_tree "$scratch/stage$scratch/usr" "$scratch/usr"

# 3. The whole tree moved elsewhere keeps working: the link is relative.
mv "$scratch/prefix" "$scratch/moved"
check_runs "$scratch/moved/games/vantor-launcher"

# 4. Started through games/'s link, the launcher looks for the engine beside the
#    private executable (the link's target), not in games/, and hands it the game folder.
private="$scratch/moved/lib/vantor-online"
game="$scratch/Game Folder"
mkdir -p "$game/Vantor" "$game/Vantor Duskline"
: >"$game/Vantor/ini.big"
: >"$game/Vantor Duskline/inidl.big"
record="$scratch/engine-record"
cat >"$private/VantorOnlineDL" <<ENGINE
#!/bin/sh
{ echo "argc=\$#"; echo "cwd=\$(pwd -P)"; echo "install=\$VANTOR_INSTALL_PATH"; } >"$record.part"
mv "$record.part" "$record"
ENGINE
chmod +x "$private/VantorOnlineDL"
(cd "$scratch" && env -u VANTOR_ENGINE_PATH ./moved/games/vantor-launcher launch --source local \
    --path "$game") || fail "launch through games/vantor-launcher exited with status $?"
for _ in $(seq 50); do [ -f "$record" ] && break; sleep 0.1; done
[ "$(cat "$record" 2>/dev/null)" = "argc=0
cwd=$(readlink -f "$private")
install=$game" ] || fail "started through games/, the engine beside the private executable ran as:
$(cat "$record" 2>/dev/null || echo '(not at all)')"
rm "$record"

# 5. The window, as a player opens it (on Xvfb): see check-window.sh.
(unset VANTOR_ENGINE_PATH
    xvfb-run -a -s "-screen 0 1280x800x24" \
        bash "$(dirname "$0")/check-window.sh" "$scratch/moved/games/vantor-launcher" "$game" \
        "$record") || fail "the installed launcher's window: see above"

echo "install tree: ok"
