// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The options and arguments of one sub-command (or of the launcher itself),
// read by QCommandLineParser, with the launcher's wording for mistakes. Help
// goes to standard output; a usage problem goes to standard error and ends
// the command with status 2. Every sub-command takes --verbose: the
// launcher's developer log (the vantor.* categories) is on standard error
// only with it, or as QT_LOGGING_RULES says.
class CommandParser
{
public:
    static constexpr int kUsageStatus = 2;

    // `command` as typed after `vantor-launcher` (empty for the launcher
    // itself); `description` is what --help prints above the options.
    CommandParser(const QString &command, const QString &description);

    void addOption(const QCommandLineOption &option);
    // A required argument, named as in the synopsis (for example "DIR").
    void addPositionalArgument(const QString &name, const QString &description);
    // Replaces the synopsis built from the options and arguments.
    void setSynopsis(const QString &synopsis) { m_synopsis = synopsis; }

    // Reads the arguments that follow the command name. std::nullopt: run the
    // command; otherwise the exit status to end with, already reported: 0
    // after --help, 2 after a usage problem.
    std::optional<int> parse(const QStringList &arguments);

    bool isSet(const QCommandLineOption &option) const { return m_parser.isSet(option); }
    QString value(const QCommandLineOption &option) const { return m_parser.value(option); }
    QStringList positionalArguments() const { return m_parser.positionalArguments(); }

    // Reports a mistake the command found itself; returns 2.
    int usageError(const QString &message) const;

    // "download [--username NAME] [--password-stdin]"
    QString synopsis() const;
    QString helpText() const;

private:
    QString m_command;
    QString m_synopsis;
    QCommandLineParser m_parser;
    QCommandLineOption m_help;
    QCommandLineOption m_verbose;
    QList<QCommandLineOption> m_options;
    QStringList m_positionalNames;
};
