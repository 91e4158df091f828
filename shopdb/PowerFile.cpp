#include "shopdb/PowerFile.h"

#include "fw/core/FileSystem.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

using fw::FileException;

namespace {

bool IsReader(unsigned flags)
{
    return (flags & (fw::File::modeWrite | fw::File::modeReadWrite)) == 0;
}

} // namespace

bool MakeDirectoryPath(std::string_view path)
{
    if (path.find('\\') == std::string_view::npos)
        return false;
    fw::FileSystem::CreateFolders(path);
    return true;
}

std::string CompanionPath(std::string_view path, std::string_view lastThree)
{
    std::string companion(path.substr(0, path.size() - std::min(path.size(), std::size_t(3))));
    return companion.append(lastThree);
}

CPowerFile::~CPowerFile()
{
    try {
        Close();
    } catch (...) {
        // A destructor cannot report a failed close; every change was written when it was made.
    }
}

bool CPowerFile::Open(std::string_view path, unsigned flags, FileException* error)
{
    Close();
    const bool writer = !IsReader(flags);
    if (writer)
        flags |= fw::File::modeCreate | fw::File::modeNoTruncate;
    fw::File file;
    FileException failure;
    openError_ = FileException();
    if (!TryOpen(file, path, flags, failure)) {
        if (error)
            *error = failure;
        openError_ = failure;
        return false;
    }
    Open(std::make_unique<shopdb::DiskMedium>(std::move(file), writer), std::string(path));
    return true;
}

// One open, and for a writer whose folders are missing one more after making them. Leaves the
// cause none when the failure is not to be reported.
bool CPowerFile::TryOpen(fw::File& file, std::string_view path, unsigned flags, FileException& failure)
{
    if (file.Open(path, flags, &failure))
        return true;
    if (failure.cause() != FileException::badPath)
        return false;
    if (IsReader(flags)) {   // a reader's missing folder: the file is not there
        failure = FileException(FileException::fileNotFound, std::string(path), failure.osError());
        return false;
    }
    try {
        if (!MakeDirectoryPath(path)) {
            failure = FileException();
            return false;
        }
    } catch (const FileException& e) {
        failure = e;
        return false;
    }
    return file.Open(path, flags, &failure);
}

void CPowerFile::Open(std::unique_ptr<shopdb::FileMedium> medium, std::string path)
{
    Close();
    length_ = medium->Length();
    medium_ = std::move(medium);
    path_ = std::move(path);
    OnOpened();
}

void CPowerFile::Close()
{
    if (!medium_)
        return;
    std::unique_ptr<shopdb::FileMedium> medium = std::move(medium_);
    length_ = 0;
    medium->Close();
}

bool CPowerFile::Holds(std::int64_t offset, std::uint64_t count) const
{
    return offset >= 0 && std::uint64_t(offset) <= length_ && count <= length_ - std::uint64_t(offset);
}

void CPowerFile::ReadExact(std::int64_t offset, std::span<std::uint8_t> out)
{
    if (!Holds(offset, out.size()) || Medium().ReadAt(std::uint64_t(offset), out) != out.size())
        ThrowInvalidFile();
}

std::size_t CPowerFile::ReadSome(std::int64_t offset, std::span<std::uint8_t> out)
{
    if (!Holds(offset, 0))
        ThrowInvalidFile();
    return Medium().ReadAt(std::uint64_t(offset), out);
}

void CPowerFile::WriteAt(std::int32_t offset, std::span<const std::uint8_t> in)
{
    if (offset < 0)
        throw std::invalid_argument("CPowerFile::WriteAt: negative offset");
    if (!Medium().Writable())
        Fail(FileException::accessDenied);
    medium_->WriteAt(std::uint64_t(offset), in);
    length_ = std::max<std::uint64_t>(length_, std::uint64_t(offset) + in.size());
}

std::int32_t CPowerFile::AppendBytes(std::span<const std::uint8_t> in)
{
    if (length_ > std::uint64_t(std::numeric_limits<std::int32_t>::max()))
        Fail(FileException::diskFull);
    const auto offset = std::int32_t(length_);
    WriteAt(offset, in);
    return offset;
}

void CPowerFile::Fail(FileException::Cause cause) const
{
    throw FileException(cause, path_);
}

shopdb::FileMedium& CPowerFile::Medium() const
{
    if (!medium_)
        throw FileException(FileException::invalidFile, path_);
    return *medium_;
}
