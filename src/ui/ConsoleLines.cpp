// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConsoleLines.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {
// How much of the end of the shown text must reappear, at the same place, in
// a new text for it to count as a continuation.
constexpr qsizetype kProbe = 64;

// A line without its line end, and without the carriage return of a CRLF.
QString lineOf(QStringView piece)
{
    if (piece.endsWith(QLatin1Char('\r')))
        piece.chop(1);
    return piece.toString();
}
} // namespace

ConsoleLines::ConsoleLines(QObject *parent) : QAbstractListModel(parent) {}

bool ConsoleLines::continues(const QString &text) const
{
    if (text.size() < m_text.size())
        return false;
    const qsizetype probe = qMin(kProbe, m_text.size());
    const qsizetype from = m_text.size() - probe;
    return QStringView(text).mid(from, probe) == QStringView(m_text).mid(from, probe);
}

void ConsoleLines::setText(const QString &text)
{
    if (m_source)
        return; // the source writes; a second writer would show lines twice
    replaceText(text);
}

void ConsoleLines::replaceText(const QString &text)
{
    if (text.size() == m_text.size() && continues(text))
        return;
    const int linesBefore = lineCount();
    if (!continues(text))
        resetLines();
    const qsizetype from = m_text.size();
    m_text = text;
    appendLines(QStringView(m_text).mid(from));
    Q_EMIT textChanged();
    if (lineCount() != linesBefore)
        Q_EMIT lineCountChanged();
}

void ConsoleLines::setSource(SteamCMDManager *source)
{
    if (m_source == source)
        return;
    if (m_source)
        m_source->disconnect(this);
    m_source = source;
    if (source) {
        connect(source, &SteamCMDManager::consoleAppended, this, &ConsoleLines::append);
        connect(source, &SteamCMDManager::consoleCleared, this, &ConsoleLines::clear);
        // Whatever the console already holds is the start.
        replaceText(source->consoleLog());
    }
    Q_EMIT sourceChanged();
}

void ConsoleLines::append(const QString &text)
{
    if (text.isEmpty())
        return;
    const int linesBefore = lineCount();
    m_text += text;
    appendLines(text);
    Q_EMIT textChanged();
    if (lineCount() != linesBefore)
        Q_EMIT lineCountChanged();
}

void ConsoleLines::clear()
{
    if (m_text.isEmpty() && m_lines.isEmpty())
        return;
    const int linesBefore = lineCount();
    resetLines();
    Q_EMIT textChanged();
    if (linesBefore != 0)
        Q_EMIT lineCountChanged();
}

void ConsoleLines::resetLines()
{
    beginResetModel();
    m_lines.clear();
    m_lastLineOpen = false;
    m_text.clear();
    endResetModel();
}

void ConsoleLines::appendLines(QStringView tail)
{
    if (tail.isEmpty())
        return;
    qsizetype start = 0;
    // The first piece finishes (or extends) a line that is still open.
    if (m_lastLineOpen) {
        const qsizetype end = tail.indexOf(QLatin1Char('\n'));
        QString &last = m_lines.last();
        last += end < 0 ? tail : tail.first(end);
        if (end >= 0) {
            if (last.endsWith(QLatin1Char('\r')))
                last.chop(1);
            m_lastLineOpen = false;
        }
        const QModelIndex index = createIndex(int(m_lines.size()) - 1, 0);
        Q_EMIT dataChanged(index, index, {LineRole});
        if (end < 0)
            return;
        start = end + 1;
    }
    QStringList added;
    while (start < tail.size()) {
        const qsizetype end = tail.indexOf(QLatin1Char('\n'), start);
        if (end < 0) {
            added.append(tail.mid(start).toString());
            m_lastLineOpen = true;
            break;
        }
        added.append(lineOf(tail.mid(start, end - start)));
        start = end + 1;
    }
    if (added.isEmpty())
        return;
    const int first = int(m_lines.size());
    beginInsertRows(QModelIndex(), first, first + int(added.size()) - 1);
    m_lines.append(added);
    endInsertRows();
}

QString ConsoleLines::linesText(int first, int last) const
{
    if (m_lines.isEmpty())
        return {};
    if (first > last)
        std::swap(first, last);
    first = qBound(0, first, lineCount() - 1);
    last = qBound(0, last, lineCount() - 1);
    QString result;
    for (int i = first; i <= last; ++i) {
        result += m_lines.at(i);
        if (i < last || !(i == lineCount() - 1 && m_lastLineOpen))
            result += QLatin1Char('\n');
    }
    return result;
}

void ConsoleLines::copyLines(int first, int last) const
{
    if (QClipboard *clipboard = QGuiApplication::clipboard())
        clipboard->setText(linesText(first, last));
}

int ConsoleLines::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : lineCount();
}

QVariant ConsoleLines::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= lineCount())
        return {};
    if (role == LineRole || role == Qt::DisplayRole)
        return m_lines.at(index.row());
    return {};
}

QHash<int, QByteArray> ConsoleLines::roleNames() const
{
    return {{LineRole, "line"}};
}
