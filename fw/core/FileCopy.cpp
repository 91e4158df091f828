#include "fw/core/FileCopy.h"

#include "fw/core/CommitGroup.h"
#include "fw/core/FileException.h"
#include "fw/core/FileSystem.h"
#include "fw/core/MessageService.h"

#include <algorithm>

namespace fw {

std::vector<std::string> ExistingTargets(const std::vector<FilePair>& files)
{
    std::vector<std::string> existing;
    for (const FilePair& file : files)
        if (FileSystem::Exists(file.to))
            existing.push_back(file.to);
    return existing;
}

FileCopyResult CopyFiles(const std::vector<FilePair>& files, const std::vector<std::string>& folders, bool replace)
{
    FileCopyResult result;
    for (const std::string& folder : folders) {
        try {
            FileSystem::CreateFolders(folder + "\\");
        } catch (const FileException& e) {
            result.failures.push_back("The folder \"" + folder + "\" could not be made: " + e.what());
        }
    }
    CommitGroup group;
    const int total = int(files.size());
    Progress progress("Copying Files", total);
    for (int done = 0; done < total; ++done) {
        const FilePair& file = files[std::size_t(done)];
        if (!progress.Step(done, file.from)) {
            result.failures.push_back("Copying was stopped at file " + std::to_string(done + 1) + " of " +
                                      std::to_string(total) + ": \"" + file.from +
                                      "\" and the files after it were not copied.");
            break;
        }
        const bool exists = FileSystem::Exists(file.to);
        if (exists && !replace)
            continue;
        try {
            FileSystem::CreateFolders(file.to);
            FileSystem::CopyFile(file.from, file.to, !exists);
            ++result.copied;
        } catch (const FileException& e) {
            result.failures.push_back("\"" + file.from + "\" could not be copied to \"" + file.to + "\": " + e.what());
        }
    }
    // The copies reach the disk together; one that cannot be placed there is not copied.
    for (const FileException& e : group.Commit()) {
        const auto file = std::find_if(files.begin(), files.end(), [&](const FilePair& f) { return f.to == e.fileName(); });
        const std::string from = file == files.end() ? std::string() : file->from;
        result.failures.push_back("\"" + from + "\" could not be copied to \"" + e.fileName() + "\": " + e.what());
        --result.copied;
    }
    return result;
}

} // namespace fw
