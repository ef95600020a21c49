// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Layouts
import VantorLauncher

// The two data sources side by side; the selection slides between them.
// One stop in the Tab chain (the selected tab); the arrow keys move the
// selection, the way page tabs work for keyboard and screen-reader users.
Rectangle {
    id: bar
    // Entries: { tab, icon, title, objectName } in tab-bar order.
    property var tabs: []
    property var activeTab
    signal tabClicked(var tab)
    readonly property bool hasFocus: {
        for (let i = 0; i < repeater.count; ++i) {
            const button = repeater.itemAt(i)
            if (button && button.activeFocus)
                return true
        }
        return false
    }

    readonly property int activeIndex: {
        for (let i = 0; i < tabs.length; ++i) {
            if (tabs[i].tab === activeTab)
                return i
        }
        return 0
    }

    function moveSelection(step) {
        if (tabs.length === 0)
            return
        const index = (activeIndex + step + tabs.length) % tabs.length
        // Focus first: the tab that had it leaves the Tab chain once the
        // selection moves, which Qt refuses while it still has the focus.
        const button = repeater.itemAt(index)
        if (button)
            button.forceActiveFocus(Qt.TabFocusReason)
        tabClicked(tabs[index].tab)
    }

    implicitHeight: row.implicitHeight
    color: Qt.rgba(0, 0, 0, 0.5)
    radius: 6
    clip: true
    Accessible.role: Accessible.PageTabList
    Accessible.name: qsTr("Game data source")

    Rectangle {
        id: selection
        objectName: "tabSelection"
        width: bar.tabs.length > 0 ? bar.width / bar.tabs.length : 0
        height: bar.height
        x: bar.activeIndex * width
        radius: bar.radius
        color: Theme.alpha(Theme.neonBlue, 0.25)
        Behavior on x {
            NumberAnimation {
                duration: 200
                easing.type: Easing.InOutQuad
            }
        }
    }

    RowLayout {
        id: row
        anchors.fill: parent
        spacing: 0

        Repeater {
            id: repeater
            model: bar.tabs
            delegate: Item {
                id: button
                required property var modelData
                required property int index
                readonly property bool selected: bar.activeIndex === index
                objectName: modelData.objectName
                Layout.fillWidth: true
                Layout.fillHeight: true
                Layout.preferredWidth: 1
                implicitHeight: label.implicitHeight + 20
                activeFocusOnTab: selected

                Accessible.role: Accessible.PageTab
                Accessible.name: modelData.title
                Accessible.checkable: true
                Accessible.checked: selected
                Accessible.selectable: true
                Accessible.selected: selected
                Accessible.focusable: true
                Accessible.onPressAction: bar.tabClicked(modelData.tab)

                Keys.onLeftPressed: bar.moveSelection(-1)
                Keys.onRightPressed: bar.moveSelection(1)
                Keys.onPressed: event => {
                    if (event.key === Qt.Key_Home || event.key === Qt.Key_End) {
                        bar.moveSelection((event.key === Qt.Key_Home ? 0 : bar.tabs.length - 1)
                                          - bar.activeIndex)
                        event.accepted = true
                    }
                }

                Row {
                    id: label
                    anchors.centerIn: parent
                    spacing: 8
                    opacity: button.selected ? 1.0 : 0.4
                    Behavior on opacity {
                        NumberAnimation {
                            duration: 200
                            easing.type: Easing.InOutQuad
                        }
                    }
                    Icon {
                        anchors.verticalCenter: parent.verticalCenter
                        name: button.modelData.icon
                        size: 13
                    }
                    Text {
                        anchors.verticalCenter: parent.verticalCenter
                        text: button.modelData.title
                        color: "white"
                        font.family: Theme.mono
                        font.pixelSize: 12
                        font.bold: true
                        Accessible.ignored: true
                    }
                }

                FocusRing {
                    target: button
                    radius: bar.radius
                    inset: 2
                }

                TapHandler {
                    onTapped: bar.tabClicked(button.modelData.tab)
                }
            }
        }
    }

    // The outline is drawn over the selection so the rounded edge stays crisp.
    Rectangle {
        anchors.fill: parent
        color: "transparent"
        radius: bar.radius
        border.color: Theme.alpha(Theme.neonBlue, 0.3)
        border.width: 1
    }
}
