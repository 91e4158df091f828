#include "tests/navigator/fuzz/NavStreamFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return FuzzNavStream(data, size);
}
