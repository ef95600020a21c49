import QtQuick
import VantorLauncher

// An underlined text that opens a web address in the default browser.
Text {
    id: link
    property string address
    signal activated

    color: Theme.neonBlue
    font.family: Theme.mono
    font.weight: Font.Medium
    font.underline: true
    textFormat: Text.PlainText

    MouseArea {
        objectName: "linkArea"
        anchors.fill: parent
        cursorShape: Qt.PointingHandCursor
        onClicked: {
            Ui.openLink(link.address)
            link.activated()
        }
    }
}
