#pragma once
// A job for the engine written as data, fed through ICommonAutoMult, and its mults read back.

#include "automult/AutoMultOpnB.h"

#include <optional>
#include <string>
#include <vector>

struct JobTool {
    std::string name;
    enumZone zone;
};

struct JobPart {
    std::string mark;
    double length;
    int quantity;
    std::vector<JobTool> tools = {};
};

struct Job {
    double stock = 100.0;
    double kerf = 0.0;
    double machineDrop = 0.0;
    std::optional<double> allowable = 0.0;   // nullopt: ask through the condition dialog
    std::vector<enumZone> stations = {};
    std::vector<JobPart> parts = {};
};

// Sets up the engine with the job in the client's calling order.
void Load(CAutoMultOpnB& engine, const Job& job);

struct MultPart {
    std::string mark;
    int quantity;
};
struct MultRead {
    double drop;
    std::vector<MultPart> parts;
};
std::vector<MultRead> ReadMults(CAutoMultOpnB& engine, int count);

// Each mult as "A*1 B*2 =40" (marks with quantities, then the drop to 4 decimals, trailing zeros cut).
std::vector<std::string> Describe(const std::vector<MultRead>& mults);
