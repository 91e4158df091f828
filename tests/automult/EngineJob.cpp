#include "EngineJob.h"

#include "fw/core/Number.h"

#include <cmath>
#include <gtest/gtest.h>

void Load(CAutoMultOpnB& engine, const Job& job)
{
    engine.SetMultStockLength(job.stock);
    engine.SetKerf(job.kerf);
    engine.SetMinimumMachineDrop(job.machineDrop);
    for (enumZone zone : job.stations)
        engine.SetMachineToolZone(zone);
    for (const JobPart& part : job.parts) {
        std::vector<std::string> names;
        std::vector<enumZone> zones;
        for (const JobTool& tool : part.tools) {
            names.push_back(tool.name);
            zones.push_back(tool.zone);
        }
        ASSERT_EQ(engine.AddPartToList("J1", "G1", part.mark, "C:\\Kestrom\\Jobs\\J1\\G1\\" + part.mark + ".prt",
                                       part.quantity, part.length, 1, int(names.size()), names.data(), zones.data()),
                  fw::S_OK);
    }
    if (job.allowable)
        engine.SetAllowableDrop(*job.allowable);
}

std::vector<MultRead> ReadMults(CAutoMultOpnB& engine, int count)
{
    std::vector<MultRead> mults;
    for (int m = 0; m < count; ++m) {
        MultRead mult{};
        EXPECT_EQ(engine.GetMultDrop(m, &mult.drop), fw::S_OK);
        int parts = 0;
        EXPECT_EQ(engine.GetNumberOfPartsForMult(m, &parts), fw::S_OK);
        for (int p = 0; p < parts; ++p) {
            std::string job, group;
            MultPart part{};
            EXPECT_EQ(engine.GetPartData(m, p, &job, &group, &part.mark, &part.quantity), fw::S_OK);
            mult.parts.push_back(part);
        }
        mults.push_back(mult);
    }
    return mults;
}

std::vector<std::string> Describe(const std::vector<MultRead>& mults)
{
    std::vector<std::string> lines;
    for (const MultRead& mult : mults) {
        std::string line;
        for (const MultPart& part : mult.parts)
            line += part.mark + "*" + std::to_string(part.quantity) + " ";
        line += "=" + fw::FormatGeneral(std::round(mult.drop * 1e4) / 1e4);
        lines.push_back(line);
    }
    return lines;
}
