#pragma once
// A path of the program (Windows form) as a native path for Qt's file dialogs.

#include <QString>

#include <string_view>

namespace fw {

// The native form of the path through the drive map; empty (the dialog's own choice) when its
// drive is not mapped or it cannot be converted.
QString NativePath(std::string_view winPath);

} // namespace fw
