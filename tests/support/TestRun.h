// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTest>

class QObject;

// How every test binary runs its test object (see TestMain.h).
namespace TestRun {

// QTest::qExec with one rule more: a Qt warning that the running test
// function did not expect (QTest::ignoreMessage) fails that function. The
// launcher's own warnings (categories vantor.*) do not: they log failures a
// test provokes on purpose.
int exec(QObject *testObject, int argc, char **argv);

// True in CI (CI=true), where every check has to run.
bool everyCheckMustRun();

} // namespace TestRun

// For a check this machine cannot make (no right to mount, no private
// keyring): a skip on a developer's machine, which CTest shows as not run,
// and a failure in CI.
#define SKIP_OR_FAIL_IN_CI(reason)                                                                 \
    do {                                                                                           \
        if (TestRun::everyCheckMustRun())                                                          \
            QFAIL(reason);                                                                         \
        QSKIP(reason);                                                                             \
    } while (false)
