// A whole group through automatic multing, as the user waits for it after Begin Automulting:
// 500 pieces in 30 marks of W 12X26 in two grades (two stock choices), gathered from their part
// files, multed by the engine on 480-inch stock and saved as mult files, from Begin to the last
// file saved. Files live in a temporary folder mapped as drive C:. Reports the total and the time
// per mult; the target is under 2 s in all.
// The warehouse job: 1,000 and 2,000 marks of two pieces each, 10 to 37 feet, multed into one
// folder; the time grows with the mults (twice the parts within 2.5 times the time), and the CPU
// time of every thread of the process is reported beside the wall time. The drive lies under
// TMPDIR (set it to a RAM disk or a real disk).
#include "fw/core/AppProfile.h"
#include "fw/core/DriveMap.h"
#include "machmult/AutoMultCandidates.h"
#include "machmult/MultClasses.h"
#include "machmult/MultDoc.h"
#include "model/ModelClasses.h"
#include "partprog/PartDoc.h"
#include "tests/machmult/SampleMult.h"

#include <benchmark/benchmark.h>

#include <bit>
#include <condition_variable>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <unistd.h>

namespace {

using Bytes = std::string;

Bytes Le32(std::uint32_t v) { return {char(v), char(v >> 8), char(v >> 16), char(v >> 24)}; }
Bytes Inches(double value)
{
    const auto bits = std::bit_cast<std::uint64_t>(value);
    Bytes b;
    for (int i = 0; i < 8; ++i)
        b.push_back(char(bits >> (8 * i)));
    return b + 'D';
}
Bytes Str(const std::string& s) { return char(s.size()) + s; }

void Put(const std::filesystem::path& path, const Bytes& bytes)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

// Answers the condition dialog with no allowable drop and shows nothing else.
class QuietUi : public IAutoMultUi {
public:
    std::optional<std::string> AskAllowableDrop(const std::string&, const std::string&) override { return " 0.000"; }
    AMProblemChoice ResolveProblems(const std::vector<AMPartRow>&, const std::vector<AMPartRow>&) override
    {
        return AMProblemChoice::Start;
    }
    void ProgressBegin(std::stop_source) override {}
    void ProgressPercent(int) override {}
    void ProgressMults(int) override {}
    void ProgressEnd() override {}
};

class Waiter : public AutoMultListener {
public:
    void OnProgress(int) override {}
    void OnStatus(const std::string&) override {}
    void OnEnded(const AutoMultSummary& ended) override
    {
        std::lock_guard lock(mutex_);
        summary = ended;
        done_ = true;
        cv_.notify_all();
    }
    void Wait()
    {
        std::unique_lock lock(mutex_);
        cv_.wait(lock, [this] { return done_; });
    }
    AutoMultSummary summary;

private:
    std::mutex mutex_;
    std::condition_variable cv_;
    bool done_ = false;
};

struct Mark {
    std::uint32_t quantity;
    double length;
    std::string grade;
};

// 30 marks, 500 pieces: lengths from 3 to 20 feet, two grades.
std::vector<Mark> GroupMarks()
{
    std::vector<Mark> marks;
    for (int i = 0, pieces = 0; i < 30; ++i) {
        marks.push_back({std::uint32_t(i < 29 ? 17 : 500 - pieces), 36.0 + 7.5 * ((i * 7) % 29), i % 2 ? "A36" : "A572"});
        pieces += int(marks.back().quantity);
    }
    return marks;
}

std::vector<Mark> WarehouseMarks(int count)
{
    std::vector<Mark> marks;
    for (int i = 0; i < count; ++i)
        marks.push_back({2, 120.0 + 0.5 * ((i * 37) % 660), i % 2 ? "A36" : "A572"});
    return marks;
}

double ProcessCpuSeconds()
{
    rusage usage {};
    ::getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) + 1e-6 * double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec);
}

class Drive {
public:
    explicit Drive(const std::vector<Mark>& marks)
        : root_(std::filesystem::temp_directory_path() /
                ("varnex-amultbench-" + std::to_string(::getpid()) + "-" + std::to_string(marks.size())))
    {
        std::filesystem::remove_all(root_);
        auto map = std::make_unique<fw::DriveMap>();
        map->Map('C', root_);
        fw::DriveMap::SetInstance(std::move(map));
        fw::SetAppProfile(nullptr);
        RegisterModelClasses();
        RegisterMultClasses();
        Put(root_ / "Kestrom/Shapes/W 12X26.shp",
            Str("W ") + Str("12X26") + Inches(12) + Inches(0.5) + Inches(4) + Inches(1) + Inches(2) +
                Inches(26).substr(0, 8) + Str("") + Le32(0) + Le32(1));
        Bytes machine = Str("SAW1") + Le32(5) + Inches(0.125) + Inches(120) + Inches(720) + Inches(0) + Le32(0) +
                        Le32(0) + Le32(0) + Inches(0);
        for (int material = 0; material < 7; ++material)
            machine += Le32(material == 0 ? 1 : 0);
        Put(root_ / "Kestrom/Machines/SAW1.mch", machine);
        for (std::size_t i = 0; i < marks.size(); ++i) {
            CPartDoc part;
            PartRecord& h = part.Header();
            h.jobId = "J1";
            h.group = "G1";
            h.mark = "B" + std::to_string(i);
            h.quantity = marks[i].quantity;
            h.length = marks[i].length;
            h.grade = marks[i].grade;
            part.BuildShape("W ", "12X26");
            h.shapeDesctp = "W ";
            h.shapeDesc = "12X26";
            part.OnSaveDocument("C:\\x.prt");
        }
    }
    ~Drive() { std::filesystem::remove_all(root_); }
    void ClearMults() const
    {
        for (const auto& entry : std::filesystem::directory_iterator(root_ / "Kestrom/Jobs/J1/G1"))
            if (entry.path().extension() == ".mlt")
                std::filesystem::remove(entry.path());
    }

private:
    std::filesystem::path root_;
};

// Mults the group of the drive's parts and answers how many mults it saved.
std::size_t MultAll(benchmark::State& state, const Drive& drive)
{
    state.PauseTiming();
    drive.ClearMults();
    CMultDoc doc;
    doc.SetMultData(multtest::SampleMultRecord("SAW1"));
    state.ResumeTiming();

    AutoMultGathered gathered = GatherAutoMultJob(doc, "C:\\Kestrom\\Jobs\\J1\\G1\\*.prt|", {});
    Waiter waiter;
    gathered.job->Begin({{}, std::make_shared<QuietUi>(), nullptr, &waiter});
    waiter.Wait();
    gathered.job->Join();
    return waiter.summary.saved.size();
}

void BM_AutoMultJob(benchmark::State& state)
{
    const Drive drive(WarehouseMarks(int(state.range(0))));
    std::size_t mults = 0;
    const double cpu = ProcessCpuSeconds();
    for (auto _ : state)
        mults = MultAll(state, drive);
    state.counters["mults"] = double(mults);
    state.counters["per mult"] = benchmark::Counter(double(mults) * double(state.iterations()),
                                                    benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["cpu all threads"] =
        benchmark::Counter((ProcessCpuSeconds() - cpu) / double(state.iterations()));
}
BENCHMARK(BM_AutoMultJob)->Arg(1000)->Arg(2000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

void BM_AutoMultGroup(benchmark::State& state)
{
    static const Drive drive(GroupMarks());
    std::size_t mults = 0;
    for (auto _ : state)
        mults = MultAll(state, drive);
    state.counters["mults"] = double(mults);
    state.counters["per mult"] = benchmark::Counter(double(mults) * double(state.iterations()),
                                                    benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_AutoMultGroup)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
