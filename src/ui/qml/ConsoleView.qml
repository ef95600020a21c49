import QtQuick
import QtQuick.Controls.Basic
import VantorLauncher

// SteamCMD's output. A validation writes tens of thousands of lines, so the
// console is a list of lines that only lays out what is on screen, fed with
// just the new tail of the log on each change (ConsoleLines). It follows the
// end on every change, also when the user had scrolled up. Lines are
// selected with the mouse (shift extends) or Ctrl+A, and copied with Ctrl+C.
// While hidden (the other tab is shown) it does no work and catches up when
// shown again.
Rectangle {
    id: console
    property string log
    property string placeholder: "Awaiting command..."
    // The selected lines, -1 when none.
    property int selectionAnchor: -1
    property int selectionEnd: -1
    readonly property int selectionFirst: Math.min(selectionAnchor, selectionEnd)
    readonly property int selectionLast: Math.max(selectionAnchor, selectionEnd)
    readonly property alias lines: lines
    readonly property alias view: list

    implicitHeight: 120
    radius: 4
    color: Qt.rgba(0, 0, 0, 0.7)
    border.color: Theme.alpha(Theme.neonGreen, activeFocus ? 0.4 : 0.15)
    border.width: 1
    clip: true
    activeFocusOnTab: true

    function sync() {
        if (visible)
            lines.text = log
    }
    onLogChanged: sync()
    onVisibleChanged: sync()
    Component.onCompleted: sync()

    function selectAll() {
        selectionAnchor = 0
        selectionEnd = lines.lineCount - 1
    }
    function copySelection() {
        if (selectionAnchor >= 0 && lines.lineCount > 0)
            lines.copyLines(selectionFirst, selectionLast)
    }

    Keys.onPressed: event => {
        if (event.matches(StandardKey.Copy)) {
            copySelection()
            event.accepted = true
        } else if (event.matches(StandardKey.SelectAll)) {
            selectAll()
            event.accepted = true
        }
    }

    ConsoleLines {
        id: lines
        objectName: "consoleLines"
        onModelReset: {
            console.selectionAnchor = -1
            console.selectionEnd = -1
            Qt.callLater(console.followEnd)
        }
        onRowsInserted: Qt.callLater(console.followEnd)
        onDataChanged: Qt.callLater(console.followEnd)
    }

    function followEnd() {
        list.positionViewAtEnd()
    }

    ListView {
        id: list
        objectName: "consoleList"
        anchors.fill: parent
        anchors.margins: 1
        model: lines
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        // Kept generous so scrolling back does not stutter.
        cacheBuffer: 400
        header: Item {
            height: 10
        }
        footer: Item {
            height: 10
        }
        ScrollBar.vertical: ScrollBar {
            id: scrollBar
            policy: ScrollBar.AsNeeded
        }
        onHeightChanged: console.followEnd()

        delegate: Text {
            required property string line
            required property int index
            readonly property bool selected: index >= console.selectionFirst
                                             && index <= console.selectionLast
            width: ListView.view.width
            leftPadding: 10
            rightPadding: 10
            text: line
            textFormat: Text.PlainText
            wrapMode: Text.Wrap
            color: selected ? "white" : Theme.alpha(Theme.neonGreen, 0.8)
            font.family: Theme.mono
            font.pixelSize: 11

            Rectangle {
                z: -1
                anchors.fill: parent
                visible: parent.selected
                color: Theme.alpha(Theme.neonGreen, 0.3)
            }
        }
    }

    // Selecting lines; the wheel and the scroll bar stay with the list.
    MouseArea {
        objectName: "consoleMouseArea"
        anchors.fill: parent
        anchors.rightMargin: scrollBar.width + 2
        cursorShape: Qt.IBeamCursor
        function rowAt(y) {
            const contentY = list.contentY + y
            let row = list.indexAt(20, contentY)
            if (row < 0)
                row = contentY < list.originY + 10 ? 0 : lines.lineCount - 1
            return row
        }
        onPressed: mouse => {
            console.forceActiveFocus()
            if (lines.lineCount === 0)
                return
            const row = rowAt(mouse.y)
            if (!(mouse.modifiers & Qt.ShiftModifier) || console.selectionAnchor < 0)
                console.selectionAnchor = row
            console.selectionEnd = row
        }
        onPositionChanged: mouse => {
            if (pressed && lines.lineCount > 0)
                console.selectionEnd = rowAt(Math.max(0, Math.min(height - 1, mouse.y)))
        }
        onWheel: wheel => wheel.accepted = false
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
