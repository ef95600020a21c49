#pragma once

#include <QAbstractListModel>
#include <QString>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

// The console's text as a list of lines, for a view that only lays out the
// lines on screen. The text only grows during a run (a SteamCMD validation
// writes tens of thousands of lines), so setText() appends just the new tail:
// new lines are inserted rows and a line still without its line end grows in
// place. A text that shrinks or is replaced by another starts afresh.
class ConsoleLines : public QAbstractListModel
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString text READ text WRITE setText NOTIFY textChanged)
    Q_PROPERTY(int lineCount READ lineCount NOTIFY lineCountChanged)

public:
    enum Role
    {
        LineRole = Qt::UserRole + 1,
    };

    explicit ConsoleLines(QObject *parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString &text);
    int lineCount() const { return int(m_lines.size()); }

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

private:
    void appendText(QStringView tail);
    bool continues(const QString &text) const;

    QString m_text;
    QStringList m_lines;
    // The last line has not seen its line end yet.
    bool m_lastLineOpen = false;
};
