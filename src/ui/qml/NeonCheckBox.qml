// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Controls.Basic
import VantorLauncher

// The launcher's check box: a small outlined square, filled with a check
// mark when on, and its label. Space, Return and Enter toggle it.
CheckBox {
    id: control
    property real fontSize: 12

    focusPolicy: Qt.TabFocus
    padding: 2
    spacing: 8
    Accessible.name: text
    function press() {
        toggle()
        toggled()
    }
    Keys.onReturnPressed: press()
    Keys.onEnterPressed: press()

    indicator: Rectangle {
        x: control.leftPadding
        anchors.verticalCenter: parent.verticalCenter
        implicitWidth: 16
        implicitHeight: 16
        radius: 3
        color: control.checked ? Theme.alpha(Theme.neonBlue, 0.8) : Qt.rgba(0, 0, 0, 0.5)
        border.color: control.checked ? Theme.neonBlue : Qt.rgba(1, 1, 1, 0.35)
        border.width: 1
        opacity: control.enabled ? 1 : 0.4
        Icon {
            anchors.centerIn: parent
            visible: control.checked
            name: "checkmark"
            size: 12
        }
        FocusRing {
            target: control
            parent: control.indicator
            radius: 5
        }
    }
    contentItem: Text {
        leftPadding: control.indicator.width + control.spacing
        verticalAlignment: Text.AlignVCenter
        text: control.text
        color: Qt.rgba(1, 1, 1, control.enabled ? 0.85 : 0.4)
        font.family: Theme.sans
        font.pixelSize: control.fontSize
        wrapMode: Text.Wrap
    }
}
