#pragma once
// The one QApplication of the test program, made on first use (offscreen under CTest).

#include <QApplication>

inline QApplication& QtApp()
{
    static int argc = 1;
    static char name[] = "test_automult";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}
