import QtQuick
import Qt5Compat.GraphicalEffects
import VantorLauncher

// A picture clipped to a rounded rectangle (or a circle with radius = size/2).
Item {
    id: root
    property url source
    property real cornerRadius: 0

    Image {
        id: image
        anchors.fill: parent
        source: root.source
        fillMode: Image.PreserveAspectFit
        smooth: true
        mipmap: true
        layer.enabled: Ui.effectsEnabled
        layer.effect: OpacityMask {
            maskSource: Rectangle {
                width: image.width
                height: image.height
                radius: root.cornerRadius
            }
        }
    }
}
