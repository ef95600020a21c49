#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# cmake --install of the built tree: layout, link, metadata, and that the installed
# launcher runs through its games/ link, also after the tree was staged or moved.
# Usage: check-install-tree.sh <cmake> <build dir> <version> <build number> <appdir probe>
set -euo pipefail
CMAKE=$1 BUILD_DIR=$2 VERSION=$3 BUILD_NUMBER=$4 PROBE=$5
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

# 4. The engine is looked up in QCoreApplication::applicationDirPath(). Started through
#    games/'s link, that must be the private folder (where VantorOnlineDL belongs), not games/.
mkdir -p "$scratch/probe/lib/vantor-online" "$scratch/probe/games"
cp "$PROBE" "$scratch/probe/lib/vantor-online/probe"
ln -s ../lib/vantor-online/probe "$scratch/probe/games/probe"
seen=$(cd "$scratch" && ./probe/games/probe)
[ "$seen" = "$(readlink -f "$scratch/probe/lib/vantor-online")" ] ||
    fail "started through games/probe the application directory is '$seen', not the private folder"

echo "install tree: ok"
