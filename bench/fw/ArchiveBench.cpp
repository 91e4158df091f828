// Storing and loading 100,000 small tagged objects, against a plain copy of the same bytes.
#include "fw/core/Archive.h"
#include "fw/core/ObList.h"

#include <benchmark/benchmark.h>

#include <cstring>

namespace {

class CBenchItem : public fw::Object {
    FW_DECLARE_SERIAL(CBenchItem)
public:
    std::int32_t id = 0;
    double length = 0;
    std::string mark;
    void Serialize(fw::Archive& ar) override
    {
        if (ar.IsStoring()) {
            ar << id << length << mark;
        } else {
            ar >> id >> length >> mark;
        }
    }
};
FW_IMPLEMENT_SERIAL(CBenchItem, fw::Object, 1)

constexpr int itemCount = 100000;

fw::ObList<CBenchItem> MakeList()
{
    fw::ObList<CBenchItem> list;
    for (int i = 0; i < itemCount; ++i) {
        auto item = std::make_unique<CBenchItem>();
        item->id = i;
        item->length = i * 0.125;
        item->mark = "B" + std::to_string(i % 1000);
        list.AddTail(std::move(item));
    }
    return list;
}

std::vector<std::uint8_t> StoreList(fw::ObList<CBenchItem>& list)
{
    fw::Archive ar;
    list.Serialize(ar);
    return ar.TakeBytes();
}

void BM_ArchiveStore(benchmark::State& state)
{
    auto list = MakeList();
    for (auto _ : state)
        benchmark::DoNotOptimize(StoreList(list));
    state.SetItemsProcessed(state.iterations() * itemCount);
}
BENCHMARK(BM_ArchiveStore)->Unit(benchmark::kMillisecond);

void BM_ArchiveLoad(benchmark::State& state)
{
    auto list = MakeList();
    const auto bytes = StoreList(list);
    for (auto _ : state) {
        fw::Archive ar(bytes);
        fw::ObList<CBenchItem> back;
        back.Serialize(ar);
        benchmark::DoNotOptimize(back.GetCount());
    }
    state.SetItemsProcessed(state.iterations() * itemCount);
}
BENCHMARK(BM_ArchiveLoad)->Unit(benchmark::kMillisecond);

void BM_MemcpyBaseline(benchmark::State& state)
{
    auto list = MakeList();
    const auto bytes = StoreList(list);
    std::vector<std::uint8_t> copy(bytes.size());
    for (auto _ : state) {
        std::memcpy(copy.data(), bytes.data(), bytes.size());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * std::int64_t(bytes.size()));
}
BENCHMARK(BM_MemcpyBaseline)->Unit(benchmark::kMillisecond);

} // namespace
