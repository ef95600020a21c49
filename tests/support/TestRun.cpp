// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestRun.h"

#include <QCoreApplication>
#include <QTest>
#include <QThread>

namespace {

// QtTest's own handler: it swallows what a test expects, logs the rest, and
// fails on the patterns given to QTest::failOnWarning.
QtMessageHandler g_testLog = nullptr;

// Warnings that fail no test: the launcher's own (its categories vantor.*),
// which report the failures the tests provoke on purpose and check through
// the launcher's state instead; and the offscreen platform's note that it
// cannot raise windows or pass on size hints, a limit of the platform that
// the window tests run on, not of the launcher.
bool failsNoTest(const QMessageLogContext &context, const QString &message)
{
    return QLatin1String(context.category ? context.category : "")
               .startsWith(QLatin1String("vantor.")) ||
           message.startsWith(QLatin1String("This plugin does not support "));
}

// QtTest forgets the patterns of QTest::failOnWarning after every test
// function (and data row), and offers no hook before each one: so each
// warning is given as a pattern of its own just before QtTest looks at it.
// QtTest first swallows a warning the test expects (QTest::ignoreMessage);
// any other one then fails the test function it arrived in.
void failOnUnexpectedWarnings(QtMsgType type, const QMessageLogContext &context,
                              const QString &message)
{
    const bool mainThread = QCoreApplication::instance() &&
                            QThread::currentThread() == QCoreApplication::instance()->thread();
    if (type == QtWarningMsg && mainThread && QTest::currentTestFunction() &&
        !failsNoTest(context, message))
        QTest::failOnWarning(message.toUtf8().constData());
    g_testLog(type, context, message);
}

} // namespace

bool TestRun::everyCheckMustRun()
{
    return qEnvironmentVariable("CI") == QLatin1String("true");
}

int TestRun::exec(QObject *testObject, int argc, char **argv)
{
    // As QTest::qExec, with the handler put in front of QtTest's, which
    // qInit() installs.
    QTest::qInit(testObject, argc, argv);
    g_testLog = qInstallMessageHandler(failOnUnexpectedWarnings);
    const int status = QTest::qRun();
    qInstallMessageHandler(g_testLog);
    QTest::qCleanup();
    return status;
}
