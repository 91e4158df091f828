// One repaint of a face view as the user sees it: a 40-foot W 12X26 web with 200 hole patterns,
// without detailing and with Detail Lines and Detail Planes "All", drawn through the painter context on an image the
// size of a face view. The frame budget is 16 ms; a repaint with detailing should stay under 8 ms.
#include "fw/qt/PainterDrawContext.h"
#include "model/PartShape.h"
#include "partprog/DetailSettings.h"
#include "partprog/DetailingLayout.h"
#include "partprog/FaceScene.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cmath>
#include <cstdlib>
#include <random>

namespace {

// Hole groups along the web from planes at its edges or centre line, some sloped.
void Program(CPartShape& shape, int count)
{
    std::mt19937 rng(2024);
    const auto between = [&rng](double a, double b) { return std::uniform_real_distribution<double>(a, b)(rng); };
    const auto pick = [&rng](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    const auto sixteenths = [](double inches) { return std::round(inches * 16) / 16; };
    const CPartTool tool(0.8125, 0, "RD", 0);
    CRefPlane plane;
    for (int k = 0; k < count;) {
        if (k % 4 == 0) {
            const char type = "AABC"[pick(4)];
            const double u = type == 'C' ? 6 : type == 'B' ? 12 : 0;
            const bool sloped = pick(10) == 0;
            plane.Set(sixteenths(between(0, 470)), u, pick(2) ? '+' : '-', type == 'B' ? '-' : '+', sloped ? 1 : 0,
                      sloped ? 12 : 0, type);
        }
        auto pattern = std::make_unique<CPattern>(sixteenths(between(0, 3)), sixteenths(between(1, 3)), 1 + pick(4), 3.0,
                                                  1 + pick(3), plane.GetPatternType() == 'C' ? 5.5 : 2.5,
                                                  CPattern::hole, &plane, &tool, 0);
        if (shape.InsertPattern(pattern, shape.GetWebList()))
            ++k;
    }
}

void BM_RepaintFace(benchmark::State& state)
{
    CBeamPartShape shape;
    shape.SetShapeData("W ", "12X26", 12, 0.23, 6.49, 0.38, 3.5, 26, "W12 X 26");
    Program(shape, int(state.range(0)));
    DetailSettings details;
    details.SetLines(int(state.range(1)));
    details.SetPlanes(int(state.range(2)));
    FaceScene scene;
    scene.kind = &FaceKindOf(FaceViewKind::beamWeb);
    scene.dims = FaceDims::Of(shape, 480);
    scene.patterns = &shape.GetWebList();
    scene.stencils = &shape.GetStencilList();
    CRefPlane plane;
    plane.Set(0, 0, '+', '+', 0, 0, 'A');
    scene.plane = &plane;
    scene.current = shape.GetWebList().GetHead();
    scene.details = &details;
    DetailingLayout layout;   // the view keeps it between repaints until the part or the size changes
    scene.layout = state.range(3) ? &layout : nullptr;
    FaceViewport viewport;
    viewport.client = {1100, 420};
    viewport.horizontal = {0, 100, 20, 10};
    viewport.verticalPage = 10;
    QImage image(1100, 420, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        fw::PainterDrawContext dc(painter);
        scene.Map(dc, viewport);
        scene.Draw(dc, {-100000, -100000, 100000, 100000});
    }
}
// Arguments: patterns, detail lines, detail planes (0 none, 2 all), whether the detailing is kept
// from the last repaint (0: laid out afresh, as after a change).
BENCHMARK(BM_RepaintFace)
    ->Args({200, 0, 0, 1})
    ->Args({200, 0, 2, 1})
    ->Args({200, 2, 0, 1})
    ->Args({200, 2, 2, 1})
    ->Args({200, 2, 2, 0})
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
