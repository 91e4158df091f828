// Properties of the search over a few hundred random jobs, and the pruned search against the
// plain one, mult for mult.

#include "EngineJob.h"
#include "ScriptedUi.h"

#include "fw/core/Profile.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <set>

namespace {

const enumZone kZones[] = {eAM_ZONE_WEB_NEAR, eAM_ZONE_TF_NEAR, eAM_ZONE_BF_FAR};   // BF_FAR never has a station

double Pick(std::mt19937& rng, std::initializer_list<double> values)
{
    return *(values.begin() + std::uniform_int_distribution<std::size_t>(0, values.size() - 1)(rng));
}

int Between(std::mt19937& rng, int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }

// Lengths on a sixteenth grid, in decimal inches or from whole millimetres; now and then longer
// than the stock, with tools now and then in zones with too few stations or none.
Job RandomJob(std::mt19937& rng)
{
    Job job;
    job.stock = Pick(rng, {100, 240, 6000 / 25.4});
    job.kerf = Pick(rng, {0, 0.125});
    job.machineDrop = Pick(rng, {0, 0.5});
    job.allowable = Pick(rng, {-1, 0, 0.0078125, 2});
    const bool tools = Between(rng, 0, 2) == 0;
    if (tools) {
        for (int i = Between(rng, 1, 2); i > 0; --i)
            job.stations.push_back(eAM_ZONE_WEB_NEAR);
        job.stations.push_back(eAM_ZONE_TF_NEAR);
    }
    const int style = Between(rng, 0, 2);
    // Half the jobs have short pieces only, many to a mult: deeper searches.
    const double longest = Between(rng, 0, 1) ? 1.02 : 0.3;
    for (int p = Between(rng, 1, 10); p > 0; --p) {
        const double fraction = std::uniform_real_distribution<double>(0.03, longest)(rng);
        double length = job.stock * fraction;
        if (style == 0)
            length = std::floor(length * 16) / 16;
        else if (style == 1)
            length = std::floor(length * 1000) / 1000;
        else
            length = std::floor(length * 25.4) / 25.4;
        JobPart part{"P" + std::to_string(job.parts.size()), length, Between(rng, 0, 6)};
        for (int t = tools ? Between(rng, 0, 2) : 0; t > 0; --t)
            part.tools.push_back({"T" + std::to_string(Between(rng, 1, 3)), kZones[Between(rng, 0, 2)]});
        job.parts.push_back(part);
        if (Between(rng, 0, 3) == 0)   // a second part of the same length and tools
            job.parts.push_back({"P" + std::to_string(job.parts.size()), length, Between(rng, 1, 3), part.tools});
    }
    std::stable_sort(job.parts.begin(), job.parts.end(), [](auto& a, auto& b) { return a.length > b.length; });
    return job;
}

struct Outcome {
    std::vector<MultRead> mults;
    std::vector<AMUnplacedPart> unplaced;
    AMSearchStats stats;
};

Outcome MultJob(const Job& job, bool prune)
{
    ScriptedUi ui;
    ui.problemChoice = AMProblemChoice::Mult;   // keep every part, placeable or not
    fw::MemoryProfile profile;
    CAutoMultOpnB engine(ui, profile);
    engine.SetSearchOptions({prune});
    Load(engine, job);
    int made = 0;
    EXPECT_EQ(engine.MultCurrentShape(&made), fw::S_OK);
    return {ReadMults(engine, made), engine.GetUnplacedParts(), engine.SearchStats()};
}

// Distinct tools per zone the part's tools need.
std::map<enumZone, std::set<std::string>> ToolsByZone(const JobPart& part)
{
    std::map<enumZone, std::set<std::string>> zones;
    for (const JobTool& tool : part.tools)
        zones[tool.zone].insert(tool.name);
    return zones;
}

int Stations(const Job& job, enumZone zone) { return int(std::count(job.stations.begin(), job.stations.end(), zone)); }

bool PlaceableAlone(const Job& job, const JobPart& part)
{
    if (part.length + job.kerf > job.stock - job.machineDrop + 1e-6)
        return false;
    for (const auto& [zone, names] : ToolsByZone(part))
        if (int(names.size()) > Stations(job, zone))
            return false;
    return true;
}

void CheckMults(const Job& job, const Outcome& outcome)
{
    std::map<std::string, const JobPart*> byMark;
    for (const JobPart& part : job.parts)
        byMark[part.mark] = &part;
    const double usable = job.stock - job.machineDrop;

    std::map<std::string, int> placed;
    for (const MultRead& mult : outcome.mults) {
        double used = 0;
        std::map<enumZone, std::set<std::string>> loaded;
        for (const MultPart& piece : mult.parts) {
            const JobPart& part = *byMark.at(piece.mark);
            placed[piece.mark] += piece.quantity;
            used += piece.quantity * (part.length + job.kerf);
            for (const auto& [zone, names] : ToolsByZone(part))
                loaded[zone].insert(names.begin(), names.end());
        }
        EXPECT_LE(used, usable + 1e-6);
        EXPECT_NEAR(mult.drop, std::max(usable - used, 0.0) + job.machineDrop, 1e-6);
        for (const auto& [zone, names] : loaded)
            EXPECT_LE(int(names.size()), Stations(job, zone));
    }
    std::map<std::string, int> left;
    for (const AMUnplacedPart& part : outcome.unplaced) {
        left[part.mark] = part.quantity;
        EXPECT_FALSE(PlaceableAlone(job, *byMark.at(part.mark))) << part.mark;
    }
    for (const JobPart& part : job.parts)
        EXPECT_EQ(placed[part.mark] + left[part.mark], part.quantity) << part.mark;
}

TEST(SearchProperties, HoldOnRandomJobsAndPruningChangesNoMult)
{
    std::mt19937 rng(20240611);
    for (int n = 0; n < 300; ++n) {
        const Job job = RandomJob(rng);
        SCOPED_TRACE("job " + std::to_string(n));
        const Outcome pruned = MultJob(job, true);
        const Outcome plain = MultJob(job, false);
        CheckMults(job, plain);
        EXPECT_EQ(Describe(pruned.mults), Describe(plain.mults));
        EXPECT_EQ(pruned.unplaced, plain.unplaced);
        EXPECT_LE(pruned.stats.nodes, plain.stats.nodes);
    }
}

} // namespace
