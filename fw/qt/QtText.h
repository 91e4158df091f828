#pragma once
// The bridge between the program's Windows-1252 strings and QString.

#include <QString>
#include <QStringList>
#include <string>
#include <string_view>

namespace fw {

QString ToQString(std::string_view text1252);
// Characters 1252 cannot hold become '?'; *replaced tells whether any did.
std::string FromQString(const QString& text, bool* replaced = nullptr);

// A file filter of the program's form ("Name|pattern;pattern|...||") as a file dialog's name
// filters. A Qt pattern can't hold a blank, so a blank stands as a set that matches it (any
// character but printable ASCII ones): "W *.shp" still lists "W 12X26.shp" and not "WT4X5.shp".
QStringList QtNameFilters(std::string_view filter);

} // namespace fw
