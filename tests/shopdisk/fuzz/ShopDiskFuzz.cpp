#include "tests/shopdisk/fuzz/ShopDiskFuzz.h"

#include "shopdisk/MultDosDisk.h"
#include "shopdisk/PartDosDisk.h"

#include "machmult/MultClasses.h"
#include "model/ModelClasses.h"
#include "tests/shopdisk/ShopDiskGroup.h"

#include "fw/core/DriveMap.h"
#include "fw/core/MessageService.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

namespace fs = std::filesystem;

// A file below a drive's root: its drive, its path there and its bytes.
struct SeedFile {
    char drive;
    fs::path relative;
    std::string bytes;
};

fs::path DriveRoot(char drive) { return *fw::DriveMap::Instance().Root(drive); }

void Put(const fs::path& path, const std::string& bytes)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string Get(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Every file below a folder, as seed files of the drive.
void Collect(char drive, const fs::path& folder, std::vector<SeedFile>& files)
{
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            files.push_back({drive, fs::relative(entry.path(), DriveRoot(drive)), Get(entry.path())});
}

// The catalogue (C:) and the disk (D:) of the seed, made on the current drives and then removed.
std::vector<SeedFile> MakeSeed()
{
    RegisterModelClasses();
    RegisterMultClasses();
    const fw::ScriptedMessages silent(fw::ScriptedMessageService::WhenUnscripted::AnswerDefault);
    if (!shopdisktest::SaveGroup(shopdisktest::SaveCatalogue(), "seed")) {
        std::fprintf(stderr, "the seed group could not be made\n");
        std::abort();
    }
    CMultDosDisk::CreateDosDisk('D', "GROUP", {"C:\\Kestrom\\Jobs\\J1\\G1\\*.mlt"});

    fs::remove_all(DriveRoot('C') / "Kestrom/Jobs");
    std::vector<SeedFile> files;
    Collect('C', DriveRoot('C') / "Kestrom", files);
    Collect('D', DriveRoot('D'), files);
    for (const char drive : {'C', 'D'})
        for (const auto& entry : fs::directory_iterator(DriveRoot(drive)))
            fs::remove_all(entry.path());
    return files;
}

// Changes the disk files as the edits say.
void Damage(std::vector<SeedFile>& files, const std::uint8_t* edits, std::size_t size)
{
    std::vector<std::string*> disk;
    for (SeedFile& file : files)
        if (file.drive == 'D')
            disk.push_back(&file.bytes);
    for (std::size_t i = 0; i + 6 <= size; i += 6) {
        std::string& bytes = *disk[edits[i] % disk.size()];
        if (bytes.empty())
            continue;
        const std::size_t offset = (edits[i + 1] | edits[i + 2] << 8 | edits[i + 3] << 16) % bytes.size();
        if (edits[i + 5] % 8 == 0)
            bytes.resize(offset);
        else
            bytes[offset] = char(edits[i + 4]);
    }
}

// The first converted file that does not load again.
std::string UnloadableFile()
{
    const fs::path jobs = DriveRoot('C') / "Kestrom/Jobs";
    if (!fs::exists(jobs))
        return {};
    for (const auto& entry : fs::recursive_directory_iterator(jobs)) {
        if (!entry.is_regular_file())
            continue;
        const std::string path = *fw::DriveMap::Instance().ToWindows(entry.path());
        const std::string extension = entry.path().extension().string();
        std::unique_ptr<CSmartDoc> doc;
        if (extension == ".prt")
            doc = std::make_unique<CPartDoc>();
        else if (extension == ".mlt")
            doc = std::make_unique<CMultDoc>();
        else
            return "an unexpected file was written: " + path;
        if (doc->ReadFile(path).status != CSmartDoc::ReadOutcome::read)
            return "the converted file " + path + " does not load";
    }
    return {};
}

} // namespace

std::string ShopDiskFinding(const std::uint8_t* data, std::size_t size)
{
    static const std::vector<SeedFile> seed = MakeSeed();
    if (size < 1)
        return {};
    std::vector<SeedFile> files = seed;
    Damage(files, data + 1, size - 1);
    for (const char drive : {'C', 'D'})
        for (const auto& entry : fs::directory_iterator(DriveRoot(drive)))
            fs::remove_all(entry.path());
    for (const SeedFile& file : files)
        Put(DriveRoot(file.drive) / file.relative, file.bytes);

    const fw::ScriptedMessages answers(fw::ScriptedMessageService::WhenUnscripted::AnswerDefault);
    try {
        if (data[0] % 2 == 0)
            CPartDosDisk::ReadDosDisk("D:\\PART\\GROUP.REC");
        else
            CMultDosDisk::ReadDosDisk("D:\\MULT\\GROUP.REC");
    } catch (const std::exception& e) {
        return std::string("an exception left the converter: ") + e.what();
    }
    if (answers->Shown().empty() || answers->Shown().back().caption != fw::kMessageCaption)
        return "no end list was shown";
    return UnloadableFile();
}

int FuzzShopDisk(const std::uint8_t* data, std::size_t size)
{
    const std::string finding = ShopDiskFinding(data, size);
    if (!finding.empty()) {
        std::fprintf(stderr, "%s\n", finding.c_str());
        std::abort();
    }
    return 0;
}
