// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Controls.Basic
import VantorLauncher

// The big LAUNCH button; while the engine starts it shows a spinner and
// ignores clicks.
Button {
    id: control
    property bool launching: false

    enabled: !launching
    //: The launch button while the game starts, and its label.
    text: launching ? qsTr("INITIALIZING...") : qsTr("LAUNCH")
    leftPadding: 50
    rightPadding: 50
    topPadding: 14
    bottomPadding: 14
    focusPolicy: Qt.TabFocus
    Accessible.name: text
    Keys.onReturnPressed: clicked()
    Keys.onEnterPressed: clicked()

    contentItem: Row {
        spacing: 10
        Icon {
            objectName: "launchIcon"
            visible: !control.launching
            anchors.verticalCenter: parent.verticalCenter
            name: "play.fill"
            size: 24
        }
        BusyIndicator {
            objectName: "launchSpinner"
            visible: control.launching
            running: control.launching
            anchors.verticalCenter: parent.verticalCenter
            width: 32
            height: 32
            scale: 0.7
            palette.dark: "white"
        }
        Text {
            objectName: "launchLabel"
            anchors.verticalCenter: parent.verticalCenter
            text: control.text
            color: "white"
            font.family: Theme.mono
            font.pixelSize: 24
            font.bold: true
        }
    }

    background: Rectangle {
        radius: 8
        border.color: Theme.neonBlue
        border.width: 2
        gradient: Gradient {
            orientation: Gradient.Horizontal
            GradientStop {
                position: 0
                color: Theme.alpha(Theme.neonBlue, 0.3)
            }
            GradientStop {
                position: 1
                color: Theme.alpha(Theme.neonBlue, 0.15)
            }
        }
        Halo {
            color: Theme.alpha(Theme.neonBlue, 0.5)
            glowRadius: 12
            cornerRadius: 8
        }
        FocusRing {
            target: control
            radius: 10
        }
    }
}
