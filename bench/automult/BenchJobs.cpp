#include "BenchJobs.h"

#include <algorithm>
#include <cmath>
#include <random>
#include <set>

namespace {

constexpr double kEighth = 0.125;
constexpr double kMm = 1 / 25.4;

class Dice {
public:
    explicit Dice(unsigned seed) : rng_(seed) {}
    int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    double Real(double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng_); }
    template <class T> T Of(std::initializer_list<T> values) { return *(values.begin() + Int(0, int(values.size()) - 1)); }

private:
    std::mt19937 rng_;
};

// Distinct lengths from `draw`, one mark each, longest first.
template <class Draw> std::vector<BenchPart> Marks(int count, Draw draw, Dice& dice, std::initializer_list<int> quantities)
{
    std::set<double, std::greater<>> lengths;
    while (int(lengths.size()) < count)
        lengths.insert(draw());
    std::vector<BenchPart> parts;
    for (double length : lengths)
        parts.push_back({length, dice.Of(quantities)});
    return parts;
}

double Sixteenths(double inches) { return std::round(inches * 16) / 16; }

// Beam jobs: 2 to 40 ft parts on 20, 40 or 60 ft stock, mostly a few of each mark.
BenchFamily Realistic()
{
    Dice dice(1001);
    BenchFamily family{"realistic", {}};
    for (int marks : {10, 20, 30, 40}) {
        for (int j = 0; j < 4; ++j) {
            const double stock = dice.Of({240.0, 480.0, 720.0});
            const double longest = std::min(480.0, stock - kEighth);
            family.jobs.push_back({stock, kEighth,
                                   Marks(marks, [&] { return Sixteenths(dice.Real(24, longest)); }, dice,
                                         {1, 1, 1, 2, 2, 3, 4, 6, 8, 10})});
        }
    }
    return family;
}

BenchFamily Uniform()
{
    Dice dice(2002);
    BenchFamily family{"uniform", {}};
    for (int j = 0; j < 10; ++j)
        family.jobs.push_back({480, kEighth, Marks(20, [&] { return Sixteenths(dice.Real(12, 300)); }, dice, {1, 2, 3, 4, 5})});
    return family;
}

// Multiples of 7/16 inch never add up to 480 inches: every pass searches to its end.
BenchFamily NoExactFit(const char* name, unsigned seed, std::initializer_list<int> markCounts)
{
    Dice dice(seed);
    BenchFamily family{name, {}};
    for (int marks : markCounts) {
        for (int j = 0; j < 3; ++j)
            family.jobs.push_back({480, 0, Marks(marks, [&] { return 7.0 / 16 * dice.Int(23, 230); }, dice, {1, 2, 3, 4})});
    }
    return family;
}

// Pieces between a quarter and a half of the stock, made in threes that fill a bar exactly.
BenchFamily Triplets()
{
    Dice dice(4004);
    BenchFamily family{"triplets", {}};
    const double stock = 480;
    for (int bars : {10, 15, 20, 25}) {
        for (int j = 0; j < 2; ++j) {
            std::vector<BenchPart> parts;
            for (int b = 0; b < bars; ++b) {
                const double a = Sixteenths(dice.Real(stock / 4 + 10, stock / 2 - 10));
                const double lo = std::max(stock / 4, stock / 2 - a) + 1;
                const double c = Sixteenths(dice.Real(lo, std::min(stock / 2, 3 * stock / 4 - a) - 1));
                for (double piece : {a, c, stock - a - c})
                    parts.push_back({piece - kEighth, 1});
            }
            std::sort(parts.begin(), parts.end(), [](auto& x, auto& y) { return x.length > y.length; });
            family.jobs.push_back({stock, kEighth, parts});
        }
    }
    return family;
}

BenchFamily Decimal()
{
    Dice dice(5005);
    BenchFamily family{"decimal inch", {}};
    for (int j = 0; j < 8; ++j)
        family.jobs.push_back({480, kEighth, Marks(20, [&] { return std::round(dice.Real(12, 300) * 1000) / 1000; }, dice, {1, 2, 3, 4})});
    return family;
}

BenchFamily Metric()
{
    Dice dice(6006);
    BenchFamily family{"metric", {}};
    for (int j = 0; j < 8; ++j)
        family.jobs.push_back({12000 * kMm, 3 * kMm, Marks(20, [&] { return dice.Int(300, 7000) * kMm; }, dice, {1, 2, 3, 4})});
    return family;
}

} // namespace

std::vector<BenchFamily> MakeFamilies()
{
    return {Realistic(),
            Uniform(),
            NoExactFit("no exact fit", 3003, {8, 12, 16, 20}),
            NoExactFit("no exact fit, large", 3113, {30, 40}),
            Triplets(),
            Decimal(),
            Metric()};
}
