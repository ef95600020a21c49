// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Controls.Basic
import VantorLauncher

// A flat button with an optional symbol, a rounded fill and an outline: the
// shape of every button in the launcher.
Button {
    id: control
    property string iconName
    property real iconSize: fontSize
    property real fontSize: 12
    property int fontWeight: Font.Bold
    property real labelSpacing: 6
    property color labelColor: "white"
    property color fillColor: "transparent"
    property color strokeColor: "transparent"
    property real strokeWidth: 1
    property real cornerRadius: 4
    // What a screen reader says for the button (its text unless set).
    property string accessibleName: text

    horizontalPadding: 20
    verticalPadding: 8
    focusPolicy: Qt.TabFocus
    Accessible.name: accessibleName
    // Return and Enter press the focused button, as Space does.
    Keys.onReturnPressed: clicked()
    Keys.onEnterPressed: clicked()

    contentItem: Row {
        spacing: control.labelSpacing
        Icon {
            visible: control.iconName !== ""
            anchors.verticalCenter: parent.verticalCenter
            name: control.iconName
            color: control.labelColor
            size: control.iconSize
        }
        Text {
            visible: control.text !== ""
            anchors.verticalCenter: parent.verticalCenter
            text: control.text
            color: control.labelColor
            font.family: Theme.mono
            font.pixelSize: control.fontSize
            font.weight: control.fontWeight
        }
    }

    background: Rectangle {
        radius: control.cornerRadius
        color: control.fillColor
        border.color: control.strokeColor
        border.width: control.strokeWidth
        // A hint of feedback while pressed, over whatever fill the button has.
        Rectangle {
            anchors.fill: parent
            radius: parent.radius
            color: "white"
            opacity: control.down ? 0.08 : 0
        }
        FocusRing {
            target: control
            radius: control.cornerRadius + 2
        }
    }
}
