// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QMetaType>
#include <QObject>
#include <QString>
#include <QUrl>

#include <optional>

// One decoded update manifest: the newest published launcher.
class AppUpdate
{
    Q_GADGET
    Q_PROPERTY(QString version MEMBER version CONSTANT)
    Q_PROPERTY(qint64 build MEMBER build CONSTANT)
    Q_PROPERTY(QString downloadURL MEMBER downloadURL CONSTANT)
    Q_PROPERTY(QString releaseNotes MEMBER releaseNotes CONSTANT)
    Q_PROPERTY(QString releaseDate MEMBER releaseDate CONSTANT)
    Q_PROPERTY(QString minOSVersion MEMBER minOSVersion CONSTANT)

public:
    QString version;
    qint64 build = 0;
    QString downloadURL;
    QString releaseNotes;
    QString releaseDate;
    QString minOSVersion;

    // Strict decoding of a manifest body: a JSON document (nothing more
    // lenient) whose top-level object has the six members with their types;
    // "build" is an integer of the signed 64-bit range, also when written
    // with a zero fraction or an exponent (42.0, 4.2e1). Nothing when any
    // rule is broken.
    static std::optional<AppUpdate> decode(const QByteArray &json);
    // The same, telling why a body is refused when it is: "it is not JSON",
    // "the field "build" is missing", ... (whyNot may be null).
    static std::optional<AppUpdate> decode(const QByteArray &json, QString *whyNot);
    QJsonObject toJson() const;
    // downloadURL when it is a web address (http or https with a host); the
    // only form in which it may be shown as a link or opened.
    std::optional<QUrl> webDownloadURL() const;

    friend bool operator==(const AppUpdate &, const AppUpdate &) = default;
};

Q_DECLARE_METATYPE(AppUpdate)
