// The bus objects of the automation server: adding one object to a server that holds N already,
// and releasing all N objects of a client that left. Both should cost the same per object
// whatever N is. Runs on a session bus: `dbus-run-session -- build/<preset>/bench/fw/bench_fw_bus`.

#include "fw/qt/BusObjects.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <benchmark/benchmark.h>

namespace {

std::unique_ptr<fw::BusObject> Object()
{
    return std::make_unique<fw::BusObject>(QStringLiteral("com.kestrom.Bench"), std::vector<fw::BusMethod>{});
}

QDBusConnection Server() { return QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("bench")); }

// Adds one object (and releases it again, untimed) to objects holding range(0) already.
void AddAtCount(benchmark::State& state)
{
    fw::BusObjects objects(Server(), QStringLiteral("/com/kestrom/Bench"), std::size_t(state.range(0)) + 2);
    const QString owner;   // kept objects: no client to watch
    for (int i = 0; i < state.range(0); ++i)
        objects.Add(owner, QStringLiteral("Doc"), Object());
    for (auto _ : state) {
        const QString path = objects.Add(owner, QStringLiteral("Doc"), Object());
        state.PauseTiming();
        objects.Release(path, owner);
        state.ResumeTiming();
    }
}
BENCHMARK(AddAtCount)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMicrosecond);

// Releases every object of a client holding range(0), the batches included.
void ReleaseAllOfAClient(benchmark::State& state)
{
    fw::BusObjects objects(Server(), QStringLiteral("/com/kestrom/Bench"), std::size_t(state.range(0)));
    const QString owner = QDBusConnection::sessionBus().baseService();
    for (auto _ : state) {
        state.PauseTiming();
        for (int i = 0; i < state.range(0); ++i)
            objects.Add(owner, QStringLiteral("Doc"), Object());
        state.ResumeTiming();
        objects.ReleaseAllOf(owner);
        while (objects.Count() > 0)
            QCoreApplication::processEvents();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(ReleaseAllOfAClient)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
