import QtQuick
import QtQuick.Layouts
import VantorLauncher

// The two data sources side by side; the selection slides between them.
Rectangle {
    id: bar
    // Entries: { tab, icon, title, objectName } in tab-bar order.
    property var tabs: []
    property var activeTab
    signal tabClicked(var tab)

    readonly property int activeIndex: {
        for (let i = 0; i < tabs.length; ++i) {
            if (tabs[i].tab === activeTab)
                return i
        }
        return 0
    }

    implicitHeight: row.implicitHeight
    color: Qt.rgba(0, 0, 0, 0.5)
    radius: 6
    clip: true

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
            model: bar.tabs
            delegate: Item {
                id: button
                required property var modelData
                required property int index
                readonly property bool selected: bar.activeIndex === index
                objectName: modelData.objectName
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                implicitHeight: label.implicitHeight + 20

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
                    }
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
