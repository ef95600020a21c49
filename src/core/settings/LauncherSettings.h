// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QVariantList>

// The player's settings, kept in the launcher's configuration file
// ("Vantor Online.conf", the application's QSettings). With nothing stored,
// every value is the default and the launcher behaves as it always has.
//
// The static readers read the file afresh on every call, so the command line
// and the window (two processes) always agree; the object wraps them for the
// window, with a change signal per property. Values read from the file are
// checked: a hand-edited file can hold anything.
class LauncherSettings : public QObject
{
    Q_OBJECT
    // Where the Steam download goes; the default is "Vantor Online" in the
    // user's documents folder.
    Q_PROPERTY(QString installDir READ installDir NOTIFY installDirChanged)
    Q_PROPERTY(bool isDefaultInstallDir READ isDefaultInstallDir NOTIFY installDirChanged)
    // Launch options as the player typed them; split into words at launch.
    Q_PROPERTY(
        QString launchWrapper READ launchWrapper WRITE setLaunchWrapper NOTIFY launchWrapperChanged)
    Q_PROPERTY(QString launchArguments READ launchArguments WRITE setLaunchArguments NOTIFY
                   launchArgumentsChanged)
    Q_PROPERTY(QString launchEnvironment READ launchEnvironment WRITE setLaunchEnvironment NOTIFY
                   launchEnvironmentChanged)
    // Kilobytes (1000 bytes) per second; 0 is no limit.
    Q_PROPERTY(
        int downloadLimit READ downloadLimit WRITE setDownloadLimit NOTIFY downloadLimitChanged)
    Q_PROPERTY(bool notifyWhenDone READ notifyWhenDone WRITE setNotifyWhenDone NOTIFY
                   notifyWhenDoneChanged)
    Q_PROPERTY(bool showTaskbarProgress READ showTaskbarProgress WRITE setShowTaskbarProgress NOTIFY
                   showTaskbarProgressChanged)
    // The language of the window and the commands, as a code of
    // Translations::languages(); empty for the system's. Applies at the
    // next start.
    Q_PROPERTY(QString language READ language WRITE setLanguage NOTIFY languageChanged)
    // What the language choice offers: {code, name} maps, the system's
    // language first (code ""), then each language named in itself.
    Q_PROPERTY(QVariantList languageChoices READ languageChoices CONSTANT)

public:
    explicit LauncherSettings(QObject *parent = nullptr);

    // The configuration file's keys.
    static QString installDirKey();          // "steamInstallDir"
    static QString launchWrapperKey();       // "launchWrapper"
    static QString launchArgumentsKey();     // "launchArguments"
    static QString launchEnvironmentKey();   // "launchEnvironment"
    static QString downloadLimitKey();       // "downloadLimitKBps"
    static QString notifyWhenDoneKey();      // "notifyWhenDone"
    static QString showTaskbarProgressKey(); // "showTaskbarProgress"
    static QString languageKey();            // "language"

    // The largest limit taken: 10 GB/s, far beyond any connection, and small
    // enough that SteamCMD's kilobits still fit in an int.
    static constexpr int kMaxDownloadLimit = 10'000'000;

    // The stored install folder when it is an absolute path, else the default.
    static QString storedInstallDir();
    static QString defaultInstallDir();
    // Stores folder (made absolute and clean) as the install folder; the
    // default folder or an empty one removes the key. False when the file
    // cannot be written.
    static bool storeInstallDir(const QString &folder);

    static QString storedLaunchWrapper();
    static QString storedLaunchArguments();
    static QString storedLaunchEnvironment();
    static int storedDownloadLimit(); // 0 when unset or not a number in range
    static bool storedNotifyWhenDone();
    static bool storedShowTaskbarProgress();
    // A language the launcher speaks, or empty (the system's) for anything else.
    static QString storedLanguage();
    // One key written, or removed when value is the default. False when the
    // file cannot be written.
    static bool store(const QString &key, const QVariant &value);

    QString installDir() const { return storedInstallDir(); }
    bool isDefaultInstallDir() const;
    QString launchWrapper() const { return storedLaunchWrapper(); }
    QString launchArguments() const { return storedLaunchArguments(); }
    QString launchEnvironment() const { return storedLaunchEnvironment(); }
    int downloadLimit() const { return storedDownloadLimit(); }
    bool notifyWhenDone() const { return storedNotifyWhenDone(); }
    bool showTaskbarProgress() const { return storedShowTaskbarProgress(); }
    QString language() const { return storedLanguage(); }
    static QVariantList languageChoices();

    void setLaunchWrapper(const QString &wrapper);
    void setLaunchArguments(const QString &arguments);
    void setLaunchEnvironment(const QString &environment);
    void setDownloadLimit(int kilobytesPerSecond);
    void setNotifyWhenDone(bool notify);
    void setShowTaskbarProgress(bool show);
    void setLanguage(const QString &code);
    // After the install folder was changed (by a move, or elsewhere).
    Q_INVOKABLE void reload();

Q_SIGNALS:
    void installDirChanged();
    void launchWrapperChanged();
    void launchArgumentsChanged();
    void launchEnvironmentChanged();
    void downloadLimitChanged();
    void notifyWhenDoneChanged();
    void showTaskbarProgressChanged();
    void languageChanged();

private:
    // What the signals were last emitted for, so a signal means a change.
    QString m_installDir;
    QString m_launchWrapper;
    QString m_launchArguments;
    QString m_launchEnvironment;
    int m_downloadLimit = 0;
    bool m_notifyWhenDone = true;
    bool m_showTaskbarProgress = true;
    QString m_language;
};
