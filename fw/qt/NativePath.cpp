#include "fw/qt/NativePath.h"

#include "fw/core/DriveMap.h"

#include <exception>

namespace fw {

QString NativePath(std::string_view winPath)
{
    try {
        return QString::fromStdString(DriveMap::Instance().ToNative(winPath).string());
    } catch (const std::exception&) {
        return {};
    }
}

} // namespace fw
