// SPDX-License-Identifier: GPL-3.0-or-later
// Prints QCoreApplication::applicationDirPath(), the directory the launcher looks for
// the engine in, so the install test can see what it is when started through a link.
#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream(stdout) << QCoreApplication::applicationDirPath() << '\n';
    return 0;
}
