// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import VantorLauncher

// The keyboard focus outline of the launcher's controls: a neon ring just
// outside (or, with a positive inset, just inside) the control's edge.
Rectangle {
    property Item target: parent
    property real inset: -3
    property bool shown: target ? target.activeFocus : false
    objectName: "focusRing"

    parent: target
    anchors.fill: parent
    anchors.margins: inset
    radius: 4
    color: "transparent"
    border.color: Theme.focusRing
    border.width: 2
    visible: shown
    Accessible.ignored: true
}
