// SPDX-License-Identifier: GPL-3.0-or-later
pragma Singleton
import QtQuick
import VantorLauncher

// The launcher's palette and type: a dark console with neon accents.
QtObject {
    readonly property color neonBlue: Qt.rgba(0.1, 0.5, 1.0, 1.0)
    readonly property color neonGreen: Qt.rgba(0.1, 0.9, 0.4, 1.0)
    readonly property color darkPanel: Qt.rgba(0, 0, 0, 0.85)
    // The desktop's usual named colours for states.
    readonly property color gray: "#8e8e93"
    readonly property color orange: "#ff9500"
    readonly property color red: "#ff3b30"
    readonly property color windowBackground: "#0b0d12"
    // The keyboard focus outline: bright on the dark panels, in the theme.
    readonly property color focusRing: Qt.rgba(0.45, 0.75, 1.0, 1.0)

    readonly property string sans: Ui.sansFamily
    readonly property string mono: Ui.monoFamily

    function alpha(c, a) {
        return Qt.rgba(c.r, c.g, c.b, a)
    }
}
