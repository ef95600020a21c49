// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Layouts
import VantorLauncher

// The local source: the chosen game folder, LOCATE, and a warning when the
// folder lacks the game's archives.
Rectangle {
    id: panel
    property string installPath
    property bool isPathValid
    signal locateClicked

    // An empty path never asks the (file-system backed) validity.
    readonly property bool showsWarning: installPath !== "" && !isPathValid

    readonly property real minimumHeight: implicitHeight
    function focusFirst() {
        locateButton.forceActiveFocus(Qt.OtherFocusReason)
    }

    implicitHeight: column.implicitHeight + 40
    radius: 8
    color: Qt.rgba(0, 0, 0, 0.4)
    border.color: Theme.alpha(Theme.neonBlue, 0.2)
    border.width: 1

    ColumnLayout {
        id: column
        anchors.fill: parent
        anchors.margins: 20
        spacing: 14

        Text {
            text: qsTr("TACTICAL DATA PATH:")
            color: Qt.rgba(1, 1, 1, 0.7)
            font.family: Theme.mono
            font.pixelSize: 13
            font.bold: true
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 12

            Rectangle {
                Layout.fillWidth: true
                Layout.fillHeight: true
                implicitHeight: pathText.implicitHeight + 20
                radius: 4
                color: Theme.darkPanel
                border.color: Theme.alpha(Theme.neonBlue, 0.5)
                border.width: 1.5

                Text {
                    id: pathText
                    objectName: "pathText"
                    anchors.left: parent.left
                    anchors.right: parent.right
                    anchors.verticalCenter: parent.verticalCenter
                    anchors.leftMargin: 14
                    anchors.rightMargin: 14
                    text: panel.installPath !== "" ? panel.installPath
                                                   : qsTr("NO SIGNAL \u2014 AWAITING FOLDER TARGET")
                    textFormat: Text.PlainText
                    color: "white"
                    font.family: Theme.mono
                    font.pixelSize: 13
                    font.weight: Font.Medium
                    maximumLineCount: 1
                    wrapMode: Text.NoWrap
                    elide: Text.ElideMiddle
                }
            }

            PanelButton {
                id: locateButton
                objectName: "locateButton"
                text: qsTr("LOCATE")
                fontSize: 13
                horizontalPadding: 18
                verticalPadding: 10
                fillColor: Theme.darkPanel
                strokeColor: Theme.neonBlue
                strokeWidth: 1.5
                onClicked: panel.locateClicked()
            }
        }

        Rectangle {
            objectName: "validationWarning"
            visible: panel.showsWarning
            Layout.fillWidth: true
            implicitHeight: warningRow.implicitHeight + 20
            radius: 4
            color: Theme.alpha(Theme.red, 0.1)
            border.color: Theme.alpha(Theme.red, 0.3)
            border.width: 1

            Row {
                id: warningRow
                x: 10
                anchors.verticalCenter: parent.verticalCenter
                spacing: 8
                // The red at full strength: at 0.8 the text had 3.9:1 against
                // the box, short of the 4.5:1 text needs to be read well;
                // full red has about 5.4:1 there.
                Icon {
                    anchors.verticalCenter: parent.verticalCenter
                    name: "exclamationmark.triangle.fill"
                    color: Theme.red
                    size: 14
                }
                Text {
                    objectName: "validationWarningText"
                    anchors.verticalCenter: parent.verticalCenter
                    text: GameHints.invalidFolder
                    color: Theme.red
                    font.family: Theme.mono
                    font.pixelSize: 11
                    font.weight: Font.Medium
                }
            }
        }
    }
}
