// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Layouts
import VantorLauncher

// The title of one group of settings.
Text {
    color: Theme.neonBlue
    font.family: Theme.mono
    font.pixelSize: 11
    font.bold: true
    font.letterSpacing: 1
    Layout.topMargin: 6
    Accessible.role: Accessible.Heading
    Accessible.name: text
}
