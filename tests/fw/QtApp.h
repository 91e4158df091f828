#pragma once
// The one QApplication of a widget test program, alive from before the first test to after the
// last. Test programs that use it are declared with varnex_test(... QT_APP).

#include <QApplication>

namespace test {

QApplication& QtApp();

} // namespace test
