#pragma once
// A file named by its Windows path (converted through the process-wide DriveMap), read and
// written without buffering.
//
// Sharing uses advisory flock locks, so it holds between files opened through this class (in this
// or another process): shareExclusive takes an exclusive lock, every other open a shared one. An
// open that cannot get its lock fails with sharingViolation: an exclusive open fails while the file
// is open elsewhere, and any open fails while it is open exclusively.

#include "fw/core/FwCoreExport.h"
#include "fw/core/ByteStream.h"
#include "fw/core/FileException.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

class AtomicFile;

class FW_CORE_EXPORT File : public ByteStream {
public:
    // Open flags, combined with '|': one access mode, one share mode, and the rest as needed.
    enum OpenFlags : unsigned {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyNone = 0x0040,
        modeCreate = 0x1000,       // create when missing; empties an existing file unless...
        modeNoTruncate = 0x2000,   // ...this is given too
        typeBinary = 0x8000,       // bytes as they are (the only kind there is)
    };
    enum SeekPosition { begin, current, end };

    File() = default;
    // Opens or throws the FileException Open would report.
    File(std::string_view winPath, unsigned flags);
    File(File&& other) noexcept;
    File& operator=(File&& other) noexcept;
    ~File() override;   // closes, ignoring errors

    // Opens the file; on failure returns false and fills *error when given. A missing file is
    // fileNotFound, a missing folder on its path badPath, a folder or other non-regular file
    // invalidFile. An open file is closed first.
    bool Open(std::string_view winPath, unsigned flags, FileException* error = nullptr);
    bool IsOpen() const { return fd_ >= 0; }
    // The Windows path the file was opened with.
    const std::string& GetFilePath() const { return path_; }

    // Every operation below throws FileException on failure (invalidFile on a closed file).
    std::size_t Read(void* buffer, std::size_t count) override;
    void Write(const void* buffer, std::size_t count) override;
    // Moves the position and returns it; a position before the start is badSeek.
    std::uint64_t Seek(std::int64_t offset, SeekPosition from);
    std::uint64_t GetPosition() override;
    std::uint64_t GetLength() override;
    void SetLength(std::uint64_t length);
    // Reads from the current position to the end. A file with more than maxSize bytes left, or
    // one that ends before its length says, is an invalid file.
    std::vector<std::uint8_t> ReadToEnd(std::uint64_t maxSize);
    // Writes the file's data through to the disk (fsync).
    void Flush();
    void Close();

private:
    friend class AtomicFile;

    // Opens a Linux path with open(2) flags; path is the Windows name errors carry.
    bool OpenNative(const std::filesystem::path& native, int openFlags, bool exclusive, std::string path,
                    FileException* error);
    void CheckOpen() const;
    [[noreturn]] void Fail(int error) const;

    int fd_ = -1;
    std::string path_;
};

} // namespace fw
