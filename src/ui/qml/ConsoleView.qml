// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Controls.Basic
import VantorLauncher

// SteamCMD's output. A validation writes tens of thousands of lines, so the
// console is a list of lines that only lays out what is on screen, fed with
// just the new tail of the log on each change (ConsoleLines). It follows the
// end as output arrives, except while the user has scrolled up or holds a
// selection; scrolling back to the end makes it follow again. Lines are
// selected with the mouse (shift extends, dragging past an edge scrolls) or
// Ctrl+A, and copied with Ctrl+C or the right-click menu.
// With lines.source set (the window sets the manager) the lines take each
// appended piece as the manager announces it, shown or hidden: the other tab
// being shown saves only the drawing. Without a source, log is taken in only
// while shown, and caught up with when shown again.
// Every line is the same height and the visible part of the list is a whole
// number of lines, so the view that follows the end never shows half a line
// at its top.
Rectangle {
    id: console
    property string log
    property string placeholder: qsTr("Awaiting command...")
    // The selected lines, -1 when none.
    property int selectionAnchor: -1
    property int selectionEnd: -1
    readonly property int selectionFirst: Math.min(selectionAnchor, selectionEnd)
    readonly property int selectionLast: Math.max(selectionAnchor, selectionEnd)
    readonly property alias lines: lines
    readonly property alias view: list
    // Whether new output scrolls the view to the end.
    property bool following: true

    // The height of one line of text, wrapped lines counting one each.
    readonly property real lineStep: Math.ceil(lineMetrics.height)
    readonly property real padding: 6
    // The fewest lines the console shows, wherever it is squeezed.
    property int minimumLines: 5
    readonly property real minimumHeight: minimumLines * lineStep + 2 * padding
    readonly property int visibleLines: Math.max(1, Math.floor((height - 2 * padding) / lineStep))

    FontMetrics {
        id: lineMetrics
        font.family: Theme.mono
        font.pixelSize: 11
    }

    implicitHeight: 120
    radius: 4
    color: Qt.rgba(0, 0, 0, 0.7)
    border.color: Theme.alpha(Theme.neonGreen, 0.15)
    border.width: 1
    activeFocusOnTab: true
    Accessible.role: Accessible.List
    Accessible.name: qsTr("SteamCMD console")
    Accessible.focusable: true

    function sync() {
        if (visible)
            lines.text = log
    }
    onLogChanged: sync()
    onVisibleChanged: sync()
    Component.onCompleted: sync()

    function selectAll() {
        if (lines.lineCount === 0)
            return
        selectionAnchor = 0
        selectionEnd = lines.lineCount - 1
        following = false
    }
    function clearSelection() {
        selectionAnchor = -1
        selectionEnd = -1
    }
    // The context menu is made on first use.
    property var contextMenu: null
    function openContextMenu(x, y) {
        if (!contextMenu)
            contextMenu = contextMenuComponent.createObject(console)
        contextMenu.popup(console, x, y)
    }
    Component {
        id: contextMenuComponent
        Menu {
            objectName: "consoleMenu"
            MenuItem {
                objectName: "consoleCopyItem"
                text: qsTr("Copy")
                enabled: console.selectionAnchor >= 0
                onTriggered: console.copySelection()
            }
            MenuItem {
                objectName: "consoleSelectAllItem"
                text: qsTr("Select All")
                enabled: lines.lineCount > 0
                onTriggered: console.selectAll()
            }
        }
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
        } else if (event.key === Qt.Key_Menu) {
            openContextMenu(10, 10)
            event.accepted = true
        } else if (event.key === Qt.Key_Escape && selectionAnchor >= 0) {
            clearSelection()
            event.accepted = true
        }
    }
    FocusRing {
        target: console
        z: 10
    }

    ConsoleLines {
        id: lines
        objectName: "consoleLines"
        onModelReset: {
            console.selectionAnchor = -1
            console.selectionEnd = -1
            console.following = true
            Qt.callLater(console.followEnd)
        }
        onRowsInserted: Qt.callLater(console.followEnd)
        onDataChanged: Qt.callLater(console.followEnd)
    }

    // Scrolls that the console makes itself do not change whether it follows.
    property bool scrollingItself: false
    function followEnd() {
        if (!following)
            return
        scrollingItself = true
        list.positionViewAtEnd()
        scrollingItself = false
    }
    // The user moved the view: it follows again exactly when they brought it
    // back to the end.
    function userScrolled() {
        if (!scrollingItself)
            following = list.atYEnd
    }

    ListView {
        id: list
        objectName: "consoleList"
        x: 1
        y: console.padding
        width: parent.width - 2
        height: console.visibleLines * console.lineStep
        model: lines
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        // Kept generous so scrolling back does not stutter.
        cacheBuffer: 400
        ScrollBar.vertical: ScrollBar {
            id: scrollBar
            parent: list.parent
            x: list.x + list.width - width
            y: 1
            height: console.height - 2
            policy: ScrollBar.AsNeeded
        }
        onHeightChanged: console.followEnd()
        onMovementEnded: console.userScrolled()
        onContentYChanged: {
            if (moving || scrollBar.pressed || wheelScroll.running)
                console.userScrolled()
        }
        Timer {
            // Wheel scrolling does not count as "moving"; a wheel turn marks
            // the next moments as the user's.
            id: wheelScroll
            interval: 200
        }

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
            lineHeightMode: Text.FixedHeight
            lineHeight: console.lineStep
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
        acceptedButtons: Qt.LeftButton | Qt.RightButton
        // A drag here selects lines; nothing around may take it over.
        preventStealing: true
        // Dragging past the top or bottom edge scrolls while selecting.
        property real dragY: 0
        Timer {
            id: edgeScroll
            interval: 40
            repeat: true
            running: (parent.pressedButtons & Qt.LeftButton) !== 0
                     && (parent.dragY < 0 || parent.dragY > parent.height)
            onTriggered: {
                const area = parent
                const step = area.dragY < 0 ? -14 : 14
                const top = list.originY
                const bottom = Math.max(top, list.originY + list.contentHeight - list.height)
                list.contentY = Math.max(top, Math.min(bottom, list.contentY + step))
                console.selectionEnd = area.rowAt(Math.max(0, Math.min(area.height - 1, area.dragY)))
            }
        }
        function rowAt(y) {
            const contentY = list.contentY + y - list.y
            let row = list.indexAt(20, contentY)
            if (row < 0)
                row = contentY < list.originY ? 0 : lines.lineCount - 1
            return row
        }
        onPressed: mouse => {
            console.forceActiveFocus()
            dragY = mouse.y
            if (mouse.button === Qt.RightButton) {
                console.openContextMenu(mouse.x, mouse.y)
                return
            }
            if (lines.lineCount === 0)
                return
            console.following = false
            const row = rowAt(mouse.y)
            if (!(mouse.modifiers & Qt.ShiftModifier) || console.selectionAnchor < 0)
                console.selectionAnchor = row
            console.selectionEnd = row
        }
        onPositionChanged: mouse => {
            dragY = mouse.y
            if ((pressedButtons & Qt.LeftButton) && lines.lineCount > 0)
                console.selectionEnd = rowAt(Math.max(0, Math.min(height - 1, mouse.y)))
        }
        onWheel: wheel => {
            wheelScroll.restart()
            wheel.accepted = false
        }
    }

    Text {
        objectName: "consolePlaceholder"
        visible: console.log.length === 0
        x: 10 + 1
        y: console.padding
        text: console.placeholder
        color: Theme.alpha(Theme.neonGreen, 0.8)
        font.family: Theme.mono
        font.pixelSize: 11
    }
}
