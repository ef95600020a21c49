// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

class QQmlEngine;
class QJSEngine;

// What the window's QML needs from the platform: font families, the
// launcher's version, the project's addresses, its pictures and symbols, and
// a safe way to open links. One per QML engine, reached in QML as `Ui`.
class UiSupport : public QObject
{
    Q_OBJECT
    QML_NAMED_ELEMENT(Ui)
    QML_SINGLETON
    Q_PROPERTY(QString sansFamily READ sansFamily CONSTANT)
    Q_PROPERTY(QString monoFamily READ monoFamily CONSTANT)
    Q_PROPERTY(QString version READ version CONSTANT)
    Q_PROPERTY(QString websiteURL READ websiteURL CONSTANT)
    Q_PROPERTY(QString telegramURL READ telegramURL CONSTANT)
    Q_PROPERTY(QString githubURL READ githubURL CONSTANT)
    // Glows and rounded picture masks are shader effects: off under the
    // software renderer, which cannot draw them.
    Q_PROPERTY(bool effectsEnabled READ effectsEnabled CONSTANT)
    // Words about the system the launcher runs on: the header's subtitle, the
    // About window's port line and its line about the machine. A macOS build
    // keeps its own words; elsewhere they name the system the launcher was
    // built for and the machine's architecture, and nothing more.
    Q_PROPERTY(QString portSubtitle READ portSubtitle CONSTANT)
    Q_PROPERTY(QString nativePortTitle READ nativePortTitle CONSTANT)
    Q_PROPERTY(QString machineLine READ machineLine CONSTANT)
    // Where each download's log is written (RunLog's folder).
    Q_PROPERTY(QString logsFolder READ logsFolder CONSTANT)

public:
    // Installs the symbol image provider into engine (when given).
    explicit UiSupport(QQmlEngine *engine, QObject *parent = nullptr);

    // Called by the QML engine.
    static UiSupport *create(QQmlEngine *qmlEngine, QJSEngine *jsEngine);

    static QString sansFamily();
    static QString monoFamily();
    // The application's version, "1.0" when none is set.
    static QString version();
    static QString websiteURL();
    static QString telegramURL();
    static QString githubURL();
    static bool effectsEnabled();

    // "Linux", "FreeBSD", ...: the system this build is for.
    static QString systemName();
    static QString portSubtitle();
    static QString nativePortTitle();
    static QString machineLine();
    static QString logsFolder();

    // Folders searched, in order, for the pictures ("background.png", ...).
    // The launcher's own resources by default; tests point it elsewhere to
    // see the window without some pictures.
    static QStringList pictureSearchPath();
    static void setPictureSearchPath(const QStringList &folders);
    static QStringList defaultPictureSearchPath();

    // The picture named name (without ".png") as a URL for an Image, or an
    // empty URL when no folder holds a readable picture of that name.
    Q_INVOKABLE QUrl picture(const QString &name) const;
    // The URL of a symbol painted in color (see IconProvider).
    Q_INVOKABLE QUrl iconSource(const QString &name, const QColor &color) const;
    // The picture at url with its corners rounded by radiusFraction of its
    // shorter side (see RoundedPictureProvider).
    Q_INVOKABLE QUrl roundedPicture(const QUrl &url, qreal radiusFraction) const;
    // Opens http/https addresses in the default browser; anything else does
    // nothing. True when the address was handed on.
    Q_INVOKABLE bool openLink(const QString &address) const;
    // Opens the local folder at path in the file manager. Returns why it
    // did not (no such folder yet, nothing that opens folders), or an empty
    // string when it was handed on.
    Q_INVOKABLE QString openFolder(const QString &path) const;
    // Tells screen readers that the progress bar item shows a new value.
    Q_INVOKABLE void announceValue(QObject *item) const;
};
