// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <utility>

// A text for a person that also goes to the console and the run logs: the
// console is a log read in bug reports, so it keeps the English source text,
// while the window and the command line's standard error show the same text
// in the player's language. Both renderings are made when the text is made
// (the language is fixed for the run), so passing it on costs two strings.
//
// Arguments follow QString::arg: the lowest %N is replaced, in both
// renderings, by the argument's own rendering, so a translated message that
// holds another message (a failure with its reason) is translated whole.
class LocalizedText
{
public:
    LocalizedText() = default;
    // A text that no translation changes (a path, another program's words);
    // implicit, so that such a text goes wherever a message does.
    LocalizedText(const QString &text) : m_english(text), m_translated(text) {}

    // The source text, and what the installed translators make of it; the
    // literals must outlive the text (mark them with this very call, which
    // lupdate reads). With n >= 0, %n is the count and the plural form is
    // chosen by it.
    static LocalizedText translate(const char *context, const char *source,
                                   const char *disambiguation = nullptr, int n = -1);

    // Both renderings already made elsewhere.
    static LocalizedText rendered(QString english, QString translated)
    {
        return LocalizedText(std::move(english), std::move(translated));
    }

    LocalizedText arg(const LocalizedText &argument) const;
    LocalizedText arg(const QString &argument) const { return arg(LocalizedText(argument)); }
    LocalizedText arg(qint64 number) const;

    // For the console, logs and tests.
    const QString &english() const { return m_english; }
    // For the window and the command line's messages.
    const QString &translated() const { return m_translated; }
    bool isEmpty() const { return m_english.isEmpty(); }

    friend bool operator==(const LocalizedText &a, const LocalizedText &b)
    {
        return a.m_english == b.m_english;
    }

private:
    LocalizedText(QString english, QString translated)
        : m_english(std::move(english)), m_translated(std::move(translated))
    {}

    QString m_english;
    QString m_translated;
};
