#pragma once
// main() of an online test: isolate the environment before Qt starts.
#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include "test_support.h"

#define KORVANA_ONLINE_TEST_MAIN(TestClass)                                    \
    int main(int argc, char *argv[])                                           \
    {                                                                          \
        const auto environment = korvana::online::test::isolateEnvironment();  \
        QApplication app(argc, argv);                                          \
        TestClass test;                                                        \
        return QTest::qExec(&test, argc, argv);                                \
    }
