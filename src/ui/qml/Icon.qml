// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import VantorLauncher

// One of the launcher's symbols, painted in a single colour. It takes the
// given size in layouts; the picture behind it is drawn for the screen's
// device pixel ratio (the image provider is asked for size × ratio), so it
// stays sharp at any scaling without changing the item's size.
Item {
    id: icon
    property string name
    property color color: "white"
    property real size: 13
    readonly property alias image: picture

    implicitWidth: size
    implicitHeight: size
    Accessible.ignored: true

    Image {
        id: picture
        anchors.fill: parent
        sourceSize: Qt.size(Math.ceil(icon.size), Math.ceil(icon.size))
        fillMode: Image.PreserveAspectFit
        smooth: true
        source: icon.name === "" ? "" : Ui.iconSource(icon.name, icon.color)
    }
}
