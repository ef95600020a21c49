// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import VantorLauncher

// What is still missing before LAUNCH can be offered, with a picture of the
// expected folder layout on the local tab.
Rectangle {
    id: hint
    property bool localTab: false
    property url picture
    property real maximumWidth: 800

    readonly property string message: localTab ? GameHints.localLaunch : GameHints.steamLaunch
    readonly property bool showsPicture: localTab && picture.toString() !== ""

    implicitWidth: Math.min(maximumWidth, row.implicitWidth + 28)
    implicitHeight: row.height + 28
    radius: 6
    color: Theme.alpha(Theme.orange, 0.08)
    border.color: Theme.alpha(Theme.orange, 0.3)
    border.width: 1

    Row {
        id: row
        x: 14
        y: 14
        spacing: 8

        Loader {
            id: pictureSlot
            objectName: "hintPictureSlot"
            active: hint.showsPicture
            visible: active
            anchors.verticalCenter: parent.verticalCenter
            sourceComponent: Item {
                objectName: "hintPicture"
                implicitWidth: image.width + 2
                implicitHeight: image.height + 2
                Image {
                    id: image
                    anchors.centerIn: parent
                    source: hint.picture
                    fillMode: Image.PreserveAspectFit
                    height: Math.min(60, implicitHeight)
                    width: implicitHeight > 0 ? implicitWidth * height / implicitHeight : 0
                    smooth: true
                    mipmap: true
                }
                Rectangle {
                    anchors.fill: parent
                    color: "transparent"
                    radius: 4
                    border.color: Theme.alpha(Theme.orange, 0.4)
                    border.width: 1
                }
            }
        }

        Text {
            objectName: "hintText"
            anchors.verticalCenter: parent.verticalCenter
            width: Math.min(implicitWidth, hint.maximumWidth - 28
                            - (hint.showsPicture ? pictureSlot.width + row.spacing : 0))
            text: hint.message
            color: Theme.alpha(Theme.orange, 0.8)
            font.family: Theme.mono
            font.pixelSize: 12
            font.bold: true
            wrapMode: Text.WordWrap
            horizontalAlignment: Text.AlignHCenter
        }
    }
}
