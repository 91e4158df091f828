#pragma once
// The legacy shop disk as the dispatcher and File > Convert Legacy Files reach it: the '|' lists
// of the navigator's selection written as part or mult disks, and record files converted back.

#include "shell/AppServices.h"

class LegacyShopDisk : public ShopDiskWriter, public LegacyReaders {
public:
    void CreatePartDisk(const ShopDiskTarget& target, const std::string& list) override;
    void CreateMultDisk(const ShopDiskTarget& target, const std::string& list) override;

    void ReadParts(const std::string& recordFile) override;
    void ReadMults(const std::string& recordFile) override;
    void ReadShapes(const std::string& recordFile) override;
};
