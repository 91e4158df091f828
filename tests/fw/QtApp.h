#pragma once
// The one QApplication of a test program, made on first use (offscreen under CTest).

#include <QApplication>

namespace test {

inline QApplication& QtApp()
{
    static int argc = 1;
    static char name[] = "varnex-test";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}

} // namespace test
