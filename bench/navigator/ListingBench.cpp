// Expanding a parts label of 2,000 parts with their descriptions: with a cold header cache (every
// file read) and a warm one (a refresh, where nothing changed), against a plain read of the same
// files.

#include "bench/PlainRead.h"
#include "fw/core/Archive.h"
#include "fw/core/DriveMap.h"
#include "navigator/TreeListing.h"
#include "shell/ui/NavHeaderReader.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

namespace {

constexpr int kParts = 2000;

struct Drive {
    std::filesystem::path root = std::filesystem::temp_directory_path() / "varnex-navbench";
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
            ar << std::string("W") << std::string("12X26") << std::string("A36");
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

nav::ItemSpec PartsLabel(const nav::TreeListing& listing)
{
    return listing.PartsLabel({nav::ItemKind::group, "G1", "C:\\Kestrom\\Jobs\\J1\\G1", {}, {}, {}});
}

void ExpandParts(benchmark::State& state, bool warm)
{
    Drive drive;
    nav::NavProperties properties;
    properties.PartExtension = ".prt";
    NavHeaderReader reader;
    nav::DescriptionCache cache(reader);
    nav::TreeListing listing(properties, {}, &cache);
    const nav::ItemSpec label = PartsLabel(listing);
    if (warm)
        listing.Children(label);
    for (auto _ : state) {
        if (!warm)
            cache.Clear();
        benchmark::DoNotOptimize(listing.Children(label));
    }
}

void BM_ExpandPartsCold(benchmark::State& state) { ExpandParts(state, false); }
void BM_ExpandPartsWarm(benchmark::State& state) { ExpandParts(state, true); }
BENCHMARK(BM_ExpandPartsCold)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExpandPartsWarm)->Unit(benchmark::kMillisecond);

void BM_ReadPartFiles(benchmark::State& state)
{
    Drive drive;
    ReadEveryFile(state, drive.root / "Kestrom/Jobs/J1/G1", 4 * 1024);
}
BENCHMARK(BM_ReadPartFiles)->Unit(benchmark::kMillisecond);

} // namespace
