import QtQuick
import VantorLauncher

// One of the launcher's symbols, painted in a single colour.
Image {
    id: icon
    property string name
    property color color: "white"
    property real size: 13

    width: size
    height: size
    sourceSize: Qt.size(Math.ceil(size * 2), Math.ceil(size * 2))
    fillMode: Image.PreserveAspectFit
    smooth: true
    source: name === "" ? "" : Ui.iconSource(name, color)
}
