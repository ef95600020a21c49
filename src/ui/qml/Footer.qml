// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Layouts
import VantorLauncher

// Who made the port, where to find the project, the Settings and About buttons.
RowLayout {
    id: footer
    signal aboutRequested
    signal settingsRequested

    readonly property url authorPicture: Ui.picture("author_logo")
    spacing: 12

    Loader {
        objectName: "footerAuthorSlot"
        active: footer.authorPicture.toString() !== ""
        visible: active
        Layout.preferredWidth: 36
        Layout.preferredHeight: 36
        sourceComponent: Item {
            objectName: "footerAuthorPicture"
            width: 36
            height: 36
            RoundedImage {
                anchors.fill: parent
                source: footer.authorPicture
                cornerRadius: 18
            }
            Rectangle {
                anchors.fill: parent
                radius: 18
                color: "transparent"
                border.color: Qt.rgba(1, 1, 1, 0.2)
                border.width: 1
            }
            Halo {
                color: "black"
                glowRadius: 2
                cornerRadius: 18
                steps: 2
            }
        }
    }

    ColumnLayout {
        spacing: 3
        Text {
            objectName: "footerCredit"
            text: qsTr("PORTED BY THE VANTOR ONLINE COMMUNITY")
            color: Qt.rgba(1, 1, 1, 0.75)
            font.family: Theme.mono
            font.pixelSize: 12
            font.bold: true
            // A dark edge below and right of the letters, for contrast on the picture.
            style: Text.Raised
            styleColor: Qt.rgba(0, 0, 0, 0.8)
        }
        Row {
            spacing: 8
            LinkLabel {
                objectName: "footerWebsiteLink"
                text: qsTr("Website")
                address: Ui.websiteURL
                font.pixelSize: 10
            }
            Text {
                text: "|"
                color: Qt.rgba(1, 1, 1, 0.3)
                font.pixelSize: 10
            }
            LinkLabel {
                objectName: "footerTelegramLink"
                text: "Telegram"
                address: Ui.telegramURL
                font.pixelSize: 10
            }
        }
    }

    Item {
        Layout.fillWidth: true
    }

    // The Settings and About buttons.
    SymbolButton {
        objectName: "settingsButton"
        Layout.alignment: Qt.AlignVCenter
        iconName: "gearshape"
        iconObjectName: "settingsIcon"
        accessibleName: qsTr("Settings")
        onActivated: footer.settingsRequested()
    }
    SymbolButton {
        objectName: "infoButton"
        Layout.alignment: Qt.AlignVCenter
        iconName: "info.circle"
        iconObjectName: "infoIcon"
        accessibleName: qsTr("About Vantor Online")
        onActivated: footer.aboutRequested()
    }
}
