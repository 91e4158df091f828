#pragma once
// The baseline of a listing benchmark: the same folder listed and the first bytes of each file
// read with plain system calls, as cheap as reading those files can be.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

inline void ReadEveryFile(benchmark::State& state, const std::filesystem::path& folder, std::size_t bytes)
{
    std::vector<char> buffer(bytes);
    std::size_t files = 0;
    for (auto _ : state) {
        files = 0;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            const int fd = ::open(entry.path().c_str(), O_RDONLY | O_CLOEXEC);
            if (fd < 0)
                continue;
            benchmark::DoNotOptimize(::read(fd, buffer.data(), buffer.size()));
            ::close(fd);
            ++files;
        }
    }
    state.counters["files"] = double(files);
}
