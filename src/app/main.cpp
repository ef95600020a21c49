#include "CommandLine.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
    QCoreApplication::setOrganizationName(QStringLiteral("Vantor Online"));
    QCoreApplication::setApplicationName(QStringLiteral("Vantor Online"));

    if (CommandLine::wantsCommand(argc, argv)) {
        QCoreApplication app(argc, argv);
        return CommandLine::run(app.arguments());
    }

    // The window is not built yet: show what the launcher can do headless.
    QCoreApplication app(argc, argv);
    QTextStream(stdout) << CommandLine::usage();
    return 0;
}
