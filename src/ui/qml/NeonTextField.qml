// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Controls.Basic
import VantorLauncher

// The launcher's text field: monospaced white text on a dark, outlined box.
TextField {
    id: field
    color: "white"
    placeholderTextColor: Qt.rgba(1, 1, 1, 0.35)
    selectionColor: Theme.alpha(Theme.neonBlue, 0.6)
    selectedTextColor: "white"
    font.family: Theme.mono
    font.pixelSize: 13
    leftPadding: 10
    rightPadding: 10
    topPadding: 7
    bottomPadding: 7
    selectByMouse: true
    background: Rectangle {
        radius: 4
        color: Qt.rgba(0, 0, 0, 0.5)
        border.color: Theme.alpha(Theme.neonBlue, 0.3)
        border.width: 1
        FocusRing {
            target: field
            radius: 6
        }
    }
    Accessible.name: placeholderText
}
