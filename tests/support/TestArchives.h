// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

// A real archive of the given files (relative path -> content, written as
// executable scripts), made by the system's tar (gzip) or zip, no top folder.
QByteArray makeTarball(const QMap<QString, QByteArray> &files);
QByteArray makeZip(const QMap<QString, QByteArray> &files);
