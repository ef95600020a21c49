// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Put in front of every test source by vantor_add_test (tests/CMakeLists.txt),
// so that QTEST_MAIN, QTEST_GUILESS_MAIN and QTEST_APPLESS_MAIN all start the
// test through TestRun::exec(): there an unexpected Qt warning fails the test
// function it happens in (see TestRun.h). A test expects one with
// QTest::ignoreMessage.

#include "TestRun.h"

#include <QTest>

#undef QTEST_MAIN_WRAPPER
#define QTEST_MAIN_WRAPPER(TestObject, ...)                                                        \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        __VA_ARGS__                                                                                \
        TestObject tc;                                                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return TestRun::exec(&tc, argc, argv);                                                     \
    }
