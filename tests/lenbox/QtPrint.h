#pragma once
// Readable QStrings in failure messages (defined beside the tests' QApplication).

#include <QString>

#include <ostream>

void PrintTo(const QString& text, std::ostream* os);
