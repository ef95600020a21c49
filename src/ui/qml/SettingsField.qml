// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Layouts
import VantorLauncher

// A labelled text setting. It shows value and hands the typed text on
// (committed) once the editing ends: Return, Enter, or the focus moving
// away, not on every key. Items declared inside it go beside the field.
ColumnLayout {
    id: setting
    property string label
    property string value
    property string accessibleName: label
    property alias placeholderText: input.placeholderText
    property alias validator: input.validator
    property alias inputName: input.objectName
    readonly property alias input: input
    default property alias trailing: row.data
    signal committed(string text)

    // Hands on what was typed, when it differs from the value.
    function commit() {
        if (input.text !== value)
            committed(input.text)
    }

    spacing: 4
    Text {
        text: setting.label
        color: Qt.rgba(1, 1, 1, 0.7)
        font.family: Theme.sans
        font.pixelSize: 12
        Accessible.ignored: true
    }
    RowLayout {
        id: row
        Layout.fillWidth: true
        spacing: 8
        NeonTextField {
            id: input
            Layout.fillWidth: true
            // Takes what the row leaves: a long placeholder does not widen it.
            Layout.preferredWidth: 80
            text: setting.value
            Accessible.name: setting.accessibleName
            onEditingFinished: setting.commit()
        }
    }
}
