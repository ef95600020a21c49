#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# qmllint over the window's QML module (src/ui/qml), with the module's own type
# information from the build in ./build (run scripts/build.sh first): the CMake
# target vantor_ui_qmllint. Categories: src/ui/qml/.qmllint.ini. Fails on any
# warning except the few below, which Qt 6.4's qmllint gives on correct code.
set -euo pipefail
cd "$(dirname "$0")/.."

# Known false findings of qmllint 6.4, as texts their messages contain:
known=(
    # Its description of the url type lacks the type's methods.
    'Property "toString" not found on type "QUrl"'
    # Qt.callLater is a method; its description calls it a QJSValue property.
    'Property "callLater" is a QJSValue property'
    # Qt.size() gives a QSizeF; the engine converts it for an Image's sourceSize.
    'Cannot assign binding of type QSizeF to QSize'
    # Inside a delegate it does not see the file's ids (see UnqualifiedAccess
    # in .qmllint.ini) and takes the id "console" for JavaScript's console.
    'not found on type "Console"'
    # A property read through `parent`, which it can only know as an Item.
    'Property "picture" not found on type "QQuickItem"'
    # Debian's Qt5Compat.GraphicalEffects ships without the type description
    # of its private plugin, which the module's own description refers to.
    'Warnings occurred while importing module "Qt5Compat.GraphicalEffects"'
    'Qt5Compat/GraphicalEffects/private/plugins.qmltypes'
)

status=0
output=$(cmake --build build -j2 --target vantor_ui_qmllint 2>&1) || status=$?
warnings=$(grep -E '^Warning: ' <<<"$output" || true)
unexpected=$(grep -v -F -f <(printf '%s\n' "${known[@]}") <<<"$warnings" || true)
if [ "$status" -ne 0 ] && [ -z "$warnings" ]; then
    echo "$output"
    echo "qmllint: FAILED: the lint target did not run (see above)" >&2
    exit 1
fi
if [ -n "$unexpected" ]; then
    grep -v -E '^\[[0-9]+/[0-9]+\]|^FAILED: |^ninja: |/usr/lib/qt6/bin/qmllint' <<<"$output"
    echo "qmllint: FAILED: $(grep -c . <<<"$unexpected") warning(s):" >&2
    echo "$unexpected" >&2
    exit 1
fi
echo "qmllint: src/ui/qml passed ($(grep -c '^Warning: ' <<<"$output" || true) known false findings of Qt 6.4 left aside)"
