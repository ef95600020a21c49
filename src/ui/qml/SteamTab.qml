// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Layouts
import VantorLauncher

// The Steam source: credentials, the Steam Guard code when asked for,
// download and cancel, SteamCMD's console and the workflow's status.
Rectangle {
    id: panel
    required property LauncherViewModel viewModel
    readonly property SteamCMDManager steamCMD: viewModel.steamCMD
    readonly property int kind: steamCMD.stateKind
    readonly property bool waitingForGuard: kind === SteamCMDState.WaitingSteamGuard
    readonly property bool canStartDownload: viewModel.steamUsername !== ""
                                             && viewModel.steamPassword !== ""
                                             && !steamCMD.isRunning
    // Whether the player has typed a credential (the keyring's answer then
    // leaves the focus where it is).
    property bool credentialTyped: false

    function statusColor(k) {
        switch (k) {
        case SteamCMDState.Idle:
            return Theme.gray
        case SteamCMDState.Completed:
            return Theme.neonGreen
        case SteamCMDState.Failed:
            return Theme.red
        default:
            return Theme.orange
        }
    }

    // The console would like 120 points; where the window is short it may
    // give up height down to a few lines, never the controls around it.
    readonly property real consoleHeight: 120
    readonly property real consoleMinimumHeight: 40
    readonly property real minimumHeight: implicitHeight - (consoleHeight - consoleMinimumHeight)

    // The first empty credential field, else DOWNLOAD ASSETS.
    function focusFirst() {
        if (viewModel.steamUsername === "")
            usernameField.forceActiveFocus(Qt.OtherFocusReason)
        else if (viewModel.steamPassword === "")
            passwordField.forceActiveFocus(Qt.OtherFocusReason)
        else if (waitingForGuard)
            guardCodeField.forceActiveFocus(Qt.OtherFocusReason)
        else if (downloadButton.enabled)
            downloadButton.forceActiveFocus(Qt.OtherFocusReason)
        else
            usernameField.forceActiveFocus(Qt.OtherFocusReason)
    }
    // The keyring answers after the window is up: a focus still where the
    // start put it moves on past the fields the answer filled.
    Connections {
        target: panel.viewModel
        function onIsLoadingCredentialsChanged() {
            if (!panel.viewModel.isLoadingCredentials && !panel.credentialTyped
                    && usernameField.activeFocus)
                panel.focusFirst()
        }
    }
    function startDownload() {
        if (!canStartDownload)
            return
        viewModel.saveCredentials()
        steamCMD.startDownload(viewModel.steamUsername, viewModel.steamPassword)
    }
    // SteamCMD asks for a Steam Guard code: the code field takes focus, so
    // a code typed at once goes there and not into the password.
    onWaitingForGuardChanged: {
        if (waitingForGuard)
            Qt.callLater(() => guardCodeField.forceActiveFocus(Qt.OtherFocusReason))
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

        ColumnLayout {
            Layout.fillWidth: true
            spacing: 10

            Text {
                text: "STEAM CREDENTIALS"
                color: Qt.rgba(1, 1, 1, 0.6)
                font.family: Theme.mono
                font.pixelSize: 12
                font.bold: true
            }

            RowLayout {
                Layout.fillWidth: true
                spacing: 12

                NeonTextField {
                    id: usernameField
                    objectName: "usernameField"
                    Layout.fillWidth: true
                    Layout.preferredWidth: 1
                    placeholderText: "Username"
                    text: panel.viewModel.steamUsername
                    onTextEdited: {
                        panel.credentialTyped = true
                        panel.viewModel.steamUsername = text
                    }
                }
                NeonTextField {
                    id: passwordField
                    objectName: "passwordField"
                    Layout.fillWidth: true
                    Layout.preferredWidth: 1
                    placeholderText: "Password"
                    // Qt gives a password field no accessible name; the
                    // description says what it is.
                    Accessible.description: "Password"
                    echoMode: TextInput.Password
                    passwordCharacter: "\u2022"
                    text: panel.viewModel.steamPassword
                    onTextEdited: {
                        panel.credentialTyped = true
                        panel.viewModel.steamPassword = text
                    }
                    onAccepted: panel.startDownload()
                }
                NeonTextField {
                    id: guardCodeField
                    objectName: "guardCodeField"
                    visible: panel.waitingForGuard
                    Layout.preferredWidth: 110
                    Layout.minimumWidth: 110
                    Layout.maximumWidth: 110
                    placeholderText: "Guard Code"
                    text: panel.steamCMD.steamGuardCode
                    onTextEdited: panel.steamCMD.steamGuardCode = text
                    onAccepted: panel.steamCMD.submitSteamGuard()
                }
                PanelButton {
                    objectName: "submitGuardButton"
                    visible: panel.waitingForGuard
                    text: "SUBMIT"
                    fontSize: 11
                    horizontalPadding: 12
                    verticalPadding: 8
                    fillColor: Theme.alpha(Theme.neonGreen, 0.3)
                    strokeColor: Theme.neonGreen
                    onClicked: panel.steamCMD.submitSteamGuard()
                }
            }

            RowLayout {
                spacing: 12

                PanelButton {
                    id: downloadButton
                    objectName: "downloadButton"
                    enabled: panel.canStartDownload
                    text: "DOWNLOAD ASSETS"
                    iconName: "arrow.down.circle.fill"
                    iconSize: 13
                    fontSize: 12
                    horizontalPadding: 20
                    verticalPadding: 8
                    labelColor: enabled ? "white" : Qt.rgba(1, 1, 1, 0.3)
                    fillColor: enabled ? Theme.alpha(Theme.neonBlue, 0.25) : Qt.rgba(1, 1, 1, 0.05)
                    strokeColor: enabled ? Theme.neonBlue : Qt.rgba(1, 1, 1, 0.1)
                    onClicked: panel.startDownload()
                }
                PanelButton {
                    objectName: "cancelButton"
                    visible: panel.steamCMD.isRunning
                    text: "CANCEL"
                    fontSize: 11
                    horizontalPadding: 16
                    verticalPadding: 8
                    labelColor: Theme.red
                    fillColor: Theme.alpha(Theme.red, 0.1)
                    strokeColor: Theme.alpha(Theme.red, 0.5)
                    onClicked: panel.steamCMD.cancel()
                }
            }
        }

        ConsoleView {
            objectName: "console"
            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.preferredHeight: panel.consoleHeight
            Layout.minimumHeight: panel.consoleMinimumHeight
            log: panel.steamCMD.consoleLog
            lines.source: panel.steamCMD
        }

        StatusLine {
            objectName: "statusLine"
            Layout.fillWidth: true
            lampColor: panel.statusColor(panel.kind)
            text: panel.steamCMD.statusText
        }

        Text {
            objectName: "statusDetail"
            Layout.fillWidth: true
            visible: text !== ""
            text: panel.steamCMD.failureExplanation || panel.steamCMD.approvalPrompt
                  || panel.steamCMD.progressDetail
            color: Qt.rgba(1, 1, 1, 0.6)
            font.family: Theme.mono
            font.pixelSize: 11
            wrapMode: Text.WordWrap
            textFormat: Text.PlainText
            Accessible.role: Accessible.StaticText
            Accessible.name: text
        }
    }
}
