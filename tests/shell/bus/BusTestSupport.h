#pragma once
// Helpers of the tests on a private session bus.

#include "tests/support/BusWait.h"

#include <QVariant>

namespace bustest {

inline QVariant N(short value) { return QVariant::fromValue(value); }

} // namespace bustest
