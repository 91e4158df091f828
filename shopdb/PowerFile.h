#pragma once
// The file class every shop database file shares: open with folder creation and the program's
// error messages, and the checked byte access the record, index and link files are built on.
// Everything a file holds is untrusted: a read that the file cannot satisfy is the file error
// "Invalid File", never a partly filled buffer.

#include "shopdb/FileMedium.h"

#include "fw/core/FileException.h"
#include "fw/core/File.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

// Makes every folder of a Windows path, the last part taken as a file name; existing folders are
// no error. Returns false, making nothing, when the path holds no backslash; throws
// fw::FileException when a folder cannot be made.
bool MakeDirectoryPath(std::string_view path);

// The path of a companion file: the same path with the last three letters replaced
// ("C:\D\PART\T.REC" with "NDX" gives "C:\D\PART\T.NDX").
std::string CompanionPath(std::string_view path, std::string_view lastThree);

class CPowerFile {
public:
    // Status values of the index and link files.
    static constexpr int statusNormal = 0;
    static constexpr int statusEmpty = 49;   // 1 | 16 | 32: nothing to walk
    static constexpr int statusEnd = 16;     // a walk has passed the last item

    // The flags the shop database opens its files with: writers, and readers of a shop disk.
    static constexpr unsigned writeFlags = fw::File::modeReadWrite | fw::File::shareExclusive | fw::File::typeBinary;
    static constexpr unsigned readFlags = fw::File::modeRead | fw::File::typeBinary;

    CPowerFile() = default;
    virtual ~CPowerFile();
    CPowerFile(const CPowerFile&) = delete;
    CPowerFile& operator=(const CPowerFile&) = delete;

    // Opens a file by its Windows path. An open for writing also creates the file when it is
    // missing and never truncates it; when a folder of the path is missing the folders are made
    // and the open is tried once more. An open for reading creates nothing. A failure fills
    // *error when given, keeps the error for OpenError() and returns false; the caller reports it
    // ("ERROR: <cause text> -- On File <path>"). A path without a backslash whose open fails
    // leaves the cause none: nothing to report.
    bool Open(std::string_view path, unsigned flags, fw::FileException* error = nullptr);
    // Why the last open failed; cause none after a successful open or an unreportable failure.
    const fw::FileException& OpenError() const { return openError_; }
    // Opens over a medium already at hand; path names the file in errors.
    void Open(std::unique_ptr<shopdb::FileMedium> medium, std::string path);
    // Closes only when the file is open.
    void Close();
    bool IsOpen() const { return medium_ != nullptr; }
    bool IsWritable() const { return medium_ && medium_->Writable(); }
    const std::string& GetFilePath() const { return path_; }

protected:
    // Called after every successful open, to set up what the file holds.
    virtual void OnOpened() {}

    std::uint64_t Length() const { return length_; }
    // Whether count bytes from offset lie inside the file.
    bool Holds(std::int64_t offset, std::uint64_t count) const;
    // Reads exactly out.size() bytes; Invalid File when the file ends first.
    void ReadExact(std::int64_t offset, std::span<std::uint8_t> out);
    // Reads what the file holds at offset, up to out.size() bytes; returns the count.
    std::size_t ReadSome(std::int64_t offset, std::span<std::uint8_t> out);
    // Writes at offset; Access Denied on a file opened for reading.
    void WriteAt(std::int32_t offset, std::span<const std::uint8_t> in);
    // Writes at the end of the file and returns the offset, which must fit a 32-bit address
    // (Disk Full beyond).
    std::int32_t AppendBytes(std::span<const std::uint8_t> in);

    [[noreturn]] void Fail(fw::FileException::Cause cause) const;
    [[noreturn]] void ThrowInvalidFile() const { Fail(fw::FileException::invalidFile); }

    fw::FileException openError_;   // why the last open failed

private:
    static bool TryOpen(fw::File& file, std::string_view path, unsigned flags, fw::FileException& failure);
    shopdb::FileMedium& Medium() const;

    std::unique_ptr<shopdb::FileMedium> medium_;
    std::string path_;
    std::uint64_t length_ = 0;
};
