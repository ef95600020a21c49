// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import QtQuick.Templates as T
import VantorLauncher

// A modal message in the launcher's theme with one or two buttons. Closing
// it by any means (a button, Escape, Ctrl+W) emits closed(); the owner clears
// the value the alert stands for there. The default (accept) button has the
// keyboard focus when it opens, so Return presses it.
Dialog {
    id: dialog
    property string message
    property string acceptText: qsTr("OK")
    property string rejectText: ""
    signal acceptClicked

    function handleKey(event) {
        if (event.key === Qt.Key_W && (event.modifiers & Qt.ControlModifier)) {
            dialog.reject()
            event.accepted = true
        }
    }

    modal: true
    focus: true
    closePolicy: Popup.CloseOnEscape
    anchors.centerIn: T.Overlay.overlay
    width: Math.min(440, (parent ? parent.width : 440) - 80)
    padding: 20
    topPadding: 16

    onOpened: acceptButton.forceActiveFocus(Qt.OtherFocusReason)

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
        objectName: "alertTitle"
        text: dialog.title
        color: "white"
        font.family: Theme.sans
        font.pixelSize: 15
        font.bold: true
        leftPadding: 20
        rightPadding: 20
        topPadding: 18
    }

    contentItem: Text {
        objectName: "alertMessage"
        Keys.onPressed: event => dialog.handleKey(event)
        text: dialog.message
        textFormat: Text.PlainText
        wrapMode: Text.Wrap
        color: Qt.rgba(1, 1, 1, 0.8)
        font.family: Theme.sans
        font.pixelSize: 13
    }

    footer: Item {
        implicitHeight: buttons.implicitHeight + 18
        RowLayout {
            id: buttons
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.top: parent.top
            anchors.leftMargin: 20
            anchors.rightMargin: 20
            spacing: 10
            Item {
                Layout.fillWidth: true
            }
            PanelButton {
                objectName: "alertRejectButton"
                Keys.onPressed: event => dialog.handleKey(event)
                visible: dialog.rejectText !== ""
                text: dialog.rejectText
                fontSize: 12
                horizontalPadding: 16
                labelColor: Qt.rgba(1, 1, 1, 0.8)
                strokeColor: Qt.rgba(1, 1, 1, 0.25)
                onClicked: dialog.reject()
            }
            PanelButton {
                id: acceptButton
                objectName: "alertAcceptButton"
                Keys.onPressed: event => dialog.handleKey(event)
                text: dialog.acceptText
                fontSize: 12
                horizontalPadding: 16
                fillColor: Theme.alpha(Theme.neonBlue, 0.3)
                strokeColor: Theme.neonBlue
                onClicked: {
                    dialog.acceptClicked()
                    dialog.accept()
                }
            }
        }
    }
}
