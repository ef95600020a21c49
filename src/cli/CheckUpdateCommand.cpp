// SPDX-License-Identifier: GPL-3.0-or-later
#include "CheckUpdateCommand.h"

#include "CommandParser.h"
#include "Endpoints.h"
#include "update/UpdateChecker.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTextStream>

namespace CheckUpdateCommand {

int run(const QStringList &args)
{
    CommandParser parser(
        QStringLiteral("check-update"),
        QCoreApplication::translate(
            "CheckUpdateCommand",
            "Checks once whether a newer launcher is published. Exit status: 0 when\n"
            "the manifest was read (with or without an update), 1 when it was not."));
    if (const std::optional<int> ended = parser.parse(args))
        return *ended;

    UpdateChecker checker;
    QEventLoop loop;
    bool manifestRead = false;
    QObject::connect(&checker, &UpdateChecker::checkFinished, &loop, [&](bool read) {
        manifestRead = read;
        loop.quit();
    });
    checker.checkForUpdate();
    loop.exec();

    QTextStream out(stdout);
    if (const auto update = checker.availableUpdate()) {
        out << "UPDATE AVAILABLE: v" << update->version << "\n" << update->releaseNotes << "\n";
        // A terminal may turn any address into a link: only web addresses
        // are printed, as the window only opens those.
        if (const std::optional<QUrl> url = update->webDownloadURL())
            out << url->toString() << "\n";
        else
            out << "(the download address is not a web address and is not shown)\n";
        return 0;
    }
    // The window stays silent about a failed check; a command must not
    // pass it off as "no update".
    if (!manifestRead) {
        QTextStream(stderr) << "vantor-launcher check-update: "
                            //: %1 is the manifest's web address, %2 why it could not be read.
                            << QCoreApplication::translate(
                                   "CheckUpdateCommand",
                                   "could not fetch or read the update manifest at %1: %2")
                                   .arg(Endpoints::updateManifest(), checker.failureReason())
                            << "\n";
        return 1;
    }
    out << "No update available (current " << UpdateChecker::currentVersion() << " build "
        << UpdateChecker::currentBuild() << ")\n";
    return 0;
}

} // namespace CheckUpdateCommand
