#pragma once
// Every widget test starts as the program does: the application Qt Test would
// make, then the program's own start-up (names, right-to-left direction, fonts).

#include "program/startup.h"

#include <QApplication>
#include <QtTest>

#define SDTEST_MAIN(TestObject)                                                                              \
    int main(int argc, char* argv[]) {                                                                       \
        QApplication app(argc, argv);                                                                        \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                             \
        sd::setUpApplication();                                                                              \
        TestObject tc;                                                                                       \
        return QTest::qExec(&tc, argc, argv);                                                                \
    }
