// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import VantorLauncher

// A button that is only a symbol (the footer's info and settings buttons):
// reachable by keyboard, pressed by Return, Enter or Space, named for
// screen readers by accessibleName.
Item {
    id: button
    property string iconName
    property string accessibleName
    // The symbol's objectName, for tests that look at its picture.
    property string iconObjectName
    property real size: 18
    signal activated

    implicitWidth: size
    implicitHeight: size
    activeFocusOnTab: true
    Accessible.role: Accessible.Button
    Accessible.name: accessibleName
    Accessible.focusable: true
    Accessible.onPressAction: button.activated()
    Keys.onReturnPressed: button.activated()
    Keys.onEnterPressed: button.activated()
    Keys.onSpacePressed: button.activated()

    Icon {
        objectName: button.iconObjectName
        anchors.fill: parent
        name: button.iconName
        size: button.size
        color: Qt.rgba(1, 1, 1, 0.6)
    }
    FocusRing {
        target: button
        radius: button.size / 2 + 3
    }
    MouseArea {
        anchors.fill: parent
        anchors.margins: -4
        cursorShape: Qt.PointingHandCursor
        onClicked: button.activated()
    }
}
