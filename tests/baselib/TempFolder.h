#pragma once
// A fresh folder under the system's temporary folder, removed with its contents afterwards.

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

class TempFolder {
public:
    TempFolder()
    {
        std::random_device random;
        path_ = std::filesystem::temp_directory_path() / ("baselib-" + std::to_string(random()));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // Writes the bytes to a file in the folder and returns its path.
    std::string Write(const std::string& name, const std::string& bytes) const
    {
        const std::filesystem::path file = path_ / name;
        std::ofstream(file, std::ios::binary) << bytes;
        return file.string();
    }
    std::string Path(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};
