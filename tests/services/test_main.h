#pragma once
// main() of an online test: isolate the environment before Qt starts. The
// network core's tests run on a QCoreApplication; tests of widgets name
// QApplication (and include it).
#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTest>

#include "tests/services/test_support.h"

#define KORVANA_ONLINE_TEST_MAIN(TestClass, Application)                      \
    int main(int argc, char* argv[]) {                                        \
        const auto environment = korvana::online::test::isolateEnvironment(); \
        Application app(argc, argv);                                          \
        TestClass test;                                                       \
        return QTest::qExec(&test, argc, argv);                               \
    }
