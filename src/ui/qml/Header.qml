// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import VantorLauncher

// The window's title block: the glowing game name and the port's subtitle.
Column {
    id: header
    spacing: 4

    Text {
        id: title
        objectName: "headerTitle"
        anchors.horizontalCenter: parent.horizontalCenter
        text: "VANTOR ONLINE"
        color: "white"
        font.family: Theme.sans
        font.pixelSize: 48
        font.weight: Font.Black
        // The neon glow: faint copies of the title in a ring around it,
        // drawn like any text (no shader effect to compile at start-up).
        Repeater {
            model: 16
            Text {
                required property int index
                readonly property real angle: index * Math.PI / 4
                readonly property real distance: index < 8 ? 4 : 9
                z: -1
                x: Math.cos(angle) * distance
                y: Math.sin(angle) * distance
                text: title.text
                color: Theme.neonBlue
                opacity: index < 8 ? 0.16 : 0.07
                font: title.font
                Accessible.ignored: true
            }
        }
    }

    Text {
        objectName: "headerSubtitle"
        anchors.horizontalCenter: parent.horizontalCenter
        text: Ui.portSubtitle
        color: Qt.rgba(1, 1, 1, 0.7)
        font.family: Theme.mono
        font.pixelSize: 14
        font.bold: true
        style: Text.Raised
        styleColor: Qt.rgba(0, 0, 0, 0.8)
    }
}
