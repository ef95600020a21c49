// SPDX-License-Identifier: GPL-3.0-or-later
#include "l10n/LocalizedText.h"

#include "l10n/Translations.h"

#include <QCoreApplication>

LocalizedText LocalizedText::translate(const char *context, const char *source,
                                       const char *disambiguation, int n)
{
    QString english = QString::fromUtf8(source);
    // What translate() does when no translator knows the text.
    if (n >= 0)
        english.replace(QLatin1String("%n"), QString::number(n));
    QString translated = Translations::isTranslating()
                             ? QCoreApplication::translate(context, source, disambiguation, n)
                             : english;
    return LocalizedText(std::move(english), std::move(translated));
}

LocalizedText LocalizedText::arg(const LocalizedText &argument) const
{
    return LocalizedText(m_english.arg(argument.m_english),
                         m_translated.arg(argument.m_translated));
}

LocalizedText LocalizedText::arg(qint64 number) const
{
    return LocalizedText(m_english.arg(number),
                         m_translated.arg(Translations::locale().toString(number)));
}
