#pragma once
// Readable QStrings in failure messages.

#include <QString>

#include <ostream>

void PrintTo(const QString& text, std::ostream* os);
