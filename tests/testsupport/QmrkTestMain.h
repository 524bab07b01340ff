#pragma once

#include "TTestEnvironment.h"

#include <QtTest>

// Like QTEST_GUILESS_MAIN / QTEST_MAIN, with the test's own environment set up
// before the application object exists.
#define QMRK_TEST_MAIN_IMPL(TestObject, AppClass)                                                            \
    int main(int argc, char *argv[])                                                                         \
    {                                                                                                        \
        TTestEnvironment Environment;                                                                        \
        AppClass App(argc, argv);                                                                            \
        TestObject Test;                                                                                     \
        QTEST_SET_MAIN_SOURCE_PATH                                                                           \
        return QTest::qExec(&Test, argc, argv);                                                              \
    }

#define QMRK_TEST_MAIN(TestObject) QMRK_TEST_MAIN_IMPL(TestObject, QCoreApplication)
