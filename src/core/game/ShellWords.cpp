// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ShellWords.h"

#include <QCoreApplication>

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n');
}

// What a backslash inside double quotes escapes; before anything else it is
// an ordinary character.
bool escapableInDoubleQuotes(QChar c)
{
    return c == QLatin1Char('$') || c == QLatin1Char('`') || c == QLatin1Char('"') ||
           c == QLatin1Char('\\') || c == QLatin1Char('\n');
}

QString neverClosed(const char *quote, qsizetype index)
{
    // Counted from 1, as a person counts along the line.
    //: %1 is "single" or "double" (translated apart), %2 a number.
    return QCoreApplication::translate("ShellWords", "the %1 quote at character %2 is never closed")
        .arg(QCoreApplication::translate("ShellWords", quote))
        .arg(index + 1);
}

} // namespace

ShellWords::Result ShellWords::split(const QString &text)
{
    Result result;
    QString word;
    // A word can be empty ('' or ""), so whether one is open is kept apart
    // from its text.
    bool inWord = false;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (isBlank(c)) {
            if (inWord) {
                result.words.append(word);
                word.clear();
                inWord = false;
            }
        } else if (c == QLatin1Char('\\')) {
            if (i + 1 == size)
                return {{},
                        QCoreApplication::translate("ShellWords",
                                                    "the backslash at the end escapes nothing")};
            ++i;
            // A line continuation joins the lines and is no character itself.
            if (text.at(i) != QLatin1Char('\n')) {
                word.append(text.at(i));
                inWord = true;
            }
        } else if (c == QLatin1Char('\'')) {
            const qsizetype close = text.indexOf(QLatin1Char('\''), i + 1);
            if (close < 0)
                return {{}, neverClosed(QT_TRANSLATE_NOOP("ShellWords", "single"), i)};
            word.append(QStringView(text).mid(i + 1, close - i - 1));
            inWord = true;
            i = close;
        } else if (c == QLatin1Char('"')) {
            const qsizetype open = i;
            inWord = true;
            for (++i;; ++i) {
                if (i >= size)
                    return {{}, neverClosed(QT_TRANSLATE_NOOP("ShellWords", "double"), open)};
                const QChar inner = text.at(i);
                if (inner == QLatin1Char('"'))
                    break;
                if (inner == QLatin1Char('\\') && i + 1 < size &&
                    escapableInDoubleQuotes(text.at(i + 1))) {
                    ++i;
                    if (text.at(i) != QLatin1Char('\n'))
                        word.append(text.at(i));
                } else {
                    word.append(inner);
                }
            }
        } else {
            word.append(c);
            inWord = true;
        }
    }
    if (inWord)
        result.words.append(word);
    return result;
}
