#include "tests/machmult/fuzz/DocumentsFuzz.h"

#include "tests/fw/TempDrives.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Shape, machine and tool files are looked for on drives of a folder of their own.
    static TempDrives drives;
    return FuzzDocuments(data, size);
}
