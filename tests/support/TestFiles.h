// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Files and folders the tests lay out, and the processes they check on.

// Writes a file (creating its folders); returns false on failure.
bool writeFile(const QString &path, const QByteArray &content);
// Writes an executable shell script.
bool writeScript(const QString &path, const QByteArray &script);
// The file's bytes, empty when it cannot be read.
QByteArray readFile(const QString &path);
// True while a process of that id exists (zombies included).
bool processAlive(qint64 pid);

// A local game folder: base game and expansion markers in two subfolders.
QString makeGameFolder(const QString &root);
// Marker archives where a finished Steam download leaves them.
bool makeSteamAssets();
