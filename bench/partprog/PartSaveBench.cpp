// Re-saving the 2,000 part files of a job folder, as a bulk run saves them: one save after the
// other, and the same saves committed as a group; against the same bytes written and renamed
// into place without any sync. The drive lies under TMPDIR (set it to a RAM disk or a real disk).
#include "fw/core/Archive.h"
#include "fw/core/CommitGroup.h"
#include "model/ModelClasses.h"
#include "model/ShapeDoc.h"
#include "partprog/PartDoc.h"

#include "tests/fw/TempDrives.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

constexpr int kParts = 2000;

class Job {
public:
    Job()
    {
        RegisterModelClasses();
        CShapeDoc shape;
        shape.SetShapeData("W ", "12X26", 12, 0.23, 6.49, 0.38, 3.5, 26, "W12 X 26", shapeBeam, 1);
        fw::Archive ar;
        shape.Serialize(ar);
        const std::vector<std::uint8_t> bytes = ar.TakeBytes();
        TempDrives::Put(drives_.C() / "Kestrom/Shapes/W 12X26.shp", std::string(bytes.begin(), bytes.end()));
        const CPartTool tool(0.8125, 0, "RD", 0);
        CRefPlane plane;
        plane.Set(0, 0, '+', '+', 0, 0, 'A');
        for (int i = 0; i < kParts; ++i) {
            auto part = std::make_unique<CPartDoc>();
            PartRecord& h = part->Header();
            h.jobId = "J1";
            h.group = "G1";
            h.mark = "B" + std::to_string(i);
            h.quantity = 2;
            h.length = 120.0 + i % 240;
            h.grade = "A36";
            h.shapeDesctp = "W ";
            h.shapeDesc = "12X26";
            if (!part->BuildShape("W ", "12X26"))
                std::abort();
            auto pattern = std::make_unique<CPattern>(3.0, 3.0, 2, 3.0, 2, 3.0, CPattern::hole, &plane, &tool, 0);
            if (!part->AddPattern(pattern, part->GetPartShape()->GetWebList()))
                std::abort();
            parts_.push_back(std::move(part));
        }
        SaveAll();
    }
    void SaveAll()
    {
        for (const auto& part : parts_)
            if (!part->OnSaveDocument("C:\\x.prt"))
                std::abort();
    }
    // The bytes of every save, written and renamed into place as a save does, without a sync.
    void WriteWithoutSync()
    {
        const std::filesystem::path folder = drives_.C() / "Kestrom/Jobs/J1/G1";
        for (const auto& part : parts_) {
            fw::Archive ar;
            part->Serialize(ar);
            const std::string name = part->Header().mark + ".prt";
            const std::filesystem::path temporary = folder / ("." + name + ".tmp");
            std::FILE* file = std::fopen(temporary.c_str(), "wb");
            if (!file)
                std::abort();
            const bool written = std::fwrite(ar.Bytes().data(), 1, ar.Bytes().size(), file) == ar.Bytes().size();
            if (std::fclose(file) != 0 || !written || std::rename(temporary.c_str(), (folder / name).c_str()) != 0)
                std::abort();
        }
    }

private:
    TempDrives drives_;
    std::vector<std::unique_ptr<CPartDoc>> parts_;
};

Job& TheJob()
{
    static Job job;
    return job;
}

void BM_ResaveParts(benchmark::State& state)
{
    Job& job = TheJob();
    for (auto _ : state) {
        if (state.range(0)) {
            fw::CommitGroup group;
            job.SaveAll();
            if (!group.Commit().empty())
                std::abort();
        } else {
            job.SaveAll();
        }
    }
    state.counters["parts"] = kParts;
}
// Argument: 1 saves as a group.
BENCHMARK(BM_ResaveParts)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_WriteWithoutSync(benchmark::State& state)
{
    Job& job = TheJob();
    for (auto _ : state)
        job.WriteWithoutSync();
    state.counters["parts"] = kParts;
}
BENCHMARK(BM_WriteWithoutSync)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
