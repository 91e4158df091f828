// 100,000 part keys inserted into a part index file and each looked up again, on disk and in
// memory, against a std::map with the same keys in the same order.
#include "shopdb/IndexFile.h"

#include "fw/core/DriveMap.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <vector>
#include <unistd.h>

namespace {

constexpr int keyCount = 100000;
constexpr int keyLength = 30;
using Key = std::array<std::uint8_t, keyLength>;

// Job, group and mark, 10 blank-filled bytes each, in a shuffled order.
const std::vector<Key>& Keys()
{
    static const std::vector<Key> keys = [] {
        std::vector<Key> all(keyCount);
        for (int n = 0; n < keyCount; ++n) {
            char text[keyLength + 1];
            std::snprintf(text, sizeof text, "J%-9dG%-9dB%-9d", n / 10000, n / 100 % 100, n);
            std::memcpy(all[std::size_t(n)].data(), text, keyLength);
        }
        std::shuffle(all.begin(), all.end(), std::mt19937(42));
        return all;
    }();
    return keys;
}

int CompareBytes(const std::uint8_t* entryKey, const std::uint8_t* key, std::size_t length)
{
    const int order = std::memcmp(entryKey, key, length);
    return order > 0 ? -1 : order < 0 ? 1 : 0;
}

void InsertAndFindAll(CIndexFile& index)
{
    const auto& keys = Keys();
    for (std::size_t i = 0; i < keys.size(); ++i) {
        std::int32_t address = std::int32_t(i * 234);
        index.FindOrInsert(keys[i], CIndexFile::modeInsert, address, CompareBytes);
    }
    for (std::size_t i = 0; i < keys.size(); ++i) {
        std::int32_t address = -1;
        if (!index.FindOrInsert(keys[i], CIndexFile::modeFind, address, CompareBytes) || address != std::int32_t(i * 234))
            std::abort();
    }
}

// Drive C: mapped to a fresh temporary folder for the life of the object.
class TempDrive {
public:
    TempDrive() : root_(std::filesystem::temp_directory_path() / ("varnex-bench-" + std::to_string(::getpid())))
    {
        std::filesystem::create_directories(root_);
        auto map = std::make_unique<fw::DriveMap>();
        map->Map('C', root_);
        previous_ = fw::DriveMap::SetInstance(std::move(map));
    }
    ~TempDrive()
    {
        fw::DriveMap::SetInstance(std::move(previous_));
        std::filesystem::remove_all(root_);
    }
    const std::filesystem::path& Root() const { return root_; }

private:
    std::filesystem::path root_;
    std::unique_ptr<fw::DriveMap> previous_;
};

void BM_IndexFileOnDisk(benchmark::State& state)
{
    TempDrive drive;
    Keys();
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove(drive.Root() / "SHOP" / "PART" / "T.NDX");
        state.ResumeTiming();
        CIndexFile index;
        index.Setup(6, keyLength);
        if (!index.Open("C:\\SHOP\\PART\\T.NDX", CPowerFile::writeFlags))
            std::abort();
        InsertAndFindAll(index);
    }
    state.SetItemsProcessed(state.iterations() * keyCount);
}
BENCHMARK(BM_IndexFileOnDisk)->Unit(benchmark::kMillisecond);

void BM_IndexFileInMemory(benchmark::State& state)
{
    Keys();
    for (auto _ : state) {
        CIndexFile index;
        index.Setup(6, keyLength);
        index.Open(std::make_unique<shopdb::MemoryMedium>(std::make_shared<std::vector<std::uint8_t>>()), "T.NDX");
        InsertAndFindAll(index);
    }
    state.SetItemsProcessed(state.iterations() * keyCount);
}
BENCHMARK(BM_IndexFileInMemory)->Unit(benchmark::kMillisecond);

void BM_StdMap(benchmark::State& state)
{
    const auto& keys = Keys();
    for (auto _ : state) {
        std::map<Key, std::int32_t> map;
        for (std::size_t i = 0; i < keys.size(); ++i)
            map[keys[i]] = std::int32_t(i * 234);
        for (std::size_t i = 0; i < keys.size(); ++i) {
            const auto it = map.find(keys[i]);
            if (it == map.end() || it->second != std::int32_t(i * 234))
                std::abort();
        }
    }
    state.SetItemsProcessed(state.iterations() * keyCount);
}
BENCHMARK(BM_StdMap)->Unit(benchmark::kMillisecond);

} // namespace
