// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import VantorLauncher

// The launcher window: background, header, update banner, tab bar, the
// active source's panel, the launch action and the footer, over one
// LauncherViewModel.
ApplicationWindow {
    id: window
    objectName: "launcherWindow"
    required property LauncherViewModel viewModel
    readonly property SteamCMDManager steamCMD: viewModel.steamCMD
    readonly property UpdateChecker updateChecker: viewModel.updateChecker
    readonly property bool isLocalTab: viewModel.activeTab === LauncherViewModel.Local
    readonly property bool showsBanner: updateChecker.hasUpdate && !viewModel.isUpdateDismissed

    // Parts that are not on screen at start are made when first shown, and
    // kept from then on.
    property bool steamTabUsed: false
    property bool localTabUsed: false
    property bool launchButtonUsed: false
    property bool hintUsed: false
    function markShownParts() {
        if (isLocalTab)
            localTabUsed = true
        else
            steamTabUsed = true
        if (viewModel.canLaunch)
            launchButtonUsed = true
        else
            hintUsed = true
    }
    Connections {
        target: window.viewModel
        function onCanLaunchChanged() {
            window.markShownParts()
        }
    }

    title: "Vantor Online"
    width: 860
    height: 580
    minimumWidth: 860
    color: Theme.windowBackground
    font.family: Theme.sans

    function showAbout() {
        AboutWindowController.show()
    }

    Shortcut {
        objectName: "aboutShortcut"
        sequences: [StandardKey.HelpContents]
        context: Qt.ApplicationShortcut
        onActivated: window.showAbout()
    }

    // The settings panel is made the first time it opens. Ctrl+, opens it
    // on every desktop (StandardKey.Preferences is another key on some).
    property SettingsPanel settingsPanel: null
    function showSettings() {
        if (!settingsPanel)
            settingsPanel = settingsPanelComponent.createObject(window.contentItem)
        if (!settingsPanel.visible)
            settingsPanel.open()
    }
    Shortcut {
        objectName: "settingsShortcut"
        sequences: ["Ctrl+,"]
        onActivated: window.showSettings()
    }
    Component {
        id: settingsPanelComponent
        SettingsPanel {
            objectName: "settingsPanel"
            viewModel: window.viewModel
        }
    }

    // Ctrl+Tab / Ctrl+PgDown and Ctrl+Shift+Tab / Ctrl+PgUp switch the tabs.
    function switchTab() {
        viewModel.activeTab = isLocalTab ? LauncherViewModel.Steam : LauncherViewModel.Local
    }
    Shortcut {
        objectName: "nextTabShortcut"
        sequences: ["Ctrl+Tab", "Ctrl+PgDown"]
        onActivated: window.switchTab()
    }
    Shortcut {
        objectName: "previousTabShortcut"
        sequences: ["Ctrl+Shift+Tab", "Ctrl+Shift+Backtab", "Ctrl+Backtab", "Ctrl+PgUp"]
        onActivated: window.switchTab()
    }

    // Keyboard focus goes to where the player starts: the first empty
    // credential on the Steam tab, LOCATE on the Local Archive tab. After a
    // tab switch the new panel takes focus, unless it is on the tab bar.
    function focusActivePanel() {
        const panel = tabSlot.panel
        if (panel)
            panel.focusFirst()
    }
    onIsLocalTabChanged: {
        markShownParts()
        if (!tabBar.hasFocus)
            Qt.callLater(focusActivePanel)
    }

    // Closing or launching while a download is under way (the Steam Guard
    // wait included) asks first. "Stop and Quit" / "Stop and Launch" stop the
    // run as CANCEL does and go on once it has ended: nothing on the way out
    // may leave a SteamCMD to be killed by the teardown.
    property bool quitConfirmed: false
    // What follows once the stopped run has ended: "quit", "launch" or "".
    property string afterStop: ""
    property AlertDialog quitQuestion: null
    property AlertDialog launchQuestion: null
    onClosing: close => {
        if (quitConfirmed || !steamCMD.hasActiveWork)
            return
        close.accepted = false
        if (afterStop !== "")
            return
        if (!quitQuestion)
            quitQuestion = quitQuestionComponent.createObject(window.contentItem)
        if (!quitQuestion.visible)
            quitQuestion.open()
    }
    function launch() {
        if (!steamCMD.hasActiveWork) {
            viewModel.launchGame()
            return
        }
        if (!launchQuestion)
            launchQuestion = launchQuestionComponent.createObject(window.contentItem)
        if (!launchQuestion.visible)
            launchQuestion.open()
    }
    function stopThen(next) {
        afterStop = next
        steamCMD.cancel()
        goOnWhenStopped()
    }
    function goOnWhenStopped() {
        if (afterStop === "" || steamCMD.hasActiveWork)
            return
        const next = afterStop
        afterStop = ""
        if (next === "quit") {
            quitConfirmed = true
            window.close()
        } else {
            viewModel.launchGame()
        }
    }
    Connections {
        target: window.steamCMD
        enabled: window.afterStop !== ""
        function onActiveWorkChanged() {
            Qt.callLater(window.goOnWhenStopped)
        }
    }
    Component {
        id: quitQuestionComponent
        AlertDialog {
            objectName: "quitQuestion"
            title: qsTr("Quit Vantor Online")
            message: qsTr("A download is running. Stop it and quit?")
            acceptText: qsTr("Stop and Quit")
            rejectText: qsTr("Keep Running")
            onAcceptClicked: window.stopThen("quit")
        }
    }
    Component {
        id: launchQuestionComponent
        AlertDialog {
            objectName: "launchQuestion"
            title: qsTr("Launch Vantor Online")
            message: qsTr("A download is running. Stop it and launch?")
            acceptText: qsTr("Stop and Launch")
            rejectText: qsTr("Keep Running")
            onAcceptClicked: window.stopThen("launch")
        }
    }

    // Background picture, darkened; without it the window colour shows. It
    // is decoded beside the window's creation (the first frame shows the
    // window colour, the picture follows within a few frames).
    Loader {
        objectName: "backgroundSlot"
        anchors.fill: parent
        readonly property url picture: Ui.picture("background")
        active: picture.toString() !== ""
        sourceComponent: Item {
            objectName: "backgroundPicture"
            clip: true
            Image {
                anchors.fill: parent
                source: parent.parent.picture
                fillMode: Image.PreserveAspectCrop
                asynchronous: true
                smooth: true
            }
            Rectangle {
                anchors.fill: parent
                color: Qt.rgba(0, 0, 0, 0.55)
            }
        }
    }

    // The window keeps the size the player gives it: every state fits the
    // smallest one (the Steam console gives up height first, down to five
    // lines), and a taller window gives its extra height to the console.
    minimumHeight: 580

    ColumnLayout {
        id: content
        objectName: "contentColumn"
        anchors.fill: parent
        anchors.leftMargin: 20
        anchors.rightMargin: 20
        spacing: 0

        // The desktop's title bar sits above the window's content, not over
        // it, so the header needs little room above it.
        Header {
            objectName: "header"
            Layout.alignment: Qt.AlignHCenter
            Layout.topMargin: 6
        }

        Loader {
            id: bannerSlot
            objectName: "bannerSlot"
            active: window.showsBanner
            visible: active
            Layout.fillWidth: true
            Layout.leftMargin: 40
            Layout.rightMargin: 40
            Layout.topMargin: 12
            sourceComponent: UpdateBanner {
                objectName: "updateBanner"
                version: window.updateChecker.availableUpdate.version
                releaseNotes: window.updateChecker.availableUpdate.releaseNotes
                downloadURL: window.updateChecker.availableUpdate.downloadURL
                onDismissed: window.viewModel.isUpdateDismissed = true
            }
        }

        TabBar {
            id: tabBar
            objectName: "tabBar"
            Layout.fillWidth: true
            // A little closer under the banner, where the height is short.
            Layout.topMargin: window.showsBanner ? 14 : 20
            Layout.leftMargin: 40
            Layout.rightMargin: 40
            activeTab: window.viewModel.activeTab
            tabs: [{
                    "tab": LauncherViewModel.Steam,
                    "icon": "arrow.down.circle.fill",
                    "title": qsTr("STEAM (RECOMMENDED)"),
                    "objectName": "steamTabButton"
                }, {
                    "tab": LauncherViewModel.Local,
                    "icon": "folder.fill",
                    "title": qsTr("LOCAL ARCHIVE"),
                    "objectName": "localTabButton"
                }]
            onTabClicked: tab => window.viewModel.activeTab = tab
        }

        // The active source's panel; the incoming one fades in. Each panel
        // is made the first time its tab is shown and then kept. The Steam
        // panel takes the height there is (its console follows it); the
        // local one keeps its own.
        Item {
            id: tabSlot
            objectName: "tabSlot"
            // A loaded panel (SteamTab or LocalTab): both offer focusFirst()
            // and minimumHeight.
            readonly property var panel: window.isLocalTab ? localSlot.item : steamSlot.item
            readonly property real minimumHeight: panel ? panel.minimumHeight : 0
            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.leftMargin: 40
            Layout.rightMargin: 40
            Layout.topMargin: 12
            implicitHeight: panel ? panel.implicitHeight : 0
            Layout.minimumHeight: minimumHeight
            Layout.maximumHeight: window.isLocalTab ? implicitHeight : Infinity

            Loader {
                id: steamSlot
                width: parent.width
                height: parent.height
                active: window.steamTabUsed
                visible: !window.isLocalTab
                opacity: visible ? 1 : 0
                Behavior on opacity {
                    NumberAnimation {
                        duration: 200
                        easing.type: Easing.InOutQuad
                    }
                }
                sourceComponent: SteamTab {
                    objectName: "steamTab"
                    viewModel: window.viewModel
                }
            }
            Loader {
                id: localSlot
                width: parent.width
                height: parent.height
                active: window.localTabUsed
                visible: window.isLocalTab
                opacity: visible ? 1 : 0
                Behavior on opacity {
                    NumberAnimation {
                        duration: 200
                        easing.type: Easing.InOutQuad
                    }
                }
                sourceComponent: LocalTab {
                    objectName: "localTab"
                    installPath: window.viewModel.installPath
                    // Asked only while this tab shows: the check lists folders.
                    isPathValid: localSlot.visible && installPath !== ""
                                 && window.viewModel.isPathValid
                    onLocateClicked: window.viewModel.chooseFolder()
                }
            }
        }

        Item {
            objectName: "flexibleSpace"
            Layout.fillHeight: window.isLocalTab
            Layout.minimumHeight: 2
            Layout.preferredHeight: 2
        }

        // LAUNCH while the source is ready, else what is missing; each made
        // when first needed.
        Item {
            objectName: "bottomAction"
            Layout.fillWidth: true
            Layout.bottomMargin: 8
            implicitHeight: window.viewModel.canLaunch ? launchSlot.implicitHeight
                                                       : hintSlot.implicitHeight

            Loader {
                id: launchSlot
                anchors.horizontalCenter: parent.horizontalCenter
                active: window.launchButtonUsed
                visible: window.viewModel.canLaunch
                sourceComponent: LaunchButton {
                    objectName: "launchButton"
                    launching: window.viewModel.isLaunching
                    onClicked: window.launch()
                }
            }
            Loader {
                id: hintSlot
                anchors.horizontalCenter: parent.horizontalCenter
                active: window.hintUsed
                visible: !window.viewModel.canLaunch
                sourceComponent: TargetRequiredHint {
                    objectName: "targetRequiredHint"
                    maximumWidth: tabSlot.width
                    localTab: window.isLocalTab
                    picture: Ui.picture("dir_image")
                }
            }
        }

        Footer {
            objectName: "footer"
            Layout.fillWidth: true
            Layout.leftMargin: 20
            Layout.rightMargin: 20
            Layout.bottomMargin: 14
            onAboutRequested: window.showAbout()
            onSettingsRequested: window.showSettings()
        }
    }

    // The two alerts are made on first use.
    property AlertDialog launchErrorAlert: null
    property AlertDialog purchaseAlert: null

    Component {
        id: launchErrorAlertComponent
        AlertDialog {
            objectName: "launchErrorAlert"
            title: qsTr("Launch Error")
            message: window.viewModel.alertMessage
            acceptText: qsTr("OK")
            onClosed: {
                if (window.viewModel.hasAlert)
                    window.viewModel.dismissAlert()
            }
        }
    }

    Component {
        id: purchaseAlertComponent
        AlertDialog {
            objectName: "purchaseAlert"
            title: qsTr("Game Not Found")
            acceptText: qsTr("Open Steam Store")
            rejectText: qsTr("Close")
            onAcceptClicked: Ui.openLink(window.steamCMD.storeURL)
            onClosed: window.steamCMD.showPurchaseAlert = false
        }
    }

    function purchaseMessage(account) {
        //: %1 is the Steam account's name. "Download Assets" names the Steam tab's button.
        return qsTr("The account \"%1\" does not own Ardenfall\u2122 Vantor \u2014 Duskline.\n\n"
                    + "Purchase the game on Steam, then press \"Download Assets\" again.").arg(account)
    }

    function syncAlerts() {
        if (viewModel.hasAlert) {
            if (!launchErrorAlert)
                launchErrorAlert = launchErrorAlertComponent.createObject(window.contentItem)
            if (!launchErrorAlert.visible)
                launchErrorAlert.open()
        } else if (launchErrorAlert && launchErrorAlert.visible) {
            launchErrorAlert.close()
        }
        if (steamCMD.showPurchaseAlert) {
            if (!purchaseAlert)
                purchaseAlert = purchaseAlertComponent.createObject(window.contentItem)
            if (!purchaseAlert.visible) {
                purchaseAlert.message = purchaseMessage(steamCMD.lastUsername)
                purchaseAlert.open()
            }
        } else if (purchaseAlert && purchaseAlert.visible) {
            purchaseAlert.close()
        }
    }

    Connections {
        target: window.viewModel
        function onAlertMessageChanged() {
            window.syncAlerts()
        }
    }
    Connections {
        target: window.steamCMD
        function onShowPurchaseAlertChanged() {
            window.syncAlerts()
        }
    }
    Component.onCompleted: {
        markShownParts()
        syncAlerts()
        Qt.callLater(focusActivePanel)
    }
}
