// One repaint's detailing of a face with 200 patterns (Detail Lines "All"): build, place and draw
// every dimension and label, on a context that measures text but draws nothing.
#include "fw/core/Drawing.h"
#include "model/Pattern.h"
#include "partprog/DetailDimensionLines.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <random>
#include <vector>

namespace {

class MeasuringContext : public fw::DrawContext {
public:
    void Polyline(std::span<const fw::Point>) override {}
    void Polygon(std::span<const fw::Point>) override {}
    void Rectangle(const fw::Rect&) override {}
    void Ellipse(const fw::Rect&) override {}
    void Arc(const fw::Rect&, fw::Point, fw::Point) override {}
    void FillRect(const fw::Rect&, const fw::Brush&) override {}
    void TextOut(int, int, const std::string&) override {}
    fw::Size GetTextExtent(const std::string& text) const override { return {int(text.size()) * 10, 16}; }
    fw::TextMetrics GetTextMetrics() const override { return {16, 13, 3, 0, 10}; }

protected:
    void DrawLine(fw::Point, fw::Point) override {}
};

// A 40-foot beam web 12 inches deep: hole groups along the length from planes at the web's
// edges or centre line, some on sloped planes; starts, counts and gauges as shops use them.
std::vector<std::unique_ptr<CPattern>> MakeFace(int count)
{
    std::mt19937 rng(2024);
    const auto between = [&rng](double a, double b) { return std::uniform_real_distribution<double>(a, b)(rng); };
    const auto pick = [&rng](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    const auto sixteenths = [](double inches) { return std::round(inches * 16) / 16; };
    std::vector<std::unique_ptr<CPattern>> patterns;
    for (int k = 0; k < count; ++k) {
        CRefPlane plane;
        const char type = "AABC"[pick(4)];
        const double u = type == 'C' ? 6 : type == 'B' ? 12 : 0;
        const bool sloped = pick(10) == 0;
        plane.Set(sixteenths(between(0, 470)), u, pick(2) ? '+' : '-', type == 'B' ? '-' : '+', sloped ? 1 : 0,
                  sloped ? 12 : 0, type);
        patterns.push_back(std::make_unique<CPattern>(sixteenths(between(0, 3)), sixteenths(between(1, 3)), 1 + pick(4),
                                                      3.0, 1 + pick(3), type == 'C' ? 5.5 : 2.5, CPattern::hole, &plane,
                                                      nullptr, 0));
    }
    return patterns;
}

void BM_DetailFace(benchmark::State& state)
{
    const auto patterns = MakeFace(int(state.range(0)));
    MeasuringContext dc;
    const DetailingFace face{192, 7680};
    std::size_t objects = 0;
    for (auto _ : state) {
        CDetailDimensionLines lines;
        for (const auto& p : patterns)
            lines.AddPattern(*p, dc, face);
        lines.DrawAll();
        objects = std::size_t(lines.GetList().GetCount());
    }
    state.counters["objects"] = double(objects);
}
BENCHMARK(BM_DetailFace)->Arg(20)->Arg(200)->Unit(benchmark::kMillisecond);

} // namespace
