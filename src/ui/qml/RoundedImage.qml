// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import VantorLauncher

// A picture clipped to a rounded rectangle (or a circle with radius = size/2).
// The corners are cut when the picture is loaded (RoundedPictureProvider),
// at the screen's pixel density, so no shader effect is needed. Decoded
// beside the window's creation; it shows a few frames after the first.
Item {
    id: root
    property url source
    property real cornerRadius: 0

    Image {
        id: image
        anchors.fill: parent
        source: root.source.toString() === "" ? ""
              : Ui.roundedPicture(root.source, root.cornerRadius / Math.max(1, Math.min(root.width, root.height)))
        sourceSize: Qt.size(Math.ceil(root.width), Math.ceil(root.height))
        fillMode: Image.PreserveAspectFit
        smooth: true
        asynchronous: true
    }
}
