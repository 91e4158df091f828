// Listing a group of 2,000 part files as a part report, every header read (warm file cache),
// against a plain read of the same files.

#include "fw/core/Archive.h"
#include "fw/core/DriveMap.h"
#include "bench/PlainRead.h"
#include "shell/ReportLister.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

namespace {

constexpr int kParts = 2000;

struct Drive {
    std::filesystem::path root = std::filesystem::temp_directory_path() / "varnex-reportbench";
    std::unique_ptr<fw::DriveMap> previous;
    Drive()
    {
        std::filesystem::remove_all(root);
        const auto group = root / "Kestrom/Jobs/J1/G1";
        std::filesystem::create_directories(group);
        for (int i = 0; i < kParts; ++i) {
            fw::Archive ar;
            const std::string mark = "B" + std::to_string(i);
            ar << std::string("J1") << std::string("G1") << mark << std::int32_t(1);
            ar.WriteDouble(240.0);
            ar.WriteByte('E');
            ar << std::string("W ") << std::string("12X26") << std::string("A36");
            std::ofstream(group / (mark + ".prt"), std::ios::binary)
                .write(reinterpret_cast<const char*>(ar.Bytes().data()), std::streamsize(ar.Bytes().size()));
        }
        auto map = std::make_unique<fw::DriveMap>();
        map->Map('C', root);
        previous = fw::DriveMap::SetInstance(std::move(map));
    }
    ~Drive()
    {
        fw::DriveMap::SetInstance(std::move(previous));
        std::filesystem::remove_all(root);
    }
};

void ListPartReport(benchmark::State& state)
{
    Drive drive;
    for (auto _ : state) {
        const std::vector<ReportRow> rows = ListReport(ReportKind::parts, "C:\\Kestrom\\Jobs\\J1\\G1");
        if (rows.size() != kParts || rows.front().texts[6] != "A36")
            state.SkipWithError("the listing is incomplete");
        benchmark::DoNotOptimize(rows.data());
    }
    state.SetItemsProcessed(state.iterations() * kParts);
}
BENCHMARK(ListPartReport)->Unit(benchmark::kMillisecond);

void ReadPartFiles(benchmark::State& state)
{
    Drive drive;
    ReadEveryFile(state, drive.root / "Kestrom/Jobs/J1/G1", 4 * 1024);   // the head the lister reads first
}
BENCHMARK(ReadPartFiles)->Unit(benchmark::kMillisecond);

} // namespace
