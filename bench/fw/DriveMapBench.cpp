// Converting a Windows path whose file name is in a folder of N files (present) or in none of
// them (missing: every new save asks about such names), against the same folder sizes. The
// folder lies under TMPDIR (set it to a RAM disk or a real disk).
#include "fw/core/DriveMap.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;

class Folder {
public:
    explicit Folder(int files)
        : root_(fs::temp_directory_path() / ("varnex-drivebench-" + std::to_string(::getpid()) + "-" + std::to_string(files)))
    {
        fs::remove_all(root_);
        fs::create_directories(root_ / "Kestrom/Jobs/J1/G1");
        for (int i = 0; i < files; ++i)
            std::ofstream(root_ / "Kestrom/Jobs/J1/G1" / ("B" + std::to_string(i) + ".prt"));
        map_.Map('C', root_);
    }
    ~Folder() { fs::remove_all(root_); }
    const fw::DriveMap& Map() const { return map_; }

private:
    fs::path root_;
    fw::DriveMap map_;
};

void BM_ToNative(benchmark::State& state)
{
    const Folder folder(int(state.range(0)));
    const std::string name = state.range(1) ? "C:\\Kestrom\\Jobs\\J1\\G1\\B7.prt" : "C:\\Kestrom\\Jobs\\J1\\G1\\M 1.mlt";
    for (auto _ : state)
        benchmark::DoNotOptimize(folder.Map().ToNative(name));
}
// Arguments: files in the folder, whether the name is there.
BENCHMARK(BM_ToNative)->ArgsProduct({{10, 100, 1000, 4000, 10000}, {1, 0}})->Unit(benchmark::kMicrosecond);

} // namespace
