// SPDX-License-Identifier: GPL-3.0-or-later
#include "l10n/Translations.h"

#include "LogCategories.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <functional>
#include <memory>

namespace {

const QString kEnglish = QStringLiteral("en");

QString g_language = kEnglish;
QTranslator *g_launcher = nullptr;
QTranslator *g_qt = nullptr;

// Whether a language the system asks for is the one a translation serves:
// the same language, and for Chinese the same script (traditional
// characters are not served by the simplified translation).
bool serves(const QLocale &shipped, const QLocale &wanted)
{
    if (shipped.language() != wanted.language())
        return false;
    if (wanted.language() == QLocale::Chinese)
        return wanted.script() != QLocale::TraditionalChineseScript;
    return true;
}

} // namespace

QList<Translations::Language> Translations::languages()
{
    // Each named as its speakers name it, so that a player who cannot read
    // the current language still finds their own.
    return {
        {kEnglish, QStringLiteral("English")},
        {QStringLiteral("de"), QStringLiteral("Deutsch")},
        {QStringLiteral("fr"), QStringLiteral("Français")},
        {QStringLiteral("es"), QStringLiteral("Español")},
        {QStringLiteral("pt_BR"), QStringLiteral("Português (Brasil)")},
        {QStringLiteral("ru"), QStringLiteral("Русский")},
        {QStringLiteral("pl"), QStringLiteral("Polski")},
        {QStringLiteral("zh_CN"), QStringLiteral("简体中文")},
    };
}

QString Translations::languageFor(const QStringList &uiLanguages)
{
    const QList<Language> all = languages();
    for (const QString &name : uiLanguages) {
        const QLocale wanted(name);
        // "C" and "POSIX" are English to QLocale, as to the C library.
        if (wanted.language() == QLocale::English)
            return kEnglish;
        // The exact variant first (pt_BR for pt-BR), then the language's.
        const QString underscored = QString(name).replace(QLatin1Char('-'), QLatin1Char('_'));
        for (const Language &language : all) {
            if (underscored.compare(language.code, Qt::CaseInsensitive) == 0)
                return language.code;
        }
        for (const Language &language : all) {
            if (serves(QLocale(language.code), wanted))
                return language.code;
        }
    }
    return kEnglish;
}

QString Translations::resolve(const QString &choice)
{
    for (const Language &language : languages()) {
        if (language.code == choice)
            return choice;
    }
    return languageFor(QLocale::system().uiLanguages());
}

QString Translations::install(const QString &choice)
{
    const QString language = resolve(choice);
    if (language == g_language)
        return g_language;
    // Another language replaces the one before (tests go through them all).
    for (QTranslator *&translator : {std::ref(g_launcher), std::ref(g_qt)}) {
        if (translator) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
            translator = nullptr;
        }
    }
    g_language = kEnglish;
    if (language == kEnglish)
        return g_language;
    auto launcher = std::make_unique<QTranslator>();
    if (!launcher->load(QStringLiteral(":/i18n/vantor-launcher_") + language)) {
        qCWarning(lcL10n) << "no translation for" << language << "in the program";
        return g_language;
    }
    g_launcher = launcher.release();
    QCoreApplication::installTranslator(g_launcher);
    g_language = language;
    // Qt's own texts (the folder dialog, standard buttons, its error
    // messages) come from Qt's translations when the system has them.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QLocale(language), QStringLiteral("qt"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        g_qt = qt.release();
        QCoreApplication::installTranslator(g_qt);
    }
    qCDebug(lcL10n) << "language" << language;
    return g_language;
}

bool Translations::isTranslating()
{
    return g_language != kEnglish;
}

QString Translations::language()
{
    return g_language;
}

QLocale Translations::locale()
{
    return isTranslating() ? QLocale(g_language) : QLocale::c();
}
