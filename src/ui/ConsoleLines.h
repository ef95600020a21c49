// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "steam/SteamCMDManager.h"

#include <QAbstractListModel>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

// The console's text as a list of lines, for a view that only lays out the
// lines on screen. The text only grows during a run (a SteamCMD validation
// writes tens of thousands of lines), so it is taken in appended pieces: new
// lines are inserted rows and a line still without its line end grows in
// place. Clearing starts afresh.
//
// The pieces come from a source, the manager whose console this shows, as it
// announces them; or, without a source, from setText(), which appends just the
// new tail of a growing text and starts afresh when the text is replaced.
class ConsoleLines : public QAbstractListModel
{
    Q_OBJECT
    QML_ELEMENT
    // Read-only while a source is set: the source is then the one writer.
    Q_PROPERTY(QString text READ text WRITE setText NOTIFY textChanged)
    Q_PROPERTY(int lineCount READ lineCount NOTIFY lineCountChanged)
    Q_PROPERTY(SteamCMDManager *source READ source WRITE setSource NOTIFY sourceChanged)

public:
    enum Role
    {
        LineRole = Qt::UserRole + 1,
    };

    explicit ConsoleLines(QObject *parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString &text);
    int lineCount() const { return int(m_lines.size()); }

    SteamCMDManager *source() const { return m_source; }
    // Shows source's console from now on: its current text at once, then
    // what it appends, starting afresh when it clears. nullptr stops
    // following and keeps the lines shown.
    void setSource(SteamCMDManager *source);

    // Adds text (with its own line ends) after what is shown.
    void append(const QString &text);
    // Empties the console.
    void clear();

    // Lines first..last (inclusive, in either order, clamped) joined by line
    // feeds; the last one gets its line end when it had one.
    Q_INVOKABLE QString linesText(int first, int last) const;
    // Puts linesText(first, last) on the clipboard.
    Q_INVOKABLE void copyLines(int first, int last) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

Q_SIGNALS:
    void textChanged();
    void lineCountChanged();
    void sourceChanged();

private:
    void replaceText(const QString &text);
    void resetLines();
    void appendLines(QStringView tail);
    bool continues(const QString &text) const;

    QPointer<SteamCMDManager> m_source;
    QString m_text;
    QStringList m_lines;
    // The last line has not seen its line end yet.
    bool m_lastLineOpen = false;
};
