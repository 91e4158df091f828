#pragma once
// Saves a file so that a failure never harms the previous one: the bytes go to a temporary file
// beside the target (same folder, unique name), and Commit flushes it to the disk, renames it over
// the target and flushes the folder. Without a successful Commit the temporary file is removed
// and the target stays as it was. Inside a CommitGroup, Commit hands the written file to the
// group, which syncs and renames it with the others.
//
//     fw::AtomicFile out("C:\\Kestrom\\Jobs\\J1\\G1\\B12.prt");
//     ... write to out (a ByteStream) ...
//     out.Commit();

#include "fw/core/FwCoreExport.h"
#include "fw/core/ByteStream.h"
#include "fw/core/File.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace fw {

class CommitGroup;

class FW_CORE_EXPORT AtomicFile : public ByteStream {
public:
    // Creates the temporary file; throws FileException (badPath when the target's folder is
    // missing; accessDenied when the target exists read-only: no write bit in its mode, or not
    // writable by this process). A replaced target keeps its permission bits.
    explicit AtomicFile(std::string_view winPath);
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;
    ~AtomicFile() override;   // removes the temporary file unless committed

    // The stream is write-only: Read throws accessDenied.
    std::size_t Read(void* buffer, std::size_t count) override;
    void Write(const void* buffer, std::size_t count) override;
    std::uint64_t GetPosition() override { return written_; }
    std::uint64_t GetLength() override { return written_; }

    // Replaces the target with what was written. Throws FileException on failure (accessDenied
    // when the target has become read-only meanwhile), and refuses
    // (genericException) after a failed Write or a second Commit, so a partial file never replaces
    // the target. Should flushing the folder fail after the rename, that is reported too, though
    // the new file is in place.
    void Commit();
    // As Commit, but never replaces a file: the new file takes the target's name only when no
    // file has it. False, with the temporary file removed and the existing file untouched, when
    // the name is taken; so of several savers racing for one name exactly one gets it. Inside a
    // CommitGroup the name is checked now (the disk and the group's pending names) but taken at
    // the group's commit: another program taking it in between makes that commit fail for this
    // file, which keeps the other program's file.
    bool CommitNew();

    // Test hook: from now on every AtomicFile fails a write with diskFull once it has written
    // this many bytes (the bytes before the limit do reach the temporary file). nullopt turns it
    // off.
    static void FailWritesAfter(std::optional<std::uint64_t> bytes);

private:
    void RemoveTemporary() noexcept;
    // Flushes (sync: through to the disk) and closes the temporary file; refuses after a failed
    // Write or a commit.
    void Finish(bool sync);
    // Commit and CommitNew: closes the temporary file and moves it to the target, over a file there
    // when replace is set; false when a file is there and replace is not set.
    bool Place(bool replace);
    // Place inside a commit group: the written file joins the group, which renames it later.
    bool PlaceInGroup(CommitGroup& group, bool replace);

    std::string path_;
    std::filesystem::path target_;
    std::filesystem::path temporary_;
    File file_;
    std::uint64_t written_ = 0;
    bool failed_ = false;
    bool committed_ = false;
};

} // namespace fw
