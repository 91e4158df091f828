#pragma once
// The bytes under a shop database file: positioned reads and writes on one open file. The files
// reach their bytes only through this, so that they work the same on disk and in memory.

#include "fw/core/File.h"

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace shopdb {

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

// An open file on disk.
class DiskMedium : public FileMedium {
public:
    DiskMedium(fw::File file, bool writable);

    std::uint64_t Length() override { return file_.GetLength(); }
    std::size_t ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) override;
    void WriteAt(std::uint64_t offset, std::span<const std::uint8_t> in) override;
    bool Writable() const override { return writable_; }
    void Close() override { file_.Close(); }

private:
    fw::File file_;
    bool writable_;
};

// A file held in memory. The bytes are shared with whoever made the medium, so they can be
// looked at after the file is closed.
class MemoryMedium : public FileMedium {
public:
    using Bytes = std::vector<std::uint8_t>;

    explicit MemoryMedium(std::shared_ptr<Bytes> bytes, bool readOnly = false);

    std::uint64_t Length() override { return bytes_->size(); }
    std::size_t ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) override;
    void WriteAt(std::uint64_t offset, std::span<const std::uint8_t> in) override;
    bool Writable() const override { return !readOnly_; }
    void Close() override {}

private:
    std::shared_ptr<Bytes> bytes_;
    bool readOnly_;
};

} // namespace shopdb
