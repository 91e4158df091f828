// The multing engine on families of jobs: time and search steps per job, the bars it uses
// against two lower bounds, and the pruned search checked mult for mult against the plain one.
// Google Benchmark times each family; the table after it reports quality and steps.

#include "BenchJobs.h"
#include "CuttingStockBounds.h"

#include "automult/AutoMultOpnB.h"
#include "fw/core/Profile.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <map>
#include <mutex>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

// Answers nothing (the allowable drop is supplied) and lets a watchdog cancel a search.
class BenchUi : public IAutoMultUi {
public:
    std::optional<std::string> AskAllowableDrop(const std::string&, const std::string&) override { return "0"; }
    AMProblemChoice ResolveProblems(const std::vector<AMPartRow>&, const std::vector<AMPartRow>&) override
    {
        return AMProblemChoice::Mult;
    }
    void ProgressBegin(std::stop_source cancel) override
    {
        std::lock_guard lock(mutex_);
        cancel_ = cancel;
    }
    void ProgressPercent(int) override {}
    void ProgressMults(int) override {}
    void ProgressEnd() override {}
    void Cancel()
    {
        std::lock_guard lock(mutex_);
        cancel_.request_stop();
    }

private:
    std::mutex mutex_;
    std::stop_source cancel_{std::nostopstate};
};

struct JobRun {
    bool finished = false;
    double seconds = 0;
    std::uint64_t nodes = 0;
    std::vector<std::string> mults;   // each mult's drop and parts, to compare runs
};

// Cancels the search of `ui` when it outlasts the budget.
class Watchdog {
public:
    Watchdog(BenchUi& ui, Clock::duration budget)
        : thread_([&ui, budget, this](std::stop_token stop) {
              std::unique_lock lock(mutex_);
              if (!wake_.wait_for(lock, stop, budget, [] { return false; }) && !stop.stop_requested())
                  ui.Cancel();
          })
    {
    }

private:
    std::mutex mutex_;
    std::condition_variable_any wake_;
    std::jthread thread_;
};

// Mults one job; with a budget, a search that outlasts it is cancelled and reported unfinished.
JobRun RunJob(const BenchJob& job, bool prune, std::optional<Clock::duration> budget = std::nullopt)
{
    BenchUi ui;
    fw::MemoryProfile profile;
    CAutoMultOpnB engine(ui, profile);
    engine.SetSearchOptions({prune});
    std::optional<Watchdog> watchdog;
    if (budget)
        watchdog.emplace(ui, *budget);

    const auto start = Clock::now();
    engine.SetMultStockLength(job.stock);
    engine.SetKerf(job.kerf);
    int index = 0;
    for (const BenchPart& part : job.parts) {
        std::string mark = "M";
        mark += std::to_string(index++);
        engine.AddPartToList("J", "G", mark, "", part.quantity, part.length, 1, 0, nullptr, nullptr);
    }
    engine.SetAllowableDrop(0.0078125);
    int made = 0;
    const fw::HRESULT hr = engine.MultCurrentShape(&made);
    JobRun run;
    run.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    run.finished = hr == fw::S_OK;
    run.nodes = engine.SearchStats().nodes;
    watchdog.reset();
    for (int m = 0; m < made; ++m) {
        double drop = 0;
        int parts = 0;
        engine.GetMultDrop(m, &drop);
        engine.GetNumberOfPartsForMult(m, &parts);
        std::string text = std::to_string(drop);
        for (int p = 0; p < parts; ++p) {
            std::string jobName, group, mark;
            int quantity = 0;
            engine.GetPartData(m, p, &jobName, &group, &mark, &quantity);
            text += " " + mark + "*" + std::to_string(quantity);
        }
        run.mults.push_back(text);
    }
    return run;
}

std::vector<ItemDemand> Items(const BenchJob& job)
{
    std::map<std::int64_t, int> bySize;
    for (const BenchPart& part : job.parts)
        bySize[automult::FromInches(part.length + job.kerf)] += part.quantity;
    std::vector<ItemDemand> items;
    for (auto [size, demand] : bySize)
        items.push_back({size, demand});
    return items;
}

const std::vector<BenchFamily>& Families()
{
    static const std::vector<BenchFamily> families = MakeFamilies();
    return families;
}

void MultFamily(benchmark::State& state, const BenchFamily* family)
{
    std::uint64_t nodes = 0;
    for (auto _ : state)
        for (const BenchJob& job : family->jobs)
            nodes += RunJob(job, true).nodes;
    state.counters["jobs/s"] =
        benchmark::Counter(double(state.iterations() * family->jobs.size()), benchmark::Counter::kIsRate);
    state.counters["nodes/job"] = double(nodes) / double(state.iterations() * family->jobs.size());
}

void MultLargestRealistic(benchmark::State& state)
{
    const auto& jobs = Families().front().jobs;
    const BenchJob& largest = *std::max_element(jobs.begin(), jobs.end(), [](auto& a, auto& b) {
        return a.parts.size() < b.parts.size();
    });
    for (auto _ : state)
        benchmark::DoNotOptimize(RunJob(largest, true).nodes);
}

void RegisterBenchmarks()
{
    for (const BenchFamily& family : Families()) {
        benchmark::RegisterBenchmark(("MultFamily/" + family.name).c_str(), MultFamily, &family)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("MultLargestRealisticJob", MultLargestRealistic)->Unit(benchmark::kMillisecond);
}

struct FamilyRow {
    std::size_t jobs = 0;
    double pieces = 0, meanMs = 0, maxMs = 0;
    double nodes = 0, maxNodes = 0, plainNodes = 0;
    int bars = 0, l2 = 0, lp = 0, jobsAtLp = 0;
    int plainUnfinished = 0, differing = 0;
};

FamilyRow Measure(const BenchFamily& family, Clock::duration plainBudget)
{
    FamilyRow row;
    row.jobs = family.jobs.size();
    for (const BenchJob& job : family.jobs) {
        const JobRun pruned = RunJob(job, true);
        const JobRun plain = RunJob(job, false, plainBudget);
        const std::vector<ItemDemand> items = Items(job);
        const std::int64_t capacity = automult::FromInches(job.stock) + automult::kTolerance;
        const int lp = CuttingStockLpBound(items, capacity);
        for (const ItemDemand& item : items)
            row.pieces += item.demand;
        row.meanMs += pruned.seconds * 1000;
        row.maxMs = std::max(row.maxMs, pruned.seconds * 1000);
        row.nodes += double(pruned.nodes);
        row.maxNodes = std::max(row.maxNodes, double(pruned.nodes));
        row.bars += int(pruned.mults.size());
        row.l2 += MartelloTothL2(items, capacity);
        row.lp += lp;
        row.jobsAtLp += int(pruned.mults.size()) == lp;
        if (!plain.finished) {
            ++row.plainUnfinished;
            continue;
        }
        row.plainNodes += double(plain.nodes);
        row.differing += plain.mults != pruned.mults;
    }
    const double n = double(row.jobs);
    row.pieces /= n;
    row.meanMs /= n;
    row.nodes /= n;
    const double finishedPlain = n - row.plainUnfinished;
    row.plainNodes = finishedPlain > 0 ? row.plainNodes / finishedPlain : 0;
    return row;
}

void PrintTable()
{
    const auto plainBudget = std::chrono::seconds(10);
    std::printf("\n| family | jobs | pieces/job | ms/job mean | ms/job max | nodes/job mean | nodes/job max | plain nodes/job | "
                "bars | L2 | LP | jobs at LP | same mults as plain |\n");
    std::printf("|---|---|---|---|---|---|---|---|---|---|---|---|---|\n");
    for (const BenchFamily& family : Families()) {
        const FamilyRow r = Measure(family, plainBudget);
        char plain[64];
        if (r.plainUnfinished == int(r.jobs))
            std::snprintf(plain, sizeof plain, "> 10 s");
        else
            std::snprintf(plain, sizeof plain, "%.0f%s", r.plainNodes, r.plainUnfinished ? "*" : "");
        std::printf("| %s | %zu | %.1f | %.2f | %.2f | %.0f | %.0f | %s | %d | %d | %d | %d/%zu | %zu/%zu |\n",
                    family.name.c_str(), r.jobs, r.pieces, r.meanMs, r.maxMs, r.nodes, r.maxNodes, plain, r.bars, r.l2,
                    r.lp, r.jobsAtLp, r.jobs, r.jobs - r.plainUnfinished - r.differing, r.jobs - r.plainUnfinished);
    }
    std::printf("(* plain search unfinished within 10 s on some jobs; its mean is over the jobs it finished)\n");
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RegisterBenchmarks();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    PrintTable();
    return 0;
}
