// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import VantorLauncher

// A soft glow around a rounded shape, drawn as a few widening translucent
// outlines behind it. Plain rectangles need no shader effect of their own,
// so the glow costs nothing at start-up and draws in every renderer.
Item {
    id: halo
    property color color: Theme.neonBlue
    property real glowRadius: 8
    property real cornerRadius: 0
    property int steps: 4

    anchors.fill: parent
    z: -1
    Accessible.ignored: true

    Repeater {
        model: halo.steps
        Rectangle {
            required property int index
            readonly property real grow: halo.glowRadius * (index + 1) / halo.steps
            anchors.fill: parent
            anchors.margins: -grow
            radius: halo.cornerRadius + grow
            color: halo.color
            opacity: 0.6 / (halo.steps + 1)
        }
    }
}
