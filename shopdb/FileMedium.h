#pragma once
// The bytes under a shop database file: positioned reads and writes on one open file. The files
// reach their bytes only through this, so that they work the same on disk and in memory.

#include <cstdint>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace shopdb {

// Interim file error until the platform's file error is available.
class FileError : public std::runtime_error {
public:
    enum Cause { invalidFile, accessDenied, diskFull };
    FileError(Cause cause, std::string fileName)
        : std::runtime_error(fileName), cause_(cause), fileName_(std::move(fileName)) {}
    Cause cause() const { return cause_; }
    const std::string& fileName() const { return fileName_; }

private:
    Cause cause_;
    std::string fileName_;
};

class FileMedium {
public:
    virtual ~FileMedium() = default;

    virtual std::uint64_t Length() = 0;
    // Reads up to out.size() bytes at offset; fewer only at the end of the file.
    virtual std::size_t ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) = 0;
    // Writes all bytes at offset, growing the file as needed.
    virtual void WriteAt(std::uint64_t offset, std::span<const std::uint8_t> in) = 0;
    virtual bool Writable() const = 0;
    virtual void Close() = 0;
};

// A file held in memory. The bytes are shared with whoever made the medium, so they can be
// looked at after the file is closed.
class MemoryMedium : public FileMedium {
public:
    using Bytes = std::vector<std::uint8_t>;

    MemoryMedium(std::shared_ptr<Bytes> bytes, bool readOnly = false);

    std::uint64_t Length() override;
    std::size_t ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) override;
    // A read-only medium refuses every write with accessDenied.
    void WriteAt(std::uint64_t offset, std::span<const std::uint8_t> in) override;
    bool Writable() const override { return !readOnly_; }
    void Close() override {}

private:
    std::shared_ptr<Bytes> bytes_;
    bool readOnly_;
};

} // namespace shopdb
