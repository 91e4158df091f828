#include "shell/LegacyShopDisk.h"

#include "shell/FileNameList.h"
#include "shopdisk/MultDosDisk.h"
#include "shopdisk/PartDosDisk.h"
#include "shopdisk/ShapeDosDisk.h"

namespace {

// Every name of a '|' list, in order.
std::vector<std::string> Names(const std::string& list)
{
    const CFileNameList names(list);
    std::vector<std::string> all;
    for (CFileNameList::Position pos = names.GetHeadPosition(); pos;)
        all.push_back(names.GetNext(pos));
    return all;
}

} // namespace

void LegacyShopDisk::CreatePartDisk(const ShopDiskTarget& target, const std::string& list)
{
    CPartDosDisk::CreateDosDisk(target.drive, target.file, Names(list));
}

void LegacyShopDisk::CreateMultDisk(const ShopDiskTarget& target, const std::string& list)
{
    CMultDosDisk::CreateDosDisk(target.drive, target.file, Names(list));
}

void LegacyShopDisk::ReadParts(const std::string& recordFile)
{
    CPartDosDisk::ReadDosDisk(recordFile);
}

void LegacyShopDisk::ReadMults(const std::string& recordFile)
{
    CMultDosDisk::ReadDosDisk(recordFile);
}

void LegacyShopDisk::ReadShapes(const std::string& recordFile)
{
    CShapeDosDisk::ReadDosDisk(recordFile);
}
