// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Layouts
import VantorLauncher

// The workflow's one-line status with its coloured lamp.
RowLayout {
    id: status
    property color lampColor: Theme.gray
    property string text

    spacing: 8
    // Read as a status bar: a screen reader hears each new status.
    Accessible.role: Accessible.StatusBar
    Accessible.name: text

    Rectangle {
        objectName: "statusLamp"
        Accessible.ignored: true
        Layout.preferredWidth: 8
        Layout.preferredHeight: 8
        radius: 4
        color: status.lampColor
        Halo {
            color: status.lampColor
            glowRadius: 4
            cornerRadius: 4
            steps: 2
        }
    }

    Text {
        objectName: "statusText"
        Layout.fillWidth: true
        text: status.text
        color: Qt.rgba(1, 1, 1, 0.7)
        font.family: Theme.mono
        font.pixelSize: 11
        font.weight: Font.Medium
        maximumLineCount: 1
        wrapMode: Text.NoWrap
        elide: Text.ElideRight
        textFormat: Text.PlainText
        Accessible.ignored: true
    }
}
