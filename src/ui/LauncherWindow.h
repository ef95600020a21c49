// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class LauncherViewModel;
class QQmlEngine;
class QQuickWindow;

// Builds the launcher window (qrc:/VantorLauncher/Main.qml) over a view
// model, in the given engine. The executable, the screenshot tool and the
// benchmarks all start the window through here, so they show the same thing.
namespace LauncherWindow {

// Prepares the engine for the launcher's QML module (once per engine).
void prepareEngine(QQmlEngine &engine);
// The shown window, owned by the caller; nullptr (after logging why) when
// the QML cannot be loaded.
QQuickWindow *create(QQmlEngine &engine, LauncherViewModel *viewModel);

} // namespace LauncherWindow
