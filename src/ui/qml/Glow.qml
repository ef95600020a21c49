// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import Qt5Compat.GraphicalEffects
import VantorLauncher

// A soft shadow around an item, used as a layer effect. Shader effects need
// a hardware scene graph; under the software renderer the owner keeps its
// layer off (see Theme-independent GraphicsInfo checks where used).
DropShadow {
    property color glowColor: "black"
    property real glowRadius: 8
    property real offsetX: 0
    property real offsetY: 0
    color: glowColor
    radius: glowRadius
    samples: Math.min(2 * Math.ceil(glowRadius) + 1, 63)
    horizontalOffset: offsetX
    verticalOffset: offsetY
    transparentBorder: true
}
