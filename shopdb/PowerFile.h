#pragma once
// The file class every shop database file shares: open with folder creation and the program's
// error messages, and the checked byte access the record, index and link files are built on.
// Everything a file holds is untrusted: a read that the file cannot satisfy is an "Invalid File"
// error, never a partly filled buffer.

#include "shopdb/FileMedium.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>

class CPowerFile {
public:
    // Status values of the index and link files.
    static constexpr int statusNormal = 0;
    static constexpr int statusEmpty = 49;   // 1 | 16 | 32: nothing to walk
    static constexpr int statusEnd = 16;     // a walk has passed the last item

    CPowerFile() = default;
    virtual ~CPowerFile();
    CPowerFile(const CPowerFile&) = delete;
    CPowerFile& operator=(const CPowerFile&) = delete;

    // Opens over an already open medium; path names the file in errors.
    void Open(std::unique_ptr<shopdb::FileMedium> medium, std::string path);
    // Closes only when the file is open.
    void Close();
    bool IsOpen() const { return medium_ != nullptr; }
    const std::string& GetFilePath() const { return path_; }
    bool IsWritable() const { return medium_ && medium_->Writable(); }

protected:
    std::uint64_t Length() const { return length_; }
    // Whether count bytes from offset lie inside the file.
    bool Holds(std::int64_t offset, std::uint64_t count) const;
    // Reads exactly out.size() bytes; Invalid File when the file ends first.
    void ReadExact(std::int64_t offset, std::span<std::uint8_t> out);
    // Reads what the file holds at offset, up to out.size() bytes; returns the count.
    std::size_t ReadSome(std::int64_t offset, std::span<std::uint8_t> out);
    void WriteAt(std::int32_t offset, std::span<const std::uint8_t> in);
    // Writes at the end of the file and returns the offset, which must fit a 32-bit address.
    std::int32_t AppendBytes(std::span<const std::uint8_t> in);

    [[noreturn]] void ThrowInvalidFile() const;

private:
    shopdb::FileMedium& Medium() const;

    std::unique_ptr<shopdb::FileMedium> medium_;
    std::string path_;
    std::uint64_t length_ = 0;
};
