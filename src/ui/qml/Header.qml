import QtQuick
import VantorLauncher

// The window's title block: the glowing game name and the port's subtitle.
Column {
    id: header
    spacing: 4

    Text {
        objectName: "headerTitle"
        anchors.horizontalCenter: parent.horizontalCenter
        text: "VANTOR ONLINE"
        color: "white"
        font.family: Theme.sans
        font.pixelSize: 48
        font.weight: Font.Black
        layer.enabled: Ui.effectsEnabled
        layer.effect: Glow {
            glowColor: Theme.neonBlue
            glowRadius: 15
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
        layer.enabled: Ui.effectsEnabled
        layer.effect: Glow {
            glowColor: "black"
            glowRadius: 2
            offsetY: 2
        }
    }
}
