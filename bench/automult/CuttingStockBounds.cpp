#include "CuttingStockBounds.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

std::int64_t CeilDiv(std::int64_t a, std::int64_t b) { return a <= 0 ? 0 : (a + b - 1) / b; }

struct Pattern {
    double value = 0;
    std::vector<int> counts;
};

// The best pattern for the dual prices, max sum value*count with sum size*count <= capacity and
// count <= demand. Sizes on a coarse common grid go through dynamic programming over the grid;
// others through depth-first branch and bound in order of value per length.
class Knapsack {
public:
    Knapsack(const std::vector<ItemDemand>& items, const std::vector<double>& values, std::int64_t capacity)
        : items_(items), values_(values), counts_(items.size(), 0)
    {
        best_.counts.assign(items.size(), 0);
        std::int64_t grid = 0;
        for (const ItemDemand& item : items)
            grid = std::gcd(grid, item.size);
        if (capacity / grid <= kMaxCells) {
            Tabulate(grid, capacity / grid);
            return;
        }
        for (std::size_t i = 0; i < items.size(); ++i)
            if (values[i] > 1e-12)
                order_.push_back(i);
        std::sort(order_.begin(), order_.end(), [&](std::size_t a, std::size_t b) {
            return values[a] / double(items[a].size) > values[b] / double(items[b].size);
        });
        Search(0, capacity, 0.0);
    }
    const Pattern& Best() const { return best_; }

private:
    static constexpr std::int64_t kMaxCells = 200000;

    // 0/1 knapsack over chunks of 1, 2, 4, ... pieces of each item, keeping which chunks were taken.
    void Tabulate(std::int64_t grid, std::int64_t cells)
    {
        struct Chunk {
            std::size_t item;
            int count;
        };
        std::vector<Chunk> chunks;
        for (std::size_t i = 0; i < items_.size(); ++i) {
            int left = int(std::min<std::int64_t>(items_[i].demand, cells * grid / items_[i].size));
            for (int chunk = 1; left > 0 && values_[i] > 1e-12; chunk *= 2) {
                chunks.push_back({i, std::min(chunk, left)});
                left -= chunks.back().count;
            }
        }
        std::vector<double> value(std::size_t(cells) + 1, 0.0);
        std::vector<std::vector<bool>> taken(chunks.size(), std::vector<bool>(std::size_t(cells) + 1, false));
        for (std::size_t k = 0; k < chunks.size(); ++k) {
            const std::int64_t width = chunks[k].count * items_[chunks[k].item].size / grid;
            const double gain = chunks[k].count * values_[chunks[k].item];
            for (std::int64_t c = cells; c >= width; --c) {
                if (value[std::size_t(c - width)] + gain > value[std::size_t(c)]) {
                    value[std::size_t(c)] = value[std::size_t(c - width)] + gain;
                    taken[k][std::size_t(c)] = true;
                }
            }
        }
        best_.value = value[std::size_t(cells)];
        for (std::size_t k = chunks.size(), c = std::size_t(cells); k-- > 0;) {
            if (taken[k][c]) {
                best_.counts[chunks[k].item] += chunks[k].count;
                c -= std::size_t(chunks[k].count * items_[chunks[k].item].size / grid);
            }
        }
    }

    double Bound(std::size_t k, std::int64_t room, double value) const
    {
        for (; k < order_.size() && room > 0; ++k) {
            const ItemDemand& item = items_[order_[k]];
            const double take = std::min<double>(item.demand, double(room) / double(item.size));
            value += take * values_[order_[k]];
            room -= std::int64_t(std::floor(take)) * item.size;
            if (take < item.demand)
                break;
        }
        return value;
    }

    void Search(std::size_t k, std::int64_t room, double value)
    {
        if (value > best_.value) {
            best_.value = value;
            best_.counts = counts_;
        }
        if (k == order_.size() || Bound(k, room, value) <= best_.value + 1e-12)
            return;
        const std::size_t i = order_[k];
        const int most = int(std::min<std::int64_t>(items_[i].demand, room / items_[i].size));
        for (int c = most; c >= 0; --c) {
            counts_[i] = c;
            Search(k + 1, room - c * items_[i].size, value + c * values_[i]);
        }
        counts_[i] = 0;
    }

    const std::vector<ItemDemand>& items_;
    const std::vector<double>& values_;
    std::vector<std::size_t> order_;
    std::vector<int> counts_;
    Pattern best_;
};

// The dual of the cutting-stock master problem, max sum demand*y subject to pattern*y <= 1,
// kept as a simplex tableau. Patterns arrive as cuts and are brought in by dual simplex.
class DualMaster {
public:
    DualMaster(const std::vector<ItemDemand>& items, std::int64_t capacity) : m_(items.size())
    {
        cost_.resize(m_);
        for (std::size_t i = 0; i < m_; ++i)
            cost_[i] = -double(items[i].demand);
        // One pattern per item, as many pieces of it as fit: y_i <= 1 / k_i, optimal at once.
        for (std::size_t i = 0; i < m_; ++i) {
            std::vector<double> pattern(m_, 0.0);
            pattern[i] = double(std::min<std::int64_t>(items[i].demand, capacity / items[i].size));
            AddCut(pattern);
            Pivot(i, i);
        }
    }

    double Objective() const { return objective_; }
    std::vector<double> Prices() const
    {
        std::vector<double> y(m_, 0.0);
        for (std::size_t r = 0; r < rows_.size(); ++r)
            if (basis_[r] < m_)
                y[basis_[r]] = rhs_[r];
        return y;
    }

    void AddCut(const std::vector<double>& pattern)
    {
        const std::size_t slack = cost_.size();
        for (auto& row : rows_)
            row.push_back(0.0);
        cost_.push_back(0.0);
        std::vector<double> row(cost_.size(), 0.0);
        std::copy(pattern.begin(), pattern.end(), row.begin());
        row[slack] = 1.0;
        double rhs = 1.0;
        for (std::size_t r = 0; r < rows_.size(); ++r) {
            const double f = row[basis_[r]];
            if (f != 0.0) {
                for (std::size_t j = 0; j < row.size(); ++j)
                    row[j] -= f * rows_[r][j];
                rhs -= f * rhs_[r];
            }
        }
        rows_.push_back(row);
        rhs_.push_back(rhs);
        basis_.push_back(slack);
        RestoreFeasibility();
    }

private:
    void Pivot(std::size_t r, std::size_t j)
    {
        const double p = rows_[r][j];
        for (double& v : rows_[r])
            v /= p;
        rhs_[r] /= p;
        auto eliminate = [&](std::vector<double>& row, double& value) {
            const double f = row[j];
            if (f == 0.0)
                return;
            for (std::size_t k = 0; k < row.size(); ++k)
                row[k] -= f * rows_[r][k];
            value -= f * rhs_[r];
        };
        for (std::size_t q = 0; q < rows_.size(); ++q)
            if (q != r)
                eliminate(rows_[q], rhs_[q]);
        eliminate(cost_, objective_);
        basis_[r] = j;
    }

    // Brings every basic value back to >= 0 keeping the reduced costs >= 0 (dual simplex).
    void RestoreFeasibility()
    {
        for (;;) {
            std::size_t r = 0;
            for (std::size_t q = 1; q < rows_.size(); ++q)
                if (rhs_[q] < rhs_[r])
                    r = q;
            if (rhs_[r] >= -1e-12)
                return;
            std::size_t entering = cost_.size();
            double bestRatio = 0;
            for (std::size_t j = 0; j < cost_.size(); ++j) {
                if (rows_[r][j] < -1e-12) {
                    const double ratio = cost_[j] / -rows_[r][j];
                    if (entering == cost_.size() || ratio < bestRatio) {
                        entering = j;
                        bestRatio = ratio;
                    }
                }
            }
            if (entering == cost_.size())
                return;   // only rounding can get here: y = 0 is always feasible
            Pivot(r, entering);
        }
    }

    std::size_t m_;
    std::vector<std::vector<double>> rows_;
    std::vector<double> rhs_;
    std::vector<std::size_t> basis_;
    std::vector<double> cost_;   // reduced costs of the objective row
    double objective_ = 0.0;
};

} // namespace

int MartelloTothL2(const std::vector<ItemDemand>& items, std::int64_t capacity)
{
    std::int64_t best = 0;
    std::vector<std::int64_t> alphas = {0};
    for (const ItemDemand& item : items)
        if (2 * item.size <= capacity)
            alphas.push_back(item.size);
    for (std::int64_t alpha : alphas) {
        std::int64_t big = 0, half = 0, halfSum = 0, smallSum = 0;
        for (const ItemDemand& item : items) {
            if (item.size > capacity - alpha)
                big += item.demand;
            else if (2 * item.size > capacity) {
                half += item.demand;
                halfSum += item.demand * item.size;
            } else if (item.size >= alpha)
                smallSum += item.demand * item.size;
        }
        best = std::max(best, big + half + CeilDiv(smallSum - (half * capacity - halfSum), capacity));
    }
    return int(best);
}

int CuttingStockLpBound(const std::vector<ItemDemand>& items, std::int64_t capacity)
{
    DualMaster master(items, capacity);
    double bound = 0;
    for (;;) {
        const std::vector<double> prices = master.Prices();
        const Pattern best = Knapsack(items, prices, capacity).Best();
        // Scaled down by the best pattern's value, the prices are dual feasible: a valid bound.
        bound = std::max(bound, master.Objective() / std::max(best.value, 1.0));
        if (best.value <= 1.0 + 1e-9)
            break;
        master.AddCut(std::vector<double>(best.counts.begin(), best.counts.end()));
    }
    return int(std::ceil(bound - 1e-6));
}
