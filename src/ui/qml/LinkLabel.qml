// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import VantorLauncher

// An underlined text that opens a web address in the default browser. It is
// a link for the keyboard (Tab, then Return or Space) and screen readers.
Text {
    id: link
    property string address
    signal activated

    function activate() {
        Ui.openLink(link.address)
        link.activated()
    }

    color: Theme.neonBlue
    font.family: Theme.mono
    font.weight: Font.Medium
    font.underline: true
    textFormat: Text.PlainText
    activeFocusOnTab: true

    Accessible.role: Accessible.Link
    Accessible.name: text
    Accessible.focusable: true
    Accessible.onPressAction: activate()
    Keys.onReturnPressed: activate()
    Keys.onEnterPressed: activate()
    Keys.onSpacePressed: activate()

    FocusRing {
        target: link
        inset: -2
        radius: 2
    }

    MouseArea {
        objectName: "linkArea"
        anchors.fill: parent
        cursorShape: Qt.PointingHandCursor
        onClicked: link.activate()
    }
}
