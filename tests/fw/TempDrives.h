#pragma once
// A fresh temporary folder with drives C: and D: mapped into it, installed as the process-wide
// drive map for the life of the object.

#include "fw/core/DriveMap.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

class TempDrives {
public:
    TempDrives()
    {
        static std::atomic<int> counter{0};
        root_ = std::filesystem::temp_directory_path() /
                ("varnex-fwtest-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
        std::filesystem::remove_all(root_);
        std::filesystem::create_directories(root_ / "C");
        std::filesystem::create_directories(root_ / "D");
        auto map = std::make_unique<fw::DriveMap>();
        map->Map('C', root_ / "C");
        map->Map('D', root_ / "D");
        previous_ = fw::DriveMap::SetInstance(std::move(map));
    }
    ~TempDrives()
    {
        fw::DriveMap::SetInstance(std::move(previous_));
        std::error_code ec;
        std::filesystem::remove_all(root_, ec);
    }
    TempDrives(const TempDrives&) = delete;
    TempDrives& operator=(const TempDrives&) = delete;

    const std::filesystem::path& Root() const { return root_; }
    std::filesystem::path C() const { return root_ / "C"; }

    // Writes a file, making its folders.
    static void Put(const std::filesystem::path& path, const std::string& bytes)
    {
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string Get(const std::filesystem::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    // The names in a folder, sorted.
    static std::vector<std::string> Names(const std::filesystem::path& folder)
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    std::filesystem::path root_;
    std::unique_ptr<fw::DriveMap> previous_;
};
