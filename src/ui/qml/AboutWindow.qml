// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Layouts
import QtQuick.Window
import Qt5Compat.GraphicalEffects
import VantorLauncher

// The launcher's own About window: icon, name and version, credits, the
// project's pages and the legal notice. Fixed size; closing only hides it.
Window {
    id: about
    objectName: "aboutWindow"
    title: qsTr("About Vantor Online")
    width: 420
    height: 480
    minimumWidth: 420
    maximumWidth: 420
    minimumHeight: 480
    maximumHeight: 480
    flags: Qt.Dialog | Qt.CustomizeWindowHint | Qt.WindowTitleHint | Qt.WindowCloseButtonHint
    color: Qt.rgba(0.1, 0.1, 0.1, 1)

    readonly property color neonBlue: Theme.neonBlue
    // Read once, when the window is made.
    property string version
    Component.onCompleted: version = Ui.version

    // Escape and Ctrl+W close it (closing only hides it).
    Shortcut {
        sequences: ["Escape", "Ctrl+W"]
        onActivated: about.close()
    }

    readonly property url appIcon: Ui.picture("AppIcon")
    readonly property url authorPicture: Ui.picture("author_logo")

    // What a screen reader meets first: a dialog named by the title.
    Item {
        anchors.fill: parent
        Accessible.role: Accessible.Dialog
        Accessible.name: about.title
    ColumnLayout {
        anchors.centerIn: parent
        width: parent.width - 60
        spacing: 20

        // Logo: the launcher's icon, or the game-controller symbol without one.
        Item {
            Layout.alignment: Qt.AlignHCenter
            implicitWidth: about.appIcon.toString() !== "" ? 80 : fallbackLogo.width
            implicitHeight: about.appIcon.toString() !== "" ? 80 : fallbackLogo.height

            Loader {
                objectName: "aboutIconSlot"
                active: about.appIcon.toString() !== ""
                anchors.fill: parent
                sourceComponent: RoundedImage {
                    objectName: "aboutAppIcon"
                    source: about.appIcon
                    cornerRadius: 16
                    layer.enabled: Ui.effectsEnabled
                    layer.effect: Glow {
                        glowColor: Theme.alpha(about.neonBlue, 0.4)
                        glowRadius: 8
                    }
                }
            }
            Icon {
                id: fallbackLogo
                objectName: "aboutFallbackLogo"
                visible: about.appIcon.toString() === ""
                anchors.centerIn: parent
                name: "gamecontroller.fill"
                color: about.neonBlue
                size: 50
            }
        }

        ColumnLayout {
            Layout.alignment: Qt.AlignHCenter
            spacing: 4
            Text {
                Layout.alignment: Qt.AlignHCenter
                text: "Vantor Online"
                color: "white"
                font.family: Theme.sans
                font.pixelSize: 22
                font.bold: true
            }
            Text {
                Layout.alignment: Qt.AlignHCenter
                objectName: "aboutPortTitle"
                text: Ui.nativePortTitle
                color: about.neonBlue
                font.family: Theme.mono
                font.pixelSize: 14
                font.weight: Font.Medium
            }
            Text {
                objectName: "aboutVersion"
                Layout.alignment: Qt.AlignHCenter
                //: %1 is the launcher's version number.
                text: qsTr("Version %1").arg(about.version)
                color: Qt.rgba(1, 1, 1, 0.5)
                font.family: Theme.sans
                font.pixelSize: 12
            }
        }

        ColumnLayout {
            Layout.alignment: Qt.AlignHCenter
            spacing: 8
            RowLayout {
                Layout.alignment: Qt.AlignHCenter
                spacing: 12
                Loader {
                    objectName: "aboutAuthorSlot"
                    active: about.authorPicture.toString() !== ""
                    visible: active
                    Layout.preferredWidth: 36
                    Layout.preferredHeight: 36
                    sourceComponent: Item {
                        objectName: "aboutAuthorPicture"
                        RoundedImage {
                            anchors.fill: parent
                            source: about.authorPicture
                            cornerRadius: 18
                        }
                        Rectangle {
                            anchors.fill: parent
                            radius: 18
                            color: "transparent"
                            border.color: Theme.alpha(about.neonBlue, 0.5)
                            border.width: 1
                        }
                    }
                }
                ColumnLayout {
                    spacing: 2
                    Text {
                        text: qsTr("Ported by the Vantor Online community")
                        color: "white"
                        font.family: Theme.sans
                        font.pixelSize: 13
                        font.weight: Font.DemiBold
                    }
                    Text {
                        objectName: "aboutMachineLine"
                        text: Ui.machineLine
                        color: Qt.rgba(1, 1, 1, 0.5)
                        font.family: Theme.mono
                        font.pixelSize: 11
                    }
                }
            }
            Text {
                Layout.alignment: Qt.AlignHCenter
                Layout.maximumWidth: 360
                text: qsTr("Built on top of the RN GPLv3 open-source release")
                color: Qt.rgba(1, 1, 1, 0.4)
                font.family: Theme.sans
                font.pixelSize: 11
                wrapMode: Text.WordWrap
                horizontalAlignment: Text.AlignHCenter
            }
        }

        Rectangle {
            Layout.fillWidth: true
            Layout.preferredHeight: 1
            color: Qt.rgba(1, 1, 1, 0.2)
        }

        Row {
            Layout.alignment: Qt.AlignHCenter
            spacing: 20
            LinkLabel {
                objectName: "aboutWebsiteLink"
                text: qsTr("Website")
                address: Ui.websiteURL
                font.pixelSize: 12
            }
            LinkLabel {
                objectName: "aboutTelegramLink"
                text: "Telegram"
                address: Ui.telegramURL
                font.pixelSize: 12
            }
            LinkLabel {
                objectName: "aboutGitHubLink"
                text: "GitHub"
                address: Ui.githubURL
                font.pixelSize: 12
            }
        }

        Text {
            Layout.alignment: Qt.AlignHCenter
            Layout.maximumWidth: 360
            //: The game's full name stays as it is, trademark sign included.
            text: qsTr("Ardenfall\u2122 Vantor \u2014 Duskline is a trademark of its respective owners.\nThe game engine's source code is licensed under the GPLv3.")
            color: Qt.rgba(1, 1, 1, 0.3)
            font.family: Theme.sans
            font.pixelSize: 10
            lineHeightMode: Text.FixedHeight
            lineHeight: 14
            wrapMode: Text.WordWrap
            horizontalAlignment: Text.AlignHCenter
        }
    }
    }
}
