// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Layouts
import VantorLauncher

// A newer launcher is published: its version, the start of its notes, and
// ways to get it. Closing it is for the rest of this run. One row (the
// notes cut to two lines beside the buttons; all of them are its accessible
// description) so that it fits above the tabs at the window's smallest size
// with the status, LAUNCH and the footer still in view.
Rectangle {
    id: banner
    property string version
    property string releaseNotes
    property string downloadURL
    signal dismissed

    implicitHeight: column.implicitHeight + 16
    radius: 8
    color: Theme.alpha(Theme.neonGreen, 0.08)
    border.color: Theme.alpha(Theme.neonGreen, 0.3)
    border.width: 1
    Accessible.role: Accessible.Grouping
    Accessible.name: bannerTitle.text
    Accessible.description: releaseNotes

    RowLayout {
        id: column
        anchors.fill: parent
        anchors.leftMargin: 14
        anchors.rightMargin: 10
        anchors.topMargin: 8
        anchors.bottomMargin: 8
        spacing: 10

        Icon {
            objectName: "bannerIcon"
            Layout.alignment: Qt.AlignVCenter
            name: "arrow.down.circle.fill"
            color: Theme.neonGreen
            size: 16
        }
        Text {
            id: bannerTitle
            objectName: "bannerTitle"
            Layout.alignment: Qt.AlignVCenter
            // The title keeps its width; the notes give way.
            Layout.preferredWidth: implicitWidth
            Layout.minimumWidth: Math.min(implicitWidth, 120)
            //: %1 is the new version number.
            text: qsTr("UPDATE AVAILABLE: v%1").arg(banner.version)
            textFormat: Text.PlainText
            elide: Text.ElideRight
            color: "white"
            font.family: Theme.mono
            font.pixelSize: 13
            font.bold: true
        }
        Text {
            objectName: "bannerNotes"
            Layout.fillWidth: true
            Layout.alignment: Qt.AlignVCenter
            text: banner.releaseNotes
            textFormat: Text.PlainText
            wrapMode: Text.Wrap
            maximumLineCount: 2
            elide: Text.ElideRight
            color: Qt.rgba(1, 1, 1, 0.7)
            font.family: Theme.mono
            font.pixelSize: 11
        }
        PanelButton {
            objectName: "downloadUpdateButton"
            Layout.alignment: Qt.AlignVCenter
            text: qsTr("DOWNLOAD UPDATE")
            iconName: "arrow.down.to.line"
            fontSize: 11
            iconSize: 11
            horizontalPadding: 14
            verticalPadding: 6
            fillColor: Theme.alpha(Theme.neonGreen, 0.2)
            strokeColor: Theme.alpha(Theme.neonGreen, 0.6)
            onClicked: Ui.openLink(banner.downloadURL)
        }
        PanelButton {
            objectName: "seeDetailsButton"
            Layout.alignment: Qt.AlignVCenter
            text: qsTr("SEE DETAILS")
            iconName: "safari"
            fontSize: 11
            iconSize: 11
            horizontalPadding: 14
            verticalPadding: 6
            labelColor: Qt.rgba(1, 1, 1, 0.7)
            strokeColor: Qt.rgba(1, 1, 1, 0.2)
            onClicked: Ui.openLink(Ui.websiteURL)
        }
        PanelButton {
            objectName: "bannerCloseButton"
            Layout.alignment: Qt.AlignVCenter
            iconName: "xmark"
            iconSize: 11
            accessibleName: qsTr("Dismiss update")
            labelColor: Qt.rgba(1, 1, 1, 0.5)
            horizontalPadding: 4
            verticalPadding: 4
            onClicked: banner.dismissed()
        }
    }
}
