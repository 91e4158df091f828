// Loading a part file whose patterns hold the most elements a pattern may have (1000 x 1000 each):
// the load costs what the file's bytes cost, whatever the element count. 1000 full patterns are
// compared with 1000 single-element ones, and a file ten times the size.
#include "model/ModelClasses.h"
#include "model/ShapeDoc.h"
#include "partprog/PartDoc.h"

#include "fw/core/Archive.h"

#include "tests/fw/TempDrives.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <vector>

namespace {

// The shape file of a W 12X26 on the drives.
void PutShape(const TempDrives& drives)
{
    CShapeDoc shape;
    shape.SetShapeData("W ", "12X26", 12, 0.23, 6.49, 0.38, 3.5, 26, "W12 X 26", shapeBeam, 1);
    fw::Archive ar;
    shape.Serialize(ar);
    const std::vector<std::uint8_t> bytes = ar.TakeBytes();
    TempDrives::Put(drives.C() / "Kestrom/Shapes/W 12X26.shp", std::string(bytes.begin(), bytes.end()));
}

std::vector<std::uint8_t> PartFile(int patterns, int countX, int countU)
{
    CPartDoc part;
    PartRecord& h = part.Header();
    h.jobId = "J1";
    h.group = "G1";
    h.mark = "B1";
    h.quantity = 1;
    h.length = 480.0;
    h.shapeDesctp = "W ";
    h.shapeDesc = "12X26";
    if (!part.BuildShape("W ", "12X26"))
        std::abort();
    CRefPlane level, sloped;
    level.Set(0, 0, '+', '+', 0, 0, 'A');
    sloped.Set(0, 6, '+', '-', 1, 12, 'C');
    const CPartTool tool(0.8125, 0, "RD", 0);
    for (int k = 0; k < patterns; ++k) {
        auto pattern = std::make_unique<CPattern>(0.0625 * k, 1, countX, 0.001, countU, 0.001, CPattern::frontLayout,
                                                  k % 2 ? &sloped : &level, &tool, 0);
        if (!part.AddPattern(pattern, part.GetPartShape()->GetWebList()))
            std::abort();
    }
    fw::Archive ar;
    part.Serialize(ar);
    return ar.TakeBytes();
}

void BM_LoadPart(benchmark::State& state)
{
    TempDrives drives;
    PutShape(drives);
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
