#pragma once
// Lower bounds on the number of bars a job needs, to judge the mults the engine makes: the
// Martello-Toth L2 bound of bin packing and the linear-programming bound of cutting stock
// (column generation), rounded up. Sizes and capacity in the engine's integer length units.

#include <cstdint>
#include <vector>

struct ItemDemand {
    std::int64_t size;
    int demand;
};

int MartelloTothL2(const std::vector<ItemDemand>& items, std::int64_t capacity);
int CuttingStockLpBound(const std::vector<ItemDemand>& items, std::int64_t capacity);
