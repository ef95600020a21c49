// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Controls.Basic
import VantorLauncher

// How far the workflow's current step has come: a thin bar in the status
// colour. A screen reader finds it as a progress bar with its percentage.
ProgressBar {
    id: bar
    property color barColor: Theme.orange
    property string accessibleName: qsTr("Download progress")

    from: 0
    to: 100
    implicitHeight: 6
    implicitWidth: 200
    Accessible.name: accessibleName
    onValueChanged: Ui.announceValue(bar)

    background: Rectangle {
        radius: 3
        color: Qt.rgba(1, 1, 1, 0.1)
        border.color: Qt.rgba(1, 1, 1, 0.15)
        border.width: 1
    }
    contentItem: Item {
        Rectangle {
            objectName: "stepProgressFill"
            width: bar.visualPosition * parent.width
            height: parent.height
            radius: 3
            color: bar.barColor
        }
    }
}
