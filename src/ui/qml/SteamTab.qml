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
                                             && !steamCMD.downloadUnderWay
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

    // The console would like 120 points and takes whatever height the
    // window has beyond that; where the window is short it gives up height
    // down to five lines, never the controls around it.
    readonly property real consoleHeight: 120
    readonly property real minimumHeight: implicitHeight - (consoleHeight - consoleView.minimumHeight)

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

    implicitHeight: column.implicitHeight + 2 * column.anchors.margins
    radius: 8
    color: Qt.rgba(0, 0, 0, 0.4)
    border.color: Theme.alpha(Theme.neonBlue, 0.2)
    border.width: 1

    ColumnLayout {
        id: column
        anchors.fill: parent
        // Tighter than the local panel's, so that the console keeps five
        // lines at the smallest window with the update banner shown.
        anchors.margins: 16
        spacing: 10

        ColumnLayout {
            Layout.fillWidth: true
            spacing: 8

            Text {
                text: qsTr("STEAM CREDENTIALS")
                color: Qt.rgba(1, 1, 1, 0.6)
                font.family: Theme.mono
                font.pixelSize: 12
                font.bold: true
            }

            // The credentials share the row equally; while a Steam Guard code
            // is awaited the code field and SUBMIT take their room at its
            // end. Placed by bindings rather than a row layout: that one
            // missed the change when the bottom of the window changed in the
            // same moment (LAUNCH in place of the hint), and left the code
            // field and SUBMIT over the user name.
            Item {
                id: credentialRow
                Layout.fillWidth: true
                implicitHeight: usernameField.implicitHeight
                readonly property real spacing: 12
                readonly property real guardWidth: panel.waitingForGuard
                                                   ? guardCodeField.width + submitButton.width
                                                     + 2 * spacing
                                                   : 0
                readonly property real fieldWidth: Math.max(0, (width - spacing - guardWidth) / 2)

                NeonTextField {
                    id: usernameField
                    objectName: "usernameField"
                    width: credentialRow.fieldWidth
                    placeholderText: qsTr("Username")
                    text: panel.viewModel.steamUsername
                    onTextEdited: {
                        panel.credentialTyped = true
                        panel.viewModel.steamUsername = text
                    }
                }
                NeonTextField {
                    id: passwordField
                    objectName: "passwordField"
                    x: usernameField.width + credentialRow.spacing
                    width: credentialRow.fieldWidth
                    placeholderText: qsTr("Password")
                    // Qt gives a password field no accessible name; the
                    // description says what it is.
                    Accessible.description: qsTr("Password")
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
                    x: passwordField.x + passwordField.width + credentialRow.spacing
                    width: 110
                    placeholderText: qsTr("Guard Code")
                    text: panel.steamCMD.steamGuardCode
                    onTextEdited: panel.steamCMD.steamGuardCode = text
                    onAccepted: panel.steamCMD.submitSteamGuard()
                }
                PanelButton {
                    id: submitButton
                    objectName: "submitGuardButton"
                    visible: panel.waitingForGuard
                    x: guardCodeField.x + guardCodeField.width + credentialRow.spacing
                    anchors.verticalCenter: parent.verticalCenter
                    text: qsTr("SUBMIT")
                    fontSize: 11
                    horizontalPadding: 12
                    verticalPadding: 8
                    fillColor: Theme.alpha(Theme.neonGreen, 0.3)
                    strokeColor: Theme.neonGreen
                    onClicked: panel.steamCMD.submitSteamGuard()
                }
            }

            // A positioner: it follows CANCEL's visibility whatever else
            // changes at the same moment.
            Row {
                spacing: 12

                PanelButton {
                    id: downloadButton
                    objectName: "downloadButton"
                    enabled: panel.canStartDownload
                    text: qsTr("DOWNLOAD ASSETS")
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
                    // Also while SteamCMD waits for a Steam Guard code or a
                    // phone approval, where the state is not "running".
                    visible: panel.steamCMD.downloadUnderWay
                    text: qsTr("CANCEL")
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
            id: consoleView
            objectName: "console"
            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.preferredHeight: panel.consoleHeight
            Layout.minimumHeight: minimumHeight
            log: panel.steamCMD.consoleLog
            lines.source: panel.steamCMD
        }

        ColumnLayout {
            Layout.fillWidth: true
            spacing: 4

            StatusLine {
                objectName: "statusLine"
                Layout.fillWidth: true
                lampColor: panel.statusColor(panel.kind)
                text: panel.steamCMD.translatedStatusText
            }

            // While a fraction is known, a bar with the size, speed and time
            // left beside it; otherwise what a failure means or what SteamCMD
            // waits for, on up to two lines (the console has it whole).
            RowLayout {
                id: progressRow
                // Read from the view model, not from the bar's own visible,
                // which follows this row's: that would be a binding loop.
                readonly property bool barShown: panel.viewModel.steamProgress >= 0
                Layout.fillWidth: true
                visible: barShown || detail.text !== ""
                spacing: 10

                StepProgress {
                    id: progress
                    objectName: "stepProgress"
                    visible: progressRow.barShown
                    Layout.fillWidth: true
                    Layout.minimumWidth: 120
                    Layout.alignment: Qt.AlignVCenter
                    value: Math.max(0, panel.viewModel.steamProgress) * 100
                    barColor: panel.statusColor(panel.kind)
                }
                Text {
                    id: detail
                    objectName: "statusDetail"
                    Layout.fillWidth: !progressRow.barShown
                    Layout.maximumWidth: progressRow.barShown ? implicitWidth : -1
                    visible: text !== ""
                    text: panel.steamCMD.failureExplanation || panel.steamCMD.approvalPrompt
                          || panel.steamCMD.progressDetail
                    color: Qt.rgba(1, 1, 1, 0.6)
                    font.family: Theme.mono
                    font.pixelSize: 11
                    wrapMode: progressRow.barShown ? Text.NoWrap : Text.WordWrap
                    maximumLineCount: 2
                    elide: Text.ElideRight
                    textFormat: Text.PlainText
                    Accessible.role: Accessible.StaticText
                    Accessible.name: text
                }
            }
        }
    }
}
