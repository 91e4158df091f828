#pragma once
// The program's 8-bit text to and from Qt strings. Every Qt-facing conversion goes through
// these two functions.

#include <QString>
#include <string>

namespace fw {

QString ToQString(const std::string& text);
// Characters without an 8-bit form become '?'.
std::string FromQString(const QString& text);

} // namespace fw
