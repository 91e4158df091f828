#include "tests/shopdb/fuzz/ShopFilesFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return FuzzShopFiles(data, size);
}
