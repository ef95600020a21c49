// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import QtQuick.Templates as T
import VantorLauncher

// The player's settings, over the window: where the Steam download goes
// (and moving what is there), how the engine is started, the download's
// speed limit, the notifications and the launcher's folders. A change is
// stored at once, a text's once its editing ends (which closing the panel
// ends too). Escape, Ctrl+W and Close close it; the keyboard goes back to
// where it was, as for every popup.
Dialog {
    id: panel
    required property LauncherViewModel viewModel
    readonly property LauncherSettings settings: viewModel.settings
    readonly property InstallFolderController installFolder: viewModel.installFolder
    readonly property bool downloadUnderWay: viewModel.steamCMD.downloadUnderWay
    readonly property bool moveUnderWay: installFolder.moveUnderWay
    // Why the last change of the install folder was refused ("" when it was not).
    property string refusal: ""
    // Why the last folder did not open.
    property string folderNote: ""
    function focusFirst() {
        if (changeButton.visible && changeButton.enabled)
            changeButton.forceActiveFocus(Qt.TabFocusReason)
        else if (cancelMoveButton.visible)
            cancelMoveButton.forceActiveFocus(Qt.TabFocusReason)
        else
            wrapperField.input.forceActiveFocus(Qt.TabFocusReason)
    }
    // The row of the install folder changes while a move runs: the focus
    // moves on with it instead of staying on a hidden button.
    onMoveUnderWayChanged: {
        if (changeButton.activeFocus || cancelMoveButton.activeFocus)
            Qt.callLater(focusFirst)
    }

    title: qsTr("Settings")
    modal: true
    focus: true
    closePolicy: Popup.CloseOnEscape
    anchors.centerIn: T.Overlay.overlay
    width: Math.min(800, (parent ? parent.width : 800) - 40)
    padding: 20
    topPadding: 10

    onAboutToShow: {
        refusal = ""
        folderNote = ""
    }
    onOpened: focusFirst()
    Shortcut {
        sequences: ["Ctrl+W"]
        enabled: panel.opened
        onActivated: panel.close()
    }

    T.Overlay.modal: Rectangle {
        color: Qt.rgba(0, 0, 0, 0.55)
    }

    background: Rectangle {
        radius: 8
        color: "#14171f"
        border.color: Theme.alpha(Theme.neonBlue, 0.5)
        border.width: 1
    }

    header: Text {
        objectName: "settingsTitle"
        text: panel.title
        color: "white"
        font.family: Theme.sans
        font.pixelSize: 15
        font.bold: true
        leftPadding: 20
        rightPadding: 20
        topPadding: 16
        Accessible.ignored: true
    }

    // The one item in the panel: the panel takes its size.
    Row {
        id: columns
        spacing: 24
        readonly property real columnWidth: (panel.availableWidth - spacing) / 2

        ColumnLayout {
            objectName: "settingsLeftColumn"
            width: columns.columnWidth
            spacing: 6

            SettingsHeading {
                text: qsTr("INSTALL FOLDER")
            }
            Text {
                objectName: "installDirText"
                Layout.fillWidth: true
                text: panel.installFolder.installDir
                elide: Text.ElideMiddle
                color: "white"
                font.family: Theme.mono
                font.pixelSize: 12
                Accessible.role: Accessible.StaticText
                Accessible.name: qsTr("Install folder: %1").arg(text)
            }
            // Change… and the move choice, or the running move's bar and
            // its Cancel: the same height, so nothing below moves.
            Item {
                Layout.fillWidth: true
                implicitHeight: Math.max(changeRow.implicitHeight, moveRow.implicitHeight)
                RowLayout {
                    id: changeRow
                    width: parent.width
                    anchors.verticalCenter: parent.verticalCenter
                    visible: !panel.moveUnderWay
                    spacing: 12
                    PanelButton {
                        id: changeButton
                        objectName: "changeInstallDirButton"
                        text: qsTr("Change\u2026")
                        accessibleName: qsTr("Change install folder")
                        enabled: !panel.downloadUnderWay
                        opacity: enabled ? 1 : 0.4
                        fontSize: 12
                        horizontalPadding: 14
                        fillColor: Theme.alpha(Theme.neonBlue, 0.25)
                        strokeColor: Theme.neonBlue
                        onClicked: panel.refusal = panel.viewModel.chooseInstallDir(moveCheck.checked)
                    }
                    NeonCheckBox {
                        id: moveCheck
                        objectName: "moveDataCheck"
                        Layout.fillWidth: true
                        text: qsTr("Move the game data there")
                        checked: true
                        enabled: !panel.downloadUnderWay
                    }
                }
                RowLayout {
                    id: moveRow
                    width: parent.width
                    anchors.verticalCenter: parent.verticalCenter
                    visible: panel.moveUnderWay
                    spacing: 12
                    StepProgress {
                        objectName: "moveProgress"
                        Layout.fillWidth: true
                        accessibleName: qsTr("Move progress")
                        barColor: Theme.neonBlue
                        value: Math.max(0, panel.installFolder.moveProgress) * 100
                    }
                    PanelButton {
                        id: cancelMoveButton
                        objectName: "cancelMoveButton"
                        text: qsTr("Cancel")
                        accessibleName: qsTr("Cancel the move")
                        fontSize: 12
                        horizontalPadding: 14
                        strokeColor: Qt.rgba(1, 1, 1, 0.25)
                        onClicked: panel.installFolder.cancelMove()
                    }
                }
            }
            Text {
                objectName: "installDirStatus"
                Layout.fillWidth: true
                visible: text !== ""
                text: panel.downloadUnderWay
                      ? qsTr("A download is running: the folder can change once it has ended.")
                      : panel.refusal !== "" ? panel.refusal : panel.installFolder.moveStatus
                color: panel.refusal !== "" && !panel.downloadUnderWay ? Theme.orange
                                                                         : Qt.rgba(1, 1, 1, 0.6)
                font.family: Theme.sans
                font.pixelSize: 11
                wrapMode: Text.Wrap
                maximumLineCount: 2
                elide: Text.ElideRight
                Accessible.role: Accessible.StaticText
                Accessible.name: text
            }

            SettingsHeading {
                //: A heading of the settings: how the game is started.
                text: qsTr("LAUNCH", "settings heading")
            }
            SettingsField {
                id: wrapperField
                Layout.fillWidth: true
                inputName: "launchWrapperField"
                label: qsTr("Wrapper")
                accessibleName: qsTr("Launch wrapper")
                placeholderText: "gamemoderun mangohud"
                value: panel.settings.launchWrapper
                onCommitted: text => panel.settings.launchWrapper = text
            }
            SettingsField {
                id: argumentsField
                Layout.fillWidth: true
                inputName: "launchArgumentsField"
                label: qsTr("Arguments")
                accessibleName: qsTr("Launch arguments")
                value: panel.settings.launchArguments
                onCommitted: text => panel.settings.launchArguments = text
            }
            SettingsField {
                id: environmentField
                Layout.fillWidth: true
                inputName: "launchEnvironmentField"
                label: qsTr("Environment")
                accessibleName: qsTr("Launch environment")
                placeholderText: "DXVK_HUD=fps"
                value: panel.settings.launchEnvironment
                onCommitted: text => panel.settings.launchEnvironment = text
            }
            Text {
                objectName: "launchHint"
                Layout.fillWidth: true
                //: %command% stays as it is: the player types it into the wrapper.
                text: qsTr("Split into words as a shell would, but never run through a shell; "
                           + "%command% is accepted.")
                color: Qt.rgba(1, 1, 1, 0.45)
                font.family: Theme.sans
                font.pixelSize: 11
                wrapMode: Text.Wrap
            }
        }

        ColumnLayout {
            objectName: "settingsRightColumn"
            width: columns.columnWidth
            spacing: 6

            SettingsHeading {
                //: A heading of the settings: the Steam download.
                text: qsTr("DOWNLOAD", "settings heading")
            }
            SettingsField {
                id: limitField
                Layout.fillWidth: true
                inputName: "downloadLimitField"
                label: qsTr("Speed limit")
                accessibleName: qsTr("Download speed limit in KB/s")
                placeholderText: qsTr("No limit")
                // Up to seven digits: every such number is a limit the
                // launcher takes.
                validator: RegularExpressionValidator {
                    regularExpression: /[0-9]{0,7}/
                }
                value: panel.settings.downloadLimit > 0 ? String(panel.settings.downloadLimit) : ""
                onCommitted: text => panel.settings.downloadLimit = text === "" ? 0 : parseInt(text, 10)

                Text {
                    text: qsTr("KB/s")
                    color: Qt.rgba(1, 1, 1, 0.7)
                    font.family: Theme.mono
                    font.pixelSize: 12
                    Accessible.ignored: true
                }
                PanelButton {
                    objectName: "noLimitButton"
                    text: qsTr("No limit")
                    accessibleName: qsTr("No download speed limit")
                    enabled: panel.settings.downloadLimit > 0
                    opacity: enabled ? 1 : 0.4
                    fontSize: 12
                    horizontalPadding: 12
                    strokeColor: Qt.rgba(1, 1, 1, 0.25)
                    onClicked: {
                        panel.settings.downloadLimit = 0
                        limitField.input.text = Qt.binding(() => limitField.value)
                    }
                }
            }

            SettingsHeading {
                text: qsTr("NOTIFICATIONS")
            }
            NeonCheckBox {
                objectName: "notifyWhenDoneCheck"
                Layout.fillWidth: true
                text: qsTr("Notify me when a download ends")
                checked: panel.settings.notifyWhenDone
                onToggled: {
                    panel.settings.notifyWhenDone = checked
                    checked = Qt.binding(() => panel.settings.notifyWhenDone)
                }
            }
            NeonCheckBox {
                objectName: "taskbarProgressCheck"
                Layout.fillWidth: true
                text: qsTr("Show download progress on the task bar")
                checked: panel.settings.showTaskbarProgress
                onToggled: {
                    panel.settings.showTaskbarProgress = checked
                    checked = Qt.binding(() => panel.settings.showTaskbarProgress)
                }
            }

            SettingsHeading {
                text: qsTr("LANGUAGE")
            }
            RowLayout {
                Layout.fillWidth: true
                spacing: 12
                ComboBox {
                    id: languageBox
                    objectName: "languageBox"
                    Layout.preferredWidth: 220
                    model: panel.settings.languageChoices
                    textRole: "name"
                    valueRole: "code"
                    font.family: Theme.sans
                    font.pixelSize: 12
                    // Once the model is there: before it every value is -1.
                    currentIndex: count > 0 ? indexOfValue(panel.settings.language) : -1
                    palette.dark: "white"
                    palette.text: "white"
                    palette.buttonText: "white"
                    background: Rectangle {
                        implicitHeight: 30
                        radius: 4
                        color: Qt.rgba(0, 0, 0, 0.5)
                        border.color: Qt.rgba(1, 1, 1, 0.25)
                        border.width: 1
                        FocusRing {
                            target: languageBox
                        }
                    }
                    contentItem: Text {
                        leftPadding: 10
                        rightPadding: languageBox.indicator.width
                        text: languageBox.displayText
                        color: "white"
                        font: languageBox.font
                        verticalAlignment: Text.AlignVCenter
                        elide: Text.ElideRight
                        Accessible.ignored: true
                    }
                    Accessible.role: Accessible.ComboBox
                    Accessible.name: qsTr("Language")
                    onActivated: {
                        panel.settings.language = currentValue
                        currentIndex = Qt.binding(() => count > 0 ? indexOfValue(panel.settings.language) : -1)
                    }
                }
                Text {
                    objectName: "languageNote"
                    Layout.fillWidth: true
                    //: Under the language choice: the window keeps its language until then.
                    text: qsTr("Applies the next time the launcher starts.")
                    color: Qt.rgba(1, 1, 1, 0.45)
                    font.family: Theme.sans
                    font.pixelSize: 11
                    wrapMode: Text.Wrap
                    Accessible.role: Accessible.StaticText
                    Accessible.name: text
                }
            }

            SettingsHeading {
                text: qsTr("FOLDERS")
            }
            // Two rows where the two labels run long.
            Flow {
                Layout.fillWidth: true
                spacing: 10
                PanelButton {
                    objectName: "openInstallDirButton"
                    text: qsTr("Open install folder")
                    fontSize: 12
                    horizontalPadding: 12
                    strokeColor: Qt.rgba(1, 1, 1, 0.25)
                    onClicked: panel.folderNote = Ui.openFolder(panel.installFolder.installDir)
                }
                PanelButton {
                    objectName: "openLogsButton"
                    text: qsTr("Open logs folder")
                    fontSize: 12
                    horizontalPadding: 12
                    strokeColor: Qt.rgba(1, 1, 1, 0.25)
                    onClicked: panel.folderNote = Ui.openFolder(Ui.logsFolder)
                }
            }
            Text {
                objectName: "folderNote"
                Layout.fillWidth: true
                visible: text !== ""
                text: panel.folderNote
                color: Theme.orange
                font.family: Theme.sans
                font.pixelSize: 11
                wrapMode: Text.Wrap
                maximumLineCount: 2
                elide: Text.ElideMiddle
                Accessible.role: Accessible.StaticText
                Accessible.name: text
            }
        }
    }

    footer: Item {
        implicitHeight: closeButton.implicitHeight + 18
        PanelButton {
            id: closeButton
            objectName: "settingsCloseButton"
            anchors.right: parent.right
            anchors.top: parent.top
            anchors.rightMargin: 20
            text: qsTr("Close")
            fontSize: 12
            horizontalPadding: 16
            fillColor: Theme.alpha(Theme.neonBlue, 0.3)
            strokeColor: Theme.neonBlue
            onClicked: panel.close()
        }
    }
}
