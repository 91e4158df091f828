#pragma once
// The bridge between the program's Windows-1252 strings and QString.

#include <QString>
#include <string>
#include <string_view>

namespace fw {

QString ToQString(std::string_view text1252);
// Characters 1252 cannot hold become '?'; *replaced tells whether any did.
std::string FromQString(const QString& text, bool* replaced = nullptr);

} // namespace fw
