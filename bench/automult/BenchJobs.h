#pragma once
// Families of multing jobs for the benchmark, made from fixed seeds.

#include <string>
#include <vector>

struct BenchPart {
    double length;   // inches, kerf not included
    int quantity;
};

struct BenchJob {
    double stock;
    double kerf;
    std::vector<BenchPart> parts;   // longest first, as the client adds them
};

struct BenchFamily {
    std::string name;
    std::vector<BenchJob> jobs;
};

std::vector<BenchFamily> MakeFamilies();
