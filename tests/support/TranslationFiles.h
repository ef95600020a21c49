// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The translation sources (translations/*.ts) as the tests read them: each
// message with its source text and its translation (one per plural form).
struct TranslationMessage
{
    QString context;
    QString source;
    QString comment; // the disambiguation, if any
    QString type;    // "", "unfinished", "obsolete" or "vanished"
    bool numerus = false;
    QStringList translations;
};

struct TranslationFile
{
    QString language; // "de", "pt_BR", ... as in the file's name
    QString path;
    QList<TranslationMessage> messages;
    QString error; // why the file could not be read; empty when it could
};

namespace TranslationFiles {

// Every vantor-launcher_*.ts of the source tree, by language.
QList<TranslationFile> all();
// The one of a language.
TranslationFile read(const QString &path);

} // namespace TranslationFiles
