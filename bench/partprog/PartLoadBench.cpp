// Loading a part file whose patterns hold the most elements a pattern may have (1000 x 1000 each,
// 10000 along X): the load costs what the file's bytes cost, whatever the element count. A part
// of that many full patterns compared with the same part of single-element patterns.
#include "model/ModelClasses.h"
#include "partprog/PartDoc.h"

#include "fw/core/Archive.h"

#include "tests/fw/TempDrives.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

std::vector<std::uint8_t> PartFile(int patterns, int countX, int countU)
{
    CPartDoc part;
    PartRecord& h = part.Header();
    h.jobId = "J1";
    h.group = "G1";
    h.mark = "B1";
    h.quantity = 1;
    h.length = 480.0;
    part.BuildShape("W ", "12X26");   // no shape file: a plain shape, as a load without one
    CRefPlane level, sloped;
    level.Set(0, 0, '+', '+', 0, 0, 'A');
    sloped.Set(0, 6, '+', '-', 1, 12, 'C');
    const CPartTool tool(0.8125, 0, "RD", 0);
    for (int k = 0; k < patterns; ++k) {
        auto pattern = std::make_unique<CPattern>(0.0625 * k, 1, countX, 0.001, countU, 0.001, CPattern::frontLayout,
                                                  k % 2 ? &sloped : &level, &tool, 0);
        part.AddPattern(pattern, part.GetPartShape()->GetWebList());
    }
    fw::Archive ar;
    part.Serialize(ar);
    return ar.TakeBytes();
}

void BM_LoadPart(benchmark::State& state)
{
    TempDrives drives;
    RegisterModelClasses();
    const int patterns = int(state.range(0));
    const int side = int(state.range(1));
    const std::vector<std::uint8_t> file = PartFile(patterns, side, side);
    for (auto _ : state) {
        CPartDoc doc;
        fw::Archive ar(file);
        doc.Serialize(ar);
        benchmark::DoNotOptimize(doc.GetPartShape());
    }
    state.counters["bytes"] = double(file.size());
    state.counters["elements"] = double(patterns) * side * side;
}

} // namespace

BENCHMARK(BM_LoadPart)->Args({1000, 1})->Args({1000, 1000})->Args({10000, 1000})->Unit(benchmark::kMillisecond);
