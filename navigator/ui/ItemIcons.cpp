#include "navigator/ui/ItemIcons.h"

#include <QHash>
#include <QString>

#include <array>

QIcon NavImageIcon(int image)
{
    // By image number: root, job, group, part, mult, shape, tool, machine, remote drive, fixed
    // drive, removable drive, CD-ROM, folder, open folder, RAM disk.
    static constexpr std::array<const char*, 15> kFiles{
        "root", "job", "group", "part", "mult", "shape", "tool", "machine", "netdrive", "drive",
        "removable", "drive", "folder", "folder", "drive"};
    static QHash<int, QIcon> made;
    const int index = image >= 0 && image < int(kFiles.size()) ? image : 12;
    auto found = made.find(index);
    if (found == made.end())
        found = made.insert(index, QIcon(QStringLiteral(":/navigator/icons/%1.svg").arg(QLatin1String(kFiles[std::size_t(index)]))));
    return *found;
}
