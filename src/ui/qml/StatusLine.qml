// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Layouts
import VantorLauncher

// The workflow's one-line status with its coloured lamp.
RowLayout {
    id: status
    property color lampColor: Theme.gray
    property string text

    spacing: 8
    // Read as a status bar when the reader walks the window.
    Accessible.role: Accessible.StatusBar
    Accessible.name: text

    // A status bar's new name is spoken only while it has focus, but a
    // screen reader speaks a notification as it is shown: each new status
    // (not the first) is shown as one for a moment, once it has stood for a
    // fifth of a second. Statuses that follow each other faster (a run that
    // fails as it starts) are announced once, as the last of them: a reader
    // fetches the name when it gets to the event, by when it is the last one
    // anyway. It is hidden again soon, so showing the tab again does not
    // repeat it.
    property bool announces: false
    Component.onCompleted: announces = true
    onTextChanged: {
        announcement.visible = false
        if (announces && text !== "")
            announcementStart.restart()
        else
            announcementStart.stop()
    }
    Timer {
        id: announcementStart
        interval: 200
        onTriggered: announcement.announce()
    }

    Rectangle {
        objectName: "statusLamp"
        Accessible.ignored: true
        Layout.preferredWidth: 8
        Layout.preferredHeight: 8
        radius: 4
        color: status.lampColor
        // The notification: one pixel under the lamp, outside the row's
        // layout (readers skip the lamp itself, not what it holds).
        Item {
            id: announcement
            objectName: "statusAnnouncement"
            width: 1
            height: 1
            visible: false
            Accessible.role: Accessible.Notification
            Accessible.name: status.text
            function announce() {
                visible = true
                announcementEnd.restart()
            }
            Timer {
                id: announcementEnd
                interval: 1000
                onTriggered: announcement.visible = false
            }
        }
        Halo {
            color: status.lampColor
            glowRadius: 4
            cornerRadius: 4
            steps: 2
        }
    }

    Text {
        objectName: "statusText"
        Layout.fillWidth: true
        text: status.text
        color: Qt.rgba(1, 1, 1, 0.7)
        font.family: Theme.mono
        font.pixelSize: 11
        font.weight: Font.Medium
        maximumLineCount: 1
        wrapMode: Text.NoWrap
        elide: Text.ElideRight
        textFormat: Text.PlainText
        Accessible.ignored: true
    }
}
