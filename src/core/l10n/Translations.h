// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

// The languages the launcher speaks and the translators of the one chosen.
// English is the source language: it needs no translator, and a language
// the launcher does not speak falls back to it. Both the window and the
// commands install the translators before they make anything that shows a
// text; the language then stays for the whole run.
class Translations
{
public:
    struct Language
    {
        QString code;       // as in the translation files' names: "de", "pt_BR"
        QString nativeName; // the language named in itself: "Deutsch"
    };

    // English first, then the translations the program carries.
    static QList<Language> languages();
    // The shipped language that suits the first of these that the launcher
    // speaks (QLocale::uiLanguages() order: LANGUAGE, LC_MESSAGES, LANG);
    // "en" when English comes first or none fits.
    static QString languageFor(const QStringList &uiLanguages);
    // A choice stored in the settings or given with --lang: a language code
    // the launcher speaks, or empty for the system's. An unknown code is
    // treated as empty.
    static QString resolve(const QString &choice);

    // Installs the launcher's and Qt's own translators for the choice
    // (see resolve()) on the running application; returns the language
    // now in use. Called before anything is shown; a later call replaces
    // the language (a window made afterwards shows the new one).
    static QString install(const QString &choice);
    // Whether texts are translated (a language other than English is in use).
    static bool isTranslating();
    // The language in use ("en" before install()).
    static QString language();
    // Numbers, sizes and times are written the way the language in use
    // writes them.
    static QLocale locale();
};
