import QtQuick
import QtQuick.Layouts
import VantorLauncher

// A newer launcher is published: its version, the start of its notes, and
// ways to get it. Closing it is for the rest of this run.
Rectangle {
    id: banner
    property string version
    property string releaseNotes
    property string downloadURL
    signal dismissed

    implicitHeight: column.implicitHeight + 28
    radius: 8
    color: Theme.alpha(Theme.neonGreen, 0.08)
    border.color: Theme.alpha(Theme.neonGreen, 0.3)
    border.width: 1

    ColumnLayout {
        id: column
        anchors.fill: parent
        anchors.margins: 14
        spacing: 8

        RowLayout {
            Layout.fillWidth: true
            spacing: 8
            Icon {
                name: "arrow.down.circle.fill"
                color: Theme.neonGreen
                size: 16
            }
            Text {
                objectName: "bannerTitle"
                Layout.fillWidth: true
                text: "UPDATE AVAILABLE: v" + banner.version
                textFormat: Text.PlainText
                elide: Text.ElideRight
                color: "white"
                font.family: Theme.mono
                font.pixelSize: 13
                font.bold: true
            }
            PanelButton {
                objectName: "bannerCloseButton"
                iconName: "xmark"
                iconSize: 11
                labelColor: Qt.rgba(1, 1, 1, 0.5)
                horizontalPadding: 4
                verticalPadding: 4
                onClicked: banner.dismissed()
            }
        }

        Text {
            objectName: "bannerNotes"
            Layout.fillWidth: true
            text: banner.releaseNotes
            textFormat: Text.PlainText
            wrapMode: Text.Wrap
            maximumLineCount: 3
            elide: Text.ElideRight
            color: Qt.rgba(1, 1, 1, 0.7)
            font.family: Theme.mono
            font.pixelSize: 11
        }

        RowLayout {
            spacing: 10
            PanelButton {
                objectName: "downloadUpdateButton"
                text: "DOWNLOAD UPDATE"
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
                text: "SEE DETAILS"
                iconName: "safari"
                fontSize: 11
                iconSize: 11
                horizontalPadding: 14
                verticalPadding: 6
                labelColor: Qt.rgba(1, 1, 1, 0.7)
                strokeColor: Qt.rgba(1, 1, 1, 0.2)
                onClicked: Ui.openLink(Ui.websiteURL)
            }
        }
    }
}
