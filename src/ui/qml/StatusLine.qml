import QtQuick
import QtQuick.Layouts
import VantorLauncher

// The workflow's one-line status with its coloured lamp.
RowLayout {
    id: status
    property color lampColor: Theme.gray
    property string text

    spacing: 8

    Rectangle {
        objectName: "statusLamp"
        Layout.preferredWidth: 8
        Layout.preferredHeight: 8
        radius: 4
        color: status.lampColor
        layer.enabled: Ui.effectsEnabled
        layer.effect: Glow {
            glowColor: status.lampColor
            glowRadius: 4
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
    }
}
