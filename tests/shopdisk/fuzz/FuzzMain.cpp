#include "tests/shopdisk/fuzz/ShopDiskFuzz.h"

#include "tests/fw/TempDrives.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The disk and the job it is converted into lie on drives of a folder of their own.
    static TempDrives drives;
    return FuzzShopDisk(data, size);
}
