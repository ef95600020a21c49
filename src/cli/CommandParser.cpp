// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandParser.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QTextStream>

namespace {

QString dashed(const QString &name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

// The name the synopsis and the messages use: the long one where there is one.
QString longestName(const QCommandLineOption &option)
{
    QString best;
    for (const QString &name : option.names()) {
        if (name.size() > best.size())
            best = name;
    }
    return dashed(best);
}

} // namespace

CommandParser::CommandParser(const QString &command, const QString &description)
    : m_command(command), m_help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                 QCoreApplication::translate("CommandParser", "print this help")),
      m_verbose(QStringLiteral("verbose"),
                QCoreApplication::translate(
                    "CommandParser", "also print the launcher's developer log on standard error"))
{
    m_parser.setApplicationDescription(description);
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    m_parser.addOption(m_help);
    if (!m_command.isEmpty())
        m_parser.addOption(m_verbose);
}

void CommandParser::addOption(const QCommandLineOption &option)
{
    m_parser.addOption(option);
    m_options.append(option);
}

void CommandParser::addPositionalArgument(const QString &name, const QString &description)
{
    m_parser.addPositionalArgument(name, description);
    m_positionalNames.append(name);
}

std::optional<int> CommandParser::parse(const QStringList &arguments)
{
    // QCommandLineParser takes the first entry for the program's name.
    if (!m_parser.parse(QStringList{QStringLiteral("vantor-launcher")} + arguments)) {
        const QStringList unknown = m_parser.unknownOptionNames();
        if (!unknown.isEmpty())
            return usageError(QCoreApplication::translate("CommandParser", "unknown option '%1'")
                                  .arg(dashed(unknown.first())));
        // The other mistake: an option that takes a value ends the line. (An
        // option followed by anything, dashes included, takes that as its value.)
        const QString last = arguments.isEmpty() ? QString() : arguments.last();
        for (const QCommandLineOption &option : std::as_const(m_options)) {
            if (option.valueName().isEmpty())
                continue;
            for (const QString &name : option.names()) {
                if (last == dashed(name))
                    //: %1 is an option, as typed ("--username").
                    return usageError(
                        QCoreApplication::translate("CommandParser", "%1 needs a value").arg(last));
            }
        }
        return usageError(m_parser.errorText());
    }
    if (m_parser.isSet(m_help)) {
        QTextStream(stdout) << helpText();
        return 0;
    }
    // What a command says is for the person who ran it; the log lines
    // around it are for whoever debugs the launcher. QT_LOGGING_RULES, read
    // after these rules, still decides over them.
    if (!m_command.isEmpty()) {
        QLoggingCategory::setFilterRules(m_parser.isSet(m_verbose)
                                             ? QStringLiteral("vantor.*=true")
                                             : QStringLiteral("vantor.*=false"));
    }
    const QStringList positional = m_parser.positionalArguments();
    if (positional.size() > m_positionalNames.size())
        return usageError(QCoreApplication::translate("CommandParser", "unexpected argument '%1'")
                              .arg(positional.at(m_positionalNames.size())));
    if (positional.size() < m_positionalNames.size())
        return usageError(
            //: %1 is an argument's name in capitals ("DIR").
            QCoreApplication::translate("CommandParser", "%1 is missing")
                .arg(m_positionalNames.at(positional.size())));
    return std::nullopt;
}

int CommandParser::usageError(const QString &message) const
{
    const QString who = m_command.isEmpty() ? QStringLiteral("vantor-launcher")
                                            : QStringLiteral("vantor-launcher ") + m_command;
    //: %1 is what to type: the command and its options.
    QTextStream(stderr) << who << ": " << message << "\n"
                        << QCoreApplication::translate("CommandParser", "Usage: %1")
                               .arg(QStringLiteral("vantor-launcher ") + synopsis())
                        << "\n";
    return kUsageStatus;
}

QString CommandParser::synopsis() const
{
    if (!m_synopsis.isEmpty())
        return m_synopsis;
    QStringList parts;
    if (!m_command.isEmpty())
        parts.append(m_command);
    for (const QCommandLineOption &option : m_options) {
        const QString value =
            option.valueName().isEmpty() ? QString() : QLatin1Char(' ') + option.valueName();
        parts.append(QStringLiteral("[%1%2]").arg(longestName(option), value));
    }
    parts.append(m_positionalNames);
    return parts.join(QLatin1Char(' '));
}

QString CommandParser::helpText() const
{
    // Qt's first line names the program as it was started (often a whole
    // path) and puts the options before the command: this one says what to type.
    const QString qtText = m_parser.helpText();
    return QCoreApplication::translate("CommandParser", "Usage: %1")
               .arg(QStringLiteral("vantor-launcher ") + synopsis()) +
           QLatin1Char('\n') + qtText.section(QLatin1Char('\n'), 1);
}
