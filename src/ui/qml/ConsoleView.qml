import QtQuick
import QtQuick.Controls.Basic
import VantorLauncher

// SteamCMD's output. The log only grows during a run (a validation writes
// tens of thousands of lines), so only the new tail is appended to the
// document: re-setting the whole text would lay out everything on every
// chunk. A log that shrinks or was replaced is shown afresh. The view
// follows the end on every change, also when the user had scrolled up.
// While hidden (the other tab is shown) it does no work and catches up
// when shown again.
Rectangle {
    id: console
    property string log
    property string placeholder: "Awaiting command..."

    // What the document holds: its length and its last characters, to notice
    // a log that was replaced by another one of greater length.
    property int shownLength: 0
    property string shownTail: ""
    readonly property int tailProbe: 64
    readonly property alias text: edit.text
    readonly property alias flickable: flick

    implicitHeight: 120
    radius: 4
    color: Qt.rgba(0, 0, 0, 0.7)
    border.color: Theme.alpha(Theme.neonGreen, 0.15)
    border.width: 1
    clip: true

    onLogChanged: {
        if (visible)
            sync()
    }
    onVisibleChanged: {
        if (visible)
            sync()
    }
    Component.onCompleted: sync()

    function sync() {
        const n = log.length
        if (n === shownLength && n === edit.length && log.endsWith(shownTail))
            return
        const probe = Math.min(tailProbe, shownLength)
        if (n < shownLength || log.substring(shownLength - probe, shownLength) !== shownTail) {
            edit.clear()
            shownLength = 0
        }
        if (n > shownLength)
            edit.insert(edit.length, log.substring(shownLength))
        shownLength = n
        shownTail = log.substring(n - Math.min(tailProbe, n), n)
        followEnd()
    }

    function followEnd() {
        flick.contentY = Math.max(0, flick.contentHeight - flick.height)
    }

    Flickable {
        id: flick
        objectName: "consoleFlickable"
        anchors.fill: parent
        anchors.margins: 1
        contentWidth: width
        contentHeight: edit.implicitHeight
        boundsBehavior: Flickable.StopAtBounds
        clip: true
        // Growth comes only from new output: keep the end in view.
        onContentHeightChanged: console.followEnd()
        onHeightChanged: console.followEnd()

        ScrollBar.vertical: ScrollBar {
            policy: ScrollBar.AsNeeded
        }

        TextEdit {
            id: edit
            objectName: "consoleText"
            width: flick.width
            padding: 10
            readOnly: true
            selectByMouse: true
            persistentSelection: true
            textFormat: TextEdit.PlainText
            wrapMode: TextEdit.Wrap
            color: Theme.alpha(Theme.neonGreen, 0.8)
            selectionColor: Theme.alpha(Theme.neonGreen, 0.35)
            selectedTextColor: "white"
            font.family: Theme.mono
            font.pixelSize: 11
        }
    }

    Text {
        objectName: "consolePlaceholder"
        visible: console.log.length === 0
        x: 10 + 1
        y: 10 + 1
        text: console.placeholder
        color: Theme.alpha(Theme.neonGreen, 0.8)
        font.family: Theme.mono
        font.pixelSize: 11
    }
}
